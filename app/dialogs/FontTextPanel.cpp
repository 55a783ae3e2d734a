#include "app/dialogs/FontTextPanel.h"

#include "app/dialogs/DialogFields.h"
#include "app/dialogs/FamilyChooser.h"
#include "app/dialogs/FontTextPreview.h"
#include "app/dialogs/RadioGroup.h"
#include "app/shell/CFolioApp.h"
#include "model/FontTextStyle.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSpinBox>

#include <algorithm>

namespace quillset {

namespace {

// Wide enough for any page, and for a text shrunk into a turned page's
// height.
constexpr int kLargestWidth = 9999;

QString pointsText(int dots) {
    return QStringLiteral("= %1 pt").arg(pointsOfDots(dots), 0, 'f', 1);
}

QSpinBox* makeSpinBox(const QString& name, int low, int high, int value, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setAccessibleName(name);
    box->setRange(low, high);
    box->setValue(value);
    return box;
}

QCheckBox* makeCheckBox(const QString& text, bool checked, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    box->setChecked(checked);
    return box;
}

} // namespace

FontTextPanel::FontTextPanel(const FontTextFields& start, bool positionReadOnly, QWidget* parent)
    : QWidget(parent)
    , start_(start) {
    family_ = new FamilyChooser(start.family, this);

    size_ = makeSpinBox(QStringLiteral("Size in dots"), kMinFontSize, kMaxFontSize,
                        std::clamp(start.size, kMinFontSize, kMaxFontSize), this);
    size_->setSuffix(QStringLiteral(" dots"));
    points_ = new QLabel(pointsText(size_->value()), this);
    points_->setAccessibleName(QStringLiteral("Size in points"));
    width_ = makeSpinBox(QStringLiteral("Width to shrink into"), 0, kLargestWidth,
                         std::max(0, start.width), this);
    width_->setSpecialValueText(QStringLiteral("none"));
    width_->setSuffix(QStringLiteral(" dots"));
    width_->setToolTip(QStringLiteral("A longer line is drawn smaller, down to %1 dots; 0: none")
                           .arg(kMinFontSize));

    bold_ = makeCheckBox(QStringLiteral("&Bold"), start.bold, this);
    italic_ = makeCheckBox(QStringLiteral("&Italic"), start.italic, this);
    underline_ = makeCheckBox(QStringLiteral("&Underline"), start.underline, this);

    auto* alignBox = new QGroupBox(QStringLiteral("Alignment"), this);
    align_ = makeRadioGroup(
        alignBox, {QStringLiteral("Left"), QStringLiteral("Centre"), QStringLiteral("Right")},
        start.align, Qt::Horizontal);
    auto* angleBox = new QGroupBox(QStringLiteral("Angle"), this);
    angle_ = makeAngleGroup(angleBox, start.angle, Qt::Horizontal);
    auto* colourBox = new QGroupBox(QStringLiteral("Colour"), this);
    colour_ = makeRadioGroup(colourBox, {QStringLiteral("White"), QStringLiteral("Black")},
                             start.colour != 0 ? 1 : 0, Qt::Horizontal);

    text_ = new QPlainTextEdit(QString::fromStdString(start.text), this);
    text_->setAccessibleName(QStringLiteral("Font text"));
    text_->setTabChangesFocus(true);
    text_->setPlaceholderText(QStringLiteral("The text; Enter starts a new line"));
    auto* textLabel = new QLabel(QStringLiteral("&Text"), this);
    textLabel->setBuddy(text_);

    const NumberPair position = makePositionPair(start.x, start.y, positionReadOnly, this);
    x_ = position.first;
    y_ = position.second;

    preview_ = new FontTextPreview(this);

    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(size_);
    sizeRow->addWidget(points_);
    auto* styles = new QHBoxLayout;
    styles->addWidget(bold_);
    styles->addWidget(italic_);
    styles->addWidget(underline_);
    auto* sizeLabel = new QLabel(QStringLiteral("&Size:"), this);
    sizeLabel->setBuddy(size_);
    auto* form = new QFormLayout;
    form->addRow(sizeLabel, sizeRow);
    form->addRow(QStringLiteral("Style:"), styles);
    form->addRow(QStringLiteral("&Width to shrink into:"), width_);

    auto* layout = new QGridLayout(this);
    layout->addWidget(family_, 0, 0, 4, 1);
    layout->addLayout(form, 0, 1, 1, 2);
    layout->addWidget(alignBox, 1, 1, 1, 2);
    layout->addWidget(angleBox, 2, 1);
    layout->addWidget(colourBox, 2, 2);
    layout->addWidget(position.box, 3, 1, 1, 2, Qt::AlignTop);
    layout->addWidget(textLabel, 4, 0, 1, 3);
    layout->addWidget(text_, 5, 0, 1, 3);
    layout->addWidget(preview_, 6, 0, 1, 3);
    layout->setRowStretch(6, 1);
    layout->setColumnStretch(0, 1);

    connect(family_, &FamilyChooser::familyChanged, this, &FontTextPanel::changed);
    connect(size_, &QSpinBox::valueChanged, this, &FontTextPanel::changed);
    connect(width_, &QSpinBox::valueChanged, this, &FontTextPanel::changed);
    connect(text_, &QPlainTextEdit::textChanged, this, &FontTextPanel::changed);
    for (QCheckBox* box : {bold_, italic_, underline_})
        connect(box, &QCheckBox::toggled, this, &FontTextPanel::changed);
    for (QButtonGroup* group : {align_, angle_, colour_})
        connect(group, &QButtonGroup::idToggled, this, &FontTextPanel::changed);
    changed();
}

void FontTextPanel::changed() {
    points_->setText(pointsText(size_->value()));
    preview_->showText(fields());
}

FontTextFields FontTextPanel::fields() const {
    FontTextFields f = start_;
    f.family = family_->family();
    f.text = text_->toPlainText().toStdString();
    f.size = size_->value();
    f.bold = bold_->isChecked();
    f.italic = italic_->isChecked();
    f.underline = underline_->isChecked();
    f.align = std::max(0, align_->checkedId());
    f.width = width_->value();
    f.angle = std::max(0, angle_->checkedId());
    f.colour = colour_->checkedId() == 0 ? 0 : 1;
    bool ok = false;
    if (const int x = x_->text().trimmed().toInt(&ok); ok)
        f.x = x;
    if (const int y = y_->text().trimmed().toInt(&ok); ok)
        f.y = y;
    return f;
}

std::optional<FontTextFields> FontTextPanel::acceptedFields() {
    FontTextFields f = fields();
    if (!integerFields({{x_, &f.x}, {y_, &f.y}}))
        return std::nullopt;
    if (const std::optional<std::string> refusal = checkFontTextFields(f)) {
        QMessageBox::warning(window(), QString::fromLatin1(CFolioApp::kTitle),
                             QString::fromStdString(*refusal));
        text_->setFocus(Qt::OtherFocusReason);
        return std::nullopt;
    }
    return f;
}

} // namespace quillset
