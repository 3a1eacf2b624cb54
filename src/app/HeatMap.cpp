#include "app/HeatMap.h"

#include "app/OperatingPointMarker.h"
#include "present/HeatScale.h"

#include <algorithm>

namespace kx {

namespace {

QColor ToColour(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

} // namespace

void HeatMap::Show(const ConfigBlock& block, bool shown) {
    if (!shown) {
        if (shownMap_)
            marker_.SetMapColours({});
        shownMap_.reset();
        return;
    }
    Map map;
    std::copy(std::begin(block.advance), std::end(block.advance), map.begin());
    const bool allRows = block.tpsMapa != 0;
    if (shownMap_ == map && shownRows_ == allRows)
        return;
    const auto used = allRows ? map.begin() : map.begin() + MapIndex(kMapRows - 1, 0);
    const auto [lowest, highest] = std::minmax_element(used, map.end());
    OperatingPointMarker::MapColours colours;
    for (size_t cell = 0; cell < map.size(); ++cell) {
        const Rgb background = HeatColour(map[cell], *lowest, *highest);
        colours[cell] = {ToColour(background), ToColour(TextColourOn(background))};
    }
    marker_.SetMapColours(colours);
    shownMap_ = map;
    shownRows_ = allRows;
}

} // namespace kx
