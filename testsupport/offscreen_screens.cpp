#include "offscreen_screens.h"
#include "private_preferences.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

int runTestsOnScreens(int argc, char** argv, const char* screensJson)
{
    const QString config =
        QDir::temp().filePath(QStringLiteral("zorvix_screens_%1.json").arg(QCoreApplication::applicationPid()));
    {
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly))
            return 2;
        file.write(QByteArray(R"({"screens": )") + screensJson + "}");
    }
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + config.toLocal8Bit());
    const auto preferences = zorvix::testing::usePrivatePreferences();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    QFile::remove(config);
    return result;
}
