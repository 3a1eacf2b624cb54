#include "ui/HistoryWindow.h"

#include "store/ConfigDifferences.h"
#include "texts/FieldCaptions.h"
#include "texts/HistoryTexts.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <string>

namespace kx {

namespace {

constexpr int kIndexRole = Qt::UserRole;        // column 0: the entry's index in the listing
constexpr int kSortRole = Qt::UserRole + 1;     // a number the column sorts by, where text won't
constexpr int kFirmwareRole = Qt::UserRole + 2; // column 0: the entry's firmware as listed
constexpr int kFileRole = Qt::UserRole + 3;     // column 0: the entry's file in the folder
constexpr int kShownChanges = 4;                // lines of a nudge's changes in its row
constexpr int kTipChanges = 40;                 // and in its tooltip
const QString kNoCount = QStringLiteral("\u2013");

enum EntryColumn {
    kEntryTime,
    kEntryAction,
    kEntryFirmware,
    kEntryCount,
    kEntryFile,
    kEntryColumns
};
enum NudgeColumn { kNudgeTime, kNudgeChanges, kNudgeRpm, kNudgeThrottle, kNudgeColumns };

// Sorts by kSortRole where both rows carry it: the time by the listing's order, which also keeps
// two entries of the same second apart, the counts and the engine's numbers as numbers.
class EntryItem : public QTreeWidgetItem {
  public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        const QVariant mine = data(column, kSortRole);
        const QVariant theirs = other.data(column, kSortRole);
        if (mine.isValid() && theirs.isValid())
            return mine.toLongLong() < theirs.toLongLong();
        return QTreeWidgetItem::operator<(other);
    }
};

QString Text(HistoryText text, uint8_t languageIndex) {
    return QString::fromStdString(HistoryTextIn(text, languageIndex));
}

QString Filled(HistoryText text, uint8_t languageIndex, const std::string& first,
               const std::string& second = "") {
    return QString::fromStdString(FillIn(HistoryTextIn(text, languageIndex), first, second));
}

// The firmware's name, date and time as one text; empty when the unit reported none.
std::string FirmwareOf(const HistoryEntry& entry) {
    std::string text;
    for (const std::string* part : {&entry.firmware, &entry.firmwareDate, &entry.firmwareTime}) {
        if (part->empty())
            continue;
        if (!text.empty())
            text += ' ';
        text += *part;
    }
    return text;
}

QString FirmwareText(const std::string& firmware, uint8_t languageIndex) {
    return firmware.empty() ? Text(HistoryText::NoFirmware, languageIndex)
                            : QString::fromStdString(firmware);
}

// One line per field the nudge changed: "Advance Map › row 100 % column 4: 12 → 14".
QStringList ChangeLines(const HistoryEntry& entry, uint8_t languageIndex) {
    QStringList lines;
    const ConfigBlock before = WithChanges(ConfigBlock{}, entry.changes, false);
    const ConfigBlock after = WithChanges(ConfigBlock{}, entry.changes, true);
    for (const FieldDifference& difference : ListDifferences(before, after)) {
        const std::string values = FieldValueText(difference, false, languageIndex) + " \u2192 " +
                                   FieldValueText(difference, true, languageIndex);
        lines << Filled(HistoryText::ChangeLine, languageIndex,
                        FieldCaption(difference, languageIndex), values);
    }
    return lines;
}

// A selection as the entries' files: a new listing may have dropped its oldest entries, which
// moves every index, but the files stay.
QSet<QString> SelectedFiles(const QTreeWidget* list) {
    QSet<QString> files;
    for (const QTreeWidgetItem* item : list->selectedItems())
        files.insert(item->data(0, kFileRole).toString());
    return files;
}

void Reselect(QTreeWidget* list, const QSet<QString>& files) {
    if (files.isEmpty())
        return;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list->topLevelItem(i);
        if (files.contains(item->data(0, kFileRole).toString()))
            item->setSelected(true);
    }
}

