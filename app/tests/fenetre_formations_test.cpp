// SPDX-License-Identifier: GPL-3.0-or-later
// Letters, tints and the legend of the formations: painted over the view,
// they change neither the view's picture, nor a saved one, nor the list.
#include <QDialog>
#include <QLabel>
#include <QtTest>

#include "banc.h"
#include "vue_image.h"
#include "dessin/images.h"
#include "section/legende_vue.h"
#include "section/roches.h"

namespace {

VueImage* Visu(const Banc& b) { return b.w->findChild<VueImage*>(QStringLiteral("Visu")); }

// A section with several formations, some cut by faults.
void Construire(Banc& b) {
    for (const char* bouton : {"Sedim", "Plissa", "Nivele", "Sedim", "Granite", "Casse"})
        b.Bouton(bouton)->click();
}

}  // namespace

class TestFormations : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void menuAffichage();
    void laVueGardeSesPixels();
    void lesLettresSeVoientSurLEcran();
    void legendeSuitLaCoupe();
    void lesRochesSeDessinentAvecLeurFigure();
};

void TestFormations::menuAffichage() {
    Banc b;
    QVERIFY(!b.Action("Lettres1")->isChecked());
    QVERIFY(!b.Action("Teintes1")->isChecked());
    QVERIFY(Visu(b)->surcouche().isNull());
    QCOMPARE(b.Action("Lettres1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
    b.Action("Lettres1")->trigger();
    QVERIFY(b.w->affichage().lettres);
    QVERIFY(!Visu(b)->surcouche().isNull());
    b.Action("Lettres1")->trigger();
    QVERIFY(!b.w->affichage().lettres);
    QVERIFY(Visu(b)->surcouche().isNull());
}

void TestFormations::laVueGardeSesPixels() {
    Banc b;
    Construire(b);
    const QImage sans = Visu(b)->image();
    const QString avant = b.Chemin(QStringLiteral("sans.bmp"));
    b.f.fichiers.Repondre(avant);
    b.Action("ExporterImage1")->trigger();

    b.Action("Lettres1")->trigger();
    b.Action("Teintes1")->trigger();
    b.w->MontrerLegende();
    QVERIFY(!Visu(b)->surcouche().isNull());
    QCOMPARE(Visu(b)->image(), sans);
    QCOMPARE(Visu(b)->image(), dessin::VersImage(b.w->session().vue()));
    const QString apres = b.Chemin(QStringLiteral("avec.bmp"));
    b.f.fichiers.Repondre(apres);
    b.Action("ExporterImage1")->trigger();
    QVERIFY(!Octets(avant).isEmpty());
    QCOMPARE(Octets(apres), Octets(avant));

    // Undo and a new event keep the overlay on a view that is still the
    // session's own.
    b.Bouton("Annuler")->click();
    QCOMPARE(Visu(b)->image(), dessin::VersImage(b.w->session().vue()));
    b.Bouton("Sedim")->click();
    QCOMPARE(Visu(b)->image(), dessin::VersImage(b.w->session().vue()));
    QCOMPARE(Visu(b)->surcouche().size(), Visu(b)->image().size());
}

void TestFormations::lesLettresSeVoientSurLEcran() {
    Banc b;
    b.w->show();
    QVERIFY(QTest::qWaitForWindowExposed(b.w.get()));
    Construire(b);
    VueImage* v = Visu(b);
    const auto ecran = [&] { return v->grab().toImage().convertToFormat(QImage::Format_RGB32); };
    const QImage nu = ecran();
    QCOMPARE(nu.copy(QRect(QPoint(0, 0), v->image().size())), v->image());
    b.Action("Lettres1")->trigger();
    const QImage lettres = ecran();
    QVERIFY(lettres != nu);
    // Every letter sits in a white box on the rock of its formation.
    const auto etiquettes = section::LireVueLegende(b.w->session()).etiquettes;
    QVERIFY(!etiquettes.empty());
    for (const section::Etiquette& e : etiquettes) {
        const QRgb coin = lettres.pixel(e.boite.left + 2, e.boite.top + 3);
        QVERIFY2(qRed(coin) > 200 && qGreen(coin) > 200 && qBlue(coin) > 200, e.lettre.c_str());
    }
    b.Action("Teintes1")->trigger();
    const QImage teintes = ecran();
    QVERIFY(teintes != lettres);
    // The sky is never tinted.
    QCOMPARE(teintes.pixel(5, 5), nu.pixel(5, 5));
    b.Action("Lettres1")->trigger();
    b.Action("Teintes1")->trigger();
    QCOMPARE(ecran(), nu);
}

// « Roches »: off outside an exercise; on, the view's overlay is the
// engine's rock view, opaque, and the view's own pixels stay the core's.
void TestFormations::lesRochesSeDessinentAvecLeurFigure() {
    Banc b;
    Construire(b);
    QVERIFY(!b.Action("Roches1")->isChecked());
    QVERIFY(Visu(b)->surcouche().isNull());
    b.Action("Roches1")->trigger();
    QVERIFY(b.w->affichage().roches);
    const QImage roches = Visu(b)->surcouche().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(roches, dessin::VersImage(section::VueRoches(b.w->session())));
    QVERIFY(roches != Visu(b)->image());
    QCOMPARE(Visu(b)->image(), dessin::VersImage(b.w->session().vue()));
    // Letters over the rocks: the rock view under them, a white box on each.
    b.Action("Lettres1")->trigger();
    const QImage lettres = Visu(b)->surcouche();
    const auto etiquettes = section::LireVueLegende(b.w->session()).etiquettes;
    QVERIFY(!etiquettes.empty());
    const section::Etiquette& e = etiquettes.front();
    QCOMPARE(qGray(lettres.pixel(e.boite.left + 2, e.boite.top + 3)) > 200, true);
    b.Action("Roches1")->trigger();
    b.Action("Lettres1")->trigger();
    QVERIFY(Visu(b)->surcouche().isNull());
}

void TestFormations::legendeSuitLaCoupe() {
    Banc b;
    b.w->MontrerLegende();
    QDialog* fenetre = b.w->fenetreLegende();
    QVERIFY(fenetre);
    QVERIFY(!fenetre->isModal());
    QCOMPARE(fenetre->windowTitle(), QStringLiteral("Légende des formations"));
    auto* image = fenetre->findChild<QLabel*>(QStringLiteral("ImageLegende"));
    QVERIFY(image);
    // The starting series: its three rocks, each with its letter when the
    // texture's bands tell them apart (the bench's textures do not).
    const QStringList depart = b.w->LignesLegende();
    QVERIFY(depart.size() == 1 || depart.size() == 3);
    for (const char* roche : {"calcaire", "argile", "conglomérat"})
        QCOMPARE(depart.filter(QString::fromUtf8(roche)).size(), 1);
    Construire(b);
    const QStringList lignes = b.w->LignesLegende();
    QVERIFY(lignes.size() >= 4);
    QCOMPARE(image->accessibleDescription(), lignes.join(QLatin1Char('\n')));
    QCOMPARE(lignes.filter(QStringLiteral(" : granite")).size(), 1);
    // The faults are a structure with its label, not a lettered formation.
    QCOMPARE(lignes.filter(QRegularExpression(QStringLiteral("^F1 : faille normale$"))).size(), 1);
    // Never the event, never the rank of an event in the list.
    for (const QString& l : lignes) {
        QVERIFY2(!l.contains(QLatin1Char('(')), qPrintable(l));
        if (l.contains(QRegularExpression(QStringLiteral("^[A-Z]+ : "))))
            QVERIFY2(!l.contains(QRegularExpression(QStringLiteral("\\d"))), qPrintable(l));
    }
    QVERIFY(!image->pixmap().isNull());
    b.Bouton("Efface")->click();
    QCOMPARE(b.w->LignesLegende(), depart);
    QCOMPARE(image->accessibleDescription(), depart.join(QLatin1Char('\n')));
}

QTEST_MAIN(TestFormations)
#include "fenetre_formations_test.moc"
