#include "DialogDriver.h"
#include "GuiTestMain.h"
#include "ModalAnswer.h"

#include "app/commands/FileCommands.h"
#include "app/dialogs/CPageSetupDlg.h"
#include "app/shell/CFolioDoc.h"
#include "app/shell/CMainFrame.h"
#include "model/PageSettings.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <functional>

using namespace quillset;
using namespace dialog_driver;

namespace {

const QString k2Inch = QStringLiteral("2 inch (384 dots)");
const QString k3Inch = QStringLiteral("3 inch (576 dots)");
const QString k4Inch = QStringLiteral("4 inch (832 dots)");

// Types the four values, in the order the fields are shown.
void typeValues(QDialog& dialog, const QString& left, const QString& top, const QString& width,
                const QString& height) {
    retype(lineEdit(dialog, "Left :"), left);
    retype(lineEdit(dialog, "Top :"), top);
    retype(lineEdit(dialog, "Width :"), width);
    retype(lineEdit(dialog, "Height :"), height);
}

QComboBox* combo(QDialog& dialog, const char* accessibleName) {
    return named<QComboBox>(dialog, QString::fromLatin1(accessibleName));
}

// Picks `text` from the list as a click on it would.
void choose(QComboBox* list, const QString& text) {
    QVERIFY(list);
    const int index = list->findText(text);
    QVERIFY(index >= 0);
    list->setCurrentIndex(index);
    emit list->activated(index);
}

QStringList shownLengths(QDialog& dialog) {
    QStringList texts;
    for (const char* name : {"Left :", "Top :", "Width :", "Height :"})
        texts << lineEdit(dialog, name)->text();
    return texts;
}

} // namespace

class CPageSetupDlgTest : public QObject {
    Q_OBJECT
public:
    explicit CPageSetupDlgTest(CFolioApp& app)
        : app_(app) {}

private slots:
    void opensOnTheStartValues() {
        CPageSetupDlg dialog({16, 320, 600, 5, 1});
        showAndWait(dialog);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Page Setup"));
        QCOMPARE(lineEdit(dialog, "Left :")->text(), QStringLiteral("16"));
        QCOMPARE(lineEdit(dialog, "Top :")->text(), QStringLiteral("5"));
        QCOMPARE(lineEdit(dialog, "Width :")->text(), QStringLiteral("320"));
        QCOMPARE(lineEdit(dialog, "Height :")->text(), QStringLiteral("600"));
        QVERIFY(button(dialog, k3Inch)->isChecked());
        QVERIFY(dialog.findChild<QLabel*>()); // the labels are the boxes' buddies
        for (QLabel* label : dialog.findChildren<QLabel*>())
            if (label->buddy())
                QCOMPARE(label->buddy()->accessibleName(), label->text());
    }

    void tabOrderFollowsTheFields() {
        CPageSetupDlg dialog({0, 384, 1248, 0, 0});
        showAndWait(dialog);
        QCOMPARE(tabOrder(button(dialog, k2Inch), 7),
                 QStringList({k2Inch, "Left :", "Top :", "Width :", "Height :", "OK", "Cancel"}));
    }

