// Drawing random exercises, and the --exercise command that saves each
// list with its model picture (and, with --sheet, the printable sheets).
#include "exercices.h"

#include <QDir>
#include <vector>

#include "commandes.h"
#include "feuille.h"
#include "rendu.h"

namespace rendu {

section::Liste TirerExercice(section::Session& a, std::mt19937& tirage, int k) {
    a.Reinitialiser();
    std::vector<int> tags;
    for (int n = 0; n < k; ++n) {
        const std::size_t fin = tags.size();
        const int repete = fin >= 2 && tags[fin - 1] == tags[fin - 2] ? tags[fin - 1] : 0;
        std::vector<int> candidats, permis;
        for (const section::TypeEvenement& e : section::kEvenements) {
            if (!a.Disponible(e.evenement)) continue;
            permis.push_back(e.tag);
            if (e.tag != repete) candidats.push_back(e.tag);
        }
        if (candidats.empty()) candidats = permis;
        if (candidats.empty()) break;  // nothing enabled: the list ends here
        const int tag = candidats[tirage() % candidats.size()];
        a.Appliquer(*section::EvenementDeTag(tag));
        tags.push_back(tag);
    }
    return a.liste();
}

QString NomExercice(std::uint32_t graine, int numero, const char* extension) {
    return QStringLiteral("exercice-%1-%2%3")
        .arg(QString::number(graine), QStringLiteral("%1").arg(numero, 2, 10, QLatin1Char('0')),
             QLatin1String(extension));
}

int CommandeExercices(const Options& o, section::Session& a) {
    if (!PreparerDossier(o.dossier)) return kEchec;
    const QDir dossier(o.dossier);
    std::mt19937 tirage(o.graine);
    std::vector<section::Liste> listes;
    for (int i = 1; i <= o.exercices; ++i) {
        const section::Liste liste = TirerExercice(a, tirage, o.evenements);
        // The model is what loading the saved list shows.
        a.Charger(liste);
        std::optional<Erreur> e =
            EcrireFichier(section::TexteListe(liste), dossier.filePath(NomExercice(o.graine, i, ".lst")));
        if (!e) e = EcrireImageSelonNom(a.vue(), dossier.filePath(NomExercice(o.graine, i, ".bmp")), true);
        if (e) {
            Signaler(e->message);
            return kEchec;
        }
        listes.push_back(liste);
    }
    if (o.fiche.isEmpty()) return kSucces;
    std::vector<QString> titres;
    for (int i = 1; i <= o.exercices; ++i)
        titres.push_back(QStringLiteral("Exercice %1 (série %2)").arg(QString::number(i), QString::number(o.graine)));
    if (const auto e = EcrireFiches(o.fiche, a, listes, titres)) {
        Signaler(e->message);
        return kEchec;
    }
    return kSucces;
}

}  // namespace rendu
