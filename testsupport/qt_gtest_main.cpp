// GoogleTest entry point for tests that drive real widgets: one QApplication for the whole run.
#include "private_preferences.h"

#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Progress goes to Qt's test folders and preferences to a folder of this run's, never into the
    // user's own.
    QStandardPaths::setTestModeEnabled(true);
    const auto preferences = zorvix::testing::usePrivatePreferences();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
