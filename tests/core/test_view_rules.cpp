#include "config/ConfigBlock.h"
#include "config/ViewRules.h"

#include <QtTest>

#include <optional>
#include <vector>

using namespace kx;

using Controls = std::vector<ViewControl>;
Q_DECLARE_METATYPE(Controls)

namespace {

using C = ViewControl;

// The numbered controls by the number in their object name.
ViewTarget Edit(int number) {
    return {C::MapEdit, number - 50};
}
ViewTarget UpDown(int number) {
    return {C::MapUpDown, number - 50};
}
ViewTarget LabelTps(int number) {
    return {C::LabelTps, number - 1};
}
ViewTarget CSpinButton(int number) {
    return {C::CSpinButton, number - 1};
}
ViewTarget UpDownRpmAdv(int number) {
    return {C::UpDownRpmAdv, number - 1};
}
ViewTarget UpDownNapPriv(int number) {
    return {C::UpDownNapPriv, number - 1};
}

// The value a control ends with: later settings win.
std::optional<bool> Final(const ViewState& state, const ViewTarget& control,
                          ViewProperty property) {
    std::optional<bool> value;
    for (const ViewSetting& setting : state.settings) {
        if (setting.target == control && setting.property == property)
            value = setting.value;
    }
    return value;
}

bool Visible(const ViewState& s, const ViewTarget& c) {
    return Final(s, c, ViewProperty::Visible).value_or(true);
}
bool Enabled(const ViewState& s, const ViewTarget& c) {
    return Final(s, c, ViewProperty::Enabled).value_or(true);
}
bool Red(const ViewState& s, const ViewTarget& c) {
    return Final(s, c, ViewProperty::Alarm).value_or(false);
}

// QVERIFY2's message for a control of a list.
QByteArray Which(const ViewTarget& c) {
    return QByteArray::number(int(c.control)) + "/" + QByteArray::number(c.index);
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
    for (const ViewTarget& hidden : {LabelTps(1), LabelTps(10), Edit(50), Edit(139), UpDown(139),
                                     CSpinButton(1), CSpinButton(10), ViewTarget{C::CGaugeTps}})
        QVERIFY2(!Visible(s, hidden), Which(hidden));
    for (const ViewTarget& shown : {Edit(140), Edit(149), UpDown(149)})
        QVERIFY2(Visible(s, shown), Which(shown));
    QVERIFY(!Enabled(s, {C::LabelTpsMon}));
    QVERIFY(!s.mapRow9BelowAllRows);
}

void ViewRulesTest::throttleRowsOn() {
    const ViewState s = ComputeViewRules(StartupBlock(), Inputs(true));
    for (const ViewTarget& shown :
         {LabelTps(1), Edit(50), UpDown(139), CSpinButton(5), ViewTarget{C::CGaugeTps}})
        QVERIFY2(Visible(s, shown), Which(shown));
    QVERIFY(Enabled(s, {C::LabelTpsMon}));
    QVERIFY(s.mapRow9BelowAllRows);
}

void ViewRulesTest::outputsAndSecondAdvance() {
    ConfigBlock b = StartupBlock();
    b.outputCount = 1;
    QVERIFY(!Visible(ComputeViewRules(b, Inputs()), {C::GroupBoxPalec2}));
    b.outputCount = 2;
    QVERIFY(Visible(ComputeViewRules(b, Inputs()), {C::GroupBoxPalec2}));
    QVERIFY(!Visible(ComputeViewRules(b, Inputs()), {C::LabelAdvance2})); // classic type: one label
    b.bike = 1;
    QVERIFY(Visible(ComputeViewRules(b, Inputs()), {C::LabelAdvance2}));
}

void ViewRulesTest::inputFunctions_data() {
    QTest::addColumn<int>("input1");
    QTest::addColumn<int>("input2");
    QTest::addColumn<Controls>("enabled");
    QTest::addColumn<Controls>("greyed");
    QTest::newRow("start limiter and retard")
        << 4 << 3
        << Controls{C::EditOmez1, C::LabelOmez1, C::EditRetard, C::LabelMonRetard,
                    C::LabelMonStartLimiterOut}
        << Controls{C::EditClutchTime, C::EditClutchPause, C::LabelClutchMon, C::LabelKillSwitch,
                    C::LabelBlocking1};
    QTest::newRow("kill switch and blocking")
        << 1 << 1 << Controls{C::LabelKillSwitch, C::LabelBlocking1}
        << Controls{C::EditOmez1, C::EditRetard, C::EditClutchTime};
    QTest::newRow("clutch on input 2")
        << 0 << 2 << Controls{C::EditClutchTime, C::LabelClutchPause, C::LabelClutchMon}
        << Controls{C::LabelKillSwitch, C::EditOmez1};
    QTest::newRow("kill switch is input 1's only")
        << 0 << 1 << Controls{C::LabelBlocking1} << Controls{C::LabelKillSwitch};
}

void ViewRulesTest::inputFunctions() {
    QFETCH(int, input1);
    QFETCH(int, input2);
    QFETCH(Controls, enabled);
    QFETCH(Controls, greyed);
    ConfigBlock b = StartupBlock();
    b.input1Function = uint8_t(input1);
    b.input2Function = uint8_t(input2);
    const ViewState s = ComputeViewRules(b, Inputs());
    for (ViewControl control : enabled)
        QVERIFY2(Enabled(s, {control}), Which({control}));
    for (ViewControl control : greyed)
        QVERIFY2(!Enabled(s, {control}), Which({control}));
    QCOMPARE(Visible(s, {C::UpDownOmez1}), input1 == 4 || input2 == 4);
}

void ViewRulesTest::printView() {
    ConfigBlock b = StartupBlock();
    b.input1Function = 4;
    ViewInputs in = Inputs();
    in.printView = true;
    const ViewState s = ComputeViewRules(b, in);
    QVERIFY(s.whiteBackground);
    for (const ViewTarget& hidden :
         {ViewTarget{C::StatusBar1}, ViewTarget{C::GroupBoxToolBar}, ViewTarget{C::UpDownOmez2},
          UpDown(50), UpDown(145), UpDownRpmAdv(3), UpDownNapPriv(10), CSpinButton(1),
          ViewTarget{C::BitBtnAdvPlus}, ViewTarget{C::CheckBoxProgHned}, ViewTarget{C::UpDownOmez1},
          ViewTarget{C::CGaugeTps}, ViewTarget{C::LabelMonSnimac1}})
        QVERIFY2(!Visible(s, hidden), Which(hidden));
    // The axis, servo and limiter edits have no rule at all; the window test checks them.
    for (const ViewTarget& shown :
         {Edit(50), Edit(145), LabelTps(1), ViewTarget{C::LabelMonSnimac2}})
        QVERIFY2(Visible(s, shown), Which(shown));
    QVERIFY(!ComputeViewRules(b, Inputs()).whiteBackground);
}

void ViewRulesTest::warningBoxes() {
    ConfigBlock b = StartupBlock();
    QVERIFY(!Red(ComputeViewRules(b, Inputs()), {C::CheckBoxZakazCteni}));
    b.noReading = 1;
    QVERIFY(Red(ComputeViewRules(b, Inputs()), {C::CheckBoxZakazCteni}));
    ViewInputs in = Inputs();
    in.programAfterChange = true;
    QVERIFY(Red(ComputeViewRules(b, in), {C::CheckBoxProgHned}));
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
    for (ViewControl box : {C::CheckBoxInvInput2, C::CheckBoxPalec1ZacP2, C::CheckBoxPalec1EndP2,
                            C::CheckBoxPalec2ZacP2, C::CheckBoxPalec2EndP2, C::LabelMonSnimac2})
        QCOMPARE(Visible(s, {box}), secondPickup);
}

void ViewRulesTest::specialTypeWithMethodZero() {
    ConfigBlock b = StartupBlock();
    b.bike = 1;
    ViewInputs in = Inputs();
    in.specialSelected = true;
    in.synchroItem = 0;
    ViewState s = ComputeViewRules(b, in);
    QVERIFY(!Enabled(s, {C::EditPocPalcu}));
    QVERIFY(!Enabled(s, {C::EditPalec2End}));
    QVERIFY(!Visible(s, {C::UpDownPocPalcu}));
    QVERIFY(Enabled(s, {C::CheckBoxPalec1ZacH2}));
    QVERIFY(Enabled(s, {C::ComboBoxSynchro}));
    QVERIFY(Visible(s, {C::UpDownPocKanalu}));
    in.synchroItem = 2;
    s = ComputeViewRules(b, in);
    QVERIFY(Enabled(s, {C::EditPocPalcu}));
    QVERIFY(Visible(s, {C::UpDownPalec1Zac}));
    in.specialSelected = false; // a standard type greys the whole description
    s = ComputeViewRules(b, in);
    QVERIFY(!Enabled(s, {C::GroupBoxSpecial}));
    QVERIFY(!Enabled(s, {C::ComboBoxSynchro}));
    QVERIFY(!Visible(s, {C::UpDownPocKanalu}));
}

void ViewRulesTest::compensationOnlyInTestMode() {
    ViewInputs in = Inputs();
    QVERIFY(!Visible(ComputeViewRules(StartupBlock(), in), {C::EditKompenz1}));
    in.testMode = true;
    QVERIFY(Visible(ComputeViewRules(StartupBlock(), in), {C::UpDownKompenz2}));
}

void ViewRulesTest::servoFollowsItsFlag() {
    ConfigBlock b = StartupBlock();
    b.servoEnable = 0;
    const ViewState s = ComputeViewRules(b, Inputs());
    QVERIFY(!Visible(s, {C::GroupBoxPrivera}));
    QVERIFY(!Visible(s, {C::LabelPriveraMer}));
}

QTEST_APPLESS_MAIN(ViewRulesTest)
#include "test_view_rules.moc"
