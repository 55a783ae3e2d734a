#include "PseudoTerminal.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

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
