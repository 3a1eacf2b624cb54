#include "config/ConfigBlock.h"
#include "config/Conversions.h"
#include "store/ConfigDifferences.h"
#include "support/FindChild.h"
#include "texts/FieldCaptions.h"
#include "texts/LanguageTexts.h"
#include "texts/MessageTexts.h"
#include "ui/ComparisonWindow.h"
#include "ui/FormHlav.h"
#include "ui/HistoryWindow.h"
#include "ui/LanguageApplier.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QtTest>

#include <cstddef>
#include <set>

using namespace kx;

namespace {

using B = ConfigBlock;

const int kLimiter = int(offsetof(B, limiter));
const int kCell93 = int(offsetof(B, advance)) + MapIndex(9, 3);

HistoryEntry Entry(int number, HistoryAction action, const std::string& firmware) {
    HistoryEntry entry;
    entry.file = "entry" + std::to_string(number) + ".ign";
    entry.time =
        "2026-03-01 10:" + std::string(number < 10 ? "0" : "") + std::to_string(number) + ":00";
    entry.action = action;
    entry.firmware = firmware;
    entry.firmwareDate = firmware.empty() ? "" : "Jan 12 2025";
    entry.firmwareTime = firmware.empty() ? "" : "10:00:00";
    entry.programCount = action == HistoryAction::Program ? 10 + number : -1;
    entry.openFile = number % 2 ? "/home/tuner/bike" + std::to_string(number) + ".ign" : "";
    return entry;
}

HistoryEntry Nudge(int number, std::vector<ChangedByte> changes, int rpm, int throttle) {
    HistoryEntry entry = Entry(number, HistoryAction::Program, "KX 3.1");
    entry.nudge = true;
    entry.changes = std::move(changes);
    entry.rpm = rpm;
    entry.tpsPercent = throttle;
    return entry;
}

// Oldest first, as the folder lists them: two firmwares, a read among the programs.
HistoryListing SampleListing() {
    HistoryListing listing;
    listing.entries = {Entry(0, HistoryAction::Read, "KX 3.0"),
                       Entry(1, HistoryAction::Program, "KX 3.0"),
                       Entry(2, HistoryAction::Read, "KX 3.1"),
                       Nudge(3, {}, 3500, 20),
                       Nudge(4, {{kLimiter, 120, 125}, {kCell93, 12, 14}}, 5200, 100),
                       Entry(5, HistoryAction::Read, "")};
    return listing;
}

QStringList Column(const QTreeWidget* list, int column, bool visibleOnly = true) {
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(i);
        if (!visibleOnly || !item->isHidden())
            texts << item->text(column);
    }
    return texts;
}

QTreeWidgetItem* RowAt(QTreeWidget* list, const QString& time) {
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (list->topLevelItem(i)->text(0) == time)
            return list->topLevelItem(i);
    }
    qFatal("no row %s", qPrintable(time));
}

QString TimeOf(int number) {
    return QString::fromStdString(Entry(number, HistoryAction::Read, "").time);
}

void Select(QTreeWidget* list, std::initializer_list<int> numbers) {
    list->clearSelection();
    for (int number : numbers)
        RowAt(list, TimeOf(number))->setSelected(true);
}

// What the window shows of a control, accelerators taken out as the eye does.
QString Shown(const QString& text) {
    QString shown = text;
    shown.replace("&&", QString(QChar(0x1))).remove('&').replace(QChar(0x1), "&");
    return shown.trimmed();
}

QString WindowText(TFormHlav& form, const std::string& name) {
    QWidget* widget = form.findChild<QWidget*>(QString::fromStdString(name));
    if (!widget)
        return QString();
    if (auto* label = qobject_cast<QLabel*>(widget))
        return Shown(label->text());
    if (auto* group = qobject_cast<QGroupBox*>(widget))
        return Shown(group->title());
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return Shown(button->text());
    auto* pages = form.findChild<QTabWidget*>("PageControl1");
    return pages->indexOf(widget) >= 0 ? Shown(pages->tabText(pages->indexOf(widget))) : QString();
}

