#include "link/TransferEngine.h"

#include "link/SerialPort.h"

#include <algorithm>
#include <cstring>

namespace kx {

namespace {

constexpr uint8_t kCommandProgramInfo = 0x00;
constexpr uint8_t kCommandRead = 0x40;
constexpr uint8_t kCommandVerify = 0x41;
constexpr int kNoReadingOffset = 1; // the unit may report its own "No Reading" flag

} // namespace

TransferEngine::TransferEngine(ConfigBlock& block, SerialPort& port, TransferEvents& events)
    : block_(block), port_(port), events_(events) {}

void TransferEngine::StartProgram() {
    Start(ModeProgram, kCommandProgramInfo, StatusMessage::Programming);
}

void TransferEngine::StartVerify() {
    Start(ModeVerify, kCommandVerify, StatusMessage::Verifying);
}

void TransferEngine::StartRead() {
    events_.clearFileName();
    Start(ModeRead, kCommandRead, StatusMessage::Reading);
}

void TransferEngine::StartFetch() {
    Start(ModeRead, kCommandRead, StatusMessage::Reading);
    fetching_ = true;
}

void TransferEngine::Start(TransferMode mode, uint8_t command, StatusMessage message) {
    state_.mode = mode;
    state_.outcome = TransferOutcome::None;
    startedExchange_ = mode;
    fetching_ = false;
    commandByte_ = command;
    sendCount_ = 0;
    Report(message);
    // The gauge may still have the saving scale; every exchange counts its steps out of two.
    state_.steps = 2;
    state_.step = 0;
    state_.gaugeVisible = true;
}

void TransferEngine::CheckAutoProgram(bool programAfterChange) {
    if (!programAfterChange) {
        autoProgramArmed_ = false;
        return;
    }
    bool changed = !autoProgramArmed_;
    autoProgramArmed_ = true;
    if (autoProgramSnapshot_ != block_) {
        changed = true;
        autoProgramSnapshot_ = block_;
    }
    if (changed)
        StartProgram();
}

void TransferEngine::TransferTick(uint16_t saveCountdown) {
    if (state_.mode != ModeIdle) {
        if (state_.mode == ModeRead)
            programDone_ = false;
        if (++tickCounter_ < kRepeatTicks)
            return;
        tickCounter_ = 0;
        if (++sendCount_ <= kMaxSends)
            SendRequest();
        else
            Fail();
        return;
    }

    if (++tickCounter_ >= kMonitorTicks) {
        tickCounter_ = 0;
        SendMonitorRequest();
    }
    if (saveCountdown > 0) {
        ShowSaving(saveCountdown);
        return;
    }
    state_.steps = 2;
    if (programDone_) {
        // Given again every idle tick, but without holding the label any longer.
        state_.message = StatusMessage::Programmed;
        ++state_.messageCount;
        state_.step = state_.steps;
    }
}

void TransferEngine::Fail() {
    const TransferMode failed = state_.mode;
    state_.failedExchange = failed;
    Report(StatusMessage::Failed);
    state_.outcome = TransferOutcome::Failed;
    programDone_ = false;
    state_.mode = ModeIdle;
    events_.exchangeEnded(ExchangeResult::Failed, failed);
}

void TransferEngine::ShowSaving(uint16_t saveCountdown) {
    Report(StatusMessage::Saving);
    state_.steps = 100;
    state_.step = state_.steps * (kSaveFullScale - std::min<int>(saveCountdown, kSaveFullScale)) /
                  kSaveFullScale;
}

bool TransferEngine::HandleAnswer(const uint8_t* received) {
    // Work on a copy: the events below may run nested ticks that reuse the receive buffer.
    Frame frame;
    std::copy(received, received + kFrameSize, frame.begin());
    const uint8_t* payload = frame.data() + 1;

    if (!ValidAnswer(frame))
        return false;
    events_.unitBlockReceived(state_.mode, blockNumber_, payload);
    // Not accepted: repeated by TransferTick, unless the unit's version ended the exchange.
    if (!AcceptBlock(payload))
        return true;
    if (blockNumber_ < 2)
        AskNextBlock();
    else
        FinishExchange();
    return true;
}

bool TransferEngine::ValidAnswer(const Frame& frame) {
    if (!HasValidCheckByte(frame.data()))
        return false;
    blockNumber_ = commandByte_ & kBlockMask;
    if (blockNumber_ > 2)
        return false;
    return frame[0] == (commandByte_ ^ kAnswerBit) && state_.mode != ModeIdle;
}

bool TransferEngine::AcceptBlock(const uint8_t* payload) {
    switch (state_.mode) {
    case ModeProgram:
        return AcceptProgramBlock(payload);
    case ModeVerify:
        return blockNumber_ != 0 && PayloadMatchesRecord(payload, true);
    case ModeRead:
        return AcceptReadBlock(payload);
    case ModeIdle:
        break;
    }
    return false;
}

bool TransferEngine::AcceptProgramBlock(const uint8_t* payload) {
    if (blockNumber_ != 0)
        return PayloadMatchesRecord(payload, false);
    TakeUnitInfo(payload);
    NormaliseBlock(block_);
    events_.showRecord();
    if (unitInfo_.protocolVersion() == kProtocolVersion)
        return true;
    VersionFailure();
    return false;
}

bool TransferEngine::AcceptReadBlock(const uint8_t* payload) {
    if (blockNumber_ == 0) {
        TakeUnitInfo(payload);
        if (unitInfo_.protocolVersion() == kProtocolVersion)
            return true;
        if (!fetching_) {
            NormaliseBlock(block_);
            events_.showRecord();
        }
        VersionFailure();
        return false;
    }
    if (blockNumber_ == 1) {
        std::copy(payload, payload + kDataBlockSize, pendingBlock1_);
    } else {
        ConfigBlock& target = fetching_ ? fetched_ : block_;
        std::copy(pendingBlock1_, pendingBlock1_ + kDataBlockSize, target.bytes());
        std::copy(payload, payload + kDataBlockSize, target.bytes() + DataBlockOffset(2));
    }
    return true;
}

void TransferEngine::AskNextBlock() {
    ++state_.step;
    ++commandByte_;
    sendCount_ = 1;
    SendRequest();
}

void TransferEngine::FinishExchange() {
    if (state_.mode == ModeVerify) {
        state_.step = state_.steps;
        Report(StatusMessage::VerifyPassed);
        state_.outcome = programDone_ ? TransferOutcome::Programmed : TransferOutcome::VerifyPassed;
        state_.mode = ModeIdle;
        events_.exchangeEnded(ExchangeResult::VerifyPassed, ModeVerify);
        return;
    }
    if (fetching_) {
        // Nothing changed that the status label would have to report.
        state_.mode = ModeIdle;
        state_.outcome = TransferOutcome::Fetched;
        state_.message = StatusMessage::None;
        state_.messageHold = 0;
        state_.labelVisible = false;
        state_.gaugeVisible = false;
        events_.exchangeEnded(ExchangeResult::Fetched, ModeRead);
        return;
    }
    if (state_.mode == ModeProgram) {
        programDone_ = true;
    } else {
        NormaliseBlock(block_);
        events_.showRecord();
    }
    GoOnToVerify();
}

void TransferEngine::GoOnToVerify() {
    state_.mode = ModeVerify;
    commandByte_ = kCommandVerify;
    sendCount_ = 1;
    SendRequest();
    Report(StatusMessage::VerifyingWritten);
    state_.step = 0;
}

void TransferEngine::SendRequest() {
    tickCounter_ = 0;
    blockNumber_ = commandByte_ & kBlockMask;
    Frame frame{};
    frame[0] = commandByte_;
    if (state_.mode != ModeRead && blockNumber_ != 0) {
        const uint8_t* image = block_.bytes() + DataBlockOffset(blockNumber_);
        std::copy(image, image + kPayloadSize, frame.begin() + 1);
    }
    SealFrame(frame);
    port_.transmit(frame.data(), frame.size());
}

void TransferEngine::SendMonitorRequest() {
    Frame frame{};
    frame[0] = kMonitorRequest;
    SealFrame(frame);
    port_.transmit(frame.data(), frame.size());
}

void TransferEngine::Report(StatusMessage message) {
    state_.message = message;
    ++state_.messageCount;
    state_.messageHold = kMessageHold;
    state_.labelVisible = true;
}

bool TransferEngine::PayloadMatchesRecord(const uint8_t* payload, bool skipNoReading) const {
    const int first = DataBlockOffset(blockNumber_);
    for (int i = 0; i < kDataBlockSize; ++i) {
        if (skipNoReading && first + i == kNoReadingOffset)
            continue;
        if (payload[i] != block_[first + i])
            return false;
    }
    return true;
}

void TransferEngine::TakeUnitInfo(const uint8_t* payload) {
    std::copy(payload, payload + kPayloadSize, unitInfo_.bytes.begin());
    FormatUnitInfo(unitInfo_);
}

void TransferEngine::VersionFailure() {
    const TransferMode failed = state_.mode;
    state_.mode = ModeIdle;
    state_.outcome = TransferOutcome::VersionMismatch;
    events_.exchangeEnded(ExchangeResult::VersionMismatch, failed);
    events_.versionMismatch(kProtocolVersion, unitInfo_.protocolVersion());
    // The message box says it all; the status label goes at once.
    state_.messageHold = 0;
}

} // namespace kx
