// SPDX-License-Identifier: GPL-3.0-or-later
// One reading of the view for the legend: the legend plane (bands of the
// starting series told apart by their colours, structures set aside), the
// letters, their places and the structures' labels.
#include "section/legende_vue.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <tuple>

#include "section/formations.h"
#include "section/textes.h"

namespace section {

std::vector<std::vector<Couleur>> BandesDeDepart(const Raster& c) {
    std::vector<std::vector<Couleur>> bandes;
    if (c.empty() || c.width() <= 0 || c.height() <= 0) return bandes;
    // The top row is the series' surface line: the rows all of its colour
    // are the contacts. A row of one other colour (a joint of the
    // limestone) belongs to its band.
    const auto uniforme = [&](int y, Couleur v) {
        const Couleur* ligne = c.row(y);
        return std::all_of(ligne, ligne + c.width(), [&](Couleur p) { return p == v; });
    };
    const Couleur trait = c.row(0)[0];
    if (!uniforme(0, trait)) return bandes;
    std::vector<Couleur> courante;
    const auto fermer = [&] {
        if (!courante.empty()) bandes.push_back(std::move(courante));
        courante.clear();
    };
    for (int y = 0; y < c.height(); ++y) {
        const Couleur* ligne = c.row(y);
        if (uniforme(y, trait)) {
            fermer();
        } else {
            for (int x = 0; x < c.width(); ++x) courante.push_back(ligne[x] & 0xFFFFFFu);
            std::sort(courante.begin(), courante.end());
            courante.erase(std::unique(courante.begin(), courante.end()), courante.end());
        }
    }
    fermer();
    // Each colour must tell its band: no colour in two bands.
    std::vector<Couleur> toutes;
    std::size_t total = 0;
    for (const auto& b : bandes) {
        toutes.insert(toutes.end(), b.begin(), b.end());
        total += b.size();
    }
    std::sort(toutes.begin(), toutes.end());
    if (bandes.size() < 2 || std::unique(toutes.begin(), toutes.end()) != toutes.end() || toutes.size() != total)
        return {};
    return bandes;
}

std::string TexteStructure(const Structure& s) {
    Depot d = Depot::Failles;
    if (s.sorte == SorteStructure::Chevauchement) d = Depot::Chevauchement;
    if (s.sorte == SorteStructure::SurfaceErosion) d = Depot::SurfaceErosion;
    //: A line of the structures' legend: %1 the label (F1, T, S1), %2 what it is.
    return Remplir(Texte("Legende", "%1 : %2"), {s.etiquette, Decrire(d).roches});
}

std::string TitreStructures() { return Texte("Legende", "Structures"); }

namespace {

// Only the three bands of the series the program's textures draw get a rock
// each; any other split keeps the series one entry.
constexpr Depot kBandes[] = {Depot::Calcaire, Depot::Argile, Depot::Conglomerat};

std::uint64_t Brassage(std::uint32_t graine, Formation f) {
    std::uint64_t z = (static_cast<std::uint64_t>(graine) << 32 | static_cast<std::uint32_t>(f)) ^ 0xD1B54A32D192ED03ull;
    z = (z ^ (z >> 33)) * 0xFF51AFD7ED558CCDull;
    z = (z ^ (z >> 33)) * 0xC4CEB9FE1A85EC53ull;
    return z ^ (z >> 33);
}

Depot DepotDeLigne(const Session& s, Formation f) {
    const auto i = static_cast<std::size_t>(f);
    return f >= 0 && i < s.depots().size() ? s.depots()[i] : Depot::Aucun;
}

// Pieces of a fault trace this close (rows and columns) are one trace.
constexpr int kEcartMorceaux = 32;

// The traces of formation f in the view plane: its 8-connected pieces,
// those close together merged; `principaux` gets the size of each trace's
// largest piece, which its first points hold.
std::vector<std::vector<Point>> Morceaux(const PlanFormations& vue, Formation f, std::vector<std::size_t>* principaux) {
    std::vector<std::vector<Point>> pieces;
    std::vector<std::uint8_t> vu(static_cast<std::size_t>(vue.largeur) * static_cast<std::size_t>(vue.hauteur), 0);
    const auto k = [&](int x, int y) { return static_cast<std::size_t>(y) * static_cast<std::size_t>(vue.largeur) + static_cast<std::size_t>(x); };
    for (int y = 0; y < vue.hauteur; ++y)
        for (int x = 0; x < vue.largeur; ++x) {
            if (vu[k(x, y)] || vue.At(x, y) != f) continue;
            std::vector<Point> piece, pile{{x, y}};
            vu[k(x, y)] = 1;
            while (!pile.empty()) {
                const Point a = pile.back();
                pile.pop_back();
                piece.push_back(a);
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = a.x + dx, ny = a.y + dy;
                        if (nx < 0 || ny < 0 || nx >= vue.largeur || ny >= vue.hauteur) continue;
                        if (vu[k(nx, ny)] || vue.At(nx, ny) != f) continue;
                        vu[k(nx, ny)] = 1;
                        pile.push_back({nx, ny});
                    }
            }
            pieces.push_back(std::move(piece));
        }
    // Pieces of one trace that a later dyke or trace cut apart lie close
    // together; the two faults of a graben lie far apart.
    const auto proches = [](const std::vector<Point>& a, const std::vector<Point>& b) {
        for (const Point& p : a)
            for (const Point& q : b)
                if (std::abs(p.x - q.x) <= kEcartMorceaux && std::abs(p.y - q.y) <= kEcartMorceaux) return true;
        return false;
    };
    // Largest first: a merged trace keeps its largest piece at its front,
    // where its label goes.
    std::sort(pieces.begin(), pieces.end(), [](const auto& a, const auto& b) { return a.size() > b.size(); });
    std::vector<std::size_t> principal;
    for (const auto& p : pieces) principal.push_back(p.size());
    for (bool fusion = true; fusion;) {
        fusion = false;
        for (std::size_t i = 0; i < pieces.size() && !fusion; ++i)
            for (std::size_t j = i + 1; j < pieces.size() && !fusion; ++j)
                if (proches(pieces[i], pieces[j])) {
                    pieces[i].insert(pieces[i].end(), pieces[j].begin(), pieces[j].end());
                    pieces.erase(pieces.begin() + static_cast<std::ptrdiff_t>(j));
                    principal.erase(principal.begin() + static_cast<std::ptrdiff_t>(j));
                    fusion = true;
                }
    }
    if (principaux) *principaux = std::move(principal);
    return pieces;
}

}  // namespace

