#include "EngineModel.h"

#include "config/Conversions.h"
#include "link/OperatingPoint.h"

#include <algorithm>
#include <cmath>

namespace kx::sim {

namespace {

constexpr double kPi = 3.14159265358979323846;

int MvToRaw(int mv) {
    return std::clamp(mv, 0, 5000) * 1023 / 5000;
}

// Highest speed of the sweep: just short of the limiter, so the warning shows but the alarm only
// flickers at the top. A record without a limiter still gets a useful range.
int TopRpm(const ConfigBlock& record) {
    const int limiterRpm = record.limiter ? record.limiter * 100 : 10000;
    return std::max<int>(kIdleRpm, limiterRpm - 100);
}

int LargestMapAdvance(const ConfigBlock& record) {
    return *std::max_element(std::begin(record.advance), std::end(record.advance));
}

} // namespace

EngineState EngineAt(const ConfigBlock& record, uint64_t nowMs) {
    const double phase = double(nowMs % kSweepPeriodMs) / double(kSweepPeriodMs);
    const double sweep = (1.0 - std::cos(2.0 * kPi * phase)) / 2.0; // 0 at idle, 1 at the top
    EngineState state;
    state.rpm = uint16_t(std::lround(kIdleRpm + sweep * (TopRpm(record) - kIdleRpm)));
    const double throttle = 100.0 * sweep + 40.0 * std::sin(2.0 * kPi * phase);
    state.tpsPercent = uint8_t(std::clamp<long>(std::lround(throttle), 0, 100));
    return state;
}

uint16_t TpsRawFor(const ConfigBlock& record, uint8_t tpsPercent) {
    const int closedMv = record.tps0 * 10;
    const int openMv = Tps100ToMv(record.tps100);
    return uint16_t(MvToRaw(closedMv + tpsPercent * (openMv - closedMv) / 100));
}

int ServoDesiredMv(const ConfigBlock& record, uint16_t rpm) {
    const int speed = rpm;
    if (speed <= record.servoRpm[0] * 100)
        return record.servoMv[0] * 20;
    for (int i = 1; i < kAxisPoints; ++i) {
        const int lowRpm = record.servoRpm[i - 1] * 100;
        const int highRpm = record.servoRpm[i] * 100;
        if (speed <= highRpm && highRpm > lowRpm) {
            const int lowMv = record.servoMv[i - 1] * 20;
            const int highMv = record.servoMv[i] * 20;
            return lowMv + (highMv - lowMv) * (speed - lowRpm) / (highRpm - lowRpm);
        }
    }
    return record.servoMv[kAxisPoints - 1] * 20;
}

MonitorTelegram SampleEngine(const ConfigBlock& record, uint64_t nowMs) {
    const EngineState engine = EngineAt(record, nowMs);
    const double seconds = double(nowMs) / 1000.0;
    MonitorTelegram t;
    t.rpm = engine.rpm;
    t.tpsPercent = engine.tpsPercent;
    t.tpsRaw = TpsRawFor(record, engine.tpsPercent);

    // Charging ripple on top of a healthy 13.8 V.
    t.supplyMv = uint16_t(std::lround(13800.0 + 250.0 * std::sin(2.0 * kPi * seconds / 1.7) +
                                      60.0 * std::sin(2.0 * kPi * seconds / 0.13)));

    const OperatingPoint point =
        TrackOperatingPoint(record, engine.rpm, engine.tpsPercent, record.tpsMapa != 0);
    const int advance = record.advance[MapIndex(point.tpsRow, point.rpmColumn)];
    t.outputAdvance[0] = t.outputAdvance[1] = uint8_t(std::min(advance + 100, 255));
    t.advanceLimit[0] = uint16_t(LargestMapAdvance(record));
    t.advanceLimit[1] = 0;

    // Revolutions per second, never below the threshold the tool takes as a pick-up fault.
    const int revs = std::max<int>(record.noIgnitionRevs, std::min(engine.rpm / 60, 255));
    const int pulses = std::min(revs * std::max<int>(record.lobeCount, 1), 255);
    for (int k = 0; k < 2; ++k) {
        t.pickupRevs[k] = uint8_t(revs);
        t.pickupPulses[k] = uint8_t(pulses);
        t.pickupRunning[k] = 1;
    }

    const int desiredMv = ServoDesiredMv(record, engine.rpm);
    const int measuredMv = desiredMv + int(std::lround(15.0 * std::sin(2.0 * kPi * seconds)));
    t.servoDesiredRaw = uint16_t(MvToRaw(desiredMv));
    t.servoMeasuredRaw = uint16_t(MvToRaw(measuredMv));
    t.servoOk = 1;

    // The two inputs are switched by hand now and then; what they do follows their functions.
    const bool input1 = (nowMs / 6000) % 2 == 1;
    const bool input2 = ((nowMs + 3000) / 9000) % 2 == 1;
    t.inputGrounded[0] = input1;
    t.inputGrounded[1] = input2;
    auto active = [&](uint8_t function) {
        return (input1 && record.input1Function == function) ||
               (input2 && record.input2Function == function);
    };
    t.killSwitchActive = input1 && record.input1Function == 1;
    t.motorOff = input2 && record.input2Function == 1;
    t.clutchActive = active(2);
    t.retardActive = active(3);
    t.startLimiterActive = active(4);

    const int limiterRpm = record.limiter * 100;
    t.rpmWarning = record.limiter && engine.rpm >= limiterRpm - 500;
    t.rpmAlarm = record.limiter && engine.rpm >= limiterRpm - 150;
    t.pilotLightOn = record.pilotLight && engine.rpm >= record.pilotLight * 100;

    t.testValue[0] = uint16_t(nowMs / 1000);
    t.testValue[1] = engine.rpm;
    t.testValue[2] = engine.tpsPercent;
    t.testValue[3] = point.rpmColumn;
    t.testValue[4] = point.tpsRow;
    t.testValue[5] = point.servoColumn;
    t.testValue[6] = uint16_t(desiredMv);
    t.testValue[7] = uint16_t(input1 | input2 << 1);
    return t;
}

} // namespace kx::sim
