#include "app/FormController.h"
#include "app/ManualSearch.h"

#include "config/Conversions.h"
#include "config/EditorFields.h"
#include "config/Presets.h"
#include "texts/LanguageTexts.h"
#include "ui/Dialogs.h"
#include "ui/FormAbout.h"
#include "ui/FormHlav.h"
#include "ui/widgets/MouseCheckBox.h"
#include "ui/widgets/SpinButton.h"
#include "ui/widgets/UpDown.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

#include <tuple>

namespace kx {

void FormController::ConnectCommands() {
    const FormControls& controls = form_.controls();
    for (size_t i = 0; i < SpinFields().size(); ++i) {
        const SpinField& field = controls.spinFields[i];
        connect(field.upDown, &UpDown::clicked, this, &FormController::UpDownClick);
        WatchEdit(field.edit);
    }
    // The layout makes the mouse-bound boxes of the table, and "Programming after change", as
    // boxes that report the release of the mouse.
    auto onMouseUp = [this](QCheckBox* box) {
        connect(qobject_cast<MouseCheckBox*>(box), &MouseCheckBox::mouseReleased, this,
                &FormController::CheckBoxMouseUp);
    };
    for (size_t i = 0; i < CheckFields().size(); ++i) {
        if (CheckFields()[i].mouseBound)
            onMouseUp(controls.checkFields[i]);
    }
    const MiscellaneousPage& misc = controls.miscellaneous;
    onMouseUp(misc.programAfterChange);
    connect(misc.noReading, &QAbstractButton::clicked, this,
            &FormController::CheckBoxZakazCteniClick);
    for (int input : {1, 2}) {
        connect(misc.inputs[size_t(input - 1)], &QButtonGroup::idClicked, this,
                [this, input](int item) { RadioGroupInputClick(input, item); });
    }
    for (QComboBox* list : {controls.bike.bike, controls.bike.synchro})
        connect(list, &QComboBox::activated, this, &FormController::ComboBoxBikeChange);
    connect(controls.bike.lobesPerTurn, &QComboBox::activated, this, &FormController::EditExit);

    // A command reached from a menu item, a button, or both.
    auto route = [this](QAction* action, QAbstractButton* button, auto handler) {
        if (action)
            connect(action, &QAction::triggered, this, handler);
        if (button)
            connect(button, &QAbstractButton::clicked, this, handler);
    };
    const MenuActions& menu = controls.frame.menu;
    const ToolBarButtons& buttons = controls.frame.buttons;
    route(menu.newFile, buttons.newFile, &FormController::MenuNewClick);
    route(menu.open, buttons.open, [this] { files_.MenuOpenClick(); });
    route(menu.save, buttons.save, [this] { files_.MenuSaveClick(); });
    route(menu.print, buttons.print, [this] { printer_.SpeedButtonPrintClick(); });
    route(menu.printAll, nullptr, [this] { printer_.MenuPrintAllClick(); });
    route(menu.read, buttons.read, &FormController::MenuReadClick);
    route(menu.verify, buttons.verify, &FormController::MenuVerifyClick);
    route(menu.program, buttons.program, &FormController::MenuProgramClick);
    route(menu.contents, nullptr, &FormController::MenuContensClick);
    route(menu.about, nullptr, &FormController::MenuAboutClick);
    connect(menu.exit, &QAction::triggered, &form_, &QWidget::close);

    route(nullptr, misc.setTps0, &FormController::BitBtnTps0Click);
    route(nullptr, misc.setTps100, &FormController::BitBtnTps100Click);
    const AdvancePage& advance = controls.advance;
    const std::tuple<QAction*, QAbstractButton*, Step> advanceSteps[] = {
        {menu.advanceMinus, advance.minus, Step::Down}, {menu.advancePlus, advance.plus, Step::Up}};
    for (const auto& [action, button, step] : advanceSteps) {
        connect(action, &QAction::triggered, this, [this, step] { StepAdvanceClick(step); });
        connect(button, &QAbstractButton::clicked, this, [this, step] { StepAdvanceClick(step); });
    }
    connect(menu.heatMap, &QAction::triggered, this, [this](bool shown) {
        state_.workbench.heatMap = shown;
        heatMap_.Show(state_.block, shown);
    });
    connect(menu.curve, &QAction::triggered, this, [this](bool shown) {
        state_.workbench.curve = shown;
        ShowCurves();
    });
    connect(controls.frame.pages, &QTabWidget::currentChanged, this, &FormController::ShowCurves);
    const std::pair<QAction*, bool WorkbenchSettings::*> traceSwitches[] = {
        {menu.trail, &WorkbenchSettings::trail}, {menu.dwell, &WorkbenchSettings::dwell}};
    for (const auto& [action, member] : traceSwitches) {
        connect(action, &QAction::triggered, this, [this, member = member](bool shown) {
            state_.workbench.*member = shown;
            trace_.Show(state_.workbench.trail, state_.workbench.dwell, state_.printView);
        });
    }
    connect(menu.dwellReset, &QAction::triggered, this, [this] { trace_.ResetDwell(); });
    for (int column = 0; column < kMapColumns; ++column) {
        SpinButton* spin = advance.columnButtons[size_t(column)];
        connect(spin, &SpinButton::downClicked, this,
                [this, column] { CSpinButtonClick(column, Step::Down); });
        connect(spin, &SpinButton::upClicked, this,
                [this, column] { CSpinButtonClick(column, Step::Up); });
    }
    connect(controls.servo.minus, &QAbstractButton::clicked, this,
            [this] { StepServoClick(Step::Down); });
    connect(controls.servo.plus, &QAbstractButton::clicked, this,
            [this] { StepServoClick(Step::Up); });

    for (uint8_t i = 0; i < kLanguageCount; ++i) {
        connect(menu.languages[i], &QAction::triggered, this, [this, i] { MenuLanguageClick(i); });
    }
    for (int i = 0; i < kPortCount; ++i)
        connect(form_.ComItem(i), &QAction::triggered, this, [this, i] { MenuCom1Click(i); });
    edits_.ConnectCommands();
    history_.ConnectCommands();
    logs_.ConnectCommands();
}

void FormController::WatchEdit(QLineEdit* edit) {
    edit->installEventFilter(this);
}

bool FormController::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit && event->type() == QEvent::ShortcutOverride) {
        // Not taken as the edit's own text undo: the key goes on to the record's undo.
        if (edits_.IsHistoryKey(*static_cast<QKeyEvent*>(event)))
            return true;
    } else if (edit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            FormKeyPress(edit);
            return true;
        }
    } else if (edit && event->type() == QEvent::FocusOut) {
        // Leaving the edit for another control of the window, not switching windows or opening
        // a menu, is what takes its value.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            EditExit();
    }
    return QObject::eventFilter(watched, event);
}

