#pragma once

#include <QDialog>
#include <QMap>

#include <array>

class QButtonGroup;
class QComboBox;
class QListWidget;

namespace quillset {

class SerialPort;

// Configure > Serial Port: the baud rate and the COM port of the printer's
// serial line, and the device each COM name stands for on this machine. OK
// stores the choice in the SerialPort and the device map; Cancel changes
// nothing. Nothing is written to the settings here and no port is opened.
// The dialog opens with the keyboard focus on the selected rate.
class CSerialPortDlg : public QDialog {
    Q_OBJECT
public:
    // The radio labels, in the order of the baud-rate indexes. The bracketed
    // triples are the printer's switch positions for those rates.
    static constexpr std::array<const char*, 8> kBaudLabels{
        "1200",  "2400          (X 1 1)", "9600          (X 0 1)", "14400",
        "19200", "38400        (X 1 0)",  "57600        (X 0 0)",  "115200",
    };

    CSerialPortDlg(SerialPort& port, QWidget* parent = nullptr);

    // The checked radio button and the selected list entry, -1 for none.
    int baudIndex() const;
    int portIndex() const;

    void accept() override;

private:
    void showDevice(int portIndex);
    void rememberDevice(const QString& device);

    SerialPort& port_;
    QButtonGroup* baudButtons_ = nullptr;
    QListWidget* ports_ = nullptr;
    QComboBox* device_ = nullptr;
    // Devices chosen while the dialog is open, by port name.
    QMap<QString, QString> devices_;
};

} // namespace quillset
