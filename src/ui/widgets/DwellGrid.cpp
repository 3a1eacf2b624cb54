#include "ui/widgets/DwellGrid.h"

#include "config/Conversions.h"
#include "present/HeatScale.h"
#include "present/LogTimeAxis.h"
#include "texts/LogTexts.h"

#include <QHeaderView>

namespace kx {

namespace {

// The live operating point's colour on the main window's map.
const QColor kLive(0, 255, 0);

QColor ToQColor(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// The table's row of a map row: as on the window's advance map, 0 % on top.
int TableRow(int mapRow) {
    return mapRow;
}

} // namespace

QString ShortDuration(uint32_t ms) {
    const uint32_t seconds = ms / 1000;
    if (ms > 0 && seconds == 0)
        return QStringLiteral("<1 s"); // a cell passed through, which "0 s" would deny
    if (seconds < 60)
        return QString::number(seconds) + " s";
    return QString::fromStdString(ClockDuration(long(seconds)));
}

DwellGrid::DwellGrid(QWidget* parent) : QTableWidget(kMapRows, kMapColumns, parent) {
    setObjectName("LogDwellGrid");
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    QStringList rows;
    for (const uint8_t percent : TpsBreakpoints)
        rows << QString::number(percent) + '%';
    setVerticalHeaderLabels(rows);
    for (int cell = 0; cell < kMapRows * kMapColumns; ++cell) {
        auto* item = new QTableWidgetItem;
        item->setTextAlignment(Qt::AlignCenter);
        setItem(TableRow(cell / kMapColumns), cell % kMapColumns, item);
    }
}

QTableWidgetItem* DwellGrid::itemOfCell(int cell) const {
    return item(TableRow(cell / kMapColumns), cell % kMapColumns);
}

void DwellGrid::SetLanguage(uint8_t languageIndex) {
    languageIndex_ = languageIndex;
    Refill();
}

void DwellGrid::SetSpeedAxis(const ConfigBlock& block) {
    QStringList columns;
    for (int column = 0; column < kMapColumns; ++column) {
        rpm_[column] = ShownFromStored(Scale::Hundreds, block.rpmAdv[column]);
        columns << QString::number(rpm_[column]);
    }
    setHorizontalHeaderLabels(columns);
    Refill();
}

void DwellGrid::SetDwell(const CellDwell& dwell) {
    dwell_ = dwell;
    Refill();
}

void DwellGrid::SetMarkedCell(int cell) {
    if (cell == marked_)
        return;
    const int before = marked_;
    marked_ = cell;
    if (before >= 0)
        PaintCell(before);
    if (cell >= 0)
        PaintCell(cell);
}

void DwellGrid::Refill() {
    for (int cell = 0; cell < kMapRows * kMapColumns; ++cell)
        PaintCell(cell);
}

void DwellGrid::PaintCell(int cell) {
    QTableWidgetItem* shown = itemOfCell(cell);
    const uint32_t ms = dwell_.ms(cell);
    const QString time = ms > 0 ? ShortDuration(ms) : QString();
    shown->setText(time);
    const QString tip =
        QString::fromStdString(LogTextIn(LogText::CellTip, languageIndex_))
            .arg(QString::number(rpm_[cell % kMapColumns]),
                 QString::number(TpsBreakpoints[cell / kMapColumns]), ShortDuration(ms));
    shown->setToolTip(tip);
    if (cell == marked_) {
        shown->setBackground(kLive);
        shown->setForeground(Qt::black);
    } else if (ms > 0) {
        const Rgb heat = HeatColour(int(ms), 0, int(dwell_.longest()));
        shown->setBackground(ToQColor(heat));
        shown->setForeground(ToQColor(TextColourOn(heat)));
    } else {
        shown->setBackground(QBrush());
        shown->setForeground(QBrush());
    }
}

} // namespace kx
