#pragma once

#include "config/ConfigBlock.h"
#include "link/Display.h"
#include "link/Frame.h"

#include <cstdint>

namespace kx {

struct MessageTexts;

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

// Captions, colours and gauge values of the monitor panel, named after the controls showing them.
struct MonitorDisplay {
    LabelState LabelRpm;
    int CGaugeRpm = 0; // percent of the rev limiter, 0..100
    LabelState LabelNapeti;
    LabelState LabelBlocking1;
    LabelState LabelAdvance1;
    LabelState LabelAdvance2;
    LabelState LabelMonPilotLight;
    LabelState LabelMonSnimac1;
    LabelState LabelMonSnimac2;
    LabelState LabelTpsMon;
    int CGaugeTps = 0;
    LabelState LabelPriveraPoz;
    LabelState LabelPriveraMer;
    bool servoLabelsVisible = false; // follows the servo group's visibility
    LabelState LabelVersion;
    bool versionVisible = false;
    bool eeDataErrorVisible = false; // LabelEeDataErr
    LabelState LabelPocetProgramovani;
    LabelState LabelTest[8];
    LabelState LabelMonInput1In;
    LabelState LabelMonInput2In;
    LabelState LabelClutchMon;
    LabelState LabelMonStartLimiterOut;
    LabelState LabelMonRetard;
    LabelState LabelKillSwitch;
};

// Checks a received telegram and, when valid, updates the live values and the whole panel.
// Returns false (changing nothing) for a wrong first byte or check byte.
bool DecodeMonitorTelegram(const uint8_t* frame, const ConfigBlock& block,
                           const MessageTexts& texts, bool servoGroupVisible, LiveValues& live,
                           MonitorDisplay& display);

} // namespace kx
