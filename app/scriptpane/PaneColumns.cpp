#include "app/scriptpane/PaneColumns.h"

#include "model/CodePage437.h"

#include <QByteArray>

namespace quillset {

std::string paneLineToCp437(QStringView line) {
    const QByteArray utf8 = line.toUtf8();
    return utf8ToCp437(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

qsizetype utf16Index(QStringView line, qsizetype column) {
    qsizetype i = 0;
    for (; column > 0 && i < line.size(); --column) {
        const bool pair =
            line[i].isHighSurrogate() && i + 1 < line.size() && line[i + 1].isLowSurrogate();
        i += pair ? 2 : 1;
    }
    return i;
}

} // namespace quillset
