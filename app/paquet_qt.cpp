// SPDX-License-Identifier: GPL-3.0-or-later
#include "paquet_qt.h"

#include <QCoreApplication>
#include <QDir>

#include "dessin/images.h"
#include "section/fichiers.h"

namespace {

QString Texte(const std::string& s) { return QString::fromStdString(s); }

// The page is about 2 MB; a file far bigger is not it.
constexpr std::size_t kOctetsPageMax = 64u * 1024 * 1024;

}  // namespace

QString CheminPageStrataloom() {
    const QString donnee = qEnvironmentVariable("STRATALOOM_PAGE");
    if (!donnee.isEmpty()) return donnee;
    return dessin::CheminDeOctets(
        section::TrouverPage(dessin::OctetsDeChemin(QCoreApplication::applicationDirPath())));
}

std::optional<QString> ExporterPaquetScorm(const Services& services,
                                           const std::vector<section::ExercicePaquet>& exercices,
                                           const QString& titre, const QString& nomPropose,
                                           const QString& dossier) {
    if (!services.messages || !services.fichiers) return std::nullopt;
    const QString page = CheminPageStrataloom();
    if (page.isEmpty()) {
        services.messages->Erreur(
            QCoreApplication::translate("FenetrePrincipale", "La page strataloom.html n'est pas installée à côté du programme : le paquet pour l'ENT ne peut "
               "pas être fait sans elle."));
        return std::nullopt;
    }
    int seuil = section::kSeuilParDefaut;
    if (services.questions) {
        const std::optional<QString> reponse =
            services.questions->Demander(Texte(section::QuestionSeuil()), QString::number(seuil));
        if (!reponse) return std::nullopt;
        const std::optional<int> lu = section::LireSeuil(reponse->toStdString());
        if (!lu) {
            services.messages->Erreur(Texte(section::SeuilRefuse()));
            return std::nullopt;
        }
        seuil = *lu;
    }
    std::string octetsPage;
    if (const section::ErreurFichier e =
            section::LireFichier(dessin::OctetsDeChemin(page), kOctetsPageMax, octetsPage);
        e != section::ErreurFichier::Aucune) {
        services.messages->Erreur(QCoreApplication::translate("FenetrePrincipale", "Impossible de lire la page %1 : %2")
                                      .arg(QDir::toNativeSeparators(page), Texte(section::RaisonErreur(e))));
        return std::nullopt;
    }
    std::string zip;
    if (const std::string r = section::PaquetScorm(octetsPage, exercices, seuil, titre.toStdString(), zip);
        !r.empty()) {
        services.messages->Erreur(QCoreApplication::translate("FenetrePrincipale", "Paquet impossible à faire : %1").arg(Texte(r)));
        return std::nullopt;
    }
    DemandeFichier d;
    d.titre = QCoreApplication::translate("FenetrePrincipale", "Exporter pour l'ENT (SCORM)");
    d.filtre = QCoreApplication::translate("FenetrePrincipale", "Paquets SCORM (*.zip)|*.zip");
    d.extensionDefaut = QStringLiteral("zip");
    d.dossierInitial = dossier;
    d.nomFichier = nomPropose + QStringLiteral(".zip");
    d.confirmerEcrasement = true;
    const std::optional<QString> chemin = services.fichiers->Enregistrer(d);
    if (!chemin) return std::nullopt;
    if (const section::ErreurFichier e = section::EcrireFichierSur(dessin::OctetsDeChemin(*chemin), zip);
        e != section::ErreurFichier::Aucune) {
        services.messages->Erreur(dessin::MessageSiLien(*chemin, e).value_or(
            QCoreApplication::translate("FenetrePrincipale", "Impossible de créer le fichier %1").arg(QDir::toNativeSeparators(*chemin))));
        return std::nullopt;
    }
    return chemin;
}
