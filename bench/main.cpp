// strataloom_bench: the section engine, whole events, list replays and the
// window, in one run, so that every figure can be divided by the reference
// copy measured alongside it. The window runs on the offscreen platform
// unless another one is asked for.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "banc.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    banc::EnregistrerOperations();
    banc::EnregistrerEvenements();
    banc::EnregistrerFenetre();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
