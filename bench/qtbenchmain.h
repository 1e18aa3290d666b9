#pragma once

// The main of a Google Benchmark program that needs a Qt application: widgets are drawn
// offscreen unless a platform is chosen.
#include <benchmark/benchmark.h>

#include <QApplication>

#define TASTRA_QT_BENCHMARK_MAIN()                          \
    int main(int argc, char** argv) {                       \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) \
            qputenv("QT_QPA_PLATFORM", "offscreen");        \
        QApplication app(argc, argv);                       \
        benchmark::Initialize(&argc, argv);                 \
        benchmark::RunSpecifiedBenchmarks();                \
        benchmark::Shutdown();                              \
        return 0;                                           \
    }
