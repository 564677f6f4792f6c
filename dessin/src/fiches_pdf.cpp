// The printable sheets drawn into a PDF in memory: the pupil's page and the
// answer key of each exercise.
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

namespace dessin {

namespace {

constexpr int kResolution = 300;  // dots per inch of the PDF's drawing surface
constexpr int kLargeurVignette = 270;

int Mm(double mm) { return static_cast<int>(mm * kResolution / 25.4 + 0.5); }

QFont Police(double points, bool gras = false) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(points);
    f.setBold(gras);
    return f;
}

// Draws wrapped text from the top of `zone` and returns its height.
int Paragraphe(QPainter& p, const QRect& zone, const QString& texte, const QFont& police) {
    p.setFont(police);
    const QRect r = p.boundingRect(zone, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, texte);
    p.drawText(zone, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, texte);
    return r.height();
}

// The pupil's page: title, the section to rebuild, the numbered column.
void PageEleve(QPainter& p, const QRect& page, const QString& titre, const section::Session& a,
               int evenements) {
    const section::Raster& cible = a.vue();
    int y = page.top();
    y += Paragraphe(p, QRect(page.left(), y, page.width(), Mm(20)), titre, Police(18, true)) + Mm(3);
    y += Paragraphe(p, QRect(page.left(), y, page.width(), Mm(10)),
                    QCoreApplication::translate("FichesPdf", "Nom : ................................   Classe : ..........   "
                                                              "Date : ................"),
                    Police(10)) + Mm(4);
    QString consigne = QCoreApplication::translate("FichesPdf", 
        "Cette coupe géologique part d'une couche de sédiments. Retrouve, dans l'ordre, les %1 "
        "événements géologiques qui l'ont formée et écris-les sur les lignes numérotées.").arg(evenements);
    if (evenements == 1)
        consigne = QCoreApplication::translate("FichesPdf", "Cette coupe géologique part d'une couche de sédiments. Retrouve "
                                  "l'événement géologique qui l'a formée et écris-le sur la ligne numérotée.");
    consigne += QLatin1Char(' ') + QCoreApplication::translate("FichesPdf", "Les lettres nomment les formations, dans l'ordre où on les rencontre "
                               "de gauche à droite ; la légende donne leurs roches.");
    y += Paragraphe(p, QRect(page.left(), y, page.width(), Mm(30)), consigne, Police(11)) + Mm(2);
    QStringList noms;
    for (const section::TypeEvenement& e : section::kEvenements) noms << NomAffiche(e.ligne);
    y += Paragraphe(p, QRect(page.left(), y, page.width(), Mm(20)),
                    QCoreApplication::translate("FichesPdf", "Événements possibles : %1.").arg(noms.join(QStringLiteral(", "))),
                    Police(10)) + Mm(4);

    // The picture, its legend, then the numbered lines in up to three
    // columns.
    const QFont policeLegende = Police(9);
    const int lignesLegende = LignesDeLegende(a);
    const int hauteurLegende = lignesLegende * (QFontMetrics(policeLegende, p.device()).height() * 5 / 4) + Mm(4);
    const int colonnes = std::clamp((evenements + 7) / 8, 1, 3);
    const int rangs = (evenements + colonnes - 1) / colonnes;
    int hauteurLigne = Mm(8);
    const int reste = page.bottom() - y - hauteurLegende;
    int hauteurImage = std::min(page.width() * cible.height() / std::max(1, cible.width()),
                                reste - rangs * hauteurLigne - Mm(6));
    if (hauteurImage < reste / 2) {
        hauteurImage = reste / 2;
        hauteurLigne = std::max(Mm(3), (reste - hauteurImage - Mm(6)) / std::max(1, rangs));
    }
    const int largeurImage = std::min(page.width(), hauteurImage * cible.width() / std::max(1, cible.height()));
    const QRect cadre(page.left() + (page.width() - largeurImage) / 2, y, largeurImage,
                      largeurImage * cible.height() / std::max(1, cible.width()));
    Affichage papier;
    papier.impression = true;
    papier.lettres = false;
    p.drawImage(cadre, VueAnnotee(a, papier));
    // The letters drawn on paper at the picture's scale, sharp at any size.
    p.save();
    p.translate(cadre.topLeft());
    p.scale(static_cast<double>(cadre.width()) / std::max(1, cible.width()),
            static_cast<double>(cadre.height()) / std::max(1, cible.height()));
    DessinerLettres(p, a);
    p.restore();
    p.setPen(QPen(Qt::black, Mm(0.3)));
    p.drawRect(cadre);
    y = cadre.bottom() + Mm(3);
    y += DessinerLegende(p, QRect(page.left(), y, page.width(), hauteurLegende), a, papier, policeLegende);
    y += Mm(3);

    p.setFont(Police(std::min(12.0, hauteurLigne * 72.0 / kResolution * 0.6)));
    const int largeurColonne = page.width() / colonnes;
    for (int i = 0; i < evenements; ++i) {
        const int c = i / rangs, r = i % rangs;
        const QRect zone(page.left() + c * largeurColonne, y + r * hauteurLigne, largeurColonne - Mm(4),
                         hauteurLigne);
        p.drawText(zone, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("%1.").arg(i + 1));
        p.drawLine(zone.left() + Mm(9), zone.bottom() - Mm(1), zone.right(), zone.bottom() - Mm(1));
    }
}

// The answer key: the list, then every step, as large as the page allows.
void PageCorrige(QPainter& p, const QRect& page, const QString& titre, const section::Liste& liste,
                 const std::vector<QImage>& etapes) {
    int y = page.top();
    y += Paragraphe(p, QRect(page.left(), y, page.width(), Mm(20)), QCoreApplication::translate("FichesPdf", "Corrigé — %1").arg(titre),
                    Police(16, true)) + Mm(3);
    QStringList reponse;
    // A number and its event never part at the end of a line.
    for (std::size_t i = 1; i < liste.size(); ++i)
        reponse << QStringLiteral("%1.\u00A0%2").arg(i).arg(NomAffiche(liste[i]));
    if (reponse.isEmpty()) reponse << QCoreApplication::translate("FichesPdf", "aucun événement");
    y += Paragraphe(p, QRect(page.left(), y, page.width(), page.height() / 3),
                    QCoreApplication::translate("FichesPdf", "Réponse : %1").arg(reponse.join(QStringLiteral(" ; "))), Police(10)) + Mm(4);

    const int n = static_cast<int>(etapes.size());
    if (n == 0) return;
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
        QString nom = i == 0 ? QCoreApplication::translate("FichesPdf", "départ") : NomAffiche(liste[static_cast<std::size_t>(i)]);
        if (i > 0 && section::TagDeLigne(liste[static_cast<std::size_t>(i)]) == 0)
            nom = QCoreApplication::translate("FichesPdf", "%1 (sans effet)").arg(nom);
        p.setFont(petite);
        const QString legendeTexte = p.fontMetrics().elidedText(
            QCoreApplication::translate("FichesPdf", "Étape %1 : %2").arg(i).arg(nom), Qt::ElideRight, w);
        p.drawText(QRect(x0, y0, w, legende), Qt::AlignLeft | Qt::AlignVCenter, legendeTexte);
        const QRect cadre(x0, y0 + legende, w, h);
        p.drawImage(cadre, etapes[static_cast<std::size_t>(i)]);
        p.setPen(QPen(Qt::black, Mm(0.2)));
        p.drawRect(cadre);
    }
}

}  // namespace

