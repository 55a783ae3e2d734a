#include "app/dialogs/CAboutDlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>

namespace quillset {

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Quillset"));

    auto* icon = new QLabel(this);
    icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    auto* version = new QLabel(QStringLiteral("Quillset Version 1.0.9"), this);

    auto* built = new QPlainTextEdit(buildStamp(), this);
    built->setObjectName(QStringLiteral("buildStamp"));
    built->setReadOnly(true);
    built->setFixedHeight(built->fontMetrics().lineSpacing() * 3);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(version, 0, 1);
    layout->addWidget(buttons, 0, 2);
    layout->addWidget(built, 1, 1, 1, 2);
}

QString CAboutDlg::buildStamp() {
    return QStringLiteral(__DATE__ " " __TIME__);
}

} // namespace quillset
