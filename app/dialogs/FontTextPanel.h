#pragma once

#include "editor/FontTextProperties.h"

#include <QWidget>

#include <optional>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

namespace quillset {

class FamilyChooser;
class FontTextPreview;

// The Text Edit dialog's side for text in an installed font: the family,
// the size in dots (and points), the styles, the alignment, the width to
// shrink into, the text, angle, colour and position, with a preview of the
// dots that print.
class FontTextPanel : public QWidget {
    Q_OBJECT
public:
    // `positionReadOnly`: a new text, whose position the click placing it
    // gives.
    FontTextPanel(const FontTextFields& start, bool positionReadOnly, QWidget* parent = nullptr);

    // The fields as the controls hold them (the position as opened when a
    // box does not hold a number).
    FontTextFields fields() const;
    // The fields for OK, or nothing after telling the user why not.
    std::optional<FontTextFields> acceptedFields();

    QPlainTextEdit* textBox() const { return text_; }

private:
    void changed();

    FontTextFields start_;
    FamilyChooser* family_ = nullptr;
    QSpinBox* size_ = nullptr;
    QLabel* points_ = nullptr;
    QCheckBox* bold_ = nullptr;
    QCheckBox* italic_ = nullptr;
    QCheckBox* underline_ = nullptr;
    QButtonGroup* align_ = nullptr;
    QSpinBox* width_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QButtonGroup* angle_ = nullptr;
    QButtonGroup* colour_ = nullptr;
    QLineEdit* x_ = nullptr;
    QLineEdit* y_ = nullptr;
    FontTextPreview* preview_ = nullptr;
};

} // namespace quillset