QTreeWidget* MakeList(const char* name, QWidget* parent, int columns) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(name);
    list->setColumnCount(columns);
    list->setRootIsDecorated(false);
    list->setAlternatingRowColors(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setTextElideMode(Qt::ElideMiddle); // long file paths keep both ends
    list->header()->setSortIndicator(0, Qt::DescendingOrder);
    list->header()->setStretchLastSection(true);
    list->setSortingEnabled(true);
    return list;
}

QPushButton* MakeButton(const char* name, QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setAutoDefault(false); // Enter in a list must not restore or compare by surprise
    return button;
}

// Widths from the texts rather than from the rows: measuring 2000 rows would cost the opening.
void SizeColumns(QTreeWidget* list, const std::vector<QString>& widest) {
    const QFontMetrics metrics = list->fontMetrics();
    QHeaderView* header = list->header();
    for (int column = 0; column + 1 < list->columnCount(); ++column) {
        const int content =
            column < int(widest.size()) ? metrics.horizontalAdvance(widest[size_t(column)]) : 0;
        const int heading = metrics.horizontalAdvance(list->headerItem()->text(column)) + 24;
        header->resizeSection(column, std::max(content + 20, heading));
    }
}

} // namespace

HistoryWindow::HistoryWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint) {
    setObjectName("FormHistory");
    setSizeGripEnabled(true);

    pages_ = new QTabWidget(this);
    pages_->setObjectName("HistoryTabs");

    auto* entriesPage = new QWidget(pages_);
    entriesPage->setObjectName("HistoryEntriesPage");
    firmwareLabel_ = new QLabel(entriesPage);
    firmwareLabel_->setObjectName("HistoryFirmwareLabel");
    firmware_ = new QComboBox(entriesPage);
    firmware_->setObjectName("HistoryFirmware");
    firmware_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    firmwareLabel_->setBuddy(firmware_);
    entries_ = MakeList("HistoryEntries", entriesPage, kEntryColumns);
    entries_->setUniformRowHeights(true);
    auto* filter = new QHBoxLayout;
    filter->addWidget(firmwareLabel_);
    filter->addWidget(firmware_);
    filter->addStretch();
    auto* entriesLayout = new QVBoxLayout(entriesPage);
    entriesLayout->addLayout(filter);
    entriesLayout->addWidget(entries_, 1);
    pages_->addTab(entriesPage, QString());

    auto* nudgesPage = new QWidget(pages_);
    nudgesPage->setObjectName("HistoryNudgesPage");
    nudges_ = MakeList("HistoryNudges", nudgesPage, kNudgeColumns);
    nudges_->setUniformRowHeights(false); // a row has a line per changed field
    nudges_->setTextElideMode(Qt::ElideRight);
    rollBack_ = MakeButton("HistoryRollBack", nudgesPage);
    auto* rollBackRow = new QHBoxLayout;
    rollBackRow->addStretch();
    rollBackRow->addWidget(rollBack_);
    auto* nudgesLayout = new QVBoxLayout(nudgesPage);
    nudgesLayout->addWidget(nudges_, 1);
    nudgesLayout->addLayout(rollBackRow);
    pages_->addTab(nudgesPage, QString());

    skipped_ = new QLabel(this);
    skipped_->setObjectName("HistorySkipped");
    skipped_->setTextFormat(Qt::PlainText);
    skipped_->hide();

    compare_ = MakeButton("HistoryCompare", this);
    compareScreen_ = MakeButton("HistoryCompareScreen", this);
    restore_ = MakeButton("HistoryRestore", this);
    close_ = MakeButton("HistoryClose", this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(compare_);
    buttons->addWidget(compareScreen_);
    buttons->addWidget(restore_);
    buttons->addStretch();
    buttons->addWidget(close_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addWidget(skipped_);
    layout->addLayout(buttons);

    connect(firmware_, &QComboBox::currentIndexChanged, this, &HistoryWindow::ApplyFilter);
    for (QTreeWidget* list : {entries_, nudges_}) {
        connect(list, &QTreeWidget::itemSelectionChanged, this, &HistoryWindow::UpdateButtons);
        connect(list, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
            emit compareWithScreen(item->data(0, kIndexRole).toInt());
        });
    }
    connect(pages_, &QTabWidget::currentChanged, this, &HistoryWindow::UpdateButtons);
    connect(compare_, &QPushButton::clicked, this, &HistoryWindow::Compare);
    connect(compareScreen_, &QPushButton::clicked, this, &HistoryWindow::CompareWithScreen);
    connect(restore_, &QPushButton::clicked, this, &HistoryWindow::Restore);
    connect(rollBack_, &QPushButton::clicked, this, &HistoryWindow::Restore);
    connect(close_, &QPushButton::clicked, this, &QDialog::close);

    ApplyTexts();
    UpdateButtons();
    QSize size(960, 560);
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() - QSize(40, 60));
    resize(size);
}

