#include "config/ConfigBlock.h"
#include "config/ViewRules.h"

#include <QtTest>

#include <optional>

using namespace kx;

namespace {

// The value a control ends with: later settings win.
std::optional<bool> Final(const ViewState& state, const std::string& control,
                          ViewProperty property) {
    std::optional<bool> value;
    for (const ViewSetting& setting : state.settings) {
        if (setting.control == control && setting.property == property)
            value = setting.value;
    }
    return value;
}

bool Visible(const ViewState& s, const std::string& c) {
    return Final(s, c, ViewProperty::Visible).value_or(true);
}
bool Enabled(const ViewState& s, const std::string& c) {
    return Final(s, c, ViewProperty::Enabled).value_or(true);
}
bool Red(const ViewState& s, const std::string& c) {
    return Final(s, c, ViewProperty::Alarm).value_or(false);
}

ViewInputs Inputs(bool tpsRows = true) {
    ViewInputs in;
    in.tpsRowsTicked = tpsRows;
    return in;
}

} // namespace

class ViewRulesTest : public QObject {
    Q_OBJECT

  private slots:
    void throttleRowsOff();
    void throttleRowsOn();
    void outputsAndSecondAdvance();
    void inputFunctions_data();
    void inputFunctions();
    void printView();
    void warningBoxes();
    void secondPickupBySynchronisation_data();
    void secondPickupBySynchronisation();
    void specialTypeWithMethodZero();
    void compensationOnlyInTestMode();
    void servoFollowsItsFlag();
};

void ViewRulesTest::throttleRowsOff() {
    const ViewState s = ComputeViewRules(StartupBlock(), Inputs(false));
    for (const char* hidden : {"LabelTps1", "LabelTps10", "Edit50", "Edit139", "UpDown139",
                               "CSpinButton1", "CSpinButton10", "CGaugeTps"})
        QVERIFY2(!Visible(s, hidden), hidden);
    for (const char* shown : {"Edit140", "Edit149", "UpDown149", "EditRpmAdv1"})
        QVERIFY2(Visible(s, shown), shown);
    QVERIFY(!Enabled(s, "LabelTpsMon"));
    QVERIFY(!s.mapRow9BelowAllRows);
}

void ViewRulesTest::throttleRowsOn() {
    const ViewState s = ComputeViewRules(StartupBlock(), Inputs(true));
    for (const char* shown : {"LabelTps1", "Edit50", "UpDown139", "CSpinButton5", "CGaugeTps"})
        QVERIFY2(Visible(s, shown), shown);
    QVERIFY(Enabled(s, "LabelTpsMon"));
    QVERIFY(s.mapRow9BelowAllRows);
}

void ViewRulesTest::outputsAndSecondAdvance() {
    ConfigBlock b = StartupBlock();
    b.outputCount = 1;
    QVERIFY(!Visible(ComputeViewRules(b, Inputs()), "GroupBoxPalec2"));
    b.outputCount = 2;
    QVERIFY(Visible(ComputeViewRules(b, Inputs()), "GroupBoxPalec2"));
    QVERIFY(!Visible(ComputeViewRules(b, Inputs()), "LabelAdvance2")); // classic type: one label
    b.bike = 1;
    QVERIFY(Visible(ComputeViewRules(b, Inputs()), "LabelAdvance2"));
}

void ViewRulesTest::inputFunctions_data() {
    QTest::addColumn<int>("input1");
    QTest::addColumn<int>("input2");
    QTest::addColumn<QStringList>("enabled");
    QTest::addColumn<QStringList>("greyed");
    QTest::newRow("start limiter and retard")
        << 4 << 3
        << QStringList{"EditOmez1", "LabelOmez1", "EditRetard", "LabelMonRetard",
                       "LabelMonStartLimiterOut"}
        << QStringList{"EditClutchTime", "EditClutchPause", "LabelClutchMon", "LabelKillSwitch",
                       "LabelBlocking1"};
    QTest::newRow("kill switch and blocking")
        << 1 << 1 << QStringList{"LabelKillSwitch", "LabelBlocking1"}
        << QStringList{"EditOmez1", "EditRetard", "EditClutchTime"};
    QTest::newRow("clutch on input 2")
        << 0 << 2 << QStringList{"EditClutchTime", "LabelClutchPause", "LabelClutchMon"}
        << QStringList{"LabelKillSwitch", "EditOmez1"};
    QTest::newRow("kill switch is input 1's only")
        << 0 << 1 << QStringList{"LabelBlocking1"} << QStringList{"LabelKillSwitch"};
}

void ViewRulesTest::inputFunctions() {
    QFETCH(int, input1);
    QFETCH(int, input2);
    QFETCH(QStringList, enabled);
    QFETCH(QStringList, greyed);
    ConfigBlock b = StartupBlock();
    b.input1Function = uint8_t(input1);
    b.input2Function = uint8_t(input2);
    const ViewState s = ComputeViewRules(b, Inputs());
    for (const QString& name : enabled)
        QVERIFY2(Enabled(s, name.toStdString()), qPrintable(name));
    for (const QString& name : greyed)
        QVERIFY2(!Enabled(s, name.toStdString()), qPrintable(name));
    QCOMPARE(Visible(s, "UpDownOmez1"), input1 == 4 || input2 == 4);
}

