#ifdef QUILLSET_CLI

#include "PseudoTerminal.h"
#include "document/FolioSession.h"
#include "document/ScriptPrinterReach.h"
#include "printer/SerialSettings.h"
#include "tests/engine/RecordingReporter.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <csignal>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace quillset {
namespace {

using namespace std::chrono_literals;

const QString kCli = QStringLiteral(QUILLSET_CLI);
const QString kExamples = QStringLiteral(QUILLSET_SOURCE_DIR "/examples");

// What `print` writes to one pseudo-terminal arrives at `listen` on the other,
// as over a null-modem cable.
class Cable {
public:
    Cable(PseudoTerminal& from, PseudoTerminal& to)
        : thread_([this, &from, &to] {
            while (!stop_) {
                const std::string bytes = from.read(4096, 20ms);
                if (!bytes.empty())
                    to.write(bytes, 10s);
            }
        }) {}
    ~Cable() {
        stop_ = true;
        thread_.join();
    }

private:
    std::atomic<bool> stop_ = false;
    std::thread thread_;
};

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The examples the script printer draws whole, or those it does not (a
// symbol: the picture languages print those).
QStringList examplesScriptPrinterDraws(bool draws) {
    QStringList chosen;
    for (const QString& name : QDir(kExamples).entryList({"*.txt"}, QDir::Files, QDir::Name)) {
        RecordingReporter reporter;
        FolioSession session;
        if (session.open((kExamples + '/' + name).toStdString(), reporter) &&
            scriptPrinterRefusal(session.objects()).has_value() != draws)
            chosen.append(name);
    }
    return chosen;
}

std::string streamOf(const QString& example) {
    RecordingReporter reporter;
    FolioSession session;
    return session.open(example.toStdString(), reporter) ? session.printStream() : "";
}

class ListenCommandTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(printerSide.isOpen());
        ASSERT_TRUE(listenerSide.isOpen());
        ASSERT_TRUE(dir.isValid());
        listenerSide.makeRaw();
        QSettings(kSettingsOrganisation, kSettingsApplication).clear();
    }

    // Starts listen on the listener's side and waits until it says it listens.
    bool startListen(QProcess& listen, const QStringList& more) {
        listen.start(kCli, QStringList{"listen", "--port",
                                       QString::fromStdString(listenerSide.slavePath()), "--baud",
                                       "115200", "-o", dir.filePath("pages")} +
                               more);
        return waitFor(listen, QProcess::StandardError, "Listening on ");
    }

    // Waits until the process has written `text` on `channel`, leaving it to
    // be read.
    static bool waitFor(QProcess& process, QProcess::ProcessChannel channel, const char* text) {
        process.setReadChannel(channel);
        for (int wait = 0; wait < 200; ++wait) {
            if (process.peek(1 << 16).contains(text))
                return true;
            if (process.state() == QProcess::NotRunning)
                return false;
            process.waitForReadyRead(100);
        }
        return false;
    }

    QString render(const QString& example, const QString& image) {
        const QString out = dir.filePath(image);
        QProcess cli;
        cli.start(kCli, {"render", example, "-o", out});
        return cli.waitForFinished(20000) && cli.exitCode() == 0 ? out : QString();
    }

    QString page(int number, const char* extension) const {
        return dir.filePath(QStringLiteral("pages/page-%1.%2")
                                .arg(number, 4, 10, QLatin1Char('0'))
                                .arg(QLatin1String(extension)));
    }

    PseudoTerminal printerSide;
    PseudoTerminal listenerSide;
    QTemporaryDir dir;
};

TEST_F(ListenCommandTest, PrintedExamplesComeOutAsRenderDrawsThemDotForDot) {
    const QStringList examples = examplesScriptPrinterDraws(true);
    ASSERT_GE(examples.size(), 4);
    Cable cable(printerSide, listenerSide);
    QProcess listen;
    listen.setProcessChannelMode(QProcess::SeparateChannels);
    ASSERT_TRUE(startListen(listen, {"--pbm", "--pages", QString::number(examples.size())}))
        << listen.readAllStandardError().toStdString();

    for (const QString& name : examples) {
        QProcess print;
        print.start(kCli, {"print", kExamples + '/' + name, "--port",
                           QString::fromStdString(printerSide.slavePath()), "--baud", "115200"});
        ASSERT_TRUE(print.waitForFinished(20000)) << name.toStdString();
        EXPECT_EQ(print.exitCode(), 0) << print.readAllStandardError().toStdString();
    }
    ASSERT_TRUE(listen.waitForFinished(30000)) << "listen stops after --pages";
    EXPECT_EQ(listen.exitCode(), 0);
    const QStringList lines =
        QString::fromUtf8(listen.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), examples.size()) << "one line per page";

    for (int i = 0; i < examples.size(); ++i) {
        const QString example = kExamples + '/' + examples[i];
        const std::string why = examples[i].toStdString();
        const QString png = page(i + 1, "png");
        EXPECT_TRUE(lines[i].startsWith(png + QStringLiteral(": "))) << lines[i].toStdString();
        EXPECT_TRUE(lines[i].endsWith(QStringLiteral(" bytes received"))) << why;
        const QByteArray expectedPbm = fileBytes(render(example, "expected.pbm"));
        ASSERT_FALSE(expectedPbm.isEmpty()) << why;
        EXPECT_TRUE(fileBytes(page(i + 1, "pbm")) == expectedPbm) << why;
        EXPECT_TRUE(fileBytes(png) == fileBytes(render(example, "expected.png"))) << why;
    }
}

