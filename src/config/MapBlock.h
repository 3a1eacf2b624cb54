#pragma once

#include "config/ConfigBlock.h"

#include <vector>

namespace kx {

// A rectangle of advance map cells, corners included, in the map's own rows and columns.
struct CellRange {
    int firstRow = 0;
    int firstColumn = 0;
    int lastRow = 0;
    int lastColumn = 0;

    // The rectangle with these two cells at its corners, whichever way round they are given.
    static CellRange Spanning(int rowA, int columnA, int rowB, int columnB);

    int rows() const { return lastRow - firstRow + 1; }
    int columns() const { return lastColumn - firstColumn + 1; }
    int cells() const { return rows() * columns(); }
    bool contains(int row, int column) const {
        return row >= firstRow && row <= lastRow && column >= firstColumn && column <= lastColumn;
    }
    bool operator==(const CellRange& o) const {
        return firstRow == o.firstRow && firstColumn == o.firstColumn && lastRow == o.lastRow &&
               lastColumn == o.lastColumn;
    }
    bool operator!=(const CellRange& o) const { return !(*this == o); }
};

// Advance values in degrees, row by row, as a block of cells holds them or a paste brings them.
using ValueGrid = std::vector<std::vector<int>>;

enum class Interpolation {
    AlongRows,    // each row from its left cell to its right cell, over the speed axis
    AlongColumns, // each column from its top cell to its bottom cell, over the throttle rows
    Both,         // bilinear between the four corners
};

// Every operation leaves the cells outside the range as they are and clamps each result to what
// the cell's editor accepts, 0..60 degrees: a block raised past the top stops there, cell by cell.
// The range is taken as given; the caller keeps it inside the map.
void RaiseBlock(ConfigBlock& block, const CellRange& range, int degrees);
void SetBlock(ConfigBlock& block, const CellRange& range, int degrees);
// Each cell becomes `percent` of itself, rounded to the nearest degree.
void ScaleBlock(ConfigBlock& block, const CellRange& range, int percent);
// Straight lines between the block's edges, placed by the speed axis (rpmAdv) and the throttle
// breakpoints, so a column twice as far along the speeds gets twice the change. A range one cell
// wide in the direction of a line leaves that line as it is.
void InterpolateBlock(ConfigBlock& block, const CellRange& range, Interpolation direction);
// Each cell becomes the mean of itself and its neighbours inside the range, all taken before any
// of them changes.
void SmoothBlock(ConfigBlock& block, const CellRange& range);

ValueGrid BlockValues(const ConfigBlock& block, const CellRange& range);
// Puts the values into the map with their first value at (row, column), each clamped to 0..60;
// returns how many had to be clamped. The values must fit into the map from there.
int PutBlockValues(ConfigBlock& block, int row, int column, const ValueGrid& values);

} // namespace kx
