// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar, once for every front end: its menus, their items in order,
// each item's object name, French caption, shortcuts and the command it
// runs. The window and the browser page both build their menus from this
// table and connect each item to the handler of its command; neither writes
// a menu of its own.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace section {

// What a menu item does. `Evenements` stands for the seven event commands,
// in the order of the event table; `Separateur` is a line between items.
enum class Commande : int {
    ChargerModele,
    EnregistrerModele,
    ExporterImage,
    ChargerListe,
    EnregistrerListe,
    ExporterListe,
    Quitter,
    Evenements,
    Annuler,
    RetourDebut,
    Lettres,
    Teintes,
    Roches,
    Legende,
    Sons,
    OuvrirExercice,
    OuvrirReponse,
    Verifier,
    Ordonner,
    EnregistrerReponse,
    ExporterScorm,
    CreerExercice,
    EspaceEnseignant,
    Aide,
    Avertissement,
    APropos,
    Separateur,
};

// Where an item or a menu is offered.
enum class Edition : unsigned {
    Fenetre = 1,      // the desktop window
    Navigateur = 2,   // the browser page
    Toutes = 3,
};
constexpr bool Offert(Edition ou, Edition edition) {
    return (static_cast<unsigned>(ou) & static_cast<unsigned>(edition)) != 0;
}

struct ArticleMenu {
    Commande commande;
    const char* nom;      // object name of the item; empty for a separator
    const char* libelle;  // French caption, "&" before the underlined letter
    // Shortcuts in the portable form "Ctrl+O", "Alt+F4", "F1"; the first
    // one is the item's own, the others work as well.
    std::array<const char*, 2> raccourcis;
    bool cochable;        // shows a check mark (on or off)
    Edition edition;
};

struct MenuBarre {
    const char* nom;      // object name of the menu
    const char* libelle;  // French caption, "&" before the underlined letter
    std::span<const ArticleMenu> articles;
    Edition edition;
};

// The menus of the bar, left to right.
std::span<const MenuBarre> Menus();

// A caption of the table (a menu's or an item's) in the current language
// (see textes.h), "&" kept.
std::string LibelleCommande(const char* libelle);
// The caption without its "&", as a screen reader or a list shows it.
std::string SansEsperluette(std::string_view libelle);

}  // namespace section
