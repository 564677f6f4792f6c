// SPDX-License-Identifier: GPL-3.0-or-later
// Work not lost by a click: closing the window or loading another list
// while the list holds unsaved events asks first, and "Oui" goes on only
// when the list was saved.
#include <QtTest>

#include "banc.h"

using Genre = FauxMessages::Genre;

namespace {

const QString kQuestion = QStringLiteral("La liste des événements n'a pas été sauvée.\rVoulez-vous la sauver ?");
const QByteArray kSedPli = QByteArray("S\xE9" "dimentation\r\nCompression\r\n");

// Closes the window as the close box, Alt+F4 and "&Quitter" do; true when
// it closed.
bool Fermer(Banc& b) { return b.w->close(); }

}  // namespace

class TestTravail : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rienANePerdreRienDemande();
    void annulerGardeLaFenetre();
    void nonFerme();
    void ouiSauvePuisFerme();
    void ouiPuisDialogueAnnuleReste();
    void ouiPuisEcritureImpossibleReste();
    void quitterEtCtrlQPassentParLaQuestion();
    void exporterNEstPasSauver();
    void sauveeOuRevenueAuSauveNeDemandePas();
    void chargerUneAutreListe();
    void retourDebutNeDemandeRien();
};

void TestTravail::rienANePerdreRienDemande() {
    Banc b;
    QVERIFY(!b.w->ModificationsNonEnregistrees());
    QVERIFY(Fermer(b));
    QVERIFY(b.f.questions.questions.isEmpty());
}

void TestTravail::annulerGardeLaFenetre() {
    Banc b;
    b.w->show();
    b.Bouton("Plissa")->click();
    QVERIFY(b.w->ModificationsNonEnregistrees());
    b.f.questions.reponses.push_back(Reponse::Annuler);
    QVERIFY(!Fermer(b));
    QCOMPARE(b.f.questions.questions, QStringList{kQuestion});
    QVERIFY(b.w->isVisible());
    QCOMPARE(b.Liste().size(), 2);
    QVERIFY(b.f.fichiers.enregistrements.empty());
}

void TestTravail::nonFerme() {
    Banc b;
    b.w->show();
    b.Bouton("Plissa")->click();
    b.f.questions.reponses.push_back(Reponse::Non);
    QVERIFY(Fermer(b));
    QVERIFY(!b.w->isVisible());
    QVERIFY(b.f.fichiers.enregistrements.empty());
}

void TestTravail::ouiSauvePuisFerme() {
    Banc b;
    b.w->show();
    b.Bouton("Plissa")->click();
    const QString chemin = b.Chemin(QStringLiteral("travail.lst"));
    b.f.questions.reponses.push_back(Reponse::Oui);
    b.f.fichiers.Repondre(chemin);
    QVERIFY(Fermer(b));
    // The save of "Sauver la liste des événements", dialog and all.
    QCOMPARE(b.f.fichiers.enregistrements.size(), std::size_t(1));
    QCOMPARE(b.f.fichiers.enregistrements[0].nomFichier, QStringLiteral("Exemple.lst"));
    QCOMPARE(b.f.fichiers.enregistrements[0].titre,
             QStringLiteral("Sauvegarde de la liste des évennements géologiques"));
    QCOMPARE(Octets(chemin), kSedPli);
}

void TestTravail::ouiPuisDialogueAnnuleReste() {
    Banc b;
    b.w->show();
    b.Bouton("Plissa")->click();
    b.f.questions.reponses.push_back(Reponse::Oui);
    b.f.fichiers.Annuler();
    QVERIFY(!Fermer(b));
    QVERIFY(b.w->isVisible());
    QVERIFY(b.w->ModificationsNonEnregistrees());
}

void TestTravail::ouiPuisEcritureImpossibleReste() {
    Banc b;
    b.w->show();
    b.Bouton("Plissa")->click();
    const QString chemin = b.Chemin(QStringLiteral("absent/travail.lst"));
    b.f.questions.reponses.push_back(Reponse::Oui);
    b.f.fichiers.Repondre(chemin);
    QVERIFY(!Fermer(b));
    QCOMPARE(b.f.messages.Nombre(Genre::Erreur, QStringLiteral("Impossible de créer le fichier %1").arg(chemin)), 1);
    QVERIFY(b.w->isVisible());
    QVERIFY(b.w->ModificationsNonEnregistrees());
}

