// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's tables and limits as the page reads them: the event table,
// the texture files' names, the lines a list file holds, the largest files
// worth reading.
#include "liaison.h"

#include "section/bmp.h"
#include "section/encodage.h"
#include "section/evenements.h"
#include "section/exercice.h"
#include "section/fichiers.h"
#include "section/liste.h"
#include "section/textes.h"
#include "section/textures.h"

using emscripten::val;

namespace liaison {

// The event table for the page: the kind (the Evenement enumeration the
// session's commands take), tag, list word and caption, help context, wave
// file and what the event does.
val Evenements() {
    val table = val::array();
    for (const section::TypeEvenement& e : section::kEvenements) {
        val ligne = val::object();
        ligne.set("evenement", e.evenement);
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

val FichiersTextures() {
    val noms = val::array();
    for (const char* nom : section::kFichiersTextures) noms.call<void>("push", std::string(nom));
    return noms;
}

}  // namespace liaison
