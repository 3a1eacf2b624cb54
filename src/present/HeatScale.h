#pragma once

#include <cstdint>

namespace kx {

struct Rgb {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    bool operator==(const Rgb& o) const {
        return red == o.red && green == o.green && blue == o.blue;
    }
};

// The colour of a map value between the map's lowest and highest: cool blue for little advance
// through pale yellow to red for much. The scale has no saturated green anywhere, so the live
// operating point's lime stands out on it at a glance.
Rgb HeatColour(int value, int lowest, int highest);

// Black or white, whichever reads better on the background.
Rgb TextColourOn(Rgb background);

// The contrast ratio of two colours as the accessibility guidelines define it, 1 to 21.
double ContrastRatio(Rgb first, Rgb second);

} // namespace kx
