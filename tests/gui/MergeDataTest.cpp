#include "GuiTestMain.h"

#include "app/commands/FileCommands.h"
#include "app/commands/LabelsModel.h"
#include "app/commands/LabelsOverview.h"
#include "app/commands/MergeData.h"
#include "app/dialogs/CBatchPrintDlg.h"
#include "app/pageview/CFolioView.h"
#include "app/pageview/PagePicture.h"
#include "app/shell/CFolioDoc.h"
#include "app/shell/CMainFrame.h"
#include "merge/MergeRun.h"
#include "merge/MergeSettings.h"
#include "model/PageSettings.h"
#include "printer/PrinterSettings.h"

#include <QCheckBox>
#include <QIcon>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QWheelEvent>

#include <functional>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace quillset;

namespace {

// Acts on the modal dialogs Print opens, as a user would: OK in the Print
// dialog, then `progress` with the progress dialog each time it is looked
// at, and OK in any message box, whose text it keeps.
class PrintAnswer : public QObject {
public:
    explicit PrintAnswer(std::function<void(QProgressDialog&)> progress = {})
        : progress_(std::move(progress)) {
        connect(&timer_, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* dialog = qobject_cast<CBatchPrintDlg*>(modal)) {
                for (const QCheckBox* box : dialog->findChildren<QCheckBox*>())
                    if (box->accessibleName() == QStringLiteral("Resume from label") &&
                        box->isVisibleTo(dialog) && box->isChecked())
                        offered_ << box->text();
                dialog->accept();
            } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                texts_ << box->text();
                box->button(QMessageBox::Ok)->click();
            } else if (auto* shown = qobject_cast<QProgressDialog*>(modal); shown && progress_) {
                progress_(*shown);
            }
        });
        timer_.start(10);
    }
    const QStringList& texts() const { return texts_; }
    // The resumes the Print dialog offered, checked.
    const QStringList& offered() const { return offered_; }

private:
    std::function<void(QProgressDialog&)> progress_;
    QTimer timer_;
    QStringList texts_;
    QStringList offered_;
};

// A printer on the network that takes a few kilobytes and then nothing: it
// never accepts the connection, so what arrives stays in a small buffer
// until read().
class StalledPrinter {
public:
    StalledPrinter()
        : fd_(::socket(AF_INET, SOCK_STREAM, 0)) {
        const int small = 4096;
        ::setsockopt(fd_, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
        sockaddr_in address{AF_INET, 0, {htonl(INADDR_LOOPBACK)}, {}};
        ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(fd_, 1);
    }
    ~StalledPrinter() { ::close(fd_); }
    quint16 port() const {
        sockaddr_in address{};
        socklen_t size = sizeof address;
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &size);
        return ntohs(address.sin_port);
    }
    // Accepts the connection and reads what it holds.
    QByteArray read() {
        QByteArray received;
        const int connection = ::accept(fd_, nullptr, nullptr);
        pollfd ready{connection, POLLIN, 0};
        char buffer[65536];
        ssize_t count = 0;
        while (::poll(&ready, 1, 500) == 1 &&
               (count = ::read(connection, buffer, sizeof buffer)) > 0)
            received.append(buffer, count);
        ::close(connection);
        return received;
    }

private:
    int fd_;
};

} // namespace

// The record bar and the page view follow the chosen data file, and the
// choice comes back when the document is opened again.
class MergeDataTest : public QObject {
    Q_OBJECT
public:
    explicit MergeDataTest(CFolioApp& app)
        : app_(app) {}

private slots:
    void recordsShowAndTheChoiceIsKept() {
        QVERIFY(startAfresh(app_));
        QTemporaryDir dir;
        const QString label = dir.filePath(QStringLiteral("label.txt"));
        const QString data = dir.filePath(QStringLiteral("data.csv"));
        writeFile(label, "DrawText(0,0,1,0,\"<W=2>${name}\");\r\n");
        writeFile(data, "name\nAnn\nBob\n");
        CMainFrame* frame = app_.mainFrame();
        QVERIFY(frame->fileCommands().openDocument(label));
        auto* merge = frame->findChild<MergeData*>();
        QWidget* page = frame->folioView()->viewport();
        const QImage fields = page->grab().toImage();

        merge->setChoice({data, {}});
        auto* bar = frame->findChild<QLabel*>(QStringLiteral("record"));
        QVERIFY(bar);
        QCOMPARE(bar->text(), QStringLiteral("Record 1 of 2"));
        const QImage ann = page->grab().toImage();
        merge->showRecord(2);
        QCOMPARE(bar->text(), QStringLiteral("Record 2 of 2"));
        QVERIFY(page->grab().toImage() != ann);
        QVERIFY(ann != fields);

        QVERIFY(frame->fileCommands().openDocument(label));
        QCOMPARE(merge->choice().path, data);
        QCOMPARE(merge->records(), 2);
        merge->setChoice({});
        QTRY_COMPARE(page->grab().toImage(), fields);
        QVERIFY(frame->fileCommands().openDocument(label));
        QVERIFY(merge->choice().path.isEmpty());
    }

