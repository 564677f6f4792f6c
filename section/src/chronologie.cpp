// SPDX-License-Identifier: GPL-3.0-or-later
// The relations the view shows, read from the followed replay (releve.h).
#include "section/chronologie.h"
#include "section/note.h"

#include <algorithm>
#include <map>
#include <set>
#include <utility>

#include "releve.h"
#include "section/liste.h"

namespace section {

const char* NomPrincipe(Principe p) {
    switch (p) {
    case Principe::Superposition: return "superposition";
    case Principe::Recoupement: return "recoupement";
    case Principe::Deformation: return "deformation";
    case Principe::Discordance: return "discordance";
    case Principe::Aucun: break;
    }
    return "aucun";
}

const Relation* Chronologie::Entre(int a, int b) const {
    for (const Relation& r : relations)
        if ((r.ancien == a && r.recent == b) || (r.ancien == b && r.recent == a)) return &r;
    return nullptr;
}

bool Chronologie::Avant(int ancien, int recent) const {
    std::set<int> vus{ancien};
    std::vector<int> pile{ancien};
    while (!pile.empty()) {
        const int a = pile.back();
        pile.pop_back();
        for (const Relation& r : relations)
            if (r.ancien == a && vus.insert(r.recent).second) {
                if (r.recent == recent) return true;
                pile.push_back(r.recent);
            }
    }
    return false;
}

const Relation* PremiereRelationRompue(const Chronologie& c, const std::vector<int>& ordre) {
    for (std::size_t i = 0; i < ordre.size(); ++i)
        for (std::size_t j = i + 1; j < ordre.size(); ++j)
            for (const Relation& r : c.relations)
                if (r.ancien == ordre[j] && r.recent == ordre[i]) return &r;
    return nullptr;
}

namespace {

// Columns and rows where a contact was seen, and the first place. What
// counts depends on the rule: columns for a contact read across a
// boundary, rows along a trace, either for the sides of an intrusion.
enum class Compte { Colonnes, Lignes, LesDeux };
struct Temoins {
    Compte compte = Compte::Colonnes;
    std::vector<bool> colonnes, lignes;
    int nColonnes = 0, nLignes = 0;
    Point ou{0, 0};
    void Voir(int x, int y) {
        if (nColonnes == 0 && nLignes == 0) ou = {x, y};
        Marquer(colonnes, nColonnes, x);
        Marquer(lignes, nLignes, y);
    }
    void Ajouter(const Temoins& o) {
        for (std::size_t i = 0; i < o.colonnes.size(); ++i)
            if (o.colonnes[i]) Marquer(colonnes, nColonnes, static_cast<int>(i));
        for (std::size_t i = 0; i < o.lignes.size(); ++i)
            if (o.lignes[i]) Marquer(lignes, nLignes, static_cast<int>(i));
    }
    int Nombre() const {
        switch (compte) {
        case Compte::Colonnes: return nColonnes;
        case Compte::Lignes: return nLignes;
        case Compte::LesDeux: break;
        }
        return std::max(nColonnes, nLignes);
    }
    bool Assez() const { return Nombre() >= kTemoinsMin; }

private:
    static void Marquer(std::vector<bool>& v, int& n, int i) {
        if (i < 0) return;
        if (static_cast<std::size_t>(i) >= v.size()) v.resize(static_cast<std::size_t>(i) + 64, false);
        if (!v[static_cast<std::size_t>(i)]) {
            v[static_cast<std::size_t>(i)] = true;
            ++n;
        }
    }
};

using Paire = std::pair<Formation, Formation>;  // (ancien, recent) or (lower, upper)

class Lecteur {
public:
    Lecteur(const Releve& r, const Textures& textures) : r_(r), textures_(textures) {}

