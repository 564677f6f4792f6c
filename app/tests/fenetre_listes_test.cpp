// SPDX-License-Identifier: GPL-3.0-or-later
// Event list files: save, text export, load and replay.
#include <QDir>
#include <QFile>
#include <QtTest>

#include "banc.h"
#include "vue_image.h"

using Genre = FauxMessages::Genre;

namespace {

const QString kSedimentation = QStringLiteral("Sédimentation");
const QString kImpossible = QStringLiteral("Chargement impossible");

QImage Vue(const Banc& b) { return b.w->findChild<VueImage*>(QStringLiteral("Visu"))->image(); }

// The view after the same events applied by hand in a fresh window.
QImage VueInteractive(std::initializer_list<const char*> boutons) {
    Banc b;
    for (const char* nom : boutons) b.Bouton(nom)->click();
    return Vue(b);
}

// Loads `octets` from a file named `nom` in the test folder.
void Charger(Banc& b, const QString& nom, const QByteArray& octets) {
    const QString chemin = b.Chemin(nom);
    QVERIFY(EcrireFichier(chemin, octets));
    b.f.fichiers.Repondre(chemin);
    b.Action("Charger1")->trigger();
}

}  // namespace

class TestListes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sauverApresRemiseAZero();
    void exporterEcritLesMemesOctets();
    void annulerVideRepListes();
    void ecritureImpossible();
    void listeVideSansDialogue();
    void chargerDemandeEtGardeLeNom();
    void chargerAutreExtensionNeChangeRien();
    void chargerIllisible();
    void chargerTropGrand_data();
    void chargerTropGrand();
    void chargerRejoue();
    void lignesInconnuesMontreesEtSautees();
    void premiereLigneJamaisRejouee();
    void premiereLigneDistension();
    void finsDeLigneEquivalentes();
};

void TestListes::sauverApresRemiseAZero() {
    Banc b;
    const QString chemin = b.Chemin(QStringLiteral("coupe.lst"));
    QVERIFY(EcrireFichier(chemin, QByteArray(100, 'x')));  // replaced completely
    b.f.fichiers.Repondre(chemin);
    b.Action("Sauver1")->trigger();
    QCOMPARE(Octets(chemin), QByteArray("S\xE9" "dimentation\r\n"));
    QCOMPARE(Octets(chemin).size(), 15);
    QCOMPARE(b.f.fichiers.enregistrements.size(), std::size_t(1));
    const DemandeFichier& d = b.f.fichiers.enregistrements[0];
    QCOMPARE(d.titre, QStringLiteral("Sauvegarde de la liste des évennements géologiques"));
    QCOMPARE(d.filtre, QStringLiteral("Fichier Strataloom (*.lst)|*.lst"));
    QCOMPARE(d.nomFichier, QStringLiteral("Exemple.lst"));
    QCOMPARE(d.extensionDefaut, QStringLiteral("lst"));
    QCOMPARE(d.dossierInitial, b.w->repDocuments());
    QVERIFY(d.confirmerEcrasement && d.dossierDoitExister && !d.fichierDoitExister);
    // The next save starts in the folder of the written file.
    QCOMPARE(b.w->repListes(), b.dossier.path());
    b.f.fichiers.Annuler();
    b.Action("Sauver1")->trigger();
    QCOMPARE(b.f.fichiers.enregistrements[1].dossierInitial, b.dossier.path());
    // A reset brings it back to its start.
    b.Bouton("Efface")->click();
    QCOMPARE(b.w->repListes(), b.w->repDocuments());
}

void TestListes::exporterEcritLesMemesOctets() {
    Banc b;
    b.Bouton("Plissa")->click();
    b.Bouton("Nivele")->click();
    const QString chemin = b.Chemin(QStringLiteral("liste.txt"));
    b.f.fichiers.Repondre(chemin);
    b.Action("Exporterliste1")->trigger();
    QCOMPARE(Octets(chemin), QByteArray("S\xE9" "dimentation\r\nCompression\r\nErosion\r\n"));
    const DemandeFichier& d = b.f.fichiers.enregistrements.at(0);
    QCOMPARE(d.nomFichier, QStringLiteral("Liste.txt"));
    QCOMPARE(d.filtre, QStringLiteral("Fichier texte (*.txt)|*.txt"));
    QCOMPARE(d.extensionDefaut, QStringLiteral("lst"));
}

void TestListes::annulerVideRepListes() {
    Banc b;
    for (const char* commande : {"Sauver1", "Exporterliste1"}) {
        b.Bouton("Efface")->click();
        QVERIFY(!b.w->repListes().isEmpty());
        b.f.fichiers.Annuler();
        b.Action(commande)->trigger();
        QCOMPARE(b.w->repListes(), QString());
    }
    b.f.fichiers.Annuler();
    b.Action("Sauver1")->trigger();
    QCOMPARE(b.f.fichiers.enregistrements.back().dossierInitial, QString());
    QCOMPARE(QDir(b.dossier.path()).entryList({QStringLiteral("*.lst"), QStringLiteral("*.txt")}),
             QStringList());
}

