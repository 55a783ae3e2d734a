#include "app/dialogs/CPageSetupDlg.h"

#include "app/dialogs/DialogFields.h"
#include "app/dialogs/RadioGroup.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>

namespace quillset {

CPageSetupDlg::CPageSetupDlg(const PageSetupFields& start, QWidget* parent)
    : QDialog(parent)
    , fields_(start) {
    setWindowTitle(QStringLiteral("Page Setup"));

    auto* printerBox = new QGroupBox(QStringLiteral("Printer Type"), this);
    printer_ =
        makeRadioGroup(printerBox,
                       {QStringLiteral("2 inch (384 dots)"), QStringLiteral("3 inch (576 dots)"),
                        QStringLiteral("4 inch (832 dots)")},
                       start.setupPrinter);
    connect(printer_, &QButtonGroup::idClicked, this, &CPageSetupDlg::fillDefaults);

    const QString dots = QStringLiteral("dots");
    const NumberPair margins =
        makeNumberPair(QStringLiteral("Margins"), QStringLiteral("Left :"), start.setupLeft,
                       QStringLiteral("Top :"), start.setupTop, this, dots,
                       QStringLiteral("Left Margin rounded to nearest multiple of 8."));
    left_ = margins.first;
    top_ = margins.second;
    const NumberPair size =
        makeNumberPair(QStringLiteral("Page Size"), QStringLiteral("Width :"), start.setupWidth,
                       QStringLiteral("Height :"), start.setupHeight, this, dots,
                       QStringLiteral("Page Width will be rounded to nearest multiple of 16."));
    width_ = size.first;
    height_ = size.second;

    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(printerBox, 0, 0);
    layout->addWidget(margins.box, 1, 0);
    layout->addWidget(size.box, 2, 0);
    layout->addWidget(buttons, 0, 1, 3, 1, Qt::AlignTop);
}

void CPageSetupDlg::fillDefaults(int setupPrinter) {
    const PageSetupFields defaults = pageSetupDefaults(setupPrinter);
    left_->setText(QString::number(defaults.setupLeft));
    top_->setText(QString::number(defaults.setupTop));
    width_->setText(QString::number(defaults.setupWidth));
    height_->setText(QString::number(defaults.setupHeight));
}

void CPageSetupDlg::accept() {
    PageSetupFields f;
    if (!integerFields({{left_, &f.setupLeft},
                        {top_, &f.setupTop},
                        {width_, &f.setupWidth},
                        {height_, &f.setupHeight}}))
        return;
    f.setupPrinter = printer_->checkedId();
    if (const auto refusal = checkPageSetup(f)) {
        // A plain box with no caption of its own.
        QMessageBox box(QMessageBox::NoIcon, QString(),
                        QString::fromLatin1(refusal->data(), static_cast<int>(refusal->size())),
                        QMessageBox::Ok, this);
        box.exec();
        return;
    }
    fields_ = f;
    QDialog::accept();
}

} // namespace quillset
