#include "app/dialogs/CPictureDlg.h"

#include "app/dialogs/DialogFields.h"
#include "app/dialogs/RadioGroup.h"
#include "imagefile/ImageFile.h"
#include "model/CodePage437.h"
#include "model/Limits.h"
#include "picture/ChosenDithering.h"
#include "picture/PictureImport.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>

#include <cstring>

namespace quillset {

namespace {

const QString kPictureFilter =
    QStringLiteral("Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.svgz);;All files (*)");

QSpinBox* makeSpinBox(QLabel* label, int low, int high, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(low, high);
    box->setAccessibleName(label->text().remove(QLatin1Char('&')));
    label->setBuddy(box);
    return box;
}

// One bit a dot, black set, as the page view shows the page.
QImage monoImage(const Picture& picture) {
    QImage image(picture.width, picture.height, QImage::Format_Mono);
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    const auto rowBytes = static_cast<std::size_t>(picture.rowBytes());
    for (int y = 0; y < picture.height; ++y)
        std::memcpy(image.scanLine(y), picture.rows.data() + static_cast<std::size_t>(y) * rowBytes,
                    rowBytes);
    return image;
}

} // namespace

QString choosePictureFile(QWidget* parent, const QString& near) {
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Choose a Picture"), near,
                                        kPictureFilter);
}

CPictureDlg::CPictureDlg(const PictureFields& start, std::shared_ptr<const Picture> current,
                         QWidget* parent)
    : QDialog(parent)
    , fields_(start)
    , picture_(std::move(current)) {
    setWindowTitle(QStringLiteral("Picture"));

    file_ = new QLabel(this);
    file_->setAccessibleName(QStringLiteral("File"));
    file_->setWordWrap(true);
    problem_ = new QLabel(this);
    problem_->setAccessibleName(QStringLiteral("Problem"));
    problem_->setWordWrap(true);
    problem_->hide();
    choose_ = new QPushButton(QStringLiteral("&Choose File..."), this);
    choose_->setAccessibleName(QStringLiteral("Choose File"));
    connect(choose_, &QPushButton::clicked, this, &CPictureDlg::chooseFile);

    auto* sizeBox = new QGroupBox(QStringLiteral("Size in dots"), this);
    auto* sizeGrid = new QGridLayout(sizeBox);
    auto* widthLabel = new QLabel(QStringLiteral("&Width"), sizeBox);
    width_ = makeSpinBox(widthLabel, 1, kMaxPictureWidth, sizeBox);
    auto* heightLabel = new QLabel(QStringLiteral("&Height"), sizeBox);
    height_ = makeSpinBox(heightLabel, 1, kMaxPictureHeight, sizeBox);
    sizeGrid->addWidget(widthLabel, 0, 0);
    sizeGrid->addWidget(width_, 0, 1);
    sizeGrid->addWidget(heightLabel, 1, 0);
    sizeGrid->addWidget(height_, 1, 1);
    sizeGrid->addWidget(new QLabel(QStringLiteral("The aspect is kept."), sizeBox), 2, 0, 1, 2);
    connect(width_, &QSpinBox::valueChanged, this, &CPictureDlg::widthChanged);
    connect(height_, &QSpinBox::valueChanged, this, &CPictureDlg::heightChanged);

    auto* ditherBox = new QGroupBox(QStringLiteral("Dithering"), this);
    dither_ = makeRadioGroup(ditherBox,
                             {QStringLiteral("&Threshold: black below the level"),
                              QStringLiteral("&Ordered: an even pattern"),
                              QStringLiteral("&Diffusion: the finest for photos")},
                             static_cast<int>(start.dithering));
    auto* levelLabel = new QLabel(QStringLiteral("&Level (0-255)"), ditherBox);
    level_ = makeSpinBox(levelLabel, 0, 255, ditherBox);
    level_->setValue(start.level);
    auto* levelRow = new QHBoxLayout;
    levelRow->addWidget(levelLabel);
    levelRow->addWidget(level_);
    static_cast<QBoxLayout*>(ditherBox->layout())->addLayout(levelRow);
    chosen_ = new QLabel(ditherBox);
    chosen_->setAccessibleName(QStringLiteral("Dithering chosen"));
    chosen_->hide();
    static_cast<QBoxLayout*>(ditherBox->layout())->addWidget(chosen_);
    ditherPicked_ = picture_ != nullptr;
    connect(dither_, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (!on)
            return;
        ditherPicked_ = true;
        chosen_->hide();
        remake();
    });
    connect(level_, &QSpinBox::valueChanged, this, &CPictureDlg::remake);

    const NumberPair position = makePositionPair(start.x, start.y, !start.onPage, this);
    x_ = position.first;
    y_ = position.second;

    preview_ = new QLabel(this);
    preview_->setAccessibleName(QStringLiteral("Preview at the printer's dots"));
    preview_->setAlignment(Qt::AlignCenter);
    auto* scroll = new QScrollArea(this);
    scroll->setAccessibleName(QStringLiteral("Preview"));
    scroll->setWidget(preview_);
    scroll->setWidgetResizable(true);
    scroll->setMinimumSize(420, 320);
    scroll->setBackgroundRole(QPalette::Dark);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* side = new QVBoxLayout;
    side->addWidget(sizeBox);
    side->addWidget(ditherBox);
    side->addWidget(position.box);
    side->addStretch();
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(file_, 1);
    fileRow->addWidget(choose_);
    auto* layout = new QGridLayout(this);
    layout->addLayout(fileRow, 0, 0, 1, 2);
    layout->addWidget(problem_, 1, 0, 1, 2);
    layout->addLayout(side, 2, 0);
    layout->addWidget(scroll, 2, 1);
    layout->addWidget(buttons, 3, 0, 1, 2);

    if (picture_) {
        const QSignalBlocker blockWidth(width_);
        const QSignalBlocker blockHeight(height_);
        width_->setValue(picture_->width);
        height_->setValue(picture_->height);
        showPreview(*picture_);
    }
    file_->setText(start.file);
    if (!load(start.file) && picture_) {
        problem_->setText(
            QStringLiteral("The picture's file is not where it was imported from: choose it "
                           "again to change the size or the dithering."));
        problem_->show();
    }
    if (!picture_)
        remake();
    width_->setFocus();
}

