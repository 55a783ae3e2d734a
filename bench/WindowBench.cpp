// What the user of the window waits for with each hostile file, from the
// moment the file is opened: the time until the window is usable again (the
// script pane and the page painted), the longest time the event loop was
// blocked meanwhile and in the second after ("block_ms", measured by a timer
// that measures its own lateness), and the most heap memory held beyond what
// the window held before the step ("heap_MB", every allocation counted, Qt's
// included; for Open that is beyond an empty window; "x_file" is that over
// the file's size). Then the same for the steps that follow:
// scrolling to the end of the script, Compile, an edit (a new top margin:
// the script is written again from the objects, as after a graphical edit,
// and the step goes into the history), Undo of it, Save and Print (to a
// file).
//
// Runs on any Qt platform: QT_QPA_PLATFORM=offscreen, or an X display
// (DISPLAY=:99 QT_QPA_PLATFORM=xcb) to include drawing on a real screen.
#include "app/commands/FileCommands.h"
#include "app/pageview/CFolioView.h"
#include "app/scriptpane/CCodeView.h"
#include "app/scriptpane/LongScriptView.h"
#include "app/shell/CFolioApp.h"
#include "app/shell/CFolioDoc.h"
#include "app/shell/CMainFrame.h"
#include "model/PageSettings.h"
#include "tests/support/HostileFiles.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>

// --- every heap allocation counted ---------------------------------------------

extern "C" {
void* __libc_malloc(std::size_t);
void* __libc_calloc(std::size_t, std::size_t);
void* __libc_realloc(void*, std::size_t);
void* __libc_memalign(std::size_t, std::size_t);
void __libc_free(void*);
}

namespace {

std::atomic<std::size_t> liveBytes{0};
std::atomic<std::size_t> peakBytes{0};

void* counted(void* p) {
    if (p != nullptr) {
        const std::size_t live = liveBytes += malloc_usable_size(p);
        std::size_t peak = peakBytes.load();
        while (live > peak && !peakBytes.compare_exchange_weak(peak, live)) {
        }
    }
    return p;
}

void uncount(void* p) {
    if (p != nullptr)
        liveBytes -= malloc_usable_size(p);
}

} // namespace

extern "C" {
void* malloc(std::size_t size) {
    return counted(__libc_malloc(size));
}
void* calloc(std::size_t n, std::size_t size) {
    return counted(__libc_calloc(n, size));
}
void* realloc(void* p, std::size_t size) {
    uncount(p);
    return counted(__libc_realloc(p, size));
}
void free(void* p) {
    uncount(p);
    __libc_free(p);
}
void* memalign(std::size_t alignment, std::size_t size) {
    return counted(__libc_memalign(alignment, size));
}
void* aligned_alloc(std::size_t alignment, std::size_t size) {
    return counted(__libc_memalign(alignment, size));
}
int posix_memalign(void** out, std::size_t alignment, std::size_t size) {
    *out = counted(__libc_memalign(alignment, size));
    return *out ? 0 : ENOMEM;
}
}

namespace {

using namespace quillset;

// Fires every few milliseconds and keeps the most it was ever late: how
// long the event loop did not come round.
class LatenessTimer {
public:
    LatenessTimer() {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(kIntervalMs);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            const qint64 now = clock_.nsecsElapsed();
            longest_ = std::max(longest_, now - last_ - kIntervalMs * 1'000'000LL);
            last_ = now;
        });
        clock_.start();
        restart();
        timer_.start();
    }
    void restart() {
        last_ = clock_.nsecsElapsed();
        longest_ = 0;
    }
    double longestMs() const { return static_cast<double>(longest_) / 1e6; }

private:
    static constexpr int kIntervalMs = 5;
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
    qint64 longest_ = 0;
};

// Answers the warnings Open shows, as a user would.
void answerMessageBoxes() {
    static QTimer answerer;
    answerer.setInterval(50);
    QObject::connect(&answerer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->accept();
    });
    answerer.start();
}

void runEventLoopFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

