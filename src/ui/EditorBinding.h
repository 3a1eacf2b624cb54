#pragma once

#include "config/ConfigBlock.h"
#include "config/EditorFields.h"
#include "ui/layout/FormControls.h"

#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;

namespace kx {

// Copies the whole form into the record and the record into the whole form. The controls are
// paired with their field table rows once, so showing the record costs no searching.
class EditorBinding {
  public:
    explicit EditorBinding(const FormControls& controls);

    // testMode: the compensation fields are taken from their controls only in the developer test
    // mode; otherwise every reading sets them to 11.
    void ReadForm(ConfigBlock& block, bool testMode) const;
    // Sets every control from the record without running any control's own change handling.
    // A value a spinner cannot hold is shown clamped; the record keeps it until the next reading.
    void ShowBlock(const ConfigBlock& block) const;
    // Some edit holds typing that no reading has taken yet.
    bool EditsPending() const;

  private:
    struct SpinControl {
        const SpinFieldSpec* field;
        UpDown* upDown;
    };
    struct CheckControl {
        const CheckFieldSpec* field;
        QCheckBox* box;
    };

    std::vector<SpinControl> spins_;
    std::vector<CheckControl> checks_;
    QComboBox* bike_;
    QComboBox* synchro_;
    QComboBox* geber_;
    QButtonGroup* input1_;
    QButtonGroup* input2_;
};

} // namespace kx
