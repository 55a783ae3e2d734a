#pragma once

#include "printer/PrintTransmission.h"

#include <QFile>

#include <QString>
#include <QTimer>

#include <memory>

class QSocketNotifier;

namespace quillset {

// The print written to a device (a USB printer's /dev/usb/lp0), a FIFO or a
// file. A device or FIFO must exist and is written as it takes the bytes; a
// FIFO counts as having taken them once its reader has read them. Any other
// path is a file, created or emptied first. A device or FIFO that takes
// nothing for 10 s fails the print.
class FileTransmission : public PrintTransmission {
    Q_OBJECT
public:
    FileTransmission(const QString& path, std::unique_ptr<PrintSource> source, Reporter& reporter,
                     QObject* parent = nullptr);
    ~FileTransmission() override;

    bool start() override;
    QString target() const override { return path_; }

    using PrintTransmission::setStallTimeout;

protected:
    qint64 takenSoFar() const override;
    void closeConnection(State state) override;
    QIODevice* answerLine() override;

private:
    void pump();
    qint64 queuedInFifo() const;
    std::string failureDetail(int errorNumber) const;

    QString path_;
    int fd_ = -1;
    bool fifo_ = false;
    bool device_ = false;
    std::unique_ptr<QSocketNotifier> writable_;
    QFile answers_; // a device asked for its state, on the same descriptor
    QTimer drain_;  // while a FIFO's reader takes the last bytes
    qint64 written_ = 0;
};

} // namespace quillset