void FormController::UpDownClick() {
    ReadForm();
    ApplyChange(ChangeKind::Edit);
}

void FormController::EditExit() {
    ReadForm();
    ApplyChange(ChangeKind::Edit);
}

void FormController::FormKeyPress(QLineEdit* edit) {
    if (edit->hasFocus())
        form_.FocusNextControl();
    ReadForm();
    ApplyChange(ChangeKind::Edit);
}

void FormController::CheckBoxMouseUp() {
    ReadForm();
    ApplyViewRules();
    ApplyChange(ChangeKind::Edit);
}

void FormController::CheckBoxZakazCteniClick() {
    ReadForm();
    ApplyViewRules();
    edits_.RecordChange(ChangeKind::Edit);
}

void FormController::RadioGroupInputClick(int input, int itemIndex) {
    (input == 1 ? state_.block.input1Function : state_.block.input2Function) = uint8_t(itemIndex);
    edits_.RecordChange(ChangeKind::Edit);
    link_.engine().CheckAutoProgram(form_.controls().miscellaneous.programAfterChange->isChecked());
    ApplyViewRules();
}

void FormController::ComboBoxBikeChange() {
    const auto code = BikeCodeFromCombo(form_.controls().bike.bike->currentIndex());
    const int method = form_.controls().bike.synchro->currentIndex();
    // A list reports the item picked even when it was already shown; treating that as a choice
    // would replace a tuned configuration with the defaults.
    const bool bikeChosen = code && *code != state_.block.bike;
    const bool methodChosen = method >= 0 && method != state_.block.synchroMode;
    if (!bikeChosen && !methodChosen)
        return;
    if (code)
        state_.block.bike = *code;
    if (method >= 0)
        state_.block.synchroMode = uint8_t(method);
    keepSpecial_ = true;
    ApplyPreset(state_.block, keepSpecial_);
    ShowBlock();
    ApplyChange(ChangeKind::BikeType);
}

