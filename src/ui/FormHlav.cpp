#include "ui/FormHlav.h"

#include "link/PortNames.h"
#include "ui/layout/FormLayout.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>

namespace kx {

namespace {

// Runs of ControlTable entries: the first index and the object names that follow it. Spinners
// are not listed: each sits kSpinnerOffset after its edit.
struct TableRun {
    int first;
    std::vector<QString> names;
};

std::vector<QString> Numbered(const QString& prefix, int first, int count) {
    std::vector<QString> names;
    for (int i = 0; i < count; ++i)
        names.push_back(prefix + QString::number(first + i));
    return names;
}

std::vector<TableRun> ControlTableRuns() {
    return {
        {20, {"CheckBoxPalec1ZacH2", "CheckBoxPalec2ZacH2"}},
        {24, {"CheckBoxPalec1EndH2", "CheckBoxPalec2EndH2"}},
        {28, {"CheckBoxPalec1ZacP2", "CheckBoxPalec2ZacP2"}},
        {32, {"CheckBoxPalec1EndP2", "CheckBoxPalec2EndP2"}},
        {36, {"LabelAdvance1", "LabelAdvance2"}},
        {40, Numbered("LabelTps", 1, 10)},
        {50, {"EditPalec1Zac", "EditPalec2Zac"}},
        {54, {"EditPalec1End", "EditPalec2End"}},
        {58, Numbered("EditRpmAdv", 1, 10)},
        {68, Numbered("Edit", 50, 100)},
        {168, Numbered("EditRpmPriv", 1, 10)},
        {178, Numbered("EditNapPriv", 1, 10)},
    };
}

} // namespace

TFormHlav::TFormHlav(QWidget* parent) : QMainWindow(parent) {
    setObjectName("FormHlav");
    BuildFormLayout(this);
}

void TFormHlav::FillControlTable() {
    QMenu* comMenu = control<QMenu>("MenuCom");
    for (int i = 0; i < kPortCount; ++i) {
        QAction* item = comMenu->addAction(QString::fromStdString(PortCaption(i)));
        item->setObjectName(QString("MenuCom%1").arg(i + 1));
        item->setCheckable(true);
        controlTable_[size_t(i)] = item;
    }
    for (const TableRun& run : ControlTableRuns()) {
        for (size_t k = 0; k < run.names.size(); ++k) {
            const int index = run.first + int(k);
            QObject* entry = findChild<QObject*>(run.names[k]);
            controlTable_[size_t(index)] = entry;
            const QString& name = run.names[k];
            if (index >= 50 && name.startsWith("Edit"))
                controlTable_[size_t(index + kSpinnerOffset)] =
                    findChild<QObject*>("UpDown" + name.mid(4));
        }
    }
}

QAction* TFormHlav::ComItem(int portIndex) const {
    return qobject_cast<QAction*>(ControlTable(portIndex));
}

QColor TFormHlav::ColourOf(Colour colour, const QPalette& palette) {
    switch (colour) {
    case Colour::ButtonFace:
        return palette.color(QPalette::Button);
    case Colour::Window:
        return palette.color(QPalette::Base);
    case Colour::White:
        return Qt::white;
    case Colour::Red:
        return QColor(255, 0, 0);
    case Colour::Yellow:
        return QColor(255, 255, 0);
    case Colour::Lime:
        return QColor(0, 255, 0);
    case Colour::Fuchsia:
        return QColor(255, 0, 255);
    case Colour::Aqua:
        return QColor(0, 255, 255);
    }
    return palette.color(QPalette::Button);
}

void TFormHlav::ApplyLabel(QLabel* label, const LabelState& state) {
    const QString caption = QString::fromStdString(state.caption);
    if (label->text() != caption)
        label->setText(caption);
    const QColor colour = ColourOf(state.colour, label->palette());
    if (label->palette().color(QPalette::Window) != colour) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, colour);
        label->setPalette(palette);
    }
}

void TFormHlav::ApplyGauge(QProgressBar* gauge, int value) {
    if (gauge->value() == value)
        return;
    gauge->setUpdatesEnabled(false);
    gauge->setValue(value);
    gauge->setUpdatesEnabled(true); // schedules the paint
}

void TFormHlav::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closeRequested(event);
    if (event->isAccepted())
        emit closing();
}

} // namespace kx