void TestListes::ecritureImpossible() {
    Banc b;
    const QString avant = b.w->repListes();
    const QString absent = b.Chemin(QStringLiteral("absent/coupe.lst"));
    b.f.fichiers.Repondre(absent);
    b.Action("Sauver1")->trigger();
    QCOMPARE(b.f.messages.Nombre(Genre::Erreur,
                                 QStringLiteral("Impossible de créer le fichier ") + absent),
             1);
    QCOMPARE(b.w->repListes(), avant);
    // A folder of that name stays a folder, with what it holds.
    const QString dossier = b.Chemin(QStringLiteral("coupe.lst"));
    QVERIFY(QDir().mkpath(dossier));
    QVERIFY(EcrireFichier(dossier + QStringLiteral("/garde.txt"), "garde"));
    b.f.fichiers.Repondre(dossier);
    b.Action("Exporterliste1")->trigger();
    QCOMPARE(b.f.messages.messages.size(), std::size_t(2));
    QVERIFY(QFileInfo(dossier).isDir());
    QCOMPARE(Octets(dossier + QStringLiteral("/garde.txt")), QByteArray("garde"));
    QCOMPARE(b.w->repListes(), avant);
    QCOMPARE(b.Liste(), QStringList{kSedimentation});
}

void TestListes::listeVideSansDialogue() {
    Banc b;
    Charger(b, QStringLiteral("vide.lst"), QByteArray());
    QCOMPARE(b.Liste(), QStringList());
    const QString avant = b.w->repListes();
    b.Action("Sauver1")->trigger();
    b.Action("Exporterliste1")->trigger();
    QVERIFY(b.f.fichiers.enregistrements.empty());
    QCOMPARE(b.w->repListes(), avant);
    // Events then start the list at its first line.
    b.Bouton("Casse")->click();
    QCOMPARE(b.Liste(), QStringList{QStringLiteral("Distension")});
}

void TestListes::chargerDemandeEtGardeLeNom() {
    Banc b;
    Charger(b, QStringLiteral("a.lst"), "S\xE9" "dimentation\r\n");
    const DemandeFichier& d = b.f.fichiers.ouvertures.at(0);
    QCOMPARE(d.titre, QStringLiteral("Chargement d'une liste d'évennements géologiques"));
    QCOMPARE(d.filtre, QStringLiteral("Géologie|*.lst"));
    QCOMPARE(d.extensionDefaut, QStringLiteral("lst"));
    QCOMPARE(d.dossierInitial, b.w->repEvenements());
    QCOMPARE(d.nomFichier, QString());
    QVERIFY(d.fichierDoitExister && d.dossierDoitExister);
    b.f.fichiers.Annuler();
    b.Action("Charger1")->trigger();
    QCOMPARE(b.f.fichiers.ouvertures.at(1).nomFichier, b.Chemin(QStringLiteral("a.lst")));
}

void TestListes::chargerAutreExtensionNeChangeRien() {
    Banc b;
    b.Bouton("Nivele")->click();
    const QImage vue = Vue(b);
    Charger(b, QStringLiteral("liste.txt"), "S\xE9" "dimentation\r\nCompression\r\n");
    QCOMPARE(b.Liste(), (QStringList{kSedimentation, QStringLiteral("Erosion")}));
    QVERIFY(b.Bouton("Annuler")->isEnabled());
    QCOMPARE(Vue(b), vue);
    QVERIFY(b.f.messages.messages.empty());
    // The extension is compared without regard to case.
    Charger(b, QStringLiteral("COUPE.LST"), "S\xE9" "dimentation\r\nCompression\r\n");
    QCOMPARE(b.Liste(), (QStringList{kSedimentation, QStringLiteral("Compression")}));
}

void TestListes::chargerIllisible() {
    Banc b;
    b.Bouton("Sedim")->click();
    b.f.fichiers.Repondre(b.Chemin(QStringLiteral("disparu.lst")));
    b.Action("Charger1")->trigger();
    QCOMPARE(b.f.messages.Nombre(Genre::Information, kImpossible), 1);
    QVERIFY(!b.f.messages.messages[0].curseurOccupe);
    // The reset section, and the list line that stands for its base layer.
    QCOMPARE(b.Liste(), QStringList{kSedimentation});
    QVERIFY(!b.Bouton("Annuler")->isEnabled());
    QCOMPARE(Vue(b), VueInteractive({}));
    QVERIFY(QApplication::overrideCursor() == nullptr);
    // A folder chosen under a list name cannot be read either.
    QVERIFY(QDir().mkpath(b.Chemin(QStringLiteral("dossier.lst"))));
    b.f.fichiers.Repondre(b.Chemin(QStringLiteral("dossier.lst")));
    b.Action("Charger1")->trigger();
    QCOMPARE(b.f.messages.Nombre(Genre::Information, kImpossible), 2);
    b.Bouton("Sedim")->click();
    QCOMPARE(b.Liste(), (QStringList{kSedimentation, kSedimentation}));
}

