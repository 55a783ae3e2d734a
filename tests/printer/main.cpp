#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// QSettings finds its files under XDG_CONFIG_HOME: pointing it at a
// temporary directory keeps the user's own settings out of reach.
int main(int argc, char** argv) {
    QTemporaryDir config;
    if (!config.isValid())
        return 1;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
