// SPDX-License-Identifier: GPL-3.0-or-later
// The help viewer: a topic opens at its anchor, one window serves every
// request, a missing file or topic is said in the window.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextBlock>
#include <QtTest>

#include <algorithm>

#include "aide_qt.h"
#include "rubriques.h"

namespace {

// A help file in the generator's form: every topic has an anchor and a
// title with that id, and enough text that each topic needs scrolling.
QByteArray PageAide(const QList<int>& contextes) {
    QByteArray html =
        "<!DOCTYPE html>\n<html lang=\"fr\"><head><meta charset=\"utf-8\">"
        "<title>Aide</title></head><body>\n";
    for (int c : contextes) {
        const QByteArray n = QByteArray::number(c);
        html += "<a name=\"contexte-" + n + "\"></a>\n<h2 id=\"contexte-" + n +
                "\">Rubrique " + n + "</h2>\n";
        for (int i = 0; i < 40; ++i)
            html += "<p>Texte de la rubrique " + n + ", paragraphe " + QByteArray::number(i) +
                    " : les couches se déposent.</p>\n";
    }
    return html + "</body></html>\n";
}

bool Ecrire(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(octets) == octets.size();
}

// The title line of a topic lies at the top of the browser's view.
bool TitreEnHaut(QTextBrowser* b, const QString& titre) { return EnHautDeLaVue(b, b->document()->find(titre)); }

const QList<int> kTous = {0, 11, 12, 13, 14, 15, 16, 17};

}  // namespace

