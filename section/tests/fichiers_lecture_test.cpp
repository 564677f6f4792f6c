// SPDX-License-Identifier: GPL-3.0-or-later
// Bounded reads: only regular files are read, never waiting on a FIFO nor
// reading a device without end; a list is refused beyond 16 MiB or 10,000
// lines; a picture or a texture set is refused from its headers, before
// anything is decoded, once over the pixel budget.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <csignal>

#include <cstdint>
#include <string>

#include "dossier_essai.h"
#include "section/fichiers.h"
#include "section/liste.h"
#include "textures_essai.h"

namespace section {
namespace {

using test::DossierTemporaire;
using test::Ecrire;
using test::GardienFifo;

// --- BMP files written by hand ---------------------------------------------------

void Le(std::string& o, std::uint32_t v, int octets) {
    for (int i = 0; i < octets; ++i) o += static_cast<char>(v >> (8 * i) & 0xFF);
}

// A 40-byte-header BMP of w x h at `bits`, with `couleurs` palette entries
// and the pixel data as given.
std::string Bmp(std::int32_t w, std::int32_t h, int bits, std::uint32_t compression, const std::string& donnees,
                int couleurs) {
    std::string palette;
    for (int i = 0; i < couleurs; ++i) Le(palette, static_cast<std::uint32_t>(i * 0x010101), 4);
    std::string o = "BM";
    const auto debut = static_cast<std::uint32_t>(54 + palette.size());
    Le(o, debut + static_cast<std::uint32_t>(donnees.size()), 4);
    Le(o, 0, 4);
    Le(o, debut, 4);
    Le(o, 40, 4);
    Le(o, static_cast<std::uint32_t>(w), 4);
    Le(o, static_cast<std::uint32_t>(h), 4);
    Le(o, 1, 2);
    Le(o, static_cast<std::uint32_t>(bits), 2);
    Le(o, compression, 4);
    Le(o, static_cast<std::uint32_t>(donnees.size()), 4);
    Le(o, 2835, 4);
    Le(o, 2835, 4);
    Le(o, static_cast<std::uint32_t>(couleurs), 4);
    Le(o, 0, 4);
    return o + palette + donnees;
}

// About 1 KB of RLE8 that declares w x h: a few runs, then the end.
std::string BombeRle(int w, int h) {
    std::string runs;
    for (int ligne = 0; ligne < 4; ++ligne) {
        for (int i = 0; i < 64; ++i) runs += "\xFF\x05";
        runs += std::string("\0\0", 2);
    }
    runs += std::string("\0\x01", 2);
    return Bmp(w, h, 8, 1, runs, 256);
}

// An uncompressed 1-bit picture of w x h, every row present (4 MB for
// 16384 x 2048).
std::string Bombe1Bit(int w, int h) {
    const std::size_t pas = (static_cast<std::size_t>(w) + 31) / 32 * 4;
    return Bmp(w, h, 1, 0, std::string(pas * static_cast<std::size_t>(h), '\x55'), 2);
}

bool EcrireTextures(const std::string& dossier, const Textures& t) {
    for (int i = 0; i < 7; ++i)
        if (!Ecrire(dossier + "/" + kFichiersTextures[i], EcrireBmp(TextureNumero(t, i)))) return false;
    return true;
}

bool ToutesVides(const Textures& t) {
    for (int i = 0; i < 7; ++i)
        if (!TextureNumero(t, i).empty()) return false;
    return true;
}

// --- Only regular files, never waiting ----------------------------------------------

TEST(LectureBornee, UnFifoSansEcrivainEstRefuseSansAttendre) {
    DossierTemporaire d;
    const std::string fifo = d / "liste.lst";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    GardienFifo gardien(fifo, GardienFifo::Attente::Lecteur);
    std::string octets;
    Liste lignes;
    Raster image;
    Textures t;
    int fautif = -2;
    EXPECT_EQ(LireFichier(fifo, kOctetsListeMax, octets), ErreurFichier::PasUnFichier);
    EXPECT_EQ(LireFichierListe(fifo, lignes), ErreurFichier::PasUnFichier);
    EXPECT_EQ(LireFichierBmp(fifo, image), ErreurFichier::PasUnFichier);
    // A texture set whose Couche2.bmp is a FIFO.
    ASSERT_TRUE(EcrireTextures(d.Chemin(), test::TexturesSimples(640, 600)));
    ASSERT_EQ(::unlink((d / "Couche2.bmp").c_str()), 0);
    ASSERT_EQ(::symlink(fifo.c_str(), (d / "Couche2.bmp").c_str()), 0);
    EXPECT_EQ(ChargerTextures(d.Chemin(), t, fautif), ErreurFichier::PasUnFichier);
    EXPECT_EQ(fautif, 1);
    EXPECT_FALSE(gardien.Bloque()) << "une lecture attendait un écrivain";
}

// /dev/zero never ends: neither it nor a link to it is read at all; read
// from an open descriptor, it stops at the limit.
TEST(LectureBornee, DevZeroEstRefuseOuBorne) {
    DossierTemporaire d;
    ASSERT_EQ(::symlink("/dev/zero", (d / "Couche2.bmp").c_str()), 0);
    std::string octets;
    Raster image;
    Liste lignes;
    for (const std::string& chemin : {std::string("/dev/zero"), d / "Couche2.bmp"}) {
        EXPECT_EQ(LireFichier(chemin, 1024, octets), ErreurFichier::PasUnFichier) << chemin;
        EXPECT_EQ(LireFichierBmp(chemin, image), ErreurFichier::PasUnFichier) << chemin;
        EXPECT_EQ(LireFichierListe(chemin, lignes), ErreurFichier::PasUnFichier) << chemin;
    }
    EXPECT_TRUE(octets.empty());
    const int zero = ::open("/dev/zero", O_RDONLY | O_CLOEXEC);
    ASSERT_GE(zero, 0);
    EXPECT_EQ(LireDescripteur(zero, kOctetsListeMax, octets), ErreurFichier::TropGros);
    ::close(zero);
    EXPECT_EQ(octets.size(), kOctetsListeMax + 1);
}

TEST(LectureBornee, UnDossierEstRefuse) {
    DossierTemporaire d;
    std::string octets;
    Raster image;
    EXPECT_EQ(LireFichier(d.Chemin(), 1024, octets), ErreurFichier::PasUnFichier);
    EXPECT_EQ(LireFichierBmp(d.Chemin(), image), ErreurFichier::PasUnFichier);
}

// The size the file system gives is not what bounds the read: a /proc file
// says 0 bytes and holds more, and is read whole, within the limit.
TEST(LectureBornee, LesOctetsLusBornentLaLectureNonLaTailleAnnoncee) {
    struct stat st {};
    ASSERT_EQ(::stat("/proc/self/status", &st), 0);
    ASSERT_TRUE(S_ISREG(st.st_mode));
    ASSERT_EQ(st.st_size, 0);
    std::string octets;
    EXPECT_EQ(LireFichier("/proc/self/status", 1u << 20, octets), ErreurFichier::Aucune);
    EXPECT_NE(octets.find("Name:"), std::string::npos);
    EXPECT_EQ(LireFichier("/proc/self/status", 10, octets), ErreurFichier::TropGros);
    EXPECT_EQ(octets.size(), 11u);
}

// --- Lists ------------------------------------------------------------------------

struct CasListe {
    const char* nom;
    std::string octets;
    ErreurFichier attendu;
};

std::string Lignes(const std::string& ligne, std::size_t n) {
    std::string s;
    s.reserve(ligne.size() * n);
    for (std::size_t i = 0; i < n; ++i) s += ligne;
    return s;
}

void PrintTo(const CasListe& c, std::ostream* os) { *os << c.nom << " (" << c.octets.size() << " octets)"; }

class LimitesDeListe : public ::testing::TestWithParam<CasListe> {};

TEST_P(LimitesDeListe, UneSeuleLectureAvecLesLimitesDeLaFenetre) {
    const CasListe& c = GetParam();
    DossierTemporaire d;
    ASSERT_TRUE(Ecrire(d / "liste.lst", c.octets));
    Liste lignes;
    EXPECT_EQ(LireFichierListe(d / "liste.lst", lignes), c.attendu);
    if (c.attendu == ErreurFichier::Aucune) {
        EXPECT_EQ(lignes, LireListe(c.octets));
    } else {
        EXPECT_TRUE(lignes.empty());
    }
    // The same from the bytes of standard input.
    ::signal(SIGPIPE, SIG_IGN);
    std::string octets;
    int tube[2];
    ASSERT_EQ(::pipe(tube), 0);
    std::thread ecrivain([&] {
        std::size_t fait = 0;
        while (fait < c.octets.size()) {
            const ssize_t n = ::write(tube[1], c.octets.data() + fait, c.octets.size() - fait);
            if (n <= 0) break;
            fait += static_cast<std::size_t>(n);
        }
        ::close(tube[1]);
    });
    ErreurFichier e = LireDescripteur(tube[0], kOctetsListeMax, octets);
    ::close(tube[0]);  // the writer, if the reader stopped early, gets EPIPE
    ecrivain.join();
    Liste depuisEntree;
    if (e == ErreurFichier::Aucune) e = LignesDeListe(octets, depuisEntree);
    EXPECT_EQ(e, c.attendu);
}

const std::string kChevauchement = "Chevauchement\r\n";

INSTANTIATE_TEST_SUITE_P(
    Listes, LimitesDeListe,
    ::testing::Values(
        CasListe{"dix_mille_lignes", Lignes(kChevauchement, kLignesListeMax), ErreurFichier::Aucune},
        CasListe{"dix_mille_lignes_sans_fin_de_ligne",
                 Lignes(kChevauchement, kLignesListeMax - 1) + "Chevauchement", ErreurFichier::Aucune},
        CasListe{"dix_mille_et_une_lignes", Lignes(kChevauchement, kLignesListeMax + 1),
                 ErreurFichier::TropDeLignes},
        CasListe{"dix_mille_et_une_lignes_vides_en_cr", std::string(kLignesListeMax + 1, '\r'),
                 ErreurFichier::TropDeLignes},
        CasListe{"seize_mio_de_fins_de_ligne", std::string(kOctetsListeMax, '\n'), ErreurFichier::TropDeLignes},
        CasListe{"seize_mio_de_chevauchements", Lignes(kChevauchement, kOctetsListeMax / kChevauchement.size()),
                 ErreurFichier::TropDeLignes},
        CasListe{"seize_mio_et_un_octet", std::string(kOctetsListeMax + 1, 'x'), ErreurFichier::TropGros},
        CasListe{"seize_mio_de_zeros", std::string(kOctetsListeMax, '\0'), ErreurFichier::Aucune}),
    [](const ::testing::TestParamInfo<CasListe>& i) { return std::string(i.param.nom); });

// --- Pictures over the budget -----------------------------------------------------

// 16384 x 2048 is the whole budget; one row more is over it. The header
// says so before the rest is read: a body far too short is still
// TropGrand, not a malformed file.
TEST(BudgetPixels, UneImageModeleAuDelaDuBudgetEstRefuseeDesLEntete) {
    static_assert(std::int64_t{16384} * 2048 == kBudgetPixels);
    DossierTemporaire d;
    Raster image;
    ASSERT_TRUE(Ecrire(d / "rle.bmp", BombeRle(16384, 2049)));
    EXPECT_EQ(LireFichierBmp(d / "rle.bmp", image), ErreurFichier::TropGrand);
    ASSERT_TRUE(Ecrire(d / "court.bmp", Bmp(16384, 4096, 1, 0, std::string(100, '\x55'), 2)));
    EXPECT_EQ(LireFichierBmp(d / "court.bmp", image), ErreurFichier::TropGrand);
    EXPECT_TRUE(image.empty());
    EXPECT_FALSE(AnalyserEnteteBmp(BombeRle(16385, 1)).has_value());
}

// A 1 x 1 picture whose pixel is announced 256 MiB into a sparse file:
// the offset is refused from the header, the file is not taken in whole.
TEST(BudgetPixels, DesDonneesAnnonceesTresLoinSontRefuseesDesLEntete) {
    DossierTemporaire d;
    std::string bmp = Bmp(1, 1, 24, 0, std::string("\x10\x20\x30\0", 4), 0);
    const std::uint32_t loin = 256u * 1024 * 1024;
    bmp.replace(10, 4, std::string{char(loin & 0xFF), char(loin >> 8 & 0xFF), char(loin >> 16 & 0xFF),
                                   char(loin >> 24 & 0xFF)});
    EXPECT_FALSE(AnalyserEnteteBmp(bmp).has_value());
    const std::string chemin = d / "loin.bmp";
    ASSERT_TRUE(Ecrire(chemin, bmp.substr(0, 54)));
    ASSERT_EQ(::truncate(chemin.c_str(), loin), 0);
    {
        std::ofstream f(chemin, std::ios::binary | std::ios::app);
        f.write("\x10\x20\x30\0", 4);
    }
    Raster image;
    EXPECT_EQ(LireFichierBmp(chemin, image), ErreurFichier::Format);
    EXPECT_TRUE(image.empty());
    // The usual offset, just past the headers, still reads.
    ASSERT_TRUE(Ecrire(chemin, Bmp(1, 1, 24, 0, std::string("\x10\x20\x30\0", 4), 0)));
    EXPECT_EQ(LireFichierBmp(chemin, image), ErreurFichier::Aucune);
    EXPECT_EQ(image.Pixels(0, 0), Rgb(0x30, 0x20, 0x10));
}

struct Bombe {
    const char* nom;
    std::string (*fabrique)(int, int);
};

void PrintTo(const Bombe& b, std::ostream* os) { *os << b.nom; }

class TexturesBombes : public ::testing::TestWithParam<Bombe> {};

// Seven pictures, each at the budget alone, are seven times over it
// together: refused from the headers, nothing decoded.
TEST_P(TexturesBombes, SeptImagesAuBudgetSontRefuseesSansRienDecoder) {
    DossierTemporaire d;
    const std::string bombe = GetParam().fabrique(16384, 2048);
    for (const char* nom : kFichiersTextures) ASSERT_TRUE(Ecrire(d / nom, bombe));
    Textures t;
    int fautif = -2;
    EXPECT_EQ(ChargerTextures(d.Chemin(), t, fautif), ErreurFichier::TropGrand);
    EXPECT_EQ(fautif, -1);
    EXPECT_TRUE(ToutesVides(t));
}

// Six at the budget and the seventh missing (or broken): the set is over
// the budget before the seventh is looked at, and the six are not decoded
// as holders before a faulty file would be.
TEST_P(TexturesBombes, SixImagesAuBudgetEtUneManquanteNeSontPasDecodees) {
    DossierTemporaire d;
    const std::string bombe = GetParam().fabrique(16384, 2048);
    for (int i = 0; i < 6; ++i) ASSERT_TRUE(Ecrire(d / kFichiersTextures[i], bombe));
    Textures t;
    int fautif = -2;
    EXPECT_EQ(ChargerTextures(d.Chemin(), t, fautif), ErreurFichier::TropGrand);
    EXPECT_EQ(fautif, -1);
    EXPECT_TRUE(ToutesVides(t));
    ASSERT_TRUE(Ecrire(d / kFichiersTextures[6], "pas une image"));
    EXPECT_EQ(ChargerTextures(d.Chemin(), t, fautif), ErreurFichier::TropGrand);
    EXPECT_TRUE(ToutesVides(t));
}

// One picture at the budget among six small ones: the set is over it.
TEST_P(TexturesBombes, UneImageAuBudgetParmiSixPetitesEstDeTrop) {
    DossierTemporaire d;
    ASSERT_TRUE(EcrireTextures(d.Chemin(), test::TexturesSimples(640, 600)));
    ASSERT_TRUE(Ecrire(d / "Granit.bmp", GetParam().fabrique(16384, 2048)));
    Textures t;
    int fautif = -2;
    EXPECT_EQ(ChargerTextures(d.Chemin(), t, fautif), ErreurFichier::TropGrand);
    EXPECT_TRUE(ToutesVides(t));
}

INSTANTIATE_TEST_SUITE_P(Bombes, TexturesBombes,
                         ::testing::Values(Bombe{"rle8_de_1_Ko", BombeRle}, Bombe{"un_bit_de_4_Mo", Bombe1Bit}),
                         [](const ::testing::TestParamInfo<Bombe>& i) { return std::string(i.param.nom); });

// The control case: the usual set loads, every picture decoded.
TEST(BudgetPixels, UnJeuOrdinaireSeCharge) {
    DossierTemporaire d;
    const Textures attendu = test::TexturesSimples(640, 600);
    ASSERT_TRUE(EcrireTextures(d.Chemin(), attendu));
    Textures t;
    int fautif = -2;
    EXPECT_EQ(ChargerTextures(d.Chemin(), t, fautif), ErreurFichier::Aucune);
    EXPECT_EQ(fautif, -1);
    for (int i = 0; i < 7; ++i) EXPECT_TRUE(TextureNumero(t, i) == TextureNumero(attendu, i)) << i;
}

// A set within the budget with a missing file: the holders before it keep
// their pictures, as the window expects.
TEST(BudgetPixels, LesImagesAvantUnFichierManquantSontGardees) {
    DossierTemporaire d;
    const Textures attendu = test::TexturesSimples(640, 600);
    ASSERT_TRUE(EcrireTextures(d.Chemin(), attendu));
    ASSERT_EQ(::unlink((d / "Granit0.bmp").c_str()), 0);
    Textures t;
    int fautif = -2;
    EXPECT_EQ(ChargerTextures(d.Chemin(), t, fautif), ErreurFichier::Introuvable);
    EXPECT_EQ(fautif, 4);
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(TextureNumero(t, i) == TextureNumero(attendu, i)) << i;
    EXPECT_TRUE(t.ImGranit0.empty());
}

}  // namespace
}  // namespace section