    // Records 2, 5 and 7 hold a field more than the header names, so they
    // never print: the bar counts them and walks them, and a typed number
    // goes straight to its record.
    void recordBarFindsTheProblems() {
        QVERIFY(startAfresh(app_));
        QTemporaryDir dir;
        const QString label = dir.filePath(QStringLiteral("label.txt"));
        const QString data = dir.filePath(QStringLiteral("data.csv"));
        writeFile(label, "DrawText(0,0,1,0,\"${name} ${city}\");\r\n");
        writeFile(data, "name,city\nAnn,Ely\nBob,Ely,x\nCy,Ely\nDi,Ely\nEd,Ely,x\nFlo,Ely\n"
                        "Gus,Ely,x\n");
        CMainFrame* frame = app_.mainFrame();
        QVERIFY(frame->fileCommands().openDocument(label));
        auto* merge = frame->findChild<MergeData*>();
        merge->setChoice({data, {}});
        auto* bar = frame->findChild<QLabel*>(QStringLiteral("record"));
        QVERIFY(bar);
        QCOMPARE(bar->text(), QStringLiteral("Record 1 of 7, 3 with problems"));

        QList<int> walked;
        for (int i = 0; i < 4; ++i) {
            merge->showNextProblem();
            walked << merge->record();
        }
        QCOMPARE(walked, (QList<int>{2, 5, 7, 7}));
        walked.clear();
        for (int i = 0; i < 3; ++i) {
            merge->showPreviousProblem();
            walked << merge->record();
        }
        QCOMPARE(walked, (QList<int>{5, 2, 2}));
        QCOMPARE(bar->text(), QStringLiteral("Record 2 of 7, 3 with problems"));

        QSpinBox* number = nullptr;
        for (QSpinBox* box : frame->findChildren<QSpinBox*>())
            if (box->accessibleName() == QStringLiteral("Go to record"))
                number = box;
        QVERIFY(number);
        number->selectAll();
        QTest::keyClicks(number, QStringLiteral("6"));
        QCOMPARE(merge->record(), 2);
        QTest::keyClick(number, Qt::Key_Return);
        QCOMPARE(merge->record(), 6);
    }

