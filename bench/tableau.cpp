// SPDX-License-Identifier: GPL-3.0-or-later
#include "tableau.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <sstream>

namespace banc {

namespace {

const char* const kTailleReference = "640x600";
const char* const kReference = "Copie";

double Pixels(const std::string& taille) {
    const std::size_t x = taille.find('x');
    if (x == std::string::npos) return 0.0;
    return std::stod(taille.substr(0, x)) * std::stod(taille.substr(x + 1));
}

bool EstUneTaille(const std::string& s) {
    const std::size_t x = s.find('x');
    return x != std::string::npos && x > 0 && x + 1 < s.size() &&
           s.find_first_not_of("0123456789x") == std::string::npos;
}

// Targets, as ratios: the figure at 640 x 600 to the reference copy, and
// the cost per pixel at the biggest size to the cost per pixel at 640 x 600.
struct Cible {
    double ratio = 0.0;     // 0: none
    double parPixel = 0.0;  // 0: none
};

Cible CibleDe(const std::string& nom) {
    if (nom.rfind("Operation/", 0) == 0) return {4.0, 1.5};
    if (nom.rfind("Evenement/", 0) == 0) return {6.0, 1.5};
    if (nom.rfind("Rejouer/", 0) == 0) return {5.0, 1.5};
    return {};
}

std::string Nombre(double v, int decimales = 2) {
    char tampon[64];
    std::snprintf(tampon, sizeof tampon, "%.*f", decimales, v);
    return tampon;
}

std::string Microsecondes(double secondes) {
    const double us = secondes * 1e6;
    return Nombre(us, us < 100.0 ? 1 : 0);
}

}  // namespace

bool RapportRatios::ReportContext(const Context& contexte) {
    const benchmark::CPUInfo& cpu = contexte.cpu_info;
    std::ostringstream m;
    m << cpu.num_cpus << " CPU at " << Nombre(cpu.cycles_per_second / 1e6, 0) << " MHz";
    for (const benchmark::CPUInfo::CacheInfo& c : cpu.caches)
        if (c.type != "Instruction")
            m << ", L" << c.level << " " << c.size / 1024 << " KiB" << (c.num_sharing > 1 ? " shared" : "");
    machine_ = m.str();
    return ConsoleReporter::ReportContext(contexte);
}

void RapportRatios::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs) {
        if (r.error_occurred) continue;
        // With repetitions, the median stands for the benchmark.
        if (r.run_type == Run::RT_Aggregate && r.aggregate_name != "median") continue;
        const std::string& complet = r.run_name.function_name;
        const std::size_t barre = complet.rfind('/');
        if (barre == std::string::npos || !EstUneTaille(complet.substr(barre + 1))) continue;
        const std::string nom = complet.substr(0, barre), taille = complet.substr(barre + 1);
        auto& parTaille = mesures_[nom];
        if (r.run_type == Run::RT_Iteration && r.repetitions > 1 && parTaille.count(taille)) continue;
        Mesure m;
        const double t = reel_ ? r.GetAdjustedRealTime() : r.GetAdjustedCPUTime();
        m.secondes = t / benchmark::GetTimeUnitMultiplier(r.time_unit);
        const auto ev = r.counters.find("evenements");
        if (ev != r.counters.end()) m.evenements = ev->second.value;
        m.repetitions = static_cast<int>(std::max<std::int64_t>(r.repetitions, 1));
        if (std::find(ordre_.begin(), ordre_.end(), nom) == ordre_.end()) ordre_.push_back(nom);
        parTaille[taille] = m;
    }
}

void RapportRatios::Finalize() {
    ConsoleReporter::Finalize();
    std::ostream& out = GetOutputStream();
    const auto ref = mesures_.find(kReference);
    if (ref == mesures_.end() || !ref->second.count(kTailleReference)) {
        out << "\nNo reference copy (" << kReference << "/" << kTailleReference
            << ") in this run: no ratio table.\n";
        return;
    }
    const double copie = ref->second.at(kTailleReference).secondes;
    const std::vector<std::string> grandes = {"1280x1200", "2560x2400"};
    const int repetitions = ref->second.at(kTailleReference).repetitions;

    out << "\n## Ratios to one copy of Observe\n\n"
        << "Machine: " << machine_ << ". " << (reel_ ? "Wall-clock" : "CPU") << " time per run"
        << (repetitions > 1 ? ", median of " + std::to_string(repetitions) + " repetitions" : "")
        << ". Reference: one memcpy of Observe, 640 x 600 x 4 bytes, " << Microsecondes(copie)
        << " us. Replays: per event.\n\n"
        << "| Measure | 640x600 (us) | / copy | target |";
    for (const std::string& g : grandes) out << " " << g << " (us) | per pixel / 640x600 |";
    out << " target | met |\n|---|---:|---:|---:|";
    for (std::size_t i = 0; i < grandes.size(); ++i) out << "---:|---:|";
    out << "---:|:---:|\n";

    for (const std::string& nom : ordre_) {
        const auto& parTaille = mesures_.at(nom);
        const auto base = parTaille.find(kTailleReference);
        if (base == parTaille.end()) continue;
        const Cible cible = CibleDe(nom);
        const auto parEvenement = [](const Mesure& m) {
            return m.evenements > 0.0 ? m.secondes / m.evenements : m.secondes;
        };
        const double t0 = parEvenement(base->second);
        const double ratio = t0 / copie;
        bool tenu = cible.ratio <= 0.0 || ratio <= cible.ratio;
        out << "| " << nom << " | " << Microsecondes(t0) << " | " << Nombre(ratio) << " | "
            << (cible.ratio > 0.0 ? "<= " + Nombre(cible.ratio, 0) : "") << " |";
        double dernier = 0.0;
        for (const std::string& g : grandes) {
            const auto it = parTaille.find(g);
            if (it == parTaille.end()) {
                out << " | |";
                continue;
            }
            const double t = parEvenement(it->second);
            dernier = (t / Pixels(g)) / (t0 / Pixels(kTailleReference));
            out << " " << Microsecondes(t) << " | " << Nombre(dernier) << " |";
        }
        if (cible.parPixel > 0.0 && dernier > 0.0) tenu = tenu && dernier <= cible.parPixel;
        out << " " << (cible.parPixel > 0.0 && dernier > 0.0 ? "<= " + Nombre(cible.parPixel, 1) : "")
            << " | " << (cible.ratio > 0.0 ? (tenu ? "yes" : "no") : "") << " |\n";
    }
    out << std::flush;
}

}  // namespace banc
