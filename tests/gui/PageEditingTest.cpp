#include "ChangeCounter.h"
#include "DialogDriver.h"
#include "GuiTestMain.h"

#include "app/commands/FileCommands.h"
#include "app/pageview/CFolioView.h"
#include "app/pageview/DragFrame.h"
#include "app/scriptpane/CCodeView.h"
#include "app/scriptpane/ScriptDiagnostics.h"
#include "app/shell/CFolioDoc.h"
#include "app/shell/CMainFrame.h"
#include "model/ObjectList.h"
#include "model/PageSettings.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTransform>

#include <functional>

using namespace quillset;
using namespace dialog_driver;

namespace {

// The page's margins in these tests, so that every gesture goes through
// the conversion from the window's pixels to page dots.
constexpr QPoint kMargins(16, 8);

const QString kTopMost =
    QStringLiteral("The Object you selected is already at the Top Most position");

// Acts once on the next pop-up menu or dialog of its kind that opens, as a
// user would.
class NextWindow : public QObject {
public:
    NextWindow(const QMetaObject& kind, std::function<void(QWidget*)> act)
        : act_(std::move(act)) {
        connect(&timer_, &QTimer::timeout, this, [this, &kind] {
            QWidget* shown = QApplication::activePopupWidget();
            if (!shown)
                shown = QApplication::activeModalWidget();
            if (!shown || done_ || !kind.cast(shown))
                return;
            done_ = true;
            act_(shown);
        });
        timer_.start(10);
    }
    bool done() const { return done_; }

private:
    std::function<void(QWidget*)> act_;
    QTimer timer_;
    bool done_ = false;
};

void clickMenuItem(QWidget* popup, const QString& text) {
    auto* menu = qobject_cast<QMenu*>(popup);
    QVERIFY(menu);
    for (QAction* action : menu->actions())
        if (action->text() == text)
            return QTest::mouseClick(menu, Qt::LeftButton, {},
                                     menu->actionGeometry(action).center());
    QFAIL(qPrintable("no menu item " + text));
}

// Shows the Text Edit dialog's side of that name when it has both.
void showSide(QWidget* dialog, const QString& name) {
    auto* sides = named<QTabWidget>(*dialog, QStringLiteral("Font kind"));
    QVERIFY(sides);
    QTabBar* bar = sides->tabBar();
    for (int i = 0; i < bar->count(); ++i)
        if (bar->isVisible() && QString(bar->tabText(i)).remove(QLatin1Char('&')) == name)
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
}

void typeInto(QSpinBox* box, int value) {
    QVERIFY(box);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, QString::number(value));
}

// The dialogs' parts of the table-driven tests.
void typeHi(QWidget* dialog) {
    showSide(dialog, QStringLiteral("Printer font"));
    auto* text = named<QTextEdit>(*dialog, QStringLiteral("Text"));
    QVERIFY(text);
    text->setFocus();
    QTest::keyClicks(text, "Hi");
    pressOk(*qobject_cast<QDialog*>(dialog));
}
void code128Abc(QWidget* dialog) {
    retype(named<QLineEdit>(*dialog, QStringLiteral("Data")), QStringLiteral("ABC"));
    click(button(*dialog, QStringLiteral("Code 128")));
    pressOk(*qobject_cast<QDialog*>(dialog));
}
void width100(QWidget* dialog) {
    retype(named<QLineEdit>(*dialog, QStringLiteral("Width")), QStringLiteral("100"));
    pressOk(*qobject_cast<QDialog*>(dialog));
}
void angle180(QWidget* dialog) {
    click(button(*dialog, QStringLiteral("180")));
    pressOk(*qobject_cast<QDialog*>(dialog));
}
void cancel(QWidget* dialog) {
    qobject_cast<QDialog*>(dialog)->reject();
}
void ok(QWidget* dialog) {
    pressOk(*qobject_cast<QDialog*>(dialog));
}
void qrCodeAddress(QWidget* dialog) {
    retype(named<QLineEdit>(*dialog, QStringLiteral("Data")), QStringLiteral("https://q.example"));
    pressOk(*qobject_cast<QDialog*>(dialog));
}
// Two lines in bold DejaVu Serif of 30 dots.
void fontTextHiThere(QWidget* dialog) {
    showSide(dialog, QStringLiteral("Installed font"));
    retype(named<QLineEdit>(*dialog, QStringLiteral("Find family")), QStringLiteral("serif"));
    typeInto(named<QSpinBox>(*dialog, QStringLiteral("Size in dots")), 30);
    click(button(*dialog, QStringLiteral("&Bold")));
    auto* text = named<QPlainTextEdit>(*dialog, QStringLiteral("Font text"));
    QVERIFY(text);
    text->setFocus();
    QTest::keyClicks(text, "Hi");
    QTest::keyClick(text, Qt::Key_Return);
    QTest::keyClicks(text, "there");
    pressOk(*qobject_cast<QDialog*>(dialog));
}
// Italic, centred, and shrunk into 200 dots.
void fontTextItalicCentred(QWidget* dialog) {
    click(button(*dialog, QStringLiteral("&Italic")));
    click(button(*dialog, QStringLiteral("Centre")));
    typeInto(named<QSpinBox>(*dialog, QStringLiteral("Width to shrink into")), 200);
    pressOk(*qobject_cast<QDialog*>(dialog));
}
using DialogAction = void (*)(QWidget*);
const DialogAction kDialogActions[] = {typeHi,        code128Abc,      width100,
                                       angle180,      cancel,          ok,
                                       qrCodeAddress, fontTextHiThere, fontTextItalicCentred};

} // namespace

