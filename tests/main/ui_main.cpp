#include "main/TestEnvironment.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (TestEnvironment::isListingTests())
        return RUN_ALL_TESTS();
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    TestEnvironment environment;
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
