#pragma once

#include "printer/PrinterSettings.h"
#include "printer/SerialPort.h"

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QSpinBox;
class QStackedWidget;

namespace quillset {

// Configure > Printer...: how the printer is connected (the serial line's
// port and rate, a device or file, a network address, a CUPS queue) and the
// language it reads, with that language's options: a label language's
// darkness, speed and media too, each left to the printer unless set. Takes
// the settings it starts from and hands back the choice; the caller stores
// it. OK refuses a connection without an address, and a darkness, speed or
// gap outside the language's range, in the language's words.
class CPrinterDlg : public QDialog {
    Q_OBJECT
public:
    // `queues`: the CUPS queues to offer, by name.
    CPrinterDlg(const PrinterSettings& printer, const SerialPort& serial, const QStringList& queues,
                QWidget* parent = nullptr);

    PrinterSettings printer() const;
    SerialPort serialPort() const;

    void accept() override;

private:
    QWidget* makeSerialPage(const SerialPort& serial);
    QWidget* makeFilePage(const QString& device);
    QWidget* makeNetworkPage(const PrinterSettings& printer);
    QWidget* makeCupsPage(const QString& queue, const QStringList& queues);
    QWidget* makeLanguageBox(const LanguageOptions& language);
    void addLabelSettings(QFormLayout* form, const LanguageOptions& language);
    void showLanguageOptions();
    // What is missing for the chosen connection, or nothing.
    QString missingAddress() const;

    QComboBox* connection_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    QComboBox* serialPort_ = nullptr;
    QLabel* serialDevice_ = nullptr;
    QComboBox* baudRate_ = nullptr;
    QComboBox* device_ = nullptr;
    QLineEdit* host_ = nullptr;
    QSpinBox* port_ = nullptr;
    QComboBox* queue_ = nullptr;
    QFormLayout* languageForm_ = nullptr;
    QComboBox* language_ = nullptr;
    QSpinBox* bandRows_ = nullptr;
    QSpinBox* printWidth_ = nullptr;
    QSpinBox* feedLines_ = nullptr;
    QCheckBox* cut_ = nullptr;
    QComboBox* compression_ = nullptr;
    QSpinBox* copies_ = nullptr;
    QSpinBox* darkness_ = nullptr; // below 0: the printer's own
    QSpinBox* speed_ = nullptr;    // 0: the printer's own
    QComboBox* media_ = nullptr;
    QSpinBox* gap_ = nullptr;
};

} // namespace quillset
