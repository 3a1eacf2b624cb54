#pragma once

#include "store/UnitHistory.h"

#include <QDialog>

#include <cstdint>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace kx {

// Unit history > History...: every read and program the history folder lists, and the nudge log of
// the changes programmed at once while the engine ran. The window only shows and asks; what the
// buttons ask for is done by whoever listens to the signals.
class HistoryWindow : public QDialog { // objectName "FormHistory"
    Q_OBJECT

  public:
    explicit HistoryWindow(QWidget* parent);

    // Entries oldest first as the folder lists them; shown newest first. skipped/foreign are
    // counted in a line under the list only when non-zero. The entries selected before stay
    // selected as far as the new listing still has them.
    void SetListing(const HistoryListing& listing);
    // All captions, headers, the filter's "All firmware" item and the nudge log's lines.
    void SetLanguage(uint8_t languageIndex);
    // Indices into the listing given last, ascending (older first), of the entries selected in
    // the page shown; entries the firmware filter hides are not selected.
    std::vector<int> selectedEntries() const;

  signals:
    void compareEntries(int first, int second); // two entries selected, "Compare" (older first)
    void compareWithScreen(int entry);          // one entry selected, "Compare with screen"
    void restoreEntry(int entry); // "Restore" on an entry, or "Roll back to here" in the nudge log

  private:
    void ApplyTexts();
    void Fill();
    void FillEntries();
    void FillNudges();
    void FillFirmwareFilter();
    void ApplyFilter();
    void UpdateButtons();
    void Compare();
    void CompareWithScreen();
    void Restore();
    QTreeWidget* shownList() const;

    HistoryListing listing_;
    uint8_t languageIndex_ = 0;
    QTabWidget* pages_;
    QTreeWidget* entries_;
    QTreeWidget* nudges_;
    QLabel* firmwareLabel_;
    QComboBox* firmware_;
    QLabel* skipped_;
    QPushButton* compare_;
    QPushButton* compareScreen_;
    QPushButton* restore_;
    QPushButton* rollBack_;
    QPushButton* close_;
};

} // namespace kx
