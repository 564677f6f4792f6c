// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a section could have formed as its list says, checked at each
// step of the replay rather than on the final picture only:
//   - a granite cools at depth: right after a Plutonisme, no pixel of the
//     new granite touches the sky (or a hole) by a side, anywhere in the
//     section;
//   - a layer or a lava flow rests on a granite only once an erosion has
//     cut that granite (removed some of its pixels): nothing is laid on a
//     granite that never reached the surface.
// The series never draws a list that breaks these; "Créer un exercice" and
// the renderer's --make-exercise warn by the same rule (EvaluerLisibilite).
#pragma once

#include <vector>

#include "section/session.h"

namespace section {

struct Invraisemblance {
    enum class Genre {
        Aucune,
        GraniteAuJour,   // the granite of line `ligne` touches the sky as it is laid
        ReposeSurGranite,  // line `ligne` (layer or flow) rests on the uncut granite `granite`
    };
    Genre genre = Genre::Aucune;
    int ligne = -1;
    int granite = -1;
    explicit operator bool() const { return genre != Genre::Aucune; }
};

// Follows a replay one event at a time on a section with its formation
// plane. Call Avant before each event's operations, Apres after them, with
// the index of its list line; lines must come in order.
class SuiviVraisemblance {
public:
    void Avant(const Section& s, Evenement e);
    Invraisemblance Apres(const Section& s, int ligne, Evenement e);

private:
    std::vector<Formation> avant_;          // the plane before the event, when the event needs it
    std::vector<bool> granite_, entaille_;  // by line: a granite, cut by an erosion
};

// The first step of `lignes` replayed on `textures` that breaks the rules
// above; Genre::Aucune when none does or no section can be made.
Invraisemblance PremiereInvraisemblance(const Textures& textures, const Liste& lignes);

}  // namespace section
