// SPDX-License-Identifier: GPL-3.0-or-later
// Teacher commands that score a section against a model: one comparison
// with its mismatch picture, the grading of a class's lists against a key,
// and the pictures of every step of a list.
#include <QDir>
#include <QFileInfo>

#include "commandes.h"
#include "dessin/images.h"
#include "rendu.h"
#include "devoirs.h"
#include "section/comparaison.h"
#include "section/tableur.h"
#include "section/notation_classe.h"
#include "section/note.h"

namespace rendu {

namespace {

QString Part(std::int64_t part, std::int64_t total) {
    return QString::fromStdString(section::Pourcentage(part, total));
}

std::optional<section::Liste> Lire(const QString& chemin) {
    Erreur erreur;
    auto liste = LireFichierListe(chemin, erreur);
    if (!liste) Signaler(erreur.message);
    return liste;
}

// The name of step i's picture: "etape-07.bmp", three digits from 100 on.
QString NomEtape(int i) {
    return QStringLiteral("etape-%1.bmp").arg(i, i < 100 ? 2 : 3, 10, QLatin1Char('0'));
}

constexpr int kEtapesMax = 999;

}  // namespace

int CommandeComparer(const Options& o, section::Session& a) {
    section::Raster lu;
    if (const section::ErreurFichier e = section::LireFichierBmp(dessin::OctetsDeChemin(o.modele), lu);
        e != section::ErreurFichier::Aucune) {
        Signaler(QStringLiteral("Impossible de charger le fichier %1 (%2)")
                     .arg(Cite(o.modele), QString::fromStdString(section::RaisonErreur(e))));
        return kEchec;
    }
    const std::optional<section::Raster> modele = std::move(lu);
    const auto liste = Lire(o.listes.front());
    if (!liste) return kEchec;
    a.Charger(*liste);
    const section::Comparaison c = section::Comparer(*modele, a.vue());
    Afficher(QStringLiteral("Ressemblance : %1 % des pixels, %2 % sol/ciel")
                 .arg(Part(c.identiques, c.pixels), Part(c.accordSolCiel, c.pixels)));
    if (c.taillesDifferentes) {
        Afficher(QStringLiteral("Attention : le modèle fait %1 x %2 pixels et la coupe %3 x %4 ; "
                                "seul le bloc commun en haut à gauche, %5 x %6, est comparé.")
                     .arg(modele->width()).arg(modele->height())
                     .arg(a.vue().width()).arg(a.vue().height())
                     .arg(c.largeur).arg(c.hauteur));
    }
    if (!o.ecarts.isEmpty()) {
        const section::Raster carte = section::CarteEcarts(*modele, a.vue());
        if (carte.empty()) {
            Signaler(QStringLiteral("aucun pixel commun : pas d'image des écarts %1").arg(Cite(o.ecarts)));
            return kEchec;
        }
        if (const auto e = EcrireImageSelonNom(carte, o.ecarts)) {
            Signaler(e->message);
            return kEchec;
        }
    }
    return kSucces;
}

// The class's CSV (section::CsvDesNotes) on standard output, one row per
// answer in the order given, the same table the window saves. An answer
// that cannot be read, or answers another exercise than the key, keeps its
// row with the marks empty and its reason as the remark, and is also
// reported on standard error.
int CommandeNoter(const Options& o, section::Session& a) {
    Erreur erreur;
    const auto cle = LireCorrige(o.cle, erreur);
    if (!cle) {
        Signaler(erreur.message);
        return kEchec;
    }
    std::optional<std::uint64_t> empreinte;
    if (cle->exercice) empreinte = section::EmpreinteExercice(*cle->exercice);
    section::NotationClasse classe(a.textures(), cle->lignes, empreinte);
    if (cle->exercice && !(classe.modele().vue() == cle->exercice->cible))
        Signaler(QStringLiteral("attention : ces textures ne redonnent pas l'image de l'exercice %1 ; "
                                "les réponses sont comparées à la coupe que ses événements donnent ici")
                     .arg(Cite(o.cle)));
    int code = kSucces;
    for (const QString& chemin : o.listes) {
        const auto copie = LireCopie(chemin, erreur);
        if (!copie) {
            Signaler(erreur.message);
            classe.Refuser(dessin::OctetsDeChemin(chemin), erreur.raison.toStdString());
            code = kEchec;
        } else if (!classe.Noter(dessin::OctetsDeChemin(chemin), copie->eleve, copie->exercice,
                                 copie->lignes, copie->ordre)) {
            Signaler(QStringLiteral("%1 répond à un autre exercice que %2").arg(Cite(chemin), Cite(o.cle)));
            code = kEchec;
        }
    }
    AfficherOctets(section::CsvDesNotes(classe.Lignes()));
    return code;
}

int CommandeEtapes(const Options& o, section::Session& a) {
    const auto liste = Lire(o.listes.front());
    if (!liste) return kEchec;
    if (liste->size() > static_cast<std::size_t>(kEtapesMax) + 1) {
        Signaler(QStringLiteral("la liste %1 compte plus de %2 événements : trop d'images pour --steps")
                     .arg(Cite(o.listes.front()), QString::number(kEtapesMax)));
        return kEchec;
    }
    if (!PreparerDossier(o.etapes)) return kEchec;
    const QDir dossier(o.etapes);
    std::optional<Erreur> echec;
    a.PourChaqueEtape(*liste, [&](int i, const section::Raster& vue) {
        echec = EcrireImageSelonNom(vue, dossier.filePath(NomEtape(i)), true);
        return !echec;
    });
    if (echec) {
        Signaler(echec->message);
        return kEchec;
    }
    return kSucces;
}

}  // namespace rendu
