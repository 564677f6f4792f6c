// SPDX-License-Identifier: GPL-3.0-or-later
// Help, the start-up warning, the sound key chord and the about box.
#include <QStringEncoder>
#include <QtTest>

#include "banc.h"

using Genre = FauxMessages::Genre;

namespace {

const Qt::KeyboardModifiers kAccord = Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier;

const QString kAvertissement = QStringLiteral(
    "Vous allez travailler dans le domaine sédimentaire uniquement.\r"
    "L'histoire géologique antérieure de la région ne sera pas prise\r"
    "en compte. L'influence des stuctures géologiques antérieures\r"
    "sera donc négligée");

void Activer(QWidget* w) {
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
}

class CompteTouches : public QObject {
public:
    int n = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_S) ++n;
        return false;
    }
};

}  // namespace

class TestServices : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void contextesDAide();
    void texteDeLAvertissement();
    void avertissementAuDemarrageSeulement();
    void accordDeTouchesBasculeLeSon();
    void accordsVoisinsSansEffet_data();
    void accordsVoisinsSansEffet();
    void aPropos();
};

void TestServices::contextesDAide() {
    Banc b;
    Activer(b.w.get());
    b.Action("Aide1")->trigger();
    QTest::keyClick(b.w.get(), Qt::Key_F1);
    b.Bouton("AideBt5")->click();
    b.Bouton("AideBt1")->click();
    QCOMPARE(b.f.aide.appels.size(), std::size_t(4));
    const int attendus[] = {0, 0, 15, 11};
    for (std::size_t i = 0; i < 4; ++i) {
        QCOMPARE(b.f.aide.appels[i].contexte, attendus[i]);
        QCOMPARE(b.f.aide.appels[i].fichier, b.Chemin(QStringLiteral("strataloom.hlp")));
    }
}

void TestServices::texteDeLAvertissement() {
    Banc b;
    b.Action("Avertissement1")->trigger();
    QCOMPARE(b.f.messages.messages.size(), std::size_t(1));
    QCOMPARE(b.f.messages.messages[0].genre, Genre::Information);
    const QString& texte = b.f.messages.messages[0].texte;
    QCOMPARE(texte, kAvertissement);
    QStringEncoder cp1252("windows-1252");
    const QByteArray octets = cp1252.encode(texte);
    QVERIFY(!cp1252.hasError());
    QCOMPARE(octets.size(), 206);
    QCOMPARE(octets.count('\r'), 3);
    QVERIFY(!octets.contains('\n'));
}

// The warning is the start-up step's: the window's activation alone shows
// nothing (a window manager may activate it only on the pupil's first
// click), and coming back to the window does not show it again.
void TestServices::avertissementAuDemarrageSeulement() {
    Banc b;
    QVERIFY(b.f.messages.messages.empty());  // not before the window is up
    Activer(b.w.get());
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QVERIFY(b.f.messages.messages.empty());
    b.w->Commencer({b.executable});
    QCOMPARE(b.f.messages.Nombre(Genre::Information, kAvertissement), 1);
    // Another window, then back: no second warning.
    QWidget autre;
    autre.resize(100, 100);
    Activer(&autre);
    Activer(b.w.get());
    b.w->setApropos([] {});
    b.Action("Apropos1")->trigger();
    b.f.fichiers.Annuler();
    b.Action("Charger1")->trigger();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QCOMPARE(b.f.messages.Nombre(Genre::Information, kAvertissement), 1);
    b.Action("Avertissement1")->trigger();
    QCOMPARE(b.f.messages.Nombre(Genre::Information, kAvertissement), 2);
}

void TestServices::accordDeTouchesBasculeLeSon() {
    Banc b;
    Activer(b.w.get());
    QVERIFY(b.w->sansSon());
    // From a focused button the key climbs to the window: one switch only,
    // and the button still gets the key.
    QPushButton* sedim = b.Bouton("Sedim");
    sedim->setFocus();
    QCOMPARE(QApplication::focusWidget(), sedim);
    CompteTouches compte;
    sedim->installEventFilter(&compte);
    QTest::keyClick(sedim, Qt::Key_S, kAccord);
    QVERIFY(!b.w->sansSon());
    QCOMPARE(compte.n, 1);
    QTest::keyClick(sedim, Qt::Key_S, kAccord);
    QVERIFY(b.w->sansSon());
    // The list box, which takes letters for itself, still lets it through.
    QWidget* liste = b.w->findChild<QListWidget*>(QStringLiteral("ListBox1"));
    liste->setFocus();
    QTest::keyClick(liste, Qt::Key_S, kAccord);
    QVERIFY(!b.w->sansSon());
    // A reset keeps the switch.
    b.Bouton("Efface")->click();
    QVERIFY(!b.w->sansSon());
    // The "Sons" item shows the switch and makes it too.
    QAction* sons = b.Action("Sons1");
    QVERIFY(sons->isCheckable());
    QVERIFY(sons->isChecked());
    sons->trigger();
    QVERIFY(b.w->sansSon());
    QTest::keyClick(liste, Qt::Key_S, kAccord);
    QVERIFY(sons->isChecked());
    QVERIFY(!b.w->sansSon());
}

void TestServices::accordsVoisinsSansEffet_data() {
    QTest::addColumn<int>("touche");
    QTest::addColumn<int>("modificateurs");
    QTest::newRow("Ctrl+Alt+S") << int(Qt::Key_S) << int(Qt::ControlModifier | Qt::AltModifier);
    QTest::newRow("Ctrl+Shift+S") << int(Qt::Key_S) << int(Qt::ControlModifier | Qt::ShiftModifier);
    QTest::newRow("Alt+Shift+S") << int(Qt::Key_S) << int(Qt::AltModifier | Qt::ShiftModifier);
    QTest::newRow("Ctrl+Alt+Shift+Meta+S") << int(Qt::Key_S) << int(kAccord | Qt::MetaModifier);
    QTest::newRow("Ctrl+Alt+Shift+D") << int(Qt::Key_D) << int(kAccord);
}

void TestServices::accordsVoisinsSansEffet() {
    QFETCH(int, touche);
    QFETCH(int, modificateurs);
    Banc b;
    Activer(b.w.get());
    QWidget* cible = QApplication::focusWidget() ? QApplication::focusWidget() : b.w.get();
    QTest::keyClick(cible, static_cast<Qt::Key>(touche), Qt::KeyboardModifiers(modificateurs));
    QVERIFY(b.w->sansSon());
}

void TestServices::aPropos() {
    Banc b;
    int montre = 0;
    b.w->setApropos([&montre] { ++montre; });
    b.Action("Apropos1")->trigger();
    QCOMPARE(montre, 1);
}

QTEST_MAIN(TestServices)
#include "fenetre_aide_son_test.moc"
