// SPDX-License-Identifier: GPL-3.0-or-later
// Files written together (a series and its sheet): all of them or none,
// and an older series in the folder untouched on failure.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <map>
#include <memory>

#include "dossier_essai.h"
#include "section/fichiers.h"

namespace section {
namespace {

using test::Contenu;
using test::DossierTemporaire;
using test::Ecrire;
using test::Octets;

using Fichiers = std::map<std::string, std::string>;

// The new series: three exercises and the sheet.
const Fichiers kNouvelle = {{"Exercice 01.exo", std::string(3000, 'a')},
                            {"Exercice 02.exo", std::string(3000, 'b')},
                            {"Exercice 03.exo", std::string(3000, 'c')},
                            {"fiches.pdf", "%PDF nouvelle"}};

// An older series of four exercises, its sheet, and a teacher's file.
void EcrireAncienne(const std::string& d) {
    for (const char* nom : {"Exercice 01.exo", "Exercice 02.exo", "Exercice 03.exo", "Exercice 04.exo"})
        ASSERT_TRUE(Ecrire(d + "/" + nom, std::string("ancien ") + nom));
    ASSERT_TRUE(Ecrire(d + "/fiches.pdf", "%PDF ancienne"));
}

Fichiers Tout(const std::string& d) {
    Fichiers f;
    for (const std::string& nom : Contenu(d))
        f[nom] = test::fs::is_directory(d + "/" + nom) ? "(dossier)" : Octets(d + "/" + nom);
    return f;
}

ErreurFichier EcrireSerie(const std::string& d, const OptionsEcriture& o, std::string& fautif) {
    EcritureGroupee g(d, o);
    for (const auto& [nom, octets] : kNouvelle)
        if (const ErreurFichier e = g.Ajouter(nom, octets); e != ErreurFichier::Aucune) {
            fautif = g.Fautif();
            return e;
        }
    const ErreurFichier e = g.Terminer();
    fautif = g.Fautif();
    return e;
}

// A writer that takes `avant` bytes in all, then fails as a full disk does.
OptionsEcriture PleinApres(std::size_t avant) {
    OptionsEcriture o;
    auto ecrits = std::make_shared<std::size_t>(0);
    o.ecrire = [ecrits, avant](int fd, const void* p, std::size_t n) -> ssize_t {
        if (*ecrits >= avant) {
            errno = ENOSPC;
            return -1;
        }
        const ssize_t fait = ::write(fd, p, std::min(n, avant - *ecrits));
        if (fait > 0) *ecrits += static_cast<std::size_t>(fait);
        return fait;
    };
    return o;
}

TEST(EcritureGroupee, RemplaceLaSerieEtNeLaisseRienACote) {
    DossierTemporaire d;
    EcrireAncienne(d.Chemin());
    std::string fautif;
    ASSERT_EQ(EcrireSerie(d.Chemin(), {}, fautif), ErreurFichier::Aucune);
    Fichiers attendu = kNouvelle;
    attendu["Exercice 04.exo"] = "ancien Exercice 04.exo";  // not part of the new series
    EXPECT_EQ(Tout(d.Chemin()), attendu);
}

struct Echec {
    const char* nom;
    std::size_t octetsAvant;  // bytes the disk takes before it is full
    std::string fautif;
};

void PrintTo(const Echec& e, std::ostream* os) { *os << e.nom; }

class DisquePleinPendantLaSerie : public ::testing::TestWithParam<Echec> {};

TEST_P(DisquePleinPendantLaSerie, RienNeChange) {
    DossierTemporaire d;
    EcrireAncienne(d.Chemin());
    const Fichiers avant = Tout(d.Chemin());
    std::string fautif;
    EXPECT_EQ(EcrireSerie(d.Chemin(), PleinApres(GetParam().octetsAvant), fautif), ErreurFichier::DisquePlein);
    EXPECT_EQ(fautif, GetParam().fautif);
    EXPECT_EQ(Tout(d.Chemin()), avant);
}

INSTANTIATE_TEST_SUITE_P(
    Series, DisquePleinPendantLaSerie,
    ::testing::Values(Echec{"au_premier_fichier", 10, "Exercice 01.exo"},
                      Echec{"au_troisieme_fichier", 7000, "Exercice 03.exo"},
                      Echec{"a_la_fiche", 9005, "fiches.pdf"}),
    [](const ::testing::TestParamInfo<Echec>& i) { return std::string(i.param.nom); });

// A rename that fails midway (another program holding a file, a network
// folder gone): the files already placed are taken back and every old file
// is as it was.
TEST(EcritureGroupee, UnRenommageQuiEchoueRemetLesAnciensFichiers) {
    struct Cas {
        const char* nom;
        int echoueAu;  // the rename that fails, from 1
        const char* fautif;
    };
    const Cas cas[] = {{"au_premier", 1, "Exercice 01.exo"},
                       {"au_troisieme", 3, "Exercice 03.exo"},
                       {"au_dernier", 4, "fiches.pdf"}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        DossierTemporaire d;
        EcrireAncienne(d.Chemin());
        const Fichiers avant = Tout(d.Chemin());
        OptionsEcriture o;
        auto appels = std::make_shared<int>(0);
        o.renommer = [appels, n = c.echoueAu](const char* de, const char* vers) {
            if (++*appels == n) {
                errno = EIO;
                return -1;
            }
            return ::rename(de, vers);
        };
        std::string fautif;
        EXPECT_NE(EcrireSerie(d.Chemin(), o, fautif), ErreurFichier::Aucune);
        EXPECT_EQ(*appels, c.echoueAu);
        EXPECT_EQ(fautif, c.fautif);
        EXPECT_EQ(Tout(d.Chemin()), avant);
    }
}

// A pupil's link, or a folder, named as one of the files: refused before
// any old file is replaced.
TEST(EcritureGroupee, UnLienParmiLesNomsEstRefuseAvantToutRemplacement) {
    for (const bool dossier : {false, true}) {
        DossierTemporaire d;
        EcrireAncienne(d.Chemin());
        ASSERT_EQ(::unlink((d / "Exercice 03.exo").c_str()), 0);
        if (dossier) ASSERT_EQ(::mkdir((d / "Exercice 03.exo").c_str(), 0755), 0);
        else ASSERT_EQ(::symlink("../ailleurs.desktop", (d / "Exercice 03.exo").c_str()), 0);
        const auto noms = Contenu(d.Chemin());
        const Fichiers avant = Tout(d.Chemin());
        std::string fautif;
        EXPECT_EQ(EcrireSerie(d.Chemin(), {}, fautif),
                  dossier ? ErreurFichier::PasUnFichier : ErreurFichier::LienSymbolique);
        EXPECT_EQ(fautif, "Exercice 03.exo");
        EXPECT_EQ(Contenu(d.Chemin()), noms);
        EXPECT_EQ(Tout(d.Chemin()), avant);
    }
}

TEST(EcritureGroupee, AbandonneeSansTerminerNeLaisseRien) {
    DossierTemporaire d;
    {
        EcritureGroupee g(d.Chemin());
        EXPECT_EQ(g.Ajouter("a.exo", "a"), ErreurFichier::Aucune);
        EXPECT_EQ(Contenu(d.Chemin()).size(), 1u);  // the hidden folder
    }
    EXPECT_TRUE(Contenu(d.Chemin()).empty());
}

TEST(EcritureGroupee, UnNomAvecUnDossierEstRefuse) {
    DossierTemporaire d;
    EcritureGroupee g(d.Chemin());
    EXPECT_EQ(g.Ajouter("../a.exo", "a"), ErreurFichier::Ecriture);
    EXPECT_EQ(g.Terminer(), ErreurFichier::Ecriture);
    EXPECT_FALSE(test::fs::exists(d.Chemin() + "/../a.exo"));
}

TEST(EcritureGroupee, DossierAbsent) {
    DossierTemporaire d;
    EcritureGroupee g(d / "absent");
    EXPECT_EQ(g.Ajouter("a.exo", "a"), ErreurFichier::Introuvable);
    EXPECT_EQ(g.Fautif(), "");
}

// The disk really full, on a small tmpfs: the older series stays whole.
TEST(EcritureGroupee, DisqueReellementPlein) {
    DossierTemporaire d;
    const std::string point = d / "plein";
    ASSERT_EQ(::mkdir(point.c_str(), 0755), 0);
    test::TmpfsMonte tmpfs(point, "size=64k");
    if (!tmpfs.Monte()) GTEST_SKIP() << tmpfs.Raison();
    EcrireAncienne(point);
    ASSERT_TRUE(test::Remplir(point + "/bourre"));
    const Fichiers avant = Tout(point);
    std::string fautif;
    EXPECT_EQ(EcrireSerie(point, {}, fautif), ErreurFichier::DisquePlein);
    EXPECT_EQ(Tout(point), avant);
}

}  // namespace
}  // namespace section
