// SPDX-License-Identifier: GPL-3.0-or-later
// The words of the window that are not the engine's own: box titles and
// messages, tooltip templates, button captions, the names offered to save
// a file, and the browser page's words about the work it keeps between two
// visits. Each is written once, in French, in the context "Fenetre"; a
// front end asks for it by its key and shows it in the current language
// (see textes.h), so that the window and the page say the same thing.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace section {

enum class TexteFenetre : int {
    TitreApplication,
    Avertissement,
    TexturesAbsentes,
    ChargementImpossible,
    ImpossibleDeCharger,
    RetourImpossible,
    ClicModele,
    Hello,
    Ok,
    AucuneFormation,
    RubriqueAbsente,         // %1: the help's context number
    AideIndisponible,
    NomListe,
    NomTexte,
    NomImage,
    // The browser page keeps the list between two visits.
    Reprise,                 // %1: one of the three below
    UnEvenement,
    NEvenements,             // %1: a number of events, more than one
    AucunEvenement,
    Reprendre,
    NouvelleCoupe,
    StockagePlein,
    // Titles, buttons and names for screen readers of the window's parts.
    TitreLegende,
    NoteLegende,
    Fermer,
    TitreAPropos,
    Version,                 // %1: the version number
    Credits,
    TitreAide,
    Precedent,
    Suivant,
    Sommaire,
    CoupeGeologique,
    ImageModele,
    ListeEvenements,
    // The window keeps the pupil's work between two starts.
    RepriseFenetre,          // %1: one of UnEvenement, NEvenements, AucunEvenement, AvecOrdre
    RepriseExercice,         // %1: the exercise's title; %2: as above
    AvecOrdre,               // %1: one of UnEvenement, NEvenements, AucunEvenement
};

struct EntreeCatalogue {
    TexteFenetre cle;
    const char* nom;       // the key's name for a script ("avertissement")
    const char* francais;  // UTF-8; lines separated by a lone CR
};

// Every text of the catalogue, in the order of TexteFenetre, one per key.
std::span<const EntreeCatalogue> Catalogue();

// The text of `cle` in the current language.
std::string TexteDeFenetre(TexteFenetre cle);

}  // namespace section
