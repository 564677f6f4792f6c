// SPDX-License-Identifier: GPL-3.0-or-later
// The printable sheets' words.
#include "section/fiches.h"

#include <algorithm>

#include "section/evenements.h"
#include "section/textes.h"

namespace section {

int HautImprimeFiche(const Raster& vue) {
    for (int y = 0; y < vue.height(); ++y) {
        const Couleur* ligne = vue.row(y);
        for (int x = 0; x < vue.width(); ++x)
            if (ligne[x] != kBleu) return std::max(0, y - kMargeCielFiche);
    }
    return 0;
}

namespace {

// An event's name in a sentence on the sheet: the command's caption, but
// « Érosion » with its capital accent.
std::string NomSurFiche(std::string_view ligne) {
    if (EvenementDeLigne(ligne) == Evenement::Erosion) return Texte("FichesPdf", "Érosion");
    return NomEvenement(ligne);
}

}  // namespace

std::string TitreDocumentFiches() { return Texte("FichesPdf", "Strataloom — fiches d'exercices"); }

std::string PiedFiche(std::uint32_t graine) {
    return Remplir(Texte("FichesPdf", "Graine de la série : %1"), {std::to_string(graine)});
}

std::string PiedFicheExercice(std::string_view titre) {
    return Remplir(Texte("FichesPdf", "Exercice : %1"), {std::string(titre)});
}

std::string EnteteEleveFiche() {
    return Texte("FichesPdf", "Nom : ................................   Classe : ..........   Date : ................");
}

std::string ConsigneFiche(int evenements) {
    std::string consigne =
        evenements == 1
            ? Texte("FichesPdf",
                    "Cette coupe géologique part d'une série sédimentaire (calcaire, argile, "
                    "conglomérat). Retrouve l'événement géologique qui l'a formée, et justifie ta réponse par "
                    "un principe de datation relative et ce que tu observes sur la coupe.")
            : Remplir(Texte("FichesPdf",
                            "Cette coupe géologique part d'une série sédimentaire (calcaire, argile, "
                            "conglomérat). Retrouve, dans l'ordre, les %1 événements géologiques qui l'ont formée, "
                            "et justifie la place de chacun par un principe de datation relative et ce que tu "
                            "observes sur la coupe."),
                      {std::to_string(evenements)});
    return consigne + ' ' +
           Texte("FichesPdf", "Les lettres nomment les formations ; elles ne disent rien de leur âge. "
                              "La légende donne leurs roches.");
}

std::string EvenementsPossiblesFiche() {
    std::string noms;
    for (const TypeEvenement& e : kEvenements) (noms += noms.empty() ? "" : ", ") += NomSurFiche(e.ligne);
    return Remplir(Texte("FichesPdf", "Événements possibles : %1."), {noms});
}

ColonnesFiche ColonnesTableauFiche() {
    return {Texte("FichesPdf", "N°"), Texte("FichesPdf", "Événement"),
            Texte("FichesPdf", "Justifie : principe et observation")};
}

std::string TitreCorrigeFiche(std::string_view titre) { return Remplir(Texte("FichesPdf", "Corrigé — %1"), {titre}); }

std::string LegendeCorrigeFiche(const std::vector<EntreeLegende>& entrees) {
    if (entrees.empty()) return {};
    std::string lignes;
    for (const EntreeLegende& e : entrees) (lignes += lignes.empty() ? "" : " ; ") += TexteLegendeCorrige(e);
    return Remplir(Texte("FichesPdf", "Légende : %1."), {lignes});
}

namespace {

// The first letter of a UTF-8 sentence in capitals: ASCII, and the
// accented small letters of Latin-1 (two bytes, C3 A0..BE).
std::string Capitale(std::string s) {
    if (s.empty()) return s;
    const auto c = static_cast<unsigned char>(s[0]);
    if (c >= 'a' && c <= 'z') {
        s[0] = static_cast<char>(c - 'a' + 'A');
    } else if (c == 0xC3 && s.size() > 1) {
        const auto d = static_cast<unsigned char>(s[1]);
        if (d >= 0xA0 && d <= 0xBE && d != 0xB7) s[1] = static_cast<char>(d - 0x20);
    }
    return s;
}

}  // namespace

std::vector<LigneCorrige> LignesCleFiche(const CleOrdres& cle) {
    using S = LigneCorrige::Sorte;
    std::vector<LigneCorrige> l;
    if (!cle.lue) {
        l.push_back({S::Texte, Texte("FichesPdf", "Strataloom ne sait pas lire la chronologie de cette coupe.")});
    } else if (cle.tropPourLister) {
        l.push_back({S::Titre, Remplir(Texte("FichesPdf", "Plus de %1 ordres sont acceptés : tout ordre qui respecte "
                                                          "les relations ci-dessous est juste."),
                                       {std::to_string(kOrdresAcceptesListes)})});
    } else {
        l.push_back({S::Titre, cle.ordres.size() == 1
                                   ? Texte("FichesPdf", "Un seul ordre est accepté :")
                                   : Remplir(Texte("FichesPdf", "%1 ordres sont acceptés, tous justes :"),
                                             {std::to_string(cle.ordres.size())})});
        for (std::size_t i = 0; i < cle.ordres.size(); ++i) {
            std::string noms;
            for (const std::string& n : cle.ordres[i]) (noms += noms.empty() ? "" : " \xE2\x86\x92 ") += n;
            l.push_back({S::Ordre, std::to_string(i + 1) + ".\xC2\xA0" + noms});
        }
    }
    if (!cle.relations.empty()) {
        l.push_back({S::Titre, Texte("FichesPdf", "Ce que montre la coupe, avec le principe qui date chaque relation :")});
        for (const std::string& r : cle.relations) l.push_back({S::Relation, "\xE2\x80\xA2\xC2\xA0" + Capitale(r) + "."});
    }
    return l;
}

std::string LegendeEtapeFiche(const Liste& liste, int i) {
    if (i <= 0 || static_cast<std::size_t>(i) >= liste.size())
        return Remplir(Texte("FichesPdf", "Étape %1 : %2"), {std::to_string(i), Texte("FichesPdf", "départ")});
    const Ligne& ligne = liste[static_cast<std::size_t>(i)];
    std::string nom = NomSurFiche(ligne);
    if (TagDeLigne(ligne) == 0) nom = Remplir(Texte("FichesPdf", "%1 (sans effet)"), {nom});
    return Remplir(Texte("FichesPdf", "Étape %1 : %2"), {std::to_string(i), nom});
}

}  // namespace section
