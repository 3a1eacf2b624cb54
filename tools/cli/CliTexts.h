#pragma once

#include <string>

namespace kx::cli {

// What the command-line tool says to a person beyond the window's messages. Usage errors and
// the help text are for the script writer and stay English.
enum class CliText {
    OutFileExists,   // %1: the file
    Written,         // %1: the file
    Firmware,        // %1: the unit's text
    Date,            // %1: the unit's text
    Time,            // %1: the unit's text
    StoringNotEnded, // %1: the seconds waited
    ListedMatches,   // a failed verify, but reading the unit again finds no difference
    ListingFailed,   // a failed verify, and the unit could not be read again
    BreaksRules,     // read: the unit's data is not what normalising would make of it
    NoConnection,    // monitor
    FileLabel,       // in a difference line
    UnitLabel,       // in a difference line
    NormalisedLabel, // in a difference line
    VerboseTicks,    // %1: ticks
    VerboseTime,     // %1: milliseconds
    VerboseTick,     // %1: the tick, %2: the status caption
    HistoryNotKept,  // %1: the history folder
    HistoryUnlisted, // %1: index lines that are no entry, %2: files the index does not name
    HistoryTime,     // the history's column headings
    HistoryAction,
    HistoryCount,
    HistoryFirmware,
    HistoryOpenFile,
    HistoryKeptAs,
    HistoryRead, // the history's actions
    HistoryProgram,
    HistoryNudge, // a program made while every change was programmed at once
    Count
};

// The text in the language of languageIndex (0 English, 1 German, 2 French, 3 Czech; English
// above 3), UTF-8, with "%1" and "%2" filled in.
std::string Text(CliText text, int languageIndex, const std::string& first = "",
                 const std::string& second = "");

} // namespace kx::cli
