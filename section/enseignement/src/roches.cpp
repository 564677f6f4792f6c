// SPDX-License-Identifier: GPL-3.0-or-later
// The rocks' figurés and the rock view. Each figuré is black ink on a light
// tint, drawn by a rule on the tile's coordinates rather than stored: every
// sub-period divides the tile's side, so tiles join without a seam. The inks
// all differ, so a black-and-white copy still tells the rocks apart.
#include "section/roches.h"

#include <algorithm>
#include <cstdlib>

#include "section/json.h"
#include "section/formations.h"
#include "section/session.h"

namespace section {

Roche RocheDe(Depot d) {
    switch (d) {
    case Depot::Calcaire:
    case Depot::CalcaireDeCouche: return Roche::Calcaire;
    case Depot::Argile:
    case Depot::ArgileDeCouche: return Roche::Argile;
    case Depot::Conglomerat: return Roche::Conglomerat;
    case Depot::Gres: return Roche::Gres;
    case Depot::Sable: return Roche::Sable;
    case Depot::Marne: return Roche::Marne;
    case Depot::Craie: return Roche::Craie;
    case Depot::Basalte: return Roche::Basalte;
    case Depot::Granite: return Roche::Granite;
    default: return Roche::Aucune;
    }
}

Couleur TeinteRoche(Roche r) {
    switch (r) {
    case Roche::Aucune: break;
    case Roche::Calcaire: return Rgb(176, 206, 234);     // blue-grey
    case Roche::Argile: return Rgb(186, 200, 160);       // grey-green
    case Roche::Conglomerat: return Rgb(222, 180, 140);  // brown
    case Roche::Gres: return Rgb(240, 196, 110);         // ochre
    case Roche::Sable: return Rgb(252, 238, 170);        // pale yellow
    case Roche::Marne: return Rgb(204, 214, 196);        // grey
    case Roche::Craie: return Rgb(248, 248, 240);        // white
    case Roche::Basalte: return Rgb(150, 176, 140);      // dark green
    case Roche::Granite: return Rgb(240, 172, 182);      // pink
    }
    return kBlanc;
}

namespace {

int Mod(int v, int m) {
    const int r = v % m;
    return r < 0 ? r + m : r;
}

// Whether the tile's pixel (x, y), 0 <= x, y < kCoteFigure, is ink.
bool Encre(Roche r, int x, int y) {
    switch (r) {
    case Roche::Aucune: return false;
    case Roche::Calcaire:
        // Bricks 12 high and 24 long, each course shifted half a brick.
        return y % 12 == 0 || x == (y < 12 ? 0 : 12);
    case Roche::Argile:
        // Fine dashes 8 long every 4 rows, each row shifted: a continuous
        // lamination.
        return y % 4 == 1 && (x + (y / 4) * 6) % 12 < 8;
    case Roche::Conglomerat: {
        // Two pebbles, ringed: a circle of radius 4 and one of radius 3.
        const auto anneau = [&](int cx, int cy, int r2min, int r2max) {
            const int d = (x - cx) * (x - cx) + (y - cy) * (y - cy);
            return d >= r2min && d <= r2max;
        };
        return anneau(6, 6, 12, 20) || anneau(17, 17, 6, 12) || anneau(19, 4, 1, 4);
    }
    case Roche::Gres:
        // Dense dots: one every 4 pixels, rows 4 apart, shifted half.
        return y % 4 == 1 && (x + (y / 4 % 2) * 2) % 4 == 1;
    case Roche::Sable:
        // Sparse dots: one every 8 pixels, rows 6 apart, shifted half.
        return y % 6 == 2 && (x + (y / 6 % 2) * 4) % 8 == 3;
    case Roche::Marne:
        // A course of broken bricks (short rule, half joints), then a row
        // of dashes.
        if (y < 12) return (y == 0 && x % 12 < 8) || (x % 12 == 4 && y >= 1 && y <= 5);
        return y == 18 && x % 8 < 5;
    case Roche::Craie: {
        // Bricks 12 high, with a black flint nodule in every other brick.
        if (y % 12 == 0 || x == (y < 12 ? 0 : 12)) return true;
        const int dx = x - 18, dy = y - 6;
        return dx * dx * 4 + dy * dy * 9 <= 40;
    }
    case Roche::Basalte: {
        // Small « v » staggered: arms 3 rows deep, 12 apart.
        const int rang = y / 8, ligne = y % 8;
        const int cx = rang % 2 == 0 ? 6 : 18;
        const int dx = std::abs(Mod(x - cx + 12, 24) - 12);
        return ligne >= 2 && ligne <= 5 && dx == 5 - ligne;
    }
    case Roche::Granite: {
        // Crosses « + » staggered, arms 2 long.
        const int cx = y < 12 ? 6 : 18, cy = y < 12 ? 6 : 18;
        const int dx = std::abs(Mod(x - cx + 12, 24) - 12), dy = std::abs(y - cy);
        return (dx == 0 && dy <= 2) || (dy == 0 && dx <= 2);
    }
    }
    return false;
}

}  // namespace

Couleur PixelFigure(Roche r, int x, int y) {
    if (r == Roche::Aucune) return kBlanc;
    return Encre(r, Mod(x, kCoteFigure), Mod(y, kCoteFigure)) ? kNoir : TeinteRoche(r);
}

std::string_view NomRoche(Roche r) {
    switch (r) {
    case Roche::Aucune: break;
    case Roche::Calcaire: return "calcaire";
    case Roche::Argile: return "argile";
    case Roche::Conglomerat: return "conglomérat";
    case Roche::Gres: return "grès";
    case Roche::Sable: return "sable";
    case Roche::Marne: return "marne";
    case Roche::Craie: return "craie à silex";
    case Roche::Basalte: return "basalte";
    case Roche::Granite: return "granite";
    }
    return {};
}

std::string FormationsJson(const VueLegende& v) {
    std::string out = "{\"formations\":[";
    bool premiere = true;
    for (const EntreeLegende& e : v.entrees) {
        if (!premiere) out += ",";
        premiere = false;
        out += "{\"lettre\":";
        ChaineJson(out, e.lettre);
        out += ",\"roche\":";
        ChaineJson(out, e.depot == Depot::SerieDeDepart ? std::string_view("série de départ") : NomRoche(RocheDe(e.depot)));
        out += ",\"ligne\":" + std::to_string(e.formation >= kPremiereBande ? 0 : e.formation) + "}";
    }
    out += "]}\n";
    return out;
}

int Gris(Couleur c) {
    const int r = static_cast<int>(c >> 16 & 0xFF), g = static_cast<int>(c >> 8 & 0xFF), b = static_cast<int>(c & 0xFF);
    return (299 * r + 587 * g + 114 * b + 500) / 1000;
}

Raster VueRoches(const Session& s) { return VueRoches(s, LireVueLegende(s)); }

Raster VueRoches(const Session& s, const VueLegende& v) {
    if (!s.Prete()) return {};
    Raster vue = s.vue();  // the core's picture, its colours copied
    const int w = std::min(v.plan.largeur, vue.width()), h = std::min(v.plan.hauteur, vue.height());
    // The rock of each entry: by list line, then by band.
    std::vector<Roche> parLigne, parBande;
    for (const EntreeLegende& e : v.entrees) {
        const bool bande = e.formation >= kPremiereBande;
        std::vector<Roche>& table = bande ? parBande : parLigne;
        const auto i = static_cast<std::size_t>(bande ? e.formation - kPremiereBande : e.formation);
        if (table.size() <= i) table.resize(i + 1, Roche::Aucune);
        table[i] = RocheDe(e.depot);
    }
    for (int y = 0; y < h; ++y) {
        Couleur* ligne = vue.row(y);
        for (int x = 0; x < w; ++x) {
            const Formation f = v.plan.At(x, y);
            if (f < 0 || (ligne[x] & 0xFFFFFFu) == (kNoir & 0xFFFFFFu)) continue;  // the black lines stay
            const bool bande = f >= kPremiereBande;
            const auto i = static_cast<std::size_t>(bande ? f - kPremiereBande : f);
            const std::vector<Roche>& table = bande ? parBande : parLigne;
            if (i < table.size() && table[i] != Roche::Aucune) ligne[x] = PixelFigure(table[i], x, y);
        }
    }
    // The teeth of a thrust plane: every 36 columns, a black triangle 7
    // rows high on the trace's top pixel, pointing up into the upper block.
    const PlanFormations plan = FormationsDeLaVue(s.section());
    for (const Structure& st : v.structures) {
        if (st.sorte != SorteStructure::Chevauchement) continue;
        for (int x = 12; x < w; x += 36) {
            int haut = -1;
            for (int y = 0; y < h && y < plan.hauteur && x < plan.largeur; ++y)
                if (plan.At(x, y) == st.formation) {
                    haut = y;
                    break;
                }
            if (haut < 0) continue;
            for (int d = 0; d < 7; ++d) {
                const int y = haut - 1 - d, demi = (6 - d) * 2 / 3;
                if (y < 0) break;
                for (int xx = std::max(0, x - demi); xx <= std::min(w - 1, x + demi); ++xx)
                    if (s.vue().Pixels(xx, y) != kBleu) vue.row(y)[xx] = kNoir;
            }
        }
    }
    return vue;
}

}  // namespace section
