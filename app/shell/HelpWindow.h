#pragma once

#include <QUrl>
#include <QWidget>

namespace quillset {

// Help > Topics: the user's guide to the program and its script language,
// as installed beside the program or, in the build tree, shipped inside it.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kGuide = "qrc:/help/guide.html";

    explicit HelpWindow(QWidget* parent = nullptr);

    // share/doc/quillset/guide.html next to the program's bin/, if there is
    // one, else kGuide.
    static QUrl guideUrl();
};

} // namespace quillset
