// SPDX-License-Identifier: GPL-3.0-or-later
#include "paquet_qt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include "dessin/images.h"
#include "section/fichiers.h"

namespace {

QString Texte(const std::string& s) { return QString::fromStdString(s); }

// The page the teacher chose when none was found beside the program.
const QString kClePage = QStringLiteral("paquet/page");

// Where the page is: found, or asked for (said first, then a file dialog);
// "" when the teacher cancels.
QString PageTrouveeOuDemandee(const Services& services, const QString& dossier, bool& demandee) {
    demandee = false;
    const QString page = CheminPageStrataloom();
    if (!page.isEmpty()) return page;
    services.messages->Information(QCoreApplication::translate(
        "FenetrePrincipale", "La page strataloom.html, que le paquet pour l'ENT contient, n'est pas à côté du programme. "
                             "Choisissez le fichier strataloom.html : Strataloom s'en souviendra."));
    DemandeFichier d;
    d.titre = QCoreApplication::translate("FenetrePrincipale", "Où est la page strataloom.html ?");
    d.filtre = QCoreApplication::translate("FenetrePrincipale", "Page Strataloom (*.html)|*.html");
    d.extensionDefaut = QStringLiteral("html");
    d.dossierInitial = dossier;
    d.nomFichier = QStringLiteral("strataloom.html");
    const std::optional<QString> choisie = services.fichiers->Ouvrir(d);
    demandee = choisie.has_value();
    return choisie.value_or(QString());
}

// The page is about 2 MB; a file far bigger is not it.
constexpr std::size_t kOctetsPageMax = 64u * 1024 * 1024;

}  // namespace

QString CheminPageStrataloom() {
    const QString donnee = qEnvironmentVariable("STRATALOOM_PAGE");
    if (!donnee.isEmpty()) return donnee;
    if (!qEnvironmentVariableIsSet("STRATALOOM_PAGE")) {
        const QString trouvee = dessin::CheminDeOctets(
            section::TrouverPage(dessin::OctetsDeChemin(QCoreApplication::applicationDirPath())));
        if (!trouvee.isEmpty()) return trouvee;
    }
    const QString choisie = QSettings(QStringLiteral("Strataloom"), QStringLiteral("strataloom")).value(kClePage).toString();
    return !choisie.isEmpty() && QFileInfo(choisie).isFile() ? choisie : QString();
}

std::optional<QString> ExporterPaquetScorm(const Services& services,
                                           const std::vector<section::ExercicePaquet>& exercices,
                                           const QString& titre, const QString& nomPropose,
                                           const QString& dossier) {
    if (!services.messages || !services.fichiers) return std::nullopt;
    bool demandee = false;
    const QString page = PageTrouveeOuDemandee(services, dossier, demandee);
    if (page.isEmpty()) return std::nullopt;
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
    // A page chosen that made a package is the one used from now on.
    if (demandee) QSettings(QStringLiteral("Strataloom"), QStringLiteral("strataloom")).setValue(kClePage, page);
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
