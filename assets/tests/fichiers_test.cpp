// SPDX-License-Identifier: GPL-3.0-or-later
#include "contrat.h"
#include "icones.h"
#include "sons.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <map>

namespace donnees::test {
namespace {

const char* const kSons[7] = {"Sedime.Wav", "Coulee.Wav",    "Erode.Wav", "Granite.Wav",
                              "Plisse.Wav", "Chevauche.Wav", "Casse.Wav"};

QByteArray Son(const char* nom) {
    return Lire(QDir(DossierDonnees()).filePath(QStringLiteral("Base/") + nom));
}

TEST(Sons, AreMono16BitPcmAt22050HzUnderTwoSeconds) {
    for (const char* nom : kSons) {
        SCOPED_TRACE(nom);
        const QByteArray a = Son(nom);
        ASSERT_GE(a.size(), 44);
        EXPECT_EQ(a.left(4), QByteArray("RIFF"));
        EXPECT_EQ(Mot32(a, 4), static_cast<std::uint32_t>(a.size() - 8));
        EXPECT_EQ(a.mid(8, 8), QByteArray("WAVEfmt "));
        EXPECT_EQ(Mot32(a, 16), 16u);
        EXPECT_EQ(Mot16(a, 20), 1u);  // PCM
        EXPECT_EQ(Mot16(a, 22), 1u);  // mono
        EXPECT_EQ(Mot32(a, 24), 22050u);
        EXPECT_EQ(Mot32(a, 28), 44100u);
        EXPECT_EQ(Mot16(a, 32), 2u);
        EXPECT_EQ(Mot16(a, 34), 16u);
        EXPECT_EQ(a.mid(36, 4), QByteArray("data"));
        const std::uint32_t octets = Mot32(a, 40);
        EXPECT_EQ(octets, static_cast<std::uint32_t>(a.size() - 44));
        const double secondes = octets / 2 / 22050.0;
        EXPECT_LT(secondes, 2.0);
        EXPECT_GT(secondes, 0.3);
    }
}

TEST(Sons, AreAudibleWithoutClippingAndStartAndEndSilently) {
    for (const char* nom : kSons) {
        SCOPED_TRACE(nom);
        const QByteArray a = Son(nom);
        ASSERT_GT(a.size(), 44 + 200);
        int crete = 0;
        for (int i = 44; i + 1 < a.size(); i += 2)
            crete =
                std::max(crete, std::abs(static_cast<int>(static_cast<std::int16_t>(Mot16(a, i)))));
        EXPECT_GT(crete, 8000);
        EXPECT_LT(crete, 32767);
        EXPECT_EQ(Mot16(a, 44), 0u);
        EXPECT_EQ(Mot16(a, static_cast<int>(a.size()) - 2), 0u);
    }
}

TEST(Sons, AreAllDifferent) {
    for (int i = 0; i < 7; ++i)
        for (int j = i + 1; j < 7; ++j)
            EXPECT_NE(Son(kSons[i]).mid(44), Son(kSons[j]).mid(44)) << kSons[i] << " " << kSons[j];
}

TEST(Sons, FilesHoldWhatTheGeneratorSynthesises) {
    const std::vector<donnees::Son> sons = FabriquerSons();
    ASSERT_EQ(sons.size(), 7u);
    for (std::size_t i = 0; i < sons.size(); ++i) {
        EXPECT_EQ(sons[i].nom, QString::fromLatin1(kSons[i]));
        EXPECT_EQ(FichierWav(sons[i].echantillons, FrequenceSons), Son(kSons[i])) << kSons[i];
    }
}

TEST(Sons, WaveHeaderAndLittleEndianSamples) {
    const QByteArray a = FichierWav({0, 1, -1, 32767, -32768}, 8000);
    ASSERT_EQ(a.size(), 54);
    EXPECT_EQ(Mot32(a, 4), 46u);
    EXPECT_EQ(Mot32(a, 24), 8000u);
    EXPECT_EQ(Mot32(a, 28), 16000u);
    EXPECT_EQ(Mot32(a, 40), 10u);
    EXPECT_EQ(a.mid(44), QByteArray::fromHex("00000100ffffff7f0080"));
}

TEST(Aide, IsUtf8HtmlWithOneSectionPerContext) {
    const QByteArray octets = Lire(QDir(DossierDonnees()).filePath("strataloom.hlp"));
    ASSERT_FALSE(octets.isEmpty());
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString texte = utf8(octets);
    EXPECT_FALSE(utf8.hasError());
    EXPECT_TRUE(octets.contains("<meta charset=\"utf-8\">"));
    EXPECT_EQ(octets.count("<a name=\"contexte-"), 8);
    qsizetype avant = -1;
    const std::pair<int, const char*> sujets[] = {{0, ""},
                                                  {11, "Sédimentation"},
                                                  {12, "Volcanisme"},
                                                  {13, "Erosion"},
                                                  {14, "Plutonisme"},
                                                  {15, "Compression"},
                                                  {16, "Chevauchement"},
                                                  {17, "Distension"}};
    for (const auto& [n, titre] : sujets) {
        SCOPED_TRACE(n);
        const QString ancre = QStringLiteral("<a name=\"contexte-%1\"></a>").arg(n);
        const QString entete = QStringLiteral("<h2 id=\"contexte-%1\">").arg(n);
        const qsizetype a = texte.indexOf(ancre), h = texte.indexOf(entete);
        ASSERT_GE(a, 0);
        ASSERT_GT(h, a);  // the anchor comes right before its heading
        EXPECT_EQ(texte.mid(a + ancre.size(), h - a - ancre.size()).trimmed(), QString());
        EXPECT_GT(a, avant);  // topics in the order of their numbers
        avant = a;
        const QString titreH2 = texte.mid(h, texte.indexOf("</h2>", h) - h);
        EXPECT_TRUE(titreH2.contains(QString::fromUtf8(titre))) << titreH2.toStdString();
    }
    for (const char* mot : {"Annuler", "Retour début", "Fichier", "modèle", "domaine sédimentaire"})
        EXPECT_TRUE(texte.contains(QString::fromUtf8(mot))) << mot;
}

TEST(Dossiers, StartingFoldersExist) {
    EXPECT_TRUE(QFileInfo(QDir(DossierDonnees()).filePath("Evenements")).isDir());
    EXPECT_TRUE(QFileInfo(QDir(DossierDonnees()).filePath("Modeles")).isDir());
}

TEST(Icones, EverySizeIsSquareTransparentAroundAndOpaqueInside) {
    for (int taille : kTaillesIcone) {
        SCOPED_TRACE(taille);
        const QImage i(
            QDir(DossierIcones()).filePath(QStringLiteral("strataloom-%1.png").arg(taille)), "PNG");
        ASSERT_EQ(i.size(), QSize(taille, taille));
        ASSERT_TRUE(i.hasAlphaChannel());
        EXPECT_EQ(qAlpha(i.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(i.pixel(taille - 1, taille - 1)), 0);
        EXPECT_EQ(qAlpha(i.pixel(taille / 2, taille / 2)), 255);
    }
}

TEST(Icones, LogoIsTheAboutBoxPicture) {
    const QImage logo(QDir(DossierIcones()).filePath("logo.png"), "PNG");
    ASSERT_EQ(logo.size(), QSize(171, 59));
    int opaques = 0;
    for (int y = 0; y < logo.height(); ++y)
        for (int x = 0; x < logo.width(); ++x) opaques += qAlpha(logo.pixel(x, y)) == 255;
    EXPECT_GT(opaques, 171 * 59 / 5);  // the emblem and the name
    EXPECT_LT(opaques, 171 * 59 * 3 / 4);
    EXPECT_EQ(qAlpha(logo.pixel(170, 58)), 0);
}

std::map<QString, QByteArray> Contenu(const QString& dossier) {
    std::map<QString, QByteArray> fichiers;
    QDirIterator it(dossier, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString chemin = it.next();
        fichiers[QDir(dossier).relativeFilePath(chemin)] = Lire(chemin);
    }
    return fichiers;
}

TEST(Generateur, TwoRunsWriteTheSameBytesAsTheBuild) {
    QTemporaryDir a, b;
    ASSERT_TRUE(a.isValid() && b.isValid());
    for (const QTemporaryDir* d : {&a, &b})
        ASSERT_EQ(Lancer({"--base", d->filePath("Base"), "--icones", d->filePath("icons")}), 0);
    const auto premier = Contenu(a.path()), second = Contenu(b.path());
    EXPECT_EQ(premier.size(), 7u + 7u + 8u + 1u);
    EXPECT_TRUE(premier == second);
    for (const auto& [nom, octets] : premier) {
        const QString construit = nom.startsWith("icons/")
                                      ? QDir(DossierIcones()).filePath(nom.mid(6))
                                      : QDir(DossierDonnees()).filePath(nom);
        EXPECT_EQ(Lire(construit), octets) << nom.toStdString();
    }
}

TEST(Generateur, WritesTexturesForTheBenchmarkSections) {
    QTemporaryDir d;
    ASSERT_TRUE(d.isValid());
    ASSERT_EQ(Lancer({"--base-size", "2560", "2400", "--textures", d.path()}), 0);
    const std::pair<const char*, QSize> attendus[] = {
        {"Couche1.bmp", {2560, 2136}}, {"Couche2.bmp", {2560, 40}},   {"Couche3.bmp", {2560, 2400}},
        {"Granit.bmp", {640, 1280}},   {"Granit0.bmp", {640, 1280}},  {"Coulee.bmp", {1680, 2440}},
        {"Coulee0.bmp", {1680, 2440}}};
    for (const auto& [nom, taille] : attendus)
        EXPECT_EQ(QImageReader(d.filePath(nom), "BMP").size(), taille) << nom;
    EXPECT_FALSE(QFileInfo::exists(d.filePath("Sedime.Wav")));  // textures only
}

TEST(Generateur, RefusesBadCommandLines) {
    QTemporaryDir d;
    ASSERT_TRUE(d.isValid());
    EXPECT_EQ(Lancer({}), 2);
    EXPECT_EQ(Lancer({"--base-size", "10", "10", "--textures", d.path()}), 2);
    EXPECT_EQ(Lancer({"--base-size", "640", "--textures", d.path()}), 2);
    EXPECT_EQ(Lancer({"--base-size", "640x600", "600", "--textures", d.path()}), 2);
    EXPECT_EQ(Lancer({"--inconnue"}), 2);
    EXPECT_EQ(Lancer({"--base-size", "640", "600"}), 2);  // nothing to write
    EXPECT_TRUE(QDir(d.path()).isEmpty());
    QByteArray aide;
    EXPECT_EQ(Lancer({"--help"}, &aide), 0);
    EXPECT_TRUE(aide.contains("--base-size W H"));
}

TEST(Generateur, ReportsAFolderItCannotWrite) {
    QTemporaryDir d;
    ASSERT_TRUE(d.isValid());
    QFile bouchon(d.filePath("fichier"));
    ASSERT_TRUE(bouchon.open(QIODevice::WriteOnly));
    bouchon.close();
    EXPECT_EQ(Lancer({"--sons", d.filePath("fichier/Base")}), 1);  // a file stands in the way
}

}  // namespace
}  // namespace donnees::test
