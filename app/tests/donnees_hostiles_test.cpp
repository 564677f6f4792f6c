// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile data through the program's loading paths: pictures that lie about
// themselves, textures that are missing, broken or of odd sizes, lists of
// random bytes or of a hundred thousand lines. The program must say so in
// French and keep working, or end cleanly.
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QtTest>

#include "section/liste.h"
#include "banc.h"
#include "dessin/images.h"

using Genre = FauxMessages::Genre;

namespace {

const QString kAbsents = QStringLiteral("Un ou plusieurs fichiers d'images sont absents");
const QString kImpossible = QStringLiteral("Chargement impossible");

// The event with tag k and its menu item.
section::Evenement Evenement(int k) { return section::kEvenements[static_cast<std::size_t>(k - 1)].evenement; }
QAction* Menu(const Banc& b, int k) {
    return b.Action(section::kEvenements[static_cast<std::size_t>(k - 1)].menu);
}

// --- BMP files written by hand ---------------------------------------------

void Le(QByteArray& b, quint32 v, int octets) {
    for (int i = 0; i < octets; ++i) b += static_cast<char>(v >> (8 * i) & 0xFF);
}

// File header, then a 40-byte info header (or the 12-byte OS/2 one), the
// palette and the pixel data as given.
QByteArray Bmp(qint32 w, qint32 h, int bpp, const QByteArray& pixels,
               const QByteArray& palette = {}, quint32 compression = 0, bool os2 = false) {
    const int tete = os2 ? 12 : 40;
    QByteArray b("BM");
    auto mots = [&b](int octets, std::initializer_list<qint64> valeurs) {
        for (const qint64 v : valeurs) Le(b, static_cast<quint32>(v), octets);
    };
    mots(4, {14 + tete + palette.size() + pixels.size(), 0, 14 + tete + palette.size(), tete});
    if (os2) {
        mots(2, {w, h, 1, bpp});
    } else {
        mots(4, {w, h});
        mots(2, {1, bpp});
        mots(4, {compression, pixels.size(), 2835, 2835, palette.size() / 4, 0});
    }
    return b + palette + pixels;
}

// A 3 x 2 picture: blue, red, black over white, green, (10, 20, 30); rows
// as stored, bottom row first unless `hautEnBas`.
QByteArray Pixels3x2(bool hautEnBas, int pas = 12) {
    const QByteArray haut =
        QByteArray("\xFF\x00\x00\x00\x00\xFF\x00\x00\x00", 9).leftJustified(pas, '\0');
    const QByteArray bas =
        QByteArray("\xFF\xFF\xFF\x00\xFF\x00\x1E\x14\x0A", 9).leftJustified(pas, '\0');
    return hautEnBas ? haut + bas : bas + haut;
}

QByteArray Palette(int n) {
    QByteArray p;
    for (int i = 0; i < n; ++i)
        p += QByteArray(1, char(i * 40)) + char(i * 7) + char(255 - i) + '\0';
    return p;
}

QByteArray Sauve(const QImage& img, const char* format) {
    QByteArray b;
    QBuffer tampon(&b);
    tampon.open(QIODevice::WriteOnly);
    img.save(&tampon, format);
    return b;
}

// A header that claims w x h pixels of 24 bits, followed by a short body.
QByteArray Geant(qint32 w, qint32 h) { return Bmp(w, h, 24, QByteArray(64, '\x80')); }

QString Ecrire(const QTemporaryDir& d, const QString& nom, const QByteArray& octets) {
    const QString chemin = d.filePath(nom);
    return EcrireFichier(chemin, octets) ? chemin : QString();
}

}  // namespace

class TestHostile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lectureBmp_data();
    void lectureBmp();
    void hautEnBasCommeBasEnHaut();
    void lectureBmpCheminsInvalides();
    void textureInutilisable_data();
    void textureInutilisable();
    void texturesDeTaillesInhabituelles_data();
    void texturesDeTaillesInhabituelles();
    void sectionTropGrande();
    void modelesExtremes();
    void listeOctetsAuHasard();
    void listeDeCentMilleLignes();
};

// --- The picture reader ------------------------------------------------------

