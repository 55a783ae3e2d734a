#include "printer/CPrintProgressDlg.h"

#include "printer/SerialTransmission.h"
#include "printer/engine/PrintProgress.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <limits>

namespace quillset {

namespace {

// A progress bar counts in int; a longer stream is shown in kilobytes.
int barUnits(qint64 bytes, qint64 total) {
    return static_cast<int>(total > std::numeric_limits<int>::max() ? bytes / 1024 : bytes);
}

} // namespace

CPrintProgressDlg::CPrintProgressDlg(SerialTransmission& transmission, QWidget* parent)
    : QDialog(parent)
    , transmission_(transmission) {
    setWindowTitle(QStringLiteral("Printing"));
    setAccessibleName(QStringLiteral("Printing"));

    QString destination = transmission.portName();
    if (transmission.device() != transmission.portName())
        destination += QStringLiteral(" (%1)").arg(transmission.device());
    auto* where = new QLabel(QStringLiteral("Sending the page to %1 at %2 bit/s.")
                                 .arg(destination)
                                 .arg(transmission.baudRate()),
                             this);
    where->setAccessibleName(QStringLiteral("Destination"));

    bar_ = new QProgressBar(this);
    bar_->setRange(0, barUnits(transmission.total(), transmission.total()));
    bar_->setTextVisible(true);
    bar_->setAccessibleName(QStringLiteral("Bytes sent"));
    bar_->setMinimumWidth(360);

    status_ = new QLabel(this);
    status_->setAccessibleName(QStringLiteral("Progress"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    cancel_ = buttons->button(QDialogButtonBox::Cancel);
    cancel_->setAccessibleName(QStringLiteral("Cancel printing"));
    connect(buttons, &QDialogButtonBox::rejected, this, &CPrintProgressDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(where);
    layout->addWidget(bar_);
    layout->addWidget(status_);
    layout->addWidget(buttons);

    connect(&transmission, &SerialTransmission::progressed, this,
            &CPrintProgressDlg::showProgress);
    connect(&transmission, &SerialTransmission::finished, this,
            &CPrintProgressDlg::transmissionEnded);
    showProgress(transmission.sent(), transmission.total());
    cancel_->setFocus();
}

bool CPrintProgressDlg::send(const SerialPort& port, std::string stream, Reporter& reporter,
                             QWidget* parent) {
    SerialTransmission transmission(port, std::move(stream), reporter);
    if (!transmission.start())
        return false;
    CPrintProgressDlg dialog(transmission, parent);
    if (transmission.state() == SerialTransmission::State::Sending)
        dialog.exec();
    return transmission.state() == SerialTransmission::State::Sent;
}

void CPrintProgressDlg::reject() {
    if (transmission_.state() == SerialTransmission::State::Sending)
        transmission_.cancel();
    else
        QDialog::reject();
}

void CPrintProgressDlg::showProgress(qint64 sent, qint64 total) {
    bar_->setValue(barUnits(sent, total));
    status_->setText(QString::fromStdString(progressText(static_cast<std::uint64_t>(sent),
                                                         static_cast<std::uint64_t>(total),
                                                         transmission_.baudRate())));
}

void CPrintProgressDlg::transmissionEnded(bool allSent) {
    done(allSent ? QDialog::Accepted : QDialog::Rejected);
}

} // namespace quillset
