// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's space as one model: the series' folder name, the seed
// typed and drawn, a series' whole file set, and a class graded from
// names and bytes in one row order.
#include <gtest/gtest.h>

#include <limits>
#include <random>

#include "section/bmp.h"
#include "section/copies.h"
#include "section/espace_enseignant.h"
#include "section/exercice.h"
#include "section/exercice_session.h"
#include "section/liste.h"
#include "textures_essai.h"

namespace section {
namespace {

using E = Evenement;

Liste LignesDe(std::initializer_list<E> evenements) {
    Liste l{Ligne(kLigneInitiale)};
    for (const E e : evenements) l.emplace_back(Type(e).ligne);
    return l;
}

struct CasDossier {
    const char* nom;
    const char* titre;
    std::uint32_t graine;
    const char* attendu;
};

TEST(EspaceEnseignant, FolderNameIsTitleDashSeedWithRefusedCharactersReplaced) {
    const CasDossier cas[] = {
        {"titre et graine", "Datation relative", 1234, "Datation relative - 1234"},
        {"sans titre", "", 77, "77"},
        {"graine zéro", "Coupe", 0, "Coupe - 0"},
        {"graine maximale", "Coupe", 4294967295u, "Coupe - 4294967295"},
        {"barres obliques", "3e/4e\\5e", 5, "3e-4e-5e - 5"},
        {"deux-points", "Séance : failles", 5, "Séance - failles - 5"},
        {"caractères de motif", "a*b?c", 5, "a-b-c - 5"},
        {"guillemets et chevrons", "\"x\" <y> |z", 5, "-x- -y- -z - 5"},
        {"caractère de contrôle", "a\tb\nc", 5, "a-b-c - 5"},
        {"espaces autour", "  Plis  ", 8, "Plis   - 8"},
        {"accents gardés", "Érosion", 9, "Érosion - 9"},
    };
    for (const CasDossier& c : cas) EXPECT_EQ(NomDossierSerie(c.titre, c.graine), c.attendu) << c.nom;
}

struct CasGraine {
    const char* nom;
    const char* texte;
    std::optional<std::uint32_t> attendue;
};

TEST(EspaceEnseignant, TypedSeedIsAcceptedFromZeroTo2Pow32Minus1) {
    const CasGraine cas[] = {
        {"zéro, imprimé sur d'anciennes fiches", "0", 0u},
        {"un", "1", 1u},
        {"dernier tirage", "999999", 999999u},
        {"au-delà des tirages", "1000000", 1000000u},
        {"maximum", "4294967295", 4294967295u},
        {"maximum plus un", "4294967296", std::nullopt},
        {"bien trop grand", "99999999999999999999999", std::nullopt},
        {"zéros en tête", "000042", 42u},
        {"espaces autour", "  42 \t", 42u},
        {"négatif", "-1", std::nullopt},
        {"signe plus", "+5", std::nullopt},
        {"vide", "", std::nullopt},
        {"espaces seuls", "   ", std::nullopt},
        {"lettre", "12a", std::nullopt},
        {"espace au milieu", "1 2", std::nullopt},
        {"décimal", "1.5", std::nullopt},
        {"chiffres arabes-indiens", "\xD9\xA1", std::nullopt},
    };
    for (const CasGraine& c : cas) EXPECT_EQ(LireGraine(c.texte), c.attendue) << c.nom;
    EXPECT_EQ(RaisonGraineInvalide(), "La graine doit être un nombre entier de 0 à 4294967295.");
}

TEST(EspaceEnseignant, NewSeedsAreSixDigitsAtMostFromOne) {
    EXPECT_EQ(GraineNouvelle(0), 1u);
    EXPECT_EQ(GraineNouvelle(999998), 999999u);
    EXPECT_EQ(GraineNouvelle(999999), 1u);
    EXPECT_EQ(GraineNouvelle(std::numeric_limits<std::uint64_t>::max()),
              1u + std::numeric_limits<std::uint64_t>::max() % 999999u);
    std::mt19937_64 hasard(20261210);
    bool petite = false, grande = false;
    for (int i = 0; i < 100000; ++i) {
        const std::uint32_t g = GraineNouvelle(hasard());
        ASSERT_GE(g, 1u) << "tirage " << i;
        ASSERT_LE(g, 999999u) << "tirage " << i;
        petite = petite || g < 1000;
        grande = grande || g > 999000;
    }
    // The whole range is drawn, not only part of it.
    EXPECT_TRUE(petite);
    EXPECT_TRUE(grande);
}

TEST(EspaceEnseignant, SeriesGivesEveryFileNamedAfterItsSeed) {
    // A series holds only exercises that pass every rule: drawn on the
    // program's own rocks.
    const std::optional<Textures> livrees = test::TexturesLivrees();
    if (!livrees) GTEST_SKIP() << "pas de dossier Base à côté du programme de test";
    Session a;
    a.DefinirTextures(*livrees);
    ReglesSerie r;
    r.exercices = 2;
    r.evenements = 3;
    r.graine = 31;
    const SerieEnseignant s = PreparerSerie(a, r, "Plis");
    ASSERT_EQ(s.raison, "");
    EXPECT_EQ(s.dossier, "Plis - 31");
    EXPECT_EQ(s.nomFiches, "fiches-31.pdf");
    ASSERT_EQ(s.exercices.size(), 2u);
    const std::vector<std::string> noms = {"exercice-31-01.lst", "exercice-31-01.bmp", "exercice-31-01.exo",
                                           "exercice-31-02.lst", "exercice-31-02.bmp", "exercice-31-02.exo",
                                           "fiches-31.pdf"};
    EXPECT_EQ(NomsFichiersSerie(31, 2), noms);
    for (std::size_t i = 0; i < 2; ++i) {
        SCOPED_TRACE("exercice " + std::to_string(i + 1));
        const ExerciceSerie& x = s.exercices[i];
        EXPECT_EQ(x.liste.size(), 4u);
        EXPECT_EQ(x.titre, "Exercice " + std::to_string(i + 1) + " — Plis");
        // The list file, the exercise and the picture are one section.
        EXPECT_EQ(LireListe(x.lst.octets), x.liste);
        Exercice e;
        ASSERT_EQ(LireExercice(x.exo.octets, e), "");
        EXPECT_EQ(e.lignes, x.liste);
        EXPECT_EQ(e.titre, x.titre);
        Session b;
        b.DefinirTextures(*livrees);
        b.Charger(x.liste);
        const std::optional<Raster> image = LireBmp(x.bmp.octets, 1 << 22);
        ASSERT_TRUE(image);
        EXPECT_TRUE(*image == b.vue());
    }
    // The same settings, the same bytes.
    Session c;
    c.DefinirTextures(*livrees);
    const SerieEnseignant t = PreparerSerie(c, r, "Plis");
    for (std::size_t i = 0; i < 2; ++i) EXPECT_EQ(t.exercices[i].exo.octets, s.exercices[i].exo.octets);
}

TEST(EspaceEnseignant, ClassRowsFollowNamesAndEachFileKindIsReadFromItsBytes) {
    const Textures t = test::TexturesSimples(640, 600);
    const Liste modele = LignesDe({E::Sedimentation, E::Compression, E::Erosion});
    const Liste autre = LignesDe({E::Sedimentation, E::Erosion});
    Reponse rep;
    rep.eleve = "Inès";
    rep.exercice = 0;  // a plain list model: any exercise
    rep.lignes = modele;
    std::string abimee = TexteReponse(rep);
    abimee.resize(abimee.size() / 2);
    const std::vector<FichierClasse> fichiers = {
        {"zoé.txt", TexteListe(autre), ErreurFichier::Aucune},   // a list whatever its name
        {"b.rep", TexteReponse(rep), ErreurFichier::Aucune},     // an answer
        {"A.lst", TexteReponse(rep), ErreurFichier::Aucune},     // an answer named as a list
        {"c.rep", abimee, ErreurFichier::Aucune},
        {"d.rep", "", ErreurFichier::Introuvable},
        {"e.rep", "", ErreurFichier::TropGros},
    };
    const NotesClasse n = NoterClasseEnseignant(t, "cle.lst", TexteListe(modele), fichiers);
    ASSERT_EQ(n.raison, "");
    ASSERT_EQ(n.lignes.size(), 6u);
    const char* ordre[] = {"A.lst", "b.rep", "c.rep", "d.rep", "e.rep", "zoé.txt"};
    for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(n.lignes[i].fichier, ordre[i]) << i;
    EXPECT_EQ(n.lignes[0].eleve, "Inès");
    ASSERT_TRUE(n.lignes[0].note);
    EXPECT_EQ(n.lignes[0].note->points, 20);
    EXPECT_EQ(n.lignes[1].eleve, "Inès");
    EXPECT_FALSE(n.lignes[2].note);
    EXPECT_EQ(n.lignes[3].remarque, RaisonErreur(ErreurFichier::Introuvable));
    EXPECT_EQ(n.lignes[4].remarque, RaisonCopieTropGrosse());
    EXPECT_EQ(n.lignes[5].eleve, "");
    ASSERT_TRUE(n.lignes[5].note);
    EXPECT_LT(n.lignes[5].note->points, 20);
    const std::vector<bool> acceptees = {true, true, false, false, false, true};
    EXPECT_EQ(n.acceptees, acceptees);
    EXPECT_EQ(n.csv, CsvDesNotes(n.lignes));
    EXPECT_FALSE(n.interrompue);
}

TEST(EspaceEnseignant, ModelMayBeAnExerciseOrAListAndABadOneIsNamed) {
    const Textures t = test::TexturesSimples(640, 600);
    Session a;
    a.DefinirTextures(t);
    a.Charger(LignesDe({E::Sedimentation, E::Erosion}));
    Exercice e;
    ASSERT_EQ(ExerciceDeSession(a, "Titre", e), "");
    Reponse autreExercice;
    autreExercice.eleve = "Léo";
    autreExercice.exercice = EmpreinteExercice(e) + 1;
    autreExercice.lignes = e.lignes;
    const std::vector<FichierClasse> fichiers = {{"l.rep", TexteReponse(autreExercice), ErreurFichier::Aucune}};
    const NotesClasse n = NoterClasseEnseignant(t, "m.exo", TexteExercice(e), fichiers);
    ASSERT_EQ(n.raison, "");
    EXPECT_FALSE(n.autresTextures);
    ASSERT_EQ(n.lignes.size(), 1u);
    EXPECT_FALSE(n.lignes[0].note);
    EXPECT_EQ(n.acceptees, std::vector<bool>{false});

    std::string abime = TexteExercice(e);
    abime.resize(abime.size() / 2);
    const NotesClasse mauvais = NoterClasseEnseignant(t, "m.exo", abime, fichiers);
    EXPECT_EQ(mauvais.raison.rfind("Chargement impossible : m.exo (", 0), 0u) << mauvais.raison;
    EXPECT_TRUE(mauvais.lignes.empty());
}

TEST(EspaceEnseignant, GradingStoppedByTheFrontEndKeepsTheRowsSoFar) {
    const Textures t = test::TexturesSimples(640, 600);
    const Liste modele = LignesDe({E::Sedimentation});
    const std::vector<std::string> noms = {"c.lst", "a.lst", "b.lst"};
    std::vector<std::string> lus;
    const NotesClasse n = NoterClasseEnseignant(
        t, "m.lst", TexteListe(modele), noms,
        [&](std::size_t i) {
            lus.push_back(noms[i]);
            return FichierClasse{noms[i], TexteListe(modele), ErreurFichier::Aucune};
        },
        [](std::size_t faits, std::size_t total) {
            EXPECT_EQ(total, 3u);
            return faits < 2;
        });
    EXPECT_TRUE(n.interrompue);
    EXPECT_EQ(lus, (std::vector<std::string>{"a.lst", "b.lst"}));
    ASSERT_EQ(n.lignes.size(), 2u);
}

// A class graded file by file gives what one call gives, the remarks that
// compare copies included: two files under one pupil's name, and the same
// answer (not the model's) under two names.
TEST(EspaceEnseignant, ClassGradedFileByFileGivesTheRowsAndCsvOfOneCall) {
    const Textures t = test::TexturesSimples(640, 600);
    const Liste modele = LignesDe({E::Sedimentation, E::Compression, E::Erosion});
    const auto reponse = [](const char* eleve, const Liste& lignes) {
        Reponse r;
        r.eleve = eleve;
        r.exercice = 0;
        r.lignes = lignes;
        return TexteReponse(r);
    };
    const std::string x = reponse("Inès", LignesDe({E::Sedimentation, E::Erosion}));
    const std::vector<FichierClasse> fichiers = {
        {"c.rep", reponse("Léo", LignesDe({E::Sedimentation, E::Erosion})), ErreurFichier::Aucune},
        {"a.rep", reponse("Inès", LignesDe({E::Sedimentation, E::Sedimentation})), ErreurFichier::Aucune},
        {"e.rep", "", ErreurFichier::TropGros},
        {"b.rep", x, ErreurFichier::Aucune},
        {"d.lst", TexteListe(modele), ErreurFichier::Aucune},
    };
    std::vector<std::string> noms;
    for (const FichierClasse& f : fichiers) noms.push_back(f.nom);

    ClasseEnNotation classe(t, "cle.lst", TexteListe(modele), noms);
    ASSERT_EQ(classe.raison(), "");
    EXPECT_EQ(classe.Total(), 5u);
    // By name: a, b, c, d, e, each given by its rank in `noms`.
    const std::vector<std::size_t> ordreAttendu = {1, 3, 0, 4, 2};
    std::vector<std::size_t> ordre;
    while (const std::optional<std::size_t> i = classe.Suivante()) {
        EXPECT_EQ(classe.Faites(), ordre.size());
        ordre.push_back(*i);
        ASSERT_TRUE(classe.NoterSuivante(fichiers[*i]));
        if (ordre.size() == 2) {
            const NotesClasse enCours = classe.Terminer();
            EXPECT_TRUE(enCours.interrompue);
            ASSERT_EQ(enCours.lignes.size(), 2u);
            EXPECT_EQ(enCours.lignes[1].fichier, "b.rep");
        }
        ASSERT_LE(ordre.size(), 5u);
    }
    EXPECT_EQ(ordre, ordreAttendu);
    EXPECT_EQ(classe.Faites(), 5u);
    EXPECT_FALSE(classe.NoterSuivante(fichiers[0])) << "a class already graded";

    const NotesClasse pas = classe.Terminer();
    const NotesClasse un = NoterClasseEnseignant(t, "cle.lst", TexteListe(modele), fichiers);
    EXPECT_FALSE(pas.interrompue);
    EXPECT_EQ(pas.csv, un.csv);
    EXPECT_EQ(pas.acceptees, un.acceptees);
    ASSERT_EQ(pas.lignes.size(), 5u);
    ASSERT_EQ(un.lignes.size(), 5u);
    const auto contient = [](const std::string& texte, const char* morceau) {
        return texte.find(morceau) != std::string::npos;
    };
    struct Cas {
        std::size_t rang;
        const char* fichier;
        const char* remarque;
    };
    const Cas cas[] = {
        {0, "a.rep", "même nom d'élève que b.rep"},
        {1, "b.rep", "même nom d'élève que a.rep"},
        {1, "b.rep", "même réponse que c.rep"},
        {2, "c.rep", "même réponse que b.rep"},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(pas.lignes[c.rang].fichier, c.fichier);
        EXPECT_TRUE(contient(pas.lignes[c.rang].remarque, c.remarque)) << c.fichier << " : " << pas.lignes[c.rang].remarque;
        EXPECT_EQ(pas.lignes[c.rang].remarque, un.lignes[c.rang].remarque);
    }
    // d.lst gives the model itself under no pupil's name: compared with no one.
    EXPECT_FALSE(contient(pas.lignes[3].remarque, "même réponse") || contient(pas.lignes[3].remarque, "même nom"))
        << pas.lignes[3].remarque;
}

TEST(EspaceEnseignant, ClassWithAnUnreadableModelHasNothingToGrade) {
    const Textures t = test::TexturesSimples(640, 600);
    ClasseEnNotation classe(t, "m.exo", "SLEXERC\x1a abîmé", {"a.rep"});
    EXPECT_EQ(classe.raison().rfind("Chargement impossible : m.exo (", 0), 0u) << classe.raison();
    EXPECT_EQ(classe.Total(), 0u);
    EXPECT_FALSE(classe.Suivante());
    EXPECT_FALSE(classe.NoterSuivante(FichierClasse{"a.rep", "", ErreurFichier::Aucune}));
    const NotesClasse n = classe.Terminer();
    EXPECT_EQ(n.raison, classe.raison());
    EXPECT_TRUE(n.lignes.empty());
    EXPECT_FALSE(n.interrompue);
}

}  // namespace
}  // namespace section
