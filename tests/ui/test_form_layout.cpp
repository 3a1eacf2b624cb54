#include "config/EditorFields.h"
#include "ui/layout/FormLayout.h"
#include "ui/widgets/MouseCheckBox.h"
#include "ui/widgets/SpinButton.h"
#include "ui/widgets/UpDown.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

#include <memory>
#include <utility>
#include <vector>

using namespace kx;

namespace {

using NamedControl = std::pair<const QObject*, QString>;

void AddSpin(std::vector<NamedControl>& names, const SpinField& field, const QString& name) {
    names.push_back({field.edit, "Edit" + name});
    names.push_back({field.upDown, "UpDown" + name});
}

// Every pointer of the typed controls with the object name it must carry, written out here
// rather than taken from the layout, so a pointer filled with the wrong control shows.
std::vector<NamedControl> ExpectedNames(const FormControls& c) {
    std::vector<NamedControl> names = {
        {c.frame.menu.newFile, "MenuNew"},
        {c.frame.menu.open, "MenuOpen"},
        {c.frame.menu.save, "MenuSave"},
        {c.frame.menu.print, "MenuPrint"},
        {c.frame.menu.printAll, "MenuPrintAll"},
        {c.frame.menu.exit, "MenuExit"},
        {c.frame.menu.read, "MenuRead"},
        {c.frame.menu.verify, "MenuVerify"},
        {c.frame.menu.program, "MenuProgram"},
        {c.frame.menu.advanceMinus, "AdvanceMinus"},
        {c.frame.menu.advancePlus, "AdvancePlus"},
        {c.frame.menu.contents, "MenuContens"},
        {c.frame.menu.about, "MenuAbout"},
        {c.frame.comMenu, "MenuCom"},
        {c.frame.toolBar, "GroupBoxToolBar"},
        {c.frame.buttons.newFile, "SpeedButton6"},
        {c.frame.buttons.open, "SpeedButton5"},
        {c.frame.buttons.save, "SpeedButton7"},
        {c.frame.buttons.print, "SpeedButtonPrint"},
        {c.frame.buttons.read, "ButtonRead"},
        {c.frame.buttons.verify, "BitBtnVerify"},
        {c.frame.buttons.program, "BitBtnProgram"},
        {c.frame.connection, "LabelSpojeni"},
        {c.frame.pages, "PageControl1"},
        {c.frame.dataError, "LabelEeDataErr"},
        {c.frame.version, "LabelVersion"},
        {c.frame.statusBar, "StatusBar1"},

        {c.monitor.rpm, "LabelRpm"},
        {c.monitor.rpmGauge, "CGaugeRpm"},
        {c.monitor.tps, "LabelTpsMon"},
        {c.monitor.tpsGauge, "CGaugeTps"},
        {c.monitor.advance[0], "LabelAdvance1"},
        {c.monitor.advance[1], "LabelAdvance2"},
        {c.monitor.pickups[0], "LabelMonSnimac1"},
        {c.monitor.pickups[1], "LabelMonSnimac2"},
        {c.monitor.voltage, "LabelNapeti"},
        {c.monitor.servoDesired, "LabelPriveraPoz"},
        {c.monitor.servoMeasured, "LabelPriveraMer"},
        {c.monitor.blocking, "LabelBlocking1"},
        {c.monitor.pilotLight, "LabelMonPilotLight"},
        {c.monitor.clutch, "LabelClutchMon"},
        {c.monitor.retard, "LabelMonRetard"},
        {c.monitor.startLimiter, "LabelMonStartLimiterOut"},
        {c.monitor.killSwitch, "LabelKillSwitch"},
        {c.monitor.message, "LabelHlaseni"},
        {c.monitor.programGauge, "CGaugeProgram"},

        {c.miscellaneous.startLimiter.label, "LabelOmez1"},
        {c.miscellaneous.limiter.label, "LabelOmez2"},
        {c.miscellaneous.pilotLight.label, "LabelPilotLight"},
        {c.miscellaneous.clutchTime.label, "LabelClutchTime"},
        {c.miscellaneous.clutchPause.label, "LabelClutchPause"},
        {c.miscellaneous.retard.label, "LabelRetard"},
        {c.miscellaneous.noIgnitionRevs.label, "LabelPocSynchro"},
        {c.miscellaneous.setTps0, "BitBtnTps0"},
        {c.miscellaneous.setTps100, "BitBtnTps100"},
        {c.miscellaneous.programAfterChange, "CheckBoxProgHned"},
        {c.miscellaneous.noReading, "CheckBoxZakazCteni"},
        {c.miscellaneous.inputs[0], "RadioGroupInput1Buttons"},
        {c.miscellaneous.inputs[1], "RadioGroupInput2Buttons"},
        {c.miscellaneous.inputStates[0], "LabelMonInput1In"},
        {c.miscellaneous.inputStates[1], "LabelMonInput2In"},

        {c.bike.bike, "ComboBoxBike"},
        {c.bike.invertPickup[0], "CheckBoxInvInput1"},
        {c.bike.invertPickup[1], "CheckBoxInvInput2"},
        {c.bike.file, "LabelFile2"},
        {c.bike.programCount, "LabelPocetProgramovani"},
        {c.bike.special, "GroupBoxSpecial"},
        {c.bike.synchroLabel, "LabelSynchro"},
        {c.bike.synchro, "ComboBoxSynchro"},
        {c.bike.lobeCount.label, "LabelPocPalcu"},
        {c.bike.outputCount.label, "LabelPocKanalu"},
        {c.bike.lobeHeading, "LabelLobe"},
        {c.bike.edgeHeading, "LabelHrana2"},
        {c.bike.pickupHeading, "LabelSnimac2"},
        {c.bike.lobesPerTurn, "ComboBoxNasobekPalcu"},
        {c.bike.compensationLabel, "LabelKompenz"},

        {c.advance.tpsRows, "CheckBoxTpsMapa"},
        {c.advance.minus, "BitBtnAdvMinus"},
        {c.advance.plus, "BitBtnAdvPlus"},
        {c.advance.all, "CheckBoxIgnAll"},

        {c.servo.enable, "CheckBoxPrivEnable"},
        {c.servo.group, "GroupBoxPrivera"},
        {c.servo.minus, "BitBtnServoMinus"},
        {c.servo.plus, "BitBtnServoPlus"},
        {c.servo.all, "CheckBoxServoAll"},
    };
    const struct {
        const SpinField& field;
        const char* name;
    } spins[] = {
        {c.miscellaneous.startLimiter.field, "Omez1"},
        {c.miscellaneous.limiter.field, "Omez2"},
        {c.miscellaneous.pilotLight.field, "PilotLight"},
        {c.miscellaneous.clutchTime.field, "ClutchTime"},
        {c.miscellaneous.clutchPause.field, "ClutchPause"},
        {c.miscellaneous.retard.field, "Retard"},
        {c.miscellaneous.noIgnitionRevs.field, "PocSynchro"},
        {c.miscellaneous.tps0, "Tps0"},
        {c.miscellaneous.tps100, "Tps100"},
        {c.bike.tachoPulses, "RpmPulsu"},
        {c.bike.tachoCorrection, "RpmKorekce"},
        {c.bike.lobeCount.field, "PocPalcu"},
        {c.bike.outputCount.field, "PocKanalu"},
        {c.bike.compensation[0], "Kompenz1"},
        {c.bike.compensation[1], "Kompenz2"},
        {c.advance.baseAdvance, "BaseAdv"},
        {c.servo.hysteresis, "PrivHyster"},
    };
    for (const auto& spin : spins)
        AddSpin(names, spin.field, spin.name);
    const char* const languages[] = {"MenuEnglish", "MenuGerman", "MenuFrench", "MenuCzech"};
    for (size_t i = 0; i < c.frame.menu.languages.size(); ++i)
        names.push_back({c.frame.menu.languages[i], languages[i]});
    for (int i = 0; i < 8; ++i)
        names.push_back({c.frame.tests[size_t(i)], QString("LabelTest%1").arg(i + 1)});
    for (int i = 0; i < 3; ++i)
        names.push_back({c.bike.unitVersion[size_t(i)], QString("LabelVerze%1").arg(i + 1)});
    for (int n = 1; n <= 2; ++n) {
        const LobeChannel& channel = c.bike.channels[size_t(n - 1)];
        const QString palec = QString("Palec%1").arg(n);
        names.push_back({channel.group, "GroupBox" + palec});
        for (const auto& [row, part] :
             {std::pair{&channel.maximumAdvance, "Zac"}, std::pair{&channel.startAdvance, "End"}}) {
            names.push_back({row->label, "Label" + palec + part});
            AddSpin(names, row->lobe, palec + part);
            names.push_back({row->secondEdge, "CheckBox" + palec + part + "H2"});
            names.push_back({row->secondPickup, "CheckBox" + palec + part + "P2"});
        }
    }
    for (int i = 0; i < 10; ++i) {
        const QString number = QString::number(i + 1);
        const size_t at = size_t(i);
        AddSpin(names, c.advance.axis[at], "RpmAdv" + number);
        names.push_back({c.advance.rowLabels[at], "LabelTps" + number});
        names.push_back({c.advance.columnButtons[at], "CSpinButton" + number});
        AddSpin(names, c.servo.rpm[at], "RpmPriv" + number);
        AddSpin(names, c.servo.mv[at], "NapPriv" + number);
    }
    for (int row = 0; row < 10; ++row) {
        for (int column = 0; column < 10; ++column) {
            AddSpin(names, c.advance.cells[size_t(10 * row + column)],
                    QString::number(50 + 10 * row + column));
        }
    }
    return names;
}

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
    FormControls controls_;

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
        controls_ = BuildFormLayout(form_.get());
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

