#include "private_preferences.h"
#include "school_children.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstring>

int main(int argc, char** argv)
{
    // A child is a school computer without a screen: a core application is all it needs.
    if (argc > 1 && std::strncmp(argv[1], "--child-", 8) == 0) {
        QCoreApplication app(argc, argv);
        return zorvix::progress::testing::runSchoolChild(QCoreApplication::arguments());
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const auto preferences = zorvix::testing::usePrivatePreferences();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
