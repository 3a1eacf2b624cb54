#include "app/EditCommands.h"

#include "config/Conversions.h"
#include "store/BlockText.h"
#include "ui/Dialogs.h"
#include "ui/EditorBinding.h"
#include "ui/FormHlav.h"

#include <QAction>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QStatusBar>
#include <QTabWidget>

namespace kx {

namespace {

// What a spreadsheet of this platform writes between rows.
#ifdef Q_OS_WIN
constexpr std::string_view kClipboardLineEnd = "\r\n";
#else
constexpr std::string_view kClipboardLineEnd = "\n";
#endif

constexpr int kLargestPercent = 500;
constexpr int kQuietMessageMs = 8000;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

EditCommands::EditCommands(TFormHlav& form, FormState& state, FormRefresh& refresh,
                           Dialogs& dialogs, const EditorBinding& binding)
    : form_(form), state_(state), refresh_(refresh), dialogs_(dialogs), binding_(binding),
      selector_(form.controls().advance), cellMenu_(new QMenu(&form)) {
    cellMenu_->setObjectName("CellMenu");
}

void EditCommands::ConnectCommands() {
    const EditActions& edit = form_.controls().frame.menu.edit;
    connect(edit.undo, &QAction::triggered, this, [this] { StepThroughHistory(true); });
    connect(edit.redo, &QAction::triggered, this, [this] { StepThroughHistory(false); });
    connect(edit.copy, &QAction::triggered, this, &EditCommands::CopyCells);
    connect(edit.paste, &QAction::triggered, this, &EditCommands::PasteCells);
    connect(edit.selectMap, &QAction::triggered, &selector_, &MapSelector::SelectAll);
    const auto raiseBy = [this](int sign) {
        const int degrees = sign * state_.workbench.cellStep;
        Operate(sign > 0 ? ChangeKind::Raise : ChangeKind::Lower,
                [degrees](ConfigBlock& block, const CellRange& range) {
                    RaiseBlock(block, range, degrees);
                });
    };
    connect(edit.raise, &QAction::triggered, this, [raiseBy] { raiseBy(+1); });
    connect(edit.lower, &QAction::triggered, this, [raiseBy] { raiseBy(-1); });
    connect(edit.setValue, &QAction::triggered, this, &EditCommands::SetCells);
    connect(edit.scale, &QAction::triggered, this, &EditCommands::ScaleCells);
    const std::pair<QAction*, Interpolation> interpolations[] = {
        {edit.interpolateRows, Interpolation::AlongRows},
        {edit.interpolateColumns, Interpolation::AlongColumns},
        {edit.interpolateBoth, Interpolation::Both}};
    for (const auto& [action, direction] : interpolations) {
        connect(action, &QAction::triggered, this, [this, direction = direction] {
            Operate(ChangeKind::Interpolate, [direction](ConfigBlock& block, const CellRange& r) {
                InterpolateBlock(block, r, direction);
            });
        });
    }
    connect(edit.smooth, &QAction::triggered, this,
            [this] { Operate(ChangeKind::Smooth, SmoothBlock); });
    connect(edit.step, &QAction::triggered, this, &EditCommands::AskCellStep);

    QList<QKeySequence> keys;
    for (QAction* command : edit.cellCommands())
        keys << command->shortcuts();
    selector_.SetShortcutKeys(keys);
    cellMenu_->addActions({edit.undo, edit.redo});
    cellMenu_->addSeparator();
    cellMenu_->addActions({edit.copy, edit.paste, edit.selectMap});
    cellMenu_->addSeparator();
    cellMenu_->addActions({edit.raise, edit.lower, edit.setValue, edit.scale, edit.interpolateRows,
                           edit.interpolateColumns, edit.interpolateBoth, edit.smooth});
    connect(&selector_, &MapSelector::menuRequested, cellMenu_,
            [this](const QPoint& at) { cellMenu_->popup(at); });
    connect(&selector_, &MapSelector::selectionChanged, this, &EditCommands::ShowCellCommandState);
    connect(form_.controls().frame.pages, &QTabWidget::currentChanged, this,
            &EditCommands::ShowCellCommandState);
}

void EditCommands::Start() {
    history_.Reset(state_.block);
    ShowHistoryState();
    ShowCellCommandState();
}

void EditCommands::RecordChange(ChangeKind kind) {
    if (restoring_)
        history_.Rebase(state_.block);
    else
        history_.Commit(state_.block, kind);
    ShowHistoryState();
}

bool EditCommands::IsHistoryKey(const QKeyEvent& key) const {
    const EditActions& edit = form_.controls().frame.menu.edit;
    const QKeySequence pressed(key.keyCombination());
    return edit.undo->shortcuts().contains(pressed) || edit.redo->shortcuts().contains(pressed);
}

ConfigBlock EditCommands::ShownRecord() const {
    ConfigBlock shown = state_.block;
    binding_.ReadForm(shown, state_.testMode);
    AppChoices choices = state_.choices;
    NormaliseBlock(shown, choices);
    return shown;
}

void EditCommands::StepThroughHistory(bool back) {
    // Typing not yet taken is what the user undoes first: the editors show the record again.
    if (back && binding_.EditsPending()) {
        refresh_.ShowBlock();
        return;
    }
    const std::optional<ConfigBlock> record = back ? history_.Undo() : history_.Redo();
    if (!record)
        return;
    state_.block = *record;
    restoring_ = true;
    refresh_.ApplyChange(ChangeKind::Edit);
    restoring_ = false;
}

void EditCommands::Operate(ChangeKind kind, const CellOperation& operation) {
    const std::optional<CellRange> range = selector_.selection();
    if (!range)
        return;
    refresh_.ReadForm();
    operation(state_.block, *range);
    refresh_.ApplyChange(kind);
}

void EditCommands::SetCells() {
    const std::optional<CellRange> range = selector_.selection();
    if (!range)
        return;
    const int first = ShownRecord().advance[MapIndex(range->firstRow, range->firstColumn)];
    const auto degrees =
        dialogs_.askNumber(Text(WorkbenchText::SetCellsLabel), first, 0, kAdvanceMax);
    if (degrees) {
        Operate(ChangeKind::SetValue, [degrees](ConfigBlock& block, const CellRange& r) {
            SetBlock(block, r, *degrees);
        });
    }
}

void EditCommands::ScaleCells() {
    const auto percent =
        dialogs_.askNumber(Text(WorkbenchText::ScaleCellsLabel), 100, 0, kLargestPercent);
    if (percent) {
        Operate(ChangeKind::Scale, [percent](ConfigBlock& block, const CellRange& r) {
            ScaleBlock(block, r, *percent);
        });
    }
}

void EditCommands::AskCellStep() {
    const auto step =
        dialogs_.askNumber(Text(WorkbenchText::CellStepLabel), state_.workbench.cellStep, 1,
                           WorkbenchSettings::kLargestCellStep);
    if (step) {
        state_.workbench.cellStep = *step;
        ApplyLanguage();
    }
}

void EditCommands::CopyCells() {
    if (const std::optional<CellRange> range = selector_.selection()) {
        const std::string text =
            FormatBlockText(BlockValues(ShownRecord(), *range), kClipboardLineEnd);
        QGuiApplication::clipboard()->setText(Q(text));
    }
}

void EditCommands::PasteCells() {
    const ParsedBlock parsed = ParseBlockText(QGuiApplication::clipboard()->text().toStdString());
    switch (parsed.fault) {
    case ParsedBlock::Fault::None:
        PasteValues(parsed.values);
        return;
    case ParsedBlock::Fault::Empty:
        dialogs_.showMessage(Text(WorkbenchText::PasteEmpty), Dialogs::Severity::Warning);
        return;
    case ParsedBlock::Fault::Ragged:
        dialogs_.showMessage(Text(WorkbenchText::PasteRagged), Dialogs::Severity::Warning);
        return;
    case ParsedBlock::Fault::NotANumber:
        dialogs_.showMessage(Q(Text(WorkbenchText::PasteNotANumber))
                                 .arg(parsed.row)
                                 .arg(parsed.column)
                                 .arg(Q(parsed.field))
                                 .toStdString(),
                             Dialogs::Severity::Warning);
        return;
    }
}

void EditCommands::PasteValues(const ValueGrid& values) {
    const std::optional<CellRange> range = selector_.selection();
    if (!range)
        return;
    const int rows = int(values.size());
    const int columns = int(values.front().size());
    // One value fills the whole selection, as a spreadsheet does.
    const ValueGrid filled(size_t(range->rows()),
                           std::vector<int>(size_t(range->columns()), values.front().front()));
    const ValueGrid& pasted = rows == 1 && columns == 1 ? filled : values;
    const int roomRows = kMapRows - range->firstRow;
    const int roomColumns = kMapColumns - range->firstColumn;
    if (int(pasted.size()) > roomRows || int(pasted.front().size()) > roomColumns) {
        dialogs_.showMessage(Q(Text(WorkbenchText::PasteTooLarge))
                                 .arg(rows)
                                 .arg(columns)
                                 .arg(roomRows)
                                 .arg(roomColumns)
                                 .toStdString(),
                             Dialogs::Severity::Warning);
        return;
    }
    int clamped = 0;
    Operate(ChangeKind::Paste, [&](ConfigBlock& block, const CellRange& r) {
        clamped = PutBlockValues(block, r.firstRow, r.firstColumn, pasted);
    });
    selector_.Select({range->firstRow, range->firstColumn, range->firstRow + int(pasted.size()) - 1,
                      range->firstColumn + int(pasted.front().size()) - 1});
    if (clamped > 0) {
        form_.controls().frame.statusBar->showMessage(
            Q(Text(WorkbenchText::PasteClamped)).arg(clamped), kQuietMessageMs);
    }
}

void EditCommands::ApplyLanguage() {
    const EditActions& edit = form_.controls().frame.menu.edit;
    const int step = state_.workbench.cellStep;
    edit.raise->setText(Q(Text(WorkbenchText::RaiseCells)).arg(step));
    edit.lower->setText(Q(Text(WorkbenchText::LowerCells)).arg(step));
    ShowHistoryState();
}

void EditCommands::ApplyView(bool allRowsShown, bool printView) {
    selector_.SetAllRowsShown(allRowsShown);
    selector_.SetOutlineShown(!printView);
    if (printView != printView_) {
        printView_ = printView;
        ShowCellCommandState();
    }
}

void EditCommands::ShowHistoryState() {
    const EditActions& edit = form_.controls().frame.menu.edit;
    const auto show = [this](QAction* action, std::optional<ChangeKind> kind, WorkbenchText bare,
                             WorkbenchText named) {
        const QString caption =
            kind ? Q(Text(named)).arg(Q(ChangeKindText(*kind, state_.choices.languageIndex)))
                 : Q(Text(bare));
        if (action->text() != caption)
            action->setText(caption);
        action->setEnabled(kind.has_value());
    };
    show(edit.undo, history_.undoKind(), WorkbenchText::Undo, WorkbenchText::UndoChange);
    show(edit.redo, history_.redoKind(), WorkbenchText::Redo, WorkbenchText::RedoChange);
}

void EditCommands::ShowCellCommandState() {
    const FormControls& controls = form_.controls();
    const QWidget* page = controls.frame.pages->currentWidget();
    // A command on cells the user cannot see would change the map unseen.
    const bool onMap = page && page->isAncestorOf(controls.advance.group);
    const bool usable = onMap && !printView_ && selector_.selection().has_value();
    for (QAction* command : controls.frame.menu.edit.cellCommands())
        command->setEnabled(usable);
    controls.frame.menu.edit.selectMap->setEnabled(onMap && !printView_);
}

std::string EditCommands::Text(WorkbenchText text) const {
    return WorkbenchTextIn(text, state_.choices.languageIndex);
}

} // namespace kx
