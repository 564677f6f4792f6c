// SPDX-License-Identifier: GPL-3.0-or-later
// The rules a texture set must meet: seven pictures with pixels, Couche1
// wider than the hidden margin, and the pictures and their section within
// one pixel budget.
#include "section/textures.h"

namespace section {

namespace {

// Sizes in loading order: Couche1 gives the width, Couche3 the height.
std::optional<DefautTextures> Verifier(const std::array<std::int64_t, 7>& largeurs,
                                       const std::array<std::int64_t, 7>& hauteurs) {
    std::int64_t total = 0;
    for (std::size_t i = 0; i < 7; ++i) {
        if (largeurs[i] <= 0 || hauteurs[i] <= 0) return DefautTextures::Vide;
        total += largeurs[i] * hauteurs[i];
    }
    if (largeurs[0] <= MargeCachee) return DefautTextures::TropEtroite;
    if (total > kBudgetPixels || largeurs[0] * hauteurs[2] > kBudgetPixels) return DefautTextures::TropGrande;
    return std::nullopt;
}

}  // namespace

std::optional<DefautTextures> VerifierEntetes(const std::array<EnteteBmp, 7>& entetes) {
    std::array<std::int64_t, 7> l{}, h{};
    for (std::size_t i = 0; i < 7; ++i) {
        l[i] = entetes[i].largeur;
        h[i] = entetes[i].hauteur;
    }
    return Verifier(l, h);
}

std::optional<DefautTextures> VerifierTextures(const Textures& t) {
    std::array<std::int64_t, 7> l{}, h{};
    for (int i = 0; i < 7; ++i) {
        l[static_cast<std::size_t>(i)] = TextureNumero(t, i).width();
        h[static_cast<std::size_t>(i)] = TextureNumero(t, i).height();
    }
    return Verifier(l, h);
}

}  // namespace section
