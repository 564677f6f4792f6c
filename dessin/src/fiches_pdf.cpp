// SPDX-License-Identifier: GPL-3.0-or-later
// The printable sheets drawn into a PDF in memory: every pupil's page, then
// every answer key, each page carrying the series' seed.
#include "dessin/fiches_pdf.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "dessin/formations.h"
#include "dessin/images.h"
#include "dessin/noms.h"
#include "section/legende_vue.h"
#include "section/ordres_acceptes.h"
#include "section/serie.h"

namespace dessin {

namespace {

constexpr int kResolution = 300;  // dots per inch of the PDF's drawing surface
constexpr int kLargeurVignette = 270;
// Sky rows kept above the highest rock of the view on a pupil's page.
constexpr int kMargeCiel = 12;

int Mm(double mm) { return static_cast<int>(mm * kResolution / 25.4 + 0.5); }

QString Tr(const char* texte) { return QCoreApplication::translate("FichesPdf", texte); }

QFont Police(double points, bool gras = false) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(points);
    f.setBold(gras);
    // Spaced letters set no ligature: "fi" stays two letters, so that the
    // sheet's text can be searched and read back.
    f.setLetterSpacing(QFont::AbsoluteSpacing, 0.1);
    return f;
}

// Draws wrapped text from the top of `zone` and returns its height.
int Paragraphe(QPainter& p, const QRect& zone, const QString& texte, const QFont& police) {
    p.setFont(police);
    const QRect r = p.boundingRect(zone, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, texte);
    p.drawText(zone, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, texte);
    return r.height();
}

// The first view row worth printing: kMargeCiel rows above the highest
// rock pixel over all columns (0 when rock reaches the top or there is none).
int HautImprime(const section::Raster& v) {
    for (int y = 0; y < v.height(); ++y) {
        const section::Couleur* ligne = v.row(y);
        for (int x = 0; x < v.width(); ++x)
            if (ligne[x] != section::kBleu) return std::max(0, y - kMargeCiel);
    }
    return 0;
}

// The seed at the foot of every page, so that a lost series can be drawn
// again; the page's usable area ends above it.
QRect AvecPied(QPainter& p, const QRect& page, std::optional<std::uint32_t> graine) {
    if (!graine) return page;
    const int hauteur = Mm(6);
    p.setFont(Police(9));
    p.drawText(QRect(page.left(), page.bottom() - hauteur, page.width(), hauteur), Qt::AlignRight | Qt::AlignBottom,
               Tr("Graine de la série : %1").arg(*graine));
    return page.adjusted(0, 0, 0, -hauteur - Mm(2));
}

// The table the pupil fills: a number, the event, and its justification.
void TableauEvenements(QPainter& p, const QRect& zone, int evenements) {
    const int rangs = evenements + 1;
    const int hauteur = std::clamp(zone.height() / std::max(1, rangs), Mm(4), Mm(10));
    const int colNumero = Mm(10), colEvenement = (zone.width() - colNumero) * 2 / 5;
    const int x1 = zone.left() + colNumero, x2 = x1 + colEvenement;
    p.setPen(QPen(Qt::black, Mm(0.25)));
    p.setFont(Police(std::min(10.0, hauteur * 72.0 / kResolution * 0.55), true));
    const auto cellule = [&](int x, int w, int y, const QString& t) {
        p.drawText(QRect(x + Mm(1.5), y, w - Mm(3), hauteur), Qt::AlignLeft | Qt::AlignVCenter, t);
    };
    cellule(zone.left(), colNumero, zone.top(), Tr("N°"));
    cellule(x1, colEvenement, zone.top(), Tr("Événement"));
    cellule(x2, zone.right() - x2, zone.top(), Tr("Justifie : principe et observation"));
    p.setFont(Police(std::min(10.0, hauteur * 72.0 / kResolution * 0.55)));
    for (int i = 1; i < rangs; ++i) cellule(zone.left(), colNumero, zone.top() + i * hauteur, QString::number(i));
    const int bas = zone.top() + rangs * hauteur;
    for (int i = 0; i <= rangs; ++i) p.drawLine(zone.left(), zone.top() + i * hauteur, zone.right(), zone.top() + i * hauteur);
    for (const int x : {zone.left(), x1, x2, zone.right()}) p.drawLine(x, zone.top(), x, bas);
}

// The pupil's page: title, the section to rebuild cropped to its rocks,
// its legend, the table of events to order and justify.
void PageEleve(QPainter& p, QRect page, const QString& titre, const section::Session& a, int evenements,
               std::optional<std::uint32_t> graine) {
    page = AvecPied(p, page, graine);
    const section::Raster& cible = a.vue();
    int y = page.top();
    y += Paragraphe(p, QRect(page.left(), y, page.width(), Mm(20)), titre, Police(18, true)) + Mm(3);
    y += Paragraphe(p, QRect(page.left(), y, page.width(), Mm(10)),
                    Tr("Nom : ................................   Classe : ..........   Date : ................"),
                    Police(10)) + Mm(4);
    QString consigne =
        Tr("Cette coupe géologique part d'une série sédimentaire de départ (calcaire, argile, conglomérat). "
           "Retrouve, dans l'ordre, les %1 événements géologiques qui l'ont formée, et justifie la place de "
           "chacun par un principe de datation relative et ce que tu observes sur la coupe.")
            .arg(evenements);
    if (evenements == 1)
        consigne = Tr("Cette coupe géologique part d'une série sédimentaire de départ (calcaire, argile, "
                      "conglomérat). Retrouve l'événement géologique qui l'a formée, et justifie ta réponse par "
                      "un principe de datation relative et ce que tu observes sur la coupe.");
    consigne += QLatin1Char(' ') + Tr("Les lettres nomment les formations ; elles ne disent rien de leur âge. "
                                      "La légende donne leurs roches.");
    y += Paragraphe(p, QRect(page.left(), y, page.width(), Mm(30)), consigne, Police(11)) + Mm(2);
    QStringList noms;
    for (const section::TypeEvenement& e : section::kEvenements) noms << NomAffiche(e.ligne);
    y += Paragraphe(p, QRect(page.left(), y, page.width(), Mm(20)),
                    Tr("Événements possibles : %1.").arg(noms.join(QStringLiteral(", "))), Police(10)) + Mm(4);

    // The picture, cropped to its rocks, then its legend and the table.
    const int haut = HautImprime(cible);
    const int hauteurVue = std::max(1, cible.height() - haut), largeurVue = std::max(1, cible.width());
    const QFont policeLegende = Police(9);
    const int lignesLegende = LignesDeLegende(a);
    const int hauteurLegende = lignesLegende * (QFontMetrics(policeLegende, p.device()).height() * 5 / 4) + Mm(4);
    const int tableau = (evenements + 1) * Mm(9);
    const int reste = page.bottom() - y - hauteurLegende - Mm(6);
    int hauteurImage = std::min(page.width() * hauteurVue / largeurVue, reste - tableau);
    hauteurImage = std::max(hauteurImage, reste / 3);
    const int largeurImage = std::min(page.width(), hauteurImage * largeurVue / hauteurVue);
    const QRect cadre(page.left() + (page.width() - largeurImage) / 2, y, largeurImage,
                      largeurImage * hauteurVue / largeurVue);
    Affichage papier;
    papier.impression = true;
    papier.lettres = false;
    p.drawImage(cadre, VueAnnotee(a, papier), QRect(0, haut, largeurVue, hauteurVue));
    // The letters drawn on paper at the picture's scale, sharp at any size.
    p.save();
    p.setClipRect(cadre);
    const double echelle = static_cast<double>(cadre.width()) / largeurVue;
    p.translate(cadre.left(), cadre.top() - haut * echelle);
    p.scale(echelle, static_cast<double>(cadre.height()) / hauteurVue);
    DessinerLettres(p, a);
    p.restore();
    p.setPen(QPen(Qt::black, Mm(0.3)));
    p.drawRect(cadre);
    y = cadre.bottom() + Mm(3);
    y += DessinerLegende(p, QRect(page.left(), y, page.width(), hauteurLegende), a, papier, policeLegende);
    y += Mm(3);
    TableauEvenements(p, QRect(page.left(), y, page.width(), page.bottom() - y), evenements);
}

// The answer key: the accepted orders, the relations with their
// principles, then every step of the model.
void PageCorrige(QPainter& p, QRect page, const QString& titre, const section::Liste& liste,
                 const section::CleOrdres& cle, const std::vector<section::EntreeLegende>& roches,
                 const std::vector<QImage>& etapes, std::optional<std::uint32_t> graine) {
    page = AvecPied(p, page, graine);
    int y = page.top();
    y += Paragraphe(p, QRect(page.left(), y, page.width(), Mm(20)), Tr("Corrigé — %1").arg(titre), Police(16, true)) +
         Mm(3);
    const QFont texte = Police(10), gras = Police(10, true);
    const auto bloc = [&](const QString& t, const QFont& f, int apres) {
        y += Paragraphe(p, QRect(page.left(), y, page.width(), page.bottom() - y), t, f) + apres;
    };
    const QString fleche = QStringLiteral(" → ");
    // The pupil's legend names rocks only; the key adds the event behind each.
    if (!roches.empty()) {
        QStringList lignes;
        for (const section::EntreeLegende& e : roches) lignes << QString::fromStdString(section::TexteLegendeCorrige(e));
        bloc(Tr("Légende : %1.").arg(lignes.join(QStringLiteral(" ; "))), texte, Mm(3));
    }
    if (!cle.lue) {
        bloc(Tr("Strataloom ne sait pas lire la chronologie de cette coupe."), texte, Mm(3));
    } else if (cle.tropPourLister) {
        bloc(Tr("Plus de %1 ordres sont acceptés : tout ordre qui respecte les relations ci-dessous est juste.")
                 .arg(section::kOrdresAcceptesListes),
             gras, Mm(3));
    } else {
        bloc(cle.ordres.size() == 1 ? Tr("Un seul ordre est accepté :")
                                    : Tr("%1 ordres sont acceptés, tous justes :").arg(cle.ordres.size()),
             gras, Mm(1));
        for (std::size_t i = 0; i < cle.ordres.size(); ++i) {
            QStringList noms;
            for (const std::string& n : cle.ordres[i]) noms << QString::fromStdString(n);
            bloc(QStringLiteral("%1.\u00A0%2").arg(i + 1).arg(noms.join(fleche)), texte, Mm(1));
        }
        y += Mm(2);
    }
    if (!cle.relations.empty()) {
        bloc(Tr("Ce que montre la coupe, avec le principe qui date chaque relation :"), gras, Mm(1));
        for (const std::string& r : cle.relations) {
            QString phrase = QString::fromStdString(r);
            if (!phrase.isEmpty()) phrase[0] = phrase[0].toUpper();
            bloc(QStringLiteral("•\u00A0%1.").arg(phrase), texte, Mm(0.5));
        }
        y += Mm(3);
    }

    const int n = static_cast<int>(etapes.size());
    if (n == 0 || page.bottom() - y < Mm(30)) return;
    const int ecart = Mm(3), legende = Mm(5);
    const int reste = page.bottom() - y;
    const int rapportH = etapes.front().height(), rapportW = std::max(1, etapes.front().width());
    // The fewest columns whose rows fit on the page.
    int colonnes = 1;
    for (; colonnes < n; ++colonnes) {
        const int w = (page.width() - (colonnes - 1) * ecart) / colonnes;
        const int rangs = (n + colonnes - 1) / colonnes;
        if (rangs * (w * rapportH / rapportW + legende + ecart) <= reste) break;
    }
    const int w = (page.width() - (colonnes - 1) * ecart) / colonnes;
    const int h = w * rapportH / rapportW;
    const QFont petite = Police(std::clamp(w * 72.0 / kResolution / 14.0, 4.0, 9.0));
    for (int i = 0; i < n; ++i) {
        const int x0 = page.left() + (i % colonnes) * (w + ecart);
        const int y0 = y + (i / colonnes) * (h + legende + ecart);
        QString nom = i == 0 ? Tr("départ") : NomAffiche(liste[static_cast<std::size_t>(i)]);
        if (i > 0 && section::TagDeLigne(liste[static_cast<std::size_t>(i)]) == 0) nom = Tr("%1 (sans effet)").arg(nom);
        p.setFont(petite);
        const QString legendeTexte =
            p.fontMetrics().elidedText(Tr("Étape %1 : %2").arg(i).arg(nom), Qt::ElideRight, w);
        p.drawText(QRect(x0, y0, w, legende), Qt::AlignLeft | Qt::AlignVCenter, legendeTexte);
        const QRect cadre(x0, y0 + legende, w, h);
        p.drawImage(cadre, etapes[static_cast<std::size_t>(i)]);
        p.setPen(QPen(Qt::black, Mm(0.2)));
        p.drawRect(cadre);
    }
}

// List i of a series is its exercise i + 1, lettered as that exercise's
// file; a list alone takes the letters of its fingerprint.
void Lettres(section::Session& a, std::size_t i, std::optional<std::uint32_t> graine) {
    if (graine)
        a.DefinirGraineLettres(section::GraineLettresSerie(*graine, static_cast<int>(i) + 1));
    else
        a.OublierGraineLettres();
}

}  // namespace

