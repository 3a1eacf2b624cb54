#include "present/HeatScale.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace kx {

namespace {

// Light enough for black digits along the whole scale, apart from the two ends, which take white.
constexpr Rgb kStops[] = {
    {40, 90, 200}, {110, 170, 230}, {200, 225, 240}, {250, 235, 160}, {245, 165, 90}, {200, 45, 40},
};

uint8_t Blend(uint8_t from, uint8_t to, double share) {
    return uint8_t(std::lround(from + (to - from) * share));
}

double Linear(uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(Rgb colour) {
    return 0.2126 * Linear(colour.red) + 0.7152 * Linear(colour.green) +
           0.0722 * Linear(colour.blue);
}

} // namespace

Rgb HeatColour(int value, int lowest, int highest) {
    const double share =
        highest > lowest ? std::clamp(double(value - lowest) / (highest - lowest), 0.0, 1.0) : 0.5;
    const double position = share * double(std::size(kStops) - 1);
    const size_t stop = std::min(size_t(position), std::size(kStops) - 2);
    const double within = position - double(stop);
    const Rgb& from = kStops[stop];
    const Rgb& to = kStops[stop + 1];
    return {Blend(from.red, to.red, within), Blend(from.green, to.green, within),
            Blend(from.blue, to.blue, within)};
}

Rgb TextColourOn(Rgb background) {
    constexpr Rgb kBlack{0, 0, 0};
    constexpr Rgb kWhite{255, 255, 255};
    return ContrastRatio(background, kBlack) >= ContrastRatio(background, kWhite) ? kBlack : kWhite;
}

double ContrastRatio(Rgb first, Rgb second) {
    const double a = Luminance(first);
    const double b = Luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

} // namespace kx