class PageEditingTest : public QObject {
    Q_OBJECT
public:
    explicit PageEditingTest(CFolioApp& app)
        : app_(app) {}

private slots:
    void init() {
        QVERIFY(startAfresh(app_));
        frame_ = app_.mainFrame();
        view_ = frame_->folioView();
        QVERIFY(QTest::qWaitForWindowActive(frame_));
        PageSettings page = document().session().settings();
        page.leftMargin = static_cast<std::int16_t>(kMargins.x());
        page.topMargin = static_cast<std::int16_t>(kMargins.y());
        page.pageWidth = 352;
        document().setPageSettings(page);
    }

    void toolBarInItsOrder() {
        const auto buttons = [this](const char* bar) {
            QStringList names;
            for (QAction* action : frame_->findChild<QToolBar*>(QString::fromLatin1(bar))->actions())
                names << (action->isSeparator() ? QStringLiteral("|") : action->toolTip());
            return names.join(',');
        };
        QCOMPARE(buttons("toolBar"),
                 QStringLiteral("Grid,|,Draw a white filled rectangle,Draw a black filled rectangle,"
                                "Draw a white hollow rectangle,Draw a black hollow rectangle,"
                                "Draw Text,Draw Barcode,Draw Symbol,Place Picture,|,Move Item,"
                                "Resize item,Erase Item,Compile (F5),|,About"));
        QCOMPARE(buttons("recordBar"),
                 QStringLiteral("First Record,Previous Record,Record,Next Record,Last Record,"
                                "Go to record,Previous Problem,Next Problem,Record's problem"));
        QCOMPARE(toolButton("Draw Text")->defaultAction()->statusTip(), QStringLiteral("Text"));
        QCOMPARE(toolButton("Resize item")->defaultAction()->statusTip(),
                 QStringLiteral("Click and drag the lower right corner of an item to resize it."));
        QVERIFY(!toolButton("Erase Item")->icon().isNull());
        QCOMPARE(view_->accessibleName(), QStringLiteral("Page"));
        QCOMPARE(frame_->codeView()->accessibleName(), QStringLiteral("Script"));
    }

    // The buttons show the tool set, which also changes by itself.
    void checkMarksFollowTheTools() {
        clickTool("Draw a white filled rectangle");
        clickTool("Draw a black hollow rectangle");
        QCOMPARE(checkedTools(), QStringList{"Draw a black hollow rectangle"});
        clickTool("Draw a black hollow rectangle");
        QCOMPARE(checkedTools(), QStringList());

        clickTool("Move Item");
        frame_->codeView()->setFocus();
        QTRY_COMPARE(checkedTools(), QStringList());

        clickTool("Resize item");
        NextWindow ok(QDialog::staticMetaObject,
                      [](QWidget* dialog) { pressOk(*qobject_cast<QDialog*>(dialog)); });
        frame_->pageSetup();
        QCOMPARE(checkedTools(), QStringList());

        clickTool("Erase Item");
        setScript(QStringLiteral("DrawRectangle(0,0,5,5,1,0);"));
        QCOMPARE(checkedTools(), QStringList{"Erase Item"}); // Compile keeps the tool, New not
        frame_->document().newDocument();
        QCOMPARE(checkedTools(), QStringList());
    }

