#include "ui/ComparisonWindow.h"

#include "store/ConfigDifferences.h"
#include "store/ConfigFile.h"
#include "texts/DifferenceTexts.h"
#include "texts/FieldCaptions.h"
#include "texts/HistoryTexts.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cstddef>
#include <vector>

namespace kx {

namespace {

enum FieldColumn { kFieldCaption, kFieldFirst, kFieldSecond, kFieldColumns };

QString Text(HistoryText text, uint8_t languageIndex) {
    return QString::fromStdString(HistoryTextIn(text, languageIndex));
}

QString Filled(HistoryText text, uint8_t languageIndex, const std::string& first,
               const std::string& second = "") {
    return QString::fromStdString(FillIn(HistoryTextIn(text, languageIndex), first, second));
}

QTableWidgetItem* Cell(const QString& text) {
    auto* cell = new QTableWidgetItem(text);
    cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return cell;
}

QTableWidget* MakeTable(const char* name, QWidget* parent, int rows, int columns) {
    auto* table = new QTableWidget(rows, columns, parent);
    table->setObjectName(name);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(false);
    return table;
}

// "14 (+2)": the second side's value, and by how much it differs from the first.
QString MapCellText(int first, int second) {
    if (first == second)
        return QString::number(second);
    return QString("%1 (%2%3)").arg(second).arg(second > first ? "+" : "").arg(second - first);
}

} // namespace

ComparisonWindow::ComparisonWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint) {
    setObjectName("FormComparison");
    setSizeGripEnabled(true);

    summary_ = new QLabel(this);
    summary_->setObjectName("ComparisonSummary");
    summary_->setTextFormat(Qt::PlainText); // file names may hold anything
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = summary_->font();
    bold.setBold(true);
    summary_->setFont(bold);

    fields_ = MakeTable("ComparisonFields", this, 0, kFieldColumns);
    fields_->setSelectionBehavior(QAbstractItemView::SelectRows);
    fields_->setAlternatingRowColors(true);
    fields_->verticalHeader()->hide();
    // A field's name is read whole; a long value takes what is left, the rest by the scroll bar.
    for (int column : {int(kFieldCaption), int(kFieldFirst)})
        fields_->horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    fields_->horizontalHeader()->setStretchLastSection(true);

    map_ = MakeTable("ComparisonMap", this, kMapRows, kMapColumns);
    map_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    QStringList rows;
    for (uint8_t percent : TpsBreakpoints)
        rows << QString("%1 %").arg(percent);
    map_->setVerticalHeaderLabels(rows);
    const QFontMetrics metrics = map_->fontMetrics();
    const int columnWidth =
        std::max(metrics.horizontalAdvance("00 (+00)"), metrics.horizontalAdvance("20100")) + 18;
    map_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    map_->horizontalHeader()->setDefaultSectionSize(columnWidth);
    map_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    map_->verticalHeader()->setDefaultSectionSize(metrics.height() + 8);
    map_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    map_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The whole grid at once: the fields' table takes what height is left.
    map_->setFixedHeight(map_->horizontalHeader()->sizeHint().height() +
                         kMapRows * map_->verticalHeader()->defaultSectionSize() +
                         2 * map_->frameWidth() + 2);
    map_->setMinimumWidth(std::min(map_->verticalHeader()->sizeHint().width() +
                                       kMapColumns * columnWidth + 2 * map_->frameWidth() + 2,
                                   900));

    legend_ = new QLabel(this);
    legend_->setObjectName("ComparisonLegend");
    legend_->setTextFormat(Qt::PlainText);
    legend_->setWordWrap(true);

    close_ = new QPushButton(this);
    close_->setObjectName("ComparisonClose");
    close_->setAutoDefault(false);
    connect(close_, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(fields_, 1);
    layout->addWidget(map_, 0, Qt::AlignLeft);
    layout->addWidget(legend_);
    // Takes the room of the field list while it is hidden.
    layout->addStretch();
    layout->addLayout(buttons);

    QSize size(std::max(map_->minimumWidth() + 40, 1000), 700);
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() - QSize(40, 60));
    resize(size);
}

