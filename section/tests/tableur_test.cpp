// SPDX-License-Identifier: GPL-3.0-or-later
// The class's CSV: names and file names a pupil chose never become a
// formula, a control code or a broken row; the text shown on a terminal
// holds no control code either.
#include <gtest/gtest.h>

#include "section/tableur.h"
#include "section/textes.h"
#include "section/verification.h"
#include "section/note.h"

namespace section {
namespace {

struct Cas {
    const char* nom;
    std::string entree;
    std::string attendu;
};

void PrintTo(const Cas& c, std::ostream* os) { *os << c.nom; }

std::string NomDe(const ::testing::TestParamInfo<Cas>& i) { return i.param.nom; }

class Champ : public ::testing::TestWithParam<Cas> {};

TEST_P(Champ, EstNeutralise) { EXPECT_EQ(ChampCsv(GetParam().entree), GetParam().attendu); }

INSTANTIATE_TEST_SUITE_P(
    Csv, Champ,
    ::testing::Values(Cas{"ordinaire", "Alice", "Alice"},
                      Cas{"accents", "Chlo\xC3\xA9", "Chlo\xC3\xA9"},
                      Cas{"vide", "", ""},
                      Cas{"egal", "=1+1", "'=1+1"},
                      Cas{"plus_commande", "+cmd|' /C calc'!A0", "'+cmd|' /C calc'!A0"},
                      Cas{"moins", "-2+3", "'-2+3"},
                      Cas{"arobase", "@SUM(1+1)", "'@SUM(1+1)"},
                      Cas{"lien_hypertexte", "=HYPERLINK(\"http://x\";\"ici\")",
                          "\"'=HYPERLINK(\"\"http://x\"\";\"\"ici\"\")\""},
                      Cas{"tabulation_en_tete", "\t=1", "'\\x09=1"},
                      Cas{"retour_en_tete", "\r=1", "'\\x0d=1"},
                      Cas{"egal_au_milieu", "a=1", "a=1"},
                      Cas{"point_virgule", "\xC3\x89lise; la 2e", "\"\xC3\x89lise; la 2e\""},
                      Cas{"guillemets", "dit \"bonjour\"", "\"dit \"\"bonjour\"\"\""},
                      Cas{"fin_de_ligne", "a\r\nb;c", "\"a\\x0d\\x0ab;c\""},
                      Cas{"echappement_terminal", "\x1b[2Jnote", "\\x1b[2Jnote"},
                      Cas{"csi_c1", "\xC2\x9B" "31m", "\\u009b31m"},
                      Cas{"octet_non_utf8", "caf\xE9.rep", "caf\\xe9.rep"}),
    NomDe);

class Controles : public ::testing::TestWithParam<Cas> {};

TEST_P(Controles, SontEchappes) { EXPECT_EQ(SansControles(GetParam().entree), GetParam().attendu); }

INSTANTIATE_TEST_SUITE_P(
    Terminal, Controles,
    ::testing::Values(Cas{"texte_sans_controle", "S\xC3\xA9" "dimentation \xE2\x82\xAC", "S\xC3\xA9" "dimentation \xE2\x82\xAC"},
                      Cas{"titre_osc", "\x1b]0;pirate\x07", "\\x1b]0;pirate\\x07"},
                      Cas{"presse_papiers_osc52", "\x1b]52;c;ZWNobw==\x1b\\", "\\x1b]52;c;ZWNobw==\\x1b\\"},
                      Cas{"fausse_note_en_couleur", "\x1b[32mNote : 20/20\x1b[0m", "\\x1b[32mNote : 20/20\\x1b[0m"},
                      Cas{"nul_et_del", std::string("a\0b\x7f", 4), "a\\x00b\\x7f"},
                      Cas{"c1_nel", "\xC2\x85", "\\u0085"},
                      Cas{"nbsp_garde", "\xC2\xA0", "\xC2\xA0"},
                      Cas{"utf8_tronque", "\xE2\x82", "\\xe2\\x82"},
                      Cas{"forme_trop_longue", "\xC0\xAF", "\\xc0\\xaf"},
                      Cas{"surrogat", "\xED\xA0\x80", "\\xed\\xa0\\x80"},
                      Cas{"au_dela_de_10ffff", "\xF4\x90\x80\x80", "\\xf4\\x90\\x80\\x80"},
                      Cas{"emoji_garde", "\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
                      // Format characters and separators, invisible or reordering.
                      Cas{"forcage_droite_a_gauche", "copie\xE2\x80\xAEper.rep", "copie\\u202eper.rep"},
                      Cas{"espace_sans_chasse", "a\xE2\x80\x8B" "b", "a\\u200bb"},
                      Cas{"indicateur_d_ordre", "\xEF\xBB\xBFnom", "\\ufeffnom"},
                      Cas{"separateur_de_ligne", "a\xE2\x80\xA8" "b\xE2\x80\xA9", "a\\u2028b\\u2029"},
                      Cas{"etiquette_langue", "x\xF3\xA0\x80\x81", "x\\U000e0001"},
                      Cas{"lettre_accentuee_gardee", "\xC3\xA9", "\xC3\xA9"}),
    NomDe);

Note Marque(int points, bool meme, int evenements) {
    Note n;
    n.points = points;
    n.memeCoupe = meme;
    n.evenementsReconnus = evenements;
    n.pixels = 2592;
    n.identiques = meme ? 2592 : 2591;
    n.roche = 1000;
    n.rocheIdentique = meme ? 1000 : 500;
    n.formationsEnEcart = meme ? 0 : 1;
    return n;
}

TEST(CsvDesNotes, FormatEntier) {
    const std::vector<LigneNotes> lignes = {
        {"/classe/a.rep", "Alice", Marque(20, true, 4), "même coupe que le corrigé", 16},
        {"classe/b.rep", "=1+1", Marque(6, false, 3), "il manque une couche", std::nullopt},
        {"c.rep", "", std::nullopt, "le fichier est abîmé", std::nullopt},
        {"d.rep", "Dina", Marque(20, true, 4), "même coupe que le corrigé", 20, Verifications{7, 0}},
    };
    EXPECT_EQ(CsvDesNotes(lignes),
              "\xEF\xBB\xBF"
              "Fichier;\xC3\x89l\xC3\xA8ve;Note sur 20;Roche identique (%);Pixels identiques (%);"
              "\xC3\x89v\xC3\xA9nements reconnus;Formations en \xC3\xA9" "cart;Remarque;Ordre sur 20;"
              "Vérifications de la coupe;Vérifications de l'ordre\r\n"
              "a.rep;Alice;20;100,0;100,0;4;0;même coupe que le corrigé;16;;\r\n"
              "b.rep;'=1+1;6;50,0;99,9;3;1;il manque une couche;;;\r\n"
              "c.rep;;;;;;;le fichier est abîmé;;;\r\n"
              "d.rep;Dina;20;100,0;100,0;4;0;même coupe que le corrigé;20;7;0\r\n");
}

TEST(CsvDesNotes, SansLigneRienQueLEntete) {
    EXPECT_EQ(CsvDesNotes({}), "\xEF\xBB\xBF" + std::string(kEnteteNotes) + "\r\n");
}

// Every row stays one row with its eleven fields, whatever the names hold.
TEST(CsvDesNotes, UnNomHostileNeCassePasLaLigne) {
    const std::string hostiles[] = {"a;b", "\"", "\r\n", "x\ny", ";;;;;;;", "\"\";\"", "\x1b[2J"};
    for (const std::string& h : hostiles) {
        const std::string csv = CsvDesNotes({{h + ".rep", h, Marque(12, false, 2), h, 12}});
        const std::size_t debut = csv.find("\r\n") + 2;
        const std::string ligne = csv.substr(debut);
        EXPECT_EQ(ligne.find("\r\n"), ligne.size() - 2) << h;
        EXPECT_EQ(ligne.find('\n'), ligne.size() - 1) << h;
        int champs = 1;
        bool entre = false;
        for (const char c : ligne) {
            if (c == '"') entre = !entre;
            if (c == ';' && !entre) ++champs;
        }
        EXPECT_EQ(champs, 11) << h;
        for (const char c : ligne.substr(0, ligne.size() - 2))
            EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20 || c == 0x7f) << h;
    }
}

TEST(RemarqueNote, JamaisVideSous20) {
    Verification v;
    EXPECT_EQ(RemarqueNote(Marque(0, false, 0), v), "aucun événement reconnu");
    EXPECT_EQ(RemarqueNote(Marque(20, true, 3), v), "même coupe que le corrigé");
    EXPECT_EQ(RemarqueNote(Marque(9, false, 3), v), "coupe différente");
    v.remarques = {{Ecart::FormationManquante, "il manque une formation"}, {Ecart::SurfaceDifferente, "la surface"}};
    EXPECT_EQ(RemarqueNote(Marque(9, false, 3), v), "il manque une formation ; la surface");
}

}  // namespace
}  // namespace section
