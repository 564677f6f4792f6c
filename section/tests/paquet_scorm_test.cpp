// SPDX-License-Identifier: GPL-3.0-or-later
// The package a course platform plays: the manifest's rules case by case,
// the refusals, and random series unpacked by a reader written here (its
// own CRC and base64) to find every file whole and every exercise inside.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <regex>
#include <set>

#include "section/exercice.h"
#include "section/liste.h"
#include "dossier_essai.h"
#include "section/paquet_scorm.h"
#include "section/zip.h"

namespace section {
namespace {

// A page with the three marked scripts, as the assembler writes them.
std::string PageEssai(std::string_view autour = "x") {
    return "<!DOCTYPE html>\n<html><head><style>" + std::string(autour) +
           "</style></head><body>\n<script data-strataloom=\"donnees\">\nconst D = \"<\\/script>\";\n</script>\n"
           "<script data-strataloom=\"moteur\">\nvar M = 1;\n</script>\n"
           "<script data-strataloom=\"page\">\nM();\n</script>\n</body>\n</html>\n";
}

std::string ExoEssai(std::mt19937& alea, std::string titre) {
    Exercice e;
    e.titre = std::move(titre);
    e.lignes = {Ligne(kLigneInitiale)};
    const Ligne evenements[] = {"Erosion", "Compression", Ligne(kLigneInitiale)};
    for (int i = 0, n = 1 + static_cast<int>(alea() % 5); i < n; ++i) e.lignes.push_back(evenements[alea() % 3]);
    const int l = 1 + static_cast<int>(alea() % 9), h = 1 + static_cast<int>(alea() % 9);
    std::vector<Couleur> px;
    for (int i = 0; i < l * h; ++i) px.push_back(alea() & 0xFFFFFF);
    e.cible = Raster(l, h, std::move(px));
    e.graineLettres = static_cast<std::uint32_t>(alea());
    return TexteExercice(e);
}

std::vector<ExercicePaquet> Serie(std::uint32_t graine, int n) {
    std::mt19937 alea(graine);
    std::vector<ExercicePaquet> s;
    for (int i = 1; i <= n; ++i)
        s.push_back({"ex" + std::to_string(i) + ".exo", ExoEssai(alea, "Coupe " + std::to_string(i))});
    return s;
}

std::string Manifeste(const std::vector<ExercicePaquet>& s, int seuil = 10, std::string_view titre = "") {
    std::string m;
    EXPECT_EQ(ManifesteScorm(s, seuil, titre, m), "");
    return m;
}

std::vector<std::smatch> Tous(const std::string& texte, const std::string& motif) {
    std::vector<std::smatch> r;
    const std::regex re(motif);
    for (auto it = std::sregex_iterator(texte.begin(), texte.end(), re); it != std::sregex_iterator(); ++it)
        r.push_back(*it);
    return r;
}

// ---- manifest rules, one named case each, on a series of three ----

struct Regle {
    const char* nom;
    void (*verifier)(const std::string& manifeste);
};

const Regle kRegles[] = {
    {"identifiants_uniques_et_valides",
     [](const std::string& m) {
         std::set<std::string> vus;
         for (const auto& x : Tous(m, R"re( identifier="([^"]*)\")re")) {
             EXPECT_TRUE(std::regex_match(x[1].str(), std::regex("[A-Za-z_][A-Za-z0-9._-]*"))) << x[1];
             EXPECT_TRUE(vus.insert(x[1].str()).second) << "used twice: " << x[1];
         }
         EXPECT_EQ(vus.size(), 1u + 1 + 3 + 3 + 1);  // manifest, organization, items, SCOs, asset
     }},
    {"chaque_article_mene_a_un_sco",
     [](const std::string& m) {
         const auto articles = Tous(m, R"re(<item identifier="[^"]*" identifierref="([^"]*)\")re");
         ASSERT_EQ(articles.size(), 3u);
         for (const auto& a : articles)
             EXPECT_NE(m.find("<resource identifier=\"" + a[1].str() + "\" type=\"webcontent\" adlcp:scormtype=\"sco\""),
                       std::string::npos);
     }},
    {"href_de_chaque_sco_sans_requete_et_liste",
     [](const std::string& m) {
         const auto scos = Tous(m, R"re(adlcp:scormtype="sco" href="([^"]*)">\s*<file href="([^"]*)"/>)re");
         ASSERT_EQ(scos.size(), 3u);
         for (std::size_t i = 0; i < scos.size(); ++i) {
             EXPECT_EQ(scos[i][1].str(), PageExercicePaquet(static_cast<int>(i) + 1));
             EXPECT_EQ(scos[i][1].str(), scos[i][2].str());
             EXPECT_EQ(scos[i][1].str().find_first_of("?#"), std::string::npos);
         }
     }},
    {"ressource_commune_des_scripts",
     [](const std::string& m) {
         const auto communs = Tous(m, R"re(<resource identifier="([^"]*)" type="webcontent" adlcp:scormtype="asset">\s*<file href="strataloom.js"/>)re");
         ASSERT_EQ(communs.size(), 1u);
         EXPECT_EQ(Tous(m, "<dependency identifierref=\"" + communs[0][1].str() + "\"/>").size(), 3u);
     }},
    {"seuil_sur_vingt_par_article",
     [](const std::string& m) { EXPECT_EQ(Tous(m, "<adlcp:masteryscore>13</adlcp:masteryscore>").size(), 3u); }},
    {"version_et_espaces_de_noms",
     [](const std::string& m) {
         EXPECT_NE(m.find("<schema>ADL SCORM</schema>"), std::string::npos);
         EXPECT_NE(m.find("<schemaversion>1.2</schemaversion>"), std::string::npos);
         EXPECT_NE(m.find("xmlns=\"http://www.imsproject.org/xsd/imscp_rootv1p1p2\""), std::string::npos);
         EXPECT_NE(m.find("xmlns:adlcp=\"http://www.adlnet.org/xsd/adlcp_rootv1p2\""), std::string::npos);
         const auto defaut = Tous(m, R"re(<organizations default="([^"]*)">\s*<organization identifier="([^"]*)">)re");
         ASSERT_EQ(defaut.size(), 1u);
         EXPECT_EQ(defaut[0][1].str(), defaut[0][2].str());
     }},
    {"titres_echappes",
     [](const std::string& m) {
         EXPECT_NE(m.find("<title>Roches &amp; &lt;plis&gt; « ici »</title>"), std::string::npos);
         EXPECT_NE(m.find("<title>Coupe 2</title>"), std::string::npos);
     }},
};

void PrintTo(const Regle& r, std::ostream* os) { *os << r.nom; }

class RegleManifeste : public ::testing::TestWithParam<Regle> {};

TEST_P(RegleManifeste, SurUneSerieDeTrois) { GetParam().verifier(Manifeste(Serie(7, 3), 13, "Roches & <plis> « ici »")); }

INSTANTIATE_TEST_SUITE_P(Paquet, RegleManifeste, ::testing::ValuesIn(kRegles),
                         [](const ::testing::TestParamInfo<Regle>& cas) { return std::string(cas.param.nom); });

TEST(Paquet, ManifesteNeDependQueDesExercicesEtDuSeuil) {
    const auto s = Serie(3, 2);
    std::string a, b;
    ASSERT_EQ(PaquetScorm(PageEssai("a"), s, 10, "", a), "");
    ASSERT_EQ(PaquetScorm(PageEssai("autre style"), s, 10, "", b), "");
    EXPECT_NE(a, b);
    // Both packages hold, stored as they are, the manifest of the same
    // exercises drawn again: the page's bytes do not reach it.
    const std::string attendu = Manifeste(Serie(3, 2));
    EXPECT_NE(a.find(attendu), std::string::npos);
    EXPECT_NE(b.find(attendu), std::string::npos);
    // The title of one exercise names the course; another pass mark is
    // another course.
    EXPECT_NE(Manifeste({s[0]}).find("<organization identifier=\"cours-"), std::string::npos);
    EXPECT_NE(Manifeste({s[0]}).find("<title>Coupe 1</title>\n      <item"), std::string::npos);
    const auto id = [](const std::string& m) { return Tous(m, R"re(<manifest identifier="([^"]*)\")re").at(0)[1].str(); };
    EXPECT_NE(id(Manifeste(s, 10)), id(Manifeste(s, 11)));
    EXPECT_NE(id(Manifeste(s)), id(Manifeste(Serie(4, 2))));
}

// Reads the manifest as an XML 1.0 processor reads its characters: every
// byte sequence must decode as UTF-8 to a Char of the XML 1.0 grammar
// (#x9 | #xA | #xD | [#x20-#xD7FF] | [#xE000-#xFFFD] | [#x10000-#x10FFFF]).
// Returns the offset of the first one that does not, or npos.
std::size_t PremierCaractereHorsXml(const std::string& m) {
    std::size_t i = 0;
    while (i < m.size()) {
        const auto o = static_cast<unsigned char>(m[i]);
        int n = o < 0x80 ? 1 : (o >> 5) == 6 ? 2 : (o >> 4) == 14 ? 3 : (o >> 3) == 30 ? 4 : 0;
        if (n == 0 || i + n > m.size()) return i;
        char32_t c = n == 1 ? o : o & (0x7F >> n);
        for (int k = 1; k < n; ++k) {
            const auto suite = static_cast<unsigned char>(m[i + k]);
            if ((suite & 0xC0) != 0x80) return i;
            c = c << 6 | (suite & 0x3F);
        }
        const bool permis = c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
                            (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
        if (!permis) return i;
        i += n;
    }
    return std::string::npos;
}

TEST(Paquet, ManifesteNeTientQueDesCaracteresXml10) {
    struct Cas {
        const char* nom;
        std::string titre;
        bool titreExercice;  // an exercise file may hold it as its title
    };
    const Cas cas[] = {
        {"non_caractere_fffe", "Pli \xEF\xBF\xBE", true},
        {"non_caractere_ffff", "\xEF\xBF\xBFPli", true},
        {"controle_c0", "Pli\x01\x1F", false},
        {"controle_c1", "Pli \xC2\x85", false},
        {"octet_isole", "Pli \xFF", false},
        {"suppleant_encode", "Pli \xED\xA0\x80", false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        std::mt19937 alea(11);
        std::vector<std::string> manifestes = {Manifeste({{"a.exo", ExoEssai(alea, "Coupe")}}, 10, c.titre)};
        if (c.titreExercice) manifestes.push_back(Manifeste({{"a.exo", ExoEssai(alea, c.titre)}}));
        for (const std::string& m : manifestes) {
            EXPECT_EQ(PremierCaractereHorsXml(m), std::string::npos);
            // What is not allowed is replaced, never dropped.
            EXPECT_NE(m.find("\xEF\xBF\xBD"), std::string::npos);
        }
    }
    // Characters XML allows stay as they are, astral ones and U+FFFD included.
    std::mt19937 alea(11);
    const std::string permis = "Pli \xF0\x9F\xAA\xA8 \xEF\xBF\xBD \xEE\x80\x80";
    const std::string m = Manifeste({{"a.exo", ExoEssai(alea, permis)}});
    EXPECT_NE(m.find("<title>" + permis + "</title>"), std::string::npos);
}

// ---- refusals ----

struct Refus {
    const char* nom;
    std::string page;
    std::vector<ExercicePaquet> exercices;
    int seuil;
    const char* raison;  // a part of the reason
};

std::vector<Refus> CasRefus() {
    const auto s = Serie(5, 1);
    std::string page = PageEssai();
    std::string sansMoteur = page;
    sansMoteur.replace(sansMoteur.find("data-strataloom=\"moteur\""), 24, "data-x=\"m\"");
    std::string desordre = page;  // "page" before "moteur"
    std::swap(desordre[desordre.find("\"moteur\"") + 1], desordre[desordre.find("\"page\"") + 1]);
    std::string abime = s[0].octets;
    abime[abime.size() / 2] ^= 0x40;
    return {
        {"page_sans_scripts", "<html><body><script>x</script></body></html>", s, 10, "n'est pas celle de Strataloom"},
        {"page_sans_moteur", sansMoteur, s, 10, "n'est pas celle de Strataloom"},
        {"page_scripts_en_desordre", desordre, s, 10, "n'est pas celle de Strataloom"},
        {"page_script_double", page + "<script data-strataloom=\"page\">y</script>", s, 10, "n'est pas celle de Strataloom"},
        {"aucun_exercice", page, {}, 10, "aucun exercice"},
        {"cent_exercices", page, std::vector<ExercicePaquet>(100, s[0]), 10, "au plus 99"},
        {"seuil_negatif", page, s, -1, "de 0 à 20"},
        {"seuil_vingt_et_un", page, s, 21, "de 0 à 20"},
        {"exercice_abime", page, {{"abime.exo", abime}}, 10, "« abime.exo » ne peut pas être lu : le fichier est abîmé"},
        {"exercice_tronque", page, {{"court.exo", s[0].octets.substr(0, 30)}}, 10, "« court.exo » ne peut pas être lu"},
        {"pas_un_exercice", page, {{"liste.lst", "Sédimentation\r\n"}}, 10, "ce n'est pas un fichier d'exercice"},
    };
}

TEST(Paquet, Refus) {
    for (const Refus& c : CasRefus()) {
        SCOPED_TRACE(c.nom);
        std::string zip = "inchangé";
        const std::string raison = PaquetScorm(c.page, c.exercices, c.seuil, "", zip);
        EXPECT_NE(raison.find(c.raison), std::string::npos) << raison;
        EXPECT_EQ(zip, "inchangé");
    }
    std::string zip;
    EXPECT_EQ(PaquetScorm(PageEssai(), Serie(5, 1), 0, "", zip), "");
    EXPECT_EQ(PaquetScorm(PageEssai(), Serie(5, 1), 20, "", zip), "");
}

TEST(Paquet, NomsDansLArchive) {
    struct Cas {
        const char* nom;
        bool admis;
    };
    const Cas cas[] = {{"imsmanifest.xml", true}, {"a/b-c_d.js", true}, {"", false}, {"/racine", false},
                       {"a//b", false},           {"../x", false},        {"a/./b", false}, {"fin/", false},
                       {"é.html", false},         {"a b", false},         {"a\\b", false}};
    for (const Cas& c : cas) {
        EcritureZip z;
        EXPECT_EQ(z.Ajouter(c.nom, "x").empty(), c.admis) << c.nom;
    }
    EcritureZip z;
    EXPECT_EQ(z.Ajouter("A.txt", "1"), "");
    EXPECT_NE(z.Ajouter("a.TXT", "2"), "");
    EXPECT_EQ(z.Entrees(), 1u);
}

TEST(Paquet, SeuilLu) {
    struct Cas {
        const char* reponse;
        std::optional<int> seuil;
    };
    const Cas cas[] = {{"10", 10}, {" 0 ", 0}, {"20", 20}, {"07", 7}, {"21", std::nullopt}, {"-1", std::nullopt},
                       {"+5", std::nullopt}, {"1.5", std::nullopt}, {"", std::nullopt}, {"  ", std::nullopt},
                       {"dix", std::nullopt}, {"100", std::nullopt}, {"1 0", std::nullopt}};
    for (const Cas& c : cas) EXPECT_EQ(LireSeuil(c.reponse), c.seuil) << "« " << c.reponse << " »";
}

// ---- an independent reading of the archive ----

std::uint32_t CrcLent(std::string_view o) {
    std::uint32_t c = 0xFFFFFFFFu;
    for (const char b : o) {
        c ^= static_cast<std::uint8_t>(b);
        for (int k = 0; k < 8; ++k) c = (c & 1) ? (c >> 1) ^ 0xEDB88320u : c >> 1;
    }
    return ~c;
}

std::uint32_t Lu(std::string_view o, std::size_t a, int n) {
    std::uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = v << 8 | static_cast<std::uint8_t>(o.at(a + static_cast<std::size_t>(i)));
    return v;
}

// The files of a stored zip, from its central directory, each checked
// against its local header and its CRC.
std::map<std::string, std::string> Deballer(std::string_view z) {
    std::map<std::string, std::string> fichiers;
    const std::size_t fin = z.size() - 22;
    EXPECT_EQ(Lu(z, fin, 4), 0x06054b50u);
    const std::size_t n = Lu(z, fin + 10, 2);
    std::size_t p = Lu(z, fin + 16, 4);
    EXPECT_EQ(p + Lu(z, fin + 12, 4), fin);
    for (std::size_t i = 0; i < n; ++i) {
        EXPECT_EQ(Lu(z, p, 4), 0x02014b50u);
        EXPECT_EQ(Lu(z, p + 10, 2), 0u) << "stored";
        const std::uint32_t crc = Lu(z, p + 16, 4), taille = Lu(z, p + 24, 4), lnom = Lu(z, p + 28, 2);
        const std::size_t local = Lu(z, p + 42, 4);
        const std::string nom(z.substr(p + 46, lnom));
        EXPECT_EQ(Lu(z, local, 4), 0x04034b50u);
        EXPECT_EQ(Lu(z, local + 14, 4), crc);
        EXPECT_EQ(z.substr(local + 30, Lu(z, local + 26, 2)), nom);
        const std::string contenu(z.substr(local + 30 + lnom + Lu(z, local + 28, 2), taille));
        EXPECT_EQ(CrcLent(contenu), crc) << nom;
        EXPECT_EQ(Lu(z, local + 12, 2), 0x21u) << "fixed date";
        fichiers[nom] = contenu;
        p += 46 + lnom + Lu(z, p + 30, 2) + Lu(z, p + 32, 2);
    }
    return fichiers;
}

std::string DeBase64(std::string_view t) {
    const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string o;
    std::uint32_t v = 0;
    int bits = 0;
    for (const char c : t) {
        if (c == '=') break;
        v = v << 6 | static_cast<std::uint32_t>(alphabet.find(c));
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            o += static_cast<char>(v >> bits & 0xFF);
        }
    }
    return o;
}

TEST(Paquet, SeriesAleatoiresDeballeesParUnAutreLecteur) {
    for (std::uint32_t graine = 1; graine <= 40; ++graine) {
        SCOPED_TRACE("graine " + std::to_string(graine));
        std::mt19937 alea(graine);
        const int n = 1 + static_cast<int>(alea() % 12);
        const auto s = Serie(graine, n);
        const int seuil = static_cast<int>(alea() % 21);
        const std::string page = PageEssai(std::string(alea() % 50, 'y'));
        std::string zip;
        ASSERT_EQ(PaquetScorm(page, s, seuil, "", zip), "");
        const auto fichiers = Deballer(zip);
        ASSERT_EQ(fichiers.size(), static_cast<std::size_t>(n) + 2);
        EXPECT_EQ(fichiers.at("imsmanifest.xml"), Manifeste(s, seuil));
        EXPECT_EQ(fichiers.at("strataloom.js"), "\nconst D = \"<\\/script>\";\n\n\nvar M = 1;\n\n\nM();\n\n");
        for (int i = 1; i <= n; ++i) {
            const std::string& html = fichiers.at(PageExercicePaquet(i));
            std::smatch m;
            ASSERT_TRUE(std::regex_search(html, m, std::regex(
                R"re(<script>window.STRATALOOM_SCO = \{"exercice":"([A-Za-z0-9+/=]*)","nom":"([^"]*)","seuil":(\d+)\};</script>)re"
                "\n<script src=\"strataloom.js\"></script>")));
            EXPECT_EQ(DeBase64(m[1].str()), s[static_cast<std::size_t>(i - 1)].octets);
            EXPECT_EQ(m[2].str(), s[static_cast<std::size_t>(i - 1)].nom);
            EXPECT_EQ(std::stoi(m[3].str()), seuil);
            EXPECT_EQ(html.find("data-strataloom"), std::string::npos);
            EXPECT_EQ(html.substr(0, page.find("<script")), page.substr(0, page.find("<script")));
        }
        std::string encore;
        ASSERT_EQ(PaquetScorm(page, s, seuil, "", encore), "");
        EXPECT_EQ(encore, zip) << "the same files give the same bytes";
    }
}

TEST(Paquet, NomDansLeScriptSansBaliseNiControle) {
    auto s = Serie(9, 1);
    s[0].nom = "</script><!--\x01\"a\".exo";
    std::string zip;
    ASSERT_EQ(PaquetScorm(PageEssai(), s, 10, "", zip), "");
    const std::string html = Deballer(zip).at("exercice-01.html");
    EXPECT_NE(html.find("\"nom\":\"\\u003c/script\\u003e\\u003c!--\xEF\xBF\xBD\\\"a\\\".exo\""), std::string::npos)
        << html.substr(0, 300);
}

// The page is looked for beside the program, then where an installation
// shares it, then where a build writes it: the first regular file wins.
TEST(Paquet, LaPageTrouveeAcoteDuProgramme) {
    test::DossierTemporaire d;
    const std::string bin = d.Chemin() + "/build/bin";
    test::fs::create_directories(bin);
    test::fs::create_directories(d.Chemin() + "/build/share/strataloom");
    test::fs::create_directories(d.Chemin() + "/build-web");
    EXPECT_EQ(TrouverPage(bin), "");
    ASSERT_TRUE(test::Ecrire(d.Chemin() + "/build-web/strataloom.html", "b"));
    EXPECT_EQ(TrouverPage(bin), bin + "/../../build-web/strataloom.html");
    ASSERT_TRUE(test::Ecrire(d.Chemin() + "/build/share/strataloom/strataloom.html", "s"));
    EXPECT_EQ(TrouverPage(bin), bin + "/../share/strataloom/strataloom.html");
    // A folder of that name is no page.
    test::fs::create_directories(bin + "/strataloom.html");
    EXPECT_EQ(TrouverPage(bin), bin + "/../share/strataloom/strataloom.html");
    test::fs::remove(bin + "/strataloom.html");
    ASSERT_TRUE(test::Ecrire(bin + "/strataloom.html", "p"));
    EXPECT_EQ(TrouverPage(bin), bin + "/strataloom.html");
}

}  // namespace
}  // namespace section

namespace section {
namespace {

// ---- one HTML file holding the page and one exercise ----

// The file is the page itself with one script added just before its
// marked scripts, naming the exercise; each refusal of a page or of one
// exercise that a package has is the file's too, and a page that already
// names an exercise is refused.
TEST(PageExercice, LaPageEtUnExercice) {
    auto s = Serie(11, 1);
    s[0].nom = "</script>Falaise \"1\".exo";
    const std::string page = PageEssai("p { color: red }");
    std::string html;
    ASSERT_EQ(PageAvecExercice(page, s[0], html), "");
    const std::size_t marque = page.find("<script data-strataloom=\"donnees\">");
    const std::string debut = "<script>window.STRATALOOM_EXERCICE = {\"exercice\":\"";
    ASSERT_EQ(html.substr(0, marque), page.substr(0, marque));
    ASSERT_EQ(html.compare(marque, debut.size(), debut), 0) << html.substr(marque, 80);
    const std::size_t finB64 = html.find('"', marque + debut.size());
    EXPECT_EQ(DeBase64(std::string_view(html).substr(marque + debut.size(), finB64 - marque - debut.size())),
              s[0].octets);
    const std::string suite = "\",\"nom\":\"\\u003c/script\\u003eFalaise \\\"1\\\".exo\"};</script>\n";
    EXPECT_EQ(html.substr(finB64, suite.size()), suite);
    EXPECT_EQ(html.substr(finB64 + suite.size()), page.substr(marque)) << "the page after the added script";

    std::string deux = "inchangé";
    EXPECT_EQ(PageAvecExercice(html, s[0], deux), "la page donnée porte déjà un exercice");
    EXPECT_EQ(deux, "inchangé");
    for (const Refus& c : CasRefus()) {
        if (c.exercices.size() != 1 || c.seuil != 10) continue;  // a package's own limits
        SCOPED_TRACE(c.nom);
        std::string h = "inchangé";
        const std::string raison = PageAvecExercice(c.page, c.exercices[0], h);
        EXPECT_NE(raison.find(c.raison), std::string::npos) << raison;
        EXPECT_EQ(h, "inchangé");
    }
}

}  // namespace
}  // namespace section
