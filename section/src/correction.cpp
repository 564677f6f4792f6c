// SPDX-License-Identifier: GPL-3.0-or-later
// "Vérifier" and "Ordonner": what differs between a pupil's section and the
// model's, told from the views and their formation planes, and the events
// of the model as cards to put in order.
#include "section/correction.h"

#include <algorithm>
#include <map>
#include <optional>
#include <random>
#include <utility>

#include "section/formations.h"
#include "section/textes.h"

namespace section {

GenreFormation GenreDe(Evenement e) {
    switch (e) {
    case Evenement::Volcanisme: return GenreFormation::Coulee;
    case Evenement::Plutonisme: return GenreFormation::Granite;
    case Evenement::Erosion: return GenreFormation::SurfaceErosion;
    case Evenement::Chevauchement:
    case Evenement::Distension: return GenreFormation::Faille;
    default: return GenreFormation::Couche;
    }
}

bool ChargerExercice(Session& modele, const Exercice& e) {
    if (!modele.SuitFormations()) modele.SuivreFormations(true);
    modele.Charger(e.lignes);
    return modele.vue() == e.cible;
}

namespace {

// The kind of formation f of a session: the base layer (0) is a layer,
// whatever the first line says.
GenreFormation GenreDeFormation(const Session& s, Formation f) {
    if (f <= 0 || static_cast<std::size_t>(f) >= s.liste().size()) return GenreFormation::Couche;
    const auto e = EvenementDeLigne(s.liste()[static_cast<std::size_t>(f)]);
    return e ? GenreDe(*e) : GenreFormation::Couche;
}

void Compter(const Session& s, int (&n)[kGenresFormation]) {
    for (const Effectif& e : CompterFormations(FormationsDeLaVue(s.section())))
        ++n[static_cast<int>(GenreDeFormation(s, e.formation))];
}

// "une couche de roche", "2 coulées de lave"... in a pupil's words.
std::string Quantite(int n, GenreFormation g) {
    if (n == 1) {
        switch (g) {
        case GenreFormation::Couche: return Texte("Correction", "une couche de roche");
        case GenreFormation::Coulee: return Texte("Correction", "une coulée de lave");
        case GenreFormation::Granite: return Texte("Correction", "un granite");
        case GenreFormation::Faille: return Texte("Correction", "une faille");
        case GenreFormation::SurfaceErosion: return Texte("Correction", "une surface d'érosion");
        }
        return {};
    }
    const std::string nombre = std::to_string(n);
    switch (g) {
    //: %1 is a number, 2 or more.
    case GenreFormation::Couche: return Remplir(Texte("Correction", "%1 couches de roche"), {nombre});
    //: %1 is a number, 2 or more.
    case GenreFormation::Coulee: return Remplir(Texte("Correction", "%1 coulées de lave"), {nombre});
    //: %1 is a number, 2 or more.
    case GenreFormation::Granite: return Remplir(Texte("Correction", "%1 granites"), {nombre});
    //: %1 is a number, 2 or more.
    case GenreFormation::Faille: return Remplir(Texte("Correction", "%1 failles"), {nombre});
    //: %1 is a number, 2 or more.
    case GenreFormation::SurfaceErosion: return Remplir(Texte("Correction", "%1 surfaces d'érosion"), {nombre});
    }
    return {};
}

bool Ciel(Couleur c) { return c == kBleu; }

}  // namespace

BilanFormations ComparerFormations(const Session& modele, const Session& eleve) {
    BilanFormations b;
    Compter(modele, b.modele);
    Compter(eleve, b.eleve);
    for (int g = 0; g < kGenresFormation; ++g) {
        b.manquantes += std::max(0, b.modele[g] - b.eleve[g]);
        b.enTrop += std::max(0, b.eleve[g] - b.modele[g]);
    }
    return b;
}

Verification VerifierCoupe(const Session& modele, const Session& eleve) {
    Verification v;
    const Raster& m = modele.vue();
    const Raster& e = eleve.vue();
    v.largeur = std::min(m.width(), e.width());
    v.hauteur = std::min(m.height(), e.height());
    v.masque.assign(static_cast<std::size_t>(std::max(0, v.largeur)) * static_cast<std::size_t>(std::max(0, v.hauteur)), 0);
    std::int64_t surface = 0;
    for (int y = 0; y < v.hauteur; ++y)
        for (int x = 0; x < v.largeur; ++x) {
            const Couleur a = m.Pixels(x, y), b = e.Pixels(x, y);
            if (a == b) continue;
            v.masque[static_cast<std::size_t>(y) * static_cast<std::size_t>(v.largeur) + static_cast<std::size_t>(x)] = 1;
            ++v.pixelsDifferents;
            if (Ciel(a) != Ciel(b)) ++surface;
        }
    v.memeCoupe = v.pixelsDifferents == 0 && m.width() == e.width() && m.height() == e.height() &&
                  !m.empty();
    if (v.memeCoupe) return v;
    const BilanFormations f = ComparerFormations(modele, eleve);
    for (int g = 0; g < kGenresFormation; ++g) {
        const auto genre = static_cast<GenreFormation>(g);
        if (f.modele[g] > f.eleve[g])
            v.remarques.push_back(
                {Ecart::FormationManquante,
                 //: %1 says how many formations of a kind: "une couche de roche", "2 failles"...
                 Remplir(Texte("Correction", "Il manque à ta coupe %1 que montre le modèle."),
                         {Quantite(f.modele[g] - f.eleve[g], genre)})});
        if (f.eleve[g] > f.modele[g])
            v.remarques.push_back(
                {Ecart::FormationEnTrop,
                 //: %1 says how many formations of a kind: "une couche de roche", "2 failles"...
                 Remplir(Texte("Correction", "Ta coupe montre %1 de plus que le modèle."),
                         {Quantite(f.eleve[g] - f.modele[g], genre)})});
    }
    if (surface > 0)
        v.remarques.push_back({Ecart::SurfaceDifferente,
                               Texte("Correction",
                                     "La surface du sol n'a pas la même forme que dans le modèle : là où "
                                     "l'un montre du ciel, l'autre montre de la roche (zones en couleur).")});
    if (v.pixelsDifferents > surface && f.manquantes == 0 && f.enTrop == 0)
        v.remarques.push_back({Ecart::StructureDeplacee,
                               Texte("Correction",
                                     "Tes formations sont les bonnes, mais une structure n'est pas à sa place : "
                                     "compare les plis, les failles et les épaisseurs dans les zones en couleur.")});
    if (v.remarques.empty())
        v.remarques.push_back(
            {Ecart::StructureDeplacee,
             Texte("Correction", "Ta coupe n'est pas tout à fait celle du modèle : regarde les zones en couleur.")});
    return v;
}

namespace {

// The letter of each formation of the model's view.
std::map<Formation, std::string> Lettres(const Session& modele) {
    std::map<Formation, std::string> l;
    for (const Lettre& x : LettresFormations(FormationsDeLaVue(modele.section()))) l[x.formation] = x.lettre;
    return l;
}

// A card's name: with the letter of the formation the event laid when the
// view shows it, without when it does not.
std::string NomCarte(Evenement e, const std::string& lettre) {
    const bool vue = !lettre.empty();
    switch (e) {
    case Evenement::Sedimentation:
        //: %1 is the letter of the layer in the view.
        return vue ? Remplir(Texte("Cartes", "Dépôt de la couche %1"), {lettre}) : Texte("Cartes", "Dépôt d'une couche");
    case Evenement::Volcanisme:
        //: %1 is the letter of the lava flow in the view.
        return vue ? Remplir(Texte("Cartes", "Épanchement de la coulée de lave %1"), {lettre})
                   : Texte("Cartes", "Épanchement d'une coulée de lave");
    case Evenement::Erosion: return Texte("Cartes", "Érosion");
    case Evenement::Plutonisme:
        //: %1 is the letter of the granite in the view.
        return vue ? Remplir(Texte("Cartes", "Mise en place du granite %1"), {lettre})
                   : Texte("Cartes", "Mise en place d'un granite");
    case Evenement::Compression: return Texte("Cartes", "Plissement (compression)");
    case Evenement::Chevauchement: return Texte("Cartes", "Chevauchement (faille inverse)");
    case Evenement::Distension: return Texte("Cartes", "Faille normale (distension)");
    }
    return {};
}

// Contacts in the model's view: b directly above a (b's pixel, a's pixel
// just under it), and a and b side by side in any of the four directions.
struct Contacts {
    std::map<std::pair<Formation, Formation>, int> dessus;  // (b, a): b rests on a
    std::map<std::pair<Formation, Formation>, int> contact;  // (min, max)
};

Contacts LireContacts(const Session& modele) {
    Contacts c;
    const PlanFormations p = FormationsDeLaVue(modele.section());
    if (p.empty()) return c;
    for (int y = 0; y < p.hauteur; ++y)
        for (int x = 0; x < p.largeur; ++x) {
            const Formation f = p.At(x, y);
            if (f < 0) continue;
            if (y + 1 < p.hauteur) {
                const Formation g = p.At(x, y + 1);
                if (g >= 0 && g != f) {
                    ++c.dessus[{f, g}];
                    ++c.contact[{std::min(f, g), std::max(f, g)}];
                }
            }
            if (x + 1 < p.largeur) {
                const Formation g = p.At(x + 1, y);
                if (g >= 0 && g != f) ++c.contact[{std::min(f, g), std::max(f, g)}];
            }
        }
    return c;
}

// The principle by which the section dates `ancien` before `recent`.
Principe Dater(const Session& modele, const Contacts& c, int ancien, int recent) {
    const auto e = EvenementDeLigne(modele.liste()[static_cast<std::size_t>(recent)]);
    if (!e) return Principe::Aucun;
    const GenreFormation g = GenreDe(*e);
    if ((g == GenreFormation::Couche || g == GenreFormation::Coulee) && c.dessus.count({recent, ancien}))
        return Principe::Superposition;
    if ((g == GenreFormation::Granite || g == GenreFormation::Faille || g == GenreFormation::SurfaceErosion) &&
        c.contact.count({ancien, recent}))
        return Principe::Recoupement;
    return Principe::Aucun;
}

//: A card's name quoted in a sentence.
std::string Cite(const std::string& s) { return Remplir(Texte("Ordre", "« %1 »"), {s}); }

// "la couche B", "le granite D"... and whether the noun is masculine.
std::string Designation(const Session& modele, const std::map<Formation, std::string>& lettres, int f,
                        bool& masculin) {
    const auto it = lettres.find(static_cast<Formation>(f));
    const bool vue = it != lettres.end();
    const std::string lettre = vue ? it->second : std::string();
    masculin = false;
    switch (GenreDeFormation(modele, static_cast<Formation>(f))) {
    case GenreFormation::Couche:
        //: %1 is the letter of the layer in the view.
        return vue ? Remplir(Texte("Ordre", "la couche %1"), {lettre}) : Texte("Ordre", "la couche");
    case GenreFormation::Coulee:
        //: %1 is the letter of the lava flow in the view.
        return vue ? Remplir(Texte("Ordre", "la coulée %1"), {lettre}) : Texte("Ordre", "la coulée");
    case GenreFormation::Granite:
        masculin = true;
        //: %1 is the letter of the granite in the view.
        return vue ? Remplir(Texte("Ordre", "le granite %1"), {lettre}) : Texte("Ordre", "le granite");
    case GenreFormation::Faille: return Texte("Ordre", "la faille");
    case GenreFormation::SurfaceErosion: return Texte("Ordre", "la surface d'érosion");
    }
    return {};
}

}  // namespace

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
    const bool dansLOrdre = std::is_sorted(cartes.begin(), cartes.end(),
                                           [](const Carte& a, const Carte& b) { return a.id < b.id; });
    if (cartes.size() >= 2 && dansLOrdre) std::rotate(cartes.begin(), cartes.begin() + 1, cartes.end());
    return cartes;
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
    VerificationOrdre v;
    std::vector<int> attendus, donnes = ids;
    for (const Carte& c : cartes) attendus.push_back(c.id);
    std::sort(attendus.begin(), attendus.end());
    std::sort(donnes.begin(), donnes.end());
    if (attendus != donnes) {
        v.complet = false;
        v.texte = Texte("Ordre", "Place toutes les cartes, chacune une seule fois, avant de vérifier.");
        return v;
    }
    essai.Charger(ListeDesCartes(modele, ids));
    v.juste = essai.vue() == modele.vue() && !modele.vue().empty();
    if (v.juste) {
        v.texte = Texte("Ordre", "Bravo : cet ordre redonne exactement la coupe du modèle.");
        return v;
    }
    std::map<int, std::string> noms;
    for (const Carte& c : cartes) noms[c.id] = c.nom;
    // The pairs the pupil reversed, in the pupil's order.
    std::vector<std::pair<int, int>> inverses;  // (avant, apres) in the model's order
    for (std::size_t i = 0; i < ids.size(); ++i)
        for (std::size_t j = i + 1; j < ids.size(); ++j)
            if (ids[i] > ids[j]) inverses.emplace_back(ids[j], ids[i]);
    const Contacts contacts = LireContacts(modele);
    std::optional<std::pair<int, int>> choisi;
    for (const auto& [a, b] : inverses)
        if (const Principe p = Dater(modele, contacts, a, b); p != Principe::Aucun) {
            choisi = std::pair{a, b};
            v.principe = p;
            break;
        }
    if (!choisi) {
        // A pair that commutes gives the model's section either way round:
        // name the first one whose exchange changes it.
        constexpr int kEssaisMax = 30;
        int essais = 0;
        std::vector<int> ordreModele = attendus;
        for (const auto& [a, b] : inverses) {
            if (++essais > kEssaisMax) break;
            std::vector<int> echange = ordreModele;
            std::iter_swap(std::find(echange.begin(), echange.end(), a), std::find(echange.begin(), echange.end(), b));
            essai.Charger(ListeDesCartes(modele, echange));
            if (!(essai.vue() == modele.vue())) {
                choisi = std::pair{a, b};
                break;
            }
        }
    }
    if (!choisi && !inverses.empty()) choisi = inverses.front();
    if (!choisi) {
        v.texte = Texte("Ordre", "Cet ordre ne redonne pas la coupe du modèle.");
        return v;
    }
    v.avant = choisi->first;
    v.apres = choisi->second;
    const std::string a = Cite(noms[v.avant]), b = Cite(noms[v.apres]);
    const std::map<Formation, std::string> lettres = Lettres(modele);
    bool masculinAncien = false, masculin = false;
    const std::string ancien = Designation(modele, lettres, v.avant, masculinAncien);
    const std::string recent = Designation(modele, lettres, v.apres, masculin);
    // One sentence per gender of what the later card laid.
    switch (v.principe) {
    case Principe::Superposition:
        v.texte = Remplir(
            masculin
                //: %1 and %2 quoted cards, %1 to put after %2; %3 (masculine) rests on %4.
                ? Texte("Ordre", "%1 doit venir après %2 : %3 repose sur %4, il s'est donc mis en place plus tard "
                                 "(principe de superposition).")
                //: %1 and %2 quoted cards, %1 to put after %2; %3 (feminine) rests on %4.
                : Texte("Ordre", "%1 doit venir après %2 : %3 repose sur %4, elle s'est donc mise en place plus tard "
                                 "(principe de superposition)."),
            {b, a, recent, ancien});
        break;
    case Principe::Recoupement:
        v.texte = Remplir(
            masculin
                //: %1 and %2 quoted cards, %1 to put after %2; %3 (masculine) cuts %4.
                ? Texte("Ordre", "%1 doit venir après %2 : %3 recoupe %4, il est donc plus récent "
                                 "(principe de recoupement).")
                //: %1 and %2 quoted cards, %1 to put after %2; %3 (feminine) cuts %4.
                : Texte("Ordre", "%1 doit venir après %2 : %3 recoupe %4, elle est donc plus récente "
                                 "(principe de recoupement)."),
            {b, a, recent, ancien});
        break;
    case Principe::Aucun:
        //: %1 and %2 quoted cards, in the order of the model.
        v.texte = Remplir(Texte("Ordre", "%1 et %2 ne sont pas dans le bon ordre : essaie de les échanger."), {a, b});
        break;
    }
    return v;
}

}  // namespace section
