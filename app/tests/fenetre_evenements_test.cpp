// SPDX-License-Identifier: GPL-3.0-or-later
// The event commands, undo, availability after events, help colours and
// the sound around each event.
#include <QRandomGenerator>
#include <QtTest>

#include "banc.h"
#include "vue_image.h"
#include "dessin/images.h"

using Genre = FauxMessages::Genre;

namespace {

const QString kSedimentation = QStringLiteral("Sédimentation");

QColor Couleur(const Banc& b, int k) {
    return b.Bouton(qPrintable(QStringLiteral("AideBt%1").arg(k)))->palette().color(QPalette::ButtonText);
}

QImage Vue(const Banc& b) { return b.w->findChild<VueImage*>(QStringLiteral("Visu"))->image(); }

}  // namespace

class TestEvenements : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void boutonEtMenuAppliquentEtListent();
    void annulerRetireLaDerniereLigneEtRestaureLImage();
    void deuxRetoursDeSuiteImpossibles();
    void annulerUnPliRestaureLeFacteur();
    void annulerUneSedimentationGardeLeFacteur();
    void pointRougeSuitLeDernierEvenement();
    void distensionBloqueLesPlisEtLePluton();
    void sonFermeAvantChaqueEvenement();
    void sonAbsentSeTaitSansMessage();
    void suiteAleatoireSurLesDonneesLivrees();
};

void TestEvenements::boutonEtMenuAppliquentEtListent() {
    Banc b;
    const QImage avant = Vue(b);
    b.Bouton("Sedim")->click();
    QCOMPARE(b.Liste(), (QStringList{kSedimentation, kSedimentation}));
    QVERIFY(Vue(b) != avant);
    QVERIFY(b.Bouton("Annuler")->isEnabled());
    QVERIFY(b.Action("Annuler1")->isEnabled());
    b.Action("Erosion1")->trigger();
    b.Action("Compression1")->trigger();
    QCOMPARE(b.Liste(), (QStringList{kSedimentation, kSedimentation, QStringLiteral("Erosion"),
                                     QStringLiteral("Compression")}));
    QVERIFY(QApplication::overrideCursor() == nullptr);
    // The window's view is the engine's view, the same as a direct run.
    section::Session direct;
    direct.DefinirTextures(b.w->session().textures());
    direct.Reinitialiser();
    using E = section::Evenement;
    for (E e : {E::Sedimentation, E::Erosion, E::Compression}) direct.Appliquer(e);
    QCOMPARE(Vue(b), dessin::VersImage(direct.vue()));
}

void TestEvenements::annulerRetireLaDerniereLigneEtRestaureLImage() {
    Banc b;
    b.Bouton("Sedim")->click();
    const QImage avant = Vue(b);
    const section::Raster observeAvant = b.w->session().observe();
    b.Bouton("Granite")->click();
    QVERIFY(Vue(b) != avant);
    b.Bouton("AideBt1")->click();  // help does not disturb undo
    b.Bouton("Annuler")->click();
    QCOMPARE(b.Liste(), (QStringList{kSedimentation, kSedimentation}));
    QCOMPARE(Vue(b), avant);
    QVERIFY(b.w->session().observe() == observeAvant);
    QVERIFY(!b.Bouton("Annuler")->isEnabled());
    QVERIFY(!b.Action("Annuler1")->isEnabled());
    for (int k = 1; k <= 7; ++k) QCOMPARE(Couleur(b, k), QColor(Qt::black));
    QVERIFY(b.f.messages.messages.empty());
}

void TestEvenements::deuxRetoursDeSuiteImpossibles() {
    Banc b;
    b.Bouton("Sedim")->click();
    b.Bouton("Nivele")->click();
    b.Action("Annuler1")->trigger();
    QVERIFY(!b.Bouton("Annuler")->isEnabled());
    b.Action("Annuler1")->trigger();  // disabled: nothing happens
    QCOMPARE(b.Liste().size(), 2);
    // Reached anyway, the undo says it cannot and changes nothing.
    b.w->Annuler();
    QCOMPARE(b.f.messages.Nombre(Genre::Simple, QStringLiteral("Retour impossible")), 1);
    QCOMPARE(b.Liste().size(), 2);
}

void TestEvenements::annulerUnPliRestaureLeFacteur() {
    Banc b;
    b.Bouton("Chevauche")->click();
    QCOMPARE(b.w->session().section().FacteurPli, 1.75);
    b.Bouton("Annuler")->click();
    QCOMPARE(b.w->session().section().FacteurPli, 1.0);
    b.Bouton("Plissa")->click();
    QCOMPARE(b.w->session().section().FacteurPli, 1.75);
    b.Bouton("Annuler")->click();
    QCOMPARE(b.w->session().section().FacteurPli, 1.0);
    QCOMPARE(b.Liste(), QStringList{kSedimentation});
}

void TestEvenements::annulerUneSedimentationGardeLeFacteur() {
    Banc b;
    b.Bouton("Plissa")->click();
    b.Bouton("Sedim")->click();
    b.Bouton("Annuler")->click();
    QCOMPARE(b.w->session().section().FacteurPli, 1.75);
}

void TestEvenements::pointRougeSuitLeDernierEvenement() {
    Banc b;
    b.Bouton("Nivele")->click();
    for (int k = 1; k <= 7; ++k) QCOMPARE(Couleur(b, k), QColor(k == 3 ? Qt::red : Qt::black));
    b.Action("Compression1")->trigger();
    for (int k = 1; k <= 7; ++k) QCOMPARE(Couleur(b, k), QColor(k == 5 ? Qt::red : Qt::black));
    b.Bouton("Efface")->click();
    for (int k = 1; k <= 7; ++k) QCOMPARE(Couleur(b, k), QColor(Qt::black));
}