void HistoryWindow::SetListing(const HistoryListing& listing) {
    listing_ = listing;
    Fill();
}

void HistoryWindow::SetLanguage(uint8_t languageIndex) {
    if (languageIndex == languageIndex_)
        return;
    languageIndex_ = languageIndex;
    ApplyTexts();
    Fill();
}

std::vector<int> HistoryWindow::selectedEntries() const {
    std::vector<int> indices;
    for (const QTreeWidgetItem* item : shownList()->selectedItems()) {
        if (!item->isHidden())
            indices.push_back(item->data(0, kIndexRole).toInt());
    }
    std::sort(indices.begin(), indices.end());
    return indices;
}

QTreeWidget* HistoryWindow::shownList() const {
    return pages_->currentIndex() == 1 ? nudges_ : entries_;
}

void HistoryWindow::ApplyTexts() {
    const uint8_t l = languageIndex_;
    setWindowTitle(Text(HistoryText::HistoryTitle, l));
    pages_->setTabText(0, Text(HistoryText::EntriesTab, l));
    pages_->setTabText(1, Text(HistoryText::NudgesTab, l));
    entries_->setHeaderLabels({Text(HistoryText::ColumnTime, l), Text(HistoryText::ColumnAction, l),
                               Text(HistoryText::ColumnFirmware, l),
                               Text(HistoryText::ColumnProgramCount, l),
                               Text(HistoryText::ColumnOpenFile, l)});
    entries_->headerItem()->setTextAlignment(kEntryCount, Qt::AlignRight | Qt::AlignVCenter);
    nudges_->setHeaderLabels({Text(HistoryText::ColumnTime, l), Text(HistoryText::ColumnChanges, l),
                              Text(HistoryText::ColumnRpm, l),
                              Text(HistoryText::ColumnThrottle, l)});
    for (int column : {int(kNudgeRpm), int(kNudgeThrottle)})
        nudges_->headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    firmwareLabel_->setText(Text(HistoryText::FirmwareFilter, l));
    compare_->setText(Text(HistoryText::ButtonCompare, l));
    compareScreen_->setText(Text(HistoryText::ButtonCompareScreen, l));
    restore_->setText(Text(HistoryText::ButtonRestore, l));
    restore_->setToolTip(Text(HistoryText::RestoreHint, l));
    rollBack_->setText(Text(HistoryText::ButtonRollBack, l));
    rollBack_->setToolTip(Text(HistoryText::RollBackHint, l));
    close_->setText(Text(HistoryText::ButtonClose, l));
}

