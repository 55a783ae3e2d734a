#pragma once

#include "model/Picture.h"
#include "picture/GreyImage.h"

#include <QDialog>
#include <QString>

#include <memory>
#include <optional>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace quillset {

// The file chooser for pictures, opening in the folder of `near`.
QString choosePictureFile(QWidget* parent, const QString& near);

// What the picture dialog starts from and gives back.
struct PictureFields {
    QString file;   // the picture file the dots are made from
    int x = 0;      // the top-left dot, read-only until the picture is on the page
    int y = 0;
    bool onPage = false;
    int width = 0;  // dots; 0: the file's own width
    Dithering dithering = Dithering::Threshold;
    int level = 128;
};

// The Picture tool's import and a picture's Properties: the file, its width
// and height in dots (the aspect kept), the dithering with the threshold
// level (for a new picture chosen from the file's pixels until one is
// picked, and said why), a preview at the printer's dots, and the position (read-only for a
// new picture, which the click places). Another file can be chosen at any time; while the file cannot be
// read, only the position and the choice of another file are open and the
// dots stay as they were.
class CPictureDlg : public QDialog {
    Q_OBJECT
public:
    // `current`: the dots of the picture on the page, none for a new one.
    CPictureDlg(const PictureFields& start, std::shared_ptr<const Picture> current,
                QWidget* parent = nullptr);

    PictureFields fields() const { return fields_; }
    // The dots after OK: made again when the file, size or dithering was
    // changed, else the picture's own.
    std::shared_ptr<const Picture> picture() const { return picture_; }

    void accept() override;

private:
    void chooseFile();
    // Reads the file; false when it does not read (said in the dialog).
    bool load(const QString& file);
    void widthChanged(int width);
    void heightChanged(int height);
    void remake();
    void showPreview(const Picture& picture);
    Dithering dithering() const;
    // For a new picture whose dithering is not yet picked: the one its
    // pixels call for, checked and said.
    void chooseDitheringFor(const GreyImage& image);

    PictureFields fields_;
    std::shared_ptr<const Picture> picture_;
    bool drawing_ = false;
    std::optional<GreyImage> image_; // a bitmap at its own size
    int imageWidth_ = 0;
    int imageHeight_ = 0;
    bool ditherPicked_ = false; // by the user, or the picture's own
    bool ditherChosen_ = false; // for the file loaded last

    QLabel* file_ = nullptr;
    QLabel* problem_ = nullptr;
    QPushButton* choose_ = nullptr;
    QSpinBox* width_ = nullptr;
    QSpinBox* height_ = nullptr;
    QButtonGroup* dither_ = nullptr;
    QSpinBox* level_ = nullptr;
    QLabel* chosen_ = nullptr;
    QLineEdit* x_ = nullptr;
    QLineEdit* y_ = nullptr;
    QLabel* preview_ = nullptr;
};

} // namespace quillset
