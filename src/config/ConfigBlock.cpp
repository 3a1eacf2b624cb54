#include "config/ConfigBlock.h"

#include "config/Presets.h"

#include <cstring>

namespace kx {

namespace {

// Bounds each point i to (i + 3)..(i + 191) hundred rpm, then makes the axis strictly increasing
// by pushing equal or smaller points up, never down.
void NormaliseSpeedAxis(uint8_t (&axis)[kAxisPoints]) {
    for (int i = 0; i < kAxisPoints; ++i) {
        if (axis[i] < i + 3)
            axis[i] = uint8_t(i + 3);
        if (axis[i] > i + 191)
            axis[i] = uint8_t(i + 191);
    }
    for (int i = 1; i < kAxisPoints; ++i) {
        if (axis[i] <= axis[i - 1])
            axis[i] = uint8_t(axis[i - 1] + 1);
    }
}

} // namespace

bool ConfigBlock::operator==(const ConfigBlock& other) const {
    return std::memcmp(bytes(), other.bytes(), kRecordSize) == 0;
}

void NormaliseBlock(ConfigBlock& block) {
    NormaliseSpeedAxis(block.rpmAdv);
    if (block.tps0 > 250)
        block.tps0 = 250;
    if (block.tps100 > 250)
        block.tps100 = 250;
    NormaliseSpeedAxis(block.servoRpm);
    if (block.synchroMode == kSynchroOneLobe)
        block.lobeCount = 1;
    for (int i = 0; i < kUsedChannels; ++i) {
        if (block.maxAdvLobe[i] > block.lobeCount)
            block.maxAdvLobe[i] = block.lobeCount;
        if (block.startAdvLobe[i] > block.lobeCount)
            block.startAdvLobe[i] = block.lobeCount;
        if (!UsesSecondPickup(block.synchroMode)) {
            block.maxAdvPickup2[i] = 0;
            block.startAdvPickup2[i] = 0;
        }
    }
    if (block.outputCount >= 2)
        block.outputCount = 2;
    if (block.startLimiter > block.limiter)
        block.startLimiter = block.limiter;
}

void NormaliseBlock(ConfigBlock& block, AppChoices& choices) {
    NormaliseBlock(block);
    if (choices.languageIndex >= kLanguageCount)
        choices.languageIndex = 0;
    if (choices.portIndex >= kPortCount)
        choices.portIndex = 0;
}

ConfigBlock StartupBlock() {
    ConfigBlock block{};
    block.bike = kClassicBikeCode;
    bool keepSpecial = false;
    ApplyPreset(block, keepSpecial);
    NormaliseBlock(block);
    return block;
}

} // namespace kx
