#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

namespace quillset::cli {

// While it lives, Ctrl+C (SIGINT) and SIGTERM no longer end the tool at
// once: `stop` runs from the event loop instead, so a command can close its
// port and say what happened.
class InterruptWatch : public QObject {
public:
    explicit InterruptWatch(std::function<void()> stop);
    ~InterruptWatch() override;
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

private:
    std::function<void()> stop_;
    QTimer poll_;
};

} // namespace quillset::cli
