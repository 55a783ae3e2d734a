#include "DialogDriver.h"
#include "GuiTestMain.h"
#include "ModalAnswer.h"

#include "app/dialogs/CBarcodeDlg.h"
#include "model/PageObject.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTransform>

#include <functional>
#include <utility>

using namespace quillset;
using namespace dialog_driver;

namespace {

const QString kCode128 = QStringLiteral("Code 128");
const QString kUpc = QStringLiteral("UPC/EAN");

PageObject barcode(int type, const std::string& data) {
    PageObject o;
    o.kind = ObjectKind::Barcode;
    o.barcodeX = 40, o.barcodeY = 50, o.angle = 0, o.barcodeHeight = 30, o.barcodeType = type;
    o.colour = 1;
    o.styled.assign(data);
    o.literal.assign(data);
    return o;
}

// What the Barcode tool opens with.
BarcodeFields toolFields() {
    BarcodeFields f;
    f.typeIndex = 0, f.height = 25, f.angleIndex = 0, f.positionReadOnly = true;
    f.x = 12, f.y = 34;
    return f;
}

} // namespace

class CBarcodeDlgTest : public QObject {
    Q_OBJECT
public:
    explicit CBarcodeDlgTest(CFolioApp&) {}

private slots:
    void everyControlWithItsText() {
        CBarcodeDlg dialog(toolFields());
        showAndWait(dialog);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Barcode"));
        QStringList radios;
        for (QRadioButton* b : dialog.findChildren<QRadioButton*>())
            radios << b->text();
        QCOMPARE(radios, QStringList({"Code 39", kCode128, "Interleaved 2 of 5", "Codabar", kUpc, "0",
                                      "90", "180", "270"}));
        QStringList labels;
        for (QLabel* l : dialog.findChildren<QLabel*>())
            labels << l->text();
        for (const char* text : {"Capital letters, digits, space and - . $ / + %",
                                 "Any letters, digits and signs, in the code set below",
                                 "Digits, at most 16",
                                 "Digits and - $ : / . +, between start and stop letters A to D",
                                 "11 digits for a UPC-A, 6 for a UPC-E (the check digit is added)",
                                 "Height"})
            QVERIFY2(labels.contains(QString::fromLatin1(text)), text);
        QVERIFY(button(dialog, "Human Readable"));
        QVERIFY(button(dialog, "Code 39")->isChecked());
        QCOMPARE(lineEdit(dialog, "Height")->text(), QStringLiteral("25"));
    }

    void tabOrder() {
        BarcodeFields start = toolFields();
        start.positionReadOnly = false;
        CBarcodeDlg dialog(start);
        showAndWait(dialog);
        QCOMPARE(dialog_driver::tabOrder(lineEdit(dialog, "Data"), 9),
                 QStringList({"Data", "Human Readable", "Code 39", "0", "X", "Y", "Height",
                              "OK", "Cancel"}));
    }

