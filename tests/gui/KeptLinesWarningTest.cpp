#include "GuiTestMain.h"
#include "ModalAnswer.h"

#include "app/commands/FileCommands.h"
#include "app/scriptpane/CCodeView.h"
#include "app/shell/CFolioDoc.h"
#include "app/shell/CMainFrame.h"
#include "document/Compile.h"
#include "document/ScriptFile.h"

#include <QFile>

using namespace quillset;

namespace {

// Canonical statements, so that Open writes them back as they are.
QString statements(int first, int last) {
    QString lines;
    for (int i = first; i <= last; ++i)
        lines += QStringLiteral("DrawRectangle(0,0,9,%1,1,0);\r\n").arg(i);
    return lines;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The lines a page cannot draw are kept, and the user is told so once, by a
// message box, on Open and on Compile.
class KeptLinesWarningTest : public QObject {
    Q_OBJECT
public:
    explicit KeptLinesWarningTest(CFolioApp& app)
        : app_(app) {}

private slots:
    void init() {
        QVERIFY(startAfresh(app_));
        frame_ = app_.mainFrame();
    }

    void compileTellsOnceWhenLinesPassTheList_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("kept");
        QTest::newRow("a full page: nothing to tell") << 500 << 0;
        QTest::newRow("one line past") << 501 << 1;
        QTest::newRow("many lines past, one message") << 1200 << 700;
    }
    void compileTellsOnceWhenLinesPassTheList() {
        QFETCH(int, lines);
        QFETCH(int, kept);
        frame_->codeView()->setPlainText(statements(1, lines));
        ModalAnswer answer;
        frame_->compile();
        const QStringList told =
            kept > 0 ? QStringList{QString::fromStdString(keptLinesWarning())} : QStringList{};
        QCOMPARE(answer.texts(), told);
        QCOMPARE(frame_->document().session().keptLines().count(), std::size_t(kept));
    }

    void openTellsOfBothAndSaveGivesEveryLineBack() {
        const QString path = dir_.filePath("long.txt");
        const QByteArray script =
            "\x1bP$\x1bPP\r\nBeginPage();\r\nSetMargin(0,0);\r\nSetPageSize(384,1248);\r\n// " +
            QByteArray(247, 'c') + "\r\nDrawText(0,0,1,0,\"" + QByteArray(220, 't') + "\");\r\n" +
            statements(1, 600).toLatin1() + "EndPage();\r\n\x1bP#\x04";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(script);
        file.close();

        ModalAnswer answer;
        QVERIFY(frame_->fileCommands().openDocument(path));
        QCOMPARE(answer.texts(), (QStringList{QString::fromStdString(longLineWarning()),
                                              QString::fromStdString(keptLinesWarning())}));
        QVERIFY(frame_->codeView()->toPlainText().contains(
            QStringLiteral("DrawRectangle(0,0,9,600,1,0);")));

        const QString saved = dir_.filePath("saved.txt");
        QVERIFY(frame_->fileCommands().saveDocument(saved));
        QCOMPARE(fileBytes(saved), script);
    }

private:
    CFolioApp& app_;
    CMainFrame* frame_ = nullptr;
    QTemporaryDir dir_;
};

QUILLSET_GUI_TEST_MAIN(KeptLinesWarningTest)

#include "KeptLinesWarningTest.moc"
