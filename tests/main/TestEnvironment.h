#pragma once

#include <QDir>
#include <QTemporaryDir>

#include <cstdlib>

#include <gtest/gtest.h>

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

    // Whether the binary was asked only to list its tests (call after InitGoogleTest, which
    // takes the flag out of the arguments).
    static bool isListingTests() { return GTEST_FLAG_GET(list_tests); }

private:
    QTemporaryDir home;
};
