#include "main/TestEnvironment.h"

#include <QApplication>

#include <cstdlib>

#include <gtest/gtest.h>

namespace {

// Without a display no test can make an OpenGL context: every test is reported skipped, with
// the reason, instead of failing. `make test` runs them under Xvfb.
class NoDisplay : public ::testing::Environment {
public:
    void SetUp() override { GTEST_SKIP() << "No X display: the GL tests need one; run them under xvfb-run."; }
};

} // namespace

// Tests that need a real OpenGL context; they run under Xvfb with Mesa's software renderer.
int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (TestEnvironment::isListingTests())
        return RUN_ALL_TESTS();
    const char *display = std::getenv("DISPLAY");
    if (!display || !*display) {
        ::testing::AddGlobalTestEnvironment(new NoDisplay);
        return RUN_ALL_TESTS();
    }
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    TestEnvironment environment;
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