void TestListes::chargerTropGrand_data() {
    QTest::addColumn<QByteArray>("octets");
    QTest::newRow("plus de 16 Mo") << QByteArray(16 * 1024 * 1024 + 1, 'x');
    QByteArray lignes;
    for (int i = 0; i <= 10000; ++i) lignes += "Erosion\r\n";
    QTest::newRow("10001 lignes") << lignes;
}

void TestListes::chargerTropGrand() {
    QFETCH(QByteArray, octets);
    Banc b;
    Charger(b, QStringLiteral("gros.lst"), octets);
    QCOMPARE(b.f.messages.Nombre(Genre::Information, kImpossible), 1);
    QCOMPARE(b.Liste(), QStringList{kSedimentation});
}

void TestListes::chargerRejoue() {
    Banc b;
    b.Bouton("Granite")->click();
    b.f.fichiers.Annuler();
    b.Action("Sauver1")->trigger();  // RepListes emptied
    Charger(b, QStringLiteral("coupe.lst"), "S\xE9" "dimentation\r\nCompression\r\nErosion\r\n");
    QCOMPARE(b.Liste(), (QStringList{kSedimentation, QStringLiteral("Compression"),
                                     QStringLiteral("Erosion")}));
    QCOMPARE(Vue(b), VueInteractive({"Plissa", "Nivele"}));
    QVERIFY(!b.Bouton("Annuler")->isEnabled());
    QVERIFY(!b.Action("Annuler1")->isEnabled());
    for (int k = 1; k <= 7; ++k)
        QCOMPARE(b.Bouton(qPrintable(QStringLiteral("AideBt%1").arg(k)))->palette().color(QPalette::ButtonText),
                 QColor(Qt::black));
    QCOMPARE(b.w->repListes(), b.w->repDocuments());
    QVERIFY(!b.w->repListes().isEmpty());
    QVERIFY(b.f.son.appels.size() == 1);  // only the pluton's, before the load
    QVERIFY(b.f.messages.messages.empty());
    // New events are appended to the loaded list.
    b.Bouton("Casse")->click();
    QCOMPARE(b.Liste().size(), 4);
}

void TestListes::lignesInconnuesMontreesEtSautees() {
    Banc b;
    Charger(b, QStringLiteral("coupe.lst"),
            "S\xE9" "dimentation\r\nerosion\r\nErosion \r\n\r\nCompression\r\n");
    QCOMPARE(b.Liste(), (QStringList{kSedimentation, QStringLiteral("erosion"),
                                     QStringLiteral("Erosion "), QString(),
                                     QStringLiteral("Compression")}));
    QCOMPARE(Vue(b), VueInteractive({"Plissa"}));
}

void TestListes::premiereLigneJamaisRejouee() {
    Banc b;
    Charger(b, QStringLiteral("coupe.lst"), "Erosion\r\nErosion\r\n");
    QCOMPARE(b.Liste(), (QStringList{QStringLiteral("Erosion"), QStringLiteral("Erosion")}));
    QCOMPARE(Vue(b), VueInteractive({"Nivele"}));
    Charger(b, QStringLiteral("une.lst"), "S\xE9" "dimentation\r\n");
    QCOMPARE(Vue(b), VueInteractive({}));
}

void TestListes::premiereLigneDistension() {
    Banc b;
    Charger(b, QStringLiteral("coupe.lst"), "Distension\r\n");
    QCOMPARE(Vue(b), VueInteractive({}));
    for (const char* nom : {"Plissa", "Chevauche", "Granite"}) QVERIFY2(!b.Bouton(nom)->isEnabled(), nom);
    QVERIFY(b.Bouton("Sedim")->isEnabled());
}

void TestListes::finsDeLigneEquivalentes() {
    const QImage attendue = VueInteractive({"Sedim", "Plissa"});
    for (const QByteArray& octets :
         {QByteArray("S\xE9" "dimentation\nS\xE9" "dimentation\nCompression\n"),
          QByteArray("S\xE9" "dimentation\rS\xE9" "dimentation\rCompression"),
          QByteArray("S\xE9" "dimentation\r\nS\xE9" "dimentation\r\nCompression\r\n\0Erosion\r\n", 53)}) {
        Banc b;
        Charger(b, QStringLiteral("coupe.lst"), octets);
        QCOMPARE(b.Liste(), (QStringList{kSedimentation, kSedimentation, QStringLiteral("Compression")}));
        QCOMPARE(Vue(b), attendue);
    }
}

QTEST_MAIN(TestListes)
#include "fenetre_listes_test.moc"
