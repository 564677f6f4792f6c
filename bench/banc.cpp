// SPDX-License-Identifier: GPL-3.0-or-later
#include "banc.h"

#include <optional>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>

#include "textures_essai.h"

namespace banc {

std::string Taille::Nom() const { return std::to_string(largeur) + "x" + std::to_string(hauteur); }

const section::Textures& TexturesPour(const Taille& t) {
    static std::map<std::string, section::Textures> chargees;
    const std::string nom = t.Nom();
    auto it = chargees.find(nom);
    if (it != chargees.end()) return it->second;
    const std::string dossier = std::string(STRATALOOM_BENCH_TEXTURES "/") + nom;
    std::optional<section::Textures> lues = section::test::TexturesDe(dossier);
    if (!lues) {
        std::fprintf(stderr, "strataloom_bench: cannot load the textures of %s\n", dossier.c_str());
        std::exit(EXIT_FAILURE);
    }
    section::Textures tex = std::move(*lues);
    if (tex.ImSedim1.width() != t.largeur || tex.ImSedim3.height() != t.hauteur) {
        std::fprintf(stderr, "strataloom_bench: %s does not hold textures for %s\n",
                     dossier.c_str(), nom.c_str());
        std::exit(EXIT_FAILURE);
    }
    return chargees.emplace(nom, std::move(tex)).first->second;
}

std::vector<section::Evenement> EvenementsDe(Etat e) {
    switch (e) {
    case Etat::Plat: return {E::Sedimentation, E::Sedimentation};
    case Etat::Plisse: return {E::Sedimentation, E::Sedimentation, E::Compression};
    case Etat::Rempli: return {E::Sedimentation, E::Sedimentation, E::Compression, E::Sedimentation};
    }
    return {};
}

const char* NomEtat(Etat e) {
    switch (e) {
    case Etat::Plat: return "plat";
    case Etat::Plisse: return "plisse";
    case Etat::Rempli: return "rempli";
    }
    return "";
}

bool SuivreFormations() { return std::getenv("STRATALOOM_BENCH_SANS_FORMATIONS") == nullptr; }

section::Session SessionApres(const Taille& t, const std::vector<section::Evenement>& evenements) {
    section::Session a;
    a.SuivreFormations(SuivreFormations());
    a.DefinirTextures(TexturesPour(t));
    a.Reinitialiser();
    for (const section::Evenement e : evenements) a.Appliquer(e);
    return a;
}

namespace {

void CopierPixels(section::Raster& r, const section::Raster& ref) {
    if (r.width() != ref.width() || r.height() != ref.height()) {
        r.ReplacePicture(ref);
    } else {
        std::memcpy(r.data(), ref.data(), ref.size() * sizeof(section::Couleur));
    }
    r.CopyMode = ref.CopyMode;
    r.BrushColor = ref.BrushColor;
    r.PenColor = ref.PenColor;
}

}  // namespace

void Restaurer(section::Section& s, const section::Section& ref) {
    CopierPixels(s.Observe, ref.Observe);
    s.SurfaceBas = ref.SurfaceBas;
    s.SurfaceHaut = ref.SurfaceHaut;
    s.FacteurPli = ref.FacteurPli;
    s.FacteurPliPrec = ref.FacteurPliPrec;
}

section::Liste ListeRealiste(const Taille& t, int n) {
    // Build up, fold, level, cut, intrude, thrust; distension last.
    static constexpr E kCycle[] = {E::Sedimentation, E::Compression,   E::Sedimentation, E::Erosion,
                                   E::Volcanisme,    E::Sedimentation, E::Plutonisme,    E::Erosion,
                                   E::Sedimentation, E::Chevauchement, E::Sedimentation, E::Erosion,
                                   E::Distension};
    constexpr int kLongueur = static_cast<int>(sizeof kCycle / sizeof kCycle[0]);
    section::Session a = SessionApres(t, {});
    int p = 0;
    for (int i = 0; i < n; ++i) {
        const bool distensionPermise = 10 * i >= 9 * n;
        std::optional<E> choisi;
        for (int k = 0; k < kLongueur && !choisi; ++k) {
            const E e = kCycle[(p + k) % kLongueur];
            if (e == E::Distension && !distensionPermise) continue;
            if (a.Disponible(e)) {
                choisi = e;
                p = (p + k + 1) % kLongueur;
            }
        }
        a.Appliquer(choisi.value_or(E::Distension));  // never disabled
    }
    return a.liste();
}

const section::Session& EtatReference(const Taille& t, Etat e) {
    static std::string cle;
    static section::Session etat;
    const std::string voulue = t.Nom() + "/" + NomEtat(e);
    if (voulue != cle) {
        etat = SessionApres(t, EvenementsDe(e));
        cle = voulue;
    }
    return etat;
}

const section::Section& SectionReference(const Taille& t, Etat e, bool plier) {
    static std::string cle;
    static section::Section etat;
    const std::string voulue = t.Nom() + "/" + NomEtat(e) + (plier ? "/plie" : "");
    if (voulue != cle) {
        etat = EtatReference(t, e).section();
        if (plier) section::Plisser(etat);
        cle = voulue;
    }
    return etat;
}

}  // namespace banc
