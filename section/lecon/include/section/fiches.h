// SPDX-License-Identifier: GPL-3.0-or-later
// The words of the printable sheets of a series, for every front end that
// lays them out (the PDF of the window and the renderer, the page's
// printable sheets): a pupil's page (the instructions, the table's
// columns), an answer key (the accepted orders, the relations with their
// principles, the legend with its events, the steps' captions) and the
// series' seed at each page's foot. In the current language (textes.h).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "section/legende.h"
#include "section/ordres_acceptes.h"
#include "section/liste.h"
#include "section/raster.h"

namespace section {

// The first row of a view worth printing on a pupil's page:
// kMargeCielFiche rows above the highest rock pixel over all columns (0
// when rock reaches the top or there is none).
constexpr int kMargeCielFiche = 12;
int HautImprimeFiche(const Raster& vue);

std::string TitreDocumentFiches();                 // "Strataloom — fiches d'exercices"
std::string PiedFiche(std::uint32_t graine);       // "Graine de la série : 1234"
// The foot of the sheets of one exercise, not drawn in a series.
std::string PiedFicheExercice(std::string_view titre);  // "Exercice : titre"
std::string EnteteEleveFiche();                    // "Nom : ....   Classe : ...   Date : ..."
// What the pupil must do with a section built by `evenements` events.
std::string ConsigneFiche(int evenements);
std::string EvenementsPossiblesFiche();            // "Événements possibles : Sédimentation, …."
struct ColonnesFiche {
    std::string numero, evenement, justifie;
};
ColonnesFiche ColonnesTableauFiche();

// The answer key of one exercise, as lines to print in order.
struct LigneCorrige {
    enum class Sorte : std::uint8_t { Texte, Titre, Ordre, Relation } sorte;
    std::string texte;
};
std::string TitreCorrigeFiche(std::string_view titre);  // "Corrigé — titre"
// "Légende : A : calcaire (…) ; B : …." from the legend's entries with
// their events (TexteLegendeCorrige); "" without an entry.
std::string LegendeCorrigeFiche(const std::vector<EntreeLegende>& entrees);
// The accepted orders and the relations that fix them (CleDesOrdres):
// headings (Titre), numbered orders "1. A → B" (Ordre), relations as
// sentences "• La couche B … (principe de superposition)." (Relation).
std::vector<LigneCorrige> LignesCleFiche(const CleOrdres& cle);
// The caption of step i of `liste` in the key: "Étape 0 : départ",
// "Étape 2 : Erosion", "… (sans effet)" for a line that names no event.
std::string LegendeEtapeFiche(const Liste& liste, int i);

}  // namespace section
