#include "printer/SerialPort.h"
#include "printer/SerialTransmission.h"

#include "PseudoTerminal.h"
#include "language/PrintJob.h"
#include "language/PrintSource.h"
#include "model/PageSettings.h"
#include "printer/PrintProgress.h"
#include "printer/SerialSettings.h"
#include "tests/engine/RecordingReporter.h"

#include <QElapsedTimer>
#include <QSettings>

#include <termios.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace quillset {
namespace {

using namespace std::chrono_literals;

using Messages = std::vector<std::string>;

const std::string kOpenFailed = "Com port could not be opened.";
const std::string kConfigureFailed = "Com port could not be configured.";
const std::string kTransmissionError = "Serial transmission error.";

// A message as the default reporter shows it: the detail on the next line.
std::string withDetail(const std::string& message, const std::string& detail) {
    return message + '\n' + detail;
}

std::string printStream() {
    PageSettings settings;
    settings.topMargin = 8;
    settings.pageWidth = 576;
    settings.pageHeight = 400;
    settings.normalise();
    return buildPrintStream(settings, "DrawRectangle(0,0,100,40,1,2);\r\n");
}

std::string everyByte() {
    std::string bytes;
    for (int value = 0; value < 256; ++value)
        bytes.push_back(static_cast<char>(value));
    return bytes;
}

// A page's worth of distinct bytes, so that a prefix is told from any other
// run of the stream.
std::string pageBytes(std::size_t size) {
    std::string bytes;
    for (std::size_t i = 0; i < size; ++i)
        bytes.push_back(static_cast<char>('!' + i % 90));
    return bytes;
}

// Reads the pseudo-terminal slower than the line runs until `stop`, then
// takes what is left.
std::string slowReader(PseudoTerminal& pty, const std::atomic<bool>& stop) {
    std::string received;
    while (!stop) {
        received += pty.read(32, 20ms);
        std::this_thread::sleep_for(40ms);
    }
    for (std::string more; !(more = pty.read(1 << 20, 500ms)).empty();)
        received += more;
    return received;
}

// The printer hangs on the pseudo-terminal's slave as COM3.
class TransmitTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.isOpen());
        settings.clear();
        settings.setValue("Ports/COM3", QString::fromStdString(pty.slavePath()));
        port.portName = QStringLiteral("COM3");
        port.baudRate = 115200;
    }
    void TearDown() override { settings.clear(); }

    QSettings settings{kSettingsOrganisation, kSettingsApplication};
    PseudoTerminal pty;
    SerialPort port;
    RecordingReporter reporter;
};

TEST_F(TransmitTest, EveryByteArrivesUnchanged) {
    struct Case {
        const char* name;
        std::string bytes;
        const char* why;
    };
    const Case cases[] = {
        {"print stream", printStream(), "what Print sends, EOT last"},
        {"every byte value", everyByte(),
         "no CR/LF translation, no XON/XOFF taken from the data, no stripped top bit"},
        {"large", std::string(40000, 'x') + '\x04',
         "more than a pseudo-terminal holds: the writes go on as the reader drains it"},
    };
    ASSERT_EQ(cases[0].bytes.back(), '\x04');
    for (const Case& c : cases) {
        std::string received;
        // The bytes go out at the line's pace: 40 KB take 3.8 s at 115200 bit/s.
        std::thread reader([&] { received = pty.read(c.bytes.size(), 30s); });
        EXPECT_TRUE(Transmit(port, c.bytes, reporter)) << c.name;
        reader.join();
        EXPECT_EQ(reporter.messages, Messages{}) << c.name;
        EXPECT_EQ(received.size(), c.bytes.size()) << c.name << ": " << c.why;
        EXPECT_TRUE(received == c.bytes) << c.name << ": " << c.why;
        EXPECT_TRUE(pty.slaveIsFree()) << c.name << ": the port is closed afterwards";
    }
}

