// SPDX-License-Identifier: GPL-3.0-or-later
#include "dessin/formations.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <map>

#include "dessin/images.h"

namespace dessin {

namespace {

QColor Couleur(section::Couleur c) { return QColor::fromRgb(static_cast<QRgb>(c)); }

// The tint of each formation of the legend, by formation index.
std::map<section::Formation, section::Couleur> Teintes(const std::vector<section::EntreeLegende>& l) {
    std::map<section::Formation, section::Couleur> t;
    for (const section::EntreeLegende& e : l) t[e.formation] = e.teinte;
    return t;
}

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

constexpr int kAlphaTeinte = 120;

}  // namespace

QImage SurcoucheFormations(const section::Session& s, const Affichage& a) {
    const section::Raster& vue = s.vue();
    QImage img(vue.width(), vue.height(), QImage::Format_ARGB32_Premultiplied);
    if (img.isNull()) return img;
    img.fill(Qt::transparent);
    const section::PlanFormations plan = section::FormationsDeLaVue(s.section());
    if (plan.empty()) return img;
    const std::vector<section::EntreeLegende> legende = s.Legende();
    if (a.teintes) {
        const auto teintes = Teintes(legende);
        for (int y = 0; y < plan.hauteur && y < img.height(); ++y) {
            auto* ligne = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = 0; x < plan.largeur && x < img.width(); ++x) {
                const auto it = teintes.find(plan.At(x, y));
                if (it == teintes.end()) continue;
                const QColor c = Couleur(it->second);
                ligne[x] = qPremultiply(qRgba(c.red(), c.green(), c.blue(), kAlphaTeinte));
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

namespace {

// The square of the first label of each formation that has one.
std::map<section::Formation, QRect> CarresDesLettres(const section::Session& s) {
    std::map<section::Formation, QRect> carres;
    for (const section::Etiquette& e : section::PlacerEtiquettes(section::FormationsDeLaVue(s.section())))
        carres.emplace(e.formation, QRect(e.boite.left, e.boite.top, e.boite.right - e.boite.left,
                                          e.boite.bottom - e.boite.top));
    return carres;
}

}  // namespace

QStringList TextesLegende(const section::Session& s) {
    QStringList l;
    const auto carres = CarresDesLettres(s);
    for (const section::EntreeLegende& e : s.Legende()) {
        QString texte = QString::fromStdString(section::TexteLegende(e));
        if (!carres.count(e.formation))
            texte = QCoreApplication::translate("DessinFormations", "%1 — trop mince pour porter sa lettre").arg(texte);
        l << texte;
    }
    return l;
}

int LargeurLegende(const section::Session& s, const QFontMetrics& m) {
    int texte = 0;
    for (const QString& l : TextesLegende(s)) texte = std::max(texte, m.horizontalAdvance(l));
    return m.height() * 2 + texte + m.height() / 2;
}

int DessinerLegende(QPainter& p, const QRect& zone, const section::Session& s, const Affichage& a,
                    const QFont& police) {
    const std::vector<section::EntreeLegende> legende = s.Legende();
    if (legende.empty()) return 0;
    const QStringList textes = TextesLegende(s);
    const QImage vue = VueAnnotee(s, {false, a.teintes, a.impression});
    const section::PlanFormations plan = section::FormationsDeLaVue(s.section());
    // A sample of each formation: the square its first letter sits on, or
    // for a formation too thin for one, its commonest colour.
    const auto carres = CarresDesLettres(s);
    std::map<section::Formation, std::map<QRgb, int>> couleurs;
    for (int y = 0; y < plan.hauteur && y < vue.height(); ++y)
        for (int x = 0; x < plan.largeur && x < vue.width(); ++x) {
            const section::Formation f = plan.At(x, y);
            if (f >= 0 && !carres.count(f)) ++couleurs[f][vue.pixel(x, y)];
        }
    p.save();
    p.setFont(police);
    const QFontMetrics m = p.fontMetrics();
    const int hauteur = std::max(m.height(), 8) + m.height() / 4;
    const int carre = m.height();
    int y = zone.top();
    for (std::size_t i = 0; i < legende.size(); ++i) {
        const section::EntreeLegende& e = legende[i];
        const QRect echantillon(zone.left(), y + (hauteur - carre) / 2, carre, carre);
        if (const auto it = carres.find(e.formation); it != carres.end()) {
            p.drawImage(echantillon, vue, it->second);
        } else {
            const std::map<QRgb, int>& c = couleurs[e.formation];
            const auto commune = std::max_element(c.begin(), c.end(),
                                                  [](const auto& u, const auto& v) { return u.second < v.second; });
            p.fillRect(echantillon, commune == c.end() ? QColor(Qt::white) : QColor::fromRgb(commune->first));
        }
        p.setPen(QPen(Qt::black, std::max(1, carre / 16)));
        p.setBrush(Qt::NoBrush);
        p.drawRect(echantillon);
        const QRect ligne(zone.left() + carre * 2, y, zone.width() - carre * 2, hauteur);
        p.drawText(ligne, Qt::AlignLeft | Qt::AlignVCenter,
                   m.elidedText(textes.value(static_cast<qsizetype>(i)), Qt::ElideRight, ligne.width()));
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
