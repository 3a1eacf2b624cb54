#pragma once

#include "config/ConfigBlock.h"
#include "link/Frame.h"

#include <cstdint>
#include <optional>

namespace kx {

// The unit's live-data answer (first byte 0xB0). 16-bit values travel least significant byte
// first; flags are bytes where any non-zero value means on.
struct MonitorTelegram {
    uint16_t rpm = 0;
    uint16_t tpsRaw = 0; // 10-bit converter count, 1023 = 5000 mV
    uint16_t supplyMv = 0;
    uint16_t servoMeasuredRaw = 0;
    uint16_t servoDesiredRaw = 0;
    uint16_t programCount = 0;
    uint16_t testValue[8] = {};
    uint8_t killSwitchActive = 0;
    uint8_t retardActive = 0;
    uint8_t startLimiterActive = 0;
    uint8_t clutchActive = 0;
    uint8_t tpsPercent = 0; // above 100: throttle sensor error
    uint8_t pilotLightOn = 0;
    uint8_t pickupRevs[2] = {};
    uint8_t pickupPulses[2] = {};
    uint8_t pickupRunning[2] = {};
    uint8_t outputAdvance[2] = {}; // degrees + 100
    uint16_t advanceLimit[2] = {}; // degrees, 0 = no limit reported
    uint8_t rpmAlarm = 0;
    uint8_t motorOff = 0;
    uint8_t rpmWarning = 0;
    uint8_t servoOk = 0;
    uint8_t inputGrounded[2] = {};
    uint16_t saveCountdown = 0;
    uint8_t eepromError = 0;
    uint8_t unitVersion = 0;
};

// Converter count to millivolts, truncated as the unit does.
constexpr int RawToMillivolts(int raw) {
    return raw * 5000 / 1023;
}

bool IsValidMonitorTelegram(const uint8_t* frame);
MonitorTelegram ParseMonitorTelegram(const uint8_t* frame);
// A sealed frame carrying the telegram; bytes it has no field for are zero.
Frame EncodeMonitorTelegram(const MonitorTelegram& telegram);

// Values the rest of the tool reads: the operating point, the throttle capture, the saving
// progress. They keep the last valid telegram's values when telegrams stop.
struct LiveValues {
    uint16_t liveRpm = 0;
    uint8_t liveTpsPercent = 0;
    uint16_t liveTpsMv = 0;
    uint16_t saveCountdown = 0;
};

// How far a live value is from its normal range.
enum class Level : uint8_t { Normal, Warning, Alarm };

// One advance line of the monitor panel.
struct AdvanceReading {
    int output = 0;           // 1 or 2 for a line of its own output; 0 for both outputs on one line
    bool pickupFault = false; // the pick-up sees noise or the lobe count is wrong
    int advance = 0;          // degrees
    int limit = 0;            // degrees, 0 = no limit reported
    Level level = Level::Normal; // a warning at the limit
};

// The monitor panel's states from the last valid telegram, beside the live values: levels, flags
// and the numbers shown. A state no telegram has set yet is empty.
struct MonitorState {
    Level rpmLevel = Level::Normal;
    int rpmPercent = 0; // of the rev limiter, 0..100
    uint16_t supplyMv = 0;
    Level supplyLevel = Level::Normal;
    bool motorOff = false;
    // Line 1 always; line 2 only for the bike type with two outputs set up by hand, else it keeps
    // what it had.
    std::optional<AdvanceReading> advance[2];
    bool pilotLightOn = false;
    bool pickupRunning[2] = {};
    bool tpsError = false;
    Level tpsLevel = Level::Normal; // an error only alarms when the map uses the throttle
    bool servoVisible = false;      // follows the servo group's visibility
    int servoDesiredMv = 0;
    int servoMeasuredMv = 0;
    bool servoOk = false;
    // LabelVersion shows while the unit's version differs and the link is up; the last version
    // that differed stays while it is hidden.
    bool versionVisible = false;
    std::optional<int> mismatchedVersion;
    bool eepromError = false; // LabelEeDataErr
    uint16_t programCount = 0;
    uint16_t testValue[8] = {};
    bool inputGrounded[2] = {};
    bool clutchActive = false;
    bool startLimiterActive = false;
    bool retardActive = false;
    bool killSwitchActive = false;
};

// The unit version this program's monitor telegram belongs to.
constexpr int kExpectedUnitVersion = 50;

// Checks a received telegram and, when valid, updates the live values and the panel's states.
// Returns false (changing nothing) for a wrong first byte or check byte.
bool DecodeMonitorTelegram(const uint8_t* frame, const ConfigBlock& block, bool servoGroupVisible,
                           LiveValues& live, MonitorState& state);

} // namespace kx
