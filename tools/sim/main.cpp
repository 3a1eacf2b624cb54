// Simulated ignition unit on a pseudo-terminal, for trying the tool without hardware and for
// provoking line faults on purpose.

#include "ImageFile.h"
#include "ProgramVersion.h"
#include "SimOptions.h"
#include "SimulatedUnit.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#if __has_include(<pty.h>)
#include <pty.h>
#elif __has_include(<util.h>)
#include <util.h>
#else
#include <libutil.h>
#endif

namespace {

using namespace kx;
using namespace kx::sim;

constexpr double kLineBytesPerUs = 57600.0 / 10.0 / 1e6; // 8N1: ten bit times per byte
constexpr int kIdlePollMs = 200;
constexpr int kDrainWaitMs = 1000;
constexpr int kDrainQuietMs = 50;

volatile std::sig_atomic_t gStopSignal = 0;

void OnStopSignal(int signal) {
    gStopSignal = signal;
}

void InstallStopHandlers() {
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0; // no restart: poll() must return so the loop sees the signal
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
}

// Only a symbolic link may be replaced; anything else at that path is the user's.
bool MakeLink(const std::string& link, const std::string& target) {
    struct stat status {};
    if (lstat(link.c_str(), &status) == 0) {
        if (!S_ISLNK(status.st_mode)) {
            std::fprintf(stderr, "kx_flam3_sim: %s exists and is not a symbolic link\n",
                         link.c_str());
            return false;
        }
        unlink(link.c_str());
    }
    if (symlink(target.c_str(), link.c_str()) != 0) {
        std::fprintf(stderr, "kx_flam3_sim: cannot link %s: %s\n", link.c_str(),
                     std::strerror(errno));
        return false;
    }
    return true;
}

// Leaves the link alone if someone has pointed it elsewhere meanwhile.
void RemoveLink(const std::string& link, const std::string& target) {
    if (link.empty())
        return;
    char buffer[PATH_MAX];
    const ssize_t size = readlink(link.c_str(), buffer, sizeof buffer);
    if (size > 0 && std::string(buffer, size_t(size)) == target)
        unlink(link.c_str());
}

// Pty input reaches the slave's queue a little after the write, so an empty queue only counts once
// it has stayed empty for a while.
void WaitUntilRead(int slave) {
    int emptyMs = 0;
    for (int waitedMs = 0; waitedMs < kDrainWaitMs && emptyMs < kDrainQuietMs && !gStopSignal;
         ++waitedMs) {
        int pending = 0;
        if (ioctl(slave, FIONREAD, &pending) != 0)
            return;
        emptyMs = pending == 0 ? emptyMs + 1 : 0;
        usleep(1000);
    }
}

class Simulator {
  public:
    Simulator(const SimOptions& options, int master, const ConfigBlock& record)
        : options_(options), master_(master), unit_(options.unit, record),
          start_(std::chrono::steady_clock::now()) {}

    // Serves the line until a stop signal or the planned unplug. Returns false on a line error.
    bool Run();
    bool Unplugged() const { return unplugged_; }
    void ReportInjectedFaults() const;

  private:
    uint64_t NowUs() const;
    void Log(const char* format, ...) const;
    void Receive(uint64_t nowUs);
    void HandleRequest(const Frame& request, uint64_t nowUs);
    bool Transmit(uint64_t nowUs);
    int PollTimeoutMs(uint64_t nowUs) const;
    uint8_t NextJunk();

    struct Outgoing {
        uint64_t dueUs = 0;
        uint64_t startUs = 0; // with --line-time: when the first byte goes on the line
        bool started = false;
        std::vector<uint8_t> bytes;
        size_t sent = 0;
    };

