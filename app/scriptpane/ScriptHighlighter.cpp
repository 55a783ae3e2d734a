#include "app/scriptpane/ScriptHighlighter.h"

#include "app/scriptpane/PaneColumns.h"

#include <array>

namespace quillset {

namespace {

struct SpanStyle {
    ScriptSpanKind kind;
    QColor colour;
    bool bold;
};

const SpanStyle kStyles[] = {
    {ScriptSpanKind::Keyword, QColor(0x00, 0x00, 0x8b), true},
    {ScriptSpanKind::Number, QColor(0x00, 0x6e, 0x6e), false},
    {ScriptSpanKind::Literal, QColor(0xa3, 0x15, 0x15), false},
    {ScriptSpanKind::Tag, QColor(0x80, 0x00, 0x80), false},
    {ScriptSpanKind::Escape, QColor(0xb0, 0x58, 0x00), true},
};

} // namespace

ScriptHighlighter::ScriptHighlighter(QTextDocument* document)
    : QSyntaxHighlighter(document) {}

QTextCharFormat ScriptHighlighter::spanFormat(ScriptSpanKind kind) {
    static const std::array<QTextCharFormat, std::size(kStyles)> formats = [] {
        std::array<QTextCharFormat, std::size(kStyles)> made;
        for (const SpanStyle& style : kStyles) {
            QTextCharFormat& format = made[static_cast<std::size_t>(style.kind)];
            format.setForeground(style.colour);
            if (style.bold)
                format.setFontWeight(QFont::Bold);
            format.setProperty(kSpanKindProperty, static_cast<int>(style.kind));
        }
        return made;
    }();
    return formats[static_cast<std::size_t>(kind)];
}

std::optional<ScriptSpanKind> ScriptHighlighter::spanKind(const QTextFormat& format) {
    if (!format.hasProperty(kSpanKindProperty))
        return std::nullopt;
    return static_cast<ScriptSpanKind>(format.intProperty(kSpanKindProperty));
}

// Shift+Enter puts a line separator inside a block; Compile breaks the line
// there, so each part is read on its own.
void ScriptHighlighter::highlightBlock(const QString& text) {
    qsizetype start = 0;
    for (;;) {
        const qsizetype end = text.indexOf(QChar::LineSeparator, start);
        highlightLine(QStringView(text).sliced(start, (end < 0 ? text.size() : end) - start),
                      start);
        if (end < 0)
            return;
        start = end + 1;
    }
}

void ScriptHighlighter::highlightLine(QStringView line, qsizetype offset) {
    for (const ScriptSpan& span : scriptSpans(paneLineToCp437(line))) {
        const qsizetype from = utf16Index(line, span.start);
        const qsizetype to = utf16Index(line, span.start + span.length);
        setFormat(static_cast<int>(offset + from), static_cast<int>(to - from),
                  spanFormat(span.kind));
    }
}

} // namespace quillset