// Output is held stopped until the line shows the expected settings, so the
// transmission cannot end before they have been seen.
TEST_F(TransmitTest, ConfiguresTheLine8N2WithoutFlowControl) {
    const std::pair<std::uint32_t, speed_t> rates[] = {
        {1200, B1200}, {9600, B9600}, {57600, B57600}, {115200, B115200}};
    for (const auto& [rate, speed] : rates) {
        port.baudRate = rate;
        pty.stopOutput();
        std::atomic<bool> seen = false;
        std::thread watcher([&, speed = speed] {
            for (int attempt = 0; attempt < 400 && !seen; ++attempt) {
                termios line{};
                tcgetattr(pty.slave(), &line);
                seen = cfgetospeed(&line) == speed && (line.c_cflag & CSIZE) == CS8 &&
                       !(line.c_cflag & PARENB) && (line.c_cflag & CSTOPB) &&
                       !(line.c_cflag & CRTSCTS) && !(line.c_iflag & (IXON | IXOFF));
                std::this_thread::sleep_for(5ms);
            }
            pty.resumeOutput();
        });
        EXPECT_TRUE(Transmit(port, printStream(), reporter)) << rate;
        watcher.join();
        EXPECT_TRUE(seen) << rate << " bit/s, 8 data bits, no parity, 2 stop bits, no flow control";
        EXPECT_EQ(pty.read(printStream().size(), 2s), printStream()) << rate;
    }
    EXPECT_EQ(reporter.messages, Messages{});
}

TEST_F(TransmitTest, RateWithoutStandardSpeedIsAccepted) {
    port.baudRate = 14400;
    std::string received;
    std::thread reader([&] { received = pty.read(printStream().size(), 5s); });
    EXPECT_TRUE(Transmit(port, printStream(), reporter));
    reader.join();
    EXPECT_EQ(reporter.messages, Messages{});
    EXPECT_EQ(received, printStream());
}

TEST_F(TransmitTest, FailuresReportTheirMessagesInOrder) {
    struct Case {
        const char* name;
        const char* portName;
        std::uint32_t baudRate;
        Messages messages;
    };
    settings.setValue("Ports/COM4", "/nonexistent/ttyUSB9");
    const Case cases[] = {
        {"no device behind the port: the mapped device is named",
         "COM4",
         115200,
         {withDetail(kOpenFailed, "/nonexistent/ttyUSB9: No such file or directory"),
          kTransmissionError}},
        {"a device path that does not exist",
         "/nonexistent/ttyACM0",
         115200,
         {withDetail(kOpenFailed, "/nonexistent/ttyACM0: No such file or directory"),
          kTransmissionError}},
        {"a speed the device refuses",
         "COM3",
         0,
         {withDetail(kConfigureFailed,
                     pty.slavePath() +
                         ": the device refuses 0 bit/s with 8 data bits and 2 stop bits"),
          kTransmissionError}},
    };
    for (const Case& c : cases) {
        port.portName = c.portName;
        port.baudRate = c.baudRate;
        RecordingReporter messages;
        EXPECT_FALSE(Transmit(port, printStream(), messages)) << c.name;
        EXPECT_EQ(messages.messages, c.messages) << c.name;
    }
    EXPECT_TRUE(pty.slaveIsFree()) << "a failed configuration closes the port";
}

TEST_F(TransmitTest, StalledDeviceEndsAfterTheBoundAsAnError) {
    const std::string bytes(1000, 'x'); // 95 ms of line time at 115200 bit/s
    pty.stopOutput();
    QElapsedTimer clock;
    clock.start();
    Messages whileOpen;
    std::thread other([&] {
        std::this_thread::sleep_for(300ms);
        RecordingReporter second;
        Transmit(SerialPort(port), "x", second);
        whileOpen = second.messages;
    });
    EXPECT_FALSE(Transmit(port, bytes, reporter));
    const qint64 elapsed = clock.elapsed();
    other.join();
    pty.resumeOutput();

    EXPECT_EQ(reporter.messages,
              Messages{withDetail(kTransmissionError,
                                  pty.slavePath() +
                                      ": the device did not take the page within 3 s")});
    EXPECT_GE(elapsed, 2000) << "the bound is twice the line time plus two seconds";
    EXPECT_LT(elapsed, 6000);
    EXPECT_EQ(whileOpen,
              (Messages{withDetail(kOpenFailed, pty.slavePath() + ": Device or resource busy"),
                        kTransmissionError}))
        << "the port is for one user at a time, and the second one is told so";
    EXPECT_TRUE(pty.slaveIsFree());
}

