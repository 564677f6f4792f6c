// SPDX-License-Identifier: GPL-3.0-or-later
// The page's session: one section::Session with its model picture, the
// exercise open and the teacher's space, as the page sees them. Everything
// geological, every rule and every file format stays in section/; this
// class only moves bytes and pixels across to JavaScript (passage.h).
//
// session_web.cpp: textures, events, the list, the view, the model and the
// exercise opened; formations_web.cpp: letters, legend, structures, tints,
// rocks and the event tooltips.
#pragma once

#include <emscripten/val.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "enseignant_web.h"
#include "exercice_web.h"
#include "section/evenements.h"
#include "section/legende_vue.h"
#include "section/session.h"

class SessionWeb {
public:
    using val = emscripten::val;

    // The seven texture files' bytes, in the order of kFichiersTextures.
    // Returns -1 when they make a section, else the index of the first file
    // that is not a BMP (0..6), or 7 when the set as a whole is refused.
    int DefinirTextures(val fichiers);

    bool Prete() const { return session_.Prete(); }
    void Reinitialiser() { session_.Reinitialiser(); }

    // The interactive event of kind `e`; a value outside the event table
    // does nothing.
    void Appliquer(section::Evenement e);

    bool Annuler() { return session_.Annuler(); }
    bool Annulable() const { return session_.annulable(); }
    bool Disponible(section::Evenement e) const;
    // Why the command of event `e` is off, in the engine's words (UTF-8);
    // empty when it is on.
    std::string Raison(section::Evenement e) const;

    // Reset, then the file's lines replace the list and are replayed. A file
    // the file layer refuses leaves the reset section and its single line.
    // The pupil's work as last saved: the list (a list file saved or
    // loaded, an answer saved, an exercise opened) and the order an answer
    // holds. The page says when; the engine judges what would be lost.
    void MarquerEnregistre();
    std::string QuestionAbandon() const;

    int ChargerListe(const std::string& octets);

    // The list lines for display.
    val Lignes() const;
    int NombreLignes() const { return static_cast<int>(session_.liste().size()); }

    // The list file's bytes, as "Sauver la liste des événements" writes them.
    val TexteListe();

    int LargeurVue() const { return session_.vue().width(); }
    int HauteurVue() const { return session_.vue().height(); }
    val VueRgba();
    // The view as the BMP file the desktop writes.
    val VueBmp();

    // A model picture: any BMP the reader knows, within the pixel budget.
    bool ChargerModele(const std::string& octets);
    int LargeurModele() const { return modele_.width(); }
    int HauteurModele() const { return modele_.height(); }
    // The model's pixels, cut to the view's size from its top-left corner;
    // with `roches`, an open exercise's model in the rock view, as the
    // pupil's section shows it.
    val ModeleRgba(bool roches);
    int LargeurModeleVisible() const;
    int HauteurModeleVisible() const;

    // An exercise file (named `nom` in messages): its target picture
    // becomes the model, the section starts again with its letters.
    // Returns the reason of a refusal, or an empty string.
    std::string OuvrirExercice(const std::string& nom, const std::string& octets);
    std::string OuvrirLien(const std::string& texte);
    bool MemeLien(const std::string& texte) const { return exercice_.MemeLien(texte, session_); }
    std::string PreparerExercice(const std::string& nom, const std::string& octets) {
        return exercice_.Preparer(nom, octets, session_);
    }
    std::string PreparerLien(const std::string& texte) { return exercice_.PreparerLien(texte, session_); }
    bool OuvrirPrepare();
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
    val Verifications() const { return exercice_.Verifications(); }
    void DefinirVerifications(int coupe, int ordre) { exercice_.DefinirVerifications(coupe, ordre); }
    val GraineDonne() const { return exercice_.GraineDonne(); }
    void DefinirGraineDonne(double graine) { exercice_.DefinirGraineDonne(graine); }
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
    val VueExerciceRgba(bool roches);
    val EtiquettesExercice() const { return EtiquettesDe(exercice_.Modele()); }
    val LegendeExercice() const { return LegendeDe(exercice_.Modele()); }
    val StructuresExercice() const { return StructuresDe(exercice_.Modele()); }

