#include "store/PortSettings.h"

#include "config/AppChoices.h"

namespace kx {

std::map<int, std::string> PortOverridesFromSettings(const IniFile& settings) {
    std::map<int, std::string> overrides;
    for (const auto& [key, device] : settings.Section("PORTS")) {
        if (const auto index = PortIndexFromName(key))
            overrides[*index + 1] = device;
    }
    return overrides;
}

} // namespace kx