    Chronologie Lire() {
        LireContactsVerticaux();
        LireIntrusions();
        LireTraces();
        LireErosions();
        Conclure();
        return std::move(c_);
    }

private:
    std::optional<Evenement> Sorte(Formation f) const { return r_.Sorte(f); }
    bool Trace(Formation f) const {
        const auto e = Sorte(f);
        return e && (*e == Evenement::Distension || *e == Evenement::Chevauchement);
    }
    bool Ligne(Formation f) const {
        const auto e = Sorte(f);
        return e && *e == Evenement::Erosion;
    }
    bool Granite(Formation f) const {
        const auto e = Sorte(f);
        return e && *e == Evenement::Plutonisme;
    }
    // A layer, the starting series or a lava flow (not its feeder).
    bool Litee(Formation f, std::size_t p) const {
        if (f == 0) return true;
        const auto e = Sorte(f);
        return e && (*e == Evenement::Sedimentation || (*e == Evenement::Volcanisme && !r_.filon[p]));
    }

    void Noter(int ancien, int recent, Principe pr, Temoin t, std::vector<Formation> formations, const Temoins& w) {
        if (ancien == recent || !w.Assez()) return;
        candidats_.push_back({ancien, recent, pr, t, std::move(formations), w.ou, w.Nombre()});
    }

    // Every pixel over the pixel below it in the view.
    void LireContactsVerticaux() {
        for (int y = 0; y + 1 < r_.hauteurVue; ++y)
            for (int x = 0; x < r_.largeurVue; ++x) {
                const std::size_t p = r_.Indice(x, y), q = r_.Indice(x, y + 1);
                const Formation u = r_.formation[p], l = r_.formation[q];
                if (u == 0 && l == 0 && r_.bande[p] != r_.bande[q]) {
                    // Between two rock bands of the starting series.
                    for (std::size_t m = 0; m < r_.mouvements.size(); ++m) {
                        const int k = r_.mouvements[m];
                        if (*Sorte(k) == Evenement::Distension) continue;
                        auto& colonnes = plis_[{{0, 0}, k}];
                        if (colonnes.empty()) colonnes.assign(static_cast<std::size_t>(r_.largeurVue), Releve::kAbsent);
                        auto& c = colonnes[static_cast<std::size_t>(x)];
                        if (c == Releve::kAbsent) c = r_.dy[m][p];
                    }
                    continue;
                }
                if (u < 0 || l < 0 || u == l) continue;
                // Deformation: both layered and both there when a fold came.
                if (Litee(u, p) && Litee(l, q)) {
                    for (std::size_t m = 0; m < r_.mouvements.size(); ++m) {
                        const int k = r_.mouvements[m];
                        if (*Sorte(k) == Evenement::Distension || u >= k || l >= k) continue;
                        auto& colonnes = plis_[{{std::min(u, l), std::max(u, l)}, k}];
                        if (colonnes.empty()) colonnes.assign(static_cast<std::size_t>(r_.largeurVue), Releve::kAbsent);
                        auto& c = colonnes[static_cast<std::size_t>(x)];
                        if (c == Releve::kAbsent) c = r_.dy[m][p];
                    }
                }
                if (Ligne(u) && l < u && !Trace(l)) sousLigne_[{l, u}].Voir(x, y);
                if (!Litee(u, p) || u < l || Trace(l)) continue;
                if (!r_.MemesMouvements(p, q, u)) continue;  // brought together later
                const bool surLigne = Ligne(l);
                repose_[{l, u}].Voir(x, y);
                if (surLigne) continue;
                for (std::size_t b = 0; b < r_.erosions.size(); ++b)
                    if ((r_.sousErosion[q] >> b & 1) && u > r_.erosions[b])
                        surErosion_[{r_.erosions[b], u}][l].Voir(x, y);
            }
    }

    // Granites and feeders against what they touch (four neighbours).
    void LireIntrusions() {
        const auto voir = [&](std::size_t p, std::size_t q, int x, int y) {
            const Formation i = r_.formation[p], f = r_.formation[q];
            if (i < 0 || f < 0 || i == f || f > i) return;
            const bool intrusion = Granite(i) || (Sorte(i) == Evenement::Volcanisme && r_.filon[p]);
            if (!intrusion) return;
            Temoins& w = touche_[{f, i}];
            w.compte = Compte::LesDeux;
            w.Voir(x, y);
            if (f == 0) {
                Temoins& b = bandes_[{i, r_.bande[q]}];
                b.compte = Compte::LesDeux;
                b.Voir(x, y);
            }
        };
        for (int y = 0; y < r_.hauteurVue; ++y)
            for (int x = 0; x < r_.largeurVue; ++x) {
                const std::size_t p = r_.Indice(x, y);
                if (x + 1 < r_.largeurVue) {
                    voir(p, p + 1, x, y);
                    voir(p + 1, p, x, y);
                }
                if (y + 1 < r_.hauteurVue) {
                    voir(p, r_.Indice(x, y + 1), x, y);
                    voir(r_.Indice(x, y + 1), p, x, y);
                }
            }
    }

