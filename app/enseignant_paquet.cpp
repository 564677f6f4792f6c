// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's space: a drawn series as one package for the school's
// course platform, each exercise built as "Créer la série..." builds it
// (section::ExerciceDeSerie) and named as its file would be.
#include <QDir>
#include <QLabel>
#include <QLineEdit>

#include "fenetre_enseignant.h"
#include "paquet_qt.h"
#include "section/serie_exercices.h"

std::optional<QString> FenetreEnseignant::ExporterSerieScorm() {
    bool lu = false;
    const std::uint32_t graine = graine_->text().trimmed().toUInt(&lu);
    if (!lu) {
        Erreur(tr("La graine doit être un nombre entier de 0 à 4294967295."));
        return std::nullopt;
    }
    const QString titre = prefixe_->text().trimmed();
    section::Session a;
    a.DefinirTextures(textures_);
    const std::vector<section::ExerciceTire> serie = section::TirerSerie(a, Regles());
    if (const std::string raison = section::RaisonSerieImpossible(serie); !raison.empty()) {
        Erreur(QString::fromStdString(raison));
        return std::nullopt;
    }
    std::vector<section::ExercicePaquet> exercices;
    for (std::size_t i = 0; i < serie.size(); ++i) {
        const int numero = static_cast<int>(i) + 1;
        section::Exercice e;
        if (const std::string r = section::ExerciceDeSerie(a, serie[i].liste, graine, numero, titre.toStdString(), e);
            !r.empty()) {
            Erreur(tr("Exercice %1 impossible à faire : %2").arg(numero).arg(QString::fromStdString(r)));
            return std::nullopt;
        }
        exercices.push_back({section::NomFichierSerie(graine, numero, ".exo"), section::TexteExercice(e)});
    }
    const QString nom = titre.isEmpty() ? QString::number(graine) : QStringLiteral("%1 - %2").arg(titre).arg(graine);
    std::optional<QString> chemin = ExporterPaquetScorm(services_, exercices, titre, nom, dossierDocuments_);
    if (chemin)
        bilanSerie_->setText(tr("%n exercice(s) dans le paquet pour l'ENT %1.", nullptr, static_cast<int>(exercices.size()))
                                 .arg(QDir::toNativeSeparators(*chemin)));
    return chemin;
}
