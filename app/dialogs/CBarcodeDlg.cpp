#include "app/dialogs/CBarcodeDlg.h"

#include "app/dialogs/DialogFields.h"
#include "app/dialogs/DotsPicture.h"
#include "app/dialogs/ObjectDots.h"
#include "app/dialogs/RadioGroup.h"
#include "barcode/BarcodeCheck.h"
#include "model/CodePage437.h"
#include "model/FieldMark.h"
#include "model/PageObject.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QScrollArea>

#include <algorithm>

namespace quillset {

namespace {

// The type buttons in the dialog's order, each with what it encodes. One
// button stands for all three Code 128 subsets, one for both UPC forms: the
// data chooses among them.
struct TypeButton {
    const char* label;
    const char* accepts;
};
constexpr TypeButton kTypeButtons[] = {
    {"Code 39", "Capital letters, digits, space and - . $ / + %"},
    {"Code 128", "Any letters, digits and signs, in the code set below"},
    {"Interleaved 2 of 5", "Digits, at most 16"},
    {"Codabar", "Digits and - $ : / . +, between start and stop letters A to D"},
    {"UPC/EAN", "11 digits for a UPC-A, 6 for a UPC-E (the check digit is added)"},
};

// The code-set box's items in the order of Code128CodeSet.
constexpr const char* kCodeSets[] = {
    "Auto: C for an even number of digits, else B",
    "Code set A: capital letters, digits and signs",
    "Code set B: letters, digits and signs",
    "Code set C: digits, two to a bar pattern",
};

// The preview's room, in pixels. The dots are enlarged by a whole factor
// while their longer side fits kPreviewSide, so that turning keeps the
// enlargement; longer bars scroll.
constexpr int kPreviewSide = 240;
constexpr int kPreviewWidth = 400;

constexpr int kCode128Button = 1;
constexpr int k90Degrees = 1;
constexpr int k270Degrees = 3;

} // namespace

CBarcodeDlg::CBarcodeDlg(const BarcodeFields& start, QWidget* parent)
    : QDialog(parent)
    , fields_(start) {
    setWindowTitle(QStringLiteral("Barcode"));

    auto* dataLabel = new QLabel(QStringLiteral("Data"), this);
    data_ = makeLabelledEdit(dataLabel, this);
    data_->setText(QString::fromStdString(cp437ToUtf8(start.data)));
    humanReadable_ = new QCheckBox(QStringLiteral("Human Readable"), this);
    humanReadable_->setChecked(start.humanReadable != 0);

    auto* typeBox = new QGroupBox(QStringLiteral("Type"), this);
    auto* typeGrid = new QGridLayout(typeBox);
    type_ = new QButtonGroup(this);
    int row = 0;
    for (const TypeButton& t : kTypeButtons) {
        auto* button = new QRadioButton(QString::fromLatin1(t.label), typeBox);
        type_->addButton(button, row);
        typeGrid->addWidget(button, row, 0);
        typeGrid->addWidget(new QLabel(QString::fromLatin1(t.accepts), typeBox), row, 1);
        ++row;
    }
    if (QAbstractButton* button = type_->button(start.typeIndex))
        button->setChecked(true);
    tabIntoCheckedButton(type_);

    auto* codeSetLabel = new QLabel(QStringLiteral("Code set"), typeBox);
    codeSet_ = new QComboBox(typeBox);
    for (const char* set : kCodeSets)
        codeSet_->addItem(QString::fromLatin1(set));
    codeSet_->setCurrentIndex(static_cast<int>(start.codeSet));
    codeSet_->setAccessibleName(codeSetLabel->text());
    codeSetLabel->setBuddy(codeSet_);
    auto* codeSetRow = new QHBoxLayout;
    codeSetRow->addWidget(codeSetLabel);
    codeSetRow->addWidget(codeSet_);
    typeGrid->addLayout(codeSetRow, kCode128Button, 2);
    const auto enableCodeSet = [this] {
        codeSet_->setEnabled(type_->checkedId() == kCode128Button);
    };
    connect(type_, &QButtonGroup::idToggled, this, enableCodeSet);
    enableCodeSet();

    auto* angleBox = new QGroupBox(QStringLiteral("Angle"), this);
    angle_ = makeAngleGroup(angleBox, start.angleIndex);
    connect(angle_, &QButtonGroup::idClicked, this, [this](int id) {
        if (id == k90Degrees || id == k270Degrees)
            fields_.angleIndex = id;
    });

    const NumberPair position = makePositionPair(start.x, start.y, start.positionReadOnly, this);
    x_ = position.first;
    y_ = position.second;

    auto* heightLabel = new QLabel(QStringLiteral("Height"), this);
    height_ = makeLabelledEdit(heightLabel, this);
    height_->setText(QString::number(start.height));

    preview_ = new QLabel(this);
    preview_->setAccessibleName(QStringLiteral("Preview at the printer's dots"));
    preview_->setAlignment(Qt::AlignCenter);
    auto* previewRoom = new QScrollArea(this);
    previewRoom->setAccessibleName(QStringLiteral("Preview"));
    previewRoom->setWidget(preview_);
    previewRoom->setWidgetResizable(true);
    previewRoom->setAlignment(Qt::AlignCenter);
    previewRoom->setFixedSize(kPreviewWidth, kPreviewSide + 8);
    previewRoom->setFocusPolicy(Qt::NoFocus);
    previewRoom->setStyleSheet(QStringLiteral("background: white"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* heightRow = new QHBoxLayout;
    heightRow->addWidget(heightLabel);
    heightRow->addWidget(height_);
    auto* side = new QVBoxLayout;
    side->addWidget(angleBox);
    side->addWidget(position.box);
    side->addLayout(heightRow);
    side->addStretch();

    auto* layout = new QGridLayout(this);
    layout->addWidget(dataLabel, 0, 0);
    layout->addWidget(data_, 0, 1, 1, 2);
    layout->addWidget(humanReadable_, 1, 1);
    layout->addWidget(typeBox, 2, 0, 1, 2);
    layout->addLayout(side, 2, 2);
    layout->addWidget(previewRoom, 3, 0, 1, 3, Qt::AlignCenter);
    layout->addWidget(buttons, 4, 0, 1, 3);

    connect(data_, &QLineEdit::textChanged, this, &CBarcodeDlg::showBarcode);
    connect(humanReadable_, &QCheckBox::toggled, this, &CBarcodeDlg::showBarcode);
    connect(type_, &QButtonGroup::idToggled, this, &CBarcodeDlg::showBarcode);
    connect(codeSet_, &QComboBox::currentIndexChanged, this, &CBarcodeDlg::showBarcode);
    connect(angle_, &QButtonGroup::idToggled, this, &CBarcodeDlg::showBarcode);
    connect(height_, &QLineEdit::textChanged, this, &CBarcodeDlg::showBarcode);
    showBarcode();
    data_->setFocus();
}

BarcodeFields CBarcodeDlg::chosen() const {
    BarcodeFields f = fields_;
    f.typeIndex = type_->checkedId();
    f.data = utf8ToCp437(data_->text().toStdString());
    f.codeSet = static_cast<Code128CodeSet>(codeSet_->currentIndex());
    f.humanReadable = humanReadable_->isChecked() ? 1 : 0;
    f.angleIndex = angle_->checkedId();
    f.height = height_->text().toInt();
    return f;
}

// Bars the engine would not draw (no data, a height out of range) leave the
// preview empty; data the type cannot show as typed is drawn as it prints.
void CBarcodeDlg::showBarcode() {
    const BarcodeFields f = chosen();
    QImage dots;
    if (!f.data.empty() && f.height >= kMinBarcodeHeight && f.height <= kMaxBarcodeHeight &&
        f.angleIndex >= 0)
        dots = objectDots([&](PageObject& o, int x, int y) {
            BarcodeFields at = f;
            at.x = x;
            at.y = y;
            o.kind = ObjectKind::Barcode;
            o.colour = 1;
            applyBarcodeFields(o, at);
        });
    if (dots.isNull()) {
        preview_->clear();
        return;
    }
    const int factor = std::max(1, kPreviewSide / std::max(dots.width(), dots.height()));
    preview_->setPixmap(enlargedDots(dots, factor));
}

void CBarcodeDlg::accept() {
    BarcodeFields f = fields_;
    f.typeIndex = type_->checkedId();
    const QString data = data_->text();
    if (data.toUcs4().size() > static_cast<qsizetype>(kMaxBarcodeData)) {
        refuseField(data_,
                    QStringLiteral("Enter no more than %1 characters.").arg(kMaxBarcodeData));
        return;
    }
    f.data = utf8ToCp437(data.toStdString());
    const std::optional<int> height = integerField(height_);
    if (!height)
        return;
    if (*height < kMinBarcodeHeight || *height > kMaxBarcodeHeight) {
        refuseField(height_, QStringLiteral("Please enter a number between %1 and %2.")
                                 .arg(kMinBarcodeHeight)
                                 .arg(kMaxBarcodeHeight));
        return;
    }
    f.height = *height;
    f.humanReadable = humanReadable_->isChecked() ? 1 : 0;
    f.angleIndex = angle_->checkedId();
    if (!integerFields({{y_, &f.y}, {x_, &f.x}}))
        return;
    f.codeSet = static_cast<Code128CodeSet>(codeSet_->currentIndex());
    // Empty data from the Barcode tool cancels the tool: nothing to check;
    // data with a field is checked for each label when it is printed.
    if (!(f.positionReadOnly && f.data.empty()) && !holdsField(f.data)) {
        const auto problem =
            barcodeDataProblem(barcodeTypeForIndex(f.typeIndex), storedBarcodeData(f));
        if (problem && !keepDespite(*problem)) {
            data_->setFocus();
            return;
        }
    }
    fields_ = f;
    QDialog::accept();
}

bool CBarcodeDlg::keepDespite(const std::string& problem) {
    QMessageBox box(QMessageBox::Warning, windowTitle(), QString::fromStdString(problem),
                    QMessageBox::Retry | QMessageBox::Ignore, this);
    box.setInformativeText(
        QStringLiteral("The barcode will not show this data as typed. Go back and change it, "
                       "or keep it as it is?"));
    box.button(QMessageBox::Retry)->setText(QStringLiteral("Go Back"));
    box.button(QMessageBox::Ignore)->setText(QStringLiteral("Keep It"));
    box.setDefaultButton(QMessageBox::Retry);
    box.setEscapeButton(QMessageBox::Retry);
    return box.exec() == QMessageBox::Ignore;
}

} // namespace quillset
