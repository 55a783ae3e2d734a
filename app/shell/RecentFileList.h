#pragma once

#include <QStringList>

class QSettings;

namespace quillset {

// The most recently opened or saved files, newest first.
class RecentFileList {
public:
    static constexpr int kSize = 4;

    const QStringList& files() const { return files_; }

    // Moves `path` to the front, dropping the oldest entry beyond four.
    void add(const QString& path);
    void remove(const QString& path);

    void read(QSettings& settings);
    void write(QSettings& settings) const;

private:
    QStringList files_;
};

} // namespace quillset
