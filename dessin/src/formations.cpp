// SPDX-License-Identifier: GPL-3.0-or-later
#include "dessin/formations.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPaintDevice>
#include <QPainterPath>
#include <algorithm>
#include <map>

#include "dessin/images.h"
#include "section/legende_vue.h"

namespace dessin {

namespace {

// A letter in a white box with a dark rim: legible on every rock.
void DessinerLettre(QPainter& p, const QRectF& boite, const QString& lettre) {
    p.setPen(QPen(QColor(20, 20, 20), 1.0));
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawRoundedRect(boite.adjusted(0.5, 0.5, -0.5, -0.5), 2.5, 2.5);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(std::max(6, static_cast<int>(boite.height() * (lettre.size() > 1 ? 0.55 : 0.75))));
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(boite, Qt::AlignCenter, lettre);
}

// A structure's label: its text in a white box with square corners and a
// thick rim, next to the trace it names.
void DessinerEtiquetteStructure(QPainter& p, const section::Structure& st, const QSize& vue, int cote) {
    const QString texte = QString::fromStdString(st.etiquette);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(std::max(6, cote * 3 / 4));
    p.setFont(f);
    const int largeur = QFontMetrics(f).horizontalAdvance(texte) + 4;
    // On the structure: centred on the row of its pixel, just right of a
    // fault or thrust plane, centred on an erosion surface; inside the view.
    const auto dedans = [](int v, int taille, int max) { return std::max(0, std::min(v, max - taille)); };
    const int x = st.sorte == section::SorteStructure::SurfaceErosion ? st.place.x - largeur / 2 : st.place.x + 2;
    const QRectF boite(dedans(x, largeur, vue.width()), dedans(st.place.y - cote / 2, cote, vue.height()), largeur, cote);
    p.setPen(QPen(QColor(20, 20, 20), 1.5));
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawRect(boite.adjusted(0.5, 0.5, -0.5, -0.5));
    p.setPen(Qt::black);
    p.drawText(boite, Qt::AlignCenter, texte);
}

}  // namespace

void DessinerSymbole(QPainter& p, const QRectF& zone, section::SorteStructure sorte) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double y = zone.center().y(), g = zone.left(), d = zone.right();
    const double h = zone.height();
    switch (sorte) {
    case section::SorteStructure::Faille:
        // A thick solid line.
        p.setPen(QPen(Qt::black, std::max(2.0, h / 5), Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(g, y), QPointF(d, y));
        break;
    case section::SorteStructure::Chevauchement: {
        // A line with teeth on the side of the upper block.
        p.setPen(QPen(Qt::black, std::max(1.0, h / 10)));
        p.drawLine(QPointF(g, y + h / 6), QPointF(d, y + h / 6));
        p.setBrush(Qt::black);
        const double dent = h / 3;
        for (double x = g + dent / 2; x + dent <= d; x += dent * 1.6) {
            const QPointF t[3] = {{x, y + h / 6}, {x + dent, y + h / 6}, {x + dent / 2, y + h / 6 - dent}};
            p.drawPolygon(t, 3);
        }
        break;
    }
    case section::SorteStructure::SurfaceErosion: {
        // A wavy line.
        p.setPen(QPen(Qt::black, std::max(1.0, h / 10)));
        QPainterPath chemin(QPointF(g, y));
        const double pas = h / 2;
        bool haut = true;
        for (double x = g; x + pas <= d + 0.01; x += pas, haut = !haut)
            chemin.quadTo(QPointF(x + pas / 2, y + (haut ? -h / 4 : h / 4)), QPointF(x + pas, y));
        p.setBrush(Qt::NoBrush);
        p.drawPath(chemin);
        break;
    }
    }
    p.restore();
}

QImage SurcoucheFormations(const section::Session& s, const Affichage& a) {
    return SurcoucheFormations(s, section::LireVueLegende(s), a);
}

QImage SurcoucheFormations(const section::Session& s, const section::VueLegende& v, const Affichage& a) {
    const section::Raster& vue = s.vue();
    QImage img(vue.width(), vue.height(), QImage::Format_ARGB32_Premultiplied);
    if (img.isNull()) return img;
    img.fill(Qt::transparent);
    if (v.plan.empty()) return img;
    if (a.roches) {
        // The rock view, opaque, hides the core's picture under it.
        QPainter p(&img);
        p.drawImage(0, 0, ImageDeBase(s, v, {false, false, a.impression, true}));
    }
    if (a.teintes) {
        const std::vector<std::uint32_t> teintes = section::PlanTeintes(s, v);
        for (int y = 0; y < img.height(); ++y) {
            auto* ligne = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = 0; x < img.width(); ++x) {
                const std::size_t i = static_cast<std::size_t>(y) * static_cast<std::size_t>(img.width()) +
                                      static_cast<std::size_t>(x);
                if (i >= teintes.size() || teintes[i] == 0) continue;
                const QRgb t = qPremultiply(static_cast<QRgb>(teintes[i]));
                if (!a.roches) {
                    ligne[x] = t;
                } else {
                    // The tint over the opaque rock view: source over.
                    const QRgb d = ligne[x];
                    const int k = 255 - qAlpha(t);
                    ligne[x] = qRgba(qRed(t) + qRed(d) * k / 255, qGreen(t) + qGreen(d) * k / 255,
                                     qBlue(t) + qBlue(d) * k / 255, 255);
                }
            }
        }
    }
    if (a.lettres) {
        QPainter p(&img);
        DessinerLettres(p, v);
    }
    return img;
}

