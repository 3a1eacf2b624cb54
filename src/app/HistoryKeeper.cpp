#include "app/HistoryKeeper.h"

#include "link/DeviceLink.h"

namespace kx {

namespace {

// Storing takes the unit about two seconds; a unit that says nothing for about eleven has its
// entry written without a count rather than never.
constexpr int kCountWaitTicks = 200;

} // namespace

HistoryKeeper::HistoryKeeper(const DeviceLink& link,
                             std::function<void(const HistoryEntry&)> written,
                             std::function<void(const QString&)> failed)
    : link_(link), folder_(HistoryFolder::ForThisSystem()), written_(std::move(written)),
      failed_(std::move(failed)) {}

void HistoryKeeper::ExchangeEnded(ExchangeResult result, const ExchangeContext& context,
                                  const ConfigBlock& record) {
    const TransferEngine& engine = link_.engine();
    const bool fetched = result == ExchangeResult::Fetched;
    const TransferMode started = engine.startedExchange();
    const bool passed =
        result == ExchangeResult::VerifyPassed && (started == ModeRead || started == ModeProgram);
    if (!fetched && !passed)
        return;
    Flush();
    Waiting waiting;
    waiting.record = fetched ? engine.fetched() : record;
    HistoryEntry& entry = waiting.entry;
    entry.action = started == ModeProgram ? HistoryAction::Program : HistoryAction::Read;
    const UnitInfo& unit = engine.unitInfo();
    entry.firmware = unit.unitVersionText;
    entry.firmwareDate = unit.unitDateText;
    entry.firmwareTime = unit.unitTimeText;
    entry.openFile = context.openFile;
    // Before the change was sent no telegram came, so the live values are those it was made at.
    entry.nudge = entry.action == HistoryAction::Program && context.programAfterChange;
    if (entry.nudge) {
        entry.rpm = link_.live().liveRpm;
        entry.tpsPercent = link_.live().liveTpsPercent;
        if (unitRecord_)
            entry.changes = ChangedBytes(*unitRecord_, waiting.record);
    }
    unitRecord_ = waiting.record;
    waiting.when = QDateTime::currentDateTime();
    waiting.telegramsAtEnd = link_.telegramCount();
    waiting_ = waiting;
}

void HistoryKeeper::Tick() {
    if (!waiting_)
        return;
    const bool spoken = link_.telegramCount() != waiting_->telegramsAtEnd;
    if (spoken && link_.live().saveCountdown == 0)
        Write(*waiting_, true);
    else if (++waiting_->ticks >= kCountWaitTicks)
        Write(*waiting_, spoken);
}

void HistoryKeeper::Flush() {
    if (waiting_)
        Write(*waiting_, link_.telegramCount() != waiting_->telegramsAtEnd);
}

void HistoryKeeper::Write(Waiting& waiting, bool counted) {
    waiting.entry.programCount = counted ? link_.monitor().programCount : -1;
    const Waiting done = waiting;
    waiting_.reset();
    if (const auto kept = folder_.Add(done.entry, done.record, done.when))
        written_(*kept);
    else
        failed_(folder_.folder());
}

} // namespace kx
