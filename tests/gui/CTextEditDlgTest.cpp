#include "DialogDriver.h"
#include "GuiTestMain.h"
#include "ModalAnswer.h"

#include "app/dialogs/CTextEditDlg.h"
#include "app/dialogs/FontTextPanel.h"
#include "app/dialogs/FontTextPreview.h"
#include "model/ScriptReader.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextEdit>

#include <vector>

using namespace quillset;
using namespace dialog_driver;

namespace {

QTextEdit* box(QWidget& dialog) {
    return named<QTextEdit>(dialog, QStringLiteral("Text"));
}

QListWidget* fontList(QWidget& dialog) {
    return named<QListWidget>(dialog, QStringLiteral("Font"));
}

void chooseFont(QWidget& dialog, int row) {
    QListWidget* list = fontList(dialog);
    QListWidgetItem* item = list->item(row);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

// A new text, as the Text tool opens the dialog.
TextEditFields newText() {
    TextEditFields f;
    f.angle = 0, f.colour = 1, f.newObject = 1, f.posX = 5, f.posY = 6;
    return f;
}

// A stored text: what Compile makes of the literal.
TextEditFields storedText(const std::string& literal) {
    ScriptReader reader;
    const std::string line = "DrawText(30,40,1,0,\"" + literal + "\");";
    int pos = 0;
    reader.readKeyword(line, pos);
    reader.readNumbersAndString(line, pos, 4);
    TextEditFields f;
    f.styled.copyContentFrom(reader.text);
    f.literal.assign(literal);
    f.angle = 0, f.colour = 1, f.posX = 30, f.posY = 40;
    return f;
}

// The families the list shows, as shown.
QStringList shownFamilies(QWidget& dialog) {
    QStringList shown;
    QListWidget* list = named<QListWidget>(dialog, QStringLiteral("Family"));
    for (int row = 0; row < list->count(); ++row)
        if (!list->item(row)->isHidden())
            shown << list->item(row)->text();
    return shown;
}

std::vector<int> attrs(const StyledText& s) {
    return {s.attrs.begin(), s.attrs.begin() + static_cast<long>(s.length())};
}

// Selects `count` characters to the left of the caret with the keyboard.
void selectLeft(QTextEdit* editor, int count) {
    for (int i = 0; i < count; ++i)
        QTest::keyClick(editor, Qt::Key_Left, Qt::ShiftModifier);
}

} // namespace

class CTextEditDlgTest : public QObject {
    Q_OBJECT
public:
    explicit CTextEditDlgTest(CFolioApp&) {}

private slots:
    void opensEmptyOnTheDefaultFont() {
        CTextEditDlg dialog(newText());
        showAndWait(dialog);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Text Edit"));
        QCOMPARE(fontList(dialog)->count(), 16);
        QCOMPARE(fontList(dialog)->currentRow(), 3);
        QVERIFY(button(dialog, "0")->isChecked());
        QVERIFY(button(dialog, "Black")->isChecked());
        QCOMPARE(QApplication::focusWidget(), box(dialog));
    }

    // Each entry names its font's height and shows a sample as tall: the
    // renderer's own dots, so the tallest and the shortest font stand out.
    void printerFontsShowTheirHeights_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("sampleHeight");
        QTest::newRow("\"Font\" draws with font 1") << 0 << "Font (as 1) \u00b7 23 dots" << 23;
        QTest::newRow("font 9 is the shortest") << 9 << "9 \u00b7 18 dots" << 18;
        QTest::newRow("font 10 is the tallest") << 10 << "10 \u00b7 80 dots" << 80;
        QTest::newRow("the last font") << 15 << "15 \u00b7 23 dots" << 23;
    }
    void printerFontsShowTheirHeights() {
        QFETCH(int, row);
        QFETCH(QString, text);
        QFETCH(int, sampleHeight);
        CTextEditDlg dialog(newText());
        const QListWidgetItem* item = fontList(dialog)->item(row);
        QCOMPARE(item->text(), text);
        const QPixmap sample = item->data(Qt::DecorationRole).value<QPixmap>();
        QCOMPARE(sample.height(), sampleHeight);
        const QImage dots = sample.toImage().convertToFormat(QImage::Format_Grayscale8);
        int black = 0;
        for (int y = 0; y < dots.height(); ++y)
            for (int x = 0; x < dots.width(); ++x)
                black += qGray(dots.pixel(x, y)) == 0;
        QVERIFY2(black > 0, "the sample is drawn");
    }

