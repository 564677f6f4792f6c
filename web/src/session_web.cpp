// SPDX-License-Identifier: GPL-3.0-or-later
// The page's session (session_web.h): textures, events and undo, the list,
// the view, the model picture and the exercise opened.
#include "session_web.h"

#include <algorithm>
#include <utility>

#include "passage.h"
#include "section/bmp.h"
#include "section/disponibilite.h"
#include "section/encodage.h"
#include "section/exercice_session.h"
#include "section/fichiers.h"
#include "section/liste.h"
#include "section/roches.h"
#include "section/textes.h"
#include "section/textures.h"

using emscripten::val;
using passage::Octets;
using passage::Rgba;
using passage::VersRgba;

namespace {

// What loading a list gives the page, for its message.
enum Chargement : int {
    kChargee = 0,
    kIllisible = 1,  // over the line limit, or the section could not be laid
};

}  // namespace

int SessionWeb::DefinirTextures(val fichiers) {
    section::Textures t;
    for (int i = 0; i < 7; ++i) {
        const std::string octets = fichiers[i].as<std::string>();
        std::optional<section::Raster> image = section::LireBmp(octets, section::kBudgetPixels);
        if (!image) return i;
        section::TextureNumero(t, i) = std::move(*image);
    }
    if (section::VerifierTextures(t)) return 7;
    session_.DefinirTextures(std::move(t));
    session_.Reinitialiser();
    return session_.Prete() ? -1 : 7;
}

std::optional<section::Evenement> SessionWeb::Connu(section::Evenement e) {
    return section::EvenementDeTag(section::Tag(e));
}

void SessionWeb::Appliquer(section::Evenement e) {
    if (const std::optional<section::Evenement> connu = Connu(e)) session_.Appliquer(*connu);
}

bool SessionWeb::Disponible(section::Evenement e) const {
    const std::optional<section::Evenement> connu = Connu(e);
    return connu && session_.RaisonRefus(*connu).empty();
}

std::string SessionWeb::Raison(section::Evenement e) const {
    const std::optional<section::Evenement> connu = Connu(e);
    if (!connu) return {};
    const std::string_view r = session_.RaisonRefus(*connu);
    return r.empty() ? std::string() : section::TexteRaison(r);
}

void SessionWeb::MarquerEnregistre() {
    listeEnregistree_ = session_.liste();
    ordreEnregistre_ = exercice_.Ordre();
}

std::string SessionWeb::QuestionAbandon() const {
    return ::QuestionAbandon(session_.liste(), listeEnregistree_, exercice_.Ordre(), ordreEnregistre_,
                             exercice_.Ouvert());
}

int SessionWeb::ChargerListe(const std::string& octets) {
    section::Liste lignes;
    if (octets.size() > section::kOctetsListeMax ||
        section::LignesDeListe(octets, lignes) != section::ErreurFichier::Aucune) {
        session_.Reinitialiser();
        return kIllisible;
    }
    session_.Charger(std::move(lignes));
    return kChargee;
}

val SessionWeb::Lignes() const {
    val lignes = val::array();
    for (const section::Ligne& l : session_.liste()) lignes.call<void>("push", section::Utf8DeLigne(l));
    return lignes;
}

val SessionWeb::TexteListe() {
    tampon_ = section::TexteListe(session_.liste());
    return Octets(tampon_);
}

val SessionWeb::VueRgba() {
    const section::Raster& v = session_.vue();
    VersRgba(v, v.width(), v.height(), rgba_);
    return Rgba(rgba_);
}

val SessionWeb::VueBmp() {
    tampon_ = section::EcrireBmp(session_.vue());
    return Octets(tampon_);
}

bool SessionWeb::ChargerModele(const std::string& octets) {
    std::optional<section::Raster> image = section::LireBmp(octets, section::kBudgetPixels);
    if (!image || image->empty()) return false;
    modele_ = std::move(*image);
    modeleDeLExercice_ = false;
    return true;
}

val SessionWeb::ModeleRgba(bool roches) {
    const int l = std::min(modele_.width(), std::max(session_.vue().width(), 0));
    const int h = std::min(modele_.height(), std::max(session_.vue().height(), 0));
    if (roches && modeleDeLExercice_ && exercice_.Ouvert()) {
        const section::Raster r = section::VueRoches(exercice_.Modele());
        if (r.width() >= l && r.height() >= h) {
            VersRgba(r, l, h, rgba_);
            return Rgba(rgba_);
        }
    }
    VersRgba(modele_, l, h, rgba_);
    return Rgba(rgba_);
}

int SessionWeb::LargeurModeleVisible() const { return std::min(modele_.width(), session_.vue().width()); }
int SessionWeb::HauteurModeleVisible() const { return std::min(modele_.height(), session_.vue().height()); }

std::string SessionWeb::OuvrirExercice(const std::string& nom, const std::string& octets) {
    if (std::string raison = exercice_.Ouvrir(nom, octets, session_); !raison.empty()) return raison;
    modele_ = exercice_.Cible();
    modeleDeLExercice_ = true;
    MarquerEnregistre();
    return {};
}

std::string SessionWeb::OuvrirLien(const std::string& texte) {
    if (std::string raison = exercice_.OuvrirLien(texte, session_); !raison.empty()) return raison;
    modele_ = exercice_.Cible();
    modeleDeLExercice_ = true;
    MarquerEnregistre();
    return {};
}

bool SessionWeb::OuvrirPrepare() {
    if (!exercice_.OuvrirPrepare(session_)) return false;
    modele_ = exercice_.Cible();
    modeleDeLExercice_ = true;
    MarquerEnregistre();
    return true;
}

val SessionWeb::VueExerciceRgba(bool roches) {
    const section::Raster& v = exercice_.Modele().vue();
    if (roches) {
        const section::Raster r = section::VueRoches(exercice_.Modele());
        if (r.width() == v.width() && r.height() == v.height()) {
            VersRgba(r, r.width(), r.height(), rgba_);
            return Rgba(rgba_);
        }
    }
    VersRgba(v, v.width(), v.height(), rgba_);
    return Rgba(rgba_);
}

val SessionWeb::Fiche(int i) {
    val f = enseignant_.Fiche(i);
    if (f.hasOwnProperty("titre")) {
        const section::VueLegende& v = enseignant_.LegendeSerie();
        f.set("etiquettes", EtiquettesDe(v));
        f.set("legende", LegendeDe(enseignant_.SessionSerie(), v));
        f.set("structures", StructuresDe(v));
    }
    return f;
}

std::string SessionWeb::EtatJson() const { return section::EtatJson(session_.Etat()); }
