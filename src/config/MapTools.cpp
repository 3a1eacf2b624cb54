#include "config/MapTools.h"

#include "config/Conversions.h"

namespace kx {

namespace {

constexpr uint8_t kServoMvLowest = 1;    // 20 mV
constexpr uint8_t kServoMvHighest = 249; // 4980 mV, one step below the field's maximum

void StepWithin(uint8_t& value, Step step, uint8_t lowest, uint8_t highest) {
    if (step == Step::Down && value > lowest)
        --value;
    else if (step == Step::Up && value < highest)
        ++value;
}

} // namespace

void StepAdvance(ConfigBlock& block, Step step, bool wholeMap, const LiveCell& cell) {
    if (wholeMap) {
        for (uint8_t& degrees : block.advance)
            StepWithin(degrees, step, 0, kAdvanceMax);
    } else if (!cell.rpmBelowAxis && cell.tpsRow < kMapRows && cell.rpmColumn < kMapColumns) {
        StepWithin(block.advance[MapIndex(cell.tpsRow, cell.rpmColumn)], step, 0, kAdvanceMax);
    }
}

void StepSpeedColumn(ConfigBlock& block, int column, Step step) {
    if (column < 0 || column >= kMapColumns)
        return;
    for (int row = 0; row < kMapRows; ++row)
        StepWithin(block.advance[MapIndex(row, column)], step, 0, kAdvanceMax);
}

void StepServo(ConfigBlock& block, Step step, bool wholeTable, uint8_t servoColumn) {
    if (wholeTable) {
        for (uint8_t& position : block.servoMv)
            StepWithin(position, step, kServoMvLowest, kServoMvHighest);
    } else if (servoColumn < kAxisPoints) {
        StepWithin(block.servoMv[servoColumn], step, kServoMvLowest, kServoMvHighest);
    }
}

bool CaptureTps0(ConfigBlock& block, int liveTpsMv) {
    if (liveTpsMv < 100 || liveTpsMv > 2500)
        return false;
    block.tps0 = StoredFromShown(Scale::Tens, liveTpsMv);
    return true;
}

bool CaptureTps100(ConfigBlock& block, int liveTpsMv) {
    if (liveTpsMv < 2500 || liveTpsMv > 4900)
        return false;
    block.tps100 = Tps100FromMv(liveTpsMv);
    return true;
}

} // namespace kx
