#include "store/UnitHistory.h"

#include <cstdlib>
#include <optional>

namespace kx {

namespace {

const char kIndexHeader[] = "KX_FLAM3_HISTORY\t1";
constexpr std::size_t kFieldCount = 12;

const char* ActionWord(HistoryAction action) {
    return action == HistoryAction::Program ? "program" : "read";
}

std::string Escaped(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        switch (c) {
        case '\\':
            escaped += "\\\\";
            break;
        case '\t':
            escaped += "\\t";
            break;
        case '\n':
            escaped += "\\n";
            break;
        case '\r':
            escaped += "\\r";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::optional<std::string> Unescaped(const std::string& text) {
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            plain += text[i];
            continue;
        }
        if (++i == text.size())
            return std::nullopt;
        switch (text[i]) {
        case '\\':
            plain += '\\';
            break;
        case 't':
            plain += '\t';
            break;
        case 'n':
            plain += '\n';
            break;
        case 'r':
            plain += '\r';
            break;
        default:
            return std::nullopt;
        }
    }
    return plain;
}

std::vector<std::string> SplitAt(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            return parts;
        start = end + 1;
    }
}

// A whole number within minimum..maximum and nothing else: strtol alone would also take leading
// blanks, a plus sign and anything after a zero byte.
std::optional<int> Number(const std::string& text, long minimum, long maximum) {
    const std::size_t first = !text.empty() && text[0] == '-' ? 1 : 0;
    if (text.size() == first || text.size() > 11)
        return std::nullopt;
    for (std::size_t i = first; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
    }
    const long value = std::strtol(text.c_str(), nullptr, 10);
    if (value < minimum || value > maximum)
        return std::nullopt;
    return int(value);
}

std::string FormatChanges(const std::vector<ChangedByte>& changes) {
    std::string text;
    for (const ChangedByte& change : changes) {
        if (!text.empty())
            text += ',';
        text += std::to_string(change.offset) + ':' + std::to_string(change.before) + ':' +
                std::to_string(change.after);
    }
    return text;
}

std::optional<std::vector<ChangedByte>> ParseChanges(const std::string& text) {
    std::vector<ChangedByte> changes;
    if (text.empty())
        return changes;
    for (const std::string& item : SplitAt(text, ',')) {
        const std::vector<std::string> parts = SplitAt(item, ':');
        if (parts.size() != 3)
            return std::nullopt;
        const auto offset = Number(parts[0], 0, kImageSize - 1);
        const auto before = Number(parts[1], 0, 255);
        const auto after = Number(parts[2], 0, 255);
        if (!offset || !before || !after)
            return std::nullopt;
        changes.push_back({*offset, uint8_t(*before), uint8_t(*after)});
    }
    return changes;
}

std::optional<HistoryEntry> ParseEntry(const std::string& line) {
    const std::vector<std::string> raw = SplitAt(line, '\t');
    if (raw.size() != kFieldCount)
        return std::nullopt;
    std::vector<std::string> fields;
    for (const std::string& field : raw) {
        const auto plain = Unescaped(field);
        if (!plain)
            return std::nullopt;
        fields.push_back(*plain);
    }
    HistoryEntry entry;
    entry.file = fields[0];
    entry.time = fields[1];
    if (!IsHistoryFileName(entry.file) || entry.time.empty())
        return std::nullopt;
    if (fields[2] == "read")
        entry.action = HistoryAction::Read;
    else if (fields[2] == "program")
        entry.action = HistoryAction::Program;
    else
        return std::nullopt;
    const auto count = Number(fields[3], -1, 65535);
    const auto nudge = Number(fields[8], 0, 1);
    const auto rpm = Number(fields[9], 0, 65535);
    const auto tps = Number(fields[10], 0, 255);
    const auto changes = ParseChanges(fields[11]);
    if (!count || !nudge || !rpm || !tps || !changes)
        return std::nullopt;
    entry.programCount = *count;
    entry.firmware = fields[4];
    entry.firmwareDate = fields[5];
    entry.firmwareTime = fields[6];
    entry.openFile = fields[7];
    entry.nudge = *nudge == 1;
    entry.rpm = *rpm;
    entry.tpsPercent = *tps;
    entry.changes = *changes;
    return entry;
}

} // namespace

