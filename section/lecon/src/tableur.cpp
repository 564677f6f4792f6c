// SPDX-License-Identifier: GPL-3.0-or-later
// The marks of a class as one CSV format.
#include "section/tableur.h"

#include <map>

#include "section/comparaison.h"
#include "section/noms.h"
#include "section/textes.h"
#include "section/verification.h"
#include "section/note.h"

namespace section {

std::string ChampCsv(std::string_view texte) {
    std::string t;
    // A spreadsheet reads these first characters as the start of a formula.
    if (!texte.empty() && (texte[0] == '=' || texte[0] == '+' || texte[0] == '-' || texte[0] == '@' ||
                           texte[0] == '\t' || texte[0] == '\r'))
        t = "'";
    t += SansControles(texte);
    if (t.find_first_of(";\"") == std::string::npos) return t;
    std::string q = "\"";
    for (const char c : t) {
        if (c == '"') q += '"';
        q += c;
    }
    return q + '"';
}

std::string_view NomSansDossier(std::string_view chemin) {
    const std::size_t barre = chemin.find_last_of('/');
    return barre == std::string_view::npos ? chemin : chemin.substr(barre + 1);
}

namespace {

// Up to this many other files are named in a row's remark; beyond, the
// first one and how many more, so that the remarks of a class grow with
// its size, not with its square.
constexpr std::size_t kHomonymesNommes = 3;

// "4 998": groups of three digits separated by a narrow no-break space.
std::string NombreGroupe(std::size_t n) {
    std::string chiffres = std::to_string(n), r;
    for (std::size_t i = 0; i < chiffres.size(); ++i) {
        if (i > 0 && (chiffres.size() - i) % 3 == 0) r += "\xE2\x80\xAF";
        r += chiffres[i];
    }
    return r;
}

}  // namespace

void SignalerHomonymes(std::vector<LigneNotes>& lignes) {
    std::map<std::string, std::vector<std::size_t>> parNom;
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        if (lignes[i].eleve.empty()) continue;
        parNom[CleNomEleve(lignes[i].eleve)].push_back(i);
        if (AlphabetsMeles(lignes[i].eleve)) {
            std::string& r = lignes[i].remarque;
            const std::string m = Texte("Notes", "nom écrit avec les lettres de plusieurs alphabets");
            r = r.empty() ? m : r + " ; " + m;
        }
    }
    for (const auto& [cle, rangs] : parNom) {
        if (rangs.size() < 2) continue;
        const std::size_t autres = rangs.size() - 1;
        for (const std::size_t i : rangs) {
            std::string m;
            if (autres <= kHomonymesNommes) {
                std::string noms;
                for (const std::size_t j : rangs)
                    if (j != i) (noms += noms.empty() ? "" : ", ") += NomSansDossier(lignes[j].fichier);
                //: %1 lists the other answer files, separated by commas.
                m = Remplir(Texte("Notes", "même nom d'élève que %1"), {noms});
            } else {
                const std::size_t premier = rangs[0] == i ? rangs[1] : rangs[0];
                //: %1 is another answer file, %2 how many more share the name (at least 3).
                m = Remplir(Texte("Notes", "même nom d'élève que %1 et %2 autres"),
                            {NomSansDossier(lignes[premier].fichier), NombreGroupe(autres - 1)});
            }
            std::string& r = lignes[i].remarque;
            r = r.empty() ? m : r + " ; " + m;
        }
    }
}

std::string CsvDesNotes(const std::vector<LigneNotes>& lignes) {
    std::string r = "\xEF\xBB\xBF";
    r += kEnteteNotes;
    r += "\r\n";
    for (const LigneNotes& l : lignes) {
        r += ChampCsv(NomSansDossier(l.fichier));
        r += ';';
        r += ChampCsv(l.eleve);
        r += ';';
        if (l.note) {
            const Note& n = *l.note;
            r += std::to_string(n.points) + ';' + Pourcentage(n.rocheIdentique, n.roche) + ';' +
                 Pourcentage(n.identiques, n.pixels) + ';' + std::to_string(n.evenementsReconnus) + ';' +
                 std::to_string(n.formationsEnEcart) + ';';
        } else {
            r += ";;;;;";
        }
        r += ChampCsv(l.remarque);
        r += ';';
        if (l.noteOrdre) r += std::to_string(*l.noteOrdre);
        r += ';';
        if (l.verifications) r += std::to_string(l.verifications->coupe) + ';' + std::to_string(l.verifications->ordre);
        else r += ';';
        r += "\r\n";
    }
    return r;
}

std::string RemarqueNote(const Note& n, const Verification& v) {
    if (n.evenementsReconnus == 0) return Texte("Notes", "aucun événement reconnu");
    if (n.memeCoupe) return Texte("Notes", "même coupe que le corrigé");
    std::string r;
    for (const Remarque& m : v.remarques) r += (r.empty() ? "" : " ; ") + m.texte;
    return r.empty() ? Texte("Notes", "coupe différente") : r;
}

std::string RemarqueTropLongue() {
    //: %1 is a number of events.
    return Remplir(Texte("Notes", "plus de %1 événements : réponse non rejouée"), {std::to_string(kEvenementsNotesMax)});
}

std::string RemarqueOrdreNonFait() { return Texte("Notes", "ordre non fait"); }

std::string RemarqueAutreExercice() { return Texte("Notes", "répond à un autre exercice"); }

}  // namespace section
