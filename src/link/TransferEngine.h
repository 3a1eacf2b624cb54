#pragma once

#include "config/ConfigBlock.h"
#include "link/Frame.h"
#include "link/UnitInfo.h"

#include <cstdint>

namespace kx {

class SerialPort;

enum TransferMode : uint8_t { ModeIdle = 0, ModeProgram = 1, ModeVerify = 2, ModeRead = 3 };

// What the status label LabelHlaseni reports: the exchange under way, how it ended, or the unit
// storing. The window words it; the engine only says which.
enum class StatusMessage : uint8_t {
    None,             // nothing reported yet
    Programming,      // a program started
    Verifying,        // a verify started
    Reading,          // a read started
    VerifyingWritten, // the verify that follows every program and read
    VerifyPassed,
    Programmed, // the verify after a program passed; given again every idle tick while it holds
    Failed,     // the exchange in failedExchange ran out of repeats
    Saving,     // the unit stores its new configuration
};

enum class TransferOutcome : uint8_t {
    None,
    VerifyPassed,
    Programmed,
    Failed,
    VersionMismatch,
    Fetched, // a fetch brought the unit's record
};

// The exchange's state as the status label and the progress gauge CGaugeProgram show it.
struct TransferState {
    TransferMode mode = ModeIdle;
    StatusMessage message = StatusMessage::None;
    // Counts the messages given, so a reader can tell a message given again from one held.
    uint32_t messageCount = 0;
    TransferOutcome outcome = TransferOutcome::None; // of the last exchange; None while one runs
    TransferMode failedExchange = ModeIdle;          // with Failed: the exchange that failed
    int step = 0;  // gauge progress: blocks done, or percent stored while saving
    int steps = 2; // gauge maximum
    bool gaugeVisible = false;
    bool labelVisible = false;
    uint8_t messageHold = 0; // ticks the label stays; every status message sets 200
};

enum class ExchangeResult { VerifyPassed, Failed, VersionMismatch, Fetched };

// Effects of the exchange that are events rather than state. The window implements them; the
// command-line tool and the tests record them.
class TransferEvents {
  public:
    virtual ~TransferEvents() = default;
    // The record was normalised after the unit's data arrived; show it.
    virtual void showRecord() = 0;
    // A read started: the record no longer belongs to a file.
    virtual void clearFileName() = 0;
    virtual void exchangeEnded(ExchangeResult result, TransferMode mode) = 0;
    // The unit speaks another protocol version; the exchange has ended. The window tells the user
    // modally, and ticks may run while it does: the exchange is idle by then.
    virtual void versionMismatch(int pcVersion, int unitVersion) = 0;
    // An answer to the request in flight arrived, before it is judged: the unit's information
    // block (block 0), or its bytes of block 1 or 2 as it holds them (a program's echo in
    // ModeProgram). The window has no use for it; the command-line tool reports from it.
    virtual void unitBlockReceived(TransferMode /*mode*/, int /*blockNumber*/,
                                   const uint8_t* /*payload*/) {}
};

// Reads, verifies and programs the unit block by block over 102-byte frames, and asks for live
// data while idle. Owns no timer: the window's 55 ms tick calls TransferTick, and the receive poll
// hands answers to HandleAnswer, so tests drive it tick by tick.
class TransferEngine {
  public:
    static constexpr int kRepeatTicks = 4;
    static constexpr int kMaxSends = 5;
    static constexpr int kMonitorTicks = 6;
    static constexpr uint8_t kMessageHold = 200;
    static constexpr int kSaveFullScale = 414;

    TransferEngine(ConfigBlock& block, SerialPort& port, TransferEvents& events);

    // The caller takes the form into the record, normalises and shows it before program and
    // verify; read and the automatic program do not.
    void StartProgram();
    void StartVerify();
    void StartRead();
    // Reads the unit's record into fetched() and leaves the record alone: no verify follows and
    // nothing is shown. Ends in exchangeEnded(Fetched, ModeRead), or Failed as a read does.
    void StartFetch();
    // Programs the unit when "Programming after change" is ticked and the record changed since
    // the last check, and always at the first check after the box was ticked.
    void CheckAutoProgram(bool programAfterChange);

    void TransferTick(uint16_t saveCountdown);
    // Returns true when the answer belongs to the current request (the link is alive), whether
    // its payload was accepted or not.
    bool HandleAnswer(const uint8_t* frame);

    TransferMode transferMode() const { return state_.mode; }
    uint8_t commandByte() const { return commandByte_; }
    uint8_t blockNumber() const { return blockNumber_; }
    uint8_t tickCounter() const { return tickCounter_; }
    uint8_t sendCount() const { return sendCount_; }
    bool programDone() const { return programDone_; }
    // The exchange last started, by the user or by "Programming after change": a verify that
    // passes after a read or a program is that read's or program's success.
    TransferMode startedExchange() const { return startedExchange_; }
    bool fetching() const { return fetching_; }
    // The image as the last fetch brought it.
    const ConfigBlock& fetched() const { return fetched_; }
    void clearProgramDone() { programDone_ = false; }
    const UnitInfo& unitInfo() const { return unitInfo_; }
    TransferState& state() { return state_; }
    const TransferState& state() const { return state_; }

  private:
    void Start(TransferMode mode, uint8_t command, StatusMessage message);
    void SendRequest();
    void SendMonitorRequest();
    void Report(StatusMessage message);
    void Fail();
    void ShowSaving(uint16_t saveCountdown);
    bool ValidAnswer(const Frame& frame);
    bool AcceptBlock(const uint8_t* payload);
    bool AcceptProgramBlock(const uint8_t* payload);
    bool AcceptReadBlock(const uint8_t* payload);
    void AskNextBlock();
    void FinishExchange();
    bool PayloadMatchesRecord(const uint8_t* payload, bool skipNoReading) const;
    void TakeUnitInfo(const uint8_t* payload);
    void VersionFailure();
    void GoOnToVerify();

    ConfigBlock& block_;
    SerialPort& port_;
    TransferEvents& events_;

    uint8_t commandByte_ = 0;
    uint8_t blockNumber_ = 0;
    uint8_t tickCounter_ = 0;
    uint8_t sendCount_ = 0;
    bool programDone_ = false;
    TransferMode startedExchange_ = ModeIdle;
    bool fetching_ = false;
    ConfigBlock fetched_{};
    UnitInfo unitInfo_;
    TransferState state_;
    ConfigBlock autoProgramSnapshot_{};
    bool autoProgramArmed_ = false;
    // A read keeps block 1 here until block 2 has arrived, so a read that fails half way leaves
    // the record as it was instead of half the unit's data.
    uint8_t pendingBlock1_[kDataBlockSize]{};
};

} // namespace kx
