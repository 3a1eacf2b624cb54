#include "store/FormSettings.h"

namespace kx {

namespace {

const std::string kSection = "FORM_HLAV";

struct Key {
    const char* name;
    long FormSettings::*number; // one of the two is set
    std::string FormSettings::*text;
};

const Key kKeys[] = {
    {"Left", &FormSettings::left, nullptr},
    {"Top", &FormSettings::top, nullptr},
    {"Height", &FormSettings::height, nullptr},
    {"Width", &FormSettings::width, nullptr},
    {"ComPort", &FormSettings::comPort, nullptr},
    {"Language", &FormSettings::language, nullptr},
    {"File", nullptr, &FormSettings::file},
    {"IniDir", nullptr, &FormSettings::iniDir},
    {"PageControl1->ActivePageIndex", &FormSettings::activePage, nullptr},
};

} // namespace

void LoadFormSettings(const IniFile& ini, FormSettings& settings) {
    for (const Key& key : kKeys) {
        if (key.number)
            settings.*key.number = ini.Integer(kSection, key.name, settings.*key.number);
        else
            settings.*key.text = ini.Text(kSection, key.name, settings.*key.text);
    }
}

void SaveFormSettings(IniFile& ini, const FormSettings& settings) {
    for (const Key& key : kKeys) {
        if (key.number)
            ini.SetInteger(kSection, key.name, settings.*key.number);
        else
            ini.SetText(kSection, key.name, settings.*key.text);
    }
}

namespace {

const std::string kWorkbenchSection = "KX_FLAM3_WORKBENCH";

// The switches of the Tools menu, 1 for on.
const struct {
    const char* key;
    bool WorkbenchSettings::*member;
} kWorkbenchSwitches[] = {{"HeatMap", &WorkbenchSettings::heatMap},
                          {"Curve", &WorkbenchSettings::curve},
                          {"Trail", &WorkbenchSettings::trail},
                          {"Dwell", &WorkbenchSettings::dwell}};

} // namespace

void LoadWorkbenchSettings(const IniFile& ini, WorkbenchSettings& settings) {
    for (const auto& entry : kWorkbenchSwitches) {
        bool& on = settings.*entry.member;
        on = ini.Integer(kWorkbenchSection, entry.key, on) != 0;
    }
    const long step = ini.Integer(kWorkbenchSection, "CellStep", settings.cellStep);
    if (step >= 1 && step <= WorkbenchSettings::kLargestCellStep)
        settings.cellStep = int(step);
}

void SaveWorkbenchSettings(IniFile& ini, const WorkbenchSettings& settings) {
    for (const auto& entry : kWorkbenchSwitches)
        ini.SetInteger(kWorkbenchSection, entry.key, settings.*entry.member ? 1 : 0);
    ini.SetInteger(kWorkbenchSection, "CellStep", settings.cellStep);
}

} // namespace kx
