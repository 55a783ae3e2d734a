#include "GuiTestMain.h"

#include "app/pageview/CFolioView.h"
#include "app/shell/CFolioDoc.h"
#include "app/shell/CMainFrame.h"
#include "model/PageSettings.h"
#include "raster/PageRaster.h"

#include <QAction>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QSet>

#include <memory>

using namespace quillset;

class CFolioViewTest : public QObject {
    Q_OBJECT
public:
    explicit CFolioViewTest(CFolioApp& app)
        : app_(app) {}

private slots:
    void init() {
        QVERIFY(startAfresh(app_));
        frame_ = app_.mainFrame();
        view_ = frame_->folioView();
    }

    void gridDotsEveryTenDotsOfThePage_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("dots");
        QTest::newRow("576-dot page: 58 per row, 125 rows") << 576 << 1248 << 58 * 125;
        QTest::newRow("start-up page of type 2") << 384 << 1248 << 39 * 125;
        QTest::newRow("full raster") << 832 << 1248 << 84 * 125;
        QTest::newRow("one row: the first dot is the corner") << 16 << 1 << 2;
        QTest::newRow("an empty page has no grid") << 16 << 0 << 0;
    }
    void gridDotsEveryTenDotsOfThePage() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, dots);
        setPage(8, 16, width, height);
        view_->setGridOn(true);
        const QImage picture = paint(QSize(900, 1300));
        QCOMPARE(count(picture, CFolioView::kGridColour), dots);
        if (dots > 0)
            QCOMPARE(picture.pixelColor(8, 16), CFolioView::kGridColour);

        view_->setGridOn(false);
        QCOMPARE(count(paint(QSize(900, 1300)), CFolioView::kGridColour), 0);
    }

    void frameRunsOneDotOutsideThePage() {
        setPage(16, 24, 576, 1248);
        const QImage picture = paint(QSize(900, 1300));
        const QColor black(Qt::black);
        for (int y : {23, 24, 700, 1271, 1272}) {
            QCOMPARE(picture.pixelColor(15, y), black);
            QCOMPARE(picture.pixelColor(592, y), black);
        }
        for (int x : {15, 16, 300, 591, 592}) {
            QCOMPARE(picture.pixelColor(x, 23), black);
            QCOMPARE(picture.pixelColor(x, 1272), black);
        }
        QCOMPARE(picture.pixelColor(14, 100), QColor(Qt::white));
        QCOMPARE(picture.pixelColor(593, 100), QColor(Qt::white));
        // The page image is white where the raster is clear.
        QCOMPARE(picture.pixelColor(16, 24), QColor(Qt::white));
        QCOMPARE(picture.pixelColor(591, 1271), QColor(Qt::white));
        QCOMPARE(picture.pixelColor(16, 1273), QColor(Qt::white));
    }

    void rasterDotsAppearAtTheirPlaceOnThePaper() {
        setPage(16, 24, 576, 1248);
        frame_->document().compile(QStringLiteral("DrawRectangle(0,0,0,0,1,0);\r\n"
                                                  "DrawRectangle(575,9,575,9,1,0);"));
        const QImage picture = paint(QSize(900, 1300));
        QCOMPARE(picture.pixelColor(16, 24), QColor(Qt::black));
        QCOMPARE(picture.pixelColor(17, 24), QColor(Qt::white));
        QCOMPARE(picture.pixelColor(16, 25), QColor(Qt::white));
        QCOMPARE(picture.pixelColor(16 + 575, 24 + 9), QColor(Qt::black));
        QCOMPARE(count(picture, Qt::black), 2 + framePixels(576, 1248));
    }

    void scrollRangeCoversThePaperAndGreyAroundIt() {
        frame_->show();
        for (int zoom : {1, 3}) {
            view_->setZoom(zoom * 100);
            for (int width : {16, 832}) {
                setPage(0, 0, width, 100);
                const QSize viewport = view_->viewport()->size();
                const int gap = CFolioView::kGap;
                QCOMPARE(view_->horizontalScrollBar()->minimum(), -gap);
                QCOMPARE(view_->horizontalScrollBar()->maximum(),
                         qMax(-gap, (width + 1) * zoom + gap - viewport.width()));
                QCOMPARE(view_->verticalScrollBar()->maximum(),
                         qMax(-gap, 101 * zoom + gap - viewport.height()));
            }
        }
    }

    // The paper with its frame and the grey around it, worked as the view's
    // pixels: a dot count times the zoom over 100, rounded up.
    void fitPageAndWidthShowAnyPage() {
        frame_->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame_));
        const int gap = CFolioView::kGap;
        const auto pixels = [](int dots, int zoom) { return (dots * zoom + 99) / 100; };
        for (const QSize page : {QSize(832, 1200), QSize(384, 100)}) {
            setPage(0, 0, page.width(), page.height());
            const QSize paper = page + QSize(1, 1);
            view_->fitPage();
            QCoreApplication::processEvents(); // the scroll bars go
            const QSize port = view_->viewport()->size();
            const int zoom = view_->zoom();
            QVERIFY(pixels(paper.width(), zoom) + 2 * gap <= port.width());
            QVERIFY(pixels(paper.height(), zoom) + 2 * gap <= port.height());
            QVERIFY2(pixels(paper.width(), zoom + 1) + 2 * gap > port.width() ||
                         pixels(paper.height(), zoom + 1) + 2 * gap > port.height(),
                     "the largest zoom that fits");
            QCOMPARE(view_->horizontalScrollBar()->maximum(), -gap);
            QCOMPARE(view_->verticalScrollBar()->maximum(), -gap);

            view_->fitWidth();
            QCoreApplication::processEvents();
            const int across = view_->viewport()->width();
            QVERIFY(pixels(paper.width(), view_->zoom()) + 2 * gap <= across);
            QVERIFY(pixels(paper.width(), view_->zoom() + 1) + 2 * gap > across);
        }
        QVERIFY2(view_->zoom() > 100, "a short page is shown larger than life");
    }

    void zoomStepsRunFrom25To800() {
        view_->setZoom(100);
        QList<int> out;
        for (int i = 0; i < 5; ++i) {
            view_->zoomOut();
            out << view_->zoom();
        }
        QCOMPARE(out, (QList<int>{67, 50, 33, 25, 25}));
        view_->setZoom(150);
        view_->zoomIn();
        QCOMPARE(view_->zoom(), 200);
        view_->setZoom(5000);
        QCOMPARE(view_->zoom(), 800);
        for (QAction* action : frame_->findChildren<QAction*>())
            if (action->text() == QStringLiteral("&Actual Size"))
                action->trigger();
        QCOMPARE(view_->zoom(), 100);
    }

    // Scrolled down by 20 pixels, with the grey gap at the left.
    void screenShowsThePictureScrolled() {
        frame_->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame_));
        setPage(16, 24, 576, 1248);
        view_->verticalScrollBar()->setValue(20);
        const QImage shown = view_->viewport()->grab().toImage();
        const int gap = CFolioView::kGap;
        QCOMPARE(shown.pixelColor(gap + 15, 3), QColor(Qt::black));
        QCOMPARE(shown.pixelColor(gap + 16, 4), QColor(Qt::white));
        QCOMPARE(shown.pixelColor(gap + 14, 3), QColor(Qt::white));
        QCOMPARE(shown.pixelColor(gap - 1, 3), CFolioView::kBeyondPaper);
    }

    void printsLifeSizeToPdf() {
        const QString path = dir_.filePath("page.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        view_->printPage(printer);
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
    }

    // Below 100 % a pixel is as grey as the share of black it covers: a
    // checkerboard is an even mid grey, not a coarser pattern of whole dots;
    // from 100 % up every pixel is a dot's black or white. A page shown next
    // at the same zoom is shrunk anew.
    void shrunkPageAveragesItsDots_data() {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<int>("lowest");
        QTest::addColumn<int>("highest");
        QTest::newRow("50 %: four dots a pixel") << 50 << 127 << 128;
        QTest::newRow("33 %: pixels across dots keep near half") << 33 << 100 << 155;
        QTest::newRow("100 %: a dot a pixel") << 100 << 0 << 255;
        QTest::newRow("200 %: four pixels a dot") << 200 << 0 << 255;
    }
    void shrunkPageAveragesItsDots() {
        QFETCH(int, zoom);
        QFETCH(int, lowest);
        QFETCH(int, highest);
        setPage(8, 8, 384, 200);
        auto checkerboard = std::make_unique<PageRaster>(frame_->document().session().raster());
        auto black = std::make_unique<PageRaster>(*checkerboard);
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 384; ++x) {
                checkerboard->SetDot(x, y, static_cast<std::int16_t>((x + y) % 2));
                black->SetDot(x, y, 1);
            }
        view_->resize(600, 400);
        view_->setZoom(zoom);
        view_->showTopOfPage();
        // Well inside the page, past its first pixels.
        const QRect inside(CFolioView::kGap + (8 * zoom + 99) / 100 + 2,
                           CFolioView::kGap + (8 * zoom + 99) / 100 + 2, 40, 30);
        const auto levels = [this, &inside] {
            const QImage shown = view_->viewport()->grab().toImage();
            QSet<int> found;
            for (int y = inside.top(); y <= inside.bottom(); ++y)
                for (int x = inside.left(); x <= inside.right(); ++x)
                    found << qGray(shown.pixel(x, y));
            return found;
        };

        view_->setShownPage(checkerboard.get());
        const QSet<int> found = levels();
        for (int level : found)
            QVERIFY2(level >= lowest && level <= highest, qPrintable(QString::number(level)));
        if (zoom >= 100)
            QCOMPARE(found, (QSet<int>{0, 255}));
        view_->setShownPage(black.get());
        QCOMPARE(levels(), QSet<int>{0});
        view_->setShownPage(nullptr);
        view_->setZoom(100);
    }

private:
    void setPage(int left, int top, int width, int height) {
        PageSettings page = frame_->document().session().settings();
        page.leftMargin = static_cast<std::int16_t>(left);
        page.topMargin = static_cast<std::int16_t>(top);
        page.pageWidth = static_cast<std::int16_t>(width);
        page.pageHeight = static_cast<std::int16_t>(height);
        frame_->document().setPageSettings(page);
    }

    QImage paint(QSize size) const {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        view_->OnDraw(painter, picture.rect());
        return picture;
    }

    static int count(const QImage& picture, const QColor& colour) {
        int found = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                found += picture.pixelColor(x, y) == colour;
        return found;
    }

    static int framePixels(int width, int height) { return 2 * (width + 2) + 2 * height; }

    CFolioApp& app_;
    CMainFrame* frame_ = nullptr;
    CFolioView* view_ = nullptr;
    QTemporaryDir dir_;
};

QUILLSET_GUI_TEST_MAIN(CFolioViewTest)
#include "CFolioViewTest.moc"
