#pragma once
// The main of the benchmarks that need widgets: Qt on the offscreen platform
// unless one is set, then every benchmark of the program.

#include <QApplication>
#include <benchmark/benchmark.h>

inline int run_benchmarks_offscreen(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
