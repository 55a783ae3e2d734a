#include "app/dialogs/CTextEditDlg.h"

#include "app/dialogs/DialogFields.h"
#include "app/dialogs/FontTextPanel.h"
#include "app/dialogs/PrinterFontList.h"
#include "app/dialogs/RadioGroup.h"
#include "app/shell/CFolioApp.h"
#include "editor/TextEditContent.h"
#include "model/CodePage437.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <vector>

namespace quillset {

namespace {

// Normal characters show at 11 points, double-size ones at twice that; any
// other size counts as double.
constexpr qreal kNormalPointSize = 11;
constexpr qreal kDoublePointSize = 22;

bool isBold(const QTextCharFormat& f) {
    return f.fontWeight() > QFont::Normal;
}
bool isUnderlined(const QTextCharFormat& f) {
    return f.fontUnderline();
}
bool isDoubleSize(const QTextCharFormat& f) {
    return f.hasProperty(QTextFormat::FontPointSize) && f.fontPointSize() != kNormalPointSize;
}

QTextCharFormat formatOf(const TextEditChar& c) {
    QTextCharFormat f;
    f.setFontWeight(c.bold ? QFont::Bold : QFont::Normal);
    f.setFontUnderline(c.underline);
    f.setFontPointSize(c.doubleSize ? kDoublePointSize : kNormalPointSize);
    return f;
}

// A format that changes one property only.
template <class Value> QTextCharFormat changing(void (QTextCharFormat::*set)(Value), Value value) {
    QTextCharFormat f;
    (f.*set)(value);
    return f;
}

char toCp437(char32_t code) {
    return utf8ToCp437(QString::fromUcs4(&code, 1).toStdString()).front();
}

// The box's characters line by line, each with its styles.
std::vector<TextEditChar> typedChars(const QTextDocument& document) {
    std::vector<TextEditChar> chars;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin())
            chars.push_back({'\n'});
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            for (const char32_t code : fragment.text().toUcs4()) {
                if (code == QChar::LineSeparator)
                    chars.push_back({'\n'});
                else
                    chars.push_back({toCp437(code), isBold(format), isUnderlined(format),
                                     isDoubleSize(format)});
            }
        }
    }
    return chars;
}

} // namespace

CTextEditDlg::CTextEditDlg(const TextEditFields& start, QWidget* parent)
    : CTextEditDlg(start, FontTextFields{}, TextSide::PrinterFont, false, parent) {}

CTextEditDlg::CTextEditDlg(const FontTextFields& start, QWidget* parent)
    : CTextEditDlg(TextEditFields{}, start, TextSide::InstalledFont, false, parent) {}

CTextEditDlg::CTextEditDlg(const TextEditFields& printer, const FontTextFields& installed,
                           TextSide opensOn, QWidget* parent)
    : CTextEditDlg(printer, installed, opensOn, true, parent) {}

CTextEditDlg::CTextEditDlg(const TextEditFields& printer, const FontTextFields& installed,
                           TextSide opensOn, bool bothSides, QWidget* parent)
    : QDialog(parent)
    , fields_(printer)
    , fontTextFields_(installed) {
    setWindowTitle(QStringLiteral("Text Edit"));
    sides_ = new QTabWidget(this);
    sides_->setAccessibleName(QStringLiteral("Font kind"));
    // A text being edited keeps its kind: only its own side is made.
    if (bothSides || opensOn == TextSide::PrinterFont)
        sides_->addTab(makePrinterSide(printer), QStringLiteral("&Printer font"));
    if (bothSides || opensOn == TextSide::InstalledFont) {
        installed_ = new FontTextPanel(installed, printer.newObject != 0, this);
        sides_->addTab(installed_, QStringLiteral("I&nstalled font"));
    }
    if (opensOn == TextSide::InstalledFont)
        sides_->setCurrentWidget(installed_);
    sides_->tabBar()->setVisible(bothSides);

    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(sides_, 1);
    layout->addWidget(buttons, 0, Qt::AlignTop);
    resize(opensOn == TextSide::PrinterFont && !bothSides ? QSize(640, 400) : QSize(760, 640));
    if (opensOn == TextSide::PrinterFont)
        editor_->setFocus();
    else
        installed_->textBox()->setFocus();
}

