// Any byte sequence as a configuration file: a refused file stores nothing, and whatever an
// accepted file stored comes back through the writer and the reader.
#include "FuzzCheck.h"
#include "config/ConfigBlock.h"
#include "store/ConfigFile.h"

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const kx::ConfigBlock before = kx::StartupBlock();
    kx::ConfigBlock block = before;
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    if (!kx::ReadConfigFile(in, block)) {
        Require(block == before, "a refused file changed the record");
        return 0;
    }
    // Flags are written as 0 or 1 whatever byte a file gave them, so the comparison is between
    // the files: what the tool wrote must read back to the same file.
    const std::string written = Written(block);
    kx::ConfigBlock reread = kx::StartupBlock();
    std::istringstream back(written);
    Require(kx::ReadConfigFile(back, reread), "the writer's own file was refused");
    Require(Written(reread) == written, "a field did not survive writing and reading");
    return 0;
}
