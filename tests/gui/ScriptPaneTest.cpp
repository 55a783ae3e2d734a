#include "GuiTestMain.h"

#include "app/scriptpane/CCodeView.h"
#include "app/scriptpane/ScriptDiagnostics.h"
#include "app/scriptpane/ScriptHighlighter.h"
#include "app/shell/CMainFrame.h"

#include <QAccessible>
#include <QStatusBar>
#include <QTextBlock>
#include <QToolTip>

using namespace quillset;

namespace {

// One letter a character: Keyword, Number, Literal, Tag, Escape, '.' plain.
QString spanMask(const QTextBlock& block) {
    static const char kLetters[] = "KNLTE";
    QString mask(block.length() - 1, QLatin1Char('.'));
    for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
        if (const auto kind = ScriptHighlighter::spanKind(range.format))
            mask.replace(range.start, range.length,
                         QString(range.length, QLatin1Char(kLetters[static_cast<int>(*kind)])));
    }
    return mask;
}

void moveCursor(QPlainTextEdit* pane, qsizetype position) {
    QTextCursor cursor = pane->textCursor();
    cursor.setPosition(static_cast<int>(position));
    pane->setTextCursor(cursor);
}

const QString kGoodLine = QStringLiteral("DrawText(0,0,1,0,\"ok\");");

} // namespace

// The script pane colours what the reader understands and marks, as the user
// types, the drawing statements it cannot read.
class ScriptPaneTest : public QObject {
    Q_OBJECT
public:
    explicit ScriptPaneTest(CFolioApp& app)
        : app_(app) {}

private:
    // The texts the accessibility layer offers in the status bar, as screen
    // readers read them: its shown children's names.
    QStringList heardInStatusBar() const {
        QStringList heard;
        QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(frame_->statusBar());
        for (int i = 0; i < bar->childCount(); ++i) {
            QAccessibleInterface* child = bar->child(i);
            const QString name = child->text(QAccessible::Name);
            if (!child->state().invisible && !name.isEmpty())
                heard << name;
        }
        return heard;
    }

private slots:
    void init() {
        QVERIFY(startAfresh(app_));
        frame_ = app_.mainFrame();
        QVERIFY(QTest::qWaitForWindowActive(frame_));
        pane_ = frame_->codeView();
        diagnostics_ = pane_->findChild<ScriptDiagnostics*>();
        QVERIFY(diagnostics_);
    }

