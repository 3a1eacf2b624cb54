// Any byte sequence as pasted text: it is read or refused, never half read, and what it gives
// prints as spreadsheet text that reads back to the same values.
#include "FuzzCheck.h"
#include "store/BlockText.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const kx::ParsedBlock parsed = kx::ParseBlockText(text);
    if (parsed.fault != kx::ParsedBlock::Fault::None) {
        Require(parsed.values.empty(), "a refused paste kept values");
        return 0;
    }
    Require(!parsed.values.empty() && !parsed.values.front().empty(), "an empty paste was taken");
    for (const auto& row : parsed.values)
        Require(row.size() == parsed.values.front().size(), "a ragged paste was taken");
    const kx::ParsedBlock again = kx::ParseBlockText(kx::FormatBlockText(parsed.values, "\r\n"));
    Require(again.fault == kx::ParsedBlock::Fault::None && again.values == parsed.values,
            "copied values read back differently");
    return 0;
}