std::optional<QByteArray> DocumentFiches(section::Session& a, const std::vector<section::Liste>& listes,
                                         const std::vector<QString>& titres, const QString& createur) {
    QByteArray octets;
    QBuffer f(&octets);
    if (!f.open(QIODevice::WriteOnly)) return std::nullopt;
    {
        QPdfWriter pdf(&f);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        pdf.setResolution(kResolution);
        pdf.setTitle(QCoreApplication::translate("FichesPdf", "Strataloom — fiches d'exercices"));
        pdf.setCreator(createur);
        QPainter p(&pdf);
        if (!p.isActive()) return std::nullopt;
        const QRect page(0, 0, pdf.width(), pdf.height());
        for (std::size_t i = 0; i < listes.size() && i < titres.size(); ++i) {
            const section::Liste& liste = listes[i];
            std::vector<QImage> etapes;
            a.PourChaqueEtape(liste, [&](int, const section::Raster& vue) {
                QImage etape = VersImage(vue);
                BlanchirCiel(etape);
                etapes.push_back(etape.scaledToWidth(kLargeurVignette, Qt::SmoothTransformation));
                return true;
            });
            if (i > 0) pdf.newPage();
            const int evenements = liste.empty() ? 0 : static_cast<int>(liste.size()) - 1;
            PageEleve(p, page, titres[i], a, evenements);
            pdf.newPage();
            PageCorrige(p, page, titres[i], liste, etapes);
        }
        if (!p.end()) return std::nullopt;
    }
    f.close();
    return octets;
}

}  // namespace dessin
