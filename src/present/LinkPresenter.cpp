#include "present/LinkPresenter.h"

#include "texts/MessageTexts.h"

#include <charconv>
#include <utility>

namespace kx {

namespace {

constexpr char kDegree[] = "\xC2\xB0"; // the degree sign in UTF-8

std::string Num(int value) {
    return std::to_string(value);
}

const std::string& FailureText(const MessageTexts& texts, TransferMode failed) {
    return failed == ModeProgram  ? texts.MsgProgramError
           : failed == ModeVerify ? texts.MsgVerifyError
                                  : texts.MsgReadError;
}

LabelState StatusLabel(const TransferState& state, const MessageTexts& texts, Colour colour) {
    switch (state.message) {
    case StatusMessage::None:
        break;
    case StatusMessage::Programming:
        return {texts.MsgProgramming, Colour::ButtonFace};
    case StatusMessage::Verifying:
        return {texts.MsgVerifying, Colour::ButtonFace};
    case StatusMessage::Reading:
        return {texts.MsgReading, Colour::ButtonFace};
    case StatusMessage::VerifyingWritten:
        return {texts.MsgVerifying + ":", Colour::ButtonFace};
    case StatusMessage::VerifyPassed:
        return {texts.MsgVerifying + ": OK", Colour::ButtonFace};
    case StatusMessage::Programmed:
        return {texts.MsgProgramming + ": OK", colour};
    case StatusMessage::Failed:
        return {FailureText(texts, state.failedExchange), Colour::Red};
    case StatusMessage::Saving:
        return {texts.MsgSaving, Colour::ButtonFace};
    }
    return {std::string(), colour};
}

Colour LevelColour(Level level) {
    switch (level) {
    case Level::Normal:
        break;
    case Level::Warning:
        return Colour::Yellow;
    case Level::Alarm:
        return Colour::Red;
    }
    return Colour::ButtonFace;
}

const std::string& YesNo(const MessageTexts& texts, bool flag) {
    return flag ? texts.MsgYes : texts.MsgNo;
}

LabelState FlagLabel(std::string caption, bool flag, Colour onColour) {
    return {std::move(caption), flag ? onColour : Colour::ButtonFace};
}

// "%4.1f" without the process locale: a German environment must not turn the point into a comma.
std::string Volts(uint16_t millivolts) {
    char digits[32];
    const auto result = std::to_chars(digits, digits + sizeof digits, millivolts * 0.001,
                                      std::chars_format::fixed, 1);
    std::string text(digits, result.ptr);
    if (text.size() < 4) {
        text.insert(0, 4 - text.size(), ' ');
    }
    return text;
}

// "<word><output> = a [°]", with " /max m [°]" when the unit reports a limit.
LabelState AdvanceLabel(const MessageTexts& texts, const std::optional<AdvanceReading>& reading) {
    if (!reading) {
        return {};
    }
    if (reading->pickupFault) {
        return {texts.MsgPickupError, Colour::Red};
    }
    const std::string output = reading->output != 0 ? " " + Num(reading->output) : "";
    std::string caption =
        texts.MsgAdvance + output + " = " + Num(reading->advance) + " [" + kDegree + "]";
    if (reading->limit != 0) {
        caption += " /max " + Num(reading->limit) + " [" + kDegree + "]";
    }
    return {caption, LevelColour(reading->level)};
}

LabelState ThrottleLabel(const LiveValues& live, const MonitorState& state) {
    if (state.tpsError) {
        return {"TP=error = " + Num(live.liveTpsMv) + " [mV]", LevelColour(state.tpsLevel)};
    }
    return {"TP= " + Num(live.liveTpsPercent) + " [%]= " + Num(live.liveTpsMv) + " [mV]",
            Colour::ButtonFace};
}

void PresentFlags(const MonitorState& s, const MessageTexts& texts, MonitorDisplay& display) {
    display.LabelBlocking1 =
        FlagLabel(texts.MsgMotorOff + " - " + YesNo(texts, s.motorOff), s.motorOff, Colour::Red);
    display.LabelMonPilotLight = FlagLabel(
        texts.MsgPilotLight + " - " + YesNo(texts, s.pilotLightOn), s.pilotLightOn, Colour::Yellow);
    LabelState* pickupLabels[2] = {&display.LabelMonSnimac1, &display.LabelMonSnimac2};
    for (int k = 0; k < 2; ++k) {
        const bool running = s.pickupRunning[k];
        *pickupLabels[k] = FlagLabel(texts.MsgPickup + " " + Num(k + 1) + " - " +
                                         (running ? texts.MsgRunning : texts.MsgNoSignal),
                                     running, Colour::Lime);
    }
    const Colour inputColours[2] = {Colour::Fuchsia, Colour::Aqua};
    LabelState* inputLabels[2] = {&display.LabelMonInput1In, &display.LabelMonInput2In};
    for (int k = 0; k < 2; ++k) {
        const bool grounded = s.inputGrounded[k];
        *inputLabels[k] = FlagLabel(texts.MsgInput + " " + Num(k + 1) + ": " +
                                        (grounded ? texts.MsgInputGrounded : texts.MsgInputOpen),
                                    grounded, inputColours[k]);
    }
    display.LabelClutchMon = FlagLabel(texts.MsgClutch + " - " + YesNo(texts, s.clutchActive),
                                       s.clutchActive, Colour::Lime);
    display.LabelMonStartLimiterOut =
        FlagLabel(texts.MsgStartLimiter + ": " + YesNo(texts, s.startLimiterActive),
                  s.startLimiterActive, Colour::Fuchsia);
    display.LabelMonRetard = FlagLabel(texts.MsgRetard + " - " + YesNo(texts, s.retardActive),
                                       s.retardActive, Colour::Aqua);
    display.LabelKillSwitch =
        FlagLabel(texts.MsgKillSwitch + " - " + YesNo(texts, s.killSwitchActive),
                  s.killSwitchActive, Colour::Red);
}

} // namespace

const StatusDisplay& StatusPresenter::Present(const TransferState& state,
                                              const MessageTexts& texts) {
    if (state.messageCount != messagesShown_) {
        messagesShown_ = state.messageCount;
        display_.LabelHlaseni = StatusLabel(state, texts, display_.LabelHlaseni.colour);
    }
    display_.labelVisible = state.labelVisible;
    display_.gaugeMaximum = state.steps;
    display_.gaugeProgress = state.step;
    display_.gaugeVisible = state.gaugeVisible;
    return display_;
}

std::string VersionMismatchText(const MessageTexts& texts, int pcVersion, int unitVersion) {
    return texts.MsgVersionMismatch + "  PC-" + Num(pcVersion) + ", IGN-" + Num(unitVersion);
}

MonitorDisplay PresentMonitor(const LiveValues& live, const MonitorState& state,
                              const MessageTexts& texts) {
    MonitorDisplay display;
    display.LabelRpm = {"RPM = " + Num(live.liveRpm) + " ", LevelColour(state.rpmLevel)};
    display.CGaugeRpm = state.rpmPercent;
    display.LabelNapeti = {"U = " + Volts(state.supplyMv) + " [V]", LevelColour(state.supplyLevel)};
    display.LabelAdvance1 = AdvanceLabel(texts, state.advance[0]);
    display.LabelAdvance2 = AdvanceLabel(texts, state.advance[1]);
    PresentFlags(state, texts, display);

    display.LabelTpsMon = ThrottleLabel(live, state);
    display.CGaugeTps = state.tpsError ? 0 : live.liveTpsPercent;

    display.servoLabelsVisible = state.servoVisible;
    const Colour servoColour = state.servoOk ? Colour::ButtonFace : Colour::Red;
    display.LabelPriveraPoz = {texts.MsgServoDesired + " " + Num(state.servoDesiredMv) + " [mV]",
                               servoColour};
    display.LabelPriveraMer = {texts.MsgServoMeasured + " " + Num(state.servoMeasuredMv) + " [mV]",
                               servoColour};

    display.versionVisible = state.versionVisible;
    if (state.mismatchedVersion) {
        display.LabelVersion.caption =
            VersionMismatchText(texts, kExpectedUnitVersion, *state.mismatchedVersion);
    }
    display.eeDataErrorVisible = state.eepromError;
    display.LabelPocetProgramovani.caption = texts.MsgProgramCount + Num(state.programCount);
    for (int i = 0; i < 8; ++i) {
        display.LabelTest[i].caption = "Test" + Num(i + 1) + " = " + Num(state.testValue[i]) + " ";
    }
    return display;
}

} // namespace kx
