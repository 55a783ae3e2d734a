#pragma once

#include "editor/FontTextProperties.h"

#include <QWidget>

class QLabel;
class QScrollArea;

namespace quillset {

// A font text as it prints: its dots drawn by the font engine, black on
// white at the angle asked, shown at the largest whole enlargement that
// fits (at least one pixel a dot, never smoothed), and under them what the
// user should know: a family drawn with another, a size shrunk to fit,
// characters no installed font has, a line that does not fit, or why OK
// would refuse the text.
class FontTextPreview : public QWidget {
    Q_OBJECT
public:
    explicit FontTextPreview(QWidget* parent = nullptr);

    void showText(const FontTextFields& fields);

    // The notes under the dots, one a line; empty when there are none.
    QString notes() const;

protected:
    // The enlargement follows the room the preview has.
    void resizeEvent(QResizeEvent* event) override;

private:
    FontTextFields shown_;
    QScrollArea* scroll_ = nullptr;
    QLabel* dots_ = nullptr;
    QLabel* notes_ = nullptr;
};

} // namespace quillset
