#include "store/ConfigDifferences.h"

#include "store/ConfigFile.h"

#include <array>
#include <cstddef>
#include <utility>

namespace kx {

namespace {

using B = ConfigBlock;

// The named values of keywords that carry several different fields.
const std::pair<std::size_t, ValueName> kNamed[] = {
    {offsetof(B, bike), ValueName::Type},
    {offsetof(B, synchroMode), ValueName::Synchronisation},
    {offsetof(B, lobeCount), ValueName::Lobes},
    {offsetof(B, outputCount), ValueName::Outputs},
    {offsetof(B, noIgnitionRevs), ValueName::RevolutionsWithoutIgnition},
    {offsetof(B, compensation1), ValueName::Compensation1},
    {offsetof(B, compensation2), ValueName::Compensation2},
    {offsetof(B, input1Function), ValueName::Input1Function},
    {offsetof(B, input2Function), ValueName::Input2Function},
    {offsetof(B, pickup1Inverted), ValueName::Pickup1Inverted},
    {offsetof(B, pickup2Inverted), ValueName::Pickup2Inverted},
    {offsetof(B, startLimiter), ValueName::StartLimiter},
    {offsetof(B, limiter), ValueName::Limiter},
    {offsetof(B, retard), ValueName::Retard},
    {offsetof(B, clutchTime), ValueName::ClutchTime},
    {offsetof(B, clutchPause), ValueName::ClutchPause},
    {offsetof(B, tps0), ValueName::Tps0},
    {offsetof(B, tps100), ValueName::Tps100},
    {offsetof(B, tachoPulses), ValueName::TachoPulses},
    {offsetof(B, tachoCorrection), ValueName::TachoCorrection},
};

// The values each channel has, at their first channel's offset.
const std::pair<std::size_t, ValueName> kPerChannel[] = {
    {offsetof(B, maxAdvLobe), ValueName::MaxAdvanceLobe},
    {offsetof(B, maxAdvEdge2), ValueName::MaxAdvanceEdge2},
    {offsetof(B, maxAdvPickup2), ValueName::MaxAdvancePickup2},
    {offsetof(B, startAdvLobe), ValueName::StartAdvanceLobe},
    {offsetof(B, startAdvEdge2), ValueName::StartAdvanceEdge2},
    {offsetof(B, startAdvPickup2), ValueName::StartAdvancePickup2},
};

void PlaceField(FieldDifference& difference, const ConfigFileKeyword& keyword,
                std::size_t position) {
    const int offset = keyword.offsets[position];
    if (keyword.offsets.size() == 1) {
        difference.place = FieldPlace::Only;
        return;
    }
    if (keyword.offsets.size() == std::size_t(kMapRows * kMapColumns)) {
        const int cell = offset - keyword.offsets.front();
        difference.place = FieldPlace::MapCell;
        difference.position = cell / kMapColumns + 1;
        difference.column = cell % kMapColumns + 1;
        return;
    }
    if (keyword.offsets.size() == std::size_t(kAxisPoints) &&
        keyword.offsets.back() - keyword.offsets.front() == kAxisPoints - 1) {
        difference.place = FieldPlace::AxisPoint;
        difference.position = offset - keyword.offsets.front() + 1;
        return;
    }
    difference.place = FieldPlace::Named;
    for (const auto& [named, name] : kNamed) {
        if (int(named) == offset) {
            difference.name = name;
            return;
        }
    }
    for (const auto& [first, name] : kPerChannel) {
        const int channel = offset - int(first);
        if (channel >= 0 && channel < kUsedChannels) {
            difference.name = name;
            difference.channel = channel + 1;
            return;
        }
    }
    difference.place = FieldPlace::Value;
    difference.position = int(position) + 1;
}

std::string FieldWords(const FieldDifference& difference, const DifferenceWords& words) {
    const auto number = [](int n) { return std::to_string(n); };
    switch (difference.place) {
    case FieldPlace::Only:
        return "";
    case FieldPlace::Named: {
        const std::string& name = words.names[std::size_t(difference.name)];
        return difference.channel ? FillIn(words.channelValue, number(difference.channel), name)
                                  : name;
    }
    case FieldPlace::MapCell:
        return FillIn(words.mapCell, number(difference.position), number(difference.column));
    case FieldPlace::AxisPoint:
        return FillIn(words.axisPoint, number(difference.position));
    case FieldPlace::Value:
        return FillIn(words.value, number(difference.position));
    case FieldPlace::FreeByte:
        return FillIn(words.freeByte, number(difference.offset));
    }
    return "";
}

FieldDifference Difference(const ConfigBlock& first, const ConfigBlock& second, int offset) {
    FieldDifference difference;
    difference.offset = offset;
    difference.firstNumber = ConfigFileNumber(first, offset);
    difference.secondNumber = ConfigFileNumber(second, offset);
    difference.firstStored = first[offset];
    difference.secondStored = second[offset];
    return difference;
}

} // namespace

std::vector<FieldDifference> ListDifferences(const ConfigBlock& first, const ConfigBlock& second) {
    std::vector<FieldDifference> differences;
    std::array<bool, kImageSize> carried{};
    for (const ConfigFileKeyword& keyword : ConfigFileKeywords()) {
        for (std::size_t position = 0; position < keyword.offsets.size(); ++position) {
            const int offset = keyword.offsets[position];
            carried[offset] = true;
            if (first[offset] == second[offset])
                continue;
            FieldDifference difference = Difference(first, second, offset);
            difference.keyword = keyword.name;
            PlaceField(difference, keyword, position);
            differences.push_back(std::move(difference));
        }
    }
    for (int offset = 0; offset < kImageSize; ++offset) {
        if (carried[offset] || first[offset] == second[offset])
            continue;
        FieldDifference difference = Difference(first, second, offset);
        difference.place = FieldPlace::FreeByte;
        differences.push_back(std::move(difference));
    }
    return differences;
}

std::string DescribeDifference(const FieldDifference& difference, const DifferenceWords& words,
                               const std::string& firstLabel, const std::string& secondLabel) {
    const std::string field = FieldWords(difference, words);
    std::string line = difference.keyword;
    if (!line.empty() && !field.empty())
        line += " ";
    line += field;
    line += ": " + firstLabel + " " + std::to_string(difference.firstNumber) + ", " + secondLabel +
            " " + std::to_string(difference.secondNumber);
    if (difference.firstNumber == difference.secondNumber)
        line += " " + FillIn(words.stored, std::to_string(difference.firstStored),
                             std::to_string(difference.secondStored));
    return line;
}

std::string FillIn(const std::string& text, const std::string& first, const std::string& second) {
    std::string filled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
            filled += text[i + 1] == '1' ? first : second;
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

} // namespace kx