// The field at offset holding `second` in the second record and something else in the first.
FieldDifference DifferenceAt(int offset, uint8_t second = 1) {
    ConfigBlock a{};
    ConfigBlock b{};
    a[offset] = second == 0 ? 1 : 0;
    b[offset] = second;
    return ListDifferences(a, b).at(0);
}

} // namespace

class HistoryWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void listsNewestFirstAndFiltersByFirmware();
    void selectionEnablesTheButtonsAndSignalsCarryListingIndices();
    void nudgeLogNamesTheChangesInTheLanguageAndRollsBack();
    void opensFastWithAFullHistory();
    void comparisonShowsFieldsAndTheMap();
    void equalRecordsCompareEqual();
    void captionsAndItemsAreTheMainWindowsOwn();
};

void HistoryWindowsTest::listsNewestFirstAndFiltersByFirmware() {
    HistoryWindow window(nullptr);
    QCOMPARE(window.objectName(), QString("FormHistory"));
    window.SetListing(SampleListing());
    auto* entries = Child<QTreeWidget>(window, "HistoryEntries");
    QCOMPARE(Column(entries, 0),
             QStringList({TimeOf(5), TimeOf(4), TimeOf(3), TimeOf(2), TimeOf(1), TimeOf(0)}));
    QCOMPARE(Column(entries, 1),
             QStringList({"read", "program", "program", "read", "program", "read"}));
    QCOMPARE(Column(entries, 2)[0], QString("(none reported)"));
    QCOMPARE(Column(entries, 2)[1], QString("KX 3.1 Jan 12 2025 10:00:00"));
    QCOMPARE(Column(entries, 3), QStringList({"\u2013", "14", "13", "\u2013", "11", "\u2013"}));
    QCOMPARE(Column(entries, 4)[4], QString("/home/tuner/bike1.ign"));
    auto* skipped = Child<QLabel>(window, "HistorySkipped");
    QVERIFY(skipped->isHidden());

    // Each firmware once, newest first, after the item for all.
    auto* firmware = Child<QComboBox>(window, "HistoryFirmware");
    QCOMPARE(firmware->count(), 4);
    QCOMPARE(firmware->itemText(0), QString("All firmware"));
    QCOMPARE(firmware->itemText(1), QString("(none reported)"));
    QCOMPARE(firmware->itemText(2), QString("KX 3.1 Jan 12 2025 10:00:00"));
    QCOMPARE(firmware->itemText(3), QString("KX 3.0 Jan 12 2025 10:00:00"));
    Select(entries, {1, 4});
    firmware->setCurrentIndex(3);
    QCOMPARE(Column(entries, 0), QStringList({TimeOf(1), TimeOf(0)}));
    QCOMPARE(window.selectedEntries(), std::vector<int>({1})); // the hidden one is let go

    // A new listing keeps the filter and the selection; the counts show when there are any.
    HistoryListing more = SampleListing();
    more.entries.push_back(Entry(6, HistoryAction::Program, "KX 3.0"));
    more.skipped = 3;
    more.foreign = 2;
    window.SetListing(more);
    QCOMPARE(firmware->currentText(), QString("KX 3.0 Jan 12 2025 10:00:00")); // now the newest
    QCOMPARE(Column(entries, 0), QStringList({TimeOf(6), TimeOf(1), TimeOf(0)}));
    QCOMPARE(window.selectedEntries(), std::vector<int>({1}));
    QVERIFY(!skipped->isHidden());
    QCOMPARE(skipped->text(), QString("Lines of the index that name no readable entry: 3\n"
                                      "Files in the folder that the index does not list: 2"));

    window.SetLanguage(3);
    QCOMPARE(firmware->itemText(0), QString("Všechny firmwary"));
    QCOMPARE(firmware->currentText(), QString("KX 3.0 Jan 12 2025 10:00:00"));
    QCOMPARE(Column(entries, 1), QStringList({"programování", "programování", "čtení"}));
    QCOMPARE(entries->headerItem()->text(0), QString("Čas"));
    QCOMPARE(window.windowTitle(), QString("Historie jednotky"));
    QVERIFY(skipped->text().startsWith("Řádky indexu"));
    firmware->setCurrentIndex(0);
    QCOMPARE(Column(entries, 0).size(), 7);
}

