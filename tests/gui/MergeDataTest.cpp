#include "GuiTestMain.h"

#include "app/commands/FileCommands.h"
#include "app/commands/MergeData.h"
#include "app/dialogs/CBatchPrintDlg.h"
#include "app/pageview/CFolioView.h"
#include "app/shell/CMainFrame.h"
#include "merge/MergeSettings.h"

#include <QCheckBox>
#include <QLabel>
#include <QTemporaryDir>

using namespace quillset;

// The record bar and the page view follow the chosen data file, and the
// choice comes back when the document is opened again.
class MergeDataTest : public QObject {
    Q_OBJECT
public:
    explicit MergeDataTest(CFolioApp& app)
        : app_(app) {}

private slots:
    void recordsShowAndTheChoiceIsKept() {
        QVERIFY(startAfresh(app_));
        QTemporaryDir dir;
        const QString label = dir.filePath(QStringLiteral("label.txt"));
        const QString data = dir.filePath(QStringLiteral("data.csv"));
        writeFile(label, "DrawText(0,0,1,0,\"<W=2>${name}\");\r\n");
        writeFile(data, "name\nAnn\nBob\n");
        CMainFrame* frame = app_.mainFrame();
        QVERIFY(frame->fileCommands().openDocument(label));
        auto* merge = frame->findChild<MergeData*>();
        QWidget* page = frame->folioView()->viewport();
        const QImage fields = page->grab().toImage();

        merge->setChoice({data, {}});
        QLabel* bar = nullptr;
        for (QLabel* shown : frame->findChildren<QLabel*>())
            if (shown->accessibleName() == QStringLiteral("Record"))
                bar = shown;
        QVERIFY(bar);
        QCOMPARE(bar->text(), QStringLiteral("Record 1 of 2"));
        const QImage ann = page->grab().toImage();
        merge->showRecord(2);
        QCOMPARE(bar->text(), QStringLiteral("Record 2 of 2"));
        QVERIFY(page->grab().toImage() != ann);
        QVERIFY(ann != fields);

        QVERIFY(frame->fileCommands().openDocument(label));
        QCOMPARE(merge->choice().path, data);
        QCOMPARE(merge->records(), 2);
        merge->setChoice({});
        QCOMPARE(page->grab().toImage(), fields);
        QVERIFY(frame->fileCommands().openDocument(label));
        QVERIFY(merge->choice().path.isEmpty());
    }

    // Opening another document neither takes this one's data file along nor
    // writes it over the other's choice.
    void eachDocumentKeepsItsOwnChoice() {
        QVERIFY(startAfresh(app_));
        QTemporaryDir dir;
        const QString first = dir.filePath(QStringLiteral("first.txt"));
        const QString second = dir.filePath(QStringLiteral("second.txt"));
        const QString firstData = dir.filePath(QStringLiteral("first.csv"));
        const QString secondData = dir.filePath(QStringLiteral("second.csv"));
        writeFile(first, "DrawText(0,0,1,0,\"${name}\");\r\n");
        writeFile(second, "DrawText(0,0,1,0,\"${city}\");\r\n");
        writeFile(firstData, "name\nAnn\n");
        writeFile(secondData, "city\nOslo\nRiga\n");
        CMainFrame* frame = app_.mainFrame();
        auto* merge = frame->findChild<MergeData*>();

        QVERIFY(frame->fileCommands().openDocument(first));
        merge->setChoice({firstData, {}});
        QVERIFY(frame->fileCommands().openDocument(second));
        QVERIFY(merge->choice().path.isEmpty());
        QCOMPARE(merge->records(), 0);
        merge->setChoice({secondData, {}});
        QVERIFY(frame->fileCommands().openDocument(first));
        QCOMPARE(merge->choice().path, firstData);
        QCOMPARE(merge->records(), 1);
        QVERIFY(frame->fileCommands().openDocument(second));
        QCOMPARE(merge->choice().path, secondData);
        QCOMPARE(merge->records(), 2);
    }

    // The nearest characters and what Print chose come back with the
    // document; the Print dialog starts from them and goes on after the last
    // print unless told not to.
    void printChoiceIsKept() {
        QVERIFY(startAfresh(app_));
        QTemporaryDir dir;
        const QString label = dir.filePath(QStringLiteral("label.txt"));
        const QString data = dir.filePath(QStringLiteral("data.csv"));
        writeFile(label, "DrawText(0,0,1,0,\"${name} ${seq}\");\r\n");
        writeFile(data, "name\nAnn\nBob\nCy\n");
        CMainFrame* frame = app_.mainFrame();
        QVERIFY(frame->fileCommands().openDocument(label));
        auto* merge = frame->findChild<MergeData*>();
        merge->setChoice({data, {}, true});
        BatchPrintChoice chosen;
        chosen.allRecords = false;
        chosen.firstRecord = 2;
        chosen.lastRecord = 3;
        chosen.counterStart = 5;
        chosen.counterStep = 2;
        chosen.nextCounter = 41;
        merge->setPrintChoice(chosen);

        QVERIFY(frame->fileCommands().openDocument(label));
        QVERIFY(merge->choice().replaceMissing);
        QVERIFY(merge->printChoice() == chosen);
        CBatchPrintDlg dialog(merge->records(), merge->printChoice(), 4,
                              merge->choice().replaceMissing);
        MergeSettings settings;
        dialog.applyTo(settings);
        QCOMPARE(settings.firstRecord, 2);
        QCOMPARE(settings.lastRecord, 3);
        QCOMPARE(settings.copies, 4);
        QCOMPARE(settings.counterStart, 41);
        QCOMPARE(settings.counterStep, 2);
        QVERIFY(settings.replaceMissing);
        for (QCheckBox* box : dialog.findChildren<QCheckBox*>())
            if (box->accessibleName() == QStringLiteral("Go on from the last print"))
                box->setChecked(false);
        dialog.applyTo(settings);
        QCOMPARE(settings.counterStart, 5);
    }

private:
    static void writeFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    CFolioApp& app_;
};

QUILLSET_GUI_TEST_MAIN(MergeDataTest)
#include "MergeDataTest.moc"
