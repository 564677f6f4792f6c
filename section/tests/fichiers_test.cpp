// SPDX-License-Identifier: GPL-3.0-or-later
// Safe writes: a write that fails at any byte, on purpose or on a really
// full disk, leaves the old file byte for byte and nothing beside it; a
// replaced file keeps its mode and owner; a symbolic link is refused;
// devices, pipes, folders and the standard streams are written to or
// refused, never renamed over.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <string>
#include <vector>

#include "dossier_essai.h"
#include "section/fichiers.h"

namespace section {
namespace {

using test::Contenu;
using test::DossierTemporaire;
using test::Ecrire;
using test::GardienFifo;
using test::Octets;

const std::string kAncien = "{\n  \"lignes\": [\"S\xE9" "dimentation\"]\n}\n";

// 20,000 bytes that no prefix of can be mistaken for the whole.
std::string Nouveau() {
    std::string s;
    for (int i = 0; s.size() < 20000; ++i) s += std::to_string(i) + ';';
    s.resize(20000);
    return s;
}

// A writer that takes `avant` bytes, then fails as a full disk does (or
// with `erreur`), however it is called.
OptionsEcriture QuiEchoue(std::size_t avant, int erreur = ENOSPC) {
    OptionsEcriture o;
    auto ecrits = std::make_shared<std::size_t>(0);
    o.ecrire = [ecrits, avant, erreur](int fd, const void* p, std::size_t n) -> ssize_t {
        if (*ecrits >= avant) {
            errno = erreur;
            return -1;
        }
        const ssize_t fait = ::write(fd, p, std::min(n, avant - *ecrits));
        if (fait > 0) *ecrits += static_cast<std::size_t>(fait);
        return fait;
    };
    return o;
}

mode_t Mode(const std::string& chemin) {
    struct stat st {};
    return ::stat(chemin.c_str(), &st) == 0 ? st.st_mode : 0;
}

bool EstUnLien(const std::string& chemin) {
    struct stat st {};
    return ::lstat(chemin.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

// --- A write that fails after N bytes -----------------------------------------

struct Echec {
    const char* nom;
    std::size_t avant;  // bytes taken before the failure
};

void PrintTo(const Echec& e, std::ostream* os) { *os << e.nom << " (" << e.avant << " octets)"; }

class EcritureQuiEchoue : public ::testing::TestWithParam<Echec> {};

TEST_P(EcritureQuiEchoue, LaisseLAncienFichierOctetPourOctetEtRienACote) {
    DossierTemporaire d;
    ASSERT_TRUE(d.Valide());
    const std::string chemin = d / "keep.json";
    ASSERT_TRUE(Ecrire(chemin, kAncien));
    const auto avant = Contenu(d.Chemin());
    EXPECT_EQ(EcrireFichierSur(chemin, Nouveau(), QuiEchoue(GetParam().avant)), ErreurFichier::DisquePlein);
    EXPECT_EQ(Octets(chemin), kAncien);
    EXPECT_EQ(Contenu(d.Chemin()), avant);  // no temporary file left
}

TEST_P(EcritureQuiEchoue, NeCreeRienQuandLeFichierNExistaitPas) {
    DossierTemporaire d;
    ASSERT_TRUE(d.Valide());
    EXPECT_EQ(EcrireFichierSur(d / "neuf.bmp", Nouveau(), QuiEchoue(GetParam().avant)), ErreurFichier::DisquePlein);
    EXPECT_TRUE(Contenu(d.Chemin()).empty());
}

INSTANTIATE_TEST_SUITE_P(Octets, EcritureQuiEchoue,
                         ::testing::Values(Echec{"aucun", 0}, Echec{"un", 1}, Echec{"moitie", 10000},
                                           Echec{"tous_sauf_un", 19999}),
                         [](const ::testing::TestParamInfo<Echec>& i) { return std::string(i.param.nom); });

TEST(EcritureSure, UneAutreErreurDEcritureEstEcritureEtGardeLAncien) {
    DossierTemporaire d;
    const std::string chemin = d / "liste.lst";
    ASSERT_TRUE(Ecrire(chemin, kAncien));
    EXPECT_EQ(EcrireFichierSur(chemin, Nouveau(), QuiEchoue(500, EIO)), ErreurFichier::Ecriture);
    EXPECT_EQ(Octets(chemin), kAncien);
    EXPECT_EQ(Contenu(d.Chemin()), std::set<std::string>{"liste.lst"});
}

// The control case: a writer that takes a few bytes at a time and is
// interrupted now and then still gets every byte written, in order.
TEST(EcritureSure, EcritParMorceauxEtReprendApresUneInterruption) {
    DossierTemporaire d;
    const std::string chemin = d / "keep.json";
    ASSERT_TRUE(Ecrire(chemin, kAncien));
    OptionsEcriture o;
    int appels = 0;
    o.ecrire = [&appels](int fd, const void* p, std::size_t n) -> ssize_t {
        if (++appels % 3 == 0) {
            errno = EINTR;
            return -1;
        }
        return ::write(fd, p, std::min<std::size_t>(n, 1 + static_cast<std::size_t>(appels) % 7));
    };
    EXPECT_EQ(EcrireFichierSur(chemin, Nouveau(), o), ErreurFichier::Aucune);
    EXPECT_EQ(Octets(chemin), Nouveau());
    EXPECT_EQ(Contenu(d.Chemin()), std::set<std::string>{"keep.json"});
}

// --- What a replaced file keeps ----------------------------------------------

class ModeGarde : public ::testing::TestWithParam<mode_t> {};

TEST_P(ModeGarde, LeFichierRemplaceGardeSesDroits) {
    const mode_t mode = GetParam();
    if ((mode & 06000) && ::geteuid() != 0) GTEST_SKIP() << "seul root garde les bits set-user et set-group";
    DossierTemporaire d;
    const std::string chemin = d / "exercice.lst";
    ASSERT_TRUE(Ecrire(chemin, kAncien));
    ASSERT_EQ(::chmod(chemin.c_str(), mode), 0);
    EXPECT_EQ(EcrireFichierSur(chemin, Nouveau()), ErreurFichier::Aucune);
    EXPECT_EQ(Octets(chemin), Nouveau());
    EXPECT_EQ(Mode(chemin) & 07777, mode);
}

INSTANTIATE_TEST_SUITE_P(Droits, ModeGarde, ::testing::Values(0640, 0604, 0600, 0644, 0755, 0660, 02750, 04755),
                         [](const ::testing::TestParamInfo<mode_t>& i) {
                             char nom[8];
                             std::snprintf(nom, sizeof nom, "m%04o", static_cast<unsigned>(i.param));
                             return std::string(nom);
                         });

TEST(EcritureSure, UnFichierNeufSuitLeMasqueDeCreation) {
    DossierTemporaire d;
    const mode_t ancien = ::umask(027);
    const ErreurFichier e = EcrireFichierSur(d / "neuf.json", kAncien);
    ::umask(ancien);
    EXPECT_EQ(e, ErreurFichier::Aucune);
    EXPECT_EQ(Mode(d / "neuf.json") & 07777, 0640u);
}

TEST(EcritureSure, LeFichierRemplaceGardeSonProprietaire) {
    if (::geteuid() != 0) GTEST_SKIP() << "seul root peut donner un fichier à un autre utilisateur";
    DossierTemporaire d;
    const std::string chemin = d / "eleve.lst";
    ASSERT_TRUE(Ecrire(chemin, kAncien));
    ASSERT_EQ(::chown(chemin.c_str(), 1234, 5678), 0);
    EXPECT_EQ(EcrireFichierSur(chemin, Nouveau()), ErreurFichier::Aucune);
    struct stat st {};
    ASSERT_EQ(::stat(chemin.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 1234u);
    EXPECT_EQ(st.st_gid, 5678u);
}

// --- Symbolic links ------------------------------------------------------------

// A pupil's link in a shared folder, named as the file the teacher saves:
// refused, whatever it points to, and nothing anywhere changes.
struct Lien {
    const char* nom;
    std::vector<std::pair<std::string, std::string>> liens;  // name -> what it points to
    std::string ecrit;                                       // the name written to
};

void PrintTo(const Lien& l, std::ostream* os) { *os << l.nom; }

class LienSymbolique : public ::testing::TestWithParam<Lien> {};

TEST_P(LienSymbolique, EstRefuseEtRienNeChange) {
    const Lien& l = GetParam();
    DossierTemporaire d;
    ASSERT_EQ(::mkdir((d / "sous").c_str(), 0755), 0);
    ASSERT_EQ(::mkdir((d / "cibles").c_str(), 0755), 0);
    ASSERT_TRUE(Ecrire(d / "cibles/vrai.json", kAncien));
    for (const auto& [nom, vers] : l.liens) {
        const std::string v = vers.front() == '@' ? d / vers.substr(1) : vers;  // '@': absolute, in d
        ASSERT_EQ(::symlink(v.c_str(), (d / nom).c_str()), 0) << nom;
    }
    const auto avantCibles = Contenu(d / "cibles");
    const auto avantSous = Contenu(d / "sous");
    OptionsEcriture directes;
    directes.directSurSpecial = true;
    for (const OptionsEcriture& o : {OptionsEcriture{}, directes})
        EXPECT_EQ(EcrireFichierSur(d / l.ecrit, Nouveau(), o), ErreurFichier::LienSymbolique);
    EXPECT_EQ(Octets(d / "cibles/vrai.json"), kAncien);
    for (const auto& [nom, vers] : l.liens) EXPECT_TRUE(EstUnLien(d / nom)) << nom;
    EXPECT_EQ(Contenu(d / "cibles"), avantCibles);
    EXPECT_EQ(Contenu(d / "sous"), avantSous);
}

INSTANTIATE_TEST_SUITE_P(
    Liens, LienSymbolique,
    ::testing::Values(
        Lien{"relatif_vers_un_autre_dossier", {{"sous/notes.csv", "../cibles/vrai.json"}}, "sous/notes.csv"},
        Lien{"absolu", {{"sous/notes.csv", "@cibles/vrai.json"}}, "sous/notes.csv"},
        Lien{"chaine_de_deux_liens",
             {{"sous/premier", "second"}, {"sous/second", "../cibles/vrai.json"}},
             "sous/premier"},
        // A dangling link would create its target: a .desktop file, say.
        Lien{"pendant", {{"sous/notes.csv", "../cibles/lanceur.desktop"}}, "sous/notes.csv"},
        Lien{"pendant_absolu", {{"sous/notes.csv", "@cibles/lanceur.desktop"}}, "sous/notes.csv"},
        Lien{"boucle", {{"sous/a", "b"}, {"sous/b", "a"}}, "sous/a"},
        Lien{"vers_un_dossier", {{"sous/notes.csv", "../cibles"}}, "sous/notes.csv"},
        Lien{"vers_dev_null", {{"sous/notes.csv", "/dev/null"}}, "sous/notes.csv"}),
    [](const ::testing::TestParamInfo<Lien>& i) { return std::string(i.param.nom); });

// The folders on the way may be links: the teacher chose them.
TEST(EcritureSure, UnDossierLienResteUtilisable) {
    DossierTemporaire d;
    ASSERT_EQ(::mkdir((d / "vrai").c_str(), 0755), 0);
    ASSERT_EQ(::symlink("vrai", (d / "raccourci").c_str()), 0);
    EXPECT_EQ(EcrireFichierSur(d / "raccourci/notes.csv", Nouveau()), ErreurFichier::Aucune);
    EXPECT_EQ(Octets(d / "vrai/notes.csv"), Nouveau());
    EXPECT_TRUE(EstUnLien(d / "raccourci"));
}

TEST(EcritureSure, LeRefusDUnLienLeNomme) {
    EXPECT_EQ(MessageLienSymbolique("/classe/notes.csv"),
              "« /classe/notes.csv » est un lien symbolique : choisissez un autre nom");
    EXPECT_EQ(RaisonErreur(ErreurFichier::LienSymbolique), "c'est un lien symbolique : choisissez un autre nom");
}

// --- What is not a regular file --------------------------------------------------

TEST(EcritureSure, DevNullEstEcritDirectementOuRefuseJamaisRemplace) {
    OptionsEcriture directes;
    directes.directSurSpecial = true;
    EXPECT_EQ(EcrireFichierSur("/dev/null", Nouveau(), directes), ErreurFichier::Aucune);
    EXPECT_TRUE(S_ISCHR(Mode("/dev/null")));
    EXPECT_EQ(EcrireFichierSur("/dev/null", Nouveau()), ErreurFichier::PasUnFichier);
    EXPECT_TRUE(S_ISCHR(Mode("/dev/null")));
}

// Device nodes of one's own, in a folder that can be listed: the null
// device takes the bytes, the full one reports a full disk, and each stays
// the device it was.
TEST(EcritureSure, UnPeripheriqueResteUnPeripherique) {
    if (::geteuid() != 0) GTEST_SKIP() << "mknod demande d'être root";
    DossierTemporaire d;
    if (::mknod((d / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0 ||
        ::mknod((d / "full").c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0)
        GTEST_SKIP() << "mknod refusé ici : " << std::strerror(errno);
    // A folder on a file system mounted nodev holds device nodes that
    // cannot be opened.
    const int essai = ::open((d / "null").c_str(), O_WRONLY | O_CLOEXEC);
    if (essai < 0) GTEST_SKIP() << "les périphériques ne s'ouvrent pas dans ce dossier : " << std::strerror(errno);
    ::close(essai);
    OptionsEcriture directes;
    directes.directSurSpecial = true;
    EXPECT_EQ(EcrireFichierSur(d / "null", Nouveau(), directes), ErreurFichier::Aucune);
    EXPECT_EQ(EcrireFichierSur(d / "full", Nouveau(), directes), ErreurFichier::DisquePlein);
    EXPECT_EQ(EcrireFichierSur(d / "null", Nouveau()), ErreurFichier::PasUnFichier);
    EXPECT_EQ(EcrireFichierSur(d / "full", Nouveau()), ErreurFichier::PasUnFichier);
    for (const char* nom : {"null", "full"}) EXPECT_TRUE(S_ISCHR(Mode(d / nom))) << nom;
    EXPECT_EQ(Contenu(d.Chemin()), (std::set<std::string>{"full", "null"}));
}

TEST(EcritureSure, UnDossierEstRefuseEtResteIntact) {
    DossierTemporaire d;
    ASSERT_EQ(::mkdir((d / "vue.bmp").c_str(), 0755), 0);
    ASSERT_TRUE(Ecrire(d / "vue.bmp/dedans.txt", kAncien));
    OptionsEcriture directes;
    directes.directSurSpecial = true;
    for (const OptionsEcriture& o : {OptionsEcriture{}, directes}) {
        EXPECT_EQ(EcrireFichierSur(d / "vue.bmp", Nouveau(), o), ErreurFichier::PasUnFichier);
        EXPECT_EQ(Octets(d / "vue.bmp/dedans.txt"), kAncien);
        EXPECT_EQ(Contenu(d.Chemin()), std::set<std::string>{"vue.bmp"});
    }
}

// A FIFO nobody reads is refused at once when it may not be written to
// (opening it for writing would wait for a reader), and written to when it
// may and someone reads it.
TEST(EcritureSure, UnFifoEstRefuseSansAttendreOuEcritQuandOnLeLit) {
    DossierTemporaire d;
    const std::string fifo = d / "tube";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    {
        GardienFifo gardien(fifo, GardienFifo::Attente::Ecrivain);
        EXPECT_EQ(EcrireFichierSur(fifo, Nouveau()), ErreurFichier::PasUnFichier);
        EXPECT_FALSE(gardien.Bloque()) << "l'écriture attendait un lecteur";
    }
    const int lecteur = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(lecteur, 0);
    OptionsEcriture directes;
    directes.directSurSpecial = true;
    EXPECT_EQ(EcrireFichierSur(fifo, kAncien, directes), ErreurFichier::Aucune);
    std::string lu(4096, '\0');
    const ssize_t n = ::read(lecteur, lu.data(), lu.size());
    ::close(lecteur);
    ASSERT_GT(n, 0);
    lu.resize(static_cast<std::size_t>(n));
    EXPECT_EQ(lu, kAncien);
    EXPECT_TRUE(S_ISFIFO(Mode(fifo)));
}

// A standard stream named on the command line is written where it stands:
// after what its file already holds, not over it from the first byte.
TEST(EcritureSure, UnFluxNommeEstEcritLaOuIlEnEst) {
    DossierTemporaire d;
    const std::string sortie = d / "sortie.txt";
    ASSERT_TRUE(Ecrire(sortie, "ENTETE "));
    const int fd = ::open(sortie.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    OptionsEcriture directes;
    directes.directSurSpecial = true;
    EXPECT_EQ(EcrireFichierSur("/dev/fd/" + std::to_string(fd), "court", directes), ErreurFichier::Aucune);
    EXPECT_EQ(EcrireFichierSur("/proc/self/fd/" + std::to_string(fd), " et suite", directes),
              ErreurFichier::Aucune);
    ::close(fd);
    EXPECT_EQ(Octets(sortie), "ENTETE court et suite");
    EXPECT_EQ(Contenu(d.Chemin()), std::set<std::string>{"sortie.txt"});

    int tube[2];
    ASSERT_EQ(::pipe(tube), 0);
    EXPECT_EQ(EcrireFichierSur("/dev/fd/" + std::to_string(tube[1]), kAncien, directes), ErreurFichier::Aucune);
    // Not asked to write to a stream: /proc/self/fd/N is a link.
    EXPECT_EQ(EcrireFichierSur("/dev/fd/" + std::to_string(tube[1]), kAncien), ErreurFichier::LienSymbolique);
    ::close(tube[1]);
    std::string lu(4096, '\0');
    const ssize_t n = ::read(tube[0], lu.data(), lu.size());
    ::close(tube[0]);
    ASSERT_GT(n, 0);
    EXPECT_EQ(lu.substr(0, static_cast<std::size_t>(n)), kAncien);
}

// --- A really full file system ---------------------------------------------------

TEST(EcritureSure, DisqueReellementPleinGardeLAncienFichier) {
    DossierTemporaire d;
    const std::string point = d / "plein";
    ASSERT_EQ(::mkdir(point.c_str(), 0755), 0);
    test::TmpfsMonte tmpfs(point, "size=600k");
    if (!tmpfs.Monte()) GTEST_SKIP() << tmpfs.Raison();
    const std::string chemin = point + "/keep.json";
    ASSERT_TRUE(Ecrire(chemin, kAncien));
    ASSERT_TRUE(test::Remplir(point + "/bourre"));
    const auto avant = Contenu(point);
    for (const std::string& octets : {std::string("{}\n"), Nouveau()}) {
        EXPECT_EQ(EcrireFichierSur(chemin, octets), ErreurFichier::DisquePlein) << octets.size();
        EXPECT_EQ(Octets(chemin), kAncien);
        EXPECT_EQ(Contenu(point), avant);
    }
}

// No inode left for the temporary file: a full disk too, said as such.
TEST(EcritureSure, PlusDePlacePourUnFichierEstUnDisquePlein) {
    DossierTemporaire d;
    const std::string point = d / "plein";
    ASSERT_EQ(::mkdir(point.c_str(), 0755), 0);
    test::TmpfsMonte tmpfs(point, "size=600k,nr_inodes=8");
    if (!tmpfs.Monte()) GTEST_SKIP() << tmpfs.Raison();
    const std::string chemin = point + "/keep.json";
    ASSERT_TRUE(Ecrire(chemin, kAncien));
    bool plein = false;
    for (int i = 0; i < 64 && !plein; ++i) {
        const int fd = ::open((point + "/f" + std::to_string(i)).c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        if (fd >= 0) ::close(fd);
        else plein = errno == ENOSPC;
    }
    ASSERT_TRUE(plein);
    const auto avant = Contenu(point);
    EXPECT_EQ(EcrireFichierSur(chemin, Nouveau()), ErreurFichier::DisquePlein);
    EXPECT_EQ(Octets(chemin), kAncien);
    EXPECT_EQ(Contenu(point), avant);
}

}  // namespace
}  // namespace section
