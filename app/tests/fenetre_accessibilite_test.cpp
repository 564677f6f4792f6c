// SPDX-License-Identifier: GPL-3.0-or-later
// The window for a screen reader and for the keyboard alone: every control
// named, descriptions that follow the section, the focus always shown, and
// a whole session (an event, undo, a save) made without the mouse.
#include <QAccessible>
#include <QListWidget>
#include <QtTest>

#include "section/liste.h"
#include "banc.h"
#include "vue_image.h"
#include "dessin/images.h"

namespace {

QString Texte(QWidget* w, QAccessible::Text t) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    return i ? i->text(t) : QString();
}

bool Active(Banc& b) {
    b.w->show();
    b.w->activateWindow();
    return QTest::qWaitForWindowActive(b.w.get());
}

VueImage* Visu(const Banc& b) { return b.w->findChild<VueImage*>(QStringLiteral("Visu")); }

}  // namespace

class TestAccessibilite : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void chaqueControleANomUnique();
    void descriptionsSuiventLaCoupe();
    void sessionAuClavierSeul();
    void focusVisibleSurLaCoupe();
};

void TestAccessibilite::chaqueControleANomUnique() {
    Banc b;
    QVERIFY(Active(b));
    QSet<QString> noms;
    int controles = 0;
    for (QWidget* w : b.w->findChildren<QWidget*>()) {
        const bool controle = qobject_cast<QPushButton*>(w) || qobject_cast<QListWidget*>(w) ||
                              qobject_cast<VueImage*>(w);
        if (!controle) continue;
        ++controles;
        const QString nom = Texte(w, QAccessible::Name);
        QVERIFY2(!nom.isEmpty(), qPrintable(w->objectName()));
        QVERIFY2(!noms.contains(nom), qPrintable(QStringLiteral("%1 : %2").arg(w->objectName(), nom)));
        noms.insert(nom);
    }
    QCOMPARE(controles, 7 * 2 + 1 + 2 + 2);  // commands and their help, list, undo, reset, views
    QCOMPARE(Texte(b.Bouton("AideBt7"), QAccessible::Name), QStringLiteral("Aide : Distension"));
    QCOMPARE(Texte(Visu(b), QAccessible::Name), QStringLiteral("Coupe géologique"));
}

void TestAccessibilite::descriptionsSuiventLaCoupe() {
    Banc b;
    QVERIFY(Active(b));
    QCOMPARE(Texte(b.w->findChild<QListWidget*>(QStringLiteral("ListBox1")), QAccessible::Description),
             QStringLiteral("Aucun événement appliqué depuis le départ"));
    QVERIFY(Texte(Visu(b), QAccessible::Description).contains(QStringLiteral(" : calcaire")));
    QVERIFY(Texte(Visu(b), QAccessible::Description).contains(QStringLiteral("conglomérat")));
    QVERIFY(!Texte(b.Bouton("Plissa"), QAccessible::Description).contains(QStringLiteral("Impossible")));
    b.Bouton("Casse")->click();
    // A stretched section can no longer be folded: the reason is read out.
    QCOMPARE(Texte(b.Bouton("Plissa"), QAccessible::Description), b.Bouton("Plissa")->toolTip());
    QVERIFY(Texte(b.Bouton("Plissa"), QAccessible::Description).contains(QStringLiteral("Impossible pour l'instant")));
    QVERIFY(Texte(b.Bouton("AideBt5"), QAccessible::Description).contains(QStringLiteral("impossible")));
    QCOMPARE(Texte(b.w->findChild<QListWidget*>(QStringLiteral("ListBox1")), QAccessible::Description),
             QStringLiteral("Un événement après le départ : Distension"));
    b.Bouton("Sedim")->click();
    QCOMPARE(Texte(b.w->findChild<QListWidget*>(QStringLiteral("ListBox1")), QAccessible::Description),
             QStringLiteral("2 événements après le départ, le dernier : Sédimentation"));
    QVERIFY(Texte(Visu(b), QAccessible::Description).contains(QStringLiteral("F1 : faille normale")));
}

void TestAccessibilite::sessionAuClavierSeul() {
    Banc b;
    QVERIFY(Active(b));
    QPushButton* sedim = b.Bouton("Sedim");
    // Tab walks to the first command.
    for (int i = 0; i < 40 && QApplication::focusWidget() != sedim; ++i)
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : b.w.get(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), sedim);
    QTest::keyClick(sedim, Qt::Key_Space);
    QCOMPARE(b.Liste().size(), 2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), b.Bouton("Coulee"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(b.Liste().size(), 3);
    QTest::keyClick(b.w.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(b.Liste().size(), 2);
    const QString chemin = b.Chemin(QStringLiteral("clavier.lst"));
    b.f.fichiers.Repondre(chemin);
    QTest::keyClick(b.w.get(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(Octets(chemin), QByteArray::fromStdString(section::TexteListe(b.w->session().liste())));
}

void TestAccessibilite::focusVisibleSurLaCoupe() {
    Banc b;
    QVERIFY(Active(b));
    VueImage* v = Visu(b);
    v->setEnabled(true);
    v->setFocusPolicy(Qt::StrongFocus);
    const QImage sans = v->grab().toImage();
    v->setFocus();
    QVERIFY(QTest::qWaitFor([&] { return v->hasFocus(); }));
    const QImage avec = v->grab().toImage();
    QVERIFY(avec != sans);
    QCOMPARE(v->image(), dessin::VersImage(b.w->session().vue()));  // only the screen shows it
    b.Bouton("Sedim")->setFocus();
    QVERIFY(QTest::qWaitFor([&] { return !v->hasFocus(); }));
    QCOMPARE(v->grab().toImage(), sans);
}

QTEST_MAIN(TestAccessibilite)
#include "fenetre_accessibilite_test.moc"
