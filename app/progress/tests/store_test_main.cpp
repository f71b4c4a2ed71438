#include "private_preferences.h"
#include "school_server.h"
#include "store_children.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int child = zorvix::progress::testing::runChild(QCoreApplication::arguments());
    if (child >= 0)
        return child;
    const auto preferences = zorvix::testing::usePrivatePreferences();
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    zorvix::progress::testing::stopSchoolServer();
    return result;
}
