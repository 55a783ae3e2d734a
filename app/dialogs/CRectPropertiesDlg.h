#pragma once

#include "editor/RectangleProperties.h"

#include <QDialog>

class QButtonGroup;
class QLineEdit;

namespace quillset {

// Properties of a rectangle: position, size, border, style and colour. It
// takes any integers; the caller applies the result to the object.
class CRectPropertiesDlg : public QDialog {
    Q_OBJECT
public:
    explicit CRectPropertiesDlg(const RectangleFields& start, QWidget* parent = nullptr);

    // The start values until OK, then the values accepted.
    RectangleFields fields() const { return fields_; }

    void accept() override;

private:
    RectangleFields fields_;
    QLineEdit* x_ = nullptr;
    QLineEdit* y_ = nullptr;
    QLineEdit* width_ = nullptr;
    QLineEdit* height_ = nullptr;
    QLineEdit* border_ = nullptr;
    QButtonGroup* style_ = nullptr;
    QButtonGroup* colour_ = nullptr;
};

} // namespace quillset