void HistoryWindowsTest::selectionEnablesTheButtonsAndSignalsCarryListingIndices() {
    HistoryWindow window(nullptr);
    window.SetListing(SampleListing());
    auto* entries = Child<QTreeWidget>(window, "HistoryEntries");
    auto* compare = Child<QPushButton>(window, "HistoryCompare");
    auto* compareScreen = Child<QPushButton>(window, "HistoryCompareScreen");
    auto* restore = Child<QPushButton>(window, "HistoryRestore");
    QSignalSpy compared(&window, &HistoryWindow::compareEntries);
    QSignalSpy withScreen(&window, &HistoryWindow::compareWithScreen);
    QSignalSpy restored(&window, &HistoryWindow::restoreEntry);
    const auto enabled = [&] {
        return QList<bool>{compare->isEnabled(), compareScreen->isEnabled(), restore->isEnabled()};
    };

    QCOMPARE(enabled(), QList<bool>({false, false, false}));
    Select(entries, {2});
    QCOMPARE(enabled(), QList<bool>({false, true, true}));
    compareScreen->click();
    restore->click();
    QCOMPARE(withScreen.takeFirst().at(0).toInt(), 2);
    QCOMPARE(restored.takeFirst().at(0).toInt(), 2);

    // Selected newest first, compared older first.
    entries->clearSelection();
    RowAt(entries, TimeOf(5))->setSelected(true);
    RowAt(entries, TimeOf(1))->setSelected(true);
    QCOMPARE(enabled(), QList<bool>({true, false, false}));
    compare->click();
    QCOMPARE(compared.size(), 1);
    QCOMPARE(compared[0].at(0).toInt(), 1);
    QCOMPARE(compared[0].at(1).toInt(), 5);

    Select(entries, {0, 1, 2});
    QCOMPARE(enabled(), QList<bool>({false, false, false}));

    // Sorted by another column, the rows still carry their entries.
    entries->sortByColumn(3, Qt::AscendingOrder);
    QCOMPARE(Column(entries, 3).mid(3), QStringList({"11", "13", "14"}));
    Select(entries, {4});
    QCOMPARE(window.selectedEntries(), std::vector<int>({4}));
    // A double click compares with the screen.
    QTreeWidgetItem* row = RowAt(entries, TimeOf(0));
    emit entries->itemDoubleClicked(row, 0);
    QCOMPARE(withScreen.takeFirst().at(0).toInt(), 0);
}

void HistoryWindowsTest::nudgeLogNamesTheChangesInTheLanguageAndRollsBack() {
    HistoryWindow window(nullptr);
    window.SetListing(SampleListing());
    auto* pages = Child<QTabWidget>(window, "HistoryTabs");
    auto* nudges = Child<QTreeWidget>(window, "HistoryNudges");
    auto* rollBack = Child<QPushButton>(window, "HistoryRollBack");
    QCOMPARE(Column(nudges, 0), QStringList({TimeOf(4), TimeOf(3)}));
    QCOMPARE(Column(nudges, 1), QStringList({"Miscellaneous › Limiter [rpm]: 12000 → 12500\n"
                                             "Advance Map › row 100 % column 4: 12 → 14",
                                             "whole record programmed"}));
    QCOMPARE(Column(nudges, 2), QStringList({"5200", "3500"}));
    QCOMPARE(Column(nudges, 3), QStringList({"100", "20"}));

    window.SetLanguage(3);
    QCOMPARE(pages->tabText(1), QString("Úpravy za &chodu"));
    QCOMPARE(Column(nudges, 1), QStringList({"Různé › Omezovač [rpm]: 12000 → 12500\n"
                                             "Mapa předstihu › řádek 100 % sloupec 4: 12 → 14",
                                             "naprogramován celý záznam"}));
    QCOMPARE(nudges->headerItem()->text(2), QString("Otáčky [ot/min]"));

    // The nudge log's own selection is what the buttons act on while it is shown.
    QSignalSpy restored(&window, &HistoryWindow::restoreEntry);
    Select(Child<QTreeWidget>(window, "HistoryEntries"), {0});
    pages->setCurrentIndex(1);
    QVERIFY(!rollBack->isEnabled());
    QVERIFY(window.selectedEntries().empty());
    Select(nudges, {3});
    QVERIFY(rollBack->isEnabled());
    rollBack->click();
    QCOMPARE(restored.takeFirst().at(0).toInt(), 3);
    Select(nudges, {3, 4});
    QVERIFY(!rollBack->isEnabled());
    QVERIFY(Child<QPushButton>(window, "HistoryCompare")->isEnabled());

    // Many changed fields: a few lines in the row, the rest counted, all in the tooltip.
    HistoryListing many;
    std::vector<ChangedByte> cells;
    for (int column = 0; column < kMapColumns; ++column)
        cells.push_back({int(offsetof(B, advance)) + MapIndex(0, column), 10, 11});
    many.entries = {Nudge(0, cells, 2000, 0)};
    window.SetLanguage(0);
    window.SetListing(many);
    const QStringList lines = nudges->topLevelItem(0)->text(1).split('\n');
    QCOMPARE(lines.size(), 5);
    QCOMPARE(lines.back(), QString("further fields: 6"));
    QCOMPARE(nudges->topLevelItem(0)->toolTip(1).split('\n').size(), 10);
}

