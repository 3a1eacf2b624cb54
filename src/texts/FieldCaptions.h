#pragma once

#include "store/ConfigDifferences.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kx {

// Between the parts of a caption: "Miscellaneous › Limiter [rpm]".
constexpr const char* kCaptionSeparator = " \u203A ";

// A field named as the main window names it in the language of languageIndex (0 English,
// 1 German, 2 French, 3 Czech; others English): its tab page, the groups around it and its own
// label, group or check box, "Bike › Channel 1 › Maximum advance › Lobe". A map cell is its
// page and its throttle row and column, "Advance Map › row 100 % column 4". Whatever the window
// shows in English only, or names by no caption at all, is named by the difference words,
// "Miscellaneous › LIMITER start limiter", "Servo › SERVO_RPM point 3", "byte 54 (not in the
// file)".
std::string FieldCaption(const FieldDifference& difference, uint8_t languageIndex);

// The first (second false) or second record's value of the field as the user sees it: the
// item's text for the bike type, the synchronisation and the input functions, yes or no for a
// check box, else the number as its editor shows it (the limiters in rpm, where the file has
// hundreds), or as the file has it where no editor shows the byte. A check box that is ticked on
// both sides, by different bytes, adds the byte.
std::string FieldValueText(const FieldDifference& difference, bool second, uint8_t languageIndex);

// Which controls of the main window FieldCaption takes a field's caption from, by object name:
// the tab page, then the groups from the outermost in and the field's own caption last, whose
// text is followed by the suffix. Nothing for a byte no control shows. For checks against the
// window.
struct FieldCaptionSource {
    std::string page;
    std::vector<std::string> captions;
    std::string suffix;
};
std::optional<FieldCaptionSource> FieldCaptionSourceOf(int offset);

} // namespace kx
