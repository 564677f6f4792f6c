// SPDX-License-Identifier: GPL-3.0-or-later
// strataloom_bench: the section engine, whole events, list replays and the
// window, in one run, so that every figure can be divided by the reference
// copy measured alongside it; the table of ratios follows the usual lines.
// The window runs on the offscreen platform unless another one is asked
// for. STRATALOOM_BENCH_TEMPS=reel puts wall-clock times in the table
// instead of the CPU time of the benchmark thread.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <unistd.h>

#include "banc.h"
#include "tableau.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    banc::EnregistrerOperations();
    banc::EnregistrerEvenements();
    banc::EnregistrerFenetre();
    banc::EnregistrerEnseignant();
    banc::EnregistrerChronologie();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    banc::RapportRatios rapport(qgetenv("STRATALOOM_BENCH_TEMPS") == "reel", isatty(STDOUT_FILENO) != 0);
    benchmark::RunSpecifiedBenchmarks(&rapport);
    benchmark::Shutdown();
    return 0;
}