Dithering CPictureDlg::dithering() const {
    return static_cast<Dithering>(std::max(0, dither_->checkedId()));
}

void CPictureDlg::chooseFile() {
    const QString file = choosePictureFile(this, QFileInfo(fields_.file).absolutePath());
    if (file.isEmpty())
        return;
    if (!load(file)) {
        problem_->setText(QStringLiteral("%1 does not read as a picture.").arg(file));
        problem_->show();
        return;
    }
    problem_->hide();
    fields_.file = file;
    file_->setText(file);
    widthChanged(width_->value());
}

bool CPictureDlg::load(const QString& file) {
    const std::string path = file.toStdString();
    const std::optional<PictureSize> own = file.isEmpty() ? std::nullopt : imageFileSize(path);
    std::string error;
    std::optional<GreyImage> image;
    if (own) {
        drawing_ = isDrawingFile(path);
        if (!drawing_)
            image = readImageFile(path, 0, error);
    }
    const bool read = own && (drawing_ || image);
    for (QWidget* control : std::initializer_list<QWidget*>{width_, height_, level_})
        control->setEnabled(read);
    for (QAbstractButton* button : dither_->buttons())
        button->setEnabled(read);
    if (!read)
        return false;
    image_ = std::move(image);
    ditherChosen_ = false;
    imageWidth_ = own->width;
    imageHeight_ = own->height;
    if (!picture_) {
        const QSignalBlocker blockWidth(width_);
        const QSignalBlocker blockHeight(height_);
        const PictureSize size = importSize(imageWidth_, imageHeight_,
                                            fields_.width > 0 ? fields_.width : imageWidth_);
        width_->setValue(size.width);
        height_->setValue(size.height);
    }
    return true;
}

void CPictureDlg::widthChanged(int width) {
    if (imageWidth_ <= 0)
        return;
    const PictureSize size = importSize(imageWidth_, imageHeight_, width);
    const QSignalBlocker blockWidth(width_);
    const QSignalBlocker blockHeight(height_);
    width_->setValue(size.width);
    height_->setValue(size.height);
    remake();
}

void CPictureDlg::heightChanged(int height) {
    if (imageHeight_ <= 0)
        return;
    widthChanged(std::max(1, static_cast<int>(std::lround(static_cast<double>(height) *
                                                           imageWidth_ / imageHeight_))));
}

void CPictureDlg::remake() {
    if (imageWidth_ <= 0)
        return;
    level_->setEnabled(dithering() == Dithering::Threshold);
    const PictureSize size{width_->value(), height_->value()};
    std::string error;
    std::optional<GreyImage> drawn;
    if (drawing_)
        drawn = readImageFile(fields_.file.toStdString(), size.width, error);
    const GreyImage* image = drawing_ ? (drawn ? &*drawn : nullptr) : (image_ ? &*image_ : nullptr);
    if (image == nullptr)
        return;
    if (!ditherPicked_ && !ditherChosen_)
        chooseDitheringFor(*image);
    std::string source;
    appendUtf8AsCp437(source, fields_.file.toStdString());
    picture_ = finishPicture(importPicture(*image, size, dithering(), level_->value()),
                             std::move(source));
    showPreview(*picture_);
}

void CPictureDlg::chooseDitheringFor(const GreyImage& image) {
    ditherChosen_ = true;
    const ChosenDithering chosen = chooseDithering(image);
    {
        const QSignalBlocker block(dither_);
        dither_->button(static_cast<int>(chosen.dithering))->setChecked(true);
    }
    level_->setEnabled(chosen.dithering == Dithering::Threshold);
    const QString name = chosen.dithering == Dithering::Threshold ? QStringLiteral("Threshold")
                                                                  : QStringLiteral("Diffusion");
    chosen_->setText(
        QStringLiteral("%1 (chosen: %2)").arg(name, QString::fromStdString(chosen.reason)));
    chosen_->show();
}

void CPictureDlg::showPreview(const Picture& picture) {
    preview_->setPixmap(QPixmap::fromImage(monoImage(picture)));
}

void CPictureDlg::accept() {
    PictureFields f = fields_;
    if (!integerFields({{x_, &f.x}, {y_, &f.y}}))
        return;
    if (!picture_) {
        choose_->setFocus();
        return;
    }
    f.width = picture_->width;
    f.dithering = picture_->dithering;
    f.level = picture_->level;
    fields_ = f;
    QDialog::accept();
}

} // namespace quillset
