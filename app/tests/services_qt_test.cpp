// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt adapters of the platform services: file dialogs and message boxes,
// driven as the user would from a timer.
#include <QAbstractButton>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "banc.h"
#include "services_qt.h"

namespace {

// Runs `action` on the next modal box that is not `sauf`, once it is up.
void QuandModal(std::function<void(QWidget*)> action, QWidget* sauf = nullptr) {
    auto* minuteur = new QTimer;
    minuteur->setInterval(10);
    QObject::connect(minuteur, &QTimer::timeout, [minuteur, action, sauf] {
        QWidget* m = QApplication::activeModalWidget();
        if (!m || m == sauf) return;
        minuteur->stop();
        minuteur->deleteLater();
        action(m);
    });
    minuteur->start();
}

void Taper(QWidget* dialogue, const QString& nom) {
    auto* champ = dialogue->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(champ);
    champ->setText(nom);
}

}  // namespace

class TestServicesQt : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void filtres_data();
    void filtres();
    void enregistrerAjouteLExtension();
    void annulerNeRendRien();
    void dossierAbsentRefuse();
    void ecraserDemandeConfirmation();
    void ouvrirDansLeDossierDuNomDonne();
    void boitesDeMessage();
    void questionOuiNonAnnuler();
    void balisesMontreesCommeTexte_data();
    void balisesMontreesCommeTexte();
    void dossiersProposesDansLePanneau();
};

void TestServicesQt::filtres_data() {
    QTest::addColumn<QString>("filtre");
    QTest::addColumn<QStringList>("attendu");
    QTest::newRow("description seule") << QStringLiteral("Géologie|*.lst")
                                       << QStringList{QStringLiteral("Géologie (*.lst)")};
    QTest::newRow("motif déjà nommé") << QStringLiteral("Bitmaps (*.bmp)|*.bmp")
                                      << QStringList{QStringLiteral("Bitmaps (*.bmp)")};
    QTest::newRow("plusieurs motifs et filtres")
        << QStringLiteral("Images|*.bmp;*.dib|Tout|*.*")
        << QStringList{QStringLiteral("Images (*.bmp *.dib)"), QStringLiteral("Tout (*.*)")};
    QTest::newRow("vide") << QString() << QStringList();
}

void TestServicesQt::filtres() {
    QFETCH(QString, filtre);
    QFETCH(QStringList, attendu);
    QCOMPARE(FiltresQt(filtre), attendu);
}

void TestServicesQt::enregistrerAjouteLExtension() {
    QTemporaryDir dossier;
    FichiersQt fichiers;
    DemandeFichier d;
    d.titre = QStringLiteral("Sauvegarde de la liste des évennements géologiques");
    d.filtre = QStringLiteral("Fichier Strataloom (*.lst)|*.lst");
    d.extensionDefaut = QStringLiteral("lst");
    d.dossierInitial = dossier.path();
    d.nomFichier = QStringLiteral("Exemple.lst");
    d.dossierDoitExister = true;
    QString titre, filtre, nomPropose;
    QuandModal([&](QWidget* m) {
        auto* dlg = qobject_cast<QFileDialog*>(m);
        QVERIFY(dlg);
        titre = dlg->windowTitle();
        filtre = dlg->selectedNameFilter();
        nomPropose = dlg->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        Taper(dlg, QStringLiteral("coupe"));
        static_cast<QDialog*>(dlg)->accept();
    });
    const std::optional<QString> choix = fichiers.Enregistrer(d);
    QCOMPARE(titre, d.titre);
    QCOMPARE(filtre, QStringLiteral("Fichier Strataloom (*.lst)"));
    QCOMPARE(nomPropose, QStringLiteral("Exemple.lst"));
    QVERIFY(choix);
    QCOMPARE(*choix, dossier.filePath(QStringLiteral("coupe.lst")));
}

void TestServicesQt::annulerNeRendRien() {
    FichiersQt fichiers;
    QuandModal([](QWidget* m) { static_cast<QDialog*>(m)->reject(); });
    QVERIFY(!fichiers.Ouvrir(DemandeFichier{}));
}

