// SPDX-License-Identifier: GPL-3.0-or-later
// The English help: the same topics, anchors and pictures as the French
// one, in English throughout (French words only where it shows list-file
// lines and folder names, marked lang="fr"), opened by the help window at
// the asked topic; and the choice of the help file by language.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QtTest>

#include "section/disponibilite.h"
#include "section/encodage.h"
#include "section/evenements.h"

#include "aide_qt.h"
#include "rubriques.h"
#include "dossiers.h"

namespace {

QString Texte(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString Lire(const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(f.readAll());
}

bool Ecrire(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(octets) == octets.size();
}

// Every capture of the first group of `motif` in `html`, in order.
QStringList Captures(const QString& html, const QString& motif) {
    QStringList trouves;
    const QRegularExpression re(motif, QRegularExpression::DotMatchesEverythingOption);
    for (auto it = re.globalMatch(html); it.hasNext();) trouves << it.next().captured(1);
    return trouves;
}

// The plain text of a piece of HTML, its spaces simplified.
QString Brut(const QString& html) {
    return QTextDocumentFragment::fromHtml(html).toPlainText().simplified();
}

// The title of each <h2>, by its id.
QMap<QString, QString> Titres(const QString& html) {
    QMap<QString, QString> titres;
    const QRegularExpression re(QStringLiteral("<h2 id=\"([^\"]+)\">(.*?)</h2>"),
                                QRegularExpression::DotMatchesEverythingOption);
    for (auto it = re.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        titres.insert(m.captured(1), Brut(m.captured(2)));
    }
    return titres;
}

// Every element marked as French, the whole element.
const QRegularExpression kFrancais(QStringLiteral("<(\\w+)\\b[^>]*\\blang=\"fr\"[^>]*>(.*?)</\\1>"),
                                   QRegularExpression::DotMatchesEverythingOption);

// The page of one topic, from its heading to the next one.
QString Sujet(const QString& html, const QString& id) {
    const qsizetype debut = html.indexOf(QStringLiteral("<h2 id=\"%1\">").arg(id));
    if (debut < 0) return QString();
    qsizetype fin = html.indexOf(QStringLiteral("<h2"), debut + 1);
    if (fin < 0) fin = html.size();
    return html.mid(debut, fin - debut);
}

// The window's captions of the seven events, in the order of their topics
// 11 to 17.
const QStringList kEvenementsAnglais = {
    QStringLiteral("Sedimentation"), QStringLiteral("Volcanism"),  QStringLiteral("Erosion"),
    QStringLiteral("Plutonism"),     QStringLiteral("Compression"), QStringLiteral("Thrust"),
    QStringLiteral("Extension")};

}  // namespace

class TestAideAnglaise : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        const QString donnees = qEnvironmentVariable("STRATALOOM_DATA");
        QVERIFY2(!donnees.isEmpty(), "STRATALOOM_DATA names the build's bin folder");
        donnees_ = QDir(donnees);
        francais_ = Lire(donnees_.filePath(QStringLiteral("strataloom.hlp")));
        anglais_ = Lire(donnees_.filePath(QStringLiteral("strataloom_en.hlp")));
        QVERIFY2(!francais_.isEmpty(), qPrintable(donnees_.filePath(QStringLiteral("strataloom.hlp"))));
        QVERIFY2(!anglais_.isEmpty(), qPrintable(donnees_.filePath(QStringLiteral("strataloom_en.hlp"))));
    }

    void memes_ancres_dans_le_meme_ordre() {
        const QString motif = QStringLiteral("\\b(?:id|name)=\"([^\"]+)\"");
        const QStringList fr = Captures(francais_, motif), en = Captures(anglais_, motif);
        QVERIFY(fr.contains(QStringLiteral("contexte-17")));
        QVERIFY(fr.contains(QStringLiteral("exercices")));
        QCOMPARE(en, fr);
        const QString liens = QStringLiteral("\\bhref=\"([^\"]+)\"");
        QCOMPARE(Captures(anglais_, liens), Captures(francais_, liens));
    }

    void memes_images_presentes_dans_bin() {
        const QString motif = QStringLiteral("<img\\b[^>]*\\bsrc=\"([^\"]+)\"");
        const QStringList en = Captures(anglais_, motif);
        QCOMPARE(en, Captures(francais_, motif));
        QVERIFY(!en.isEmpty());
        for (const QString& image : en)
            QVERIFY2(QFileInfo(donnees_.filePath(image)).isFile(), qPrintable(image));
    }

    void en_anglais_pour_le_navigateur() {
        QVERIFY(anglais_.contains(QStringLiteral("<html lang=\"en\">")));
        QVERIFY(anglais_.contains(QStringLiteral("<meta charset=\"utf-8\">")));
        QCOMPARE(Brut(Captures(anglais_, QStringLiteral("<title>(.*?)</title>")).value(0)),
                 QStringLiteral("Strataloom Help"));
    }

    // Each event's topic is titled with the window's caption of its button;
    // every other title is translated.
    void titres_traduits() {
        const QMap<QString, QString> fr = Titres(francais_), en = Titres(anglais_);
        QCOMPARE(en.keys(), fr.keys());
        for (const section::TypeEvenement& t : section::kEvenements) {
            const QString id = AncreContexte(t.contexte);
            QCOMPARE(fr.value(id), Texte(section::Utf8DeLigne(t.ligne)));
            QCOMPARE(en.value(id), kEvenementsAnglais.at(t.contexte - 11));
        }
        for (auto it = fr.cbegin(); it != fr.cend(); ++it) {
            if (it.key().startsWith(QStringLiteral("contexte-")) && it.key() != AncreContexte(0)) continue;
            QVERIFY2(en.value(it.key()) != it.value(), qPrintable(it.value()));
            QVERIFY(!en.value(it.key()).isEmpty());
        }
        const QString h3 = QStringLiteral("<h3>(.*?)</h3>");
        const QStringList fr3 = Captures(francais_, h3), en3 = Captures(anglais_, h3);
        QCOMPARE(en3.size(), fr3.size());
        for (qsizetype i = 0; i < fr3.size(); ++i) QVERIFY2(Brut(en3[i]) != Brut(fr3[i]), qPrintable(fr3[i]));
    }

    // French stays only in the elements marked lang="fr", and those hold
    // nothing but the lines of list files and the program's folder names.
    void pas_de_francais_hors_des_lignes_de_liste() {
        QStringList permis;
        for (const section::TypeEvenement& t : section::kEvenements) permis << Texte(section::Utf8DeLigne(t.ligne));
        permis << QStringLiteral("Evenements") << QStringLiteral("Modeles") << QStringLiteral("Strataloom/Modeles");
        int marques = 0;
        for (auto it = kFrancais.globalMatch(anglais_); it.hasNext(); ++marques) {
            const QString texte = Brut(it.next().captured(2));
            QVERIFY2(permis.contains(texte), qPrintable(texte));
        }
        QVERIFY(marques > 0);
        QString reste = anglais_;
        reste.remove(kFrancais);
        const QString texte = Brut(reste);
        QVERIFY(texte.contains(QStringLiteral("When is it possible?")));
        const QStringList mots = {
            QStringLiteral("Sédimentation"), QStringLiteral("Volcanisme"),   QStringLiteral("Plutonisme"),
            QStringLiteral("Chevauchement"), QStringLiteral("Distension"),   QStringLiteral("distension"),
            QStringLiteral("Quand est-ce"),  QStringLiteral("couche"),       QStringLiteral("coupe"),
            QStringLiteral("Retour"),        QStringLiteral("sommaire"),     QStringLiteral("Annuler"),
            QStringLiteral("Fichier"),       QStringLiteral("vénement"),     QStringLiteral("Affichage"),
            QStringLiteral("Avertissement"), QStringLiteral("Exercice"),     QStringLiteral("Vérifier"),
            QStringLiteral("Ordonner"),      QStringLiteral("Enregistrer"),  QStringLiteral("enseignant"),
            QStringLiteral("Aide de"),       QStringLiteral("faille"),       QStringLiteral("roche"),
            QStringLiteral(" les "),         QStringLiteral(" des "),        QStringLiteral(" une "),
            QStringLiteral(" est "),         QStringLiteral(" et "),         QStringLiteral("«")};
        for (const QString& mot : mots) QVERIFY2(!texte.contains(mot), qPrintable(mot));
        // The rule itself finds French: the French help, its root not
        // marked, fails it.
        QString francais = francais_;
        QVERIFY(francais.contains(QStringLiteral("<html lang=\"fr\">")));
        francais.replace(QStringLiteral("<html lang=\"fr\">"), QStringLiteral("<html>"));
        francais.remove(kFrancais);
        QVERIFY(Brut(francais).contains(QStringLiteral("couche")));
    }

    // Each "When is it possible?" paragraph quotes as many reasons as the
    // rules can give for its event, as the French one does.
    void raisons_citees() {
        for (const section::TypeEvenement& t : section::kEvenements) {
            const QString id = AncreContexte(t.contexte);
            for (const QString* html : {&francais_, &anglais_}) {
                const QString sujet = Sujet(*html, id);
                const qsizetype dispo = sujet.indexOf(QStringLiteral("<p class=\"dispo\">"));
                QVERIFY2(dispo >= 0, qPrintable(id));
                const QString paragraphe =
                    Brut(sujet.mid(dispo, sujet.indexOf(QStringLiteral("</p>"), dispo) - dispo));
                const bool en = html == &anglais_;
                QVERIFY2(paragraphe.startsWith(en ? QStringLiteral("When is it possible?")
                                                  : QStringLiteral("Quand est-ce possible ?")),
                         qPrintable(paragraphe));
                const QChar ouvre = en ? QChar(0x201C) : QChar(0x00AB);
                const QChar ferme = en ? QChar(0x201D) : QChar(0x00BB);
                const qsizetype raisons = static_cast<qsizetype>(section::RaisonsPossibles(t.evenement).size());
                QCOMPARE(paragraphe.count(ouvre), raisons);
                QCOMPARE(paragraphe.count(ferme), raisons);
            }
        }
    }

    // The "?" of Extension opens the English help at its topic, title at
    // the top, with its pictures; every topic of the window is there.
    void contexte_17_ouvre_extension() {
        const QString hlp = donnees_.filePath(QStringLiteral("strataloom_en.hlp"));
        AideQt aide;
        for (int c : {0, 11, 12, 13, 14, 15, 16}) {
            aide.Montrer(hlp, c);
            QVERIFY2(aide.message().isEmpty(), qPrintable(aide.message()));
        }
        aide.Montrer(hlp, 17);
        QVERIFY(QTest::qWaitForWindowExposed(aide.fenetre()));
        QVERIFY2(aide.message().isEmpty(), qPrintable(aide.message()));
        QTextBrowser* b = aide.navigateur();
        QCOMPARE(b->source().fragment(), QStringLiteral("contexte-17"));
        QCOMPARE(b->source().toLocalFile(), QFileInfo(hlp).absoluteFilePath());
        QVERIFY(b->verticalScrollBar()->value() > 0);
        QVERIFY(EnHautDeLaVue(b, Titre2(b->document(), QStringLiteral("Extension"))));
        // The topic before it is above the view.
        const QTextCursor avant = Titre2(b->document(), QStringLiteral("Thrust"));
        QVERIFY(!avant.isNull());
        QVERIFY(b->cursorRect(avant).bottom() < 0);
        const ImagesDocument images = Images(b->document());
        QVERIFY2(images.absentes.isEmpty(), qPrintable(images.absentes.join(QLatin1Char(' '))));
        QCOMPARE(images.nombre, 14 + 3 + 2);
    }

    void fichier_aide_selon_la_langue() {
        QTemporaryDir dossier;
        QVERIFY(dossier.isValid());
        const QString executable = dossier.filePath(QStringLiteral("strataloom"));
        const QString francais = dossier.filePath(QStringLiteral("strataloom.hlp"));
        const QString anglais = dossier.filePath(QStringLiteral("strataloom_en.hlp"));
        QVERIFY(Ecrire(francais, "<html></html>"));
        // Without the English file, English falls back to French.
        QCOMPARE(FichierAideDe(executable, Langue::Anglais), francais);
        QCOMPARE(FichierAideDe(executable, Langue::Francais), francais);
        // A folder of that name is no help file.
        QVERIFY(QDir(dossier.path()).mkdir(QStringLiteral("strataloom_en.hlp")));
        QCOMPARE(FichierAideDe(executable, Langue::Anglais), francais);
        QVERIFY(QDir(dossier.path()).rmdir(QStringLiteral("strataloom_en.hlp")));
        QVERIFY(Ecrire(anglais, "<html lang=\"en\"></html>"));
        QCOMPARE(FichierAideDe(executable, Langue::Anglais), anglais);
        // French never takes the English file.
        QCOMPARE(FichierAideDe(executable, Langue::Francais), francais);
        QCOMPARE(FichierAideDe(executable), francais);
    }

    void fichier_aide_anglais_d_un_executable_a_extension() {
        QTemporaryDir dossier;
        QVERIFY(dossier.isValid());
        const QString executable = dossier.filePath(QStringLiteral("Strataloom.exe"));
        QCOMPARE(FichierAideDe(executable, Langue::Anglais), dossier.filePath(QStringLiteral("Strataloom.hlp")));
        QVERIFY(Ecrire(dossier.filePath(QStringLiteral("Strataloom_en.hlp")), "<html></html>"));
        QCOMPARE(FichierAideDe(executable, Langue::Anglais), dossier.filePath(QStringLiteral("Strataloom_en.hlp")));
    }

private:
    QDir donnees_;
    QString francais_;
    QString anglais_;
};

QTEST_MAIN(TestAideAnglaise)
#include "aide_anglaise_test.moc"