    // Fault traces and thrust planes: what lies on both sides, what seals them.
    void LireTraces() {
        for (int y = 0; y < r_.hauteurVue; ++y)
            for (int x = 0; x < r_.largeurVue;) {
                const Formation t = r_.At(x, y);
                if (!Trace(t)) {
                    ++x;
                    continue;
                }
                int fin = x;
                while (fin < r_.largeurVue && r_.At(fin, y) == t) ++fin;
                const Formation gauche = Voisine(x - 1, -1, y, t), droite = Voisine(fin, 1, y, t);
                if (gauche >= 0 && gauche < t && !Trace(gauche)) {
                    gauche_[{gauche, t}].compte = Compte::Lignes;
                    gauche_[{gauche, t}].Voir(x, y);
                }
                if (droite >= 0 && droite < t && !Trace(droite)) {
                    droite_[{droite, t}].compte = Compte::Lignes;
                    droite_[{droite, t}].Voir(x, y);
                }
                x = fin;
            }
        // A formation on both sides of the trace is offset by it.
        for (const auto& [paire, w] : gauche_) {
            const auto d = droite_.find(paire);
            if (w.Assez() && d != droite_.end() && d->second.Assez()) {
                Temoins& c = coupe_[paire];
                c = w;
                c.Ajouter(d->second);
            }
        }
        // Sealing: above the topmost view pixel of each piece of a trace.
        std::vector<std::uint8_t> vu(static_cast<std::size_t>(r_.largeurVue) * static_cast<std::size_t>(r_.hauteurVue), 0);
        const auto k = [&](int x, int y) {
            return static_cast<std::size_t>(y) * static_cast<std::size_t>(r_.largeurVue) + static_cast<std::size_t>(x);
        };
        for (int y = 0; y < r_.hauteurVue; ++y)
            for (int x = 0; x < r_.largeurVue; ++x) {
                const Formation t = r_.At(x, y);
                if (!Trace(t) || vu[k(x, y)]) continue;
                // Rows are read from the top: (x, y) is the piece's topmost pixel.
                std::vector<Point> pile{{x, y}};
                vu[k(x, y)] = 1;
                while (!pile.empty()) {
                    const Point a = pile.back();
                    pile.pop_back();
                    for (int dy = -1; dy <= 1; ++dy)
                        for (int dx = -1; dx <= 1; ++dx) {
                            const int nx = a.x + dx, ny = a.y + dy;
                            if (nx < 0 || ny < 0 || nx >= r_.largeurVue || ny >= r_.hauteurVue) continue;
                            if (vu[k(nx, ny)] || r_.At(nx, ny) != t) continue;
                            vu[k(nx, ny)] = 1;
                            pile.push_back({nx, ny});
                        }
                }
                // Only a top well inside the view shows where the trace ends:
                // one on the view's sides or top edge may go on beyond it.
                if (!DansLaVue(x, y)) continue;
                // An erosion that cut the trace: its top lay just under the cut.
                const std::uint64_t sous = r_.sousErosion[r_.Indice(x, y)];
                for (std::size_t b = 0; b < r_.erosions.size(); ++b)
                    if ((sous >> b & 1) && r_.erosions[b] > t) {
                        Temoins w;
                        w.compte = Compte::Lignes;
                        for (int i = 0; i < kTemoinsMin; ++i) w.Voir(x, i);
                        w.ou = {x, y};
                        Noter(t, r_.erosions[b], Principe::Recoupement, Temoin::Tronque, {t}, w);
                    }
                // The formation laid after the trace nearest above its top.
                bool scelle = false;
                for (int d = 1; d <= 2 && y - d >= 0 && !scelle; ++d)
                    for (const int dx : {0, -1, 1}) {
                        if (!DansLaVue(x + dx, y - d)) continue;
                        const Formation s = r_.At(x + dx, y - d);
                        if (s <= t || Trace(s)) continue;
                        // One place shows a seal: the trace ends under the layer.
                        Temoins w;
                        w.compte = Compte::Lignes;
                        for (int i = 0; i < kTemoinsMin; ++i) w.Voir(x + dx, i);
                        w.ou = {x + dx, y - d};
                        // Only a layer or a flow seals; a granite or a feeder
                        // over the top crosses the trace.
                        const std::size_t q = r_.Indice(x + dx, y - d);
                        const Temoin temoin = Ligne(s)                  ? Temoin::Tronque
                                              : Granite(s)              ? Temoin::Granite
                                              : Litee(s, q)             ? Temoin::Scelle
                                                                        : Temoin::Filon;
                        Noter(t, s, Principe::Recoupement, temoin, {s, t}, w);
                        scelle = true;
                        break;
                    }
            }
    }

