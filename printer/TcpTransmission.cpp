#include "printer/TcpTransmission.h"

#include "language/PrintSource.h"
#include "printer/PortFailure.h"

#include <algorithm>

#include <linux/sockios.h>
#include <sys/ioctl.h>
#include <sys/socket.h>

namespace quillset {

namespace {

using namespace std::chrono_literals;

constexpr std::size_t kChunk = 64 * 1024;
constexpr auto kConnectTimeout = 5s;
constexpr auto kStallTimeout = 10s;
constexpr auto kPace = 20ms;

} // namespace

TcpTransmission::TcpTransmission(const QString& host, quint16 port,
                                 std::unique_ptr<PrintSource> source, Reporter& reporter,
                                 QObject* parent)
    : PrintTransmission(std::move(source), reporter, parent)
    , host_(host)
    , port_(port) {
    setStallTimeout(kStallTimeout);
    connectTimeout_.setSingleShot(true);
    connectTimeout_.setInterval(kConnectTimeout);
    pace_.setInterval(kPace);
    connect(&connectTimeout_, &QTimer::timeout, this, &TcpTransmission::unanswered);
    connect(&pace_, &QTimer::timeout, this, &TcpTransmission::pump);
    connect(&socket_, &QTcpSocket::connected, this, &TcpTransmission::connected);
    connect(&socket_, &QTcpSocket::bytesWritten, this, &TcpTransmission::written);
    connect(&socket_, &QTcpSocket::errorOccurred, this, &TcpTransmission::failed);
}

bool TcpTransmission::start() {
    if (state_ != State::Ready)
        return false;
    state_ = State::Sending;
    connectTimeout_.start();
    socket_.connectToHost(host_, port_,
                          asksPrinter() ? QIODevice::ReadWrite : QIODevice::WriteOnly);
    return true;
}

qint64 TcpTransmission::takenSoFar() const {
    return std::max<qint64>(0, written_ - questionBytes() - queuedInSocket());
}

QString TcpTransmission::target() const {
    const QString host = host_.contains(u':') ? u'[' + host_ + u']' : host_;
    return host + u':' + QString::number(port_);
}

qint64 TcpTransmission::queuedInSocket() const {
    int queued = 0;
    const qintptr fd = socket_.socketDescriptor();
    if (fd == -1 || ::ioctl(static_cast<int>(fd), SIOCOUTQ, &queued) == -1)
        return 0;
    return queued;
}

void TcpTransmission::connected() {
    connectTimeout_.stop();
    watchForStall();
    pace_.start();
    pump();
}

void TcpTransmission::pump() {
    if (state_ != State::Sending || socket_.state() != QAbstractSocket::ConnectedState)
        return;
    if (!mayHand(handed_)) {
        showProgress();
        return;
    }
    if (socket_.bytesToWrite() == 0) {
        if (const std::string_view rest = bytesFrom(handed_); !rest.empty()) {
            const auto count = static_cast<qint64>(std::min(kChunk, rest.size()));
            if (socket_.write(rest.data(), count) != count) {
                failed(socket_.error());
                return;
            }
            handed_ += count;
        }
    }
    if (!showProgress())
        return;
    if (written_ - questionBytes() == total() && bytesFrom(handed_).empty() &&
        queuedInSocket() == 0)
        finish(State::Sent);
}

void TcpTransmission::written(qint64 count) {
    written_ += count;
    pump();
}

void TcpTransmission::failed(QAbstractSocket::SocketError error) {
    if (state_ != State::Sending)
        return;
    // A printer may close its end as soon as it has read the last byte,
    // before the pace has seen that byte acknowledged.
    if (error == QAbstractSocket::RemoteHostClosedError && written_ - questionBytes() == total() &&
        bytesFrom(handed_).empty()) {
        finish(State::Sent);
        return;
    }
    std::string detail =
        portFailureDetail(target().toStdString(), socket_.errorString().toStdString());
    if (error == QAbstractSocket::ConnectionRefusedError)
        detail.append("\n").append(kRefusedHint);
    else if (error == QAbstractSocket::HostNotFoundError)
        detail.append("\n").append(kUnknownHostHint);
    finish(State::Failed, detail);
}

void TcpTransmission::unanswered() {
    if (state_ != State::Sending)
        return;
    const auto seconds = std::to_string((connectTimeout_.interval() + 999) / 1000);
    finish(State::Failed,
           portFailureDetail(target().toStdString(), "no answer within " + seconds + " s"));
}

QIODevice* TcpTransmission::answerLine() {
    return socket_.state() == QAbstractSocket::ConnectedState ? &socket_ : nullptr;
}

void TcpTransmission::closeConnection(State state) {
    connectTimeout_.stop();
    pace_.stop();
    if (state == State::Sent) {
        socket_.disconnectFromHost();
    } else {
        // A reset drops what the printer has not yet taken, the system's
        // queue too, which a plain close would still send.
        if (const qintptr fd = socket_.socketDescriptor(); fd != -1) {
            const linger reset{1, 0};
            ::setsockopt(static_cast<int>(fd), SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
        }
        socket_.abort();
    }
}

} // namespace quillset
