#pragma once

#include "config/ConfigBlock.h"

#include <cstdint>

namespace kx {

enum class Step { Down, Up };

// Where a single-cell step applies: the live operating point.
struct LiveCell {
    uint8_t tpsRow = 0;
    uint8_t rpmColumn = 0;
    bool rpmBelowAxis = true; // no cell while the engine is below the speed axis
};

// One degree more or less of advance for the whole map or for the live cell, within 0..60.
// Cells at a stop stay; the others still move.
void StepAdvance(ConfigBlock& block, Step step, bool wholeMap, const LiveCell& cell);

// One degree more or less in every throttle row of one speed column, hidden rows included.
void StepSpeedColumn(ConfigBlock& block, int column, Step step);

// One 20 mV step of servo position for the whole table or one entry, within 20..4980 mV.
void StepServo(ConfigBlock& block, Step step, bool wholeTable, uint8_t servoColumn);

// Take the live throttle voltage as the 0 % or 100 % calibration. Returns false, changing
// nothing, when the voltage is outside what the capture accepts (100..2500 and 2500..4900 mV);
// these ranges are wider than the fields', on purpose, so a sensor at its very end can be taken.
bool CaptureTps0(ConfigBlock& block, int liveTpsMv);
bool CaptureTps100(ConfigBlock& block, int liveTpsMv);

} // namespace kx