    void everyTypedControlCarriesItsName() {
        const std::vector<NamedControl> names = ExpectedNames(controls_);
        for (const auto& [control, name] : names) {
            QVERIFY2(control, qPrintable("no pointer for " + name));
            QCOMPARE(control->objectName(), name);
        }
        // The field lists pair each table row with its own controls.
        QCOMPARE(controls_.spinFields.size(), SpinFields().size());
        for (size_t i = 0; i < SpinFields().size(); ++i) {
            const SpinFieldSpec& field = SpinFields()[i];
            const SpinField& controls = controls_.spinFields[i];
            QVERIFY2(controls.edit && controls.upDown, field.name.c_str());
            QCOMPARE(controls.edit->objectName().toStdString(), field.editName());
            QCOMPARE(controls.upDown->objectName().toStdString(), field.upDownName());
        }
        QCOMPARE(controls_.checkFields.size(), CheckFields().size());
        for (size_t i = 0; i < CheckFields().size(); ++i) {
            QVERIFY2(controls_.checkFields[i], CheckFields()[i].name.c_str());
            QCOMPARE(controls_.checkFields[i]->objectName().toStdString(), CheckFields()[i].name);
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
            {"LabelSpojeni", "kx::FittingLabel"},
            {"PageControl1", "QTabWidget"},
            {"TabSheetRuzne", "QWidget"},
            {"CGaugeRpm", "QProgressBar"},
            {"CGaugeTps", "QProgressBar"},
            {"CGaugeProgram", "QProgressBar"},
            {"LabelRpm", "kx::FittingLabel"},
            {"LabelKillSwitch", "kx::FittingLabel"},
            {"LabelMonStartLimiterOut", "kx::FittingLabel"},
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
            {"LabelFile2", "kx::FittingLabel"},
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
        PlaceMapRow9(controls_.advance, false);
        QCOMPARE(cell->y(), find<QWidget>("LabelTps1")->y() - 4);
        QCOMPARE(arrows->y(), cell->y());
        QCOMPARE(cell->x(), x);
        PlaceMapRow9(controls_.advance, true);
        QCOMPARE(cell->y(), find<QWidget>("LabelTps10")->y() - 4);
        QCOMPARE(arrows->y(), cell->y());
        QVERIFY(cell->y() > find<QWidget>("Edit135")->y());
    }
};

QTEST_MAIN(FormLayoutTest)
#include "test_form_layout.moc"
