#include "GuiTestMain.h"
#include "ModalAnswer.h"

#include "app/dialogs/CPrinterDlg.h"
#include "printer/PrinterSettings.h"

#include <QComboBox>
#include <QLineEdit>

using namespace quillset;

Q_DECLARE_METATYPE(quillset::PrinterSettings)

namespace {

PrinterSettings printer(ConnectionKind connection, PrinterLanguage language) {
    PrinterSettings settings;
    settings.connection = connection;
    settings.language.language = language;
    return settings;
}

} // namespace

class CPrinterDlgTest : public QObject {
    Q_OBJECT
public:
    explicit CPrinterDlgTest(CFolioApp&) {}

private slots:
    void init() { QSettings(QStringLiteral("Corvane"), QStringLiteral("Quillset")).clear(); }

    // What the dialog opens on comes back from it unchanged, and from the
    // settings after a save.
    void choicesComeBackAsGiven_data() {
        QTest::addColumn<PrinterSettings>("given");
        QTest::newRow("as Print always sent") << PrinterSettings();
        PrinterSettings network = printer(ConnectionKind::Tcp, PrinterLanguage::Zpl);
        network.host = "192.168.1.50";
        network.port = 6101;
        network.language.zplCompression = ZplCompression::Z64;
        network.language.copies = 3;
        QTest::newRow("network, ZPL in Z64, three copies") << network;
        PrinterSettings usb = printer(ConnectionKind::File, PrinterLanguage::EscPos);
        usb.device = "/dev/usb/lp0";
        usb.language.bandRows = 100;
        usb.language.printWidth = 512;
        usb.language.feedLines = 4;
        usb.language.cut = true;
        QTest::newRow("USB receipt printer, 512 dots, feed and cut") << usb;
        PrinterSettings cups = printer(ConnectionKind::Cups, PrinterLanguage::Zpl);
        cups.queue = "Label-4in";
        cups.host = "kept while another connection is chosen";
        QTest::newRow("CUPS queue") << cups;
    }
    void choicesComeBackAsGiven() {
        QFETCH(PrinterSettings, given);
        SerialPort serial;
        serial.portName = "COM3";
        serial.baudRate = 9600;
        CPrinterDlg dialog(given, serial, {"Office", "Label-4in"});
        QVERIFY(dialog.printer() == given);
        QCOMPARE(dialog.serialPort().portName, serial.portName);
        QCOMPARE(dialog.serialPort().baudRate, serial.baudRate);
        savePrinterSettings(given);
        QVERIFY(loadPrinterSettings() == given);
    }

    void okRefusesAConnectionWithoutAnAddress() {
        PrinterSettings network = printer(ConnectionKind::Tcp, PrinterLanguage::Zpl);
        CPrinterDlg dialog(network, SerialPort(), {});
        dialog.show();
        ModalAnswer answer;
        dialog.accept();
        QTRY_COMPARE(answer.texts(), QStringList{"Enter the printer's host name or address."});
        QVERIFY(dialog.isVisible());
        for (auto* field : dialog.findChildren<QLineEdit*>())
            if (field->accessibleName() == "Host")
                field->setText("printer.local");
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.printer().host, QStringLiteral("printer.local"));
    }
};

QUILLSET_GUI_TEST_MAIN(CPrinterDlgTest)
#include "CPrinterDlgTest.moc"
