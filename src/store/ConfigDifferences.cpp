#include "store/ConfigDifferences.h"

#include "store/ConfigFile.h"

#include <array>
#include <cstddef>
#include <utility>

namespace kx {

namespace {

using B = ConfigBlock;

// Names of the values of keywords that carry several different fields. Axes and the map are
// named by their position instead.
const std::vector<std::pair<int, std::string>>& ValueNames() {
    static const std::vector<std::pair<int, std::string>> names = [] {
        std::vector<std::pair<int, std::string>> list = {
            {offsetof(B, bike), "type"},
            {offsetof(B, synchroMode), "synchronisation"},
            {offsetof(B, lobeCount), "lobes"},
            {offsetof(B, outputCount), "outputs"},
            {offsetof(B, noIgnitionRevs), "revolutions without ignition"},
            {offsetof(B, compensation1), "compensation 1"},
            {offsetof(B, compensation2), "compensation 2"},
            {offsetof(B, input1Function), "input 1 function"},
            {offsetof(B, input2Function), "input 2 function"},
            {offsetof(B, pickup1Inverted), "pick-up 1 inverted"},
            {offsetof(B, pickup2Inverted), "pick-up 2 inverted"},
            {offsetof(B, startLimiter), "start limiter"},
            {offsetof(B, limiter), "limiter"},
            {offsetof(B, retard), "retard"},
            {offsetof(B, clutchTime), "time"},
            {offsetof(B, clutchPause), "pause"},
            {offsetof(B, tps0), "0 %"},
            {offsetof(B, tps100), "100 %"},
            {offsetof(B, tachoPulses), "pulses"},
            {offsetof(B, tachoCorrection), "correction"},
        };
        const std::pair<std::size_t, const char*> perChannel[] = {
            {offsetof(B, maxAdvLobe), "maximum advance lobe"},
            {offsetof(B, maxAdvEdge2), "maximum advance 2nd edge"},
            {offsetof(B, maxAdvPickup2), "maximum advance pick-up 2"},
            {offsetof(B, startAdvLobe), "start advance lobe"},
            {offsetof(B, startAdvEdge2), "start advance 2nd edge"},
            {offsetof(B, startAdvPickup2), "start advance pick-up 2"},
        };
        for (const auto& [first, name] : perChannel) {
            for (int channel = 0; channel < kUsedChannels; ++channel)
                list.push_back(
                    {int(first) + channel, "channel " + std::to_string(channel + 1) + " " + name});
        }
        return list;
    }();
    return names;
}

std::string FieldName(const ConfigFileKeyword& keyword, std::size_t position) {
    const int offset = keyword.offsets[position];
    if (keyword.offsets.size() == 1)
        return "";
    if (keyword.offsets.size() == std::size_t(kMapRows * kMapColumns)) {
        const int cell = offset - keyword.offsets.front();
        return "row " + std::to_string(cell / kMapColumns + 1) + " column " +
               std::to_string(cell % kMapColumns + 1);
    }
    if (keyword.offsets.size() == std::size_t(kAxisPoints) &&
        keyword.offsets.back() - keyword.offsets.front() == kAxisPoints - 1)
        return "point " + std::to_string(offset - keyword.offsets.front() + 1);
    for (const auto& [named, name] : ValueNames()) {
        if (named == offset)
            return name;
    }
    return "value " + std::to_string(position + 1);
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
            difference.field = FieldName(keyword, position);
            differences.push_back(std::move(difference));
        }
    }
    for (int offset = 0; offset < kImageSize; ++offset) {
        if (carried[offset] || first[offset] == second[offset])
            continue;
        FieldDifference difference = Difference(first, second, offset);
        difference.field = "byte " + std::to_string(offset);
        differences.push_back(std::move(difference));
    }
    return differences;
}

std::string DescribeDifference(const FieldDifference& difference, const std::string& firstLabel,
                               const std::string& secondLabel) {
    std::string line = difference.keyword;
    if (!line.empty() && !difference.field.empty())
        line += " ";
    line += difference.field;
    if (difference.keyword.empty())
        line += " (not in the file)";
    line += ": " + firstLabel + " " + std::to_string(difference.firstNumber) + ", " + secondLabel +
            " " + std::to_string(difference.secondNumber);
    if (difference.firstNumber == difference.secondNumber)
        line += " (stored " + std::to_string(difference.firstStored) + " and " +
                std::to_string(difference.secondStored) + ")";
    return line;
}

} // namespace kx
