#include "config/MapBlock.h"

#include <algorithm>
#include <cmath>

namespace kx {

namespace {

uint8_t Clamped(long degrees) {
    return uint8_t(std::clamp(degrees, 0L, long(kAdvanceMax)));
}

uint8_t& Cell(ConfigBlock& block, int row, int column) {
    return block.advance[MapIndex(row, column)];
}

template <typename Change>
void ForEachCell(ConfigBlock& block, const CellRange& range, Change change) {
    for (int row = range.firstRow; row <= range.lastRow; ++row) {
        for (int column = range.firstColumn; column <= range.lastColumn; ++column)
            change(Cell(block, row, column), row, column);
    }
}

// Where `index` lies between `first` and `last` on an axis, 0..1. An axis that does not rise
// between them (a record not yet normalised) is taken as evenly spaced.
template <typename Axis>
double Fraction(const Axis& axis, int first, int last, int index) {
    if (first == last)
        return 0.0;
    const double span = double(axis[last]) - double(axis[first]);
    if (span <= 0)
        return double(index - first) / double(last - first);
    return (double(axis[index]) - double(axis[first])) / span;
}

} // namespace

CellRange CellRange::Spanning(int rowA, int columnA, int rowB, int columnB) {
    return {std::min(rowA, rowB), std::min(columnA, columnB), std::max(rowA, rowB),
            std::max(columnA, columnB)};
}

void RaiseBlock(ConfigBlock& block, const CellRange& range, int degrees) {
    ForEachCell(block, range,
                [degrees](uint8_t& cell, int, int) { cell = Clamped(long(cell) + degrees); });
}

void SetBlock(ConfigBlock& block, const CellRange& range, int degrees) {
    ForEachCell(block, range, [degrees](uint8_t& cell, int, int) { cell = Clamped(degrees); });
}

void ScaleBlock(ConfigBlock& block, const CellRange& range, int percent) {
    ForEachCell(block, range, [percent](uint8_t& cell, int, int) {
        cell = Clamped(std::lround(cell * double(percent) / 100.0));
    });
}

void InterpolateBlock(ConfigBlock& block, const CellRange& range, Interpolation direction) {
    const ConfigBlock before = block;
    const auto at = [&before](int row, int column) {
        return double(before.advance[MapIndex(row, column)]);
    };
    const bool alongRows = direction != Interpolation::AlongColumns;
    const bool alongColumns = direction != Interpolation::AlongRows;
    ForEachCell(block, range, [&](uint8_t& cell, int row, int column) {
        const double across =
            alongRows ? Fraction(before.rpmAdv, range.firstColumn, range.lastColumn, column) : 0;
        const double down =
            alongColumns ? Fraction(TpsBreakpoints, range.firstRow, range.lastRow, row) : 0;
        // Only one direction: the line runs between the cell's own row's or column's ends.
        const int top = alongColumns ? range.firstRow : row;
        const int bottom = alongColumns ? range.lastRow : row;
        const int left = alongRows ? range.firstColumn : column;
        const int right = alongRows ? range.lastColumn : column;
        const double upper = at(top, left) + (at(top, right) - at(top, left)) * across;
        const double lower = at(bottom, left) + (at(bottom, right) - at(bottom, left)) * across;
        cell = Clamped(std::lround(upper + (lower - upper) * down));
    });
}

void SmoothBlock(ConfigBlock& block, const CellRange& range) {
    const ConfigBlock before = block;
    ForEachCell(block, range, [&](uint8_t& cell, int row, int column) {
        int sum = 0;
        int count = 0;
        for (int r = std::max(row - 1, range.firstRow); r <= std::min(row + 1, range.lastRow);
             ++r) {
            for (int c = std::max(column - 1, range.firstColumn);
                 c <= std::min(column + 1, range.lastColumn); ++c) {
                sum += before.advance[MapIndex(r, c)];
                ++count;
            }
        }
        cell = Clamped(std::lround(double(sum) / count));
    });
}

ValueGrid BlockValues(const ConfigBlock& block, const CellRange& range) {
    ValueGrid values;
    for (int row = range.firstRow; row <= range.lastRow; ++row) {
        std::vector<int>& line = values.emplace_back();
        for (int column = range.firstColumn; column <= range.lastColumn; ++column)
            line.push_back(block.advance[MapIndex(row, column)]);
    }
    return values;
}

int PutBlockValues(ConfigBlock& block, int row, int column, const ValueGrid& values) {
    int clamped = 0;
    for (size_t r = 0; r < values.size(); ++r) {
        for (size_t c = 0; c < values[r].size(); ++c) {
            const int value = values[r][c];
            const uint8_t stored = Clamped(value);
            clamped += stored != value;
            Cell(block, row + int(r), column + int(c)) = stored;
        }
    }
    return clamped;
}

} // namespace kx