// The examples with symbols, printed in ZPL, come out as render draws them.
TEST_F(ListenCommandTest, ExamplesWithSymbolsComeOutInZplAsRenderDrawsThem) {
    const QStringList examples = examplesScriptPrinterDraws(false);
    ASSERT_GE(examples.size(), 1);
    Cable cable(printerSide, listenerSide);
    QProcess listen;
    ASSERT_TRUE(startListen(listen, {"--language", "zpl", "--pbm", "--pages",
                                     QString::number(examples.size())}))
        << listen.readAllStandardError().toStdString();
    for (const QString& name : examples) {
        QProcess print;
        print.start(kCli, {"print", kExamples + '/' + name, "--language", "zpl", "--port",
                           QString::fromStdString(printerSide.slavePath()), "--baud", "115200"});
        ASSERT_TRUE(print.waitForFinished(20000)) << name.toStdString();
        EXPECT_EQ(print.exitCode(), 0) << print.readAllStandardError().toStdString();
    }
    ASSERT_TRUE(listen.waitForFinished(30000)) << "listen stops after --pages";
    for (int i = 0; i < examples.size(); ++i) {
        const QByteArray expectedPbm = fileBytes(render(kExamples + '/' + examples[i], "expected.pbm"));
        ASSERT_FALSE(expectedPbm.isEmpty()) << examples[i].toStdString();
        EXPECT_TRUE(fileBytes(page(i + 1, "pbm")) == expectedPbm) << examples[i].toStdString();
    }
}

// A batch with a short row left out and a character the printer lacks
// printed as the nearest it has: the pages that arrive are those of the
// scripts written by hand, numbered without the record left out.
TEST_F(ListenCommandTest, PrintedBatchComesOutAsTheScriptsWrittenByHand) {
    const QByteArray head = "SetPageSize(384,80);\r\n";
    const auto write = [&](const char* name, const QByteArray& bytes) {
        QFile file(dir.filePath(QLatin1String(name)));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    ASSERT_TRUE(write("label.txt", head + "DrawText(8,8,1,0,\"${name} ${seq:00}\");\r\n"));
    ASSERT_TRUE(
        write("data.csv", "name;city\r\nAnn;Bath\r\nBob\r\n\xC5\x81ucja P\xC3\xA9rez;Leeds\r\n"));
    Cable cable(printerSide, listenerSide);
    QProcess listen;
    ASSERT_TRUE(startListen(listen, {"--pages", "2"}))
        << listen.readAllStandardError().toStdString();

    QProcess print;
    print.start(kCli, {"print", dir.filePath("label.txt"), "--data", dir.filePath("data.csv"),
                       "--skip-bad", "--replace-missing", "--seq-start", "7", "--port",
                       QString::fromStdString(printerSide.slavePath()), "--baud", "115200"});
    ASSERT_TRUE(print.waitForFinished(20000));
    EXPECT_EQ(print.exitCode(), 0);
    EXPECT_EQ(print.readAllStandardError().toStdString(),
              "record 2 (data.csv line 3): 1 field where the header has 2; city is missing\n"
              "Note: record 3 (data.csv line 4): ${name}: '\xC5\x81' printed as 'L'\n"
              "1 of 3 records left out for their problems.\n");
    ASSERT_TRUE(listen.waitForFinished(30000)) << "listen stops after --pages";

    const QByteArray byHand[] = {"DrawText(8,8,1,0,\"Ann 07\");\r\n",
                                 "DrawText(8,8,1,0,\"Lucja P\x82rez 08\");\r\n"};
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(write("hand.txt", head + byHand[i]));
        EXPECT_TRUE(fileBytes(page(i + 1, "png")) ==
                    fileBytes(render(dir.filePath("hand.txt"), "hand.png")))
            << byHand[i].toStdString();
    }
}

