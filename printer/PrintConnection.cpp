#include "printer/PrintConnection.h"

#include "language/PrintSource.h"
#include "printer/CupsTransmission.h"
#include "printer/FileTransmission.h"
#include "printer/SerialPort.h"
#include "printer/SerialTransmission.h"
#include "printer/TcpTransmission.h"

namespace quillset {

namespace {

using Make = std::unique_ptr<PrintTransmission> (*)(const PrintTarget&, std::uint32_t,
                                                    std::unique_ptr<PrintSource>, Reporter&,
                                                    QObject*);

struct Connection {
    ConnectionKind kind;
    Make make;
};

const Connection kMakers[] = {
    {ConnectionKind::Serial,
     [](const PrintTarget& target, std::uint32_t baudRate, std::unique_ptr<PrintSource> source,
        Reporter& reporter, QObject* parent) -> std::unique_ptr<PrintTransmission> {
         SerialPort port;
         port.portName = QString::fromStdString(target.address);
         port.baudRate = baudRate;
         return std::make_unique<SerialTransmission>(port, std::move(source), reporter, parent);
     }},
    {ConnectionKind::File,
     [](const PrintTarget& target, std::uint32_t, std::unique_ptr<PrintSource> source,
        Reporter& reporter, QObject* parent) -> std::unique_ptr<PrintTransmission> {
         return std::make_unique<FileTransmission>(QString::fromStdString(target.address),
                                                   std::move(source), reporter, parent);
     }},
    {ConnectionKind::Tcp,
     [](const PrintTarget& target, std::uint32_t, std::unique_ptr<PrintSource> source,
        Reporter& reporter, QObject* parent) -> std::unique_ptr<PrintTransmission> {
         return std::make_unique<TcpTransmission>(QString::fromStdString(target.address),
                                                  target.port, std::move(source), reporter, parent);
     }},
    {ConnectionKind::Cups,
     [](const PrintTarget& target, std::uint32_t, std::unique_ptr<PrintSource> source,
        Reporter& reporter, QObject* parent) -> std::unique_ptr<PrintTransmission> {
         return std::make_unique<CupsTransmission>(QString::fromStdString(target.address),
                                                   std::move(source), reporter, parent);
     }},
};

} // namespace

std::unique_ptr<PrintTransmission> makeTransmission(const PrintTarget& target,
                                                    std::uint32_t baudRate,
                                                    std::unique_ptr<PrintSource> source,
                                                    Reporter& reporter, QObject* parent) {
    for (const Connection& connection : kMakers)
        if (connection.kind == target.kind)
            return connection.make(target, baudRate, std::move(source), reporter, parent);
    return nullptr;
}

} // namespace quillset
