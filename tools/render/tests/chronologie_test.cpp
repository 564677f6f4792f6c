// SPDX-License-Identifier: GPL-3.0-or-later
// The chronology from the command line: --chronologie writes only JSON,
// --check-order judges an order given as a list, and --make-exercise
// warns when a pupil could not read the order of its events.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include "outils.h"
#include "section/chronologie.h"
#include "section/ordre.h"

using essai::kSed;
using essai::Lancer;
using section::Liste;

Q_DECLARE_METATYPE(section::Liste)

namespace {

// The lesson's discordance: two layers folded, eroded, then covered.
const Liste kDiscordance{kSed, kSed, "Compression", "Erosion", kSed};
// A granite laid before the folding still cuts the folded layers: the
// picture reads it as younger than the folding.
const Liste kGraniteAvantLePli{kSed, kSed, "Plutonisme", "Compression", kSed};

}  // namespace

class ChronologieTest : public QObject {
    Q_OBJECT

    QTemporaryDir tmp_;
    QString base_;
    QString Chemin(const QString& nom) const { return tmp_.filePath(nom); }
    QStringList Base() const { return {QStringLiteral("--base"), base_}; }
    QString Liste_(const char* nom, const Liste& l) const {
        return essai::EcrireListe(Chemin(QString::fromUtf8(nom)), l);
    }
    QString Exercice(const char* nom, const Liste& l) {
        const QString exo = Chemin(QString::fromUtf8(nom) + QStringLiteral(".exo"));
        const auto s = Lancer(Base() + QStringList{QStringLiteral("--make-exercise"), exo,
                                                    Liste_((std::string(nom) + ".lst").c_str(), l)});
        return s.code == 0 ? exo : QString();
    }
    // The JSON of --chronologie, checked for its shape.
    static QJsonObject Json(const essai::Sortie& s) {
        QJsonParseError e{};
        const QJsonDocument d = QJsonDocument::fromJson(s.out, &e);
        if (e.error != QJsonParseError::NoError || !d.isObject()) return {};
        return d.object();
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(tmp_.isValid());
        base_ = Chemin(QStringLiteral("Base"));
        QVERIFY(QDir().mkpath(base_));
        QVERIFY(essai::EcrireTextures(base_));
    }

    void chronologieEnJson_data() {
        QTest::addColumn<Liste>("liste");
        QTest::addColumn<bool>("exercice");
        QTest::addColumn<bool>("lisible");
        QTest::addColumn<QString>("principe");  // one relation at least has it
        QTest::newRow("discordance, liste") << kDiscordance << false << true << QStringLiteral("discordance");
        QTest::newRow("discordance, exercice") << kDiscordance << true << true << QStringLiteral("discordance");
        QTest::newRow("granite avant le pli") << kGraniteAvantLePli << false << false << QString();
        QTest::newRow("granite avant le pli, exercice") << kGraniteAvantLePli << true << false << QString();
    }
    void chronologieEnJson() {
        QFETCH(Liste, liste);
        QFETCH(bool, exercice);
        QFETCH(bool, lisible);
        QFETCH(QString, principe);
        const QString fichier = exercice ? Exercice(QTest::currentDataTag(), liste) : Liste_("c.lst", liste);
        QVERIFY(!fichier.isEmpty());
        const auto s = Lancer(Base() + QStringList{QStringLiteral("--chronologie"), fichier});
        QCOMPARE(s.code, 0);
        const QJsonObject o = Json(s);
        QVERIFY2(!o.isEmpty(), s.out.constData());
        for (const char* cle : {"cartes", "relations", "lisible", "ecarts"}) QVERIFY2(o.contains(QLatin1String(cle)), cle);
        // One card per event, its id its line in the list.
        const QJsonArray cartes = o[QLatin1String("cartes")].toArray();
        QCOMPARE(cartes.size(), static_cast<qsizetype>(liste.size() - 1));
        for (qsizetype i = 0; i < cartes.size(); ++i)
            QCOMPARE(cartes[i][QLatin1String("id")].toInt(), static_cast<int>(i + 1));
        QStringList principes;
        for (const QJsonValue r : o[QLatin1String("relations")].toArray()) {
            const int ancien = r[QLatin1String("ancien")].toInt(-1), recent = r[QLatin1String("recent")].toInt(-1);
            QVERIFY(ancien >= 0 && recent >= 1 && recent < static_cast<int>(liste.size()) && ancien != recent);
            principes << r[QLatin1String("principe")].toString();
            QVERIFY(r[QLatin1String("formations")].isArray());
        }
        for (const QString& p : principes)
            QVERIFY2(QStringList({QStringLiteral("superposition"), QStringLiteral("recoupement"),
                                  QStringLiteral("deformation"), QStringLiteral("discordance")}).contains(p),
                     qPrintable(p));
        if (!principe.isEmpty()) QVERIFY2(principes.contains(principe), s.out.constData());
        QCOMPARE(o[QLatin1String("lisible")].toBool(!lisible), lisible);
        const QJsonArray ecarts = o[QLatin1String("ecarts")].toArray();
        QCOMPARE(ecarts.isEmpty(), lisible);
        for (const QJsonValue e : ecarts) QVERIFY(!e[QLatin1String("texte")].toString().isEmpty());
        // The same as the engine writes for that list on these textures.
        section::Session modele = essai::Charge(base_, liste);
        section::Chronologie c = section::LireChronologie(modele);
        section::EvaluerLisibilite(modele.textures(), liste, c);
        QCOMPARE(QString::fromUtf8(s.out), QString::fromStdString(section::ChronologieJson(modele, c)));
    }

