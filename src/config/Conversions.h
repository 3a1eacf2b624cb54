#pragma once

#include <cstdint>
#include <optional>

namespace kx {

// Bike list item (0..4) to the record's bike code; nullopt for an index with no code.
std::optional<uint8_t> BikeCodeFromCombo(int itemIndex);
// Bike code to the list item; nullopt for a code above 4 (the list keeps its selection).
std::optional<int> ComboFromBikeCode(uint8_t bikeCode);

// geberMode to and from the "lobes per revolution" list. The list puts the CMPS entry (stored 0)
// last, hence the rotation by one. No selection (-1) gives 0.
uint8_t GeberModeFromItem(int itemIndex);
int ItemFromGeberMode(uint8_t geberMode);

// tps100 is stored as an offset from 2500 mV. The unit's own firmware computes it as
// (mV / 10 + 6) in 8 bits, which equals mV / 10 - 250 for every valid value; keep that form so
// out-of-range captures wrap exactly as the unit would see them.
uint8_t Tps100FromMv(int millivolts);
int Tps100ToMv(uint8_t stored);

} // namespace kx
