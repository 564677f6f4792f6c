// SPDX-License-Identifier: GPL-3.0-or-later
// Pupils' names: what one engine check refuses, with its reason, for the
// window, the page and --make-answer; an answer file holding such a name is
// refused when read; two answers with one name are flagged.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <sstream>

#include "section/exercice.h"
#include "section/noms.h"
#include "section/tableur.h"

namespace section {
namespace {

struct Nom {
    const char* cas;
    std::string nom;
    std::string raison;  // empty: accepted
};

void PrintTo(const Nom& n, std::ostream* os) { *os << n.cas; }

const std::string kInvisible = "le nom de l'élève contient un caractère invisible ou de contrôle (";
const std::string kControle = "le nom de l'élève n'est pas un texte UTF-8 sans caractère de contrôle";
const std::string kSansLettre = "le nom de l'élève ne contient ni lettre ni chiffre";

class NomEleve : public ::testing::TestWithParam<Nom> {};

TEST_P(NomEleve, EstJugeUneFois) {
    const Nom& n = GetParam();
    EXPECT_EQ(VerifierNomEleve(n.nom), n.raison);
    // The answer check gives the same reason.
    Reponse r{n.nom, 42, {"S\xE9" "dimentation", "Erosion"}, std::nullopt};
    EXPECT_EQ(VerifierReponse(r), n.raison);
    // And an answer file made without the check is refused when read.
    Reponse lu;
    const std::string raison = LireReponse(TexteReponse(r), lu);
    if (n.raison.empty())
        EXPECT_EQ(raison, "");
    else
        EXPECT_NE(raison, "");
}

INSTANTIATE_TEST_SUITE_P(
    Noms, NomEleve,
    ::testing::Values(
        Nom{"ordinaire", "Alice", ""},
        Nom{"accents_et_espace", "\xC3\x89lise Martin", ""},
        Nom{"apostrophe", "O'Brien", ""},
        Nom{"chiffres_seuls", "42", ""},
        Nom{"ideogrammes", "\xE6\x9D\x8E\xE9\x9B\xB7", ""},
        Nom{"egal_accepte", "=1+1", ""},
        Nom{"plus_accepte", "+cmd|' /C calc'!A0", ""},
        Nom{"moins_accepte", "-2+3", ""},
        Nom{"arobase_accepte", "@SUM(1+1)", ""},
        Nom{"vide", "", "le nom de l'élève est vide"},
        Nom{"espaces", "   ", "le nom de l'élève est vide"},
        Nom{"espaces_insecables", "\xC2\xA0\xC2\xA0\xC2\xA0", kSansLettre},
        Nom{"ponctuation", "...!?", kSansLettre},
        Nom{"espace_sans_chasse", "Alice\xE2\x80\x8B", kInvisible + "U+200B)"},
        Nom{"forcage_droite_a_gauche", "Bob \xE2\x80\xAE" "02/02", kInvisible + "U+202E)"},
        Nom{"isolat_bidi", "\xE2\x81\xA6x", kInvisible + "U+2066)"},
        Nom{"cesure_conditionnelle", "Al\xC2\xAD" "ice", kInvisible + "U+00AD)"},
        Nom{"indicateur_d_ordre", "\xEF\xBB\xBF" "Alice", kInvisible + "U+FEFF)"},
        Nom{"usage_prive", "\xEE\x80\x80" "a", kInvisible + "U+E000)"},
        Nom{"non_attribue", "a\xCD\xB8", kInvisible + "U+0378)"},
        Nom{"controle_c1", "a\xC2\x9B" "2J", kControle},
        Nom{"echappement", "a\x1b[2J", kControle},
        Nom{"pas_utf8", "Zo\xE9", kControle},
        Nom{"cent_octets", std::string(100, 'a'), ""},
        Nom{"cinquante_e_accent_aigu", [] {
                std::string n;
                for (int i = 0; i < 50; ++i) n += "\xC3\xA9";  // 100 bytes, 50 letters
                return n;
            }(), ""},
        Nom{"cinquante_e_accent_aigu_et_une_lettre", [] {
                std::string n = "a";
                for (int i = 0; i < 50; ++i) n += "\xC3\xA9";
                return n;
            }(), "le nom de l'élève dépasse 100 octets"},
        Nom{"trop_long", std::string(101, 'a'), "le nom de l'élève dépasse 100 octets"}),
    [](const ::testing::TestParamInfo<Nom>& i) { return std::string(i.param.cas); });

// Every character Unicode says to show as nothing (default-ignorable) and
// the line and paragraph separators: a name holding one could pass for
// another, so it is refused, naming the character.
TEST(NomEleve, LesCaracteresInvisiblesSontRefuses) {
    const char32_t invisibles[] = {0x34F, 0x115F, 0x1160, 0x17B4, 0x17B5, 0x180B, 0x180F, 0x3164,
                                   0xFFA0, 0xFE00, 0xFE0F, 0xE0100, 0xE01EF, 0x2028, 0x2029};
    for (const char32_t c : invisibles) {
        std::string nom = "Zo";
        if (c < 0x800) nom += {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
        else if (c < 0x10000)
            nom += {static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
                    static_cast<char>(0x80 | (c & 0x3F))};
        else
            nom += {static_cast<char>(0xF0 | (c >> 18)), static_cast<char>(0x80 | ((c >> 12) & 0x3F)),
                    static_cast<char>(0x80 | ((c >> 6) & 0x3F)), static_cast<char>(0x80 | (c & 0x3F))};
        nom += "\xC3\xA9";
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X)", static_cast<unsigned>(c));
        EXPECT_EQ(VerifierNomEleve(nom), kInvisible + code) << code;
    }
    // Their visible neighbours stay names.
    EXPECT_EQ(VerifierNomEleve("Zo\xCC\x81"), "");  // U+0301, a combining accent
    EXPECT_EQ(VerifierNomEleve("\xE1\x84\x80\xE1\x85\xA1"), "");  // jamo U+1100 U+1161
}

// Two names are one pupil when they show alike: same letters once
// decomposed, case folded, look-alike Cyrillic and Greek letters taken as
// Latin; an accent is a letter of its own.
TEST(CleNomEleve, LesNomsQuiSeVoientPareilsSontUn) {
    struct Cas {
        const char* nom;
        std::string a, b;
        bool un;
    };
    const Cas cas[] = {
        {"accent compose ou combinant", "Zo\xC3\xA9", "Zoe\xCC\x81", true},
        {"o cyrillique", "Zo\xC3\xA9", "Z\xD0\xBE\xC3\xA9", true},
        {"o grec", "Zo\xC3\xA9", "Z\xCE\xBF\xC3\xA9", true},
        {"capitales", "Zo\xC3\xA9", "ZO\xC3\x89", true},
        {"K cyrillique en capitale", "KEVIN", "\xD0\x9A" "EVIN", true},
        {"a et p cyrilliques", "paul", "\xD1\x80\xD0\xB0ul", true},
        {"eszett", "Stra\xC3\x9F" "e", "STRASSE", true},
        {"ligature fi", "\xEF\xAC\x81" "fi", "fifi", true},
        {"pleine chasse", "\xEF\xBC\xA1" "li", "Ali", true},
        {"deux accents dans un autre ordre", "a\xCC\x81\xCC\xA3", "a\xCC\xA3\xCC\x81", true},
        {"syllabe hangul ou ses jamo", "\xEA\xB0\x80", "\xE1\x84\x80\xE1\x85\xA1", true},
        {"un accent est une lettre", "L\xC3\xA9" "a", "Lea", false},
        {"deux prenoms", "Alice", "Alicia", false},
        {"le i sans point reste lui", "I\xC5\x9F\xC4\xB1k", "I\xC5\x9Fik", false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        EXPECT_EQ(CleNomEleve(c.a) == CleNomEleve(c.b), c.un);
    }
}

// The decomposition against the conformance file of the Unicode data
// (package unicode-data): the fifth field of each line is the NFKD of the
// four others.
TEST(DecompositionCompatible, SelonLeFichierDeConformite) {
    const char* fichier = "/usr/share/unicode/NormalizationTest.txt.bz2";
    std::FILE* f = std::fopen(fichier, "rb");
    ASSERT_NE(f, nullptr) << fichier << " manque : installer le paquet unicode-data";
    std::fclose(f);
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> flux(::popen((std::string("bzcat ") + fichier).c_str(), "r"), ::pclose);
    ASSERT_TRUE(flux);
    const auto points = [](const std::string& champ) {
        std::u32string r;
        std::istringstream in(champ);
        for (std::string h; in >> h;) r += static_cast<char32_t>(std::stoul(h, nullptr, 16));
        return r;
    };
    char tampon[4096];
    int lignes = 0, fausses = 0;
    while (std::fgets(tampon, sizeof tampon, flux.get())) {
        std::string ligne(tampon);
        if (ligne.empty() || ligne[0] == '#' || ligne[0] == '@') continue;
        std::vector<std::string> champs;
        std::istringstream in(ligne);
        for (std::string c; std::getline(in, c, ';') && champs.size() < 5;) champs.push_back(c);
        if (champs.size() < 5) continue;
        const std::u32string nfkd = points(champs[4]);
        ++lignes;
        for (int k = 0; k < 5; ++k)
            if (DecompositionCompatible(points(champs[static_cast<std::size_t>(k)])) != nfkd && ++fausses <= 5)
                ADD_FAILURE() << "ligne " << lignes << ", champ " << k + 1 << " : " << champs[static_cast<std::size_t>(k)];
    }
    EXPECT_GT(lignes, 15000);
    EXPECT_EQ(fausses, 0);
}

TEST(AlphabetsMeles, UnNomQuiMeleDeuxAlphabets) {
    struct Cas {
        const char* nom;
        std::string eleve;
        bool meles;
    };
    const Cas cas[] = {
        {"latin", "Zo\xC3\xA9 Martin-Li", false},
        {"o cyrillique dans un nom latin", "Z\xD0\xBE\xC3\xA9", true},
        {"cyrillique seul", "\xD0\x90\xD0\xBD\xD0\xBD\xD0\xB0", false},
        {"grec seul", "\xCE\x91\xCE\xBB\xCE\xAD\xCE\xBE\xCE\xB7\xCF\x82", false},
        {"pi grec dans un nom latin", "Jean-\xCE\xA0" "aul", true},
        {"kanji et kana", "\xE5\xB1\xB1\xE7\x94\xB0 \xE3\x81\xAF\xE3\x81\xAA", false},
        {"chiffres et ponctuation", "Lou 2", false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        EXPECT_EQ(AlphabetsMeles(c.eleve), c.meles);
    }
    std::vector<LigneNotes> l = {{"a.rep", "Z\xD0\xBE\xC3\xA9", std::nullopt, "", std::nullopt},
                                 {"b.rep", "Zo\xC3\xA9", std::nullopt, "coupe différente", std::nullopt}};
    SignalerHomonymes(l);
    EXPECT_EQ(l[0].remarque, "nom écrit avec les lettres de plusieurs alphabets ; même nom d'élève que b.rep");
    EXPECT_EQ(l[1].remarque, "coupe différente ; même nom d'élève que a.rep");
}

TEST(CleNomEleve, CasseEtEspacesReplies) {
    EXPECT_EQ(CleNomEleve("  ALICE  Martin "), "alice martin");
    EXPECT_EQ(CleNomEleve("alice\xC2\xA0martin"), "alice martin");
    EXPECT_EQ(CleNomEleve("\xC3\x89LISE"), CleNomEleve("\xC3\xA9lise"));
    EXPECT_EQ(CleNomEleve("\xC5\x92" "DIPE"), CleNomEleve("\xC5\x93" "dipe"));  // Œ, œ
    EXPECT_EQ(CleNomEleve("\xD0\x90\xD0\x9D\xD0\x9D\xD0\x90"), CleNomEleve("\xD0\xB0\xD0\xBD\xD0\xBD\xD0\xB0"));
    EXPECT_NE(CleNomEleve("Alice"), CleNomEleve("Alicia"));
    EXPECT_NE(CleNomEleve("\xC3\x89lise"), CleNomEleve("Elise"));  // an accent is not a case
}

TEST(SignalerHomonymes, ChaqueCopieNommeLesAutres) {
    std::vector<LigneNotes> l = {
        {"classe/a.rep", "Alice", std::nullopt, "le fichier est abîmé", std::nullopt},
        {"classe/b.rep", "Bruno", std::nullopt, "coupe différente", std::nullopt},
        {"classe/c.rep", "  ALICE ", std::nullopt, "", std::nullopt},
        {"classe/d.rep", "alice", std::nullopt, "même coupe que le corrigé", std::nullopt},
        {"e.lst", "", std::nullopt, "x", std::nullopt},
        {"f.lst", "", std::nullopt, "y", std::nullopt},
    };
    SignalerHomonymes(l);
    EXPECT_EQ(l[0].remarque, "le fichier est abîmé ; même nom d'élève que c.rep, d.rep");
    EXPECT_EQ(l[1].remarque, "coupe différente");
    EXPECT_EQ(l[2].remarque, "même nom d'élève que a.rep, d.rep");
    EXPECT_EQ(l[3].remarque, "même coupe que le corrigé ; même nom d'élève que a.rep, c.rep");
    EXPECT_EQ(l[4].remarque, "x");  // plain lists carry no name
    EXPECT_EQ(l[5].remarque, "y");
}

// Up to three other files are listed; beyond, the first and how many
// more, so that a class of one name does not grow as its square.
TEST(SignalerHomonymes, AuDelaDeTroisAutresLaRemarqueLesCompte) {
    struct Cas {
        const char* nom;
        std::size_t copies;
        const char* premiere;  // the remark of the first row
        const char* deuxieme;  // the remark of the second row
    };
    const Cas cas[] = {
        {"quatre", 4, "même nom d'élève que l1.rep, l2.rep, l3.rep", "même nom d'élève que l0.rep, l2.rep, l3.rep"},
        {"cinq", 5, "même nom d'élève que l1.rep et 3 autres", "même nom d'élève que l0.rep et 3 autres"},
        {"mille_et_un", 1001, "même nom d'élève que l1.rep et 999 autres", "même nom d'élève que l0.rep et 999 autres"},
        {"cinq_mille", 5000, "même nom d'élève que l1.rep et 4\u202F998 autres",
         "même nom d'élève que l0.rep et 4\u202F998 autres"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        std::vector<LigneNotes> l;
        for (std::size_t i = 0; i < c.copies; ++i)
            l.push_back({"classe/l" + std::to_string(i) + ".rep", i % 2 ? "LINA" : "Lina", std::nullopt, "", std::nullopt});
        SignalerHomonymes(l);
        EXPECT_EQ(l[0].remarque, c.premiere);
        EXPECT_EQ(l[1].remarque, c.deuxieme);
        std::size_t total = 0;
        for (const LigneNotes& x : l) total += x.remarque.size();
        EXPECT_LE(total, c.copies * 64);
    }
}

}  // namespace
}  // namespace section
