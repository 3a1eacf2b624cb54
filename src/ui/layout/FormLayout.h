#pragma once

class QMainWindow;
class QWidget;

namespace kx {

// Builds the whole widget tree of the main window with English design-time texts: menu, toolbar,
// connection label, editor pages, monitor column, error and test labels, status bar. Every widget
// and action carries its object name, so behaviour is wired by looking names up; nothing is
// connected here.
void BuildFormLayout(QMainWindow* form);

// Moves the 100 % map row (Edit140..Edit149 with their up-downs) to the line of the last row
// label, or, with the throttle rows hidden, up to the line of the first one, directly under the
// speed axis.
void PlaceMapRow9(QWidget* form, bool belowAllRows);

} // namespace kx
