#include "config/Conversions.h"

namespace kx {

namespace {
// The list item of geberMode 0, the CMPS entry, is the last one.
constexpr int kGeberItemShift = 1;
} // namespace

uint8_t GeberModeFromItem(int itemIndex) {
    return uint8_t((itemIndex + kGeberItemShift) % kGeberModes);
}

int ItemFromGeberMode(uint8_t geberMode) {
    return (geberMode + kGeberModes - kGeberItemShift) % kGeberModes;
}

uint8_t Tps100FromMv(int millivolts) {
    return uint8_t(millivolts / 10 + 6);
}

int Tps100ToMv(uint8_t stored) {
    return (stored + 250) * 10;
}

int ShownFromStored(Scale scale, uint8_t stored) {
    switch (scale) {
    case Scale::Plain:
        return stored;
    case Scale::Hundreds:
        return stored * 100;
    case Scale::Tens:
        return stored * 10;
    case Scale::Fives:
        return stored * 5;
    case Scale::Twenties:
        return stored * 20;
    case Scale::Tps100:
        return Tps100ToMv(stored);
    case Scale::Bias100:
        return stored - 100;
    }
    return stored;
}

uint8_t StoredFromShown(Scale scale, int shown) {
    switch (scale) {
    case Scale::Plain:
        return uint8_t(shown);
    case Scale::Hundreds:
        return uint8_t(shown / 100);
    case Scale::Tens:
        return uint8_t(shown / 10);
    case Scale::Fives:
        return uint8_t(shown / 5);
    case Scale::Twenties:
        return uint8_t(shown / 20);
    case Scale::Tps100:
        return Tps100FromMv(shown);
    case Scale::Bias100:
        return uint8_t(shown + 100);
    }
    return uint8_t(shown);
}

} // namespace kx