void HistoryWindowsTest::opensFastWithAFullHistory() {
    HistoryListing listing;
    for (int i = 0; i < kHistoryLimit; ++i) {
        HistoryEntry entry = Entry(i % 60, i % 3 ? HistoryAction::Program : HistoryAction::Read,
                                   i < 1000 ? "KX 3.0" : "KX 3.1");
        entry.file = "e" + std::to_string(i) + ".ign";
        if (i % 4 == 1) {
            entry.nudge = true;
            entry.changes = {{int(offsetof(B, advance)) + i % 100, 10, 12}};
        }
        listing.entries.push_back(entry);
    }
    HistoryWindow window(nullptr);
    QElapsedTimer timer;
    timer.start();
    window.SetListing(listing);
    window.show();
    QCoreApplication::processEvents();
    const qint64 elapsed = timer.elapsed();
    qInfo("2000 entries listed and shown in %lld ms", elapsed);
    QCOMPARE(Child<QTreeWidget>(window, "HistoryEntries")->topLevelItemCount(), kHistoryLimit);
    QCOMPARE(Child<QTreeWidget>(window, "HistoryNudges")->topLevelItemCount(), kHistoryLimit / 4);
    QVERIFY2(elapsed <= 200, qPrintable(QString("%1 ms").arg(elapsed)));
}

