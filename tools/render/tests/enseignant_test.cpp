// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher tools of strataloom-render: comparison with a model, grading
// against a key, step pictures, random exercises and printable sheets.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QMap>
#include <QJsonObject>
#include <QJsonDocument>
#include <QJsonArray>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <random>

#include "section/espace_enseignant.h"
#include "section/exercice_session.h"
#include "section/legende_vue.h"
#include "section/roches.h"

#include "exercices.h"
#include "dessin/images.h"
#include "outils.h"
#include "section/comparaison.h"
#include "section/exercice.h"
#include "section/serie.h"
#include "section/liste.h"
#include "section/encodage.h"
#include "section/note.h"

using essai::kSed;
using essai::Lancer;
using section::Liste;

class EnseignantTest : public QObject {
    Q_OBJECT

    QTemporaryDir tmp_;
    QString base_;
    QString Chemin(const QString& nom) const { return tmp_.filePath(nom); }
    QStringList Base() const { return {QStringLiteral("--base"), base_}; }
    // A series holds only exercises that pass every rule: drawn on the
    // program's own rocks (the Base folder the build puts beside it).
    QString livree_;
    QStringList BaseLivree() const { return {QStringLiteral("--base"), livree_}; }

    // The rows of the class's CSV on standard output: a byte order mark,
    // then rows ending in CR LF, the header first.
    static QStringList LignesCsv(const QByteArray& out) {
        if (!out.startsWith("\xEF\xBB\xBF") || !out.endsWith("\r\n")) return {QStringLiteral("format inattendu")};
        QStringList l = QString::fromUtf8(out.mid(3).chopped(2)).split(QStringLiteral("\r\n"));
        if (l.value(0) != QStringLiteral("Fichier;Élève;Note sur 20;Roche identique (%);Pixels identiques (%);"
                                         "Événements reconnus;Formations en écart;Remarque;Ordre sur 20;"
                                         "Vérifications de la coupe;Vérifications de l'ordre"))
            return {QStringLiteral("en-tête inattendu")};
        return l;
    }
    static QString Nom(const QString& chemin) { return QFileInfo(chemin).fileName(); }
    // The mark of an answer whose only fault is `penalite` points of
    // missing events, worked from the marking rule on the two views: 19,
    // less the penalty, less 2 x the share of rock (not sky blue in either
    // view) that differs, to the nearest point; and the CSV's two shares,
    // in tenths of a percent rounded down.
    struct NoteAttendue {
        int points;
        QString roche, pixels;
    };
    static NoteAttendue Attendue(const section::Raster& cle, const section::Raster& eleve, int penalite) {
        const section::Couleur bleu = section::Rgb(0, 0, 255);
        qint64 pixels = 0, memes = 0, roche = 0, rocheMeme = 0;
        for (int y = 0; y < std::min(cle.height(), eleve.height()); ++y)
            for (int x = 0; x < std::min(cle.width(), eleve.width()); ++x) {
                const section::Couleur a = cle.row(y)[x], b = eleve.row(y)[x];
                ++pixels;
                memes += a == b;
                if (a != bleu || b != bleu) {
                    ++roche;
                    rocheMeme += a == b;
                }
            }
        const auto part = [](qint64 n, qint64 total) {
            const qint64 pourMille = n * 1000 / total;
            return QStringLiteral("%1,%2").arg(pourMille / 10).arg(pourMille % 10);
        };
        const double differe = static_cast<double>(roche - rocheMeme) / static_cast<double>(roche);
        return {static_cast<int>(std::lround(19 - penalite - 2 * differe)), part(rocheMeme, roche), part(memes, pixels)};
    }

    // Replays `liste` with the window's rules: every event must be enabled
    // when its turn comes.
    static bool RejoueSansEtapeInterdite(section::Session& a, const Liste& liste, QString& quoi) {
        a.Reinitialiser();
        for (std::size_t i = 1; i < liste.size(); ++i) {
            const std::optional<section::Evenement> e = section::EvenementDeLigne(liste[i]);
            if (!e || !a.Disponible(*e)) {
                quoi = QStringLiteral("ligne %1 : %2").arg(i).arg(QString::fromStdString(section::Utf8DeLigne(liste[i])));
                return false;
            }
            a.Appliquer(*e);
        }
        return true;
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(tmp_.isValid());
        base_ = Chemin(QStringLiteral("Base"));
        QVERIFY(QDir().mkpath(base_));
        QVERIFY(essai::EcrireTextures(base_));
        livree_ = QCoreApplication::applicationDirPath() + QStringLiteral("/Base");
        QVERIFY2(QDir(livree_).exists(), qPrintable(livree_));
    }

    void comparaisonAvecSonPropreModele() {
        const Liste liste{kSed, "Compression", "Erosion", kSed};
        const QString lst = essai::EcrireListe(Chemin(QStringLiteral("c.lst")), liste);
        const QString modele = Chemin(QStringLiteral("modele.bmp"));
        QCOMPARE(Lancer(Base() + QStringList{lst, QStringLiteral("-o"), modele}).code, 0);
        const QString ecarts = Chemin(QStringLiteral("ecarts.png"));
        const auto s = Lancer(Base() + QStringList{QStringLiteral("--compare"), modele, QStringLiteral("--diff"), ecarts, lst});
        QCOMPARE(s.code, 0);
        QCOMPARE(s.out, QByteArray("Ressemblance : 100,0 % des pixels, 100,0 % sol/ciel\n"));
        QImage carte(ecarts);
        QCOMPARE(carte.size(), QSize(540, 480));
        const section::Raster r = dessin::DeImage(carte);
        for (std::size_t i = 0; i < r.size(); ++i) QVERIFY(r.data()[i] != section::kCouleurEcart);
    }

    void comparaisonAvecUnAutreModele() {
        const Liste faite{kSed, "Compression", "Erosion"}, modeleListe{kSed, "Compression"};
        const QString lst = essai::EcrireListe(Chemin(QStringLiteral("d.lst")), faite);
        const QString modele = Chemin(QStringLiteral("autre.bmp"));
        const section::Session m = essai::Charge(base_, modeleListe), a = essai::Charge(base_, faite);
        QVERIFY(dessin::EcrireImage(m.vue(), modele));
        const QString ecarts = Chemin(QStringLiteral("ecarts.bmp"));
        const auto s = Lancer(Base() + QStringList{QStringLiteral("--compare"), modele, lst, QStringLiteral("--diff"), ecarts});
        QCOMPARE(s.code, 0);
        const section::Comparaison c = section::Comparer(m.vue(), a.vue());
        QVERIFY(c.identiques < c.pixels);
        const QString attendu = QStringLiteral("Ressemblance : %1 % des pixels, %2 % sol/ciel\n")
                                    .arg(QString::fromStdString(section::Pourcentage(c.identiques, c.pixels)),
                                         QString::fromStdString(section::Pourcentage(c.accordSolCiel, c.pixels)));
        QCOMPARE(QString::fromUtf8(s.out), attendu);
        const auto carte = dessin::LireBmp(ecarts);
        QVERIFY(carte.has_value());
        QVERIFY(*carte == section::CarteEcarts(m.vue(), a.vue()));
    }

