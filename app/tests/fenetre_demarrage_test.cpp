// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the main window: layout, menu, the state after a reset, the
// data folders and the missing pictures.
#include <QFile>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

#include "banc.h"
#include "dossiers.h"
#include "vue_image.h"

using Genre = FauxMessages::Genre;

namespace {

const QString kSedimentation = QStringLiteral("Sédimentation");
const QString kAbsents = QStringLiteral("Un ou plusieurs fichiers d'images sont absents");
const char* const kBoutons[8] = {nullptr, "Sedim", "Coulee", "Nivele", "Granite",
                                 "Plissa", "Chevauche", "Casse"};
const char* const kMenus[8] = {nullptr, "Sdimentation1", "Coulevolcanique1", "Erosion1",
                               "Plutongranitique1", "Compression1", "Chevauchement1",
                               "Distension1"};

QRect Cadre(const QWidget* w) { return w ? w->geometry() : QRect(); }

// The shortcuts of a menu item, each after a space, in the portable form.
QString Raccourcis(const QAction* a) {
    QString t;
    for (const QKeySequence& r : a->shortcuts()) t += QLatin1Char(' ') + r.toString(QKeySequence::PortableText);
    return t;
}

}  // namespace

class TestDemarrage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void disposition();
    void boutonsDuPanneau();
    void menu();
    void etatApresRemiseAZero();
    void retourDebutRemetToutEnPlace();
    void disponibiliteDependDeLaSurface_data();
    void disponibiliteDependDeLaSurface();
    void dossiers();
    void texturesAbsentes();
    void texturesInutilisables_data();
    void texturesInutilisables();
    void texturesDisparuesAvantUnRetourDebut();
    void regleDocumentsWindows_data();
    void regleDocumentsWindows();
    void partieDossier_data();
    void partieDossier();
    void fichierAide_data();
    void fichierAide();
};

void TestDemarrage::disposition() {
    Banc b;
    QCOMPARE(b.w->windowTitle(), QStringLiteral("STRATALOOM"));
    QVERIFY(b.w->font().bold());
    QCOMPARE(b.w->centralWidget()->size(), QSize(787, 554));
    QVERIFY(b.w->menuBar()->geometry().bottom() < b.w->centralWidget()->geometry().top());
    QCOMPARE(Cadre(b.w->findChild<QFrame*>(QStringLiteral("Bevel1"))), QRect(10, 5, 560, 510));
    QCOMPARE(Cadre(b.w->findChild<QFrame*>(QStringLiteral("Panel1"))), QRect(585, 3, 195, 515));
    // Sizes from the textures of a 640 x 600 section.
    auto* visu = b.w->findChild<VueImage*>(QStringLiteral("Visu"));
    auto* modele = b.w->findChild<VueImage*>(QStringLiteral("Modele"));
    QVERIFY(visu && modele);
    QCOMPARE(b.w->session().observe().width(), 640);
    QCOMPARE(b.w->session().observe().height(), 600);
    QCOMPARE(Cadre(visu), QRect(23, 25, 540, 480));
    QCOMPARE(Cadre(modele), QRect(23, 25, 540, 480));
    b.w->show();
    QVERIFY(visu->isVisible());
    QVERIFY(!modele->isVisible());
    QVERIFY(!visu->isEnabled());
    QVERIFY(visu->toolTip().isEmpty());
    QCOMPARE(visu->image().size(), QSize(540, 480));
    QCOMPARE(visu->image().pixel(10, 10), qRgb(0, 0, 255));    // sky
    QCOMPARE(visu->image().pixel(10, 470), qRgb(120, 90, 60));  // base layer from row 380
}

