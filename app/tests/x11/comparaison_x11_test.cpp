// SPDX-License-Identifier: GPL-3.0-or-later
// The comparison of the view with its model, under the mouse of a real X
// server: xdotool presses and releases the buttons, and the window receives
// them the way the server delivers them, through Qt's xcb platform, not
// handed to one control as Qt Test does. sous_xvfb.sh starts the server.
//
// Every step waits for the pointer to be seen at a new place: the server
// delivers its events in order, so whatever xdotool sent before that move
// has reached the window by then.
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QtTest>

#include "banc.h"
#include "xdotool.h"
#include "vue_image.h"

namespace {

constexpr int kAttente = 10000;  // ms, only a ceiling: nothing waits for it

// The last place of the pointer the application was told of, whatever the
// window or control the move went to.
class TemoinPointeur : public QObject {
public:
    TemoinPointeur() { qApp->installEventFilter(this); }
    ~TemoinPointeur() override { qApp->removeEventFilter(this); }
    QPoint dernier{-1, -1};

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::MouseMove)
            dernier = static_cast<QMouseEvent*>(e)->globalPosition().toPoint();
        return false;
    }
};

QRgb PixelEcran(QPoint global) {
    const QImage i = QGuiApplication::primaryScreen()->grabWindow(0, global.x(), global.y(), 1, 1).toImage();
    return i.isNull() ? 0 : i.pixel(0, 0) | 0xff000000u;
}

// A window on screen with a model saved from its own view after an event,
// the view back at the start: the two pictures differ where the granite is.
struct Poste {
    Poste() {
        b.w->show();
        visu = b.w->findChild<VueImage*>(QStringLiteral("Visu"));
        modele = b.w->findChild<VueImage*>(QStringLiteral("Modele"));
    }

    void PreparerModele() {
        chemin = b.EnregistrerModeleGranite();
    }

    // A place of the view where the section and the model differ.
    bool ChoisirTemoin() {
        const QImage coupe = visu->image();
        const QImage autre = b.w->imageModele();
        for (int y = 0; y < coupe.height(); y += 4)
            for (int x = 0; x < coupe.width(); x += 4)
                if (coupe.pixel(x, y) != autre.pixel(x, y)) {
                    temoin = visu->mapToGlobal(QPoint(x, y));
                    couleurCoupe = coupe.pixel(x, y) | 0xff000000u;
                    couleurModele = autre.pixel(x, y) | 0xff000000u;
                    return true;
                }
        return false;
    }

    bool EcranMontre(QRgb couleur) const {
        return QTest::qWaitFor([&] { return PixelEcran(temoin) == couleur; }, kAttente);
    }

    bool EnComparaison() const { return b.EnComparaison(); }
    bool CoupeEnVue() const { return b.CoupeEnVue(); }

    Banc b;
    VueImage* visu = nullptr;
    VueImage* modele = nullptr;
    QString chemin;
    QPoint temoin;
    QRgb couleurCoupe = 0, couleurModele = 0;
};

}  // namespace

class TestComparaisonX11 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void rienAvantUnModele();
    void pressionTenueRemetLaCoupe();
    void clicRapideRemetLaCoupe();
    void relacheeHorsDeLaFenetre();
    void boutonDroitPendantLaComparaison();
    void clicDroitNeMontreRien();

private:
    // Moves the pointer to `global` and waits until the application sees it
    // there.
    bool Deplacer(QPoint global);
    bool Appuyer(int bouton);
    bool Relacher(int bouton);
    bool ChargerParLeMenu(Poste& p);

    TemoinPointeur pointeur_;
    QSet<int> enfonces_;
};

bool TestComparaisonX11::Deplacer(QPoint global) {
    if (pointeur_.dernier == global) {
        // Already there: a step aside first, or the server reports no move.
        if (!Deplacer(global + QPoint(1, 1))) return false;
    }
    if (!Xdotool({QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y())}))
        return false;
    return QTest::qWaitFor([&] { return pointeur_.dernier == global; }, kAttente);
}