    void modeleDUneAutreTaille() {
        const Liste liste{kSed, "Compression"};
        const QString lst = essai::EcrireListe(Chemin(QStringLiteral("t.lst")), liste);
        const section::Session a = essai::Charge(base_, liste);
        section::Raster petit(300, 200);
        petit.CopyRect({0, 0, 300, 200}, a.vue(), {0, 0, 300, 200});
        const QString modele = Chemin(QStringLiteral("petit.bmp"));
        QVERIFY(dessin::EcrireImage(petit, modele));
        const auto s = Lancer(Base() + QStringList{QStringLiteral("--compare"), modele, lst});
        QCOMPARE(s.code, 0);
        const QStringList lignes = QString::fromUtf8(s.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lignes.size(), 2);
        QCOMPARE(lignes[0], QStringLiteral("Ressemblance : 100,0 % des pixels, 100,0 % sol/ciel"));
        QVERIFY(lignes[1].contains(QStringLiteral("300 x 200")));
        QVERIFY(lignes[1].contains(QStringLiteral("540 x 480")));
        // Not a picture at all.
        const QString faux = essai::EcrireListe(Chemin(QStringLiteral("faux.bmp")), liste);
        const auto f = Lancer(Base() + QStringList{QStringLiteral("--compare"), faux, lst});
        QCOMPARE(f.code, 1);
        QVERIFY(QString::fromUtf8(f.err).contains(faux));
    }

    void notationDUneClasse() {
        const Liste cle{kSed, "Compression", "Erosion", kSed, "Volcanisme"};
        const Liste moinsUn{kSed, "Compression", kSed, "Volcanisme"};
        const QString k = essai::EcrireListe(Chemin(QStringLiteral("cle.lst")), cle);
        const QString e1 = essai::EcrireListe(Chemin(QStringLiteral("eleve;1.lst")), cle);
        const QString e2 = essai::EcrireListe(Chemin(QStringLiteral("eleve2.lst")), moinsUn);
        const QString e3 = Chemin(QStringLiteral("eleve3.lst"));  // never handed in
        const auto s = Lancer(Base() + QStringList{QStringLiteral("--grade"), k, e1, e3, e2});
        QCOMPARE(s.code, 1);
        QVERIFY(QString::fromUtf8(s.err).contains(e3));
        const QStringList lignes = LignesCsv(s.out);
        QCOMPARE(lignes.size(), 4);
        // Rows in the order of the files' names, whatever the order given:
        // '2' < '3' < ';' byte for byte.
        QCOMPARE(lignes[3], QStringLiteral("\"eleve;1.lst\";;20;100,0;100,0;4;0;même coupe que le corrigé;;;"));
        QCOMPARE(lignes[2], QStringLiteral("eleve3.lst;;;;;;;le fichier ou son dossier n'existe pas;;;"));
        // The remark, last, may hold "; " between what differs, and is then quoted.
        const QStringList champs = lignes[1].split(QLatin1Char(';')).mid(0, 7) << lignes[1].section(QLatin1Char(';'), 7);
        QCOMPARE(champs[0], QStringLiteral("eleve2.lst"));
        QCOMPARE(champs[5], QStringLiteral("3"));
        // The erosion is missing (10 points for a structure), nothing else.
        const NoteAttendue n = Attendue(essai::Charge(base_, cle).vue(), essai::Charge(base_, moinsUn).vue(), 10);
        QCOMPARE(champs[2], QString::number(n.points));
        QVERIFY2(n.points < 20, qPrintable(lignes[1]));
        QCOMPARE(champs[3], n.roche);
        QCOMPARE(champs[4], n.pixels);
        QCOMPARE(champs[6], QStringLiteral("1"));
        // Below 20, the remark says what differs.
        QVERIFY(!champs[7].isEmpty());
        // All readable: exit 0.
        QCOMPARE(Lancer(Base() + QStringList{QStringLiteral("--grade"), k, e2}).code, 0);
        // An unreadable key grades nothing.
        const auto sansCle = Lancer(Base() + QStringList{QStringLiteral("--grade"), e3, e1});
        QCOMPARE(sansCle.code, 1);
        QVERIFY(sansCle.out.isEmpty());
    }

    void imagesDesEtapes() {
        const Liste liste{kSed, "Compression", "pas un evenement", "Erosion", kSed};
        const QString lst = essai::EcrireListe(Chemin(QStringLiteral("e.lst")), liste);
        const QString dossier = Chemin(QStringLiteral("etapes"));
        QCOMPARE(Lancer(Base() + QStringList{QStringLiteral("--steps"), dossier, lst}).code, 0);
        const QStringList fichiers = QDir(dossier).entryList(QDir::Files, QDir::Name);
        QCOMPARE(fichiers, (QStringList{QStringLiteral("etape-00.bmp"), QStringLiteral("etape-01.bmp"),
                                        QStringLiteral("etape-02.bmp"), QStringLiteral("etape-03.bmp"),
                                        QStringLiteral("etape-04.bmp")}));
        for (int i = 0; i < 5; ++i) {
            const Liste prefixe(liste.begin(), liste.begin() + i + 1);
            const auto lu = dessin::LireBmp(QDir(dossier).filePath(fichiers[i]));
            QVERIFY(lu.has_value());
            QVERIFY2(*lu == essai::Charge(base_, prefixe).vue(), qPrintable(fichiers[i]));
        }
        // The unknown line changes nothing.
        QCOMPARE(essai::Lire(QDir(dossier).filePath(fichiers[1])), essai::Lire(QDir(dossier).filePath(fichiers[2])));
    }