void TestDemarrage::boutonsDuPanneau() {
    Banc b;
    const QStringList libelles = {kSedimentation,          QStringLiteral("Volcanisme"),
                                  QStringLiteral("Erosion"), QStringLiteral("Plutonisme"),
                                  QStringLiteral("Compression"), QStringLiteral("Chevauchement"),
                                  QStringLiteral("Distension")};
    for (int k = 1; k <= 7; ++k) {
        const int t = 1 + 40 * (k - 1);
        QPushButton* e = b.Bouton(kBoutons[k]);
        QVERIFY2(e, kBoutons[k]);
        QCOMPARE(e->text(), libelles[k - 1]);
        QCOMPARE(e->geometry(), QRect(1, t, 161, 31));
        QPushButton* a = b.Bouton(qPrintable(QStringLiteral("AideBt%1").arg(k)));
        QVERIFY(a);
        QCOMPARE(a->text(), QStringLiteral("?"));
        a->click();  // the event's own help topic
        QCOMPARE(b.f.aide.appels.back().contexte, 10 + k);
        QCOMPARE(a->geometry(), QRect(169, t, 25, 31));
        QCOMPARE(e->parentWidget()->objectName(), QStringLiteral("Panel1"));
    }
    auto* liste = b.w->findChild<QListWidget*>(QStringLiteral("ListBox1"));
    QCOMPARE(Cadre(liste), QRect(1, 281, 192, 151));
    QCOMPARE(liste->toolTip(), QStringLiteral("liste des événements géologiques"));
    QCOMPARE(Cadre(b.Bouton("Annuler")), QRect(1, 441, 192, 31));
    QCOMPARE(b.Bouton("Annuler")->text(), QStringLiteral("Annuler"));
    QCOMPARE(Cadre(b.Bouton("Efface")), QRect(1, 481, 192, 31));
    QCOMPARE(b.Bouton("Efface")->text(), QStringLiteral("Retour début"));
}

void TestDemarrage::menu() {
    Banc b;
    const QList<QAction*> menus = b.w->menuBar()->actions();
    QCOMPARE(menus.size(), 5);
    QCOMPARE(menus[0]->text(), QStringLiteral("&Fichier"));
    QCOMPARE(menus[1]->text(), QStringLiteral("Evénements"));
    QCOMPARE(menus[2]->text(), QStringLiteral("Affichage"));
    QCOMPARE(menus[3]->text(), QStringLiteral("Exercice"));
    QCOMPARE(menus[4]->text(), QStringLiteral("?"));
    // Caption and shortcuts of each item; "-" for a separator.
    const QStringList attendus[5] = {
        {QStringLiteral("Charger une image modèle"), QStringLiteral("Sauver en tant que modèle"),
         QStringLiteral("Exporter l'image affichée"), QStringLiteral("-"),
         QStringLiteral("Charger une liste d'événements Ctrl+O"),
         QStringLiteral("Sauver la liste des événements Ctrl+S"),
         QStringLiteral("Exporter la liste des événements"), QStringLiteral("-"),
         QStringLiteral("&Quitter Alt+F4 Ctrl+Q")},
        {kSedimentation, QStringLiteral("Volcanisme"),
         QStringLiteral("Erosion"), QStringLiteral("Plutonisme"), QStringLiteral("Compression"),
         QStringLiteral("Chevauchement"), QStringLiteral("Distension"), QStringLiteral("-"),
         QStringLiteral("Annuler Ctrl+Z"), QStringLiteral("Retour début")},
        {QStringLiteral("Lettres des formations Ctrl+L"), QStringLiteral("Teintes des formations Ctrl+T"),
         QStringLiteral("Roches"), QStringLiteral("-"), QStringLiteral("Légende..."), QStringLiteral("-"), QStringLiteral("Sons")},
        {QStringLiteral("Ouvrir un exercice... Ctrl+E"), QStringLiteral("Ouvrir une réponse..."),
         QStringLiteral("Vérifier ma coupe F5"),
         QStringLiteral("Ordonner les événements..."), QStringLiteral("-"),
         QStringLiteral("Enregistrer ma réponse..."), QStringLiteral("Exporter pour l'ENT (SCORM)..."),
         QStringLiteral("-"), QStringLiteral("Créer un exercice avec cette coupe..."), QStringLiteral("Espace enseignant...")},
        {QStringLiteral("&Aide F1"), QStringLiteral("Avertissement"),
         QStringLiteral("A &propos...")}};
    for (int m = 0; m < 5; ++m) {
        QStringList vus;
        for (QAction* a : menus[m]->menu()->actions())
            vus << (a->isSeparator() ? QStringLiteral("-") : a->text() + Raccourcis(a));
        QCOMPARE(vus, attendus[m]);
    }
    QCOMPARE(b.Action("Quitter1")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F4));
    QCOMPARE(b.Action("Aide1")->shortcut(), QKeySequence(Qt::Key_F1));
    for (int k = 1; k <= 7; ++k) QCOMPARE(b.Action(kMenus[k])->text(), b.Bouton(kBoutons[k])->text());
    for (const char* nom : {"Importermodle1", "Sauvercommemodle1", "ExporterImage1", "Charger1",
                            "Sauver1", "Exporterliste1", "Annuler1", "Retourdbut1", "Avertissement1",
                            "Apropos1"})
        QVERIFY2(b.Action(nom), nom);
}

