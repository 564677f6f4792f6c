// SPDX-License-Identifier: GPL-3.0-or-later
// --scorm: exercise files put in one package for a school's course
// platform (section/paquet_scorm.h), with the browser page installed
// beside the program or the one named by --page. Never written over a file
// that is already there.
#include <QDir>
#include <QFileInfo>

#include "commandes.h"
#include "dessin/images.h"
#include "rendu.h"
#include "section/exercice.h"
#include "section/paquet_scorm.h"

namespace rendu {

namespace {

// The page is about 2 MB; a file far bigger is not it.
constexpr std::size_t kOctetsPageMax = 64u * 1024 * 1024;

bool Lire(const QString& chemin, std::size_t max, std::string& octets) {
    const section::ErreurFichier e = section::LireFichier(dessin::OctetsDeChemin(chemin), max, octets);
    if (e == section::ErreurFichier::Aucune) return true;
    Signaler(QStringLiteral("Chargement impossible : %1 (%2)")
                 .arg(Cite(chemin), QString::fromStdString(section::RaisonErreur(e))));
    return false;
}

}  // namespace

int CommandeScorm(const Options& o, const QString& dossierProgramme) {
    QString page = o.page;
    if (page.isEmpty()) {
        page = dessin::CheminDeOctets(section::TrouverPage(dessin::OctetsDeChemin(dossierProgramme)));
        if (page.isEmpty()) {
            QStringList lieux;
            for (const std::string& c : section::EmplacementsPage(dessin::OctetsDeChemin(dossierProgramme)))
                lieux << Cite(QDir::cleanPath(QFileInfo(dessin::CheminDeOctets(c)).absoluteFilePath()));
            Signaler(QStringLiteral("la page strataloom.html manque (cherchée dans %1) : donnez-la avec --page")
                         .arg(lieux.join(QStringLiteral(" et "))));
            return kEchec;
        }
    }
    if (section::CheminOccupe(dessin::OctetsDeChemin(o.scorm))) {
        Signaler(QStringLiteral("le fichier %1 existe déjà : le paquet n'a pas été écrit (choisissez un autre nom)")
                     .arg(Cite(o.scorm)));
        return kEchec;
    }
    std::string octetsPage;
    if (!Lire(page, kOctetsPageMax, octetsPage)) return kEchec;
    std::vector<section::ExercicePaquet> exercices;
    for (const QString& chemin : o.listes) {
        section::ExercicePaquet x;
        x.nom = QFileInfo(chemin).fileName().toStdString();
        if (!Lire(chemin, section::kOctetsExerciceMax, x.octets)) return kEchec;
        exercices.push_back(std::move(x));
    }
    std::string zip;
    if (const std::string r = section::PaquetScorm(octetsPage, exercices, o.seuil, o.titre.toStdString(), zip);
        !r.empty()) {
        // The page's refusal names the page; the others name their file.
        const bool dePage = !section::ScriptsMarques(octetsPage);
        Signaler(QStringLiteral("Paquet impossible%1 : %2")
                     .arg(dePage ? QStringLiteral(" avec %1").arg(Cite(page)) : QString(), QString::fromStdString(r)));
        return kEchec;
    }
    if (const auto e = EcrireFichier(std::string_view(zip), o.scorm)) {
        Signaler(e->message);
        return kEchec;
    }
    return kSucces;
}

}  // namespace rendu
