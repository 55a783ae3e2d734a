#pragma once

#include <QDialog>

namespace quillset {

// Help > About: the version and the moment this program was built.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    // The compiler's build date and time joined by one blank.
    static QString buildStamp();
};

} // namespace quillset