bool HistoryEntry::operator==(const HistoryEntry& other) const {
    return file == other.file && time == other.time && action == other.action &&
           firmware == other.firmware && firmwareDate == other.firmwareDate &&
           firmwareTime == other.firmwareTime && programCount == other.programCount &&
           openFile == other.openFile && nudge == other.nudge && rpm == other.rpm &&
           tpsPercent == other.tpsPercent && changes == other.changes;
}

std::string FormatHistoryIndex(const std::vector<HistoryEntry>& entries) {
    std::string text = std::string(kIndexHeader) + '\n';
    for (const HistoryEntry& entry : entries) {
        const std::string fields[kFieldCount] = {entry.file,
                                                 entry.time,
                                                 ActionWord(entry.action),
                                                 std::to_string(entry.programCount),
                                                 entry.firmware,
                                                 entry.firmwareDate,
                                                 entry.firmwareTime,
                                                 entry.openFile,
                                                 entry.nudge ? "1" : "0",
                                                 std::to_string(entry.rpm),
                                                 std::to_string(entry.tpsPercent),
                                                 FormatChanges(entry.changes)};
        for (std::size_t i = 0; i < kFieldCount; ++i)
            text += (i ? "\t" : "") + Escaped(fields[i]);
        text += '\n';
    }
    return text;
}

HistoryIndex ParseHistoryIndex(const std::string& text) {
    HistoryIndex index;
    // An index saved again by an editor may begin with a byte-order mark; it is still ours.
    const std::string bom = "\xEF\xBB\xBF";
    std::vector<std::string> lines =
        SplitAt(text.compare(0, bom.size(), bom) == 0 ? text.substr(bom.size()) : text, '\n');
    // The writer ends every line; what follows the last line end is a line cut off, and a cut
    // in the last number of a line can leave a line that still reads, with a wrong value.
    const bool cutOff = !lines.back().empty();
    lines.pop_back();
    for (std::string& line : lines) {
        if (!line.empty() && line.back() == '\r') // written in text mode on Windows
            line.pop_back();
    }
    index.skippedLines = cutOff ? 1 : 0;
    if (lines.empty())
        return index;
    if (lines.front() != kIndexHeader) {
        index.foreign = true;
        index.skippedLines += int(lines.size());
        return index;
    }
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (auto entry = ParseEntry(lines[i]))
            index.entries.push_back(std::move(*entry));
        else
            ++index.skippedLines;
    }
    return index;
}

bool IsHistoryFileName(const std::string& name) {
    const std::string extension = ".ign";
    if (name.size() <= extension.size() || name.size() > 80 ||
        name.compare(name.size() - extension.size(), extension.size(), extension) != 0)
        return false;
    for (std::size_t i = 0; i + extension.size() < name.size(); ++i) {
        const char c = name[i];
        const bool plain = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') ||
                           (c >= 'A' && c <= 'Z') || c == '-' || c == '_';
        if (!plain)
            return false;
    }
    return true;
}

std::vector<ChangedByte> ChangedBytes(const ConfigBlock& before, const ConfigBlock& after) {
    std::vector<ChangedByte> changes;
    for (int offset = 0; offset < kImageSize; ++offset) {
        if (before[offset] != after[offset])
            changes.push_back({offset, before[offset], after[offset]});
    }
    return changes;
}

ConfigBlock WithChanges(ConfigBlock base, const std::vector<ChangedByte>& changes, bool after) {
    for (const ChangedByte& change : changes) {
        if (change.offset >= 0 && change.offset < kImageSize)
            base[change.offset] = after ? change.after : change.before;
    }
    return base;
}

} // namespace kx
