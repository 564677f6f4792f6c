// SPDX-License-Identifier: GPL-3.0-or-later
// The browser edition's window onto the engine: the names the page calls.
// One section::Session with its model, exercise and teacher's space
// (session_web.h), the engine's tables and limits, a course package, the
// menus and words (liaison.h). Everything geological, every rule and every
// file format stays in section/; these files only move bytes and pixels
// across to JavaScript (passage.h).
#include <emscripten/bind.h>

#include "enseignant_web.h"
#include "exercice_web.h"
#include "liaison.h"
#include "section/evenements.h"
#include "session_web.h"

using namespace liaison;

EMSCRIPTEN_BINDINGS(strataloom) {
    // The kinds of event, as the session's commands take them
    // (moteur.Evenement.Sedimentation...); the event table gives each row's.
    emscripten::enum_<section::Evenement>("Evenement")
        .value("Sedimentation", section::Evenement::Sedimentation)
        .value("Volcanisme", section::Evenement::Volcanisme)
        .value("Erosion", section::Evenement::Erosion)
        .value("Plutonisme", section::Evenement::Plutonisme)
        .value("Compression", section::Evenement::Compression)
        .value("Chevauchement", section::Evenement::Chevauchement)
        .value("Distension", section::Evenement::Distension);
    emscripten::function("evenements", &Evenements);
    emscripten::function("fichiersTextures", &FichiersTextures);
    emscripten::function("compterLignes", &CompterLignes);
    emscripten::function("octetsListeMax", &OctetsListeMax);
    emscripten::function("octetsModeleMax", &OctetsModeleMax);
    emscripten::function("octetsExerciceMax", &OctetsExerciceMax);
    emscripten::function("paquetScorm", &PaquetScorm);
    emscripten::function("pageAvecExercice", &PageAvecExercice);
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
        .function("verifications", &SessionWeb::Verifications)
        .function("definirVerifications", &SessionWeb::DefinirVerifications)
        .function("graineDonne", &SessionWeb::GraineDonne)
        .function("definirGraineDonne", &SessionWeb::DefinirGraineDonne)
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
        .function("fichesExercice", &SessionWeb::FichesExercice)
        .function("fiche", &SessionWeb::Fiche)
        .function("imageFiche", &SessionWeb::ImageFiche)
        .function("imageEtape", &SessionWeb::ImageEtape)
        .function("textesFiches", &SessionWeb::TextesFiches)
        .function("noterClasse", &SessionWeb::NoterClasse)
        .function("commencerClasse", &SessionWeb::CommencerClasse)
        .function("copieSuivante", &SessionWeb::CopieSuivante)
        .function("noterCopie", &SessionWeb::NoterCopie)
        .function("finirClasse", &SessionWeb::FinirClasse)
        .function("etatJson", &SessionWeb::EtatJson);
}