class TestAide : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QVERIFY(dossier_.isValid());
        fichier_ = dossier_.filePath(QStringLiteral("strataloom.hlp"));
        QVERIFY(Ecrire(fichier_, PageAide(kTous)));
    }

    void pas_de_fenetre_avant_la_premiere_demande() {
        AideQt aide;
        QVERIFY(!aide.fenetre());
        QVERIFY(aide.message().isEmpty());
    }

    void contexte_15_ouvre_sa_rubrique() {
        AideQt aide;
        aide.Montrer(fichier_, 15);
        QWidget* f = aide.fenetre();
        QVERIFY(f);
        QVERIFY(QTest::qWaitForWindowExposed(f));
        QVERIFY(f->isWindow());
        QVERIFY(!f->isModal());
        QCOMPARE(f->windowTitle(), QStringLiteral("Aide de Strataloom"));
        QTextBrowser* b = aide.navigateur();
        QCOMPARE(b->source().fragment(), QStringLiteral("contexte-15"));
        QCOMPARE(b->source().toLocalFile(), QFileInfo(fichier_).absoluteFilePath());
        QVERIFY(b->verticalScrollBar()->value() > 0);
        QVERIFY(TitreEnHaut(b, QStringLiteral("Rubrique 15")));
        QVERIFY(b->toPlainText().contains(QString::fromUtf8("les couches se déposent")));
        QVERIFY(aide.message().isEmpty());
        QVERIFY(!f->findChild<QLabel*>(QStringLiteral("Message"))->isVisible());
    }

    void contexte_0_en_tete_du_fichier() {
        AideQt aide;
        aide.Montrer(fichier_, 0);
        QVERIFY(QTest::qWaitForWindowExposed(aide.fenetre()));
        QCOMPARE(aide.navigateur()->source().fragment(), QStringLiteral("contexte-0"));
        QVERIFY(TitreEnHaut(aide.navigateur(), QStringLiteral("Rubrique 0")));
        QVERIFY(aide.message().isEmpty());
    }

    void une_seule_fenetre_reutilisee() {
        AideQt aide;
        aide.Montrer(fichier_, 11);
        QWidget* f = aide.fenetre();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        const int haut11 = aide.navigateur()->verticalScrollBar()->value();
        aide.Montrer(fichier_, 17);
        QCOMPARE(aide.fenetre(), f);
        QCOMPARE(aide.navigateur()->source().fragment(), QStringLiteral("contexte-17"));
        QVERIFY(aide.navigateur()->verticalScrollBar()->value() > haut11);
        QVERIFY(TitreEnHaut(aide.navigateur(), QStringLiteral("Rubrique 17")));
        // Closed by the user, it comes back for the next request.
        f->close();
        QVERIFY(!f->isVisible());
        aide.Montrer(fichier_, 12);
        QCOMPARE(aide.fenetre(), f);
        QVERIFY(f->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(f));
        QVERIFY(TitreEnHaut(aide.navigateur(), QStringLiteral("Rubrique 12")));
        // Minimised, it is restored.
        f->showMinimized();
        aide.Montrer(fichier_, 13);
        QVERIFY(!(f->windowState() & Qt::WindowMinimized));
        QVERIFY(TitreEnHaut(aide.navigateur(), QStringLiteral("Rubrique 13")));
        const QWidgetList fenetres = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(fenetres.begin(), fenetres.end(),
                               [](const QWidget* w) {
                                   return w->objectName() == QLatin1String("FenetreAide");
                               }),
                 1);
    }

    void fenetre_ne_retient_pas_le_programme() {
        AideQt aide;
        aide.Montrer(fichier_, 0);
        QVERIFY(!aide.fenetre()->testAttribute(Qt::WA_QuitOnClose));
    }

    void fichier_absent_dit_dans_la_fenetre() {
        AideQt aide;
        const QString absent = dossier_.filePath(QStringLiteral("absent.hlp"));
        aide.Montrer(absent, 15);
        QVERIFY(aide.fenetre());
        QVERIFY(aide.fenetre()->isVisible());
        const QString attendu = QString::fromUtf8("Le fichier d'aide « %1 » est introuvable.")
                                    .arg(QDir::toNativeSeparators(absent));
        QCOMPARE(aide.message(), attendu);
        QVERIFY(aide.navigateur()->toPlainText().contains(attendu));
        QVERIFY(!aide.fenetre()->findChild<QPushButton*>(QStringLiteral("Sommaire"))->isEnabled());
    }

    void dossier_au_lieu_du_fichier() {
        AideQt aide;
        aide.Montrer(dossier_.path(), 11);
        QVERIFY(aide.message().contains(QString::fromUtf8("est introuvable")) ||
                aide.message().contains(QString::fromUtf8("ne peut pas être lu")));
    }

    void rubrique_absente_dite_dans_la_fenetre() {
        const QString partiel = dossier_.filePath(QStringLiteral("partiel.hlp"));
        QVERIFY(Ecrire(partiel, PageAide({0, 11, 12})));
        AideQt aide;
        aide.Montrer(partiel, 12);
        QVERIFY(aide.message().isEmpty());
        aide.Montrer(partiel, 16);
        const QString attendu = QString::fromUtf8("La rubrique 16 est absente du fichier d'aide.");
        QCOMPARE(aide.message(), attendu);
        auto* bandeau = aide.fenetre()->findChild<QLabel*>(QStringLiteral("Message"));
        QVERIFY(bandeau->isVisible());
        QCOMPARE(bandeau->text(), attendu);
        // The file stays readable, from its start.
        QCOMPARE(aide.navigateur()->verticalScrollBar()->value(), 0);
        QVERIFY(aide.navigateur()->toPlainText().contains(QStringLiteral("Rubrique 11")));
        // A topic that exists takes the band away again.
        aide.Montrer(partiel, 11);
        QVERIFY(aide.message().isEmpty());
        QVERIFY(!bandeau->isVisible());
        QVERIFY(TitreEnHaut(aide.navigateur(), QStringLiteral("Rubrique 11")));
    }

    // A file that appears after a failed request is read at the next one,
    // and one rewritten since is read again.
    void fichier_relu_a_chaque_demande() {
        const QString tardif = dossier_.filePath(QStringLiteral("tardif.hlp"));
        AideQt aide;
        aide.Montrer(tardif, 14);
        QVERIFY(aide.message().contains(QString::fromUtf8("introuvable")));
        QVERIFY(Ecrire(tardif, PageAide({0, 14})));
        aide.Montrer(tardif, 14);
        QVERIFY(aide.message().isEmpty());
        QVERIFY(aide.navigateur()->toPlainText().contains(QStringLiteral("Rubrique 14")));
        QVERIFY(!aide.navigateur()->toPlainText().contains(QStringLiteral("introuvable")));
        QVERIFY(Ecrire(tardif, PageAide({0, 15})));
        aide.Montrer(tardif, 15);
        QVERIFY(aide.message().isEmpty());
        QVERIFY(!aide.navigateur()->toPlainText().contains(QStringLiteral("Rubrique 14")));
    }

    // Links between topics, then back and the contents page.
    void liens_precedent_et_sommaire() {
        AideQt aide;
        aide.Montrer(fichier_, 16);
        QTextBrowser* b = aide.navigateur();
        QUrl lien = b->source();
        lien.setFragment(QStringLiteral("contexte-13"));
        b->setSource(lien);
        QVERIFY(TitreEnHaut(b, QStringLiteral("Rubrique 13")));
        auto* precedent = aide.fenetre()->findChild<QPushButton*>(QStringLiteral("Precedent"));
        QVERIFY(precedent->isEnabled());
        QTest::mouseClick(precedent, Qt::LeftButton);
        QCOMPARE(b->source().fragment(), QStringLiteral("contexte-16"));
        QTest::mouseClick(aide.fenetre()->findChild<QPushButton*>(QStringLiteral("Sommaire")),
                          Qt::LeftButton);
        QCOMPARE(b->source().fragment(), QStringLiteral("contexte-0"));
        QVERIFY(TitreEnHaut(b, QStringLiteral("Rubrique 0")));
    }

    void fichier_du_programme_toutes_ses_rubriques() {
        const QString donnees = qEnvironmentVariable("STRATALOOM_DATA");
        const QString hlp = QDir(donnees).filePath(QStringLiteral("strataloom.hlp"));
        if (donnees.isEmpty() || !QFileInfo::exists(hlp)) QSKIP("no generated help file");
        AideQt aide;
        for (int c : kTous) {
            aide.Montrer(hlp, c);
            QVERIFY2(aide.message().isEmpty(), qPrintable(aide.message()));
        }
        // Each event's topic opens at its own title, Distension's too, and
        // shows its pictures, made beside the help file.
        QTextBrowser* b = nullptr;
        const QStringList titres = {QStringLiteral("Sédimentation"), QStringLiteral("Volcanisme"),
                                    QStringLiteral("Erosion"),       QStringLiteral("Plutonisme"),
                                    QStringLiteral("Compression"),   QStringLiteral("Chevauchement"),
                                    QStringLiteral("Distension")};
        for (int c = 11; c <= 17; ++c) {
            aide.Montrer(hlp, c);
            if (!b) b = aide.fenetre()->findChild<QTextBrowser*>();
            QVERIFY(b);
            aide.fenetre()->show();
            QVERIFY(QTest::qWaitForWindowExposed(aide.fenetre()));
            // The heading, not a mention of the event in an earlier topic.
            QVERIFY2(EnHautDeLaVue(b, Titre2(b->document(), titres[c - 11])), qPrintable(titres[c - 11]));
        }
        const ImagesDocument images = Images(b->document());
        QVERIFY2(images.absentes.isEmpty(), qPrintable(images.absentes.join(QLatin1Char(' '))));
        QCOMPARE(images.nombre, 14 + 3 + 2);  // before and after each event, the exercise windows, a sheet and its key
    }

private:
    QTemporaryDir dossier_;
    QString fichier_;
};

QTEST_MAIN(TestAide)
#include "aide_test.moc"