    // Whether a contact at (x, y) lies kMargeVue columns from the view's
    // sides and kMargeVue rows below its top.
    bool DansLaVue(int x, int y) const {
        return x >= kMargeVue && x < r_.largeurVue - kMargeVue && y >= kMargeVue;
    }

    // The nearest formation from column x going `pas`, within kEcartTrace
    // columns, that is not the trace itself nor sky.
    Formation Voisine(int x, int pas, int y, Formation t) const {
        for (int i = 0; i < kEcartTrace; ++i, x += pas) {
            if (x < 0 || x >= r_.largeurVue) return -1;
            const Formation f = r_.At(x, y);
            if (f == t) continue;
            return f;
        }
        return -1;
    }

    // Whether (pair, fold) offsets vary by kVariationPli within kFenetrePli columns.
    static bool Plie(const std::vector<std::int16_t>& colonnes) {
        const int n = static_cast<int>(colonnes.size());
        for (int a = 0; a < n; ++a) {
            if (colonnes[static_cast<std::size_t>(a)] == Releve::kAbsent) continue;
            const int va = colonnes[static_cast<std::size_t>(a)];
            for (int b = a + 1; b < std::min(n, a + kFenetrePli); ++b) {
                const int vb = colonnes[static_cast<std::size_t>(b)];
                if (vb == Releve::kAbsent) continue;
                if (std::abs(vb - va) >= kVariationPli) return true;
            }
        }
        return false;
    }

