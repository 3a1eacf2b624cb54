#pragma once

#include "ui/layout/FormControls.h"

#include <QSize>

class QMainWindow;

namespace kx {

// Builds the whole widget tree of the main window with English design-time texts: menu, toolbar,
// connection label, editor pages, monitor column, error and test labels, status bar, and hands
// back the controls behaviour reaches. Every widget and action still carries its object name: the
// language texts and the tests find them by it. Nothing is connected here.
FormControls BuildFormLayout(QMainWindow* form);

// The outer size the window is designed for. A screen whose available area is smaller in either
// direction gets the compact arrangement, and so does a window made larger, so that the pages
// have the height for their zoom.
constexpr int kDesignWidth = 1012;
constexpr int kDesignHeight = 879;
constexpr int kPagesWidth = 700;
constexpr int kPagesHeight = 497;
// The live column right of the pages, as wide as the design width leaves it. Its captions change
// with the language and the live values; none may widen the window.
constexpr int kMonitorColumnWidth = 290;
constexpr QSize kGaugeSize(260, 18);
// The least height the curves in the live column get; a small screen has about this much left.
constexpr int kCurveAreaHeight = 140;
// A window larger than the design size shows the map, the servo table and the live column up
// to this many times larger, readable from a dyno's operator seat.
constexpr double kMaxZoom = 2.0;

// The zoom at which the pages and the live column fill a window of this size, in which all but
// the pages take `fixedHeight`: 1 up to the design width, at most kMaxZoom.
double ZoomForWindowSize(const QSize& size, int fixedHeight);
// Lets the pages grow to `zoom` times their design size and zooms the live column.
void ZoomWindow(const FormControls& controls, double zoom);
// The zoom at which the map and the servo table fill pages of this size.
double ZoomForPagesSize(const QSize& size);
// Shows the map and the servo table at `zoom` times their design size.
void ZoomPages(const FormControls& controls, double zoom);

// The same controls in less height: Image2 at half size at the end of the tool bar's row instead
// of a row of its own, and the hidden test labels taking no room. False goes back to the design
// arrangement.
void ArrangeCompact(const FrameControls& frame, bool compact);

// Places the advance map and its tools at `zoom` times their design positions and sizes, with
// the 100 % row where PlaceMapRow9 puts it.
void PlaceAdvancePage(const AdvancePage& advance, double zoom, bool row9BelowAllRows);

// Shows the servo table, its hysteresis field and its buttons at `zoom` times their design size.
void ZoomServoPage(const ServoPage& servo, double zoom);

// Moves the 100 % map row (Edit140..Edit149 with their up-downs) to the line of the last row
// label, or, with the throttle rows hidden, up to the line of the first one, directly under the
// speed axis.
void PlaceMapRow9(const AdvancePage& advance, bool belowAllRows);

} // namespace kx
