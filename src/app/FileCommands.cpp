#include "app/FileCommands.h"

#include "config/EditorClamp.h"
#include "link/TransferEngine.h"
#include "store/ConfigFile.h"
#include "store/qt/SafeTextFile.h"
#include "ui/Dialogs.h"
#include "ui/FormHlav.h"

#include <QLabel>
#include <QProgressBar>

#include <sstream>

namespace kx {

void FileCommands::MenuSaveClick() {
    const auto path = dialogs_.askSaveFile(state_.lastFilePath);
    if (!path)
        return;
    refresh_.ReadForm();
    NormaliseBlock(state_.block, state_.choices);
    refresh_.ShowBlock();
    // Written beside the target and swapped in whole: a failed save never cuts the old file.
    if (!WriteTextFileSafely(QString::fromStdString(*path),
                             [this](std::ostream& out) { WriteConfigFile(out, state_.block); })) {
        dialogs_.showMessage(state_.texts.MsgOpenFileError, Dialogs::Severity::Error);
        return;
    }
    form_.controls().bike.file->setText(QString::fromStdString(*path));
    state_.lastFilePath = *path;
}

void FileCommands::MenuOpenClick() {
    if (const auto path = dialogs_.askOpenFile(state_.lastFilePath))
        OpenFile(*path);
    form_.controls().monitor.message->hide();
    form_.controls().monitor.programGauge->hide();
    // The last exchange's gauge would come back with the next tick while its message is held.
    if (engine_.transferMode() == ModeIdle)
        engine_.state().gaugeVisible = false;
}

void FileCommands::OpenFile(const std::string& path) {
    const auto text = ReadTextFile(QString::fromStdString(path));
    std::istringstream in(text.value_or(std::string()));
    ConfigBlock opened = state_.block;
    if (!text) {
        dialogs_.showMessage(state_.texts.MsgOpenFileError, Dialogs::Severity::Error);
    } else if (!ReadConfigFile(in, opened)) {
        dialogs_.showMessage(state_.texts.MsgFileVersionMismatch, Dialogs::Severity::Warning);
    } else {
        state_.block = opened;
        // What the editors show is what "Programming after change" sends right after.
        NormaliseBlock(state_.block, state_.choices);
        ClampToEditors(state_.block);
        refresh_.ApplyChange(ChangeKind::Open);
        form_.controls().bike.file->setText(QString::fromStdString(path));
        state_.lastFilePath = path;
    }
}

} // namespace kx