    void chronologieRefusee() {
        struct Cas {
            const char* nom;
            QStringList args;
            int code;
            const char* message;
        };
        const QString lst = Liste_("r.lst", kDiscordance);
        const Cas cas[] = {
            {"fichier absent", {QStringLiteral("--chronologie"), Chemin(QStringLiteral("absent.lst"))}, 1, "Chargement impossible"},
            {"dossier", {QStringLiteral("--chronologie"), tmp_.path()}, 1, "Chargement impossible"},
            {"liste en trop", {QStringLiteral("--chronologie"), lst, lst}, 2, "un seul fichier"},
            {"avec --check", {QStringLiteral("--chronologie"), lst, QStringLiteral("--check"), lst}, 2, "ne vont pas ensemble"},
            {"avec -o", {QStringLiteral("--chronologie"), lst, QStringLiteral("-o"), Chemin(QStringLiteral("x.bmp"))}, 2, "-o"},
            {"ordre sans liste", {QStringLiteral("--check-order"), lst}, 2, "une seule liste"},
        };
        for (const Cas& k : cas) {
            const auto s = Lancer(Base() + k.args);
            QVERIFY2(s.code == k.code, k.nom);
            QVERIFY2(s.out.isEmpty(), k.nom);
            QVERIFY2(QString::fromUtf8(s.err).contains(QString::fromUtf8(k.message)), s.err.constData());
        }
    }

    void ordreJuge_data() {
        QTest::addColumn<Liste>("ordre");
        QTest::addColumn<bool>("juste");
        QTest::newRow("ordre du modele") << kDiscordance << true;
        QTest::newRow("erosion avant le pli") << Liste{kSed, kSed, "Erosion", "Compression", kSed} << false;
        QTest::newRow("derniere couche avant le pli") << Liste{kSed, kSed, kSed, "Compression", "Erosion"} << false;
    }
    void ordreJuge() {
        QFETCH(Liste, ordre);
        QFETCH(bool, juste);
        const QString exo = Exercice("ordre", kDiscordance);
        QVERIFY(!exo.isEmpty());
        const auto s = Lancer(Base() + QStringList{QStringLiteral("--check-order"), exo, Liste_("o.lst", ordre)});
        QCOMPARE(s.code, 0);
        const QStringList lignes = QString::fromUtf8(s.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lignes.size(), 3);
        QCOMPARE(lignes[0], juste ? QStringLiteral("Ordre juste") : QStringLiteral("Ordre faux"));
        QVERIFY(!lignes[1].isEmpty());
        // The mark the engine gives that order.
        const section::Session modele = essai::Charge(base_, kDiscordance);
        const section::Chronologie c = section::LireChronologie(modele);
        const std::vector<int> ids = section::IdsDeListe(modele, c, ordre);
        QCOMPARE(ids.size(), kDiscordance.size() - 1);
        const int note = section::NoteOrdre(c, ids);
        QCOMPARE(lignes[2], QStringLiteral("Note : %1/20").arg(note));
        if (juste) QCOMPARE(note, 20);
        else QVERIFY2(note <= 10, qPrintable(lignes[2]));
        if (!juste) QVERIFY2(lignes[1].contains(QStringLiteral("principe")) || lignes[1].contains(QStringLiteral("discordance")),
                             qPrintable(lignes[1]));
    }

    void ordreDAutresEvenements() {
        const QString exo = Exercice("autre", kDiscordance);
        QVERIFY(!exo.isEmpty());
        const Liste autres[] = {
            {kSed, kSed, "Compression", kSed},
            {kSed, kSed, "Chevauchement", "Erosion", kSed},
            {kSed, kSed, "Compression", "Erosion", kSed, kSed},
        };
        for (const Liste& l : autres) {
            const auto s = Lancer(Base() + QStringList{QStringLiteral("--check-order"), exo, Liste_("x.lst", l)});
            QCOMPARE(s.code, 1);
            QVERIFY(s.out.isEmpty());
            QVERIFY2(QString::fromUtf8(s.err).contains(QStringLiteral("pas les mêmes événements")), s.err.constData());
        }
        const auto absent = Lancer(Base() + QStringList{QStringLiteral("--check-order"), Chemin(QStringLiteral("absent.exo")),
                                                         Liste_("y.lst", kDiscordance)});
        QCOMPARE(absent.code, 1);
    }

    void exerciceIllisibleEnregistreAvecUnAvertissement() {
        const QString illisible = Chemin(QStringLiteral("illisible.exo"));
        const auto s = Lancer(Base() + QStringList{QStringLiteral("--make-exercise"), illisible,
                                                    Liste_("illisible.lst", kGraniteAvantLePli)});
        QCOMPARE(s.code, 0);
        QVERIFY(QFile::exists(illisible));
        const QStringList lignes = QString::fromUtf8(s.err).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY2(!lignes.isEmpty(), s.err.constData());
        for (const QString& l : lignes) QVERIFY2(l.startsWith(QStringLiteral("Attention : ")), qPrintable(l));

        const QString lisible = Chemin(QStringLiteral("lisible.exo"));
        const auto t = Lancer(Base() + QStringList{QStringLiteral("--make-exercise"), lisible,
                                                    Liste_("lisible.lst", kDiscordance)});
        QCOMPARE(t.code, 0);
        QVERIFY(QFile::exists(lisible));
        QVERIFY2(!t.err.contains("Attention"), t.err.constData());
    }
};

QTEST_GUILESS_MAIN(ChronologieTest)
#include "chronologie_test.moc"
