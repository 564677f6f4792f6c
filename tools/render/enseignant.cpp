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
#include "section/espace_enseignant.h"
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
// answer in the order of their names (section::AvantDansLaClasse), the
// same table the window saves and the page downloads. An answer that
// cannot be read, or answers another exercise than the key, keeps its row
// with the marks empty and its reason as the remark, and is also reported
// on standard error.
int CommandeNoter(const Options& o, section::Session& a) {
    Erreur erreur;
    std::string octetsCle;
    if (!LireCorrige(o.cle, erreur, &octetsCle)) {
        Signaler(erreur.message);
        return kEchec;
    }
    std::vector<std::string> noms;
    for (const QString& chemin : o.listes) noms.push_back(dessin::OctetsDeChemin(chemin));
    const section::NotesClasse classe = section::NoterClasseEnseignant(
        a.textures(), dessin::OctetsDeChemin(o.cle), octetsCle, noms, [&](std::size_t i) {
            // Read here, where its unreadable or ignored lines are told.
            section::FichierClasse f;
            f.nom = noms[i];
            Erreur e;
            if (!LireCopie(o.listes[static_cast<qsizetype>(i)], e, &f.octets)) {
                // Refused by the grading too: for the reason its bytes give,
                // or the reading's.
                Signaler(e.message);
                f.erreur = e.fichier;
            }
            return f;
        });
    if (classe.autresTextures)
        Signaler(QStringLiteral("attention : ces textures ne redonnent pas l'image de l'exercice %1 ; "
                                "les réponses sont comparées à la coupe que ses événements donnent ici")
                     .arg(Cite(o.cle)));
    int code = kSucces;
    for (std::size_t k = 0; k < classe.lignes.size(); ++k) {
        if (classe.acceptees[k]) continue;
        code = kEchec;
        if (classe.lignes[k].remarque == section::RemarqueAutreExercice())
            Signaler(QStringLiteral("%1 répond à un autre exercice que %2")
                         .arg(Cite(dessin::CheminDeOctets(classe.lignes[k].fichier)), Cite(o.cle)));
    }
    AfficherOctets(classe.csv);
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
