#pragma once

#include "config/ConfigBlock.h"

#include <cstdint>

namespace kx {

// Where the engine currently runs in the maps. All zero before the first tick.
struct OperatingPoint {
    uint8_t rpmColumn = 0;     // nearest rpmAdv entry
    uint8_t tpsRow = 0;        // nearest throttle row
    uint8_t servoColumn = 0;   // nearest servoRpm entry
    bool rpmBelowAxis = false; // speed below rpmAdv[0]: no map cell is marked

    bool operator==(const OperatingPoint& o) const {
        return rpmColumn == o.rpmColumn && tpsRow == o.tpsRow && servoColumn == o.servoColumn &&
               rpmBelowAxis == o.rpmBelowAxis;
    }
};

// Index of the entry of the ascending ten-entry table nearest to value, searching from `first`.
// A value exactly between two entries belongs to the lower one. Returns -1 when the search found
// no entry at or below the value (only possible from first = 0).
int NearestBreakpoint(const uint8_t (&table)[10], int first, int value);

// The operating point for the live speed and throttle. tpsRowsOn is the state of the throttle-rows
// check box on the window (not the record's flag): without throttle rows the 100 % row is used.
OperatingPoint TrackOperatingPoint(const ConfigBlock& block, uint16_t liveRpm,
                                   uint8_t liveTpsPercent, bool tpsRowsOn);

} // namespace kx
