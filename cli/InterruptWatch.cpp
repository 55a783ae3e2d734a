#include "cli/InterruptWatch.h"

#include <csignal>

namespace quillset::cli {

namespace {

volatile std::sig_atomic_t interrupted = 0;

extern "C" void noteInterrupt(int) {
    interrupted = 1;
}

constexpr int kPollMs = 50;

} // namespace

InterruptWatch::InterruptWatch(std::function<void()> stop)
    : stop_(std::move(stop)) {
    interrupted = 0;
    std::signal(SIGINT, noteInterrupt);
    std::signal(SIGTERM, noteInterrupt);
    connect(&poll_, &QTimer::timeout, this, [this] {
        if (!interrupted)
            return;
        interrupted = 0;
        stop_();
    });
    poll_.start(kPollMs);
}

InterruptWatch::~InterruptWatch() {
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
}

} // namespace quillset::cli
