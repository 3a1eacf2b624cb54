#include "config/ConfigBlock.h"
#include "config/ViewRules.h"
#include "ui/FormHlav.h"
#include "ui/ViewRulesApplier.h"

#include <QtTest>

#include <vector>

using namespace kx;

namespace {

using C = ViewControl;

struct Expected {
    ViewTarget target;
    QString name;
};

// Every control the rules can name, with the object name of the widget it must reach. Written
// out by hand: the applier's own mapping would agree with itself whatever it says.
std::vector<Expected> ExpectedControls() {
    std::vector<Expected> expected = {
        {{C::BitBtnAdvMinus}, "BitBtnAdvMinus"},
        {{C::BitBtnAdvPlus}, "BitBtnAdvPlus"},
        {{C::BitBtnServoMinus}, "BitBtnServoMinus"},
        {{C::BitBtnServoPlus}, "BitBtnServoPlus"},
        {{C::BitBtnTps0}, "BitBtnTps0"},
        {{C::BitBtnTps100}, "BitBtnTps100"},
        {{C::CGaugeRpm}, "CGaugeRpm"},
        {{C::CGaugeTps}, "CGaugeTps"},
        {{C::CheckBoxIgnAll}, "CheckBoxIgnAll"},
        {{C::CheckBoxInvInput2}, "CheckBoxInvInput2"},
        {{C::CheckBoxPalec1EndH2}, "CheckBoxPalec1EndH2"},
        {{C::CheckBoxPalec1EndP2}, "CheckBoxPalec1EndP2"},
        {{C::CheckBoxPalec1ZacH2}, "CheckBoxPalec1ZacH2"},
        {{C::CheckBoxPalec1ZacP2}, "CheckBoxPalec1ZacP2"},
        {{C::CheckBoxPalec2EndH2}, "CheckBoxPalec2EndH2"},
        {{C::CheckBoxPalec2EndP2}, "CheckBoxPalec2EndP2"},
        {{C::CheckBoxPalec2ZacH2}, "CheckBoxPalec2ZacH2"},
        {{C::CheckBoxPalec2ZacP2}, "CheckBoxPalec2ZacP2"},
        {{C::CheckBoxProgHned}, "CheckBoxProgHned"},
        {{C::CheckBoxServoAll}, "CheckBoxServoAll"},
        {{C::CheckBoxTpsMapa}, "CheckBoxTpsMapa"},
        {{C::CheckBoxZakazCteni}, "CheckBoxZakazCteni"},
        {{C::ComboBoxNasobekPalcu}, "ComboBoxNasobekPalcu"},
        {{C::ComboBoxSynchro}, "ComboBoxSynchro"},
        {{C::EditClutchPause}, "EditClutchPause"},
        {{C::EditClutchTime}, "EditClutchTime"},
        {{C::EditKompenz1}, "EditKompenz1"},
        {{C::EditKompenz2}, "EditKompenz2"},
        {{C::EditOmez1}, "EditOmez1"},
        {{C::EditPalec1End}, "EditPalec1End"},
        {{C::EditPalec1Zac}, "EditPalec1Zac"},
        {{C::EditPalec2End}, "EditPalec2End"},
        {{C::EditPalec2Zac}, "EditPalec2Zac"},
        {{C::EditPocKanalu}, "EditPocKanalu"},
        {{C::EditPocPalcu}, "EditPocPalcu"},
        {{C::EditRetard}, "EditRetard"},
        {{C::GroupBoxPalec1}, "GroupBoxPalec1"},
        {{C::GroupBoxPalec2}, "GroupBoxPalec2"},
        {{C::GroupBoxPrivera}, "GroupBoxPrivera"},
        {{C::GroupBoxSpecial}, "GroupBoxSpecial"},
        {{C::GroupBoxToolBar}, "GroupBoxToolBar"},
        {{C::LabelAdvance2}, "LabelAdvance2"},
        {{C::LabelBlocking1}, "LabelBlocking1"},
        {{C::LabelClutchMon}, "LabelClutchMon"},
        {{C::LabelClutchPause}, "LabelClutchPause"},
        {{C::LabelClutchTime}, "LabelClutchTime"},
        {{C::LabelHrana2}, "LabelHrana2"},
        {{C::LabelKillSwitch}, "LabelKillSwitch"},
        {{C::LabelKompenz}, "LabelKompenz"},
        {{C::LabelLobe}, "LabelLobe"},
        {{C::LabelMonRetard}, "LabelMonRetard"},
        {{C::LabelMonSnimac1}, "LabelMonSnimac1"},
        {{C::LabelMonSnimac2}, "LabelMonSnimac2"},
        {{C::LabelMonStartLimiterOut}, "LabelMonStartLimiterOut"},
        {{C::LabelOmez1}, "LabelOmez1"},
        {{C::LabelPalec1End}, "LabelPalec1End"},
        {{C::LabelPalec1Zac}, "LabelPalec1Zac"},
        {{C::LabelPalec2End}, "LabelPalec2End"},
        {{C::LabelPalec2Zac}, "LabelPalec2Zac"},
        {{C::LabelPocetProgramovani}, "LabelPocetProgramovani"},
        {{C::LabelPocKanalu}, "LabelPocKanalu"},
        {{C::LabelPocPalcu}, "LabelPocPalcu"},
        {{C::LabelPriveraMer}, "LabelPriveraMer"},
        {{C::LabelPriveraPoz}, "LabelPriveraPoz"},
        {{C::LabelRetard}, "LabelRetard"},
        {{C::LabelSnimac2}, "LabelSnimac2"},
        {{C::LabelSynchro}, "LabelSynchro"},
        {{C::LabelTpsMon}, "LabelTpsMon"},
        {{C::StatusBar1}, "StatusBar1"},
        {{C::UpDownBaseAdv}, "UpDownBaseAdv"},
        {{C::UpDownClutchPause}, "UpDownClutchPause"},
        {{C::UpDownClutchTime}, "UpDownClutchTime"},
        {{C::UpDownKompenz1}, "UpDownKompenz1"},
        {{C::UpDownKompenz2}, "UpDownKompenz2"},
        {{C::UpDownOmez1}, "UpDownOmez1"},
        {{C::UpDownOmez2}, "UpDownOmez2"},
        {{C::UpDownPalec1End}, "UpDownPalec1End"},
        {{C::UpDownPalec1Zac}, "UpDownPalec1Zac"},
        {{C::UpDownPalec2End}, "UpDownPalec2End"},
        {{C::UpDownPalec2Zac}, "UpDownPalec2Zac"},
        {{C::UpDownPilotLight}, "UpDownPilotLight"},
        {{C::UpDownPocKanalu}, "UpDownPocKanalu"},
        {{C::UpDownPocPalcu}, "UpDownPocPalcu"},
        {{C::UpDownPocSynchro}, "UpDownPocSynchro"},
        {{C::UpDownRpmKorekce}, "UpDownRpmKorekce"},
        {{C::UpDownRpmPulsu}, "UpDownRpmPulsu"},
        {{C::UpDownPrivHyster}, "UpDownPrivHyster"},
        {{C::UpDownRetard}, "UpDownRetard"},
        {{C::UpDownTps0}, "UpDownTps0"},
        {{C::UpDownTps100}, "UpDownTps100"},
    };
    for (int i = 0; i < 10; ++i) {
        const QString number = QString::number(i + 1);
        expected.push_back({{C::CSpinButton, i}, "CSpinButton" + number});
        expected.push_back({{C::LabelTps, i}, "LabelTps" + number});
        expected.push_back({{C::UpDownNapPriv, i}, "UpDownNapPriv" + number});
        expected.push_back({{C::UpDownRpmAdv, i}, "UpDownRpmAdv" + number});
        expected.push_back({{C::UpDownRpmPriv, i}, "UpDownRpmPriv" + number});
    }
    for (int cell = 0; cell < 100; ++cell) {
        expected.push_back({{C::MapEdit, cell}, "Edit" + QString::number(50 + cell)});
        expected.push_back({{C::MapUpDown, cell}, "UpDown" + QString::number(50 + cell)});
    }
    return expected;
}

bool Listed(const std::vector<Expected>& expected, const ViewTarget& target) {
    for (const Expected& entry : expected) {
        if (entry.target == target)
            return true;
    }
    return false;
}

// Not hidden itself; its page and group are the business of other rules.
bool Shown(const QWidget& window, const char* name) {
    const auto* widget = window.findChild<QWidget*>(name);
    return widget && !widget->isHidden();
}

} // namespace

