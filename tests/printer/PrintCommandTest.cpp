#ifdef QUILLSET_CLI

#include "PseudoTerminal.h"
#include "document/FolioSession.h"
#include "document/PrinterBytes.h"
#include "model/GroupedCount.h"
#include "printer/SerialSettings.h"
#include "tests/engine/RecordingReporter.h"

#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>

#include <grp.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <regex>
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
         "Com port could not be opened.\n/nonexistent/ttyUSB0: No such file or directory\n"
         "Serial transmission error.\n",
         "the transmission's own messages in order, the device and the reason under the first"},
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

// On a terminal the progress is one line, rewritten as it grows; the
// terminal gets no line ends of its own, so what arrives is what was written.
TEST_F(PrintCommandTest, ShowsProgressOnATerminal) {
    PseudoTerminal terminal;
    ASSERT_TRUE(terminal.isOpen());
    terminal.makeRaw();
    const std::string expected = expectedStream();
    std::string received;
    std::thread reader([&] { received = pty.read(expected.size(), 20s); });
    QProcess cli;
    cli.setStandardErrorFile(QString::fromStdString(terminal.slavePath()));
    cli.start(
        QStringLiteral(QUILLSET_CLI),
        {"print", kExample, "--port", QString::fromStdString(pty.slavePath()), "--baud", "9600"});
    ASSERT_TRUE(cli.waitForFinished(20000));
    reader.join();
    const std::string shown = terminal.read(1 << 16, 500ms);

    EXPECT_EQ(cli.exitCode(), 0) << shown;
    EXPECT_TRUE(received == expected);
    const std::string total = groupedCount(expected.size());
    const std::string line = "\rPrinting to " + pty.slavePath() + " at 9600 bit/s (Script): ";
    EXPECT_TRUE(shown.starts_with(line + "0 of " + total + " bytes, ")) << shown;
    EXPECT_TRUE(shown.ends_with(line + total + " of " + total + " bytes, 0 s left\x1b[K\n" +
                                "Sent " + total + " bytes to " + pty.slavePath() + " (Script)\n"))
        << shown;
}

// Ctrl+C while the page goes out at 1200 bit/s (about 3 s for this page).
TEST_F(PrintCommandTest, CtrlCCancelsAndSaysHowMuchWentOut) {
    const std::string expected = expectedStream();
    std::atomic<bool> ended = false;
    std::atomic<std::size_t> arrived = 0;
    std::string received;
    std::thread reader([&] {
        while (!ended) {
            received += pty.read(4096, 50ms);
            arrived = received.size();
        }
    });
    QProcess cli;
    cli.start(
        QStringLiteral(QUILLSET_CLI),
        {"print", kExample, "--port", QString::fromStdString(pty.slavePath()), "--baud", "1200"});
    ASSERT_TRUE(cli.waitForStarted(20000));
    // Bytes arrive once the tool is sending, and by then Ctrl+C is its own.
    for (int wait = 0; wait < 400 && arrived == 0; ++wait)
        QThread::msleep(50);
    ::kill(static_cast<pid_t>(cli.processId()), SIGINT);
    const bool finished = cli.waitForFinished(20000);
    ended = true;
    reader.join();
    ASSERT_TRUE(finished);
    const std::string err = cli.readAllStandardError().toStdString();

    EXPECT_EQ(cli.exitStatus(), QProcess::NormalExit) << "the tool ends by itself, not killed";
    EXPECT_EQ(cli.exitCode(), 1);
    static const std::regex message(
        "Printing cancelled after ([0-9,]+) of ([0-9,]+) bytes; the printer may hold part of "
        "the page\\.\n");
    std::smatch parts;
    ASSERT_TRUE(std::regex_match(err, parts, message)) << err;
    EXPECT_EQ(parts[2].str(), groupedCount(expected.size()));
    std::string digits = parts[1].str();
    std::erase(digits, ',');
    const std::size_t sent = std::stoul(digits);
    EXPECT_GT(sent, 0u);
    EXPECT_LT(sent, expected.size());
    EXPECT_LE(received.size(), sent);
    EXPECT_TRUE(expected.starts_with(received)) << "what arrived is the start of the page";
    EXPECT_EQ(pty.read(1, 500ms), "") << "nothing more comes";
}

