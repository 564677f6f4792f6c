// SPDX-License-Identifier: GPL-3.0-or-later
// The browser edition's window onto the engine: one section::Session, the
// event table, the list files and the BMP pictures, as the page sees them.
// Everything geological, every rule and every file format stays in
// section/; this file only moves bytes and pixels across to JavaScript.
//
// Bytes cross as Uint8Array: into a std::string (embind copies a typed
// array byte for byte), out through a typed_memory_view of a buffer kept
// here, which the page copies at once. Text for display crosses as UTF-8.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "section/bmp.h"
#include "section/catalogue.h"
#include "section/commandes.h"
#include "section/exercice.h"
#include "section/evenements.h"
#include "section/fichiers.h"
#include "section/formations.h"
#include "section/legende.h"
#include "section/legende_vue.h"
#include "section/session.h"
#include "section/textes.h"
#include "section/textures.h"
#include "section/disponibilite.h"
#include "section/liste.h"
#include "section/encodage.h"
#include "section/note.h"
#include "section/exercice_session.h"
#include "enseignant_web.h"
#include "section/paquet_scorm.h"
#include "exercice_web.h"
#include "section/roches.h"

namespace {

using emscripten::val;

// 0xFFRRGGBB words (bytes B G R FF in memory) to the R G B A bytes of a
// canvas ImageData, a word at a time: on a little-endian machine those
// bytes are the word 0xFFBBGGRR.
void VersRgba(const section::Raster& r, int largeur, int hauteur, std::vector<std::uint32_t>& rgba) {
    rgba.resize(static_cast<std::size_t>(largeur) * static_cast<std::size_t>(hauteur));
    std::uint32_t* o = rgba.data();
    for (int y = 0; y < hauteur; ++y) {
        const section::Couleur* ligne = r.row(y);
        for (int x = 0; x < largeur; ++x) {
            const std::uint32_t c = ligne[x];
            o[x] = 0xFF000000u | (c & 0x0000FF00u) | ((c >> 16) & 0xFFu) | ((c & 0xFFu) << 16);
        }
        o += largeur;
    }
}

val Rgba(const std::vector<std::uint32_t>& rgba) {
    return val(emscripten::typed_memory_view(rgba.size() * 4, reinterpret_cast<const std::uint8_t*>(rgba.data())));
}

val Octets(const std::string& octets) {
    return val(emscripten::typed_memory_view(octets.size(),
                                             reinterpret_cast<const std::uint8_t*>(octets.data())));
}

// What loading a list gives the page, for its message.
enum Chargement : int {
    kChargee = 0,
    kIllisible = 1,  // over the line limit, or the section could not be laid
};

class SessionWeb {
public:
    // The seven texture files' bytes, in the order of kFichiersTextures.
    // Returns -1 when they make a section, else the index of the first file
    // that is not a BMP (0..6), or 7 when the set as a whole is refused.
    int DefinirTextures(val fichiers) {
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

    bool Prete() const { return session_.Prete(); }
    void Reinitialiser() { session_.Reinitialiser(); }

    // The interactive event of tag 1..7; an unknown tag does nothing.
    void Appliquer(int tag) {
        if (const std::optional<section::Evenement> e = section::EvenementDeTag(tag))
            session_.Appliquer(*e);
    }

    bool Annuler() { return session_.Annuler(); }
    bool Annulable() const { return session_.annulable(); }
    bool Disponible(int tag) const {
        const std::optional<section::Evenement> e = section::EvenementDeTag(tag);
        return e && session_.RaisonRefus(*e).empty();
    }
    // Why the command of tag 1..7 is off, in the engine's words (UTF-8);
    // empty when it is on.
    std::string Raison(int tag) const {
        const std::optional<section::Evenement> e = section::EvenementDeTag(tag);
        if (!e) return {};
        const std::string_view r = session_.RaisonRefus(*e);
        return r.empty() ? std::string() : section::TexteRaison(r);
    }

    // Reset, then the file's lines replace the list and are replayed. A file
    // the file layer refuses leaves the reset section and its single line.
    // The pupil's work as last saved: the list (a list file saved or
    // loaded, an answer saved, an exercise opened) and the order an answer
    // holds. The page says when; the engine judges what would be lost.
    void MarquerEnregistre() {
        listeEnregistree_ = session_.liste();
        ordreEnregistre_ = exercice_.Ordre();
    }
    std::string QuestionAbandon() const {
        return ::QuestionAbandon(session_.liste(), listeEnregistree_, exercice_.Ordre(), ordreEnregistre_,
                                 exercice_.Ouvert());
    }

    int ChargerListe(const std::string& octets) {
        section::Liste lignes;
        if (octets.size() > section::kOctetsListeMax ||
            section::LignesDeListe(octets, lignes) != section::ErreurFichier::Aucune) {
            session_.Reinitialiser();
            return kIllisible;
        }
        session_.Charger(std::move(lignes));
        return kChargee;
    }

    // The list lines for display.
    val Lignes() const {
        val lignes = val::array();
        for (const section::Ligne& l : session_.liste()) lignes.call<void>("push", section::Utf8DeLigne(l));
        return lignes;
    }
    int NombreLignes() const { return static_cast<int>(session_.liste().size()); }

    // The list file's bytes, as "Sauver la liste des événements" writes them.
    val TexteListe() {
        tampon_ = section::TexteListe(session_.liste());
        return Octets(tampon_);
    }

    int LargeurVue() const { return session_.vue().width(); }
    int HauteurVue() const { return session_.vue().height(); }
    val VueRgba() {
        const section::Raster& v = session_.vue();
        VersRgba(v, v.width(), v.height(), rgba_);
        return Rgba(rgba_);
    }
    // The view as the BMP file the desktop writes.
    val VueBmp() {
        tampon_ = section::EcrireBmp(session_.vue());
        return Octets(tampon_);
    }

    // A model picture: any BMP the reader knows, within the pixel budget.
    bool ChargerModele(const std::string& octets) {
        std::optional<section::Raster> image = section::LireBmp(octets, section::kBudgetPixels);
        if (!image || image->empty()) return false;
        modele_ = std::move(*image);
        modeleDeLExercice_ = false;
        return true;
    }
    int LargeurModele() const { return modele_.width(); }
    int HauteurModele() const { return modele_.height(); }
    // The model's pixels, cut to the view's size from its top-left corner;
    // with `roches`, an open exercise's model in the rock view, as the
    // pupil's section shows it.
    val ModeleRgba(bool roches) {
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
    int LargeurModeleVisible() const { return std::min(modele_.width(), session_.vue().width()); }
    int HauteurModeleVisible() const { return std::min(modele_.height(), session_.vue().height()); }

    // An exercise file (named `nom` in messages): its target picture
    // becomes the model, the section starts again with its letters.
    // Returns the reason of a refusal, or an empty string.
    std::string OuvrirExercice(const std::string& nom, const std::string& octets) {
        if (std::string raison = exercice_.Ouvrir(nom, octets, session_); !raison.empty()) return raison;
        modele_ = exercice_.Cible();
        modeleDeLExercice_ = true;
        MarquerEnregistre();
        return {};
    }
    std::string OuvrirLien(const std::string& texte) {
        if (std::string raison = exercice_.OuvrirLien(texte, session_); !raison.empty()) return raison;
        modele_ = exercice_.Cible();
        modeleDeLExercice_ = true;
        MarquerEnregistre();
        return {};
    }
    bool MemeLien(const std::string& texte) const { return exercice_.MemeLien(texte, session_); }
    std::string PreparerExercice(const std::string& nom, const std::string& octets) {
        return exercice_.Preparer(nom, octets, session_);
    }
    std::string PreparerLien(const std::string& texte) { return exercice_.PreparerLien(texte, session_); }
    bool OuvrirPrepare() {
        if (!exercice_.OuvrirPrepare(session_)) return false;
        modele_ = exercice_.Cible();
        modeleDeLExercice_ = true;
        MarquerEnregistre();
        return true;
    }
    std::string LienExercice() const { return exercice_.Lien(); }
    val OctetsExercice() { return exercice_.Octets(); }
    bool ExerciceOuvert() const { return exercice_.Ouvert(); }
    std::string TitreExercice() const { return exercice_.Titre(); }
    val Verifier() { return exercice_.Verifier(session_); }
    val MasqueRgba() { return exercice_.MasqueRgba(); }
    val Cartes() { return exercice_.Cartes(); }
    val Principes() const { return exercice_.Principes(); }
    val Temoins() const { return exercice_.Temoins(); }
    val VerifierOrdre(val ids, val justifications) { return exercice_.VerifierOrdre(ids, justifications); }
    val OrdreDonne() const { return exercice_.OrdreDonne(); }
    val Reponse(const std::string& nom) { return exercice_.Reponse(nom, session_); }
    // Inside a learning platform (plateforme_web.cpp).
    std::string EmpreinteExercice() const { return exercice_.Empreinte(); }
    val TexteReprise(bool navigateur) const { return exercice_.TexteReprise(session_, navigateur); }
    std::string ReprendreTravail(const std::string& texte) { return exercice_.Reprendre(texte, session_); }
    val Plateforme(const std::string& maitrise, double seuil) const { return exercice_.Plateforme(maitrise, seuil, session_); }
    // The exercise's section for "Ordonner": its view, letters and legend.
    int LargeurExercice() const { return exercice_.Modele().vue().width(); }
    int HauteurExercice() const { return exercice_.Modele().vue().height(); }
    // The open exercise's model for « Ordonner »: its view, or with `roches`
    // its rock view, as the section shows it.
    val VueExerciceRgba(bool roches) {
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
    val EtiquettesExercice() const { return EtiquettesDe(exercice_.Modele()); }
    val LegendeExercice() const { return LegendeDe(exercice_.Modele()); }
    val StructuresExercice() const { return StructuresDe(exercice_.Modele()); }

    // --- The formations, for the "Affichage" menu: drawn over the view by
    // the page, never into it ---

    // The labels of the view's formations, as the engine places them:
    // [{lettre, gauche, haut, cote}], the square in view pixels.
    val Etiquettes() const { return EtiquettesDe(session_); }
    static val EtiquettesDe(const section::Session& s) { return EtiquettesDe(section::LireVueLegende(s)); }
    static val EtiquettesDe(const section::VueLegende& v) {
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

    // The legend, one entry per letter (section::LignesLegende): {lettre,
    // texte, teinte (0xRRGGBB), sansLettre, echantillon}. The sample is the
    // square of the formation's first label ({gauche, haut, cote}), or for
    // a formation without one its commonest colour ({couleur: 0xRRGGBB}).
    val Legende() const { return LegendeDe(session_); }
    static val LegendeDe(const section::Session& s) { return LegendeDe(s, section::LireVueLegende(s)); }
    static val LegendeDe(const section::Session& s, const section::VueLegende& v) {
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

    // The structures of the view (section::LireVueLegende), apart from the
    // letters: [{etiquette, texte, sorte ("faille", "chevauchement",
    // "erosion"), x, y, largeurVue, hauteurVue}], (x, y) a pixel of the
    // trace for the label, placed as section::Structure says.
    val Structures() const { return StructuresDe(session_); }
    static val StructuresDe(const section::Session& s) { return StructuresDe(section::LireVueLegende(s)); }
    static val StructuresDe(const section::VueLegende& v) {
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
    std::string TitreStructures() const { return section::TitreStructures(); }

    // The tooltips of the command of tag 1..7 and of its "?" button:
    // {commande, aide} (section::BullesEvenement).
    val Bulles(int tag) const {
        val o = val::object();
        const std::optional<section::Evenement> e = section::EvenementDeTag(tag);
        if (!e) return o;
        const section::Bulles b = section::BullesEvenement(*e, session_.RaisonRefus(*e));
        o.set("commande", b.commande);
        o.set("aide", b.aide);
        return o;
    }

    // The tints as a picture of the view's size, R G B A bytes like
    // vueRgba (section::PlanTeintes), every other pixel transparent.
    val TeintesRgba() {
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

    // The rock view (section::VueRoches) as R G B A bytes like vueRgba.
    val RochesRgba() {
        const section::Raster r = section::VueRoches(session_);
        VersRgba(r, std::max(r.width(), 0), std::max(r.height(), 0), rgba_);
        return Rgba(rgba_);
    }
    // A legend swatch of rock `roche` (section::Roche, as the legend's
    // entries give it), largeur x hauteur section pixels of its figuré.
    val FigureRgba(int roche, int largeur, int hauteur) {
        largeur = std::clamp(largeur, 1, 256);
        hauteur = std::clamp(hauteur, 1, 256);
        const auto r = static_cast<section::Roche>(std::clamp(roche, 0, static_cast<int>(section::Roche::Granite)));
        std::vector<section::Couleur> px;
        for (int y = 0; y < hauteur; ++y)
            for (int x = 0; x < largeur; ++x) px.push_back(section::PixelFigure(r, x, y));
        VersRgba(section::Raster(largeur, hauteur, std::move(px)), largeur, hauteur, rgba_);
        return Rgba(rgba_);
    }

    // --- The teacher's space (enseignant_web.h) ---
    val CreerExercice(const std::string& titre) { return enseignant_.CreerExercice(session_, titre); }
    val TirerSerie(val regles) { return enseignant_.TirerSerie(session_.textures(), regles); }
    // Exercise i's sheets, with the letters, legend and structures of its
    // section as the view's are given.
    val Fiche(int i) {
        val f = enseignant_.Fiche(i);
        if (f.hasOwnProperty("titre")) {
            const section::VueLegende& v = enseignant_.LegendeSerie();
            f.set("etiquettes", EtiquettesDe(v));
            f.set("legende", LegendeDe(enseignant_.SessionSerie(), v));
            f.set("structures", StructuresDe(v));
        }
        return f;
    }
    val ImageFiche() { return enseignant_.ImageFiche(); }
    val ImageEtape(int k) { return enseignant_.ImageEtape(k); }
    val TextesFiches() const { return enseignant_.TextesFiches(); }
    val NoterClasse(const std::string& nom, const std::string& modele, val fichiers) {
        return enseignant_.NoterClasse(session_.textures(), nom, modele, fichiers);
    }

    // The state report, as strataloom-render --state writes it.
    std::string EtatJson() const { return section::EtatJson(session_.Etat()); }

private:
    section::Session session_;
    section::Raster modele_;
    bool modeleDeLExercice_ = false;  // modele_ is the open exercise's target
    ExerciceWeb exercice_;
    section::Liste listeEnregistree_;
    std::optional<section::OrdreDonne> ordreEnregistre_;
    EnseignantWeb enseignant_;
    std::vector<std::uint32_t> rgba_;
    std::string tampon_;
};

// The event table for the page: tag, list word and caption, help context,
// wave file and what the event does.
val Evenements() {
    val table = val::array();
    for (const section::TypeEvenement& e : section::kEvenements) {
        val ligne = val::object();
        ligne.set("tag", e.tag);
        ligne.set("libelle", section::Utf8DeLigne(e.ligne));  // the list's word
        ligne.set("nom", section::NomEvenement(e.ligne));     // the captions
        ligne.set("bouton", std::string(e.bouton));
        ligne.set("menu", std::string(e.menu));
        ligne.set("aide", std::string(e.aide));
        ligne.set("contexte", e.contexte);
        ligne.set("son", std::string(e.son));
        ligne.set("description", section::DescriptionEvenement(e.evenement));
        table.call<void>("push", ligne);
    }
    return table;
}

// The number of lines the file layer reads from a list's bytes, or -1 when
// it refuses them.
int CompterLignes(const std::string& octets) {
    section::Liste lignes;
    if (octets.size() > section::kOctetsListeMax ||
        section::LignesDeListe(octets, lignes) != section::ErreurFichier::Aucune)
        return -1;
    return static_cast<int>(lignes.size());
}

// The largest files worth reading: a list, and a model picture within the
// pixel budget at 32 bits a pixel with its headers.
double OctetsListeMax() { return static_cast<double>(section::kOctetsListeMax); }
double OctetsModeleMax() { return static_cast<double>(section::kBudgetPixels) * 4 + 65536; }
double OctetsExerciceMax() { return static_cast<double>(section::kOctetsExerciceMax); }

// A package for a course platform (section/paquet_scorm.h) from the page's
// own bytes and exercises [{nom, octets}]: {zip} (a view the page copies at
// once) or {raison}.
val PaquetScorm(const std::string& page, val exercices, int seuil, const std::string& titre) {
    static std::string zip;
    std::vector<section::ExercicePaquet> liste;
    const unsigned n = exercices["length"].as<unsigned>();
    for (unsigned i = 0; i < n && i <= static_cast<unsigned>(section::kExercicesPaquetMax); ++i)
        liste.push_back({exercices[i]["nom"].as<std::string>(), exercices[i]["octets"].as<std::string>()});
    val r = val::object();
    if (const std::string raison = section::PaquetScorm(page, liste, seuil, titre, zip); !raison.empty()) {
        r.set("raison", raison);
        return r;
    }
    r.set("zip", Octets(zip));
    return r;
}

// The pass mark asked before a package: {question, refus}; lireSeuil gives
// the mark read, or -1.
val TextesPaquet() {
    val t = val::object();
    t.set("question", section::QuestionSeuil());
    t.set("refus", section::SeuilRefuse());
    return t;
}
int LireSeuil(const std::string& reponse) { return section::LireSeuil(reponse).value_or(-1); }

val FichiersTextures() {
    val noms = val::array();
    for (const char* nom : section::kFichiersTextures) noms.call<void>("push", std::string(nom));
    return noms;
}


// --- The menu bar and the window's words, in the current language ---

// A command's name for the page, which maps it to its handler.
const char* NomCommande(section::Commande c) {
    using C = section::Commande;
    switch (c) {
    case C::ChargerModele: return "ChargerModele";
    case C::EnregistrerModele: return "EnregistrerModele";
    case C::ExporterImage: return "ExporterImage";
    case C::ChargerListe: return "ChargerListe";
    case C::EnregistrerListe: return "EnregistrerListe";
    case C::ExporterListe: return "ExporterListe";
    case C::Quitter: return "Quitter";
    case C::Evenements: return "Evenements";
    case C::Annuler: return "Annuler";
    case C::RetourDebut: return "RetourDebut";
    case C::Lettres: return "Lettres";
    case C::Teintes: return "Teintes";
    case C::Roches: return "Roches";
    case C::Legende: return "Legende";
    case C::Sons: return "Sons";
    case C::OuvrirExercice: return "OuvrirExercice";
    case C::OuvrirReponse: return "OuvrirReponse";
    case C::Verifier: return "Verifier";
    case C::Ordonner: return "Ordonner";
    case C::EnregistrerReponse: return "EnregistrerReponse";
    case C::ExporterScorm: return "ExporterScorm";
    case C::CreerExercice: return "CreerExercice";
    case C::EspaceEnseignant: return "EspaceEnseignant";
    case C::Aide: return "Aide";
    case C::Avertissement: return "Avertissement";
    case C::APropos: return "APropos";
    case C::Separateur: return "Separateur";
    }
    return "";
}

// The menus the page offers, left to right: [{nom, libelle, articles:
// [{commande, nom, libelle, raccourcis: [...], cochable}]}], the captions
// in the current language with their "&".
val Menus() {
    constexpr section::Edition kPage = section::Edition::Navigateur;
    val menus = val::array();
    for (const section::MenuBarre& m : section::Menus()) {
        if (!section::Offert(m.edition, kPage)) continue;
        val articles = val::array();
        for (const section::ArticleMenu& a : m.articles) {
            if (!section::Offert(a.edition, kPage)) continue;
            val raccourcis = val::array();
            for (const char* r : a.raccourcis)
                if (r) raccourcis.call<void>("push", std::string(r));
            val article = val::object();
            article.set("commande", std::string(NomCommande(a.commande)));
            article.set("nom", std::string(a.nom));
            article.set("libelle", section::LibelleCommande(a.libelle));
            article.set("raccourcis", raccourcis);
            article.set("cochable", a.cochable);
            articles.call<void>("push", article);
        }
        val menu = val::object();
        menu.set("nom", std::string(m.nom));
        menu.set("libelle", section::LibelleCommande(m.libelle));
        menu.set("articles", articles);
        menus.call<void>("push", menu);
    }
    return menus;
}

// The window's words, {nom: texte}, in the current language.
val Textes() {
    val textes = val::object();
    for (const section::EntreeCatalogue& e : section::Catalogue())
        textes.set(e.nom, section::TexteDeFenetre(e.cle));
    return textes;
}

// The translations the page carries ({contexte: {francais: traduction}},
// with "*" for a text looked up whatever its context), kept here for the
// translator; an empty table puts the engine back to French.
std::map<std::string, std::map<std::string, std::string, std::less<>>, std::less<>> traductions_;

std::string Traduire(const char* contexte, const char* francais) {
    for (const std::string_view c : {std::string_view(contexte), std::string_view("*")}) {
        const auto t = traductions_.find(c);
        if (t == traductions_.end()) continue;
        const auto m = t->second.find(std::string_view(francais));
        if (m != t->second.end()) return m->second;
    }
    return francais;
}

void DefinirTraductions(val table) {
    traductions_.clear();
    const val contextes = val::global("Object").call<val>("keys", table);
    const int n = contextes["length"].as<int>();
    for (int i = 0; i < n; ++i) {
        const std::string contexte = contextes[i].as<std::string>();
        const val messages = table[contexte];
        const val sources = val::global("Object").call<val>("keys", messages);
        const int m = sources["length"].as<int>();
        auto& c = traductions_[contexte];
        for (int j = 0; j < m; ++j) {
            const std::string source = sources[j].as<std::string>();
            c[source] = messages[source].as<std::string>();
        }
    }
    section::DefinirTraducteur(traductions_.empty() ? nullptr : &Traduire);
}

}  // namespace

EMSCRIPTEN_BINDINGS(strataloom) {
    emscripten::function("evenements", &Evenements);
    emscripten::function("fichiersTextures", &FichiersTextures);
    emscripten::function("compterLignes", &CompterLignes);
    emscripten::function("octetsListeMax", &OctetsListeMax);
    emscripten::function("octetsModeleMax", &OctetsModeleMax);
    emscripten::function("octetsExerciceMax", &OctetsExerciceMax);
    emscripten::function("paquetScorm", &PaquetScorm);
    emscripten::function("textesPaquet", &TextesPaquet);
    emscripten::function("lireSeuil", &LireSeuil);
    emscripten::function("menus", &Menus);
    emscripten::function("textes", &Textes);
    emscripten::function("textesExercice", &TextesExercice);
    emscripten::function("textesEnseignant", &TextesEnseignant);
    emscripten::function("lireGraine", &LireGraineWeb);
    emscripten::function("graineNouvelle", &GraineNouvelleWeb);
    emscripten::function("definirTraductions", &DefinirTraductions);
    emscripten::class_<SessionWeb>("Session")
        .constructor<>()
        .function("definirTextures", &SessionWeb::DefinirTextures)
        .function("prete", &SessionWeb::Prete)
        .function("reinitialiser", &SessionWeb::Reinitialiser)
        .function("appliquer", &SessionWeb::Appliquer)
        .function("annuler", &SessionWeb::Annuler)
        .function("annulable", &SessionWeb::Annulable)
        .function("disponible", &SessionWeb::Disponible)
        .function("raison", &SessionWeb::Raison)
        .function("chargerListe", &SessionWeb::ChargerListe)
        .function("lignes", &SessionWeb::Lignes)
        .function("nombreLignes", &SessionWeb::NombreLignes)
        .function("texteListe", &SessionWeb::TexteListe)
        .function("largeurVue", &SessionWeb::LargeurVue)
        .function("hauteurVue", &SessionWeb::HauteurVue)
        .function("vueRgba", &SessionWeb::VueRgba)
        .function("rochesRgba", &SessionWeb::RochesRgba)
        .function("figureRgba", &SessionWeb::FigureRgba)
        .function("vueBmp", &SessionWeb::VueBmp)
        .function("chargerModele", &SessionWeb::ChargerModele)
        .function("largeurModele", &SessionWeb::LargeurModele)
        .function("hauteurModele", &SessionWeb::HauteurModele)
        .function("largeurModeleVisible", &SessionWeb::LargeurModeleVisible)
        .function("hauteurModeleVisible", &SessionWeb::HauteurModeleVisible)
        .function("modeleRgba", &SessionWeb::ModeleRgba)
        .function("ouvrirExercice", &SessionWeb::OuvrirExercice)
        .function("exerciceOuvert", &SessionWeb::ExerciceOuvert)
        .function("memeLien", &SessionWeb::MemeLien)
        .function("preparerExercice", &SessionWeb::PreparerExercice)
        .function("preparerLien", &SessionWeb::PreparerLien)
        .function("ouvrirPrepare", &SessionWeb::OuvrirPrepare)
        .function("marquerEnregistre", &SessionWeb::MarquerEnregistre)
        .function("questionAbandon", &SessionWeb::QuestionAbandon)
        .function("ouvrirLien", &SessionWeb::OuvrirLien)
        .function("lienExercice", &SessionWeb::LienExercice)
        .function("octetsExercice", &SessionWeb::OctetsExercice)
        .function("titreExercice", &SessionWeb::TitreExercice)
        .function("verifier", &SessionWeb::Verifier)
        .function("masqueRgba", &SessionWeb::MasqueRgba)
        .function("cartes", &SessionWeb::Cartes)
        .function("principes", &SessionWeb::Principes)
        .function("temoins", &SessionWeb::Temoins)
        .function("verifierOrdre", &SessionWeb::VerifierOrdre)
        .function("ordreDonne", &SessionWeb::OrdreDonne)
        .function("reponse", &SessionWeb::Reponse)
        .function("empreinteExercice", &SessionWeb::EmpreinteExercice)
        .function("texteReprise", &SessionWeb::TexteReprise)
        .function("reprendreTravail", &SessionWeb::ReprendreTravail)
        .function("plateforme", &SessionWeb::Plateforme)
        .function("largeurExercice", &SessionWeb::LargeurExercice)
        .function("hauteurExercice", &SessionWeb::HauteurExercice)
        .function("vueExerciceRgba", &SessionWeb::VueExerciceRgba)
        .function("etiquettesExercice", &SessionWeb::EtiquettesExercice)
        .function("legendeExercice", &SessionWeb::LegendeExercice)
        .function("structuresExercice", &SessionWeb::StructuresExercice)
        .function("etiquettes", &SessionWeb::Etiquettes)
        .function("structures", &SessionWeb::Structures)
        .function("titreStructures", &SessionWeb::TitreStructures)
        .function("legende", &SessionWeb::Legende)
        .function("teintesRgba", &SessionWeb::TeintesRgba)
        .function("bulles", &SessionWeb::Bulles)
        .function("creerExercice", &SessionWeb::CreerExercice)
        .function("tirerSerie", &SessionWeb::TirerSerie)
        .function("fiche", &SessionWeb::Fiche)
        .function("imageFiche", &SessionWeb::ImageFiche)
        .function("imageEtape", &SessionWeb::ImageEtape)
        .function("textesFiches", &SessionWeb::TextesFiches)
        .function("noterClasse", &SessionWeb::NoterClasse)
        .function("etatJson", &SessionWeb::EtatJson);
}
