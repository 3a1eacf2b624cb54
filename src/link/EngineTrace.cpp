#include "link/EngineTrace.h"

#include <algorithm>

namespace kx {

bool CellTrail::Visit(int cell) {
    if (!cells_.empty() && cells_.front() == cell)
        return false;
    const auto seen = std::find(cells_.begin(), cells_.end(), cell);
    if (seen != cells_.end())
        cells_.erase(seen);
    cells_.push_front(cell);
    if (cells_.size() > kLength)
        cells_.pop_back();
    return true;
}

void CellDwell::Add(int cell, uint32_t ms) {
    if (cell < 0 || cell >= int(ms_.size()))
        return;
    uint32_t& total = ms_[size_t(cell)];
    total += ms;
    longest_ = std::max(longest_, total);
}

void CellDwell::Reset() {
    ms_.fill(0);
    longest_ = 0;
}

} // namespace kx
