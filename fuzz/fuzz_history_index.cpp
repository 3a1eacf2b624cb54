// Any byte sequence as the history index: it reads without crashing, lists only files inside the
// folder, and what it lists is written back to an index that reads to the same entries.
#include "FuzzCheck.h"
#include "store/UnitHistory.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const kx::HistoryIndex index = kx::ParseHistoryIndex(text);
    Require(index.skippedLines >= 0, "a negative count of skipped lines");
    for (const kx::HistoryEntry& entry : index.entries) {
        Require(kx::IsHistoryFileName(entry.file), "an entry names a file outside the folder");
        for (const kx::ChangedByte& change : entry.changes)
            Require(change.offset >= 0 && change.offset < kx::kImageSize,
                    "a change lies outside the image");
    }
    const kx::HistoryIndex again = kx::ParseHistoryIndex(kx::FormatHistoryIndex(index.entries));
    Require(again.skippedLines == 0, "a written index has lines that do not read");
    Require(again.entries == index.entries, "written entries read back differently");
    return 0;
}
