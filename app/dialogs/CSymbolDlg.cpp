#include "app/dialogs/CSymbolDlg.h"

#include "app/dialogs/DialogFields.h"
#include "app/dialogs/DotsPicture.h"
#include "app/dialogs/ObjectDots.h"
#include "app/dialogs/RadioGroup.h"
#include "model/CodePage437.h"
#include "model/FieldMark.h"
#include "model/Limits.h"
#include "model/PageObject.h"
#include "symbol/SymbolEncoder.h"
#include "symbol/Symbology.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QSpinBox>

#include <algorithm>

namespace quillset {

namespace {

constexpr int kPreviewSide = 240;

// Aztec's box runs from one below its range, shown as the default.
int optionFloor(const SymbologyInfo& info) {
    return info.optionOff >= 0 ? info.optionMin - 1 : info.optionMin;
}

// The dots at the angle chosen, enlarged by a whole factor while they fit
// the preview, else shrunk into it.
QPixmap previewOf(const QImage& dots) {
    const int factor = std::min(kPreviewSide / dots.width(), kPreviewSide / dots.height());
    if (factor >= 1)
        return enlargedDots(dots, factor);
    return QPixmap::fromImage(
        dots.scaled(kPreviewSide, kPreviewSide, Qt::KeepAspectRatio, Qt::FastTransformation));
}

} // namespace

CSymbolDlg::CSymbolDlg(const SymbolFields& start, QWidget* parent)
    : QDialog(parent)
    , fields_(start) {
    setWindowTitle(QStringLiteral("Symbol"));

    auto* form = new QFormLayout;
    symbology_ = new QComboBox(this);
    for (const SymbologyInfo& info : symbologies())
        symbology_->addItem(QString::fromUtf8(info.name.data(), static_cast<qsizetype>(info.name.size())),
                            info.number);
    symbology_->setAccessibleName(QStringLiteral("Symbology"));
    form->addRow(QStringLiteral("&Symbology"), symbology_);

    module_ = new QSpinBox(this);
    module_->setRange(kMinSymbolModule, kMaxSymbolModule);
    module_->setSuffix(QStringLiteral(" dots"));
    module_->setValue(start.module);
    module_->setAccessibleName(QStringLiteral("Module size"));
    form->addRow(QStringLiteral("&Module size"), module_);

    option_ = new QSpinBox(this);
    option_->setAccessibleName(QStringLiteral("Option"));
    meaning_ = new QLabel(this);
    meaning_->setAccessibleName(QStringLiteral("Option's meaning"));
    meaning_->setWordWrap(true);
    form->addRow(QStringLiteral("&Option"), option_);
    form->addRow(QString(), meaning_);

    data_ = new QLineEdit(this);
    data_->setAccessibleName(QStringLiteral("Data"));
    data_->setMaxLength(static_cast<int>(kMaxFieldChars));
    data_->setText(QString::fromStdString(cp437ToUtf8(start.data)));
    data_->setMinimumWidth(320);
    form->addRow(QStringLiteral("&Data"), data_);

    auto* angleBox = new QGroupBox(QStringLiteral("Angle"), this);
    angle_ = makeAngleGroup(angleBox, start.angleIndex, Qt::Horizontal);
    const NumberPair position = makePositionPair(start.x, start.y, start.positionReadOnly, this);
    x_ = position.first;
    y_ = position.second;

    preview_ = new QLabel(this);
    preview_->setAccessibleName(QStringLiteral("Preview"));
    preview_->setAlignment(Qt::AlignCenter);
    preview_->setMinimumSize(kPreviewSide, kPreviewSide);
    preview_->setStyleSheet(QStringLiteral("background: white"));
    problem_ = new QLabel(this);
    problem_->setAccessibleName(QStringLiteral("Data check"));
    problem_->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addLayout(form, 0, 0);
    layout->addWidget(angleBox, 1, 0);
    layout->addWidget(position.box, 2, 0);
    layout->addWidget(preview_, 0, 1, 3, 1);
    layout->addWidget(problem_, 3, 0, 1, 2);
    layout->addWidget(buttons, 4, 0, 1, 2);

    const int index = symbology_->findData(start.symbology);
    symbology_->setCurrentIndex(index < 0 ? 0 : index);
    fitOption(start.option);
    connect(symbology_, &QComboBox::currentIndexChanged, this, [this] {
        const SymbologyInfo* info = symbologyInfo(symbology_->currentData().toInt());
        module_->setValue(info->defaultModule);
        fitOption(info->defaultOption);
        showSymbol();
    });
    connect(module_, &QSpinBox::valueChanged, this, &CSymbolDlg::showSymbol);
    connect(option_, &QSpinBox::valueChanged, this, &CSymbolDlg::showSymbol);
    connect(data_, &QLineEdit::textChanged, this, &CSymbolDlg::showSymbol);
    connect(angle_, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            showSymbol();
    });
    showSymbol();
    data_->setFocus();
}

void CSymbolDlg::fitOption(int option) {
    const SymbologyInfo& info = *symbologyInfo(symbology_->currentData().toInt());
    const QSignalBlocker quiet(option_);
    option_->setRange(optionFloor(info), info.optionMax);
    option_->setSpecialValueText(info.optionOff >= 0 ? QStringLiteral("Default") : QString());
    option_->setValue(option == info.optionOff ? optionFloor(info) : option);
}

SymbolFields CSymbolDlg::chosen() const {
    SymbolFields f = fields_;
    f.symbology = symbology_->currentData().toInt();
    const SymbologyInfo& info = *symbologyInfo(f.symbology);
    f.module = module_->value();
    f.option = option_->value() < info.optionMin ? info.optionOff : option_->value();
    f.data = utf8ToCp437(data_->text().toStdString());
    f.angleIndex = angle_->checkedId();
    return f;
}

void CSymbolDlg::showSymbol() {
    const SymbolFields f = chosen();
    const SymbologyInfo& info = *symbologyInfo(f.symbology);
    meaning_->setText(QString::fromStdString(optionMeaning(info, f.option)));
    const EncodedSymbol encoded = encodeSymbol(f.symbology, f.module, f.option, f.data);
    const QImage dots = !encoded.image ? QImage() : objectDots([&](PageObject& o, int x, int y) {
        SymbolFields at = f;
        at.x = x;
        at.y = y;
        applySymbolFields(o, at);
    });
    if (dots.isNull())
        preview_->clear();
    else
        preview_->setPixmap(previewOf(dots));
    problem_->setText(f.data.empty() ? QString() : QString::fromStdString(encoded.problem));
}

void CSymbolDlg::accept() {
    SymbolFields f = chosen();
    if (!integerFields({{y_, &f.y}, {x_, &f.x}}))
        return;
    // Empty data from the Symbol tool cancels the tool: nothing to check.
    if (!(f.positionReadOnly && f.data.empty()) && !holdsField(f.data)) {
        const std::string problem =
            encodeSymbol(f.symbology, f.module, f.option, f.data).problem;
        if (!problem.empty()) {
            QMessageBox::warning(this, windowTitle(), QString::fromStdString(problem));
            data_->setFocus();
            data_->selectAll();
            return;
        }
    }
    fields_ = f;
    QDialog::accept();
}

} // namespace quillset