    void checksInOrder_data() {
        QTest::addColumn<QString>("printer");
        QTest::addColumn<QStringList>("values"); // left, top, width, height
        QTest::addColumn<QString>("message");    // empty: accepted
        const QString ok;
        const QString left = QStringLiteral("Left margin is out of range.");
        const QString top = QStringLiteral("Top margin is out of range.");
        const QString width = QStringLiteral("Width is out of range.");
        const QString sum = QStringLiteral("Left margin plus page width exceeds paper width.");
        const QString height = QStringLiteral("Height is out of range.");
        QTest::newRow("left 13 rounds to 8")
            << k2Inch << QStringList{"13", "0", "368", "1248"} << ok;
        QTest::newRow("left -7 rounds to 0")
            << k2Inch << QStringList{"-7", "0", "384", "1248"} << ok;
        QTest::newRow("left -8") << k2Inch << QStringList{"-8", "0", "384", "1248"} << left;
        QTest::newRow("width 390 on 2 inch")
            << k2Inch << QStringList{"0", "0", "390", "1248"} << ok;
        QTest::newRow("width 400 on 2 inch")
            << k2Inch << QStringList{"0", "0", "400", "1248"} << width;
        QTest::newRow("left 8 and width 384 on 2 inch")
            << k2Inch << QStringList{"8", "0", "384", "1248"} << sum;
        QTest::newRow("width 832 on 4 inch")
            << k4Inch << QStringList{"0", "0", "832", "1248"} << ok;
        QTest::newRow("width 832 on 3 inch")
            << k3Inch << QStringList{"0", "0", "832", "1248"} << width;
        QTest::newRow("height 1248") << k2Inch << QStringList{"0", "0", "384", "1248"} << ok;
        QTest::newRow("height 0") << k2Inch << QStringList{"0", "0", "384", "0"} << height;
        QTest::newRow("height 1249") << k2Inch << QStringList{"0", "0", "384", "1249"} << height;
        QTest::newRow("top 832") << k2Inch << QStringList{"0", "832", "384", "1248"} << ok;
        QTest::newRow("top 833") << k2Inch << QStringList{"0", "833", "384", "1248"} << top;
        QTest::newRow("everything wrong: the left margin speaks")
            << k2Inch << QStringList{"-8", "833", "400", "0"} << left;
        QTest::newRow("then the top margin")
            << k2Inch << QStringList{"0", "833", "400", "0"} << top;
        QTest::newRow("then the width") << k2Inch << QStringList{"8", "0", "400", "0"} << width;
        QTest::newRow("then the sum") << k2Inch << QStringList{"8", "0", "384", "0"} << sum;
        QTest::newRow("not a number") << k2Inch << QStringList{"0", "x", "384", "1248"}
                                      << QStringLiteral("Top: Please enter an integer.");
    }
    void checksInOrder() {
        QFETCH(QString, printer);
        QFETCH(QStringList, values);
        QFETCH(QString, message);
        CPageSetupDlg dialog({0, 384, 1248, 0, 0});
        showAndWait(dialog);
        click(button(dialog, printer));
        typeValues(dialog, values[0], values[1], values[2], values[3]);
        ModalAnswer answer;
        pressOk(dialog);
        QCOMPARE(answer.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(dialog.isVisible(), !message.isEmpty());
        if (message.isEmpty()) {
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            const PageSetupFields f = dialog.fields();
            QCOMPARE((QStringList{QString::number(f.setupLeft), QString::number(f.setupTop),
                                  QString::number(f.setupWidth), QString::number(f.setupHeight)}),
                     values); // as typed; the caller rounds
        } else {
            QCOMPARE(lineEdit(dialog, "Left :")->text(), values[0]);
            QCOMPARE(lineEdit(dialog, "Height :")->text(), values[3]);
        }
    }

    void printerButtonsFillTheirDefaults_data() {
        QTest::addColumn<QString>("printer");
        QTest::addColumn<QString>("width");
        QTest::newRow("2 inch") << k2Inch << "384";
        QTest::newRow("3 inch, already chosen") << k3Inch << "576";
        QTest::newRow("4 inch") << k4Inch << "832";
    }
    void printerButtonsFillTheirDefaults() {
        QFETCH(QString, printer);
        QFETCH(QString, width);
        CPageSetupDlg dialog({16, 320, 600, 5, 1});
        showAndWait(dialog);
        typeValues(dialog, "40", "41", "42", "43");
        click(button(dialog, printer));
        QCOMPARE(lineEdit(dialog, "Left :")->text(), QStringLiteral("0"));
        QCOMPARE(lineEdit(dialog, "Top :")->text(), QStringLiteral("0"));
        QCOMPARE(lineEdit(dialog, "Width :")->text(), width);
        // A custom page keeps its height on any paper.
        QCOMPARE(lineEdit(dialog, "Height :")->text(), QStringLiteral("43"));
    }

    void commonSizesSetTheSizeAndThePrinterType_data() {
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("printer");
        QTest::addColumn<QStringList>("shown"); // left, top, width, height
        QTest::newRow("4 x 6 in needs the 4 inch type")
            << QString::fromUtf8("4 × 6 in") << k4Inch << QStringList{"0", "0", "832", "1218"};
        QTest::newRow("a receipt keeps the length shown")
            << QStringLiteral("58 mm receipt") << k2Inch << QStringList{"0", "0", "384", "600"};
    }
    void commonSizesSetTheSizeAndThePrinterType() {
        QFETCH(QString, size);
        QFETCH(QString, printer);
        QFETCH(QStringList, shown);
        CPageSetupDlg dialog({16, 320, 600, 5, 1});
        showAndWait(dialog);
        QCOMPARE(combo(dialog, "Common size :")->currentText(), QStringLiteral("Custom"));
        choose(combo(dialog, "Common size :"), size);
        QCOMPARE(shownLengths(dialog), shown);
        QVERIFY(button(dialog, printer)->isChecked());
        pressOk(dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const PageSetupFields f = dialog.fields();
        QCOMPARE(f.setupWidth, shown[2].toInt());
        QCOMPARE(f.setupHeight, shown[3].toInt());
    }

    void lengthsAreTypedInTheChosenUnit() {
        CPageSetupDlg dialog({0, 384, 1219, 0, 0});
        showAndWait(dialog);
        QCOMPARE(combo(dialog, "Units :")->currentText(), QStringLiteral("dots"));
        choose(combo(dialog, "Units :"), QStringLiteral("inches"));
        QCOMPARE(shownLengths(dialog), (QStringList{"0.00", "0.00", "1.89", "6.00"}));
        choose(combo(dialog, "Units :"), QStringLiteral("millimetres"));
        QCOMPARE(shownLengths(dialog), (QStringList{"0.0", "0.0", "48.0", "152.5"}));
        retype(lineEdit(dialog, "Top :"), "100");
        retype(lineEdit(dialog, "Left :"), "x");
        ModalAnswer refusal;
        pressOk(dialog);
        QCOMPARE(refusal.texts(), QStringList{"Left: Please enter a number."});
        retype(lineEdit(dialog, "Left :"), "1");
        choose(combo(dialog, "Units :"), QStringLiteral("dots"));
        // What was typed is read in its own unit; 1219 was never shown as 6.00 and read back.
        QCOMPARE(shownLengths(dialog), (QStringList{"8", "799", "384", "1219"}));
        retype(lineEdit(dialog, "Height :"), "1000");
        choose(combo(dialog, "Units :"), QStringLiteral("millimetres"));
        retype(lineEdit(dialog, "Width :"), "47");
        QCOMPARE(combo(dialog, "Common size :")->currentText(), QStringLiteral("Custom"));
        pressOk(dialog);
        QCOMPARE(dialog.unit(), LengthUnit::Millimetres);
        QVERIFY(dialog.fields() == (PageSetupFields{8, 376, 1000, 799, 0})); // 47 mm: 375.6
    }

    void anotherPrinterTypeNeverKeepsALabelsHeightUnsaid() {
        CPageSetupDlg dialog({0, 576, 406, 0, 1});
        showAndWait(dialog);
        QCOMPARE(combo(dialog, "Common size :")->currentText(), QString::fromUtf8("3 × 2 in"));
        click(button(dialog, k4Inch));
        QCOMPARE(combo(dialog, "Common size :")->currentText(), QString::fromUtf8("4 × 2 in"));
        QVERIFY(!named(dialog, "Height note")->isVisible());
        click(button(dialog, k2Inch));
        QCOMPARE(combo(dialog, "Common size :")->currentText(), QStringLiteral("Custom"));
        QCOMPARE(shownLengths(dialog), (QStringList{"0", "0", "384", "406"}));
        auto* note = named<QLabel>(dialog, "Height note");
        QVERIFY(note->isVisible());
        QCOMPARE(note->text(),
                 QString::fromUtf8("The height is the 4 × 2 in label's: check it for this width."));
        retype(lineEdit(dialog, "Height :"), "203");
        QVERIFY(!note->isVisible());
    }

    void cancelHandsBackTheStartValues() {
        const PageSetupFields start{16, 320, 600, 5, 1};
        CPageSetupDlg dialog(start);
        showAndWait(dialog);
        typeValues(dialog, "-8", "0", "0", "0");
        click(standardButton(dialog, QDialogButtonBox::Cancel));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(dialog.fields() == start);
    }

    // The command from the Configure menu, answered as a user would.
    void commandStoresNormalisesAndRegenerates() {
        QVERIFY(app_.InitInstance({"quillset"}));
        CMainFrame* frame = app_.mainFrame();
        QVERIFY(QTest::qWaitForWindowActive(frame));
        QAction* command = pageSetupAction(*frame);
        QVERIFY(command);
        QCOMPARE(command->statusTip(), QStringLiteral("Set Margin and Paper Size"));
        QSignalSpy applied(frame, &CMainFrame::pageSetupApplied);

        answerPageSetup([](CPageSetupDlg& dialog) {
            retype(lineEdit(dialog, "Left :"), "-8");
            ModalAnswer refusal;
            pressOk(dialog);
            QCOMPARE(refusal.texts(), QStringList{"Left margin is out of range."});
            QVERIFY(dialog.isVisible());
            click(button(dialog, k4Inch));
            click(button(dialog, k2Inch));
            retype(lineEdit(dialog, "Left :"), "13");
            retype(lineEdit(dialog, "Width :"), "368");
            pressOk(dialog);
        });
        command->trigger();
        const PageSettings& page = frame->document().session().settings();
        QCOMPARE(int(page.leftMargin), 8);
        QCOMPARE(int(page.pageWidth), 368);
        QCOMPARE(int(page.pageHeight), 1248);
        QCOMPARE(app_.printerType(), 2);
        QCOMPARE(frame->document().session().printerType(), 2);
        QVERIFY(frame->document().isModified());
        QCOMPARE(applied.count(), 1);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("page.txt"));
        QVERIFY(frame->fileCommands().saveDocument(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("SetMargin(8,0);"));

        answerPageSetup([](CPageSetupDlg& dialog) {
            click(button(dialog, k4Inch));
            pressOk(dialog);
        });
        command->trigger();
        QCOMPARE(app_.printerType(), 4);
        QCOMPARE(int(page.pageWidth), 832);
        QCOMPARE(applied.count(), 2);

        answerPageSetup([](CPageSetupDlg& dialog) {
            retype(lineEdit(dialog, "Left :"), "64");
            click(standardButton(dialog, QDialogButtonBox::Cancel));
        });
        command->trigger();
        QCOMPARE(int(page.leftMargin), 0);
        QCOMPARE(applied.count(), 2);
        frame->document().session().setModified(false);
        frame->close();
    }

    void aFileOpensOnItsOwnPrinterTypeAndTheUnitIsKept() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("wide.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("BeginPage();\r\nSetMargin(0,0);\r\nSetPageSize(832,1218);\r\nEndPage();\r\n");
        file.close();
        QVERIFY(startAfresh(app_, path));
        CMainFrame* frame = app_.mainFrame();
        QVERIFY(QTest::qWaitForWindowActive(frame));
        QCOMPARE(app_.printerType(), 2); // what the application last printed on
        QAction* command = pageSetupAction(*frame);
        answerPageSetup([](CPageSetupDlg& dialog) {
            QVERIFY(button(dialog, k4Inch)->isChecked());
            QCOMPARE(combo(dialog, "Common size :")->currentText(), QString::fromUtf8("4 × 6 in"));
            choose(combo(dialog, "Units :"), QStringLiteral("inches"));
            click(standardButton(dialog, QDialogButtonBox::Cancel));
        });
        command->trigger();
        answerPageSetup([](CPageSetupDlg& dialog) {
            QCOMPARE(combo(dialog, "Units :")->currentText(), QStringLiteral("inches"));
            QCOMPARE(lineEdit(dialog, "Height :")->text(), QStringLiteral("6.00"));
            pressOk(dialog);
        });
        command->trigger();
        QCOMPARE(app_.printerType(), 4);
        QCOMPARE(int(frame->document().session().settings().pageHeight), 1218);
        frame->document().session().setModified(false);
        frame->close();
    }

private:
    static QAction* pageSetupAction(CMainFrame& frame) {
        for (QAction* menu : frame.menuBar()->actions())
            if (menu->text() == QStringLiteral("&Configure"))
                for (QAction* item : menu->menu()->actions())
                    if (item->text() == QStringLiteral("Page Setup..."))
                        return item;
        return nullptr;
    }

    // Runs `answer` on the Page Setup dialog once the command has opened it.
    static void answerPageSetup(std::function<void(CPageSetupDlg&)> answer) {
        QTimer::singleShot(0, [answer] {
            QTRY_VERIFY(qobject_cast<CPageSetupDlg*>(QApplication::activeModalWidget()));
            auto* dialog = qobject_cast<CPageSetupDlg*>(QApplication::activeModalWidget());
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            answer(*dialog);
        });
    }

    CFolioApp& app_;
};

QUILLSET_GUI_TEST_MAIN(CPageSetupDlgTest)
#include "CPageSetupDlgTest.moc"
