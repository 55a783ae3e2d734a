#pragma once

#include "printer/PrintTransmission.h"

#include <QString>

#include <atomic>
#include <thread>

namespace quillset {

// The print sent as a raw job to a CUPS queue. The library blocks, so the
// job goes out on a thread of its own, with its own connection to the
// scheduler; progress and the end come back to the user-interface thread.
// A cancel stops the writes and cancels the job.
class CupsTransmission : public PrintTransmission {
    Q_OBJECT
public:
    CupsTransmission(const QString& queue, std::unique_ptr<PrintSource> source, Reporter& reporter,
                     QObject* parent = nullptr);
    ~CupsTransmission() override;

    // Starts the job's thread; its failures come afterwards.
    bool start() override;
    QString target() const override { return queue_; }

protected:
    qint64 takenSoFar() const override;
    void closeConnection(State state) override;

private:
    void run(); // on the job's thread
    void ended(bool allSent, const std::string& detail);

    QString queue_;
    std::thread worker_;
    std::atomic<bool> stop_ = false;
    std::atomic<qint64> written_ = 0;
};

} // namespace quillset