void HistoryWindow::Fill() {
    setUpdatesEnabled(false);
    FillEntries();
    FillNudges();
    FillFirmwareFilter();

    QStringList lines;
    if (listing_.skipped > 0)
        lines << Filled(HistoryText::SkippedLines, languageIndex_,
                        std::to_string(listing_.skipped));
    if (listing_.foreign > 0)
        lines << Filled(HistoryText::ForeignFiles, languageIndex_,
                        std::to_string(listing_.foreign));
    skipped_->setText(lines.join('\n'));
    skipped_->setVisible(!lines.isEmpty());
    setUpdatesEnabled(true);
    UpdateButtons();
}

// The rows are made first and handed over in one go, newest first, with sorting off meanwhile.
void HistoryWindow::FillEntries() {
    const QSet<QString> selected = SelectedFiles(entries_);
    const QString actions[] = {Text(HistoryText::ActionRead, languageIndex_),
                               Text(HistoryText::ActionProgram, languageIndex_)};
    QList<QTreeWidgetItem*> rows;
    rows.reserve(qsizetype(listing_.entries.size()));
    QString widestFirmware;
    for (int i = int(listing_.entries.size()) - 1; i >= 0; --i) {
        const HistoryEntry& entry = listing_.entries[size_t(i)];
        auto* row = new EntryItem;
        const std::string firmware = FirmwareOf(entry);
        row->setText(kEntryTime, QString::fromStdString(entry.time));
        row->setData(kEntryTime, kSortRole, i);
        row->setData(0, kIndexRole, i);
        row->setData(0, kFirmwareRole, QString::fromStdString(firmware));
        row->setData(0, kFileRole, QString::fromStdString(entry.file));
        row->setText(kEntryAction, actions[entry.action == HistoryAction::Program ? 1 : 0]);
        row->setText(kEntryFirmware, FirmwareText(firmware, languageIndex_));
        row->setText(kEntryCount,
                     entry.programCount < 0 ? kNoCount : QString::number(entry.programCount));
        row->setData(kEntryCount, kSortRole, entry.programCount);
        row->setTextAlignment(kEntryCount, Qt::AlignRight | Qt::AlignVCenter);
        const QString file = QString::fromStdString(entry.openFile);
        row->setText(kEntryFile, file);
        if (!file.isEmpty())
            row->setToolTip(kEntryFile, file);
        if (row->text(kEntryFirmware).size() > widestFirmware.size())
            widestFirmware = row->text(kEntryFirmware);
        rows << row;
    }
    entries_->setSortingEnabled(false);
    entries_->clear();
    entries_->addTopLevelItems(rows);
    entries_->setSortingEnabled(true);
    Reselect(entries_, selected);
    const QString widestAction = actions[0].size() > actions[1].size() ? actions[0] : actions[1];
    SizeColumns(entries_, {QStringLiteral("0000-00-00 00:00:00"), widestAction, widestFirmware,
                           QStringLiteral("000000")});
}

