#include "present/LogTimeAxis.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>

namespace kx {

namespace {

constexpr double kMinute = 60;
constexpr double kHour = 3600;

// The first of the round steps at or above rough; the last one for anything longer.
double RoundStep(double rough, std::initializer_list<double> steps) {
    for (const double step : steps) {
        if (step >= rough)
            return step;
    }
    return *(steps.end() - 1);
}

// 1, 2 or 5 times a power of ten, the smallest at or above rough.
double DecimalStep(double rough) {
    const double power = std::pow(10.0, std::floor(std::log10(std::max(rough, 0.1))));
    return RoundStep(rough, {power, 2 * power, 5 * power, 10 * power});
}

} // namespace

LogTimeTicks ChooseLogTimeTicks(double spanSeconds, int count) {
    const double rough = spanSeconds / std::max(1, count);
    if (spanSeconds < 2 * kMinute)
        return {DecimalStep(rough), LogTimeUnit::Seconds};
    if (spanSeconds < 2 * kHour)
        return {RoundStep(rough, {10, 15, 30, kMinute, 2 * kMinute, 5 * kMinute, 10 * kMinute,
                                  15 * kMinute, 30 * kMinute}),
                LogTimeUnit::MinutesSeconds};
    const double hours = rough / kHour;
    return {hours <= 0.5 ? RoundStep(rough, {10 * kMinute, 15 * kMinute, 30 * kMinute})
                         : kHour * std::max(1.0, DecimalStep(hours)),
            LogTimeUnit::HoursMinutes};
}

std::string LogTimeLabel(double seconds, const LogTimeTicks& ticks) {
    char text[32];
    // A tick rounded up from just below the start is -0, which prints as "-0".
    seconds = seconds == 0 ? 0 : seconds;
    if (ticks.unit == LogTimeUnit::Seconds) {
        std::snprintf(text, sizeof text, ticks.stepSeconds < 1 ? "%.1f" : "%.0f", seconds);
        return text;
    }
    // Ticks fall on whole seconds from here on; rounding keeps 59.9999 from reading as 0:59.
    const long whole = std::lround(seconds);
    if (ticks.unit == LogTimeUnit::MinutesSeconds)
        std::snprintf(text, sizeof text, "%ld:%02ld", whole / 60, whole % 60);
    else
        std::snprintf(text, sizeof text, "%ld:%02ld", whole / 3600, whole / 60 % 60);
    return text;
}

std::string ClockDuration(long seconds, bool alwaysHours) {
    char text[32];
    if (seconds < 3600 && !alwaysHours)
        std::snprintf(text, sizeof text, "%ld:%02ld", seconds / 60, seconds % 60);
    else
        std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", seconds / 3600, seconds / 60 % 60,
                      seconds % 60);
    return text;
}

std::string LogTimeReadout(double seconds) {
    const long tenths = std::lround(std::max(0.0, seconds) * 10);
    const long whole = tenths / 10;
    const std::string tenth = "." + std::to_string(tenths % 10);
    return whole < 60 ? std::to_string(whole) + tenth + " s" : ClockDuration(whole) + tenth;
}

} // namespace kx
