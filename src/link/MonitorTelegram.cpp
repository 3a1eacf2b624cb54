#include "link/MonitorTelegram.h"

#include "ui/text/MessageTexts.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <utility>

namespace kx {

namespace {

constexpr int kExpectedUnitVersion = 50;
constexpr char kDegree[] = "\xC2\xB0"; // the degree sign in UTF-8

// The one list of telegram fields and their offsets, shared by parsing and encoding so the two
// directions cannot drift apart. `visit(offset, field)` gets a uint8_t or uint16_t lvalue.
template <typename Telegram, typename Visit>
void ForEachField(Telegram& t, Visit&& visit) {
    visit(1, t.rpm);
    visit(3, t.tpsRaw);
    visit(5, t.supplyMv);
    visit(7, t.servoMeasuredRaw);
    visit(9, t.servoDesiredRaw);
    visit(11, t.programCount);
    for (int i = 0; i < 8; ++i) {
        visit(13 + 2 * i, t.testValue[i]);
    }
    visit(37, t.killSwitchActive);
    visit(38, t.retardActive);
    visit(39, t.startLimiterActive);
    visit(40, t.clutchActive);
    visit(41, t.tpsPercent);
    visit(42, t.pilotLightOn);
    for (int k = 0; k < 2; ++k) {
        visit(44 + k, t.pickupRevs[k]);
        visit(46 + k, t.pickupPulses[k]);
        visit(48 + k, t.pickupRunning[k]);
        visit(50 + k, t.outputAdvance[k]);
        visit(54 + 2 * k, t.advanceLimit[k]);
        visit(66 + k, t.inputGrounded[k]);
    }
    visit(62, t.rpmAlarm);
    visit(63, t.motorOff);
    visit(64, t.rpmWarning);
    visit(65, t.servoOk);
    visit(95, t.saveCountdown);
    visit(99, t.eepromError);
    visit(100, t.unitVersion);
}

void Load(const uint8_t* frame, int offset, uint8_t& value) {
    value = frame[offset];
}
void Load(const uint8_t* frame, int offset, uint16_t& value) {
    value = uint16_t(frame[offset] | frame[offset + 1] << 8);
}
void Store(uint8_t* frame, int offset, uint8_t value) {
    frame[offset] = value;
}
void Store(uint8_t* frame, int offset, uint16_t value) {
    frame[offset] = uint8_t(value);
    frame[offset + 1] = uint8_t(value >> 8);
}

std::string Num(int value) {
    return std::to_string(value);
}

const std::string& YesNo(const MessageTexts& texts, uint8_t flag) {
    return flag ? texts.MsgYes : texts.MsgNo;
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

Colour VoltageColour(uint16_t millivolts) {
    if (millivolts >= 17999 || millivolts <= 7000) {
        return Colour::Red;
    }
    if (millivolts >= 14999 || millivolts <= 11000) {
        return Colour::Yellow;
    }
    return Colour::ButtonFace;
}

// Too few revolutions seen but more pulses than those revolutions can carry: the pick-up sees
// noise or the lobe count is wrong. N * L is a full integer product, it may exceed a byte.
bool HasPickupFault(const MonitorTelegram& t, const ConfigBlock& block) {
    const int revs = block.noIgnitionRevs;
    const int pulses = revs * block.lobeCount;
    for (int k = 0; k < 2; ++k) {
        if (t.pickupRevs[k] < revs && pulses < t.pickupPulses[k]) {
            return true;
        }
    }
    return false;
}

// "<word><label> = a [°]", with " /max m [°]" when the unit reports a limit; yellow at the limit.
LabelState AdvanceLabel(const MessageTexts& texts, const std::string& label, int advance,
                        int limit) {
    LabelState state;
    state.caption = texts.MsgAdvance + label + " = " + Num(advance) + " [" + kDegree + "]";
    if (limit != 0) {
        state.caption += " /max " + Num(limit) + " [" + kDegree + "]";
    }
    state.colour = limit > 0 && advance >= limit ? Colour::Yellow : Colour::ButtonFace;
    return state;
}

void ShowAdvance(const MonitorTelegram& t, const ConfigBlock& block, const MessageTexts& texts,
                 MonitorDisplay& display) {
    const bool fault = HasPickupFault(t, block);
    const LabelState faultState{texts.MsgPickupError, Colour::Red};

    if (block.bike == 1) {
        // This bike type has two outputs set up by hand, so each gets its own line.
        LabelState* labels[2] = {&display.LabelAdvance1, &display.LabelAdvance2};
        for (int k = 0; k < 2; ++k) {
            *labels[k] = fault ? faultState
                               : AdvanceLabel(texts, " " + Num(k + 1), t.outputAdvance[k] - 100,
                                              t.advanceLimit[k]);
        }
        return;
    }

    if (fault) {
        display.LabelAdvance1 = faultState;
        return;
    }
    // One line for both outputs: the most advanced output against the tightest reported limit.
    const int limit0 = t.advanceLimit[0];
    const int limit1 = t.advanceLimit[1];
    int limit = 0;
    if (limit0 != 0 && limit1 != 0) {
        limit = std::min(limit0, limit1);
    } else {
        limit = limit0 != 0 ? limit0 : limit1;
    }
    const int advance = std::max({0, t.outputAdvance[0] - 100, t.outputAdvance[1] - 100});
    display.LabelAdvance1 = AdvanceLabel(texts, "", advance, limit);
}

LabelState FlagLabel(std::string caption, uint8_t flag, Colour onColour) {
    return {std::move(caption), flag ? onColour : Colour::ButtonFace};
}

} // namespace

bool IsValidMonitorTelegram(const uint8_t* frame) {
    return frame[0] == kMonitorAnswer && HasValidCheckByte(frame);
}

MonitorTelegram ParseMonitorTelegram(const uint8_t* frame) {
    MonitorTelegram telegram;
    ForEachField(telegram, [frame](int offset, auto& field) { Load(frame, offset, field); });
    return telegram;
}

Frame EncodeMonitorTelegram(const MonitorTelegram& telegram) {
    Frame frame{};
    frame[0] = kMonitorAnswer;
    ForEachField(telegram,
                 [&frame](int offset, auto field) { Store(frame.data(), offset, field); });
    SealFrame(frame);
    return frame;
}

bool DecodeMonitorTelegram(const uint8_t* frame, const ConfigBlock& block,
                           const MessageTexts& texts, bool servoGroupVisible, LiveValues& live,
                           MonitorDisplay& display) {
    if (!IsValidMonitorTelegram(frame)) {
        return false;
    }
    const MonitorTelegram t = ParseMonitorTelegram(frame);

    live.liveTpsPercent = t.tpsPercent;
    live.liveRpm = t.rpm;

    display.LabelRpm.caption = "RPM = " + Num(live.liveRpm) + " ";
    display.LabelRpm.colour = t.rpmAlarm     ? Colour::Red
                              : t.rpmWarning ? Colour::Yellow
                                             : Colour::ButtonFace;

    // The limiter is stored in hundreds of rpm, so this is percent of the rev limit.
    const int divisor = block.limiter != 0 ? block.limiter : 100;
    display.CGaugeRpm = std::min(100, live.liveRpm / divisor);

    display.LabelNapeti = {"U = " + Volts(t.supplyMv) + " [V]", VoltageColour(t.supplyMv)};

    display.LabelBlocking1 =
        FlagLabel(texts.MsgMotorOff + " - " + YesNo(texts, t.motorOff), t.motorOff, Colour::Red);

    ShowAdvance(t, block, texts, display);

    display.LabelMonPilotLight = FlagLabel(
        texts.MsgPilotLight + " - " + YesNo(texts, t.pilotLightOn), t.pilotLightOn, Colour::Yellow);

    LabelState* pickupLabels[2] = {&display.LabelMonSnimac1, &display.LabelMonSnimac2};
    for (int k = 0; k < 2; ++k) {
        const uint8_t running = t.pickupRunning[k];
        *pickupLabels[k] = FlagLabel(texts.MsgPickup + " " + Num(k + 1) + " - " +
                                         (running ? texts.MsgRunning : texts.MsgNoSignal),
                                     running, Colour::Lime);
    }

    // Counts beyond the converter's range would wrap the 16-bit value into a plausible voltage
    // that the TPS capture buttons would take; held at the top instead.
    live.liveTpsMv = uint16_t(std::min(RawToMillivolts(t.tpsRaw), 0xFFFF));
    if (live.liveTpsPercent <= 100) {
        display.LabelTpsMon = {"TP= " + Num(live.liveTpsPercent) + " [%]= " + Num(live.liveTpsMv) +
                                   " [mV]",
                               Colour::ButtonFace};
        display.CGaugeTps = live.liveTpsPercent;
    } else {
        // A sensor error only matters, and so only shows red, when the map uses the throttle.
        display.LabelTpsMon = {"TP=error = " + Num(live.liveTpsMv) + " [mV]",
                               block.tpsMapa ? Colour::Red : Colour::ButtonFace};
        display.CGaugeTps = 0;
    }

    display.servoLabelsVisible = servoGroupVisible;
    const Colour servoColour = t.servoOk ? Colour::ButtonFace : Colour::Red;
    display.LabelPriveraPoz = {texts.MsgServoDesired + " " +
                                   Num(RawToMillivolts(t.servoDesiredRaw)) + " [mV]",
                               servoColour};
    display.LabelPriveraMer = {texts.MsgServoMeasured + " " +
                                   Num(RawToMillivolts(t.servoMeasuredRaw)) + " [mV]",
                               servoColour};

    // A hidden version label keeps its last caption; it is only rebuilt while it is shown.
    display.versionVisible = t.unitVersion != kExpectedUnitVersion;
    if (display.versionVisible) {
        display.LabelVersion.caption = texts.MsgVersionMismatch + "  PC-" +
                                       Num(kExpectedUnitVersion) + ", IGN-" + Num(t.unitVersion);
    }

    live.saveCountdown = t.saveCountdown;
    display.eeDataErrorVisible = t.eepromError != 0;
    display.LabelPocetProgramovani.caption = texts.MsgProgramCount + Num(t.programCount);

    for (int i = 0; i < 8; ++i) {
        display.LabelTest[i].caption = "Test" + Num(i + 1) + " = " + Num(t.testValue[i]) + " ";
    }

    display.LabelMonInput1In =
        FlagLabel(texts.MsgInput +
                      " 1: " + (t.inputGrounded[0] ? texts.MsgInputGrounded : texts.MsgInputOpen),
                  t.inputGrounded[0], Colour::Fuchsia);
    display.LabelMonInput2In =
        FlagLabel(texts.MsgInput +
                      " 2: " + (t.inputGrounded[1] ? texts.MsgInputGrounded : texts.MsgInputOpen),
                  t.inputGrounded[1], Colour::Aqua);
    display.LabelClutchMon = FlagLabel(texts.MsgClutch + " - " + YesNo(texts, t.clutchActive),
                                       t.clutchActive, Colour::Lime);
    display.LabelMonStartLimiterOut =
        FlagLabel(texts.MsgStartLimiter + ": " + YesNo(texts, t.startLimiterActive),
                  t.startLimiterActive, Colour::Fuchsia);
    display.LabelMonRetard = FlagLabel(texts.MsgRetard + " - " + YesNo(texts, t.retardActive),
                                       t.retardActive, Colour::Aqua);
    display.LabelKillSwitch =
        FlagLabel(texts.MsgKillSwitch + " - " + YesNo(texts, t.killSwitchActive),
                  t.killSwitchActive, Colour::Red);
    return true;
}

} // namespace kx
