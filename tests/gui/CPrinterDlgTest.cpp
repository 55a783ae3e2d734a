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
        PrinterSettings tspl = printer(ConnectionKind::Tcp, PrinterLanguage::Tspl);
        tspl.host = "192.168.1.60";
        tspl.language.darkness = 0;
        tspl.language.speed = 4;
        tspl.language.media = LabelMedia::Mark;
        tspl.language.gapMm = 5;
        QTest::newRow("TSPL, the lightest darkness, black marks of 5 mm") << tspl;
        PrinterSettings epl2 = printer(ConnectionKind::File, PrinterLanguage::Epl2);
        epl2.device = "/dev/usb/lp1";
        epl2.language.media = LabelMedia::Continuous;
        QTest::newRow("EPL2 on continuous paper, darkness and speed the printer's") << epl2;
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

    // Each language's own fields, and a value past the chosen language's
    // range refused on OK in its words; the same values are another's.
    void labelSettingsFollowTheLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("darkness");
        QTest::addColumn<QStringList>("enabled");
        QTest::addColumn<QString>("refusal");
        const QStringList all{"Darkness", "Speed", "Media", "Gap"};
        QTest::newRow("ESC/POS has none and sends none")
            << int(PrinterLanguage::EscPos) << 20 << QStringList{} << "";
        QTest::newRow("ZPL: darkness to 30, the gap sensed")
            << int(PrinterLanguage::Zpl) << 20 << QStringList{"Darkness", "Speed", "Media"} << "";
        QTest::newRow("TSPL density")
            << int(PrinterLanguage::Tspl) << 20 << all << "TSPL density is 0 to 15.";
        QTest::newRow("TSPL gap") << int(PrinterLanguage::Tspl) << 8 << all
                                  << "TSPL gap is 1 to 25 mm.";
        QTest::newRow("EPL2 speed")
            << int(PrinterLanguage::Epl2) << 8 << all << "EPL2 speed is 1 to 6.";
    }
    void labelSettingsFollowTheLanguage() {
        QFETCH(int, language);
        QFETCH(int, darkness);
        QFETCH(QStringList, enabled);
        QFETCH(QString, refusal);
        PrinterSettings given = printer(ConnectionKind::Serial, PrinterLanguage(language));
        given.language.darkness = darkness;
        given.language.speed = 14;
        given.language.media = LabelMedia::Gap;
        given.language.gapMm = 30;
        CPrinterDlg dialog(given, SerialPort(), {});
        dialog.show();
        QStringList shown;
        for (const char* name : {"Darkness", "Speed", "Media", "Gap"})
            for (auto* field : dialog.findChildren<QWidget*>())
                if (field->accessibleName() == QLatin1String(name) && field->isEnabled())
                    shown << name;
        QCOMPARE(shown, enabled);
        ModalAnswer answer;
        dialog.accept();
        if (refusal.isEmpty()) {
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            return;
        }
        QTRY_COMPARE(answer.texts(), QStringList{refusal});
        QVERIFY(dialog.isVisible());
    }
};

QUILLSET_GUI_TEST_MAIN(CPrinterDlgTest)
#include "CPrinterDlgTest.moc"
