// SPDX-License-Identifier: GPL-3.0-or-later
#include "aleatoire.h"

#include <algorithm>

#include "section/evenements.h"

namespace section::test {

// Rock colours; blue and red only now and then, as holes and band pixels.
Couleur Roche(Alea& a, double bleu, double rouge) {
    static constexpr Couleur kPalette[] = {Rgb(194, 178, 128), Rgb(120, 90, 60), kNoir,
                                           Rgb(90, 140, 80),   kBlanc,           Rgb(200, 200, 190),
                                           Rgb(0, 0, 254),     Rgb(255, 0, 1)};
    if (a.Pile(bleu)) return kBleu;
    if (a.Pile(rouge)) return kRouge;
    return kPalette[a.Entier(0, 7)];
}

// Bands of colour with noise, so that a pixel moved by one row or column
// shows.
Raster Texture(Alea& a, int w, int h, double bleu) {
    Raster r(w, h);
    Couleur bande = Roche(a);
    for (int y = 0; y < h; ++y) {
        if (a.Pile(0.2)) bande = Roche(a);
        for (int x = 0; x < w; ++x) r.row(y)[x] = a.Pile(0.3) ? Roche(a, bleu) : bande;
    }
    return r;
}

// A body: inside a random ellipse the mask is white and the picture
// coloured, outside black and white; now and then other pairs.
void Corps(Alea& a, int w, int h, Raster& masque, Raster& image) {
    masque.Reset(w, h, kNoir);
    image.Reset(w, h, kBlanc);
    const double cx = w / 2.0, cy = h / 2.0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double u = (x - cx) / (w / 2.0), v = (y - cy) / (h / 2.0);
            if (u * u + v * v <= 1.0 || a.Pile(0.02)) {
                masque.row(y)[x] = a.Pile(0.05) ? Roche(a) : kBlanc;
                image.row(y)[x] = Roche(a);
            }
        }
}

Textures TexturesAleatoires(Alea& a, int w, int h) {
    Textures t;
    t.ImSedim1 = Texture(a, w, a.Entier(1, std::max(1, h / 2)));
    t.ImSedim2 = Texture(a, a.Entier(1, w + 40), a.Entier(1, 60));
    t.ImSedim3 = Texture(a, a.Pile(0.8) ? w : a.Entier(1, w + 40),
                         a.Pile(0.8) ? h : a.Entier(1, h + 40), a.Pile(0.2) ? 0.01 : 0.0);
    const int gw = a.Entier(1, std::max(1, w / 3)), gh = a.Entier(1, h);
    Corps(a, gw, gh, t.ImGranit0, t.ImGranit);
    const int cw = a.Entier(1, std::max(1, w / 3)), ch = a.Entier(1, h + 60);
    Corps(a, cw, ch, t.ImCoulee0, t.ImCoulee);
    if (a.Pile(0.1)) t.ImGranit0 = Texture(a, a.Entier(1, gw + 5), a.Entier(1, gh + 5));
    if (a.Pile(0.1)) t.ImCoulee = Texture(a, a.Entier(1, cw + 5), a.Entier(1, ch + 5));
    return t;
}

// Sky above a wandering surface, banded rock below, with holes, red
// pixels and blobs of rock hanging in the sky.
Section SectionAleatoire(Alea& a, int w, int h) {
    Section s;
    s.tex = TexturesAleatoires(a, w, h);
    s.Observe.Reset(w, h, kBleu);
    s.Visu.Reset(w - MargeCachee, HauteurVue);
    int surface = a.Entier(0, h);
    const double rouge = a.Pile(0.5) ? 0.001 : 0.0;
    for (int x = 0; x < w; ++x) {
        surface = std::clamp(surface + a.Entier(-3, 3) + (a.Pile(0.02) ? a.Entier(-40, 40) : 0), 0, h);
        for (int y = surface; y < h; ++y) s.Observe.row(y)[x] = Roche(a, 0.0, rouge);
    }
    for (int n = a.Entier(0, 6); n > 0; --n) {
        const int l = a.Entier(-5, w), t = a.Entier(-5, h);
        s.Observe.BrushColor = a.Pile(0.7) ? kBleu : Roche(a);
        s.Observe.FillRect({l, t, l + a.Entier(1, 40), t + a.Entier(1, 25)});
    }
    if (a.Pile(0.3)) {
        s.Observe.BrushColor = kRouge;
        s.Observe.FillRect({0, h - Rejet, w, h});
    }
    s.Observe.CopyMode = a.Pile(0.9) ? ModeCopie::Copie : a.Pile(0.5) ? ModeCopie::Ou : ModeCopie::Et;
    s.Observe.BrushColor = a.Pile(0.5) ? kBleu : Roche(a);
    MesureSurface(s);
    if (a.Pile(0.15)) {
        s.SurfaceBas = a.Entier(-20, h + 40);
        s.SurfaceHaut = a.Pile(0.5) ? s.SurfaceBas - 1 : a.Entier(-20, h + 40);
    }
    const double facteurs[] = {1.0, 1.75, 0.4, 2.6};
    s.FacteurPli = facteurs[a.Pile(0.8) ? a.Entier(0, 1) : a.Entier(2, 3)];
    s.FacteurPliPrec = a.Pile(0.9) ? facteurs[a.Entier(0, 1)] : 0.0;
    return s;
}

// A size: mostly one a learner's textures would give, sometimes a tiny one.
void Taille(Alea& a, int& w, int& h) {
    if (a.Pile(0.8)) {
        w = a.Entier(300, 700);
        h = a.Entier(40, 620);
    } else {
        w = a.Entier(1, 80);
        h = a.Entier(1, 80);
    }
}

void PlanAleatoire(Alea& a, Raster& r) {
    r.ActiverFormations();
    Formation bande = a.Entier(0, 30);
    for (int y = 0; y < r.height(); ++y) {
        if (a.Pile(0.2)) bande = a.Pile(0.1) ? kSansFormation : a.Entier(0, 30);
        for (int x = 0; x < r.width(); ++x)
            r.ligneFormations(y)[x] = a.Pile(0.2) ? a.Entier(-1, 30) : bande;
    }
    r.FormationCourante = a.Entier(0, 40);
}

}  // namespace section::test
