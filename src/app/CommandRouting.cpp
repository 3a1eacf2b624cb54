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
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

namespace kx {

void FormController::ConnectCommands() {
    for (const SpinFieldSpec& field : SpinFields()) {
        auto* upDown = form_.control<UpDown>(QString::fromStdString(field.upDownName()));
        connect(upDown, &UpDown::clicked, this, &FormController::UpDownClick);
        WatchEdit(form_.control<QLineEdit>(QString::fromStdString(field.editName())));
    }
    for (const CheckFieldSpec& field : CheckFields()) {
        if (!field.mouseBound)
            continue;
        auto* box = form_.control<MouseCheckBox>(QString::fromStdString(field.name));
        connect(box, &MouseCheckBox::mouseReleased, this, &FormController::CheckBoxMouseUp);
    }
    connect(form_.control<MouseCheckBox>("CheckBoxProgHned"), &MouseCheckBox::mouseReleased, this,
            &FormController::CheckBoxMouseUp);
    connect(form_.control<QAbstractButton>("CheckBoxZakazCteni"), &QAbstractButton::clicked, this,
            &FormController::CheckBoxZakazCteniClick);
    for (int input : {1, 2}) {
        auto* group = form_.control<QButtonGroup>(QString("RadioGroupInput%1Buttons").arg(input));
        connect(group, &QButtonGroup::idClicked, this,
                [this, input](int item) { RadioGroupInputClick(input, item); });
    }
    for (const char* list : {"ComboBoxBike", "ComboBoxSynchro"}) {
        connect(form_.control<QComboBox>(list), &QComboBox::activated, this,
                &FormController::ComboBoxBikeChange);
    }
    connect(form_.control<QComboBox>("ComboBoxNasobekPalcu"), &QComboBox::activated, this,
            &FormController::EditExit);

    // A command reached from a menu item, a button, or both.
    auto route = [this](const char* action, const char* button, void (FormController::*handler)()) {
        if (action)
            connect(form_.control<QAction>(action), &QAction::triggered, this, handler);
        if (button)
            connect(form_.control<QAbstractButton>(button), &QAbstractButton::clicked, this,
                    handler);
    };
    route("MenuNew", "SpeedButton6", &FormController::MenuNewClick);
    route("MenuOpen", "SpeedButton5", &FormController::MenuOpenClick);
    route("MenuSave", "SpeedButton7", &FormController::MenuSaveClick);
    route("MenuPrint", "SpeedButtonPrint", &FormController::SpeedButtonPrintClick);
    route("MenuPrintAll", nullptr, &FormController::MenuPrintAllClick);
    route("MenuRead", "ButtonRead", &FormController::MenuReadClick);
    route("MenuVerify", "BitBtnVerify", &FormController::MenuVerifyClick);
    route("MenuProgram", "BitBtnProgram", &FormController::MenuProgramClick);
    route("MenuContens", nullptr, &FormController::MenuContensClick);
    route("MenuAbout", nullptr, &FormController::MenuAboutClick);
    connect(form_.control<QAction>("MenuExit"), &QAction::triggered, &form_, &QWidget::close);

    route(nullptr, "BitBtnTps0", &FormController::BitBtnTps0Click);
    route(nullptr, "BitBtnTps100", &FormController::BitBtnTps100Click);
    const std::pair<const char*, const char*> advanceSteps[] = {{"AdvanceMinus", "BitBtnAdvMinus"},
                                                                {"AdvancePlus", "BitBtnAdvPlus"}};
    for (const auto& [action, button] : advanceSteps) {
        const Step step = action == advanceSteps[0].first ? Step::Down : Step::Up;
        connect(form_.control<QAction>(action), &QAction::triggered, this,
                [this, step] { StepAdvanceClick(step); });
        connect(form_.control<QAbstractButton>(button), &QAbstractButton::clicked, this,
                [this, step] { StepAdvanceClick(step); });
    }
    for (int column = 0; column < kMapColumns; ++column) {
        auto* spin = form_.control<SpinButton>(QString("CSpinButton%1").arg(column + 1));
        connect(spin, &SpinButton::downClicked, this,
                [this, column] { CSpinButtonClick(column, Step::Down); });
        connect(spin, &SpinButton::upClicked, this,
                [this, column] { CSpinButtonClick(column, Step::Up); });
    }
    connect(form_.control<QAbstractButton>("BitBtnServoMinus"), &QAbstractButton::clicked, this,
            [this] { StepServoClick(Step::Down); });
    connect(form_.control<QAbstractButton>("BitBtnServoPlus"), &QAbstractButton::clicked, this,
            [this] { StepServoClick(Step::Up); });

    for (uint8_t i = 0; i < kLanguageCount; ++i) {
        connect(form_.control<QAction>(kLanguageMenuItems[i]), &QAction::triggered, this,
                [this, i] { MenuLanguageClick(i); });
    }
    for (int i = 0; i < kPortCount; ++i)
        connect(form_.ComItem(i), &QAction::triggered, this, [this, i] { MenuCom1Click(i); });
}

void FormController::WatchEdit(QLineEdit* edit) {
    edit->installEventFilter(this);
}

bool FormController::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit && event->type() == QEvent::KeyPress) {
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
    ApplyChange();
}

