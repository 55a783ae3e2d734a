#include "printer/CupsTransmission.h"
#include "printer/FileTransmission.h"
#include "printer/TcpTransmission.h"

#include "language/PrintSource.h"
#include "printer/PrintProgress.h"
#include "tests/engine/RecordingReporter.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <future>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillset {
namespace {

using namespace std::chrono_literals;
using Messages = std::vector<std::string>;
using Make =
    std::function<std::unique_ptr<PrintTransmission>(std::unique_ptr<PrintSource>, Reporter&)>;

const std::string kFailed = "The page could not be sent to the printer.\n";

// The printer's side: a FIFO's read end, or a listening socket whose first
// connection is read. Nothing is read until read() is called.
class FarEnd {
public:
    static FarEnd fifo(const QString& path) {
        mkfifo(path.toLocal8Bit().constData(), 0600);
        return FarEnd(::open(path.toLocal8Bit().constData(), O_RDONLY | O_NONBLOCK), false);
    }
    // A small receive buffer makes a peer that does not read stall soon.
    static FarEnd listener(int receiveBuffer = 0) {
        const int fd = socket(AF_INET, SOCK_STREAM, 0);
        if (receiveBuffer)
            setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof receiveBuffer);
        sockaddr_in address{AF_INET, 0, {htonl(INADDR_LOOPBACK)}, {}};
        bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(fd, 1);
        return FarEnd(fd, true);
    }
    FarEnd(FarEnd&& other) noexcept
        : fd_(std::exchange(other.fd_, -1))
        , listening_(other.listening_) {}
    ~FarEnd() {
        if (fd_ != -1)
            ::close(fd_);
    }
    quint16 port() const {
        sockaddr_in address{};
        socklen_t size = sizeof address;
        getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &size);
        return ntohs(address.sin_port);
    }
    std::string read(std::size_t count) {
        std::string received;
        int from = fd_;
        if (listening_ && wait(fd_))
            from = accept(fd_, nullptr, nullptr);
        char buffer[65536];
        ssize_t n = 0;
        while (received.size() < count && wait(from) &&
               (n = ::read(from, buffer, sizeof buffer)) > 0)
            received.append(buffer, static_cast<std::size_t>(n));
        if (from != fd_)
            ::close(from);
        return received;
    }

private:
    FarEnd(int fd, bool listening)
        : fd_(fd)
        , listening_(listening) {}
    static bool wait(int fd) {
        pollfd ready{fd, POLLIN, 0};
        return poll(&ready, 1, 10000) == 1;
    }
    int fd_;
    bool listening_;
};

// A batch of `count` pages of `size` bytes, each of its own bytes, made
// only when the connection asks for the next.
class Pages : public PrintSource {
public:
    Pages(int count, std::size_t size)
        : count_(count)
        , size_(size) {}
    bool next(std::string& out) override {
        if (made_ == count_)
            return false;
        out += page(made_++);
        return true;
    }
    long long count() const override { return count_; }
    int made() const { return made_; }
    std::string page(int number) const {
        std::string bytes(size_, '\0');
        for (std::size_t i = 0; i < size_; ++i)
            bytes[i] = static_cast<char>((i * 7 + static_cast<std::size_t>(number) * 13) % 251);
        return bytes;
    }

private:
    int count_;
    std::size_t size_;
    int made_ = 0;
};

class ConnectionTransmitTest : public testing::Test {
protected:
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    static Make file(const QString& path, std::chrono::milliseconds stall = 10s) {
        return [=](std::unique_ptr<PrintSource> source, Reporter& reporter) {
            auto t = std::make_unique<FileTransmission>(path, std::move(source), reporter);
            t->setStallTimeout(stall);
            return t;
        };
    }
    static Make tcp(quint16 port, std::chrono::milliseconds stall = 10s) {
        return [=](std::unique_ptr<PrintSource> source, Reporter& reporter) {
            auto t =
                std::make_unique<TcpTransmission>("127.0.0.1", port, std::move(source), reporter);
            t->setStallTimeout(stall);
            return t;
        };
    }

