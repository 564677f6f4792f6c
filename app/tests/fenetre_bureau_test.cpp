// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a desktop program: its shortcuts, the comparison held on
// the space bar, the tooltips in the engine's words and the help that holds
// them, a list named on the command line, the pupil's models folder.
#include <QFileInfo>
#include <QMenu>
#include <QStyleOptionMenuItem>
#include <QTextDocumentFragment>
#include <QtTest>

#include "section/disponibilite.h"
#include "banc.h"
#include "vue_image.h"
#include "menu_raccourcis.h"

using Genre = FauxMessages::Genre;

namespace {

QString Texte(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

// A shown, active window: shortcuts only reach the active window.
bool Activer(Banc& b) {
    b.w->show();
    b.w->activateWindow();
    return QTest::qWaitForWindowActive(b.w.get());
}

VueImage* Vue(const Banc& b, const char* nom) { return b.w->findChild<VueImage*>(QLatin1String(nom)); }

// A model saved from the view after a granite, the view back at its start.
void ChargerModele(Banc& b) { b.ChargerModele(b.EnregistrerModeleGranite()); }

struct MenuOuvert : MenuRaccourcis {
    using MenuRaccourcis::initStyleOption;
};

}  // namespace

class TestBureau : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void raccourcisDesMenus();
    void leMenuMontreLesDeuxRaccourcis();
    void ctrlZAnnuleEtSeulementQuandPossible();
    void barreDEspaceTenueMontreLeModele();
    void barreDEspaceSansModeleNiFocus();
    void bullesDisentPourquoi();
    void aideTientLesMotsDuMoteur();
    void listeEnArgument();
    void argumentDUnAutreGenre();
    void argumentIllisibleOuAbsent();
    void modelesDansLesDocumentsSiLeDossierEstFige();
};

void TestBureau::raccourcisDesMenus() {
    Banc b;
    QCOMPARE(b.Action("Annuler1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    QCOMPARE(b.Action("Charger1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    QCOMPARE(b.Action("Sauver1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    QCOMPARE(b.Action("Quitter1")->shortcuts(),
             (QList<QKeySequence>{QKeySequence(Qt::ALT | Qt::Key_F4), QKeySequence(Qt::CTRL | Qt::Key_Q)}));
    // The captions stay as they were.
    QCOMPARE(b.Action("Quitter1")->text(), QStringLiteral("&Quitter"));
    QCOMPARE(b.Action("Annuler1")->text(), QStringLiteral("Annuler"));
}

void TestBureau::leMenuMontreLesDeuxRaccourcis() {
    MenuOuvert menu;
    QAction* deux = menu.addAction(QStringLiteral("&Quitter"));
    deux->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_F4), QKeySequence(Qt::CTRL | Qt::Key_Q)});
    QAction* un = menu.addAction(QStringLiteral("Sauver"));
    un->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    QStyleOptionMenuItem o;
    menu.initStyleOption(&o, deux);
    const QString alt = QKeySequence(Qt::ALT | Qt::Key_F4).toString(QKeySequence::NativeText);
    const QString ctrl = QKeySequence(Qt::CTRL | Qt::Key_Q).toString(QKeySequence::NativeText);
    QCOMPARE(o.text, QStringLiteral("&Quitter\t%1, %2").arg(alt, ctrl));
    QVERIFY(o.reservedShortcutWidth > o.fontMetrics.horizontalAdvance(alt + QStringLiteral(", ") + ctrl));
    menu.initStyleOption(&o, un);
    QCOMPARE(o.text, QStringLiteral("Sauver\t") + QKeySequence(Qt::CTRL | Qt::Key_S).toString(QKeySequence::NativeText));
    // The window's own "Fichier" menu is one of these.
    Banc b;
    QVERIFY(dynamic_cast<MenuRaccourcis*>(b.w->findChild<QMenu*>(QStringLiteral("Fichier1"))));
}

