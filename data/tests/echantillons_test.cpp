// SPDX-License-Identifier: GPL-3.0-or-later
// The sample event lists shipped in Evenements/ and their model pictures
// in Modeles/: each list must be a well-formed list file, must be buildable
// by a learner clicking its events one after the other (no step may need a
// disabled command), and its model must be the picture the replay shows.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <string>
#include <vector>

#include "dessin/images.h"
#include "section/chronologie.h"
#include "section/session.h"
#include "section/disponibilite.h"
#include "section/liste.h"
#include "section/encodage.h"

namespace {

using section::Session;
using section::Liste;

QString DossierSources() { return QStringLiteral(STRATALOOM_LISTES_SOURCES); }
QString DossierDonnees() { return QStringLiteral(STRATALOOM_DATA_DIR); }

QStringList Listes(const QString& dossier) {
    return QDir(dossier).entryList({QStringLiteral("*.lst")}, QDir::Files, QDir::Name);
}

std::string Octets(const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray a = f.readAll();
    return std::string(a.constData(), static_cast<std::size_t>(a.size()));
}

// A workshop with the shipped textures loaded and the section reset.
Session SessionPrete() {
    Session a;
    section::Textures t;
    const int echec = dessin::ChargerTextures(DossierDonnees() + QStringLiteral("/Base"), t);
    EXPECT_EQ(echec, -1) << "texture " << echec << " missing from " << STRATALOOM_DATA_DIR;
    a.DefinirTextures(std::move(t));
    a.Reinitialiser();
    return a;
}

std::string Nom(const std::string& ligne) { return section::Utf8DeLigne(ligne); }

std::string Disponibles(const section::Disponibilite& d) {
    std::string s;
    for (const auto& e : section::kEvenements)
        if (d[e.evenement]) s += (s.empty() ? "" : ", ") + Nom(std::string(e.ligne));
    return s.empty() ? "none" : s;
}

TEST(Echantillons, AtLeastFiveListsAreShippedAndCopiedToTheBuild) {
    const QStringList sources = Listes(DossierSources());
    EXPECT_GE(sources.size(), 5);
    for (const QString& nom : sources) {
        SCOPED_TRACE(nom.toStdString());
        const QString copie = DossierDonnees() + QStringLiteral("/Evenements/") + nom;
        ASSERT_TRUE(QFileInfo::exists(copie)) << "missing from the build's Evenements/";
        EXPECT_EQ(Octets(copie),
                  Octets(DossierSources() + QLatin1Char('/') + nom));
    }
}

TEST(Echantillons, AreListFilesInWindows1252WithCrLfAfterEveryLine) {
    for (const QString& nom : Listes(DossierSources())) {
        SCOPED_TRACE(nom.toStdString());
        const std::string o = Octets(DossierSources() + QLatin1Char('/') + nom);
        ASSERT_FALSE(o.empty());
        // The first line is the base layer, with the single byte 0xE9.
        EXPECT_EQ(o.substr(0, 15), std::string("S\xE9" "dimentation\r\n"));
        ASSERT_GE(o.size(), 2u);
        EXPECT_EQ(o.substr(o.size() - 2), "\r\n");
        const Liste l = section::LireListe(o);
        EXPECT_EQ(section::TexteListe(l), o) << "a line break other than CR LF, or an empty line";
        EXPECT_GE(l.size(), 3u) << "a sample of at least two events";
        for (const std::string& ligne : l) EXPECT_NE(section::TagDeLigne(ligne), 0) << Nom(ligne);
    }
}

TEST(Echantillons, CanBeBuiltStepByStepWithOnlyEnabledCommands) {
    for (const QString& nom : Listes(DossierSources())) {
        SCOPED_TRACE(nom.toStdString());
        const Liste l = section::LireListe(Octets(DossierSources() + QLatin1Char('/') + nom));
        Session a = SessionPrete();
        for (std::size_t i = 1; i < l.size(); ++i) {
            const std::optional<section::Evenement> e = section::EvenementDeLigne(l[i]);
            ASSERT_TRUE(e.has_value()) << "line " << i + 1;
            ASSERT_TRUE(a.Disponible(*e))
                << "line " << i + 1 << ": " << Nom(l[i]) << " is disabled here; enabled: "
                << Disponibles(a.disponibilite());
            const section::Raster avant = a.observe();
            a.Appliquer(*e);
            EXPECT_FALSE(a.observe() == avant) << "line " << i + 1 << ": " << Nom(l[i])
                                                 << " leaves the section unchanged";
        }
        // Clicking the events leaves the same list and picture as loading the file.
        Session r = SessionPrete();
        r.Charger(l);
        EXPECT_EQ(a.liste(), l);
        EXPECT_TRUE(a.vue() == r.vue()) << "clicked and replayed pictures differ";
        EXPECT_EQ(a.disponibilite(), r.disponibilite());
    }
}

// A sample is a lesson: the picture gives the order of its events.
TEST(Echantillons, AreLegible) {
    for (const QString& nom : Listes(DossierSources())) {
        const Liste l = section::LireListe(Octets(DossierSources() + QLatin1Char('/') + nom));
        Session a = SessionPrete();
        a.Charger(l);
        section::Chronologie c = section::LireChronologie(a);
        section::EvaluerLisibilite(a.textures(), l, c);
        EXPECT_TRUE(c.lisible) << nom.toStdString() << ": "
                               << (c.ecarts.empty() ? std::string() : c.ecarts.front().texte);
    }
}

TEST(Echantillons, ShowDifferentSections) {
    const QStringList noms = Listes(DossierSources());
    std::vector<section::Raster> vues;
    for (const QString& nom : noms) {
        Session a = SessionPrete();
        a.Charger(section::LireListe(Octets(DossierSources() + QLatin1Char('/') + nom)));
        for (std::size_t k = 0; k < vues.size(); ++k)
            EXPECT_FALSE(vues[k] == a.vue())
                << nom.toStdString() << " shows the same section as " << noms[k].toStdString();
        vues.push_back(a.vue());
    }
}

// What a pupil sees right after a reset: rock over at least 40 % of the
// view, and every command enabled, so any event can be the first one.
TEST(Depart, RockFillsFortyPercentOfTheViewAndEveryCommandIsEnabled) {
    const Session a = SessionPrete();
    const section::Raster& vue = a.vue();
    int roche = 0;
    for (int y = 0; y < vue.height(); ++y)
        for (int x = 0; x < vue.width(); ++x) roche += vue.Pixels(x, y) != section::kBleu;
    EXPECT_GE(roche, vue.width() * vue.height() * 40 / 100);
    for (const auto& e : section::kEvenements)
        EXPECT_TRUE(a.Disponible(e.evenement)) << Nom(std::string(e.ligne)) << " is disabled after a reset";
}

// First row of rock of each column of the view, or its height.
std::vector<int> Surface(const section::Raster& vue) {
    std::vector<int> s(static_cast<std::size_t>(vue.width()), vue.height());
    for (int x = 0; x < vue.width(); ++x)
        for (int y = 0; y < vue.height() && s[static_cast<std::size_t>(x)] == vue.height(); ++y)
            if (vue.Pixels(x, y) != section::kBleu) s[static_cast<std::size_t>(x)] = y;
    return s;
}

// A volcanism on a fresh section: the flow lies on the ground over at least
// 150 columns of the view, and below the ground its feeder shows on every
// row of the view, a narrow dyke through the starting series.
TEST(Depart, VolcanismSpreadsItsFlowInTheViewAndItsDykeCrossesTheSeries) {
    Session a = SessionPrete();
    const section::Raster avant = a.vue();
    const std::vector<int> sol = Surface(avant);
    ASSERT_TRUE(a.Disponible(section::Evenement::Volcanisme));
    a.Appliquer(section::Evenement::Volcanisme);
    const section::Raster& vue = a.vue();
    const std::vector<int> apres = Surface(vue);
    int couverts = 0;
    for (std::size_t x = 0; x < sol.size(); ++x) couverts += apres[x] < sol[x];
    EXPECT_GE(couverts, 150);
    const int haut = *std::min_element(sol.begin(), sol.end());
    for (int y = haut + 1; y < vue.height(); ++y) {
        int changes = 0;
        for (int x = 0; x < vue.width(); ++x) changes += vue.Pixels(x, y) != avant.Pixels(x, y);
        ASSERT_GT(changes, 0) << "row " << y << ": no dyke";
        ASSERT_LE(changes, 40) << "row " << y << ": wider than a dyke";
    }
}

TEST(Modeles, EachSampleHasItsModelThePictureOfItsReplay) {
    for (const QString& nom : Listes(DossierSources())) {
        SCOPED_TRACE(nom.toStdString());
        const QString modele = DossierDonnees() + QStringLiteral("/Modeles/") +
                               QFileInfo(nom).completeBaseName() + QStringLiteral(".bmp");
        ASSERT_TRUE(QFileInfo::exists(modele)) << modele.toStdString();
        EXPECT_EQ(QImageReader(modele).format(), QByteArray("bmp"));
        const auto image = dessin::LireBmp(modele);
        ASSERT_TRUE(image.has_value()) << "unreadable or truncated";
        Session a = SessionPrete();
        a.Charger(section::LireListe(Octets(DossierSources() + QLatin1Char('/') + nom)));
        EXPECT_EQ(image->width(), a.observe().width() - section::MargeCachee);
        EXPECT_EQ(image->height(), section::HauteurVue);
        EXPECT_TRUE(*image == a.vue()) << "the model is not the replayed view";
    }
}

}  // namespace