    void gestures_data() {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<bool>("grid");
        QTest::addColumn<int>("scroll");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QPoint>("press");
        QTest::addColumn<QPoint>("release");
        QTest::addColumn<QString>("result");
        const QString a = QStringLiteral("DrawRectangle(10,20,50,60,1,0);\r\n");
        const QPoint p(10, 20), q(50, 60);
        QTest::newRow("white filled") << "Draw a white filled rectangle" << false << 0 << QString()
                                      << p << q << "DrawRectangle(10,20,50,60,0,0);\r\n";
        QTest::newRow("black filled")
            << "Draw a black filled rectangle" << false << 0 << QString() << p << q << a;
        QTest::newRow("white hollow") << "Draw a white hollow rectangle" << false << 0 << QString()
                                      << p << q << "DrawRectangle(10,20,50,60,0,3);\r\n";
        QTest::newRow("black hollow, scrolled")
            << "Draw a black hollow rectangle" << false << 30 << QString() << QPoint(10, 50) << q
            << "DrawRectangle(10,50,50,60,1,3);\r\n";
        QTest::newRow("grid snaps both corners")
            << "Draw a black filled rectangle" << true << 0 << QString() << QPoint(3, 4)
            << QPoint(27, 36) << "DrawRectangle(0,0,30,40,1,0);\r\n";
        QTest::newRow("released outside the view")
            << "Draw a black filled rectangle" << false << 0 << QString() << p << QPoint(-40, -30)
            << "DrawRectangle(-40,-30,10,20,1,0);\r\n";
        QTest::newRow("move keeps the size")
            << "Move Item" << false << 0 << a << QPoint(12, 22) << QPoint(32, 52)
            << "DrawRectangle(30,50,70,90,1,0);\r\n";
        QTest::newRow("resize near the top-left keeps the bottom-right")
            << "Resize item" << false << 0 << a << QPoint(12, 22) << QPoint(0, 5)
            << "DrawRectangle(0,5,50,60,1,0);\r\n";
        QTest::newRow("eraser takes the only object")
            << "Erase Item" << false << 0 << a << p << p << QString();
    }
    // Real mouse events on the page; every tool stays on after its gesture.
    void gestures() {
        QFETCH(QString, tool);
        QFETCH(bool, grid);
        QFETCH(int, scroll);
        QFETCH(QString, script);
        QFETCH(QPoint, press);
        QFETCH(QPoint, release);
        QFETCH(QString, result);
        setScript(script);
        if (grid)
            clickTool("Grid");
        view_->verticalScrollBar()->setValue(scroll);
        clickTool(tool);
        drag(pixelOf(press), pixelOf(release));
        QCOMPARE(document().script(), result);
        QCOMPARE(checkedTools(), QStringList{tool});
    }

    void placements_data() {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<int>("dialog");
        QTest::addColumn<QString>("result");
        QTest::newRow("text") << "Draw Text" << 0 << "DrawText(30,40,1,0,\"Hi\");\r\n";
        QTest::newRow("barcode") << "Draw Barcode" << 1
                                 << "DrawBarcode(30,40,0,0,2,80,\"\xC3\xAA"
                                    "ABC\");\r\n";
        QTest::newRow("symbol") << "Draw Symbol" << 6
                                << "DrawSymbol(30,40,0,1,4,1,\"https://q.example\");\r\n";
        QTest::newRow("cancelled") << "Draw Text" << 4 << QString();
        QTest::newRow("font text")
            << "Draw Text" << 7
            << "DrawFontText(30,40,1,0,30,1,0,0,\"DejaVu Serif\",\"Hi\\nthere\");\r\n";
    }
    // The set-up dialog says what the next press places; then the tool is
    // off.
    void placements() {
        QFETCH(QString, tool);
        QFETCH(int, dialog);
        QFETCH(QString, result);
        NextWindow setUp(QDialog::staticMetaObject, kDialogActions[dialog]);
        clickTool(tool);
        QVERIFY(setUp.done());
        const QString placed = result.isEmpty() ? QString() : tool.mid(5).toLower();
        QCOMPARE(frame_->statusBar()->currentMessage(),
                 placed.isEmpty() ? QString()
                                  : "Click on the page to place the " + placed +
                                        ", or press Enter, move it with the arrow keys and "
                                        "press Enter");
        drag(pixelOf(QPoint(30, 40)), pixelOf(QPoint(30, 40)));
        QCOMPARE(document().script(), result);
        QCOMPARE(checkedTools(), QStringList());
        QCOMPARE(frame_->statusBar()->currentMessage(), QString());
    }

