#include "app/shell/HelpWindow.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace quillset {

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Quillset Help"));
    auto* browser = new QTextBrowser(this);
    browser->setOpenExternalLinks(true);
    browser->setSource(guideUrl());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    resize(640, 720);
}

QUrl HelpWindow::guideUrl() {
    const QString installed =
        QCoreApplication::applicationDirPath() + QStringLiteral("/" QUILLSET_GUIDE_FROM_BIN);
    if (QFileInfo::exists(installed))
        return QUrl::fromLocalFile(QFileInfo(installed).canonicalFilePath());
    return QUrl(QString::fromLatin1(kGuide));
}

} // namespace quillset
