#include "PseudoTerminal.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

namespace quillset {

PseudoTerminal::PseudoTerminal() {
    char name[256];
    if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0) {
        master_ = slave_ = -1;
        return;
    }
    slavePath_ = name;
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
}

PseudoTerminal::~PseudoTerminal() {
    closeMaster();
    if (slave_ >= 0)
        close(slave_);
}

std::string PseudoTerminal::read(std::size_t count, std::chrono::milliseconds timeout) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point end = Clock::now() + timeout;
    std::string received;
    while (received.size() < count && master_ >= 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
        if (left.count() <= 0)
            break;
        pollfd ready{master_, POLLIN, 0};
        if (poll(&ready, 1, static_cast<int>(left.count())) <= 0)
            continue;
        char buffer[4096];
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0)
            break;
        received.append(buffer, static_cast<std::size_t>(n));
    }
    return received;
}

bool PseudoTerminal::write(std::string_view bytes, std::chrono::milliseconds timeout) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point end = Clock::now() + timeout;
    while (!bytes.empty() && master_ >= 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
        if (left.count() <= 0)
            return false;
        pollfd ready{master_, POLLOUT, 0};
        if (poll(&ready, 1, static_cast<int>(left.count())) <= 0)
            continue;
        const ssize_t n = ::write(master_, bytes.data(), bytes.size());
        if (n < 0 && errno != EAGAIN)
            return false;
        if (n > 0)
            bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return bytes.empty();
}

void PseudoTerminal::makeRaw() {
    termios line{};
    tcgetattr(slave_, &line);
    cfmakeraw(&line);
    tcsetattr(slave_, TCSANOW, &line);
}

int PseudoTerminal::unreadBySlave() const {
    int unread = 0;
    return ioctl(slave_, FIONREAD, &unread) == 0 ? unread : -1;
}

bool PseudoTerminal::slaveIsFree() const {
    const int fd = open(slavePath_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return false;
    close(fd);
    return true;
}

bool PseudoTerminal::setMode(unsigned mode) {
    return chmod(slavePath_.c_str(), mode) == 0;
}

void PseudoTerminal::stopOutput() {
    tcflow(slave_, TCOOFF);
}

void PseudoTerminal::resumeOutput() {
    tcflow(slave_, TCOON);
}

void PseudoTerminal::closeMaster() {
    if (master_ >= 0)
        close(master_);
    master_ = -1;
}

} // namespace quillset