    void LireErosions() {
        // Folded contacts first: which formations each fold deformed.
        for (const auto& [cle, colonnes] : plis_) {
            const auto& [paire, k] = cle;
            int vues = 0;
            for (const auto v : colonnes) vues += v != Releve::kAbsent;
            if (vues < kTemoinsMin || !Plie(colonnes)) continue;
            deformees_[k].insert(paire.first);
            deformees_[k].insert(paire.second);
            pairesPliees_[k].push_back(paire);
            for (const Formation f : {paire.first, paire.second}) {
                Temoins& w = plisses_[{k, f}];
                for (int x = 0; x < static_cast<int>(colonnes.size()); ++x)
                    if (colonnes[static_cast<std::size_t>(x)] != Releve::kAbsent) w.Voir(x, 0);
                w.ou = Ou(f);
            }
        }
        for (const auto& [cle, w] : plisses_) Noter(cle.second, cle.first, Principe::Deformation, Temoin::Plisse, {cle.second}, w);
        // Faulted formations, for discordances.
        std::map<Formation, std::set<int>> faillees;  // formation -> traces cutting it
        for (const auto& [paire, w] : coupe_)
            if (w.Assez()) faillees[paire.first].insert(paire.second);
        // Erosion surfaces. A surface shows where its line remains, or where
        // what was laid on it rests on two or more formations it truncated;
        // once it shows, whatever rests on it is younger.
        for (std::size_t b = 0; b < r_.erosions.size(); ++b) {
            const int e = r_.erosions[b];
            std::map<Formation, Temoins> tronquees;
            std::vector<std::pair<Formation, Temoins>> dessus;  // what rests on the surface
            for (const auto& [cle, parLitee] : surErosion_) {
                if (cle.first != e) continue;
                Temoins tout;
                for (const auto& [l, w] : parLitee)
                    if (w.Assez()) {
                        if (tronquees[l].Nombre() == 0) tronquees[l].ou = w.ou;
                        tronquees[l].Ajouter(w);
                        if (tout.Nombre() == 0) tout.ou = w.ou;
                        tout.Ajouter(w);
                    }
                if (tout.Assez()) dessus.emplace_back(cle.second, tout);
            }
            // The line itself, where it remains: what lies under it and on it.
            for (const auto& [paire, w] : repose_)
                if (paire.first == e && w.Assez()) dessus.emplace_back(paire.second, w);
            for (const auto& [paire, w] : sousLigne_)
                if (paire.second == e) {
                    if (tronquees[paire.first].Nombre() == 0) tronquees[paire.first].ou = w.ou;
                    tronquees[paire.first].Ajouter(w);
                }
            int tronque = 0;
            for (const auto& [l, w] : tronquees) tronque += w.Assez() && l < e;
            Temoins ligne;
            for (int y = 0; y < r_.hauteurVue; ++y)
                for (int x = 0; x < r_.largeurVue; ++x)
                    if (r_.At(x, y) == e) ligne.Voir(x, y);
            if (!ligne.Assez() && tronque < 2) continue;  // the surface does not show
            bool discordance = false;
            for (auto& [l, w] : tronquees) {
                if (!w.Assez() || l >= e) continue;
                Noter(l, e, Principe::Recoupement, Temoin::Tronque, {l}, w);
                for (const auto& [k, formations] : deformees_)
                    if (k < e && formations.count(l)) {
                        discordance = true;
                        Noter(k, e, Principe::Discordance, Temoin::DiscordancePli, {l}, w);
                    }
                if (const auto it = faillees.find(l); it != faillees.end())
                    for (const int t : it->second)
                        if (t < e) {
                            discordance = true;
                            Noter(t, e, Principe::Discordance, Temoin::DiscordancePli, {l}, w);
                        }
            }
            for (const auto& [u, w] : dessus)
                Noter(e, u, discordance ? Principe::Discordance : Principe::Superposition,
                      discordance ? Temoin::Discordance : Temoin::ReposeSurSurface, {u}, w);
        }
    }

    // Whether the movement of line k moved a view pixel of formation t.
    bool PlieePar(Formation t, int k) const {
        const auto m = std::find(r_.mouvements.begin(), r_.mouvements.end(), k);
        if (m == r_.mouvements.end()) return false;
        const auto& dy = r_.dy[static_cast<std::size_t>(m - r_.mouvements.begin())];
        for (int y = 0; y < r_.hauteurVue; ++y)
            for (int x = 0; x < r_.largeurVue; ++x) {
                const std::size_t p = r_.Indice(x, y);
                if (r_.formation[p] == t && dy[p] != Releve::kAbsent && dy[p] != 0) return true;
            }
        return false;
    }

    Point Ou(Formation f) const {
        for (int y = 0; y < r_.hauteurVue; ++y)
            for (int x = 0; x < r_.largeurVue; ++x)
                if (r_.At(x, y) == f) return {x, y};
        return {0, 0};
    }

