#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QProgressBar;
class QPushButton;

namespace quillset {

class PrintTransmission;

// File > Print while the page goes out: where it goes and in which printer
// language, the bytes sent of the total, the time left where the line's
// rate tells it, and Cancel. The dialog closes
// itself when the transmission ends: accepted when every byte went out,
// rejected otherwise. Cancel, Escape and closing the window cancel the
// transmission.
class CPrintProgressDlg : public QDialog {
    Q_OBJECT
public:
    // `languageLabel` names the printer language: "ZPL".
    CPrintProgressDlg(PrintTransmission& transmission, const QString& languageLabel,
                      QWidget* parent = nullptr);

    // File > Print: starts the transmission and shows the dialog while it
    // runs. Whether every byte went out.
    static bool send(PrintTransmission& transmission, const QString& languageLabel,
                     QWidget* parent);

    void reject() override;

private:
    void showProgress(qint64 sent, qint64 total);
    void transmissionEnded(bool allSent);

    PrintTransmission& transmission_;
    QProgressBar* bar_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace quillset