    // With the keyboard alone: after the dialog the page has the focus;
    // Enter shows the frame near the page's corner (the pointer is not over
    // the page), an arrow key moves it 8 dots at 100 %, with Ctrl one, and
    // Enter places the object.
    void placementByKeyboard() {
        QEvent left(QEvent::Leave);
        QApplication::sendEvent(view_->viewport(), &left);
        NextWindow setUp(QDialog::staticMetaObject, fontTextHiThere);
        clickTool(QStringLiteral("Draw Text"));
        QVERIFY(setUp.done());
        QCOMPARE(frame_->focusWidget(), view_);
        QTest::keyClick(view_, Qt::Key_Return);
        QVERIFY(view_->editor().dragging());
        QTest::keyClick(view_, Qt::Key_Right);
        QTest::keyClick(view_, Qt::Key_Down, Qt::ControlModifier);
        QTest::keyClick(view_, Qt::Key_Enter);
        QCOMPARE(
            document().script(),
            QStringLiteral("DrawFontText(16,9,1,0,30,1,0,0,\"DejaVu Serif\",\"Hi\\nthere\");\r\n"));
        QCOMPARE(checkedTools(), QStringList());
    }

    void escapeLeavesPlacing_data() {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<int>("dialog");
        QTest::addColumn<bool>("byKey");
        QTest::addColumn<bool>("toolAgain");
        QTest::newRow("text") << "Draw Text" << 0 << false << false;
        QTest::newRow("barcode") << "Draw Barcode" << 1 << false << false;
        QTest::newRow("symbol") << "Draw Symbol" << 6 << false << false;
        QTest::newRow("symbol, frame shown by Enter") << "Draw Symbol" << 6 << true << false;
        QTest::newRow("symbol, its tool chosen again") << "Draw Symbol" << 6 << false << true;
    }
    // After OK the page waits for its click; Escape (a second one after a
    // frame shown by Enter) or the tool chosen again leaves that, and a
    // click then places nothing.
    void escapeLeavesPlacing() {
        QFETCH(QString, tool);
        QFETCH(int, dialog);
        QFETCH(bool, byKey);
        QFETCH(bool, toolAgain);
        NextWindow setUp(QDialog::staticMetaObject, kDialogActions[dialog]);
        clickTool(tool);
        QVERIFY(setUp.done());
        QCOMPARE(checkedTools(), QStringList{tool});
        if (byKey) {
            QTest::keyClick(view_, Qt::Key_Return);
            QTest::keyClick(view_, Qt::Key_Escape);
            QVERIFY(!view_->editor().frame());
            QCOMPARE(checkedTools(), QStringList{tool});
        }
        if (toolAgain)
            clickTool(tool);
        else
            QTest::keyClick(view_, Qt::Key_Escape);
        QCOMPARE(checkedTools(), QStringList());
        QCOMPARE(frame_->statusBar()->currentMessage(), QString());
        drag(pixelOf(QPoint(30, 40)), pixelOf(QPoint(30, 40)));
        QCOMPARE(document().script(), QString());
    }

    // The status bar says what a placed object overlaps and where it leaves
    // the page, and the script pane's check a moment later (which finds the
    // first symbol cut off too) leaves the note standing.
    void placingOverAnotherSaysSo() {
        setScript(QStringLiteral("DrawSymbol(300,40,0,1,4,1,\"Q\");"));
        NextWindow setUp(QDialog::staticMetaObject, qrCodeAddress);
        clickTool(QStringLiteral("Draw Symbol"));
        QVERIFY(setUp.done());
        drag(pixelOf(QPoint(290, 60)), pixelOf(QPoint(290, 60)));
        QTest::qWait(2 * ScriptDiagnostics::kDelayMs);
        QCOMPARE(
            frame_->statusBar()->currentMessage(),
            QStringLiteral("The QR Code overlaps the QR Code and leaves the page at the right"));
    }

