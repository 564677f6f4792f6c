// SPDX-License-Identifier: GPL-3.0-or-later
// A list judged as an order of an exercise's cards.
#include "section/ordre.h"

#include <algorithm>
#include <array>
#include <map>
#include <random>
#include <utility>

#include "designations.h"
#include "section/note.h"
#include "section/textes.h"

namespace section {

int RelationsRompues(const Chronologie& c, const std::vector<int>& ids) {
    std::map<int, std::size_t> rang;
    for (std::size_t i = 0; i < ids.size(); ++i) rang.emplace(ids[i], i);
    int rompues = 0;
    for (const Relation& r : c.relations) {
        const auto a = rang.find(r.ancien), b = rang.find(r.recent);
        if (a != rang.end() && b != rang.end() && a->second > b->second) ++rompues;
    }
    return rompues;
}

int NoteOrdre(const Chronologie& c, const std::vector<int>& ids) {
    const int rompues = RelationsRompues(c, ids);
    if (rompues == 0) return kNoteMax;
    return std::max(0, kNoteMax - kPenalitePremiereRelation - kPenaliteRelation * (rompues - 1));
}

ParSorte EvenementsParSorte(const Liste& l) {
    ParSorte p;
    for (std::size_t i = 1; i < l.size(); ++i)
        if (const auto e = EvenementDeLigne(l[i])) p[static_cast<std::size_t>(Tag(*e))].push_back(static_cast<int>(i));
    return p;
}

namespace {

// Matches the pupil's events with the model's, kind by kind, so as to keep
// the most relations; counts relations kept and broken by the best match.
class Apparieur {
public:
    Apparieur(const Chronologie& c, const ParSorte& modele, const ParSorte& eleve)
        : c_(c), modele_(modele), eleve_(eleve) {
        long long combinaisons = 1;
        for (std::size_t t = 1; t < 8; ++t) {
            const long long m = static_cast<long long>(modele_[t].size()), e = static_cast<long long>(eleve_[t].size());
            for (long long k = 0; k < std::min(m, e); ++k) combinaisons = std::min(combinaisons * (std::max(m, e) - k), kAppariementsMax + 1);
        }
        tout_ = combinaisons <= kAppariementsMax;
        Sorte(1);
    }
    Appariement meilleur;

private:
    // Tries every match of kind t, then the next kinds.
    void Sorte(std::size_t t) {
        if (t == 8) {
            Evaluer();
            return;
        }
        const std::vector<int>& m = modele_[t];
        const std::vector<int>& e = eleve_[t];
        const std::size_t n = std::min(m.size(), e.size());
        if (!tout_ || n == 0) {
            // In order: the k-th of the pupil's with the k-th of the model's.
            for (std::size_t k = 0; k < n; ++k) position_[m[k]] = e[k];
            Sorte(t + 1);
            for (std::size_t k = 0; k < n; ++k) position_.erase(m[k]);
            return;
        }
        std::vector<bool> pris(std::max(m.size(), e.size()), false);
        Choisir(t, 0, n, pris);
    }
    // The smaller side's k-th element takes an unused element of the larger side.
    void Choisir(std::size_t t, std::size_t k, std::size_t n, std::vector<bool>& pris) {
        if (k == n) {
            Sorte(t + 1);
            return;
        }
        const std::vector<int>& m = modele_[t];
        const std::vector<int>& e = eleve_[t];
        const bool parModele = m.size() <= e.size();
        const std::size_t grand = parModele ? e.size() : m.size();
        for (std::size_t j = 0; j < grand; ++j) {
            if (pris[j]) continue;
            pris[j] = true;
            const int mi = parModele ? m[k] : m[j];
            position_[mi] = parModele ? e[j] : e[k];
            Choisir(t, k + 1, n, pris);
            position_.erase(mi);
            pris[j] = false;
        }
    }
    void Evaluer() {
        int r = 0, tn = 0;
        for (const Relation& rel : c_.relations) {
            const auto a = position_.find(rel.ancien), b = position_.find(rel.recent);
            if (a == position_.end() || b == position_.end()) continue;
            (a->second < b->second ? tn : r) += 1;
        }
        if (!vu_ || r < meilleur.rompues || (r == meilleur.rompues && tn > meilleur.tenues)) {
            meilleur = {position_, r, tn};
            vu_ = true;
        }
    }

