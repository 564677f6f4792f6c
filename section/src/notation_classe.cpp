// SPDX-License-Identifier: GPL-3.0-or-later
#include "section/notation_classe.h"

#include <algorithm>
#include <utility>

#include "section/justification.h"
#include "section/note.h"
#include "section/ordre.h"
#include "section/verification.h"

namespace section {

NotationClasse::NotationClasse(const Textures& textures, const Liste& modele, std::optional<std::uint64_t> empreinte)
    : empreinte_(empreinte) {
    modele_.DefinirTextures(textures);
    modele_.SuivreFormations(true);
    modele_.Charger(modele);
    chronologie_ = LireChronologie(modele_);
    cartes_ = CartesDuModele(modele_, 0).size();
    eleve_.DefinirTextures(textures);
    eleve_.SuivreFormations(true);
}

void NotationClasse::Refuser(std::string fichier, std::string raison) {
    LigneNotes l;
    l.fichier = std::move(fichier);
    l.remarque = std::move(raison);
    lignes_.push_back(std::move(l));
}

std::optional<int> NoteOrdreDonne(const Session& modele, const Chronologie& c, const OrdreDonne& ordre) {
    std::vector<int> attendues, donnees = ordre.cartes;
    for (const Carte& carte : CartesDuModele(modele, 0)) attendues.push_back(carte.id);
    std::sort(attendues.begin(), attendues.end());
    std::sort(donnees.begin(), donnees.end());
    if (attendues != donnees) return std::nullopt;
    return NoteOrdreJustifie(c, ordre.cartes, JugerJustifications(modele, c, ordre.cartes, ordre.justifications));
}

bool NotationClasse::Noter(std::string fichier, std::string eleve, std::optional<std::uint64_t> exercice,
                           const Liste& lignes, const std::optional<OrdreDonne>& ordre) {
    LigneNotes l;
    l.fichier = std::move(fichier);
    l.eleve = std::move(eleve);
    const bool memeExercice = !empreinte_ || !exercice || *exercice == *empreinte_;
    if (!memeExercice) {
        l.remarque = RemarqueAutreExercice();
    } else if (TropLonguePourNoter(lignes)) {
        l.remarque = RemarqueTropLongue();
    } else {
        eleve_.Charger(lignes);
        l.note = section::Noter(modele_, chronologie_, eleve_);
        l.remarque = RemarqueNote(*l.note, l.note->memeCoupe ? Verification{} : VerifierCoupe(modele_, eleve_));
        if (ordre) l.noteOrdre = NoteOrdreDonne(modele_, chronologie_, *ordre);
        else if (exercice && cartes_ >= 2) l.remarque += " ; " + RemarqueOrdreNonFait();
    }
    lignes_.push_back(std::move(l));
    return memeExercice;
}

std::vector<LigneNotes> NotationClasse::Lignes() const {
    std::vector<LigneNotes> l = lignes_;
    SignalerHomonymes(l);
    return l;
}

}  // namespace section
