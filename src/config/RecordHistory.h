#pragma once

#include "config/ConfigBlock.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>

namespace kx {

// What changed the record, as the Edit menu names it in "Undo …" and "Redo …".
enum class ChangeKind : uint8_t {
    Edit,    // an editor, a check box, a list or a radio button
    MapTool, // advance or servo plus and minus, a speed column, a throttle capture
    Raise,   // block operations on the selected cells
    Lower,
    SetValue,
    Scale,
    Interpolate,
    Smooth,
    Paste,
    New,
    BikeType,
    Open,
    Read,
    Restore, // an entry of the unit's history, or a line of its nudge log
};
constexpr int kChangeKinds = int(ChangeKind::Restore) + 1;

// The states the record went through, for undo and redo. It keeps whole records (207 bytes
// each), so a step back is exact whatever the change was, and drops the oldest beyond `limit`.
class RecordHistory {
  public:
    static constexpr size_t kDefaultLimit = 1000; // about 210 kB

    explicit RecordHistory(size_t limit = kDefaultLimit) : limit_(limit) {}

    // Starts over from `current`, with nothing to undo or redo.
    void Reset(const ConfigBlock& current);
    // Takes `now` as the record's new state, made by a change of `kind`; false, keeping
    // everything, when it equals the last state. A new change ends what could be redone.
    bool Commit(const ConfigBlock& now, ChangeKind kind);
    // Takes `now` as the current state without a step of its own: a restored record that came
    // back a little different from being shown (normalised).
    void Rebase(const ConfigBlock& now) { current_ = now; }

    // The change the next undo or redo takes back or makes again; nothing when there is none.
    std::optional<ChangeKind> undoKind() const;
    std::optional<ChangeKind> redoKind() const;
    // The record to restore, or nothing when there is nothing to undo or redo.
    std::optional<ConfigBlock> Undo();
    std::optional<ConfigBlock> Redo();

    size_t undoCount() const { return undo_.size(); }
    size_t redoCount() const { return redo_.size(); }
    const ConfigBlock& current() const { return current_; }

  private:
    struct Step {
        ConfigBlock record; // the state on the other side of the change
        ChangeKind kind;
    };
    static std::optional<ConfigBlock> Move(std::deque<Step>& from, std::deque<Step>& to,
                                           ConfigBlock& current);

    size_t limit_;
    ConfigBlock current_{};
    std::deque<Step> undo_;
    std::deque<Step> redo_;
};

} // namespace kx
