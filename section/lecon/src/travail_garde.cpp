// SPDX-License-Identifier: GPL-3.0-or-later
#include "section/travail_garde.h"

#include <algorithm>
#include <set>

#include "section/catalogue.h"
#include "section/textes.h"

namespace section {

namespace {

constexpr std::string_view kEntete = "SLTRAVAIL1";

std::vector<std::string_view> Lignes(std::string_view texte) {
    std::vector<std::string_view> lignes;
    while (!texte.empty() && lignes.size() < 5) {
        const std::size_t fin = texte.find('\n');
        lignes.push_back(texte.substr(0, fin));
        if (fin == std::string_view::npos) break;
        texte.remove_prefix(fin + 1);
    }
    return lignes;
}

std::string Illisible() { return Texte("Reprise", "le travail gardé est illisible"); }

}  // namespace

std::string TexteTravailGarde(const TravailGarde& t, std::string& raison) {
    const std::string travail = TexteReprise(t.travail, raison);
    if (travail.empty()) return {};
    std::string cartes;
    if (t.cartes) {
        Reprise r;
        r.exercice = t.travail.exercice;
        r.lignes = {Ligne(kLigneInitiale)};
        r.ordre = t.cartes;
        cartes = TexteReprise(r, raison);
        if (cartes.empty()) return {};
    }
    std::string texte(kEntete);
    texte += '\n' + travail + '\n' + (t.enregistre ? '1' : '0') + '\n' + cartes + '\n';
    return texte;
}

std::string LireTravailGarde(std::string_view texte, std::uint64_t exercice, TravailGarde& t) {
    if (texte.size() > kOctetsTravailGardeMax) return Texte("Reprise", "le travail gardé est trop long");
    const std::vector<std::string_view> lignes = Lignes(texte);
    if (lignes.empty() || lignes[0] != kEntete)
        return Texte("Reprise", "le fichier gardé n'est pas un travail de Strataloom");
    if (lignes.size() != 4 || (lignes[2] != "0" && lignes[2] != "1") || texte.back() != '\n') return Illisible();
    TravailGarde lu;
    if (std::string raison = LireReprise(lignes[1], exercice, lu.travail); !raison.empty()) return raison;
    lu.enregistre = lignes[2] == "1";
    if (!lignes[3].empty()) {
        Reprise cartes;
        if (std::string raison = LireReprise(lignes[3], exercice, cartes); !raison.empty()) return raison;
        if (cartes.lignes.size() != 1 || !cartes.ordre) return Illisible();
        lu.cartes = std::move(cartes.ordre);
    }
    t = std::move(lu);
    return {};
}

bool TravailAReprendre(const TravailGarde& t) {
    return t.travail.exercice != 0 || t.travail.lignes.size() > 1 || t.travail.ordre.has_value() || t.cartes.has_value();
}

std::string QuestionReprise(const TravailGarde& t, std::string_view titre) {
    const std::size_t n = t.travail.lignes.size();
    std::string quoi = n <= 1   ? TexteDeFenetre(TexteFenetre::AucunEvenement)
                       : n == 2 ? TexteDeFenetre(TexteFenetre::UnEvenement)
                                : Remplir(TexteDeFenetre(TexteFenetre::NEvenements), {std::to_string(n - 1)});
    if (t.travail.ordre) quoi = Remplir(TexteDeFenetre(TexteFenetre::AvecOrdre), {quoi});
    if (t.travail.exercice == 0) return Remplir(TexteDeFenetre(TexteFenetre::RepriseFenetre), {quoi});
    return Remplir(TexteDeFenetre(TexteFenetre::RepriseExercice), {titre, quoi});
}

bool OrdreDesCartes(const OrdreDonne& o, const std::vector<Carte>& cartes) {
    if (o.cartes.size() != cartes.size() || o.justifications.size() != cartes.size()) return false;
    std::set<int> attendues, donnees(o.cartes.begin(), o.cartes.end());
    for (const Carte& c : cartes) attendues.insert(c.id);
    return donnees == attendues && donnees.size() == cartes.size();
}

}  // namespace section
