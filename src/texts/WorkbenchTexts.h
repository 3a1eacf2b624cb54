#pragma once

#include "config/RecordHistory.h"

#include <cstdint>
#include <string>

namespace kx {

// Texts of the tuning aids beyond the window's own controls, in the window's four languages.
// "%1" and on are filled in by the caller, in every language the same ones.
enum class WorkbenchText : uint8_t {
    HeatMap,     // the Tools menu item
    HeatMapHint, // its hint: short part for the tooltip, then "|" and the status bar's part
    EditMenu,
    Undo,       // nothing to undo
    UndoChange, // %1 the change, from ChangeKindText
    Redo,
    RedoChange,
    CopyCells,
    PasteCells,
    SelectMap,
    RaiseCells, // %1 the step in degrees
    LowerCells,
    SetCells,
    ScaleCells,
    InterpolateRows,
    InterpolateColumns,
    InterpolateBoth,
    SmoothCells,
    CellStep,
    SetCellsLabel, // the question of "set to value"
    ScaleCellsLabel,
    CellStepLabel,
    PasteEmpty,
    PasteRagged,
    PasteNotANumber, // %1 row, %2 column, %3 what is there
    PasteTooLarge,   // %1 × %2 on the clipboard, %3 × %4 room from the selected cell
    PasteClamped,    // %1 how many values
    Curve,           // the Tools menu item
    CurveHint,
    CurveSpeed, // the curves' axis titles
    CurveAdvance,
    CurveServo,
    Trail, // the Tools menu items of where the engine ran
    TrailHint,
    Dwell,
    DwellHint,
    DwellReset,
};
constexpr int kWorkbenchTexts = int(WorkbenchText::DwellReset) + 1;

// In the language of languageIndex (0 English, 1 German, 2 French, 3 Czech; others English).
std::string WorkbenchTextIn(WorkbenchText text, uint8_t languageIndex);
// The change as "Undo …" and "Redo …" name it.
std::string ChangeKindText(ChangeKind kind, uint8_t languageIndex);

} // namespace kx
