// SPDX-License-Identifier: GPL-3.0-or-later
// What a pupil reads must be true: no reason for a command off, no event
// description, no help page states a false law of nature or a shape the
// program does not draw. Each false claim once written in these texts is a
// named case, in French and in English; the engine's texts are read without
// a translator (French) and through the English translations file, the help
// pages from the sources.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "section/disponibilite.h"
#include "section/evenements.h"
#include "section/textes.h"

#ifndef STRATALOOM_SOURCES
#error "STRATALOOM_SOURCES names the source tree"
#endif

namespace section {
namespace {

// A claim that must not come back, with what is wrong with it.
struct Affirmation {
    const char* nom;
    const char* phrase;  // matched without case, spaces and apostrophes unified
};

const std::vector<Affirmation> kAffirmationsFausses = {
    // The program's limits written as laws of nature.
    {"granite_refuse_apres_distension_fr", "une région étirée ne reçoit plus de granite"},
    {"granite_refuse_apres_distension_en", "a stretched region receives no more granite"},
    {"compression_refusee_apres_distension_fr", "une région étirée ne peut plus être comprimée"},
    {"compression_refusee_apres_distension_en", "a stretched region can no longer be compressed"},
    {"chevauchement_refuse_apres_distension_fr", "une région étirée ne peut plus chevaucher"},
    {"chevauchement_refuse_apres_distension_en", "a stretched region can no longer be thrust"},
    {"ne_recoit_plus_de_pluton", "ne reçoit plus de pluton"},
    {"coulee_seulement_sur_plat_fr", "la surface doit être plane"},
    {"coulee_seulement_sur_plat_en", "the surface must be flat"},
    {"lave_ne_s_etale_pas_fr", "trop haute pour que la lave s'y étale"},
    {"lave_ne_s_etale_pas_en", "too high for the lava to spread"},
    // Geology.
    {"granite_refroidi_en_milliers_d_annees_fr", "sur des milliers d'années"},
    {"granite_refroidi_en_milliers_d_annees_en", "over thousands of years"},
    {"anticlinal_defini_par_la_forme_fr", "un pli en forme de voûte s'appelle"},
    {"anticlinal_defini_par_la_forme_en", "an arch-shaped fold is called"},
    {"pluton_qui_monte_fr", "un massif de granite monte en profondeur"},
    {"pluton_qui_monte_en", "a granite body rises at depth"},
    {"couche_mise_en_place", "s'est donc mise en place plus tard"},
    {"vides_remplis_le_long_des_failles_fr", "sont remplis eux aussi"},
    {"toute_surface_enfouie_discordance_fr", "cette surface devient une discordance"},
    {"toute_surface_enfouie_discordance_en", "this surface becomes an unconformity"},
    {"surface_recouverte_discordance_fr", "une surface d'érosion recouverte de nouvelles couches forme une discordance"},
    {"surface_recouverte_discordance_en", "an erosion surface covered by new layers forms an unconformity"},
    {"couche_dite_non_deformee_fr", "sans avoir subi"},
    {"couche_dite_non_deformee_en", "without having undergone"},
    {"filon_sans_sa_coulee_fr", "le filon qui alimente"},
    {"filon_sans_sa_coulee_en", "the dyke feeding"},
    // The program's drawing, not the rocks.
    {"bande_rouge_fr", "bande rouge"},
    {"bande_rouge_en", "red band"},
    {"depart_dit_deux_fois", "part d'une série sédimentaire de départ"},
    {"vides_remplis_le_long_des_failles_en", "are filled as well"},
    {"pendage_des_failles_normales_fr", "30° par rapport à la verticale"},
    {"pendage_des_failles_normales_en", "30° from the vertical"},
    {"bande_rouge_sans_nom_fr", "la bande rouge du fond"},
    {"bande_rouge_sans_nom_en", "the red band at the bottom"},
    {"volcan_hors_de_la_vue_fr", "juste au-delà du bord droit"},
    {"volcan_hors_de_la_vue_en", "just beyond the right-hand edge"},
    // English wording.
    {"overthrust", "overthrust"},
    {"do_an_erosion", "do an erosion"},
    {"outpouring", "outpouring"},
    {"filling_a_relief", "filling a relief"},
    {"starting_sequence", "starting sequence"},
    {"starting_layers", "starting layer"},
};

// Lower case for ASCII, one space for every run of white space, the
// typographic apostrophe as the plain one: a phrase split across lines of a
// help page, or written with ’, is still found.
std::string Normaliser(std::string_view t) {
    std::string r;
    bool blanc = false;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const char c = t[i];
        if (c == ' ' || c == '\n' || c == '\r' || c == '\t') {
            blanc = true;
            continue;
        }
        if (blanc && !r.empty()) r += ' ';
        blanc = false;
        if (t.substr(i, 3) == "\xE2\x80\x99") {  // U+2019
            r += '\'';
            i += 2;
        } else {
            r += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        }
    }
    return r;
}

// The affirmations of kAffirmationsFausses that `texte` states.
std::vector<std::string> FaussesDans(std::string_view texte) {
    const std::string t = Normaliser(texte);
    std::vector<std::string> trouvees;
    for (const Affirmation& a : kAffirmationsFausses)
        if (t.find(Normaliser(a.phrase)) != std::string::npos) trouvees.emplace_back(a.nom);
    return trouvees;
}

std::string Lire(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

// The text a reader sees: tags dropped, the few entities the pages use
// written out.
std::string TexteDeLaPage(const std::string& html) {
    std::string t = std::regex_replace(html, std::regex("<[^>]*>"), " ");
    for (const auto& [entite, caractere] : std::vector<std::pair<std::string, std::string>>{
             {"&apos;", "'"}, {"&quot;", "\""}, {"&lt;", "<"}, {"&gt;", ">"}, {"&nbsp;", " "}, {"&amp;", "&"}}) {
        for (std::size_t p = t.find(entite); p != std::string::npos; p = t.find(entite, p))
            t.replace(p, entite.size(), caractere);
    }
    return t;
}

// The text between `debut` and `fin` from position p on, p moved past it;
// nothing when `debut` is not found before `limite`.
std::optional<std::string> Entre(const std::string& t, std::size_t& p, std::string_view debut, std::string_view fin,
                                 std::size_t limite) {
    const std::size_t d = t.find(debut, p);
    if (d == std::string::npos || d >= limite) return std::nullopt;
    const std::size_t f = t.find(fin, d + debut.size());
    if (f == std::string::npos) return std::nullopt;
    p = f + fin.size();
    return t.substr(d + debut.size(), f - d - debut.size());
}

// The English translations file as (context, French) -> English, for the
// engine's translator; the plural messages are left out.
std::map<std::pair<std::string, std::string>, std::string>& TraductionsAnglaises() {
    static std::map<std::pair<std::string, std::string>, std::string> table = [] {
        std::map<std::pair<std::string, std::string>, std::string> t;
        const std::string ts = Lire(std::string(STRATALOOM_SOURCES) + "/app/traductions/strataloom_en.ts");
        std::size_t p = 0;
        while (const auto contexte = Entre(ts, p, "<context>", "</context>", ts.size())) {
            std::size_t q = 0;
            const std::string& c = *contexte;
            const auto nom = Entre(c, q, "<name>", "</name>", c.size());
            if (!nom) continue;
            while (const auto message = Entre(c, q, "<message>", "</message>", c.size())) {
                std::size_t r = 0;
                const auto source = Entre(*message, r, "<source>", "</source>", message->size());
                const auto traduction = Entre(*message, r, "<translation>", "</translation>", message->size());
                if (source && traduction) t[{*nom, TexteDeLaPage(*source)}] = TexteDeLaPage(*traduction);
            }
        }
        return t;
    }();
    return table;
}

std::string Anglais(const char* contexte, const char* francais) {
    const auto& t = TraductionsAnglaises();
    const auto it = t.find({contexte, francais});
    return it == t.end() ? std::string(francais) : it->second;
}

// Every text of the engine a pupil reads about an event command: its
// description, each reason it can be off for, and the tooltips made of
// them, in the current language.
std::vector<std::string> TextesDesCommandes() {
    std::vector<std::string> textes{TexteRaison(raison::SansCoupe)};
    for (const TypeEvenement& t : kEvenements) {
        textes.push_back(NomEvenement(t.evenement));
        textes.push_back(DescriptionEvenement(t.evenement));
        std::vector<std::string_view> raisons = RaisonsPossibles(t.evenement);
        raisons.push_back({});
        for (const std::string_view r : raisons) {
            if (!r.empty()) textes.push_back(TexteRaison(r));
            const Bulles b = BullesEvenement(t.evenement, r);
            textes.push_back(b.commande);
            textes.push_back(b.aide);
        }
    }
    return textes;
}

class TextesJustes : public ::testing::Test {
protected:
    void TearDown() override { DefinirTraducteur(nullptr); }
};

// The detector itself: each claim, as it was once written, is found, across
// a line break and with a typographic apostrophe; the corrected wording is not.
TEST_F(TextesJustes, ChaqueAffirmationFausseEstReconnue) {
    for (const Affirmation& a : kAffirmationsFausses) {
        const std::vector<std::string> f = FaussesDans(std::string("Avant. ") + a.phrase + " Après.");
        EXPECT_NE(std::find(f.begin(), f.end(), a.nom), f.end()) << a.nom;
    }
    const std::vector<std::pair<const char*, const char*>> kCas = {
        {"granite_refuse_apres_distension_fr",
         "une distension figure dans la liste : une région\n  étirée ne reçoit plus de granite"},
        {"granite_refroidi_en_milliers_d_annees_fr", "refroidit très lentement, sur des milliers d’années :"},
        {"overthrust", "<h2 id=\"contexte-16\">Overthrust</h2>"},
        {"couche_mise_en_place", "la couche B repose sur A : elle s’est donc mise en place plus tard"},
    };
    for (const auto& [nom, texte] : kCas) {
        const std::vector<std::string> f = FaussesDans(TexteDeLaPage(texte));
        EXPECT_NE(std::find(f.begin(), f.end(), nom), f.end()) << nom;
    }
    EXPECT_TRUE(FaussesDans("Strataloom ne sait pas comprimer une région déjà étirée").empty());
    EXPECT_TRUE(FaussesDans("sur des dizaines de milliers à des millions d'années").empty());
    EXPECT_TRUE(FaussesDans("Thrust (reverse fault); the starting series").empty());
}

TEST_F(TextesJustes, LesCommandesNAffirmentRienDeFauxEnFrancais) {
    for (const std::string& t : TextesDesCommandes()) EXPECT_EQ(FaussesDans(t), std::vector<std::string>{}) << t;
}

TEST_F(TextesJustes, LesCommandesNAffirmentRienDeFauxEnAnglais) {
    ASSERT_GT(TraductionsAnglaises().size(), 100u) << "the English translations file is not read";
    DefinirTraducteur(Anglais);
    // The translator is the file's: a reason comes back in English.
    ASSERT_NE(TexteRaison(raison::PasPlane), std::string(raison::PasPlane));
    for (const std::string& t : TextesDesCommandes()) EXPECT_EQ(FaussesDans(t), std::vector<std::string>{}) << t;
}

// Every English translation of the file, the texts of the window included.
TEST_F(TextesJustes, LesTraductionsAnglaisesNAffirmentRienDeFaux) {
    for (const auto& [cle, anglais] : TraductionsAnglaises())
        EXPECT_EQ(FaussesDans(anglais), std::vector<std::string>{}) << cle.first << " : " << anglais;
}

TEST_F(TextesJustes, LesPagesDAideNAffirmentRienDeFaux) {
    for (const char* page : {"/assets/aide/strataloom.html", "/assets/aide/strataloom_en.html"}) {
        const std::string html = Lire(std::string(STRATALOOM_SOURCES) + page);
        ASSERT_GT(html.size(), 10000u) << page;
        EXPECT_EQ(FaussesDans(TexteDeLaPage(html)), std::vector<std::string>{}) << page;
    }
}

// The help pages quote the engine's reasons word for word: every reason a
// command can give is in the page of its language.
TEST_F(TextesJustes, LesPagesDAideCitentLesRaisonsDuMoteur) {
    const std::string fr =
        Normaliser(TexteDeLaPage(Lire(std::string(STRATALOOM_SOURCES) + "/assets/aide/strataloom.html")));
    const std::string en =
        Normaliser(TexteDeLaPage(Lire(std::string(STRATALOOM_SOURCES) + "/assets/aide/strataloom_en.html")));
    for (const TypeEvenement& t : kEvenements)
        for (const std::string_view r : RaisonsPossibles(t.evenement)) {
            EXPECT_NE(fr.find(Normaliser(TexteRaison(r))), std::string::npos) << r;
            DefinirTraducteur(Anglais);
            const std::string anglais = TexteRaison(r);
            DefinirTraducteur(nullptr);
            EXPECT_NE(en.find(Normaliser(anglais)), std::string::npos) << anglais;
        }
}

}  // namespace
}  // namespace section