QColor ComparisonWindow::HigherColour() {
    return QColor(0xc6, 0xef, 0xce);
}

QColor ComparisonWindow::LowerColour() {
    return QColor(0xff, 0xc7, 0xce);
}

void ComparisonWindow::Show(const ComparisonSide& first, const ComparisonSide& second,
                            uint8_t languageIndex) {
    const uint8_t l = languageIndex;
    const std::vector<FieldDifference> differences = ListDifferences(first.record, second.record);
    differenceCount_ = int(differences.size());

    setWindowTitle(Text(HistoryText::ComparisonTitle, l));
    summary_->setText(Filled(HistoryText::ComparisonSides, l, first.label, second.label) + "\n" +
                      (differences.empty() ? Text(HistoryText::NoDifferences, l)
                                           : Filled(HistoryText::DifferingFields, l,
                                                    std::to_string(differences.size()))));
    legend_->setText(Filled(HistoryText::MapLegend, l, first.label, second.label));
    close_->setText(Text(HistoryText::ButtonClose, l));

    const DifferenceWords words = DifferenceWordsIn(l);
    fields_->setSortingEnabled(false);
    fields_->clearContents();
    fields_->setRowCount(0);
    fields_->setHorizontalHeaderLabels({Text(HistoryText::ColumnField, l),
                                        QString::fromStdString(first.label),
                                        QString::fromStdString(second.label)});
    int row = 0;
    for (const FieldDifference& difference : differences) {
        if (difference.place == FieldPlace::MapCell)
            continue;
        fields_->insertRow(row);
        // The line the command-line tool's diff prints, for whoever compares the two.
        const QString line = QString::fromStdString(
            DescribeDifference(difference, words, first.label, second.label));
        const QString texts[] = {QString::fromStdString(FieldCaption(difference, l)),
                                 QString::fromStdString(FieldValueText(difference, false, l)),
                                 QString::fromStdString(FieldValueText(difference, true, l))};
        for (int column = 0; column < kFieldColumns; ++column) {
            QTableWidgetItem* cell = Cell(texts[column]);
            cell->setToolTip(line);
            fields_->setItem(row, column, cell);
        }
        ++row;
    }
    fields_->resizeRowsToContents();
    // When only map cells differ, an empty list would read as "nothing found" above the map
    // that shows them.
    fields_->setVisible(row > 0);
    FillMap(first, second);
}

void ComparisonWindow::FillMap(const ComparisonSide& first, const ComparisonSide& second) {
    for (int column = 0; column < kMapColumns; ++column) {
        const int offset = int(offsetof(ConfigBlock, rpmAdv)) + column;
        const int before = ConfigFileNumber(first.record, offset);
        const int after = ConfigFileNumber(second.record, offset);
        QTableWidgetItem* heading = new QTableWidgetItem(QString::number(after));
        if (before != after) {
            heading->setToolTip(
                QString::fromStdString(first.label) + " " + QString::number(before) + ", " +
                QString::fromStdString(second.label) + " " + QString::number(after));
        }
        map_->setHorizontalHeaderItem(column, heading);
    }
    for (int row = 0; row < kMapRows; ++row) {
        for (int column = 0; column < kMapColumns; ++column) {
            const int offset = int(offsetof(ConfigBlock, advance)) + MapIndex(row, column);
            const int before = ConfigFileNumber(first.record, offset);
            const int after = ConfigFileNumber(second.record, offset);
            QTableWidgetItem* cell = Cell(MapCellText(before, after));
            cell->setTextAlignment(Qt::AlignCenter);
            if (before != after) {
                cell->setBackground(after > before ? HigherColour() : LowerColour());
                cell->setForeground(QColor(Qt::black));
                cell->setToolTip(QString::fromStdString(first.label) + " " +
                                 QString::number(before) + "\u00B0, " +
                                 QString::fromStdString(second.label) + " " +
                                 QString::number(after) + "\u00B0");
            }
            map_->setItem(row, column, cell);
        }
    }
}

} // namespace kx
