#include "ui/EditorBinding.h"

#include "config/Conversions.h"
#include "ui/widgets/UpDown.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>

#include <algorithm>

namespace kx {

namespace {

constexpr uint8_t kCompensationOutsideTestMode = 11;

// An input function the list does not offer shows no selection, and reading keeps it.
void SelectButton(QButtonGroup* group, int id) {
    if (QAbstractButton* button = group->button(id)) {
        button->setChecked(true);
    } else if (QAbstractButton* checked = group->checkedButton()) {
        group->setExclusive(false);
        checked->setChecked(false);
        group->setExclusive(true);
    }
}

} // namespace

EditorBinding::EditorBinding(const FormControls& controls)
    : bike_(controls.bike.bike), synchro_(controls.bike.synchro),
      geber_(controls.bike.lobesPerTurn), input1_(controls.miscellaneous.inputs[0]),
      input2_(controls.miscellaneous.inputs[1]) {
    const std::vector<SpinFieldSpec>& spinFields = SpinFields();
    for (size_t i = 0; i < spinFields.size(); ++i)
        spins_.push_back({&spinFields[i], controls.spinFields.at(i).upDown});
    const std::vector<CheckFieldSpec>& checkFields = CheckFields();
    for (size_t i = 0; i < checkFields.size(); ++i)
        checks_.push_back({&checkFields[i], controls.checkFields.at(i)});
}

void EditorBinding::ReadForm(ConfigBlock& block, bool testMode) const {
    // The bike code first: nothing else depends on it, but a list without a code keeps it.
    if (const auto code = BikeCodeFromCombo(bike_->currentIndex()))
        block.bike = *code;
    // An unknown method shows no selection; keep the record's value rather than store 255.
    if (synchro_->currentIndex() >= 0)
        block.synchroMode = uint8_t(synchro_->currentIndex());
    block.geberMode = GeberModeFromItem(geber_->currentIndex());
    if (input1_->checkedId() >= 0)
        block.input1Function = uint8_t(input1_->checkedId());
    if (input2_->checkedId() >= 0)
        block.input2Function = uint8_t(input2_->checkedId());
    for (const CheckControl& check : checks_)
        block[check.field->offset] = check.box->isChecked() ? 1 : 0;
    for (const SpinControl& spin : spins_) {
        spin.upDown->takeEditText();
        uint8_t stored = StoredFromShown(spin.field->scale, spin.upDown->position());
        if (spin.field->isCompensation() && !testMode)
            stored = kCompensationOutsideTestMode;
        block[spin.field->offset] = stored;
    }
}

void EditorBinding::ShowBlock(const ConfigBlock& block) const {
    for (const CheckControl& check : checks_)
        check.box->setChecked(block[check.field->offset] != 0);
    // A bike code no item stands for (a newer unit's type) shows no item: keeping the previous
    // one would show a type the record does not hold. Reading keeps the code.
    bike_->setCurrentIndex(ComboFromBikeCode(block.bike).value_or(-1));
    synchro_->setCurrentIndex(block.synchroMode < synchro_->count() ? block.synchroMode : -1);
    geber_->setCurrentIndex(ItemFromGeberMode(block.geberMode));
    SelectButton(input1_, block.input1Function);
    SelectButton(input2_, block.input2Function);
    for (const SpinControl& spin : spins_)
        spin.upDown->setPosition(ShownFromStored(spin.field->scale, block[spin.field->offset]));
}

bool EditorBinding::EditsPending() const {
    return std::any_of(spins_.cbegin(), spins_.cend(),
                       [](const SpinControl& spin) { return spin.upDown->editPending(); });
}

} // namespace kx
