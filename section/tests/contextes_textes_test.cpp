// SPDX-License-Identifier: GPL-3.0-or-later
// Where the texts of the browser page are kept: each text its binding
// writes (Texte("Contexte", ...) in web/src/) is under a context of the
// engine's catalogue or under the page's own, Page; never under the name of
// one of the window's classes, whose translations follow the window.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#ifndef STRATALOOM_SOURCES
#error "STRATALOOM_SOURCES names the source tree"
#endif

namespace {

namespace fs = std::filesystem;

std::string Lire(const fs::path& f) {
    std::ifstream in(f, std::ios::binary);
    std::ostringstream o;
    o << in.rdbuf();
    return o.str();
}

// Every match of the first group of `motif` in the .cpp and .h files of `dossier`.
std::set<std::string> Trouver(const std::string& dossier, const std::regex& motif) {
    std::set<std::string> r;
    for (const fs::directory_entry& e : fs::directory_iterator(fs::path(STRATALOOM_SOURCES) / dossier)) {
        const std::string ext = e.path().extension().string();
        if (ext != ".cpp" && ext != ".h") continue;
        const std::string texte = Lire(e.path());
        for (auto m = std::sregex_iterator(texte.begin(), texte.end(), motif); m != std::sregex_iterator(); ++m)
            r.insert((*m)[1].str());
    }
    return r;
}

const std::regex kContexte(R"re(\b(?:Texte|TEXTE_NOOP)\(\s*"(\w+)")re");

std::set<std::string> ContextesDe(const std::string& dossier) { return Trouver(dossier, kContexte); }

// The window's classes: those of app/ that derive from a Qt class.
std::set<std::string> ClassesDeLaFenetre() {
    return Trouver("app", std::regex(R"re(\bclass\s+(\w+)\s*(?:final\s*)?:\s*public\s+Q\w+)re"));
}

TEST(ContextesTextes, LaFenetreADesClassesEtLaPageDesTextes) {
    // The checks below read something.
    EXPECT_TRUE(ClassesDeLaFenetre().count("FenetrePrincipale"));
    EXPECT_TRUE(ClassesDeLaFenetre().count("FenetreEnseignant"));
    EXPECT_TRUE(ContextesDe("web/src").count("Page"));
}

TEST(ContextesTextes, AucunTexteDeLaPageSousUneClasseDeLaFenetre) {
    const std::set<std::string> classes = ClassesDeLaFenetre();
    for (const std::string& c : ContextesDe("web/src")) EXPECT_FALSE(classes.count(c)) << c;
}

TEST(ContextesTextes, LesTextesDeLaPageSontCeuxDuMoteurOuLesSiens) {
    // The engine's contexts, layer by layer (section/COUCHE/src and include).
    std::set<std::string> permis;
    for (const fs::directory_entry& c : fs::directory_iterator(fs::path(STRATALOOM_SOURCES) / "section")) {
        if (!fs::is_directory(c.path() / "src")) continue;
        const std::string couche = "section/" + c.path().filename().string();
        permis.merge(ContextesDe(couche + "/src"));
        permis.merge(ContextesDe(couche + "/include/section"));
    }
    EXPECT_TRUE(permis.count("Exercice") && permis.count("Disponibilite") && permis.count("Paquet"));
    permis.insert("Page");
    for (const std::string& c : ContextesDe("web/src")) EXPECT_TRUE(permis.count(c)) << c;
}

}  // namespace
