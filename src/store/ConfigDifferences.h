#pragma once

#include "config/ConfigBlock.h"

#include <array>
#include <string>
#include <vector>

namespace kx {

// The values of keywords that carry several different fields. Axes and the map are named by
// their position instead.
enum class ValueName {
    Type,
    Synchronisation,
    Lobes,
    Outputs,
    RevolutionsWithoutIgnition,
    Compensation1,
    Compensation2,
    Input1Function,
    Input2Function,
    Pickup1Inverted,
    Pickup2Inverted,
    StartLimiter,
    Limiter,
    Retard,
    ClutchTime,
    ClutchPause,
    Tps0,
    Tps100,
    TachoPulses,
    TachoCorrection,
    // Each channel has one of these; FieldDifference::channel says which.
    MaxAdvanceLobe,
    MaxAdvanceEdge2,
    MaxAdvancePickup2,
    StartAdvanceLobe,
    StartAdvanceEdge2,
    StartAdvancePickup2,
    Count
};

// Which of a keyword's values a difference is in.
enum class FieldPlace {
    Only,      // the keyword has one value
    Named,     // FieldDifference::name
    MapCell,   // FieldDifference::position is the row, column the column
    AxisPoint, // FieldDifference::position
    Value,     // FieldDifference::position among the keyword's values
    FreeByte,  // an image byte that no keyword carries, at FieldDifference::offset
};

// One field in which two records differ, named and valued as the configuration file has it.
struct FieldDifference {
    std::string keyword; // the file keyword; empty for an image byte that no keyword carries
    FieldPlace place = FieldPlace::Only;
    ValueName name = ValueName::Type; // when place is Named
    int channel = 0;                  // 1 or 2 for a name each channel has, else 0
    int position = 0;                 // from 1: the point, the value or the map row
    int column = 0;                   // from 1: the map column
    int offset = 0;                   // into the record
    int firstNumber = 0;              // the first record's value in the file's units
    int secondNumber = 0;             // the second record's value in the file's units
    uint8_t firstStored = 0;
    uint8_t secondStored = 0;
};

// The words a line of DescribeDifference is made of, in the reader's language. "%1" and "%2"
// stand for the numbers (or, in channelValue, the value's name) in the order given below.
struct DifferenceWords {
    std::array<std::string, std::size_t(ValueName::Count)> names; // "start limiter"
    std::string channelValue; // "channel %1 %2": the channel, the name
    std::string mapCell;      // "row %1 column %2"
    std::string axisPoint;    // "point %1"
    std::string value;        // "value %1": the position among the keyword's values
    std::string freeByte;     // "byte %1 (not in the file)": the offset
    std::string stored;       // "(stored %1 and %2)": the two stored bytes
};

// The fields of the device image (record bytes 0..199) in which the two records differ: first
// the keywords' values in the order the file writes them, then the image bytes that no keyword
// carries. The spare bytes after the image are no field and are not compared. A caller that
// ignores a field (the unit's own noReading flag, say) makes it equal in both records first.
std::vector<FieldDifference> ListDifferences(const ConfigBlock& first, const ConfigBlock& second);

// One line for a difference: "LIMITER limiter: file 125, unit 130" with the two records'
// labels; a byte without keyword reads "byte 54 (not in the file): file 0, unit 7". When the
// file's numbers are equal although the bytes are not (a flag byte 1 beside a flag byte 5), the
// stored bytes are added so that the line still shows the difference. Keywords stay as the file
// writes them; everything else comes from words.
std::string DescribeDifference(const FieldDifference& difference, const DifferenceWords& words,
                               const std::string& firstLabel, const std::string& secondLabel);

// text with each "%1" replaced by first and each "%2" by second.
std::string FillIn(const std::string& text, const std::string& first,
                   const std::string& second = "");

} // namespace kx