    // A drag shows only its frame, repainting the old and new frames over
    // the page picture; the page is rendered once, at the release. Escape
    // ends a drag without a change.
    void dragRendersOnlyAtTheRelease() {
        setScript(QStringLiteral("DrawRectangle(10,20,50,60,1,0);"));
        clickTool("Move Item");
        QTest::qWait(20);
        const QImage before = view_->viewport()->grab().toImage();
        ChangeCounter renders(document(), CFolioDoc::Change::Page);
        ChangeCounter scripts(document(), CFolioDoc::Change::Script);
        PaintRecorder painted(view_->viewport());

        QWidget* port = view_->viewport();
        QTest::mousePress(port, Qt::LeftButton, {}, pixelOf(QPoint(20, 30)));
        QRegion frames = shownFrame();
        for (int step = 1; step <= 3; ++step) {
            QTest::mouseMove(port, pixelOf(QPoint(20 + 7 * step, 30 + 5 * step)));
            frames += shownFrame();
            QApplication::processEvents();
        }
        QVERIFY(!painted.region.isEmpty());
        QVERIFY((painted.region - frames).isEmpty());
        const QImage during = view_->viewport()->grab().toImage();
        const QRegion band = shownFrame();
        QVERIFY(differences(before, during, band) > 0);
        QCOMPARE(differences(before, during, QRegion(during.rect()) - band), 0);
        QCOMPARE(renders.count(), 0);

        QTest::keyClick(view_, Qt::Key_Escape);
        QVERIFY(!view_->editor().frame());
        QTest::mouseRelease(port, Qt::LeftButton, {}, pixelOf(QPoint(60, 60)));
        QCOMPARE(renders.count(), 0);
        QCOMPARE(document().script(), QStringLiteral("DrawRectangle(10,20,50,60,1,0);"));

        drag(pixelOf(QPoint(20, 30)), pixelOf(QPoint(21, 30)));
        QCOMPARE(renders.count(), 1);
        QCOMPARE(scripts.count(), 1);
        QCOMPARE(document().script(), QStringLiteral("DrawRectangle(11,20,51,60,1,0);\r\n"));
    }

