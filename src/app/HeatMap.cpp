#include "app/HeatMap.h"

#include "app/OperatingPointMarker.h"
#include "present/HeatScale.h"

#include <algorithm>

namespace kx {

namespace {

QColor ToColour(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// Each value on the scale from the lowest to the highest value from `usedFrom` on, with digits
// that read well on it.
template <typename Values, typename Colours>
void ColourBy(const Values& values, typename Values::const_iterator usedFrom, Colours& colours) {
    const auto [lowest, highest] = std::minmax_element(usedFrom, values.end());
    for (size_t i = 0; i < values.size(); ++i) {
        const Rgb background = HeatColour(values[i], *lowest, *highest);
        colours[i] = {ToColour(background), ToColour(TextColourOn(background))};
    }
}

} // namespace

void HeatMap::Show(const ConfigBlock& block, bool shown) {
    if (!shown) {
        if (shown_) {
            marker_.SetMapColours({});
            marker_.SetServoColours({});
        }
        shown_.reset();
        return;
    }
    Shown now;
    std::copy(std::begin(block.advance), std::end(block.advance), now.map.begin());
    std::copy(std::begin(block.servoMv), std::end(block.servoMv), now.servo.begin());
    now.allRows = block.tpsMapa != 0;
    if (shown_ == now)
        return;
    OperatingPointMarker::MapColours map;
    ColourBy(now.map, now.allRows ? now.map.begin() : now.map.begin() + MapIndex(kMapRows - 1, 0),
             map);
    marker_.SetMapColours(map);
    if (!shown_ || shown_->servo != now.servo) {
        OperatingPointMarker::ServoColours servo;
        ColourBy(now.servo, now.servo.cbegin(), servo);
        marker_.SetServoColours(servo);
    }
    shown_ = now;
}

} // namespace kx