void TestServicesQt::dossierAbsentRefuse() {
    QTemporaryDir dossier;
    FichiersQt fichiers;
    DemandeFichier d;
    d.dossierInitial = dossier.path();
    d.dossierDoitExister = true;
    bool refuse = false;
    QuandModal([&](QWidget* dlg) {
        Taper(dlg, dossier.filePath(QStringLiteral("absent/x.lst")));
        QuandModal([&, dlg](QWidget* boite) {
            refuse = qobject_cast<QMessageBox*>(boite) != nullptr;
            static_cast<QDialog*>(boite)->reject();
            QTimer::singleShot(0, dlg, [dlg] { static_cast<QDialog*>(dlg)->reject(); });
        }, dlg);
        static_cast<QDialog*>(dlg)->accept();
    });
    QVERIFY(!fichiers.Enregistrer(d));
    QVERIFY(refuse);
}

void TestServicesQt::ecraserDemandeConfirmation() {
    QTemporaryDir dossier;
    const QString existant = dossier.filePath(QStringLiteral("vue.bmp"));
    QVERIFY(EcrireFichier(existant, "x"));
    FichiersQt fichiers;
    DemandeFichier d;
    d.dossierInitial = dossier.path();
    d.confirmerEcrasement = true;
    bool demande = false;
    QuandModal([&](QWidget* dlg) {
        Taper(dlg, QStringLiteral("vue.bmp"));
        QuandModal([&](QWidget* boite) {
            auto* question = qobject_cast<QMessageBox*>(boite);
            demande = question != nullptr;
            if (question) question->button(QMessageBox::Yes)->click();
        }, dlg);
        static_cast<QDialog*>(dlg)->accept();
    });
    const std::optional<QString> choix = fichiers.Enregistrer(d);
    QVERIFY(demande);
    QCOMPARE(choix.value_or(QString()), existant);
}

void TestServicesQt::ouvrirDansLeDossierDuNomDonne() {
    QTemporaryDir dossier, autre;
    const QString fichier = dossier.filePath(QStringLiteral("coupe.lst"));
    QVERIFY(EcrireFichier(fichier, "Erosion\r\n"));
    FichiersQt fichiers;
    DemandeFichier d;
    d.dossierInitial = autre.path();
    d.nomFichier = fichier;
    d.fichierDoitExister = true;
    d.apercuImage = true;
    QString ouvert;
    bool apercu = false;
    QuandModal([&](QWidget* m) {
        auto* dlg = qobject_cast<QFileDialog*>(m);
        ouvert = dlg->directory().absolutePath();
        apercu = dlg->findChild<QLabel*>(QStringLiteral("apercu")) != nullptr;
        static_cast<QDialog*>(dlg)->accept();
    });
    const std::optional<QString> choix = fichiers.Ouvrir(d);
    QCOMPARE(ouvert, QDir(dossier.path()).absolutePath());
    QVERIFY(apercu);
    QCOMPARE(choix.value_or(QString()), fichier);
}

void TestServicesQt::boitesDeMessage() {
    MessagesQt messages;
    struct Cas {
        std::function<void()> montrer;
        QMessageBox::Icon icone;
    };
    const Cas cas[] = {
        {[&] { messages.Erreur(QStringLiteral("Retour impossible")); }, QMessageBox::Critical},
        {[&] { messages.Information(QStringLiteral("une\rdeux")); }, QMessageBox::Information},
        {[&] { messages.Simple(QStringLiteral("Retour impossible")); }, QMessageBox::NoIcon},
    };
    for (const Cas& c : cas) {
        QString titre, texte;
        int icone = -1;
        qsizetype boutons = 0;
        QuandModal([&](QWidget* m) {
            auto* boite = qobject_cast<QMessageBox*>(m);
            QVERIFY(boite);
            titre = boite->windowTitle();
            texte = boite->text();
            icone = boite->icon();
            boutons = boite->buttons().size();
            boite->button(QMessageBox::Ok)->click();
        });
        c.montrer();
        QCOMPARE(titre, QStringLiteral("Strataloom"));
        QCOMPARE(icone, int(c.icone));
        QCOMPARE(boutons, qsizetype(1));
        QVERIFY(!texte.contains(QLatin1Char('\r')));
    }
}

