#include "config/Conversions.h"

namespace kx {

namespace {
constexpr uint8_t kBikeCodeOfItem[] = {0, 2, 3, 4, 1};
constexpr int kItemOfBikeCode[] = {0, 4, 1, 2, 3};
} // namespace

std::optional<uint8_t> BikeCodeFromCombo(int itemIndex) {
    if (itemIndex < 0 || itemIndex >= int(sizeof kBikeCodeOfItem))
        return std::nullopt;
    return kBikeCodeOfItem[itemIndex];
}

std::optional<int> ComboFromBikeCode(uint8_t bikeCode) {
    if (bikeCode >= sizeof kItemOfBikeCode / sizeof kItemOfBikeCode[0])
        return std::nullopt;
    return kItemOfBikeCode[bikeCode];
}

uint8_t GeberModeFromItem(int itemIndex) {
    return uint8_t((itemIndex + 1) % 4);
}

int ItemFromGeberMode(uint8_t geberMode) {
    return (geberMode + 3) % 4;
}

uint8_t Tps100FromMv(int millivolts) {
    return uint8_t(millivolts / 10 + 6);
}

int Tps100ToMv(uint8_t stored) {
    return (stored + 250) * 10;
}

} // namespace kx
