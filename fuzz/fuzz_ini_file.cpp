// Any byte sequence as the settings file: loading and saving settle after one round, so a file the
// tool wrote reads back as written, and the settings reads survive any value.
#include "FuzzCheck.h"
#include "store/IniFile.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

namespace {

std::string LoadAndSave(const std::string& text) {
    kx::IniFile ini;
    std::istringstream in(text);
    ini.Load(in);
    ini.Integer("FORM_HLAV", "ComPort", 1);
    ini.Text("FORM_HLAV", "IniDir", "");
    std::ostringstream out;
    ini.Save(out);
    return out.str();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string once = LoadAndSave(std::string(reinterpret_cast<const char*>(data), size));
    Require(LoadAndSave(once) == once, "a saved settings file read back differently");
    return 0;
}
