// SPDX-License-Identifier: GPL-3.0-or-later
#include "rendu.h"

#include <unistd.h>

#include <algorithm>
#include <vector>

#include "commandes.h"
#include "dessin/images.h"
#include "section/textes.h"
#include "section/liste.h"
#include "section/encodage.h"

namespace rendu {

namespace {

QString Raison(section::ErreurFichier e) { return QString::fromStdString(section::RaisonErreur(e)); }

section::OptionsEcriture Directes() {
    section::OptionsEcriture o;
    o.directSurSpecial = true;  // -o /dev/stdout, a pipe
    return o;
}

}  // namespace

QString Cite(const QString& chemin) { return QStringLiteral("« %1 »").arg(chemin); }

void SignalerLignesIgnorees(const QString& nom, const section::Liste& lignes) {
    const std::vector<std::size_t> ignorees = section::LignesNonRejouees(lignes);
    const std::size_t nommees = std::min(ignorees.size(), section::kLignesIgnoreesNommees);
    for (std::size_t k = 0; k < nommees; ++k)
        Signaler(QStringLiteral("%1, ligne %2 ignorée : %3")
                     .arg(nom)
                     .arg(ignorees[k] + 1)
                     .arg(Cite(QString::fromStdString(section::Utf8DeLigne(lignes[ignorees[k]])))));
    if (ignorees.size() > nommees)
        Signaler(QStringLiteral("%1 : %2").arg(nom, QString::fromStdString(section::AutresLignesIgnorees(ignorees.size() - nommees))));
}

std::optional<Erreur> ChargerBase(const QString& dossier, section::Session& s) {
    section::Textures t;
    int fautif = -1;
    const section::ErreurFichier e = section::ChargerTextures(dessin::OctetsDeChemin(dossier), t, fautif);
    s.DefinirTextures(std::move(t));
    if (e == section::ErreurFichier::Aucune && s.Prete()) return std::nullopt;
    if (fautif >= 0) {
        const QString fichier = dossier + QLatin1Char('/') + QLatin1String(section::kFichiersTextures[fautif]);
        return Erreur{QStringLiteral("Un ou plusieurs fichiers d'images sont absents : %1 manque ou est illisible (%2)")
                          .arg(Cite(fichier), Raison(e)),
                      Raison(e)};
    }
    return Erreur{QStringLiteral("Les images de %1 ne font pas une coupe (%2)").arg(Cite(dossier), Raison(e)), Raison(e)};
}

std::optional<section::Liste> LireFichierListe(const QString& chemin, Erreur& erreur) {
    const bool entree = chemin == QLatin1String("-");
    std::string octets;
    section::ErreurFichier e = entree ? section::LireDescripteur(STDIN_FILENO, section::kOctetsListeMax, octets)
                                      : section::LireFichier(dessin::OctetsDeChemin(chemin), section::kOctetsListeMax, octets);
    section::Liste lignes;
    if (e == section::ErreurFichier::Aucune) e = section::LignesDeListe(octets, lignes);
    const QString nom = entree ? QStringLiteral("entrée standard") : chemin;
    if (e == section::ErreurFichier::Aucune) {
        SignalerLignesIgnorees(nom, lignes);
        return lignes;
    }
    QString raison = Raison(e);
    if (e == section::ErreurFichier::TropGros) raison = QStringLiteral("la liste dépasse 16 Mio");
    erreur.message = QStringLiteral("Chargement impossible : %1 (%2)").arg(Cite(nom), raison);
    return std::nullopt;
}

Erreur ErreurEcriture(const QString& chemin, section::ErreurFichier e) {
    if (e == section::ErreurFichier::LienSymbolique)
        return Erreur{QString::fromStdString(section::MessageLienSymbolique(chemin.toStdString())), Raison(e)};
    return Erreur{QStringLiteral("Impossible de créer le fichier %1 (%2)").arg(chemin, Raison(e)), Raison(e)};
}

std::optional<Erreur> EcrireImageSelonNom(const section::Raster& r, const QString& chemin, bool bmpSeulement) {
    const bool png = !bmpSeulement && chemin.endsWith(QLatin1String(".png"), Qt::CaseInsensitive);
    const section::ErreurFichier e = dessin::EcrireFichierImage(r, chemin, png ? "PNG" : "BMP", Directes());
    if (e != section::ErreurFichier::Aucune) return ErreurEcriture(chemin, e);
    return std::nullopt;
}

std::optional<Erreur> EcrireFichier(std::string_view octets, const QString& chemin) {
    const section::ErreurFichier e = section::EcrireFichierSur(dessin::OctetsDeChemin(chemin), octets, Directes());
    if (e != section::ErreurFichier::Aucune) return ErreurEcriture(chemin, e);
    return std::nullopt;
}

std::optional<Erreur> EcrireFichier(const QByteArray& octets, const QString& chemin) {
    return EcrireFichier(std::string_view(octets.constData(), static_cast<std::size_t>(octets.size())), chemin);
}

QByteArray EtatJson(const section::Session& s) {
    return QByteArray::fromStdString(section::EtatJson(s.Etat()));
}

}  // namespace rendu