// A title or a file name holding markup is shown as the characters it
// holds: no link, no picture, no big green mark.
void TestServicesQt::balisesMontreesCommeTexte_data() {
    QTest::addColumn<QString>("texte");
    QTest::newRow("titre avec lien et image")
        << QStringLiteral("Exercice « <a href=\"file:///etc/passwd\"><font color=red>20/20 clique ICI</font></a>"
                          "<img src=\"/usr/share/pixmaps/debian-logo.png\"> »");
    QTest::newRow("nom de fichier en gros titre vert")
        << QStringLiteral("Chargement impossible : <h1><font color=green>Note 20 sur 20 - exercice valide.exo");
    QTest::newRow("entités") << QStringLiteral("&lt;b&gt; &amp; <b>gras</b>");
}

void TestServicesQt::balisesMontreesCommeTexte() {
    QFETCH(QString, texte);
    MessagesQt messages;
    QuestionsQt questions;
    const std::function<void()> montrer[] = {[&] { messages.Erreur(texte); }, [&] { messages.Information(texte); },
                                             [&] { questions.OuiNonAnnuler(texte); }};
    for (const auto& m : montrer) {
        int format = -1, formatEtiquette = -1;
        QString lu;
        QuandModal([&](QWidget* w) {
            auto* boite = qobject_cast<QMessageBox*>(w);
            QVERIFY(boite);
            format = boite->textFormat();
            const auto* etiquette = boite->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            QVERIFY(etiquette);
            formatEtiquette = etiquette->textFormat();
            lu = etiquette->text();
            boite->button(boite->buttons().size() == 1 ? QMessageBox::Ok : QMessageBox::Cancel)->click();
        });
        m();
        QCOMPARE(format, int(Qt::PlainText));
        QCOMPARE(formatEtiquette, int(Qt::PlainText));
        QCOMPARE(lu, texte);
    }
}

void TestServicesQt::questionOuiNonAnnuler() {
    QuestionsQt questions;
    struct Cas {
        QMessageBox::StandardButton bouton;  // NoButton: Escape
        Reponse attendue;
    };
    for (const Cas& c : {Cas{QMessageBox::Yes, Reponse::Oui}, Cas{QMessageBox::No, Reponse::Non},
                         Cas{QMessageBox::Cancel, Reponse::Annuler}, Cas{QMessageBox::NoButton, Reponse::Annuler}}) {
        QString titre, texte;
        qsizetype boutons = 0;
        int icone = -1, parDefaut = -1;
        QuandModal([&](QWidget* m) {
            auto* boite = qobject_cast<QMessageBox*>(m);
            QVERIFY(boite);
            titre = boite->windowTitle();
            texte = boite->text();
            icone = boite->icon();
            boutons = boite->buttons().size();
            parDefaut = boite->defaultButton() ? boite->standardButton(boite->defaultButton()) : -1;
            if (c.bouton == QMessageBox::NoButton)
                QTest::keyClick(boite, Qt::Key_Escape);
            else
                boite->button(c.bouton)->click();
        });
        const Reponse r = questions.OuiNonAnnuler(QStringLiteral("une\rdeux"));
        QCOMPARE(int(r), int(c.attendue));
        QCOMPARE(titre, QStringLiteral("Strataloom"));
        QCOMPARE(texte, QStringLiteral("une\ndeux"));
        QCOMPARE(icone, int(QMessageBox::Question));
        QCOMPARE(boutons, qsizetype(3));
        QCOMPARE(parDefaut, int(QMessageBox::Cancel));  // Enter loses nothing
    }
}

void TestServicesQt::dossiersProposesDansLePanneau() {
    QTemporaryDir a, b;
    FichiersQt fichiers;
    DemandeFichier d;
    d.dossierInitial = a.path();
    d.dossiersProposes = {a.path(), b.path()};
    QList<QUrl> places;
    QuandModal([&](QWidget* m) {
        auto* dlg = qobject_cast<QFileDialog*>(m);
        QVERIFY(dlg);
        places = dlg->sidebarUrls();
        dlg->reject();
    });
    QVERIFY(!fichiers.Ouvrir(d));
    QVERIFY(places.contains(QUrl::fromLocalFile(a.path())));
    QVERIFY(places.contains(QUrl::fromLocalFile(b.path())));
    QCOMPARE(places.count(QUrl::fromLocalFile(a.path())), qsizetype(1));
}

QTEST_MAIN(TestServicesQt)
#include "services_qt_test.moc"
