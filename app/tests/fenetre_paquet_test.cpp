// SPDX-License-Identifier: GPL-3.0-or-later
// "Exporter pour l'ENT (SCORM)..." in the window and in the teacher's
// space: the package is the one strataloom-render makes from the same
// exercise files and page; no package without a page or with a wrong pass
// mark, and nothing written then. The page is a small one with the three
// marked scripts, given through STRATALOOM_PAGE.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QSpinBox>
#include <QtTest>

#include "banc.h"
#include "fenetre_enseignant.h"
#include "section/paquet_scorm.h"
#include "textures_essai.h"
#include "section/serie_exercices.h"

using Genre = FauxMessages::Genre;

namespace {

const section::Ligne kSed = section::Ligne(section::kLigneInitiale);
const section::Liste kListe{kSed, "Compression", "Erosion", kSed};

const QByteArray kPage =
    "<!DOCTYPE html>\n<html><head><style>p{}</style></head><body>\n"
    "<script data-strataloom=\"donnees\">\nconst D = 1;\n</script>\n"
    "<script data-strataloom=\"moteur\">\nconst M = 2;\n</script>\n"
    "<script data-strataloom=\"page\">\nconst P = 3;\n</script>\n</body></html>\n";

// strataloom-render's exit code, its package written at `zip`.
int Rendre(const QStringList& arguments) {
    QProcess p;
    p.start(QStringLiteral(STRATALOOM_RENDER), arguments);
    if (!p.waitForFinished(60000)) return -1;
    if (p.exitCode() != 0) qWarning("%s", p.readAllStandardError().constData());
    return p.exitCode();
}

// One file of a zip, read by the system's unzip.
QByteArray Extraire(const QString& zip, const QString& nom) {
    QProcess p;
    p.start(QStringLiteral("unzip"), {QStringLiteral("-p"), zip, nom});
    p.waitForFinished(60000);
    return p.readAllStandardOutput();
}

}  // namespace

class TestPaquet : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void exerciceOuvertCommeLeRendu();
    void seuilOuPageRefusesRienEcrit();
    void serieDeLEnseignantCommeLeRendu();
    void pageDemandeeUneFoisPuisRetenue();

private:
    QTemporaryDir pages_;
    QString page_;
};

void TestPaquet::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);  // the settings this test writes stay its own
    page_ = pages_.filePath(QStringLiteral("strataloom.html"));
    QVERIFY(EcrireFichier(page_, kPage));
    qputenv("STRATALOOM_PAGE", page_.toLocal8Bit());
}

void TestPaquet::exerciceOuvertCommeLeRendu() {
    Banc b;
    QVERIFY(!b.Action("ExporterScorm1")->isEnabled());
    const QString exo = EcrireExercice(b, kListe, QStringLiteral("pli & faille.exo"), "Le pli <érodé>");
    QVERIFY(!exo.isEmpty());
    b.f.fichiers.Repondre(exo);
    b.Action("Ouvrirexercice1")->trigger();
    QVERIFY(b.Action("ExporterScorm1")->isEnabled());

    const QString zip = b.Chemin(QStringLiteral("fenetre.zip"));
    b.f.questions.textes.push_back(QStringLiteral(" 13 "));
    b.f.fichiers.Repondre(zip);
    b.Action("ExporterScorm1")->trigger();
    QVERIFY(QFileInfo::exists(zip));
    const DemandeFichier& d = b.f.fichiers.enregistrements.back();
    QVERIFY(d.confirmerEcrasement);
    QCOMPARE(d.nomFichier, QStringLiteral("pli & faille.zip"));

    const QString rendu = b.Chemin(QStringLiteral("rendu.zip"));
    QCOMPARE(Rendre({QStringLiteral("--scorm"), rendu, QStringLiteral("--page"), page_, QStringLiteral("--pass-mark"),
                     QStringLiteral("13"), exo}),
             0);
    const QByteArray manifeste = Extraire(zip, QStringLiteral("imsmanifest.xml"));
    QVERIFY(manifeste.contains("<adlcp:masteryscore>13</adlcp:masteryscore>"));
    QVERIFY(manifeste.contains("<title>Le pli &lt;érodé&gt;</title>"));
    QCOMPARE(manifeste, Extraire(rendu, QStringLiteral("imsmanifest.xml")));
    QCOMPARE(Extraire(zip, QStringLiteral("strataloom.js")), QByteArray("\nconst D = 1;\n\n\nconst M = 2;\n\n\nconst P = 3;\n\n"));
    // The renderer, like the window's dialog, never writes over a file.
    QCOMPARE(Rendre({QStringLiteral("--scorm"), rendu, QStringLiteral("--page"), page_, exo}), 1);
}

