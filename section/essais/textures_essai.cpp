// SPDX-License-Identifier: GPL-3.0-or-later
#include "textures_essai.h"

#include <unistd.h>

#include <algorithm>

#include "section/fichiers.h"

namespace section::test {

Raster Bandes(int w, int h, Couleur a, Couleur b, int pas) {
    Raster r(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) r.row(y)[x] = (y / pas) % 2 ? a : b;
    return r;
}

Raster Disque(int w, int h, bool masque, Couleur couleur) {
    Raster r(w, h, masque ? kNoir : kBlanc);
    const long long cx = w / 2, cy = h / 2, r2 = std::min(cx, cy) * std::min(cx, cy);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= r2) r.row(y)[x] = masque ? kBlanc : couleur;
    return r;
}

Textures TexturesSimples(int w, int h) {
    Textures t;
    t.ImSedim1 = Bandes(w, h / 3 + 1, Rgb(200, 160, 90), Rgb(120, 90, 60), 7);
    t.ImSedim2 = Bandes(w, 12, Rgb(230, 200, 120), Rgb(210, 180, 100), 3);
    t.ImSedim3 = Bandes(w, h, Rgb(180, 180, 160), Rgb(160, 160, 140), 5);
    t.ImGranit = Disque(w / 4, h / 2, false, Rgb(240, 120, 170));
    t.ImGranit0 = Disque(w / 4, h / 2, true, 0);
    t.ImCoulee = Disque(w / 3, 30, false, Rgb(60, 60, 60));
    t.ImCoulee0 = Disque(w / 3, 30, true, 0);
    return t;
}

Textures TexturesUnies(int w, int h) {
    Textures t;
    t.ImSedim1 = Raster(w, h / 3, Rgb(120, 90, 60));
    t.ImSedim2 = Raster(w, 12, Rgb(230, 200, 120));
    t.ImSedim3 = Raster(w, h, Rgb(180, 180, 160));
    t.ImGranit = Raster(w / 4, h / 2, Rgb(240, 120, 170));
    t.ImGranit0 = Raster(w / 4, h / 2, kBlanc);
    t.ImCoulee = Raster(w / 3, 30, Rgb(60, 60, 60));
    t.ImCoulee0 = Raster(w / 3, 30, kBlanc);
    return t;
}

namespace {

// Bands of a random height with, when `taches`, a few stray blue and red
// pixels: holes and base-band marks.
Raster BandesTachees(Alea& a, int w, int h, bool taches) {
    Raster r = Bandes(w, h, Rgb(200, 160, 90), Rgb(120, 90, 60), a.Entier(1, 25));
    if (taches) {
        for (int n = a.Entier(0, 12); n > 0; --n)
            r.row(a.Entier(0, h - 1))[a.Entier(0, w - 1)] = a.Entier(0, 1) ? kBleu : kRouge;
    }
    return r;
}

}  // namespace

Textures TexturesDessinees(Alea& a, int w, int h) {
    const bool bizarre = a.Entier(0, 2) == 0;
    auto autre = [&](int v) { return bizarre && a.Entier(0, 1) ? a.Entier(1, 2 * v + 10) : v; };
    Textures t;
    t.ImSedim1 = BandesTachees(a, w, bizarre && a.Entier(0, 3) == 0 ? a.Entier(1, h + 40) : a.Entier(1, h), bizarre);
    t.ImSedim2 = BandesTachees(a, autre(w), a.Entier(1, 60), bizarre);
    t.ImSedim3 = BandesTachees(a, autre(w), h, bizarre);
    const int gw = a.Entier(1, w), gh = a.Entier(1, h);
    t.ImGranit = Disque(gw, gh, false, Rgb(240, 120, 170));
    t.ImGranit0 = Disque(autre(gw), autre(gh), true, 0);
    const int cw = a.Entier(1, w), ch = a.Entier(1, h + 60);
    t.ImCoulee = Disque(cw, ch, false, Rgb(60, 60, 60));
    t.ImCoulee0 = Disque(autre(cw), autre(ch), true, 0);
    return t;
}

std::optional<Textures> TexturesDe(const std::string& dossier) {
    Textures t;
    int fautif = -1;
    if (ChargerTextures(dossier, t, fautif) != ErreurFichier::Aucune) return std::nullopt;
    return t;
}

std::optional<Textures> TexturesLivrees() {
    char exe[4096];
    const ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
    if (n <= 0) return std::nullopt;
    const std::string chemin(exe, static_cast<std::size_t>(n));
    return TexturesDe(chemin.substr(0, chemin.rfind('/')) + "/Base");
}

Liste ListeDeCodes(std::string_view codes) {
    Liste l{Ligne(kLigneInitiale)};
    for (const char c : codes) l.emplace_back(kEvenements.at(std::string_view("SVEPCHD").find(c)).ligne);
    return l;
}

}  // namespace section::test
