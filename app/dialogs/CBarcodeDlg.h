#pragma once

#include "editor/BarcodeProperties.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace quillset {

// Every property of a barcode: data, symbology (with a Code 128's code set),
// human-readable line, angle, position and bar height, with a live preview
// at the printer's dots as the page renderer draws them. OK is refused while
// the data is too long, the height out of 1 to 255 or a number does not
// read; data the symbology would not draw as given is shown with the reason,
// and the user goes back or keeps it. The caller applies the result. The
// data is Unicode here and code page 437 in the fields.
class CBarcodeDlg : public QDialog {
    Q_OBJECT
public:
    explicit CBarcodeDlg(const BarcodeFields& start, QWidget* parent = nullptr);

    // The start values until OK, then the values accepted.
    BarcodeFields fields() const { return fields_; }

    void accept() override;

private:
    // The boxes as they stand, unchecked.
    BarcodeFields chosen() const;
    void showBarcode();
    bool keepDespite(const std::string& problem);

    BarcodeFields fields_;
    QLineEdit* data_ = nullptr;
    QCheckBox* humanReadable_ = nullptr;
    QButtonGroup* type_ = nullptr;
    QComboBox* codeSet_ = nullptr;
    QButtonGroup* angle_ = nullptr;
    QLineEdit* x_ = nullptr;
    QLineEdit* y_ = nullptr;
    QLineEdit* height_ = nullptr;
    QLabel* preview_ = nullptr;
};

} // namespace quillset
