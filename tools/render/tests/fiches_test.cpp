// SPDX-License-Identifier: GPL-3.0-or-later
// The printable sheets of a series, read back as text (pdftotext): the
// pupils' pages first, then the keys; the seed on every page; a column to
// justify each event; the accepted orders and the principles on the keys.
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "outils.h"
#include "section/encodage.h"

class FichesTest : public QObject {
    Q_OBJECT

    QTemporaryDir tmp_;
    QString base_;
    QString pdftotext_;

    // The text of page `page` (from 1) of `pdf`.
    QString Page(const QString& pdf, int page) const {
        QProcess p;
        const QString n = QString::number(page);
        p.start(pdftotext_, {QStringLiteral("-f"), n, QStringLiteral("-l"), n, pdf, QStringLiteral("-")});
        if (!p.waitForFinished(60000)) return {};
        return QString::fromUtf8(p.readAllStandardOutput());
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(tmp_.isValid());
        base_ = tmp_.filePath(QStringLiteral("Base"));
        QVERIFY(QDir().mkpath(base_));
        QVERIFY(essai::EcrireTextures(base_));
        pdftotext_ = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    }

    void pagesDesElevesPuisCorriges() {
        if (pdftotext_.isEmpty()) QSKIP("pdftotext is not installed (poppler-utils)");
        constexpr int kExercices = 3;
        const QString dossier = tmp_.filePath(QStringLiteral("serie"));
        const QString pdf = dossier + QStringLiteral("/fiches.pdf");
        // Drawn on the program's own rocks: a series holds only exercises
        // that pass every rule.
        const QString livree = QCoreApplication::applicationDirPath() + QStringLiteral("/Base");
        const auto s = essai::Lancer({QStringLiteral("--base"), livree, QStringLiteral("--exercise"),
                                      QString::number(kExercices), QStringLiteral("--events"), QStringLiteral("5"),
                                      QStringLiteral("--seed"), QStringLiteral("4242"), QStringLiteral("--title"),
                                      QStringLiteral("Datation"), QStringLiteral("--out-dir"), dossier,
                                      QStringLiteral("--sheet"), pdf});
        QVERIFY2(s.code == 0, s.err.constData());
        QCOMPARE(essai::PagesPdf(essai::Lire(pdf)), 2 * kExercices);

        // The kinds of event a pupil's page must not give away in parentheses.
        QStringList sortes;
        for (const section::TypeEvenement& e : section::kEvenements)
            sortes << QStringLiteral("(%1)").arg(QString::fromStdString(section::Utf8DeLigne(e.ligne)).toLower());
        for (int i = 1; i <= kExercices; ++i) {
            const QString titre = QStringLiteral("Exercice %1 — Datation").arg(i);
            const QString eleve = Page(pdf, i);
            QVERIFY2(eleve.contains(QStringLiteral("4242")), qPrintable(eleve));
            QVERIFY2(eleve.contains(titre), qPrintable(eleve));
            QVERIFY(!eleve.contains(QStringLiteral("Corrigé")));
            QVERIFY2(eleve.contains(QStringLiteral("Justifie")), qPrintable(eleve));
            // Sentences read across the lines they wrap on.
            const QString phrases = eleve.simplified();
            QVERIFY(phrases.contains(QStringLiteral("part d'une série sédimentaire (calcaire, argile, conglomérat)")));
            QVERIFY(!phrases.contains(QStringLiteral("de gauche à droite")));
            // The legend names rocks: no kind of event in parentheses.
            const QString sansLegende = eleve.toLower();
            for (const QString& sorte : sortes) QVERIFY2(!sansLegende.contains(sorte), qPrintable(sorte + eleve));

            const QString corrige = Page(pdf, kExercices + i);
            QVERIFY2(corrige.contains(QStringLiteral("4242")), qPrintable(corrige));
            QVERIFY2(corrige.contains(QStringLiteral("Corrigé — ") + titre), qPrintable(corrige));
            QVERIFY2(corrige.contains(QStringLiteral("principe de")), qPrintable(corrige));
            QVERIFY(corrige.contains(QStringLiteral("accepté")));
            QVERIFY(!corrige.contains(QStringLiteral("justification"), Qt::CaseInsensitive));
            QVERIFY(!corrige.contains(QStringLiteral("Justifie")));
            // The key's legend tells the event behind each rock.
            QVERIFY2(corrige.simplified().contains(QStringLiteral("(série de départ")), qPrintable(corrige));
        }
    }
};

QTEST_GUILESS_MAIN(FichesTest)
#include "fiches_test.moc"
