#include "store/ConfigFile.h"

#include "config/Conversions.h"
#include "store/WordReader.h"

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

namespace kx {

namespace {

constexpr unsigned kFileVersion = 50;
constexpr const char* kVersionKey = "KORVANEX_KEY";
constexpr const char* kIndent = "            "; // continuation lines start with twelve spaces

// How a value is written. The number itself comes from the field's Scale, as in its editor.
enum class Format {
    Number,  // "%5d ": unsigned fields never go negative, so this is also their "%5u "
    Flag,    // 0 or 1 (any nonzero byte reads as on), written without a trailing space
    Version, // the file version, not a field of the record, written with "%3d "
};

struct Value {
    int offset; // into the record; unused for Format::Version
    Scale scale;
    Format format;
};

// One line of the written layout. The reader reads a keyword's values from its line and from the
// continuation lines after it, so writer and reader cannot drift apart.
struct Line {
    std::string prefix;
    bool startsKeyword;
    std::vector<Value> values;
};

struct Keyword {
    std::string name;
    std::vector<Value> values;
};

Value At(std::size_t offset, Scale scale = Scale::Plain) {
    return {int(offset), scale, Format::Number};
}

Value FlagAt(std::size_t offset) {
    return {int(offset), Scale::Plain, Format::Flag};
}

std::vector<Value> AxisValues(std::size_t axisOffset, Scale scale) {
    std::vector<Value> values;
    for (int i = 0; i < kAxisPoints; ++i)
        values.push_back(At(axisOffset + i, scale));
    return values;
}

std::vector<Line> BuildLayout() {
    using S = Scale;
    using B = ConfigBlock;
    std::vector<Line> lines = {
        {"KORVANEX_KEY  ", false, {{0, S::Plain, Format::Version}}},
        {"", false, {}},
        {"BIKE        ", true, {At(offsetof(B, bike))}},
        {kIndent,
         false,
         {At(offsetof(B, synchroMode)), At(offsetof(B, lobeCount)), At(offsetof(B, outputCount))}},
    };
    for (int channel = 0; channel < kUsedChannels; ++channel) {
        lines.push_back(
            {kIndent,
             false,
             {At(offsetof(B, maxAdvLobe) + channel), At(offsetof(B, maxAdvEdge2) + channel),
              At(offsetof(B, maxAdvPickup2) + channel)}});
        lines.push_back(
            {kIndent,
             false,
             {At(offsetof(B, startAdvLobe) + channel), At(offsetof(B, startAdvEdge2) + channel),
              At(offsetof(B, startAdvPickup2) + channel)}});
    }
    lines.push_back({kIndent, false, {}});
    lines.push_back({kIndent,
                     false,
                     {At(offsetof(B, noIgnitionRevs)), At(offsetof(B, compensation1)),
                      At(offsetof(B, compensation2))}});
    lines.push_back({"GEBER_MODE  ", true, {At(offsetof(B, geberMode))}});
    lines.push_back({"INPUT       ",
                     true,
                     {At(offsetof(B, input1Function)), At(offsetof(B, input2Function)),
                      At(offsetof(B, pickup1Inverted)), At(offsetof(B, pickup2Inverted))}});
    lines.push_back({"BASE_ADV    ", true, {At(offsetof(B, baseAdv))}});
    lines.push_back(
        {"LIMITER     ",
         true,
         {At(offsetof(B, startLimiter)), At(offsetof(B, limiter)), At(offsetof(B, retard))}});
    lines.push_back({"PILOT_LIGHT  ", true, {At(offsetof(B, pilotLight), S::Hundreds)}});
    lines.push_back(
        {"CLUTCH       ",
         true,
         {At(offsetof(B, clutchTime), S::Tens), At(offsetof(B, clutchPause), S::Tens)}});
    lines.push_back({"", false, {}});
    lines.push_back({"TPS         ",
                     true,
                     {At(offsetof(B, tps0), S::Tens), At(offsetof(B, tps100), S::Tps100)}});
    lines.push_back({"RPM        ",
                     true,
                     {At(offsetof(B, tachoPulses)), At(offsetof(B, tachoCorrection), S::Bias100)}});
    lines.push_back({"TPS_MAPA    ", true, {FlagAt(offsetof(B, tpsMapa))}});
    lines.push_back({"", false, {}});
    lines.push_back({"RPM_ADV     ", true, AxisValues(offsetof(B, rpmAdv), S::Hundreds)});
    lines.push_back({"", false, {}});
    for (int row = 0; row < kMapRows; ++row) {
        Line line{row == 0 ? "ADVANCE     " : kIndent, row == 0, {}};
        for (int column = 0; column < kMapColumns; ++column)
            line.values.push_back(At(offsetof(B, advance) + MapIndex(row, column)));
        lines.push_back(std::move(line));
    }
    lines.push_back({kIndent, false, {}});
    lines.push_back({"", false, {}});
    lines.push_back({"SERVO_ENABLE", true, {FlagAt(offsetof(B, servoEnable))}});
    lines.push_back({"SERVO_HYSTER", true, {At(offsetof(B, servoHyster), S::Fives)}});
    lines.push_back({"SERVO_RPM   ", true, AxisValues(offsetof(B, servoRpm), S::Hundreds)});
    lines.push_back({"SERVO_MV    ", true, AxisValues(offsetof(B, servoMv), S::Twenties)});
    lines.push_back({"NO_READING  ", true, {FlagAt(offsetof(B, noReading))}});
    return lines;
}

const std::vector<Line>& Layout() {
    static const std::vector<Line> layout = BuildLayout();
    return layout;
}

std::vector<Keyword> BuildKeywords() {
    std::vector<Keyword> keywords;
    for (const Line& line : Layout()) {
        if (line.startsKeyword)
            keywords.push_back({line.prefix.substr(0, line.prefix.find(' ')), {}});
        else if (keywords.empty())
            continue; // the version line is handled before the keyword loop
        keywords.back().values.insert(keywords.back().values.end(), line.values.begin(),
                                      line.values.end());
    }
    return keywords;
}

const std::vector<Keyword>& Keywords() {
    static const std::vector<Keyword> keywords = BuildKeywords();
    return keywords;
}

const Keyword* FindKeyword(const Word& word) {
    for (const Keyword& keyword : Keywords()) {
        if (word.Is(keyword.name.c_str()))
            return &keyword;
    }
    return nullptr;
}

int NumberFromStored(const Value& value, uint8_t stored) {
    switch (value.format) {
    case Format::Version:
        return int(kFileVersion);
    case Format::Flag:
        return stored ? 1 : 0;
    case Format::Number:
        break;
    }
    return ShownFromStored(value.scale, stored);
}

void WriteValue(std::ostream& out, const ConfigBlock& block, const Value& value) {
    const uint8_t stored = value.format == Format::Version ? 0 : block[value.offset];
    const int number = NumberFromStored(value, stored);
    char text[16];
    switch (value.format) {
    case Format::Version:
        std::snprintf(text, sizeof text, "%3d ", number);
        break;
    case Format::Flag:
        std::snprintf(text, sizeof text, "    %d", number);
        break;
    case Format::Number:
        std::snprintf(text, sizeof text, "%5d ", number);
        break;
    }
    out << text;
}

// The stored byte for a number read from the file. The format defines dividing conversions on the
// number modulo 65536, which also gives negative numbers a fixed result; the lower 8 bits the
// editors' conversion then keeps are the same with or without that step, so it serves every scale.
uint8_t StoredFromNumber(Scale scale, uint32_t number) {
    return StoredFromShown(scale, int(number % 65536u));
}

// Skips words until the version key followed by the supported version.
bool FindVersion(WordReader& reader) {
    Word word;
    while (reader.Next(word)) {
        if (!word.Is(kVersionKey))
            continue;
        // A non-numeric word after the key stays in the reader and is examined as the next word.
        if (const auto version = reader.NextNumber(); version && *version == kFileVersion)
            return true;
    }
    return false;
}

} // namespace

const std::vector<ConfigFileKeyword>& ConfigFileKeywords() {
    static const std::vector<ConfigFileKeyword> keywords = [] {
        std::vector<ConfigFileKeyword> list;
        for (const Keyword& keyword : Keywords()) {
            list.push_back({keyword.name, {}});
            for (const Value& value : keyword.values)
                list.back().offsets.push_back(value.offset);
        }
        return list;
    }();
    return keywords;
}

int ConfigFileNumber(const ConfigBlock& block, int offset) {
    for (const Keyword& keyword : Keywords()) {
        for (const Value& value : keyword.values) {
            if (value.offset == offset)
                return NumberFromStored(value, block[offset]);
        }
    }
    return block[offset];
}

void WriteConfigFile(std::ostream& out, const ConfigBlock& block) {
    const std::vector<Line>& lines = Layout();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            out << '\n';
        out << lines[i].prefix;
        for (const Value& value : lines[i].values)
            WriteValue(out, block, value);
    }
}

bool ReadConfigFile(std::istream& in, ConfigBlock& block) {
    WordReader reader(in);
    if (!FindVersion(reader))
        return false;
    Word word;
    while (reader.Next(word)) {
        const Keyword* keyword = FindKeyword(word);
        if (!keyword)
            continue;
        for (const Value& value : keyword->values) {
            // A missing or non-numeric value ends this keyword: the remaining fields keep their
            // values instead of inheriting a number meant for another field.
            const auto number = reader.NextNumber();
            if (!number)
                break;
            block[value.offset] = StoredFromNumber(value.scale, *number);
        }
    }
    return true;
}

} // namespace kx
