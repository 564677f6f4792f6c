// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's commands: drawing a series of 30 exercises of 6 events
// (every one checked for traces, rock, novelty, plausibility at each step
// and legibility), one series always the same, and the same with
// their PDF sheets, on the 640 x 600 textures.
#include <benchmark/benchmark.h>

#include <QString>
#include <QTemporaryDir>

#include "banc.h"
#include "feuille.h"
#include "section/copies.h"
#include "section/legende_vue.h"
#include "section/serie.h"
#include "section/note.h"
#include "textures_essai.h"

namespace banc {

namespace {

section::Session SessionSerie() {
    section::Session a;
    a.SuivreFormations(SuivreFormations());
    a.DefinirTextures(TexturesPour(kTailles.front()));
    a.Reinitialiser();
    return a;
}

section::ReglesSerie Regles(std::uint32_t graine) {
    section::ReglesSerie r;
    r.exercices = 30;
    r.evenements = 6;
    r.graine = graine;
    return r;
}

void BM_Serie(benchmark::State& st) {
    section::Session a = SessionSerie();
    std::uint32_t graine = 1;
    for (auto _ : st) {
        auto serie = section::TirerSerie(a, Regles(graine++));
        benchmark::DoNotOptimize(serie);
    }
    st.counters["exercices"] = 30;
}

void BM_SerieEtFiches(benchmark::State& st) {
    section::Session a = SessionSerie();
    QTemporaryDir dossier;
    const QString pdf = dossier.filePath(QStringLiteral("fiches.pdf"));
    std::uint32_t graine = 1;
    for (auto _ : st) {
        std::vector<section::Liste> listes;
        std::vector<QString> titres;
        for (section::ExerciceTire& t : section::TirerSerie(a, Regles(graine++))) {
            listes.push_back(std::move(t.liste));
            titres.push_back(QStringLiteral("Exercice %1").arg(listes.size()));
        }
        if (rendu::EcrireFiches(pdf, a, listes, titres)) st.SkipWithError("fiches non écrites");
    }
    st.counters["exercices"] = 30;
}

// One reading of a sheet's section (section::LireVueLegende: letters,
// legend, structures), on the first exercise of the series of seed 2026:
// what each picture of the sheets now pays once, where the pupil's page
// and its key paid it five times.
void BM_LectureVueFiche(benchmark::State& st) {
    section::Session a = SessionSerie();
    a.Charger(section::TirerSerie(a, Regles(2026)).front().liste);
    for (auto _ : st) {
        section::VueLegende v = section::LireVueLegende(a);
        benchmark::DoNotOptimize(v);
    }
}

// The same series of 30 every time (seed 2026, 6 events, every kind
// allowed): each exercise drawn until it passes every rule, the draws that
// fail included, so that a change in the rules' cost shows as it is.
void BM_Serie2026(benchmark::State& st) {
    section::Session a = SessionSerie();
    int conformes = 0;
    for (auto _ : st) {
        auto serie = section::TirerSerie(a, Regles(2026));
        conformes = 0;
        for (const section::ExerciceTire& t : serie) conformes += t.conforme;
        benchmark::DoNotOptimize(serie);
    }
    st.counters["exercices"] = 30;
    st.counters["conformes"] = conformes;
}

// A class of 35: each pupil's list replayed and marked against the model,
// as the grading of a folder of answers does.
void BM_Noter35(benchmark::State& st) {
    section::Session modele = SessionSerie();
    section::ReglesSerie r = Regles(7);
    r.exercices = 36;
    std::vector<section::ExerciceTire> copies = section::TirerSerie(modele, r);
    modele.Charger(copies.back().liste);
    copies.pop_back();
    section::Session eleve = SessionSerie();
    for (auto _ : st) {
        int total = 0;
        for (const section::ExerciceTire& c : copies) {
            eleve.Charger(c.liste);
            total += section::Noter(modele, eleve).points;
        }
        benchmark::DoNotOptimize(total);
    }
    st.counters["copies"] = static_cast<double>(copies.size());
}

// The largest answer any front end replays (kEvenementsNotesMax events),
// from its file's bytes to its row, as the window, the renderer and the
// page grade each file; and one event more, which is read but not
// replayed.
section::Liste ListeDe(std::size_t evenements) {
    std::string codes = "S";
    while (codes.size() < evenements) codes += "SCESDV"[codes.size() % 6];
    return section::test::ListeDeCodes(codes);
}

void BM_ReponseLaPlusLongue(benchmark::State& st) {
    const section::Session textures = SessionSerie();
    section::Reponse r;
    r.eleve = "Lou";
    r.lignes = ListeDe(static_cast<std::size_t>(st.range(0)));
    const std::string octets = section::TexteReponse(r);
    const section::Liste cle = section::test::ListeDeCodes("SSCES");
    for (auto _ : st) {
        section::NotationClasse classe(textures.textures(), cle, std::nullopt);
        section::NoterCopie(classe, "copie.rep", octets);
        benchmark::DoNotOptimize(classe.Nombre());
    }
    st.counters["evenements"] = static_cast<double>(r.lignes.size() - 1);
}

}  // namespace

void EnregistrerEnseignant() {
    const std::string taille = kTailles.front().Nom();
    const std::string serie = std::string("Enseignant/Serie30/").append(taille);
    const std::string fiches = std::string("Enseignant/Serie30EtFiches/").append(taille);
    benchmark::RegisterBenchmark(serie.c_str(), BM_Serie)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(std::string("Enseignant/Serie30Graine2026/").append(taille).c_str(), BM_Serie2026)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(std::string("Enseignant/Noter35/").append(taille).c_str(), BM_Noter35)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(std::string("Enseignant/ReponseLaPlusLongue/").append(taille).c_str(),
                                 BM_ReponseLaPlusLongue)
        ->Arg(static_cast<int>(section::kEvenementsNotesMax))
        ->Arg(static_cast<int>(section::kEvenementsNotesMax) + 1)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(std::string("Enseignant/LectureVueFiche/").append(taille).c_str(),
                                 BM_LectureVueFiche)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(fiches.c_str(), BM_SerieEtFiches)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

}  // namespace banc