    void contextMenu_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("order");
        QTest::addColumn<QString>("message");
        QTest::newRow("Send to Bottom on C") << QPoint(45, 5) << "Send to Bottom"
                                             << "CABD" << QString();
        QTest::newRow("Raise by One on the top") << QPoint(65, 5) << "Raise by One"
                                                 << "ABCD" << kTopMost;
    }
    // The drawing-order commands mark the document modified, refuse in a
    // message box, and leave no tool either way.
    void contextMenu() {
        QFETCH(QPoint, at);
        QFETCH(QString, command);
        QFETCH(QString, order);
        QFETCH(QString, message);
        setScript(objectsInOrder(QStringLiteral("ABCD")));
        QVERIFY(frame_->fileCommands().saveDocument(dir_.filePath("order.txt")));
        clickTool("Move Item");
        QStringList items;
        NextWindow menu(QMenu::staticMetaObject, [&](QWidget* popup) {
            for (QAction* action : popup->actions())
                items << action->text();
            clickMenuItem(popup, command);
        });
        QStringList messages;
        NextWindow refusal(QMessageBox::staticMetaObject, [&](QWidget* box) {
            messages << qobject_cast<QMessageBox*>(box)->text();
            qobject_cast<QMessageBox*>(box)->accept();
        });
        rightClick(pixelOf(at));
        QTRY_VERIFY(menu.done());
        QCOMPARE(items, QStringList({"Bring to Top", "Raise by One", "Lower by One",
                                     "Send to Bottom", "", "Properties"}));
        QCOMPARE(document().script(), objectsInOrder(order));
        QCOMPARE(messages, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(document().isModified(), message.isEmpty());
        QCOMPARE(checkedTools(), QStringList());
    }

    void noMenuOnEmptySpace() {
        setScript(objectsInOrder(QStringLiteral("A")));
        NextWindow menu(QMenu::staticMetaObject, [](QWidget* popup) { popup->close(); });
        rightClick(QPoint(200, 200));
        QTest::qWait(50);
        QVERIFY(!menu.done());
    }

    void properties_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("dialog");
        QTest::addColumn<QString>("result");
        QTest::newRow("rectangle")
            << "DrawRectangle(10,20,50,60,1,3);" << 2 << "DrawRectangle(10,20,109,60,1,3);\r\n";
        QTest::newRow("text keeps its origin")
            << "DrawText(10,20,1,0,\"Hi\");" << 3 << "DrawText(10,20,1,2,\"Hi\");\r\n";
        QTest::newRow("barcode") << "DrawBarcode(10,20,0,0,1,25,\"ABC\");" << 1
                                 << "DrawBarcode(10,20,0,0,2,25,\"\xC3\xAA"
                                    "ABC\");\r\n";
        QTest::newRow("cancel changes nothing")
            << "DrawRectangle(10,20,50,60,1,3);" << 4 << "DrawRectangle(10,20,50,60,1,3);";
        QTest::newRow("font text keeps its place, family and text")
            << "DrawFontText(10,20,1,0,24,1,0,0,\"DejaVu Sans Mono\",\"Hi\");" << 8
            << "DrawFontText(10,20,1,0,24,3,1,200,\"DejaVu Sans Mono\",\"Hi\");\r\n";
        QTest::newRow("OK without changes changes nothing")
            << "DrawRectangle(50,60,10,20,1,3);" << 5 << "DrawRectangle(50,60,10,20,1,3);";
    }
    void properties() {
        QFETCH(QString, script);
        QFETCH(int, dialog);
        QFETCH(QString, result);
        setScript(script);
        NextWindow menu(QMenu::staticMetaObject,
                        [](QWidget* popup) { clickMenuItem(popup, QStringLiteral("Properties")); });
        NextWindow edit(QDialog::staticMetaObject, kDialogActions[dialog]);
        // Inside the text's box whatever its angle: the bounds run to the
        // left of and above the origin at 180 degrees.
        rightClick(pixelOf(QPoint(11, 21)));
        QTRY_VERIFY(edit.done());
        QCOMPARE(document().script(), result);
    }

    // Properties of a placed symbol opens the Symbol dialog at the symbol's
    // own angle, and its preview is the unturned one turned as many quarter
    // turns counter-clockwise. The corner the symbol turns about lies in its
    // box at every angle.
    void symbolPropertiesOpenAtItsAngle() {
        const QStringList degrees{"0", "90", "180", "270"};
        QImage unturned;
        for (int angle = 0; angle < 4; ++angle) {
            const QString script = QStringLiteral("DrawSymbol(60,60,%1,1,4,1,\"Q\");").arg(angle);
            setScript(script);
            NextWindow menu(QMenu::staticMetaObject, [](QWidget* popup) {
                clickMenuItem(popup, QStringLiteral("Properties"));
            });
            QString shown;
            QImage preview;
            NextWindow edit(QDialog::staticMetaObject, [&](QWidget* dialog) {
                for (const QString& d : degrees)
                    if (button(*dialog, d)->isChecked())
                        shown = d;
                preview = named<QLabel>(*dialog, QStringLiteral("Preview"))->pixmap().toImage();
                qobject_cast<QDialog*>(dialog)->reject();
            });
            rightClick(pixelOf(QPoint(60, 60)));
            QTRY_VERIFY(edit.done());
            QCOMPARE(shown, degrees[angle]);
            if (angle == 0)
                unturned = preview;
            QVERIFY(!preview.isNull());
            QCOMPARE(preview, unturned.transformed(QTransform().rotate(-90 * angle)));
            QCOMPARE(document().script(), script);
        }
    }

    // Typed text is compiled before the press, and the tool in hand stays.
    void typedScriptIsKeptByAnEdit() {
        frame_->codeView()->setFocus();
        QTest::keyClicks(frame_->codeView(), "DrawRectangle(0,0,5,5,1,0);");
        QCoreApplication::processEvents();
        clickTool("Draw a black filled rectangle");
        drag(pixelOf(QPoint(10, 20)), pixelOf(QPoint(50, 60)));
        QCOMPARE(
            document().script(),
            QStringLiteral("DrawRectangle(0,0,5,5,1,0);\r\nDrawRectangle(10,20,50,60,1,0);\r\n"));
        QCOMPARE(checkedTools(), QStringList{"Draw a black filled rectangle"});
    }

    // A statement the page adds below the pane's view scrolls into it; the
    // pane does not jump back to the top.
    void anAddedStatementScrollsIntoThePane() {
        setScript(QStringLiteral("DrawRectangle(0,0,1,1,1,0);\n").repeated(200));
        CCodeView* pane = frame_->codeView();
        QCOMPARE(pane->verticalScrollBar()->value(), 0);
        clickTool("Draw a black filled rectangle");
        drag(pixelOf(QPoint(10, 20)), pixelOf(QPoint(50, 60)));
        const QTextBlock added = pane->document()->findBlockByNumber(200);
        QCOMPARE(added.text(), QStringLiteral("DrawRectangle(10,20,50,60,1,0);"));
        QCOMPARE(pane->textCursor().blockNumber(), 200);
        QVERIFY(pane->viewport()->rect().contains(pane->cursorRect()));
        QVERIFY(pane->verticalScrollBar()->value() > 0);
    }

    void fullPageSaysSoInTheStatusBar() {
        setScript(QStringLiteral("DrawRectangle(0,0,1,1,1,0);\n").repeated(kMaxObjects));
        clickTool("Draw a black filled rectangle");
        ChangeCounter renders(document(), CFolioDoc::Change::Page);
        drag(pixelOf(QPoint(10, 20)), pixelOf(QPoint(50, 60)));
        QCOMPARE(frame_->statusBar()->currentMessage(),
                 QStringLiteral("The page holds 500 objects; no more can be added."));
        QCOMPARE(document().session().objects().count, kMaxObjects);
        QCOMPARE(renders.count(), 0);
    }

    void pointerPositionInDots() {
        QLabel* position = nullptr;
        for (QLabel* label : frame_->statusBar()->findChildren<QLabel*>())
            if (label->accessibleDescription() == QStringLiteral("Pointer position"))
                position = label;
        QVERIFY(position && position->accessibleName().isEmpty()); // its text is what is read
        QTest::mouseMove(view_->viewport(), pixelOf(QPoint(120, 48)));
        QCOMPARE(position->text(), QStringLiteral("x 120, y 48"));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(view_->viewport(), &leave);
        QCOMPARE(position->text(), QString());
    }

    // Every dot of a page pushed down by its margin can be scrolled to.
    void scrollRangeCoversTheWholePaper() {
        PageSettings page = document().session().settings();
        page.topMargin = 100;
        document().setPageSettings(page);
        const int top = document().session().settings().topMargin;
        QCOMPARE(view_->paperSize(), QSize(16 + 352 + 1, top + 1248 + 1));
        QCOMPARE(view_->verticalScrollBar()->maximum(),
                 top + 1248 + 1 + CFolioView::kGap - view_->viewport()->height());
    }

    // At zoom 3 the gestures write what they write at 1x, a dot shows as a
    // sharp 3 x 3 square, and a drag past the bottom of the view scrolls it.
    void dragAtZoom3() {
        view_->setZoom(300);
        view_->showTopOfPage();
        const auto pixel = [](QPoint page) {
            return (page + kMargins) * 3 + QPoint(CFolioView::kGap + 1, CFolioView::kGap + 1);
        };
        clickTool("Draw a black filled rectangle");
        drag(pixel({10, 20}), pixel({50, 60}));
        clickTool("Move Item");
        drag(pixel({12, 22}), pixel({32, 52}));
        clickTool("Resize item");
        drag(pixel({69, 89}), pixel({80, 95}));
        QCOMPARE(document().script(), QStringLiteral("DrawRectangle(30,50,80,95,1,0);\r\n"));

        const QImage shown = view_->viewport()->grab().toImage();
        const QPoint corner = pixel({30, 50}) - QPoint(1, 1);
        for (int dy = -1; dy < 3; ++dy)
            for (int dx = -1; dx < 3; ++dx)
                QCOMPARE(shown.pixelColor(corner + QPoint(dx, dy)),
                         QColor(dx < 0 || dy < 0 ? Qt::white : Qt::black));

        clickTool("Draw a black hollow rectangle");
        const int lastShown = view_->mapping().toPage({0, view_->viewport()->height() - 1}).y;
        QWidget* port = view_->viewport();
        const QPoint below(200, port->height() + 40);
        QTest::mousePress(port, Qt::LeftButton, {}, pixel({40, 100}));
        QTest::mouseMove(port, below);
        QTRY_VERIFY(view_->mapping().toPage({below.x(), below.y()}).y > lastShown + 100);
        QTest::mouseRelease(port, Qt::LeftButton, {}, below);
        const ObjectList& list = document().session().objects();
        QCOMPARE(list.count, 2);
        QCOMPARE(list[1].bottom, view_->mapping().toPage({below.x(), below.y()}).y);
    }

    // Open hands the document the object list a worker thread read and
    // frees the one before: drawing, moving and erasing after it work on the
    // opened page, as after a start with a file or a recent file.
    void editsAfterAnOpenThroughTheWorker() {
        setScript(QStringLiteral("DrawRectangle(10,20,50,60,1,0);"));
        const QString path = dir_.filePath("opened.txt");
        QVERIFY(frame_->fileCommands().saveDocument(path));
        frame_->document().newDocument();
        for (int open = 0; open < 3; ++open) {
            QVERIFY(frame_->fileCommands().openDocument(path));
            clickTool("Draw a black filled rectangle");
            drag(pixelOf(QPoint(100, 100)), pixelOf(QPoint(120, 110)));
            clickTool("Move Item");
            drag(pixelOf(QPoint(12, 22)), pixelOf(QPoint(22, 32)));
            QCOMPARE(document().script(),
                     QStringLiteral("DrawRectangle(20,30,60,70,1,0);\r\n"
                                    "DrawRectangle(100,100,120,110,1,0);\r\n"));
            clickTool("Erase Item");
            drag(pixelOf(QPoint(110, 105)), pixelOf(QPoint(110, 105)));
            QCOMPARE(document().script(), QStringLiteral("DrawRectangle(20,30,60,70,1,0);\r\n"));
            QCOMPARE(document().session().objects().count, 1);
            clickTool("Erase Item");
        }
    }