std::optional<QByteArray> DocumentFiches(section::Session& a, const std::vector<section::Liste>& listes,
                                         const std::vector<QString>& titres, const QString& createur,
                                         std::optional<std::uint32_t> graine) {
    QByteArray octets;
    QBuffer f(&octets);
    if (!f.open(QIODevice::WriteOnly)) return std::nullopt;
    const std::size_t n = std::min(listes.size(), titres.size());
    {
        QPdfWriter pdf(&f);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        pdf.setResolution(kResolution);
        pdf.setTitle(Tr("Strataloom — fiches d'exercices"));
        pdf.setCreator(createur);
        QPainter p(&pdf);
        if (!p.isActive()) return std::nullopt;
        const QRect page(0, 0, pdf.width(), pdf.height());
        // Every pupil's page first, so that the pupils' pages print as one
        // bundle and the keys as another.
        for (std::size_t i = 0; i < n; ++i) {
            if (i > 0) pdf.newPage();
            Lettres(a, i, graine);
            a.Charger(listes[i]);
            const int evenements = listes[i].empty() ? 0 : static_cast<int>(listes[i].size()) - 1;
            PageEleve(p, page, titres[i], a, evenements, graine);
        }
        for (std::size_t i = 0; i < n; ++i) {
            const section::Liste& liste = listes[i];
            std::vector<QImage> etapes;
            a.PourChaqueEtape(liste, [&](int, const section::Raster& vue) {
                QImage etape = VersImage(vue);
                BlanchirCiel(etape);
                etapes.push_back(etape.scaledToWidth(kLargeurVignette, Qt::SmoothTransformation));
                return true;
            });
            Lettres(a, i, graine);
            a.Charger(liste);
            pdf.newPage();
            PageCorrige(p, page, titres[i], liste, section::CleDesOrdres(a), section::LireVueLegende(a).entrees,
                        etapes, graine);
        }
        if (!p.end()) return std::nullopt;
    }
    f.close();
    return octets;
}

}  // namespace dessin
