// The exchange engine driven by a script of starts, ticks and answer frames. The input is a
// sequence of operations; each takes its first byte and, for frames, the bytes after it:
//   0 StartRead, 1 StartVerify, 2 StartProgram, 3 CheckAutoProgram (bit 3 = box ticked),
//   4 one to eight ticks (bits 3..5), bit 6 with a unit still saving,
//   5 a raw 102-byte frame,
//   6 a sealed answer to the current request: bit 3 echoes the record's block (else 100 input
//     bytes follow), bit 4 then changes the byte at the offset in the next input byte,
//   7 a sealed frame with the command in the next byte and 100 payload bytes.
// After every step the engine must keep the record's promises: only a completed read changes the
// record, and no step towards success is taken on bytes that did not match.
#include "FuzzCheck.h"
#include "config/ConfigBlock.h"
#include "link/Frame.h"
#include "link/SerialPort.h"
#include "link/TransferEngine.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

namespace {

constexpr uint8_t kReadInfo = kx::kReadBit | 0;
constexpr uint8_t kReadBlock1 = kx::kReadBit | 1;
constexpr uint8_t kReadBlock2 = kx::kReadBit | 2;
constexpr uint8_t kProgramBlock1 = 1;
constexpr uint8_t kProgramBlock2 = 2;
constexpr int kNoReadingOffset = 1;

bool SameBytes(const uint8_t* a, const uint8_t* b, int count, int skip = -1) {
    for (int i = 0; i < count; ++i) {
        if (i != skip && a[i] != b[i])
            return false;
    }
    return true;
}

// Checks every request the engine sends: sealed, and carrying the record where it must.
class CheckingPort : public kx::SerialPort {
  public:
    kx::ConfigBlock* block = nullptr;
    const kx::TransferEngine* engine = nullptr;

    bool open(const std::string&) override { return true; }
    void close() override {}
    bool isOpen() const override { return true; }
    std::string errorText() const override { return {}; }
    kx::PortOpenFailure openFailure() const override { return kx::PortOpenFailure::None; }
    size_t bytesWaiting() override { return 0; }
    size_t read(uint8_t*, size_t) override { return 0; }
    bool lost() const override { return false; }

    void transmit(const uint8_t* data, size_t size) override {
        Require(size == size_t(kx::kFrameSize), "a request of the wrong length");
        Require(kx::HasValidCheckByte(data), "a request with a wrong check byte");
        const uint8_t command = data[0];
        const int blockNumber = command & kx::kBlockMask;
        const uint8_t* payload = data + 1;
        if (command == kx::kMonitorRequest) {
            Require(engine->transferMode() == kx::ModeIdle, "a monitor request during an exchange");
            return;
        }
        const bool carriesRecord = engine->transferMode() != kx::ModeRead && blockNumber != 0;
        if (carriesRecord) {
            Require(SameBytes(payload, block->bytes() + kx::DataBlockOffset(blockNumber),
                              kx::kPayloadSize),
                    "a request that does not carry the record's block");
        } else {
            static const uint8_t zeros[kx::kPayloadSize] = {};
            Require(SameBytes(payload, zeros, kx::kPayloadSize), "a request with a stray payload");
        }
    }
};

class Events : public kx::TransferEvents {
  public:
    int verifyPassed = 0;
    void showRecord() override {}
    void clearFileName() override {}
    void versionMismatch(int pcVersion, int unitVersion) override {
        Require(pcVersion == kx::kProtocolVersion && unitVersion != pcVersion,
                "a version mismatch reported on matching versions");
    }
    void exchangeEnded(kx::ExchangeResult result, kx::TransferMode) override {
        if (result == kx::ExchangeResult::VerifyPassed)
            ++verifyPassed;
    }
};

class Harness {
  public:
    Harness() : block_(kx::StartupBlock()), engine_(block_, port_, events_) {
        port_.block = &block_;
        port_.engine = &engine_;
    }

    void Run(const uint8_t* data, size_t size) {
        size_t at = 0;
        while (at < size) {
            const uint8_t op = data[at++];
            switch (op % 8) {
            case 0:
                hasReadBlock1_ = false;
                engine_.StartRead();
                break;
            case 1:
                engine_.StartVerify();
                break;
            case 2:
                engine_.StartProgram();
                break;
            case 3:
                engine_.CheckAutoProgram(op & 0x08);
                break;
            case 4:
                Ticks(1 + ((op >> 3) & 7), (op & 0x40) ? 207 : 0);
                break;
            case 5:
                if (size - at < size_t(kx::kFrameSize))
                    return;
                Answer(data + at);
                at += kx::kFrameSize;
                break;
            case 6:
                at = AnswerCurrentRequest(op, data, size, at);
                break;
            case 7: {
                if (size - at < size_t(1 + kx::kPayloadSize))
                    return;
                kx::Frame frame{};
                std::copy(data + at, data + at + 1 + kx::kPayloadSize, frame.begin());
                at += 1 + kx::kPayloadSize;
                kx::SealFrame(frame);
                Answer(frame.data());
                break;
            }
            }
        }
    }

