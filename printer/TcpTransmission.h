#pragma once

#include "printer/PrintTransmission.h"

#include <QString>
#include <QTcpSocket>
#include <QTimer>

namespace quillset {

// The print sent to a network printer's raw port (9100). The far end has
// taken what its side of the connection has acknowledged; the print is sent
// once nothing waits in the socket any more. No answer within 5 s, or no
// byte taken for 10 s, fails it.
class TcpTransmission : public PrintTransmission {
    Q_OBJECT
public:
    // `host` is a name or an address, IPv6 without brackets.
    TcpTransmission(const QString& host, quint16 port, std::unique_ptr<PrintSource> source,
                    Reporter& reporter, QObject* parent = nullptr);

    // Starts connecting; a refused or unanswered connection fails the
    // transmission afterwards, from the event loop.
    bool start() override;
    // "192.168.1.50:9100", "[::1]:9100".
    QString target() const override;

    using PrintTransmission::setStallTimeout;
    void setConnectTimeout(std::chrono::milliseconds timeout) {
        connectTimeout_.setInterval(timeout);
    }

protected:
    qint64 takenSoFar() const override;
    void closeConnection(State state) override;
    QIODevice* answerLine() override;

private:
    void connected();
    void pump();
    void written(qint64 count);
    void failed(QAbstractSocket::SocketError error);
    void unanswered();
    qint64 queuedInSocket() const;

    QString host_;
    quint16 port_;
    QTcpSocket socket_;
    QTimer connectTimeout_;
    QTimer pace_;
    qint64 handed_ = 0;  // given to the socket object
    qint64 written_ = 0; // of which in the system's hands
};

} // namespace quillset
