#pragma once

#include "config/ConfigBlock.h"

#include <string>
#include <vector>

namespace kx {

// One field in which two records differ, named and valued as the configuration file has it.
struct FieldDifference {
    std::string keyword; // the file keyword; empty for an image byte that no keyword carries
    // Which of the keyword's values: "limiter", "row 3 column 5", "point 4"; empty when the
    // keyword has one value; "byte 54" for an image byte that no keyword carries.
    std::string field;
    int offset = 0;       // into the record
    int firstNumber = 0;  // the first record's value in the file's units
    int secondNumber = 0; // the second record's value in the file's units
    uint8_t firstStored = 0;
    uint8_t secondStored = 0;
};

// The fields of the device image (record bytes 0..199) in which the two records differ: first
// the keywords' values in the order the file writes them, then the image bytes that no keyword
// carries. The spare bytes after the image are no field and are not compared. A caller that
// ignores a field (the unit's own noReading flag, say) makes it equal in both records first.
std::vector<FieldDifference> ListDifferences(const ConfigBlock& first, const ConfigBlock& second);

// One line for a difference: "LIMITER limiter: file 125, unit 130" with the two records'
// labels; a byte without keyword reads "byte 54 (not in the file): file 0, unit 7". When the file's
// numbers are equal although the bytes are not (a flag byte 1 beside a flag byte 5), the stored
// bytes are added so that the line still shows the difference.
std::string DescribeDifference(const FieldDifference& difference, const std::string& firstLabel,
                               const std::string& secondLabel);

} // namespace kx
