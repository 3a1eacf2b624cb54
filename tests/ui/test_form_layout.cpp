#include "config/EditorFields.h"
#include "ui/layout/FormLayout.h"
#include "ui/widgets/MouseCheckBox.h"
#include "ui/widgets/UpDown.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace kx;

namespace {

QWidget* NextTabStop(QWidget* widget) {
    for (QWidget* next = widget->nextInFocusChain(); next != widget;
         next = next->nextInFocusChain()) {
        if (next->focusPolicy() & Qt::TabFocus)
            return next;
    }
    return nullptr;
}

} // namespace

class FormLayoutTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QMainWindow> form_;

    template <class T>
    T* find(const QString& name) {
        T* object = form_->findChild<T*>(name);
        if (!object)
            qWarning("missing %s", qPrintable(name));
        return object;
    }

  private slots:
    void initTestCase() {
        form_ = std::make_unique<QMainWindow>();
        BuildFormLayout(form_.get());
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        // Layouts of a page are settled once it has been shown.
        auto* pages = find<QTabWidget>("PageControl1");
        for (int i = pages->count() - 1; i >= 0; --i) {
            pages->setCurrentIndex(i);
            QCoreApplication::processEvents();
        }
    }

    void everySpinFieldHasItsEditAndUpDownFromTheTable() {
        for (const SpinFieldSpec& field : SpinFields()) {
            const QString name = QString::fromStdString(field.name);
            auto* edit = find<QLineEdit>(QString::fromStdString(field.editName()));
            auto* upDown = find<UpDown>(QString::fromStdString(field.upDownName()));
            QVERIFY2(edit && upDown, qPrintable(name));
            QCOMPARE(upDown->associate(), edit);
            QCOMPARE(upDown->minimum(), field.minimum);
            QCOMPARE(upDown->maximum(), field.maximum);
            QCOMPARE(upDown->increment(), field.increment);
            QCOMPARE(upDown->position(), field.start);
            QCOMPARE(edit->text(), upDown->formatted(field.start));
            QVERIFY2(upDown->focusPolicy() == Qt::NoFocus, qPrintable(name));
            // The arrows sit on the right edge of their edit, on the same line.
            QCOMPARE(upDown->parentWidget(), edit->parentWidget());
            QCOMPARE(upDown->x(), edit->x() + edit->width());
            QCOMPARE(upDown->y(), edit->y());
        }
    }

    void checkBoxesReportEditsAsTheRecordTableSays() {
        for (const CheckFieldSpec& field : CheckFields()) {
            auto* box = find<QCheckBox>(QString::fromStdString(field.name));
            QVERIFY(box);
            QCOMPARE(qobject_cast<MouseCheckBox*>(box) != nullptr, field.mouseBound);
        }
        QVERIFY(find<MouseCheckBox>("CheckBoxProgHned"));
        for (const char* name : {"CheckBoxZakazCteni", "CheckBoxIgnAll", "CheckBoxServoAll"}) {
            QVERIFY(find<QCheckBox>(name));
            QVERIFY2(!form_->findChild<MouseCheckBox*>(name), name);
        }
    }

    void namedWidgetsExist_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        const char* const rows[][2] = {
            {"MainMenu1", "QMenuBar"},
            {"StatusBar1", "QStatusBar"},
            {"GroupBoxToolBar", "QGroupBox"},
            {"SpeedButton6", "QToolButton"},
            {"SpeedButton5", "QToolButton"},
            {"SpeedButton7", "QToolButton"},
            {"SpeedButtonPrint", "QToolButton"},
            {"ButtonRead", "QPushButton"},
            {"BitBtnVerify", "QPushButton"},
            {"BitBtnProgram", "QPushButton"},
            {"LabelSpojeni", "QLabel"},
            {"PageControl1", "QTabWidget"},
            {"TabSheetRuzne", "QWidget"},
            {"CGaugeRpm", "QProgressBar"},
            {"CGaugeTps", "QProgressBar"},
            {"CGaugeProgram", "QProgressBar"},
            {"LabelRpm", "QLabel"},
            {"LabelKillSwitch", "QLabel"},
            {"LabelMonStartLimiterOut", "QLabel"},
            {"Image2", "QLabel"},
            {"LabelTest8", "QLabel"},
            {"GroupBoxTps", "QGroupBox"},
            {"BitBtnTps100", "QPushButton"},
            {"LabelPocSynchro", "QLabel"},
            {"RadioGroupInput2", "QGroupBox"},
            {"RadioGroupInput1Buttons", "QButtonGroup"},
            {"LabelMonInput2In", "QLabel"},
            {"ComboBoxSynchro", "QComboBox"},
            {"GroupBoxSpecial", "QGroupBox"},
            {"GroupBoxPalec2", "QGroupBox"},
            {"LabelSnimac2", "QLabel"},
            {"CheckBoxPalec2EndP2", "kx::MouseCheckBox"},
            {"GroupBoxRpm", "QGroupBox"},
            {"LabelVerze3", "QLabel"},
            {"LabelFile2", "QLabel"},
            {"GroupBox6", "QGroupBox"},
            {"LabelRpm1", "QLabel"},
            {"LabelTps10", "QLabel"},
            {"CSpinButton10", "kx::SpinButton"},
            {"BitBtnAdvPlus", "QPushButton"},
            {"LabelBaseAdv", "QLabel"},
            {"GroupBoxPrivera", "QGroupBox"},
            {"Label5", "QLabel"},
            {"BitBtnServoMinus", "QPushButton"},
            {"LabelServoHyster", "QLabel"},
        };
        for (const auto& row : rows)
            QTest::newRow(row[0]) << row[0] << row[1];
    }
    void namedWidgetsExist() {
        QFETCH(QString, name);
        QFETCH(QString, className);
        QObject* object = find<QObject>(name);
        QVERIFY(object);
        QCOMPARE(QString(object->metaObject()->className()), className);
    }

    void menuItemsHaveCaptionsShortcutsAndHints_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shortcut");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("statusTip");
        const char* const rows[][5] = {
            {"MenuNew", "&New", "Ctrl+N", "New", "Set default parametrs"},
            {"MenuOpen", "&Open", "F3", "Open", "Open file with parametrs"},
            {"MenuSave", "&Save", "F2", "Save", "Save parametrs to file"},
            {"MenuPrint", "&Print", "Ctrl+P", "Print", "Print parametrs"},
            {"MenuPrintAll", "Print all", "", "", ""},
            {"MenuExit", "E&xit", "", "Exit", "End of program"},
            {"MenuRead", "&Read", "F7", "Read", "Reading parametrs from ignition"},
            {"MenuVerify", "&Verify", "F8", "Verify",
             "Compare set parametrs  with parametrs of ignition"},
            {"MenuProgram", "&Program", "F9", "Programing",
             "Programing  set parametrs to ignition"},
            {"AdvanceMinus", "Advance -", "F4", "Curve A minus", "Take off 1 degree of curve A"},
            {"AdvancePlus", "Advance +", "F5", "Curve A plus", "Add 1 degree of curve A"},
            {"MenuEnglish", "&English", "", "", ""},
            {"MenuCzech", "&Czech", "", "", ""},
            {"MenuContens", "&Contents...", "F1", "", ""},
            {"MenuAbout", "&About...", "", "", ""},
        };
        for (const auto& row : rows)
            QTest::newRow(row[0]) << row[0] << row[1] << row[2] << row[3] << row[4];
    }
    void menuItemsHaveCaptionsShortcutsAndHints() {
        QFETCH(QString, name);
        auto* action = find<QAction>(name);
        QVERIFY(action);
        QTEST(action->text(), "caption");
        QTEST(action->shortcut().toString(), "shortcut");
        QFETCH(QString, toolTip);
        if (!toolTip.isEmpty())
            QCOMPARE(action->toolTip(), toolTip);
        QTEST(action->statusTip(), "statusTip");
    }

    void menuTreeHasItsSeparatorsAndAnEmptyPortMenu() {
        const QList<QAction*> file = find<QMenu>("MenuFile")->actions();
        QStringList names;
        for (QAction* action : file)
            names << action->objectName();
        QCOMPARE(names, QStringList({"MenuNew", "N3", "MenuOpen", "N1", "MenuSave", "N2",
                                     "MenuPrint", "MenuPrintAll", "N4", "MenuExit"}));
        QVERIFY(find<QMenu>("MenuCom")->actions().isEmpty());
        QCOMPARE(find<QMenu>("MenuDevice")->title(), QString("&Ignition"));
        QVERIFY(find<QAction>("MenuEnglish")->isCheckable());
        QVERIFY(find<QAction>("MenuGerman")->isCheckable());
    }

    void toolbarButtonsRepeatTheirMenuHints() {
        const char* const pairs[][2] = {
            {"SpeedButton6", "MenuNew"},     {"SpeedButton5", "MenuOpen"},
            {"SpeedButton7", "MenuSave"},    {"SpeedButtonPrint", "MenuPrint"},
            {"ButtonRead", "MenuRead"},      {"BitBtnVerify", "MenuVerify"},
            {"BitBtnProgram", "MenuProgram"}};
        for (const auto& pair : pairs) {
            auto* button = find<QWidget>(pair[0]);
            auto* action = find<QAction>(pair[1]);
            QVERIFY(button && action);
            QCOMPARE(button->toolTip(), action->toolTip());
            QCOMPARE(button->statusTip(), action->statusTip());
        }
    }

    void pagesComeInOrder() {
        auto* pages = find<QTabWidget>("PageControl1");
        const char* const expected[][2] = {{"TabSheetRuzne", "Miscellaneous"},
                                           {"TabSheetBike", "Bike"},
                                           {"TabSheetAdvance", "Advance Map"},
                                           {"TabSheetServo", "Servo"}};
        QCOMPARE(pages->count(), 4);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(pages->widget(i)->objectName(), QString(expected[i][0]));
            QCOMPARE(pages->tabText(i), QString(expected[i][1]));
        }
    }

    void mapCellNumberGivesRowAndColumn() {
        auto* cell = find<QLineEdit>("Edit73");
        QCOMPARE(cell->y(), find<QLineEdit>("Edit70")->y()); // row 2
        QCOMPARE(cell->x(), find<QLineEdit>("Edit53")->x()); // column 3
        QVERIFY(cell->y() > find<QLineEdit>("Edit63")->y());
        QVERIFY(cell->x() > find<QLineEdit>("Edit72")->x());
        // Row heads on the cells' line, column heads above them.
        QCOMPARE(find<QLabel>("LabelTps3")->y() - 4, cell->y());
        QVERIFY(find<QLineEdit>("EditRpmAdv4")->y() < find<QLineEdit>("Edit53")->y());
    }

    void firstSpeedPointGoesDownTo199() {
        for (const auto& [name, floor] : {std::pair{"RpmAdv1", 199}, std::pair{"RpmAdv2", 300}}) {
            auto* upDown = find<UpDown>(QString("UpDown") + name);
            upDown->setPosition(300);
            for (int i = 0; i < 3; ++i)
                upDown->step(-1);
            QCOMPARE(upDown->position(), floor);
            QCOMPARE(find<QLineEdit>(QString("Edit") + name)->text(), QString::number(floor));
        }
    }

    void comboItemsReadExactly() {
        auto items = [this](const char* name) {
            QStringList texts;
            auto* combo = find<QComboBox>(name);
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
            return texts;
        };
        QCOMPARE(
            items("ComboBoxBike"),
            QStringList({"Classic (1 lobe, 1 or 2 pick-up) ",
                         "Standard  (2 lobe  per revol., 1 or 2 pick-up) ",
                         "Standard  (3 lobe  per revol., 1 pick-up) ",
                         "Standard  (1 lobe 2  rev. (CMPS), 1 or 2 pick-up) ", "Special setting"}));
        QCOMPARE(items("ComboBoxNasobekPalcu"),
                 QStringList({"1 lobe per revolution", "2 lobe per revolution",
                              "3 lobe per revolution", "1 lobe per 2  revolution (CMPS)"}));
        QCOMPARE(items("ComboBoxSynchro").size(), 6);
        QCOMPARE(find<QComboBox>("ComboBoxBike")->maxVisibleItems(), 40);
        QCOMPARE(find<QComboBox>("ComboBoxNasobekPalcu")->maxVisibleItems(), 30);
    }

    void inputGroupsStartAtOffAndDifferInItemOne() {
        for (int input = 1; input <= 2; ++input) {
            auto* group = find<QButtonGroup>(QString("RadioGroupInput%1Buttons").arg(input));
            QCOMPARE(group->buttons().size(), 5);
            QCOMPARE(group->checkedId(), 0);
            QCOMPARE(group->button(1)->text(), QString(input == 1 ? "Kill switch" : "Blocking"));
            QCOMPARE(group->button(4)->text(), QString("Start Limiter"));
        }
    }

    void designTimeVisibilityAndState() {
        for (const char* name : {"LabelAdvance2", "LabelEeDataErr", "LabelVersion", "LabelHlaseni",
                                 "LabelTest1", "LabelTest8", "LabelPocetProgramovani"})
            QVERIFY2(find<QWidget>(name)->isHidden(), name);
        QVERIFY(!find<QWidget>("GroupBoxPalec1")->isEnabled());
        QVERIFY(find<QWidget>("GroupBoxPalec2")->isEnabled());
        QVERIFY(find<QWidget>("LabelSpojeni")->isVisible());
    }

    void tabOrderFollowsTheFieldSequence_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        const char* const rows[][2] = {
            {"EditRpmAdv10", "Edit50"},
            {"Edit59", "Edit60"},
            {"EditOmez2", "CheckBoxProgHned"},
            {"EditTps0", "EditTps100"},
            {"EditClutchPause", "RadioGroupInput1Item0"},
            {"CheckBoxPalec2EndP2", "CheckBoxPalec2ZacP2"},
            {"ComboBoxNasobekPalcu", "EditRpmKorekce"},
            {"CheckBoxPrivEnable", "CheckBoxServoAll"},
            {"EditNapPriv10", "EditPrivHyster"},
            {"EditBaseAdv", "CheckBoxPrivEnable"},
            {"BitBtnServoPlus", "ButtonRead"},
        };
        for (const auto& row : rows)
            QTest::newRow(row[0]) << row[0] << row[1];
    }
    void tabOrderFollowsTheFieldSequence() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QWidget* next = NextTabStop(find<QWidget>(from));
        QVERIFY(next);
        QCOMPARE(next->objectName(), to);
    }

    void mapColumnButtonsFollowTheLastCell() {
        QWidget* next = NextTabStop(find<QWidget>("Edit149"));
        QCOMPARE(next->parentWidget()->objectName(), QString("CSpinButton1"));
    }

    void lastMapRowMovesUnderTheSpeedAxisAndBack() {
        auto* cell = find<QWidget>("Edit145");
        auto* arrows = find<QWidget>("UpDown149");
        const int x = cell->x();
        PlaceMapRow9(form_.get(), false);
        QCOMPARE(cell->y(), find<QWidget>("LabelTps1")->y() - 4);
        QCOMPARE(arrows->y(), cell->y());
        QCOMPARE(cell->x(), x);
        PlaceMapRow9(form_.get(), true);
        QCOMPARE(cell->y(), find<QWidget>("LabelTps10")->y() - 4);
        QCOMPARE(arrows->y(), cell->y());
        QVERIFY(cell->y() > find<QWidget>("Edit135")->y());
    }
};

QTEST_MAIN(FormLayoutTest)
#include "test_form_layout.moc"
