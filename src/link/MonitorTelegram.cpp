#include "link/MonitorTelegram.h"

#include <algorithm>
#include <iterator>

namespace kx {

namespace {

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

Level SupplyLevel(uint16_t millivolts) {
    if (millivolts >= 17999 || millivolts <= 7000) {
        return Level::Alarm;
    }
    if (millivolts >= 14999 || millivolts <= 11000) {
        return Level::Warning;
    }
    return Level::Normal;
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

AdvanceReading Advance(int output, int advance, int limit) {
    AdvanceReading reading;
    reading.output = output;
    reading.advance = advance;
    reading.limit = limit;
    reading.level = limit > 0 && advance >= limit ? Level::Warning : Level::Normal;
    return reading;
}

void DecodeAdvance(const MonitorTelegram& t, const ConfigBlock& block, MonitorState& state) {
    AdvanceReading fault;
    fault.pickupFault = HasPickupFault(t, block);

    if (block.bike == kSpecialBikeCode) {
        // This bike type has two outputs set up by hand, so each gets its own line.
        for (int k = 0; k < 2; ++k) {
            fault.output = k + 1;
            state.advance[k] = fault.pickupFault
                                   ? fault
                                   : Advance(k + 1, t.outputAdvance[k] - 100, t.advanceLimit[k]);
        }
        return;
    }

    if (fault.pickupFault) {
        state.advance[0] = fault;
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
    state.advance[0] = Advance(0, advance, limit);
}

void DecodeFlags(const MonitorTelegram& t, MonitorState& state) {
    state.motorOff = t.motorOff != 0;
    state.pilotLightOn = t.pilotLightOn != 0;
    for (int k = 0; k < 2; ++k) {
        state.pickupRunning[k] = t.pickupRunning[k] != 0;
        state.inputGrounded[k] = t.inputGrounded[k] != 0;
    }
    state.clutchActive = t.clutchActive != 0;
    state.startLimiterActive = t.startLimiterActive != 0;
    state.retardActive = t.retardActive != 0;
    state.killSwitchActive = t.killSwitchActive != 0;
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

bool DecodeMonitorTelegram(const uint8_t* frame, const ConfigBlock& block, bool servoGroupVisible,
                           LiveValues& live, MonitorState& state) {
    if (!IsValidMonitorTelegram(frame)) {
        return false;
    }
    const MonitorTelegram t = ParseMonitorTelegram(frame);

    live.liveTpsPercent = t.tpsPercent;
    live.liveRpm = t.rpm;
    state.rpmLevel = t.rpmAlarm ? Level::Alarm : t.rpmWarning ? Level::Warning : Level::Normal;
    // The limiter is stored in hundreds of rpm, so this is percent of the rev limit.
    const int divisor = block.limiter != 0 ? block.limiter : 100;
    state.rpmPercent = std::min(100, live.liveRpm / divisor);

    state.supplyMv = t.supplyMv;
    state.supplyLevel = SupplyLevel(t.supplyMv);
    DecodeAdvance(t, block, state);
    DecodeFlags(t, state);

    // Counts beyond the converter's range would wrap the 16-bit value into a plausible voltage
    // that the TPS capture buttons would take; held at the top instead.
    live.liveTpsMv = uint16_t(std::min(RawToMillivolts(t.tpsRaw), 0xFFFF));
    state.tpsError = live.liveTpsPercent > 100;
    // A sensor error only matters, and so only alarms, when the map uses the throttle.
    state.tpsLevel = state.tpsError && block.tpsMapa ? Level::Alarm : Level::Normal;

    state.servoVisible = servoGroupVisible;
    state.servoOk = t.servoOk != 0;
    state.servoDesiredMv = RawToMillivolts(t.servoDesiredRaw);
    state.servoMeasuredMv = RawToMillivolts(t.servoMeasuredRaw);

    state.versionVisible = t.unitVersion != kExpectedUnitVersion;
    if (state.versionVisible) {
        state.mismatchedVersion = t.unitVersion;
    }

    live.saveCountdown = t.saveCountdown;
    state.eepromError = t.eepromError != 0;
    state.programCount = t.programCount;
    std::copy(std::begin(t.testValue), std::end(t.testValue), state.testValue);
    return true;
}

} // namespace kx