void TestTravail::quitterEtCtrlQPassentParLaQuestion() {
    Banc b;
    b.w->show();
    b.w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(b.w.get()));
    b.Bouton("Plissa")->click();
    b.f.questions.reponses.push_back(Reponse::Annuler);
    b.Action("Quitter1")->trigger();
    QVERIFY(b.w->isVisible());
    b.f.questions.reponses.push_back(Reponse::Annuler);
    QTest::keyClick(b.w.get(), Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(b.w->isVisible());
    QCOMPARE(b.f.questions.questions.size(), 2);
    b.f.questions.reponses.push_back(Reponse::Non);
    QTest::keyClick(b.w.get(), Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!b.w->isVisible());
    QCOMPARE(b.f.questions.sansReponse, 0);
}

void TestTravail::exporterNEstPasSauver() {
    Banc b;
    b.Bouton("Plissa")->click();
    b.f.fichiers.Repondre(b.Chemin(QStringLiteral("Liste.txt")));
    b.Action("Exporterliste1")->trigger();
    QCOMPARE(Octets(b.Chemin(QStringLiteral("Liste.txt"))), kSedPli);
    QVERIFY(b.w->ModificationsNonEnregistrees());
    b.f.questions.reponses.push_back(Reponse::Annuler);
    QVERIFY(!Fermer(b));
}

void TestTravail::sauveeOuRevenueAuSauveNeDemandePas() {
    Banc b;
    b.Bouton("Plissa")->click();
    b.f.fichiers.Repondre(b.Chemin(QStringLiteral("a.lst")));
    b.Action("Sauver1")->trigger();
    QVERIFY(!b.w->ModificationsNonEnregistrees());
    // An event, then its undo: the list is the saved one again.
    b.Bouton("Nivele")->click();
    QVERIFY(b.w->ModificationsNonEnregistrees());
    b.Bouton("Annuler")->click();
    QVERIFY(!b.w->ModificationsNonEnregistrees());
    // A cancelled save keeps the work unsaved.
    b.Bouton("Nivele")->click();
    b.f.fichiers.Annuler();
    b.Action("Sauver1")->trigger();
    QVERIFY(b.w->ModificationsNonEnregistrees());
    QVERIFY(b.f.questions.questions.isEmpty());
}

void TestTravail::chargerUneAutreListe() {
    Banc b;
    const QString autre = b.Chemin(QStringLiteral("Evenements/autre.lst"));
    QVERIFY(EcrireFichier(autre, "S\xE9" "dimentation\r\nErosion\r\n"));
    b.Bouton("Plissa")->click();
    // "Annuler": not even the load dialog opens.
    b.f.questions.reponses.push_back(Reponse::Annuler);
    b.Action("Charger1")->trigger();
    QVERIFY(b.f.fichiers.ouvertures.empty());
    QCOMPARE(b.Liste().size(), 2);
    QCOMPARE(b.Liste().back(), QStringLiteral("Compression"));
    // "Oui": saved, then the dialog, then the load.
    const QString sauvee = b.Chemin(QStringLiteral("avant.lst"));
    b.f.questions.reponses.push_back(Reponse::Oui);
    b.f.fichiers.Repondre(sauvee);
    b.f.fichiers.Repondre(autre);
    b.Action("Charger1")->trigger();
    QCOMPARE(Octets(sauvee), kSedPli);
    QCOMPARE(b.Liste().back(), QStringLiteral("Erosion"));
    // A loaded list holds nothing unsaved.
    QVERIFY(!b.w->ModificationsNonEnregistrees());
    b.Action("Charger1")->trigger();  // no answer scripted: a question would show
    QCOMPARE(b.f.questions.questions.size(), 2);
    QCOMPARE(b.f.questions.sansReponse, 0);
    // "Non": loaded without saving.
    b.Bouton("Sedim")->click();
    b.f.questions.reponses.push_back(Reponse::Non);
    b.f.fichiers.Repondre(autre);
    b.Action("Charger1")->trigger();
    QCOMPARE(b.Liste().size(), 2);
    QCOMPARE(b.f.questions.questions.size(), 3);
}

void TestTravail::retourDebutNeDemandeRien() {
    Banc b;
    b.Bouton("Plissa")->click();
    b.Bouton("Efface")->click();
    QVERIFY(b.f.questions.questions.isEmpty());
    QVERIFY(!b.w->ModificationsNonEnregistrees());
    QVERIFY(Fermer(b));
    QVERIFY(b.f.questions.questions.isEmpty());
}

QTEST_MAIN(TestTravail)
#include "fenetre_travail_test.moc"