void TestDemarrage::etatApresRemiseAZero() {
    Banc b;
    QCOMPARE(b.Liste(), QStringList{kSedimentation});
    QVERIFY(!b.Bouton("Annuler")->isEnabled());
    QVERIFY(!b.Action("Annuler1")->isEnabled());
    for (int k = 1; k <= 7; ++k)
        QCOMPARE(b.Bouton(qPrintable(QStringLiteral("AideBt%1").arg(k)))
                     ->palette()
                     .color(QPalette::ButtonText),
                 QColor(Qt::black));
    QCOMPARE(b.w->session().section().FacteurPli, 1.0);
    QVERIFY(b.w->sansSon());
    QVERIFY(!b.w->finDemandee());
    QVERIFY(b.f.messages.messages.empty());
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void TestDemarrage::retourDebutRemetToutEnPlace() {
    Banc b;
    b.Bouton("Plissa")->click();
    b.Bouton("Nivele")->click();
    QCOMPARE(b.w->session().section().FacteurPli, 1.75);
    const QImage vueApres = b.w->findChild<VueImage*>(QStringLiteral("Visu"))->image();
    b.Bouton("Efface")->click();
    QCOMPARE(b.Liste(), QStringList{kSedimentation});
    QVERIFY(!b.Bouton("Annuler")->isEnabled());
    QVERIFY(!b.Action("Annuler1")->isEnabled());
    QCOMPARE(b.w->session().section().FacteurPli, 1.0);
    for (int k = 1; k <= 7; ++k)
        QCOMPARE(b.Bouton(qPrintable(QStringLiteral("AideBt%1").arg(k)))
                     ->palette()
                     .color(QPalette::ButtonText),
                 QColor(Qt::black));
    // The view is the reset section again, and the menu item does the same.
    Banc neuf;
    const QImage vueReset = neuf.w->findChild<VueImage*>(QStringLiteral("Visu"))->image();
    QCOMPARE(b.w->findChild<VueImage*>(QStringLiteral("Visu"))->image(), vueReset);
    QVERIFY(vueApres != vueReset);
    b.Bouton("Sedim")->click();
    b.Action("Retourdbut1")->trigger();
    QCOMPARE(b.Liste(), QStringList{kSedimentation});
}

void TestDemarrage::disponibiliteDependDeLaSurface_data() {
    QTest::addColumn<int>("hauteur");
    QTest::addColumn<int>("hautCouche1");
    QTest::addColumn<bool>("volcanisme");
    QTest::addColumn<bool>("chevauchement");
    // A flat surface at row r gives SurfaceBas = r + 1.
    QTest::newRow("surface à la ligne 82") << 600 << 518 << true << true;
    QTest::newRow("surface à la ligne 81") << 600 << 519 << false << true;
    QTest::newRow("section de 511 lignes") << 511 << 220 << true << true;
    QTest::newRow("section de 510 lignes") << 510 << 220 << true << false;
}

void TestDemarrage::disponibiliteDependDeLaSurface() {
    QFETCH(int, hauteur);
    QFETCH(int, hautCouche1);
    QFETCH(bool, volcanisme);
    QFETCH(bool, chevauchement);
    Banc b({640, hauteur, hautCouche1});
    QCOMPARE(b.Bouton("Coulee")->isEnabled(), volcanisme);
    QCOMPARE(b.Action("Coulevolcanique1")->isEnabled(), volcanisme);
    QCOMPARE(b.Bouton("Chevauche")->isEnabled(), chevauchement);
    QCOMPARE(b.Action("Chevauchement1")->isEnabled(), chevauchement);
    QVERIFY(b.Bouton("Casse")->isEnabled());
}

void TestDemarrage::dossiers() {
    Banc b;
    const QString appli = b.dossier.path() + QLatin1Char('/');
    QCOMPARE(b.w->repAppli(), appli);
    QCOMPARE(b.w->repBase(), appli + QStringLiteral("Base"));
    QCOMPARE(b.w->repEvenements(), appli + QStringLiteral("Evenements"));
    QCOMPARE(b.w->repModeles(), appli + QStringLiteral("Modeles"));
    QCOMPARE(b.w->repDocuments(),
             QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    QCOMPARE(b.w->repListes(), b.w->repDocuments());
    QCOMPARE(b.w->fichierAide(), appli + QStringLiteral("strataloom.hlp"));
}

void TestDemarrage::texturesAbsentes() {
    Banc b({}, false);
    QVERIFY(QFile::remove(b.Chemin(QStringLiteral("Base/Coulee0.bmp"))));
    b.Creer();
    QSignalSpy fin(b.w.get(), &FenetrePrincipale::FinDemandee);
    QCOMPARE(b.f.messages.messages.size(), std::size_t(1));
    QCOMPARE(b.f.messages.messages[0].genre, Genre::Erreur);
    QCOMPARE(b.f.messages.messages[0].texte, kAbsents);
    QVERIFY(!b.f.messages.messages[0].curseurOccupe);
    QVERIFY(b.w->finDemandee());
    // The end is requested through the event loop, not during the reset.
    QCOMPARE(fin.count(), 0);
    QTRY_COMPARE(fin.count(), 1);
    // The six pictures before the missing one did load.
    const section::Textures& t = b.w->session().textures();
    for (int i = 0; i < 6; ++i) QVERIFY(!section::TextureNumero(t, i).empty());
    QVERIFY(t.ImCoulee0.empty());
    // Nothing can run on the missing picture.
    for (int k = 1; k <= 7; ++k) QVERIFY(!b.Bouton(kBoutons[k])->isEnabled());
    b.w->AppliquerEvenement(section::Evenement::Volcanisme);  // even forced, nothing runs
    QCOMPARE(b.Liste(), QStringList{kSedimentation});
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void TestDemarrage::texturesInutilisables_data() {
    QTest::addColumn<int>("largeur");
    QTest::addColumn<QString>("fichierAbime");
    QTest::newRow("Couche1 de 100 colonnes") << 100 << QString();
    QTest::newRow("Couche2 qui n'est pas une image") << 640 << QStringLiteral("Couche2.bmp");
    QTest::newRow("Granit tronqué") << 640 << QStringLiteral("Granit.bmp");
}

void TestDemarrage::texturesInutilisables() {
    QFETCH(int, largeur);
    QFETCH(QString, fichierAbime);
    Banc b({largeur, 600, 220}, false);
    if (!fichierAbime.isEmpty()) {
        const QString chemin = b.Chemin(QStringLiteral("Base/") + fichierAbime);
        const QByteArray octets = Octets(chemin);
        QVERIFY(EcrireFichier(chemin, fichierAbime.startsWith(QStringLiteral("Couche2"))
                                          ? QByteArray("pas une image")
                                          : octets.left(octets.size() / 2)));
    }
    b.Creer();
    QCOMPARE(b.f.messages.Nombre(Genre::Erreur, kAbsents), 1);
    QVERIFY(b.w->finDemandee());
    QVERIFY(!b.Bouton("Casse")->isEnabled());
}

void TestDemarrage::texturesDisparuesAvantUnRetourDebut() {
    Banc b;
    b.Bouton("Sedim")->click();
    QVERIFY(QFile::remove(b.Chemin(QStringLiteral("Base/Couche3.bmp"))));
    b.Bouton("Efface")->click();
    QCOMPARE(b.f.messages.Nombre(Genre::Erreur, kAbsents), 1);
    QVERIFY(b.w->finDemandee());
    QVERIFY(!b.Bouton("Annuler")->isEnabled());
    QVERIFY(!b.Bouton("Casse")->isEnabled());
    b.w->AppliquerEvenement(section::Evenement::Distension);
    QCOMPARE(b.Liste(), QStringList{kSedimentation});
}

void TestDemarrage::regleDocumentsWindows_data() {
    QTest::addColumn<bool>("lecteurP");
    QTest::addColumn<QString>("repWindows");
    QTest::addColumn<QString>("attendu");
    QTest::newRow("P:\\ présent") << true << QStringLiteral("C:\\WINDOWS") << QStringLiteral("P:");
    QTest::newRow("Windows sur D") << false << QStringLiteral("D:\\WINDOWS")
                                   << QStringLiteral("D:\\Mes documents");
    QTest::newRow("Windows sur C") << false << QStringLiteral("C:\\WINNT")
                                   << QStringLiteral("C:\\Mes documents");
    QTest::newRow("dossier Windows inconnu") << false << QString()
                                             << QStringLiteral("C:\\Mes documents");
}

void TestDemarrage::regleDocumentsWindows() {
    QFETCH(bool, lecteurP);
    QFETCH(QString, repWindows);
    QFETCH(QString, attendu);
    QCOMPARE(DossierDocumentsWindows(lecteurP, repWindows), attendu);
}

void TestDemarrage::partieDossier_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<bool>("windows");
    QTest::addColumn<QString>("attendu");
    QTest::newRow("chemin complet") << QStringLiteral("/home/eleve/coupe.lst") << false
                                    << QStringLiteral("/home/eleve");
    QTest::newRow("racine") << QStringLiteral("/coupe.lst") << false << QStringLiteral("/");
    QTest::newRow("nom nu") << QStringLiteral("Exemple.lst") << false << QString();
    QTest::newRow("barre inverse hors Windows") << QStringLiteral("a\\b.lst") << false << QString();
    QTest::newRow("racine d'un lecteur") << QStringLiteral("C:\\coupe.lst") << true
                                         << QStringLiteral("C:\\");
    QTest::newRow("dossier Windows") << QStringLiteral("P:\\classe\\coupe.lst") << true
                                     << QStringLiteral("P:\\classe");
}

void TestDemarrage::partieDossier() {
    QFETCH(QString, nom);
    QFETCH(bool, windows);
    QFETCH(QString, attendu);
    QCOMPARE(DossierDe(nom, windows), attendu);
}

void TestDemarrage::fichierAide_data() {
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QString>("attendu");
    QTest::newRow("sans extension") << QStringLiteral("/opt/s/strataloom")
                                    << QStringLiteral("/opt/s/strataloom.hlp");
    QTest::newRow("avec extension") << QStringLiteral("/opt/s/Strataloom.exe")
                                    << QStringLiteral("/opt/s/Strataloom.hlp");
    QTest::newRow("point dans le dossier") << QStringLiteral("/opt/v2.1/strataloom")
                                           << QStringLiteral("/opt/v2.1/strataloom.hlp");
}

void TestDemarrage::fichierAide() {
    QFETCH(QString, executable);
    QFETCH(QString, attendu);
    QCOMPARE(FichierAideDe(executable), attendu);
}

QTEST_MAIN(TestDemarrage)
#include "fenetre_demarrage_test.moc"