bool TestComparaisonX11::Appuyer(int bouton) {
    enfonces_.insert(bouton);
    return Xdotool({QStringLiteral("mousedown"), QString::number(bouton)});
}

bool TestComparaisonX11::Relacher(int bouton) {
    enfonces_.remove(bouton);
    return Xdotool({QStringLiteral("mouseup"), QString::number(bouton)});
}

// Fichier, then "Charger une image modèle", clicked with the real mouse; the
// file service answers with the saved model.
bool TestComparaisonX11::ChargerParLeMenu(Poste& p) {
    auto* menu = p.b.w->findChild<QMenu*>(QStringLiteral("Fichier1"));
    QAction* article = p.b.Action("Importermodle1");
    if (!menu || !article) return false;
    QMenuBar* barre = p.b.w->menuBar();
    if (!Deplacer(barre->mapToGlobal(barre->actionGeometry(menu->menuAction()).center()))) return false;
    if (!Xdotool({QStringLiteral("click"), QStringLiteral("1")})) return false;
    if (!QTest::qWaitFor([&] { return menu->isVisible(); }, kAttente)) return false;
    if (!QTest::qWaitForWindowExposed(menu)) return false;
    p.b.f.fichiers.Repondre(p.chemin);
    if (!Deplacer(menu->mapToGlobal(menu->actionGeometry(article).center()))) return false;
    if (!Xdotool({QStringLiteral("click"), QStringLiteral("1")})) return false;
    return QTest::qWaitFor([&] { return p.visu->isEnabled() && !menu->isVisible(); }, kAttente);
}

void TestComparaisonX11::initTestCase() {
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
}

// A failed step must not leave a button down for the next test.
void TestComparaisonX11::cleanup() {
    for (int bouton : QSet<int>(enfonces_)) Relacher(bouton);
}

void TestComparaisonX11::rienAvantUnModele() {
    Poste p;
    QVERIFY(QTest::qWaitForWindowExposed(p.b.w.get()));
    const QPoint centre = p.visu->mapToGlobal(p.visu->rect().center());
    QVERIFY(Deplacer(centre));
    QVERIFY(Appuyer(1));
    QVERIFY(Deplacer(centre + QPoint(5, 0)));
    QVERIFY(p.CoupeEnVue());
    QVERIFY(Relacher(1));
    QVERIFY(Deplacer(centre));
    QVERIFY(p.CoupeEnVue());
}

// The left button held a second on the view shows the model; its release
// brings the section back, every time.
void TestComparaisonX11::pressionTenueRemetLaCoupe() {
    Poste p;
    QVERIFY(QTest::qWaitForWindowExposed(p.b.w.get()));
    p.PreparerModele();
    QVERIFY(ChargerParLeMenu(p));
    QVERIFY(p.ChoisirTemoin());
    QVERIFY(p.EcranMontre(p.couleurCoupe));
    const QPoint centre = p.visu->mapToGlobal(p.visu->rect().center());
    for (int essai = 1; essai <= 3; ++essai) {
        qInfo("essai %d", essai);
        QVERIFY(Deplacer(centre + QPoint(essai, 0)));
        QVERIFY(Appuyer(1));
        QVERIFY(QTest::qWaitFor([&] { return p.EnComparaison(); }, kAttente));
        QVERIFY(p.EcranMontre(p.couleurModele));
        QTest::qWait(1000);  // the pupil looks at the model
        QVERIFY(p.EnComparaison());
        QVERIFY(Relacher(1));
        QVERIFY(Deplacer(centre + QPoint(essai, 10)));
        QVERIFY(p.CoupeEnVue());
        QVERIFY(p.EcranMontre(p.couleurCoupe));
    }
}

