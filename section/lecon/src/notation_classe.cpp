// SPDX-License-Identifier: GPL-3.0-or-later
#include "section/notation_classe.h"

#include <algorithm>
#include <map>
#include <string_view>
#include <utility>

#include "section/justification.h"
#include "section/liste.h"
#include "section/noms.h"
#include "section/textes.h"
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
    reponses_.emplace_back();
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
                           const Liste& lignes, const std::optional<OrdreDonne>& ordre,
                           std::optional<Verifications> verifications) {
    LigneNotes l;
    l.fichier = std::move(fichier);
    l.eleve = std::move(eleve);
    l.verifications = verifications;
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
    std::string reponse;
    if (l.note && lignes != modele_.liste()) {
        reponse = TexteListe(lignes);
        if (ordre) {
            reponse += '|';
            for (std::size_t i = 0; i < ordre->cartes.size(); ++i) {
                const Justification j = i < ordre->justifications.size() ? ordre->justifications[i] : Justification{};
                reponse += std::to_string(ordre->cartes[i]) + ',' + std::to_string(static_cast<int>(j.principe)) + ',' +
                           std::to_string(j.temoin) + ';';
            }
        }
    }
    lignes_.push_back(std::move(l));
    reponses_.push_back(std::move(reponse));
    return memeExercice;
}

std::vector<LigneNotes> NotationClasse::Lignes() const {
    std::vector<LigneNotes> l = lignes_;
    SignalerHomonymes(l);
    std::map<std::string_view, std::vector<std::size_t>> parReponse;
    for (std::size_t i = 0; i < reponses_.size(); ++i)
        if (!reponses_[i].empty()) parReponse[reponses_[i]].push_back(i);
    for (const auto& [reponse, rangs] : parReponse) {
        for (const std::size_t i : rangs) {
            // The same answer under another name: a copy the teacher should see.
            std::vector<std::size_t> autres;
            for (const std::size_t j : rangs)
                if (CleNomEleve(l[j].eleve) != CleNomEleve(l[i].eleve)) autres.push_back(j);
            if (autres.empty()) continue;
            std::string noms;
            for (std::size_t k = 0; k < autres.size() && k < 3; ++k)
                (noms += noms.empty() ? "" : ", ") += NomSansDossier(l[autres[k]].fichier);
            //: %1 lists up to three other answer files, separated by commas.
            std::string m = Remplir(Texte("Notes", "même réponse que %1"), {noms});
            if (autres.size() > 3)
                //: %1 is how many more answer files give the same answer.
                m += Remplir(Texte("Notes", " et %1 autres"), {std::to_string(autres.size() - 3)});
            l[i].remarque += " ; " + m;
        }
    }
    return l;
}

}  // namespace section
