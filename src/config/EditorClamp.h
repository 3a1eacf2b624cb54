#pragma once

#include "config/ConfigBlock.h"

namespace kx {

// Brings a record that came from outside (a file, the saved copy) to what the editing controls
// would show and read back: every spin field clamped to its control's range in the control's own
// units, every flag 0 or 1, and an input function or synchronisation method that no radio button
// or list item stands for replaced by its start-up value. An unknown bike code is kept: it may be
// the type of a newer unit. Runs NormaliseBlock again at the end, so the result is normalised as
// well; running it twice changes nothing. Without it, a file could put values into the unit that
// no editor would ever let the user choose, while the window showed the clamped ones.
void ClampToEditors(ConfigBlock& block);

} // namespace kx
