#include "link/PortNames.h"

#include <cctype>
#include <cstdlib>

namespace kx {

namespace {

bool ValidIndex(int portIndex) {
    return portIndex >= 0 && portIndex < kPortCount;
}

std::string Environment(const std::string& name) {
#ifdef _MSC_VER
    // getenv is flagged as unsafe by MSVC; _dupenv_s reads the same environment.
    char* value = nullptr;
    size_t length = 0;
    std::string result;
    if (_dupenv_s(&value, &length, name.c_str()) == 0 && value != nullptr)
        result = value;
    std::free(value);
    return result;
#else
    const char* value = std::getenv(name.c_str());
    return value != nullptr ? std::string(value) : std::string();
#endif
}

} // namespace

std::string PortCaption(int portIndex) {
    if (!ValidIndex(portIndex))
        return {};
    return "Com " + std::to_string(portIndex + 1);
}

std::string DefaultDeviceForPort(int portIndex) {
    if (!ValidIndex(portIndex))
        return {};
#ifdef _WIN32
    return "COM" + std::to_string(portIndex + 1);
#else
    return "/dev/ttyS" + std::to_string(portIndex);
#endif
}

std::string DeviceForPort(int portIndex, const std::map<int, std::string>& settingsOverrides) {
    if (!ValidIndex(portIndex))
        return {};
    const int number = portIndex + 1;
    std::string device = Environment("KX_FLAM3_COM" + std::to_string(number));
    if (!device.empty())
        return device;
    const auto setting = settingsOverrides.find(number);
    if (setting != settingsOverrides.end() && !setting->second.empty())
        return setting->second;
    return DefaultDeviceForPort(portIndex);
}

std::optional<int> PortIndexFromName(const std::string& name) {
    if (name.size() < 4)
        return std::nullopt;
    for (size_t i = 0; i < 3; ++i) {
        if (std::toupper(static_cast<unsigned char>(name[i])) != "COM"[i])
            return std::nullopt;
    }
    size_t pos = 3;
    if (name[pos] == ' ')
        ++pos;
    const size_t digits = name.size() - pos;
    if (digits < 1 || digits > 2)
        return std::nullopt;
    int number = 0;
    for (; pos < name.size(); ++pos) {
        if (!std::isdigit(static_cast<unsigned char>(name[pos])))
            return std::nullopt;
        number = number * 10 + (name[pos] - '0');
    }
    if (number < 1 || number > kPortCount)
        return std::nullopt;
    return number - 1;
}

std::map<int, std::string> PortOverridesFromSettings(const IniFile& settings) {
    std::map<int, std::string> overrides;
    for (const auto& [key, device] : settings.Section("PORTS")) {
        if (const auto index = PortIndexFromName(key))
            overrides[*index + 1] = device;
    }
    return overrides;
}

} // namespace kx
