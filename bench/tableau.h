// SPDX-License-Identifier: GPL-3.0-or-later
// The report of a run: the usual console lines, then one table in Markdown
// in which every figure is divided by the reference copy of the same run
// (Copie/640x600), and the cost per pixel at the bigger sizes by the cost
// per pixel at 640 x 600, each checked against its target.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace banc {

class RapportRatios : public benchmark::ConsoleReporter {
public:
    // `reel`: wall-clock times instead of the thread's CPU time; colours
    // only on a terminal.
    RapportRatios(bool reel, bool couleurs)
        : ConsoleReporter(couleurs ? OO_ColorTabular : OO_Tabular), reel_(reel) {}

    bool ReportContext(const Context& contexte) override;
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    struct Mesure {
        double secondes = 0.0;  // per iteration
        double evenements = 0.0;  // replays: events per iteration
        int repetitions = 1;
    };
    bool reel_;
    std::string machine_;
    std::vector<std::string> ordre_;  // names without the size, in run order
    std::map<std::string, std::map<std::string, Mesure>> mesures_;  // name, size
};

}  // namespace banc