void TestBureau::ctrlZAnnuleEtSeulementQuandPossible() {
    Banc b;
    QVERIFY(Activer(b));
    b.Bouton("Sedim")->click();
    b.Bouton("Plissa")->click();
    QCOMPARE(b.Liste().size(), 3);
    QTest::keyClick(b.w.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(b.Liste().size(), 2);
    QVERIFY(!b.Bouton("Annuler")->isEnabled());
    // A second Ctrl+Z finds undo off: nothing, no "Retour impossible".
    QTest::keyClick(b.w.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(b.Liste().size(), 2);
    QVERIFY(b.f.messages.messages.empty());
    // Ctrl+O asks about the unsaved list, then opens the load dialog;
    // Ctrl+S opens the save dialog.
    b.f.questions.reponses.push_back(Reponse::Non);
    b.f.fichiers.Annuler();
    QTest::keyClick(b.w.get(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(b.f.fichiers.ouvertures.size(), std::size_t(1));
    QCOMPARE(b.f.questions.questions.size(), 1);
    b.f.fichiers.Annuler();
    QTest::keyClick(b.w.get(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(b.f.fichiers.enregistrements.size(), std::size_t(1));
    QCOMPARE(b.f.fichiers.enregistrements[0].nomFichier, QStringLiteral("Exemple.lst"));
}

void TestBureau::barreDEspaceTenueMontreLeModele() {
    Banc b;
    QVERIFY(Activer(b));
    ChargerModele(b);
    VueImage* visu = Vue(b, "Visu");
    VueImage* modele = Vue(b, "Modele");
    visu->setFocus();
    QVERIFY(visu->hasFocus());
    for (int essai = 0; essai < 2; ++essai) {
        QTest::keyPress(visu, Qt::Key_Space);
        QVERIFY(!visu->isVisible() && modele->isVisible());
        QVERIFY(QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::BusyCursor);
        // Held, the key repeats at whatever control took the focus: nothing
        // else happens, no button is pressed.
        QWidget* ailleurs = QApplication::focusWidget() ? QApplication::focusWidget() : b.w.get();
        const QStringList avant = b.Liste();
        for (int i = 0; i < 3; ++i) {
            QKeyEvent repetee(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
            QApplication::sendEvent(ailleurs, &repetee);
            QKeyEvent relachee(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
            QApplication::sendEvent(ailleurs, &relachee);
        }
        QVERIFY(modele->isVisible());
        QCOMPARE(b.Liste(), avant);
        QTest::keyRelease(ailleurs, Qt::Key_Space);
        QVERIFY(visu->isVisible() && !modele->isVisible());
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(visu->hasFocus());  // ready for the next press
    }
    // The window losing the focus ends a comparison in progress.
    QTest::keyPress(visu, Qt::Key_Space);
    QVERIFY(modele->isVisible());
    QWidget autre;
    autre.show();
    autre.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&autre));
    QVERIFY(visu->isVisible() && !modele->isVisible());
    QVERIFY(!QApplication::overrideCursor());
}

void TestBureau::barreDEspaceSansModeleNiFocus() {
    Banc b;
    QVERIFY(Activer(b));
    VueImage* visu = Vue(b, "Visu");
    // No model: the view is off and cannot take the focus.
    visu->setFocus();
    QVERIFY(!visu->hasFocus());
    QTest::keyClick(b.w.get(), Qt::Key_Space);
    QVERIFY(visu->isVisible());
    ChargerModele(b);
    // With the focus on a button, the space bar is the button's.
    b.Bouton("Sedim")->setFocus();
    QTest::keyClick(b.Bouton("Sedim"), Qt::Key_Space);
    QVERIFY(visu->isVisible());
    QCOMPARE(b.Liste().size(), 2);
    // Shift+Space on the view is no comparison.
    visu->setFocus();
    QTest::keyPress(visu, Qt::Key_Space, Qt::ShiftModifier);
    QVERIFY(visu->isVisible());
    QTest::keyRelease(visu, Qt::Key_Space, Qt::ShiftModifier);
}

void TestBureau::bullesDisentPourquoi() {
    Banc b;
    const section::Session& s = b.w->session();
    for (const section::TypeEvenement& t : section::kEvenements) {
        QPushButton* bouton = b.Bouton(t.bouton);
        QVERIFY(bouton->isEnabled());
        QCOMPARE(bouton->toolTip(), Texte(t.description));
        QCOMPARE(b.Action(t.menu)->toolTip(), bouton->toolTip());
        const QString aide = b.Bouton(t.aide)->toolTip();
        QVERIFY2(aide.contains(QStringLiteral("« %1 »").arg(bouton->text())), qPrintable(aide));
        QVERIFY(!aide.contains(QStringLiteral("impossible")));
    }
    // A fold leaves the surface uneven: no lava flow. Its "?", red, is
    // the only one whose tooltip says why it is red.
    const QString rouge = QStringLiteral("\nEn rouge : l'aide du dernier événement appliqué.");
    const auto ditsRouges = [&b, &rouge] {
        QStringList ids;
        for (const section::TypeEvenement& t : section::kEvenements)
            if (b.Bouton(t.aide)->toolTip().endsWith(rouge)) ids << QString::fromLatin1(t.aide);
        return ids;
    };
    QCOMPARE(ditsRouges(), QStringList());
    b.Bouton("Plissa")->click();
    QCOMPARE(ditsRouges(), QStringList{QStringLiteral("AideBt5")});
    QVERIFY(!b.Bouton("Coulee")->isEnabled());
    QCOMPARE(s.disponibilite().Raison(section::Evenement::Volcanisme), section::raison::PasPlane);
    QCOMPARE(b.Bouton("Coulee")->toolTip(),
             Texte(section::Type(section::Evenement::Volcanisme).description) +
                 QStringLiteral("\nImpossible pour l'instant : Strataloom ne sait poser une coulée que sur une "
                                "surface plane : fais d'abord une érosion."));
    QVERIFY(b.Bouton("AideBt2")->toolTip().endsWith(
        QStringLiteral("\n« Volcanisme » est impossible pour l'instant : Strataloom ne sait poser une coulée que "
                       "sur une surface plane : fais d'abord une érosion.")));
    QCOMPARE(b.Action("Coulevolcanique1")->toolTip(), b.Bouton("Coulee")->toolTip());
    // A distension: each of the three commands gives its own reason.
    b.Bouton("Casse")->click();
    for (auto [nom, raison] : {std::pair{"Plissa", section::raison::DistensionCompression},
                               std::pair{"Chevauche", section::raison::DistensionChevauchement},
                               std::pair{"Granite", section::raison::DistensionPluton}}) {
        QVERIFY(!b.Bouton(nom)->isEnabled());
        QVERIFY2(b.Bouton(nom)->toolTip().endsWith(Texte(raison) + QLatin1Char('.')), nom);
    }
    // Undone, the reasons go with it.
    b.Bouton("Annuler")->click();
    QCOMPARE(b.Bouton("Plissa")->toolTip(), Texte(section::Type(section::Evenement::Compression).description));
    QVERIFY(!b.Bouton("AideBt5")->toolTip().contains(QStringLiteral("distension")));
    QCOMPARE(ditsRouges(), QStringList());
}

void TestBureau::aideTientLesMotsDuMoteur() {
    const QString chemin = qEnvironmentVariable("STRATALOOM_DATA") + QStringLiteral("/strataloom.hlp");
    QFile f(chemin);
    QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(chemin));
    const QString html = QString::fromUtf8(f.readAll());
    for (const section::TypeEvenement& t : section::kEvenements) {
        // The topic of the event, and in it the paragraph on availability.
        const qsizetype debut = html.indexOf(QStringLiteral("<h2 id=\"contexte-%1\">").arg(t.contexte));
        QVERIFY(debut >= 0);
        qsizetype fin = html.indexOf(QStringLiteral("<h2"), debut + 1);
        if (fin < 0) fin = html.size();
        const QString sujet = html.mid(debut, fin - debut);
        const qsizetype dispo = sujet.indexOf(QStringLiteral("<p class=\"dispo\">"));
        QVERIFY2(dispo >= 0, t.bouton);
        const QString paragraphe = QTextDocumentFragment::fromHtml(sujet.mid(dispo, sujet.indexOf(QStringLiteral("</p>"), dispo) - dispo))
                                       .toPlainText()
                                       .simplified();
        QVERIFY2(paragraphe.startsWith(QStringLiteral("Quand est-ce possible ?")), qPrintable(paragraphe));
        for (std::string_view r : section::RaisonsPossibles(t.evenement))
            QVERIFY2(paragraphe.contains(QStringLiteral("« %1 »").arg(Texte(r))),
                     qPrintable(QStringLiteral("%1 : %2").arg(QLatin1String(t.bouton), Texte(r))));
    }
}

void TestBureau::listeEnArgument() {
    Banc b;
    const QString chemin = b.Chemin(QStringLiteral("Evenements/plis.lst"));
    QVERIFY(EcrireFichier(chemin, "S\xE9" "dimentation\r\nCompression\r\nSeisme\r\nErosion\r\n"));
    b.Bouton("Nivele")->click();  // replaced by the list, as a load does
    b.f.questions.reponses.push_back(Reponse::Non);  // after the question on it
    // From another folder, by a relative name.
    const QString ici = QDir::currentPath();
    QDir::setCurrent(b.Chemin(QStringLiteral("Evenements")));
    b.w->OuvrirArguments({QStringLiteral("strataloom"), QStringLiteral("plis.lst"), QStringLiteral("autre.txt")});
    QDir::setCurrent(ici);
    QCOMPARE(b.Liste(), (QStringList{QStringLiteral("Sédimentation"), QStringLiteral("Compression"),
                                     QStringLiteral("Seisme"), QStringLiteral("Erosion")}));
    QVERIFY(b.f.messages.messages.empty());  // the window keeps silent on the unknown line
    QCOMPARE(b.f.questions.questions.size(), 1);
    QVERIFY(!b.Bouton("Annuler")->isEnabled());
    QVERIFY(!b.w->ModificationsNonEnregistrees());
    // The same section as the load command gives.
    Banc c;
    c.f.fichiers.Repondre(chemin);
    c.Action("Charger1")->trigger();
    QCOMPARE(Vue(b, "Visu")->image(), Vue(c, "Visu")->image());
    // The load dialog then offers that file.
    b.f.fichiers.Annuler();
    b.Action("Charger1")->trigger();
    QCOMPARE(QFileInfo(b.f.fichiers.ouvertures.back().nomFichier).canonicalFilePath(),
             QFileInfo(chemin).canonicalFilePath());
    // A file URL, as some desktops pass it.
    Banc d;
    d.w->OuvrirArguments({QStringLiteral("strataloom"), QUrl::fromLocalFile(chemin).toString()});
    QCOMPARE(d.Liste().size(), 4);
    // No argument: nothing happens.
    Banc e;
    e.w->OuvrirArguments({QStringLiteral("strataloom")});
    QCOMPARE(e.Liste(), QStringList{QStringLiteral("Sédimentation")});
}

void TestBureau::argumentDUnAutreGenre() {
    Banc b;
    b.Bouton("Plissa")->click();
    const QImage avant = Vue(b, "Visu")->image();
    const QString chemin = b.Chemin(QStringLiteral("photo.png"));
    QVERIFY(EcrireFichier(chemin, "S\xE9" "dimentation\r\nErosion\r\n"));
    b.w->OuvrirArguments({QStringLiteral("strataloom"), chemin});
    QCOMPARE(b.f.messages.messages.size(), std::size_t(1));
    const FauxMessages::Message& m = b.f.messages.messages[0];
    QCOMPARE(m.genre, Genre::Erreur);
    QVERIFY2(m.texte.contains(chemin) && m.texte.contains(QStringLiteral("n'est pas une liste d'événements")),
             qPrintable(m.texte));
    QCOMPARE(b.Liste().size(), 2);  // nothing changed, nothing asked
    QCOMPARE(Vue(b, "Visu")->image(), avant);
    QVERIFY(b.f.questions.questions.isEmpty());
    QVERIFY(b.Bouton("Annuler")->isEnabled());
}

void TestBureau::argumentIllisibleOuAbsent() {
    Banc b;
    b.w->OuvrirArguments({QStringLiteral("strataloom"), b.Chemin(QStringLiteral("absente.lst"))});
    QCOMPARE(b.f.messages.Nombre(Genre::Information, QStringLiteral("Chargement impossible")), 1);
    QCOMPARE(b.Liste(), QStringList{QStringLiteral("Sédimentation")});
    // A folder named like a list.
    QVERIFY(QDir().mkpath(b.Chemin(QStringLiteral("dossier.lst"))));
    b.w->OuvrirArguments({QStringLiteral("strataloom"), b.Chemin(QStringLiteral("dossier.lst"))});
    QCOMPARE(b.f.messages.Nombre(Genre::Information, QStringLiteral("Chargement impossible")), 2);
    // The program keeps working.
    b.Bouton("Sedim")->click();
    QCOMPARE(b.Liste().size(), 2);
}

void TestBureau::modelesDansLesDocumentsSiLeDossierEstFige() {
    QTemporaryDir maison;
    const QByteArray ancienneMaison = qgetenv("HOME"), ancienneConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(maison.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(maison.filePath(QStringLiteral(".config"))));
    const QString eleve = maison.filePath(QStringLiteral("Documents/Strataloom/Modeles"));
    QCOMPARE(FenetrePrincipale::RepModelesEleve(), eleve);

    // A Modeles folder that can be written: the dialogs start there, and the
    // pupil's folder is neither made nor offered.
    {
        Banc b;
        b.f.fichiers.Annuler();
        b.Action("Sauvercommemodle1")->trigger();
        QCOMPARE(b.f.fichiers.enregistrements[0].dossierInitial, b.w->repModeles());
        QVERIFY(!QFileInfo::exists(eleve));
        b.f.fichiers.Annuler();
        b.Action("Importermodle1")->trigger();
        QCOMPARE(b.f.fichiers.ouvertures[0].dossiersProposes, QStringList{b.w->repModeles()});
    }
    // One that cannot (here a file stands in its place, which even the
    // superuser cannot write into): the pupil's folder, made on the way.
    Banc b;
    QVERIFY(QDir(b.Chemin(QStringLiteral("Modeles"))).removeRecursively());
    QVERIFY(EcrireFichier(b.Chemin(QStringLiteral("Modeles")), "pas un dossier"));
    b.f.fichiers.Annuler();
    b.Action("Importermodle1")->trigger();
    QCOMPARE(b.f.fichiers.ouvertures[0].dossiersProposes, QStringList{b.w->repModeles()});
    const QString nom = QDir(eleve).filePath(QStringLiteral("mon-modele.bmp"));
    b.f.fichiers.Repondre(nom);
    b.Action("Sauvercommemodle1")->trigger();
    QCOMPARE(b.f.fichiers.enregistrements[0].dossierInitial, eleve);
    QVERIFY(QFileInfo(eleve).isDir());
    QVERIFY(Octets(nom).startsWith("BM"));
    // The load dialog starts among the shipped models, the pupil's beside them.
    b.f.fichiers.Repondre(nom);
    b.Action("Importermodle1")->trigger();
    QCOMPARE(b.f.fichiers.ouvertures[1].dossierInitial, b.w->repModeles());
    QCOMPARE(b.f.fichiers.ouvertures[1].dossiersProposes, (QStringList{b.w->repModeles(), eleve}));
    QVERIFY(Vue(b, "Visu")->isEnabled());
    // "Exporter l'image affichée" keeps its documents folder.
    const QString documents = b.w->repDocuments();
    QCOMPARE(documents, maison.filePath(QStringLiteral("Documents")));
    b.f.fichiers.Annuler();
    b.Action("ExporterImage1")->trigger();
    QCOMPARE(b.f.fichiers.enregistrements[1].dossierInitial, documents);

    qputenv("HOME", ancienneMaison);
    if (ancienneConfig.isNull()) qunsetenv("XDG_CONFIG_HOME"); else qputenv("XDG_CONFIG_HOME", ancienneConfig);
}

QTEST_MAIN(TestBureau)
#include "fenetre_bureau_test.moc"
