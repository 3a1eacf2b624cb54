#include "store/BlockText.h"

#include <cmath>
#include <limits>
#include <optional>

namespace kx {

namespace {

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == separator) {
            parts.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    return parts;
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines.push_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
    }
    lines.push_back(text.substr(start));
    // The line end after the last row, and blank lines a selection of empty cells brings.
    while (!lines.empty() && lines.back().find_first_not_of(" \t") == std::string_view::npos)
        lines.pop_back();
    return lines;
}

std::string_view Trimmed(std::string_view field) {
    const size_t first = field.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    field = field.substr(first, field.find_last_not_of(' ') - first + 1);
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"')
        field = field.substr(1, field.size() - 2);
    return field;
}

// A sign, digits, and digits after one decimal comma or point; nothing else.
std::optional<int> Degrees(std::string_view field) {
    size_t i = 0;
    const bool negative = i < field.size() && field[i] == '-';
    if (i < field.size() && (field[i] == '-' || field[i] == '+'))
        ++i;
    double value = 0;
    int digits = 0;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i, ++digits)
        value = value * 10 + (field[i] - '0');
    if (i < field.size() && (field[i] == ',' || field[i] == '.')) {
        double place = 0.1;
        for (++i; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i, ++digits) {
            value += (field[i] - '0') * place;
            place /= 10;
        }
    }
    if (digits == 0 || i != field.size())
        return std::nullopt;
    // Far outside the map either way; kept within int so the caller can clamp it.
    constexpr double kLimit = std::numeric_limits<int>::max() / 2;
    value = std::min(std::round(value), kLimit);
    return int(negative ? -value : value);
}

} // namespace

std::string FormatBlockText(const ValueGrid& values, std::string_view lineEnd) {
    std::string text;
    for (const std::vector<int>& row : values) {
        for (size_t c = 0; c < row.size(); ++c) {
            if (c > 0)
                text += '\t';
            text += std::to_string(row[c]);
        }
        text += lineEnd;
    }
    return text;
}

ParsedBlock ParseBlockText(std::string_view text) {
    ParsedBlock parsed;
    const std::vector<std::string_view> lines = Lines(text);
    for (size_t r = 0; r < lines.size(); ++r) {
        std::vector<std::string_view> fields = Split(lines[r], '\t');
        if (fields.size() > 1 && Trimmed(fields.back()).empty())
            fields.pop_back();
        std::vector<int>& row = parsed.values.emplace_back();
        for (size_t c = 0; c < fields.size(); ++c) {
            const std::string_view field = Trimmed(fields[c]);
            const std::optional<int> degrees = Degrees(field);
            if (!degrees) {
                parsed.fault = ParsedBlock::Fault::NotANumber;
                parsed.row = int(r) + 1;
                parsed.column = int(c) + 1;
                parsed.field = std::string(field);
                parsed.values.clear();
                return parsed;
            }
            row.push_back(*degrees);
        }
        if (row.size() != parsed.values.front().size()) {
            parsed.fault = ParsedBlock::Fault::Ragged;
            parsed.values.clear();
            return parsed;
        }
    }
    if (parsed.values.empty())
        parsed.fault = ParsedBlock::Fault::Empty;
    return parsed;
}

} // namespace kx
