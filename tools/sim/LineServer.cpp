#include "LineServer.h"

#include "ImageFile.h"
#include "StopSignal.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <optional>
#include <utility>

namespace kx::sim {

namespace {

constexpr double kLineBytesPerUs = 57600.0 / 10.0 / 1e6; // 8N1: ten bit times per byte
constexpr int kIdlePollMs = 200;

} // namespace

uint64_t LineServer::NowUs() const {
    return uint64_t(std::chrono::duration_cast<std::chrono::microseconds>(
                        std::chrono::steady_clock::now() - start_)
                        .count());
}

void LineServer::Log(const char* format, ...) const {
    if (!options_.verbose)
        return;
    std::fprintf(stderr, "[%9.3f] ", double(NowUs()) / 1e6);
    va_list arguments;
    va_start(arguments, format);
    std::vfprintf(stderr, format, arguments);
    va_end(arguments);
    std::fputc('\n', stderr);
}

uint8_t LineServer::NextJunk() {
    junkState_ ^= junkState_ << 13;
    junkState_ ^= junkState_ >> 17;
    junkState_ ^= junkState_ << 5;
    return uint8_t(junkState_ >> 24);
}

void LineServer::HandleRequest(const Frame& request, uint64_t nowUs) {
    const std::optional<Frame> answer = unit_.Answer(request, nowUs / 1000);
    if (answer)
        Log("rx %02X -> tx %02X check %02X (%s)", request[0], (*answer)[0],
            (*answer)[kFrameSize - 1], FateName(unit_.LastFate()));
    else
        Log("rx %02X -> %s", request[0], FateName(unit_.LastFate()));

    if (unit_.TakeImageChanged()) {
        Log("image stored, %u programmings", unsigned(unit_.ProgramCount()));
        if (!options_.imagePath.empty() && !SaveImage(options_.imagePath, unit_.Record()))
            std::fprintf(stderr, "kx_flam3_sim: cannot save %s\n", options_.imagePath.c_str());
    }
    if (!answer)
        return;
    Outgoing out;
    out.dueUs = nowUs + uint64_t(options_.delayMs + unit_.LastDelayMs()) * 1000;
    for (int i = 0; i < options_.strayBytes + unit_.LastStrayBytes(); ++i)
        out.bytes.push_back(NextJunk());
    out.bytes.insert(out.bytes.end(), answer->begin(), answer->end());
    outgoing_.push_back(std::move(out));
}

void LineServer::Receive(uint64_t nowUs) {
    uint8_t buffer[4096];
    const size_t size = line_.Read(buffer, sizeof buffer);
    if (size == 0)
        return;
    const size_t droppedBefore = assembler_.DroppedBytes();
    const std::vector<Frame> requests = assembler_.Feed(buffer, size, nowUs / 1000);
    if (assembler_.DroppedBytes() != droppedBefore)
        Log("resync: dropped %zu bytes", assembler_.DroppedBytes() - droppedBefore);
    for (const Frame& request : requests)
        HandleRequest(request, nowUs);
}

bool LineServer::Transmit(uint64_t nowUs) {
    writeBlocked_ = false;
    while (!outgoing_.empty()) {
        Outgoing& front = outgoing_.front();
        if (nowUs < front.dueUs)
            return true;
        if (!front.started) {
            front.started = true;
            front.startUs = options_.lineTime ? std::max(front.dueUs, lineFreeUs_) : nowUs;
        }
        size_t allowed = front.bytes.size() - front.sent;
        if (options_.lineTime) {
            // A byte reaches the other end once its ten bit times are over.
            const size_t done =
                nowUs < front.startUs ? 0 : size_t(double(nowUs - front.startUs) * kLineBytesPerUs);
            allowed = std::min(allowed, done > front.sent ? done - front.sent : 0);
            if (allowed == 0)
                return true;
        }
        size_t written = 0;
        switch (line_.Send(front.bytes.data() + front.sent, allowed, written)) {
        case PseudoTerminal::SendResult::Wrote:
            break;
        case PseudoTerminal::SendResult::Full:
            writeBlocked_ = true;
            return true;
        case PseudoTerminal::SendResult::Interrupted:
            return true;
        case PseudoTerminal::SendResult::Failed:
            return false;
        }
        front.sent += written;
        if (front.sent < front.bytes.size())
            continue;
        if (options_.lineTime)
            lineFreeUs_ = front.startUs + uint64_t(double(front.bytes.size()) / kLineBytesPerUs);
        outgoing_.pop_front();
        ++answersSent_;
        if (options_.unplugAfter > 0 && answersSent_ >= options_.unplugAfter) {
            unplugged_ = true;
            return true;
        }
    }
    return true;
}

int LineServer::PollTimeoutMs(uint64_t nowUs) const {
    if (outgoing_.empty() || writeBlocked_)
        return kIdlePollMs;
    const Outgoing& front = outgoing_.front();
    if (nowUs < front.dueUs)
        return int((front.dueUs - nowUs + 999) / 1000);
    return options_.lineTime ? 1 : 0;
}

bool LineServer::Run() {
    while (!StopRequested() && !unplugged_) {
        const PseudoTerminal::WaitResult ready =
            line_.WaitForLine(writeBlocked_, PollTimeoutMs(NowUs()));
        if (ready == PseudoTerminal::WaitResult::Failed)
            return false;
        if (ready == PseudoTerminal::WaitResult::Input)
            Receive(NowUs());
        if (!Transmit(NowUs()))
            return false;
    }
    if (unplugged_)
        Log("unplugged after %d answers", answersSent_);
    return true;
}

void LineServer::ReportInjectedFaults() const {
    if (options_.unit.faultPercent == 0)
        return;
    std::fprintf(stderr, "injected faults:");
    for (int i = 0; i < kRandomFaultCount; ++i)
        std::fprintf(stderr, " %s=%d", RandomFaultName(RandomFault(i)),
                     unit_.InjectedFaults(RandomFault(i)));
    std::fputc('\n', stderr);
}

} // namespace kx::sim