VueLegende LireVueLegende(const Session& s) {
    VueLegende v;
    if (!s.Prete()) return v;
    const PlanFormations vue = FormationsDeLaVue(s.section());
    if (vue.empty()) return v;
    const Raster& couleurs = s.vue();
    const int w = std::min(vue.largeur, couleurs.width()), h = std::min(vue.hauteur, couleurs.height());
    if (w <= 0 || h <= 0) return v;

    // Colour -> band, for the pixels of formation 0.
    const std::vector<std::vector<Couleur>>& bandes = s.BandesDepart();
    const bool parBandes = bandes.size() == std::size(kBandes);
    std::vector<std::pair<Couleur, int>> bandeDe;
    if (parBandes)
        for (std::size_t k = 0; k < bandes.size(); ++k)
            for (const Couleur c : bandes[k]) bandeDe.emplace_back(c, static_cast<int>(k));
    std::sort(bandeDe.begin(), bandeDe.end());

    std::map<Formation, int> traces;  // structure formation -> view pixels
    std::vector<bool> structure(s.depots().size());
    for (std::size_t i = 0; i < structure.size(); ++i) structure[i] = EstStructure(s.depots()[i]);
    // Neighbouring pixels mostly share their colour: the last band found is
    // kept rather than searched again.
    Couleur dernierPx = 0xFFFFFFFFu;
    Formation derniereBande = kSansFormation;
    v.cases.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), kSansFormation);
    for (int y = 0; y < h; ++y) {
        const Couleur* ligne = couleurs.row(y);
        for (int x = 0; x < w; ++x) {
            const Formation f = vue.At(x, y);
            Formation& c = v.cases[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x)];
            if (f < 0) continue;
            if (f == 0 && parBandes) {
                const Couleur px = ligne[x] & 0xFFFFFFu;
                if (px != dernierPx) {
                    dernierPx = px;
                    const auto it = std::lower_bound(bandeDe.begin(), bandeDe.end(), std::make_pair(px, -1));
                    // A contact line belongs to no band.
                    derniereBande = it != bandeDe.end() && it->first == px ? kPremiereBande + it->second : kSansFormation;
                }
                c = derniereBande;
            } else if (static_cast<std::size_t>(f) < structure.size() && structure[static_cast<std::size_t>(f)]) {
                ++traces[f];
            } else {
                c = f;
            }
        }
    }
    v.plan = {v.cases.data(), w, h, w};

    // The rock entries, their letters and places.
    const std::uint32_t graine = s.GraineLettres();
    std::vector<Lettre> lettres = LettresFormations(v.plan, graine);
    std::vector<int> rangs(lettres.size());
    for (std::size_t r = 0; r < lettres.size(); ++r) rangs[r] = static_cast<int>(r);
    if (!s.LettresDuModele().empty()) {
        // The model's letter for each identity it shows; the others after
        // the model's, in the order the view's own letters give them.
        int suivant = 0;
        for (const RangModele& m : s.LettresDuModele()) suivant = std::max(suivant, m.rang + 1);
        std::vector<std::pair<int, Lettre>> parRang;
        for (const Lettre& l : lettres) {
            const IdentiteFormation id = l.formation >= kPremiereBande
                                             ? IdentiteFormation{kBandes[l.formation - kPremiereBande], 0}
                                             : IdentiteDeLigne(s.depots(), l.formation);
            const auto m = std::find_if(s.LettresDuModele().begin(), s.LettresDuModele().end(),
                                        [&](const RangModele& r) { return r.identite == id; });
            const int rang = m != s.LettresDuModele().end() ? m->rang : suivant++;
            parRang.emplace_back(rang, Lettre{l.formation, NomDeLettre(rang)});
        }
        std::sort(parRang.begin(), parRang.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        for (std::size_t r = 0; r < parRang.size(); ++r) {
            rangs[r] = parRang[r].first;
            lettres[r] = parRang[r].second;
        }
    }
    std::map<Formation, int> effectifs;
    for (const Effectif& e : CompterFormations(v.plan)) effectifs[e.formation] = e.pixels;
    std::vector<std::string> lettresDepart;
    for (std::size_t r = 0; r < lettres.size(); ++r) {
        const Formation f = lettres[r].formation;
        Depot d = f >= kPremiereBande ? kBandes[f - kPremiereBande] : DepotDeLigne(s, f);
        if (d == Depot::Couche) d = RocheDeCouche(s.GraineRoches(), RangDeCouche(s.depots(), f));
        v.entrees.push_back({f, lettres[r].lettre, d, TeinteDeRang(rangs[r]), effectifs[f], rangs[r]});
        if (f >= kPremiereBande)
            lettresDepart.push_back(lettres[r].lettre);
        else
            v.designations[f] = lettres[r].lettre;
    }
    if (!lettresDepart.empty()) {
        std::string t;
        for (const std::string& l : lettresDepart) t += (t.empty() ? "" : ", ") + l;
        v.designations[0] = t;
    }
    v.etiquettes = PlacerEtiquettes(v.plan, lettres);

    // The structures: numbered within their kind in an order the seed draws,
    // the traces of one distension from left to right.
    struct Piece {
        std::uint64_t ordre;
        int gauche;
        Formation formation;
        std::vector<Point> points;
        std::size_t principal;  // the label goes on the first points, the trace's largest piece
    };
    std::map<SorteStructure, std::vector<Piece>> parSorte;
    for (const auto& [f, n] : traces) {
        const Depot d = DepotDeLigne(s, f);
        const SorteStructure sorte = d == Depot::Failles          ? SorteStructure::Faille
                                     : d == Depot::Chevauchement ? SorteStructure::Chevauchement
                                                                 : SorteStructure::SurfaceErosion;
        std::vector<std::size_t> principaux;
        std::vector<std::vector<Point>> pieces =
            sorte == SorteStructure::Faille ? Morceaux(vue, f, &principaux) : std::vector<std::vector<Point>>{};
        if (sorte != SorteStructure::Faille) {
            pieces.emplace_back();
            pieces.back().reserve(static_cast<std::size_t>(n));
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    if (vue.At(x, y) == f) pieces.back().push_back({x, y});
        } else {
            // The small ends of traces at the view's edges carry no label,
            // unless the distension shows nothing larger.
            std::size_t garde = 0;
            for (std::size_t i = 0; i < pieces.size(); ++i)
                if (i == 0 || static_cast<int>(pieces[i].size()) >= kPixelsTraceMin) {
                    if (garde != i) {
                        pieces[garde] = std::move(pieces[i]);
                        principaux[garde] = principaux[i];
                    }
                    ++garde;
                }
            pieces.resize(garde);
        }
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            int gauche = w;
            for (const Point& q : pieces[i]) gauche = std::min(gauche, q.x);
            const std::size_t principal = i < principaux.size() ? principaux[i] : pieces[i].size();
            parSorte[sorte].push_back({Brassage(graine, f), gauche, f, std::move(pieces[i]), principal});
        }
    }
    for (auto& [sorte, liste] : parSorte) {
        std::sort(liste.begin(), liste.end(),
                  [](const Piece& a, const Piece& b) { return std::tie(a.ordre, a.gauche) < std::tie(b.ordre, b.gauche); });
        const char* prefixe = sorte == SorteStructure::Faille ? "F" : sorte == SorteStructure::Chevauchement ? "T" : "S";
        for (std::size_t i = 0; i < liste.size(); ++i) {
            Piece& p = liste[i];
            std::string etiquette = prefixe;
            if (sorte != SorteStructure::Chevauchement || liste.size() > 1) etiquette += std::to_string(i + 1);
            // The label's place: the pixel of the trace's largest piece
            // nearest that piece's centre of mass.
            const std::vector<Point> piece(p.points.begin(), p.points.begin() + static_cast<std::ptrdiff_t>(p.principal));
            long long sx = 0, sy = 0;
            for (const Point& q : piece) {
                sx += q.x;
                sy += q.y;
            }
            const double n = static_cast<double>(piece.size());
            Point place = piece.front();
            double meilleure = -1;
            for (const Point& q : piece) {
                const double dx = q.x - static_cast<double>(sx) / n, dy = q.y - static_cast<double>(sy) / n;
                if (meilleure < 0 || dx * dx + dy * dy < meilleure) {
                    meilleure = dx * dx + dy * dy;
                    place = q;
                }
            }
            std::string& d = v.designations[p.formation];
            d += (d.empty() ? "" : ", ") + etiquette;
            v.structures.push_back({p.formation, sorte, etiquette, place, static_cast<int>(p.points.size()), std::move(p.points)});
        }
    }
    return v;
}

