#pragma once

#include <QColor>
#include <QImage>

class QPainter;
class QRect;

namespace quillset {

struct PageSettings;
struct ViewMapping;

// Paints the page as the page view and the host's printers show it: white
// paper over the margins, the page picture (pagePicture()) at the margins, a
// black frame one dot outside the page on every side and, with the grid on,
// a dot in the grid's colour every ten dots of the page, the first on the
// page's top-left dot. From 100 % up a dot is a sharp square of pixels; the
// page view below 100 % shows the picture shrunk by averaging (ShrunkPicture),
// so that a dithered grey stays grey, with the frame and the grid a pixel
// wide.
class PagePainter {
public:
    static inline const QColor kGridColour{0, 64, 255};
    static constexpr int kGridStep = 10;

    // All must outlive the painter. `shrunk` is the picture at the view's
    // zoom below 100 %, as ShrunkPicture makes it; without it the dots are
    // scaled as they are.
    PagePainter(const QImage& picture, const PageSettings& page, bool grid,
                const QImage* shrunk = nullptr);

    // In paper dots, the paper's top-left corner at (0, 0); only what lies
    // in `area` is drawn.
    void paint(QPainter& painter, const QRect& area) const;
    // As the page view shows it: the client pixels `client` at the mapping's
    // zoom and scroll position.
    void paint(QPainter& painter, const ViewMapping& view, const QRect& client) const;

private:
    void paintShrunk(QPainter& painter, const ViewMapping& view, const QRect& client) const;

    const QImage& picture_;
    const PageSettings& page_;
    bool grid_;
    const QImage* shrunk_;
};

} // namespace quillset
