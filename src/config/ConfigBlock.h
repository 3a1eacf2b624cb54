#pragma once

#include "config/AppChoices.h"

#include <cstddef>
#include <cstdint>

namespace kx {

constexpr int kMapRows = 10;    // throttle rows 0 % .. 100 %
constexpr int kMapColumns = 10; // speed columns, one per rpmAdv entry
constexpr int kAxisPoints = 10; // rpmAdv, servoRpm, servoMv
constexpr int kChannels = 4;    // room for four output channels; only the first two are used
constexpr int kUsedChannels = 2;
constexpr int kAdvanceMax = 60; // degrees
constexpr int kRecordSize = 207;
constexpr int kImageSize = 200;
constexpr int kDataBlockSize = 100;

// Bike (keying) type codes stored in `bike`. Every type but the special one fixes the keying
// fields; the special type is described by hand.
constexpr uint8_t kClassicBikeCode = 0;   // one lobe per revolution
constexpr uint8_t kSpecialBikeCode = 1;   // manually described keying
constexpr uint8_t kTwoLobeBikeCode = 2;   // two lobes per revolution
constexpr uint8_t kThreeLobeBikeCode = 3; // three lobes per revolution, one pick-up
constexpr uint8_t kCmpsBikeCode = 4;      // one lobe per two revolutions (CMPS)

// Synchronisation methods stored in `synchroMode`, in the order of their list.
enum SynchroMethod : uint8_t {
    kSynchroOneLobe = 0, // one lobe, one or two pick-ups
    kSynchroInsertedLobe = 1,
    kSynchroWideLobe = 2,
    kSynchroMissingLobe = 3,
    kSynchroTwoPickupsMissingLobe = 4,
    kSynchroTwoInsertedLobes = 5,
};
constexpr int kSynchroMethods = kSynchroTwoInsertedLobes + 1; // one list item each

// Only these methods read a second pick-up; the others leave its flags and controls unused.
constexpr bool UsesSecondPickup(int synchroMethod) {
    return synchroMethod == kSynchroOneLobe || synchroMethod == kSynchroTwoPickupsMissingLobe;
}

// Functions stored in `input1Function` and `input2Function`, one radio button each. Code 1 is the
// kill switch on input 1 and the blocking input on input 2.
enum InputFunction : uint8_t {
    kInputOff = 0,
    kInputKillSwitch = 1,
    kInputBlocking = 1,
    kInputClutchMaster = 2,
    kInputRetard = 3,
    kInputStartLimiter = 4,
};
constexpr int kInputFunctions = kInputStartLimiter + 1;

// `geberMode` counts lobes per revolution, 1..3; this value stands for one lobe per two
// revolutions.
constexpr uint8_t kGeberModeCmps = 0;
constexpr int kGeberModes = 4; // geberMode 0..3

// The ignition configuration exactly as the unit stores it: 200 bytes of device image followed by
// 7 spare bytes. All members are single bytes, so the struct has no padding and its bytes are the
// record (checked below). Quantities are stored unit-friendly: hundreds of rpm, tens of mV,
// degrees.
struct ConfigBlock {
    uint8_t bike;            // keying type code (k...BikeCode), see BikeCodeFromCombo
    uint8_t noReading;       // flag
    uint8_t synchroMode;     // SynchroMethod
    uint8_t lobeCount;       // 1..58
    uint8_t outputCount;     // 1..2
    uint8_t geberMode;       // lobes per revolution 1..3, or kGeberModeCmps
    uint8_t pickup1Inverted; // flag
    uint8_t pilotLight;      // rpm / 100
    uint8_t pickup2Inverted; // flag
    uint8_t baseAdv;         // degrees
    uint8_t noIgnitionRevs;
    uint8_t tachoPulses;
    uint8_t tachoCorrection; // correction + 100
    uint8_t limiter;         // rpm / 100
    uint8_t input1Function;  // InputFunction; 1 is the kill switch
    uint8_t input2Function;  // InputFunction; 1 is the blocking input
    uint8_t servoEnable;     // flag
    uint8_t servoHyster;     // mV / 5
    uint8_t reserved18[2];
    uint8_t tps0;    // mV / 10
    uint8_t tps100;  // mV / 10 - 250
    uint8_t tpsMapa; // flag: the map uses its throttle rows
    uint8_t compensation1;
    uint8_t compensation2;
    uint8_t startLimiter; // rpm / 100
    uint8_t retard;       // degrees
    uint8_t clutchTime;   // ms / 10
    uint8_t clutchPause;  // ms / 10
    uint8_t reserved29;
    uint8_t maxAdvLobe[kChannels];
    uint8_t startAdvLobe[kChannels];
    uint8_t maxAdvEdge2[kChannels];
    uint8_t startAdvEdge2[kChannels];
    uint8_t maxAdvPickup2[kChannels];
    uint8_t startAdvPickup2[kChannels];
    uint8_t reserved54[16];
    uint8_t servoRpm[kAxisPoints];           // rpm / 100
    uint8_t servoMv[kAxisPoints];            // mV / 20
    uint8_t rpmAdv[kAxisPoints];             // rpm / 100, the map's speed axis
    uint8_t advance[kMapRows * kMapColumns]; // degrees, row by row (see MapIndex)
    uint8_t spare[7];

    // The record as bytes 0..206; bytes 0..199 are the device image. Unsigned char may alias any
    // object, so this view is well defined.
    uint8_t* bytes() { return reinterpret_cast<uint8_t*>(this); }
    const uint8_t* bytes() const { return reinterpret_cast<const uint8_t*>(this); }
    uint8_t& operator[](int offset) { return bytes()[offset]; }
    uint8_t operator[](int offset) const { return bytes()[offset]; }

    bool operator==(const ConfigBlock& other) const;
    bool operator!=(const ConfigBlock& other) const { return !(*this == other); }
};

static_assert(sizeof(ConfigBlock) == kRecordSize,
              "ConfigBlock must be exactly the 207-byte record");
static_assert(offsetof(ConfigBlock, servoHyster) == 17);
static_assert(offsetof(ConfigBlock, tps0) == 20);
static_assert(offsetof(ConfigBlock, reserved29) == 29);
static_assert(offsetof(ConfigBlock, maxAdvLobe) == 30);
static_assert(offsetof(ConfigBlock, startAdvPickup2) == 50);
static_assert(offsetof(ConfigBlock, reserved54) == 54);
static_assert(offsetof(ConfigBlock, servoRpm) == 70);
static_assert(offsetof(ConfigBlock, servoMv) == 80);
static_assert(offsetof(ConfigBlock, rpmAdv) == 90);
static_assert(offsetof(ConfigBlock, advance) == 100);
static_assert(offsetof(ConfigBlock, spare) == 200);

// Throttle percentage that each map row stands for; the row labels show the same numbers.
constexpr uint8_t TpsBreakpoints[kMapRows] = {0, 2, 5, 10, 20, 30, 40, 60, 80, 100};

// Offset of the advance cell for throttle row `row` and speed column `column`.
constexpr int MapIndex(int row, int column) {
    return kMapColumns * row + column;
}

// First record offset carried by data block 1 or 2 of the device image.
constexpr int DataBlockOffset(int blockNumber) {
    return kDataBlockSize * (blockNumber - 1);
}

// Repairs every invariant of the record in place (axes, calibration, keying, limits).
void NormaliseBlock(ConfigBlock& block);
// The same, and brings languageIndex and portIndex back into range.
void NormaliseBlock(ConfigBlock& block, AppChoices& choices);

// The record a fresh window starts from: classic bike type with defaults, normalised.
ConfigBlock StartupBlock();

} // namespace kx
