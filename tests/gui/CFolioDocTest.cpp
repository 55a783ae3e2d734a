#include "ChangeCounter.h"
#include "GuiTestMain.h"

#include "app/shell/CFolioDoc.h"
#include "model/ObjectList.h"
#include "model/PageSettings.h"
#include "model/Reporter.h"

#include <QFile>

#include <functional>

using namespace quillset;

namespace {

class NoReporter : public Reporter {
public:
    void report(const std::string&) override {}
};

const QString kA = QStringLiteral("DrawRectangle(1,1,5,5,1,0);");
const QString kB = QStringLiteral("DrawRectangle(1,1,5,5,1,0);\r\nDrawText(0,20,3,0,\"B\");");

} // namespace

// Undo and redo over the document's steps: each restores the script and the
// page settings of its moment and the page drawn from them.
class CFolioDocTest : public QObject {
    Q_OBJECT
public:
    explicit CFolioDocTest(CFolioApp&) {}

private slots:
    void everyKindOfStepUndoesAndRedoes() {
        CFolioDoc doc(2);
        doc.compile(kA);
        doc.compile(kB);
        // A graphical edit: the objects change, then the edit ends.
        doc.session().objects()[0].left = 3;
        doc.editFinished();
        const QString edited = doc.script();
        QVERIFY(edited.startsWith(QStringLiteral("DrawRectangle(3,1,5,5,1,0);")));
        PageSettings page = doc.session().settings();
        page.leftMargin = 16;
        doc.setPageSettings(page, 4);

        ChangeCounter pages(doc, CFolioDoc::Change::Page);
        ChangeCounter scripts(doc, CFolioDoc::Change::Script);
        doc.undo();
        QCOMPARE(doc.session().settings().leftMargin, std::int16_t(0));
        QCOMPARE(doc.session().printerType(), 2);
        QCOMPARE(doc.script(), edited);
        doc.undo();
        QCOMPARE(doc.script(), kB);
        QCOMPARE(doc.session().objects()[0].left, 1);
        doc.undo();
        QCOMPARE(doc.script(), kA);
        QCOMPARE(doc.session().objects().count, 1);
        doc.undo();
        QCOMPARE(doc.script(), QString());
        QCOMPARE(doc.session().objects().count, 0);
        QVERIFY(!doc.canUndo());
        QCOMPARE(pages.count(), 4);
        QCOMPARE(scripts.count(), 4);

        for (int i = 0; i < 4; ++i)
            doc.redo();
        QVERIFY(!doc.canRedo());
        QCOMPARE(doc.session().settings().leftMargin, std::int16_t(16));
        QCOMPARE(doc.session().printerType(), 4);
        QCOMPARE(doc.script(), edited);
        QCOMPARE(doc.session().objects()[0].left, 3);
    }

    void aNewEditClearsTheRedoList() {
        CFolioDoc doc(2);
        doc.compile(kA);
        doc.compile(kB);
        doc.undo();
        QVERIFY(doc.canRedo());
        doc.session().objects()[0].top = 2;
        doc.editFinished();
        QVERIFY(!doc.canRedo());
        doc.undo();
        QCOMPARE(doc.script(), kA);
    }

    void undoingBackToTheSavedStateClearsModified() {
        QTemporaryDir dir;
        CFolioDoc doc(2);
        NoReporter reporter;
        doc.compile(kA);
        QVERIFY(doc.saveDocument(dir.filePath("a.txt"), reporter));
        QVERIFY(!doc.isModified());
        doc.compile(kB);
        QVERIFY(doc.isModified());
        doc.undo();
        QVERIFY(!doc.isModified());
        doc.undo();
        QVERIFY(doc.isModified());
        doc.redo();
        QVERIFY(!doc.isModified());
    }

    // An edit after undoing past the save loses the saved state for good.
    void anEditAfterUndoingPastTheSaveStaysModified() {
        QTemporaryDir dir;
        CFolioDoc doc(2);
        NoReporter reporter;
        doc.compile(kA);
        QVERIFY(doc.saveDocument(dir.filePath("a.txt"), reporter));
        doc.undo();
        doc.compile(kB);
        doc.undo();
        doc.redo();
        QCOMPARE(doc.script(), kB);
        QVERIFY(doc.isModified());
    }

    // Each operation tells the views once, and of all it changed; one that
    // changes nothing tells nothing.
    void eachOperationTellsOnceWhatChanged() {
        using C = CFolioDoc::Change;
        QTemporaryDir dir;
        NoReporter reporter;
        CFolioDoc doc(2);
        QList<CFolioDoc::Changes> told;
        connect(&doc, &CFolioDoc::changed, &doc,
                [&told](CFolioDoc::Changes what) { told.append(what); });
        struct Case {
            const char* why;
            std::function<void()> operation;
            CFolioDoc::Changes changes;
        };
        const Case cases[] = {
            {"Compile builds the list and the page, a step that marks the document",
             [&] { doc.compile(kA); }, C::List | C::Page | C::History | C::Modified},
            {"marking a modified document again is no change", [&] { doc.markModified(); }, {}},
            {"an edit writes the script again and draws the page",
             [&] {
                 doc.session().objects()[0].left = 3;
                 doc.editFinished();
             },
             C::Script | C::Page | C::History},
            {"Page Setup is an edit",
             [&] {
                 PageSettings page = doc.session().settings();
                 page.leftMargin = 8;
                 doc.setPageSettings(page);
             },
             C::Script | C::Page | C::History},
            {"undo compiles a whole state; still not the saved one", [&] { doc.undo(); },
             C::History | C::List | C::Script | C::Page},
            {"Save names the document and clears the mark",
             [&] { QVERIFY(doc.saveDocument(dir.filePath("a.txt"), reporter)); },
             C::Title | C::Modified},
            {"a read-only Compile records no step but marks", [&] { doc.compileScript(); },
             C::List | C::Page | C::Modified},
            {"New replaces everything the views show", [&] { doc.newDocument(); },
             C::History | C::Title | C::List | C::Script | C::Page | C::Opened | C::Modified},
            {"marking an unmodified document", [&] { doc.markModified(); }, C::Modified},
            {"undo with no step to take back", [&] { doc.undo(); }, {}},
        };
        for (const Case& c : cases) {
            told.clear();
            c.operation();
            const QList<CFolioDoc::Changes> expected =
                c.changes ? QList<CFolioDoc::Changes>{c.changes} : QList<CFolioDoc::Changes>();
            QVERIFY2(told == expected, c.why);
        }
    }

    void newAndOpenStartAfresh() {
        QTemporaryDir dir;
        CFolioDoc doc(2);
        NoReporter reporter;
        doc.compile(kA);
        QVERIFY(doc.saveDocument(dir.filePath("a.txt"), reporter));
        doc.compile(kB);
        FolioSession opened(2);
        QVERIFY(opened.open(QFile::encodeName(dir.filePath("a.txt")).toStdString(), reporter));
        doc.adoptOpened(opened, dir.filePath("a.txt"));
        QVERIFY(!doc.canUndo());
        QVERIFY(!doc.canRedo());
        doc.compile(kB);
        doc.newDocument();
        QVERIFY(!doc.canUndo());
        QVERIFY(!doc.isModified());
    }
};

QUILLSET_GUI_TEST_MAIN(CFolioDocTest)
#include "CFolioDocTest.moc"