    void Conclure() {
        for (const auto& [paire, w] : repose_) {
            const auto [l, u] = paire;
            if (Ligne(l)) continue;  // read with the erosions
            Noter(l, u, Principe::Superposition, Temoin::Repose, {u, l}, w);
            // Resting, unmoved, on what a fold deformed.
            for (const auto& [k, formations] : deformees_)
                if (u > k && formations.count(l)) Noter(k, u, Principe::Discordance, Temoin::ReposeSurPli, {u, l}, w);
        }
        for (const auto& [paire, w] : coupe_)
            Noter(paire.first, paire.second, Principe::Recoupement, Temoin::TraceRecoupe, {paire.first, paire.second}, w);
        for (const auto& [paire, w] : touche_) {
            const auto [f, i] = paire;
            const Temoin t = Granite(i) ? Temoin::Granite : Temoin::Filon;
            Noter(f, i, Principe::Recoupement, t, {i, f}, w);
        }
        // An intrusion that crosses a folded contact is younger than the fold.
        for (const auto& [k, paires] : pairesPliees_)
            for (const Paire& p : paires)
                for (const auto& [paire, w] : touche_) {
                    const Formation i = paire.second;
                    if (!w.Assez() || paire.first != p.first) continue;
                    if (p.first == 0 && p.second == 0) {
                        // Two bands of the starting series, each touched.
                        int bandes = 0;
                        for (const auto& [cle, t] : bandes_) bandes += cle.first == i && t.Assez();
                        if (bandes >= 2) Noter(k, i, Principe::Recoupement, Temoin::IntrusionPli, {i, 0}, w);
                        continue;
                    }
                    const auto autre = touche_.find({p.second, i});
                    if (autre == touche_.end() || !autre->second.Assez()) continue;
                    Noter(k, i, Principe::Recoupement, Temoin::IntrusionPli, {i, p.first, p.second}, w);
                }
        // A straight fault trace across a folded contact: the fold is older.
        for (const auto& [k, paires] : pairesPliees_)
            for (const auto& [paire, w] : coupe_) {
                const Formation t = paire.second;
                if (!w.Assez() || t < k || PlieePar(t, k)) continue;
                for (const Paire& p : paires) {
                    if (p.first != paire.first) continue;
                    if (p.first != p.second) {
                        const auto autre = coupe_.find({p.second, t});
                        if (autre == coupe_.end() || !autre->second.Assez()) continue;
                    }
                    Noter(k, t, Principe::Recoupement, Temoin::IntrusionPli, {t, p.first}, w);
                    break;
                }
            }
        // Each pair once, with the first principle that applies.
        const auto rang = [](Principe p) {
            switch (p) {
            case Principe::Recoupement: return 0;
            case Principe::Discordance: return 1;
            case Principe::Deformation: return 2;
            case Principe::Superposition: return 3;
            case Principe::Aucun: break;
            }
            return 4;
        };
        std::map<std::pair<int, int>, Relation> choisies;
        for (Relation& r : candidats_) {
            const auto cle = std::pair{r.ancien, r.recent};
            const auto it = choisies.find(cle);
            if (it == choisies.end() || rang(r.principe) < rang(it->second.principe)) choisies[cle] = std::move(r);
        }
        for (auto& [cle, r] : choisies) c_.relations.push_back(std::move(r));
        RetirerEchangesSansEffet();
        for (const Relation& r : c_.relations)
            if (c_.Entre(r.recent, r.ancien) != &r) c_.cycle = true;
        c_.cycle = c_.cycle || Cycle();
        c_.visible.assign(r_.lignes.size(), false);
        for (int y = 0; y < r_.hauteurVue; ++y)
            for (int x = 0; x < r_.largeurVue; ++x)
                if (const Formation f = r_.At(x, y); f > 0 && static_cast<std::size_t>(f) < c_.visible.size())
                    c_.visible[static_cast<std::size_t>(f)] = true;
        for (const Relation& r : c_.relations) {
            c_.visible[static_cast<std::size_t>(r.recent)] = true;
            if (r.ancien > 0) c_.visible[static_cast<std::size_t>(r.ancien)] = true;
        }
        // An erosion shows only through its relations, a fold only through them.
        for (std::size_t i = 1; i < c_.visible.size(); ++i) {
            const auto e = r_.evenements[i];
            if (!e || *e == Evenement::Erosion || *e == Evenement::Compression) {
                bool relie = false;
                for (const Relation& r : c_.relations)
                    relie = relie || r.ancien == static_cast<int>(i) || r.recent == static_cast<int>(i);
                c_.visible[i] = relie;
            }
        }
        c_.lue = true;
    }