    // --- The formations, for the "Affichage" menu: drawn over the view by
    // the page, never into it (formations_web.cpp) ---

    // The labels of the view's formations, as the engine places them:
    // [{lettre, gauche, haut, cote}], the square in view pixels.
    val Etiquettes() const { return EtiquettesDe(session_); }
    static val EtiquettesDe(const section::Session& s);
    static val EtiquettesDe(const section::VueLegende& v);

    // The legend, one entry per letter (section::LignesLegende): {lettre,
    // texte, teinte (0xRRGGBB), sansLettre, echantillon}. The sample is the
    // square of the formation's first label ({gauche, haut, cote}), or for
    // a formation without one its commonest colour ({couleur: 0xRRGGBB}).
    val Legende() const { return LegendeDe(session_); }
    static val LegendeDe(const section::Session& s);
    static val LegendeDe(const section::Session& s, const section::VueLegende& v);

    // The structures of the view (section::LireVueLegende), apart from the
    // letters: [{etiquette, texte, sorte ("faille", "chevauchement",
    // "erosion"), x, y, largeurVue, hauteurVue}], (x, y) a pixel of the
    // trace for the label, placed as section::Structure says.
    val Structures() const { return StructuresDe(session_); }
    static val StructuresDe(const section::Session& s);
    static val StructuresDe(const section::VueLegende& v);
    std::string TitreStructures() const;

    // The tooltips of the command of event `e` and of its "?" button:
    // {commande, aide} (section::BullesEvenement); `dernier`: its "?" is the red one.
    val Bulles(section::Evenement e, bool dernier) const;

    // The tints as a picture of the view's size, R G B A bytes like
    // vueRgba (section::PlanTeintes), every other pixel transparent.
    val TeintesRgba();

    // The rock view (section::VueRoches) as R G B A bytes like vueRgba.
    val RochesRgba();
    // A legend swatch of rock `roche` (section::Roche, as the legend's
    // entries give it), largeur x hauteur section pixels of its figuré.
    val FigureRgba(int roche, int largeur, int hauteur);

    // --- The teacher's space (enseignant_web.h) ---
    val CreerExercice(const std::string& titre) { return enseignant_.CreerExercice(session_, titre); }
    val TirerSerie(val regles) { return enseignant_.TirerSerie(session_.textures(), regles); }
    // The sheets of the exercise open, for Fiche(0); false without one.
    bool FichesExercice() {
        if (!exercice_.Ouvert()) return false;
        enseignant_.FichesExercice(session_.textures(), exercice_.Donnees());
        return true;
    }
    // Exercise i's sheets, with the letters, legend and structures of its
    // section as the view's are given.
    val Fiche(int i);
    val ImageFiche() { return enseignant_.ImageFiche(); }
    val ImageEtape(int k) { return enseignant_.ImageEtape(k); }
    val TextesFiches() const { return enseignant_.TextesFiches(); }
    val NoterClasse(const std::string& nom, const std::string& modele, val fichiers) {
        return enseignant_.NoterClasse(session_.textures(), nom, modele, fichiers);
    }
    val CommencerClasse(const std::string& nom, const std::string& modele, val noms) {
        return enseignant_.CommencerClasse(session_.textures(), nom, modele, noms);
    }
    int CopieSuivante() const { return enseignant_.CopieSuivante(); }
    int NoterCopie(val fichier) { return enseignant_.NoterCopie(fichier); }
    val FinirClasse() const { return enseignant_.FinirClasse(); }

    // The state report, as strataloom-render --state writes it.
    std::string EtatJson() const;

private:
    // `e` when it is one of the event table's kinds (a value from the page
    // may be anything), else nothing.
    static std::optional<section::Evenement> Connu(section::Evenement e);

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