    QTemporaryDir dir;
    const std::string page = [] {
        std::string bytes;
        for (int i = 0; i < 3'000'000; ++i)
            bytes.push_back(static_cast<char>(i * 7 % 251));
        return bytes;
    }();
};

TEST_F(ConnectionTransmitTest, EveryByteArrivesInOrder) {
    FarEnd fifo = FarEnd::fifo(path("fifo"));
    FarEnd server = FarEnd::listener();
    const struct {
        const char* name;
        FarEnd& far;
        Make make;
    } cases[] = {
        {"FIFO: more than its buffer holds, written as the reader drains it", fifo,
         file(path("fifo"))},
        {"network: sent once the peer acknowledged all of it", server, tcp(server.port())},
    };
    for (const auto& c : cases) {
        RecordingReporter reporter;
        auto transmission = c.make(pageSource(page), reporter);
        auto received = std::async(std::launch::async, [&] { return c.far.read(page.size()); });
        EXPECT_TRUE(transmission->start() && transmission->wait()) << c.name;
        EXPECT_EQ(transmission->sent(), static_cast<qint64>(page.size())) << c.name;
        EXPECT_TRUE(received.get() == page) << c.name;
        EXPECT_EQ(reporter.messages, Messages{}) << c.name;
    }
}

TEST_F(ConnectionTransmitTest, FailuresNameTheTargetTheReasonAndTheFix) {
    FarEnd::fifo(path("unread")); // opened and closed: nobody reads it now
    const quint16 closedPort = FarEnd::listener().port();
    const std::string missing = dir.path().toStdString() + "/usb/lp0";
    const struct {
        const char* name;
        Make make;
        std::string want;
    } cases[] = {
        {"a path that is not there", file(QString::fromStdString(missing)),
         missing + ": No such file or directory\n"
                   "Check the path, and that the printer is plugged in and switched on."},
        {"a FIFO nobody reads", file(path("unread")),
         path("unread").toStdString() + ": No such device or address\nNothing is reading from it."},
        {"a port nobody listens on", tcp(closedPort),
         "127.0.0.1:" + std::to_string(closedPort) +
             ": Connection refused\nIs the printer on and at this address?"},
    };
    for (const auto& c : cases) {
        RecordingReporter reporter;
        auto transmission = c.make(pageSource(page), reporter);
        EXPECT_FALSE(transmission->start() && transmission->wait()) << c.name;
        EXPECT_EQ(reporter.messages, Messages{kFailed + c.want}) << c.name;
    }
}

// A far end that stops taking bytes fails the print after the stall time,
// and a cancel ends it at once; either way the connection is closed.
TEST_F(ConnectionTransmitTest, StallAndCancelEndAPrintTheFarEndDoesNotRead) {
    FarEnd fifo = FarEnd::fifo(path("fifo"));
    FarEnd server = FarEnd::listener(4096);
    const std::string fifoName = path("fifo").toStdString();
    const std::string peerName = "127.0.0.1:" + std::to_string(server.port());
    const struct {
        const char* name;
        Make make;
        bool cancel;
        std::string want; // empty: the cancel's message
    } cases[] = {
        {"FIFO stalls", file(path("fifo"), 300ms), false,
         fifoName + ": the printer took no data for 1 s"},
        {"peer stalls", tcp(server.port(), 300ms), false,
         peerName + ": the printer took no data for 1 s"},
        {"FIFO cancelled", file(path("fifo")), true, {}},
        {"peer cancelled", tcp(server.port()), true, {}},
    };
    for (const auto& c : cases) {
        RecordingReporter reporter;
        auto transmission = c.make(pageSource(page), reporter);
        if (c.cancel)
            QTimer::singleShot(300ms, transmission.get(), &PrintTransmission::cancel);
        QElapsedTimer clock;
        clock.start();
        EXPECT_FALSE(transmission->start() && transmission->wait()) << c.name;
        EXPECT_LT(clock.elapsed(), 3000) << c.name;
        const auto sent = static_cast<std::uint64_t>(transmission->sent());
        EXPECT_LT(sent, page.size()) << c.name;
        EXPECT_EQ(reporter.messages,
                  Messages{c.cancel ? cancelledMessage(sent, page.size()) : kFailed + c.want})
            << c.name;
    }
}