void FormController::EditExit() {
    ReadForm();
    ApplyChange();
}

void FormController::FormKeyPress(QLineEdit* edit) {
    if (edit->hasFocus())
        form_.FocusNextControl();
    ReadForm();
    ApplyChange();
}

void FormController::CheckBoxMouseUp() {
    ReadForm();
    ApplyViewRules();
    ApplyChange();
}

void FormController::CheckBoxZakazCteniClick() {
    ReadForm();
    ApplyViewRules();
}

void FormController::RadioGroupInputClick(int input, int itemIndex) {
    (input == 1 ? block_.input1Function : block_.input2Function) = uint8_t(itemIndex);
    link_.engine().CheckAutoProgram(
        form_.control<QAbstractButton>("CheckBoxProgHned")->isChecked());
    ApplyViewRules();
}

void FormController::ComboBoxBikeChange() {
    const auto code = BikeCodeFromCombo(form_.control<QComboBox>("ComboBoxBike")->currentIndex());
    const int method = form_.control<QComboBox>("ComboBoxSynchro")->currentIndex();
    // A list reports the item picked even when it was already shown; treating that as a choice
    // would replace a tuned configuration with the defaults.
    const bool bikeChosen = code && *code != block_.bike;
    const bool methodChosen = method >= 0 && method != block_.synchroMode;
    if (!bikeChosen && !methodChosen)
        return;
    if (code)
        block_.bike = *code;
    if (method >= 0)
        block_.synchroMode = uint8_t(method);
    keepSpecial_ = true;
    ApplyPreset(block_, keepSpecial_);
    ShowBlock();
    ApplyChange();
}

void FormController::MenuNewClick() {
    if (dialogs_.askYesNoCancel(texts_.MsgAskDefaults) != Dialogs::Answer::Yes)
        return;
    ApplyPreset(block_, keepSpecial_);
    ApplyChange();
    form_.control<QLabel>("LabelHlaseni")->hide();
    form_.control<QProgressBar>("CGaugeProgram")->hide();
    form_.control<QLabel>("LabelFile2")->setText(QString());
}

void FormController::MenuReadClick() {
    link_.engine().StartRead();
    ApplyLinkStates();
}

void FormController::MenuVerifyClick() {
    ReadForm();
    NormaliseBlock(block_, choices_);
    ShowBlock();
    link_.engine().StartVerify();
    ApplyLinkStates();
}

void FormController::MenuProgramClick() {
    ReadForm();
    NormaliseBlock(block_, choices_);
    ShowBlock();
    link_.engine().StartProgram();
    ApplyLinkStates();
}

void FormController::MenuCom1Click(int portIndex) {
    choices_.portIndex = uint8_t(portIndex);
    ClosePort();
    OpenPort();
}

void FormController::MenuLanguageClick(uint8_t languageIndex) {
    choices_.languageIndex = languageIndex;
    ApplyLanguage();
    ShowBlock();
}

void FormController::MenuContensClick() {
    const QString manual =
        FindManual(QString::fromStdString(texts_.MsgManualFile), ManualFolders());
    if (manual.isEmpty() || !dialogs_.openDocument(manual.toStdString()))
        dialogs_.showMessage(texts_.MsgManualOpenError);
}

void FormController::MenuAboutClick() {
    if (!about_)
        return;
    about_->setLanguage(choices_.languageIndex);
    about_->exec();
}

} // namespace kx

namespace kx {

void FormController::StepAdvanceClick(Step step) {
    ReadForm();
    NormaliseBlock(block_, choices_);
    const bool wholeMap = form_.control<QAbstractButton>("CheckBoxIgnAll")->isChecked();
    StepAdvance(block_, step, wholeMap, {point_.tpsRow, point_.rpmColumn, point_.rpmBelowAxis});
    NormaliseBlock(block_, choices_);
    ApplyChange();
}

void FormController::CSpinButtonClick(int column, Step step) {
    ReadForm();
    StepSpeedColumn(block_, column, step);
    ApplyChange();
}

void FormController::StepServoClick(Step step) {
    ReadForm();
    const bool wholeTable = form_.control<QAbstractButton>("CheckBoxServoAll")->isChecked();
    StepServo(block_, step, wholeTable, point_.servoColumn);
    ApplyChange();
}

// The captures take the live voltage without reading the form first.
void FormController::BitBtnTps0Click() {
    if (CaptureTps0(block_, link_.live().liveTpsMv))
        ApplyChange();
}

void FormController::BitBtnTps100Click() {
    if (CaptureTps100(block_, link_.live().liveTpsMv))
        ApplyChange();
}

} // namespace kx
