#pragma once

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace kx::bench {

using Row = std::vector<std::string>;

inline std::string Fixed(double value, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// A Markdown table, the first column left-aligned and the figures right-aligned, so the output
// can go into the documentation as it is.
inline void PrintTable(const Row& header, const std::vector<Row>& rows) {
    std::vector<size_t> widths(header.size());
    for (size_t c = 0; c < header.size(); ++c) {
        widths[c] = header[c].size();
        for (const Row& row : rows)
            widths[c] = std::max(widths[c], row[c].size());
    }
    auto print = [&widths](const Row& row) {
        for (size_t c = 0; c < row.size(); ++c)
            std::printf(c == 0 ? "| %-*s " : "| %*s ", int(widths[c]), row[c].c_str());
        std::printf("|\n");
    };
    print(header);
    for (size_t c = 0; c < widths.size(); ++c)
        std::printf(c == 0 ? "|:%s" : "|%s:", std::string(widths[c] + 1, '-').c_str());
    std::printf("|\n");
    for (const Row& row : rows)
        print(row);
    std::fflush(stdout);
}

} // namespace kx::bench
