// Teacher commands that score a section against a model: one comparison
// with its mismatch picture, the grading of a class's lists against a key,
// and the pictures of every step of a list.
#include <QDir>
#include <QFileInfo>

#include "commandes.h"
#include "images.h"
#include "rendu.h"
#include "section/comparaison.h"

namespace rendu {

namespace {

QString Part(std::int64_t part, std::int64_t total) {
    return QString::fromStdString(section::Pourcentage(part, total));
}

// A CSV field: quoted when it holds the separator, a quote or a line break.
QString ChampCsv(const QString& s) {
    if (!s.contains(QLatin1Char(';')) && !s.contains(QLatin1Char('"')) &&
        !s.contains(QLatin1Char('\n')) && !s.contains(QLatin1Char('\r')))
        return s;
    QString q = s;
    q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
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
    if (const section::ErreurFichier e = section::LireFichierBmp(OctetsDeChemin(o.modele), lu);
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

// CSV on standard output: "fichier;pixels;sol_ciel;evenements", one row per
// list in the order given, shares in percent with a decimal comma. A list
// that cannot be read keeps its row, with the three scores empty.
int CommandeNoter(const Options& o, section::Session& a) {
    const auto cle = Lire(o.cle);
    if (!cle) return kEchec;
    a.Charger(*cle);
    const section::Raster reference = a.vue();
    Afficher(QStringLiteral("fichier;pixels;sol_ciel;evenements"));
    int code = kSucces;
    for (const QString& chemin : o.listes) {
        const auto liste = Lire(chemin);
        if (!liste) {
            Afficher(ChampCsv(chemin) + QStringLiteral(";;;"));
            code = kEchec;
            continue;
        }
        a.Charger(*liste);
        const section::Comparaison c = section::Comparer(reference, a.vue());
        const qsizetype evenements = liste->empty() ? 0 : static_cast<qsizetype>(liste->size()) - 1;
        Afficher(ChampCsv(chemin) + QLatin1Char(';') + Part(c.identiques, c.pixels) +
                 QLatin1Char(';') + Part(c.accordSolCiel, c.pixels) + QLatin1Char(';') +
                 QString::number(evenements));
    }
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
