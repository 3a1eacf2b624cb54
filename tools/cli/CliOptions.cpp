#include "CliOptions.h"

#include "config/AppChoices.h"

#include <cstdlib>
#include <utility>

namespace kx::cli {

const char* const kUsage =
    "Usage: kx_flam3_cli COMMAND --port PORT [options]\n"
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
    "\n"
    "Files are taken as the window opens them: values outside the editors' ranges are\n"
    "brought into them before they are programmed or compared.\n"
    "\n"
    "Options:\n"
    "  --port PORT      COM1 ... COM20, or a device path such as /dev/ttyUSB0\n"
    "                   (COM<n> is pointed at a device as in the window: the settings\n"
    "                   file's PORTS section, or KX_FLAM3_COM<n>)\n"
    "  --force          read: replace an existing --out file\n"
    "  --lang LANGUAGE  ENGLISH, DEUTSCH, FRANCE or CESKY for the messages\n"
    "  --verbose        show every step and the number of ticks taken\n"
    "  --help           this text\n"
    "  --version        the program version\n"
    "\n"
    "Exit status:\n"
    "  0  success\n"
    "  1  data mismatch: verify lists the differing fields; read wrote the unit's data\n"
    "     unchanged although it breaks the rules, and lists what normalising would change\n"
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
    if (word == "--help" || word == "-h" || word == "help")
        return Command::Help;
    if (word == "--version")
        return Command::Version;
    return std::nullopt;
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
    std::string language;
    const std::pair<const char*, std::string*> valueOptions[] = {{"--port", &options.port},
                                                                 {"--out", &options.outFile},
                                                                 {"--csv", &options.csvFile},
                                                                 {"--seconds", &seconds},
                                                                 {"--lang", &language}};

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
        } else if (options.file.empty() &&
                   (options.command == Command::Verify || options.command == Command::Program)) {
            options.file = arg;
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
    if (options.port.empty()) {
        error = "--port is required";
        return std::nullopt;
    }
    if ((options.command == Command::Verify || options.command == Command::Program) &&
        options.file.empty()) {
        error = "name the .ign file to use";
        return std::nullopt;
    }
    if (options.command == Command::Read && options.outFile.empty()) {
        error = "read needs --out FILE.ign";
        return std::nullopt;
    }
    return options;
}

} // namespace kx::cli
