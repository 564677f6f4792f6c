// SPDX-License-Identifier: GPL-3.0-or-later
// What each formation of the view is, for the legend a pupil reads: the
// rock or the trace an event lays, the kind of event that laid it, and a
// tint that tells formations of the same rock apart. Never the rank of the
// event in the list: the legend must not give the order away.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "section/evenements.h"
#include "section/formations.h"

namespace section {

// What one line of the list lays.
enum class Depot : std::uint8_t {
    Aucun,             // a line that is no event
    SerieDeDepart,     // the base layer of the reset
    Gres,              // a sedimentation on a flat surface (Couche2)
    Craie,             // a sedimentation that fills a relief (Couche3)
    Basalte,           // the lava flow and its feeder dyke
    Granite,           // the pluton
    SurfaceErosion,    // the cut line an erosion draws
    Chevauchement,     // the thrust ramp and its red band
    Failles,           // the fault traces of a distension
    Pli,               // a compression lays nothing of its own
};

// The deposit of an event, given whether the surface is flat just before
// it (only a sedimentation depends on it).
Depot DepotDe(Evenement e, bool surfacePlane);

// In the current language (see textes.h), French without a translator.
struct DescriptionDepot {
    std::string roches;   // UTF-8: the rock types, or what the trace is
    std::string origine;  // UTF-8: the kind of event that laid it
};
DescriptionDepot Decrire(Depot d);

// A tint per letter: distinct colours, by the letter's rank, not by age.
Couleur TeinteDeRang(int rang);

struct EntreeLegende {
    Formation formation;
    std::string lettre;
    Depot depot;
    Couleur teinte;
    int pixels;  // in the block
};
// One entry per formation of the block, by letter; `depots` gives the
// deposit of each formation index (a missing one counts as Aucun).
std::vector<EntreeLegende> Legende(const PlanFormations& p, const std::vector<Depot>& depots);

// "A : calcaire, argile, conglomérat (série de départ, sédimentaire)",
// UTF-8, in the current language (see textes.h).
std::string TexteLegende(const EntreeLegende& e);

}  // namespace section
