#pragma once

#include "store/IniFile.h"

#include <string>

namespace kx {

// The window's own settings, section FORM_HLAV of the settings file, as the file holds them.
// The keys are named once, in one table, for loading and for saving alike.
struct FormSettings {
    long left = 0;
    long top = 0;
    long height = 0;
    long width = 0;
    long comPort = 0;   // the port number: 1 for Com 1
    long language = 0;  // 0 English, 1 German, 2 French, 3 Czech
    std::string file;   // the file name the window shows
    std::string iniDir; // full path of the configuration file last saved or opened
    long activePage = 0;
};

// The tool's settings beyond the window's own, in a section of their own so that FORM_HLAV keeps
// exactly the keys it always had.
struct WorkbenchSettings {
    static constexpr int kLargestCellStep = 10; // degrees

    bool heatMap = false;
    bool curve = false; // the advance (or servo) curve in the live column
    bool trail = false; // the engine's last cells ringed on the map
    bool dwell = false; // the time in each cell as bars on the map
    int cellStep = 1;   // degrees a raise or lower of the selected cells moves them, 1..10
};

void LoadWorkbenchSettings(const IniFile& ini, WorkbenchSettings& settings);
void SaveWorkbenchSettings(IniFile& ini, const WorkbenchSettings& settings);

// Each key the file holds replaces its member; a key that is missing, or not a whole number
// where one belongs, keeps the member as it was.
void LoadFormSettings(const IniFile& ini, FormSettings& settings);
// Writes every key, in the order the tool has always written them; other keys and sections of
// the file stay as they are.
void SaveFormSettings(IniFile& ini, const FormSettings& settings);

} // namespace kx
