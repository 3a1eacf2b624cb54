#pragma once

#include "config/ConfigBlock.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>

namespace kx {

// The map cells the engine ran in last, newest first, each at most once: a cell it comes back
// to moves to the front.
class CellTrail {
  public:
    static constexpr size_t kLength = 8;

    // False when the cell is the newest already, so nothing changed.
    bool Visit(int cell);
    void Clear() { cells_.clear(); }
    const std::deque<int>& cells() const { return cells_; }

  private:
    std::deque<int> cells_;
};

// How long the engine ran in each map cell this session.
class CellDwell {
  public:
    void Add(int cell, uint32_t ms);
    void Reset();
    uint32_t ms(int cell) const { return ms_[size_t(cell)]; }
    uint32_t longest() const { return longest_; }

  private:
    std::array<uint32_t, kMapRows * kMapColumns> ms_{};
    uint32_t longest_ = 0;
};

} // namespace kx
