#include "app/dialogs/CPageSetupDlg.h"

#include "app/dialogs/DialogFields.h"
#include "app/dialogs/RadioGroup.h"
#include "editor/CommonPageSizes.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

#include <algorithm>

namespace quillset {

namespace {

constexpr LengthUnit kUnits[] = {LengthUnit::Inches, LengthUnit::Millimetres, LengthUnit::Dots};

QString unitText(LengthUnit unit) {
    const std::string_view name = unitName(unit);
    return QString::fromLatin1(name.data(), static_cast<int>(name.size()));
}

QComboBox* makeLabelledCombo(QLabel* label, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    label->setBuddy(combo);
    combo->setAccessibleName(label->text());
    return combo;
}

} // namespace

CPageSetupDlg::CPageSetupDlg(const PageSetupFields& start, LengthUnit unit, QWidget* parent)
    : QDialog(parent)
    , fields_(start)
    , unit_(unit) {
    setWindowTitle(QStringLiteral("Page Setup"));

    // Created first, so that Tab reaches them before the printer type.
    auto* sizeLabel = new QLabel(QStringLiteral("Common size :"), this);
    sizes_ = makeLabelledCombo(sizeLabel, this);
    for (const CommonPageSize& size : commonPageSizes())
        sizes_->addItem(QString::fromUtf8(size.label));
    sizes_->addItem(QStringLiteral("Custom"));
    auto* unitLabel = new QLabel(QStringLiteral("Units :"), this);
    units_ = makeLabelledCombo(unitLabel, this);
    units_->addItems(
        {QStringLiteral("inches"), QStringLiteral("millimetres"), QStringLiteral("dots")});
    units_->setCurrentIndex(static_cast<int>(std::find(std::begin(kUnits), std::end(kUnits), unit) -
                                             std::begin(kUnits)));

    auto* printerBox = new QGroupBox(QStringLiteral("Printer Type"), this);
    printer_ =
        makeRadioGroup(printerBox,
                       {QStringLiteral("2 inch (384 dots)"), QStringLiteral("3 inch (576 dots)"),
                        QStringLiteral("4 inch (832 dots)")},
                       start.setupPrinter);

    const QString shown = unitText(unit);
    const NumberPair margins = makeNumberPair(
        QStringLiteral("Margins"), QStringLiteral("Left :"), 0, QStringLiteral("Top :"), 0, this,
        shown, QStringLiteral("Left Margin rounded to nearest multiple of 8 dots."));
    const NumberPair size = makeNumberPair(
        QStringLiteral("Page Size"), QStringLiteral("Width :"), 0, QStringLiteral("Height :"), 0,
        this, shown, QStringLiteral("Page Width will be rounded to nearest multiple of 16 dots."));
    lengths_[Left] = {margins.first, margins.firstUnit, start.setupLeft, false};
    lengths_[Top] = {margins.second, margins.secondUnit, start.setupTop, false};
    lengths_[Width] = {size.first, size.firstUnit, start.setupWidth, false};
    lengths_[Height] = {size.second, size.secondUnit, start.setupHeight, false};
    for (int which = Left; which <= Height; ++which) {
        setDots(which, lengths_[static_cast<std::size_t>(which)].dots);
        connect(lengths_[static_cast<std::size_t>(which)].edit, &QLineEdit::textEdited, this,
                [this, which] { lengthTyped(which); });
    }
    showSize(commonSizeOf(start.setupWidth, start.setupHeight));

    heightNote_ = new QLabel(this);
    heightNote_->setAccessibleName(QStringLiteral("Height note"));
    heightNote_->setWordWrap(true);
    heightNote_->hide();

    connect(sizes_, &QComboBox::activated, this, &CPageSetupDlg::chooseSize);
    connect(units_, &QComboBox::currentIndexChanged, this, &CPageSetupDlg::chooseUnit);
    connect(printer_, &QButtonGroup::idClicked, this, &CPageSetupDlg::choosePrinter);

    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* choices = new QGridLayout;
    choices->addWidget(sizeLabel, 0, 0);
    choices->addWidget(sizes_, 0, 1);
    choices->addWidget(unitLabel, 1, 0);
    choices->addWidget(units_, 1, 1);
    auto* layout = new QGridLayout(this);
    layout->addLayout(choices, 0, 0);
    layout->addWidget(printerBox, 1, 0);
    layout->addWidget(margins.box, 2, 0);
    layout->addWidget(size.box, 3, 0);
    layout->addWidget(heightNote_, 4, 0);
    layout->addWidget(buttons, 0, 1, 5, 1, Qt::AlignTop);
}

int CPageSetupDlg::shownSize() const {
    const int index = sizes_->currentIndex();
    return index < static_cast<int>(commonPageSizes().size()) ? index : kCustomSize;
}

void CPageSetupDlg::showSize(int size) {
    sizes_->setCurrentIndex(size == kCustomSize ? sizes_->count() - 1 : size);
}

int CPageSetupDlg::dotsOf(int which) const {
    const Length& length = lengths_[static_cast<std::size_t>(which)];
    if (!length.typed)
        return length.dots;
    return dotsFromText(length.edit->text().toStdString(), unit_).value_or(length.dots);
}

void CPageSetupDlg::setDots(int which, int dots) {
    Length& length = lengths_[static_cast<std::size_t>(which)];
    length.dots = dots;
    length.typed = false;
    length.edit->setText(QString::fromStdString(lengthText(dots, unit_)));
}

void CPageSetupDlg::choosePrinter(int setupPrinter) {
    const SizeAfterPrinterSwitch after =
        sizeForPrinterSwitch(shownSize(), dotsOf(Height), setupPrinter);
    setDots(Left, 0);
    setDots(Top, 0);
    setDots(Width, paperWidthForPrinter(setupPrinter));
    setDots(Height, after.height);
    showSize(after.size);
    showHeightNote(QString::fromUtf8(after.heightNote));
}

void CPageSetupDlg::showHeightNote(const QString& note) {
    heightNote_->setText(note);
    heightNote_->setVisible(!note.isEmpty());
    // Grow to hold the note rather than squeeze the boxes' own notes.
    adjustSize();
}

void CPageSetupDlg::chooseSize(int index) {
    if (index < 0 || index >= static_cast<int>(commonPageSizes().size()))
        return;
    const CommonPageSize& size = commonPageSizes()[static_cast<std::size_t>(index)];
    printer_->button(size.setupPrinter)->setChecked(true);
    const int height = size.continuous() ? dotsOf(Height) : size.height;
    setDots(Left, 0);
    setDots(Top, 0);
    setDots(Width, paperWidthForPrinter(size.setupPrinter));
    setDots(Height, height);
    showHeightNote({});
}

void CPageSetupDlg::chooseUnit(int index) {
    // Boxes not typed in keep their exact dots; an inch shown with two
    // decimals would otherwise lose one.
    std::array<int, 4> dots{};
    for (int which = Left; which <= Height; ++which)
        dots[static_cast<std::size_t>(which)] = dotsOf(which);
    unit_ = kUnits[index];
    for (int which = Left; which <= Height; ++which) {
        Length& length = lengths_[static_cast<std::size_t>(which)];
        length.unit->setText(unitText(unit_));
        const bool unreadable =
            length.typed && !dotsFromText(length.edit->text().toStdString(), kUnits[index]);
        if (!unreadable)
            setDots(which, dots[static_cast<std::size_t>(which)]);
    }
}

void CPageSetupDlg::lengthTyped(int which) {
    lengths_[static_cast<std::size_t>(which)].typed = true;
    const int size = shownSize();
    // A receipt's length is the user's to type; its width is not.
    const bool stillReceipt = which == Height && size != kCustomSize &&
                              commonPageSizes()[static_cast<std::size_t>(size)].continuous();
    if ((which == Width || which == Height) && !stillReceipt)
        showSize(kCustomSize);
    if (which == Height && heightNote_->isVisible())
        showHeightNote({});
}

void CPageSetupDlg::accept() {
    PageSetupFields f;
    int* values[] = {&f.setupLeft, &f.setupTop, &f.setupWidth, &f.setupHeight};
    for (int which = Left; which <= Height; ++which) {
        const Length& length = lengths_[static_cast<std::size_t>(which)];
        const std::optional<int> dots =
            length.typed ? dotsFromText(length.edit->text().toStdString(), unit_) : length.dots;
        if (!dots) {
            refuseField(length.edit, unit_ == LengthUnit::Dots
                                         ? QStringLiteral("Please enter an integer.")
                                         : QStringLiteral("Please enter a number."));
            return;
        }
        *values[which] = *dots;
    }
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
