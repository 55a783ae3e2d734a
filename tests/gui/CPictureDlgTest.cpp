#include "DialogDriver.h"
#include "GuiTestMain.h"

#include "app/dialogs/CPictureDlg.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>

using namespace quillset;
using namespace dialog_driver;

namespace {

// 300 x 150: black on the left third, transparent elsewhere.
QString writeLogo(const QTemporaryDir& dir) {
    QImage image(300, 150, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < 150; ++y)
        for (int x = 0; x < 100; ++x)
            image.setPixel(x, y, qRgba(0, 0, 0, 255));
    const QString path = dir.filePath(QStringLiteral("logo.png"));
    image.save(path);
    return path;
}

void setSpin(QDialog& dialog, const char* name, int value) {
    auto* box = named<QSpinBox>(dialog, QString::fromLatin1(name));
    QVERIFY(box);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, QString::number(value));
    QTest::keyClick(box, Qt::Key_Tab);
}

int spin(QDialog& dialog, const char* name) {
    return named<QSpinBox>(dialog, QString::fromLatin1(name))->value();
}

} // namespace

class CPictureDlgTest : public QObject {
    Q_OBJECT
public:
    explicit CPictureDlgTest(CFolioApp&) {}

private slots:
    void widthAndHeightKeepTheAspectAndThePreviewShowsTheDots() {
        QTemporaryDir dir;
        PictureFields start;
        start.file = writeLogo(dir);
        CPictureDlg dialog(start, nullptr);
        showAndWait(dialog);
        QCOMPARE(spin(dialog, "Width"), 300);
        QCOMPARE(spin(dialog, "Height"), 150);
        setSpin(dialog, "Width", 200);
        QCOMPARE(spin(dialog, "Height"), 100);
        setSpin(dialog, "Height", 50);
        QCOMPARE(spin(dialog, "Width"), 100);
        auto* preview = named<QLabel>(dialog, QStringLiteral("Preview at the printer's dots"));
        QCOMPARE(preview->pixmap().size(), QSize(100, 50));

        QVERIFY(named<QSpinBox>(dialog, QStringLiteral("Level (0-255)"))->isEnabled());
        click(button(dialog, QStringLiteral("&Diffusion: the finest for photos")));
        QVERIFY(!named<QSpinBox>(dialog, QStringLiteral("Level (0-255)"))->isEnabled());
        pressOk(dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const auto picture = dialog.picture();
        QVERIFY(picture);
        QCOMPARE(picture->width, 100);
        QCOMPARE(picture->dithering, Dithering::Diffusion);
        QVERIFY(picture->black(10, 25));
        QVERIFY2(!picture->black(80, 25), "transparency lies on white");
        QCOMPARE(QString::fromStdString(picture->source), start.file);
    }

    // A new picture's dithering is chosen from its pixels and said, until
    // the user picks one; a picture on the page keeps its own.
    void theDitheringIsChosenFromThePicture() {
        QTemporaryDir dir;
        QImage ramp(256, 20, QImage::Format_Grayscale8);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 256; ++x)
                ramp.setPixel(x, y, qRgb(x, x, x));
        const QString grey = dir.filePath(QStringLiteral("ramp.png"));
        QVERIFY(ramp.save(grey));
        const struct {
            QString file;
            QString said;
            Dithering dithering;
        } cases[] = {
            {writeLogo(dir), QStringLiteral("Threshold (chosen: the picture is black and white)"),
             Dithering::Threshold},
            {grey, QStringLiteral("Diffusion (chosen: the picture has greys)"),
             Dithering::Diffusion},
        };
        for (const auto& c : cases) {
            PictureFields start;
            start.file = c.file;
            CPictureDlg dialog(start, nullptr);
            showAndWait(dialog);
            auto* chosen = named<QLabel>(dialog, QStringLiteral("Dithering chosen"));
            QVERIFY(chosen && chosen->isVisible());
            QCOMPARE(chosen->text(), c.said);
            QCOMPARE(dialog.picture()->dithering, c.dithering);
            click(button(dialog, QStringLiteral("&Ordered: an even pattern")));
            QVERIFY(!chosen->isVisible());
            QCOMPARE(dialog.picture()->dithering, Dithering::Ordered);

            CPictureDlg properties(start, dialog.picture());
            showAndWait(properties);
            QVERIFY(!named<QLabel>(properties, QStringLiteral("Dithering chosen"))->isVisible());
        }
    }

    void withItsFileGoneAPictureOnlyMovesAndKeepsItsDots() {
        QTemporaryDir dir;
        PictureFields start;
        start.file = writeLogo(dir);
        CPictureDlg first(start, nullptr);
        const auto dots = first.picture();
        QVERIFY(QFile::remove(start.file));

        start.onPage = true;
        start.x = 5;
        start.y = 6;
        CPictureDlg dialog(start, dots);
        showAndWait(dialog);
        QVERIFY(named<QLabel>(dialog, QStringLiteral("Problem"))->isVisible());
        QVERIFY(!named<QSpinBox>(dialog, QStringLiteral("Width"))->isEnabled());
        for (QRadioButton* b : dialog.findChildren<QRadioButton*>())
            QVERIFY(!b->isEnabled());
        retype(lineEdit(dialog, "X"), QStringLiteral("40"));
        pressOk(dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.picture(), dots);
        QCOMPARE(dialog.fields().x, 40);
        QCOMPARE(dialog.fields().y, 6);
    }

    void everyControlIsNamed() {
        QTemporaryDir dir;
        PictureFields start;
        start.file = writeLogo(dir);
        start.onPage = true;
        CPictureDlg dialog(start, nullptr);
        for (QWidget* w : dialog.findChildren<QWidget*>()) {
            // A spin box's own edit box goes by the spin box's name.
            if (!w->focusPolicy() || qobject_cast<QLabel*>(w) || !w->isVisibleTo(&dialog) ||
                qobject_cast<QAbstractSpinBox*>(w->parentWidget()))
                continue;
            const auto* b = qobject_cast<QAbstractButton*>(w);
            QVERIFY2(!w->accessibleName().isEmpty() || (b && !b->text().isEmpty()),
                     qPrintable(w->metaObject()->className()));
        }
    }
};

QUILLSET_GUI_TEST_MAIN(CPictureDlgTest)
#include "CPictureDlgTest.moc"
