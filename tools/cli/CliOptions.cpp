#include "CliOptions.h"

#include "config/AppChoices.h"

#include <climits>
#include <cstdlib>
#include <utility>
#include <vector>

namespace kx::cli {

const char* const kUsage =
    "Usage: kx_flam3_cli COMMAND [--port PORT] [options]\n"
    "\n"
    "Commands:\n"
    "  read --port PORT --out FILE.ign [--force]\n"
    "                                     read the unit, verify, write its record to FILE.ign\n"
    "                                     and print the file's name\n"
    "  verify --port PORT FILE.ign        compare the unit with FILE.ign; on a mismatch print\n"
    "                                     every differing field with the file's and the unit's\n"
    "                                     value\n"
    "  program --port PORT FILE.ign       program FILE.ign into the unit, verify it and wait\n"
    "                                     while the unit stores it (\"Saving:\" lines); do not\n"
    "                                     cut the unit's power before the program has ended\n"
    "  monitor --port PORT [--seconds S] [--csv FILE]\n"
    "                                     print the unit's live values as CSV rows\n"
    "  info --port PORT                   show the unit's firmware version, date and time\n"
    "  diff A.ign B.ign                   print every field in which the two files differ,\n"
    "                                     in verify's words, with both values as the files\n"
    "                                     hold them\n"
    "  history [--limit N]                list the kept reads and programs, newest first;\n"
    "                                     the last column is the file each one kept\n"
    "\n"
    "Files are taken as the window opens them: values outside the editors' ranges are\n"
    "brought into them before they are programmed or compared. Only diff takes them as\n"
    "they are.\n"
    "\n"
    "Every successful read and program is kept in the history folder (on Linux\n"
    "$XDG_DATA_HOME/kx_flam3/history, by default ~/.local/share/kx_flam3/history).\n"
    "\n"
    "Options:\n"
    "  --port PORT      COM1 ... COM20, or a device path such as /dev/ttyUSB0\n"
    "                   (COM<n> is pointed at a device as in the window: the settings\n"
    "                   file's PORTS section, or KX_FLAM3_COM<n>)\n"
    "  --force          read: replace an existing --out file\n"
    "  --limit N        history: list only the newest N entries\n"
    "  --lang LANGUAGE  ENGLISH, DEUTSCH, FRANCE or CESKY for the messages\n"
    "  --verbose        show every step and the number of ticks taken\n"
    "  --help           this text\n"
    "  --version        the program version\n"
    "\n"
    "Exit status:\n"
    "  0  success; diff: the files are equal\n"
    "  1  data mismatch: verify lists the differing fields; read wrote the unit's data\n"
    "     unchanged although it breaks the rules, and lists what normalising would change;\n"
    "     diff: the files differ\n"
    "  2  usage\n"
    "  3  port error\n"
    "  4  no answer; also a monitor run without live data, and a unit that did not report\n"
    "     the end of storing within 10 s after programming (keep its power on, then verify)\n"
    "  5  protocol version mismatch\n"
    "  6  file error; also read's --out file exists and --force was not given\n";

namespace {

std::optional<Command> CommandFromWord(const std::string& word) {
    if (word == "read")
        return Command::Read;
    if (word == "verify")
        return Command::Verify;
    if (word == "program")
        return Command::Program;
    if (word == "monitor")
        return Command::Monitor;
    if (word == "info")
        return Command::Info;
    if (word == "diff")
        return Command::Diff;
    if (word == "history")
        return Command::History;
    if (word == "--help" || word == "-h" || word == "help")
        return Command::Help;
    if (word == "--version")
        return Command::Version;
    return std::nullopt;
}

// diff and history work on files only; every other command talks to the unit.
bool TalksToUnit(Command command) {
    return command != Command::Diff && command != Command::History;
}

// The file arguments a command takes, in order.
std::vector<std::string*> FileArguments(CliOptions& options) {
    switch (options.command) {
    case Command::Verify:
    case Command::Program:
        return {&options.file};
    case Command::Diff:
        return {&options.file, &options.secondFile};
    default:
        return {};
    }
}

} // namespace

std::optional<CliOptions> ParseCliOptions(int argc, const char* const* argv, std::string& error) {
    CliOptions options;
    if (argc < 1) {
        error = "no command given";
        return std::nullopt;
    }
    const auto command = CommandFromWord(argv[0]);
    if (!command) {
        error = std::string("unknown command '") + argv[0] + "'";
        return std::nullopt;
    }
    options.command = *command;

    std::string seconds;
    std::string limit;
    std::string language;
    const std::pair<const char*, std::string*> valueOptions[] = {
        {"--port", &options.port}, {"--out", &options.outFile}, {"--csv", &options.csvFile},
        {"--seconds", &seconds},   {"--limit", &limit},         {"--lang", &language}};

    const std::vector<std::string*> files = FileArguments(options);
    std::size_t filesGiven = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        std::string* target = nullptr;
        for (const auto& [name, field] : valueOptions)
            target = arg == name ? field : target;
        if (target) {
            if (i + 1 >= argc) {
                error = arg + " needs a value";
                return std::nullopt;
            }
            *target = argv[++i];
        } else if (arg == "--help" || arg == "-h") {
            options.command = Command::Help;
            return options;
        } else if (arg == "--version") {
            options.command = Command::Version;
            return options;
        } else if (arg == "--verbose" || arg == "-v") {
            options.verbose = true;
        } else if (arg == "--force") {
            options.force = true;
        } else if (!arg.empty() && arg[0] == '-') {
            error = "unknown option '" + arg + "'";
            return std::nullopt;
        } else if (filesGiven < files.size()) {
            *files[filesGiven++] = arg;
        } else {
            error = "unexpected argument '" + arg + "'";
            return std::nullopt;
        }
    }

    if (!seconds.empty()) {
        char* end = nullptr;
        options.seconds = std::strtod(seconds.c_str(), &end);
        if (end == seconds.c_str() || *end != '\0' || options.seconds < 0) {
            error = "--seconds needs a number of seconds, not '" + seconds + "'";
            return std::nullopt;
        }
    }
    if (!limit.empty()) {
        char* end = nullptr;
        const long value = std::strtol(limit.c_str(), &end, 10);
        if (end == limit.c_str() || *end != '\0' || value < 1 || value > INT_MAX) {
            error = "--limit needs a number of entries from 1, not '" + limit + "'";
            return std::nullopt;
        }
        options.limit = int(value);
    }
    if (!language.empty()) {
        const auto index = LanguageFromWord(language);
        if (!index) {
            error = "--lang takes ENGLISH, DEUTSCH, FRANCE or CESKY, not '" + language + "'";
            return std::nullopt;
        }
        options.languageIndex = *index;
    }
    if (options.command == Command::Help || options.command == Command::Version)
        return options;
    if (TalksToUnit(options.command) && options.port.empty()) {
        error = "--port is required";
        return std::nullopt;
    }
    if (filesGiven < files.size()) {
        error = options.command == Command::Diff ? "diff needs two .ign files to compare"
                                                 : "name the .ign file to use";
        return std::nullopt;
    }
    if (options.command == Command::Read && options.outFile.empty()) {
        error = "read needs --out FILE.ign";
        return std::nullopt;
    }
    return options;
}

} // namespace kx::cli
