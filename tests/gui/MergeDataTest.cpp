#include "GuiTestMain.h"

#include "app/CFolioView.h"
#include "app/CMainFrame.h"
#include "app/MergeData.h"

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
        QVERIFY(frame->openDocument(label));
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

        QVERIFY(frame->openDocument(label));
        QCOMPARE(merge->choice().path, data);
        QCOMPARE(merge->records(), 2);
        merge->setChoice({});
        QCOMPARE(page->grab().toImage(), fields);
        QVERIFY(frame->openDocument(label));
        QVERIFY(merge->choice().path.isEmpty());
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
