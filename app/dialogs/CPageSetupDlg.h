#pragma once

#include "editor/PageSetupCheck.h"

#include <QDialog>

class QButtonGroup;
class QLineEdit;

namespace quillset {

// The printer type, the margins and the page size. OK is refused, with the
// reason, while the page does not fit the paper or the raster; the caller
// stores the values handed back.
class CPageSetupDlg : public QDialog {
    Q_OBJECT
public:
    explicit CPageSetupDlg(const PageSetupFields& start, QWidget* parent = nullptr);

    // The start values until OK, then the values as typed (not yet rounded).
    PageSetupFields fields() const { return fields_; }

    void accept() override;

private:
    // A printer type button, clicked even when already chosen.
    void fillDefaults(int setupPrinter);

    PageSetupFields fields_;
    QButtonGroup* printer_ = nullptr;
    QLineEdit* left_ = nullptr;
    QLineEdit* top_ = nullptr;
    QLineEdit* width_ = nullptr;
    QLineEdit* height_ = nullptr;
};

} // namespace quillset