void TestHostile::lectureBmp_data() {
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<QSize>("taille");  // invalid: refused
    QImage mono(13, 3, QImage::Format_Mono);
    mono.fill(1);
    QImage indexee = QImage(9, 4, QImage::Format_RGB32).convertToFormat(QImage::Format_Indexed8);
    QImage alpha(7, 5, QImage::Format_ARGB32);
    alpha.fill(qRgba(10, 20, 30, 128));
    const QByteArray rgb = Sauve(TextureUnie(6, 4, qRgb(0, 0, 255)), "BMP");
    QTest::newRow("1 bit") << Sauve(mono, "BMP") << QSize(13, 3);
    QTest::newRow("8 bits") << Sauve(indexee, "BMP") << QSize(9, 4);
    QTest::newRow("24 bits") << rgb << QSize(6, 4);
    QTest::newRow("32 bits avec alpha") << Sauve(alpha, "BMP") << QSize(7, 5);
    QTest::newRow("4 bits") << Bmp(4, 1, 4, QByteArray("\x01\x23\0\0", 4), Palette(16))
                            << QSize(4, 1);
    QTest::newRow("RLE8") << Bmp(4, 2, 8, QByteArray("\x04\x01\0\0\x04\x02\0\x01", 8), Palette(3),
                                 1)
                          << QSize(4, 2);
    QTest::newRow("en-tête OS/2") << Bmp(3, 2, 24, Pixels3x2(false), {}, 0, true) << QSize(3, 2);
    QTest::newRow("vide") << QByteArray() << QSize();
    QTest::newRow("BM seul") << QByteArray("BM") << QSize();
    QTest::newRow("en-tête seul") << rgb.left(54) << QSize();
    QTest::newRow("tronqué d'un octet") << rgb.left(rgb.size() - 1) << QSize();
    QTest::newRow("tronqué d'une ligne") << rgb.left(rgb.size() - 20) << QSize();
    QTest::newRow("PNG renommé") << Sauve(TextureUnie(6, 4, qRgb(0, 0, 255)), "PNG") << QSize();
    QTest::newRow("20000 x 20000 annoncés") << Geant(20000, 20000) << QSize();
    QTest::newRow("16000 x 16000 annoncés") << Geant(16000, 16000) << QSize();
    QTest::newRow("16000 x 16000 en RLE8")
        << Bmp(16000, 16000, 8, QByteArray("\0\x01", 2), Palette(2), 1) << QSize();
    QTest::newRow("largeur nulle") << Bmp(0, 2, 24, Pixels3x2(false)) << QSize();
    QTest::newRow("hauteur la plus négative") << Bmp(3, INT32_MIN, 24, Pixels3x2(false)) << QSize();
    QTest::newRow("13 bits par pixel") << Bmp(3, 2, 13, Pixels3x2(false)) << QSize();
    QByteArray loin = Bmp(3, 2, 24, Pixels3x2(false));
    loin.replace(10, 4, QByteArray("\0\0\0\x40", 4));  // pixel data at 1 GB
    QTest::newRow("données au-delà du fichier") << loin << QSize();
}

void TestHostile::lectureBmp() {
    QFETCH(QByteArray, octets);
    QFETCH(QSize, taille);
    QTemporaryDir d;
    const QString chemin = Ecrire(d, QStringLiteral("image.bmp"), octets);
    QVERIFY(!chemin.isEmpty());
    const std::optional<section::Raster> r = dessin::LireBmp(chemin);
    QCOMPARE(r.has_value(), taille.isValid());
    if (r) QCOMPARE(QSize(r->width(), r->height()), taille);
    // A texture folder holding it as its first picture loads no further.
    QVERIFY(QFile::copy(chemin, d.filePath(QStringLiteral("Couche1.bmp"))));
    section::Textures t;
    QCOMPARE(dessin::ChargerTextures(d.path(), t), r ? 1 : 0);
}

