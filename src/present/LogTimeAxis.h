#pragma once

#include <string>

namespace kx {

// How the log viewer's time axis counts: plain seconds read best for a short run on the dyno,
// but a day's log would run to 86400 s, so longer spans count in minutes and then hours.
enum class LogTimeUnit { Seconds, MinutesSeconds, HoursMinutes };
constexpr int kLogTimeUnits = 3;

struct LogTimeTicks {
    double stepSeconds; // between two labelled ticks, a round amount in the unit
    LogTimeUnit unit;
};

// About `count` steps across a span of spanSeconds: seconds below two minutes, minutes and
// seconds below two hours, hours and minutes beyond.
LogTimeTicks ChooseLogTimeTicks(double spanSeconds, int count);

// A tick's label, the time from the log's start: "12.5" or "40" in seconds, "3:30" in minutes
// and seconds, "5:45" in hours and minutes.
std::string LogTimeLabel(double seconds, const LogTimeTicks& ticks);

// A duration as a clock shows it: "4:05" under an hour, "1:02:03" from there; with alwaysHours
// "0:04:05", for a text that must keep its width while the time runs.
std::string ClockDuration(long seconds, bool alwaysHours = false);

// The cursor's time from the log's start to the tenth of a second: "12.3 s" in the first
// minute, then "4:05.6" and "1:02:03.4".
std::string LogTimeReadout(double seconds);

} // namespace kx
