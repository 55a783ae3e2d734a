#include "app/shell/RecentFileList.h"

#include <QSettings>

namespace quillset {

namespace {

const QString kSection = QStringLiteral("Recent File List");

QString entryName(int index) {
    return QStringLiteral("File%1").arg(index + 1);
}

} // namespace

void RecentFileList::add(const QString& path) {
    files_.removeAll(path);
    files_.prepend(path);
    while (files_.size() > kSize)
        files_.removeLast();
}

void RecentFileList::remove(const QString& path) {
    files_.removeAll(path);
}

void RecentFileList::read(QSettings& settings) {
    files_.clear();
    settings.beginGroup(kSection);
    for (int i = 0; i < kSize; ++i) {
        const QString path = settings.value(entryName(i)).toString();
        if (!path.isEmpty() && !files_.contains(path))
            files_.append(path);
    }
    settings.endGroup();
}

void RecentFileList::write(QSettings& settings) const {
    settings.beginGroup(kSection);
    for (int i = 0; i < kSize; ++i) {
        if (i < files_.size())
            settings.setValue(entryName(i), files_.at(i));
        else
            settings.remove(entryName(i));
    }
    settings.endGroup();
}

} // namespace quillset
