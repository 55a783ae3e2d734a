#include "app/shell/LockKeyIndicators.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QStatusBar>

#include <optional>

// Whether the named lock is on; nullopt when it cannot be read.
static std::optional<bool> lockState(const char* lockName);

namespace quillset {

namespace {

struct Indicator {
    const char* text;
    const char* lockName; // the X keyboard extension's indicator name
};
constexpr std::array<Indicator, 3> kIndicators{{
    {"CAP", "Caps Lock"},
    {"NUM", "Num Lock"},
    {"SCRL", "Scroll Lock"},
}};

} // namespace

bool LockKeyIndicators::available() {
    return lockState(kIndicators[0].lockName).has_value();
}

LockKeyIndicators::LockKeyIndicators(QStatusBar& bar)
    : QObject(&bar) {
    for (std::size_t i = 0; i < kIndicators.size(); ++i) {
        auto* label = new QLabel(&bar);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(
            label->fontMetrics().horizontalAdvance(QString::fromLatin1(kIndicators[i].text)) + 8);
        bar.addPermanentWidget(label);
        labels_[i] = label;
    }
    qApp->installEventFilter(this);
    refresh();
}

void LockKeyIndicators::refresh() {
    for (std::size_t i = 0; i < kIndicators.size(); ++i) {
        const bool on = lockState(kIndicators[i].lockName).value_or(false);
        labels_[i]->setText(on ? QString::fromLatin1(kIndicators[i].text) : QString());
        labels_[i]->setAccessibleName(QString::fromLatin1(kIndicators[i].lockName) +
                                      (on ? QStringLiteral(" on") : QStringLiteral(" off")));
    }
}

bool LockKeyIndicators::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ApplicationActivate:
        refresh();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quillset

// X11's headers define macros (KeyPress, None, Bool) that collide with Qt's
// names, so they come last and only the lock reading follows them.
#if defined(QUILLSET_HAVE_XKB) && QT_CONFIG(xcb)
#include <X11/XKBlib.h>

static std::optional<bool> lockState(const char* lockName) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return std::nullopt;
    const Atom name = XInternAtom(display, lockName, True);
    int on = 0;
    if (name == 0 || !XkbGetNamedIndicator(display, name, nullptr, &on, nullptr, nullptr))
        return std::nullopt;
    return on != 0;
}
#else
static std::optional<bool> lockState(const char*) {
    return std::nullopt;
}
#endif
