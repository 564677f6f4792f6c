// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing a series of exercises.
#include "section/serie.h"

#include "section/chronologie.h"
#include "section/formations.h"
#include "releve.h"
#include "section/visibilite.h"
#include "section/vraisemblance.h"

#include <algorithm>
#include <random>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace section {

int PartDeRoche(const Session& a) {
    const Raster& v = a.vue();
    long long roche = 0;
    const long long total = static_cast<long long>(v.width()) * v.height();
    if (total == 0) return 0;
    for (int y = 0; y < v.height(); ++y) {
        const Couleur* ligne = v.row(y);
        for (int x = 0; x < v.width(); ++x) roche += ligne[x] != kBleu;
    }
    return static_cast<int>(roche * 100 / total);
}

namespace {

// Plausible without the replay: what the final view alone shows.
bool PlausibleVue(const Session& a) {
    const PlanFormations p = FormationsDeLaVue(a.section());
    if (p.empty()) return false;
    const Liste& l = a.liste();
    const auto sorte = [&](Formation f) {
        return f > 0 && static_cast<std::size_t>(f) < l.size() ? EvenementDeLigne(l[static_cast<std::size_t>(f)])
                                                               : std::nullopt;
    };
    const auto roche = [](std::optional<Evenement> e) {
        return e && (*e == Evenement::Sedimentation || *e == Evenement::Volcanisme || *e == Evenement::Plutonisme);
    };
    std::vector<int> pixels(l.size(), 0);
    std::vector<bool> epais(l.size(), false);
    // run[x]: columns in a row, ending at x, whose next kEpaisseurMin rows are all one formation.
    std::vector<int> suite(static_cast<std::size_t>(p.largeur), 0);
    for (int y = 0; y < p.hauteur; ++y)
        for (int x = 0; x < p.largeur; ++x) {
            const Formation f = p.At(x, y);
            if (f <= 0 || static_cast<std::size_t>(f) >= l.size()) continue;
            const auto e = sorte(f);
            if (!roche(e)) continue;
            ++pixels[static_cast<std::size_t>(f)];
            // A granite under the sky, no erosion after it.
            if (*e == Evenement::Plutonisme && y > 0 && p.At(x, y - 1) < 0) {
                bool erodee = false;
                for (std::size_t i = static_cast<std::size_t>(f) + 1; i < l.size(); ++i)
                    erodee = erodee || EvenementDeLigne(l[i]) == Evenement::Erosion;
                if (!erodee) return false;
            }
        }
    for (int y = 0; y + kEpaisseurMin <= p.hauteur; ++y) {
        int largeur = 0;
        Formation avant = -1;
        for (int x = 0; x < p.largeur; ++x) {
            const Formation f = p.At(x, y);
            bool plein = f > 0 && static_cast<std::size_t>(f) < l.size();
            for (int k = 1; plein && k < kEpaisseurMin; ++k) plein = p.At(x, y + k) == f;
            largeur = plein && f == avant ? largeur + 1 : (plein ? 1 : 0);
            avant = plein ? f : -1;
            if (largeur >= kLargeurMin) epais[static_cast<std::size_t>(f)] = true;
        }
    }
    for (std::size_t i = 1; i < l.size(); ++i)
        if (roche(EvenementDeLigne(l[i])) && (pixels[i] < kPixelsFormationMin || !epais[i])) return false;
    return true;
}

}  // namespace

bool Plausible(const Session& a) {
    return PlausibleVue(a) && !PremiereInvraisemblance(a.textures(), a.liste());
}

std::vector<bool> EvenementsSansTrace(Session& a, const Liste& liste) {
    std::vector<bool> sans(liste.size(), false);
    a.Charger(liste);
    const Raster entiere = a.vue();
    for (std::size_t i = 1; i < liste.size(); ++i) {
        Liste moins = liste;
        moins.erase(moins.begin() + static_cast<std::ptrdiff_t>(i));
        a.Charger(moins);
        sans[i] = a.vue() == entiere;
    }
    return sans;
}

