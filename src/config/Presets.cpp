#include "config/Presets.h"

#include <algorithm>
#include <iterator>

namespace kx {

namespace {

constexpr uint8_t kDefaultRpmAdv[kAxisPoints] = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
constexpr uint8_t kDefaultServoRpm[kAxisPoints] = {12, 20, 30, 40, 60, 80, 100, 120, 140, 160};
constexpr uint8_t kDefaultServoMv[kAxisPoints] = {100, 105, 110, 115, 120, 125, 130, 135, 140, 145};

// Rows 0 % .. 100 % throttle, columns along rpmAdv.
constexpr uint8_t kDefaultAdvance[kMapRows * kMapColumns] = {
    4, 13, 16, 25, 28, 32, 33, 33, 33, 33, //   0 %
    4, 16, 22, 31, 33, 35, 35, 35, 35, 35, //   2 %
    4, 24, 35, 44, 45, 45, 43, 41, 41, 41, //   5 %
    4, 19, 32, 39, 45, 47, 46, 43, 43, 43, //  10 %
    4, 12, 15, 25, 31, 33, 32, 32, 32, 31, //  20 %
    4, 12, 16, 25, 28, 30, 33, 32, 32, 32, //  30 %
    4, 12, 16, 25, 28, 30, 33, 31, 33, 31, //  40 %
    4, 12, 15, 25, 28, 30, 32, 32, 32, 32, //  60 %
    4, 12, 15, 25, 28, 30, 32, 32, 32, 32, //  80 %
    4, 12, 15, 25, 28, 30, 32, 32, 32, 32, // 100 %
};

template <size_t N>
void CopyTable(const uint8_t (&from)[N], uint8_t (&to)[N]) {
    std::copy(std::begin(from), std::end(from), std::begin(to));
}

} // namespace

void SetDefaults(ConfigBlock& block) {
    block.noReading = 0;
    for (int i = 0; i < kUsedChannels; ++i) {
        block.maxAdvEdge2[i] = 0;
        block.startAdvEdge2[i] = 0;
        block.maxAdvPickup2[i] = 0;
        block.startAdvPickup2[i] = 0;
    }
    block.baseAdv = 10;
    block.pickup1Inverted = 0;
    block.pickup2Inverted = 0;
    block.startLimiter = 100;
    block.limiter = 110;
    block.pilotLight = 90;
    block.tps0 = 70;
    block.tps100 = 129;
    block.tpsMapa = 0;
    block.servoEnable = 1;
    block.servoHyster = 40;
    block.tachoPulses = 1;
    block.tachoCorrection = 100;
    CopyTable(kDefaultRpmAdv, block.rpmAdv);
    CopyTable(kDefaultAdvance, block.advance);
    CopyTable(kDefaultServoRpm, block.servoRpm);
    CopyTable(kDefaultServoMv, block.servoMv);
    block.noIgnitionRevs = 1;
    block.compensation1 = 11;
    block.compensation2 = 11;
    block.retard = 6;
    block.clutchTime = 10;
    block.clutchPause = 50;
}

void SetStandardKeying(ConfigBlock& block) {
    block.synchroMode = kSynchroOneLobe;
    block.lobeCount = 1;
    block.maxAdvLobe[0] = block.maxAdvLobe[1] = 1;
    block.startAdvLobe[0] = block.startAdvLobe[1] = 1;
    block.startAdvEdge2[0] = block.startAdvEdge2[1] = 1;
    block.maxAdvPickup2[1] = 1;
    block.startAdvPickup2[1] = 1;
    block.outputCount = 2;
    block.geberMode = 1;
}

void ApplyPreset(ConfigBlock& block, bool& keepSpecial) {
    if (!(block.bike == kSpecialBikeCode && keepSpecial))
        SetDefaults(block);
    switch (block.bike) {
    case kClassicBikeCode:
        SetStandardKeying(block);
        break;
    case kTwoLobeBikeCode:
        SetStandardKeying(block);
        block.geberMode = 2;
        break;
    case kThreeLobeBikeCode:
        SetStandardKeying(block);
        block.geberMode = 3;
        block.outputCount = 1;
        break;
    case kCmpsBikeCode:
        SetStandardKeying(block);
        block.geberMode = kGeberModeCmps;
        break;
    default: // the special type and unknown codes keep their keying
        break;
    }
    keepSpecial = false;
}

} // namespace kx