void TestHostile::hautEnBasCommeBasEnHaut() {
    QTemporaryDir d;
    const auto bas = dessin::LireBmp(Ecrire(d, QStringLiteral("b.bmp"), Bmp(3, 2, 24, Pixels3x2(false))));
    const auto haut = dessin::LireBmp(Ecrire(d, QStringLiteral("h.bmp"), Bmp(3, -2, 24, Pixels3x2(true))));
    const auto os2 =
        dessin::LireBmp(Ecrire(d, QStringLiteral("o.bmp"), Bmp(3, 2, 24, Pixels3x2(false), {}, 0, true)));
    QVERIFY(bas && haut && os2);
    QCOMPARE(bas->Pixels(0, 0), section::kBleu);
    QCOMPARE(bas->Pixels(1, 0), section::kRouge);
    QCOMPARE(bas->Pixels(2, 1), section::Rgb(10, 20, 30));
    QVERIFY(*haut == *bas);
    QVERIFY(*os2 == *bas);
}

void TestHostile::lectureBmpCheminsInvalides() {
    QTemporaryDir d;
    QVERIFY(!dessin::LireBmp(d.filePath(QStringLiteral("absent.bmp"))));
    QVERIFY(!dessin::LireBmp(d.path()));
    QVERIFY(!dessin::LireBmp(QString()));
}

// --- Textures through the window ---------------------------------------------

void TestHostile::textureInutilisable_data() {
    QTest::addColumn<int>("numero");
    QTest::addColumn<QByteArray>("octets");  // empty with "dossier": a folder in its place
    QTest::addColumn<bool>("dossier");
    const QByteArray png = Sauve(TextureUnie(640, 10, qRgb(1, 2, 3)), "PNG");
    for (int i = 0; i < 7; ++i) {
        const QString nom = QLatin1String(section::kFichiersTextures[i]);
        QTest::addRow("%s absent", qPrintable(nom)) << i << QByteArray() << false;
        QTest::addRow("%s vide", qPrintable(nom)) << i << QByteArray("") << false;
    }
    QTest::newRow("Couche1.bmp dossier") << 0 << QByteArray() << true;
    QTest::newRow("Couche3.bmp PNG renommé") << 2 << png << false;
    QTest::newRow("Granit.bmp tronqué")
        << 3 << Sauve(TextureUnie(20, 20, 0), "BMP").left(300) << false;
    QTest::newRow("Couche1.bmp 20000 x 20000") << 0 << Geant(20000, 20000) << false;
    QTest::newRow("Couche3.bmp 16000 x 16000") << 2 << Geant(16000, 16000) << false;
    QTest::newRow("Couche1.bmp de 1 colonne") << 0 << Sauve(TextureUnie(1, 50, 0), "BMP") << false;
}

