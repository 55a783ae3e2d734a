#include "app/dialogs/CBatchPrintDlg.h"

#include "app/dialogs/CMergeDataDlg.h"
#include "language/LanguageOptions.h"
#include "merge/MergeSettings.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <limits>

namespace quillset {

namespace {

QSpinBox* spinBox(int low, int high, int value, const QString& name, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(low, high);
    box->setValue(value);
    box->setAccessibleName(name);
    return box;
}

} // namespace

CBatchPrintDlg::CBatchPrintDlg(int records, const BatchPrintChoice& start, int copies,
                               bool replaceMissing, QWidget* parent)
    : QDialog(parent)
    , nextCounter_(start.nextCounter)
    , resumeLabel_(start.resumeLabel)
    , resumeCounter_(start.resumeCounter) {
    setWindowTitle(QStringLiteral("Print Records"));
    setAccessibleName(QStringLiteral("Print Records"));
    const int last = std::max(records, 1);
    all_ = new QRadioButton(QStringLiteral("&All %1 records").arg(records), this);
    all_->setAccessibleName(QStringLiteral("All records"));
    auto* range = new QRadioButton(QStringLiteral("&Records"), this);
    range->setAccessibleName(QStringLiteral("Records from to"));
    from_ = spinBox(1, last, start.firstRecord, QStringLiteral("First record"), this);
    to_ = spinBox(1, last, start.allRecords ? last : start.lastRecord,
                  QStringLiteral("Last record"), this);
    auto* rangeRow = new QHBoxLayout;
    rangeRow->addWidget(range);
    rangeRow->addWidget(from_);
    rangeRow->addWidget(new QLabel(QStringLiteral("to"), this));
    rangeRow->addWidget(to_);
    rangeRow->addStretch();
    for (QSpinBox* box : {from_, to_})
        connect(range, &QRadioButton::toggled, box, &QWidget::setEnabled);
    (start.allRecords || records == 0 ? all_ : range)->setChecked(true);
    from_->setEnabled(range->isChecked());
    to_->setEnabled(range->isChecked());
    all_->setVisible(records > 0);
    range->setVisible(records > 0);
    from_->setVisible(records > 0);
    to_->setVisible(records > 0);

    copies_ = spinBox(1, kMaxCopies, copies, QStringLiteral("Copies"), this);
    copies_->setToolTip(QStringLiteral("The Copies of Configure > Printer"));
    constexpr int kLow = std::numeric_limits<int>::min();
    constexpr int kHigh = std::numeric_limits<int>::max();
    counterStart_ = spinBox(kLow, kHigh, start.counterStart, QStringLiteral("Counter start"), this);
    goOn_ = new QCheckBox(this);
    goOn_->setAccessibleName(QStringLiteral("Go on from the last print"));
    goOn_->setVisible(nextCounter_.has_value());
    if (nextCounter_) {
        goOn_->setText(QStringLiteral("&Go on from the last print: %1").arg(*nextCounter_));
        goOn_->setChecked(start.goOn);
        connect(goOn_, &QCheckBox::toggled, counterStart_, &QWidget::setDisabled);
        counterStart_->setDisabled(start.goOn);
    }
    counterStep_ = spinBox(kLow, kHigh, start.counterStep, QStringLiteral("Counter step"), this);
    replaceMissing_ = replaceMissingBox(this);
    replaceMissing_->setChecked(replaceMissing);

    resume_ = new QCheckBox(this);
    resume_->setAccessibleName(QStringLiteral("Resume from label"));
    resume_->setVisible(resumeLabel_.has_value());
    if (resumeLabel_) {
        resume_->setText(QStringLiteral("&Resume from label %1").arg(*resumeLabel_));
        resume_->setChecked(true);
        // The resumed labels are those of the print that stopped.
        for (QWidget* choice : std::initializer_list<QWidget*>{
                 all_, range, from_, to_, copies_, counterStart_, goOn_, counterStep_}) {
            const auto follow = [choice](bool on) {
                if (on)
                    choice->setProperty("enabledBeforeResume", choice->isEnabled());
                choice->setEnabled(!on && choice->property("enabledBeforeResume").toBool());
            };
            follow(true);
            connect(resume_, &QCheckBox::toggled, choice, follow);
        }
    }

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Copies of each:"), copies_);
    form->addRow(QStringLiteral("${seq} &starts at:"), counterStart_);
    form->addRow(QString(), goOn_);
    form->addRow(QStringLiteral("${seq} ste&ps by:"), counterStep_);
    form->addRow(QString(), replaceMissing_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Print"));
    buttons->button(QDialogButtonBox::Ok)->setAccessibleName(QStringLiteral("Print"));
    buttons->button(QDialogButtonBox::Cancel)->setAccessibleName(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(from_, &QSpinBox::valueChanged, to_,
            [this](int from) { to_->setValue(std::max(to_->value(), from)); });
    connect(to_, &QSpinBox::valueChanged, from_,
            [this](int to) { from_->setValue(std::min(from_->value(), to)); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(resume_);
    layout->addWidget(all_);
    layout->addLayout(rangeRow);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

BatchPrintChoice CBatchPrintDlg::choice() const {
    BatchPrintChoice choice;
    choice.allRecords = all_->isChecked();
    choice.firstRecord = from_->value();
    choice.lastRecord = to_->value();
    choice.counterStart = counterStart_->value();
    choice.counterStep = counterStep_->value();
    choice.goOn = !nextCounter_ || goOn_->isChecked();
    choice.nextCounter = nextCounter_;
    return choice;
}

int CBatchPrintDlg::copies() const {
    return copies_->value();
}

bool CBatchPrintDlg::replaceMissing() const {
    return replaceMissing_->isChecked();
}

std::optional<long long> CBatchPrintDlg::resumeLabel() const {
    if (resumeLabel_ && resume_->isChecked())
        return resumeLabel_;
    return std::nullopt;
}

void CBatchPrintDlg::applyTo(MergeSettings& settings) const {
    if (!all_->isChecked()) {
        settings.firstRecord = from_->value();
        settings.lastRecord = to_->value();
    }
    settings.copies = copies_->value();
    settings.counterStart =
        nextCounter_ && goOn_->isChecked() ? *nextCounter_ : counterStart_->value();
    settings.counterStep = counterStep_->value();
    if (resumeLabel())
        settings.counterStart = resumeCounter_;
    settings.replaceMissing = replaceMissing_->isChecked();
}

} // namespace quillset
