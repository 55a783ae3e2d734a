#pragma once

#include "editor/SymbolProperties.h"

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace quillset {

// Every property of a two-dimensional symbol: symbology, module size, the
// option with what it means for the symbology, data, angle and position,
// with a live preview of the symbol and the data check under it. OK is
// refused while the data does not encode (data with a field is checked for
// each label when it prints) or a number does not read. The caller applies
// the result. The data is Unicode here and code page 437 in the fields.
class CSymbolDlg : public QDialog {
    Q_OBJECT
public:
    explicit CSymbolDlg(const SymbolFields& start, QWidget* parent = nullptr);

    // The start values until OK, then the values accepted.
    SymbolFields fields() const { return fields_; }

    void accept() override;

private:
    // The symbology, module, option and data as the boxes hold them now.
    SymbolFields chosen() const;
    // The option box's range for the chosen symbology.
    void fitOption(int option);
    // The preview, the option's meaning and the data check, after a change.
    void showSymbol();

    SymbolFields fields_;
    QComboBox* symbology_ = nullptr;
    QSpinBox* module_ = nullptr;
    QSpinBox* option_ = nullptr;
    QLabel* meaning_ = nullptr;
    QLineEdit* data_ = nullptr;
    QButtonGroup* angle_ = nullptr;
    QLineEdit* x_ = nullptr;
    QLineEdit* y_ = nullptr;
    QLabel* preview_ = nullptr;
    QLabel* problem_ = nullptr;
};

} // namespace quillset
