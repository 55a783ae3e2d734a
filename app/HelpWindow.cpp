#include "app/HelpWindow.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace quillset {

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Quillset Help"));
    auto* browser = new QTextBrowser(this);
    browser->setOpenExternalLinks(true);
    browser->setSource(QUrl(QString::fromLatin1(kGuide)));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    resize(640, 720);
}

} // namespace quillset
