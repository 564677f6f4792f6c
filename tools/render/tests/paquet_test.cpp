// SPDX-License-Identifier: GPL-3.0-or-later
// strataloom-render --scorm: the command line's rules, the page looked for
// beside the program then in an installation's shared folder, a package
// that the system's unzip finds whole, and never a file written over.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include "outils.h"

namespace {

const QByteArray kPage =
    "<html><head></head><body>\n<script data-strataloom=\"donnees\">\nconst D = 1;\n</script>\n"
    "<script data-strataloom=\"moteur\">\nconst M = 2;\n</script>\n"
    "<script data-strataloom=\"page\">\nconst P = 3;\n</script>\n</body></html>\n";

bool Ecrire(const QString& chemin, const QByteArray& octets) {
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size();
}

QByteArray Unzip(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral("unzip"), args);
    p.waitForFinished(60000);
    return p.exitCode() == 0 ? p.readAllStandardOutput() : QByteArray("échec");
}

}  // namespace

class TestPaquet : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QVERIFY(tmp_.isValid());
        const QString base = Chemin(QStringLiteral("Base"));
        QVERIFY(QDir().mkpath(base));
        QVERIFY(essai::EcrireTextures(base));
        page_ = Chemin(QStringLiteral("page.html"));
        QVERIFY(Ecrire(page_, kPage));
        const QString liste = essai::EcrireListe(Chemin(QStringLiteral("pli.lst")),
                                                 {essai::kSed, "Compression", "Erosion", essai::kSed});
        exo_ = Chemin(QStringLiteral("pli.exo"));
        QCOMPARE(essai::Lancer({QStringLiteral("--base"), base, QStringLiteral("--make-exercise"), exo_,
                                QStringLiteral("--title"), QStringLiteral("Pli & érosion"), liste})
                     .code,
                 0);
    }

    void usage_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        const QString z = QStringLiteral("x.zip");
        QTest::newRow("sans_exercice") << QStringList{QStringLiteral("--scorm"), z} << QStringLiteral("au moins un exercice");
        QTest::newRow("seuil_trop_haut") << QStringList{QStringLiteral("--scorm"), z, QStringLiteral("--pass-mark"),
                                                        QStringLiteral("21"), QStringLiteral("a.exo")}
                                         << QStringLiteral("de 0 à 20");
        QTest::newRow("seuil_sans_paquet") << QStringList{QStringLiteral("--pass-mark"), QStringLiteral("5"),
                                                          QStringLiteral("-o"), QStringLiteral("x.bmp"), QStringLiteral("a.lst")}
                                           << QStringLiteral("ne vont qu'avec --scorm");
        QTest::newRow("avec_une_image") << QStringList{QStringLiteral("--scorm"), z, QStringLiteral("-o"),
                                                       QStringLiteral("x.bmp"), QStringLiteral("a.exo")}
                                        << QStringLiteral("ne va pas avec --scorm");
        QTest::newRow("avec_check") << QStringList{QStringLiteral("--scorm"), z, QStringLiteral("--check"),
                                                   QStringLiteral("a.exo"), QStringLiteral("a.lst")}
                                    << QStringLiteral("ne vont pas ensemble");
    }
    void usage() {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        const essai::Sortie s = essai::Lancer(args);
        QCOMPARE(s.code, 2);
        QVERIFY2(QString::fromUtf8(s.err).contains(message), s.err.constData());
    }

    void paquet_entier_et_jamais_ecrase() {
        const QString zip = Chemin(QStringLiteral("pli.zip"));
        const essai::Sortie s = essai::Lancer({QStringLiteral("--scorm"), zip, QStringLiteral("--page"), page_, exo_});
        QVERIFY2(s.code == 0, s.err.constData());
        QVERIFY(Unzip({QStringLiteral("-tq"), zip}) != "échec");
        QCOMPARE(Unzip({QStringLiteral("-Z1"), zip}),
                 QByteArray("imsmanifest.xml\nstrataloom.js\nexercice-01.html\n"));
        const QByteArray manifeste = Unzip({QStringLiteral("-p"), zip, QStringLiteral("imsmanifest.xml")});
        QVERIFY(manifeste.contains("<title>Pli &amp; érosion</title>"));
        QVERIFY(manifeste.contains("<adlcp:masteryscore>10</adlcp:masteryscore>"));
        const QByteArray avant = essai::Lire(zip);
        const essai::Sortie encore = essai::Lancer({QStringLiteral("--scorm"), zip, QStringLiteral("--page"), page_,
                                                    QStringLiteral("--pass-mark"), QStringLiteral("15"), exo_});
        QCOMPARE(encore.code, 1);
        QVERIFY(QString::fromUtf8(encore.err).contains(QStringLiteral("existe déjà")));
        QCOMPARE(essai::Lire(zip), avant);
    }

    // Titles holding characters XML 1.0 does not allow (the two
    // non-characters U+FFFE and U+FFFF): the manifest still parses, each
    // replaced by U+FFFD.
    void manifeste_xml_bien_forme() {
        const QString base = Chemin(QStringLiteral("Base"));
        const QString liste = Chemin(QStringLiteral("pli.lst"));
        const QString exo = Chemin(QStringLiteral("nonchar.exo"));
        const QString titre = QStringLiteral("Pli ") + QChar(0xFFFE) + QStringLiteral(" & ") + QChar(0xFFFF);
        const essai::Sortie fait = essai::Lancer({QStringLiteral("--base"), base, QStringLiteral("--make-exercise"), exo,
                                                  QStringLiteral("--title"), titre, liste});
        QVERIFY2(fait.code == 0, fait.err.constData());
        const QString zip = Chemin(QStringLiteral("nonchar.zip"));
        const essai::Sortie s = essai::Lancer({QStringLiteral("--scorm"), zip, QStringLiteral("--page"), page_,
                                               QStringLiteral("--title"), titre, exo});
        QVERIFY2(s.code == 0, s.err.constData());
        const QByteArray manifeste = Unzip({QStringLiteral("-p"), zip, QStringLiteral("imsmanifest.xml")});
        QXmlStreamReader xml(manifeste);
        QStringList titres;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("title"))
                titres << xml.readElementText();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        const QString attendu = QStringLiteral("Pli ") + QChar(0xFFFD) + QStringLiteral(" & ") + QChar(0xFFFD);
        QCOMPARE(titres, QStringList({attendu, attendu}));
    }

    // A copy of the program in a folder of its own: the page beside it
    // first, then in ../share/strataloom, else a message.
    void page_installee() {
        const QString bin = Chemin(QStringLiteral("installe/bin"));
        QVERIFY(QDir().mkpath(bin));
        const QString programme = bin + QStringLiteral("/strataloom-render");
        QVERIFY(QFile::copy(QStringLiteral(STRATALOOM_RENDER), programme));
        const auto lancer = [&](const QString& zip) {
            QProcess p;
            p.start(programme, {QStringLiteral("--scorm"), zip, exo_});
            p.waitForFinished(60000);
            return std::pair(p.exitCode(), QString::fromUtf8(p.readAllStandardError()));
        };
        auto [code, err] = lancer(Chemin(QStringLiteral("a.zip")));
        QCOMPARE(code, 1);
        QVERIFY2(err.contains(QStringLiteral("la page strataloom.html manque")) && err.contains(QStringLiteral("--page")),
                 qPrintable(err));
        QVERIFY(!QFileInfo::exists(Chemin(QStringLiteral("a.zip"))));

        QVERIFY(Ecrire(Chemin(QStringLiteral("installe/share/strataloom/strataloom.html")), kPage));
        std::tie(code, err) = lancer(Chemin(QStringLiteral("b.zip")));
        QCOMPARE(code, 0);
        QVERIFY(Unzip({QStringLiteral("-p"), Chemin(QStringLiteral("b.zip")), QStringLiteral("strataloom.js")})
                    .contains("const M = 2;"));

        // Beside the program comes first: here a page that is not Strataloom's.
        QVERIFY(Ecrire(bin + QStringLiteral("/strataloom.html"), "<html><script>x</script></html>"));
        std::tie(code, err) = lancer(Chemin(QStringLiteral("c.zip")));
        QCOMPARE(code, 1);
        QVERIFY2(err.contains(QStringLiteral("n'est pas celle de Strataloom")) && err.contains(QStringLiteral("installe/bin")),
                 qPrintable(err));
        QVERIFY(!QFileInfo::exists(Chemin(QStringLiteral("c.zip"))));
    }

private:
    QString Chemin(const QString& nom) const { return tmp_.filePath(nom); }
    QTemporaryDir tmp_;
    QString page_;
    QString exo_;
};

QTEST_MAIN(TestPaquet)
#include "paquet_test.moc"
