#include "printer/PrinterEnquiry.h"

#include "language/PrinterLanguage.h"
#include "model/Reporter.h"
#include "printer/CupsQueueStatus.h"
#include "printer/SerialLine.h"
#include "printer/SerialSettings.h"
#include "printer/StatusQuestion.h"

#include <QPointer>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillset {

namespace {

using namespace std::chrono_literals;

constexpr auto kConnectTimeout = 5s;

// Why the line did not open, on one line.
class LastMessage : public Reporter {
public:
    std::string text;
    void report(const std::string& message) override { text = message; }
    void reportWithDetail(const std::string&, const std::string& detail) override { text = detail; }
};

} // namespace

PrinterEnquiry::PrinterEnquiry(PrintTarget target, std::uint32_t baudRate, PrinterLanguage language,
                               QObject* parent)
    : QObject(parent)
    , target_(std::move(target))
    , baudRate_(baudRate)
    , language_(language)
    , question_(new StatusQuestion(language, this)) {
    connectTimeout_.setSingleShot(true);
    connectTimeout_.setInterval(kConnectTimeout);
    connect(&connectTimeout_, &QTimer::timeout, this, [this] {
        failed("no connection within " + std::to_string(kConnectTimeout.count()) + " s");
    });
    connect(&socket_, &QTcpSocket::connected, this, &PrinterEnquiry::connected);
    connect(&socket_, &QTcpSocket::errorOccurred, this,
            [this] { failed(socket_.errorString().toStdString()); });
    connect(question_, &StatusQuestion::answered, this, &PrinterEnquiry::end);
}

PrinterEnquiry::~PrinterEnquiry() {
    device_.close();
    if (deviceFd_ != -1)
        ::close(deviceFd_);
}

std::optional<std::string> PrinterEnquiry::refusal() const {
    if (target_.kind == ConnectionKind::Cups)
        return std::nullopt;
    if (target_.kind == ConnectionKind::File) {
        struct stat info {};
        if (::stat(target_.address.c_str(), &info) == 0 && !S_ISCHR(info.st_mode))
            return targetName(target_) + ": a FIFO or file does not answer";
    }
    return statusRefusal(language_);
}

void PrinterEnquiry::start() {
    if (const auto why = refusal()) {
        end(PrinterStatus{PrinterCondition::NoAnswer, *why, std::nullopt});
        return;
    }
    switch (target_.kind) {
    case ConnectionKind::Cups: {
        const QPointer<PrinterEnquiry> self(this);
        QThread* worker = QThread::create([self, queue = target_.address] {
            const PrinterStatus status = askCupsQueue(queue);
            QMetaObject::invokeMethod(
                self,
                [self, status] {
                    if (self)
                        self->end(status);
                },
                Qt::QueuedConnection);
        });
        connect(worker, &QThread::finished, worker, &QObject::deleteLater);
        worker->start();
        return;
    }
    case ConnectionKind::Tcp:
        connectTimeout_.start();
        socket_.connectToHost(QString::fromStdString(target_.address), target_.port);
        return;
    case ConnectionKind::Serial: {
        const QString device = portDevicePath(QString::fromStdString(target_.address));
        LastMessage why;
        if (!openSerialLine(serial_, device, baudRate_, QIODevice::ReadWrite, why)) {
            end(PrinterStatus{PrinterCondition::NoAnswer, why.text, std::nullopt});
            return;
        }
        question_->ask(serial_);
        return;
    }
    case ConnectionKind::File:
        deviceFd_ = ::open(target_.address.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
        if (deviceFd_ == -1) {
            failed(std::strerror(errno));
            return;
        }
        device_.open(deviceFd_, QIODevice::ReadWrite | QIODevice::Unbuffered,
                     QFileDevice::DontCloseHandle);
        question_->ask(device_);
        return;
    }
}

void PrinterEnquiry::connected() {
    connectTimeout_.stop();
    question_->ask(socket_);
}

void PrinterEnquiry::failed(const std::string& reason) {
    end(PrinterStatus{PrinterCondition::NoAnswer, targetName(target_) + ": " + reason,
                      std::nullopt});
}

void PrinterEnquiry::end(const PrinterStatus& status) {
    if (std::exchange(ended_, true))
        return;
    connectTimeout_.stop();
    question_->drop();
    socket_.abort();
    serial_.close();
    emit answered(status);
}

} // namespace quillset
