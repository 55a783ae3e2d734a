#include "DialogDriver.h"
#include "GuiTestMain.h"
#include "ModalAnswer.h"

#include "app/dialogs/CRectPropertiesDlg.h"
#include "model/PageObject.h"

#include <QLabel>

using namespace quillset;
using namespace dialog_driver;

namespace {

PageObject rectangle(int l, int t, int r, int b, int colour, int border) {
    PageObject o;
    o.kind = ObjectKind::Rectangle;
    o.left = l, o.top = t, o.right = r, o.bottom = b, o.colour = colour, o.border = border;
    return o;
}

} // namespace

class CRectPropertiesDlgTest : public QObject {
    Q_OBJECT
public:
    explicit CRectPropertiesDlgTest(CFolioApp&) {}

private slots:
    void opensOnTheRectangle() {
        CRectPropertiesDlg dialog(rectangleFieldsOf(rectangle(10, 20, 110, 70, 1, 0)));
        showAndWait(dialog);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Properties"));
        QCOMPARE(lineEdit(dialog, "X")->text(), QStringLiteral("10"));
        QCOMPARE(lineEdit(dialog, "Y")->text(), QStringLiteral("20"));
        QCOMPARE(lineEdit(dialog, "Width")->text(), QStringLiteral("101"));
        QCOMPARE(lineEdit(dialog, "Height")->text(), QStringLiteral("51"));
        QCOMPARE(lineEdit(dialog, "Border Size")->text(), QStringLiteral("0"));
        QVERIFY(button(dialog, "Filled Rectangle")->isChecked());
        QVERIFY(button(dialog, "Black")->isChecked());
        for (QLabel* label : dialog.findChildren<QLabel*>())
            if (label->buddy())
                QCOMPARE(label->buddy()->accessibleName(), label->text());
    }

    void tabOrder() {
        CRectPropertiesDlg dialog(rectangleFieldsOf(rectangle(0, 0, 5, 5, 1, 2)));
        showAndWait(dialog);
        QCOMPARE(dialog_driver::tabOrder(lineEdit(dialog, "X"), 9),
                 QStringList({"X", "Y", "Width", "Height", "Border Size", "Hollow Rectangle",
                              "Black", "OK", "Cancel"}));
    }

    void styleAndBorder_data() {
        QTest::addColumn<int>("border");         // of the rectangle opened
        QTest::addColumn<QString>("style");      // the button clicked
        QTest::addColumn<QString>("borderSize"); // typed
        QTest::addColumn<int>("stored");
        QTest::newRow("hollow with border 0 gets 3") << 5 << "Hollow Rectangle"
                                                     << "0" << 3;
        QTest::newRow("filled made hollow with border 0 gets 3") << 0 << "Hollow Rectangle"
                                                                 << "0" << 3;
        QTest::newRow("hollow keeps a border typed") << 5 << "Hollow Rectangle"
                                                     << "7" << 7;
        QTest::newRow("filled ignores the border typed") << 5 << "Filled Rectangle"
                                                         << "7" << 0;
    }
    void styleAndBorder() {
        QFETCH(int, border);
        QFETCH(QString, style);
        QFETCH(QString, borderSize);
        QFETCH(int, stored);
        PageObject o = rectangle(0, 0, 10, 10, 1, border);
        CRectPropertiesDlg dialog(rectangleFieldsOf(o));
        showAndWait(dialog);
        click(button(dialog, style));
        retype(lineEdit(dialog, "Border Size"), borderSize);
        pressOk(dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        applyRectangleFields(o, dialog.fields());
        QCOMPARE(o.border, stored);

        CRectPropertiesDlg again(rectangleFieldsOf(o));
        QCOMPARE(lineEdit(again, "Border Size")->text(), QString::number(stored));
    }

    void colourAndPlace() {
        PageObject o = rectangle(10, 20, 110, 70, 1, 0);
        CRectPropertiesDlg dialog(rectangleFieldsOf(o));
        showAndWait(dialog);
        click(button(dialog, "White"));
        retype(lineEdit(dialog, "X"), "-5");
        retype(lineEdit(dialog, "Y"), "+7");
        pressOk(dialog);
        applyRectangleFields(o, dialog.fields());
        QCOMPARE((QList<int>{o.left, o.top, o.right, o.bottom, o.colour}),
                 (QList<int>{-5, 7, 95, 57, 0}));
    }

    void negativeSizeIsStoredTheRightWayRound() {
        PageObject o = rectangle(100, 100, 150, 150, 1, 0);
        CRectPropertiesDlg dialog(rectangleFieldsOf(o));
        showAndWait(dialog);
        retype(lineEdit(dialog, "Width"), "-30");
        retype(lineEdit(dialog, "Height"), "-40");
        pressOk(dialog);
        applyRectangleFields(o, dialog.fields());
        QCOMPARE((QList<int>{o.left, o.top, o.right, o.bottom}), (QList<int>{71, 61, 100, 100}));
    }

    void aNumberThatDoesNotReadKeepsTheDialogOpen() {
        CRectPropertiesDlg dialog(rectangleFieldsOf(rectangle(0, 0, 5, 5, 1, 0)));
        showAndWait(dialog);
        retype(lineEdit(dialog, "Height"), "ten");
        retype(lineEdit(dialog, "Border Size"), "");
        ModalAnswer answer;
        pressOk(dialog);
        QCOMPARE(answer.texts(), QStringList{"Height: Please enter an integer."});
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.focusWidget(), lineEdit(dialog, "Height"));
        QCOMPARE(lineEdit(dialog, "Height")->selectedText(), QStringLiteral("ten"));
    }

    void cancelHandsBackTheStartValues() {
        const RectangleFields start = rectangleFieldsOf(rectangle(1, 2, 3, 4, 1, 0));
        CRectPropertiesDlg dialog(start);
        showAndWait(dialog);
        retype(lineEdit(dialog, "X"), "99");
        click(standardButton(dialog, QDialogButtonBox::Cancel));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(dialog.fields() == start);
    }
};

QUILLSET_GUI_TEST_MAIN(CRectPropertiesDlgTest)
#include "CRectPropertiesDlgTest.moc"
