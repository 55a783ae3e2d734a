#include "app/dialogs/CRectPropertiesDlg.h"

#include "app/dialogs/DialogFields.h"
#include "app/dialogs/RadioGroup.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace quillset {

CRectPropertiesDlg::CRectPropertiesDlg(const RectangleFields& start, QWidget* parent)
    : QDialog(parent)
    , fields_(start) {
    setWindowTitle(QStringLiteral("Properties"));

    const NumberPair location =
        makeNumberPair(QStringLiteral("Rectangle Location"), QStringLiteral("X"), start.rectX,
                       QStringLiteral("Y"), start.rectY, this);
    x_ = location.first;
    y_ = location.second;
    const NumberPair size =
        makeNumberPair(QStringLiteral("Rectangle Size"), QStringLiteral("Width"), start.rectWidth,
                       QStringLiteral("Height"), start.rectHeight, this);
    width_ = size.first;
    height_ = size.second;

    auto* borderLabel = new QLabel(QStringLiteral("Border Size"), this);
    border_ = makeLabelledEdit(borderLabel, this);
    border_->setText(QString::number(start.borderSize));
    auto* borderRow = new QHBoxLayout;
    borderRow->addWidget(borderLabel);
    borderRow->addWidget(border_);

    auto* styleBox = new QGroupBox(QStringLiteral("Choose Rectangle Style"), this);
    style_ = makeRadioGroup(
        styleBox, {QStringLiteral("Filled Rectangle"), QStringLiteral("Hollow Rectangle")},
        start.rectStyle);
    auto* colourBox = new QGroupBox(QStringLiteral("Choose Rectangle Color"), this);
    colour_ = makeRadioGroup(colourBox, {QStringLiteral("White"), QStringLiteral("Black")},
                             start.rectColour);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(location.box, 0, 0);
    layout->addWidget(size.box, 0, 1);
    layout->addLayout(borderRow, 1, 0);
    layout->addWidget(styleBox, 2, 0);
    layout->addWidget(colourBox, 2, 1);
    layout->addWidget(buttons, 3, 0, 1, 2);
}

void CRectPropertiesDlg::accept() {
    RectangleFields f;
    if (!integerFields({{x_, &f.rectX},
                        {y_, &f.rectY},
                        {width_, &f.rectWidth},
                        {height_, &f.rectHeight},
                        {border_, &f.borderSize}}))
        return;
    f.rectStyle = style_->checkedId();
    f.rectColour = colour_->checkedId();
    fields_ = f;
    QDialog::accept();
}

} // namespace quillset