void TestEvenements::distensionBloqueLesPlisEtLePluton() {
    Banc b;
    b.Bouton("Casse")->click();
    for (const char* nom : {"Plissa", "Chevauche", "Granite"}) QVERIFY2(!b.Bouton(nom)->isEnabled(), nom);
    for (const char* nom : {"Compression1", "Chevauchement1", "Plutongranitique1"})
        QVERIFY2(!b.Action(nom)->isEnabled(), nom);
    QVERIFY(b.Bouton("Casse")->isEnabled());
    QVERIFY(b.Action("Distension1")->isEnabled());
    b.Bouton("Annuler")->click();
    for (const char* nom : {"Plissa", "Chevauche", "Granite"}) QVERIFY2(b.Bouton(nom)->isEnabled(), nom);
}

void TestEvenements::sonFermeAvantChaqueEvenement() {
    Banc b;
    b.Bouton("Sedim")->click();
    QCOMPARE(b.f.son.appels, QStringList{QStringLiteral("Fermer")});
    b.w->show();
    QVERIFY(QTest::qWaitForWindowExposed(b.w.get()));
    QWidget* cible = QApplication::focusWidget() ? QApplication::focusWidget() : b.w.get();
    QTest::keyClick(cible, Qt::Key_S, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
    QVERIFY(!b.w->sansSon());
    b.f.son.appels.clear();
    b.Action("Compression1")->trigger();
    b.Bouton("Casse")->click();
    const QString base = b.w->repBase() + QLatin1Char('/');
    QCOMPARE(b.f.son.appels,
             (QStringList{QStringLiteral("Fermer"), QStringLiteral("Jouer ") + base + "Plisse.Wav",
                          QStringLiteral("Fermer"), QStringLiteral("Jouer ") + base + "Casse.Wav"}));
    // Sounds off again: the device is still closed before the event.
    QTest::keyClick(cible, Qt::Key_S, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
    b.f.son.appels.clear();
    b.Bouton("Casse")->click();
    QCOMPARE(b.f.son.appels, QStringList{QStringLiteral("Fermer")});
}

void TestEvenements::sonAbsentSeTaitSansMessage() {
    Banc b;
    b.w->show();
    QVERIFY(QTest::qWaitForWindowExposed(b.w.get()));
    QWidget* cible = QApplication::focusWidget() ? QApplication::focusWidget() : b.w.get();
    QTest::keyClick(cible, Qt::Key_S, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
    b.f.son.reussit = false;
    b.f.messages.messages.clear();
    b.Bouton("Sedim")->click();
    QCOMPARE(b.f.son.appels.size(), 3);
    QCOMPARE(b.f.son.appels.last(), QStringLiteral("Fermer"));
    QCOMPARE(b.Liste().size(), 2);
    // The start-up warning may have come; nothing else is said.
    for (const auto& m : b.f.messages.messages) QCOMPARE(m.genre, Genre::Information);
}

// Random clicks on whatever is enabled, on the shipped textures: the window
// never fails, the list follows the events, and undo gives back the exact
// section of before the event.
void TestEvenements::suiteAleatoireSurLesDonneesLivrees() {
    const QString base = QCoreApplication::applicationDirPath() + QStringLiteral("/Base");
    if (!QFileInfo::exists(base + QStringLiteral("/Coulee0.bmp")))
        QSKIP("no shipped textures beside the test program");
    FauxServices f;
    FenetrePrincipale w(f.services());
    QVERIFY(!w.finDemandee());
    QVERIFY(f.messages.messages.empty());
    const char* const boutons[] = {"Sedim", "Coulee", "Nivele", "Granite", "Plissa", "Chevauche", "Casse"};
    const quint32 graine = QRandomGenerator::global()->generate();
    QRandomGenerator alea(graine);
    auto* liste = w.findChild<QListWidget*>(QStringLiteral("ListBox1"));
    auto* annuler = w.findChild<QPushButton*>(QStringLiteral("Annuler"));
    for (int pas = 0; pas < 80; ++pas) {
        const QByteArray ou = QByteArray("graine ") + QByteArray::number(graine) + " pas " +
                              QByteArray::number(pas);
        const int choix = alea.bounded(10);
        const int lignes = liste->count();
        if (choix < 7) {
            auto* b = w.findChild<QPushButton*>(QLatin1String(boutons[choix]));
            if (!b->isEnabled()) continue;
            const section::Raster avant = w.session().observe();
            b->click();
            QVERIFY2(liste->count() == lignes + 1, ou.constData());
            QVERIFY2(liste->item(lignes)->text() == b->text(), ou.constData());
            if (alea.bounded(3) == 0) {
                annuler->click();
                QVERIFY2(w.session().observe() == avant, ou.constData());
                QVERIFY2(liste->count() == lignes, ou.constData());
            }
        } else if (choix < 9 && annuler->isEnabled()) {
            annuler->click();
            QVERIFY2(liste->count() == lignes - 1, ou.constData());
        } else if (choix == 9) {
            w.findChild<QPushButton*>(QStringLiteral("Efface"))->click();
            QVERIFY2(liste->count() == 1, ou.constData());
        }
        QVERIFY2(w.findChild<QPushButton*>(QStringLiteral("Casse"))->isEnabled(), ou.constData());
    }
    QVERIFY(f.messages.messages.empty());
}

QTEST_MAIN(TestEvenements)
#include "fenetre_evenements_test.moc"
