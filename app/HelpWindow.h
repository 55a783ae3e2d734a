#pragma once

#include <QWidget>

namespace quillset {

// Help > Topics: the user's guide to the program and its script language,
// shipped inside the program.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kGuide = "qrc:/help/guide.html";

    explicit HelpWindow(QWidget* parent = nullptr);
};

} // namespace quillset
