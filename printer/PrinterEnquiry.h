#pragma once

#include "language/PrinterStatus.h"
#include "printer/PrintTarget.h"

#include <QFile>
#include <QObject>
#include <QSerialPort>
#include <QTcpSocket>
#include <QTimer>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace quillset {

enum class PrinterLanguage;
class StatusQuestion;

// Asks the printer at a target for its state, from the event loop: a
// network printer, a serial line and a device (a USB printer's) in the
// printer's language over a connection of their own, a CUPS queue through the scheduler on a worker
// thread. `answered` comes once; a printer that tells nothing in time is
// "no answer", never ready.
class PrinterEnquiry : public QObject {
    Q_OBJECT
public:
    PrinterEnquiry(PrintTarget target, std::uint32_t baudRate, PrinterLanguage language,
                   QObject* parent = nullptr);
    ~PrinterEnquiry() override;

    // Why this target cannot be asked in the language ("EPL2 printers do not
    // report their state"); nothing where it can.
    std::optional<std::string> refusal() const;
    void start();

signals:
    void answered(const quillset::PrinterStatus& status);

private:
    void connected();
    void failed(const std::string& reason);
    void end(const PrinterStatus& status);

    PrintTarget target_;
    std::uint32_t baudRate_;
    PrinterLanguage language_;
    QTcpSocket socket_;
    QSerialPort serial_;
    QFile device_;
    int deviceFd_ = -1;
    QTimer connectTimeout_;
    StatusQuestion* question_;
    bool ended_ = false;
};

} // namespace quillset
