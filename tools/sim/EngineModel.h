#pragma once

#include "config/ConfigBlock.h"
#include "link/MonitorTelegram.h"

#include <cstdint>

namespace kx::sim {

// One full sweep idle -> near the limiter -> idle.
constexpr uint64_t kSweepPeriodMs = 20000;
constexpr uint16_t kIdleRpm = 1200;

// Speed and throttle of the simulated engine, before the unit turns them into live data.
struct EngineState {
    uint16_t rpm = 0;
    uint8_t tpsPercent = 0; // 0..100
};

// Where the engine is at nowMs (milliseconds since the start). The throttle opens while the engine
// speeds up and closes while it slows down, as a rider would do it.
EngineState EngineAt(const ConfigBlock& record, uint64_t nowMs);

// Throttle opening as the sensor reports it, within the record's 0 % and 100 % calibration.
uint16_t TpsRawFor(const ConfigBlock& record, uint8_t tpsPercent);

// The servo position the record's servo table asks for at this speed, interpolated between points.
int ServoDesiredMv(const ConfigBlock& record, uint16_t rpm);

// Live data of a healthy engine running on the configuration in `record`. programCount,
// saveCountdown and unitVersion belong to the unit and are left zero.
MonitorTelegram SampleEngine(const ConfigBlock& record, uint64_t nowMs);

} // namespace kx::sim
