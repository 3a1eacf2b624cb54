#pragma once

#include "ui/layout/FormControls.h"

class QMainWindow;

namespace kx {

// Builds the whole widget tree of the main window with English design-time texts: menu, toolbar,
// connection label, editor pages, monitor column, error and test labels, status bar, and hands
// back the controls behaviour reaches. Every widget and action still carries its object name: the
// language texts and the tests find them by it. Nothing is connected here.
FormControls BuildFormLayout(QMainWindow* form);

// The outer size the window is designed for. A screen whose available area is smaller in either
// direction gets the compact arrangement.
constexpr int kDesignWidth = 1012;
constexpr int kDesignHeight = 879;

// The same controls in less height, for screens smaller than the design size: Image2 at half
// size at the end of the tool bar's row instead of a row of its own, and the hidden test labels
// taking no room. Called once, before the window is shown.
void UseCompactArrangement(const FrameControls& frame);

// Moves the 100 % map row (Edit140..Edit149 with their up-downs) to the line of the last row
// label, or, with the throttle rows hidden, up to the line of the first one, directly under the
// speed axis.
void PlaceMapRow9(const AdvancePage& advance, bool belowAllRows);

} // namespace kx