    // The record bar says what is wrong with the record shown, as much as
    // fits and all of it with the data file's line in its tooltip; the
    // overview's tooltip gives the same reason. A record without a problem
    // shows none.
    void recordBarAndOverviewSayWhatIsWrong() {
        QVERIFY(startAfresh(app_));
        QTemporaryDir dir;
        const QString label = dir.filePath(QStringLiteral("label.txt"));
        const QString data = dir.filePath(QStringLiteral("data.csv"));
        writeFile(label, "DrawText(0,0,1,0,\"${name} ${city}\");\r\n");
        writeFile(data, "name,city\nAnn,Ely\nBob,Ely,x\nCy,Ely\n\xc5\x81u,\xc5\x81\xc3\xb3"
                        "dz\n");
        CMainFrame* frame = app_.mainFrame();
        QVERIFY(frame->fileCommands().openDocument(label));
        auto* merge = frame->findChild<MergeData*>();
        merge->setChoice({data, {}});
        auto* problem = frame->findChild<QLabel*>(QStringLiteral("recordProblem"));
        QVERIFY(problem);
        QVERIFY(!problem->accessibleName().isEmpty());
        // Shown on the toolbar, room permitting.
        const auto shown = [problem] {
            auto* bar = qobject_cast<QToolBar*>(problem->parentWidget());
            for (QAction* action : bar->actions())
                if (bar->widgetForAction(action) == problem)
                    return action->isVisible();
            return false;
        };
        QVERIFY(!shown());

        const QString reason = QStringLiteral(
            "3 fields where the header has 2; the last has no column (a value with ',' in "
            "it needs quotes)");
        merge->showRecord(2);
        QVERIFY(shown());
        QVERIFY2(problem->text().startsWith(QStringLiteral("\u26A0 3 fields where")),
                 qPrintable(problem->text()));
        QVERIFY(problem->fontMetrics().horizontalAdvance(problem->text()) <=
                MergeData::kProblemWidth +
                    problem->fontMetrics().horizontalAdvance(QStringLiteral("\u26A0 ")));
        QCOMPARE(problem->toolTip(), QStringLiteral("record 2 (data.csv line 3): ") + reason);
        QCOMPARE(problem->accessibleDescription(), problem->toolTip());

        LabelsModel& model = frame->findChild<LabelsOverview*>()->model();
        QCOMPARE(model.data(model.index(1), Qt::ToolTipRole).toString(),
                 QStringLiteral("Record 2\n\u26A0 ") + reason);
        QCOMPARE(model.data(model.index(2), Qt::ToolTipRole).toString(),
                 QStringLiteral("Record 3"));

        merge->showRecord(3);
        QVERIFY(!shown());

        // Two reasons: the count of the second stays in the bar, both are in
        // the tooltips.
        merge->showRecord(4);
        QVERIFY(shown());
        QVERIFY2(problem->text().endsWith(QStringLiteral(" (and 1 more)")),
                 qPrintable(problem->text()));
        QCOMPARE(problem->toolTip().count(QLatin1Char('\n')), 1);
        QVERIFY(problem->toolTip().contains(QStringLiteral("${city} holds")));
        QCOMPARE(model.data(model.index(3), Qt::ToolTipRole).toString().count(QLatin1Char('\n')),
                 2);
    }

    // The page view frames the objects the shown record's problems come
    // from, in the problem colour and on the screen only, and the status bar
    // gives the reason while the pointer is over one; a clean record has no
    // frames.
    void pageViewFramesTheProblemObjects() {
        QVERIFY(startAfresh(app_));
        QTemporaryDir dir;
        const QString label = dir.filePath(QStringLiteral("label.txt"));
        const QString data = dir.filePath(QStringLiteral("data.csv"));
        writeFile(label, "DrawRectangle(0,0,9,9,1,1);\r\n// ${name}\r\n"
                         "DrawText(40,50,1,0,\"to ${name}\");\r\n");
        writeFile(data, "name\nAnn\n\xc5\x81ukasz\n");
        CMainFrame* frame = app_.mainFrame();
        QVERIFY(frame->fileCommands().openDocument(label));
        auto* merge = frame->findChild<MergeData*>();
        auto* view = frame->findChild<CFolioView*>();
        merge->setChoice({data, {}});
        view->setZoom(100);
        QVERIFY(view->problemOutlines().empty());
        // The record bar's row appears with the data: the view settles below it.
        QCoreApplication::processEvents();

        merge->showRecord(2);
        QCOMPARE(view->problemOutlines().size(), std::size_t(1));
        const CFolioView::ProblemOutline& outline = view->problemOutlines().front();
        QCOMPARE(outline.box.left, 40);
        QCOMPARE(outline.box.top, 50);
        QVERIFY(outline.box.right > 40 + 5 * 8);
        QVERIFY2(
            outline.reason.startsWith(QStringLiteral("${name} holds '\u0141ukasz': '\u0141' is "
                                                     "not in the printer's character set")),
            qPrintable(outline.reason));

        const Rect client = view->mapping().toClient(outline.box);
        const QImage screen = view->viewport()->grab().toImage();
        const int middle = (client.top + client.bottom) / 2;
        QCOMPARE(screen.pixelColor(client.left - CFolioView::kProblemGap - 1, middle),
                 CFolioView::kProblemColour);
        QCOMPARE(screen.pixelColor(client.right + CFolioView::kProblemGap + 1, middle),
                 CFolioView::kProblemColour);

        QTest::mouseMove(view->viewport(), QPoint(client.left + 2, middle));
        QCOMPARE(frame->statusBar()->currentMessage(), outline.reason);
        QTest::mouseMove(view->viewport(), QPoint(client.left + 2, client.bottom + 40));
        QCOMPARE(frame->statusBar()->currentMessage(), QString());

        merge->showRecord(1);
        QVERIFY(view->problemOutlines().empty());
        QCOMPARE(view->viewport()
                     ->grab()
                     .toImage()
                     .pixelColor(client.left - CFolioView::kProblemGap - 1, middle)
                     .rgb(),
                 QColor(Qt::white).rgb());
    }