std::vector<RangModele> RangsDesLettres(const Session& modele) {
    std::vector<RangModele> rangs;
    for (const EntreeLegende& e : LireVueLegende(modele).entrees) {
        const IdentiteFormation id = e.formation >= kPremiereBande
                                         ? IdentiteFormation{kBandes[e.formation - kPremiereBande], 0}
                                         : IdentiteDeLigne(modele.depots(), e.formation);
        rangs.push_back({id, e.rang});
    }
    return rangs;
}

std::vector<LigneLegende> LignesLegende(const Session& s) { return LignesLegende(s, LireVueLegende(s)); }

std::vector<LigneLegende> LignesLegende(const Session& s, const VueLegende& v) {
    std::vector<LigneLegende> lignes;
    if (!s.Prete() || v.plan.empty()) return lignes;
    std::map<Formation, Rect> carres;
    for (const Etiquette& e : v.etiquettes) carres.emplace(e.formation, e.boite);
    // The colours of the entries without a letter, counted over the view;
    // most views have none, and then the view is not read.
    std::vector<Formation> sansLettre;
    for (const EntreeLegende& e : v.entrees)
        if (!carres.count(e.formation)) sansLettre.push_back(e.formation);
    const Raster& vue = s.vue();
    std::map<Formation, std::map<Couleur, int>> couleurs;
    for (int y = 0; !sansLettre.empty() && y < v.plan.hauteur && y < vue.height(); ++y) {
        const Couleur* ligne = vue.row(y);
        for (int x = 0; x < v.plan.largeur && x < vue.width(); ++x) {
            const Formation f = v.plan.At(x, y);
            if (f >= 0 && std::find(sansLettre.begin(), sansLettre.end(), f) != sansLettre.end()) ++couleurs[f][ligne[x]];
        }
    }
    for (const EntreeLegende& e : v.entrees) {
        LigneLegende l{e, TexteLegende(e)};
        if (const auto carre = carres.find(e.formation); carre != carres.end()) {
            l.carre = carre->second;
        } else {
            l.sansLettre = true;
            l.texte = Remplir(Texte("Legende", "%1 — trop mince pour porter sa lettre"), {l.texte});
            const std::map<Couleur, int>& c = couleurs[e.formation];
            const auto commune =
                std::max_element(c.begin(), c.end(), [](const auto& u, const auto& w) { return u.second < w.second; });
            if (commune != c.end()) l.couleur = commune->first & 0xFFFFFFu;
        }
        lignes.push_back(std::move(l));
    }
    return lignes;
}

