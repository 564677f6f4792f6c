// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing random exercises, and the --exercise command that saves each
// list with its model picture and its exercise file (and, with --sheet,
// the printable sheets), never over a file that is already there.
#include "exercices.h"

#include <QDir>
#include <QFileInfo>
#include <vector>

#include "commandes.h"
#include "dessin/fiches_pdf.h"
#include "dessin/images.h"
#include "rendu.h"
#include "section/espace_enseignant.h"
#include "section/serie.h"
#include "section/serie_exercices.h"

namespace rendu {

QString NomExercice(std::uint32_t graine, int numero, const char* extension) {
    return QString::fromStdString(section::NomFichierSerie(graine, numero, extension));
}

int CommandeExercices(const Options& o, section::Session& a) {
    if (!PreparerDossier(o.dossier)) return kEchec;
    const QDir dossier(o.dossier);
    section::ReglesSerie regles;
    regles.exercices = o.exercices;
    regles.evenements = o.evenements;
    regles.graine = o.graine;
    const QFileInfo fiche(o.fiche);
    const bool ficheDansLeDossier = !o.fiche.isEmpty() && fiche.absolutePath() == dossier.absolutePath();

    // Every name the series would take, checked before anything is drawn:
    // one already there, whatever it is, and nothing is written.
    QStringList chemins;
    for (const std::string& nom : section::NomsFichiersSerie(o.graine, o.exercices))
        if (!nom.ends_with(".pdf")) chemins << dossier.filePath(QString::fromStdString(nom));
    if (!o.fiche.isEmpty()) chemins << o.fiche;
    for (const QString& c : chemins)
        if (section::CheminOccupe(dessin::OctetsDeChemin(c))) {
            Signaler(QStringLiteral("le fichier %1 existe déjà : la série n'a pas été écrite, aucun fichier n'a "
                                    "changé (choisissez un autre dossier ou une autre graine)")
                         .arg(Cite(c)));
            return kEchec;
        }

    const section::SerieEnseignant serie = section::PreparerSerie(a, regles, o.titre.toStdString());
    if (!serie.raison.empty()) {
        Signaler(QString::fromStdString(serie.raison) + QStringLiteral(" La série n'a pas été écrite."));
        return kEchec;
    }
    std::vector<section::Liste> listes;
    std::vector<QString> titres;
    // The lists, their pictures and exercises, and a sheet in the same
    // folder are written whole or not at all.
    section::EcritureGroupee ecriture(dessin::OctetsDeChemin(dossier.absolutePath()));
    const auto echec = [&](section::ErreurFichier e) {
        const QString fautif = ecriture.Fautif().empty() ? dossier.absolutePath()
                                                         : dossier.filePath(dessin::CheminDeOctets(ecriture.Fautif()));
        Signaler(ErreurEcriture(fautif, e).message +
                 QStringLiteral(" ; la série n'a pas été écrite, aucun fichier du dossier n'a changé"));
        return kEchec;
    };
    for (const section::ExerciceSerie& x : serie.exercices) {
        for (const section::FichierSerie* f : {&x.lst, &x.bmp, &x.exo})
            if (const section::ErreurFichier e =
                    ecriture.Ajouter(dessin::OctetsDeChemin(QString::fromStdString(f->nom)), f->octets);
                e != section::ErreurFichier::Aucune)
                return echec(e);
        listes.push_back(x.liste);
        titres.push_back(QString::fromStdString(x.titre));
    }
    const QString createur = QStringLiteral("strataloom-render " STRATALOOM_VERSION);
    std::optional<QByteArray> octets;
    if (!o.fiche.isEmpty()) {
        octets = dessin::DocumentFiches(a, listes, titres, createur, o.graine);
        if (!octets) {
            Signaler(ErreurEcriture(o.fiche, section::ErreurFichier::Ecriture).message +
                     QStringLiteral(" ; la série n'a pas été écrite"));
            return kEchec;
        }
    }
    if (ficheDansLeDossier) {
        if (const section::ErreurFichier e =
                ecriture.Ajouter(dessin::OctetsDeChemin(fiche.fileName()),
                                 std::string_view(octets->constData(), static_cast<std::size_t>(octets->size())));
            e != section::ErreurFichier::Aucune)
            return echec(e);
    }
    if (const section::ErreurFichier e = ecriture.Terminer(); e != section::ErreurFichier::Aucune) return echec(e);
    if (!octets || ficheDansLeDossier) return kSucces;
    if (const auto e = EcrireFichier(*octets, o.fiche)) {
        Signaler(e->message);
        return kEchec;
    }
    return kSucces;
}

}  // namespace rendu
