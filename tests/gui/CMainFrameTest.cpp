#include "GuiTestMain.h"
#include "ModalAnswer.h"
#include "ShownTitle.h"

#include "app/commands/FileCommands.h"
#include "app/pageview/CFolioView.h"
#include "app/scriptpane/CCodeView.h"
#include "app/shell/CFolioDoc.h"
#include "app/shell/CMainFrame.h"
#include "app/shell/Recovery.h"
#include "document/ScriptFile.h"
#include "model/ObjectList.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLockFile>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QScopeGuard>
#include <QSplitter>

#include <sys/resource.h>

#include <csignal>

using namespace quillset;

namespace {

const QString kRectangle = QStringLiteral("DrawRectangle(10,20,50,60,1,0);");

// Counts the key presses of one key that reach a widget.
class KeyCounter : public QObject {
public:
    KeyCounter(QWidget* widget, int key)
        : key_(key) {
        widget->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == key_)
            ++count;
        return false;
    }

private:
    int key_;
};

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class CMainFrameTest : public QObject {
    Q_OBJECT
public:
    explicit CMainFrameTest(CFolioApp& app)
        : app_(app) {}

private slots:
    void init() {
        QVERIFY(startAfresh(app_));
        frame_ = app_.mainFrame();
        QVERIFY(QTest::qWaitForWindowActive(frame_));
    }

    void panesSitInTheSplitter() {
        QCOMPARE(frame_->splitter()->widget(0), frame_->folioView());
        QCOMPARE(frame_->splitter()->widget(1), frame_->codeView());
        QCOMPARE(frame_->splitter()->orientation(), Qt::Vertical);
    }

    void f5CompilesWhereverTheFocusIs_data() {
        QTest::addColumn<int>("pane");
        QTest::newRow("page view") << 0;
        QTest::newRow("script pane") << 1;
        QTest::newRow("frame") << -1;
    }
    void f5CompilesWhereverTheFocusIs() {
        QFETCH(int, pane);
        frame_->codeView()->setPlainText(kRectangle + "\n" + kRectangle);
        QWidget* target =
            pane < 0 ? static_cast<QWidget*>(frame_) : frame_->splitter()->widget(pane);
        target->setFocus();
        QTest::keyClick(target, Qt::Key_F5);
        QCOMPARE(frame_->document().session().objects().count, 2);
        QCOMPARE(frame_->document().script(), kRectangle + "\r\n" + kRectangle);
        QVERIFY(frame_->document().isModified());
    }

    void typingLeavesTheScriptButPasteTakesIt() {
        CCodeView* pane = frame_->codeView();
        pane->setFocus();
        QTest::keyClicks(pane, "DrawText(1,2,1,0,\"x\");");
        QCOMPARE(frame_->document().script(), QString());

        QGuiApplication::clipboard()->setText(kRectangle);
        frame_->folioView()->setFocus();
        QTest::keyClick(frame_->folioView(), Qt::Key_V, Qt::ControlModifier);
        QTRY_COMPARE(frame_->document().script(), "DrawText(1,2,1,0,\"x\");" + kRectangle);
    }

    void pasteInsideThePaneTakesItToo() {
        CCodeView* pane = frame_->codeView();
        pane->setFocus();
        QGuiApplication::clipboard()->setText(kRectangle + "\n");
        QTest::keyClick(pane, Qt::Key_V, Qt::ControlModifier);
        QTRY_COMPARE(frame_->document().script(), kRectangle + "\r\n");
    }

    void copyActsOnTheScriptPaneFromThePageView() {
        CCodeView* pane = frame_->codeView();
        pane->setPlainText(kRectangle);
        pane->selectAll();
        QGuiApplication::clipboard()->clear();
        frame_->folioView()->setFocus();
        QTest::keyClick(frame_->folioView(), Qt::Key_C, Qt::ControlModifier);
        QTRY_COMPARE(QGuiApplication::clipboard()->text(), kRectangle);
    }

    // Ctrl+Z in the pane takes back typing first, then whole steps; redo
    // brings them back in the same order.
    void undoTakesBackTypingThenSteps() {
        CCodeView* pane = frame_->codeView();
        pane->setPlainText(kRectangle);
        frame_->compile();
        pane->setFocus();
        pane->moveCursor(QTextCursor::End);
        QTest::keyClicks(pane, "abc");
        QTest::keyClick(pane, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(pane->toPlainText(), kRectangle);
        QTest::keyClick(pane, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(pane->toPlainText(), QString());
        QCOMPARE(frame_->document().session().objects().count, 0);
        QTest::keyClick(pane, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(pane->toPlainText(), kRectangle);
        QCOMPARE(frame_->document().session().objects().count, 1);
    }

    // From the menu, typing not yet compiled is one step of its own.
    void menuUndoKeepsTypingAsAStep() {
        CCodeView* pane = frame_->codeView();
        pane->setPlainText(kRectangle);
        frame_->compile();
        pane->setFocus();
        pane->moveCursor(QTextCursor::End);
        QTest::keyClick(pane, Qt::Key_Return);
        QTest::keyClicks(pane, "DrawRectangle(1,1,2,2,1,0);");
        frame_->editUndo();
        QCOMPARE(pane->toPlainText(), kRectangle);
        frame_->editRedo();
        QCOMPARE(frame_->document().session().objects().count, 2);
    }

    // Typing opens Edit > Undo, which takes the typing back.
    void menuUndoOpensWithTyping() {
        QAction* undo = editMenuAction(QStringLiteral("&Undo"));
        QVERIFY(!undo->isEnabled());
        typeAtTheEnd(kRectangle);
        QVERIFY(undo->isEnabled());
        undo->trigger();
        QCOMPARE(frame_->codeView()->toPlainText(), QString());
        QVERIFY(!undo->isEnabled());
    }

    // Typing after an undo is a change of its own: redo, from the menu or
    // the keys, has nothing left to bring back and keeps what was typed.
    void redoAfterTypingKeepsTheTyping_data() {
        QTest::addColumn<bool>("key");
        QTest::newRow("Edit > Redo") << false;
        QTest::newRow("Ctrl+Y in the pane") << true;
    }
    void redoAfterTypingKeepsTheTyping() {
        QFETCH(bool, key);
        CCodeView* pane = frame_->codeView();
        pane->setPlainText(kRectangle);
        frame_->compile();
        frame_->editUndo();
        QVERIFY(frame_->document().canRedo());
        const QString typed = QStringLiteral("DrawText(1,2,1,0,\"x\");");
        typeAtTheEnd(typed);
        if (key)
            QTest::keyClick(pane, Qt::Key_Y, Qt::ControlModifier);
        else
            frame_->editRedo();
        QCOMPARE(pane->toPlainText(), typed);
        QCOMPARE(frame_->document().script(), typed);
        QVERIFY(!frame_->document().canRedo());
        frame_->editUndo();
        QCOMPARE(pane->toPlainText(), QString());
    }

    void paneRefusesTextBeyondItsLimit() {
        CCodeView* pane = frame_->codeView();
        const QString line = QString(999, QLatin1Char('x')) + QLatin1Char('\n');
        QString full = line.repeated(CCodeView::kTextLimit / line.size());
        full += QString(CCodeView::kTextLimit - full.size() - 3, QLatin1Char('y'));
        pane->setPlainText(full);
        pane->moveCursor(QTextCursor::End);
        pane->setFocus();

        QGuiApplication::clipboard()->setText(QStringLiteral("abcdef"));
        QTest::keyClick(pane, Qt::Key_V, Qt::ControlModifier);
        QTRY_VERIFY(pane->toPlainText().endsWith(QLatin1String("yabc")));
        QTest::keyClicks(pane, "z");
        QCOMPARE(pane->document()->characterCount() - 1, CCodeView::kTextLimit);
        QVERIFY(pane->toPlainText().endsWith(QLatin1String("yabc")));
    }

    // The pane shows the script when the document replaces it, not on every
    // repaint: a repaint must not throw away what was typed.
    void repaintKeepsTypedText() {
        CCodeView* pane = frame_->codeView();
        pane->setFocus();
        QTest::keyClicks(pane, "typed");
        frame_->resize(frame_->size() + QSize(40, 40));
        pane->repaint();
        QCOMPARE(pane->toPlainText(), QStringLiteral("typed"));
    }

    void scriptPaneFocusAsksThePageViewToDropItsTool() {
        KeyCounter dropTool(frame_->folioView(), Qt::Key_F15);
        frame_->folioView()->setFocus();
        frame_->codeView()->setFocus();
        QCOMPARE(dropTool.count, 0);
        QTRY_COMPARE(dropTool.count, 1);
    }

    void saveWritesThePageStreamAndNamesTheWindow() {
        frame_->codeView()->setPlainText(kRectangle);
        frame_->compile();
        const QString path = dir_.filePath("rect.txt");
        QVERIFY(frame_->fileCommands().saveDocument(path));
        QVERIFY(!frame_->document().isModified());
        QCOMPARE(shownTitle(frame_), QStringLiteral("rect.txt - Quillset 1.0.9"));
        QCOMPARE(fileBytes(path), QByteArray("\x1bP$\x1bPP\r\n"
                                             "BeginPage();\r\n"
                                             "SetMargin(0,0);\r\n"
                                             "SetPageSize(384,1248);\r\n"
                                             "DrawRectangle(10,20,50,60,1,0);\r\n"
                                             "EndPage();\r\n"
                                             "\x1bP#\x04"));
        QCOMPARE(app_.recentFiles().files().value(0), path);
    }

    // Typing is a change of the document, and Save first compiles what was
    // typed: the file holds what the pane shows, and so do the objects.
    void saveWritesWhatThePaneShows() {
        frame_->codeView()->setPlainText(kRectangle);
        frame_->compile();
        const QString path = dir_.filePath("typed.txt");
        QVERIFY(frame_->fileCommands().saveDocument(path));
        QCOMPARE(shownTitle(frame_), QStringLiteral("typed.txt - Quillset 1.0.9"));

        typeAtTheEnd(QStringLiteral("DrawText(5,6,1,0,\"typed\");"));
        QVERIFY(frame_->document().isModified());
        QCOMPARE(shownTitle(frame_), QStringLiteral("typed.txt* - Quillset 1.0.9"));
        QVERIFY(frame_->fileCommands().saveDocument(path));
        QVERIFY(fileBytes(path).contains(
            "DrawRectangle(10,20,50,60,1,0);\r\nDrawText(5,6,1,0,\"typed\");\r\n"));
        QCOMPARE(frame_->document().session().objects().count, 2);
        QVERIFY(!frame_->document().isModified());
        QCOMPARE(shownTitle(frame_), QStringLiteral("typed.txt - Quillset 1.0.9"));
    }

    // Print and Page Setup, like Save, work on what the pane shows. Their
    // dialogs and messages are answered; the compile comes before them.
    // Export and Redo (with nothing to redo) take the typing the same way.
    void commandsCompileTypedTextFirst_data() {
        QTest::addColumn<int>("command");
        QTest::newRow("Print") << 0;
        QTest::newRow("Page Setup") << 1;
        QTest::newRow("Export Image") << 2;
        QTest::newRow("Redo") << 3;
    }
    void commandsCompileTypedTextFirst() {
        QFETCH(int, command);
        app_.serialPort().portName = dir_.filePath("no-such-device");
        typeAtTheEnd(kRectangle);
        ModalAnswer answer;
        if (command == 0)
            frame_->filePrint();
        else if (command == 1)
            frame_->pageSetup();
        else if (command == 2)
            QVERIFY(frame_->fileCommands().exportImage(dir_.filePath("typed.png")));
        else
            frame_->editRedo();
        QCOMPARE(frame_->document().script(), kRectangle);
        QCOMPARE(frame_->document().session().objects().count, 1);
        QVERIFY(!frame_->codeView()->hasTypedText());
    }

    // Save goes through the engine's file writing: permissions and links
    // survive, and a write that fails part way keeps the old file.
    void saveKeepsPermissionsAndWritesThroughLinks() {
        frame_->codeView()->setPlainText(kRectangle);
        frame_->compile();
        const QString path = dir_.filePath("kept.txt");
        QVERIFY(frame_->fileCommands().saveDocument(path));
        const auto permissions =
            QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup;
        QVERIFY(QFile::setPermissions(path, permissions));
        const QString link = dir_.filePath("link.txt");
        QVERIFY(QFile::link(path, link));

        frame_->codeView()->setPlainText(QStringLiteral("DrawRectangle(1,2,3,4,1,0);"));
        frame_->compile();
        QVERIFY(frame_->fileCommands().saveDocument(link));
        QVERIFY(QFileInfo(link).isSymLink());
        QVERIFY(fileBytes(path).contains("DrawRectangle(1,2,3,4,1,0);"));
        QCOMPARE(QFile::permissions(path), permissions);
    }

    void failedWriteKeepsTheOldFile() {
        frame_->codeView()->setPlainText(kRectangle);
        frame_->compile();
        QTemporaryDir dir;
        const QString path = dir.filePath("old.txt");
        QVERIFY(frame_->fileCommands().saveDocument(path));
        const QByteArray old = fileBytes(path);

        frame_->codeView()->setPlainText(QStringLiteral("DrawText(0,0,0,1,\"%1\");")
                                             .arg(QString(150, QLatin1Char('x'))));
        frame_->compile();
        ModalAnswer answer;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit oldLimit{};
        ::getrlimit(RLIMIT_FSIZE, &oldLimit);
        rlimit small = oldLimit;
        small.rlim_cur = 16;
        ::setrlimit(RLIMIT_FSIZE, &small);
        const bool saved = frame_->fileCommands().saveDocument(path);
        ::setrlimit(RLIMIT_FSIZE, &oldLimit);
        std::signal(SIGXFSZ, oldHandler);

        QVERIFY(!saved);
        QCOMPARE(answer.texts(), QStringList{QString::fromLatin1(kWriteFailed)});
        QCOMPARE(fileBytes(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.txt"});
        QVERIFY(frame_->document().isModified());
    }

#ifdef QUILLSET_CLI
    // The exported picture is the command line's rendering, dot for dot, and
    // says how big a dot is.
    void exportWritesTheRenderedDotsLifeSize() {
        const QString script = dir_.filePath("export.txt");
        QFile file(script);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("SetMargin(8,16);\r\nSetPageSize(576,300);\r\n"
                   "DrawRectangle(10,20,50,60,1,2);\r\nDrawText(5,80,3,0,\"<b>Hi</b>\");\r\n"
                   "DrawBarcode(20,120,0,0,2,40,\"\x88"
                   "ABC123\");\r\n");
        file.close();
        QVERIFY(frame_->fileCommands().openDocument(script));
        const QString exported = dir_.filePath("export.png");
        QVERIFY(frame_->fileCommands().exportImage(exported));

        const QString rendered = dir_.filePath("rendered.png");
        QProcess cli;
        cli.start(QStringLiteral(QUILLSET_CLI), {"render", script, "-o", rendered});
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitCode(), 0);

        const QImage mine(exported);
        const QImage theirs(rendered);
        QCOMPARE(mine.size(), QSize(576, 300));
        QCOMPARE(mine.convertToFormat(QImage::Format_RGB32),
                 theirs.convertToFormat(QImage::Format_RGB32));
        QCOMPARE(mine.dotsPerMeterX(), 8000);
        QCOMPARE(mine.dotsPerMeterY(), 8000);
        QCOMPARE(theirs.dotsPerMeterX(), 8000);
        QVERIFY(mine.convertToFormat(QImage::Format_RGB32).pixelColor(10, 20) == Qt::black);
    }
#endif

    void openShowsTheCanonicalScript() {
        const QString path = dir_.filePath("loose.txt");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("SetMargin(16,8);\r\ndrawrectangle ( 1 , 2 , 3 , 4 , 1 , 0 )\r\n");
        file.close();

        frame_->codeView()->setPlainText("left over");
        QVERIFY(frame_->fileCommands().openDocument(path));
        QCOMPARE(frame_->codeView()->toPlainText(),
                 QStringLiteral("DrawRectangle(1,2,3,4,1,0);\n"));
        QCOMPARE(frame_->document().session().objects().count, 1);
        QVERIFY(!frame_->document().isModified());
        QCOMPARE(shownTitle(frame_), QStringLiteral("loose.txt - Quillset 1.0.9"));

        frame_->fileCommands().fileNew();
        QCOMPARE(shownTitle(frame_), QStringLiteral("Untitled - Quillset 1.0.9"));
        QCOMPARE(frame_->codeView()->toPlainText(), QString());
        QCOMPARE(frame_->document().session().objects().count, 0);
    }

    void failedFileCommandsTellTheUserAndChangeNothing() {
        frame_->codeView()->setPlainText(kRectangle);
        frame_->compile();
        {
            ModalAnswer answer;
            QVERIFY(!frame_->fileCommands().openDocument(dir_.filePath("missing.txt")));
            QCOMPARE(answer.texts(), QStringList{QString::fromLatin1(kOpenForReadFailed)});
        }
        {
            ModalAnswer answer;
            QVERIFY(!frame_->fileCommands().saveDocument(dir_.filePath("no/such/folder/x.txt")));
            QCOMPARE(answer.texts(), QStringList{QString::fromLatin1(kOpenForWriteFailed)});
        }
        QCOMPARE(frame_->document().script(), kRectangle);
        QVERIFY(frame_->document().isModified());
        QCOMPARE(shownTitle(frame_), QStringLiteral("Untitled* - Quillset 1.0.9"));
    }

    void savePromptGuardsAModifiedDocument_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("replaced");
        QTest::addColumn<bool>("saved");
        QTest::newRow("Cancel keeps the page") << int(QMessageBox::Cancel) << false << false;
        QTest::newRow("No discards it") << int(QMessageBox::No) << true << false;
        QTest::newRow("Yes saves it first") << int(QMessageBox::Yes) << true << true;
    }
    void savePromptGuardsAModifiedDocument() {
        QFETCH(int, button);
        QFETCH(bool, replaced);
        QFETCH(bool, saved);
        const QString path = dir_.filePath("prompt.txt");
        QFile::remove(path);
        QVERIFY(frame_->fileCommands().saveDocument(path));
        frame_->codeView()->setPlainText(kRectangle);
        frame_->compile();

        ModalAnswer answer(static_cast<QMessageBox::StandardButton>(button));
        frame_->fileCommands().fileNew();
        QCOMPARE(answer.texts(), QStringList{"Save changes to prompt.txt?"});
        QCOMPARE(frame_->document().script().isEmpty(), replaced);
        QCOMPARE(fileBytes(path).contains(kRectangle.toLatin1()), saved);
    }

    void unmodifiedDocumentIsReplacedWithoutAsking() {
        ModalAnswer answer;
        frame_->fileCommands().fileNew();
        QVERIFY(answer.texts().isEmpty());
    }

    void closingAsksAndCancelKeepsTheWindow() {
        frame_->codeView()->setPlainText(kRectangle);
        frame_->compile();
        ModalAnswer answer(QMessageBox::Cancel);
        QVERIFY(!frame_->close());
        QVERIFY(frame_->isVisible());
        QCOMPARE(answer.texts(), QStringList{"Save changes to Untitled?"});
    }

    void printWithoutADeviceTellsWhy() {
        app_.serialPort().portName = dir_.filePath("no-such-device");
        ModalAnswer answer;
        frame_->filePrint();
        QCOMPARE(answer.texts(),
                 QStringList({"Com port could not be opened.", "Serial transmission error."}));
    }

    void recentFileThatCannotBeOpenedLeavesTheList() {
        const QString path = dir_.filePath("recent.txt");
        QVERIFY(frame_->fileCommands().saveDocument(path));
        QVERIFY(QFile::remove(path));
        QList<QAction*> entries;
        for (QAction* action : frame_->menuBar()->actions().constFirst()->menu()->actions())
            if (action->text().startsWith("&1 "))
                entries << action;
        QCOMPARE(entries.size(), 1);
        ModalAnswer answer;
        entries.constFirst()->trigger();
        QCOMPARE(answer.texts(), QStringList{QString::fromLatin1(kOpenForReadFailed)});
        QVERIFY(app_.recentFiles().files().isEmpty());
    }

    // Typed changes are kept while the program runs; a start after a crash
    // offers them, leaving alone what a running program keeps; Save removes
    // them.
    void recoveryWrittenOfferedAndRemoved() {
        const QString label = dir_.filePath("label.txt");
        QVERIFY(frame_->fileCommands().saveDocument(label));
        const QByteArray onDisk = fileBytes(label);
        frame_->codeView()->setPlainText(kRectangle);
        const QString kept = frame_->recovery().path();
        QTRY_VERIFY(QFile::exists(kept));
        QVERIFY(fileBytes(kept).startsWith(QFile::encodeName(label) + '\n'));
        QVERIFY(fileBytes(kept).contains(kRectangle.toLatin1()));

        const QDir folder(Recovery::folder());
        QVERIFY(QFile::copy(kept, folder.filePath("1-1.recovery")));
        QVERIFY(QFile::copy(kept, folder.filePath("2-2.recovery")));
        QLockFile running(folder.filePath("2-2.lock"));
        QVERIFY(running.tryLock(0));
        ModalAnswer recover(QMessageBox::Yes);
        QVERIFY(startAfresh(app_));
        frame_ = app_.mainFrame();
        QCOMPARE(recover.texts(),
                 QStringList{"Quillset closed without saving the changes to label.txt. "
                             "Recover them?"});
        QVERIFY(!QFile::exists(kept));
        QVERIFY(!QFile::exists(folder.filePath("1-1.recovery")));
        QVERIFY(QFile::exists(folder.filePath("2-2.recovery")));
        QCOMPARE(frame_->document().script(), kRectangle + QStringLiteral("\r\n"));
        QVERIFY(frame_->document().isModified());
        QCOMPARE(frame_->document().pathName(), label);
        QCOMPARE(fileBytes(label), onDisk);

        QVERIFY(QFile::exists(frame_->recovery().path()));
        QVERIFY(frame_->fileCommands().saveDocument(label));
        QVERIFY(!QFile::exists(frame_->recovery().path()));
        QVERIFY(QFile::remove(folder.filePath("2-2.recovery")));
    }

    // Discard deletes each left-over file and leaves the document the user
    // opened as it is on disk; nothing of the discarded text is written again
    // or offered at the next start.
    void recoveryDiscardedKeepsTheOpenedDocument() {
        const QString label = dir_.filePath("discard.txt");
        frame_->codeView()->setPlainText(kRectangle);
        QVERIFY(frame_->fileCommands().saveDocument(label));
        const QByteArray onDisk = fileBytes(label);
        const QString discarded = QStringLiteral("DrawRectangle(70,80,90,100,1,0);");
        frame_->codeView()->setPlainText(discarded);
        const QString kept = frame_->recovery().path();
        QTRY_VERIFY(fileBytes(kept).contains(discarded.toLatin1()));
        const QDir folder(Recovery::folder());
        // Should Discard leave them, the next start would wait for an answer.
        const auto leftOver = qScopeGuard([&folder] {
            QFile::remove(folder.filePath("1-1.recovery"));
            QFile::remove(folder.filePath("2-2.recovery"));
        });
        QVERIFY(QFile::copy(kept, folder.filePath("1-1.recovery")));
        QVERIFY(QFile::copy(kept, folder.filePath("2-2.recovery")));
        {
            ModalAnswer discard(QMessageBox::Discard);
            QVERIFY(startAfresh(app_, label));
            frame_ = app_.mainFrame();
            const QString question = QStringLiteral(
                "Quillset closed without saving the changes to discard.txt. Recover them?");
            QCOMPARE(discard.texts(), QStringList({question, question}));
        }
        QCOMPARE(folder.entryList({"*.recovery"}), QStringList());
        QCOMPARE(frame_->document().pathName(), label);
        QCOMPARE(frame_->document().script(), kRectangle + QStringLiteral("\r\n"));
        QVERIFY(!frame_->document().isModified());
        QVERIFY(!frame_->codeView()->toPlainText().contains(discarded));
        QCOMPARE(fileBytes(label), onDisk);
        QTest::qWait(2 * Recovery::kAfterStep);
        QCOMPARE(folder.entryList({"*.recovery"}), QStringList());

        ModalAnswer none;
        QVERIFY(startAfresh(app_));
        frame_ = app_.mainFrame();
        QVERIFY(none.texts().isEmpty());
    }

private:
    QAction* editMenuAction(const QString& text) {
        for (QAction* action : frame_->menuBar()->actions().at(1)->menu()->actions()) {
            if (action->text() == text)
                return action;
        }
        qFatal("no such action in the Edit menu");
    }

    void typeAtTheEnd(const QString& text) {
        CCodeView* pane = frame_->codeView();
        pane->setFocus();
        pane->moveCursor(QTextCursor::End);
        if (!pane->toPlainText().isEmpty())
            QTest::keyClick(pane, Qt::Key_Return);
        QTest::keyClicks(pane, text);
    }

    CFolioApp& app_;
    CMainFrame* frame_ = nullptr;
    QTemporaryDir dir_;
};

QUILLSET_GUI_TEST_MAIN(CMainFrameTest)
#include "CMainFrameTest.moc"