// A print cancelled part way leaves the start of a page on the line; the
// next print starts a new one, which is the page that comes out.
TEST_F(ListenCommandTest, UnfinishedPagesAreDroppedAndCtrlCStops) {
    const std::string stream = streamOf(kExamples + "/price-tag.txt");
    ASSERT_FALSE(stream.empty());
    QProcess listen;
    ASSERT_TRUE(startListen(listen, {}));

    ASSERT_TRUE(listenerSide.write("noise before a page\r\n" + stream.substr(0, 100), 5s));
    ASSERT_TRUE(listenerSide.write(stream, 5s));
    ASSERT_TRUE(waitFor(listen, QProcess::StandardOutput, "page-0001.png"));
    ASSERT_TRUE(listenerSide.write(stream.substr(0, 40), 5s));
    for (int wait = 0; wait < 400 && listenerSide.unreadBySlave() != 0; ++wait)
        std::this_thread::sleep_for(50ms);
    ::kill(static_cast<pid_t>(listen.processId()), SIGINT);
    ASSERT_TRUE(listen.waitForFinished(20000));

    EXPECT_EQ(listen.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(listen.exitCode(), 0) << "Ctrl+C is how listen is meant to stop";
    const QString err = QString::fromUtf8(listen.readAllStandardError());
    EXPECT_TRUE(err.endsWith("Dropped an unfinished page of 100 bytes.\n"
                             "Dropped an unfinished page of 40 bytes.\n"))
        << err.toStdString();
    EXPECT_TRUE(QFile::exists(page(1, "png")));
    EXPECT_FALSE(QFile::exists(page(1, "pbm"))) << "PBM only with --pbm";
    EXPECT_FALSE(QFile::exists(page(2, "png")));
    EXPECT_TRUE(fileBytes(page(1, "png")) ==
                fileBytes(render(kExamples + "/price-tag.txt", "expected.png")));
}

// Three ESC/POS pages of one 8-dot row each, written by hand: each page's
// line tells how the paper moved after its picture.
TEST_F(ListenCommandTest, AFifoByARelativePathAndThePaperMotionOfEachPage) {
    ASSERT_TRUE(QDir(dir.path()).mkpath("t1"));
    ASSERT_EQ(::mkfifo(dir.filePath("t1/receipt-printer").toLocal8Bit().constData(), 0600), 0);
    QProcess listen;
    listen.setWorkingDirectory(dir.path());
    listen.start(kCli, {"listen", "--port", "t1/receipt-printer", "--language", "escpos", "-o",
                        "pages", "--pages", "3"});
    ASSERT_TRUE(waitFor(listen, QProcess::StandardError, "Listening on t1/receipt-printer"))
        << listen.readAllStandardError().toStdString();
    const std::string band("\x1D\x76\x30\x00\x01\x00\x01\x00\xFF", 9);
    const std::string bytes = "\x1B@" + band + "\x1B\x64\x04" + std::string("\x1DVB\x00", 4) +
                              "\x1B@" + band + "\x1BJ\x18" + std::string("\x1DV\x00", 3) + "\x1B@" +
                              band + "\x1B@";
    QFile fifo(dir.filePath("t1/receipt-printer"));
    ASSERT_TRUE(fifo.open(QIODevice::WriteOnly));
    fifo.write(bytes.data(), static_cast<qint64>(bytes.size()));
    fifo.close();
    ASSERT_TRUE(listen.waitForFinished(20000));
    EXPECT_EQ(listen.exitCode(), 0) << listen.readAllStandardError().toStdString();
    EXPECT_EQ(listen.readAllStandardOutput().toStdString(),
              "pages/page-0001.png: 8 x 1 dots, fed 4 lines, cut\n"
              "pages/page-0002.png: 8 x 1 dots, fed 24 dots, cut\n"
              "pages/page-0003.png: 8 x 1 dots\n")
        << "GS V B feeds its n dots, here none; ESC @ ends a page uncut";
}

TEST_F(ListenCommandTest, Refusals) {
    struct Case {
        QStringList args;
        std::string err;
        const char* why;
    };
    const Case cases[] = {
        {{"listen", "--port", "/nonexistent/ttyUSB0", "-o", dir.path()},
         "/nonexistent/ttyUSB0: no such file\n",
         "a missing device is named, not taken for a port"},
        {{"listen", "--port", "t1/receipt-printer", "-o", dir.path()},
         "t1/receipt-printer: no such file\n",
         "a relative path is a path too"},
        {{"listen", "-o", dir.path()},
         "listen needs --port DEVICE or --tcp PORT, and -o DIR.\n",
         "no port"},
        {{"listen", "--port", "/dev/null", "-o", dir.path(), "--pages", "0"},
         "--pages takes a whole number from 1.\n",
         "no pages"},
    };
    for (const Case& c : cases) {
        QProcess cli;
        cli.start(kCli, c.args);
        ASSERT_TRUE(cli.waitForFinished(20000)) << c.why;
        EXPECT_EQ(cli.exitCode(), 1) << c.why;
        EXPECT_EQ(cli.readAllStandardError().toStdString(), c.err) << c.why;
    }
}

} // namespace
} // namespace quillset

#endif
