// SPDX-License-Identifier: GPL-3.0-or-later
// The model picture, its comparison with the section, and the saving of
// the picture in view.
#include <QDir>
#include <QImageReader>
#include <QtTest>

#include "banc.h"
#include "vue_image.h"
#include "dessin/images.h"

using Genre = FauxMessages::Genre;

namespace {

const QString kInfo = QStringLiteral("Clic pour afficher le modèle...");

struct Vues {
    explicit Vues(const Banc& b)
        : visu(b.w->findChild<VueImage*>(QStringLiteral("Visu"))),
          modele(b.w->findChild<VueImage*>(QStringLiteral("Modele"))) {}
    VueImage* visu;
    VueImage* modele;
};

// A window on screen, with a model saved from its own view after an event.
QString PreparerModele(Banc& b) {
    b.w->show();
    return b.EnregistrerModeleGranite();
}

}  // namespace

class TestImages : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rienAvantUnModele();
    void modeleSauveEtRechargeCouvreLaVue();
    void clicGaucheMontreLeModele();
    void clicDroitNeMontreRien();
    void modeleIllisibleOuAnnule();
    void modeleDessineSansEchelle();
    void exporterEcritUnBmpQuelQueSoitLeNom();
    void dossiersDesImages();
    void ecritureImpossible();
};

void TestImages::rienAvantUnModele() {
    Banc b;
    b.w->show();
    QVERIFY(QTest::qWaitForWindowExposed(b.w.get()));
    Vues v(b);
    QVERIFY(!v.visu->isEnabled());
    QVERIFY(v.visu->toolTip().isEmpty());
    QTest::mousePress(v.visu, Qt::LeftButton);
    QVERIFY(v.visu->isVisible());
    QVERIFY(!v.modele->isVisible());
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QTest::mouseRelease(v.visu, Qt::LeftButton);
}

void TestImages::modeleSauveEtRechargeCouvreLaVue() {
    Banc b;
    const QString chemin = PreparerModele(b);
    b.f.fichiers.Repondre(chemin);
    b.Action("Importermodle1")->trigger();
    const DemandeFichier& d = b.f.fichiers.ouvertures.at(0);
    QCOMPARE(d.filtre, QStringLiteral("Bitmaps (*.bmp)|*.bmp"));
    QCOMPARE(d.extensionDefaut, QString());
    QCOMPARE(d.dossierInitial, b.w->repModeles());
    QCOMPARE(d.nomFichier, QString());
    QVERIFY(d.fichierDoitExister && d.dossierDoitExister && d.apercuImage);
    Vues v(b);
    QVERIFY(v.visu->isEnabled());
    QCOMPARE(v.visu->toolTip(), kInfo);
    QCOMPARE(b.w->imageModele().size(), v.visu->size());
    // The section stays in view; the model is the view saved earlier.
    QVERIFY(v.visu->isVisible());
    QVERIFY(b.w->imageModele() != v.visu->image());
    b.Bouton("Granite")->click();
    QCOMPARE(b.w->imageModele(), v.visu->image());
}