    bool Cycle() const {
        // Kahn: a cycle leaves some event with a predecessor.
        std::map<int, int> entrees;
        for (const Relation& r : c_.relations) {
            ++entrees[r.recent];
            entrees.emplace(r.ancien, 0);
        }
        std::vector<int> libres;
        for (const auto& [n, d] : entrees)
            if (d == 0) libres.push_back(n);
        std::size_t vus = 0;
        while (!libres.empty()) {
            const int a = libres.back();
            libres.pop_back();
            ++vus;
            for (const Relation& r : c_.relations)
                if (r.ancien == a && --entrees[r.recent] == 0) libres.push_back(r.recent);
        }
        return vus != entrees.size();
    }

    // A relation X < Y that the picture cannot tell from Y < X: the list
    // replayed with Y moved to just before X gives the very same view
    // (byte for byte), so a pupil who swaps them is not wrong. Such a pair
    // is left undated.
    void RetirerEchangesSansEffet() {
        if (c_.relations.empty()) return;
        Section s;
        s.tex = textures_;
        const auto vue = [&](const Liste& l) {
            InitSection(s);
            Rejouer(s, l);
            AfficheProfil(s);
            return s.Visu;
        };
        const Raster cible = vue(r_.lignes);
        std::vector<Relation> gardees;
        for (Relation& r : c_.relations) {
            if (r.ancien <= 0 || r.recent <= 0) {
                gardees.push_back(std::move(r));
                continue;
            }
            Liste l = r_.lignes;
            const auto y = l[static_cast<std::size_t>(r.recent)];
            l.erase(l.begin() + r.recent);
            const int x = r.ancien < r.recent ? r.ancien : r.ancien - 1;
            l.insert(l.begin() + x, y);
            // Y already just before X, or two like lines next to each other:
            // the list is the same, and says nothing of the pair.
            if (l == r_.lignes || !(vue(l) == cible)) gardees.push_back(std::move(r));
        }
        c_.relations = std::move(gardees);
    }

    const Releve& r_;
    const Textures& textures_;
    Chronologie c_;
    std::vector<Relation> candidats_;
    std::map<Paire, Temoins> repose_;   // (lower, upper): upper rests on lower
    std::map<Paire, Temoins> coupe_;    // (formation, trace)
    std::map<Paire, Temoins> touche_;   // (formation, intrusion)
    std::map<std::pair<Formation, int>, Temoins> bandes_;  // (intrusion, band of the starting series)
    std::map<Paire, Temoins> gauche_, droite_;  // (formation, trace): rows where it lies beside the trace
    std::map<std::pair<int, Formation>, std::map<Formation, Temoins>> surErosion_;  // (erosion, upper) -> lower
    std::map<std::pair<Paire, int>, std::vector<std::int16_t>> plis_;  // ((a, b), fold) -> offsets by column
    std::map<int, std::set<Formation>> deformees_;
    std::map<std::pair<int, Formation>, Temoins> plisses_;  // (fold, formation)
    std::map<Paire, Temoins> sousLigne_;  // (formation, erosion line): the line lies on it
    std::map<int, std::vector<Paire>> pairesPliees_;
};

}  // namespace

Chronologie LireChronologie(const Textures& textures, const Liste& lignes) {
    Chronologie c;
    int evenements = 0;
    for (std::size_t i = 1; i < lignes.size(); ++i) evenements += EvenementDeLigne(lignes[i]).has_value();
    if (evenements > kEvenementsChronologieMax) return c;
    Releve r;
    if (!Relever(textures, lignes, r)) return c;
    return Lecteur(r, textures).Lire();
}

Chronologie LireChronologie(const Releve& r, const Textures& textures) {
    int evenements = 0;
    for (std::size_t i = 1; i < r.lignes.size(); ++i) evenements += EvenementDeLigne(r.lignes[i]).has_value();
    if (evenements > kEvenementsChronologieMax) return {};
    return Lecteur(r, textures).Lire();
}

Chronologie LireChronologie(const Session& s) { return LireChronologie(s.textures(), s.liste()); }

}  // namespace section