    void tirageReproductibleEtPermis() {
        section::Session a;
        {
            section::Textures t;
            QCOMPARE(dessin::ChargerTextures(livree_, t), -1);
            a.DefinirTextures(std::move(t));
        }
        for (std::uint32_t graine : {0u, 42u, 4294967295u}) {
            section::ReglesSerie r;
            r.exercices = 3;
            r.evenements = 8;
            r.graine = graine;
            // Drawing is costly under the sanitizers: the second draw, which
            // shows the series is the same again, is made for the first seed only.
            const auto s1 = section::TirerSerie(a, r);
            const auto s2 = graine == 0u ? section::TirerSerie(a, r) : s1;
            QCOMPARE(s1.size(), std::size_t{3});
            for (std::size_t n = 0; n < s1.size(); ++n) {
                const Liste& l1 = s1[n].liste;
                QCOMPARE(l1, s2[n].liste);
                QCOMPARE(l1.size(), std::size_t{9});
                QCOMPARE(l1.front(), kSed);
                QString quoi;
                section::Session b;
                b.DefinirTextures(a.textures());
                QVERIFY2(RejoueSansEtapeInterdite(b, l1, quoi), qPrintable(QStringLiteral("graine %1, %2").arg(graine).arg(quoi)));
                for (std::size_t i = 3; i < l1.size(); ++i)
                    QVERIFY2(!(l1[i] == l1[i - 1] && l1[i] == l1[i - 2]) ,
                             qPrintable(QStringLiteral("graine %1 : trois fois la même ligne %2").arg(graine).arg(i)));
            }
        }
        QCOMPARE(rendu::NomExercice(7, 3, ".lst"), QStringLiteral("exercice-7-03.lst"));
    }

