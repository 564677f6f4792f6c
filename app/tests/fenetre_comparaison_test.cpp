// SPDX-License-Identifier: GPL-3.0-or-later
// The comparison with the model when the press and the release reach the
// window as the platform delivers them: sent to the window itself, they go
// through Qt's choice of the control that receives them, as the X server's
// do, instead of being handed to one control. comparaison_x11_test does the
// same with the mouse of a real X server.
#include <QtTest>

#include "banc.h"
#include "vue_image.h"

namespace {

struct Poste {
    Poste() {
        b.w->show();
        visu = b.w->findChild<VueImage*>(QStringLiteral("Visu"));
        modele = b.w->findChild<VueImage*>(QStringLiteral("Modele"));
        b.ChargerModele(b.EnregistrerModeleGranite());
        fenetre = b.w->windowHandle();
        centre = visu->mapTo(b.w.get(), visu->rect().center());
    }

    bool EnComparaison() const { return b.EnComparaison(); }
    bool CoupeEnVue() const { return b.CoupeEnVue(); }

    Banc b;
    VueImage* visu = nullptr;
    VueImage* modele = nullptr;
    QWindow* fenetre = nullptr;
    QPoint centre;
};

}  // namespace

class TestComparaison : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void relachementRemetLaCoupeAChaqueFois();
    void relachementDuBoutonDroitPendantLaComparaison();
    void relachementHorsDeLaVue();
};

// The press hides the view it went to: its release must still end the
// comparison, and the next press compare again.
void TestComparaison::relachementRemetLaCoupeAChaqueFois() {
    Poste p;
    QVERIFY(QTest::qWaitForWindowExposed(p.b.w.get()));
    QVERIFY(p.visu->isEnabled());
    for (int essai = 0; essai < 3; ++essai) {
        QTest::mousePress(p.fenetre, Qt::LeftButton, {}, p.centre);
        QVERIFY(p.EnComparaison());
        QTest::mouseRelease(p.fenetre, Qt::LeftButton, {}, p.centre);
        QVERIFY(p.CoupeEnVue());
    }
}

void TestComparaison::relachementDuBoutonDroitPendantLaComparaison() {
    Poste p;
    QVERIFY(QTest::qWaitForWindowExposed(p.b.w.get()));
    QTest::mousePress(p.fenetre, Qt::LeftButton, {}, p.centre);
    QVERIFY(p.EnComparaison());
    QTest::mousePress(p.fenetre, Qt::RightButton, {}, p.centre);
    QVERIFY(p.EnComparaison());
    QTest::mouseRelease(p.fenetre, Qt::RightButton, {}, p.centre);
    QVERIFY(p.CoupeEnVue());
    QTest::mouseRelease(p.fenetre, Qt::LeftButton, {}, p.centre);
    QVERIFY(p.CoupeEnVue());
}

// Released over the event buttons, away from the view and the model.
void TestComparaison::relachementHorsDeLaVue() {
    Poste p;
    QVERIFY(QTest::qWaitForWindowExposed(p.b.w.get()));
    QTest::mousePress(p.fenetre, Qt::LeftButton, {}, p.centre);
    QVERIFY(p.EnComparaison());
    QPushButton* bouton = p.b.Bouton("Sedim");
    const QPoint ailleurs = bouton->mapTo(p.b.w.get(), bouton->rect().center());
    QTest::mouseMove(p.fenetre, ailleurs);
    QTest::mouseRelease(p.fenetre, Qt::LeftButton, {}, ailleurs);
    QVERIFY(p.CoupeEnVue());
    QCOMPARE(p.b.Liste().size(), 1);  // the button under the release did nothing
}

QTEST_MAIN(TestComparaison)
#include "fenetre_comparaison_test.moc"
