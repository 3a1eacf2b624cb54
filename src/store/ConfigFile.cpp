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

// How a stored byte becomes the number in the file and back.
enum class Conversion {
    Version,         // the file version, not a field of the record
    Plain,           // as stored
    PlainSigned,     // as stored, written with a sign field
    Times100,        // rpm from hundreds of rpm
    Times10,         // mV or ms from tens
    Times5,          // mV from fives
    Times20,         // mV from twenties
    Tps100,          // mV of the 100 % throttle point, stored as an offset from 2500 mV
    TachoCorrection, // signed correction, stored with a bias of 100
    Flag,            // 0 or 1, written without a trailing space
};

struct Value {
    int offset; // into the record; unused for Conversion::Version
    Conversion conversion;
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

Value At(std::size_t offset, Conversion conversion) {
    return {int(offset), conversion};
}

std::vector<Value> AxisValues(std::size_t axisOffset, Conversion conversion) {
    std::vector<Value> values;
    for (int i = 0; i < kAxisPoints; ++i)
        values.push_back(At(axisOffset + i, conversion));
    return values;
}

std::vector<Line> BuildLayout() {
    using C = Conversion;
    using B = ConfigBlock;
    std::vector<Line> lines = {
        {"KORVANEX_KEY  ", false, {{0, C::Version}}},
        {"", false, {}},
        {"BIKE        ", true, {At(offsetof(B, bike), C::Plain)}},
        {kIndent,
         false,
         {At(offsetof(B, synchroMode), C::Plain), At(offsetof(B, lobeCount), C::Plain),
          At(offsetof(B, outputCount), C::Plain)}},
    };
    for (int channel = 0; channel < kUsedChannels; ++channel) {
        lines.push_back({kIndent,
                         false,
                         {At(offsetof(B, maxAdvLobe) + channel, C::Plain),
                          At(offsetof(B, maxAdvEdge2) + channel, C::Plain),
                          At(offsetof(B, maxAdvPickup2) + channel, C::Plain)}});
        lines.push_back({kIndent,
                         false,
                         {At(offsetof(B, startAdvLobe) + channel, C::Plain),
                          At(offsetof(B, startAdvEdge2) + channel, C::Plain),
                          At(offsetof(B, startAdvPickup2) + channel, C::Plain)}});
    }
    lines.push_back({kIndent, false, {}});
    lines.push_back(
        {kIndent,
         false,
         {At(offsetof(B, noIgnitionRevs), C::Plain), At(offsetof(B, compensation1), C::Plain),
          At(offsetof(B, compensation2), C::Plain)}});
    lines.push_back({"GEBER_MODE  ", true, {At(offsetof(B, geberMode), C::Plain)}});
    lines.push_back(
        {"INPUT       ",
         true,
         {At(offsetof(B, input1Function), C::Plain),
          At(offsetof(B, input2Function), C::PlainSigned),
          At(offsetof(B, pickup1Inverted), C::Plain), At(offsetof(B, pickup2Inverted), C::Plain)}});
    lines.push_back({"BASE_ADV    ", true, {At(offsetof(B, baseAdv), C::Plain)}});
    lines.push_back({"LIMITER     ",
                     true,
                     {At(offsetof(B, startLimiter), C::Plain), At(offsetof(B, limiter), C::Plain),
                      At(offsetof(B, retard), C::Plain)}});
    lines.push_back({"PILOT_LIGHT  ", true, {At(offsetof(B, pilotLight), C::Times100)}});
    lines.push_back(
        {"CLUTCH       ",
         true,
         {At(offsetof(B, clutchTime), C::Times10), At(offsetof(B, clutchPause), C::Times10)}});
    lines.push_back({"", false, {}});
    lines.push_back({"TPS         ",
                     true,
                     {At(offsetof(B, tps0), C::Times10), At(offsetof(B, tps100), C::Tps100)}});
    lines.push_back({"RPM        ",
                     true,
                     {At(offsetof(B, tachoPulses), C::Plain),
                      At(offsetof(B, tachoCorrection), C::TachoCorrection)}});
    lines.push_back({"TPS_MAPA    ", true, {At(offsetof(B, tpsMapa), C::Flag)}});
    lines.push_back({"", false, {}});
    lines.push_back({"RPM_ADV     ", true, AxisValues(offsetof(B, rpmAdv), C::Times100)});
    lines.push_back({"", false, {}});
    for (int row = 0; row < kMapRows; ++row) {
        Line line{row == 0 ? "ADVANCE     " : kIndent, row == 0, {}};
        for (int column = 0; column < kMapColumns; ++column)
            line.values.push_back(At(offsetof(B, advance) + MapIndex(row, column), C::Plain));
        lines.push_back(std::move(line));
    }
    lines.push_back({kIndent, false, {}});
    lines.push_back({"", false, {}});
    lines.push_back({"SERVO_ENABLE", true, {At(offsetof(B, servoEnable), C::Flag)}});
    lines.push_back({"SERVO_HYSTER", true, {At(offsetof(B, servoHyster), C::Times5)}});
    lines.push_back({"SERVO_RPM   ", true, AxisValues(offsetof(B, servoRpm), C::Times100)});
    lines.push_back({"SERVO_MV    ", true, AxisValues(offsetof(B, servoMv), C::Times20)});
    lines.push_back({"NO_READING  ", true, {At(offsetof(B, noReading), C::Flag)}});
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

int NumberFromStored(Conversion conversion, uint8_t stored) {
    switch (conversion) {
    case Conversion::Version:
        return int(kFileVersion);
    case Conversion::Times100:
        return stored * 100;
    case Conversion::Times10:
        return stored * 10;
    case Conversion::Times5:
        return stored * 5;
    case Conversion::Times20:
        return stored * 20;
    case Conversion::Tps100:
        return Tps100ToMv(stored);
    case Conversion::TachoCorrection:
        return int(stored) - 100;
    case Conversion::Flag: // any nonzero byte reads as on
        return stored ? 1 : 0;
    default: // Plain, PlainSigned
        return stored;
    }
}

void WriteValue(std::ostream& out, const ConfigBlock& block, const Value& value) {
    const uint8_t stored = value.conversion == Conversion::Version ? 0 : block[value.offset];
    const int number = NumberFromStored(value.conversion, stored);
    char text[16];
    switch (value.conversion) {
    case Conversion::Version:
        std::snprintf(text, sizeof text, "%3d ", number);
        break;
    case Conversion::Flag:
        std::snprintf(text, sizeof text, "    %d", number);
        break;
    default:
        std::snprintf(text, sizeof text, "%5d ", number);
        break;
    }
    out << text;
}

// The stored byte for a number read from the file. The format defines dividing conversions on the
// number modulo 65536, which also gives negative numbers a fixed result.
uint8_t StoredFromNumber(Conversion conversion, uint32_t number) {
    const uint32_t low16 = number % 65536u;
    switch (conversion) {
    case Conversion::Times100:
        return uint8_t(low16 / 100u);
    case Conversion::Times10:
        return uint8_t(low16 / 10u);
    case Conversion::Times5:
        return uint8_t(low16 / 5u);
    case Conversion::Times20:
        return uint8_t(low16 / 20u);
    case Conversion::Tps100:
        return Tps100FromMv(int(low16));
    case Conversion::TachoCorrection:
        return uint8_t(number + 100u);
    default:
        return uint8_t(number);
    }
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
                return NumberFromStored(value.conversion, block[offset]);
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
            block[value.offset] = StoredFromNumber(value.conversion, *number);
        }
    }
    return true;
}

} // namespace kx
