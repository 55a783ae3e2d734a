#pragma once

#include "app/shell/CFolioApp.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

// Each test case starts from default settings and a fresh main window, with
// the file `path` open when one is given.
inline bool startAfresh(quillset::CFolioApp& app, const QString& path = {}) {
    QSettings(QStringLiteral("Corvane"), QStringLiteral("Quillset")).clear();
    QStringList arguments{QStringLiteral("quillset")};
    if (!path.isEmpty())
        arguments << path;
    return app.InitInstance(arguments);
}

// Starts the application with its settings and recovery files in a fresh
// temporary folder, so the user's own are never read or written, then runs
// the suite.
#define QUILLSET_GUI_TEST_MAIN(Suite)                                                              \
    int main(int argc, char** argv) {                                                              \
        QTemporaryDir config;                                                                      \
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));                              \
        qputenv("XDG_STATE_HOME", QFile::encodeName(config.path()));                               \
        quillset::CFolioApp app(argc, argv);                                                       \
        const QString settingsFile =                                                               \
            QSettings(QStringLiteral("Corvane"), QStringLiteral("Quillset")).fileName();           \
        if (!settingsFile.startsWith(config.path())) {                                             \
            std::fprintf(stderr, "settings would go to %s\n", qPrintable(settingsFile));           \
            return 2;                                                                              \
        }                                                                                          \
        Suite suite(app);                                                                          \
        return QTest::qExec(&suite, argc, argv);                                                   \
    }
