#include "app/pageview/ZoomActions.h"

#include "app/pageview/CFolioView.h"
#include "printer/SerialSettings.h"

#include <QAction>
#include <QLabel>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>

namespace quillset {

namespace {

const QString kZoomKey = QStringLiteral("View/ZOOM_PERCENT");
// Earlier versions kept a whole factor, 1 to 8.
const QString kFactorKey = QStringLiteral("View/ZOOM");

int keptZoom() {
    const QSettings settings(kSettingsOrganisation, kSettingsApplication);
    if (settings.contains(kZoomKey))
        return settings.value(kZoomKey).toInt();
    return settings.value(kFactorKey, 1).toInt() * 100;
}

} // namespace

ZoomActions::ZoomActions(QObject* parent)
    : QObject(parent) {
    const auto add = [this](const QString& text, const QString& statusTip,
                            const QList<QKeySequence>& shortcuts) {
        auto* action = new QAction(text, this);
        action->setStatusTip(statusTip);
        action->setShortcuts(shortcuts);
        actions_.append(action);
        return action;
    };
    zoomIn_ = add(QStringLiteral("Zoom &In"), QStringLiteral("Show the dots larger"),
                  {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    zoomOut_ = add(QStringLiteral("Zoom &Out"), QStringLiteral("Show the dots smaller"),
                   {QKeySequence(Qt::CTRL | Qt::Key_Minus)});
    actualSize_ = add(QStringLiteral("&Actual Size"), QStringLiteral("One screen pixel a dot"),
                      {QKeySequence(Qt::CTRL | Qt::Key_0)});
    fitPage_ = add(QStringLiteral("&Fit Page"), QStringLiteral("The whole page in the window"), {});
    fitWidth_ = add(QStringLiteral("Fit &Width"),
                    QStringLiteral("The page's whole width in the window"), {});
}

void ZoomActions::attach(CFolioView& view, QStatusBar& statusBar) {
    connect(zoomIn_, &QAction::triggered, &view, &CFolioView::zoomIn);
    connect(zoomOut_, &QAction::triggered, &view, &CFolioView::zoomOut);
    connect(actualSize_, &QAction::triggered, &view, [&view] { view.setZoom(100); });
    connect(fitPage_, &QAction::triggered, &view, &CFolioView::fitPage);
    connect(fitWidth_, &QAction::triggered, &view, &CFolioView::fitWidth);

    label_ = new QLabel(&statusBar);
    label_->setAccessibleName(QStringLiteral("Zoom"));
    statusBar.addPermanentWidget(label_);

    connect(&view, &CFolioView::zoomChanged, this, [this](int zoom) {
        QSettings(kSettingsOrganisation, kSettingsApplication).setValue(kZoomKey, zoom);
        showZoom(zoom);
    });
    view.setZoom(keptZoom());
    view.showTopOfPage();
    showZoom(view.zoom());
}

void ZoomActions::fitPageAtFirstStart() {
    const QSettings settings(kSettingsOrganisation, kSettingsApplication);
    if (!settings.contains(kZoomKey) && !settings.contains(kFactorKey))
        QTimer::singleShot(0, fitPage_, &QAction::trigger);
}

void ZoomActions::showZoom(int zoom) {
    label_->setText(QStringLiteral("Zoom %1 %").arg(zoom));
    zoomIn_->setEnabled(zoom < CFolioView::kMaxZoom);
    zoomOut_->setEnabled(zoom > CFolioView::kMinZoom);
}

} // namespace quillset
