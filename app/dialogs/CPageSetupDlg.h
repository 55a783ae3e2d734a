#pragma once

#include "editor/PageLength.h"
#include "editor/PageSetupCheck.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;

namespace quillset {

// The printer type, the margins and the page size, shown in inches,
// millimetres or dots, and a list of common label sizes that fills them.
// OK is refused, with the reason, while the page does not fit the paper or
// the raster; the caller stores the values handed back.
class CPageSetupDlg : public QDialog {
    Q_OBJECT
public:
    explicit CPageSetupDlg(const PageSetupFields& start, LengthUnit unit = LengthUnit::Dots,
                           QWidget* parent = nullptr);

    // The start values until OK, then the values as typed, in dots (not yet
    // rounded to the raster's steps).
    PageSetupFields fields() const { return fields_; }

    // The unit chosen last, to open in next time.
    LengthUnit unit() const { return unit_; }

    void accept() override;

private:
    // One length box: the dots it stands for until the user types in it.
    struct Length {
        QLineEdit* edit = nullptr;
        QLabel* unit = nullptr;
        int dots = 0;
        bool typed = false;
    };
    enum { Left, Top, Width, Height };

    // A printer type button, clicked even when already chosen.
    void choosePrinter(int setupPrinter);
    void chooseSize(int index);
    void chooseUnit(int index);
    void lengthTyped(int which);
    void showHeightNote(const QString& note); // none: hidden

    int shownSize() const; // an index into commonPageSizes(), or kCustomSize
    void showSize(int size);
    // The box's dots: as typed when that reads, else as last shown.
    int dotsOf(int which) const;
    void setDots(int which, int dots);

    PageSetupFields fields_;
    LengthUnit unit_;
    QComboBox* sizes_ = nullptr;
    QComboBox* units_ = nullptr;
    QButtonGroup* printer_ = nullptr;
    std::array<Length, 4> lengths_;
    QLabel* heightNote_ = nullptr;
};

} // namespace quillset