std::vector<std::uint32_t> PlanTeintes(const Session& s) { return PlanTeintes(s, LireVueLegende(s)); }

std::vector<std::uint32_t> PlanTeintes(const Session& s, const VueLegende& v) {
    if (!s.Prete()) return {};
    const Raster& vue = s.vue();
    const int l = std::max(vue.width(), 0), h = std::max(vue.height(), 0);
    std::vector<std::uint32_t> teintes(static_cast<std::size_t>(l) * static_cast<std::size_t>(h), 0u);
    // One tint per list line, then one per band: an index, not a search, per pixel.
    std::vector<std::uint32_t> parLigne, parBande;
    for (const EntreeLegende& e : v.entrees) {
        const std::uint32_t t = (kOpaciteTeinte << 24) | (e.teinte & 0xFFFFFFu);
        std::vector<std::uint32_t>& table = e.formation >= kPremiereBande ? parBande : parLigne;
        const auto i = static_cast<std::size_t>(e.formation >= kPremiereBande ? e.formation - kPremiereBande : e.formation);
        if (table.size() <= i) table.resize(i + 1, 0u);
        table[i] = t;
    }
    for (int y = 0; y < v.plan.hauteur && y < h; ++y) {
        std::uint32_t* ligne = teintes.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(l);
        for (int x = 0; x < v.plan.largeur && x < l; ++x) {
            const Formation f = v.plan.At(x, y);
            if (f < 0) continue;
            const bool bande = f >= kPremiereBande;
            const auto i = static_cast<std::size_t>(bande ? f - kPremiereBande : f);
            const std::vector<std::uint32_t>& table = bande ? parBande : parLigne;
            if (i < table.size()) ligne[x] = table[i];
        }
    }
    return teintes;
}

}  // namespace section