    const SimOptions& options_;
    int master_;
    SimulatedUnit unit_;
    RequestAssembler assembler_;
    std::chrono::steady_clock::time_point start_;
    std::deque<Outgoing> outgoing_;
    uint64_t lineFreeUs_ = 0;
    bool writeBlocked_ = false;
    int answersSent_ = 0;
    bool unplugged_ = false;
    uint32_t junkState_ = 0x2545F491u;
};

uint64_t Simulator::NowUs() const {
    return uint64_t(std::chrono::duration_cast<std::chrono::microseconds>(
                        std::chrono::steady_clock::now() - start_)
                        .count());
}

void Simulator::Log(const char* format, ...) const {
    if (!options_.verbose)
        return;
    std::fprintf(stderr, "[%9.3f] ", double(NowUs()) / 1e6);
    va_list arguments;
    va_start(arguments, format);
    std::vfprintf(stderr, format, arguments);
    va_end(arguments);
    std::fputc('\n', stderr);
}

uint8_t Simulator::NextJunk() {
    junkState_ ^= junkState_ << 13;
    junkState_ ^= junkState_ >> 17;
    junkState_ ^= junkState_ << 5;
    return uint8_t(junkState_ >> 24);
}

void Simulator::HandleRequest(const Frame& request, uint64_t nowUs) {
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

void Simulator::Receive(uint64_t nowUs) {
    uint8_t buffer[4096];
    const ssize_t size = read(master_, buffer, sizeof buffer);
    if (size <= 0)
        return; // nothing yet; our own slave descriptor keeps hang-ups away
    const size_t droppedBefore = assembler_.DroppedBytes();
    const std::vector<Frame> requests = assembler_.Feed(buffer, size_t(size), nowUs / 1000);
    if (assembler_.DroppedBytes() != droppedBefore)
        Log("resync: dropped %zu bytes", assembler_.DroppedBytes() - droppedBefore);
    for (const Frame& request : requests)
        HandleRequest(request, nowUs);
}

bool Simulator::Transmit(uint64_t nowUs) {
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
        const ssize_t written = write(master_, front.bytes.data() + front.sent, allowed);
        if (written < 0) {
            if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) {
                writeBlocked_ = errno != EINTR;
                return true;
            }
            std::fprintf(stderr, "kx_flam3_sim: write: %s\n", std::strerror(errno));
            return false;
        }
        front.sent += size_t(written);
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

int Simulator::PollTimeoutMs(uint64_t nowUs) const {
    if (outgoing_.empty() || writeBlocked_)
        return kIdlePollMs;
    const Outgoing& front = outgoing_.front();
    if (nowUs < front.dueUs)
        return int((front.dueUs - nowUs + 999) / 1000);
    return options_.lineTime ? 1 : 0;
}

bool Simulator::Run() {
    while (!gStopSignal && !unplugged_) {
        pollfd line{master_, short(POLLIN | (writeBlocked_ ? POLLOUT : 0)), 0};
        const int ready = poll(&line, 1, PollTimeoutMs(NowUs()));
        if (ready < 0 && errno != EINTR) {
            std::fprintf(stderr, "kx_flam3_sim: poll: %s\n", std::strerror(errno));
            return false;
        }
        if (ready > 0 && (line.revents & POLLIN))
            Receive(NowUs());
        if (!Transmit(NowUs()))
            return false;
    }
    if (unplugged_)
        Log("unplugged after %d answers", answersSent_);
    return true;
}

void Simulator::ReportInjectedFaults() const {
    if (options_.unit.faultPercent == 0)
        return;
    std::fprintf(stderr, "injected faults:");
    for (int i = 0; i < kRandomFaultCount; ++i)
        std::fprintf(stderr, " %s=%d", RandomFaultName(RandomFault(i)),
                     unit_.InjectedFaults(RandomFault(i)));
    std::fputc('\n', stderr);
}

} // namespace

int main(int argc, char** argv) {
    SimOptions options;
    std::string error;
    switch (ParseSimOptions(argc, argv, options, error)) {
    case ParseResult::Help:
        std::fputs(kSimUsage, stdout);
        return 0;
    case ParseResult::Version:
        std::printf("kx_flam3_sim %s\n", kProgramVersion);
        return 0;
    case ParseResult::Error:
        std::fprintf(stderr, "kx_flam3_sim: %s\n", error.c_str());
        std::fputs(kSimUsage, stderr);
        return 2;
    case ParseResult::Run:
        break;
    }

    ConfigBlock record = StartupBlock();
    if (!options.imagePath.empty() && !LoadImage(options.imagePath, record) && options.verbose)
        std::fprintf(stderr, "kx_flam3_sim: %s not found, starting from the defaults\n",
                     options.imagePath.c_str());

    int master = -1;
    int slave = -1;
    char slaveName[PATH_MAX] = {};
    if (openpty(&master, &slave, slaveName, nullptr, nullptr) != 0) {
        std::fprintf(stderr, "kx_flam3_sim: openpty: %s\n", std::strerror(errno));
        return 1;
    }
    termios settings{};
    tcgetattr(slave, &settings);
    cfmakeraw(&settings);
    cfsetispeed(&settings, B57600);
    cfsetospeed(&settings, B57600);
    tcsetattr(slave, TCSANOW, &settings);
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);

    // The link exists before the path is announced, so a script may use either at once.
    if (!options.linkPath.empty() && !MakeLink(options.linkPath, slaveName))
        return 1;
    std::printf("%s\n", slaveName);
    std::fflush(stdout);

    InstallStopHandlers();
    Simulator simulator(options, master, record);
    const bool ok = simulator.Run();
    simulator.ReportInjectedFaults();

    // A hang-up throws away what the tool has not read yet, so the last answers get a moment to
    // be taken before the master is closed. Closing it ends the terminal: the tool sees a dead
    // line.
    if (simulator.Unplugged())
        WaitUntilRead(slave);
    close(master);
    RemoveLink(options.linkPath, slaveName);
    close(slave);
    return ok ? 0 : 1;
}
