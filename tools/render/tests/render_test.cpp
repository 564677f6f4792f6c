// SPDX-License-Identifier: GPL-3.0-or-later
// strataloom-render as a user runs it: its pictures and report are those of
// the window's workshop after loading the same list; bad input is refused
// with the right exit code and a message naming the file.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include "dessin/images.h"
#include "section/encodage.h"
#include "options.h"
#include "outils.h"

using essai::kSed;
using essai::Lancer;
using section::Liste;

Q_DECLARE_METATYPE(section::Liste)

class RenderTest : public QObject {
    Q_OBJECT

    QTemporaryDir tmp_;
    QString base_;
    QString Chemin(const QString& nom) const { return tmp_.filePath(nom); }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(tmp_.isValid());
        base_ = Chemin(QStringLiteral("Base"));
        QVERIFY(QDir().mkpath(base_));
        QVERIFY(essai::EcrireTextures(base_));
    }

    void aideEtVersion() {
        const auto aide = Lancer({QStringLiteral("--help")});
        QCOMPARE(aide.code, 0);
        QVERIFY(aide.out.startsWith("Utilisation :"));
        QVERIFY(aide.out.contains("--grade"));
        const auto version = Lancer({QStringLiteral("--version")});
        QCOMPARE(version.code, 0);
        QCOMPARE(version.out, QByteArray("strataloom-render 2.1.0\n"));
    }

    void erreursUtilisation_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("attendu");
        const QString l = QStringLiteral("a.lst");
        QTest::newRow("rien") << QStringList{} << QStringLiteral("aucune liste");
        QTest::newRow("option inconnue") << QStringList{QStringLiteral("--vite"), l} << QStringLiteral("inconnue");
        QTest::newRow("-o sans valeur") << QStringList{l, QStringLiteral("-o")} << QStringLiteral("attend une valeur");
        QTest::newRow("rien a ecrire") << QStringList{l} << QStringLiteral("rien à écrire");
        QTest::newRow("deux listes") << QStringList{l, l, QStringLiteral("-o"), QStringLiteral("x.bmp")}
                                     << QStringLiteral("une seule liste");
        QTest::newRow("option double") << QStringList{l, QStringLiteral("-o"), QStringLiteral("x"),
                                                      QStringLiteral("-o"), QStringLiteral("y")}
                                       << QStringLiteral("deux fois");
        QTest::newRow("diff sans compare") << QStringList{QStringLiteral("--diff=d.bmp"), l, QStringLiteral("-o"), QStringLiteral("x")}
                                           << QStringLiteral("--diff");
        QTest::newRow("zero exercice") << QStringList{QStringLiteral("--exercise"), QStringLiteral("0"),
                                                      QStringLiteral("--events"), QStringLiteral("3"),
                                                      QStringLiteral("--seed"), QStringLiteral("1"),
                                                      QStringLiteral("--out-dir"), QStringLiteral("d")}
                                       << QStringLiteral("1 à 99");
        QTest::newRow("graine negative") << QStringList{QStringLiteral("--exercise"), QStringLiteral("1"),
                                                        QStringLiteral("--events"), QStringLiteral("3"),
                                                        QStringLiteral("--seed"), QStringLiteral("-1"),
                                                        QStringLiteral("--out-dir"), QStringLiteral("d")}
                                         << QStringLiteral("--seed");
        QTest::newRow("exercice sans graine") << QStringList{QStringLiteral("--exercise=2"), QStringLiteral("--events=3"),
                                                             QStringLiteral("--out-dir=d")}
                                              << QStringLiteral("--seed");
        QTest::newRow("grade sans liste") << QStringList{QStringLiteral("--grade"), l} << QStringLiteral("au moins une liste");
        QTest::newRow("compare et steps") << QStringList{QStringLiteral("--compare"), QStringLiteral("m.bmp"),
                                                         QStringLiteral("--steps"), QStringLiteral("d"), l}
                                          << QStringLiteral("ne va pas avec");
    }
    void erreursUtilisation() {
        QFETCH(QStringList, args);
        QFETCH(QString, attendu);
        const auto s = Lancer(QStringList{QStringLiteral("--base"), base_} + args);
        QCOMPARE(s.code, 2);
        const QString err = QString::fromUtf8(s.err);
        QVERIFY2(err.contains(attendu), qPrintable(err));
        QVERIFY(err.contains(QStringLiteral("--help")));
        QVERIFY(s.out.isEmpty());
    }

    void analyseDesArguments() {
        const auto r = rendu::Analyser({QStringLiteral("--base=B"), QStringLiteral("--"), QStringLiteral("-x.lst"),
                                        QStringLiteral("-o"), QStringLiteral("-")});
        QVERIFY(std::holds_alternative<QString>(r));  // "-o" after "--" is a list name
        const auto v = rendu::Analyser({QStringLiteral("--state=e.json"), QStringLiteral("-")});
        QVERIFY(std::holds_alternative<rendu::Options>(v));
        const auto& o = std::get<rendu::Options>(v);
        QCOMPARE(o.mode, rendu::Mode::Rendu);
        QCOMPARE(o.listes, QStringList{QStringLiteral("-")});
        QCOMPARE(o.etat, QStringLiteral("e.json"));
        const auto g = rendu::Analyser({QStringLiteral("--exercise"), QStringLiteral("3"), QStringLiteral("--events"),
                                        QStringLiteral("5"), QStringLiteral("--seed"), QStringLiteral("4294967295"),
                                        QStringLiteral("--out-dir"), QStringLiteral("d")});
        QVERIFY(std::holds_alternative<rendu::Options>(g));
        QCOMPARE(std::get<rendu::Options>(g).graine, 4294967295u);
        QCOMPARE(std::get<rendu::Options>(g).mode, rendu::Mode::Exercices);
        QVERIFY(std::holds_alternative<QString>(rendu::Analyser(
            {QStringLiteral("--exercise"), QStringLiteral("3"), QStringLiteral("--events"), QStringLiteral("5"),
             QStringLiteral("--seed"), QStringLiteral("4294967296"), QStringLiteral("--out-dir"), QStringLiteral("d")})));
    }

    void imageEgaleVueDeLaSession_data() {
        QTest::addColumn<Liste>("liste");
        QTest::addColumn<QStringList>("ignorees");  // what standard error names
        const QStringList rien;
        QTest::newRow("depart seul") << Liste{kSed} << rien;
        QTest::newRow("pli puis erosion") << Liste{kSed, "Compression", "Erosion"} << rien;
        QTest::newRow("les sept") << Liste{kSed, kSed, "Plutonisme", "Compression", "Erosion", "Volcanisme",
                                           "Chevauchement", "Distension", kSed} << rien;
        QTest::newRow("lignes inconnues") << Liste{kSed, "erosion", "Erosion ", "", "Compression"}
                                          << QStringList{QStringLiteral("ligne 2 ignorée : « erosion »"),
                                                         QStringLiteral("ligne 3 ignorée : « Erosion  »"),
                                                         QStringLiteral("ligne 4 ignorée : «  »")};
        QTest::newRow("premiere ligne non rejouee")
            << Liste{"Erosion", "Distension"} << QStringList{QStringLiteral("ligne 1 ignorée : « Erosion »")};
        QTest::newRow("volcan hors regle") << Liste{kSed, "Compression", "Volcanisme", "Volcanisme"} << rien;
    }
    void imageEgaleVueDeLaSession() {
        QFETCH(Liste, liste);
        QFETCH(QStringList, ignorees);
        const QString lst = essai::EcrireListe(Chemin(QStringLiteral("vue.lst")), liste);
        const QString bmp = Chemin(QStringLiteral("vue.bmp"));
        const QString sec = Chemin(QStringLiteral("section.png"));
        QFile::remove(bmp);
        const auto s = Lancer({QStringLiteral("--base"), base_, lst, QStringLiteral("-o"), bmp,
                               QStringLiteral("--section"), sec});
        // One line of standard error for each line the replay skips.
        QStringList attendu;
        for (const QString& l : ignorees) attendu << QStringLiteral("strataloom-render : %1, %2").arg(lst, l);
        QCOMPARE(QString::fromUtf8(s.err).split(QLatin1Char('\n'), Qt::SkipEmptyParts), attendu);
        QCOMPARE(s.code, 0);
        const section::Session a = essai::Charge(base_, liste);
        const auto lu = dessin::LireBmp(bmp);
        QVERIFY(lu.has_value());
        QCOMPARE(lu->width(), a.observe().width() - 100);
        QCOMPARE(lu->height(), 480);
        QVERIFY(*lu == a.vue());
        // Byte for byte what the window's picture export writes, but for the
        // resolution fields, which follow the screen of the writing process.
        const QString reference = Chemin(QStringLiteral("reference.bmp"));
        QVERIFY(dessin::EcrireImage(a.vue(), reference));
        QCOMPARE(essai::SansResolution(essai::Lire(bmp)), essai::SansResolution(essai::Lire(reference)));
        // The whole section is a BMP whatever its name says.
        QVERIFY(essai::Lire(sec).startsWith("BM"));
        const auto coupe = dessin::LireBmp(sec);
        QVERIFY(coupe.has_value());
        QVERIFY(*coupe == a.observe());
    }

    void pngSelonLExtension() {
        const Liste liste{kSed, "Compression"};
        const QString lst = essai::EcrireListe(Chemin(QStringLiteral("png.lst")), liste);
        const QString png = Chemin(QStringLiteral("vue.PNG"));
        QCOMPARE(Lancer({QStringLiteral("--base"), base_, lst, QStringLiteral("-o"), png}).code, 0);
        QVERIFY(essai::Lire(png).startsWith("\x89PNG"));
        QImage img(png);
        QVERIFY(!img.isNull());
        QVERIFY(dessin::DeImage(img) == essai::Charge(base_, liste).vue());
    }

    void etatApresLeRejeu() {
        const Liste liste{kSed, "Compression", "Distension", "Inconnue"};
        const QString lst = essai::EcrireListe(Chemin(QStringLiteral("etat.lst")), liste);
        const QString json = Chemin(QStringLiteral("etat.json"));
        QCOMPARE(Lancer({QStringLiteral("--base"), base_, QStringLiteral("--state"), json, lst}).code, 0);
        const QJsonObject o = QJsonDocument::fromJson(essai::Lire(json)).object();
        section::Session a = essai::Charge(base_, liste);
        QCOMPARE(o.value(QStringLiteral("SurfaceBas")).toInt(-1), a.section().SurfaceBas);
        QCOMPARE(o.value(QStringLiteral("SurfaceHaut")).toInt(-1), a.section().SurfaceHaut);
        QCOMPARE(o.value(QStringLiteral("FacteurPli")).toDouble(), 1.75);
        QCOMPARE(o.value(QStringLiteral("FacteurPliPrec")).toDouble(), 1.0);
        QCOMPARE(o.value(QStringLiteral("HautSocle")).toInt(-1), section::HautSocle(a.section()));
        const QJsonArray lignes = o.value(QStringLiteral("lignes")).toArray();
        QCOMPARE(lignes.size(), 4);
        QCOMPARE(lignes.at(0).toString(), QStringLiteral("Sédimentation"));
        QCOMPARE(lignes.at(3).toString(), QStringLiteral("Inconnue"));
        const QJsonObject commandes = o.value(QStringLiteral("commandes")).toObject();
        QCOMPARE(commandes.size(), 7);
        for (const section::TypeEvenement& e : section::kEvenements) {
            const QString nom = QString::fromStdString(section::Utf8DeLigne(e.ligne));
            QVERIFY2(commandes.contains(nom), qPrintable(nom));
            QCOMPARE(commandes.value(nom).toBool(), a.Disponible(e.evenement));
        }
        // After a stretch the section can no longer be folded.
        QCOMPARE(commandes.value(QStringLiteral("Compression")).toBool(), false);
        QCOMPARE(commandes.value(QStringLiteral("Distension")).toBool(), true);
    }

    // A Windows-1252 line is named in UTF-8; standard input by its name.
    void lignesIgnoreesDeLEntreeStandard() {
        const QByteArray liste = QByteArray(kSed.data()) + "\rS\xE9isme\r\nErosion\n";
        const auto s = Lancer({QStringLiteral("--base"), base_, QStringLiteral("-"), QStringLiteral("-o"),
                               Chemin(QStringLiteral("seisme.bmp"))}, liste);
        QCOMPARE(s.code, 0);
        QCOMPARE(QString::fromUtf8(s.err),
                 QStringLiteral("strataloom-render : entrée standard, ligne 2 ignorée : « Séisme »\n"));
    }

    void entreeStandardEtFinsDeLigne() {
        const Liste liste{kSed, "Compression", "Erosion"};
        const QString bmp = Chemin(QStringLiteral("stdin.bmp"));
        const QByteArray cr = QByteArray(kSed.data()) + "\rCompression\rErosion";
        QCOMPARE(Lancer({QStringLiteral("--base"), base_, QStringLiteral("-"), QStringLiteral("-o"), bmp}, cr).code, 0);
        const auto lu = dessin::LireBmp(bmp);
        QVERIFY(lu.has_value());
        QVERIFY(*lu == essai::Charge(base_, liste).vue());
    }

    void listeIllisible() {
        const QString absente = Chemin(QStringLiteral("absente.lst"));
        const QString bmp = Chemin(QStringLiteral("jamais.bmp"));
        auto s = Lancer({QStringLiteral("--base"), base_, absente, QStringLiteral("-o"), bmp});
        QCOMPARE(s.code, 1);
        QVERIFY(QString::fromUtf8(s.err).contains(absente));
        QVERIFY(QString::fromUtf8(s.err).contains(QStringLiteral("Chargement impossible")));
        QVERIFY(!QFile::exists(bmp));
        s = Lancer({QStringLiteral("--base"), base_, tmp_.path(), QStringLiteral("-o"), bmp});
        QCOMPARE(s.code, 1);
        // Beyond 16 MiB the list is refused before anything is replayed.
        const QString enorme = Chemin(QStringLiteral("enorme.lst"));
        {
            QFile f(enorme);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(16LL * 1024 * 1024 + 1));
        }
        s = Lancer({QStringLiteral("--base"), base_, enorme, QStringLiteral("-o"), bmp});
        QCOMPARE(s.code, 1);
        QVERIFY(QString::fromUtf8(s.err).contains(QStringLiteral("16 Mio")));
        QFile::remove(enorme);
        QVERIFY(!QFile::exists(bmp));
        // Exactly 16 MiB is still a list (NUL bytes: no line at all).
        {
            QFile f(enorme);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(16LL * 1024 * 1024));
        }
        s = Lancer({QStringLiteral("--base"), base_, enorme, QStringLiteral("-o"), bmp});
        QCOMPARE(s.code, 0);
        QFile::remove(enorme);
    }

    void texturesAbsentes() {
        const QString lst = essai::EcrireListe(Chemin(QStringLiteral("t.lst")), {kSed});
        const QString vide = Chemin(QStringLiteral("BaseVide"));
        auto s = Lancer({QStringLiteral("--base"), vide, lst, QStringLiteral("-o"), Chemin(QStringLiteral("t.bmp"))});
        QCOMPARE(s.code, 1);
        QVERIFY(QString::fromUtf8(s.err).contains(vide + QStringLiteral("/Couche1.bmp")));
        QVERIFY(QString::fromUtf8(s.err).contains(QStringLiteral("Un ou plusieurs fichiers d'images sont absents")));
        // One texture missing among the seven is named.
        const QString partielle = Chemin(QStringLiteral("BasePartielle"));
        QVERIFY(QDir().mkpath(partielle));
        for (const char* nom : section::kFichiersTextures)
            if (QLatin1String(nom) != QLatin1String("Granit0.bmp"))
                QVERIFY(QFile::copy(base_ + QLatin1Char('/') + QLatin1String(nom), partielle + QLatin1Char('/') + QLatin1String(nom)));
        s = Lancer({QStringLiteral("--base"), partielle, lst, QStringLiteral("-o"), Chemin(QStringLiteral("t.bmp"))});
        QCOMPARE(s.code, 1);
        QVERIFY(QString::fromUtf8(s.err).contains(QStringLiteral("Granit0.bmp")));
        QVERIFY(!QFile::exists(Chemin(QStringLiteral("t.bmp"))));
    }

    void imageImpossibleAEcrire() {
        const QString lst = essai::EcrireListe(Chemin(QStringLiteral("w.lst")), {kSed});
        const QString cible = Chemin(QStringLiteral("pas/de/dossier/x.bmp"));
        auto s = Lancer({QStringLiteral("--base"), base_, lst, QStringLiteral("-o"), cible});
        QCOMPARE(s.code, 1);
        QVERIFY(QString::fromUtf8(s.err).contains(QStringLiteral("Impossible de créer le fichier ") + cible));
        // A folder in the way of the picture is left as it was.
        const QString obstacle = Chemin(QStringLiteral("obstacle.bmp"));
        QVERIFY(QDir().mkpath(obstacle + QStringLiteral("/dedans")));
        s = Lancer({QStringLiteral("--base"), base_, lst, QStringLiteral("-o"), obstacle});
        QCOMPARE(s.code, 1);
        QVERIFY(QFileInfo(obstacle + QStringLiteral("/dedans")).isDir());
        // A failed write leaves the file that was there.
        const QString dossier = Chemin(QStringLiteral("lecture-seule"));
        QVERIFY(QDir().mkpath(dossier));
        const QString existant = essai::EcrireListe(dossier + QStringLiteral("/x.bmp"), {"garde"});
        QVERIFY(QFile::setPermissions(dossier, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        s = Lancer({QStringLiteral("--base"), base_, lst, QStringLiteral("-o"), existant});
        QFile::setPermissions(dossier, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        if (s.code == 0) QSKIP("running with rights that ignore folder permissions");
        QCOMPARE(s.code, 1);
        QCOMPARE(essai::Lire(existant), QByteArray("garde\r\n"));
    }

    void unDossierDImages() {
        const Liste l1{kSed, "Compression"}, l2{kSed, "Distension"};
        const QString a = essai::EcrireListe(Chemin(QStringLiteral("classe-a.lst")), l1);
        const QString b = essai::EcrireListe(Chemin(QStringLiteral("classe.b.lst")), l2);
        const QString absente = Chemin(QStringLiteral("classe-c.lst"));
        const QString dossier = Chemin(QStringLiteral("images/nouveau"));
        const auto s = Lancer({QStringLiteral("--base"), base_, QStringLiteral("--out-dir"), dossier, a, absente, b});
        QCOMPARE(s.code, 1);  // one list missing, the others still drawn
        QVERIFY(QString::fromUtf8(s.err).contains(absente));
        const auto ia = dessin::LireBmp(dossier + QStringLiteral("/classe-a.bmp"));
        const auto ib = dessin::LireBmp(dossier + QStringLiteral("/classe.b.bmp"));
        QVERIFY(ia && ib);
        QVERIFY(*ia == essai::Charge(base_, l1).vue());
        QVERIFY(*ib == essai::Charge(base_, l2).vue());
        QVERIFY(!QFile::exists(dossier + QStringLiteral("/classe-c.bmp")));
        QCOMPARE(Lancer({QStringLiteral("--base"), base_, QStringLiteral("--out-dir"), dossier, a, a}).code, 2);
        QCOMPARE(Lancer({QStringLiteral("--base"), base_, QStringLiteral("--out-dir"), dossier, a, b}).code, 0);
    }
};

QTEST_GUILESS_MAIN(RenderTest)
#include "render_test.moc"