void HistoryWindow::FillNudges() {
    const QSet<QString> selected = SelectedFiles(nudges_);
    QList<QTreeWidgetItem*> rows;
    for (int i = int(listing_.entries.size()) - 1; i >= 0; --i) {
        const HistoryEntry& entry = listing_.entries[size_t(i)];
        if (!entry.nudge)
            continue;
        auto* row = new EntryItem;
        row->setText(kNudgeTime, QString::fromStdString(entry.time));
        row->setData(kNudgeTime, kSortRole, i);
        row->setData(0, kIndexRole, i);
        row->setData(0, kFileRole, QString::fromStdString(entry.file));
        row->setTextAlignment(kNudgeTime, Qt::AlignLeft | Qt::AlignTop);
        const QStringList lines = entry.changes.empty()
                                      ? QStringList{Text(HistoryText::WholeRecord, languageIndex_)}
                                      : ChangeLines(entry, languageIndex_);
        QStringList shown = lines.mid(0, kShownChanges);
        if (lines.size() > kShownChanges)
            shown << Filled(HistoryText::MoreChanges, languageIndex_,
                            std::to_string(lines.size() - kShownChanges));
        row->setText(kNudgeChanges, shown.join('\n'));
        row->setTextAlignment(kNudgeChanges, Qt::AlignLeft | Qt::AlignTop);
        if (lines.size() > 1)
            row->setToolTip(kNudgeChanges, lines.mid(0, kTipChanges).join('\n'));
        row->setText(kNudgeRpm, QString::number(entry.rpm));
        row->setData(kNudgeRpm, kSortRole, entry.rpm);
        row->setText(kNudgeThrottle, QString::number(entry.tpsPercent));
        row->setData(kNudgeThrottle, kSortRole, entry.tpsPercent);
        for (int column : {int(kNudgeRpm), int(kNudgeThrottle)})
            row->setTextAlignment(column, Qt::AlignRight | Qt::AlignTop);
        rows << row;
    }
    nudges_->setSortingEnabled(false);
    nudges_->clear();
    nudges_->addTopLevelItems(rows);
    nudges_->setSortingEnabled(true);
    Reselect(nudges_, selected);
    // The changes take what the time and the engine's numbers leave.
    const QFontMetrics metrics = nudges_->fontMetrics();
    QHeaderView* header = nudges_->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(kNudgeChanges, QHeaderView::Stretch);
    header->resizeSection(kNudgeTime, metrics.horizontalAdvance("0000-00-00 00:00:00") + 20);
    for (int column : {int(kNudgeRpm), int(kNudgeThrottle)})
        header->resizeSection(
            column, std::max(metrics.horizontalAdvance("000000"),
                             metrics.horizontalAdvance(nudges_->headerItem()->text(column))) +
                        24);
}

// Each firmware once, newest first, after "All firmware"; the choice made stays where it can.
void HistoryWindow::FillFirmwareFilter() {
    const QVariant chosen = firmware_->currentData();
    QSignalBlocker blocker(firmware_);
    firmware_->clear();
    firmware_->addItem(Text(HistoryText::AllFirmware, languageIndex_));
    QSet<QString> listed;
    for (auto entry = listing_.entries.rbegin(); entry != listing_.entries.rend(); ++entry) {
        const QString firmware = QString::fromStdString(FirmwareOf(*entry));
        if (listed.contains(firmware))
            continue;
        listed.insert(firmware);
        firmware_->addItem(FirmwareText(firmware.toStdString(), languageIndex_), firmware);
    }
    const int index = chosen.isValid() ? firmware_->findData(chosen) : -1;
    firmware_->setCurrentIndex(std::max(index, 0));
    ApplyFilter();
}

void HistoryWindow::ApplyFilter() {
    const QVariant chosen = firmware_->currentData();
    const QString firmware = chosen.toString();
    for (int i = 0; i < entries_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = entries_->topLevelItem(i);
        const bool hidden = chosen.isValid() && row->data(0, kFirmwareRole).toString() != firmware;
        if (row->isHidden() != hidden)
            row->setHidden(hidden);
        if (hidden && row->isSelected())
            row->setSelected(false);
    }
    UpdateButtons();
}

void HistoryWindow::UpdateButtons() {
    const size_t selected = selectedEntries().size();
    compare_->setEnabled(selected == 2);
    compareScreen_->setEnabled(selected == 1);
    restore_->setEnabled(selected == 1);
    rollBack_->setEnabled(pages_->currentIndex() == 1 && selected == 1);
}

void HistoryWindow::Compare() {
    const std::vector<int> selected = selectedEntries();
    if (selected.size() == 2)
        emit compareEntries(selected[0], selected[1]);
}

void HistoryWindow::CompareWithScreen() {
    const std::vector<int> selected = selectedEntries();
    if (selected.size() == 1)
        emit compareWithScreen(selected[0]);
}

void HistoryWindow::Restore() {
    const std::vector<int> selected = selectedEntries();
    if (selected.size() == 1)
        emit restoreEntry(selected[0]);
}

} // namespace kx
