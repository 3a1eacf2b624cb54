#pragma once

#include "app/FormState.h"
#include "app/HistoryKeeper.h"
#include "texts/HistoryTexts.h"

#include <QObject>

namespace kx {

class ComparisonWindow;
class Dialogs;
class DeviceLink;
class HistoryWindow;
class TFormHlav;
struct ComparisonSide;

// Tools > History and File > Compare: the unit's history listed, any two of an entry, the
// screen, a file and the unit compared, an entry or a nudge restored onto the screen. A restore
// is a change like any other: it ends in ApplyChange, so it can be undone and, with
// "Programming after change" ticked, goes to the unit at once.
class HistoryCommands : public QObject {
    Q_OBJECT

  public:
    // Everything given outlives the commands.
    HistoryCommands(TFormHlav& form, FormState& state, FormRefresh& refresh, Dialogs& dialogs,
                    DeviceLink& link);

    void ConnectCommands();
    void ExchangeEnded(ExchangeResult result, TransferMode mode);
    void Tick() { keeper_.Tick(); }
    void Close() { keeper_.Flush(); }

    const HistoryKeeper& keeper() const { return keeper_; }
    // Made when first asked for; nothing before.
    HistoryWindow* historyWindow() const { return historyWindow_; }
    ComparisonWindow* comparisonWindow() const { return comparisonWindow_; }

  private:
    void ShowHistory();
    void ListEntries();
    void CompareEntries(int first, int second);
    void CompareWithScreen(int entry);
    void RestoreEntry(int entry);
    void CompareWithFile();
    void CompareWithUnit();
    std::optional<ComparisonSide> EntrySide(int entry);
    ComparisonSide ScreenSide();
    void ShowComparison(const ComparisonSide& first, const ComparisonSide& second);
    void EntryWritten();
    void NotWritten(const QString& folder);
    std::string Text(HistoryText text, const std::string& first = "",
                     const std::string& second = "") const;

    TFormHlav& form_;
    FormState& state_;
    FormRefresh& refresh_;
    Dialogs& dialogs_;
    DeviceLink& link_;
    HistoryKeeper keeper_;
    HistoryListing listing_;
    HistoryWindow* historyWindow_ = nullptr;
    ComparisonWindow* comparisonWindow_ = nullptr;
    bool comparingWithUnit_ = false;
};

} // namespace kx