void DessinerLettres(QPainter& p, const section::Session& s) { DessinerLettres(p, section::LireVueLegende(s)); }

void DessinerLettres(QPainter& p, const section::VueLegende& v) {
    if (v.plan.empty()) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (const section::Etiquette& e : v.etiquettes) {
        const QRectF boite(e.boite.left, e.boite.top, e.boite.right - e.boite.left, e.boite.bottom - e.boite.top);
        DessinerLettre(p, boite, QString::fromStdString(e.lettre));
    }
    for (const section::Structure& st : v.structures)
        DessinerEtiquetteStructure(p, st, QSize(v.plan.largeur, v.plan.hauteur), section::kCoteEtiquette);
    p.restore();
}

void BlanchirCiel(QImage& img) {
    if (img.format() != QImage::Format_RGB32) img = img.convertToFormat(QImage::Format_RGB32);
    const QRgb ciel = static_cast<QRgb>(section::kBleu);
    for (int y = 0; y < img.height(); ++y) {
        auto* ligne = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if (ligne[x] == ciel) ligne[x] = 0xFFFFFFFFu;
    }
}

QImage ImageDeBase(const section::Session& s, const section::VueLegende& v, const Affichage& a) {
    QImage img = VersImage(a.roches ? section::VueRoches(s, v) : s.vue());
    if (!img.isNull() && a.impression) BlanchirCiel(img);
    return img;
}

void DessinerEchantillon(QPainter& p, const QRect& zone, section::Roche r, double echelle) {
    echelle = std::max(echelle, 0.25);
    const int l = std::max(1, static_cast<int>(zone.width() / echelle + 0.5)),
              h = std::max(1, static_cast<int>(zone.height() / echelle + 0.5));
    QImage tuile(l, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* ligne = reinterpret_cast<QRgb*>(tuile.scanLine(y));
        for (int x = 0; x < l; ++x) ligne[x] = static_cast<QRgb>(section::PixelFigure(r, x, y));
    }
    // Pixels kept square and sharp, as the view shows them enlarged.
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(zone, tuile);
    p.restore();
}

QImage VueAnnotee(const section::Session& s, const Affichage& a) {
    return VueAnnotee(s, section::LireVueLegende(s), a);
}

QImage VueAnnotee(const section::Session& s, const section::VueLegende& v, const Affichage& a) {
    QImage img = ImageDeBase(s, v, a);
    if (img.isNull()) return img;
    if (a.lettres || a.teintes) {
        Affichage dessus = a;
        dessus.roches = false;  // already the picture under it
        QPainter p(&img);
        p.drawImage(0, 0, SurcoucheFormations(s, v, dessus));
    }
    return img;
}

QStringList TextesLegende(const section::Session& s) { return TextesLegende(s, section::LireVueLegende(s)); }

QStringList TextesLegende(const section::Session& s, const section::VueLegende& v) {
    QStringList l;
    for (const section::LigneLegende& ligne : section::LignesLegende(s, v)) l << QString::fromStdString(ligne.texte);
    for (const section::Structure& st : v.structures) l << QString::fromStdString(section::TexteStructure(st));
    return l;
}

int LignesDeLegende(const section::Session& s) { return LignesDeLegende(section::LireVueLegende(s)); }

int LignesDeLegende(const section::VueLegende& v) {
    return static_cast<int>(v.entrees.size() + (v.structures.empty() ? 0 : v.structures.size() + 1));
}

int LargeurLegende(const section::Session& s, const QFontMetrics& m) {
    return LargeurLegende(s, section::LireVueLegende(s), m);
}

int LargeurLegende(const section::Session& s, const section::VueLegende& v, const QFontMetrics& m) {
    int texte = m.horizontalAdvance(QString::fromStdString(section::TitreStructures()));
    for (const QString& l : TextesLegende(s, v)) texte = std::max(texte, m.horizontalAdvance(l));
    return m.height() * 2 + texte + m.height() / 2;
}

int DessinerLegende(QPainter& p, const QRect& zone, const section::Session& s, const Affichage& a,
                    const QFont& police) {
    return DessinerLegende(p, zone, s, section::LireVueLegende(s), a, police);
}

