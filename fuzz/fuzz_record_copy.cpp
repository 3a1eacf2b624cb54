// Any byte sequence as the saved record copy: reading never runs past the record, and the bytes it
// stored survive writing and reading again.
#include "FuzzCheck.h"
#include "config/ConfigBlock.h"
#include "store/RecordCopy.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    kx::ConfigBlock block = kx::StartupBlock();
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    kx::ReadRecordCopy(in, block);
    std::ostringstream written;
    kx::WriteRecordCopy(written, block);
    kx::ConfigBlock reread{};
    std::istringstream back(written.str());
    kx::ReadRecordCopy(back, reread);
    Require(reread == block, "the record copy did not survive writing and reading");
    return 0;
}