  private:
    size_t AnswerCurrentRequest(uint8_t op, const uint8_t* data, size_t size, size_t at) {
        kx::Frame frame{};
        frame[0] = uint8_t(engine_.commandByte() ^ kx::kAnswerBit);
        const int blockNumber = engine_.commandByte() & kx::kBlockMask;
        if ((op & 0x08) && blockNumber >= 1 && blockNumber <= 2) {
            const uint8_t* image = block_.bytes() + kx::DataBlockOffset(blockNumber);
            std::copy(image, image + kx::kPayloadSize, frame.begin() + 1);
            if (op & 0x10) {
                if (at >= size)
                    return at;
                frame[1 + data[at++] % kx::kPayloadSize] ^= 0x01;
            }
        } else {
            if (size - at < size_t(kx::kPayloadSize))
                return size;
            std::copy(data + at, data + at + kx::kPayloadSize, frame.begin() + 1);
            at += kx::kPayloadSize;
        }
        kx::SealFrame(frame);
        Answer(frame.data());
        return at;
    }

    void Ticks(int count, uint16_t saveCountdown) {
        for (int i = 0; i < count; ++i) {
            const kx::ConfigBlock before = block_;
            const bool wasDone = engine_.programDone();
            const int passedBefore = events_.verifyPassed;
            engine_.TransferTick(saveCountdown);
            Require(block_ == before, "a tick changed the record");
            Require(engine_.programDone() <= wasDone, "a tick reported programming as done");
            Require(events_.verifyPassed == passedBefore, "a tick passed a verify");
            Require(engine_.transferMode() == kx::ModeIdle ||
                        engine_.sendCount() <= kx::TransferEngine::kMaxSends,
                    "a request sent more than five times");
        }
    }

    void Answer(const uint8_t* bytes) {
        if (bytes[0] == kx::kMonitorAnswer)
            return; // the receive poll hands these to the monitor decoder
        // An exact-size heap copy, so any read past the frame is caught.
        auto frame = std::make_unique<uint8_t[]>(kx::kFrameSize);
        std::memcpy(frame.get(), bytes, kx::kFrameSize);
        const uint8_t* payload = frame.get() + 1;

        const kx::ConfigBlock before = block_;
        const kx::TransferMode mode = engine_.transferMode();
        const uint8_t command = engine_.commandByte();
        const bool wasDone = engine_.programDone();
        const int passedBefore = events_.verifyPassed;
        const bool belongs = kx::HasValidCheckByte(frame.get()) && mode != kx::ModeIdle &&
                             (command & kx::kBlockMask) <= 2 &&
                             frame[0] == (command ^ kx::kAnswerBit);

        engine_.HandleAnswer(frame.get());

        // Moving on to the next request; falling back to idle is judged by the checks below.
        const bool advanced = engine_.transferMode() != kx::ModeIdle &&
                              (engine_.commandByte() != command || engine_.transferMode() != mode);
        Require(belongs || !advanced, "the exchange moved on an answer that was not its own");
        if (advanced && (command & kx::kBlockMask) == 0)
            Require(payload[10] == kx::kProtocolVersion,
                    "moved on past a foreign protocol version");

        if (belongs && mode == kx::ModeRead && command == kReadBlock1) {
            std::copy(payload, payload + kx::kPayloadSize, readBlock1_);
            hasReadBlock1_ = true;
        }
        if (!(block_ == before)) {
            Require(belongs && mode == kx::ModeRead && command == kReadBlock2 && hasReadBlock1_,
                    "the record changed outside a completed read");
            kx::ConfigBlock expected = before;
            std::copy(readBlock1_, readBlock1_ + kx::kPayloadSize, expected.bytes());
            std::copy(payload, payload + kx::kPayloadSize,
                      expected.bytes() + kx::DataBlockOffset(2));
            kx::NormaliseBlock(expected);
            Require(block_ == expected, "a read stored something other than the unit's blocks");
        }
        if (mode == kx::ModeProgram && command == kProgramBlock1 && advanced)
            Require(SameBytes(payload, before.bytes(), kx::kPayloadSize),
                    "block 1 counted as programmed on a wrong echo");
        if (engine_.programDone() && !wasDone)
            Require(
                mode == kx::ModeProgram && command == kProgramBlock2 &&
                    SameBytes(payload, before.bytes() + kx::DataBlockOffset(2), kx::kPayloadSize),
                "programming reported done on a wrong echo");
        if (mode == kx::ModeVerify && command == kReadBlock1 && advanced)
            Require(SameBytes(payload, before.bytes(), kx::kPayloadSize, kNoReadingOffset),
                    "block 1 counted as verified on different bytes");
        if (events_.verifyPassed != passedBefore)
            Require(
                mode == kx::ModeVerify && command == kReadBlock2 &&
                    SameBytes(payload, before.bytes() + kx::DataBlockOffset(2), kx::kPayloadSize),
                "a verify passed on different bytes");
        if (mode == kx::ModeRead && command == kReadInfo && advanced)
            Require(block_ == before, "the information block changed the record");
    }

    kx::ConfigBlock block_;
    CheckingPort port_;
    Events events_;
    kx::TransferEngine engine_;
    uint8_t readBlock1_[kx::kPayloadSize] = {};
    bool hasReadBlock1_ = false;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Harness harness;
    harness.Run(data, size);
    return 0;
}
