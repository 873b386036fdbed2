// The benchmark program; with the windows built, a Qt application (on the
// offscreen platform unless another one is chosen) exists for the window
// benchmarks.
#include <benchmark/benchmark.h>

#include <cstdlib>

#ifdef LADDERPAD_BENCH_QT
#include <QApplication>

#include "FontSetup.h"
#endif

int main(int argc, char** argv) {
#ifdef LADDERPAD_BENCH_QT
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    lp::installFontSubstitutions();
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
