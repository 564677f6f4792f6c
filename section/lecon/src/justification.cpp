// SPDX-License-Identifier: GPL-3.0-or-later
// Justifications of an order, judged by the chronology of the model's view.
#include "section/justification.h"

#include <algorithm>
#include <set>

#include "designations.h"
#include "section/note.h"
#include "section/ordre.h"
#include "section/textes.h"

namespace section {

std::string NomPrincipeCite(PrincipeCite p) {
    switch (p) {
    case PrincipeCite::Aucun: break;
    case PrincipeCite::Superposition: return Texte("Justifications", "superposition");
    case PrincipeCite::Recoupement: return Texte("Justifications", "recoupement");
    case PrincipeCite::Continuite: return Texte("Justifications", "continuité");
    case PrincipeCite::Inclusion: return Texte("Justifications", "inclusion");
    case PrincipeCite::Discordance: return Texte("Justifications", "discordance");
    }
    return {};
}

PrincipeCite PrincipeDe(Principe p) {
    switch (p) {
    case Principe::Aucun: break;
    case Principe::Superposition: return PrincipeCite::Superposition;
    case Principe::Recoupement:
    case Principe::Deformation: return PrincipeCite::Recoupement;
    case Principe::Discordance: return PrincipeCite::Discordance;
    }
    return PrincipeCite::Aucun;
}

std::vector<TemoinPropose> TemoinsProposes(const Session& modele, const Chronologie& c) {
    const Liste& l = modele.liste();
    const LettresVue lettres = Lettres(modele);
    std::vector<TemoinPropose> t;
    std::set<std::string> noms;
    for (std::size_t f = 0; f < l.size(); ++f) {
        const bool vue = f == 0 || (f < c.visible.size() && c.visible[f]);
        if (!vue || (f > 0 && !EvenementDeLigne(l[f]))) continue;
        std::string nom = Designation(l, lettres, static_cast<int>(f));
        if (noms.insert(nom).second) t.push_back({static_cast<int>(f), std::move(nom)});
    }
    std::sort(t.begin(), t.end(), [](const TemoinPropose& a, const TemoinPropose& b) { return a.nom < b.nom; });
    return t;
}

namespace {

// Whether the formation or event `temoin` shows relation r of the card. By
// name: two foldings are both "le plissement", and a pupil cannot tell
// which one is offered.
bool Montre(const Relation& r, int carte, int temoin, const Liste& l, const LettresVue& lettres) {
    if (temoin < 0 || static_cast<std::size_t>(temoin) >= l.size()) return false;
    const std::string nom = Designation(l, lettres, temoin);
    const auto designe = [&](int f) { return f != carte && Designation(l, lettres, f) == nom; };
    return designe(r.ancien) || std::any_of(r.formations.begin(), r.formations.end(), designe);
}

std::string Phrase(Avis a, const std::string& carte, const std::string& temoin, const std::string& principe) {
    switch (a) {
    case Avis::Juste:
        //: %1 is a card's name in quotes.
        return Remplir(Texte("Justifications", "%1 : justification juste."), {carte});
    case Avis::SansChoix:
        return Remplir(Texte("Justifications", "%1 : choisis un principe et une formation."), {carte});
    case Avis::MauvaisPrincipe:
        //: %2 is a formation ("la couche B"), %3 a principle ("superposition").
        return Remplir(Texte("Justifications", "%1 : %2 date bien cette carte, mais pas par le principe de %3."),
                       {carte, temoin, principe});
    case Avis::MauvaisTemoin:
        return Remplir(Texte("Justifications",
                             "%1 : %2 ne permet pas de dater cette carte par rapport à une carte placée avant elle."),
                       {carte, temoin});
    case Avis::NonAttendue:
        return Remplir(Texte("Justifications",
                             "%1 : la coupe ne date cette carte par rapport à aucune carte placée avant elle ; "
                             "sa justification n'est pas comptée."),
                       {carte});
    }
    return {};
}

}  // namespace

std::vector<AvisJustification> JugerJustifications(const Session& modele, const Chronologie& c,
                                                   const std::vector<int>& ids,
                                                   const std::vector<Justification>& justifications) {
    const Liste& l = modele.liste();
    const LettresVue lettres = Lettres(modele);
    std::vector<AvisJustification> avis;
    std::set<int> avant{0};  // the starting series comes first
    if (!ids.empty()) avant.insert(ids[0]);
    for (std::size_t k = 1; k < ids.size(); ++k) {
        const int id = ids[k];
        const Justification j = k < justifications.size() ? justifications[k] : Justification{};
        Avis a = Avis::NonAttendue;
        bool date = false, montre = false, juste = false;
        for (const Relation& r : c.relations) {
            if (r.recent != id || !avant.count(r.ancien)) continue;
            date = true;
            if (!Montre(r, id, j.temoin, l, lettres)) continue;
            montre = true;
            // A layer laid on deformed formations was read as a cross-cutting
            // relation before it was named a discordance: both are accepted.
            juste = juste || PrincipeDe(r.principe) == j.principe ||
                    (r.temoin == Temoin::ReposeSurPli && j.principe == PrincipeCite::Recoupement);
        }
        if (date) {
            if (j.principe == PrincipeCite::Aucun || j.temoin < 0) a = Avis::SansChoix;
            else a = juste ? Avis::Juste : montre ? Avis::MauvaisPrincipe : Avis::MauvaisTemoin;
        }
        std::string carte, temoin;
        if (id > 0 && static_cast<std::size_t>(id) < l.size())
            if (const auto e = EvenementDeLigne(l[static_cast<std::size_t>(id)])) {
                const auto it = lettres.find(static_cast<Formation>(id));
                carte = Cite(NomCarte(*e, it == lettres.end() ? std::string() : it->second));
            }
        if (j.temoin >= 0 && static_cast<std::size_t>(j.temoin) < l.size()) temoin = Designation(l, lettres, j.temoin);
        avis.push_back({id, a, Phrase(a, carte, temoin, NomPrincipeCite(j.principe))});
        avant.insert(id);
    }
    return avis;
}

int NoteOrdreJustifie(const Chronologie& c, const std::vector<int>& ids, const std::vector<AvisJustification>& avis) {
    const int ordre = NoteOrdre(c, ids);
    int comptees = 0, justes = 0;
    for (const AvisJustification& a : avis) {
        if (a.avis == Avis::NonAttendue) continue;
        ++comptees;
        if (a.avis == Avis::Juste) ++justes;
    }
    if (comptees == 0) return ordre;
    // kPointsOrdre * ordre / kNoteMax + (kNoteMax - kPointsOrdre) * justes / comptees, rounded half up.
    const long long num = static_cast<long long>(kPointsOrdre) * ordre * comptees +
                          static_cast<long long>(kNoteMax - kPointsOrdre) * kNoteMax * justes;
    const long long den = static_cast<long long>(kNoteMax) * comptees;
    return static_cast<int>((2 * num + den) / (2 * den));
}

std::string TexteNoteOrdre(int note) {
    //: %1 is the order's mark, %2 the most it can be (20).
    return Remplir(Texte("Justifications", "Note de l'ordre : %1/%2"), {std::to_string(note), std::to_string(kNoteMax)});
}

}  // namespace section
