#pragma once

#include "config/ConfigBlock.h"

#include <cstdint>
#include <optional>

namespace kx {

// The bike code each item of the bike list stands for, in list order: the special type comes last
// although its code is 1. The code-to-item direction searches this one table.
inline constexpr uint8_t kBikeCodeOfItem[] = {kClassicBikeCode, kTwoLobeBikeCode,
                                              kThreeLobeBikeCode, kCmpsBikeCode, kSpecialBikeCode};
constexpr int kBikeItems = int(sizeof kBikeCodeOfItem);

// Bike list item (0..4) to the record's bike code; nullopt for an index with no code.
constexpr std::optional<uint8_t> BikeCodeFromCombo(int itemIndex) {
    if (itemIndex < 0 || itemIndex >= kBikeItems)
        return std::nullopt;
    return kBikeCodeOfItem[itemIndex];
}

// Bike code to the list item; nullopt for a code above 4 (the list keeps its selection).
constexpr std::optional<int> ComboFromBikeCode(uint8_t bikeCode) {
    for (int item = 0; item < kBikeItems; ++item) {
        if (kBikeCodeOfItem[item] == bikeCode)
            return item;
    }
    return std::nullopt;
}

// The list item of the special, manually described type.
constexpr int kSpecialBikeItem = *ComboFromBikeCode(kSpecialBikeCode);

// geberMode to and from the "lobes per revolution" list. The list puts the CMPS entry
// (kGeberModeCmps) last, hence the rotation by one. No selection (-1) gives kGeberModeCmps.
uint8_t GeberModeFromItem(int itemIndex);
int ItemFromGeberMode(uint8_t geberMode);

// tps100 is stored as an offset from 2500 mV. The unit's own firmware computes it as
// (mV / 10 + 6) in 8 bits, which equals mV / 10 - 250 for every valid value; keep that form so
// out-of-range captures wrap exactly as the unit would see them.
uint8_t Tps100FromMv(int millivolts);
int Tps100ToMv(uint8_t stored);

// How a stored byte becomes the number its editing control shows and the configuration file
// carries, and back.
enum class Scale {
    Plain,    // as stored
    Hundreds, // rpm from hundreds of rpm
    Tens,     // mV or ms from tens
    Fives,    // mV from fives
    Twenties, // mV from twenties
    Tps100,   // mV of the 100 % throttle point, stored as an offset from 2500 mV
    Bias100,  // tachometer correction, stored with a bias of 100
};

int ShownFromStored(Scale scale, uint8_t stored);
// The unit's own 8-bit arithmetic: out-of-range values wrap rather than saturate.
uint8_t StoredFromShown(Scale scale, int shown);

} // namespace kx
