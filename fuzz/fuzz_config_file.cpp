// Any byte sequence as a configuration file: a refused file stores nothing, whatever an accepted
// file stored comes back through the writer and the reader, and what an opened file leaves in the
// record is within every editor's range.
#include "FuzzCheck.h"
#include "config/ConfigBlock.h"
#include "config/EditorClamp.h"
#include "config/EditorFields.h"
#include "store/ConfigFile.h"

#include <algorithm>

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

namespace {

std::string Written(const kx::ConfigBlock& block) {
    std::ostringstream out;
    kx::WriteConfigFile(out, block);
    return out.str();
}

// The record as the window's Open and the command-line tool's program leave it.
void CheckOpenedRecordFitsEditors(kx::ConfigBlock block) {
    kx::NormaliseBlock(block);
    kx::ClampToEditors(block);
    for (const kx::SpinFieldSpec& field : kx::SpinFields()) {
        const int shown = kx::ShownFromStored(field.scale, block[field.offset]);
        // A minimum between two steps (999 rpm shown from 900) is what the control shows.
        const int held = std::clamp(shown, field.minimum, field.maximum);
        Require(kx::StoredFromShown(field.scale, held) == block[field.offset],
                "an opened record holds a value its editor cannot show");
    }
    for (const kx::CheckFieldSpec& field : kx::CheckFields())
        Require(block[field.offset] <= 1, "an opened record holds a flag other than 0 or 1");
    Require(block.synchroMode < kx::kSynchroMethods && block.input1Function < kx::kInputFunctions &&
                block.input2Function < kx::kInputFunctions,
            "an opened record holds a choice no list item stands for");
    kx::ConfigBlock again = block;
    kx::NormaliseBlock(again);
    Require(again == block, "an opened record is not normalised");
    kx::ClampToEditors(again);
    Require(again == block, "bringing a record into range twice changed it");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const kx::ConfigBlock before = kx::StartupBlock();
    kx::ConfigBlock block = before;
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    if (!kx::ReadConfigFile(in, block)) {
        Require(block == before, "a refused file changed the record");
        return 0;
    }
    CheckOpenedRecordFitsEditors(block);
    // Flags are written as 0 or 1 whatever byte a file gave them, so the comparison is between
    // the files: what the tool wrote must read back to the same file.
    const std::string written = Written(block);
    kx::ConfigBlock reread = kx::StartupBlock();
    std::istringstream back(written);
    Require(kx::ReadConfigFile(back, reread), "the writer's own file was refused");
    Require(Written(reread) == written, "a field did not survive writing and reading");
    return 0;
}