void TestHostile::textureInutilisable() {
    QFETCH(int, numero);
    QFETCH(QByteArray, octets);
    QFETCH(bool, dossier);
    Banc b({}, false);
    const QString chemin =
        b.Chemin(QStringLiteral("Base/") + QLatin1String(section::kFichiersTextures[numero]));
    QVERIFY(QFile::remove(chemin));
    if (dossier)
        QVERIFY(QDir().mkpath(chemin));
    else if (!octets.isNull())
        QVERIFY(EcrireFichier(chemin, octets));
    b.Creer();
    QCOMPARE(b.f.messages.messages.size(), std::size_t(1));
    QCOMPARE(b.f.messages.messages[0].texte, kAbsents);
    QCOMPARE(b.f.messages.messages[0].genre, Genre::Erreur);
    QVERIFY(b.w->finDemandee());
    for (int k = 1; k <= 7; ++k) {
        QVERIFY(!Menu(b, k)->isEnabled());
        b.w->AppliquerEvenement(Evenement(k));  // even forced, nothing runs
    }
    QCOMPARE(b.w->session().liste().size(), std::size_t(1));
    b.Bouton("Efface")->click();
    QCOMPARE(b.f.messages.Nombre(Genre::Erreur, kAbsents), 2);
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

// Sizes the pictures do not usually have, but which make a section: the
// program accepts them, and every event, undo, reset and replay runs with
// the section and view keeping their sizes.
void TestHostile::texturesDeTaillesInhabituelles_data() {
    QTest::addColumn<int>("largeur");
    QTest::addColumn<int>("hauteur");
    QTest::addColumn<int>("hautCouche1");
    QTest::addColumn<QString>("remplace");  // file replaced by a picture of `autre`
    QTest::addColumn<QSize>("autre");
    QTest::newRow("Couche1 de 101 colonnes") << 101 << 600 << 220 << QString() << QSize();
    QTest::newRow("section moins haute que la vue") << 640 << 300 << 100 << QString() << QSize();
    QTest::newRow("section de 41 lignes") << 346 << 41 << 20 << QString() << QSize();
    QTest::newRow("section de 20 lignes") << 120 << 20 << 10 << QString() << QSize();
    QTest::newRow("Couche1 plus haute que la section") << 640 << 600 << 700 << QString() << QSize();
    QTest::newRow("Couche3 plus étroite que la section")
        << 640 << 600 << 220 << "Couche3.bmp" << QSize(50, 600);
    QTest::newRow("Couche2 plus large que la section")
        << 640 << 600 << 220 << "Couche2.bmp" << QSize(2000, 45);
    QTest::newRow("masque du granit plus grand")
        << 640 << 600 << 220 << "Granit0.bmp" << QSize(700, 900);
    QTest::newRow("masque de la coulée plus petit")
        << 640 << 600 << 220 << "Coulee0.bmp" << QSize(10, 5);
}

void TestHostile::texturesDeTaillesInhabituelles() {
    QFETCH(int, largeur);
    QFETCH(int, hauteur);
    QFETCH(int, hautCouche1);
    QFETCH(QString, remplace);
    QFETCH(QSize, autre);
    Banc b({largeur, hauteur, hautCouche1}, false);
    if (!remplace.isEmpty())
        QVERIFY(TextureUnie(autre.width(), autre.height(), qRgb(255, 255, 255))
                    .save(b.Chemin(QStringLiteral("Base/") + remplace), "BMP"));
    b.Creer();
    QVERIFY(b.f.messages.messages.empty());
    QVERIFY(!b.w->finDemandee());
    const section::Section& s = b.w->session().section();
    QCOMPARE(QSize(s.W(), s.H()), QSize(largeur, hauteur));
    QByteArray liste(
        "S\xE9"
        "dimentation\r\n");
    for (int tour = 0; tour < 2; ++tour)
        for (int k = 1; k <= 7; ++k) {
            b.w->AppliquerEvenement(Evenement(k));
            const std::string_view ligne =
                section::kEvenements[static_cast<std::size_t>(k - 1)].ligne;
            liste += QByteArray(ligne.data(), static_cast<qsizetype>(ligne.size())) + "\r\n";
            if (k % 3 == 0) {  // undone and done again
                b.w->Annuler();
                b.w->AppliquerEvenement(Evenement(k));
            }
            QCOMPARE(QSize(s.W(), s.H()), QSize(largeur, hauteur));
            QCOMPARE(QSize(s.Visu.width(), s.Visu.height()), QSize(largeur - 100, 480));
        }
    QCOMPARE(b.w->session().liste().size(), std::size_t(15));
    const section::Raster interactif = s.Observe;
    b.Bouton("Efface")->click();
    const QString fichier = b.Chemin(QStringLiteral("Evenements/tout.lst"));
    QVERIFY(EcrireFichier(fichier, liste));
    b.f.fichiers.Repondre(fichier);
    b.Action("Charger1")->trigger();
    QCOMPARE(b.w->session().liste().size(), std::size_t(15));
    QVERIFY(s.Observe == interactif);
    QVERIFY(b.f.messages.messages.empty());
}

// Pictures each within the reader's limit whose section would not be:
// 5000 columns by 14000 rows.
void TestHostile::sectionTropGrande() {
    Banc b({}, false);
    const int pas = (5000 + 31) / 32 * 4;
    QVERIFY(EcrireFichier(b.Chemin(QStringLiteral("Base/Couche1.bmp")),
                          Bmp(5000, 1, 1, QByteArray(pas, '\x0F'), Palette(2))));
    QVERIFY(EcrireFichier(b.Chemin(QStringLiteral("Base/Couche3.bmp")),
                          Bmp(16, 14000, 8, QByteArray("\0\x01", 2), Palette(2), 1)));
    b.Creer();
    QCOMPARE(b.f.messages.Nombre(Genre::Erreur, kAbsents), 1);
    QVERIFY(b.w->finDemandee());
    QVERIFY(b.w->session().observe().size() < 64u * 1024 * 1024);
}

// A model of a single pixel is accepted; one of 16000 x 16000 (a real 1-bit
// file of 32 MB) is beyond what the reader takes and is refused, keeping
// the model already loaded.
void TestHostile::modelesExtremes() {
    Banc b;
    const QString petit = b.Chemin(QStringLiteral("Modeles/un.bmp"));
    QVERIFY(TextureUnie(1, 1, qRgb(0, 0, 255)).save(petit, "BMP"));
    b.f.fichiers.Repondre(petit);
    b.Action("Importermodle1")->trigger();
    QVERIFY(b.f.messages.messages.empty());
    QCOMPARE(b.w->imageModele().size(), QSize(1, 1));
    const int pas = (16000 + 31) / 32 * 4;
    const QString grand = b.Chemin(QStringLiteral("Modeles/grand.bmp"));
    QVERIFY(
        EcrireFichier(grand, Bmp(16000, 16000, 1, QByteArray(pas * 16000, '\x55'), Palette(2))));
    b.f.fichiers.Repondre(grand);
    b.Action("Importermodle1")->trigger();
    QCOMPARE(b.f.messages.Nombre(Genre::Erreur, QStringLiteral("Impossible de charger le fichier")),
             1);
    QCOMPARE(b.w->imageModele().size(), QSize(1, 1));
}

// --- Lists -------------------------------------------------------------------

void TestHostile::listeOctetsAuHasard() {
    Banc b;
    for (quint32 graine = 1; graine <= 4; ++graine) {
        QRandomGenerator alea(graine);
        QByteArray octets(64 * 1024, '\0');
        // NUL bytes in the last file only: the first one ends the text.
        for (char& c : octets) c = static_cast<char>(alea.bounded(graine < 4 ? 1 : 0, 256));
        const QString chemin = b.Chemin(QStringLiteral("Evenements/hasard.lst"));
        QVERIFY(EcrireFichier(chemin, octets));
        b.f.fichiers.Repondre(chemin);
        b.Action("Charger1")->trigger();
        // The text ends at the first NUL byte; what comes before is shown.
        const qsizetype nul = octets.indexOf('\0');
        const QByteArray texte = nul < 0 ? octets : octets.left(nul);
        QCOMPARE(b.w->session().liste(),
                 section::LireListe(
                     std::string_view(texte.constData(), static_cast<std::size_t>(texte.size()))));
        QVERIFY(b.f.messages.messages.empty());
        QCOMPARE(b.w->session().vue().width(), 540);
    }
}

// The load command refuses a list this long; the replay itself, given one,
// goes through every line and ends.
void TestHostile::listeDeCentMilleLignes() {
    Banc b;
    QByteArray octets(
        "S\xE9"
        "dimentation\r\n");
    section::Liste liste{section::Ligne(section::kLigneInitiale)};
    for (int i = 1; i < 100000; ++i) {
        const QByteArray ligne =
            i % 5000 == 0 ? QByteArray("Erosion") : "ligne " + QByteArray::number(i);
        octets += ligne + "\r\n";
        liste.push_back(ligne.toStdString());
    }
    const QString chemin = b.Chemin(QStringLiteral("Evenements/longue.lst"));
    QVERIFY(EcrireFichier(chemin, octets));
    b.f.fichiers.Repondre(chemin);
    b.Action("Charger1")->trigger();
    QCOMPARE(b.f.messages.Nombre(Genre::Information, kImpossible), 1);
    QVERIFY(Menu(b, 7)->isEnabled());

    section::Session at;
    at.DefinirTextures(b.w->session().textures());
    at.Charger(liste);
    QCOMPARE(at.liste().size(), std::size_t(100000));
    section::Session attendu;
    attendu.DefinirTextures(at.textures());
    attendu.Reinitialiser();
    for (int i = 0; i < 19; ++i) attendu.Appliquer(section::Evenement::Erosion);
    QVERIFY(at.observe() == attendu.observe());
}

QTEST_MAIN(TestHostile)
#include "donnees_hostiles_test.moc"
