#include "app/dialogs/CPrintProgressDlg.h"

#include "printer/PrintProgress.h"
#include "printer/PrintSummary.h"
#include "printer/PrintTransmission.h"

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

CPrintProgressDlg::CPrintProgressDlg(PrintTransmission& transmission, const QString& languageLabel,
                                     QWidget* parent)
    : QDialog(parent)
    , transmission_(transmission) {
    setWindowTitle(QStringLiteral("Printing"));
    setAccessibleName(QStringLiteral("Printing"));

    auto* where = new QLabel(
        QString::fromStdString(printingTo(transmission.target().toStdString(),
                                          languageLabel.toStdString(), transmission.baudRate())),
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

    connect(&transmission, &PrintTransmission::progressed, this, &CPrintProgressDlg::showProgress);
    connect(&transmission, &PrintTransmission::finished, this,
            &CPrintProgressDlg::transmissionEnded);
    showProgress(transmission.sent(), transmission.total());
    cancel_->setFocus();
}

bool CPrintProgressDlg::send(PrintTransmission& transmission, const QString& languageLabel,
                             QWidget* parent) {
    if (!transmission.start())
        return false;
    CPrintProgressDlg dialog(transmission, languageLabel, parent);
    if (transmission.state() == PrintTransmission::State::Sending)
        dialog.exec();
    return transmission.state() == PrintTransmission::State::Sent;
}

void CPrintProgressDlg::reject() {
    if (transmission_.state() == PrintTransmission::State::Sending)
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
