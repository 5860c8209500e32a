#pragma once

#include <QDir>
#include <QTemporaryDir>

#include <cstdlib>
#include <cstring>

// Every test binary runs with HOME and the working directory in a fresh temporary folder,
// so tests never touch the real settings folder and scratch files land there.
class TestEnvironment {
public:
    TestEnvironment()
    {
        home.setAutoRemove(true);
        setenv("HOME", home.path().toLocal8Bit().constData(), 1);
        QDir::setCurrent(home.path());
    }
    QString path() const { return home.path(); }

    static bool isListingTests(int argc, char **argv)
    {
        for (int i = 1; i < argc; ++i) {
            if (std::strcmp(argv[i], "--gtest_list_tests") == 0)
                return true;
        }
        return false;
    }

private:
    QTemporaryDir home;
};
