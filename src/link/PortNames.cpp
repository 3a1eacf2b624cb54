#include "link/PortNames.h"

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

} // namespace kx
