#pragma once

#include "config/AppChoices.h"
#include "config/ConfigBlock.h"
#include "config/RecordHistory.h"
#include "link/OperatingPoint.h"
#include "store/FormSettings.h"
#include "texts/MessageTexts.h"

#include <string>

namespace kx {

// What the window works on, shared by the parts of its controller. It is made by whoever makes
// the controller and outlives it.
struct FormState {
    ConfigBlock block{};
    AppChoices choices;
    MessageTexts texts;
    OperatingPoint point; // where the engine runs on the maps, as of the last tick
    std::string lastFilePath;
    bool testMode = false;
    bool printView = false; // the window is being printed
    WorkbenchSettings workbench;
};

// The edit path of the window, which the file and print commands run around their own work.
class FormRefresh {
  public:
    // Takes the editors' values into the record.
    virtual void ReadForm() = 0;
    // Puts the record into the editors.
    virtual void ShowBlock() = 0;
    // Normalises and shows the record, keeps it for undo as a change of `kind`, and programs the
    // unit when asked to after every change.
    virtual void ApplyChange(ChangeKind kind) = 0;
    virtual void ApplyViewRules() = 0;
    // Brings the status label, the gauges and the monitor up to the link.
    virtual void ApplyLinkStates() = 0;

  protected:
    ~FormRefresh() = default;
};

} // namespace kx