int DessinerLegende(QPainter& p, const QRect& zone, const section::Session& s, const section::VueLegende& v,
                    const Affichage& a, const QFont& police) {
    const std::vector<section::LigneLegende> legende = section::LignesLegende(s, v);
    if (legende.empty() && v.structures.empty()) return 0;
    QImage vue = ImageDeBase(s, v, a);
    if (a.teintes) {
        QPainter teinte(&vue);
        teinte.drawImage(0, 0, SurcoucheFormations(s, v, {false, true, false, false}));
    }
    p.save();
    p.setFont(police);
    const QFontMetrics m = p.fontMetrics();
    const int hauteur = std::max(m.height(), 8) + m.height() / 4;
    const int carre = m.height();
    int y = zone.top();
    const auto place = [&] { return y + hauteur <= zone.bottom() + 1; };
    for (std::size_t i = 0; i < legende.size() && place(); ++i) {
        const section::LigneLegende& l = legende[i];
        const QRect echantillon(zone.left(), y + (hauteur - carre) / 2, carre, carre);
        const section::Roche roche = section::RocheDe(l.entree.depot);
        if (a.roches && roche != section::Roche::Aucune) {
            // The rock's figuré, under its tint as the view shows it.
            // On paper, at about the size a screen shows it.
            const double echelle = p.device() ? std::max(1.0, p.device()->logicalDpiX() / 96.0) : 1.0;
            DessinerEchantillon(p, echantillon, roche, echelle);
            if (a.teintes)
                p.fillRect(echantillon, QColor::fromRgba(qRgba(qRed(l.entree.teinte), qGreen(l.entree.teinte),
                                                               qBlue(l.entree.teinte), section::kOpaciteTeinte)));
        } else if (!l.sansLettre) {
            const section::Rect& c = l.carre;
            p.drawImage(echantillon, vue, QRect(c.left, c.top, c.right - c.left, c.bottom - c.top));
        } else {
            // The formation's commonest colour, under its tint as the view shows it.
            p.fillRect(echantillon, QColor::fromRgb(static_cast<QRgb>(l.couleur)));
            if (a.teintes)
                p.fillRect(echantillon, QColor::fromRgba(qRgba(qRed(l.entree.teinte), qGreen(l.entree.teinte),
                                                               qBlue(l.entree.teinte), section::kOpaciteTeinte)));
        }
        p.setPen(QPen(Qt::black, std::max(1, carre / 16)));
        p.setBrush(Qt::NoBrush);
        p.drawRect(echantillon);
        const QRect ligne(zone.left() + carre * 2, y, zone.width() - carre * 2, hauteur);
        p.drawText(ligne, Qt::AlignLeft | Qt::AlignVCenter,
                   m.elidedText(QString::fromStdString(l.texte), Qt::ElideRight, ligne.width()));
        y += hauteur;
    }
    // The structures apart, under their heading: a line symbol each.
    if (!v.structures.empty() && place()) {
        QFont gras = police;
        gras.setBold(true);
        p.setFont(gras);
        p.setPen(Qt::black);
        p.drawText(QRect(zone.left(), y, zone.width(), hauteur), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromStdString(section::TitreStructures()));
        p.setFont(police);
        y += hauteur;
    }
    for (std::size_t i = 0; i < v.structures.size() && place(); ++i) {
        const section::Structure& st = v.structures[i];
        DessinerSymbole(p, QRectF(zone.left(), y + (hauteur - carre) / 2.0, carre * 1.6, carre), st.sorte);
        const QRect ligne(zone.left() + carre * 2, y, zone.width() - carre * 2, hauteur);
        p.setPen(Qt::black);
        p.drawText(ligne, Qt::AlignLeft | Qt::AlignVCenter,
                   m.elidedText(QString::fromStdString(section::TexteStructure(st)), Qt::ElideRight, ligne.width()));
        y += hauteur;
    }
    p.restore();
    return y - zone.top();
}

QImage FeuilleFormations(const section::Session& s, const Affichage& a) {
    const section::VueLegende v = section::LireVueLegende(s);
    const QImage vue = VueAnnotee(s, v, a);
    if (vue.isNull()) return vue;
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setPixelSize(13);
    const int marge = 8;
    const int lignes = LignesDeLegende(v);
    const int hauteurLigne = QFontMetrics(police).height() + QFontMetrics(police).height() / 4;
    QImage feuille(vue.width(), vue.height() + 2 * marge + lignes * hauteurLigne, QImage::Format_RGB32);
    feuille.fill(Qt::white);
    QPainter p(&feuille);
    p.drawImage(0, 0, vue);
    p.setRenderHint(QPainter::TextAntialiasing);
    DessinerLegende(p, QRect(marge, vue.height() + marge, vue.width() - 2 * marge, lignes * hauteurLigne + 1), s,
                    v, a, police);
    return feuille;
}

QImage ImageLegende(const section::Session& s, const Affichage& a, const QFont& police, const QColor& fond,
                    int largeurMin) {
    const section::VueLegende v = section::LireVueLegende(s);
    if (TextesLegende(s, v).isEmpty()) return {};
    const QFontMetrics m(police);
    const int hauteurLigne = m.height() + m.height() / 4;
    QImage image(std::max(largeurMin, LargeurLegende(s, v, m)), LignesDeLegende(v) * hauteurLigne + 2,
                 QImage::Format_RGB32);
    image.fill(fond);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    DessinerLegende(p, QRect(0, 1, image.width(), image.height() - 1), s, v, a, police);
    return image;
}

}  // namespace dessin
