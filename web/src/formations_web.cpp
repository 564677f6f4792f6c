// SPDX-License-Identifier: GPL-3.0-or-later
// The page's session (session_web.h), its formations for the "Affichage"
// menu: letters, legend, structures, tints, the rock view and its swatches,
// and the event commands' tooltips. The page draws them over the view,
// never into it.
#include "session_web.h"

#include <algorithm>
#include <utility>

#include "passage.h"
#include "section/formations.h"
#include "section/legende.h"
#include "section/roches.h"
#include "section/textes.h"

using emscripten::val;
using passage::Rgba;
using passage::VersRgba;

val SessionWeb::EtiquettesDe(const section::Session& s) { return EtiquettesDe(section::LireVueLegende(s)); }

val SessionWeb::EtiquettesDe(const section::VueLegende& v) {
    val liste = val::array();
    for (const section::Etiquette& e : v.etiquettes) {
        val o = val::object();
        o.set("lettre", e.lettre);
        o.set("gauche", e.boite.left);
        o.set("haut", e.boite.top);
        o.set("cote", e.boite.right - e.boite.left);
        liste.call<void>("push", o);
    }
    return liste;
}

val SessionWeb::LegendeDe(const section::Session& s) { return LegendeDe(s, section::LireVueLegende(s)); }

val SessionWeb::LegendeDe(const section::Session& s, const section::VueLegende& v) {
    val liste = val::array();
    for (const section::LigneLegende& l : section::LignesLegende(s, v)) {
        val echantillon = val::object();
        if (!l.sansLettre) {
            echantillon.set("gauche", l.carre.left);
            echantillon.set("haut", l.carre.top);
            echantillon.set("cote", l.carre.right - l.carre.left);
        } else {
            echantillon.set("couleur", static_cast<int>(l.couleur));
        }
        val o = val::object();
        o.set("lettre", l.entree.lettre);
        o.set("texte", l.texte);
        o.set("teinte", static_cast<int>(l.entree.teinte & 0xFFFFFFu));
        o.set("sansLettre", l.sansLettre);
        o.set("roche", static_cast<int>(section::RocheDe(l.entree.depot)));
        o.set("echantillon", echantillon);
        liste.call<void>("push", o);
    }
    return liste;
}

val SessionWeb::StructuresDe(const section::Session& s) { return StructuresDe(section::LireVueLegende(s)); }

val SessionWeb::StructuresDe(const section::VueLegende& v) {
    val liste = val::array();
    for (const section::Structure& st : v.structures) {
        val o = val::object();
        o.set("etiquette", st.etiquette);
        o.set("texte", section::TexteStructure(st));
        o.set("sorte", std::string(st.sorte == section::SorteStructure::Faille          ? "faille"
                                   : st.sorte == section::SorteStructure::Chevauchement ? "chevauchement"
                                                                                        : "erosion"));
        o.set("x", st.place.x);
        o.set("y", st.place.y);
        o.set("largeurVue", v.plan.largeur);
        o.set("hauteurVue", v.plan.hauteur);
        liste.call<void>("push", o);
    }
    return liste;
}

std::string SessionWeb::TitreStructures() const { return section::TitreStructures(); }

val SessionWeb::Bulles(section::Evenement e, bool dernier) const {
    val o = val::object();
    const std::optional<section::Evenement> connu = Connu(e);
    if (!connu) return o;
    const section::Bulles b = section::BullesEvenement(*connu, session_.RaisonRefus(*connu), dernier);
    o.set("commande", b.commande);
    o.set("aide", b.aide);
    return o;
}

val SessionWeb::TeintesRgba() {
    const std::vector<std::uint32_t> teintes = section::PlanTeintes(session_);
    const section::Raster& vue = session_.vue();
    rgba_.assign(static_cast<std::size_t>(std::max(vue.width(), 0)) * static_cast<std::size_t>(std::max(vue.height(), 0)),
                 0u);
    // 0xAARRGGBB to the bytes R G B A of a little-endian word.
    for (std::size_t i = 0; i < teintes.size() && i < rgba_.size(); ++i) {
        const std::uint32_t c = teintes[i];
        rgba_[i] = (c & 0xFF00FF00u) | ((c >> 16) & 0xFFu) | ((c & 0xFFu) << 16);
    }
    return Rgba(rgba_);
}

val SessionWeb::RochesRgba() {
    const section::Raster r = section::VueRoches(session_);
    VersRgba(r, std::max(r.width(), 0), std::max(r.height(), 0), rgba_);
    return Rgba(rgba_);
}

val SessionWeb::FigureRgba(int roche, int largeur, int hauteur) {
    largeur = std::clamp(largeur, 1, 256);
    hauteur = std::clamp(hauteur, 1, 256);
    const auto r = static_cast<section::Roche>(std::clamp(roche, 0, static_cast<int>(section::Roche::Granite)));
    std::vector<section::Couleur> px;
    for (int y = 0; y < hauteur; ++y)
        for (int x = 0; x < largeur; ++x) px.push_back(section::PixelFigure(r, x, y));
    VersRgba(section::Raster(largeur, hauteur, std::move(px)), largeur, hauteur, rgba_);
    return Rgba(rgba_);
}