    void checksOnOk_data() {
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("message"); // empty: accepted
        const QString ok;
        const QString range = QStringLiteral("Height: Please enter a number between 1 and 255.");
        const QString tooLong = QStringLiteral("Data: Enter no more than 198 characters.");
        QTest::newRow("height 0") << "12"
                                  << "0" << range;
        QTest::newRow("height 1") << "12"
                                  << "1" << ok;
        QTest::newRow("height 255") << "12"
                                    << "255" << ok;
        QTest::newRow("height 256") << "12"
                                    << "256" << range;
        QTest::newRow("height -3") << "12"
                                   << "-3" << range;
        QTest::newRow("height not a number")
            << "12"
            << "2x" << QStringLiteral("Height: Please enter an integer.");
        QTest::newRow("198 characters, too many to draw")
            << QString(198, QLatin1Char('7')) << "25"
            << QStringLiteral("The barcode is too long: its symbol would be wider than 832 dots");
        QTest::newRow("199 characters") << QString(199, QLatin1Char('7')) << "25" << tooLong;
        QTest::newRow("the data speaks before the height")
            << QString(199, QLatin1Char('7')) << "0" << tooLong;
        QTest::newRow("empty data is the caller's to judge") << ""
                                                             << "25" << ok;
    }
    void checksOnOk() {
        QFETCH(QString, data);
        QFETCH(QString, height);
        QFETCH(QString, message);
        CBarcodeDlg dialog(toolFields());
        showAndWait(dialog);
        retype(lineEdit(dialog, "Data"), data);
        retype(lineEdit(dialog, "Height"), height);
        ModalAnswer answer;
        pressOk(dialog);
        QCOMPARE(answer.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(dialog.isVisible(), !message.isEmpty());
        if (message.isEmpty()) {
            QCOMPARE(QString::fromStdString(dialog.fields().data), data);
            QCOMPARE(QString::number(dialog.fields().height), height);
        } else {
            const char* field = message.startsWith(QLatin1String("Height")) ? "Height" : "Data";
            QCOMPARE(dialog.focusWidget(), lineEdit(dialog, field));
        }
    }

    void positionIsFixedFromTheToolOnly() {
        CBarcodeDlg tool(toolFields());
        showAndWait(tool);
        QTest::keyClicks(lineEdit(tool, "X"), "9");
        QCOMPARE(lineEdit(tool, "X")->text(), QStringLiteral("12"));
        pressOk(tool);
        QCOMPARE(tool.fields().x, 12);

        PageObject o = barcode(1, "AB");
        CBarcodeDlg properties(barcodeFieldsOf(o));
        showAndWait(properties);
        retype(lineEdit(properties, "X"), "100");
        retype(lineEdit(properties, "Y"), "200");
        pressOk(properties);
        applyBarcodeFields(o, properties.fields());
        QCOMPARE((QList<int>{o.barcodeX, o.barcodeY, o.left, o.top}),
                 (QList<int>{100, 200, 100, 200}));
    }

    void upcStaysUpc() {
        PageObject o = barcode(4, "01234567890");
        CBarcodeDlg dialog(barcodeFieldsOf(o));
        showAndWait(dialog);
        QVERIFY(button(dialog, kUpc)->isChecked());
        pressOk(dialog);
        applyBarcodeFields(o, dialog.fields());
        QCOMPARE(o.barcodeType, 4);
    }

    void codabarWithTenCharactersIs300DotsLong() {
        PageObject o = barcode(1, "0123456789");
        QCOMPARE(o.right - o.left, 0); // not measured yet
        CBarcodeDlg dialog(barcodeFieldsOf(o));
        showAndWait(dialog);
        click(button(dialog, "Codabar"));
        click(button(dialog, "Human Readable"));
        ModalAnswer keep(QMessageBox::Ignore);
        pressOk(dialog);
        applyBarcodeFields(o, dialog.fields());
        QCOMPARE(o.barcodeType, 5);
        QCOMPARE(o.humanReadable, 1);
        QCOMPARE(o.right - o.left, 300);
    }

    void dataIsCodePage437InTheFields() {
        BarcodeFields start = toolFields();
        start.data = "\x9C"
                     "5";
        CBarcodeDlg dialog(start);
        showAndWait(dialog);
        QCOMPARE(lineEdit(dialog, "Data")->text(), QStringLiteral("£5"));
        QTest::keyClick(lineEdit(dialog, "Data"), Qt::Key_End);
        lineEdit(dialog, "Data")->insert(QStringLiteral("é"));
        ModalAnswer keep(QMessageBox::Ignore);
        pressOk(dialog);
        QCOMPARE(QByteArray::fromStdString(dialog.fields().data), QByteArray("\x9C"
                                                                             "5\x82"));
    }

    void code128TakesPlainDataAndItsCodeSet() {
        BarcodeFields start = toolFields();
        start.typeIndex = 1;
        CBarcodeDlg dialog(start);
        showAndWait(dialog);
        retype(lineEdit(dialog, "Data"), "QS4471092231GB");
        pressOk(dialog);
        PageObject o = barcode(2, "");
        applyBarcodeFields(o, dialog.fields());
        QCOMPARE(o.literal.view(), "\210QS4471092231GB");

        CBarcodeDlg reopened(barcodeFieldsOf(o));
        showAndWait(reopened);
        QCOMPARE(lineEdit(reopened, "Data")->text(), QStringLiteral("QS4471092231GB"));
        QCOMPARE(named<QComboBox>(reopened, "Code set")->currentText(),
                 QStringLiteral("Code set B: letters, digits and signs"));
        click(button(reopened, "Code 39"));
        QVERIFY(!named<QComboBox>(reopened, "Code set")->isEnabled());
    }

    // The preview follows each control in turn; turned a quarter, it is the
    // unturned dots turned counter-clockwise, at the same enlargement.
    void previewFollowsEveryControl() {
        BarcodeFields start = toolFields();
        start.typeIndex = 1;
        start.data = "AB12";
        CBarcodeDlg dialog(start);
        showAndWait(dialog);
        auto* preview = named<QLabel>(dialog, "Preview at the printer's dots");
        QVERIFY(preview);
        const auto shown = [preview] { return preview->pixmap().toImage(); };
        const std::pair<const char*, std::function<void()>> changes[] = {
            {"data", [&] { retype(lineEdit(dialog, "Data"), "AB123"); }},
            {"human readable", [&] { click(button(dialog, "Human Readable")); }},
            {"code set", [&] { named<QComboBox>(dialog, "Code set")->setCurrentIndex(1); }},
            {"type", [&] { click(button(dialog, "Code 39")); }},
            {"height", [&] { retype(lineEdit(dialog, "Height"), "40"); }},
            {"angle", [&] { click(button(dialog, "180")); }},
        };
        QImage before = shown();
        QVERIFY(!before.isNull());
        for (const auto& [what, change] : changes) {
            change();
            const QImage after = shown();
            QVERIFY2(!after.isNull() && after != before, what);
            before = after;
        }
        click(button(dialog, "Human Readable"));
        click(button(dialog, "0"));
        const QImage unturned = shown();
        click(button(dialog, "90"));
        QCOMPARE(shown(), unturned.transformed(QTransform().rotate(-90)));
    }

    void dataThatWouldNotDrawAsGivenGoesBackOrIsKept() {
        for (const auto answer : {QMessageBox::Retry, QMessageBox::Ignore}) {
            CBarcodeDlg dialog(barcodeFieldsOf(barcode(4, "5901234123457")));
            showAndWait(dialog);
            retype(lineEdit(dialog, "Data"), "5901234123451");
            ModalAnswer modal(answer);
            pressOk(dialog);
            QCOMPARE(modal.texts(), QStringList{"EAN-13 check digit should be 7, not 1"});
            const bool kept = answer == QMessageBox::Ignore;
            QCOMPARE(dialog.result(), kept ? int(QDialog::Accepted) : int(QDialog::Rejected));
            QCOMPARE(dialog.fields().data, kept ? "5901234123451" : "5901234123457");
        }
    }

    void cancelHandsBackTheStartValues() {
        CBarcodeDlg dialog(toolFields());
        showAndWait(dialog);
        retype(lineEdit(dialog, "Data"), "XYZ");
        click(standardButton(dialog, QDialogButtonBox::Cancel));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(dialog.fields() == toolFields());
    }
};

QUILLSET_GUI_TEST_MAIN(CBarcodeDlgTest)
#include "CBarcodeDlgTest.moc"
