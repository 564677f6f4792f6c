// SPDX-License-Identifier: GPL-3.0-or-later
// The printable sheets drawn into a PDF in memory: every pupil's page, then
// every answer key, each page carrying the series' seed.
#include "dessin/fiches_pdf.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "dessin/formations.h"
#include "dessin/images.h"
#include "dessin/noms.h"
#include "section/fiches.h"
#include "section/legende_vue.h"
#include "section/ordres_acceptes.h"
#include "section/serie.h"

namespace dessin {

namespace {

constexpr int kResolution = 300;  // dots per inch of the PDF's drawing surface
constexpr int kLargeurVignette = 270;
int Mm(double mm) { return static_cast<int>(mm * kResolution / 25.4 + 0.5); }

QString Q(const std::string& texte) { return QString::fromStdString(texte); }

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

// The seed at the foot of every page, so that a lost series can be drawn
// again; the page's usable area ends above it.
QRect AvecPied(QPainter& p, const QRect& page, std::optional<std::uint32_t> graine) {
    if (!graine) return page;
    const int hauteur = Mm(6);
    p.setFont(Police(9));
    p.drawText(QRect(page.left(), page.bottom() - hauteur, page.width(), hauteur), Qt::AlignRight | Qt::AlignBottom,
               Q(section::PiedFiche(*graine)));
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
    const section::ColonnesFiche colonnes = section::ColonnesTableauFiche();
    cellule(zone.left(), colNumero, zone.top(), Q(colonnes.numero));
    cellule(x1, colEvenement, zone.top(), Q(colonnes.evenement));
    cellule(x2, zone.right() - x2, zone.top(), Q(colonnes.justifie));
    p.setFont(Police(std::min(10.0, hauteur * 72.0 / kResolution * 0.55)));
    for (int i = 1; i < rangs; ++i) cellule(zone.left(), colNumero, zone.top() + i * hauteur, QString::number(i));
    const int bas = zone.top() + rangs * hauteur;
    for (int i = 0; i <= rangs; ++i) p.drawLine(zone.left(), zone.top() + i * hauteur, zone.right(), zone.top() + i * hauteur);
    for (const int x : {zone.left(), x1, x2, zone.right()}) p.drawLine(x, zone.top(), x, bas);
}

// The pupil's page: title, the section to rebuild cropped to its rocks,
// its legend, the table of events to order and justify; `v` is the
// reading of a's view (section::LireVueLegende).
void PageEleve(QPainter& p, QRect page, const QString& titre, const section::Session& a,
               const section::VueLegende& v, int evenements, std::optional<std::uint32_t> graine) {
    page = AvecPied(p, page, graine);
    const section::Raster& cible = a.vue();
    int y = page.top();
    y += Paragraphe(p, QRect(page.left(), y, page.width(), Mm(20)), titre, Police(18, true)) + Mm(3);
    y += Paragraphe(p, QRect(page.left(), y, page.width(), Mm(10)),
                    Q(section::EnteteEleveFiche()), Police(10)) + Mm(4);
    const QString consigne = Q(section::ConsigneFiche(evenements));
    y += Paragraphe(p, QRect(page.left(), y, page.width(), Mm(30)), consigne, Police(11)) + Mm(2);
    y += Paragraphe(p, QRect(page.left(), y, page.width(), Mm(20)), Q(section::EvenementsPossiblesFiche()),
                    Police(10)) + Mm(4);

    // The picture, cropped to its rocks, then its legend and the table.
    const int haut = section::HautImprimeFiche(cible);
    const int hauteurVue = std::max(1, cible.height() - haut), largeurVue = std::max(1, cible.width());
    const QFont policeLegende = Police(9);
    const int lignesLegende = LignesDeLegende(v);
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
    papier.roches = true;
    p.drawImage(cadre, VueAnnotee(a, v, papier), QRect(0, haut, largeurVue, hauteurVue));
    // The letters drawn on paper at the picture's scale, sharp at any size.
    p.save();
    p.setClipRect(cadre);
    const double echelle = static_cast<double>(cadre.width()) / largeurVue;
    p.translate(cadre.left(), cadre.top() - haut * echelle);
    p.scale(echelle, static_cast<double>(cadre.height()) / hauteurVue);
    DessinerLettres(p, v);
    p.restore();
    p.setPen(QPen(Qt::black, Mm(0.3)));
    p.drawRect(cadre);
    y = cadre.bottom() + Mm(3);
    y += DessinerLegende(p, QRect(page.left(), y, page.width(), hauteurLegende), a, v, papier, policeLegende);
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
    y += Paragraphe(p, QRect(page.left(), y, page.width(), Mm(20)), Q(section::TitreCorrigeFiche(titre.toStdString())),
                    Police(16, true)) +
         Mm(3);
    const QFont texte = Police(10), gras = Police(10, true);
    const auto bloc = [&](const QString& t, const QFont& f, int apres) {
        y += Paragraphe(p, QRect(page.left(), y, page.width(), page.bottom() - y), t, f) + apres;
    };
    // The pupil's legend names rocks only; the key adds the event behind each.
    if (!roches.empty()) bloc(Q(section::LegendeCorrigeFiche(roches)), texte, Mm(3));
    using S = section::LigneCorrige::Sorte;
    const std::vector<section::LigneCorrige> lignes = section::LignesCleFiche(cle);
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        const section::LigneCorrige& l = lignes[i];
        const bool dernier = i + 1 == lignes.size() || (lignes[i + 1].sorte != l.sorte && l.sorte != S::Titre);
        if (l.sorte == S::Texte) bloc(Q(l.texte), texte, Mm(3));
        else if (l.sorte == S::Titre && i == 0 && cle.tropPourLister) bloc(Q(l.texte), gras, Mm(3));
        // A heading of orders with none under it (the relations loop).
        else if (l.sorte == S::Titre && i == 0 && cle.ordres.empty()) bloc(Q(l.texte), gras, Mm(1) + Mm(2));
        else if (l.sorte == S::Titre) bloc(Q(l.texte), gras, Mm(1));
        else if (l.sorte == S::Ordre) bloc(Q(l.texte), texte, Mm(1) + (dernier ? Mm(2) : 0));
        else bloc(Q(l.texte), texte, Mm(0.5) + (dernier ? Mm(3) : 0));
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
        p.setFont(petite);
        const QString legendeTexte =
            p.fontMetrics().elidedText(Q(section::LegendeEtapeFiche(liste, i)), Qt::ElideRight, w);
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
        pdf.setTitle(Q(section::TitreDocumentFiches()));
        pdf.setCreator(createur);
        QPainter p(&pdf);
        if (!p.isActive()) return std::nullopt;
        const QRect page(0, 0, pdf.width(), pdf.height());
        // Every pupil's page first, so that the pupils' pages print as one
        // bundle and the keys as another. Each section's view is read once;
        // its key names the same rocks.
        std::vector<std::vector<section::EntreeLegende>> roches(n);
        for (std::size_t i = 0; i < n; ++i) {
            if (i > 0) pdf.newPage();
            Lettres(a, i, graine);
            a.Charger(listes[i]);
            const section::VueLegende v = section::LireVueLegende(a);
            const int evenements = listes[i].empty() ? 0 : static_cast<int>(listes[i].size()) - 1;
            PageEleve(p, page, titres[i], a, v, evenements, graine);
            roches[i] = v.entrees;
        }
        for (std::size_t i = 0; i < n; ++i) {
            const section::Liste& liste = listes[i];
            std::vector<QImage> etapes;
            // Each step in the rock view, its rocks those of the exercise.
            Lettres(a, i, graine);
            a.PourChaqueEtape(liste, [&](int, const section::Raster&) {
                QImage etape = VersImage(section::VueRoches(a));
                BlanchirCiel(etape);
                etapes.push_back(etape.scaledToWidth(kLargeurVignette, Qt::SmoothTransformation));
                return true;
            });
            Lettres(a, i, graine);
            a.Charger(liste);
            pdf.newPage();
            PageCorrige(p, page, titres[i], liste, section::CleDesOrdres(a), roches[i], etapes, graine);
        }
        if (!p.end()) return std::nullopt;
    }
    f.close();
    return octets;
}

}  // namespace dessin