private:
    // Collects what the view repaints.
    class PaintRecorder : public QObject {
    public:
        explicit PaintRecorder(QWidget* widget) { widget->installEventFilter(this); }
        QRegion region;

    protected:
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint)
                region += static_cast<QPaintEvent*>(event)->region();
            return false;
        }
    };

    CFolioDoc& document() { return frame_->document(); }

    // The top-left pixel of a page dot in the view.
    QPoint pixelOf(QPoint page) const {
        const Rect dot{page.x(), page.y(), page.x(), page.y()};
        const Rect shown = view_->mapping().toClient(dot);
        return {shown.left, shown.top};
    }
    QRegion shownFrame() const {
        return dragFrameRegion(view_->mapping().toClient(*view_->editor().frame()));
    }

    void setScript(QString script) {
        frame_->codeView()->setPlainText(
            script.replace(QLatin1String("\r\n"), QLatin1String("\n")));
        frame_->compile();
    }

    QToolButton* toolButton(const char* name) {
        return named<QToolButton>(*frame_->findChild<QToolBar*>(), QString::fromLatin1(name));
    }
    void clickTool(const QString& name) {
        QToolButton* button = toolButton(qPrintable(name));
        QVERIFY2(button, qPrintable(name));
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QStringList checkedTools() {
        QStringList on;
        for (QToolButton* b : frame_->findChild<QToolBar*>()->findChildren<QToolButton*>())
            if (b->isChecked() && b->accessibleName() != QLatin1String("Grid"))
                on << b->accessibleName();
        return on;
    }

    // What a right click sends the view.
    void rightClick(QPoint at) {
        QWidget* port = view_->viewport();
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, port->mapToGlobal(at));
        QApplication::sendEvent(port, &click);
    }

    void drag(QPoint from, QPoint to) {
        QWidget* port = view_->viewport();
        QTest::mousePress(port, Qt::LeftButton, {}, from);
        QTest::mouseMove(port, (from + to) / 2);
        QTest::mouseMove(port, to);
        QTest::mouseRelease(port, Qt::LeftButton, {}, to);
    }

    // Four 10-dot squares side by side, named A to D from the left.
    static QString objectsInOrder(const QString& names) {
        QString script;
        for (QChar name : names) {
            const int left = 20 * (name.unicode() - 'A');
            script += QStringLiteral("DrawRectangle(%1,0,%2,9,1,0);\r\n").arg(left).arg(left + 9);
        }
        return script;
    }

    static int differences(const QImage& a, const QImage& b, const QRegion& where) {
        int found = 0;
        for (const QRect& r : where)
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    found += a.pixel(x, y) != b.pixel(x, y);
        return found;
    }

    CFolioApp& app_;
    CMainFrame* frame_ = nullptr;
    CFolioView* view_ = nullptr;
    QTemporaryDir dir_;
};

QUILLSET_GUI_TEST_MAIN(PageEditingTest)
#include "PageEditingTest.moc"