QWidget* CTextEditDlg::makePrinterSide(const TextEditFields& start) {
    auto* side = new QWidget(this);
    editor_ = new QTextEdit(side);
    editor_->setAccessibleName(QStringLiteral("Text"));
    editor_->setAcceptRichText(false);
    editor_->setTabChangesFocus(true);
    editor_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(kNormalPointSize);
    editor_->document()->setDefaultFont(font);
    showText(start.styled);
    connect(editor_, &QTextEdit::textChanged, this, &CTextEditDlg::holdToLimit);

    auto* angleBox = new QGroupBox(QStringLiteral("Angle"), side);
    angle_ = makeAngleGroup(angleBox, start.angle, Qt::Horizontal);

    auto* bold = new QPushButton(QStringLiteral("Bold"), side);
    auto* underline = new QPushButton(QStringLiteral("Underline"), side);
    auto* doubleSize = new QPushButton(QStringLiteral("Double Size"), side);
    for (QPushButton* b : {bold, underline, doubleSize})
        b->setAutoDefault(false);
    connect(bold, &QPushButton::clicked, this, &CTextEditDlg::onBold);
    connect(underline, &QPushButton::clicked, this, &CTextEditDlg::onUnderline);
    connect(doubleSize, &QPushButton::clicked, this, &CTextEditDlg::onDoubleSize);

    auto* colourBox = new QGroupBox(side);
    colour_ =
        makeRadioGroup(colourBox, {QStringLiteral("White"), QStringLiteral("Black")}, start.colour);

    fontList_ = new QListWidget(side);
    fontList_->setAccessibleName(QStringLiteral("Font"));
    fillPrinterFontList(*fontList_);
    fontList_->setCurrentRow(fontListIndexOf(start.styled));

    const NumberPair position =
        makeNumberPair(QStringLiteral("Text Coordinates"), QStringLiteral("X"), start.posX,
                       QStringLiteral("Y"), start.posY, side);
    x_ = position.first;
    y_ = position.second;
    x_->setReadOnly(start.newObject != 0);
    y_->setReadOnly(start.newObject != 0);

    auto* styles = new QVBoxLayout;
    styles->addWidget(bold);
    styles->addWidget(underline);
    styles->addWidget(doubleSize);
    styles->addStretch();

    auto* layout = new QGridLayout(side);
    layout->addWidget(editor_, 0, 0, 1, 4);
    layout->addWidget(angleBox, 1, 0);
    layout->addLayout(styles, 1, 1, 2, 1);
    layout->addWidget(colourBox, 2, 0);
    layout->addWidget(fontList_, 1, 2, 2, 1);
    layout->addWidget(position.box, 1, 3, 2, 1);
    // The font list shares the height with the box: its samples are tall.
    layout->setRowStretch(0, 1);
    layout->setRowStretch(2, 1);
    layout->setColumnStretch(2, 1);
    return side;
}

void CTextEditDlg::showText(const StyledText& styled) {
    QTextCursor cursor(editor_->document());
    const QTextCharFormat normal = formatOf({});
    cursor.setCharFormat(normal);
    cursor.setBlockCharFormat(normal);
    for (const TextEditChar& c : textEditCharsOf(styled)) {
        if (c.character == '\n') {
            cursor.insertBlock(QTextBlockFormat(), normal);
            continue;
        }
        const char32_t code = cp437ToUnicode(static_cast<unsigned char>(c.character));
        cursor.insertText(QString::fromUcs4(&code, 1), formatOf(c));
    }
    editor_->document()->clearUndoRedoStacks();
    editor_->setCurrentCharFormat(normal);
    editor_->moveCursor(QTextCursor::Start);
}

void CTextEditDlg::holdToLimit() {
    // The box takes 200 characters, a line break counting as one: what goes
    // past them is cut off behind the caret, where it was typed or pasted.
    if (trimming_)
        return;
    const int excess = editor_->document()->characterCount() - 1 - kTextEditLimit;
    if (excess <= 0)
        return;
    trimming_ = true;
    QTextCursor cursor = editor_->textCursor();
    const int end = cursor.position();
    cursor.setPosition(std::max(0, end - excess));
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    editor_->setTextCursor(cursor);
    trimming_ = false;
}

void CTextEditDlg::toggleStyle(bool (*hasStyle)(const QTextCharFormat&),
                               const QTextCharFormat& change, const QTextCharFormat& undo) {
    QTextCursor selection = editor_->textCursor();
    bool any = false;
    bool all = true;
    for (int pos = selection.selectionStart(); pos < selection.selectionEnd(); ++pos) {
        if (editor_->document()->characterAt(pos) == QChar::ParagraphSeparator)
            continue;
        QTextCursor one(editor_->document());
        one.setPosition(pos + 1);
        any = true;
        all = all && hasStyle(one.charFormat());
    }
    if (any)
        selection.mergeCharFormat(all ? undo : change);
    editor_->setTextCursor(selection);
    editor_->setFocus(Qt::OtherFocusReason);
}

void CTextEditDlg::onBold() {
    toggleStyle(isBold, changing(&QTextCharFormat::setFontWeight, int(QFont::Bold)),
                changing(&QTextCharFormat::setFontWeight, int(QFont::Normal)));
}

void CTextEditDlg::onUnderline() {
    toggleStyle(isUnderlined, changing(&QTextCharFormat::setFontUnderline, true),
                changing(&QTextCharFormat::setFontUnderline, false));
}

void CTextEditDlg::onDoubleSize() {
    toggleStyle(isDoubleSize, changing(&QTextCharFormat::setFontPointSize, kDoublePointSize),
                changing(&QTextCharFormat::setFontPointSize, kNormalPointSize));
}

TextSide CTextEditDlg::side() const {
    return sides_->currentWidget() == installed_ ? TextSide::InstalledFont : TextSide::PrinterFont;
}

void CTextEditDlg::accept() {
    if (side() == TextSide::PrinterFont) {
        acceptPrinterSide();
        return;
    }
    const std::optional<FontTextFields> f = installed_->acceptedFields();
    if (!f)
        return;
    fontTextFields_ = *f;
    QDialog::accept();
}

void CTextEditDlg::acceptPrinterSide() {
    TextEditFields f = fields_;
    if (!integerFields({{x_, &f.posX}, {y_, &f.posY}}))
        return;
    const std::vector<TextEditChar> chars = typedChars(*editor_->document());
    const TextEditContent content = buildTextEditContent(chars, fontList_->currentRow());
    if (content.overflow) {
        QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(CFolioApp::kTitle),
                        QStringLiteral("Error: Text overflow"), QMessageBox::Ok, this);
        box.exec();
    }
    f.styled = content.styled;
    f.literal = content.literal;
    f.angle = angle_->checkedId();
    f.colour = colour_->checkedId();
    fields_ = f;
    QDialog::accept();
}

} // namespace quillset
