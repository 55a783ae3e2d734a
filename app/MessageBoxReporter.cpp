#include "app/MessageBoxReporter.h"

#include "app/CFolioApp.h"

#include <QMessageBox>

namespace quillset {

void MessageBoxReporter::report(const std::string& message) {
    QMessageBox::warning(parent_, QString::fromLatin1(CFolioApp::kTitle),
                         QString::fromStdString(message));
}

} // namespace quillset
