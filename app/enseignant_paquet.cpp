// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's space: a drawn series as one package for the school's
// course platform, each exercise built as "Créer la série..." builds it
// (section::PreparerSerie) and named as its file would be.
#include <QDir>
#include <QLabel>
#include <QLineEdit>

#include "fenetre_enseignant.h"
#include "paquet_qt.h"
#include "section/espace_enseignant.h"

std::optional<QString> FenetreEnseignant::ExporterSerieScorm() {
    const std::optional<std::uint32_t> graine = section::LireGraine(graine_->text().toStdString());
    if (!graine) {
        Erreur(QString::fromStdString(section::RaisonGraineInvalide()));
        return std::nullopt;
    }
    const QString titre = prefixe_->text().trimmed();
    section::Session a;
    a.DefinirTextures(textures_);
    const section::SerieEnseignant serie = section::PreparerSerie(a, Regles(), titre.toStdString());
    if (!serie.raison.empty()) {
        Erreur(QString::fromStdString(serie.raison));
        return std::nullopt;
    }
    std::vector<section::ExercicePaquet> exercices;
    for (const section::ExerciceSerie& x : serie.exercices) exercices.push_back({x.exo.nom, x.exo.octets});
    // The package is named as the series' folder.
    const QString nom = QString::fromStdString(serie.dossier);
    std::optional<QString> chemin = ExporterPaquetScorm(services_, exercices, titre, nom, dossierDocuments_);
    if (chemin)
        bilanSerie_->setText(tr("%n exercice(s) dans le paquet pour l'ENT %1.", nullptr, static_cast<int>(exercices.size()))
                                 .arg(QDir::toNativeSeparators(*chemin)));
    return chemin;
}
