#include "PseudoTerminal.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

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

namespace kx::sim {

namespace {

constexpr int kDrainWaitMs = 1000;
constexpr int kDrainQuietMs = 50;

} // namespace

bool PseudoTerminal::Open() {
    char slaveName[PATH_MAX] = {};
    if (openpty(&master_, &slave_, slaveName, nullptr, nullptr) != 0) {
        std::fprintf(stderr, "kx_flam3_sim: openpty: %s\n", std::strerror(errno));
        master_ = slave_ = -1;
        return false;
    }
    path_ = slaveName;
    termios settings{};
    tcgetattr(slave_, &settings);
    cfmakeraw(&settings);
    cfsetispeed(&settings, B57600);
    cfsetospeed(&settings, B57600);
    tcsetattr(slave_, TCSANOW, &settings);
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    return true;
}

// Only a symbolic link may be replaced; anything else at that path is the user's.
bool PseudoTerminal::Link(const std::string& link) {
    struct stat status {};
    if (lstat(link.c_str(), &status) == 0) {
        if (!S_ISLNK(status.st_mode)) {
            std::fprintf(stderr, "kx_flam3_sim: %s exists and is not a symbolic link\n",
                         link.c_str());
            return false;
        }
        unlink(link.c_str());
    }
    if (symlink(path_.c_str(), link.c_str()) != 0) {
        std::fprintf(stderr, "kx_flam3_sim: cannot link %s: %s\n", link.c_str(),
                     std::strerror(errno));
        return false;
    }
    link_ = link;
    return true;
}

PseudoTerminal::WaitResult PseudoTerminal::WaitForLine(bool forOutput, int timeoutMs) {
    pollfd line{master_, short(POLLIN | (forOutput ? POLLOUT : 0)), 0};
    const int ready = poll(&line, 1, timeoutMs);
    if (ready < 0 && errno != EINTR) {
        std::fprintf(stderr, "kx_flam3_sim: poll: %s\n", std::strerror(errno));
        return WaitResult::Failed;
    }
    return ready > 0 && (line.revents & POLLIN) ? WaitResult::Input : WaitResult::NoInput;
}

size_t PseudoTerminal::Read(uint8_t* buffer, size_t size) {
    const ssize_t got = read(master_, buffer, size);
    return got > 0 ? size_t(got) : 0;
}

PseudoTerminal::SendResult PseudoTerminal::Send(const uint8_t* data, size_t size, size_t& written) {
    const ssize_t result = write(master_, data, size);
    if (result >= 0) {
        written = size_t(result);
        return SendResult::Wrote;
    }
    if (errno == EINTR)
        return SendResult::Interrupted;
    if (errno == EAGAIN || errno == EWOULDBLOCK)
        return SendResult::Full;
    std::fprintf(stderr, "kx_flam3_sim: write: %s\n", std::strerror(errno));
    return SendResult::Failed;
}

// Pty input reaches the slave's queue a little after the write, so an empty queue only counts once
// it has stayed empty for a while.
void PseudoTerminal::WaitUntilRead(bool (*stopRequested)()) {
    int emptyMs = 0;
    for (int waitedMs = 0; waitedMs < kDrainWaitMs && emptyMs < kDrainQuietMs && !stopRequested();
         ++waitedMs) {
        int pending = 0;
        if (ioctl(slave_, FIONREAD, &pending) != 0)
            return;
        emptyMs = pending == 0 ? emptyMs + 1 : 0;
        usleep(1000);
    }
}

// The link goes between the two closes, and only if nobody has pointed it elsewhere meanwhile.
void PseudoTerminal::Close() {
    if (master_ >= 0)
        close(master_);
    master_ = -1;
    if (!link_.empty()) {
        char buffer[PATH_MAX];
        const ssize_t size = readlink(link_.c_str(), buffer, sizeof buffer);
        if (size > 0 && std::string(buffer, size_t(size)) == path_)
            unlink(link_.c_str());
        link_.clear();
    }
    if (slave_ >= 0)
        close(slave_);
    slave_ = -1;
}

} // namespace kx::sim
