#pragma once

#include <QDialog>

#include <cstdint>

class QLabel;

namespace kx {

// The About window: the program's emblem, the contact lines and the build stamp. Created once,
// hidden between showings; the caption follows the language current at each showing.
class TFormAbout : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kWidth = 350;
    static constexpr int kHeight = 409;

    // Centred on `mainWindow` as it stands now; the position is not renewed later.
    explicit TFormAbout(QWidget* mainWindow);

    // The language whose caption the next showing takes.
    void setLanguage(uint8_t languageIndex) { languageIndex_ = languageIndex; }

    // "Mar  7 2006" and "08:04:51": when this program was built.
    static QString BuildDate();
    static QString BuildTime();

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormActivate();

    QLabel* labelExit_;
    uint8_t languageIndex_ = 0;
};

} // namespace kx