// A quick click, then a double click: each ends on the section.
void TestComparaisonX11::clicRapideRemetLaCoupe() {
    Poste p;
    QVERIFY(QTest::qWaitForWindowExposed(p.b.w.get()));
    p.PreparerModele();
    QVERIFY(ChargerParLeMenu(p));
    const QPoint centre = p.visu->mapToGlobal(p.visu->rect().center());
    QVERIFY(Deplacer(centre));
    QVERIFY(Xdotool({QStringLiteral("click"), QStringLiteral("1")}));
    QVERIFY(Deplacer(centre + QPoint(0, 10)));
    QVERIFY(p.CoupeEnVue());
    QVERIFY(Xdotool({QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("2"),
                     QStringLiteral("--delay"), QStringLiteral("50"), QStringLiteral("1")}));
    QVERIFY(Deplacer(centre));
    QVERIFY(p.CoupeEnVue());
}

// The pointer leaves the window while the button is down: the release,
// outside, still ends the comparison.
void TestComparaisonX11::relacheeHorsDeLaFenetre() {
    Poste p;
    QVERIFY(QTest::qWaitForWindowExposed(p.b.w.get()));
    p.PreparerModele();
    QVERIFY(ChargerParLeMenu(p));
    const QPoint centre = p.visu->mapToGlobal(p.visu->rect().center());
    const QPoint dehors = p.b.w->frameGeometry().topLeft() - QPoint(20, 20);
    QVERIFY2(dehors.x() >= 0 && dehors.y() >= 0, "the window leaves no room around it");
    QVERIFY(Deplacer(centre));
    QVERIFY(Appuyer(1));
    QVERIFY(QTest::qWaitFor([&] { return p.EnComparaison(); }, kAttente));
    QVERIFY(Deplacer(dehors));
    QVERIFY(p.EnComparaison());
    QVERIFY(Relacher(1));
    QVERIFY(Deplacer(centre));
    QVERIFY(p.CoupeEnVue());
}

// The right button does not compare, but its release, while the left one
// is still down, ends the comparison as any release does.
void TestComparaisonX11::boutonDroitPendantLaComparaison() {
    Poste p;
    QVERIFY(QTest::qWaitForWindowExposed(p.b.w.get()));
    p.PreparerModele();
    QVERIFY(ChargerParLeMenu(p));
    const QPoint centre = p.visu->mapToGlobal(p.visu->rect().center());
    QVERIFY(Deplacer(centre));
    QVERIFY(Appuyer(1));
    QVERIFY(QTest::qWaitFor([&] { return p.EnComparaison(); }, kAttente));
    QVERIFY(Appuyer(3));
    QVERIFY(Deplacer(centre + QPoint(0, 5)));
    QVERIFY(p.EnComparaison());
    QVERIFY(Relacher(3));
    QVERIFY(Deplacer(centre + QPoint(0, 10)));
    QVERIFY(p.CoupeEnVue());
    QVERIFY(Relacher(1));
    QVERIFY(Deplacer(centre));
    QVERIFY(p.CoupeEnVue());
}

void TestComparaisonX11::clicDroitNeMontreRien() {
    Poste p;
    QVERIFY(QTest::qWaitForWindowExposed(p.b.w.get()));
    p.PreparerModele();
    QVERIFY(ChargerParLeMenu(p));
    const QPoint centre = p.visu->mapToGlobal(p.visu->rect().center());
    QVERIFY(Deplacer(centre));
    QVERIFY(Appuyer(3));
    QVERIFY(Deplacer(centre + QPoint(5, 0)));
    QVERIFY(p.CoupeEnVue());
    QVERIFY(Relacher(3));
    QVERIFY(Deplacer(centre));
    QVERIFY(p.CoupeEnVue());
    // The left button still compares afterwards.
    QVERIFY(Appuyer(1));
    QVERIFY(QTest::qWaitFor([&] { return p.EnComparaison(); }, kAttente));
    QVERIFY(Relacher(1));
    QVERIFY(Deplacer(centre + QPoint(5, 0)));
    QVERIFY(p.CoupeEnVue());
}

QTEST_MAIN(TestComparaisonX11)
#include "comparaison_x11_test.moc"
