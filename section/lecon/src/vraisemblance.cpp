// SPDX-License-Identifier: GPL-3.0-or-later
// Plausibility at each step of a replay, read on the formation plane.
#include "section/vraisemblance.h"

#include <algorithm>
#include <optional>

#include "section/liste.h"
#include "section/textures.h"

namespace section {

namespace {

bool Depose(Evenement e) { return e == Evenement::Sedimentation || e == Evenement::Volcanisme; }

}  // namespace

void SuiviVraisemblance::Avant(const Section& s, Evenement e) {
    avant_.clear();
    const Formation* plan = s.Observe.formations();
    if (plan == nullptr || !(Depose(e) || e == Evenement::Erosion)) return;
    // Without a granite laid so far there is nothing to follow.
    if (std::find(granite_.begin(), granite_.end(), true) == granite_.end()) return;
    avant_.assign(plan, plan + s.Observe.size());
}

// After a Plutonisme: a side of the new granite on the sky.
//
//      sky  ~~~~~~~~~~~~~~~~~          sky  ~~~~~~~~\   /~~~~~~
//      ===================            =======\  +--+--+  /====
//      =====  +-----+  ===    good     ==== bad | granite |
//      =====  | gr. |  ===                      +---------+
//
// After a Sedimentation or a Volcanisme: a pixel laid where there was sky
// (the layer, or the flow above the old surface; not the feeder, which
// cuts through rock) right above a granite no erosion has cut.
//
// After an Erosion: every granite that lost a pixel to the cut is cut.
Invraisemblance SuiviVraisemblance::Apres(const Section& s, int ligne, Evenement e) {
    Invraisemblance r;
    const Raster& o = s.Observe;
    const Formation* plan = o.formations();
    if (plan == nullptr || ligne < 1) return r;
    const std::size_t n = static_cast<std::size_t>(ligne) + 1;
    if (granite_.size() < n) {
        granite_.resize(n, false);
        entaille_.resize(n, false);
    }
    const std::size_t i = static_cast<std::size_t>(ligne);
    granite_[i] = e == Evenement::Plutonisme;
    entaille_[i] = false;
    const int w = o.width(), h = o.height();
    const auto at = [&](int x, int y) { return plan[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x)]; };
    const auto graniteIntact = [&](Formation f) {
        return f > 0 && static_cast<std::size_t>(f) < granite_.size() && granite_[static_cast<std::size_t>(f)] &&
               !entaille_[static_cast<std::size_t>(f)];
    };
    if (e == Evenement::Plutonisme) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                if (at(x, y) != ligne) continue;
                const bool ciel = (y > 0 && at(x, y - 1) < 0) || (y + 1 < h && at(x, y + 1) < 0) ||
                                  (x > 0 && at(x - 1, y) < 0) || (x + 1 < w && at(x + 1, y) < 0);
                if (ciel) {
                    r.genre = Invraisemblance::Genre::GraniteAuJour;
                    r.ligne = ligne;
                    r.granite = ligne;
                    return r;
                }
            }
        return r;
    }
    if (avant_.size() != o.size()) return r;
    const auto avant = [&](int x, int y) {
        return avant_[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x)];
    };
    if (e == Evenement::Erosion) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const Formation f = avant(x, y);
                if (f > 0 && static_cast<std::size_t>(f) < granite_.size() && granite_[static_cast<std::size_t>(f)] &&
                    at(x, y) != f)
                    entaille_[static_cast<std::size_t>(f)] = true;
            }
        return r;
    }
    if (!Depose(e)) return r;
    for (int y = 0; y + 1 < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (at(x, y) != ligne || avant(x, y) >= 0) continue;
            const Formation dessous = at(x, y + 1);
            if (graniteIntact(dessous)) {
                r.genre = Invraisemblance::Genre::ReposeSurGranite;
                r.ligne = ligne;
                r.granite = dessous;
                return r;
            }
        }
    return r;
}

Invraisemblance PremiereInvraisemblance(const Textures& textures, const Liste& lignes) {
    if (VerifierTextures(textures).has_value() || lignes.empty()) return {};
    Section s;
    s.tex = textures;
    s.Observe.ActiverFormations();
    InitSection(s);
    SuiviVraisemblance suivi;
    for (std::size_t i = 1; i < lignes.size(); ++i) {
        const std::optional<Evenement> e = EvenementDeLigne(lignes[i]);
        if (!e) continue;
        s.DebuterEvenement(static_cast<Formation>(i));
        suivi.Avant(s, *e);
        RejouerLigne(s, lignes[i]);
        if (const Invraisemblance r = suivi.Apres(s, static_cast<int>(i), *e)) return r;
    }
    return {};
}

}  // namespace section
