#pragma once

#include <QDialog>

#include <string>

class QLabel;
class QProgressBar;
class QPushButton;

namespace quillset {

class Reporter;
class SerialPort;
class SerialTransmission;

// File > Print while the page goes out: where it goes, the bytes sent of the
// total, the time left at the line's rate, and Cancel. The dialog closes
// itself when the transmission ends: accepted when every byte went out,
// rejected otherwise. Cancel, Escape and closing the window cancel the
// transmission.
class CPrintProgressDlg : public QDialog {
    Q_OBJECT
public:
    CPrintProgressDlg(SerialTransmission& transmission, QWidget* parent = nullptr);

    // File > Print: sends `stream` on the port while the dialog shows how it
    // goes. Messages go to `reporter`. Whether every byte went out.
    static bool send(const SerialPort& port, std::string stream, Reporter& reporter,
                     QWidget* parent);

    void reject() override;

private:
    void showProgress(qint64 sent, qint64 total);
    void transmissionEnded(bool allSent);

    SerialTransmission& transmission_;
    QProgressBar* bar_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace quillset
