#ifdef QUILLSET_CLI

#include "PseudoTerminal.h"
#include "document/FolioSession.h"
#include "printer/SerialSettings.h"
#include "tests/engine/RecordingReporter.h"

#include <QProcess>
#include <QSettings>

#include <termios.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace quillset {
namespace {

using namespace std::chrono_literals;

const QString kExample = QStringLiteral(QUILLSET_SOURCE_DIR "/examples/price-tag.txt");

struct Outcome {
    int status;
    std::string err;
};

// Runs the tool to its end while the test reads the pseudo-terminal. The tool
// inherits the test's XDG_CONFIG_HOME, so it sees the settings written here.
Outcome runCli(const QStringList& args) {
    QProcess cli;
    cli.start(QStringLiteral(QUILLSET_CLI), args);
    if (!cli.waitForFinished(20000))
        return {-1, "did not finish"};
    return {cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1,
            cli.readAllStandardError().toStdString()};
}

std::string expectedStream() {
    RecordingReporter reporter;
    FolioSession session;
    return session.open(kExample.toStdString(), reporter) ? session.printStream() : "";
}

class PrintCommandTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.isOpen());
        settings.clear();
        settings.sync();
    }
    void TearDown() override { settings.clear(); }

    QSettings settings{kSettingsOrganisation, kSettingsApplication};
    PseudoTerminal pty;
};

TEST_F(PrintCommandTest, SendsTheFileToTheNamedDevice) {
    const std::string expected = expectedStream();
    ASSERT_FALSE(expected.empty());
    std::string received;
    std::thread reader([&] { received = pty.read(expected.size(), 20s); });
    const Outcome outcome = runCli(
        {"print", kExample, "--port", QString::fromStdString(pty.slavePath()), "--baud", "9600"});
    reader.join();
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.err, "");
    EXPECT_TRUE(received == expected) << "the bytes of Print, as File > Open reads the file";
}

// The saved port and rate are used: COM5 maps to the pseudo-terminal, and the
// line is held stopped until it shows 19200 bit/s.
TEST_F(PrintCommandTest, UsesTheSavedSettings) {
    settings.setValue("Communication/COMPORT", "COM5");
    settings.setValue("Communication/BAUDRATE", "19200");
    settings.setValue("Ports/COM5", QString::fromStdString(pty.slavePath()));
    settings.sync();
    const std::string expected = expectedStream();

    pty.stopOutput();
    std::atomic<bool> seen = false;
    std::thread watcher([&] {
        for (int attempt = 0; attempt < 1000 && !seen; ++attempt) {
            termios line{};
            tcgetattr(pty.slave(), &line);
            seen = cfgetospeed(&line) == B19200;
            std::this_thread::sleep_for(5ms);
        }
        pty.resumeOutput();
    });
    std::string received;
    std::thread reader([&] { received = pty.read(expected.size(), 20s); });
    const Outcome outcome = runCli({"print", kExample});
    watcher.join();
    reader.join();
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_TRUE(seen) << "the saved rate";
    EXPECT_TRUE(received == expected) << "the saved port";
}

TEST_F(PrintCommandTest, Failures) {
    struct Case {
        QStringList args;
        std::string err;
        const char* why;
    };
    const Case cases[] = {
        {{"print", kExample, "--port", "/nonexistent/ttyUSB0"},
         "Com port could not be opened.\nSerial transmission error.\n",
         "the transmission's own messages, in order"},
        {{"print", kExample, "--port", "LPT1"},
         "--port takes COM1 to COM99 or a device path such as /dev/ttyUSB0.\n",
         "a name that is neither"},
        {{"print", kExample, "--port", QString::fromStdString(pty.slavePath()), "--baud", "4800"},
         "--baud takes one of 1200, 2400, 9600, 14400, 19200, 38400, 57600, 115200.\n",
         "refused instead of quietly sent at 57600"},
        {{"print", "/nonexistent/file.txt", "--port", QString::fromStdString(pty.slavePath())},
         "Failed to open a file for read.\n",
         "nothing is sent"},
    };
    for (const Case& c : cases) {
        const Outcome outcome = runCli(c.args);
        EXPECT_EQ(outcome.status, 1) << c.why;
        EXPECT_EQ(outcome.err, c.err) << c.why;
    }
    EXPECT_EQ(pty.read(1, 100ms), "") << "no case sends anything";
}

} // namespace
} // namespace quillset

#endif