    const Chronologie& c_;
    const ParSorte& modele_;
    const ParSorte& eleve_;
    std::map<int, int> position_;  // model's event -> pupil's list index
    bool tout_ = true;
    bool vu_ = false;
};

}  // namespace

StructuresEchangees CompterEchanges(const ParSorte& modele, const ParSorte& eleve) {
    const auto nombre = [](const ParSorte& p, Evenement e) {
        return static_cast<int>(p[static_cast<std::size_t>(Tag(e))].size());
    };
    const int plis = nombre(modele, Evenement::Compression) - nombre(eleve, Evenement::Compression);
    const int chevauchements = nombre(modele, Evenement::Chevauchement) - nombre(eleve, Evenement::Chevauchement);
    StructuresEchangees s;
    s.plisEnChevauchement = std::max(0, std::min(plis, -chevauchements));
    s.chevauchementsEnPli = std::max(0, std::min(chevauchements, -plis));
    return s;
}

Appariement Apparier(const Chronologie& c, const Liste& modele, const Liste& eleve) {
    return Apparieur(c, EvenementsParSorte(modele), EvenementsParSorte(eleve)).meilleur;
}

std::vector<int> IdsDeListe(const Session& modele, const Chronologie& c, const Liste& ordre) {
    const ParSorte cartes = EvenementsParSorte(modele.liste());
    const ParSorte lignes = EvenementsParSorte(ordre);
    for (std::size_t t = 1; t < 8; ++t)
        if (cartes[t].size() != lignes[t].size()) return {};
    // Each card at the place of the line it is matched with.
    std::map<int, int> parLigne;
    for (const auto& [carte, ligne] : Apparier(c, modele.liste(), ordre).position) parLigne.emplace(ligne, carte);
    std::vector<int> ids;
    ids.reserve(parLigne.size());
    for (const auto& [ligne, carte] : parLigne) ids.push_back(carte);
    return ids;
}

std::vector<Carte> CartesDuModele(const Session& modele, std::uint64_t graine) {
    const std::map<Formation, std::string> lettres = Lettres(modele);
    std::vector<Carte> cartes;
    const Liste& l = modele.liste();
    for (std::size_t i = 1; i < l.size(); ++i) {
        const auto e = EvenementDeLigne(l[i]);
        if (!e) continue;
        const auto it = lettres.find(static_cast<Formation>(i));
        cartes.push_back({static_cast<int>(i), *e, NomCarte(*e, it == lettres.end() ? std::string() : it->second)});
    }
    std::mt19937_64 tirage(graine);
    for (std::size_t i = cartes.size(); i > 1; --i)
        std::swap(cartes[i - 1], cartes[static_cast<std::size_t>(tirage() % i)]);
    // No card left at its place in the model's list order: a card found
    // there changes places with the next one (or the first), which puts
    // neither of the two at its place, so each swap removes one.
    const std::size_t n = cartes.size();
    if (n >= 2) {
        std::vector<int> places(n);
        for (std::size_t i = 0; i < n; ++i) places[i] = cartes[i].id;
        std::sort(places.begin(), places.end());
        for (std::size_t i = 0; i < n; ++i)
            if (cartes[i].id == places[i]) std::swap(cartes[i], cartes[(i + 1) % n]);
    }
    return cartes;
}

std::uint64_t GraineDeLaDonne(std::uint32_t graine, std::uint64_t n) {
    // SplitMix64's finaliser on the pair: neighbouring seeds or deals give
    // unrelated seeds of the deal.
    std::uint64_t z = (static_cast<std::uint64_t>(graine) << 32) + n + 0x9e3779b97f4a7c15ULL;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

bool OrdreFait(const std::vector<Carte>& donne, const std::vector<int>& ids,
               const std::vector<Justification>& justifications) {
    for (const Justification& j : justifications)
        if (j != Justification{}) return true;
    if (ids.size() != donne.size()) return true;
    for (std::size_t i = 0; i < ids.size(); ++i)
        if (ids[i] != donne[i].id) return true;
    return false;
}

std::vector<std::string> LignesResultatOrdre(const VerificationOrdre& v, const std::vector<AvisJustification>& avis,
                                             int note) {
    std::vector<std::string> lignes{v.texte};
    const AvisJustification* premiere = nullptr;
    int fausses = 0;
    for (const AvisJustification& a : avis) {
        if (a.avis != Avis::SansChoix && a.avis != Avis::MauvaisPrincipe && a.avis != Avis::MauvaisTemoin) continue;
        if (!premiere) premiere = &a;
        ++fausses;
    }
    if (premiere) {
        //: %1 is a number of steps of the order (1 or more).
        lignes.push_back(Remplir(Texte("Justifications", "Étapes mal justifiées : %1. La première :"),
                                 {std::to_string(fausses)}));
        lignes.push_back(premiere->texte);
    }
    lignes.push_back(TexteNoteOrdre(note));
    return lignes;
}

Liste ListeDesCartes(const Session& modele, const std::vector<int>& ids) {
    const Liste& l = modele.liste();
    Liste r{l.empty() ? Ligne(kLigneInitiale) : l.front()};
    for (const int id : ids)
        if (id >= 1 && static_cast<std::size_t>(id) < l.size()) r.push_back(l[static_cast<std::size_t>(id)]);
    return r;
}

VerificationOrdre VerifierOrdre(const Session& modele, const std::vector<Carte>& cartes,
                                const std::vector<int>& ids, Session& essai) {
    return VerifierOrdre(modele, LireChronologie(modele), cartes, ids, essai);
}

VerificationOrdre VerifierOrdre(const Session& modele, const Chronologie& c, const std::vector<Carte>& cartes,
                                const std::vector<int>& ids, Session& essai) {
    VerificationOrdre v;
    std::vector<int> attendus, donnes = ids;
    for (const Carte& carte : cartes) attendus.push_back(carte.id);
    std::sort(attendus.begin(), attendus.end());
    std::sort(donnes.begin(), donnes.end());
    if (attendus != donnes) {
        v.complet = false;
        v.texte = Texte("Ordre", "Place toutes les cartes, chacune une seule fois, avant de vérifier.");
        return v;
    }
    essai.Charger(ListeDesCartes(modele, ids));
    const bool memeVue = essai.vue() == modele.vue() && !modele.vue().empty();
    std::map<int, std::string> noms;
    for (const Carte& carte : cartes) noms[carte.id] = carte.nom;
    const LettresVue lettres = Lettres(modele);
    const Liste& l = modele.liste();
    const Relation* rompue = c.lue ? PremiereRelationRompue(c, ids) : nullptr;
    v.juste = c.lue ? rompue == nullptr : memeVue;
    if (v.juste) {
        v.texte = memeVue ? Texte("Ordre", "Bravo : cet ordre redonne exactement la coupe du modèle.")
                          : Texte("Ordre", "Bravo : cet ordre respecte tout ce que montre la coupe.");
        // Where the pupil's order differs from the model's in a pair the
        // section does not date, say that it cannot be dated.
        for (std::size_t i = 0; i < ids.size(); ++i)
            for (std::size_t j = i + 1; j < ids.size(); ++j)
                if (ids[i] > ids[j] && !c.Avant(ids[j], ids[i]) && !c.Avant(ids[i], ids[j])) {
                    const std::string a = Designation(l, lettres, ids[j]), b = Designation(l, lettres, ids[i]);
                    v.texte = memeVue
                                  //: %1 and %2 name formations or events ("la couche B", "le plissement").
                                  ? Remplir(Texte("Ordre", "Bravo : cet ordre redonne exactement la coupe du modèle. La "
                                                           "coupe ne permet pas de dater %1 et %2 l'un par rapport à l'autre."),
                                            {a, b})
                                  //: %1 and %2 name formations or events ("la couche B", "le plissement").
                                  : Remplir(Texte("Ordre", "Bravo : cet ordre respecte tout ce que montre la coupe. La "
                                                           "coupe ne permet pas de dater %1 et %2 l'un par rapport à l'autre."),
                                            {a, b});
                    return v;
                }
        return v;
    }
    if (!rompue) {
        v.texte = Texte("Ordre", "Cet ordre ne redonne pas la coupe du modèle.");
        return v;
    }
    v.avant = rompue->ancien;
    v.apres = rompue->recent;
    v.principe = rompue->principe;
    //: %1 and %2 quoted cards, %1 to put after %2; %3 says what the section shows and its principle.
    v.texte = Remplir(Texte("Ordre", "%1 doit venir après %2 : %3."),
                      {Cite(noms[v.apres]), Cite(noms[v.avant]), Clause(l, lettres, *rompue)});
    return v;
}

}  // namespace section
