#include "printer/FileTransmission.h"

#include "language/PrintSource.h"
#include "printer/PortFailure.h"

#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <ctime>
#include <system_error>

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillset {

namespace {

using namespace std::chrono_literals;

constexpr std::size_t kChunk = 16 * 1024;
constexpr auto kStallTimeout = 10s;
constexpr auto kDrainPoll = 20ms;

// A write to a FIFO whose reader has gone raises SIGPIPE; it is held back
// for this one write, so that the write fails with EPIPE instead.
ssize_t writeWithoutSigpipe(int fd, const char* data, std::size_t size) {
    sigset_t pipe, old;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe, &old);
    const ssize_t count = ::write(fd, data, size);
    const int error = errno;
    if (count == -1 && error == EPIPE) {
        const timespec now{};
        sigtimedwait(&pipe, nullptr, &now);
    }
    pthread_sigmask(SIG_SETMASK, &old, nullptr);
    errno = error;
    return count;
}

} // namespace

FileTransmission::FileTransmission(const QString& path, std::unique_ptr<PrintSource> source,
                                   Reporter& reporter, QObject* parent)
    : PrintTransmission(std::move(source), reporter, parent)
    , path_(path) {
    setStallTimeout(kStallTimeout);
    drain_.setInterval(kDrainPoll);
    connect(&drain_, &QTimer::timeout, this, &FileTransmission::pump);
}

FileTransmission::~FileTransmission() {
    if (fd_ != -1)
        ::close(fd_);
}

bool FileTransmission::start() {
    if (state_ != State::Ready)
        return false;
    const QByteArray path = path_.toLocal8Bit();
    struct stat info {};
    const bool exists = ::stat(path.constData(), &info) == 0;
    fifo_ = exists && S_ISFIFO(info.st_mode);
    device_ = exists && (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode));
    // A missing device is a printer not plugged in, not a file to create.
    const bool file = !fifo_ && !device_ && !path_.startsWith(QLatin1String("/dev/"));
    // A device answers on the descriptor it prints on (a USB printer does);
    // a FIFO would only give back what was written into it. One the user
    // may only write to is printed to unasked.
    const int flags = O_NONBLOCK | O_CLOEXEC | (file ? O_CREAT | O_TRUNC : 0);
    if (device_ && S_ISCHR(info.st_mode) && asksPrinter())
        fd_ = ::open(path.constData(), O_RDWR | flags);
    const bool asks = fd_ != -1;
    if (!asks)
        fd_ = ::open(path.constData(), O_WRONLY | flags, 0666);
    if (fd_ == -1)
        return refuse(failureDetail(errno));
    if (asks)
        answers_.open(fd_, QIODevice::ReadWrite | QIODevice::Unbuffered,
                      QFileDevice::DontCloseHandle);

    state_ = State::Sending;
    writable_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Write);
    connect(writable_.get(), &QSocketNotifier::activated, this, &FileTransmission::pump);
    watchForStall();
    pump();
    return true;
}

qint64 FileTransmission::takenSoFar() const {
    return std::max<qint64>(0, written_ - queuedInFifo());
}

qint64 FileTransmission::queuedInFifo() const {
    int queued = 0;
    if (!fifo_ || fd_ == -1 || ::ioctl(fd_, FIONREAD, &queued) == -1)
        return 0;
    return queued;
}

void FileTransmission::pump() {
    if (state_ != State::Sending)
        return;
    // While the device is asked, the drain's pace looks again.
    if (!mayHand(written_)) {
        writable_->setEnabled(false);
        drain_.start();
        showProgress();
        return;
    }
    if (const std::string_view rest = bytesFrom(written_); !rest.empty()) {
        const ssize_t done = writeWithoutSigpipe(fd_, rest.data(), std::min(kChunk, rest.size()));
        if (done == -1 && errno != EAGAIN && errno != EINTR) {
            finish(State::Failed, failureDetail(errno));
            return;
        }
        written_ += std::max<ssize_t>(done, 0);
        if (bytesFrom(written_).empty()) {
            writable_->setEnabled(false);
            drain_.start();
        } else if (!writable_->isEnabled()) {
            drain_.stop();
            writable_->setEnabled(true);
        }
    } else if (fifo_ && queuedInFifo() > 0) {
        // A reader that read the last byte and went is a page delivered;
        // one that went before is not.
        pollfd end{fd_, POLLOUT, 0};
        if (::poll(&end, 1, 0) == 1 && (end.revents & POLLERR)) {
            finish(State::Failed, failureDetail(EPIPE));
            return;
        }
    }
    if (!showProgress())
        return;
    if (bytesFrom(written_).empty() && queuedInFifo() == 0)
        finish(State::Sent);
}

QIODevice* FileTransmission::answerLine() {
    return answers_.isOpen() ? &answers_ : nullptr;
}

void FileTransmission::closeConnection(State) {
    drain_.stop();
    writable_.reset();
    answers_.close();
    if (fd_ != -1) {
        ::close(fd_);
        fd_ = -1;
    }
}

std::string FileTransmission::failureDetail(int errorNumber) const {
    std::string detail =
        portFailureDetail(path_.toStdString(), std::generic_category().message(errorNumber));
    const char* hint = nullptr;
    if ((errorNumber == EACCES || errorNumber == EPERM) && device_)
        hint = kLpGroupHint;
    else if (errorNumber == ENOENT || (errorNumber == ENODEV && device_))
        hint = kMissingDeviceHint;
    else if ((errorNumber == ENXIO || errorNumber == EPIPE) && fifo_)
        hint = kNoReaderHint;
    if (hint)
        detail.append("\n").append(hint);
    return detail;
}

} // namespace quillset