TEST_F(TransmitTest, DeviceLostPartWayIsAnError) {
    const std::string bytes(300000, 'x');
    std::thread unplug([&] {
        pty.read(1000, 2s);
        pty.closeMaster();
    });
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(Transmit(port, bytes, reporter));
    unplug.join();
    EXPECT_EQ(reporter.messages,
              Messages{withDetail(kTransmissionError, pty.slavePath() + ": Input/output error")});
    EXPECT_LT(clock.elapsed(), 10000) << "the failure is seen when it happens, not at the bound";
}

TEST_F(TransmitTest, ProgressRisesAtTheLinePaceToTheTotal) {
    port.baudRate = 115200;
    const std::string bytes = pageBytes(12000);
    std::string received;
    std::thread reader([&] { received = pty.read(bytes.size(), 60s); });
    SerialTransmission transmission(port, pageSource(bytes), reporter);
    std::vector<qint64> seen;
    QObject::connect(&transmission, &SerialTransmission::progressed,
                     [&](qint64 sent, qint64 total) {
                         EXPECT_EQ(total, 12000);
                         seen.push_back(sent);
                     });
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(transmission.start());
    EXPECT_EQ(transmission.state(), SerialTransmission::State::Sending);
    EXPECT_TRUE(transmission.wait());
    const qint64 elapsed = clock.elapsed();
    reader.join();

    EXPECT_EQ(transmission.state(), SerialTransmission::State::Sent);
    EXPECT_EQ(transmission.sent(), 12000);
    EXPECT_TRUE(received == bytes);
    EXPECT_EQ(reporter.messages, std::vector<std::string>{});
    ASSERT_GE(seen.size(), 5u) << "progress is shown along the way, not only at the end";
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_EQ(seen.back(), 12000);
    EXPECT_GE(elapsed, lineMilliseconds(12000, 115200) - 300)
        << "a pseudo-terminal takes bytes at once; the writes keep to the line's rate";
    EXPECT_TRUE(pty.slaveIsFree());
}

TEST_F(TransmitTest, CancelStopsAtOnceAndSaysHowMuchWentOut) {
    port.baudRate = 9600; // the whole page would take 27 s
    const std::string bytes = pageBytes(25118);
    std::atomic<bool> stop = false;
    std::string received;
    std::thread reader([&] { received = slowReader(pty, stop); });

    SerialTransmission transmission(port, pageSource(bytes), reporter);
    QObject::connect(&transmission, &SerialTransmission::progressed, [&](qint64 sent, qint64) {
        if (sent >= 1500)
            transmission.cancel();
    });
    bool finishedAllSent = true;
    int finishedCount = 0;
    QObject::connect(&transmission, &SerialTransmission::finished, [&](bool allSent) {
        finishedAllSent = allSent;
        ++finishedCount;
        EXPECT_TRUE(pty.slaveIsFree()) << "the port is closed when finished is told";
    });
    ASSERT_TRUE(transmission.start());
    EXPECT_FALSE(transmission.wait());
    const std::string afterCancel = pty.read(1, 300ms);
    stop = true;
    reader.join();
    received += afterCancel;

    EXPECT_EQ(transmission.state(), SerialTransmission::State::Cancelled);
    EXPECT_EQ(finishedCount, 1);
    EXPECT_FALSE(finishedAllSent);
    const qint64 sent = transmission.sent();
    EXPECT_GE(sent, 1500);
    EXPECT_LT(sent, 25118 / 2) << "stopped at once, not after the queue ran out";
    EXPECT_EQ(reporter.messages, std::vector<std::string>{cancelledMessage(
                                     static_cast<std::uint64_t>(sent), 25118)});
    EXPECT_LE(received.size(), static_cast<std::size_t>(sent));
    EXPECT_TRUE(bytes.starts_with(received)) << "what arrived is the start of the stream";
    EXPECT_TRUE(pty.slaveIsFree());

    transmission.cancel();
    EXPECT_EQ(reporter.messages.size(), 1u) << "a second cancel does nothing";
}

} // namespace
} // namespace quillset
