#pragma once

#include <cstdint>
#include <string>

namespace kx {

// Texts of the unit's history and of the comparison of two records, in the window's four
// languages. "%1" and "%2" are filled in by the caller (FillIn in store/ConfigDifferences.h), in
// every language the same ones.
enum class HistoryText : uint8_t {
    // The commands and their messages.
    HistoryMenu, // the menu of the history and the comparisons
    MenuHistory, // its items
    MenuCompareFile,
    MenuCompareUnit,
    HistoryNotWritten, // status bar; %1 the folder
    EntryUnreadable,   // %1 the entry's file name
    CompareUnitFailed,
    // What a comparison's two sides are called.
    SideScreen,
    SideUnit,
    SideFile,  // %1 the file name
    SideEntry, // %1 the entry's time, %2 ActionRead or ActionProgram
    ActionRead,
    ActionProgram,
    NoDifferences,

    // The history window.
    HistoryTitle,
    EntriesTab,
    NudgesTab,
    ColumnTime,
    ColumnAction,
    ColumnFirmware,
    ColumnProgramCount,
    ColumnOpenFile,
    FirmwareFilter, // the label of the filter list
    AllFirmware,    // its first item
    NoFirmware,     // an entry for which the unit reported no firmware
    SkippedLines,   // %1 how many
    ForeignFiles,   // %1 how many
    ColumnChanges,
    ColumnRpm,
    ColumnThrottle,
    WholeRecord, // a nudge without the bytes it changed
    ChangeLine,  // %1 the field, %2 "12 → 14"
    MoreChanges, // %1 how many lines more the cell leaves out
    ButtonCompare,
    ButtonCompareScreen,
    ButtonRestore,
    ButtonRollBack,
    ButtonClose,
    RestoreHint, // the buttons' tooltips
    RollBackHint,

    // The comparison window.
    ComparisonTitle,
    ComparisonSides, // %1 and %2 the two sides
    DifferingFields, // %1 how many
    ColumnField,
    MapLegend, // %1 the first side, %2 the second
};
constexpr int kHistoryTexts = int(HistoryText::MapLegend) + 1;

// In the language of languageIndex (0 English, 1 German, 2 French, 3 Czech; others English).
std::string HistoryTextIn(HistoryText text, uint8_t languageIndex);

} // namespace kx
