#include "SimOptions.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace kx::sim {

const char kSimUsage[] = R"(usage: kx_flam3_sim [options]
Simulates a KX_FLAM3 ignition unit on a pseudo-terminal. The first line on stdout is the
terminal's device path; open it in the tool as the serial port.

  --link PATH          also make PATH a symbolic link to the device (removed on exit)
  --image FILE         load the configuration from FILE if present, save it there after
                       every program block (record copy text format, 207 values)
  --unit-version N     report protocol version N (default 50)
  --drop-every N       leave out every Nth answer
  --corrupt-every N    flip the check byte of every Nth answer
  --bad-echo-block B   echo program block B (1 or 2) with one byte changed, every time
  --delay-ms N         wait N ms before each answer
  --stray-bytes N      send N junk bytes before each answer
  --silent             never answer
  --save-ms N          take N ms to store a programmed configuration (default 2000)
  --unplug-after N     after N answers close the line, remove the link and exit
  --fault-percent P    give each answer a random fault with a chance of P percent; the count
                       of each fault is printed on stderr at the end
  --fault-seed S       seed of the random faults (default 1), so a run can be repeated
  --faults LIST        the random faults to choose from, comma-separated (default all):
                       drop, corrupt (one bit), stray, delay (40 to 600 ms), bad-echo (program
                       blocks)
  --line-time          pace the output like a 57600 baud line (17.7 ms per frame)
  --verbose            log every request and answer on stderr
  --help               show this text
  --version            show the program version
)";

namespace {

bool ParseNumber(const char* text, long min, long max, int& out) {
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || value < min || value > max)
        return false;
    out = int(value);
    return true;
}

} // namespace

ParseResult ParseSimOptions(int argc, const char* const* argv, SimOptions& options,
                            std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (name == "--help")
            return ParseResult::Help;
        if (name == "--version")
            return ParseResult::Version;
        if (name == "--silent") {
            options.unit.silent = true;
            continue;
        }
        if (name == "--line-time") {
            options.lineTime = true;
            continue;
        }
        if (name == "--verbose") {
            options.verbose = true;
            continue;
        }
        if (i + 1 >= argc) {
            error = "unknown option or missing value: " + name;
            return ParseResult::Error;
        }
        const char* value = argv[++i];
        bool ok = true;
        int version = 0;
        if (name == "--link")
            options.linkPath = value;
        else if (name == "--image")
            options.imagePath = value;
        else if (name == "--unit-version") {
            ok = ParseNumber(value, 0, 255, version);
            options.unit.protocolVersion = uint8_t(version);
        } else if (name == "--drop-every")
            ok = ParseNumber(value, 1, INT_MAX, options.unit.dropEvery);
        else if (name == "--corrupt-every")
            ok = ParseNumber(value, 1, INT_MAX, options.unit.corruptEvery);
        else if (name == "--bad-echo-block")
            ok = ParseNumber(value, 1, 2, options.unit.badEchoBlock);
        else if (name == "--delay-ms")
            ok = ParseNumber(value, 0, 600000, options.delayMs);
        else if (name == "--save-ms") {
            int saveMs = 0;
            ok = ParseNumber(value, 0, 600000, saveMs);
            options.unit.saveDurationMs = uint64_t(saveMs);
        } else if (name == "--stray-bytes")
            ok = ParseNumber(value, 0, 100000, options.strayBytes);
        else if (name == "--unplug-after")
            ok = ParseNumber(value, 1, INT_MAX, options.unplugAfter);
        else if (name == "--fault-percent")
            ok = ParseNumber(value, 0, 100, options.unit.faultPercent);
        else if (name == "--fault-seed") {
            int seed = 0;
            ok = ParseNumber(value, 0, INT_MAX, seed);
            options.unit.faultSeed = uint32_t(seed);
        } else if (name == "--faults") {
            const auto faults = ParseRandomFaults(value);
            ok = faults.has_value();
            options.unit.randomFaults = faults.value_or(0);
        } else {
            error = "unknown option: " + name;
            return ParseResult::Error;
        }
        if (!ok) {
            error = "bad value for " + name + ": " + value;
            return ParseResult::Error;
        }
    }
    return ParseResult::Run;
}

} // namespace kx::sim
