#pragma once

#include "model/ScriptSpans.h"

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

#include <optional>

namespace quillset {

// Colours the script pane's drawing statements: keywords, numbers, string
// literals and, inside them, style tags and escapes. Other lines, which
// Compile keeps as written, stay plain.
class ScriptHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
public:
    explicit ScriptHighlighter(QTextDocument* document);

    // Which kind of span a character format marks, read back from the
    // property every span format carries.
    static std::optional<ScriptSpanKind> spanKind(const QTextFormat& format);
    // The style of a kind of span, marked with its kind.
    static QTextCharFormat spanFormat(ScriptSpanKind kind);

protected:
    void highlightBlock(const QString& text) override;

private:
    static constexpr int kSpanKindProperty = QTextFormat::UserProperty + 1;

    void highlightLine(QStringView line, qsizetype offset);
};

} // namespace quillset
