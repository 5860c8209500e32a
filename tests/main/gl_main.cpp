#include "main/TestEnvironment.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include <gtest/gtest.h>

// Tests that need a real OpenGL context; they run under Xvfb with Mesa's software renderer.
int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (TestEnvironment::isListingTests(argc, argv))
        return RUN_ALL_TESTS();
    if (!std::getenv("DISPLAY")) {
        std::fprintf(stderr, "The GL tests need an X display: run them under xvfb-run.\n");
        return 1;
    }
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    TestEnvironment environment;
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