struct Window {
    CFolioApp* app = nullptr;
    QTemporaryDir folder;
    CMainFrame* frame() const { return app->mainFrame(); }
};
Window* window = nullptr;

// Waits until `watched` has painted after the step began; the time from
// the step's start to then.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget* watched) { watched->installEventFilter(this); }
    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

QWidget* scriptViewport() {
    CCodeView* pane = window->frame()->codeView();
    return pane->showsLongScript() ? pane->longScriptView()->viewport() : pane->viewport();
}

// One step as the user sees it: `act` runs from the event loop, then the
// loop runs until the panes have painted, then a second longer.
void measureStep(benchmark::State& state, std::size_t fileSize, const std::function<void()>& act) {
    for (auto _ : state) {
        LatenessTimer lateness;
        PaintWatch page(window->frame()->folioView()->viewport());
        // The step may change which of its views the script pane shows.
        std::unique_ptr<PaintWatch> pane;
        const std::size_t before = liveBytes;
        peakBytes = before;
        QElapsedTimer clock;
        clock.start();
        QTimer::singleShot(0, [&] {
            act();
            pane = std::make_unique<PaintWatch>(scriptViewport());
            scriptViewport()->update();
            window->frame()->folioView()->viewport()->update();
        });
        while (!pane || !pane->painted || !page.painted)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const double usable = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        runEventLoopFor(1000);
        state.SetIterationTime(usable);
        const double heap = static_cast<double>(peakBytes - std::min(before, peakBytes.load()));
        state.counters["block_ms"] = lateness.longestMs();
        state.counters["heap_MB"] = heap / 1e6;
        state.counters["x_file"] = fileSize ? heap / static_cast<double>(fileSize) : 0;
    }
}

void registerFile(const std::string& name, const std::string& bytes) {
    const QString path = window->folder.filePath(QString::fromStdString(name) + ".txt");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()))
        qFatal("cannot write %s", qPrintable(path));
    const std::size_t size = bytes.size();
    const QString saved = path + QStringLiteral(".saved");
    CMainFrame* frame = window->frame();
    const auto step = [&](const char* what, std::function<void()> act) {
        benchmark::RegisterBenchmark(
            (name + "/" + what).c_str(),
            [size, act](benchmark::State& state) { measureStep(state, size, act); })
            ->UseManualTime()
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    };
    step("new", [frame] { frame->document().newDocument(); });
    step("open", [frame, path] { frame->fileCommands().openDocument(path); });
    step("scroll_to_end", [frame] {
        QWidget* target = frame->codeView();
        if (frame->codeView()->showsLongScript())
            target = frame->codeView()->longScriptView();
        QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::ControlModifier);
        QApplication::sendEvent(target, &end);
    });
    step("compile", [frame] { frame->compile(); });
    step("edit", [frame] {
        PageSettings page = frame->document().session().settings();
        page.topMargin = page.topMargin == 0 ? 8 : 0;
        frame->document().setPageSettings(page);
    });
    step("undo", [frame] { frame->editUndo(); });
    step("save", [frame, saved] { frame->fileCommands().saveDocument(saved); });
    step("print", [frame] { frame->filePrint(); });
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    CFolioApp app(argc, argv);
    QSettings(QStringLiteral("Corvane"), QStringLiteral("Quillset")).clear();
    Window bench;
    bench.app = &app;
    window = &bench;
    if (!app.InitInstance({QStringLiteral("quillset")}))
        return 1;
    // After the start, which reads the printer from the settings.
    app.printer().connection = ConnectionKind::File;
    app.printer().device = QStringLiteral("/dev/null");
    app.mainFrame()->show();
    answerMessageBoxes();
    runEventLoopFor(500);

    for (const testing::HostileFile& file : testing::hostileFiles()) {
        std::string name = file.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        registerFile(name, file.bytes);
    }
    std::string everyByteRepeated;
    for (int i = 0; i < 4096; ++i)
        for (int b = 0; b < 256; ++b)
            everyByteRepeated += static_cast<char>(b);
    registerFile("every_byte_value_4096_times", everyByteRepeated);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    app.mainFrame()->document().newDocument();
    return 0;
}
