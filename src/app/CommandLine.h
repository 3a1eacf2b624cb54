#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace kx {

// What the window's command line asks for: kx_flam3 [LANGUAGE] [FILE.ign] [--log FILE.csv].
struct CommandLine {
    std::optional<uint8_t> language; // the language word, taken as the first argument only
    // The first argument that is neither that word, nor an option, nor the value of --log.
    QString file;
    QString log; // the value of the first --log
};

// The arguments after the program's name.
CommandLine ParseCommandLine(const QStringList& arguments);

} // namespace kx