void HistoryWindowsTest::comparisonShowsFieldsAndTheMap() {
    ComparisonSide first{"Screen", StartupBlock()};
    ComparisonSide second{"Unit", first.record};
    second.record.limiter = uint8_t(first.record.limiter + 5);
    second.record.bike = kSpecialBikeCode;
    second.record.advance[MapIndex(0, 0)] = uint8_t(first.record.advance[MapIndex(0, 0)] + 2);
    second.record.advance[MapIndex(9, 3)] = uint8_t(first.record.advance[MapIndex(9, 3)] - 3);
    second.record.rpmAdv[9] = uint8_t(first.record.rpmAdv[9] + 1);

    ComparisonWindow window(nullptr);
    QCOMPARE(window.objectName(), QString("FormComparison"));
    window.Show(first, second, 0);
    QCOMPARE(window.differenceCount(), 5);
    QCOMPARE(Child<QLabel>(window, "ComparisonSummary")->text(),
             QString("Screen compared with Unit\nDiffering fields: 5"));

    // Every difference but the map's cells, field by field, in the user's units.
    auto* fields = Child<QTableWidget>(window, "ComparisonFields");
    QCOMPARE(fields->rowCount(), 3);
    QCOMPARE(fields->horizontalHeaderItem(1)->text(), QString("Screen"));
    QCOMPARE(fields->horizontalHeaderItem(2)->text(), QString("Unit"));
    const auto row = [fields](int r) {
        return QStringList{fields->item(r, 0)->text(), fields->item(r, 1)->text(),
                           fields->item(r, 2)->text()};
    };
    QCOMPARE(row(0), QStringList({"Bike › Motorbike type", "Classic (1 lobe, 1 or 2 pick-up)",
                                  "Special setting"}));
    const QString limiter = QString::number(first.record.limiter * 100);
    const QString raised = QString::number(second.record.limiter * 100);
    QCOMPARE(row(1), QStringList({"Miscellaneous › Limiter [rpm]", limiter, raised}));
    QCOMPARE(row(2).at(0), QString("Advance Map › RPM_ADV point 10"));
    QVERIFY(fields->item(1, 0)->toolTip().startsWith("LIMITER limiter: Screen "));

    auto* map = Child<QTableWidget>(window, "ComparisonMap");
    QCOMPARE(map->rowCount(), kMapRows);
    QCOMPARE(map->columnCount(), kMapColumns);
    QCOMPARE(map->verticalHeaderItem(0)->text(), QString("0 %"));
    QCOMPARE(map->verticalHeaderItem(9)->text(), QString("100 %"));
    QCOMPARE(map->horizontalHeaderItem(9)->text(), QString::number(second.record.rpmAdv[9] * 100));
    QVERIFY(!map->horizontalHeaderItem(9)->toolTip().isEmpty());
    QVERIFY(map->horizontalHeaderItem(8)->toolTip().isEmpty());
    const int raisedCell = second.record.advance[MapIndex(0, 0)];
    const int loweredCell = second.record.advance[MapIndex(9, 3)];
    QCOMPARE(map->item(0, 0)->text(), QString("%1 (+2)").arg(raisedCell));
    QCOMPARE(map->item(9, 3)->text(), QString("%1 (-3)").arg(loweredCell));
    QCOMPARE(map->item(0, 0)->background().color(), ComparisonWindow::HigherColour());
    QCOMPARE(map->item(9, 3)->background().color(), ComparisonWindow::LowerColour());
    QCOMPARE(map->item(9, 3)->foreground().color(), QColor(Qt::black));
    QCOMPARE(map->item(0, 0)->toolTip(),
             QString("Screen %1°, Unit %2°").arg(raisedCell - 2).arg(raisedCell));
    int highlighted = 0;
    for (int r = 0; r < kMapRows; ++r) {
        for (int c = 0; c < kMapColumns; ++c) {
            const QTableWidgetItem* cell = map->item(r, c);
            highlighted += cell->data(Qt::BackgroundRole).isValid();
            if (!cell->data(Qt::BackgroundRole).isValid()) {
                QCOMPARE(cell->text(), QString::number(second.record.advance[MapIndex(r, c)]));
                QVERIFY(cell->toolTip().isEmpty());
            }
        }
    }
    QCOMPARE(highlighted, 2);

    // Shown again in Czech, with nothing left of the first showing.
    second.record.rpmAdv[9] = first.record.rpmAdv[9];
    window.Show(first, second, 3);
    QCOMPARE(window.differenceCount(), 4);
    QCOMPARE(fields->rowCount(), 2);
    QCOMPARE(row(0),
             QStringList({"Motocykl › Typ motocyklu", "Klasika (1 výstupek, 1 nebo 2 snimače)",
                          "Speciální nastavení"}));
    QCOMPARE(row(1).at(0), QString("Různé › Omezovač [rpm]"));
    QCOMPARE(fields->horizontalHeaderItem(0)->text(), QString("Pole"));
    QCOMPARE(Child<QLabel>(window, "ComparisonSummary")->text(),
             QString("Porovnání: Screen a Unit\nRozdílná pole: 4"));
    QVERIFY(map->horizontalHeaderItem(9)->toolTip().isEmpty());
}

