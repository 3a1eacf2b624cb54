#pragma once

#include "store/ConfigDifferences.h"

#include <string>
#include <vector>

namespace kx::cli {

// Messages for the person go to standard error.
void Say(const std::string& text);

// Results go to standard output, at once, so a script or a watching technician sees each line
// as it happens.
void Print(const std::string& text);

// One line per difference, in the words of languageIndex, the two records named by the labels.
void PrintDifferences(const std::vector<FieldDifference>& differences, int languageIndex,
                      const std::string& firstLabel, const std::string& secondLabel);

} // namespace kx::cli