namespace {

// True when some line leaves no trace; stops at the first one found.
bool UnSansTrace(Session& a, const Liste& liste, const Raster& entiere) {
    for (std::size_t i = liste.size() - 1; i >= 1; --i) {
        Liste moins = liste;
        moins.erase(moins.begin() + static_cast<std::ptrdiff_t>(i));
        a.Charger(moins);
        if (a.vue() == entiere) return true;
    }
    return false;
}

// Whether kind e may follow the kinds `tags` in a list the picture can
// date. The section never folds an intrusion, so no fold comes after a
// granite or a lava flow; two folds in a row, two distensions, a layer
// laid in a graben whose faults the view may lose, and an erosion with
// nothing new to truncate cannot be told apart on the picture.
bool Lisible(const std::vector<int>& tags, Evenement e) {
    const auto a = [&](Evenement k) { return std::find(tags.begin(), tags.end(), Tag(k)) != tags.end(); };
    const int dernier = tags.empty() ? 0 : tags.back();
    const bool pli = e == Evenement::Compression || e == Evenement::Chevauchement;
    if (pli && (a(Evenement::Plutonisme) || a(Evenement::Volcanisme) || dernier == Tag(Evenement::Compression) ||
                dernier == Tag(Evenement::Chevauchement)))
        return false;
    if (e == Evenement::Distension && a(Evenement::Distension)) return false;
    if ((e == Evenement::Sedimentation || e == Evenement::Volcanisme) && dernier == Tag(Evenement::Distension))
        return false;
    if (e == Evenement::Erosion) {
        // Something since the last erosion that a cut would truncate.
        for (auto t = tags.rbegin(); t != tags.rend() && *t != Tag(Evenement::Erosion); ++t)
            if (*t != Tag(Evenement::Sedimentation)) return true;
        return false;
    }
    return true;
}

// One draw: k clicks, each among the least used allowed kinds enabled.
// A click that makes the section implausible at that step (a granite in
// the open air, a layer on an uncut granite: SuiviVraisemblance) is taken
// back and another kind drawn among those left; when none is left the draw
// fails (`plausible` false). `visible` tells whether each click changed the
// view, which an event that leaves a trace at all nearly always does: a
// draw where one did not is drawn again before the longer check.
Liste Tirer(Session& a, std::mt19937& tirage, const ReglesSerie& r, const std::array<int, 8>& emplois,
            bool& visible, bool& plausible) {
    a.Reinitialiser();
    visible = true;
    plausible = true;
    Raster avant = a.vue();
    std::array<int, 8> compte = emplois;
    std::vector<int> tags;
    SuiviVraisemblance suivi;
    for (int n = 0; n < r.evenements; ++n) {
        const std::size_t fin = tags.size();
        // No kind three times in a row; no second fold, erosion or granite right after the first.
        const int dernier = fin >= 1 ? tags[fin - 1] : 0;
        const bool seul = dernier == Tag(Evenement::Compression) || dernier == Tag(Evenement::Erosion) ||
                          dernier == Tag(Evenement::Plutonisme);
        const int repete = (fin >= 2 && tags[fin - 1] == tags[fin - 2]) || seul ? dernier : 0;
        std::vector<int> permis;
        for (const TypeEvenement& e : kEvenements)
            if (r.permis[static_cast<std::size_t>(e.tag)] && a.Disponible(e.evenement) && Lisible(tags, e.evenement))
                permis.push_back(e.tag);
        std::vector<int> varies;
        for (const int t : permis)
            if (t != repete) varies.push_back(t);
        std::vector<int> ouverts = varies.empty() ? permis : varies;
        if (ouverts.empty()) break;  // nothing enabled: the list ends here
        int tag = 0;
        while (!ouverts.empty()) {
            // A kind the series has used least weighs 4, one use more 2, the
            // others 1: rare kinds come forward, none is shut out.
            int moins = compte[static_cast<std::size_t>(ouverts.front())];
            for (const int t : ouverts) moins = std::min(moins, compte[static_cast<std::size_t>(t)]);
            std::vector<int> poids;
            unsigned total = 0;
            for (const int t : ouverts) {
                const int ecart = std::min(compte[static_cast<std::size_t>(t)] - moins, 2);
                poids.push_back(4 >> ecart);
                total += static_cast<unsigned>(4 >> ecart);
            }
            unsigned choix = static_cast<unsigned>(tirage() % total);
            std::size_t k = 0;
            while (choix >= static_cast<unsigned>(poids[k])) choix -= static_cast<unsigned>(poids[k++]);
            const Evenement e = *EvenementDeTag(ouverts[k]);
            suivi.Avant(a.section(), e);
            a.Appliquer(e);
            if (!suivi.Apres(a.section(), static_cast<int>(a.liste().size()) - 1, e)) {
                tag = ouverts[k];
                break;
            }
            a.Annuler();
            ouverts.erase(ouverts.begin() + static_cast<std::ptrdiff_t>(k));
        }
        if (tag == 0) {
            plausible = false;
            break;
        }
        if (a.vue() == avant) visible = false;
        avant = a.vue();
        tags.push_back(tag);
        ++compte[static_cast<std::size_t>(tag)];
    }
    return a.liste();
}

}  // namespace