void HistoryWindowsTest::equalRecordsCompareEqual() {
    ComparisonWindow window(nullptr);
    const ComparisonSide side{"File a.ign", StartupBlock()};
    ComparisonSide same{"Unit", side.record};
    same.record.spare[2] = 7; // no part of the unit's image
    window.Show(side, same, 0);
    QCOMPARE(window.differenceCount(), 0);
    QCOMPARE(Child<QLabel>(window, "ComparisonSummary")->text(),
             QString("File a.ign compared with Unit\nThe two are equal."));
    QCOMPARE(Child<QTableWidget>(window, "ComparisonFields")->rowCount(), 0);
    auto* map = Child<QTableWidget>(window, "ComparisonMap");
    for (int r = 0; r < kMapRows; ++r) {
        for (int c = 0; c < kMapColumns; ++c)
            QVERIFY(!map->item(r, c)->data(Qt::BackgroundRole).isValid());
    }
}

// The captions are taken from the window's texts by object name; a renamed control, a caption
// the window shows otherwise, or a list item that moved would show here.
void HistoryWindowsTest::captionsAndItemsAreTheMainWindowsOwn() {
    TFormHlav form;
    for (uint8_t language = 0; language < kLanguageCount; ++language) {
        MessageTexts messages;
        LoadMessageTexts(messages, language);
        ApplyLanguageTexts(form, language, messages, true);
        std::set<std::string> captioned; // the controls the language texts give a caption
        for (const ControlText& text : LanguageTexts(language, messages)) {
            if (text.kind == TextKind::Caption)
                captioned.insert(text.control);
        }
        for (int offset = 0; offset < kImageSize; ++offset) {
            const auto source = FieldCaptionSourceOf(offset);
            if (!source)
                continue;
            const FieldDifference difference = DifferenceAt(offset);
            const QString caption = QString::fromStdString(FieldCaption(difference, language));
            const QString where =
                QString("offset %1 language %2: %3").arg(offset).arg(language).arg(caption);
            QStringList expected{WindowText(form, source->page)};
            for (const std::string& control : source->captions) {
                QVERIFY2(form.findChild<QWidget*>(QString::fromStdString(control)),
                         qPrintable(where + " " + QString::fromStdString(control)));
                if (&control != &source->captions.back()) {
                    if (captioned.count(control))
                        expected << WindowText(form, control);
                } else if (captioned.count(control)) {
                    expected << WindowText(form, control) + QString::fromStdString(source->suffix);
                }
            }
            QVERIFY2(!expected.front().isEmpty(), qPrintable(where));
            const QString shownPart = expected.join(QString::fromUtf8(kCaptionSeparator));
            const bool ownCaptioned =
                !source->captions.empty() && captioned.count(source->captions.back());
            if (ownCaptioned)
                QCOMPARE(caption, shownPart);
            else
                QVERIFY2(caption.startsWith(shownPart + QString::fromUtf8(kCaptionSeparator)),
                         qPrintable(where));
        }
        // The list fields' values read as the window's items.
        auto* bikes = form.findChild<QComboBox*>("ComboBoxBike");
        for (int item = 0; item < bikes->count(); ++item) {
            const FieldDifference bike =
                DifferenceAt(int(offsetof(B, bike)), *BikeCodeFromCombo(item));
            QCOMPARE(QString::fromStdString(FieldValueText(bike, true, language)),
                     bikes->itemText(item).trimmed());
        }
        auto* synchro = form.findChild<QComboBox*>("ComboBoxSynchro");
        QCOMPARE(synchro->count(), kSynchroMethods);
        for (int item = 1; item < synchro->count(); ++item) {
            const FieldDifference method =
                DifferenceAt(int(offsetof(B, synchroMode)), uint8_t(item));
            QCOMPARE(QString::fromStdString(FieldValueText(method, true, language)),
                     synchro->itemText(item).trimmed());
        }
        for (int input = 1; input <= 2; ++input) {
            const int offset =
                int(input == 1 ? offsetof(B, input1Function) : offsetof(B, input2Function));
            for (int function = 1; function < kInputFunctions; ++function) {
                auto* button = form.findChild<QAbstractButton*>(
                    QString("RadioGroupInput%1Item%2").arg(input).arg(function));
                QVERIFY(button);
                QCOMPARE(QString::fromStdString(FieldValueText(
                             DifferenceAt(offset, uint8_t(function)), true, language)),
                         Shown(button->text()));
            }
        }
    }
}

QTEST_MAIN(HistoryWindowsTest)
#include "test_history_windows.moc"
