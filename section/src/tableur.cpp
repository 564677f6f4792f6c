// SPDX-License-Identifier: GPL-3.0-or-later
// The marks of a class as one CSV format.
#include "section/tableur.h"

#include "section/comparaison.h"
#include "section/textes.h"

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

std::string CsvDesNotes(const std::vector<LigneNotes>& lignes) {
    std::string r = "\xEF\xBB\xBF";
    r += kEnteteNotes;
    r += "\r\n";
    for (const LigneNotes& l : lignes) {
        const std::size_t barre = l.fichier.find_last_of('/');
        r += ChampCsv(barre == std::string::npos ? l.fichier : l.fichier.substr(barre + 1));
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

std::string RemarqueAutreExercice() { return Texte("Notes", "répond à un autre exercice"); }

}  // namespace section
