#include "config/RecordHistory.h"

namespace kx {

void RecordHistory::Reset(const ConfigBlock& current) {
    current_ = current;
    undo_.clear();
    redo_.clear();
}

bool RecordHistory::Commit(const ConfigBlock& now, ChangeKind kind) {
    if (now == current_)
        return false;
    undo_.push_back({current_, kind});
    if (undo_.size() > limit_)
        undo_.pop_front();
    redo_.clear();
    current_ = now;
    return true;
}

std::optional<ChangeKind> RecordHistory::undoKind() const {
    if (undo_.empty())
        return std::nullopt;
    return undo_.back().kind;
}

std::optional<ChangeKind> RecordHistory::redoKind() const {
    if (redo_.empty())
        return std::nullopt;
    return redo_.back().kind;
}

std::optional<ConfigBlock> RecordHistory::Undo() {
    return Move(undo_, redo_, current_);
}

std::optional<ConfigBlock> RecordHistory::Redo() {
    return Move(redo_, undo_, current_);
}

std::optional<ConfigBlock> RecordHistory::Move(std::deque<Step>& from, std::deque<Step>& to,
                                               ConfigBlock& current) {
    if (from.empty())
        return std::nullopt;
    const Step step = from.back();
    from.pop_back();
    // The other stack can only be as long as this one was, so it stays within the limit.
    to.push_back({current, step.kind});
    current = step.record;
    return current;
}

} // namespace kx