class ViewRulesApplierTest : public QObject {
    Q_OBJECT

  private slots:
    // A rule for a control must land on the widget of that name.
    void everyControlReachesTheWidgetOfItsName() {
        TFormHlav form;
        ViewRulesApplier applier(form, form.controls());
        for (const Expected& entry : ExpectedControls()) {
            auto* widget = form.findChild<QWidget*>(entry.name);
            QVERIFY2(widget, qPrintable(entry.name));
            const bool enabled = widget->isEnabledTo(widget->parentWidget());
            ViewState state;
            state.settings = {{entry.target, ViewProperty::Enabled, !enabled}};
            applier.Apply(state);
            QVERIFY2(widget->isEnabledTo(widget->parentWidget()) != enabled,
                     qPrintable(entry.name));
            state.settings = {{entry.target, ViewProperty::Enabled, enabled}};
            applier.Apply(state);
        }
    }

    // The list above covers whatever the rules produce, so the test above misses no control.
    void theRulesNameOnlyListedControls() {
        const std::vector<Expected> expected = ExpectedControls();
        for (bool tpsRows : {false, true}) {
            for (bool special : {false, true}) {
                ViewInputs in;
                in.tpsRowsTicked = tpsRows;
                in.specialSelected = special;
                for (const ViewSetting& setting : ComputeViewRules(StartupBlock(), in).settings) {
                    QVERIFY2(Listed(expected, setting.target),
                             qPrintable(QString("%1/%2")
                                            .arg(int(setting.target.control))
                                            .arg(setting.target.index)));
                }
            }
        }
    }

    // The print view hides the tools but keeps every value the paper shows.
    void printViewKeepsTheValuesOnTheWindow() {
        TFormHlav form;
        ViewRulesApplier applier(form, form.controls());
        ConfigBlock block = StartupBlock();
        block.input1Function = 4;
        ViewInputs in;
        in.tpsRowsTicked = true;
        in.printView = true;
        applier.Apply(ComputeViewRules(block, in));
        for (const char* shown : {"Edit50", "Edit145", "EditRpmAdv1", "EditRpmAdv3", "EditOmez2",
                                  "EditNapPriv10", "LabelTps1"})
            QVERIFY2(Shown(form, shown), shown);
        for (const char* hidden : {"UpDown50", "UpDownRpmAdv3", "StatusBar1", "CSpinButton1"})
            QVERIFY2(!Shown(form, hidden), hidden);
        in.tpsRowsTicked = false; // a single map row; the speed axis stays
        applier.Apply(ComputeViewRules(block, in));
        QVERIFY(Shown(form, "EditRpmAdv1"));
        QVERIFY(Shown(form, "Edit140"));
        QVERIFY(!Shown(form, "Edit50"));
    }
};

QTEST_MAIN(ViewRulesApplierTest)
#include "test_view_rules_applier.moc"
