#pragma once

#include "config/MapBlock.h"

#include <string>
#include <string_view>

namespace kx {

// A block of map values as the clipboard carries it between the map and a spreadsheet: one line
// per row, the values separated by tabs, as LibreOffice Calc and Excel write and read it.
std::string FormatBlockText(const ValueGrid& values, std::string_view lineEnd);

struct ParsedBlock {
    enum class Fault {
        None,
        Empty,      // no value at all
        Ragged,     // the rows are not all equally long
        NotANumber, // `row`, `column` (from 1) and `field` name the first one
    };
    ValueGrid values; // whole degrees; only when fault is None
    Fault fault = Fault::None;
    int row = 0;
    int column = 0;
    std::string field;
};

// Reads what a spreadsheet puts on the clipboard: lines ended by CR LF, LF or CR, fields with
// spaces or quotes around them, a tab after the last field, a decimal comma or point. A value
// with a fraction is rounded to the nearest degree; a value outside the map's range is kept as
// read, for the caller to clamp and say so.
ParsedBlock ParseBlockText(std::string_view text);

} // namespace kx