    // The overview of 100,000 records makes the pictures it shows and the
    // few after them, at the top, at the end and back in the middle; a
    // click there shows the record on the page.
    void overviewMakesOnlyTheLabelsShown() {
        QVERIFY(startAfresh(app_));
        QTemporaryDir dir;
        const QString label = dir.filePath(QStringLiteral("label.txt"));
        const QString data = dir.filePath(QStringLiteral("data.csv"));
        writeFile(label, "DrawText(0,0,1,0,\"${name}\");\r\n");
        QByteArray rows = "name\n";
        for (int i = 1; i <= 100'000; ++i)
            rows += "N" + QByteArray::number(i) + (i == 99'999 ? ",x\n" : "\n");
        writeFile(data, rows);
        CMainFrame* frame = app_.mainFrame();
        QVERIFY(frame->fileCommands().openDocument(label));
        auto* merge = frame->findChild<MergeData*>();
        merge->setChoice({data, {}});
        auto* overview = frame->findChild<LabelsOverview*>();
        QVERIFY(overview);
        overview->show();
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame));
        QListView& list = overview->list();
        LabelsModel& model = overview->model();
        QCOMPARE(model.rowCount(), 100'000);

        // The first label shown, inside the spacing around it.
        const auto topLeftLabel = [&list] {
            QModelIndex at;
            for (int d = 1; d < 40 && !at.isValid(); ++d)
                at = list.indexAt(QPoint(d, d));
            return at;
        };
        const auto shownRows = [&list, &model, &topLeftLabel] {
            const int first = topLeftLabel().row();
            const int last =
                list.indexAt(list.viewport()->rect().bottomLeft() + QPoint(1, -1)).row();
            return (last < 0 ? model.rowCount() - 1 : last) - first + 1;
        };
        const auto paintNow = [&list] {
            list.viewport()->repaint();
            QCoreApplication::processEvents();
        };
        paintNow();
        long long before = model.made();
        QVERIFY2(before > 0 && before <= shownRows() + LabelsModel::kPass,
                 qPrintable(QString::number(before)));
        for (const int row : {99'990, 50'000}) {
            list.scrollTo(model.index(row), QAbstractItemView::PositionAtTop);
            paintNow();
            const long long made = model.made() - before;
            QVERIFY2(made > 0 && made <= shownRows() + LabelsModel::kPass,
                     qPrintable(QStringLiteral("%1 made at row %2").arg(made).arg(row)));
            before = model.made();
        }
        QVERIFY(model.data(model.index(99'998), Qt::ToolTipRole)
                    .toString()
                    .startsWith(QStringLiteral("Record 99999\n\u26A0 2 fields where")));

        const QModelIndex shown = topLeftLabel();
        QVERIFY(shown.isValid());
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualRect(shown).center());
        QCOMPARE(merge->record(), shown.row() + 1);
        overview->hide();
    }

    // Row N's picture is record N's page as the engine renders it alone,
    // also for the rows one pass reaches after a record with a problem (one
    // field too many, which a batch leaves out) and after an empty record;
    // the size slider and Ctrl with the wheel scale every picture.
    void overviewPictureIsTheRecordsPage() {
        QVERIFY(startAfresh(app_));
        QTemporaryDir dir;
        const QString label = dir.filePath(QStringLiteral("label.txt"));
        const QString data = dir.filePath(QStringLiteral("data.csv"));
        writeFile(label, "DrawText(10,10,1,0,\"${name}\");\r\n");
        writeFile(data, "name\nAnne\nBert,x\n\nCora\nDirk\n");
        CMainFrame* frame = app_.mainFrame();
        QVERIFY(frame->fileCommands().openDocument(label));
        auto* merge = frame->findChild<MergeData*>();
        merge->setChoice({data, {}});
        auto* overview = frame->findChild<LabelsOverview*>();
        QVERIFY(overview);
        LabelsModel& model = overview->model();
        QVERIFY(model.rowCount() >= 3);
        QVERIFY(!merge->badRecords().empty());
        // Row 0 first: one pass makes all the rows after it.
        for (int row = 0; row < model.rowCount(); ++row) {
            const QImage shown =
                model.data(model.index(row), LabelsModel::kDotsRole).value<QImage>();
            MergeSettings settings = merge->settings();
            settings.firstRecord = settings.lastRecord = row + 1;
            MergeRun alone(frame->document().session(), settings);
            const QImage page = alone.next() ? pagePicture(alone.page().raster()) : QImage();
            QVERIFY2(!page.isNull() || shown.isNull(), qPrintable(QString::number(row)));
            QVERIFY2(shown == page, qPrintable(QStringLiteral("row %1").arg(row)));
        }

        const QSize before = overview->list().iconSize();
        QWheelEvent notch(QPointF(5, 5), QPointF(5, 5), {}, QPoint(0, 120), Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(overview->list().viewport(), &notch);
        QCOMPARE(overview->size().value(), LabelsModel::kStartScale + 5);
        QVERIFY(overview->list().iconSize().width() > before.width());
        overview->size().setValue(LabelsModel::kMaxScale);
        const PageSettings& page = frame->document().session().settings();
        QCOMPARE(overview->list().iconSize(), QSize(page.pageWidth, page.pageHeight));
        QCOMPARE(model.data(model.index(0), Qt::DecorationRole).value<QIcon>().availableSizes(),
                 QList<QSize>{QSize(page.pageWidth, page.pageHeight)});
    }

    // The nearest characters and what Print chose come back with the
    // document; the Print dialog starts from them and goes on after the last
    // print unless told not to.
    void printChoiceIsKept() {
        QVERIFY(startAfresh(app_));
        QTemporaryDir dir;
        const auto [label, data] = writeLabelFiles(dir);
        CMainFrame* frame = app_.mainFrame();
        QVERIFY(frame->fileCommands().openDocument(label));
        auto* merge = frame->findChild<MergeData*>();
        merge->setChoice({data, {}, true});
        BatchPrintChoice chosen;
        chosen.allRecords = false;
        chosen.firstRecord = 2;
        chosen.lastRecord = 3;
        chosen.counterStart = 5;
        chosen.counterStep = 2;
        chosen.nextCounter = 41;
        merge->setPrintChoice(chosen);

        QVERIFY(frame->fileCommands().openDocument(label));
        QVERIFY(merge->choice().replaceMissing);
        QVERIFY(merge->printChoice() == chosen);
        CBatchPrintDlg dialog(merge->records(), merge->printChoice(), 4,
                              merge->choice().replaceMissing);
        MergeSettings settings;
        dialog.applyTo(settings);
        QCOMPARE(settings.firstRecord, 2);
        QCOMPARE(settings.lastRecord, 3);
        QCOMPARE(settings.copies, 4);
        QCOMPARE(settings.counterStart, 41);
        QCOMPARE(settings.counterStep, 2);
        QVERIFY(settings.replaceMissing);
        for (QCheckBox* box : dialog.findChildren<QCheckBox*>())
            if (box->accessibleName() == QStringLiteral("Go on from the last print"))
                box->setChecked(false);
        dialog.applyTo(settings);
        QCOMPARE(settings.counterStart, 5);
    }

    // Each document keeps its own data file and print choice: opening one
    // after another neither loses the one opened nor gives it the other's,
    // and Save As takes the choice to the new name.
    void eachDocumentKeepsItsOwnChoice() {
        QVERIFY(startAfresh(app_));
        const QString first = dir_.filePath(QStringLiteral("first.txt"));
        const QString second = dir_.filePath(QStringLiteral("second.txt"));
        const QString copy = dir_.filePath(QStringLiteral("copy.txt"));
        const QString firstData = dir_.filePath(QStringLiteral("first.csv"));
        const QString secondData = dir_.filePath(QStringLiteral("second.csv"));
        for (const QString& label : {first, second})
            writeFile(label, kNameAndCounter);
        for (const QString& data : {firstData, secondData})
            writeFile(data, "name\nAnn\n");
        CMainFrame* frame = app_.mainFrame();
        auto* merge = frame->findChild<MergeData*>();
        BatchPrintChoice printed;
        printed.nextCounter = 41;

        QVERIFY(frame->fileCommands().openDocument(first));
        merge->setChoice({firstData, {}});
        merge->setPrintChoice(printed);
        QVERIFY(frame->fileCommands().openDocument(second));
        QVERIFY2(merge->choice().path.isEmpty(), qPrintable(merge->choice().path));
        merge->setChoice({secondData, {}});
        QVERIFY(frame->fileCommands().openDocument(first));
        QCOMPARE(merge->choice().path, firstData);
        QVERIFY(merge->printChoice() == printed);
        QVERIFY(frame->fileCommands().saveDocument(copy));
        QCoreApplication::processEvents();
        QVERIFY(frame->fileCommands().openDocument(second));
        QCOMPARE(merge->choice().path, secondData);
        QVERIFY(merge->printChoice() == BatchPrintChoice());
        QVERIFY(frame->fileCommands().openDocument(copy));
        QCOMPARE(merge->choice().path, firstData);
        QVERIFY(merge->printChoice() == printed);
    }

    // File > Print of a page with data sends every label over one
    // connection, in order, and the next print goes on after the last.
    void batchGoesOverOneConnection() {
        QVERIFY(startAfresh(app_));
        const auto [label, data] = writeLabelFiles(dir_);
        QTcpServer printer;
        QVERIFY(printer.listen(QHostAddress::LocalHost));
        int connections = 0;
        QByteArray received;
        connect(&printer, &QTcpServer::newConnection, this, [&] {
            QTcpSocket* connection = printer.nextPendingConnection();
            ++connections;
            connect(connection, &QTcpSocket::readyRead, this,
                    [&, connection] { received += connection->readAll(); });
        });
        CMainFrame* frame = printTo(printer.serverPort(), label, data);
        PrintAnswer answer;
        printAction(*frame)->trigger();

        QTRY_COMPARE(received.count(kPageEnd), 3);
        QCOMPARE(connections, 1);
        QCOMPARE(answer.texts(), QStringList{});
        const QByteArrayList pages = received.split('\x04');
        QVERIFY(pages[0].contains("DrawText(0,0,1,0,\"Ann 1\");"));
        QVERIFY(pages[1].contains("DrawText(0,0,1,0,\"Bob 2\");"));
        QVERIFY(pages[2].contains("DrawText(0,0,1,0,\"Cy 3\");"));
        QCOMPARE(
            frame->statusBar()->currentMessage(),
            QStringLiteral("Printed 3 labels to 127.0.0.1:%1 (Script).").arg(printer.serverPort()));
        QCOMPARE(frame->findChild<MergeData*>()->printChoice().nextCounter, 4);
    }

    // Cancel part way stops the one connection within a label; the next
    // print goes on after the labels the printer took whole, no further.
    void cancelPartWayGoesOnAfterTheLabelsTaken() {
        QVERIFY(startAfresh(app_));
        QByteArray rows = "name\n";
        for (int i = 1; i <= 3000; ++i)
            rows += "r" + QByteArray::number(i) + '\n';
        const auto [label, data] = writeLabelFiles(dir_, rows);
        StalledPrinter printer;
        CMainFrame* frame = printTo(printer.port(), label, data);
        QString shown;
        int looks = 0;
        PrintAnswer answer([&](QProgressDialog& progress) {
            shown = progress.labelText();
            // Long enough for the printer's buffer to fill and the label to stop.
            // Clicked from the event loop: the message box it brings up needs
            // the watch free to answer it.
            if (++looks == 30)
                QTimer::singleShot(0, progress.findChild<QPushButton*>(), &QPushButton::click);
        });
        printAction(*frame)->trigger();

        QCOMPARE(answer.texts().size(), 1);
        QVERIFY2(answer.texts()[0].startsWith("Printing cancelled "),
                 qPrintable(answer.texts()[0]));
        QVERIFY2(shown.startsWith("Label ") && shown.endsWith(" of 3000"), qPrintable(shown));
        const std::optional<long long> next =
            frame->findChild<MergeData*>()->printChoice().nextCounter;
        QVERIFY(next);
        const long long taken = *next - 1;
        const QString stopped = frame->statusBar()->currentMessage();
        QVERIFY2(stopped == QStringLiteral("Stopped at label %1 of 3000.").arg(taken + 1) ||
                     stopped == QStringLiteral("Stopped after label %1 of 3000.").arg(taken),
                 qPrintable(stopped));
        const qsizetype whole = printer.read().count(kPageEnd);
        QVERIFY2(taken > 0 && taken <= whole && whole < 3000,
                 qPrintable(QStringLiteral("%1 taken, %2 whole").arg(taken).arg(whole)));
    }

    // A TSPL printer that runs out of paper after two labels: the batch stops
    // before the third and says so; the next Print offers to resume from
    // it, and sends that label alone, numbered as it would have been.
    void paperOutStopsTheBatchAndTheNextPrintResumes() {
        QVERIFY(startAfresh(app_));
        const auto [label, data] = writeLabelFiles(dir_);
        QTcpServer printer;
        QVERIFY(printer.listen(QHostAddress::LocalHost));
        QByteArray received;
        int printed = 0;
        connect(&printer, &QTcpServer::newConnection, this, [&] {
            QTcpSocket* connection = printer.nextPendingConnection();
            connect(connection, &QTcpSocket::readyRead, this, [&, connection] {
                received += connection->readAll();
                if (!received.endsWith("\x1b!?"))
                    return;
                printed = static_cast<int>(received.count("PRINT 1,1"));
                connection->write(printed < 2 ? QByteArray(1, '\0') : QByteArray("\x04"));
            });
        });
        CMainFrame* frame = printTo(printer.serverPort(), label, data);
        app_.printer().language.language = PrinterLanguage::Tspl;
        {
            PrintAnswer answer;
            printAction(*frame)->trigger();
            QCOMPARE(answer.texts(),
                     QStringList{"Stopped before label 3 of 3 (record 3): paper out. File > Print "
                                 "goes on from label 3 once the printer has paper."});
            QCOMPARE(answer.offered(), QStringList{});
        }
        QCOMPARE(received.count("PRINT 1,1"), 2);
        QCOMPARE(frame->statusBar()->currentMessage(),
                 QStringLiteral("Stopped after label 2 of 3."));

        received.clear();
        PrintAnswer answer;
        printAction(*frame)->trigger();
        QCOMPARE(answer.offered(), QStringList{"&Resume from label 3"});
        QCOMPARE(answer.texts(), QStringList{});
        QCOMPARE(received.count("PRINT 1,1"), 1);
        QCOMPARE(frame->statusBar()->currentMessage(),
                 QStringLiteral("Printed label 3 of 3 to 127.0.0.1:%1 (TSPL).")
                     .arg(printer.serverPort()));
        const BatchPrintChoice after = frame->findChild<MergeData*>()->printChoice();
        QCOMPARE(after.nextCounter, 4);
        QVERIFY(!after.resumeLabel);
    }

private:
    static void writeFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // A label of each record's name and counter.
    static constexpr const char* kNameAndCounter = "DrawText(0,0,1,0,\"${name} ${seq}\");\r\n";

    struct LabelFiles {
        QString label;
        QString data;
    };
    // The label above and a data file of `rows`, in `dir`.
    static LabelFiles writeLabelFiles(const QTemporaryDir& dir,
                                      const QByteArray& rows = "name\nAnn\nBob\nCy\n") {
        LabelFiles files{dir.filePath(QStringLiteral("label.txt")),
                         dir.filePath(QStringLiteral("data.csv"))};
        writeFile(files.label, kNameAndCounter);
        writeFile(files.data, rows);
        return files;
    }

    // Each page of the script printer's stream ends so.
    static constexpr const char* kPageEnd = "EndPage();\r\n\x1bP#\x04";

    // Opens `label` with `data` and points the printer at 127.0.0.1:`port`,
    // in the script printer's language.
    CMainFrame* printTo(quint16 port, const QString& label, const QString& data) {
        CMainFrame* frame = app_.mainFrame();
        if (!frame->fileCommands().openDocument(label))
            return frame;
        frame->findChild<MergeData*>()->setChoice({data, {}});
        PrinterSettings& printer = app_.printer();
        printer.connection = ConnectionKind::Tcp;
        printer.host = QStringLiteral("127.0.0.1");
        printer.port = port;
        printer.language = {};
        return frame;
    }

    static QAction* printAction(CMainFrame& frame) {
        for (QAction* action : frame.findChildren<QAction*>())
            if (action->text() == QStringLiteral("&Print"))
                return action;
        return nullptr;
    }

    CFolioApp& app_;
    QTemporaryDir dir_;
};

QUILLSET_GUI_TEST_MAIN(MergeDataTest)
#include "MergeDataTest.moc"
