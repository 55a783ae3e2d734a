#pragma once

#include <QList>
#include <QObject>

class QAction;
class QLabel;
class QStatusBar;

namespace quillset {

class CFolioView;

// View > Zoom In, Zoom Out, Actual Size, Fit Page and Fit Width, the zoom in
// the status bar, and the zoom kept in the settings ("View/ZOOM_PERCENT")
// from one run to the next.
class ZoomActions : public QObject {
    Q_OBJECT
public:
    explicit ZoomActions(QObject* parent);

    // In menu order.
    const QList<QAction*>& actions() const { return actions_; }

    // Wires the actions to `view`, gives it the remembered zoom and shows the
    // zoom at the right of `statusBar`.
    void attach(CFolioView& view, QStatusBar& statusBar);

    // The program's first start has no zoom kept: the whole page is shown
    // once the window is.
    void fitPageAtFirstStart();

private:
    void showZoom(int zoom);

    QAction* zoomIn_ = nullptr;
    QAction* zoomOut_ = nullptr;
    QAction* actualSize_ = nullptr;
    QAction* fitPage_ = nullptr;
    QAction* fitWidth_ = nullptr;
    QList<QAction*> actions_;
    QLabel* label_ = nullptr;
};

} // namespace quillset
