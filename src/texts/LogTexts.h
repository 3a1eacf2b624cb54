#pragma once

#include <cstdint>
#include <string>

namespace kx {

// Texts of the telegram log: its menu and messages, and the window that shows a recorded log,
// in the window's four languages. "%1" to "%6" are filled in by the caller, in every language
// the same ones.
enum class LogText : uint8_t {
    // The menu and its messages.
    LogMenu,
    MenuStartLogging,
    MenuStopLogging,
    MenuOpenLog,
    MenuLogsFolder,
    LoggingIndicator, // status bar; %1 the time logged (h:mm:ss), %2 the rows
    LogNotStarted,    // %1 the file, %2 the system's reason
    LogStopped,       // %1 the file, %2 the system's reason
    LogUnreadable,    // %1 the file, %2 the system's reason
    LogForeign,       // %1 the file
    LogFileFilter,    // the file dialog's filter

    // The log viewer.
    ViewerTitle,     // %1 the file name
    AxisTime,        // counted in seconds
    AxisTimeMinutes, // labelled minutes:seconds
    AxisTimeHours,   // labelled hours:minutes
    AxisSpeed,
    AxisThrottle,
    AxisAdvance,
    AxisSupply,
    SeriesThrottle,
    SeriesAdvance1,
    SeriesAdvance2,
    ButtonPlay,
    ButtonPause,
    SpeedLabel,  // before the playback speed's choice
    SpeedChoice, // %1 how many times as fast as recorded
    ButtonWholeLog,
    ButtonZoomIn,
    ButtonZoomOut,
    TabPlot,
    TabDwell,
    DwellRangeLabel, // before the choice of the time the dwell map counts
    DwellWholeLog,
    DwellTimeShown,
    SkippedLines, // %1 how many
    CellTip,      // %1 the column's rpm, %2 the row's throttle, %3 the time
    Readout,      // %1 the time from the start, %2 rpm, %3 throttle, %4 and %5 the advances, %6 the
                  // supply
    ButtonClose,
};
constexpr int kLogTexts = int(LogText::ButtonClose) + 1;

// In the language of languageIndex (0 English, 1 German, 2 French, 3 Czech; others English).
std::string LogTextIn(LogText text, uint8_t languageIndex);

} // namespace kx
