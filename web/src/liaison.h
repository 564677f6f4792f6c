// SPDX-License-Identifier: GPL-3.0-or-later
// The page's binding (liaison.cpp) and the functions it offers besides the
// session (session_web.h): the engine's tables and limits (tables_web.cpp),
// a course package (paquet_web.cpp), the menus, words and translations
// (textes_web.cpp).
#pragma once

#include <emscripten/val.h>

#include <string>

namespace liaison {

// --- tables_web.cpp ---

// The event table for the page: [{evenement, tag, libelle, nom, bouton,
// menu, aide, contexte, son, description}].
emscripten::val Evenements();
// The seven texture files' names, in the order the session takes them.
emscripten::val FichiersTextures();
// The number of lines the file layer reads from a list's bytes, or -1 when
// it refuses them.
int CompterLignes(const std::string& octets);
double OctetsListeMax();
double OctetsModeleMax();
double OctetsExerciceMax();

// --- paquet_web.cpp ---

emscripten::val PaquetScorm(const std::string& page, emscripten::val exercices, int seuil,
                            const std::string& titre);
emscripten::val PageAvecExercice(const std::string& page, const std::string& nom, const std::string& octets);
emscripten::val TextesPaquet();
int LireSeuil(const std::string& reponse);

// --- textes_web.cpp ---

// The menus the page offers and the window's words, in the current language.
emscripten::val Menus();
emscripten::val Textes();
// The translations the page carries ({contexte: {francais: traduction}});
// an empty table puts the engine back to French.
void DefinirTraductions(emscripten::val table);

}  // namespace liaison
