#pragma once

#include <string>

namespace kx {

// Colours the presenter asks for. The window maps them to the palette; ButtonFace and Window are
// the system's normal label and edit backgrounds.
enum class Colour { ButtonFace, Window, White, Red, Yellow, Lime, Fuchsia, Aqua };

struct LabelState {
    std::string caption;
    Colour colour = Colour::ButtonFace;

    bool operator==(const LabelState& o) const {
        return caption == o.caption && colour == o.colour;
    }
    bool operator!=(const LabelState& o) const { return !(*this == o); }
};

} // namespace kx
