#include "GuiTestMain.h"

#include "app/dialogs/CSerialPortDlg.h"
#include "printer/SerialPort.h"
#include "printer/SerialSettings.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>

using namespace quillset;

class CSerialPortDlgTest : public QObject {
    Q_OBJECT
public:
    explicit CSerialPortDlgTest(CFolioApp&) {}

private slots:
    void init() { QSettings(QStringLiteral("Corvane"), QStringLiteral("Quillset")).clear(); }

    void opensOnTheCurrentChoice_data() {
        QTest::addColumn<QString>("portName");
        QTest::addColumn<quint32>("baudRate");
        QTest::addColumn<int>("portRow");
        QTest::addColumn<QString>("checked");
        QTest::newRow("COM3 at 9600") << "COM3" << 9600u << 2 << "9600          (X 0 1)";
        QTest::newRow("the last port and rate") << "COM99" << 115200u << 98 << "115200";
        QTest::newRow("start-up defaults") << "COM1" << 57600u << 0 << "57600        (X 0 0)";
    }
    void opensOnTheCurrentChoice() {
        QFETCH(QString, portName);
        QFETCH(quint32, baudRate);
        QFETCH(int, portRow);
        QFETCH(QString, checked);
        SerialPort port;
        port.portName = portName;
        port.baudRate = baudRate;
        CSerialPortDlg dialog(port);
        QCOMPARE(dialog.portIndex(), portRow);
        QCOMPARE(list(dialog)->currentItem()->text(), portName);
        QCOMPARE(checkedLabel(dialog), checked);
    }

    // Arrow keys then move along the rates at once.
    void opensWithTheFocusOnTheSelectedRate() {
        SerialPort port;
        port.baudRate = 9600;
        CSerialPortDlg dialog(port);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* focused = qobject_cast<QRadioButton*>(QApplication::focusWidget());
        QVERIFY(focused);
        QCOMPARE(focused->text(), QStringLiteral("9600          (X 0 1)"));
        QTest::keyClick(focused, Qt::Key_Down);
        dialog.accept();
        QCOMPARE(port.baudRate, 14400u);
    }

    void offersEightRatesAndNinetyNinePorts() {
        SerialPort port;
        CSerialPortDlg dialog(port);
        QStringList labels;
        for (QRadioButton* button : dialog.findChildren<QRadioButton*>())
            labels << button->text();
        QCOMPARE(labels,
                 QStringList({"1200", "2400          (X 1 1)", "9600          (X 0 1)", "14400",
                              "19200", "38400        (X 1 0)", "57600        (X 0 0)", "115200"}));
        QCOMPARE(list(dialog)->count(), 99);
        QCOMPARE(list(dialog)->item(0)->text(), QStringLiteral("COM1"));
        QCOMPARE(list(dialog)->item(98)->text(), QStringLiteral("COM99"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Serial Port"));
    }

    void okStoresAndCancelChangesNothing_data() {
        QTest::addColumn<bool>("ok");
        QTest::newRow("OK") << true;
        QTest::newRow("Cancel") << false;
    }
    void okStoresAndCancelChangesNothing() {
        QFETCH(bool, ok);
        SerialPort port;
        port.portName = QStringLiteral("COM3");
        port.baudRate = 9600;
        const QString before = portDevicePath(QStringLiteral("COM99"));
        CSerialPortDlg dialog(port);
        list(dialog)->setCurrentRow(98);
        dialog.findChildren<QRadioButton*>().constLast()->click();
        dialog.findChild<QComboBox*>()->setCurrentText(QStringLiteral("/dev/ttyUSB7"));
        if (ok)
            dialog.accept();
        else
            dialog.reject();
        QCOMPARE(port.portName, ok ? QStringLiteral("COM99") : QStringLiteral("COM3"));
        QCOMPARE(port.baudRate, ok ? 115200u : 9600u);
        QCOMPARE(portDevicePath(QStringLiteral("COM99")),
                 ok ? QStringLiteral("/dev/ttyUSB7") : before);
    }

    void showsTheDeviceOfTheSelectedEntry() {
        setPortDevice(QStringLiteral("COM2"), QStringLiteral("/dev/ttyACM0"));
        SerialPort port;
        CSerialPortDlg dialog(port);
        auto* device = dialog.findChild<QComboBox*>();
        list(dialog)->setCurrentRow(1);
        QCOMPARE(device->currentText(), QStringLiteral("/dev/ttyACM0"));
        list(dialog)->setCurrentRow(0);
        QCOMPARE(device->currentText(), portDevicePath(QStringLiteral("COM1")));
    }

private:
    static QListWidget* list(CSerialPortDlg& dialog) { return dialog.findChild<QListWidget*>(); }

    static QString checkedLabel(CSerialPortDlg& dialog) {
        for (QRadioButton* button : dialog.findChildren<QRadioButton*>())
            if (button->isChecked())
                return button->text();
        return QString();
    }
};

QUILLSET_GUI_TEST_MAIN(CSerialPortDlgTest)
#include "CSerialPortDlgTest.moc"
