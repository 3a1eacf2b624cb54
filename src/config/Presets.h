#pragma once

#include "config/ConfigBlock.h"

namespace kx {

// Default values of every user setting; leaves bike, the keying, the input functions and the
// reserved bytes as they are.
void SetDefaults(ConfigBlock& block);

// Channel 1 on pick-up 1 and channel 2 on pick-up 2, each taking maximum advance from the first
// edge and start advance from the second edge of lobe 1.
void SetStandardKeying(ConfigBlock& block);

// Defaults plus the keying of block.bike. With kSpecialBikeCode and keepSpecial set, the
// defaults are skipped so the previous keying becomes the start of manual editing. Always clears
// keepSpecial.
void ApplyPreset(ConfigBlock& block, bool& keepSpecial);

} // namespace kx
