#pragma once

#include <QWidget>

#include <string>

class QLineEdit;
class QListWidget;

namespace quillset {

// The installed font families as a list with a search box above it: what
// is typed keeps the families whose names hold it, in any case, and a
// choice the search hides moves to the first family shown. The first
// entry is the default family; a family the text names that is not
// installed stands second, marked so, and is kept unless another is chosen.
class FamilyChooser : public QWidget {
    Q_OBJECT
public:
    // Opens with `family` (UTF-8, empty: the default) chosen.
    explicit FamilyChooser(const std::string& family, QWidget* parent = nullptr);

    // The chosen family, empty for the default (or none chosen).
    std::string family() const;

signals:
    void familyChanged();

private:
    void filter(const QString& typed);

    QLineEdit* search_ = nullptr;
    QListWidget* list_ = nullptr;
};

} // namespace quillset
