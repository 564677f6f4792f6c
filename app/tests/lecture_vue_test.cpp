// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing functions given a reading of the view already made
// (section::LireVueLegende) draw and count exactly what they draw and count
// from the session alone, on the shipped textures: the annotated view, the
// legend's lines, its width and its picture, for each kind of section.
#include <QPainter>
#include <QtTest>

#include "dessin/formations.h"
#include "section/legende_vue.h"
#include "textures_essai.h"

namespace {

std::optional<section::Textures> Textures() {
    if (std::optional<section::Textures> t = section::test::TexturesLivrees()) return t;
    return section::test::TexturesDe(qEnvironmentVariable("STRATALOOM_DATA").toStdString() + "/Base");
}

struct Cas {
    const char* nom;
    const char* codes;  // section::test::ListeDeCodes
};

// One row per kind of section a sheet shows.
constexpr Cas kCas[] = {
    {"depart", ""},
    {"couches", "SSS"},
    {"faille recouverte", "SSSDS"},
    {"plis erodes", "SSSCES"},
    {"chevauchement", "SSSH"},
    {"pluton et coulee", "SSPVS"},
};

// The three displays the window, the sheets and the worksheets use.
const dessin::Affichage kAffichages[] = {
    {true, false, false, false},  // letters
    {true, true, false, false},   // letters and tints
    {false, false, true, true},   // the pupil's sheet: rocks on paper
};

QImage Legende(const section::Session& s, const section::VueLegende* v, const dessin::Affichage& a) {
    QImage image(420, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setPixelSize(13);
    const QRect zone(4, 4, 412, 392);
    const int hauteur = v ? dessin::DessinerLegende(p, zone, s, *v, a, police)
                          : dessin::DessinerLegende(p, zone, s, a, police);
    p.setPen(Qt::red);
    p.drawLine(0, hauteur, 10, hauteur);  // the height returned, drawn too
    return image;
}

}  // namespace

class TestLectureVue : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void lesDeuxFormesDessinentLaMemeChose_data() {
        QTest::addColumn<QString>("codes");
        for (const Cas& c : kCas) QTest::newRow(c.nom) << QString::fromLatin1(c.codes);
    }

    void lesDeuxFormesDessinentLaMemeChose() {
        QFETCH(QString, codes);
        const std::optional<section::Textures> t = Textures();
        if (!t) QSKIP("the shipped textures are not generated");
        section::Session s;
        s.SuivreFormations(true);
        s.DefinirTextures(*t);
        s.Charger(section::test::ListeDeCodes(codes.toStdString()));
        const section::VueLegende v = section::LireVueLegende(s);

        QCOMPARE(dessin::TextesLegende(s, v), dessin::TextesLegende(s));
        QCOMPARE(dessin::LignesDeLegende(v), dessin::LignesDeLegende(s));
        const QFontMetrics m{QFont(QStringLiteral("DejaVu Sans"))};
        QCOMPARE(dessin::LargeurLegende(s, v, m), dessin::LargeurLegende(s, m));
        for (const dessin::Affichage& a : kAffichages) {
            QCOMPARE(dessin::VueAnnotee(s, v, a), dessin::VueAnnotee(s, a));
            QCOMPARE(Legende(s, &v, a), Legende(s, nullptr, a));
        }
    }

    // A section with letters and structures gives the legend something to
    // draw, so the comparisons above are not between two empty pictures.
    void uneCoupeAUneLegende() {
        const std::optional<section::Textures> t = Textures();
        if (!t) QSKIP("the shipped textures are not generated");
        section::Session s;
        s.SuivreFormations(true);
        s.DefinirTextures(*t);
        s.Charger(section::test::ListeDeCodes("SSSDS"));
        const section::VueLegende v = section::LireVueLegende(s);
        QVERIFY(!v.entrees.empty());
        QVERIFY(!v.structures.empty());
        QCOMPARE(dessin::LignesDeLegende(v), static_cast<int>(v.entrees.size() + v.structures.size() + 1));
        QImage image(420, 400, QImage::Format_RGB32);
        image.fill(Qt::white);
        const QImage blanche = image;
        QPainter p(&image);
        QVERIFY(dessin::DessinerLegende(p, image.rect(), s, v, kAffichages[0], QFont()) > 0);
        p.end();
        QVERIFY(image != blanche);
    }
};

QTEST_MAIN(TestLectureVue)
#include "lecture_vue_test.moc"