void TestPaquet::seuilOuPageRefusesRienEcrit() {
    Banc b;
    const QString exo = EcrireExercice(b, kListe, QStringLiteral("pli.exo"), "Le pli");
    b.f.fichiers.Repondre(exo);
    b.Action("Ouvrirexercice1")->trigger();
    const QString zip = b.Chemin(QStringLiteral("p.zip"));
    for (const char* seuil : {"21", "-1", "dix", "1.5"}) {
        b.f.questions.textes.push_back(QString::fromLatin1(seuil));
        b.f.fichiers.Repondre(zip);
        QVERIFY(!b.w->ExporterScorm());
        QCOMPARE(b.f.messages.messages.back().genre, Genre::Erreur);
        QVERIFY(b.f.messages.messages.back().texte.contains(QStringLiteral("de 0 à 20")));
        b.f.fichiers.reponses.clear();
    }
    // A page that is not Strataloom's, then none at all.
    const QString autre = b.Chemin(QStringLiteral("autre.html"));
    QVERIFY(EcrireFichier(autre, "<html><script>x</script></html>"));
    qputenv("STRATALOOM_PAGE", autre.toLocal8Bit());
    b.f.questions.textes.push_back(QStringLiteral("10"));
    QVERIFY(!b.w->ExporterScorm());
    QVERIFY(b.f.messages.messages.back().texte.contains(QStringLiteral("n'est pas celle de Strataloom")));
    qputenv("STRATALOOM_PAGE", b.Chemin(QStringLiteral("absente.html")).toLocal8Bit());
    b.f.questions.textes.push_back(QStringLiteral("10"));
    QVERIFY(!b.w->ExporterScorm());
    QVERIFY(b.f.messages.messages.back().texte.contains(QStringLiteral("absente.html")));
    qputenv("STRATALOOM_PAGE", page_.toLocal8Bit());
    QVERIFY(!QFileInfo::exists(zip));
    QVERIFY(b.f.fichiers.enregistrements.empty());
}

void TestPaquet::serieDeLEnseignantCommeLeRendu() {
    Banc b;
    const std::optional<section::Textures> livrees = section::test::TexturesLivrees();
    if (!livrees) QSKIP("no Base folder beside the test program");
    FenetreEnseignant f(b.f.services(), *livrees, b.dossier.path());
    f.findChild<QSpinBox*>(QStringLiteral("NombreExercices"))->setValue(3);
    f.findChild<QSpinBox*>(QStringLiteral("EvenementsParExercice"))->setValue(3);
    f.findChild<QLineEdit*>(QStringLiteral("Graine"))->setText(QStringLiteral("77"));
    f.findChild<QLineEdit*>(QStringLiteral("PrefixeTitre"))->setText(QStringLiteral("Falaises"));
    b.f.fichiers.Repondre(b.dossier.path());
    QVERIFY(f.CreerSerie());
    const QString zip = b.Chemin(QStringLiteral("serie.zip"));
    b.f.questions.textes.push_back(QStringLiteral("12"));
    b.f.fichiers.Repondre(zip);
    QCOMPARE(f.ExporterSerieScorm(), std::optional<QString>(zip));
    QVERIFY(f.findChild<QLabel*>(QStringLiteral("BilanSerie"))->text().contains(QStringLiteral("3 ")));

    // The same exercises, from the files the series wrote.
    QStringList arguments{QStringLiteral("--scorm"), b.Chemin(QStringLiteral("rendu.zip")), QStringLiteral("--page"),
                          page_,  QStringLiteral("--pass-mark"), QStringLiteral("12"), QStringLiteral("--title"),
                          QStringLiteral("Falaises")};
    for (int i = 1; i <= 3; ++i)
        arguments << b.Chemin(QStringLiteral("Falaises - 77/") + QString::fromStdString(section::NomFichierSerie(77, i, ".exo")));
    QCOMPARE(Rendre(arguments), 0);
    QCOMPARE(Octets(zip), Octets(b.Chemin(QStringLiteral("rendu.zip"))));
    const QByteArray manifeste = Extraire(zip, QStringLiteral("imsmanifest.xml"));
    QCOMPARE(manifeste.count("<adlcp:masteryscore>12</adlcp:masteryscore>"), 3);
    QVERIFY(manifeste.contains("<title>Exercice 2 — Falaises</title>"));
    for (int i = 1; i <= 3; ++i)
        QVERIFY(Extraire(zip, QString::fromStdString(section::PageExercicePaquet(i))).contains("window.STRATALOOM_SCO"));
}

