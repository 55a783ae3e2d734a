#include "app/dialogs/MessageBoxReporter.h"

#include "app/shell/CFolioApp.h"

#include <QMessageBox>

namespace quillset {

void MessageBoxReporter::report(const std::string& message) {
    QMessageBox::warning(parent_, QString::fromLatin1(CFolioApp::kTitle),
                         QString::fromStdString(message));
}

void MessageBoxReporter::reportWithDetail(const std::string& message, const std::string& detail) {
    QMessageBox box(QMessageBox::Warning, QString::fromLatin1(CFolioApp::kTitle),
                    QString::fromStdString(message), QMessageBox::Ok, parent_);
    box.setInformativeText(QString::fromStdString(detail));
    box.exec();
}

} // namespace quillset
