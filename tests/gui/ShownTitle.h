#pragma once

#include <QString>
#include <QWidget>
#include <QWindow>

// A window's title as the window system shows it: Qt puts "*" in place of
// the "[*]" placeholder while the window is modified, and nothing otherwise.
inline QString shownTitle(const QWidget* window) {
    const QWindow* handle = window->windowHandle();
    return handle ? handle->title() : QString();
}