    // The search keeps the families holding what is typed, in any case;
    // when it hides the chosen one, the first shown is chosen.
    void familySearch_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("chosen");
        const QString byDefault = QStringLiteral("Default (DejaVu Sans)");
        QTest::newRow("nothing typed: all, the default first")
            << ""
            << QStringList{byDefault, "DejaVu Sans", "DejaVu Sans Mono", "DejaVu Serif",
                           "Lohit Devanagari"}
            << "";
        QTest::newRow("the default's family matches too")
            << "sans" << QStringList{byDefault, "DejaVu Sans", "DejaVu Sans Mono"} << "";
        QTest::newRow("any case; the choice follows")
            << "MONO" << QStringList{"DejaVu Sans Mono"} << "DejaVu Sans Mono";
        QTest::newRow("none found: none chosen, so the default") << "Arial" << QStringList{} << "";
        QTest::newRow("found again: the first shown")
            << "Serif" << QStringList{"DejaVu Serif"} << "DejaVu Serif";
    }
    void familySearch() {
        QFETCH(QString, typed);
        QFETCH(QStringList, shown);
        QFETCH(QString, chosen);
        CTextEditDlg dialog(newText(), FontTextFields{}, TextSide::InstalledFont);
        showAndWait(dialog);
        retype(lineEdit(dialog, "Find family"), typed);
        QCOMPARE(shownFamilies(dialog), shown);
        QCOMPARE(QString::fromStdString(dialog.findChild<FontTextPanel*>()->fields().family),
                 chosen);
    }

    // A placed font text opens as it is, also in a family that is not
    // installed, and OK without a change gives it back unchanged; the
    // preview says what draws instead.
    void placedFontTextRoundTrips() {
        FontTextFields placed;
        placed.family = "Arial";
        placed.text = "\xc5\x81ukasz\nNguy\xe1\xbb\x85n V\xc4\x83n An";
        placed.size = 24;
        placed.italic = placed.underline = true;
        placed.align = 2;
        placed.width = 300;
        placed.angle = 3;
        placed.colour = 0;
        placed.x = 40;
        placed.y = 50;
        CTextEditDlg dialog(placed);
        showAndWait(dialog);
        QCOMPARE(shownFamilies(dialog).at(1), QStringLiteral("Arial (not installed)"));
        QCOMPARE(named<QLabel>(dialog, QStringLiteral("Size in points"))->text(),
                 QStringLiteral("= 8.5 pt"));
        QCOMPARE(dialog.findChild<FontTextPreview*>()->notes(),
                 QStringLiteral("'Arial' is not installed; drawn with DejaVu Sans"));
        QVERIFY(!named<QLabel>(dialog, QStringLiteral("Preview at the printer's dots"))
                     ->pixmap()
                     .isNull());
        pressOk(dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.side(), TextSide::InstalledFont);
        QVERIFY(dialog.fontTextFields() == placed);
    }

    // Under the preview: what draws otherwise than asked, and what keeps
    // the text from printing as written.
    void previewNotes_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("notes"); // how they begin
        QTest::newRow("as asked: none") << ""
                                        << "Hi" << 0 << "";
        QTest::newRow("a family drawn with another")
            << "Arial"
            << "Hi" << 0 << "'Arial' is not installed; drawn with DejaVu Sans";
        QTest::newRow("a character no font has")
            << ""
            << "x\U00013080" << 0 << "Problem: no installed font has '\U00013080'";
        QTest::newRow("shrunk into its width") << ""
                                               << "Hello world" << 60 << "Shrunk to ";
        QTest::newRow("too wide even at the smallest size")
            << ""
            << "Hello world" << 5 << "Problem: a line is wider than 5 dots even at size 6";
        QTest::newRow("too long for OK")
            << "" << QString(200, QLatin1Char('a')) << 0 << "The text has 199 characters at most";
    }
    void previewNotes() {
        QFETCH(QString, family);
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QString, notes);
        FontTextFields f;
        f.family = family.toStdString();
        f.text = text.toStdString();
        f.width = width;
        CTextEditDlg dialog(f);
        const QString shown = dialog.findChild<FontTextPreview*>()->notes();
        QVERIFY2(notes.isEmpty() ? shown.isEmpty() : shown.startsWith(notes), qPrintable(shown));
    }

    void anEmptyFontTextKeepsTheDialogOpen() {
        CTextEditDlg dialog(newText(), FontTextFields{}, TextSide::InstalledFont);
        showAndWait(dialog);
        ModalAnswer answer;
        pressOk(dialog);
        QCOMPARE(answer.texts(), QStringList{"The text is empty."});
        QVERIFY(dialog.isVisible());
    }

    void tabOrder() {
        TextEditFields f = storedText("x");
        CTextEditDlg dialog(f);
        showAndWait(dialog);
        QCOMPARE(dialog_driver::tabOrder(box(dialog), 10),
                 QStringList({"Text", "0", "Bold", "Underline", "Double Size", "Black", "Font", "X",
                              "Y", "OK"}));
    }

    void typedTextAndFont_data() {
        QTest::addColumn<int>("fontRow"); // -1: left as opened
        QTest::addColumn<QString>("literal");
        QTest::addColumn<int>("attribute");
        QTest::newRow("Hello in font 3") << -1 << "Hello" << 3;
        QTest::newRow("Hello in font 12") << 12 << "<f=12>Hello" << 12;
        QTest::newRow("\"Font\" is font 1") << 0 << "<f=1>Hello" << 1;
        QTest::newRow("font 3 chosen again has no tag") << 3 << "Hello" << 3;
    }
    void typedTextAndFont() {
        QFETCH(int, fontRow);
        QFETCH(QString, literal);
        QFETCH(int, attribute);
        CTextEditDlg dialog(newText());
        showAndWait(dialog);
        QTest::keyClicks(box(dialog), "Hello");
        if (fontRow >= 0)
            chooseFont(dialog, fontRow);
        pressOk(dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const TextEditFields f = dialog.fields();
        QCOMPARE(QString::fromStdString(std::string(f.literal.view())), literal);
        QCOMPARE(f.styled.text(), "Hello");
        QCOMPARE(attrs(f.styled), std::vector<int>(5, attribute));
    }

    void styleButtons_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("fromEnd");  // caret moved left before selecting
        QTest::addColumn<int>("selected"); // characters then selected leftwards
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QString>("literal");
        QTest::addColumn<QList<int>>("attrs");
        QTest::newRow("bold on the middle character")
            << "abc" << 1 << 1 << QStringList{"Bold"} << "a<b>b</b>c" << QList<int>{3, 19, 3};
        QTest::newRow("a bold last character")
            << "abc" << 0 << 1 << QStringList{"Bold"} << "ab<b>c" << QList<int>{3, 3, 19};
        QTest::newRow("bold twice is off again")
            << "abc" << 0 << 3 << QStringList{"Bold", "Bold"} << "abc" << QList<int>{3, 3, 3};
        QTest::newRow("partly bold becomes all bold")
            << "abc" << 0 << 2 << QStringList{"Bold"} << "a<b>bc" << QList<int>{3, 19, 19};
        QTest::newRow("underline and double size")
            << "ab" << 0 << 1 << QStringList{"Underline", "Double Size"} << "a<u><h=2><w=2>b"
            << QList<int>{3, 227};
        QTest::newRow("nothing selected changes nothing")
            << "ab" << 0 << 0 << QStringList{"Bold", "Underline", "Double Size"} << "ab"
            << QList<int>{3, 3};
    }
    void styleButtons() {
        QFETCH(QString, typed);
        QFETCH(int, fromEnd);
        QFETCH(int, selected);
        QFETCH(QStringList, buttons);
        QFETCH(QString, literal);
        QFETCH(QList<int>, attrs);
        CTextEditDlg dialog(newText());
        showAndWait(dialog);
        QTextEdit* editor = box(dialog);
        QTest::keyClicks(editor, typed);
        for (int i = 0; i < fromEnd; ++i)
            QTest::keyClick(editor, Qt::Key_Left);
        selectLeft(editor, selected);
        for (const QString& b : buttons)
            QTest::mouseClick(button(dialog, b), Qt::LeftButton);
        QCOMPARE(editor->textCursor().selectedText().size(), selected);
        pressOk(dialog);
        const TextEditFields f = dialog.fields();
        QCOMPARE(QString::fromStdString(std::string(f.literal.view())), literal);
        const std::vector<int> got = ::attrs(f.styled);
        QCOMPARE(QList<int>(got.begin(), got.end()), attrs);
    }

    void doubleSizeShowsAtTwiceTheSize() {
        CTextEditDlg dialog(newText());
        showAndWait(dialog);
        QTextEdit* editor = box(dialog);
        QTest::keyClicks(editor, "ab");
        selectLeft(editor, 1);
        QTest::mouseClick(button(dialog, "Double Size"), Qt::LeftButton);
        QTextCursor a(editor->document());
        a.setPosition(1);
        QTextCursor b(editor->document());
        b.setPosition(2);
        QCOMPARE(b.charFormat().fontPointSize(), 2 * a.charFormat().fontPointSize());
    }

    void linesAndEscapes() {
        CTextEditDlg dialog(newText());
        showAndWait(dialog);
        QTextEdit* editor = box(dialog);
        QTest::keyClicks(editor, "AB");
        QTest::keyClick(editor, Qt::Key_Return);
        QTest::keyClicks(editor, "<\\>\"");
        pressOk(dialog);
        const TextEditFields f = dialog.fields();
        QCOMPARE(f.literal.view(), "AB\\n\\<\\\\\\>\\\"");
        QCOMPARE(f.styled.text(), "AB\n<\\>\"");
    }

    void theBoxTakes200Characters() {
        CTextEditDlg dialog(newText());
        showAndWait(dialog);
        QTextEdit* editor = box(dialog);
        QTest::keyClicks(editor, QString(150, QLatin1Char('a')));
        QTest::keyClick(editor, Qt::Key_Return);
        QTest::keyClicks(editor, QString(60, QLatin1Char('b')));
        QCOMPARE(editor->toPlainText().size(), 200);
        QCOMPARE(editor->toPlainText().right(1), QStringLiteral("b"));
    }

    void overflowIsShownFrom199Characters() {
        for (const int count : {198, 199}) {
            CTextEditDlg dialog(newText());
            showAndWait(dialog);
            box(dialog)->insertPlainText(QString(count, QLatin1Char('a')));
            ModalAnswer answer;
            pressOk(dialog);
            QCOMPARE(answer.texts(),
                     count == 199 ? QStringList{"Error: Text overflow"} : QStringList());
        }
    }

    void boldTogglesOverflowTheLiteral() {
        CTextEditDlg dialog(newText());
        showAndWait(dialog);
        QTextEdit* editor = box(dialog);
        // Each character typed takes the style of the one before it, so
        // toggling bold on every one alternates it.
        for (int i = 0; i < 150; ++i) {
            QTest::keyClicks(editor, "x");
            selectLeft(editor, 1);
            QTest::mouseClick(button(dialog, "Bold"), Qt::LeftButton);
            QTest::keyClick(editor, Qt::Key_End);
        }
        ModalAnswer answer;
        pressOk(dialog);
        QCOMPARE(answer.texts(), QStringList{"Error: Text overflow"});
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const TextEditFields f = dialog.fields();
        QVERIFY(f.literal.view().size() <= 199);
        QVERIFY(f.literal.view().starts_with("<b>x</b>x<b>x"));
        QCOMPARE(f.styled.length(), 44u);
        // What was kept reads back as exactly the characters kept.
        ScriptReader reader;
        const std::string line = "DrawText(0,0,1,0,\"" + std::string(f.literal.view()) + "\");";
        int pos = 0;
        reader.readKeyword(line, pos);
        QVERIFY(reader.readNumbersAndString(line, pos, 4));
        QVERIFY(reader.text.sameContent(f.styled));
    }

    void reopenedTextKeepsItsStyles_data() {
        QTest::addColumn<QString>("literal");
        QTest::addColumn<int>("fontRow");
        QTest::newRow("bold") << "a<b>b</b>c" << 3;
        QTest::newRow("font 12, underline, double size, two lines")
            << "<f=12>x<u>y\\n<h=2><w=2>z" << 12;
    }
    void reopenedTextKeepsItsStyles() {
        QFETCH(QString, literal);
        QFETCH(int, fontRow);
        const TextEditFields stored = storedText(literal.toStdString());
        CTextEditDlg dialog(stored);
        showAndWait(dialog);
        QCOMPARE(fontList(dialog)->currentRow(), fontRow);
        pressOk(dialog);
        QCOMPARE(QString::fromStdString(std::string(dialog.fields().literal.view())), literal);
        QVERIFY(dialog.fields().styled.sameContent(stored.styled));
    }

    void positionIsFixedForANewText() {
        CTextEditDlg created(newText());
        showAndWait(created);
        QTest::keyClicks(lineEdit(created, "X"), "9");
        pressOk(created);
        QCOMPARE(created.fields().posX, 5);

        CTextEditDlg edited(storedText("t"));
        showAndWait(edited);
        retype(lineEdit(edited, "X"), "-12");
        click(button(edited, "180"));
        click(button(edited, "White"));
        pressOk(edited);
        QCOMPARE(edited.fields().posX, -12);
        QCOMPARE(edited.fields().angle, 2);
        QCOMPARE(edited.fields().colour, 0);
    }

    void aPositionThatDoesNotReadKeepsTheDialogOpen() {
        CTextEditDlg dialog(storedText("t"));
        showAndWait(dialog);
        retype(lineEdit(dialog, "Y"), "");
        ModalAnswer answer;
        pressOk(dialog);
        QCOMPARE(answer.texts(), QStringList{"Y: Please enter an integer."});
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.focusWidget(), named<QWidget>(dialog, "Y"));
    }

    void cancelBuildsNothing() {
        const TextEditFields start = storedText("keep");
        CTextEditDlg dialog(start);
        showAndWait(dialog);
        QTest::keyClicks(box(dialog), "more");
        click(standardButton(dialog, QDialogButtonBox::Cancel));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.fields().literal.view(), "keep");
    }
};

QUILLSET_GUI_TEST_MAIN(CTextEditDlgTest)
#include "CTextEditDlgTest.moc"