void ViewRulesTest::printView() {
    ConfigBlock b = StartupBlock();
    b.input1Function = 4;
    ViewInputs in = Inputs();
    in.printView = true;
    const ViewState s = ComputeViewRules(b, in);
    QVERIFY(s.whiteBackground);
    for (const char* hidden :
         {"StatusBar1", "GroupBoxToolBar", "UpDownOmez2", "UpDown50", "UpDown145", "UpDownRpmAdv3",
          "UpDownNapPriv10", "CSpinButton1", "BitBtnAdvPlus", "CheckBoxProgHned", "UpDownOmez1",
          "CGaugeTps", "LabelMonSnimac1"})
        QVERIFY2(!Visible(s, hidden), hidden);
    for (const char* shown : {"Edit50", "Edit145", "EditRpmAdv3", "EditOmez2", "EditNapPriv10",
                              "LabelTps1", "LabelMonSnimac2"})
        QVERIFY2(Visible(s, shown), shown);
    QVERIFY(!ComputeViewRules(b, Inputs()).whiteBackground);
}

void ViewRulesTest::warningBoxes() {
    ConfigBlock b = StartupBlock();
    QVERIFY(!Red(ComputeViewRules(b, Inputs()), "CheckBoxZakazCteni"));
    b.noReading = 1;
    QVERIFY(Red(ComputeViewRules(b, Inputs()), "CheckBoxZakazCteni"));
    ViewInputs in = Inputs();
    in.programAfterChange = true;
    QVERIFY(Red(ComputeViewRules(b, in), "CheckBoxProgHned"));
}

void ViewRulesTest::secondPickupBySynchronisation_data() {
    QTest::addColumn<int>("method");
    QTest::addColumn<bool>("secondPickup");
    QTest::newRow("0") << 0 << true;
    QTest::newRow("3") << 3 << false;
    QTest::newRow("4") << 4 << true;
    QTest::newRow("5") << 5 << false;
}

void ViewRulesTest::secondPickupBySynchronisation() {
    QFETCH(int, method);
    QFETCH(bool, secondPickup);
    ConfigBlock b = StartupBlock();
    b.synchroMode = uint8_t(method);
    ViewInputs in = Inputs();
    in.synchroItem = method;
    const ViewState s = ComputeViewRules(b, in);
    for (const char* box : {"CheckBoxInvInput2", "CheckBoxPalec1ZacP2", "CheckBoxPalec1EndP2",
                            "CheckBoxPalec2ZacP2", "CheckBoxPalec2EndP2", "LabelMonSnimac2"})
        QCOMPARE(Visible(s, box), secondPickup);
}

void ViewRulesTest::specialTypeWithMethodZero() {
    ConfigBlock b = StartupBlock();
    b.bike = 1;
    ViewInputs in = Inputs();
    in.specialSelected = true;
    in.synchroItem = 0;
    ViewState s = ComputeViewRules(b, in);
    QVERIFY(!Enabled(s, "EditPocPalcu"));
    QVERIFY(!Enabled(s, "EditPalec2End"));
    QVERIFY(!Visible(s, "UpDownPocPalcu"));
    QVERIFY(Enabled(s, "CheckBoxPalec1ZacH2"));
    QVERIFY(Enabled(s, "ComboBoxSynchro"));
    QVERIFY(Visible(s, "UpDownPocKanalu"));
    in.synchroItem = 2;
    s = ComputeViewRules(b, in);
    QVERIFY(Enabled(s, "EditPocPalcu"));
    QVERIFY(Visible(s, "UpDownPalec1Zac"));
    in.specialSelected = false; // a standard type greys the whole description
    s = ComputeViewRules(b, in);
    QVERIFY(!Enabled(s, "GroupBoxSpecial"));
    QVERIFY(!Enabled(s, "ComboBoxSynchro"));
    QVERIFY(!Visible(s, "UpDownPocKanalu"));
}

void ViewRulesTest::compensationOnlyInTestMode() {
    ViewInputs in = Inputs();
    QVERIFY(!Visible(ComputeViewRules(StartupBlock(), in), "EditKompenz1"));
    in.testMode = true;
    QVERIFY(Visible(ComputeViewRules(StartupBlock(), in), "UpDownKompenz2"));
}

void ViewRulesTest::servoFollowsItsFlag() {
    ConfigBlock b = StartupBlock();
    b.servoEnable = 0;
    const ViewState s = ComputeViewRules(b, Inputs());
    QVERIFY(!Visible(s, "GroupBoxPrivera"));
    QVERIFY(!Visible(s, "LabelPriveraMer"));
}

QTEST_APPLESS_MAIN(ViewRulesTest)
#include "test_view_rules.moc"
