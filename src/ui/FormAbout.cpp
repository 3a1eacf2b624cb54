#include "ui/FormAbout.h"

#include "texts/LanguageTexts.h"
#include "ui/widgets/Picture.h"

#include <QLabel>
#include <QMouseEvent>

namespace kx {

namespace {

// Name, postal address in three lines, e-mail, web; the same in every language.
const char* const kContactLines[][2] = {
    {"Label2", "Ignition programming tool"},
    {"Label3", "Workshop support"},
    {"Label4", "1 Example Road"},
    {"Label5", "12345 Sample Town"},
    {"Label9", "support@example.com"},
    {"Label10", "www.example.com"},
};

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, int pixels,
                 const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setPixelSize(pixels);
    label->setFont(font);
    label->setGeometry(geometry);
    return label;
}

} // namespace

TFormAbout::TFormAbout(QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint) {
    setObjectName("FormAbout");
    setWindowTitle(QString::fromStdString(AboutCaption(0)));
    setFixedSize(kWidth, kHeight);
    QFont font = this->font();
    font.setFamilies({"MS Sans Serif", "Microsoft Sans Serif"});
    font.setPixelSize(11);
    setFont(font);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);

    const QSize pictureSize(161, 81);
    QLabel* picture = AddLabel(this, "Image1", QString(), 11, QRect(QPoint(8, 8), pictureSize));
    picture->setPixmap(IgnitionPicture(pictureSize));

    int y = 112;
    for (const auto& [name, text] : kContactLines) {
        AddLabel(this, name, text, 16, QRect(24, y, kWidth - 48, 22));
        y += 30;
    }
    AddLabel(this, "LabelDate", BuildDate(), 11, QRect(24, kHeight - 56, 120, 16));
    AddLabel(this, "LabelTime", BuildTime(), 11, QRect(24, kHeight - 38, 120, 16));
    labelExit_ = AddLabel(this, "LabelExit", "OK", 23, QRect(kWidth - 84, kHeight - 60, 60, 40));
    labelExit_->setAlignment(Qt::AlignCenter);
    labelExit_->setCursor(Qt::PointingHandCursor);
    labelExit_->installEventFilter(this);

    if (mainWindow) {
        const QRect main = mainWindow->geometry();
        move(main.x() + main.width() / 2 - kWidth / 2, main.y() + main.height() / 2 - kHeight / 2);
    }
}

QString TFormAbout::BuildDate() {
    return QStringLiteral(__DATE__);
}

QString TFormAbout::BuildTime() {
    return QStringLiteral(__TIME__);
}

void TFormAbout::showEvent(QShowEvent* event) {
    FormActivate();
    QDialog::showEvent(event);
}

void TFormAbout::FormActivate() {
    setWindowTitle(QString::fromStdString(AboutCaption(languageIndex_)));
}

// The "OK" label is the window's close button.
bool TFormAbout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == labelExit_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kx
