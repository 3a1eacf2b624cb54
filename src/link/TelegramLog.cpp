#include "link/TelegramLog.h"

#include "link/OperatingPoint.h"
#include "link/TelegramCsv.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <optional>

namespace kx {

namespace {

// The columns read back, by their header names; the rest of a row is checked for its count only.
enum Field { Time, Rpm, Tps, Advance1, Advance2, Supply, MapColumn, MapRow, kFieldCount };
constexpr std::array<std::string_view, kFieldCount> kFieldNames = {
    csv_column::kTime,     csv_column::kRpm,      csv_column::kTpsPercent, csv_column::kAdvance1,
    csv_column::kAdvance2, csv_column::kSupplyMv, csv_column::kMapColumn,  csv_column::kMapRow};

struct Range {
    int64_t low;
    int64_t high;
};
// What a telegram can carry: a value outside is a garbled line, not a reading.
constexpr std::array<Range, kFieldCount> kFieldRanges = {{
    {0, std::numeric_limits<int64_t>::max() / 2},
    {0, 65535},
    {0, 255},
    {-100, 155},
    {-100, 155},
    {0, 65535},
    {1, kMapColumns},
    {1, kMapRows},
}};

// Takes the next line off text; ended is false for a last line without its line end.
std::string_view NextLine(std::string_view& text, bool& ended) {
    const size_t end = text.find('\n');
    ended = end != std::string_view::npos;
    std::string_view line = text.substr(0, end);
    text.remove_prefix(ended ? end + 1 : text.size());
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

// The character between the header's fields. We write commas; a spreadsheet set to German,
// French or Czech saves the log again with semicolons, and some save tabs. Our values are whole
// numbers, so no decimal comma can be mistaken for a separator.
char FieldSeparator(std::string_view header) {
    for (const char separator : {',', ';', '\t'})
        if (header.find(separator) != std::string_view::npos)
            return separator;
    return ',';
}

// Splits at the separator into fields; false when the count differs from expected.
bool SplitFields(std::string_view line, char separator, size_t expected,
                 std::vector<std::string_view>& fields) {
    fields.clear();
    size_t start = 0;
    while (true) {
        const size_t comma = line.find(separator, start);
        fields.push_back(
            line.substr(start, comma == std::string_view::npos ? comma : comma - start));
        if (fields.size() > expected)
            return false;
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    return fields.size() == expected;
}

std::optional<int64_t> ParseNumber(std::string_view field, Range range) {
    int64_t value = 0;
    const char* end = field.data() + field.size();
    const auto [stop, error] = std::from_chars(field.data(), end, value);
    if (field.empty() || error != std::errc() || stop != end || value < range.low ||
        value > range.high)
        return std::nullopt;
    return value;
}

} // namespace

TelegramLog ParseTelegramLog(std::string_view text) {
    TelegramLog log;
    // A log saved again by a spreadsheet program may begin with a byte-order mark.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());

    std::vector<std::string_view> fields;
    bool ended = false;
    const std::string_view header = NextLine(text, ended);
    const char separator = FieldSeparator(header);
    SplitFields(header, separator, std::numeric_limits<size_t>::max(), fields);
    const size_t columnCount = fields.size();
    std::array<int, kFieldCount> at;
    at.fill(-1);
    // A name that comes twice, as after a spreadsheet pasted a column in again, reads from its
    // first column.
    for (size_t i = 0; i < fields.size(); ++i) {
        const auto known = std::find(kFieldNames.begin(), kFieldNames.end(), fields[i]);
        if (known != kFieldNames.end() && at[size_t(known - kFieldNames.begin())] < 0)
            at[size_t(known - kFieldNames.begin())] = int(i);
    }
    if (at[Time] < 0 || at[Rpm] < 0) {
        log.foreign = true;
        return log;
    }
    // Half a cell is no cell: its one coordinate is neither read nor checked.
    log.hasMapCell = at[MapColumn] >= 0 && at[MapRow] >= 0;
    if (!log.hasMapCell)
        at[MapColumn] = at[MapRow] = -1;

    std::array<int64_t, kFieldCount> values{};
    while (!text.empty()) {
        const std::string_view line = NextLine(text, ended);
        if (line.empty())
            continue;
        // Every row is written with its line end, so a line without one was cut off while being
        // written, and its last value may have lost digits that still read as a number.
        bool good = ended && SplitFields(line, separator, columnCount, fields);
        for (int field = 0; good && field < kFieldCount; ++field) {
            values[size_t(field)] = 0;
            if (at[size_t(field)] < 0)
                continue;
            const std::string_view value = fields[size_t(at[size_t(field)])];
            const bool mapField = field == MapColumn || field == MapRow;
            if (mapField && value.empty()) {
                values[size_t(field)] = 0;
                continue;
            }
            const auto number = ParseNumber(value, kFieldRanges[size_t(field)]);
            good = number.has_value();
            if (good)
                values[size_t(field)] = *number;
        }
        if (good && !log.timeMs.empty() && values[Time] < log.timeMs.back())
            good = false;
        // The cell is both coordinates or none.
        if (good && log.hasMapCell && (values[MapColumn] == 0) != (values[MapRow] == 0))
            good = false;
        if (!good) {
            ++log.skippedLines;
            continue;
        }
        log.timeMs.push_back(values[Time]);
        log.rpm.push_back(int32_t(values[Rpm]));
        log.tpsPercent.push_back(int32_t(values[Tps]));
        log.advance1.push_back(int32_t(values[Advance1]));
        log.advance2.push_back(int32_t(values[Advance2]));
        log.supplyMv.push_back(int32_t(values[Supply]));
        log.mapColumn.push_back(int8_t(values[MapColumn] - 1));
        log.mapRow.push_back(int8_t(values[MapRow] - 1));
    }
    return log;
}

size_t LogRowAt(const TelegramLog& log, int64_t ms) {
    return size_t(std::lower_bound(log.timeMs.begin(), log.timeMs.end(), ms) - log.timeMs.begin());
}

int LogCell(const TelegramLog& log, size_t row, const ConfigBlock& block, bool tpsRowsOn) {
    if (log.hasMapCell) {
        if (log.mapColumn[row] < 0)
            return -1;
        // Without throttle rows on screen the map has one row, as the live marking has it.
        return MapIndex(tpsRowsOn ? log.mapRow[row] : kMapRows - 1, log.mapColumn[row]);
    }
    const uint8_t tps = uint8_t(std::min(log.tpsPercent[row], 255));
    const OperatingPoint point = TrackOperatingPoint(block, uint16_t(log.rpm[row]), tps, tpsRowsOn);
    return point.rpmBelowAxis ? -1 : MapIndex(point.tpsRow, point.rpmColumn);
}

CellDwell LogDwell(const TelegramLog& log, size_t first, size_t last, const ConfigBlock& block,
                   bool tpsRowsOn) {
    CellDwell dwell;
    last = std::min(last, log.size() == 0 ? 0 : log.size() - 1);
    for (size_t row = first; row < last; ++row) {
        const int64_t step = log.timeMs[row + 1] - log.timeMs[row];
        if (step > kLogGapMs)
            continue;
        const int cell = LogCell(log, row, block, tpsRowsOn);
        if (cell >= 0)
            dwell.Add(cell, uint32_t(step));
    }
    return dwell;
}

} // namespace kx
