#include "app/HistoryCommands.h"

#include "config/EditorClamp.h"
#include "link/DeviceLink.h"
#include "store/ConfigDifferences.h"
#include "store/ConfigFile.h"
#include "store/qt/SafeTextFile.h"
#include "ui/ComparisonWindow.h"
#include "ui/Dialogs.h"
#include "ui/FormHlav.h"
#include "ui/HistoryWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QStatusBar>

#include <sstream>

namespace kx {

namespace {

// Long enough to be read, short enough not to hide the next message.
constexpr int kStatusMs = 10000;

} // namespace

HistoryCommands::HistoryCommands(TFormHlav& form, FormState& state, FormRefresh& refresh,
                                 Dialogs& dialogs, DeviceLink& link)
    : form_(form), state_(state), refresh_(refresh), dialogs_(dialogs), link_(link),
      keeper_(
          link, [this](const HistoryEntry&) { EntryWritten(); },
          [this](const QString& folder) { NotWritten(folder); }) {}

void HistoryCommands::ConnectCommands() {
    const MenuActions& menu = form_.controls().frame.menu;
    connect(menu.history, &QAction::triggered, this, &HistoryCommands::ShowHistory);
    connect(menu.compareFile, &QAction::triggered, this, &HistoryCommands::CompareWithFile);
    connect(menu.compareUnit, &QAction::triggered, this, &HistoryCommands::CompareWithUnit);
}

void HistoryCommands::ExchangeEnded(ExchangeResult result, TransferMode) {
    const FormControls& controls = form_.controls();
    ExchangeContext context;
    context.openFile = controls.bike.file->text().toStdString();
    context.programAfterChange = controls.miscellaneous.programAfterChange->isChecked();
    keeper_.ExchangeEnded(result, context, state_.block);
    if (!comparingWithUnit_ || !link_.engine().fetching())
        return;
    comparingWithUnit_ = false;
    if (result != ExchangeResult::Fetched) {
        dialogs_.showMessage(Text(HistoryText::CompareUnitFailed), Dialogs::Severity::Error);
        return;
    }
    const ComparisonSide screen = ScreenSide();
    ComparisonSide unit{Text(HistoryText::SideUnit), screen.record};
    const uint8_t* fetched = link_.engine().fetched().bytes();
    std::copy(fetched, fetched + kImageSize, unit.record.bytes());
    // The unit may report its own "No Reading" flag, which verify leaves out too.
    unit.record.noReading = screen.record.noReading;
    ShowComparison(screen, unit);
}

void HistoryCommands::ShowHistory() {
    if (!historyWindow_) {
        historyWindow_ = new HistoryWindow(&form_);
        connect(historyWindow_, &HistoryWindow::compareEntries, this,
                &HistoryCommands::CompareEntries);
        connect(historyWindow_, &HistoryWindow::compareWithScreen, this,
                &HistoryCommands::CompareWithScreen);
        connect(historyWindow_, &HistoryWindow::restoreEntry, this, &HistoryCommands::RestoreEntry);
    }
    historyWindow_->SetLanguage(state_.choices.languageIndex);
    ListEntries();
    historyWindow_->show();
    historyWindow_->raise();
    historyWindow_->activateWindow();
}

void HistoryCommands::ListEntries() {
    listing_ = keeper_.folder().List();
    historyWindow_->SetListing(listing_);
}

void HistoryCommands::EntryWritten() {
    if (historyWindow_ && historyWindow_->isVisible())
        ListEntries();
}

void HistoryCommands::NotWritten(const QString& folder) {
    // The exchange itself succeeded; a history that cannot be kept is no reason to alarm.
    form_.controls().frame.statusBar->showMessage(
        QString::fromStdString(Text(HistoryText::HistoryNotWritten, folder.toStdString())),
        kStatusMs);
}

std::optional<ComparisonSide> HistoryCommands::EntrySide(int entry) {
    if (entry < 0 || entry >= int(listing_.entries.size()))
        return std::nullopt;
    const HistoryEntry& listed = listing_.entries[size_t(entry)];
    const auto record = keeper_.folder().Record(listed, state_.block);
    if (!record) {
        dialogs_.showMessage(Text(HistoryText::EntryUnreadable, listed.file),
                             Dialogs::Severity::Error);
        return std::nullopt;
    }
    const HistoryText action = listed.action == HistoryAction::Program ? HistoryText::ActionProgram
                                                                       : HistoryText::ActionRead;
    return ComparisonSide{Text(HistoryText::SideEntry, listed.time, Text(action)), *record};
}

ComparisonSide HistoryCommands::ScreenSide() {
    // Typing not yet taken is part of what the screen shows.
    refresh_.ReadForm();
    NormaliseBlock(state_.block, state_.choices);
    refresh_.ShowBlock();
    return {Text(HistoryText::SideScreen), state_.block};
}

void HistoryCommands::CompareEntries(int first, int second) {
    const auto older = EntrySide(first);
    const auto newer = older ? EntrySide(second) : std::nullopt;
    if (newer)
        ShowComparison(*older, *newer);
}

void HistoryCommands::CompareWithScreen(int entry) {
    if (const auto side = EntrySide(entry))
        ShowComparison(*side, ScreenSide());
}

void HistoryCommands::RestoreEntry(int entry) {
    const auto side = EntrySide(entry);
    if (!side)
        return;
    refresh_.ReadForm();
    state_.block = side->record;
    // As an opened file: what the editors show is what "Programming after change" sends.
    NormaliseBlock(state_.block, state_.choices);
    ClampToEditors(state_.block);
    refresh_.ApplyChange(ChangeKind::Restore);
}

void HistoryCommands::CompareWithFile() {
    const auto path = dialogs_.askOpenFile(state_.lastFilePath);
    if (!path)
        return;
    const QString filePath = QString::fromStdString(*path);
    const auto text = ReadTextFile(filePath);
    if (!text) {
        dialogs_.showMessage(state_.texts.MsgOpenFileError, Dialogs::Severity::Error);
        return;
    }
    const ComparisonSide screen = ScreenSide();
    ComparisonSide file{Text(HistoryText::SideFile, QFileInfo(filePath).fileName().toStdString()),
                        screen.record};
    std::istringstream in(*text);
    if (!ReadConfigFile(in, file.record)) {
        dialogs_.showMessage(state_.texts.MsgFileVersionMismatch, Dialogs::Severity::Warning);
        return;
    }
    // Compared as Open would show it, so the differences are those opening it would make.
    NormaliseBlock(file.record, state_.choices);
    ClampToEditors(file.record);
    ShowComparison(screen, file);
}

void HistoryCommands::CompareWithUnit() {
    // An exchange under way owns the line; the user asks again once it has ended.
    if (link_.engine().transferMode() != ModeIdle)
        return;
    comparingWithUnit_ = true;
    link_.engine().StartFetch();
    refresh_.ApplyLinkStates();
}

void HistoryCommands::ShowComparison(const ComparisonSide& first, const ComparisonSide& second) {
    if (!comparisonWindow_)
        comparisonWindow_ = new ComparisonWindow(&form_);
    comparisonWindow_->Show(first, second, state_.choices.languageIndex);
    comparisonWindow_->show();
    comparisonWindow_->raise();
    comparisonWindow_->activateWindow();
}

std::string HistoryCommands::Text(HistoryText text, const std::string& first,
                                  const std::string& second) const {
    return FillIn(HistoryTextIn(text, state_.choices.languageIndex), first, second);
}

} // namespace kx
