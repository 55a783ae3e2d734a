#include "printer/CupsTransmission.h"

#include "language/PrintSource.h"
#include "printer/CupsQueueStatus.h"
#include "printer/PortFailure.h"

#include <cups/cups.h>

#include <algorithm>

namespace quillset {

namespace {

constexpr std::size_t kChunk = 64 * 1024;
constexpr int kConnectMs = 5000;
// How often a blocked write looks whether the print was cancelled.
constexpr double kCancelPollSeconds = 0.25;

http_t* connectToScheduler() {
    return httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                        kConnectMs, nullptr);
}

} // namespace

CupsTransmission::CupsTransmission(const QString& queue, std::unique_ptr<PrintSource> source,
                                   Reporter& reporter, QObject* parent)
    : PrintTransmission(std::move(source), reporter, parent)
    , queue_(queue) {}

CupsTransmission::~CupsTransmission() {
    stop_ = true;
    if (worker_.joinable())
        worker_.join();
}

bool CupsTransmission::start() {
    if (state_ != State::Ready)
        return false;
    state_ = State::Sending;
    worker_ = std::thread(&CupsTransmission::run, this);
    return true;
}

qint64 CupsTransmission::takenSoFar() const {
    return written_.load();
}

void CupsTransmission::run() {
    const std::string queue = queue_.toStdString();
    auto tell = [this](bool allSent, std::string detail) {
        QMetaObject::invokeMethod(
            this, [this, allSent, detail] { ended(allSent, detail); }, Qt::QueuedConnection);
    };
    auto failure = [&] {
        std::string detail = portFailureDetail(queue, cupsLastErrorString());
        if (cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND)
            detail.append("\n").append(kUnknownQueueHint);
        else if (cupsLastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE)
            detail.append("\n").append(kNoSchedulerHint);
        return detail;
    };

    http_t* http = connectToScheduler();
    if (!http) {
        tell(false, failure());
        return;
    }
    httpSetTimeout(
        http, kCancelPollSeconds,
        [](http_t*, void* self) { return static_cast<CupsTransmission*>(self)->stop_ ? 0 : 1; },
        this);
    // Creating a job looks the queue up too, but says only "No such file or
    // directory" when it is not there.
    cups_dest_t* dest = cupsGetNamedDest(http, queue.c_str(), nullptr);
    if (dest && asksQueue()) {
        const PrinterStatus status = cupsQueueStatus(*dest);
        if (status.fault()) {
            cupsFreeDests(1, dest);
            httpClose(http);
            QMetaObject::invokeMethod(
                this, [this, status] { stopFor(status); }, Qt::QueuedConnection);
            return;
        }
    }
    const int job = dest ? cupsCreateJob(http, queue.c_str(), "Quillset", 0, nullptr) : 0;
    cupsFreeDests(dest ? 1 : 0, dest);
    bool ok = job > 0 && cupsStartDocument(http, queue.c_str(), job, "page", CUPS_FORMAT_RAW, 1) ==
                             HTTP_STATUS_CONTINUE;
    for (std::string_view rest; ok && !stop_ && !(rest = bytesFrom(written_)).empty();) {
        const std::size_t count = std::min(kChunk, rest.size());
        ok = cupsWriteRequestData(http, rest.data(), count) == HTTP_STATUS_CONTINUE;
        if (ok) {
            written_ += static_cast<qint64>(count);
            QMetaObject::invokeMethod(
                this, [this] { showProgress(); }, Qt::QueuedConnection);
        }
    }
    if (ok && !stop_)
        ok = cupsFinishDocument(http, queue.c_str()) == IPP_STATUS_OK;
    const std::string detail = ok ? std::string() : failure();
    httpClose(http);
    if (stop_ && job > 0) {
        // The job's own connection is mid-request; a fresh one cancels it.
        if (http_t* again = connectToScheduler()) {
            cupsCancelJob2(again, queue.c_str(), job, 0);
            httpClose(again);
        }
    }
    tell(ok && !stop_, detail);
}

void CupsTransmission::ended(bool allSent, const std::string& detail) {
    if (state_ == State::Sending)
        finish(allSent ? State::Sent : State::Failed, detail);
}

void CupsTransmission::closeConnection(State state) {
    stop_ = true;
    // After a cancel the thread still cancels the job; the destructor waits
    // for it.
    if (state != State::Cancelled && worker_.joinable())
        worker_.join();
}

} // namespace quillset
