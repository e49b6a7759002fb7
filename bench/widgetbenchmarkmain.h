// main() for the benchmarks that need widgets but no screen.
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>

#define VESKAROO_WIDGET_BENCHMARK_MAIN()                \
    int main(int argc, char** argv)                     \
    {                                                   \
        qputenv("QT_QPA_PLATFORM", "offscreen");        \
        QApplication app(argc, argv);                   \
        benchmark::Initialize(&argc, argv);             \
        benchmark::RunSpecifiedBenchmarks();            \
        benchmark::Shutdown();                          \
        return 0;                                       \
    }
