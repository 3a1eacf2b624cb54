#include "link/TransferEngine.h"

#include "link/SerialPort.h"
#include "ui/text/MessageTexts.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace kx {

namespace {

constexpr uint8_t kCommandProgramInfo = 0x00;
constexpr uint8_t kCommandRead = 0x40;
constexpr uint8_t kCommandVerify = 0x41;
constexpr int kNoReadingOffset = 1; // the unit may report its own "No Reading" flag

} // namespace

TransferEngine::TransferEngine(ConfigBlock& block, const MessageTexts& texts, SerialPort& port,
                               TransferEvents& events)
    : block_(block), texts_(texts), port_(port), events_(events) {}

void TransferEngine::StartProgram() {
    Start(ModeProgram, kCommandProgramInfo, texts_.MsgProgramming);
}

void TransferEngine::StartVerify() {
    Start(ModeVerify, kCommandVerify, texts_.MsgVerifying);
}

void TransferEngine::StartRead() {
    events_.clearFileName();
    Start(ModeRead, kCommandRead, texts_.MsgReading);
}

void TransferEngine::Start(TransferMode mode, uint8_t command, const std::string& caption) {
    transferMode_ = mode;
    commandByte_ = command;
    sendCount_ = 0;
    ShowStatus(caption, Colour::ButtonFace);
    // The gauge may still have the saving scale; every exchange counts its steps out of two.
    status_.gaugeMaximum = 2;
    status_.gaugeProgress = 0;
    status_.gaugeVisible = true;
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
    if (transferMode_ != ModeIdle) {
        if (transferMode_ == ModeRead)
            programDone_ = false;
        if (++tickCounter_ < kRepeatTicks)
            return;
        tickCounter_ = 0;
        if (++sendCount_ <= kMaxSends) {
            SendRequest();
            return;
        }
        const TransferMode failed = transferMode_;
        ShowStatus(failed == ModeProgram  ? texts_.MsgProgramError
                   : failed == ModeVerify ? texts_.MsgVerifyError
                                          : texts_.MsgReadError,
                   Colour::Red);
        programDone_ = false;
        transferMode_ = ModeIdle;
        events_.exchangeEnded(ExchangeResult::Failed, failed);
        return;
    }

    if (++tickCounter_ >= kMonitorTicks) {
        tickCounter_ = 0;
        SendMonitorRequest();
    }
    if (saveCountdown > 0) {
        ShowStatus(texts_.MsgSaving, Colour::ButtonFace);
        status_.gaugeMaximum = 100;
        status_.gaugeProgress = status_.gaugeMaximum *
                                (kSaveFullScale - std::min<int>(saveCountdown, kSaveFullScale)) /
                                kSaveFullScale;
    } else {
        status_.gaugeMaximum = 2;
        if (programDone_) {
            status_.LabelHlaseni.caption = texts_.MsgProgramming + ": OK";
            status_.gaugeProgress = status_.gaugeMaximum;
        }
    }
}

bool TransferEngine::HandleAnswer(const uint8_t* received) {
    // Work on a copy: a modal message below runs nested ticks that reuse the receive buffer.
    Frame frame;
    std::copy(received, received + kFrameSize, frame.begin());
    const uint8_t* payload = frame.data() + 1;

    if (!HasValidCheckByte(frame.data()))
        return false;
    blockNumber_ = commandByte_ & kBlockMask;
    if (blockNumber_ > 2)
        return false;
    if (frame[0] != (commandByte_ ^ kAnswerBit) || transferMode_ == ModeIdle)
        return false;
    events_.unitBlockReceived(transferMode_, blockNumber_, payload);

    bool accepted = false;
    switch (transferMode_) {
    case ModeProgram:
        if (blockNumber_ == 0) {
            TakeUnitInfo(payload);
            NormaliseBlock(block_);
            events_.showRecord();
            if (unitInfo_.protocolVersion() != kProtocolVersion) {
                VersionFailure();
                return true;
            }
            accepted = true;
        } else {
            accepted = PayloadMatchesRecord(payload, false);
        }
        break;
    case ModeVerify:
        accepted = blockNumber_ != 0 && PayloadMatchesRecord(payload, true);
        break;
    case ModeRead:
        if (blockNumber_ == 0) {
            TakeUnitInfo(payload);
            if (unitInfo_.protocolVersion() != kProtocolVersion) {
                NormaliseBlock(block_);
                events_.showRecord();
                VersionFailure();
                return true;
            }
        } else if (blockNumber_ == 1) {
            std::copy(payload, payload + kDataBlockSize, pendingBlock1_);
        } else {
            std::copy(pendingBlock1_, pendingBlock1_ + kDataBlockSize, block_.bytes());
            std::copy(payload, payload + kDataBlockSize, block_.bytes() + DataBlockOffset(2));
        }
        accepted = true;
        break;
    case ModeIdle:
        break;
    }
    if (!accepted)
        return true; // repeated by TransferTick

    if (blockNumber_ < 2) {
        ++status_.gaugeProgress;
        ++commandByte_;
        sendCount_ = 1;
        SendRequest();
        return true;
    }
    switch (transferMode_) {
    case ModeVerify:
        status_.gaugeProgress = status_.gaugeMaximum;
        ShowStatus(texts_.MsgVerifying + ": OK", Colour::ButtonFace);
        transferMode_ = ModeIdle;
        events_.exchangeEnded(ExchangeResult::VerifyPassed, ModeVerify);
        break;
    case ModeProgram:
        programDone_ = true;
        GoOnToVerify();
        break;
    case ModeRead:
        NormaliseBlock(block_);
        events_.showRecord();
        GoOnToVerify();
        break;
    case ModeIdle:
        break;
    }
    return true;
}

void TransferEngine::GoOnToVerify() {
    transferMode_ = ModeVerify;
    commandByte_ = kCommandVerify;
    sendCount_ = 1;
    SendRequest();
    ShowStatus(texts_.MsgVerifying + ":", Colour::ButtonFace);
    status_.gaugeProgress = 0;
}

void TransferEngine::SendRequest() {
    tickCounter_ = 0;
    blockNumber_ = commandByte_ & kBlockMask;
    Frame frame{};
    frame[0] = commandByte_;
    if (transferMode_ != ModeRead && blockNumber_ != 0) {
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

void TransferEngine::ShowStatus(const std::string& caption, Colour colour) {
    status_.LabelHlaseni = {caption, colour};
    status_.messageHold = kMessageHold;
    status_.labelVisible = true;
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
    const TransferMode failed = transferMode_;
    transferMode_ = ModeIdle;
    char detail[32];
    std::snprintf(detail, sizeof detail, "  PC-%d, IGN-%d", kProtocolVersion,
                  unitInfo_.protocolVersion());
    events_.exchangeEnded(ExchangeResult::VersionMismatch, failed);
    events_.showModalMessage(texts_.MsgVersionMismatch + detail);
    transferMode_ = ModeIdle;
    status_.messageHold = 0;
}

} // namespace kx
