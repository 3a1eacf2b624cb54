#include "config/EditorClamp.h"

#include "config/Conversions.h"
#include "config/EditorFields.h"

#include <algorithm>

namespace kx {

void ClampToEditors(ConfigBlock& block) {
    for (const SpinFieldSpec& field : SpinFields()) {
        const int shown = ShownFromStored(field.scale, block[field.offset]);
        block[field.offset] =
            StoredFromShown(field.scale, std::clamp(shown, field.minimum, field.maximum));
    }
    for (const CheckFieldSpec& field : CheckFields())
        block[field.offset] = block[field.offset] ? 1 : 0;
    const ConfigBlock start = StartupBlock();
    if (block.synchroMode >= kSynchroMethods)
        block.synchroMode = start.synchroMode;
    if (block.input1Function >= kInputFunctions)
        block.input1Function = start.input1Function;
    if (block.input2Function >= kInputFunctions)
        block.input2Function = start.input2Function;
    // geberMode has no invalid value on the list (it is taken modulo kGeberModes), so only the
    // read-back of the list item brings it into range.
    block.geberMode = GeberModeFromItem(ItemFromGeberMode(block.geberMode));
    // A method replaced above may bring rules into force (one lobe for kSynchroOneLobe).
    NormaliseBlock(block);
}

} // namespace kx
