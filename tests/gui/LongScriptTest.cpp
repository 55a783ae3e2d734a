#include "GuiTestMain.h"
#include "ModalAnswer.h"

#include "app/commands/FileCommands.h"
#include "app/scriptpane/CCodeView.h"
#include "app/scriptpane/LongScriptView.h"
#include "app/shell/CFolioDoc.h"
#include "app/shell/CMainFrame.h"

#include <QFile>
#include <QProcess>

using namespace quillset;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The rows joined again, each line's rows run together: the script with one
// line feed for each of its breaks.
std::string joined(const ScriptRows& rows) {
    std::string out;
    std::size_t line = 1;
    for (const ScriptRows::Row& row : rows.rows(0, rows.count())) {
        for (; line < row.lineNumber; ++line)
            out += '\n';
        out += row.text;
    }
    return out;
}

} // namespace

// A script too long to edit is shown read-only in rows, and nothing of it is
// lost or changed on the way from Open through Compile to Save.
class LongScriptTest : public QObject {
    Q_OBJECT
public:
    explicit LongScriptTest(CFolioApp& app)
        : app_(app) {}

private slots:
    void init() { QVERIFY(startAfresh(app_)); }

    void rowsCutLinesOnlyForShowing_data() {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QByteArray>("lineFeeds");
        const QByteArray long201 = QByteArray(200, 'x') + 'y';
        const QByteArray wide = QByteArray(199, 'x') + "\xc3\xa9\xc3\xa9";
        QTest::newRow("empty: one empty row") << QByteArray() << 1 << QByteArray();
        QTest::newRow("CR LF, lone CR and lone LF each end a line")
            << QByteArray("a\r\nb\rc\nd") << 4 << QByteArray("a\nb\nc\nd");
        QTest::newRow("a break at the end is followed by an empty row")
            << QByteArray("a\r\n") << 2 << QByteArray("a\n");
        QTest::newRow("LF CR is two breaks") << QByteArray("a\n\rb") << 3 << QByteArray("a\n\nb");
        QTest::newRow("200 characters fit one row")
            << QByteArray(200, 'x') << 1 << QByteArray(200, 'x');
        QTest::newRow("the 201st starts the next row") << long201 << 2 << long201;
        QTest::newRow("characters, not bytes, and never cut") << wide << 2 << wide;
    }
    void rowsCutLinesOnlyForShowing() {
        QFETCH(QByteArray, script);
        QFETCH(int, rows);
        QFETCH(QByteArray, lineFeeds);
        const ScriptRows shown(std::string_view(script.constData(), script.size()));
        QCOMPARE(shown.count(), std::size_t(rows));
        QCOMPARE(QByteArray::fromStdString(joined(shown)), lineFeeds);
    }

    // A line of more than 10,000 bytes makes the script too long to edit,
    // whether the script ends with it or with a break after it.
    void longLastLineTurnsThePaneReadOnly_data() {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<bool>("readOnly");
        const QByteArray under(9'999, 'x');
        const QByteArray at(10'000, 'x');
        const QByteArray over(10'001, 'x');
        const QByteArray first = "DrawRectangle(1,2,3,4,1,0);\r\n";
        const QByteArray e = "\xc3\xa9";
        QTest::newRow("the only line, at the limit") << at << false;
        QTest::newRow("the only line, one past") << over << true;
        QTest::newRow("last, no break after it, one under") << first + under << false;
        QTest::newRow("last, no break after it, at the limit") << first + at << false;
        QTest::newRow("last, no break after it, one past") << first + over << true;
        QTest::newRow("last, CR LF after it, at the limit") << first + at + "\r\n" << false;
        QTest::newRow("last, CR LF after it, one past") << first + over + "\r\n" << true;
        QTest::newRow("last, a lone LF after it, one past") << first + over + "\n" << true;
        QTest::newRow("bytes, not characters: 5,000 two-byte ones")
            << first + e.repeated(5'000) << false;
        QTest::newRow("bytes, not characters: 5,000 two-byte ones and one more byte")
            << first + e.repeated(5'000) + 'x' << true;
    }
    void longLastLineTurnsThePaneReadOnly() {
        QFETCH(QByteArray, script);
        QFETCH(bool, readOnly);
        CCodeView* pane = app_.mainFrame()->codeView();
        app_.mainFrame()->document().setScript(QString::fromUtf8(script));
        pane->showScript();
        QCOMPARE(pane->showsLongScript(), readOnly);
        QCOMPARE(pane->isReadOnly(), readOnly);
    }

    // The file is a million canonical statements, so Save gives it back as
    // it came, and the command line's Open and Save agree.
    void aMillionLinesOpenCompileAndSaveUnchanged() {
        QByteArray bytes = "\x1bP$\x1bPP\r\nBeginPage();\r\nSetMargin(0,0);\r\n"
                           "SetPageSize(384,1248);\r\n";
        bytes += QByteArray("DrawRectangle(1,2,3,4,1,0);\r\n").repeated(1'000'000);
        bytes += "EndPage();\r\n\x1bP#\x04";
        QTemporaryDir dir;
        const QString path = dir.filePath("million.txt");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();

        CMainFrame* frame = app_.mainFrame();
        ModalAnswer answer;
        QVERIFY(frame->fileCommands().openDocument(path));
        CCodeView* pane = frame->codeView();
        QVERIFY(pane->showsLongScript());
        QVERIFY(pane->isReadOnly());
        QCOMPARE(pane->longScriptView()->rows().count(), std::size_t(1'000'001));
        frame->compile();
        const QString saved = dir.filePath("saved.txt");
        QVERIFY(frame->fileCommands().saveDocument(saved));
        QVERIFY(fileBytes(saved) == bytes);

#ifdef QUILLSET_CLI
        const QString cliSaved = dir.filePath("cli.txt");
        QProcess cli;
        cli.start(QStringLiteral(QUILLSET_CLI), {"save", path, cliSaved});
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 0);
        QVERIFY(fileBytes(cliSaved) == bytes);
#endif

        frame->document().newDocument();
        QVERIFY(!pane->showsLongScript());
        QVERIFY(!pane->isReadOnly());
    }

private:
    CFolioApp& app_;
};

QUILLSET_GUI_TEST_MAIN(LongScriptTest)
#include "LongScriptTest.moc"