// The help's pictures: for each event, a list before it and the same list
// with it, both clickable, and the pictures beside the help file are what
// the lists show.
TEST(ImagesAide, EachEventHasItsBeforeAndAfterPicture) {
    const QString sources = QStringLiteral(STRATALOOM_AIDE_SOURCES);
    for (const auto& e : section::kEvenements) {
        std::string nom = Nom(std::string(e.ligne));
        if (nom.rfind("Sé", 0) == 0) nom = "se" + nom.substr(3);  // "Sédimentation": sedimentation
        std::transform(nom.begin(), nom.end(), nom.begin(), [](char c) { return static_cast<char>(std::tolower(c)); });
        SCOPED_TRACE(nom);
        const Liste avant = section::LireListe(Octets(sources + QStringLiteral("/%1-avant.lst").arg(QString::fromStdString(nom))));
        const Liste apres = section::LireListe(Octets(sources + QStringLiteral("/%1-apres.lst").arg(QString::fromStdString(nom))));
        ASSERT_GE(avant.size(), 1u);
        ASSERT_EQ(apres.size(), avant.size() + 1);
        EXPECT_TRUE(std::equal(avant.begin(), avant.end(), apres.begin()));
        EXPECT_EQ(section::TagDeLigne(apres.back()), e.tag);
        Session a = SessionPrete();
        for (std::size_t i = 1; i < apres.size(); ++i) {
            const auto ev = section::EvenementDeLigne(apres[i]);
            ASSERT_TRUE(ev && a.Disponible(*ev)) << "line " << i + 1 << " is disabled here";
            a.Appliquer(*ev);
            if (i + 1 == avant.size()) {
                QImage image(DossierDonnees() + QStringLiteral("/aide/%1-avant.png").arg(QString::fromStdString(nom)));
                EXPECT_TRUE(!image.isNull() && dessin::DeImage(image) == a.vue()) << "before";
            }
        }
        QImage image(DossierDonnees() + QStringLiteral("/aide/%1-apres.png").arg(QString::fromStdString(nom)));
        ASSERT_FALSE(image.isNull());
        EXPECT_TRUE(dessin::DeImage(image) == a.vue()) << "after";
    }
}
