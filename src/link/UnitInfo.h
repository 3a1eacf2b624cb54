#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kx {

constexpr uint8_t kProtocolVersion = 50;

// The unit's information block and the three texts shown from it.
struct UnitInfo {
    std::array<uint8_t, 100> bytes{};
    std::string unitVersionText; // firmware name and number, or the firmware text
    std::string unitDateText;    // "dd.mm.20yy"
    std::string unitTimeText;    // "hh:mm"

    uint8_t protocolVersion() const { return bytes[10]; }
};

// Builds the three texts from the bytes. Texts from the unit are taken as Latin-1 and stored as
// UTF-8 like every other text of the tool.
void FormatUnitInfo(UnitInfo& info);

} // namespace kx