    void highlighterSpans_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("mask");
        const auto row = [](const char* why, const char* line, const char* mask) {
            QTest::newRow(why) << QString::fromUtf8(line) << QString::fromUtf8(mask);
        };
        row("keyword and numbers, the sign with its digits", "DrawRectangle(10,-20,30,40,1,0);",
            "KKKKKKKKKKKKK.NN.NNN.NN.NN.N.N..");
        row("any case, blanks anywhere", "  drawtext ( 1 , 2 , 1 , 0 , \"ab\" ) ;",
            "..KKKKKKKK...N...N...N...N...LLLL....");
        row("tags and escapes inside the literal", "DrawText(0,0,1,0,\"<F=5><B>Hi\\n\\\"x</B>\");",
            "KKKKKKKK.N.N.N.N.LTTTTTTTTLLEEEELTTTTL..");
        row("an escaped '<' opens no tag", "DrawText(0,0,1,0,\"a\\<b\\\\\")",
            "KKKKKKKK.N.N.N.N.LLEELEEL.");
        row("barcode", "DrawBarcode(5,6,0,1,1,40,\"12\");", "KKKKKKKKKKK.N.N.N.N.N.NN.LLLL..");
        row("an unclosed literal runs to the line's end", "DrawText(0,0,1,0,\"abc)",
            "KKKKKKKK.N.N.N.N.LLLLL");
        row("an unclosed tag stops at the quote", "DrawText(0,0,1,0,\"<B x\");",
            "KKKKKKKK.N.N.N.N.LTTTTL..");
        row("a misspelt keyword is no keyword", "DrawTxt(0,0,1,0,\"x\");", "........N.N.N.N.LLL..");
        row("a tab before the keyword: the reader does not find it", "\tDrawText(0,0,1,0,\"x\")",
            "..........N.N.N.N.LLL.");
        row("nothing past the statement", "DrawRectangle(1,2,3,4,5,6) 7 \"x\"",
            "KKKKKKKKKKKKK.N.N.N.N.N.N.......");
        row("characters, not bytes", "DrawText(0,0,1,0,\"\xc3\xa9<B>\")",
            "KKKKKKKK.N.N.N.N.LLTTTL.");
        row("a character of two UTF-16 units", "DrawText(0,0,1,0,\"\xf0\x9f\x98\x80<B>\")",
            "KKKKKKKK.N.N.N.N.LLLTTTL.");
        row("Shift+Enter breaks the line as Compile does",
            "SetMargin(1,1)\xe2\x80\xa8"
            "DrawText(0,0,1,0,\"x\")",
            "...............KKKKKKKK.N.N.N.N.LLL.");
        row("a page statement is kept as written", "SetMargin(8,8);", "...............");
        row("a comment", "// DrawText(0,0,1,0,\"x\");", ".........................");
        row("any other text", "Hello 12 \"x\"", "............");
    }
    void highlighterSpans() {
        QFETCH(QString, line);
        QFETCH(QString, mask);
        pane_->setPlainText(line);
        QCOMPARE(spanMask(pane_->document()->firstBlock()), mask);
    }

    void diagnostics_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("badLine");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<bool>("note");
        const auto row = [](const char* why, const char* before, const char* bad, int from, int to,
                            const char* reason, bool note = false) {
            QTest::newRow(why) << QString::fromUtf8(before) + QString::fromUtf8(bad)
                               << QString::fromUtf8(bad) << from << to << QString::fromUtf8(reason)
                               << note;
        };
        row("an argument short", "DrawText(0,0,1,0,\"ok\");\n", "DrawRectangle(10,20,30,40,1);", 27,
            29, "expected ','");
        row("a misspelt keyword: the whole line", "", "DrawTxt(0,0,1,0,\"x\");", 0, 21,
            "unknown statement");
        row("text after the literal", "// note\n", "  drawbarcode(0,0,0,0,1,40,\"12\" x);", 32, 35,
            "expected ')'");
        row("a bad tag", "", "DrawText(0,0,1,0,\"<Q>\");", 19, 24, "unknown tag");
        row("given up at the line's end: its last character", "", "DrawRectangle(1,2,3,4,5,6", 24,
            25, "expected ')'");
        row("columns count characters", "", "DrawText(0,0,1,0,\"\xc3\xa9<Q>\");", 20, 25,
            "unknown tag");
        row("a character of two UTF-16 units", "", "DrawText(0,0,1,0,\"\xf0\x9f\x98\x80<Q>\");", 21,
            26, "unknown tag");
        row("after a Shift+Enter break", "SetMargin(1,1)\xe2\x80\xa8", "DrawTxt(1)", 0, 10,
            "unknown statement");
        row("past the 2-inch page's right edge: the whole statement", "",
            "DrawBarcode(200,0,0,1,1,40,\"12\");", 0, 33,
            "the barcode ends at dot 392; the page is 384 wide: it will be cut and will not scan");
        row("a family drawn with another: a note, it prints", "",
            "DrawFontText(0,0,1,0,24,0,0,0,\"NoSuchFamily\",\"x\");", 30, 50,
            "'NoSuchFamily' is not installed; drawn with DejaVu Sans", true);
        row("a character no font has: a problem", "",
            "DrawFontText(0,0,1,0,24,0,0,0,\"\",\"\\u{13080}\");", 33, 46,
            "no installed font has '\xf0\x93\x82\x80'");
    }
    void diagnostics() {
        QFETCH(QString, script);
        QFETCH(QString, badLine);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, reason);
        QFETCH(bool, note);
        pane_->setPlainText(script + QLatin1Char('\n') + kGoodLine);
        diagnostics_->check();
        const qsizetype lineStart = script.size() - badLine.size();

        const QList<QTextEdit::ExtraSelection> marks = pane_->extraSelections();
        QCOMPARE(marks.size(), 1);
        QCOMPARE(marks[0].cursor.selectionStart(), lineStart + from);
        QCOMPARE(marks[0].cursor.selectionEnd(), lineStart + to);
        QCOMPARE(marks[0].format.underlineStyle(), QTextCharFormat::WaveUnderline);
        QCOMPARE(marks[0].format.underlineColor() != QColor(Qt::red), note);

        QToolTip::hideText();
        QTRY_VERIFY(!QToolTip::isVisible());
        if (from > 1) {
            hover(lineStart);
            QVERIFY2(!QToolTip::isVisible(), "no tooltip before the reading's column");
        }
        hover(lineStart + from);
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), reason);

        moveCursor(pane_, lineStart);
        QCOMPARE(frame_->statusBar()->currentMessage(), reason);
        QVERIFY2(heardInStatusBar().contains(reason), "screen readers hear the reason");
        moveCursor(pane_, pane_->document()->characterCount() - 1);
        QCOMPARE(frame_->statusBar()->currentMessage(), QString());
        QVERIFY(heardInStatusBar().contains(QStringLiteral("Ready")));
        QVERIFY(!heardInStatusBar().contains(reason));
    }

    void readableAndPlainLinesAreNotMarked() {
        pane_->setPlainText(kGoodLine + QStringLiteral("\nDrawRectangle(50,60,10,20,1,0)\n\n"
                                                       "SetMargin(x);\n// DrawTxt(\nhello"));
        diagnostics_->check();
        QVERIFY(pane_->extraSelections().isEmpty());
    }

    void linesPastThe500thAreMarkedToTheEnd() {
        QString script;
        for (int i = 1; i <= 502; ++i)
            script += QStringLiteral("DrawRectangle(0,0,9,%1,1,0);\n").arg(i);
        pane_->setPlainText(script);
        diagnostics_->check();
        const qsizetype line501 = pane_->document()->findBlockByNumber(500).position();
        const QList<QTextEdit::ExtraSelection> marks = pane_->extraSelections();
        QCOMPARE(marks.size(), 1);
        QCOMPARE(marks[0].cursor.selectionStart(), line501);
        QCOMPARE(marks[0].cursor.selectionEnd(), pane_->document()->characterCount() - 1);

        moveCursor(pane_, pane_->document()->findBlockByNumber(501).position());
        QCOMPARE(frame_->statusBar()->currentMessage(),
                 QStringLiteral("past the 500th line, not drawn"));
        moveCursor(pane_, line501 - 1);
        QCOMPARE(frame_->statusBar()->currentMessage(), QString());
    }

    // The check waits for typing to pause and follows what was typed.
    void typingIsCheckedWhenItPauses() {
        pane_->clear();
        diagnostics_->check();
        pane_->setFocus();
        QTest::keyClicks(pane_, QStringLiteral("DrawTxt(1)"));
        QVERIFY2(pane_->extraSelections().isEmpty(), "not while typing");
        QTRY_COMPARE(pane_->extraSelections().size(), 1);
        QCOMPARE(frame_->statusBar()->currentMessage(), QStringLiteral("unknown statement"));

        pane_->selectAll();
        QTest::keyClicks(pane_, kGoodLine);
        QTRY_VERIFY(pane_->extraSelections().isEmpty());
        QCOMPARE(frame_->statusBar()->currentMessage(), QString());
    }

    // The reason comes back when a menu's status tip has cleared the bar, and
    // a message that is not the pane's stays when the cursor moves.
    void statusBarKeepsToItsOwnText() {
        pane_->setPlainText(QStringLiteral("DrawTxt(1)\n") + kGoodLine + QLatin1Char('\n') +
                            kGoodLine);
        diagnostics_->check();
        pane_->setFocus();
        QTRY_VERIFY(pane_->hasFocus());
        moveCursor(pane_, 0);
        frame_->statusBar()->showMessage(QStringLiteral("Opens a document."));
        frame_->statusBar()->clearMessage();
        QCOMPARE(frame_->statusBar()->currentMessage(), QStringLiteral("unknown statement"));

        moveCursor(pane_, pane_->document()->findBlockByNumber(1).position());
        frame_->statusBar()->showMessage(QStringLiteral("The page is full."));
        moveCursor(pane_, pane_->document()->findBlockByNumber(2).position());
        QCOMPARE(frame_->statusBar()->currentMessage(), QStringLiteral("The page is full."));
    }

    // A picture's dot lines fold under its statement when the pane shows
    // the script; they stay in the text, and a click on the marker or the
    // cursor reaching them opens them.
    void pictureDotsFoldUnderTheStatement() {
        const QString picture =
            QStringLiteral("DrawPicture(0,0,16,4,0,128,\"\");\n:eNoBCAD3////////////I+QH+Q==\n");
        const QString script = kGoodLine + QLatin1Char('\n') + picture + picture + kGoodLine;
        const auto show = [this](const QString& text) {
            pane_->setPlainText(text);
            frame_->compile();
            pane_->showScript();
        };
        show(script);
        QCOMPARE(pane_->toPlainText(), script);
        QTextDocument* text = pane_->document();
        const auto shown = [text] {
            QList<bool> visible;
            for (QTextBlock b = text->begin(); b.isValid(); b = b.next())
                visible << b.isVisible();
            return visible;
        };
        QCOMPARE(shown(), (QList<bool>{true, true, false, true, false, true}));

        QTextCursor end(text->findBlockByNumber(1));
        end.movePosition(QTextCursor::EndOfBlock);
        const QPoint marker = pane_->cursorRect(end).center() + QPoint(40, 0);
        QTest::mouseClick(pane_->viewport(), Qt::LeftButton, {}, marker);
        QCOMPARE(shown(), (QList<bool>{true, true, true, true, false, true}));

        show(script + QLatin1Char('\n'));
        QCOMPARE(shown().count(false), 2);
        moveCursor(pane_, text->findBlockByNumber(4).position());
        QCOMPARE(shown(), (QList<bool>{true, true, false, true, true, true, true}));

        // A line typed between a statement and its folded dots parts them:
        // the dots show, none stay hidden without their marker.
        show(script);
        QTextCursor statementEnd(text->findBlockByNumber(1));
        statementEnd.movePosition(QTextCursor::EndOfBlock);
        pane_->setTextCursor(statementEnd);
        pane_->setFocus();
        QTest::keyClick(pane_, Qt::Key_Return);
        QCOMPARE(shown(), (QList<bool>{true, true, true, true, true, false, true}));
    }

private:
    void hover(qsizetype position) {
        QTextCursor cursor(pane_->document());
        cursor.setPosition(static_cast<int>(position));
        const QPoint at = pane_->cursorRect(cursor).center() + QPoint(2, 0);
        QHelpEvent event(QEvent::ToolTip, at, pane_->viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(pane_->viewport(), &event);
    }

    CFolioApp& app_;
    CMainFrame* frame_ = nullptr;
    CCodeView* pane_ = nullptr;
    ScriptDiagnostics* diagnostics_ = nullptr;
};

QUILLSET_GUI_TEST_MAIN(ScriptPaneTest)
#include "ScriptPaneTest.moc"