void FormController::MenuNewClick() {
    if (dialogs_.askYesNoCancel(state_.texts.MsgAskDefaults) != Dialogs::Answer::Yes)
        return;
    ApplyPreset(state_.block, keepSpecial_);
    ApplyChange(ChangeKind::New);
    form_.controls().monitor.message->hide();
    form_.controls().monitor.programGauge->hide();
    form_.controls().bike.file->setText(QString());
}

void FormController::MenuReadClick() {
    link_.engine().StartRead();
    ApplyLinkStates();
}

void FormController::MenuVerifyClick() {
    ReadForm();
    NormaliseBlock(state_.block, state_.choices);
    ShowBlock();
    edits_.RecordChange(ChangeKind::Edit);
    link_.engine().StartVerify();
    ApplyLinkStates();
}

void FormController::MenuProgramClick() {
    ReadForm();
    NormaliseBlock(state_.block, state_.choices);
    ShowBlock();
    edits_.RecordChange(ChangeKind::Edit);
    link_.engine().StartProgram();
    ApplyLinkStates();
}

void FormController::MenuCom1Click(int portIndex) {
    state_.choices.portIndex = uint8_t(portIndex);
    ports_.ClosePort();
    OpenPort();
}

void FormController::MenuLanguageClick(uint8_t languageIndex) {
    state_.choices.languageIndex = languageIndex;
    ApplyLanguage();
    ShowBlock();
}

void FormController::MenuContensClick() {
    const QString manual =
        FindManual(QString::fromStdString(state_.texts.MsgManualFile), ManualFolders());
    if (manual.isEmpty()) {
        dialogs_.showMessage(state_.texts.MsgManualOpenError, Dialogs::Severity::Error);
    } else if (!dialogs_.openDocument(manual.toStdString())) {
        // A desktop without a PDF viewer says why only on standard error, which a windowed
        // program has not got: the path lets the user open the manual by hand.
        const QString location = QString::fromStdString(state_.texts.MsgManualLocation)
                                     .arg(QDir::toNativeSeparators(manual));
        dialogs_.showMessage(state_.texts.MsgManualOpenError + "\n" + location.toStdString(),
                             Dialogs::Severity::Error);
    }
}

void FormController::MenuAboutClick() {
    if (!about_)
        return;
    about_->setLanguage(state_.choices.languageIndex);
    about_->exec();
}

} // namespace kx

namespace kx {

void FormController::StepAdvanceClick(Step step) {
    ReadForm();
    NormaliseBlock(state_.block, state_.choices);
    const bool wholeMap = form_.controls().advance.all->isChecked();
    // The cell the map marks, which is the log's while one is replayed: the user steps what
    // they see.
    const OperatingPoint marked = logs_.MarkedPoint(state_.point);
    StepAdvance(state_.block, step, wholeMap,
                {marked.tpsRow, marked.rpmColumn, marked.rpmBelowAxis});
    NormaliseBlock(state_.block, state_.choices);
    ApplyChange(ChangeKind::MapTool);
}

void FormController::CSpinButtonClick(int column, Step step) {
    ReadForm();
    StepSpeedColumn(state_.block, column, step);
    ApplyChange(ChangeKind::MapTool);
}

void FormController::StepServoClick(Step step) {
    ReadForm();
    const bool wholeTable = form_.controls().servo.all->isChecked();
    StepServo(state_.block, step, wholeTable, logs_.MarkedPoint(state_.point).servoColumn);
    ApplyChange(ChangeKind::MapTool);
}

// The captures take the live voltage without reading the form first.
void FormController::BitBtnTps0Click() {
    if (CaptureTps0(state_.block, link_.live().liveTpsMv))
        ApplyChange(ChangeKind::MapTool);
}

void FormController::BitBtnTps100Click() {
    if (CaptureTps100(state_.block, link_.live().liveTpsMv))
        ApplyChange(ChangeKind::MapTool);
}

} // namespace kx
