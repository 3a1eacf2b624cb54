#pragma once

#include <optional>
#include <string>

namespace kx::cli {

// Exit statuses: scripts tell the kind of failure apart by them.
enum ExitStatus {
    ExitOk = 0,
    ExitMismatch = 1,  // the unit answered, but its data did not match or breaks the rules; diff:
                       // the files differ
    ExitUsage = 2,     // wrong command line
    ExitPortError = 3, // the port could not be opened
    ExitNoAnswer = 4,  // the unit did not answer, or did not report that storing ended
    ExitVersion = 5,   // the unit speaks another protocol version
    ExitFileError = 6, // a configuration file could not be read or written, or would be replaced
};

enum class Command { Read, Verify, Program, Monitor, Info, Diff, History, Help, Version };

struct CliOptions {
    Command command = Command::Help;
    std::string port;       // COM<n> or a device path
    std::string file;       // the .ign file to verify or program; diff: the first file
    std::string secondFile; // diff: the file compared with the first
    std::string outFile;    // read: where the record goes
    std::string csvFile;    // monitor: rows go here instead of standard output
    double seconds = 0;     // monitor: 0 runs until interrupted
    int limit = 0;          // history: at most this many entries; 0 lists all
    int languageIndex = 0;  // ENGLISH, DEUTSCH, FRANCE, CESKY
    bool verbose = false;
    bool force = false; // read: replace an existing --out file
};

// Parses the arguments after the program name. On failure returns nothing and sets error.
std::optional<CliOptions> ParseCliOptions(int argc, const char* const* argv, std::string& error);

extern const char* const kUsage;

} // namespace kx::cli