namespace {

// Drawing a series makes and drops sections of a few megabytes thousands of
// times. Left to its defaults, glibc maps each one afresh and hands it back
// to the system when freed, and faulting those pages in again costs more
// than the drawing itself: freed blocks are kept for the next section.
void GarderLesBlocsLiberes() {
#if defined(__GLIBC__)
    static const bool fait = [] {
        mallopt(M_MMAP_THRESHOLD, 64 << 20);
        mallopt(M_TRIM_THRESHOLD, 128 << 20);
        return true;
    }();
    (void)fait;
#endif
}

}  // namespace

std::vector<ExerciceTire> TirerSerie(Session& a, const ReglesSerie& r) {
    GarderLesBlocsLiberes();
    std::vector<ExerciceTire> serie;
    if (!a.Prete()) return serie;
    std::mt19937 tirage(r.graine);
    std::array<int, 8> emplois{};
    std::vector<Raster> vues;
    // Once one exercise found no draw that passes, the settings cannot be
    // met: the exercises left are drawn once each, unchecked.
    bool impossible = false;
    for (int i = 0; i < r.exercices; ++i) {
        ExerciceTire t;
        t.conforme = false;
        const int essais = impossible ? 1 : kEssaisSerie;
        for (int essai = 0; essai < essais && !t.conforme; ++essai) {
            bool visible = true, plausible = true;
            // Rare kinds come forward, but not for ever: a kind the picture
            // can hardly show at this point of the series would hold it up.
            t.liste = Tirer(a, tirage, r, essai < kEssaisPonderes ? emplois : std::array<int, 8>{}, visible,
                            plausible);
            if (impossible) break;
            const Raster vue = a.vue();
            t.conforme = t.liste.size() > 1 && visible && plausible && PartDeRoche(a) >= r.rocheMin && PlausibleVue(a) &&
                         std::find(vues.begin(), vues.end(), vue) == vues.end();
            if (t.conforme) {
                // One replay serves the visibility rules and the chronology.
                Releve releve;
                t.conforme = Relever(a.textures(), t.liste, releve) && !PremierEvenementCache(releve);
                if (t.conforme) {
                    Chronologie c = LireChronologie(releve, a.textures());
                    EvaluerLisibilite(a.textures(), t.liste, c);
                    t.conforme = c.lisible;
                }
            }
            if (t.conforme) t.conforme = !UnSansTrace(a, t.liste, vue);
        }
        impossible = impossible || !t.conforme;
        a.Charger(t.liste);
        vues.push_back(a.vue());
        for (std::size_t l = 1; l < t.liste.size(); ++l)
            if (const auto e = EvenementDeLigne(t.liste[l])) ++emplois[static_cast<std::size_t>(Tag(*e))];
        serie.push_back(std::move(t));
    }
    return serie;
}

std::uint32_t GraineLettresSerie(std::uint32_t graineSerie, int numero) {
    // splitmix64 of the two: neighbouring numbers give unrelated seeds.
    std::uint64_t z = (static_cast<std::uint64_t>(graineSerie) << 32 | static_cast<std::uint32_t>(numero)) +
                      0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<std::uint32_t>(z >> 32);
}

}  // namespace section
