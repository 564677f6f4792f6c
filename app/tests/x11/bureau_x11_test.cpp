// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a desktop program under a real X server: a list named on
// the command line, then Ctrl+Z, Ctrl+Q and the space bar held on the view,
// typed by xdotool and delivered by the server through Qt's xcb platform.
// sous_xvfb.sh starts the server.
#include <QtTest>

#include "banc.h"
#include "xdotool.h"
#include "vue_image.h"

namespace {

constexpr int kAttente = 10000;  // ms, only a ceiling

bool Touche(const QString& touche) { return Xdotool({QStringLiteral("key"), touche}); }

// The window on screen, active, the pointer over it (without a window
// manager, the keyboard follows the pointer).
bool Montrer(Banc& b) {
    b.w->show();
    if (!QTest::qWaitForWindowExposed(b.w.get())) return false;
    const QPoint centre = b.w->mapToGlobal(b.w->rect().center());
    if (!Xdotool({QStringLiteral("mousemove"), QString::number(centre.x()), QString::number(centre.y())}))
        return false;
    b.w->activateWindow();
    return QTest::qWaitForWindowActive(b.w.get(), kAttente);
}

// A sample list written into the test folder, opened as the program opens
// its first argument.
QString OuvrirListe(Banc& b) {
    const QString chemin = b.Chemin(QStringLiteral("Evenements/argument.lst"));
    if (!EcrireFichier(chemin, "S\xE9" "dimentation\r\nCompression\r\nErosion\r\n")) return {};
    b.w->OuvrirArguments({QStringLiteral("strataloom"), chemin});
    return chemin;
}

}  // namespace

class TestBureauX11 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void listeEnArgumentPuisCtrlZ();
    void ctrlQDemandeAvantDeFermer();
    void barreDEspaceTenueSurLaVue();
};

void TestBureauX11::initTestCase() {
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
}

// A failed step must not leave the space bar down for the next test.
void TestBureauX11::cleanup() { Xdotool({QStringLiteral("keyup"), QStringLiteral("space")}); }

void TestBureauX11::listeEnArgumentPuisCtrlZ() {
    Banc b;
    QVERIFY(!OuvrirListe(b).isEmpty());
    QVERIFY(Montrer(b));
    const QStringList chargee{QStringLiteral("Sédimentation"), QStringLiteral("Compression"),
                              QStringLiteral("Erosion")};
    QCOMPARE(b.Liste(), chargee);
    QVERIFY(!b.Bouton("Annuler")->isEnabled());
    // After a load undo is off: Ctrl+Z does nothing.
    QVERIFY(Touche(QStringLiteral("ctrl+z")));
    QTest::qWait(200);
    QCOMPARE(b.Liste(), chargee);
    b.Bouton("Sedim")->click();
    QCOMPARE(b.Liste().size(), 4);
    QVERIFY(Touche(QStringLiteral("ctrl+z")));
    QVERIFY(QTest::qWaitFor([&] { return b.Liste() == chargee; }, kAttente));
    QVERIFY(!b.Bouton("Annuler")->isEnabled());
    // Nothing but the start-up warning: no "Retour impossible".
    QCOMPARE(b.f.messages.Nombre(FauxMessages::Genre::Simple, QStringLiteral("Retour impossible")), 0);
    QVERIFY(b.f.messages.messages.size() <= 1);
}

void TestBureauX11::ctrlQDemandeAvantDeFermer() {
    Banc b;
    QVERIFY(Montrer(b));
    b.Bouton("Plissa")->click();
    b.f.questions.reponses.push_back(Reponse::Annuler);
    QVERIFY(Touche(QStringLiteral("ctrl+q")));
    QVERIFY(QTest::qWaitFor([&] { return b.f.questions.questions.size() == 1; }, kAttente));
    QTest::qWait(200);
    QVERIFY(b.w->isVisible());
    b.f.questions.reponses.push_back(Reponse::Non);
    QVERIFY(Touche(QStringLiteral("ctrl+q")));
    QVERIFY(QTest::qWaitFor([&] { return !b.w->isVisible(); }, kAttente));
    QCOMPARE(b.f.questions.questions.size(), 2);
}

void TestBureauX11::barreDEspaceTenueSurLaVue() {
    Banc b;
    QVERIFY(Montrer(b));
    b.ChargerModele(b.EnregistrerModeleGranite());
    auto* visu = b.w->findChild<VueImage*>(QStringLiteral("Visu"));
    auto* vueModele = b.w->findChild<VueImage*>(QStringLiteral("Modele"));
    QVERIFY(visu->isEnabled());
    visu->setFocus();
    QVERIFY(QTest::qWaitFor([&] { return visu->hasFocus(); }, kAttente));
    for (int essai = 0; essai < 2; ++essai) {
        QVERIFY(Xdotool({QStringLiteral("keydown"), QStringLiteral("space")}));
        QVERIFY(QTest::qWaitFor([&] { return vueModele->isVisible() && !visu->isVisible(); }, kAttente));
        // Held long enough for the server to repeat the key.
        QTest::qWait(700);
        QVERIFY(vueModele->isVisible());
        QCOMPARE(b.Liste().size(), 1);  // no button took the repeated key
        QVERIFY(Xdotool({QStringLiteral("keyup"), QStringLiteral("space")}));
        QVERIFY(QTest::qWaitFor([&] { return visu->isVisible() && !vueModele->isVisible(); }, kAttente));
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(visu->hasFocus());
    }
}

QTEST_MAIN(TestBureauX11)
#include "bureau_x11_test.moc"