// A cancel resets the connection: what the system still queued for the
// printer is dropped, so that it gets only what it had taken.
TEST_F(ConnectionTransmitTest, ACancelledPrintStopsAtThePrinter) {
    FarEnd server = FarEnd::listener(4096);
    RecordingReporter reporter;
    auto transmission = tcp(server.port())(pageSource(page), reporter);
    QTimer::singleShot(300ms, transmission.get(), &PrintTransmission::cancel);
    EXPECT_FALSE(transmission->start() && transmission->wait());
    EXPECT_EQ(server.read(page.size()).size(), static_cast<std::size_t>(transmission->sent()));
}

// Every page of a batch goes over the one connection, in order, and the
// far end has taken each of them whole at the end.
TEST_F(ConnectionTransmitTest, ABatchGoesOverOneConnection) {
    FarEnd fifo = FarEnd::fifo(path("fifo"));
    FarEnd server = FarEnd::listener();
    const struct {
        const char* name;
        FarEnd& far;
        Make make;
    } cases[] = {
        {"FIFO", fifo, file(path("fifo"))},
        {"network: the far end reads its first connection only", server, tcp(server.port())},
    };
    for (const auto& c : cases) {
        auto made = std::make_unique<Pages>(5, 700'000);
        std::string expected;
        for (int i = 0; i < 5; ++i)
            expected += made->page(i);
        RecordingReporter reporter;
        auto transmission = c.make(std::move(made), reporter);
        auto received = std::async(std::launch::async, [&] { return c.far.read(expected.size()); });
        EXPECT_TRUE(transmission->start() && transmission->wait()) << c.name;
        EXPECT_EQ(transmission->total(), static_cast<qint64>(expected.size())) << c.name;
        EXPECT_EQ(transmission->position(), (PrintPosition{5, 5, 0, 0})) << c.name;
        EXPECT_TRUE(received.get() == expected) << c.name;
        EXPECT_EQ(reporter.messages, Messages{}) << c.name;
    }
}

// A printer that takes nothing holds the batch at its first page: the rest
// is never made, and a cancel says that no label went out.
TEST_F(ConnectionTransmitTest, ABatchIsMadeOnlyAsTheFarEndTakesIt) {
    FarEnd fifo = FarEnd::fifo(path("fifo"));
    auto made = std::make_unique<Pages>(5, 1'000'000);
    const Pages& pages = *made;
    RecordingReporter reporter;
    auto transmission = file(path("fifo"))(std::move(made), reporter);
    QTimer::singleShot(300ms, transmission.get(), &PrintTransmission::cancel);
    EXPECT_FALSE(transmission->start() && transmission->wait());
    EXPECT_EQ(pages.made(), 1) << "a FIFO's buffer holds less than a page";
    EXPECT_EQ(reporter.messages, Messages{"Printing cancelled after 0 of 5 labels."});
}

// The job goes out on a thread of its own; a scheduler that cannot be
// reached still ends the print soon, naming the queue.
TEST_F(ConnectionTransmitTest, CupsWithoutASchedulerNamesTheQueue) {
    const quint16 closedPort = FarEnd::listener().port();
    qputenv("CUPS_SERVER", "127.0.0.1:" + QByteArray::number(closedPort));
    RecordingReporter reporter;
    CupsTransmission transmission("No_Such_Queue", pageSource(page), reporter);
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(transmission.start() && transmission.wait());
    EXPECT_LT(clock.elapsed(), 6000);
    qunsetenv("CUPS_SERVER");
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_TRUE(reporter.messages[0].starts_with(kFailed + "No_Such_Queue: "))
        << reporter.messages[0];
}

} // namespace
} // namespace quillset
