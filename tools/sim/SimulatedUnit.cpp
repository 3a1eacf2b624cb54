#include "SimulatedUnit.h"

#include "EngineModel.h"
#include "link/MonitorTelegram.h"

#include <algorithm>
#include <cstring>

namespace kx::sim {

namespace {

// The unit's firmware stamps its build month as the 8-bit sum of the month's letters.
constexpr uint8_t MonthCode(const char (&abbreviation)[4]) {
    return uint8_t(abbreviation[0] + abbreviation[1] + abbreviation[2]);
}

constexpr char kFirmwareName[] = "KXF";
constexpr uint8_t kFirmwareNumber = 23;
constexpr uint8_t kBuildDay = 14;
constexpr uint8_t kBuildMonth = MonthCode("Mar");
constexpr uint8_t kBuildYear = 24;
constexpr uint8_t kBuildHour = 9;
constexpr uint8_t kBuildMinute = 41;
constexpr char kFirmwareText[] = "KX_FLAM3 sim 2.3";
constexpr int kFirmwareTextOffset = 16;
constexpr int kFirmwareTextSize = 30;
static_assert(sizeof kFirmwareText <= kFirmwareTextSize);

int BlockOffset(uint8_t command) {
    return DataBlockOffset(command & kBlockMask);
}

} // namespace

const char* FateName(Fate fate) {
    switch (fate) {
    case Fate::Answered:
        return "answered";
    case Fate::BadCheckByte:
        return "bad check byte, no answer";
    case Fate::UnknownCommand:
        return "unknown command, no answer";
    case Fate::Silent:
        return "silent, no answer";
    case Fate::Dropped:
        return "answer dropped";
    case Fate::Corrupted:
        return "check byte flipped";
    case Fate::BadEcho:
        return "echo altered";
    case Fate::Delayed:
        return "answer delayed";
    case Fate::StrayBytes:
        return "stray bytes before answer";
    }
    return "";
}

const char* RandomFaultName(RandomFault fault) {
    switch (fault) {
    case RandomFault::Drop:
        return "drop";
    case RandomFault::Corrupt:
        return "corrupt";
    case RandomFault::Stray:
        return "stray";
    case RandomFault::Delay:
        return "delay";
    case RandomFault::BadEcho:
        return "bad-echo";
    }
    return "";
}

std::optional<unsigned> ParseRandomFaults(const std::string& list) {
    unsigned faults = 0;
    size_t start = 0;
    while (start <= list.size()) {
        const size_t comma = std::min(list.find(',', start), list.size());
        const std::string name = list.substr(start, comma - start);
        int found = -1;
        for (int i = 0; i < kRandomFaultCount; ++i)
            found = name == RandomFaultName(RandomFault(i)) ? i : found;
        if (found < 0)
            return std::nullopt;
        faults |= 1u << found;
        start = comma + 1;
    }
    return faults;
}

bool IsKnownRequest(uint8_t command) {
    switch (command) {
    case 0x00:
    case 0x01:
    case 0x02:
    case 0x40:
    case 0x41:
    case 0x42:
    case kMonitorRequest:
        return true;
    default:
        return false;
    }
}

std::vector<Frame> RequestAssembler::Feed(const uint8_t* data, size_t size, uint64_t nowMs) {
    if (size == 0)
        return {};
    if (!buffer_.empty() && nowMs - lastByteMs_ > kRequestGapMs) {
        dropped_ += buffer_.size();
        buffer_.clear();
    }
    lastByteMs_ = nowMs;
    buffer_.insert(buffer_.end(), data, data + size);

    std::vector<Frame> requests;
    size_t used = 0;
    while (buffer_.size() - used >= kFrameSize) {
        const uint8_t* candidate = buffer_.data() + used;
        if (!HasValidCheckByte(candidate) || !IsKnownRequest(candidate[0])) {
            dropped_ += buffer_.size() - used;
            used = buffer_.size();
            break;
        }
        Frame request;
        std::copy(candidate, candidate + kFrameSize, request.begin());
        requests.push_back(request);
        used += kFrameSize;
    }
    buffer_.erase(buffer_.begin(), buffer_.begin() + long(used));
    return requests;
}

SimulatedUnit::SimulatedUnit(const UnitOptions& options, const ConfigBlock& record)
    : options_(options), record_(record), random_(options.faultSeed) {}

uint16_t SimulatedUnit::SaveCountdown(uint64_t nowMs) const {
    if (!saving_ || nowMs < saveStartMs_)
        return saving_ ? kSaveItems : 0;
    const uint64_t done =
        (nowMs - saveStartMs_) * kSaveItems / std::max<uint64_t>(options_.saveDurationMs, 1);
    return done >= kSaveItems ? 0 : uint16_t(kSaveItems - done);
}

bool SimulatedUnit::TakeImageChanged() {
    const bool changed = imageChanged_;
    imageChanged_ = false;
    return changed;
}

std::array<uint8_t, kPayloadSize> SimulatedUnit::InfoPayload() const {
    std::array<uint8_t, kPayloadSize> info{};
    std::memcpy(info.data(), kFirmwareName, 3);
    info[3] = kFirmwareNumber;
    info[4] = kBuildDay;
    info[5] = kBuildMonth;
    info[6] = kBuildYear;
    info[7] = kBuildHour;
    info[8] = kBuildMinute;
    info[10] = options_.protocolVersion;
    std::memcpy(info.data() + kFirmwareTextOffset, kFirmwareText, sizeof kFirmwareText - 1);
    return info;
}

std::optional<Frame> SimulatedUnit::Reply(const Frame& request, uint64_t nowMs) {
    const uint8_t command = request[0];
    Frame answer{};
    answer[0] = uint8_t(command | kAnswerBit);
    uint8_t* payload = answer.data() + 1;

    switch (command) {
    case 0x00:
    case 0x40: {
        const auto info = InfoPayload();
        std::copy(info.begin(), info.end(), payload);
        break;
    }
    case 0x01:
    case 0x02: {
        std::copy(request.begin() + 1, request.begin() + 1 + kPayloadSize,
                  record_.bytes() + BlockOffset(command));
        std::copy(request.begin() + 1, request.begin() + 1 + kPayloadSize, payload);
        imageChanged_ = true;
        if (command == 0x02) {
            ++programCount_;
            saving_ = true;
            saveStartMs_ = nowMs;
        }
        if (options_.badEchoBlock == (command & kBlockMask)) {
            payload[kBadEchoOffset] ^= 0x01;
            fate_ = Fate::BadEcho;
        }
        break;
    }
    case 0x41:
    case 0x42: {
        const uint8_t* stored = record_.bytes() + BlockOffset(command);
        std::copy(stored, stored + kPayloadSize, payload);
        break;
    }
    case kMonitorRequest: {
        MonitorTelegram telegram = SampleEngine(record_, nowMs);
        telegram.programCount = programCount_;
        telegram.saveCountdown = SaveCountdown(nowMs);
        telegram.eepromError = 0;
        telegram.unitVersion = options_.protocolVersion;
        answer = EncodeMonitorTelegram(telegram);
        break;
    }
    default:
        fate_ = Fate::UnknownCommand;
        return std::nullopt;
    }
    SealFrame(answer);
    return answer;
}

bool SimulatedUnit::InjectRandomFault(Frame& answer) {
    if (options_.faultPercent <= 0 || int(random_() % 100) >= options_.faultPercent)
        return true;
    const uint8_t command = answer[0] & ~kAnswerBit;
    const bool echoesData = command == 0x01 || command == 0x02;
    RandomFault candidates[kRandomFaultCount];
    int count = 0;
    for (int i = 0; i < kRandomFaultCount; ++i) {
        const auto fault = RandomFault(i);
        if ((options_.randomFaults & (1u << i)) && (fault != RandomFault::BadEcho || echoesData))
            candidates[count++] = fault;
    }
    if (count == 0)
        return true;
    const RandomFault fault = candidates[random_() % uint32_t(count)];
    ++injected_[int(fault)];
    switch (fault) {
    case RandomFault::Drop:
        fate_ = Fate::Dropped;
        return false;
    case RandomFault::Corrupt:
        // Line noise: one bit anywhere, so only the check byte can tell.
        answer[random_() % kFrameSize] ^= uint8_t(1u << (random_() % 8));
        fate_ = Fate::Corrupted;
        break;
    case RandomFault::Stray:
        strayBytes_ = 1 + int(random_() % kRandomStrayMax);
        fate_ = Fate::StrayBytes;
        break;
    case RandomFault::Delay:
        delayMs_ = kRandomDelayMinMs +
                   int(random_() % uint32_t(kRandomDelayMaxMs - kRandomDelayMinMs + 1));
        fate_ = Fate::Delayed;
        break;
    case RandomFault::BadEcho:
        // Sealed again: the check byte cannot tell this answer from a good one.
        answer[1 + kBadEchoOffset] ^= 0x01;
        SealFrame(answer);
        fate_ = Fate::BadEcho;
        break;
    }
    return true;
}

std::optional<Frame> SimulatedUnit::Answer(const Frame& request, uint64_t nowMs) {
    fate_ = Fate::Answered;
    delayMs_ = 0;
    strayBytes_ = 0;
    if (!HasValidCheckByte(request.data())) {
        fate_ = Fate::BadCheckByte;
        return std::nullopt;
    }
    std::optional<Frame> answer = Reply(request, nowMs);
    if (!answer)
        return std::nullopt;
    if (options_.silent) {
        fate_ = Fate::Silent;
        return std::nullopt;
    }
    ++answerCount_;
    if (options_.dropEvery > 0 && answerCount_ % uint64_t(options_.dropEvery) == 0) {
        fate_ = Fate::Dropped;
        return std::nullopt;
    }
    if (options_.corruptEvery > 0 && answerCount_ % uint64_t(options_.corruptEvery) == 0) {
        (*answer)[kFrameSize - 1] ^= 0xFF;
        fate_ = Fate::Corrupted;
    }
    if (!InjectRandomFault(*answer))
        return std::nullopt;
    return answer;
}

} // namespace kx::sim
