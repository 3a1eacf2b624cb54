#pragma once

#include "app/FormState.h"
#include "config/MapBlock.h"
#include "config/RecordHistory.h"
#include "texts/WorkbenchTexts.h"
#include "ui/MapSelector.h"

#include <QObject>

#include <functional>

class QKeyEvent;
class QMenu;

namespace kx {

class Dialogs;
class EditorBinding;
class TFormHlav;

// The Edit menu: undo and redo of every change of the record, whatever made it, and the
// commands on the selected block of map cells (raise, lower, set, scale, interpolate, smooth,
// copy and paste with a spreadsheet). Each cell command takes the editors' values first, as
// the map tools do, and ends in the window's ApplyChange, so the view rules, normalising and
// "Programming after change" see it as any other change; an undo is restored the same way.
class EditCommands : public QObject {
    Q_OBJECT

  public:
    // Everything given outlives the commands.
    EditCommands(TFormHlav& form, FormState& state, FormRefresh& refresh, Dialogs& dialogs,
                 const EditorBinding& binding);

    void ConnectCommands();
    // The record as start-up left it is where undo stops.
    void Start();
    // Every change of the record is reported here once it is shown, named by what made it.
    void RecordChange(ChangeKind kind);
    // The captions made from the history and the step, in the window's language.
    void ApplyLanguage();
    void ApplyView(bool allRowsShown, bool printView);
    // Undo and redo keys work in every edit of the window, not as the edit's own text undo.
    bool IsHistoryKey(const QKeyEvent& key) const;

    const RecordHistory& history() const { return history_; }
    MapSelector& selector() { return selector_; }

  private:
    using CellOperation = std::function<void(ConfigBlock&, const CellRange&)>;

    void StepThroughHistory(bool back);
    // The record as the editors show it, typing not yet taken included.
    ConfigBlock ShownRecord() const;
    void Operate(ChangeKind kind, const CellOperation& operation);
    void SetCells();
    void ScaleCells();
    void AskCellStep();
    void CopyCells();
    void PasteCells();
    void PasteValues(const ValueGrid& values);
    void ShowHistoryState();
    void ShowCellCommandState();
    std::string Text(WorkbenchText text) const;

    TFormHlav& form_;
    FormState& state_;
    FormRefresh& refresh_;
    Dialogs& dialogs_;
    const EditorBinding& binding_;
    RecordHistory history_;
    MapSelector selector_;
    QMenu* cellMenu_;
    bool restoring_ = false;
    bool printView_ = false;
};

} // namespace kx
