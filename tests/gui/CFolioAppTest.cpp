#include "GuiTestMain.h"
#include "ModalAnswer.h"
#include "ShownTitle.h"

#include "app/dialogs/CAboutDlg.h"
#include "app/shell/CFolioDoc.h"
#include "app/shell/CMainFrame.h"
#include "document/ScriptFile.h"

#include <QFile>
#include <QRegularExpression>

using namespace quillset;

class CFolioAppTest : public QObject {
    Q_OBJECT
public:
    explicit CFolioAppTest(CFolioApp& app)
        : app_(app) {}

private slots:
    void init() { settings().clear(); }

    void startsWithDefaultsAndWritesThemAtExit() {
        settings().sync();
        app_.loadSettings();
        QCOMPARE(app_.printerType(), 2);
        QCOMPARE(app_.serialPort().portName, QStringLiteral("COM1"));
        QCOMPARE(app_.serialPort().baudRate, 57600u);

        app_.ExitInstance();
        QSettings written = settings();
        QCOMPARE(written.value("Settings/PRINTERTYPE").toString(), QStringLiteral("2"));
        QCOMPARE(written.value("Communication/COMPORT").toString(), QStringLiteral("COM1"));
        QCOMPARE(written.value("Communication/BAUDRATE").toString(), QStringLiteral("57600"));
    }

    void printerTypeFromSettings_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("type");
        QTest::newRow("3 selects the 3-inch printer") << "3" << 3;
        QTest::newRow("4 selects the 4-inch printer") << "4" << 4;
        QTest::newRow("a trailing blank is not 3") << "3 " << 2;
        QTest::newRow("a leading zero is not 3") << "03" << 2;
        QTest::newRow("an unknown type falls back") << "5" << 2;
        QTest::newRow("an empty value counts as absent") << "" << 2;
    }
    void printerTypeFromSettings() {
        QFETCH(QString, text);
        QFETCH(int, type);
        app_.setPrinterType(3);
        settings().setValue("Settings/PRINTERTYPE", text);
        app_.loadSettings();
        QCOMPARE(app_.printerType(), type);
    }

    void serialSettingsRoundTrip_data() {
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("baud");
        QTest::addColumn<QString>("portRead");
        QTest::addColumn<quint32>("baudRead");
        QTest::newRow("stored values are taken") << "COM12"
                                                 << "9600"
                                                 << "COM12" << 9600u;
        QTest::newRow("empty values count as absent") << ""
                                                      << ""
                                                      << "COM1" << 57600u;
        QTest::newRow("other devices and rates fall back") << "LPT1"
                                                           << "4800"
                                                           << "COM1" << 57600u;
    }
    void serialSettingsRoundTrip() {
        QFETCH(QString, port);
        QFETCH(QString, baud);
        QFETCH(QString, portRead);
        QFETCH(quint32, baudRead);
        settings().setValue("Communication/COMPORT", port);
        settings().setValue("Communication/BAUDRATE", baud);
        app_.loadSettings();
        QCOMPARE(app_.serialPort().portName, portRead);
        QCOMPARE(app_.serialPort().baudRate, baudRead);
    }

    void changedPrinterTypeIsWrittenAtExit() {
        app_.loadSettings();
        app_.setPrinterType(4);
        app_.ExitInstance();
        QCOMPARE(settings().value("Settings/PRINTERTYPE").toString(), QStringLiteral("4"));
    }

    void recentFilesSurviveARestartAndKeepFour() {
        app_.loadSettings();
        for (const char* name : {"/a.txt", "/b.txt", "/c.txt", "/d.txt", "/e.txt", "/c.txt"})
            app_.recentFiles().add(QString::fromLatin1(name));
        app_.ExitInstance();
        app_.recentFiles().add(QStringLiteral("/forgotten.txt"));
        app_.loadSettings();
        QCOMPARE(app_.recentFiles().files(), QStringList({"/c.txt", "/e.txt", "/d.txt", "/b.txt"}));
    }

    void commandLineOpensTheNamedFile() {
        const QString path = dir_.filePath("label.txt");
        writeFile(path, "DrawRectangle(1,2,3,4,1,0);\r\n");
        QVERIFY(app_.InitInstance({"quillset", path}));
        QCOMPARE(shownTitle(app_.mainFrame()), QStringLiteral("label.txt - Quillset 1.0.9"));
        QCOMPARE(app_.mainFrame()->document().script(),
                 QStringLiteral("DrawRectangle(1,2,3,4,1,0);\r\n"));
    }

    void commandLineWithoutAFileStartsUntitled() {
        QVERIFY(app_.InitInstance({"quillset"}));
        QCOMPARE(shownTitle(app_.mainFrame()), QStringLiteral("Untitled - Quillset 1.0.9"));
        QVERIFY(app_.mainFrame()->isVisible());
    }

    void unreadableFileOnTheCommandLineEndsTheProgram() {
        ModalAnswer answer;
        QVERIFY(!app_.InitInstance({"quillset", dir_.filePath("missing.txt")}));
        QCOMPARE(answer.texts(), QStringList{QString::fromLatin1(kOpenForReadFailed)});
        QVERIFY(!app_.mainFrame());
    }

    void aboutBoxShowsTheBuildMoment() {
        CAboutDlg about;
        QCOMPARE(about.windowTitle(), QStringLiteral("About Quillset"));
        const QRegularExpression compilerStamp(QStringLiteral(
            "^[A-Z][a-z]{2} [ 1-3][0-9] [0-9]{4} [0-2][0-9]:[0-5][0-9]:[0-5][0-9]$"));
        QVERIFY2(compilerStamp.match(CAboutDlg::buildStamp()).hasMatch(),
                 qPrintable(CAboutDlg::buildStamp()));
    }

private:
    static QSettings settings() {
        return QSettings(QStringLiteral("Corvane"), QStringLiteral("Quillset"));
    }

    static void writeFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    CFolioApp& app_;
    QTemporaryDir dir_;
};

QUILLSET_GUI_TEST_MAIN(CFolioAppTest)
#include "CFolioAppTest.moc"
