// SPDX-License-Identifier: GPL-3.0-or-later
#include "dessin/formations.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <map>

#include "dessin/images.h"
#include "section/legende_vue.h"

namespace dessin {

namespace {

QColor Couleur(section::Couleur c) { return QColor::fromRgb(static_cast<QRgb>(c)); }

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

}  // namespace

QImage SurcoucheFormations(const section::Session& s, const Affichage& a) {
    const section::Raster& vue = s.vue();
    QImage img(vue.width(), vue.height(), QImage::Format_ARGB32_Premultiplied);
    if (img.isNull()) return img;
    img.fill(Qt::transparent);
    const section::PlanFormations plan = section::FormationsDeLaVue(s.section());
    if (plan.empty()) return img;
    if (a.teintes) {
        const std::vector<std::uint32_t> teintes = section::PlanTeintes(s);
        for (int y = 0; y < img.height(); ++y) {
            auto* ligne = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = 0; x < img.width(); ++x) {
                const std::size_t i = static_cast<std::size_t>(y) * static_cast<std::size_t>(img.width()) +
                                      static_cast<std::size_t>(x);
                if (i < teintes.size() && teintes[i] != 0) ligne[x] = qPremultiply(static_cast<QRgb>(teintes[i]));
            }
        }
    }
    if (a.lettres) {
        QPainter p(&img);
        DessinerLettres(p, s);
    }
    return img;
}

void DessinerLettres(QPainter& p, const section::Session& s) {
    const section::PlanFormations plan = section::FormationsDeLaVue(s.section());
    if (plan.empty()) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (const section::Etiquette& e : section::PlacerEtiquettes(plan)) {
        const QRectF boite(e.boite.left, e.boite.top, e.boite.right - e.boite.left, e.boite.bottom - e.boite.top);
        DessinerLettre(p, boite, QString::fromStdString(e.lettre));
    }
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

QImage VueAnnotee(const section::Session& s, const Affichage& a) {
    QImage img = VersImage(s.vue());
    if (img.isNull()) return img;
    if (a.impression) BlanchirCiel(img);
    if (a.lettres || a.teintes) {
        QPainter p(&img);
        p.drawImage(0, 0, SurcoucheFormations(s, a));
    }
    return img;
}

QStringList TextesLegende(const section::Session& s) {
    QStringList l;
    for (const section::LigneLegende& ligne : section::LignesLegende(s)) l << QString::fromStdString(ligne.texte);
    return l;
}

int LargeurLegende(const section::Session& s, const QFontMetrics& m) {
    int texte = 0;
    for (const QString& l : TextesLegende(s)) texte = std::max(texte, m.horizontalAdvance(l));
    return m.height() * 2 + texte + m.height() / 2;
}

int DessinerLegende(QPainter& p, const QRect& zone, const section::Session& s, const Affichage& a,
                    const QFont& police) {
    const std::vector<section::LigneLegende> legende = section::LignesLegende(s);
    if (legende.empty()) return 0;
    const QImage vue = VueAnnotee(s, {false, a.teintes, a.impression});
    p.save();
    p.setFont(police);
    const QFontMetrics m = p.fontMetrics();
    const int hauteur = std::max(m.height(), 8) + m.height() / 4;
    const int carre = m.height();
    int y = zone.top();
    for (std::size_t i = 0; i < legende.size(); ++i) {
        const section::LigneLegende& l = legende[i];
        const QRect echantillon(zone.left(), y + (hauteur - carre) / 2, carre, carre);
        if (!l.sansLettre) {
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
        if (y + hauteur > zone.bottom() + 1) break;
    }
    p.restore();
    return y - zone.top();
}

QImage FeuilleFormations(const section::Session& s, const Affichage& a) {
    const QImage vue = VueAnnotee(s, a);
    if (vue.isNull()) return vue;
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setPixelSize(13);
    const int marge = 8;
    const int lignes = static_cast<int>(s.Legende().size());
    const int hauteurLigne = QFontMetrics(police).height() + QFontMetrics(police).height() / 4;
    QImage feuille(vue.width(), vue.height() + 2 * marge + lignes * hauteurLigne, QImage::Format_RGB32);
    feuille.fill(Qt::white);
    QPainter p(&feuille);
    p.drawImage(0, 0, vue);
    p.setRenderHint(QPainter::TextAntialiasing);
    DessinerLegende(p, QRect(marge, vue.height() + marge, vue.width() - 2 * marge, lignes * hauteurLigne + 1), s,
                    a, police);
    return feuille;
}

}  // namespace dessin
