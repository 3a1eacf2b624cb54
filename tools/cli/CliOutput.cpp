#include "CliOutput.h"

#include "texts/DifferenceTexts.h"

#include <cstdio>

namespace kx::cli {

void Say(const std::string& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
}

void Print(const std::string& text) {
    std::printf("%s\n", text.c_str());
    std::fflush(stdout);
}

void PrintDifferences(const std::vector<FieldDifference>& differences, int languageIndex,
                      const std::string& firstLabel, const std::string& secondLabel) {
    const DifferenceWords words = DifferenceWordsIn(uint8_t(languageIndex));
    for (const FieldDifference& difference : differences)
        Print(DescribeDifference(difference, words, firstLabel, secondLabel));
}

} // namespace kx::cli