// print --from-label resumes a batch of copies at any label, between the
// copies of a record too: the file gets the labels from there on, each the
// page of its script filled by hand, with and without a counter.
TEST_F(PrintCommandTest, FromLabelResumesBetweenCopies) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto write = [&](const char* name, const std::string& text) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.data(), static_cast<qint64>(text.size()));
        return file.fileName();
    };
    const QString data = write("names.csv", "name\nAnn\nBob\n");
    const QString out = dir.filePath(QStringLiteral("labels.tspl"));
    const struct {
        const char* why;
        std::string text; // of the DrawText
        const char* from;
        std::vector<std::string> texts; // the labels sent
    } cases[] = {
        {"with a counter, between Ann's copies", "${name} ${seq}", "2",
         {"Ann 2", "Ann 3", "Bob 4", "Bob 5", "Bob 6"}},
        {"with a counter, between Bob's copies", "${name} ${seq}", "5", {"Bob 5", "Bob 6"}},
        {"without a counter, between Ann's copies", "${name}", "3",
         {"Ann", "Bob", "Bob", "Bob"}},
        {"without a counter, the last copy alone", "${name}", "6", {"Bob"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const QString page = write("page.txt", "DrawText(0,0,1,0,\"" + c.text + "\");\r\n");
        const Outcome outcome =
            runCli({"print", page, "--to", "file:" + out, "--no-status", "--language", "tspl",
                    "--copies", "3", "--data", data, "--from-label", c.from});
        EXPECT_EQ(outcome.status, 0) << outcome.err;
        std::string expected;
        for (const std::string& text : c.texts) {
            FolioSession byHand;
            byHand.compile("DrawText(0,0,1,0,\"" + text + "\");");
            expected += printerBytes(byHand, {.language = PrinterLanguage::Tspl});
        }
        QFile sent(out);
        ASSERT_TRUE(sent.open(QIODevice::ReadOnly));
        EXPECT_TRUE(sent.readAll().toStdString() == expected);
    }
}

// Root opens any device, so the tool runs as nobody; it reads the page from
// standard input and runs from a copy that nobody may execute.
TEST_F(PrintCommandTest, PermissionDeniedNamesTheDeviceAndTheGroupToJoin) {
    ASSERT_TRUE(pty.setMode(0));
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString cliCopy = dir.filePath(QStringLiteral("quillset-cli"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUILLSET_CLI), cliCopy));
    const auto everyone = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                          QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(cliCopy, everyone));
    ASSERT_TRUE(QFile::setPermissions(dir.path(), everyone));
    QFile example(kExample);
    ASSERT_TRUE(example.open(QIODevice::ReadOnly));

    QProcess cli;
    if (geteuid() == 0) {
        cli.setChildProcessModifier([] {
            const gid_t nobody = 65534;
            if (setgroups(0, nullptr) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0)
                _exit(99);
        });
    }
    cli.start(cliCopy, {"print", "-", "--port", QString::fromStdString(pty.slavePath())});
    ASSERT_TRUE(cli.waitForStarted(20000)) << cli.errorString().toStdString();
    cli.write(example.readAll());
    cli.closeWriteChannel();
    ASSERT_TRUE(cli.waitForFinished(20000));
    const std::string err = cli.readAllStandardError().toStdString();

    EXPECT_EQ(cli.exitCode(), 1) << err;
    EXPECT_TRUE(err.ends_with("Com port could not be opened.\n" + pty.slavePath() +
                              ": Permission denied\n"
                              "Add your user to the dialout group, then log in again.\n"
                              "Serial transmission error.\n"))
        << err;
    EXPECT_EQ(pty.read(1, 100ms), "");
}

} // namespace
} // namespace quillset

#endif
