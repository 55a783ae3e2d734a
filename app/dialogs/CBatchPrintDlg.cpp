#include "app/dialogs/CBatchPrintDlg.h"

#include "language/LanguageOptions.h"
#include "merge/MergeSettings.h"

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

CBatchPrintDlg::CBatchPrintDlg(int records, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Print Records"));
    setAccessibleName(QStringLiteral("Print Records"));
    const int last = std::max(records, 1);
    all_ = new QRadioButton(QStringLiteral("&All %1 records").arg(records), this);
    all_->setAccessibleName(QStringLiteral("All records"));
    all_->setChecked(true);
    auto* range = new QRadioButton(QStringLiteral("&Records"), this);
    range->setAccessibleName(QStringLiteral("Records from to"));
    from_ = spinBox(1, last, 1, QStringLiteral("First record"), this);
    to_ = spinBox(1, last, last, QStringLiteral("Last record"), this);
    auto* rangeRow = new QHBoxLayout;
    rangeRow->addWidget(range);
    rangeRow->addWidget(from_);
    rangeRow->addWidget(new QLabel(QStringLiteral("to"), this));
    rangeRow->addWidget(to_);
    rangeRow->addStretch();
    for (QSpinBox* box : {from_, to_}) {
        box->setEnabled(false);
        connect(range, &QRadioButton::toggled, box, &QWidget::setEnabled);
    }
    all_->setVisible(records > 0);
    range->setVisible(records > 0);
    from_->setVisible(records > 0);
    to_->setVisible(records > 0);

    copies_ = spinBox(1, kMaxCopies, 1, QStringLiteral("Copies"), this);
    counterStart_ = spinBox(std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), 1,
                            QStringLiteral("Counter start"), this);
    counterStep_ = spinBox(std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), 1,
                           QStringLiteral("Counter step"), this);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Copies of each:"), copies_);
    form->addRow(QStringLiteral("${seq} &starts at:"), counterStart_);
    form->addRow(QStringLiteral("${seq} ste&ps by:"), counterStep_);

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
    layout->addWidget(all_);
    layout->addLayout(rangeRow);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void CBatchPrintDlg::applyTo(MergeSettings& settings) const {
    if (!all_->isChecked()) {
        settings.firstRecord = from_->value();
        settings.lastRecord = to_->value();
    }
    settings.copies = copies_->value();
    settings.counterStart = counterStart_->value();
    settings.counterStep = counterStep_->value();
}

} // namespace quillset