    // A series meets files, or a pupil's link, among its names: nothing is
    // written, what was there stays, and the message names the file.
    void serieEntiereOuRien() {
        const QString d = Chemin(QStringLiteral("ex-lien"));
        QVERIFY(QDir().mkpath(d));
        const QStringList args{QStringLiteral("--exercise"), QStringLiteral("3"), QStringLiteral("--events"),
                               QStringLiteral("4"), QStringLiteral("--seed"), QStringLiteral("5"), QStringLiteral("--out-dir"), d,
                               QStringLiteral("--sheet"), d + QStringLiteral("/fiches.pdf")};
        const auto contenu = [&] {
            QStringList r;
            for (const QFileInfo& i : QDir(d).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name))
                r << i.fileName() + QLatin1Char('=') + QString::fromUtf8(i.isSymLink() ? i.symLinkTarget().toUtf8() : essai::Lire(i.filePath()));
            return r;
        };
        struct Cas {
            const char* nom;
            bool lien;
        };
        for (const Cas& k : {Cas{"exercice-5-02.bmp", true}, Cas{"exercice-5-03.exo", false}, Cas{"fiches.pdf", false}}) {
            const QString chemin = d + QLatin1Char('/') + QLatin1String(k.nom);
            if (k.lien) {
                QVERIFY(QFile::link(QStringLiteral("../ailleurs.desktop"), chemin));
            } else {
                QFile f(chemin);
                QVERIFY(f.open(QIODevice::WriteOnly));
                f.write(QByteArray("ancien ") + k.nom);
            }
            const QStringList avant = contenu();
            const auto s = Lancer(BaseLivree() + args);
            QCOMPARE(s.code, 1);
            const QString err = QString::fromUtf8(s.err);
            QVERIFY2(err.contains(QLatin1String(k.nom) + QStringLiteral(" » existe déjà")) &&
                         err.contains(QStringLiteral("la série n'a pas été écrite, aucun fichier n'a changé")),
                     qPrintable(err));
            QCOMPARE(contenu(), avant);
            QVERIFY(!QFileInfo::exists(Chemin(QStringLiteral("ailleurs.desktop"))));
            QVERIFY(QFile::remove(chemin));
        }
        // The names free, the whole series and its sheet are written, into a
        // folder the command makes.
        const QString neuf = d + QStringLiteral("/neuf/dedans");
        QStringList ailleurs = args;
        ailleurs[ailleurs.indexOf(d)] = neuf;
        ailleurs.last() = neuf + QStringLiteral("/fiches.pdf");
        QCOMPARE(Lancer(BaseLivree() + ailleurs).code, 0);
        QCOMPARE(QDir(neuf).entryList(QDir::Files | QDir::Hidden, QDir::Name).size(), 10);
        QVERIFY(essai::Lire(neuf + QStringLiteral("/fiches.pdf")).startsWith("%PDF"));
        // Drawn a second time into the same folder: refused.
        QCOMPARE(Lancer(BaseLivree() + ailleurs).code, 1);
    }

    void exercicesIdentiquesPourUneGraine() {
        const QString d1 = Chemin(QStringLiteral("ex1")), d2 = Chemin(QStringLiteral("ex2")), d3 = Chemin(QStringLiteral("ex3"));
        const QStringList args{QStringLiteral("--exercise"), QStringLiteral("3"), QStringLiteral("--events"),
                               QStringLiteral("6"), QStringLiteral("--seed"), QStringLiteral("17"),
                               QStringLiteral("--title"), QStringLiteral("Les failles"), QStringLiteral("--out-dir")};
        // The same seed, title and settings: the same bytes in every list,
        // picture and exercise file (the sheets differ only in their date).
        QCOMPARE(Lancer(BaseLivree() + args + QStringList{d1, QStringLiteral("--sheet"), d1 + QStringLiteral("/f.pdf")}).code, 0);
        QCOMPARE(Lancer(BaseLivree() + args + QStringList{d2, QStringLiteral("--sheet"), d2 + QStringLiteral("/f.pdf")}).code, 0);
        const QStringList f1 = QDir(d1).entryList({QStringLiteral("exercice-*")}, QDir::Files, QDir::Name);
        QCOMPARE(f1, (QStringList{QStringLiteral("exercice-17-01.bmp"), QStringLiteral("exercice-17-01.exo"),
                                  QStringLiteral("exercice-17-01.lst"), QStringLiteral("exercice-17-02.bmp"),
                                  QStringLiteral("exercice-17-02.exo"), QStringLiteral("exercice-17-02.lst"),
                                  QStringLiteral("exercice-17-03.bmp"), QStringLiteral("exercice-17-03.exo"),
                                  QStringLiteral("exercice-17-03.lst")}));
        QCOMPARE(QDir(d2).entryList({QStringLiteral("exercice-*")}, QDir::Files, QDir::Name), f1);
        for (const QString& f : f1) QCOMPARE(essai::Lire(QDir(d1).filePath(f)), essai::Lire(QDir(d2).filePath(f)));
        // Each exercise file holds its list and its title.
        for (int i = 1; i <= 3; ++i) {
            section::Exercice e;
            QCOMPARE(section::LireFichierExercice(dessin::OctetsDeChemin(QDir(d1).filePath(rendu::NomExercice(17, i, ".exo"))), e),
                     std::string());
            QCOMPARE(QString::fromStdString(e.titre), QStringLiteral("Exercice %1 — Les failles").arg(i));
            QCOMPARE(QByteArray::fromStdString(section::TexteListe(e.lignes)),
                     essai::Lire(QDir(d1).filePath(rendu::NomExercice(17, i, ".lst"))));
        }
        for (int i = 1; i <= 3; ++i) {
            const QByteArray octets = essai::Lire(QDir(d1).filePath(rendu::NomExercice(17, i, ".lst")));
            const Liste liste = section::LireListe(std::string_view(octets.constData(), static_cast<std::size_t>(octets.size())));
            QCOMPARE(liste.size(), std::size_t{7});
            QCOMPARE(QByteArray::fromStdString(section::TexteListe(liste)), octets);
            section::Session a;
            {
                section::Textures t;
                QCOMPARE(dessin::ChargerTextures(livree_, t), -1);
                a.DefinirTextures(std::move(t));
            }
            QString quoi;
            QVERIFY2(RejoueSansEtapeInterdite(a, liste, quoi), qPrintable(quoi));
            const auto modele = dessin::LireBmp(QDir(d1).filePath(rendu::NomExercice(17, i, ".bmp")));
            QVERIFY(modele.has_value());
            QVERIFY(*modele == essai::Charge(livree_, liste).vue());
        }
        // Another seed draws other lists.
        QCOMPARE(Lancer(BaseLivree() + QStringList{QStringLiteral("--exercise"), QStringLiteral("3"), QStringLiteral("--events"),
                                             QStringLiteral("6"), QStringLiteral("--seed"), QStringLiteral("18"),
                                             QStringLiteral("--out-dir"), d3}).code, 0);
        bool different = false;
        for (int i = 1; i <= 3; ++i)
            different = different || essai::Lire(QDir(d1).filePath(rendu::NomExercice(17, i, ".lst"))) !=
                                         essai::Lire(QDir(d3).filePath(rendu::NomExercice(18, i, ".lst")));
        QVERIFY(different);
    }

    // The renderer's series is the engine model's file set, name for name
    // and byte for byte, in a folder named as the model names it.
    void serieCommeLeModele() {
        const QString d = Chemin(QStringLiteral("modele-serie"));
        QCOMPARE(Lancer(BaseLivree() + QStringList{QStringLiteral("--exercise"), QStringLiteral("2"),
                                                   QStringLiteral("--events"), QStringLiteral("4"),
                                                   QStringLiteral("--seed"), QStringLiteral("999999"),
                                                   QStringLiteral("--title"), QStringLiteral("Plis : 3e"),
                                                   QStringLiteral("--out-dir"), d}).code, 0);
        section::Session a;
        {
            section::Textures t;
            QCOMPARE(dessin::ChargerTextures(livree_, t), -1);
            a.DefinirTextures(std::move(t));
        }
        section::ReglesSerie r;
        r.exercices = 2;
        r.evenements = 4;
        r.graine = 999999;
        const section::SerieEnseignant serie = section::PreparerSerie(a, r, "Plis : 3e");
        QCOMPARE(QString::fromStdString(serie.raison), QString());
        QCOMPARE(QString::fromStdString(serie.dossier), QStringLiteral("Plis - 3e - 999999"));
        QStringList attendus;
        for (const section::ExerciceSerie& x : serie.exercices)
            for (const section::FichierSerie* f : {&x.lst, &x.bmp, &x.exo}) {
                attendus << QString::fromStdString(f->nom);
                QVERIFY2(essai::Lire(QDir(d).filePath(QString::fromStdString(f->nom))) == QByteArray::fromStdString(f->octets),
                         f->nom.c_str());
            }
        attendus.sort();
        QCOMPARE(QDir(d).entryList(QDir::Files, QDir::Name), attendus);
        QCOMPARE(attendus.first(), QStringLiteral("exercice-999999-01.bmp"));
    }

    void fichesPdf() {
        const QString pdf = Chemin(QStringLiteral("fiches.pdf"));
        const auto s = Lancer(BaseLivree() + QStringList{QStringLiteral("--exercise"), QStringLiteral("2"), QStringLiteral("--events"),
                                                   QStringLiteral("5"), QStringLiteral("--seed"), QStringLiteral("3"),
                                                   QStringLiteral("--out-dir"), Chemin(QStringLiteral("exf")),
                                                   QStringLiteral("--sheet"), pdf});
        QVERIFY2(s.code == 0, s.err.constData());
        const QByteArray octets = essai::Lire(pdf);
        QVERIFY(octets.startsWith("%PDF-"));
        QCOMPARE(essai::PagesPdf(octets), 4);
        // A sheet for one list: two pages.
        const QString lst = essai::EcrireListe(Chemin(QStringLiteral("fiche.lst")), {kSed, "Compression", "Erosion"});
        const QString une = Chemin(QStringLiteral("une.pdf"));
        QCOMPARE(Lancer(BaseLivree() + QStringList{QStringLiteral("--sheet"), une, lst}).code, 0);
        QCOMPARE(essai::PagesPdf(essai::Lire(une)), 2);
        const auto f = Lancer(BaseLivree() + QStringList{QStringLiteral("--sheet"), Chemin(QStringLiteral("non/la.pdf")), lst});
        QCOMPARE(f.code, 1);
        QVERIFY(QString::fromUtf8(f.err).contains(QStringLiteral("non/la.pdf")));
    }

    // --make-answer uses the engine's check of names (exit 1 with the
    // reason); the grading flags one name given twice.
    void nomsDEleves_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("raison");  // empty: written
        QTest::newRow("ordinaire") << QStringLiteral("Alice") << QString();
        QTest::newRow("formule acceptée") << QStringLiteral("=1+1") << QString();
        QTest::newRow("espace sans chasse") << QStringLiteral("Alice\u200B") << QStringLiteral("(U+200B)");
        QTest::newRow("droite à gauche") << QStringLiteral("Bob \u202E02/02") << QStringLiteral("(U+202E)");
        QTest::newRow("insécables seules") << QStringLiteral("\u00A0\u00A0") << QStringLiteral("ni lettre ni chiffre");
    }

    void nomsDEleves() {
        QFETCH(QString, nom);
        QFETCH(QString, raison);
        const QString lst = essai::EcrireListe(Chemin(QStringLiteral("noms.lst")), {kSed, "Compression"});
        const QString exo = Chemin(QStringLiteral("noms.exo"));
        QCOMPARE(Lancer(Base() + QStringList{QStringLiteral("--make-exercise"), exo, lst}).code, 0);
        const QString rep = Chemin(QStringLiteral("nom.rep"));
        QFile::remove(rep);
        const auto r = Lancer(Base() + QStringList{QStringLiteral("--make-answer"), rep, QStringLiteral("--for"), exo,
                                                   QStringLiteral("--pupil"), nom, lst});
        if (raison.isEmpty()) {
            QCOMPARE(r.code, 0);
            QVERIFY(QFile::exists(rep));
            return;
        }
        QCOMPARE(r.code, 1);
        QVERIFY2(QString::fromUtf8(r.err).contains(raison), r.err.constData());
        QVERIFY(!QFile::exists(rep));
    }

    void memeNomDeuxFois() {
        const QString lst = essai::EcrireListe(Chemin(QStringLiteral("deux.lst")), {kSed, "Compression"});
        const QString exo = Chemin(QStringLiteral("deux.exo"));
        QCOMPARE(Lancer(Base() + QStringList{QStringLiteral("--make-exercise"), exo, lst}).code, 0);
        QStringList reponses;
        for (const auto& [fichier, nom] : {std::pair{"alice1.rep", "Alice"}, std::pair{"alice2.rep", " ALICE  "},
                                           std::pair{"bruno.rep", "Bruno"}}) {
            reponses << Chemin(QLatin1String(fichier));
            QCOMPARE(Lancer(Base() + QStringList{QStringLiteral("--make-answer"), reponses.back(), QStringLiteral("--for"),
                                                 exo, QStringLiteral("--pupil"), QString::fromUtf8(nom), lst}).code, 0);
        }
        const auto s = Lancer(Base() + QStringList{QStringLiteral("--grade"), exo} + reponses);
        QCOMPARE(s.code, 0);
        const QStringList lignes = LignesCsv(s.out);
        QCOMPARE(lignes.size(), 4);
        QCOMPARE(lignes[1], QStringLiteral("alice1.rep;Alice;20;100,0;100,0;1;0;\"même coupe que le corrigé ; même nom d'élève que alice2.rep\";;;"));
        QVERIFY2(lignes[2].startsWith(QStringLiteral("alice2.rep; ALICE  ;20;")), qPrintable(lignes[2]));
        QVERIFY2(lignes[2].endsWith(QStringLiteral("même nom d'élève que alice1.rep\";;;")), qPrintable(lignes[2]));
        QVERIFY2(!lignes[3].contains(QStringLiteral("même nom")), qPrintable(lignes[3]));
    }

    void exerciceEtReponsesDUneClasse() {
        const Liste cle{kSed, kSed, "Compression", "Erosion", kSed};
        const QString lst = essai::EcrireListe(Chemin(QStringLiteral("devoir.lst")), cle);
        const QString exo = Chemin(QStringLiteral("devoir.exo"));
        const auto fait = Lancer(Base() + QStringList{QStringLiteral("--make-exercise"), exo,
                                                      QStringLiteral("--title"), QStringLiteral("Plis érodés"), lst});
        QCOMPARE(fait.code, 0);
        const QByteArray octets = essai::Lire(exo);
        QVERIFY(octets.startsWith("SLEXERC\x1A"));
        QVERIFY(!octets.contains("Compression"));
        section::Exercice e;
        QCOMPARE(section::LireExercice(octets.toStdString(), e), std::string());
        QCOMPARE(e.lignes, cle);
        QCOMPARE(e.titre, std::string("Plis érodés"));
        QVERIFY(e.cible == essai::Charge(base_, cle).vue());

        const auto reponse = [&](const QString& nom, const QString& eleve, const Liste& l, const QString& pour) {
            const QString liste = essai::EcrireListe(Chemin(nom + QStringLiteral(".lst")), l);
            const QString rep = Chemin(nom + QStringLiteral(".rep"));
            const auto r = Lancer(Base() + QStringList{QStringLiteral("--make-answer"), rep, QStringLiteral("--for"),
                                                       pour, QStringLiteral("--pupil"), eleve, liste});
            return r.code == 0 ? rep : QString();
        };
        const QString juste = reponse(QStringLiteral("juste"), QStringLiteral("Zoé"), cle, exo);
        const QString vide = reponse(QStringLiteral("vide"), QStringLiteral("Paul"), {kSed, "rien"}, exo);
        QVERIFY(!juste.isEmpty() && !vide.isEmpty());
        const QString autreExo = Chemin(QStringLiteral("autre.exo"));
        QCOMPARE(Lancer(Base() + QStringList{QStringLiteral("--make-exercise"), autreExo,
                                              essai::EcrireListe(Chemin(QStringLiteral("autre.lst")), {kSed, "Erosion"})}).code, 0);
        const QString ailleurs = reponse(QStringLiteral("ailleurs"), QStringLiteral("Léa"), cle, autreExo);
        QVERIFY(!ailleurs.isEmpty());
        section::Reponse r;
        QCOMPARE(section::LireReponse(essai::Lire(juste).toStdString(), r), std::string());
        QCOMPARE(r.eleve, std::string("Zoé"));
        QCOMPARE(r.exercice, section::EmpreinteExercice(e));

        // A truncated answer keeps its row.
        const QString tronquee = Chemin(QStringLiteral("tronquee.rep"));
        QFile t(tronquee);
        QVERIFY(t.open(QIODevice::WriteOnly));
        t.write(essai::Lire(juste).chopped(1));
        t.close();
        const auto s = Lancer(Base() + QStringList{QStringLiteral("--grade"), exo, juste, vide, ailleurs, tronquee, lst});
        QCOMPARE(s.code, 1);
        const QStringList lignes = LignesCsv(s.out);
        QCOMPARE(lignes.size(), 6);
        // Rows in the order of the files' names, whatever the order given.
        QCOMPARE(lignes[3], Nom(juste) + QStringLiteral(";Zoé;20;100,0;100,0;4;0;\"même coupe que le corrigé ; ordre non fait\";;;"));
        QVERIFY2(lignes[5].startsWith(Nom(vide) + QStringLiteral(";Paul;0;")), qPrintable(lignes[5]));
        QCOMPARE(lignes[5].section(QLatin1Char(';'), 5, 5), QStringLiteral("0"));
        QCOMPARE(lignes[5].section(QLatin1Char(';'), 7), QStringLiteral("\"aucun événement reconnu ; ordre non fait\";;;"));
        QCOMPARE(lignes[1], Nom(ailleurs) + QStringLiteral(";Léa;;;;;;répond à un autre exercice;;;"));
        QVERIFY2(lignes[4].startsWith(QStringLiteral("tronquee.rep;;;;;;;")) && lignes[4].contains(QStringLiteral("tronqué")),
                 qPrintable(lignes[4]));
        QVERIFY(lignes[2].startsWith(Nom(lst) + QStringLiteral(";;20;")));
        const QString err = QString::fromUtf8(s.err);
        QVERIFY2(err.contains(QStringLiteral("tronqué")), qPrintable(err));
        QVERIFY(err.contains(QStringLiteral("répond à un autre exercice")));

        // A damaged exercise is no key.
        QByteArray abime = octets;
        abime[100] = static_cast<char>(abime[100] ^ 0x20);
        const QString casse = Chemin(QStringLiteral("abime.exo"));
        QFile f(casse);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(abime);
        f.close();
        const auto k = Lancer(Base() + QStringList{QStringLiteral("--grade"), casse, juste});
        QCOMPARE(k.code, 1);
        QVERIFY(k.out.isEmpty());
        QVERIFY2(QString::fromUtf8(k.err).contains(QStringLiteral("abîmé")), k.err.constData());
        // Nor can an answer be written for it.
        QVERIFY(reponse(QStringLiteral("pour_abime"), QStringLiteral("Zoé"), cle, casse).isEmpty());
    }

    // Names a pupil chose reach the CSV as text, never as a formula or a
    // control code; a junk list floods nothing.
    void notesSansFormuleNiCodeDeControle_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("champ");
        QTest::newRow("égal") << QStringLiteral("=1+1.lst") << QStringLiteral("'=1+1.lst");
        QTest::newRow("commande") << QStringLiteral("+cmd|' -C calc'!A0.lst") << QStringLiteral("'+cmd|' -C calc'!A0.lst");
        QTest::newRow("moins") << QStringLiteral("-2+3.lst") << QStringLiteral("'-2+3.lst");
        QTest::newRow("arobase") << QStringLiteral("@SUM(1+1).lst") << QStringLiteral("'@SUM(1+1).lst");
        QTest::newRow("effacer l'écran") << QStringLiteral("\x1b[2J.lst") << QStringLiteral("\\x1b[2J.lst");
        QTest::newRow("titre du terminal") << QStringLiteral("\x1b]0;20 sur 20\x07.lst")
                                           << QStringLiteral("\\x1b]0;20 sur 20\\x07.lst");
    }

    void notesSansFormuleNiCodeDeControle() {
        QFETCH(QString, nom);
        QFETCH(QString, champ);
        const Liste cle{kSed, "Compression"};
        const QString k = essai::EcrireListe(Chemin(QStringLiteral("cle-hostile.lst")), cle);
        const QString dossier = Chemin(QStringLiteral("hostiles"));
        QVERIFY(QDir().mkpath(dossier));
        const QString e = essai::EcrireListe(dossier + QLatin1Char('/') + nom, {kSed, "Compression", "\x1b[31mNote : 20/20"});
        const auto s = Lancer(Base() + QStringList{QStringLiteral("--grade"), k, e});
        QCOMPARE(s.code, 0);
        const QStringList lignes = LignesCsv(s.out);
        QCOMPARE(lignes.size(), 2);
        QVERIFY2(lignes[1].startsWith(champ.contains(QLatin1Char(';')) ? QLatin1Char('"') + champ + QStringLiteral("\";")
                                                                        : champ + QLatin1Char(';')),
                 qPrintable(lignes[1]));
        for (const QByteArray& flux : {s.out, s.err})
            for (const char c : flux) QVERIFY2(c == '\n' || c == '\r' || static_cast<unsigned char>(c) >= 0x20, flux.constData());
        QVERIFY2(s.err.contains("\\x1b[31mNote : 20/20"), s.err.constData());
    }

    void lignesIgnoreesAuPlusCinq() {
        const Liste cle{kSed, "Compression"};
        const QString k = essai::EcrireListe(Chemin(QStringLiteral("cle-cinq.lst")), cle);
        Liste junk{kSed};
        for (int i = 0; i < 9999; ++i) junk.push_back("Seisme " + std::to_string(i));
        const QString e = essai::EcrireListe(Chemin(QStringLiteral("junk.lst")), junk);
        const auto s = Lancer(Base() + QStringList{QStringLiteral("--grade"), k, e});
        QCOMPARE(s.code, 0);
        const QStringList err = QString::fromUtf8(s.err).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(err.size(), 6);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(err[i], QStringLiteral("strataloom-render : %1, ligne %2 ignorée : « Seisme %3 »").arg(e).arg(i + 2).arg(i));
        QCOMPARE(err[5], QStringLiteral("strataloom-render : %1 : … et 9994 autres lignes ignorées").arg(e));
        // Up to five, each is named and nothing is counted.
        const QString cinq = essai::EcrireListe(Chemin(QStringLiteral("cinq.lst")), Liste(junk.begin(), junk.begin() + 6));
        const auto c = Lancer(Base() + QStringList{QStringLiteral("--grade"), k, cinq});
        QCOMPARE(QString::fromUtf8(c.err).split(QLatin1Char('\n'), Qt::SkipEmptyParts).size(), 5);
        QVERIFY(!c.err.contains("autre"));
    }

    void verificationDUneListe() {
        const Liste cle{kSed, kSed, "Compression", "Erosion", kSed};
        const QString exo = Chemin(QStringLiteral("verif.exo"));
        QCOMPARE(Lancer(Base() + QStringList{QStringLiteral("--make-exercise"), exo,
                                              essai::EcrireListe(Chemin(QStringLiteral("verif.lst")), cle)}).code, 0);
        const QString juste = essai::EcrireListe(Chemin(QStringLiteral("verif-juste.lst")), cle);
        const auto j = Lancer(Base() + QStringList{QStringLiteral("--check"), exo, juste});
        QCOMPARE(j.code, 0);
        QCOMPARE(QString::fromUtf8(j.out), QStringLiteral("C'est la même coupe que celle de l'exercice.\nNote : 20/20\n"));
        const Liste moinsUne{kSed, "Compression", "Erosion", kSed};
        const QString faux = essai::EcrireListe(Chemin(QStringLiteral("verif-faux.lst")), moinsUne);
        const QString ecarts = Chemin(QStringLiteral("verif-ecarts.bmp"));
        const auto f = Lancer(Base() + QStringList{QStringLiteral("--check"), exo, QStringLiteral("--diff"), ecarts, faux});
        QCOMPARE(f.code, 0);
        const QString sortie = QString::fromUtf8(f.out);
        QVERIFY2(sortie.startsWith(QStringLiteral("Ce n'est pas la même coupe : ")), qPrintable(sortie));
        QVERIFY2(sortie.contains(QStringLiteral("- Il manque à ta coupe une couche de roche")), qPrintable(sortie));
        QVERIFY(!sortie.contains(QStringLiteral("dimentation")));
        // A layer is missing (5 points for a formation), nothing else.
        const NoteAttendue n = Attendue(essai::Charge(base_, cle).vue(), essai::Charge(base_, moinsUne).vue(), 5);
        QVERIFY2(sortie.endsWith(QStringLiteral("Note : %1/20\n").arg(n.points)), qPrintable(sortie));
        QVERIFY(n.points <= 16);
        const auto carte = dessin::LireBmp(ecarts);
        QVERIFY(carte.has_value());
        QCOMPARE(*carte, section::CarteEcarts(essai::Charge(base_, cle).vue(), essai::Charge(base_, moinsUne).vue()));
    }

    void exerciceEtReponseRefuses() {
        const QString lst = essai::EcrireListe(Chemin(QStringLiteral("r.lst")), {kSed, "Erosion"});
        const QString exo = Chemin(QStringLiteral("r.exo"));
        QCOMPARE(Lancer(Base() + QStringList{QStringLiteral("--make-exercise"), exo, lst}).code, 0);
        const QString rep = Chemin(QStringLiteral("r.rep"));
        struct Cas {
            QStringList args;
            int code;
            const char* message;
        };
        const Cas cas[] = {
            {{QStringLiteral("--make-answer"), rep, QStringLiteral("--for"), exo, lst}, 2, "--pupil"},
            {{QStringLiteral("--title"), QStringLiteral("t"), lst, QStringLiteral("-o"), rep}, 2, "--title"},
            {{QStringLiteral("--make-answer"), rep, QStringLiteral("--for"), exo, QStringLiteral("--pupil"),
              QStringLiteral("   "), lst}, 1, "nom de l'élève est vide"},
            {{QStringLiteral("--make-answer"), rep, QStringLiteral("--for"), lst, QStringLiteral("--pupil"),
              QStringLiteral("Zoé"), lst}, 1, "pas un fichier d'exercice"},
            {{QStringLiteral("--make-exercise"), exo, essai::EcrireListe(Chemin(QStringLiteral("seule.lst")), {kSed})},
             1, "aucun événement"},
            {{QStringLiteral("--make-exercise"), exo, QStringLiteral("--title"), QString(250, QLatin1Char('x')), lst},
             1, "titre"},
        };
        for (const Cas& c : cas) {
            const auto s = Lancer(Base() + c.args);
            QCOMPARE(s.code, c.code);
            QVERIFY2(QString::fromUtf8(s.err).contains(QString::fromUtf8(c.message)), s.err.constData());
        }
        QVERIFY(!QFile::exists(rep));
        // The refused exercise left the good one as it was.
        section::Exercice e;
        QCOMPARE(section::LireExercice(essai::Lire(exo).toStdString(), e), std::string());
    }

    // The worksheet picture: the rock view in the print palette with a
    // letter on each piece and the legend below.
    void feuilleDesFormations() {
        const section::Liste liste{kSed, kSed, "Compression", "Plutonisme", "Distension"};
        const QString lst = essai::EcrireListe(Chemin(QStringLiteral("formations.lst")), liste);
        const QString png = Chemin(QStringLiteral("formations.png"));
        const auto s = Lancer(Base() + QStringList{QStringLiteral("--formations"), png, lst});
        QVERIFY2(s.code == 0, s.err.constData());
        QImage feuille;
        QVERIFY(feuille.load(png, "PNG"));
        section::Session a = essai::Charge(base_, liste);
        // A plain list: the letters of its fingerprint, as the renderer draws them.
        a.DefinirGraineLettres(section::GraineLettresDeSession(a));
        const section::VueLegende v = section::LireVueLegende(a);
        const section::Raster& vue = a.vue();
        // A plain list's rocks are drawn with seed 0, whatever its letters.
        const section::Raster roches = section::VueRoches(essai::Charge(base_, liste));
        QCOMPARE(feuille.width(), vue.width());
        const int lignes = static_cast<int>(a.Legende().size() + v.structures.size());
        QVERIFY(lignes >= 3);
        QVERIFY(feuille.height() > vue.height() + lignes * 10);
        const auto& etiquettes = v.etiquettes;
        QVERIFY(!etiquettes.empty());
        QVERIFY(!v.structures.empty());  // the faults' label
        const auto surEtiquette = [&](int x, int y) {
            for (const section::Etiquette& e : etiquettes)
                if (x >= e.boite.left - 1 && x <= e.boite.right && y >= e.boite.top - 1 && y <= e.boite.bottom)
                    return true;
            // A structure's label: on its place's row, right of a trace or
            // centred on a surface, a few letters wide.
            for (const section::Structure& st : v.structures)
                if (x >= st.place.x - 30 && x <= st.place.x + 48 && y >= st.place.y - section::kCoteEtiquette &&
                    y <= st.place.y + section::kCoteEtiquette)
                    return true;
            return false;
        };
        int ciel = 0, lettres = 0;
        for (int y = 0; y < vue.height(); ++y) {
            for (int x = 0; x < vue.width(); ++x) {
                const QRgb p = feuille.pixel(x, y) & 0xFFFFFFu;
                const section::Couleur c = roches.Pixels(x, y) & 0xFFFFFFu;
                if (surEtiquette(x, y)) {
                    lettres += p != c;
                } else if (c == (section::kBleu & 0xFFFFFFu)) {
                    QCOMPARE(p, QRgb(0xFFFFFF));
                    ++ciel;
                } else if (p != c) {
                    QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) changed").arg(x).arg(y)));
                }
            }
        }
        QVERIFY(ciel > 0);
        QVERIFY(lettres > static_cast<int>(etiquettes.size()) * 20);
        // The legend: ink on white below the view.
        int encre = 0;
        for (int y = vue.height(); y < feuille.height(); ++y)
            for (int x = 0; x < feuille.width(); ++x) encre += qGray(feuille.pixel(x, y)) < 128;
        QVERIFY(encre > lignes * 100);
        // Without letters, only the print palette: every rock pixel as the rock view has it.
        const QString sans = Chemin(QStringLiteral("sans-lettres.png"));
        QCOMPARE(Lancer(Base() + QStringList{QStringLiteral("--formations"), sans, QStringLiteral("--no-letters"), lst})
                     .code,
                 0);
        QImage nue;
        QVERIFY(nue.load(sans, "PNG"));
        for (int y = 0; y < vue.height(); ++y)
            for (int x = 0; x < vue.width(); ++x) {
                const section::Couleur c = roches.Pixels(x, y) & 0xFFFFFFu;
                if (c != (section::kBleu & 0xFFFFFFu)) QCOMPARE(nue.pixel(x, y) & 0xFFFFFFu, QRgb(c));
            }
        QCOMPARE(Lancer(Base() + QStringList{QStringLiteral("--no-letters"), lst}).code, 2);
        // Asked together, -o still writes the view as it is.
        const QString bmp = Chemin(QStringLiteral("formations.bmp"));
        QCOMPARE(Lancer(Base() + QStringList{QStringLiteral("--formations"), Chemin(QStringLiteral("f2.png")),
                                             QStringLiteral("-o"), bmp, lst}).code, 0);
        const auto image = dessin::LireBmp(bmp);
        QVERIFY(image && *image == vue);
    }

    // What the picture shows, for a script: each band of the starting
    // series and each layer, its letter, its rock and the line that laid
    // it; the k-th layer laid is rock RocheDeCouche(0, k) outside an
    // exercise, whatever its line.
    void formationsEnJson() {
        const section::Liste liste{kSed, kSed, "Distension", kSed};
        const QString lst = essai::EcrireListe(Chemin(QStringLiteral("json.lst")), liste);
        const QString json = Chemin(QStringLiteral("formations.json"));
        const auto s = Lancer(Base() + QStringList{QStringLiteral("--formations-json"), json, lst});
        QVERIFY2(s.code == 0, s.err.constData());
        const QJsonArray f = QJsonDocument::fromJson(essai::Lire(json)).object()[QLatin1String("formations")].toArray();
        QMap<int, QStringList> parLigne;
        QStringList lettres;
        for (const QJsonValue& e : f) {
            parLigne[e[QLatin1String("ligne")].toInt()] << e[QLatin1String("roche")].toString();
            lettres << e[QLatin1String("lettre")].toString();
        }
        // The test textures draw no bands: the starting series is one entry.
        QCOMPARE(parLigne.value(0), QStringList{QStringLiteral("série de départ")});
        const auto nom = [](int k) {
            return QString::fromUtf8(section::NomRoche(section::RocheDe(section::RocheDeCouche(0, k))).data());
        };
        QCOMPARE(parLigne.value(1), QStringList{nom(1)});
        QCOMPARE(parLigne.value(3), QStringList{nom(2)});
        QVERIFY(!parLigne.contains(2));  // a fault is a structure, not a formation
        QCOMPARE(lettres.size(), 3);
        for (int i = 0; i < lettres.size(); ++i) QCOMPARE(lettres[i], QString(QChar(u'A' + i)));
        QCOMPARE(Lancer(Base() + QStringList{QStringLiteral("--formations-json"), json, QStringLiteral("--out-dir"),
                                             Chemin(QStringLiteral("d")), lst}).code, 2);
    }

    // The sheet's title is the teacher's; the pupil's page names the
    // formations' rocks.
    void titreEtLegendeDeLaFiche() {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty()) QSKIP("pdftotext is not installed");
        const QString lst = essai::EcrireListe(Chemin(QStringLiteral("titre.lst")), {kSed, "Distension"});
        const QString pdf = Chemin(QStringLiteral("titre.pdf"));
        const QString titre = QStringLiteral("Contrôle n° 2 : les failles");
        const auto s = Lancer(Base() + QStringList{QStringLiteral("--sheet"), pdf, QStringLiteral("--title"), titre, lst});
        QVERIFY2(s.code == 0, s.err.constData());
        QProcess p;
        p.start(pdftotext, {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"), pdf,
                            QStringLiteral("-")});
        QVERIFY(p.waitForFinished(60000));
        const QString texte = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(texte.contains(titre), qPrintable(texte));
        QVERIFY(!texte.contains(QStringLiteral("titre")));  // not the file's name
        QVERIFY2(texte.contains(QStringLiteral("F1 : faille normale")), qPrintable(texte));
        QVERIFY(texte.contains(QStringLiteral(" : calcaire")));
        // The answer page of a long list: no line ends on an event's number.
        section::Liste longue{kSed};
        for (int i = 0; i < 40; ++i) longue.push_back(i % 2 ? "Distension" : "Chevauchement");
        const QString corrige = Chemin(QStringLiteral("longue.pdf"));
        QCOMPARE(Lancer(Base() + QStringList{QStringLiteral("--sheet"), corrige,
                                             essai::EcrireListe(Chemin(QStringLiteral("longue.lst")), longue)}).code, 0);
        p.start(pdftotext, {QStringLiteral("-f"), QStringLiteral("2"), QStringLiteral("-l"), QStringLiteral("2"), corrige,
                            QStringLiteral("-")});
        QVERIFY(p.waitForFinished(60000));
        const QStringList lignes = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'));
        QVERIFY(lignes.filter(QStringLiteral("Chevauchement")).size() >= 3);
        for (const QString& l : lignes)
            QVERIFY2(!l.trimmed().contains(QRegularExpression(QStringLiteral("(^|\\s)\\d+\\.$"))), qPrintable(l));
        const auto refus = Lancer(Base() + QStringList{QStringLiteral("--title"), titre, QStringLiteral("-o"),
                                                       Chemin(QStringLiteral("x.bmp")), lst});
        QCOMPARE(refus.code, 2);
        QVERIFY(QString::fromUtf8(refus.err).contains(QStringLiteral("--title")));
    }

    void comptageDesPagesPdf() {
        QCOMPARE(essai::PagesPdf("<< /Type /Pages /Kids [3 0 R] >> << /Type /Page >> <</Type/Page/Parent 2 0 R>>"), 2);
        QCOMPARE(essai::PagesPdf("<< /Type /Catalog >>"), 0);
    }
};

QTEST_GUILESS_MAIN(EnseignantTest)
#include "enseignant_test.moc"
