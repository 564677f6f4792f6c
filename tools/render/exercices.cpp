// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing random exercises, and the --exercise command that saves each
// list with its model picture (and, with --sheet, the printable sheets).
#include "exercices.h"

#include <QDir>
#include <QFileInfo>
#include <vector>

#include "commandes.h"
#include "feuille.h"
#include "dessin/fiches_pdf.h"
#include "dessin/images.h"
#include "section/bmp.h"
#include "rendu.h"
#include "section/serie.h"
#include "section/liste.h"

namespace rendu {

QString NomExercice(std::uint32_t graine, int numero, const char* extension) {
    return QStringLiteral("exercice-%1-%2%3")
        .arg(QString::number(graine), QStringLiteral("%1").arg(numero, 2, 10, QLatin1Char('0')),
             QLatin1String(extension));
}

int CommandeExercices(const Options& o, section::Session& a) {
    if (!PreparerDossier(o.dossier)) return kEchec;
    const QDir dossier(o.dossier);
    section::ReglesSerie regles;
    regles.exercices = o.exercices;
    regles.evenements = o.evenements;
    regles.graine = o.graine;
    const std::vector<section::ExerciceTire> serie = section::TirerSerie(a, regles);
    std::vector<section::Liste> listes;
    // The lists, their pictures and a sheet in the same folder are written
    // whole or not at all, never mixed with an older series there.
    section::EcritureGroupee ecriture(dessin::OctetsDeChemin(dossier.absolutePath()));
    const auto echec = [&](section::ErreurFichier e) {
        const QString fautif = ecriture.Fautif().empty() ? dossier.absolutePath()
                                                         : dossier.filePath(dessin::CheminDeOctets(ecriture.Fautif()));
        Signaler(ErreurEcriture(fautif, e).message +
                 QStringLiteral(" ; la série n'a pas été écrite, aucun fichier du dossier n'a changé"));
        return kEchec;
    };
    for (int i = 1; i <= static_cast<int>(serie.size()); ++i) {
        const section::Liste& liste = serie[static_cast<std::size_t>(i - 1)].liste;
        if (!serie[static_cast<std::size_t>(i - 1)].conforme)
            Signaler(QStringLiteral("exercice %1 : aucun tirage ne donne une coupe lisible, vraisemblable, assez "
                                    "rocheuse et nouvelle ; le dernier est gardé (voir --chronologie)")
                         .arg(i));
        // The model is what loading the saved list shows.
        a.Charger(liste);
        section::ErreurFichier e =
            ecriture.Ajouter(dessin::OctetsDeChemin(NomExercice(o.graine, i, ".lst")), section::TexteListe(liste));
        if (e == section::ErreurFichier::Aucune)
            e = ecriture.Ajouter(dessin::OctetsDeChemin(NomExercice(o.graine, i, ".bmp")), section::EcrireBmp(a.vue()));
        if (e != section::ErreurFichier::Aucune) return echec(e);
        listes.push_back(liste);
    }
    std::vector<QString> titres;
    for (int i = 1; i <= o.exercices; ++i)
        titres.push_back(QStringLiteral("Exercice %1 (série %2)").arg(QString::number(i), QString::number(o.graine)));
    const QFileInfo fiche(o.fiche);
    const bool ficheDansLeDossier = !o.fiche.isEmpty() && fiche.absolutePath() == dossier.absolutePath();
    if (ficheDansLeDossier) {
        const auto octets = dessin::DocumentFiches(a, listes, titres, QStringLiteral("strataloom-render " STRATALOOM_VERSION));
        const section::ErreurFichier e =
            octets ? ecriture.Ajouter(dessin::OctetsDeChemin(fiche.fileName()),
                                      std::string_view(octets->constData(), static_cast<std::size_t>(octets->size())))
                   : section::ErreurFichier::Ecriture;
        if (e != section::ErreurFichier::Aucune) return echec(e);
    }
    if (const section::ErreurFichier e = ecriture.Terminer(); e != section::ErreurFichier::Aucune) return echec(e);
    if (o.fiche.isEmpty() || ficheDansLeDossier) return kSucces;
    if (const auto e = EcrireFiches(o.fiche, a, listes, titres)) {
        Signaler(e->message);
        return kEchec;
    }
    return kSucces;
}

}  // namespace rendu