// No page beside the program (STRATALOOM_PAGE set and empty): the window
// says so and asks for it; a page that made a package is remembered, and
// asked for again only once it is gone. Cancelling writes nothing.
void TestPaquet::pageDemandeeUneFoisPuisRetenue() {
    QSettings(QStringLiteral("Strataloom"), QStringLiteral("strataloom")).remove(QStringLiteral("paquet/page"));
    qputenv("STRATALOOM_PAGE", QByteArray());
    Banc b;
    const QString exo = EcrireExercice(b, kListe, QStringLiteral("pli.exo"), "Le pli");
    b.f.fichiers.Repondre(exo);
    b.Action("Ouvrirexercice1")->trigger();
    const QString page = b.Chemin(QStringLiteral("ma page.html"));
    QVERIFY(QFile::copy(page_, page));
    // Cancelled: no package, nothing remembered.
    b.f.fichiers.Annuler();
    QVERIFY(!b.w->ExporterScorm());
    QCOMPARE(b.f.messages.messages.back().genre, Genre::Information);
    QVERIFY(b.f.messages.messages.back().texte.contains(QStringLiteral("Choisissez le fichier strataloom.html")));
    // Chosen: the package is made from it.
    const std::size_t ouvertures = b.f.fichiers.ouvertures.size();
    b.f.fichiers.Repondre(page);
    b.f.questions.textes.push_back(QStringLiteral("10"));
    const QString zip = b.Chemin(QStringLiteral("a.zip"));
    b.f.fichiers.Repondre(zip);
    QVERIFY(b.w->ExporterScorm());
    QCOMPARE(b.f.fichiers.ouvertures.size(), ouvertures + 1);
    QCOMPARE(Extraire(zip, QStringLiteral("strataloom.js")), QByteArray("\nconst D = 1;\n\n\nconst M = 2;\n\n\nconst P = 3;\n\n"));
    // Next time it is not asked for.
    const std::size_t messages = b.f.messages.messages.size();
    b.f.questions.textes.push_back(QStringLiteral("10"));
    b.f.fichiers.Repondre(b.Chemin(QStringLiteral("b.zip")));
    QVERIFY(b.w->ExporterScorm());
    QCOMPARE(b.f.fichiers.ouvertures.size(), ouvertures + 1);
    QCOMPARE(b.f.messages.messages.size(), messages);
    // Gone: asked for again.
    QVERIFY(QFile::remove(page));
    b.f.fichiers.Annuler();
    QVERIFY(!b.w->ExporterScorm());
    QCOMPARE(b.f.fichiers.ouvertures.size(), ouvertures + 2);
    QVERIFY(!QFileInfo::exists(b.Chemin(QStringLiteral("c.zip"))));
    qputenv("STRATALOOM_PAGE", page_.toLocal8Bit());
}

QTEST_MAIN(TestPaquet)
#include "fenetre_paquet_test.moc"
