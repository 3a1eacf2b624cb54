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
constexpr int kSynchroMethods = 6; // synchroMode 0..5, one list item each
constexpr int kInputFunctions = 5; // input1Function and input2Function 0..4, one radio button each

// The ignition configuration exactly as the unit stores it: 200 bytes of device image followed by
// 7 spare bytes. All members are single bytes, so the struct has no padding and its bytes are the
// record (checked below). Quantities are stored unit-friendly: hundreds of rpm, tens of mV,
// degrees.
struct ConfigBlock {
    uint8_t bike;            // keying type code, see BikeCodeFromCombo
    uint8_t noReading;       // flag
    uint8_t synchroMode;     // synchronisation method 0..5
    uint8_t lobeCount;       // 1..58
    uint8_t outputCount;     // 1..2
    uint8_t geberMode;       // lobes per revolution 1..3; 0 = one lobe per two revolutions
    uint8_t pickup1Inverted; // flag
    uint8_t pilotLight;      // rpm / 100
    uint8_t pickup2Inverted; // flag
    uint8_t baseAdv;         // degrees
    uint8_t noIgnitionRevs;
    uint8_t tachoPulses;
    uint8_t tachoCorrection; // correction + 100
    uint8_t limiter;         // rpm / 100
    uint8_t input1Function;  // 0 Off, 1 Kill switch, 2 Clutch master, 3 Retard, 4 Start limiter
    uint8_t input2Function;  // 0 Off, 1 Blocking, 2 Clutch master, 3 Retard, 4 Start limiter
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
