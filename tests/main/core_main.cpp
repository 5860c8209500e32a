#include "main/TestEnvironment.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    TestEnvironment environment;
    QCoreApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