void TestImages::clicGaucheMontreLeModele() {
    Banc b;
    b.f.fichiers.Repondre(PreparerModele(b));
    b.Action("Importermodle1")->trigger();
    Vues v(b);
    QTest::mousePress(v.visu, Qt::LeftButton, {}, QPoint(50, 50));
    QVERIFY(!v.visu->isVisible());
    QVERIFY(v.modele->isVisible());
    QVERIFY(QApplication::overrideCursor());
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
    b.w->MontrerCoupe();
    QVERIFY(v.visu->isVisible());
    QVERIFY(!v.modele->isVisible());
    QVERIFY(QApplication::overrideCursor() == nullptr);
    // A reset keeps the model, and the view still shows it.
    b.Bouton("Efface")->click();
    QTest::mousePress(v.visu, Qt::LeftButton, {}, QPoint(50, 50));
    QVERIFY(v.modele->isVisible());
    QTest::mouseRelease(v.modele, Qt::LeftButton, {}, QPoint(50, 50));
    QVERIFY(v.visu->isVisible());
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void TestImages::clicDroitNeMontreRien() {
    Banc b;
    b.f.fichiers.Repondre(PreparerModele(b));
    b.Action("Importermodle1")->trigger();
    Vues v(b);
    QTest::mousePress(v.visu, Qt::RightButton, {}, QPoint(50, 50));
    QVERIFY(v.visu->isVisible());
    QVERIFY(!v.modele->isVisible());
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QTest::mouseRelease(v.visu, Qt::RightButton, {}, QPoint(50, 50));
    QVERIFY(v.visu->isVisible());
    QVERIFY(!v.modele->isVisible());
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void TestImages::modeleIllisibleOuAnnule() {
    Banc b;
    Vues v(b);
    b.f.fichiers.Annuler();
    b.Action("Importermodle1")->trigger();
    QVERIFY(!v.visu->isEnabled());
    QVERIFY(b.f.messages.messages.empty());
    const QString faux = b.Chemin(QStringLiteral("faux.bmp"));
    QVERIFY(EcrireFichier(faux, "BM pas vraiment"));
    b.f.fichiers.Repondre(faux);
    b.Action("Importermodle1")->trigger();
    QCOMPARE(b.f.messages.Nombre(Genre::Erreur, QStringLiteral("Impossible de charger le fichier")), 1);
    QVERIFY(!v.visu->isEnabled());
    QVERIFY(v.visu->toolTip().isEmpty());
    // After a good model, a bad one keeps it.
    const QString bon = b.Chemin(QStringLiteral("bon.bmp"));
    QVERIFY(TextureUnie(30, 20, qRgb(10, 200, 10)).save(bon, "BMP"));
    b.f.fichiers.Repondre(bon);
    b.Action("Importermodle1")->trigger();
    b.f.fichiers.Repondre(faux);
    b.Action("Importermodle1")->trigger();
    QCOMPARE(b.f.messages.messages.size(), std::size_t(2));
    QCOMPARE(b.w->imageModele().size(), QSize(30, 20));
    QVERIFY(v.visu->isEnabled());
    b.f.fichiers.Annuler();
    b.Action("Importermodle1")->trigger();
    QCOMPARE(b.w->imageModele().size(), QSize(30, 20));
}

void TestImages::modeleDessineSansEchelle() {
    VueImage vue;
    vue.setFixedSize(60, 40);
    QImage petite = TextureUnie(20, 10, qRgb(10, 200, 10));
    vue.setImage(petite);
    const QImage petit = vue.grab().toImage();
    QCOMPARE(petit.pixel(5, 5), qRgb(10, 200, 10));
    QCOMPARE(petit.pixel(19, 9), qRgb(10, 200, 10));
    QCOMPARE(QColor(petit.pixel(30, 20)), vue.palette().color(QPalette::Window));
    QCOMPARE(QColor(petit.pixel(5, 30)), vue.palette().color(QPalette::Window));
    // A larger one is cut at the edges, not scaled down.
    QImage grande(200, 100, QImage::Format_RGB32);
    grande.fill(qRgb(200, 0, 200));
    for (int y = 0; y < 40; ++y) grande.setPixel(59, y, qRgb(0, 0, 0));
    vue.setImage(grande);
    const QImage coupe = vue.grab().toImage();
    QCOMPARE(coupe.pixel(59, 39), qRgb(0, 0, 0));
    QCOMPARE(coupe.pixel(58, 39), qRgb(200, 0, 200));
}

void TestImages::exporterEcritUnBmpQuelQueSoitLeNom() {
    Banc b;
    b.Bouton("Plissa")->click();
    const QString chemin = b.Chemin(QStringLiteral("coupe.png"));
    b.f.fichiers.Repondre(chemin);
    b.Action("ExporterImage1")->trigger();
    QVERIFY(Octets(chemin).startsWith("BM"));
    const std::optional<section::Raster> relu = dessin::LireBmp(chemin);
    QVERIFY(relu);
    QVERIFY(*relu == b.w->session().vue());
    const DemandeFichier& d = b.f.fichiers.enregistrements.at(0);
    QCOMPARE(d.filtre, QStringLiteral("Bitmaps (*.bmp)|*.bmp"));
    QCOMPARE(d.extensionDefaut, QStringLiteral("bmp"));
    QCOMPARE(d.nomFichier, QStringLiteral("Exemple.bmp"));
    QVERIFY(d.confirmerEcrasement && !d.dossierDoitExister);
    // The dialog offers the last saved name again, to either command.
    b.f.fichiers.Annuler();
    b.Action("Sauvercommemodle1")->trigger();
    QCOMPARE(b.f.fichiers.enregistrements.at(1).nomFichier, chemin);
}

void TestImages::dossiersDesImages() {
    Banc b;
    const QString documents = b.w->repDocuments();
    b.f.fichiers.Annuler();
    b.Action("Sauvercommemodle1")->trigger();
    QCOMPARE(b.f.fichiers.enregistrements.at(0).dossierInitial, b.w->repModeles());
    QCOMPARE(b.w->repDocuments(), documents);
    b.f.fichiers.Annuler();
    b.Action("ExporterImage1")->trigger();
    QCOMPARE(b.f.fichiers.enregistrements.at(1).dossierInitial, documents);
    QCOMPARE(b.w->repDocuments(), QString());  // "Exemple.bmp" has no folder
    // A model saved elsewhere: a cancelled export then takes its folder.
    QVERIFY(QDir().mkpath(b.Chemin(QStringLiteral("ailleurs"))));
    b.f.fichiers.Repondre(b.Chemin(QStringLiteral("ailleurs/m.bmp")));
    b.Action("Sauvercommemodle1")->trigger();
    QCOMPARE(b.w->repDocuments(), QString());
    b.f.fichiers.Annuler();
    b.Action("ExporterImage1")->trigger();
    QCOMPARE(b.w->repDocuments(), b.Chemin(QStringLiteral("ailleurs")));
    b.Bouton("Efface")->click();
    QCOMPARE(b.w->repDocuments(), documents);
}

void TestImages::ecritureImpossible() {
    Banc b;
    const QString documents = b.w->repDocuments();
    const QString absent = b.Chemin(QStringLiteral("absent/vue.bmp"));
    b.f.fichiers.Repondre(absent);
    b.Action("ExporterImage1")->trigger();
    QCOMPARE(b.f.messages.Nombre(Genre::Erreur,
                                 QStringLiteral("Impossible de créer le fichier ") + absent),
             1);
    QCOMPARE(b.w->repDocuments(), documents);
    QVERIFY(!QFileInfo::exists(absent));
}

QTEST_MAIN(TestImages)
#include "fenetre_modele_test.moc"
