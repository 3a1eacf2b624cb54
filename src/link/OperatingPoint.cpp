#include "link/OperatingPoint.h"

namespace kx {

int NearestBreakpoint(const uint8_t (&table)[10], int first, int value) {
    int i = first;
    while (i < 10 && table[i] <= value)
        ++i;
    if (i == 10)
        return 9;
    if (i == 0)
        return -1;
    // Full-width arithmetic: the sum of two bytes must not wrap.
    return table[i - 1] + table[i] >= 2 * value ? i - 1 : i;
}

OperatingPoint TrackOperatingPoint(const ConfigBlock& block, uint16_t liveRpm,
                                   uint8_t liveTpsPercent, bool tpsRowsOn) {
    // Speeds are compared in hundreds of rpm as the axes store them. From 25600 rpm on this no
    // longer fits a byte; it is kept as a full integer, so such speeds lie above every axis point
    // (the axes end at 20100 rpm) and mark the last column instead of wrapping to a low one.
    const int speed = liveRpm / 100;

    OperatingPoint point;
    const int column = NearestBreakpoint(block.rpmAdv, 0, speed);
    point.rpmBelowAxis = column < 0;
    point.rpmColumn = uint8_t(column < 0 ? 0 : column);

    // The servo table has no below-axis state: slow speeds use its first entry.
    const int servoColumn = NearestBreakpoint(block.servoRpm, 0, speed);
    point.servoColumn = uint8_t(servoColumn < 0 ? 0 : servoColumn);

    // Every throttle reaches row 0 (0 %), so the search starts at row 1; a sensor error above
    // 100 % lands in the last row.
    point.tpsRow = tpsRowsOn ? uint8_t(NearestBreakpoint(TpsBreakpoints, 1, liveTpsPercent))
                             : uint8_t(kMapRows - 1);
    return point;
}

} // namespace kx
