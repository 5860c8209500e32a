#pragma once

// The main function of a benchmark program whose code needs a Qt application object (file
// and XML classes, thread pools) but no display.

#include <QCoreApplication>
#include <benchmark/benchmark.h>

#define CELLFAB_QT_BENCHMARK_MAIN()                                                                          \
    int main(int argc, char **argv)                                                                          \
    {                                                                                                        \
        QCoreApplication application(argc, argv);                                                            \
        benchmark::Initialize(&argc, argv);                                                                  \
        if (benchmark::ReportUnrecognizedArguments(argc, argv))                                              \
            return 1;                                                                                        \
        benchmark::RunSpecifiedBenchmarks();                                                                 \
        benchmark::Shutdown();                                                                               \
        return 0;                                                                                            \
    }
