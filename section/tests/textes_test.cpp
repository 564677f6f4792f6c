// SPDX-License-Identifier: GPL-3.0-or-later
// The texts the engine writes for people: without a translator, the French
// they have always been, byte for byte; with one, every text built from its
// answers, whole templates filled in one pass, no French left over.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "section/exercice.h"
#include "section/fichiers.h"
#include "section/legende.h"
#include "section/textes.h"
#include "section/disponibilite.h"
#include "section/verification.h"
#include "section/ordre.h"
#include "textures_essai.h"

namespace section {
namespace {

using E = Evenement;

// ---- Translators for the tests ----

// Each text between marks, whole.
std::string Marque(const char*, const char* francais) { return std::string("⟨") + francais + "⟩"; }

// The contexts the translators were asked for.
std::set<std::string>& Contextes() {
    static std::set<std::string> contextes;
    return contextes;
}

// Each run of French between the %n becomes a single "x", the %n kept: a
// text built only from translated templates is then made of x, of the
// letters and numbers put in it (A, B..., 2, 200...) and of nothing else.
std::string Gomme(const char* contexte, const char* francais) {
    Contextes().insert(contexte);
    std::string r;
    bool dansLeTexte = false;
    for (const char* p = francais; *p; ++p) {
        if (p[0] == '%' && p[1] >= '1' && p[1] <= '9') {
            r += p[0];
            r += p[1];
            ++p;
            dansLeTexte = false;
        } else if (!dansLeTexte) {
            r += 'x';
            dansLeTexte = true;
        }
    }
    return r;
}

// True when `s` holds no French: only x, capital letters and digits.
bool ToutTraduit(const std::string& s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) {
        return c == 'x' || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    });
}

// A few texts in English; the others stay French, as in a translation
// under way.
std::string Anglais(const char* contexte, const char* francais) {
    static const std::map<std::pair<std::string, std::string>, std::string> kTable = {
        {{"Legende", "%1 : %2 (%3)"}, "%1: %2 (%3)"},
        {{"Legende", "%1 : %2"}, "%1: %2"},
        {{"Legende", "grès"}, "sandstone"},
        {{"Legende", "sédimentation"}, "sedimentation"},
        {{"Correction", "Il manque à ta coupe %1 que montre le modèle."}, "The model shows %1 that your section lacks."},
        {{"Correction", "%1 couches de roche"}, "%1 rock layers"},
        {{"Ordre", "« %1 »"}, "“%1”"},
        {{"Ordre", "%1 doit venir après %2 : %3."}, "%1 must come after %2: %3."},
        {{"Relations", "%1 scelle %2 (principe de recoupement)"},
         "%1 seals %2 (principle of cross-cutting relationships)"},
        {{"Relations", "%1 recoupe %3, déjà déformée par %2 (principe de recoupement)"},
         "%1 cuts across %3, already deformed by %2 (principle of cross-cutting relationships)"},
        {{"Ordre", "la faille %1"}, "fault %1"},
        {{"Ordre", "la série de départ %1"}, "starting series %1"},
        {{"Ordre", "le chevauchement"}, "the thrust"},
        {{"Cartes", "Chevauchement (faille inverse)"}, "Thrust (reverse fault)"},
        {{"Ordre", "la couche %1"}, "layer %1"},
        {{"Ordre", "le granite %1"}, "granite %1"},
        {{"Ordre", "la faille"}, "the fault"},
        {{"Cartes", "Dépôt de la couche %1"}, "Deposition of layer %1"},
        {{"Cartes", "Mise en place du granite %1"}, "Intrusion of granite %1"},
        {{"Cartes", "Faille normale (distension)"}, "Normal fault (extension)"},
        {{"Disponibilite",
          "Strataloom ne sait poser une coulée que sur une surface plane : fais d'abord une érosion"},
         "Strataloom can only lay a lava flow on a flat surface: apply an erosion first"},
    };
    const auto it = kTable.find({contexte, francais});
    return it == kTable.end() ? std::string(francais) : it->second;
}

// Every test leaves the engine without a translator.
class Textes : public ::testing::Test {
protected:
    void TearDown() override { DefinirTraducteur(nullptr); }
};

// ---- Sessions on plain textures ----

Liste L(std::string_view codes) { return test::ListeDeCodes(codes); }

Session Chargee(std::string_view codes) {
    Session s;
    s.DefinirTextures(test::TexturesSimples(640, 600));
    s.DefinirGraineLettres(0);  // the letters the sentences below name
    s.Charger(L(codes));
    return s;
}

std::vector<std::string> Remarques(std::string_view modele, std::string_view eleve) {
    const Session m = Chargee(modele), e = Chargee(eleve);
    std::vector<std::string> t;
    for (const Remarque& r : VerifierCoupe(m, e).remarques) t.push_back(r.texte);
    return t;
}

std::vector<std::string> Noms(std::string_view modele) {
    const Session m = Chargee(modele);
    std::vector<std::string> t;
    for (const Carte& c : CartesDuModele(m, 1)) t.push_back(std::to_string(c.id) + " " + c.nom);
    return t;
}

VerificationOrdre Ordre(std::string_view modele, const std::vector<int>& ids) {
    const Session m = Chargee(modele);
    Session essai;
    essai.DefinirTextures(m.textures());
    return VerifierOrdre(m, CartesDuModele(m, 1), ids, essai);
}

// The situations of the tests below, for the translated runs.
const std::vector<std::pair<std::string_view, std::string_view>> kCoupes = {
    {"SS", "S"}, {"SSS", "S"}, {"S", "SSS"}, {"SE", "S"}, {"SC", "S"},
    {"SVS", "SS"}, {"SPE", "SE"}, {"SSDE", "SS"}, {"SESSS", "SE"}};
const std::vector<std::string_view> kModeles = {"SESSS", "SVS", "SVE", "SPE", "SPH", "SC", "HDP", "SSDE"};
const std::vector<std::pair<std::string_view, std::vector<int>>> kOrdres = {
    {"SS", {2, 1}}, {"VS", {2, 1}}, {"DS", {2, 1}}, {"VSS", {2, 3, 1}},
    {"DE", {2, 1}}, {"HDP", {3, 1, 2}}, {"SS", {1}}, {"SS", {1, 1}}};

// ---- Remplir ----

TEST(Remplir, ChaqueMarqueRecoitSaValeur) {
    EXPECT_EQ(Remplir("%1 puis %2, %9 et encore %1", {"a", "b", "c", "d", "e", "f", "g", "h", "i"}),
              "a puis b, i et encore a");
    EXPECT_EQ(Remplir("%3%2%1", {"un", "deux", "trois"}), "troisdeuxun");
    EXPECT_EQ(Remplir("« %1 »", {"Érosion"}), "« Érosion »");
    EXPECT_EQ(Remplir("sans marque", {"a"}), "sans marque");
    EXPECT_EQ(Remplir("", {"a"}), "");
    EXPECT_EQ(Remplir("%1", {""}), "");
}

TEST(Remplir, UneValeurNEstPasRemplieASonTour) {
    EXPECT_EQ(Remplir("%1 et %2", {"%2", "%1"}), "%2 et %1");
    EXPECT_EQ(Remplir("%1", {"%1%1"}), "%1%1");
    EXPECT_EQ(Remplir("%1%2", {"%", "1"}), "%1");
}

TEST(Remplir, UneMarqueSansValeurResteTelleQuelle) {
    EXPECT_EQ(Remplir("%1 et %3", {"a"}), "a et %3");
    EXPECT_EQ(Remplir("%1 et %2", {}), "%1 et %2");
    EXPECT_EQ(Remplir("%9", {"a", "b"}), "%9");
}

TEST(Remplir, UnPourcentQuiNeMarqueRienResteTelQuel) {
    EXPECT_EQ(Remplir("100 % : %0, %%1, %a, %", {"x"}), "100 % : %0, %x, %a, %");
    // Only one digit is read: %10 is the first value, then 0.
    EXPECT_EQ(Remplir("%10", {"x"}), "x0");
}

// ---- Texte and the translator ----

TEST_F(Textes, SansTraducteurLeTexteEstLeFrancais) {
    EXPECT_EQ(Texte("Legende", "grès"), "grès");
    EXPECT_EQ(Texte("Legende", ""), "");
}

TEST_F(Textes, LeTraducteurEstLuAChaqueAppel) {
    DefinirTraducteur(Marque);
    EXPECT_EQ(Texte("Legende", "grès"), "⟨grès⟩");
    EXPECT_EQ(TexteRaison(raison::PasPlane), "⟨" + std::string(raison::PasPlane) + "⟩");
    DefinirTraducteur(Anglais);
    EXPECT_EQ(Texte("Legende", "grès"), "sandstone");
    EXPECT_EQ(TexteRaison(raison::PasPlane),
              "Strataloom can only lay a lava flow on a flat surface: apply an erosion first");
    // A text the translator does not know, or knows in another context.
    EXPECT_EQ(Texte("Legende", "pli"), "pli");
    EXPECT_EQ(Texte("Correction", "grès"), "grès");
    DefinirTraducteur(nullptr);
    EXPECT_EQ(Texte("Legende", "grès"), "grès");
    EXPECT_EQ(TexteRaison(raison::PasPlane), raison::PasPlane);
}

TEST_F(Textes, LeTraducteurRecoitLeContexteEtLeTexteEntier) {
    static std::vector<std::pair<std::string, std::string>> demandes;
    demandes.clear();
    DefinirTraducteur([](const char* contexte, const char* francais) {
        demandes.emplace_back(contexte, francais);
        return std::string(francais);
    });
    EXPECT_EQ(TexteLegendeCorrige({1, "B", Depot::Gres, 0, 1}), "B : grès (sédimentation)");
    std::sort(demandes.begin(), demandes.end());
    demandes.erase(std::unique(demandes.begin(), demandes.end()), demandes.end());
    EXPECT_EQ(demandes, (std::vector<std::pair<std::string, std::string>>{
                            {"Legende", "%1 : %2 (%3)"}, {"Legende", "grès"}, {"Legende", "sédimentation"}}));
}

// ---- Availability and the kinds ----

std::vector<std::string_view> ToutesLesRaisons() {
    std::vector<std::string_view> r;
    for (const TypeEvenement& t : kEvenements)
        for (const std::string_view x : RaisonsPossibles(t.evenement)) r.push_back(x);
    r.push_back(raison::SansCoupe);
    return r;
}

TEST_F(Textes, SansTraducteurLesRaisonsEtLesDescriptionsSontCellesDuTableau) {
    const std::vector<std::string_view> raisons = ToutesLesRaisons();
    EXPECT_EQ(std::set<std::string_view>(raisons.begin(), raisons.end()).size(), 11u);
    for (const std::string_view r : raisons) EXPECT_EQ(TexteRaison(r), r);
    EXPECT_EQ(TexteRaison("une raison venue d'ailleurs"), "une raison venue d'ailleurs");
    EXPECT_EQ(TexteRaison(""), "");
    for (const TypeEvenement& t : kEvenements) EXPECT_EQ(DescriptionEvenement(t.evenement), t.description);
}

TEST_F(Textes, ChaqueRaisonEtChaqueDescriptionPassentParLeTraducteur) {
    DefinirTraducteur(Marque);
    // The texts given to the translator are the table's, word for word.
    for (const std::string_view r : ToutesLesRaisons()) EXPECT_EQ(TexteRaison(r), "⟨" + std::string(r) + "⟩");
    for (const TypeEvenement& t : kEvenements)
        EXPECT_EQ(DescriptionEvenement(t.evenement), "⟨" + std::string(t.description) + "⟩");
    DefinirTraducteur(Gomme);
    for (const std::string_view r : ToutesLesRaisons()) EXPECT_EQ(TexteRaison(r), "x") << r;
    for (const TypeEvenement& t : kEvenements) EXPECT_EQ(DescriptionEvenement(t.evenement), "x") << t.description;
}

TEST_F(Textes, PourquoiDitLaRaisonDansLaLangueDuProgramme) {
    const Session sansCoupe;
    Session etiree = Chargee("SD");
    for (const TypeEvenement& t : kEvenements) {
        EXPECT_EQ(sansCoupe.disponibilite().Pourquoi(t.evenement), raison::SansCoupe);
        EXPECT_EQ(etiree.disponibilite().Pourquoi(t.evenement), etiree.disponibilite().Raison(t.evenement));
    }
    EXPECT_EQ(etiree.disponibilite().Pourquoi(E::Compression), raison::DistensionCompression);
    EXPECT_EQ(etiree.disponibilite().Pourquoi(E::Distension), "");
    DefinirTraducteur(Marque);
    for (const TypeEvenement& t : kEvenements) {
        EXPECT_EQ(sansCoupe.disponibilite().Pourquoi(t.evenement), "⟨" + std::string(raison::SansCoupe) + "⟩");
        // The reason compared stays French.
        EXPECT_EQ(sansCoupe.disponibilite().Raison(t.evenement), raison::SansCoupe);
    }
    EXPECT_EQ(etiree.disponibilite().Pourquoi(E::Chevauchement),
              "⟨" + std::string(raison::DistensionChevauchement) + "⟩");
    EXPECT_EQ(etiree.disponibilite().Pourquoi(E::Distension), "");
}

// ---- The legend ----

// Each kind of legend entry: the pupil's line names the rock or the trace
// and never the event; the teacher's line adds the event.
struct LigneAttendue {
    Depot depot;
    std::string eleve;
    std::string corrige;
};
const std::vector<LigneAttendue> kLignesLegende = {
    {Depot::Aucun, "C : formation inconnue", "C : formation inconnue (événement inconnu)"},
    {Depot::SerieDeDepart, "C : calcaire, argile, conglomérat",
     "C : calcaire, argile, conglomérat (série de départ, sédimentaire)"},
    {Depot::Calcaire, "C : calcaire", "C : calcaire (série de départ)"},
    {Depot::Argile, "C : argile", "C : argile (série de départ)"},
    {Depot::Conglomerat, "C : conglomérat", "C : conglomérat (série de départ)"},
    {Depot::Couche, "C : roche sédimentaire", "C : roche sédimentaire (sédimentation)"},
    {Depot::Gres, "C : grès", "C : grès (sédimentation)"},
    {Depot::Marne, "C : marne", "C : marne (sédimentation)"},
    {Depot::Sable, "C : sable", "C : sable (sédimentation)"},
    {Depot::Craie, "C : craie à silex", "C : craie à silex (sédimentation)"},
    {Depot::Basalte, "C : basalte : coulée et filon", "C : basalte : coulée et filon (volcanisme)"},
    {Depot::Granite, "C : granite", "C : granite (plutonisme)"},
    {Depot::SurfaceErosion, "C : surface d'érosion", "C : surface d'érosion (érosion)"},
    {Depot::Chevauchement, "C : plan de chevauchement", "C : plan de chevauchement (chevauchement)"},
    {Depot::Failles, "C : faille normale", "C : faille normale (distension)"},
    {Depot::Pli, "C : pli", "C : pli (compression)"},
};

TEST_F(Textes, SansTraducteurLesLignesDeLaLegendeSontCellesDeToujours) {
    for (const LigneAttendue& l : kLignesLegende) {
        EXPECT_EQ(TexteLegende({3, "C", l.depot, 0, 10}), l.eleve);
        EXPECT_EQ(TexteLegendeCorrige({3, "C", l.depot, 0, 10}), l.corrige);
    }
    const DescriptionDepot d = Decrire(Depot::Basalte);
    EXPECT_EQ(d.roches, "basalte : coulée et filon");
    EXPECT_EQ(d.origine, "volcanisme");
}

TEST_F(Textes, LaLegendeDeLEleveNeNommeJamaisLEvenement) {
    for (const LigneAttendue& l : kLignesLegende) {
        // A structure's name is what it is (a thrust plane, an erosion
        // surface), and the structures have a legend of their own.
        if (EstStructure(l.depot)) continue;
        const std::string ligne = TexteLegende({3, "C", l.depot, 0, 10});
        EXPECT_EQ(ligne.find('('), std::string::npos) << ligne;
        const std::string origine = Decrire(l.depot).origine;
        EXPECT_EQ(ligne.find(origine), std::string::npos) << ligne;
    }
}

TEST_F(Textes, LesLignesDeLaLegendeSontFaitesDeTextesTraduits) {
    DefinirTraducteur(Marque);
    EXPECT_EQ(TexteLegende({1, "A", Depot::Gres, 0, 1}), "⟨A : ⟨grès⟩⟩");
    EXPECT_EQ(TexteLegendeCorrige({1, "A", Depot::Gres, 0, 1}), "⟨A : ⟨grès⟩ (⟨sédimentation⟩)⟩");
    DefinirTraducteur(Gomme);
    for (const LigneAttendue& l : kLignesLegende) {
        EXPECT_EQ(TexteLegende({3, "C", l.depot, 0, 10}), "Cxx") << l.eleve;
        EXPECT_EQ(TexteLegendeCorrige({3, "C", l.depot, 0, 10}), "Cxxxxx") << l.corrige;
        const DescriptionDepot d = Decrire(l.depot);
        EXPECT_EQ(d.roches, "x");
        EXPECT_EQ(d.origine, "x");
    }
    for (const std::string_view m : kModeles)
        for (const EntreeLegende& e : Chargee(m).Legende()) EXPECT_TRUE(ToutTraduit(TexteLegende(e))) << m;
    DefinirTraducteur(Anglais);
    EXPECT_EQ(TexteLegende({1, "AB", Depot::Gres, 0, 1}), "AB: sandstone");
    EXPECT_EQ(TexteLegendeCorrige({1, "AB", Depot::Gres, 0, 1}), "AB: sandstone (sedimentation)");
}

// ---- "Vérifier" ----

TEST_F(Textes, SansTraducteurLesRemarquesSontCellesDeToujours) {
    const std::string surface =
        "La surface du sol n'a pas la même forme que dans le modèle : là où l'un montre du ciel, l'autre montre de "
        "la roche (zones en couleur).";
    EXPECT_EQ(Remarques("SS", "S"),
              (std::vector<std::string>{"Il manque à ta coupe une couche de roche que montre le modèle.", surface}));
    EXPECT_EQ(Remarques("SSS", "S"),
              (std::vector<std::string>{"Il manque à ta coupe 2 couches de roche que montre le modèle.", surface}));
    EXPECT_EQ(Remarques("S", "SSS"),
              (std::vector<std::string>{"Ta coupe montre 2 couches de roche de plus que le modèle.", surface}));
    // Counted by what each list lays, not by what the view still shows.
    EXPECT_EQ(Remarques("SE", "S"),
              (std::vector<std::string>{"Il manque à ta coupe une surface d'érosion que montre le modèle.", surface}));
    EXPECT_EQ(Remarques("SVS", "SS"),
              (std::vector<std::string>{"Il manque à ta coupe une coulée de lave que montre le modèle.", surface}));
    EXPECT_EQ(Remarques("SPE", "SE"),
              (std::vector<std::string>{"Il manque à ta coupe un granite que montre le modèle."}));
    EXPECT_EQ(Remarques("SSDE", "SS"),
              (std::vector<std::string>{"Il manque à ta coupe une faille que montre le modèle.",
                                        "Il manque à ta coupe une surface d'érosion que montre le modèle.", surface}));
    EXPECT_EQ(Remarques("SC", "S"),
              (std::vector<std::string>{surface,
                                        "Tes formations sont les bonnes, mais une structure n'est pas à sa place : "
                                        "compare les plis, les failles et les épaisseurs dans les zones en couleur."}));
    // Two sessions without a section: no difference to name.
    const Session vide;
    const Verification v = VerifierCoupe(vide, vide);
    ASSERT_EQ(v.remarques.size(), 1u);
    EXPECT_EQ(v.remarques[0].texte, "Ta coupe n'est pas tout à fait celle du modèle : regarde les zones en couleur.");
}

TEST_F(Textes, LesRemarquesSontFaitesDeTextesTraduits) {
    DefinirTraducteur(Gomme);
    for (const auto& [modele, eleve] : kCoupes) {
        const std::vector<std::string> r = Remarques(modele, eleve);
        EXPECT_FALSE(r.empty());
        for (const std::string& t : r) EXPECT_TRUE(ToutTraduit(t)) << modele << " / " << eleve << " : " << t;
    }
    EXPECT_EQ(Remarques("SSS", "S").front(), "x2xx");
    const Session vide;
    EXPECT_EQ(VerifierCoupe(vide, vide).remarques.at(0).texte, "x");
    DefinirTraducteur(Anglais);
    EXPECT_EQ(Remarques("SSS", "S").front(), "The model shows 2 rock layers that your section lacks.");
    // Untranslated, the quantity stays French inside the English sentence.
    EXPECT_EQ(Remarques("SS", "S").front(), "The model shows une couche de roche that your section lacks.");
}

// ---- The cards ----

TEST_F(Textes, SansTraducteurLesCartesSontCellesDeToujours) {
    EXPECT_EQ(Noms("SESSS"), (std::vector<std::string>{"2 Érosion", "5 Dépôt de la couche C", "1 Dépôt d'une couche",
                                                        "3 Dépôt de la couche D", "4 Dépôt de la couche B"}));
    // No card is dealt at its place in the list (CartesDuModele).
    EXPECT_EQ(Noms("SVS"), (std::vector<std::string>{"3 Dépôt de la couche C", "1 Dépôt de la couche B",
                                                      "2 Épanchement de la coulée de lave A"}));
    EXPECT_EQ(Noms("SVE"), (std::vector<std::string>{"3 Érosion", "1 Dépôt d'une couche",
                                                      "2 Épanchement d'une coulée de lave"}));
    EXPECT_EQ(Noms("SPE"), (std::vector<std::string>{"3 Érosion", "1 Dépôt d'une couche",
                                                      "2 Mise en place du granite A"}));
    EXPECT_EQ(Noms("SPH").at(2), "2 Mise en place d'un granite");
    EXPECT_EQ(Noms("SC").at(0), "2 Plissement (compression)");
    EXPECT_EQ(Noms("HDP"), (std::vector<std::string>{"3 Mise en place du granite A",
                                                      "1 Chevauchement (faille inverse)",
                                                      "2 Faille normale (distension)"}));
}

TEST_F(Textes, LesNomsDesCartesSontDesTextesTraduits) {
    DefinirTraducteur(Gomme);
    std::set<std::string> noms;
    for (const std::string_view m : kModeles)
        for (const Carte& c : CartesDuModele(Chargee(m), 1)) {
            EXPECT_TRUE(ToutTraduit(c.nom)) << m << " : " << c.nom;
            noms.insert(c.nom);
        }
    EXPECT_TRUE(noms.count("x") && noms.count("xA") && noms.count("xC")) << noms.size();
    DefinirTraducteur(Anglais);
    EXPECT_EQ(Noms("HDP"), (std::vector<std::string>{"3 Intrusion of granite A", "1 Thrust (reverse fault)",
                                                      "2 Normal fault (extension)"}));
}

// ---- "Ordonner" ----

TEST_F(Textes, SansTraducteurLesVerdictsSontCeuxDeToujours) {
    EXPECT_EQ(Ordre("SS", {1, 2}).texte, "Bravo : cet ordre redonne exactement la coupe du modèle.");
    // The cards carry the letters: A on B is read from the view.
    EXPECT_EQ(Ordre("SS", {2, 1}).texte, "« Dépôt de la couche A » doit venir après « Dépôt de la couche B » : la couche "
                                         "A repose sur la couche B (principe de superposition).");
    EXPECT_EQ(Ordre("SS", {1}).texte, "Place toutes les cartes, chacune une seule fois, avant de vérifier.");
    // The view does not date the flow and the layer laid beside it: either order keeps what it shows.
    EXPECT_EQ(Ordre("VS", {2, 1}).texte,
              "Bravo : cet ordre respecte tout ce que montre la coupe. La coupe ne permet pas de dater la coulée C et "
              "la couche A l'un par rapport à l'autre.");
    // A layer on a fault seals it: cross-cutting, not superposition.
    const VerificationOrdre couche = Ordre("DS", {2, 1});
    EXPECT_EQ(couche.principe, Principe::Recoupement);
    EXPECT_EQ(couche.texte,
              "« Dépôt de la couche B » doit venir après « Faille normale (distension) » : la couche B scelle la "
              "faille F1 (principe de recoupement).");
    EXPECT_EQ(Ordre("VSS", {2, 3, 1}).texte,
              "« Dépôt de la couche C » doit venir après « Épanchement de la coulée de lave A » : la couche C repose "
              "sur la coulée A (principe de superposition).");
    const VerificationOrdre surface = Ordre("DE", {2, 1});
    EXPECT_EQ(surface.principe, Principe::Recoupement);
    EXPECT_EQ(surface.texte,
              "« Érosion » doit venir après « Faille normale (distension) » : la surface d'érosion S1 tronque la "
              "faille F1 (principe de recoupement).");
    // A granite crossing what a thrust deformed is younger than the thrust.
    const VerificationOrdre granite = Ordre("HDP", {3, 1, 2});
    EXPECT_EQ(granite.principe, Principe::Recoupement);
    EXPECT_EQ(granite.texte,
              "« Mise en place du granite A » doit venir après « Chevauchement (faille inverse) » : le granite A "
              "recoupe la série de départ B, déjà déformée par le chevauchement (principe de recoupement).");
    // A model without a section: no order gives it.
    const Session sansCoupe;
    Session essai;
    EXPECT_EQ(VerifierOrdre(sansCoupe, {}, {}, essai).texte, "Cet ordre ne redonne pas la coupe du modèle.");
}

TEST_F(Textes, LesVerdictsSontFaitsDeTextesTraduits) {
    DefinirTraducteur(Gomme);
    for (const auto& [modele, ids] : kOrdres) {
        const VerificationOrdre v = Ordre(modele, ids);
        EXPECT_TRUE(ToutTraduit(v.texte)) << modele << " : " << v.texte;
    }
    // The sentence (x), its quoted cards (xxBx, xxx), the clause (x) and what it names (xB, xF1).
    EXPECT_EQ(Ordre("DS", {2, 1}).texte, "xxBx" "x" "xxx" "x" "xB" "x" "xF1" "x" "x");
    const Session sansCoupe;
    Session essai;
    EXPECT_EQ(VerifierOrdre(sansCoupe, {}, {}, essai).texte, "x");

    DefinirTraducteur(Marque);
    EXPECT_EQ(Ordre("DS", {2, 1}).texte,
              "⟨⟨« ⟨Dépôt de la couche B⟩ »⟩ doit venir après ⟨« ⟨Faille normale (distension)⟩ »⟩ : "
              "⟨⟨la couche B⟩ scelle ⟨la faille F1⟩ (principe de recoupement)⟩.⟩");

    DefinirTraducteur(Anglais);
    EXPECT_EQ(Ordre("DS", {2, 1}).texte,
              "“Deposition of layer B” must come after “Normal fault (extension)”: layer B seals fault F1 (principle "
              "of cross-cutting relationships).");
    EXPECT_EQ(Ordre("HDP", {3, 1, 2}).texte,
              "“Intrusion of granite A” must come after “Thrust (reverse fault)”: granite A cuts across starting "
              "series B, already deformed by the thrust (principle of cross-cutting relationships).");
}

// ---- The files ----

const std::vector<std::pair<ErreurFichier, std::string>> kRaisonsFichier = {
    {ErreurFichier::Aucune, "aucune erreur"},
    {ErreurFichier::Introuvable, "le fichier ou son dossier n'existe pas"},
    {ErreurFichier::Ouverture, "le fichier ne peut pas être ouvert"},
    {ErreurFichier::PasUnFichier, "ce n'est pas un fichier ordinaire"},
    {ErreurFichier::Lecture, "la lecture a échoué"},
    {ErreurFichier::TropGros, "le fichier est trop gros"},
    {ErreurFichier::TropDeLignes, "la liste compte plus de 10 000 lignes"},
    {ErreurFichier::Format, "ce n'est pas une image BMP lisible"},
    {ErreurFichier::TropGrand, "les images sont trop grandes"},
    {ErreurFichier::TropEtroite, "Couche1.bmp doit faire plus de 100 pixels de large"},
    {ErreurFichier::Ecriture, "l'écriture a échoué"},
    {ErreurFichier::DisquePlein, "le disque est plein"},
    {ErreurFichier::LienSymbolique, "c'est un lien symbolique : choisissez un autre nom"},
    {static_cast<ErreurFichier>(99), "erreur inconnue"},
};

TEST_F(Textes, LesRaisonsDesFichiersPassentParLeTraducteur) {
    for (const auto& [e, texte] : kRaisonsFichier) EXPECT_EQ(RaisonErreur(e), texte);
    DefinirTraducteur(Marque);
    for (const auto& [e, texte] : kRaisonsFichier) EXPECT_EQ(RaisonErreur(e), "⟨" + texte + "⟩");
}

Exercice Petit() { return {"Titre", L("E"), Raster(3, 2, kBleu)}; }
Reponse PetiteReponse() { return {"Léa", 42, L("E"), std::nullopt, {}}; }

// The CRC-32 of the bytes before it set right, so the content is read.
std::string Rescelle(std::string o) {
    o.resize(o.size() - 4);
    const std::uint32_t crc = Crc32(o);
    for (int k = 0; k < 4; ++k) o.push_back(static_cast<char>(crc >> (8 * k) & 0xFF));
    return o;
}

// The reasons the readers and the checks give for files and contents
// damaged in many ways.
std::vector<std::string> RaisonsDesLecteurs() {
    std::vector<std::string> r;
    for (const std::string& f : {TexteExercice(Petit()), TexteReponse(PetiteReponse())}) {
        for (std::size_t n = 0; n <= f.size() + 1; ++n) {
            std::string o = f.substr(0, std::min(n, f.size()));
            if (n > f.size()) o += 'z';
            Exercice e;
            Reponse p;
            r.push_back(LireExercice(o, e));
            r.push_back(LireReponse(o, p));
        }
        for (std::size_t i = 0; i + 4 < f.size(); ++i)
            for (const int bit : {0, 7}) {
                std::string o = f;
                o[i] = static_cast<char>(o[i] ^ (1 << bit));
                Exercice e;
                Reponse p;
                r.push_back(LireExercice(o, e));
                r.push_back(LireReponse(o, p));
                r.push_back(LireExercice(Rescelle(o), e));
                r.push_back(LireReponse(Rescelle(o), p));
            }
    }
    Exercice x = Petit();
    x.titre.assign(kTitreMax + 1, 'a');
    r.push_back(VerifierExercice(x));
    x = Petit();
    x.titre = "a\x01";
    r.push_back(VerifierExercice(x));
    x = Petit();
    x.lignes.clear();
    r.push_back(VerifierExercice(x));
    x = Petit();
    x.lignes.assign(kLignesListeMax + 1, "Erosion");
    r.push_back(VerifierExercice(x));
    x = Petit();
    x.lignes.assign(9000, std::string(40, 'a'));
    r.push_back(VerifierExercice(x));
    x = Petit();
    x.lignes.push_back("a\rb");
    r.push_back(VerifierExercice(x));
    x = Petit();
    x.cible = Raster();
    r.push_back(VerifierExercice(x));
    Reponse p = PetiteReponse();
    p.eleve = "  ";
    r.push_back(VerifierReponse(p));
    p = PetiteReponse();
    p.eleve.assign(kNomEleveMax + 1, 'b');
    r.push_back(VerifierReponse(p));
    p = PetiteReponse();
    p.eleve = "\x02";
    r.push_back(VerifierReponse(p));
    p = PetiteReponse();
    p.lignes.assign(kLignesListeMax + 1, "Erosion");
    r.push_back(VerifierReponse(p));
    p = PetiteReponse();
    p.lignes.assign(9000, std::string(40, 'a'));
    r.push_back(VerifierReponse(p));
    return r;
}

TEST_F(Textes, SansTraducteurLesRaisonsDesLecteursSontCellesDeToujours) {
    std::string o = TexteExercice(Petit());
    o[8] = 3;
    Exercice e;
    EXPECT_EQ(LireExercice(Rescelle(o), e), "version 3 du format inconnue (ce programme lit les versions 1 et 2)");
    o = TexteExercice(Petit());
    o[12] = 0;
    EXPECT_EQ(LireExercice(Rescelle(o), e), "l'image de la coupe annoncée (0 x 2 pixels) est vide ou trop grande");
    o = TexteExercice(Petit());
    o[20] = static_cast<char>(kTitreMax + 1);
    EXPECT_EQ(LireExercice(o, e), "le titre annoncé dépasse 200 octets");
    o = TexteExercice(Petit());
    o[24] = 0;
    EXPECT_EQ(LireExercice(o, e), "la liste des événements annoncée est vide ou dépasse 262144 octets");
    std::string q = TexteReponse(PetiteReponse());
    q[20] = static_cast<char>(kNomEleveMax + 1);
    Reponse r;
    EXPECT_EQ(LireReponse(q, r), "le nom de l'élève annoncé est vide ou dépasse 100 octets");
    q = TexteReponse(PetiteReponse());
    q[27] = 1;
    EXPECT_EQ(LireReponse(q, r), "la liste des événements annoncée dépasse 262144 octets");
    q = TexteReponse(PetiteReponse());
    q[10] = 1;
    EXPECT_EQ(LireReponse(Rescelle(q), r), "l'en-tête est abîmé");
    q = TexteReponse(PetiteReponse());
    q.back() = static_cast<char>(q.back() ^ 1);
    EXPECT_EQ(LireReponse(q, r), "le fichier est abîmé (la somme de contrôle ne correspond pas)");

    Exercice x = Petit();
    x.titre.assign(kTitreMax + 1, 'a');
    EXPECT_EQ(VerifierExercice(x), "le titre dépasse 200 octets");
    x = Petit();
    x.lignes.assign(kLignesListeMax + 1, "Erosion");
    EXPECT_EQ(VerifierExercice(x), "la liste des événements dépasse 10000 lignes");
    x = Petit();
    x.lignes.assign(9000, std::string(40, 'a'));
    EXPECT_EQ(VerifierExercice(x), "la liste des événements dépasse 262144 octets");
    x = Petit();
    x.cible = Raster();
    EXPECT_EQ(VerifierExercice(x), "l'image de la coupe est vide ou trop grande");
    Reponse p = PetiteReponse();
    p.eleve.assign(kNomEleveMax + 1, 'b');
    EXPECT_EQ(VerifierReponse(p), "le nom de l'élève dépasse 100 octets");
    p = PetiteReponse();
    p.eleve = "\x02";
    EXPECT_EQ(VerifierReponse(p), "le nom de l'élève n'est pas un texte UTF-8 sans caractère de contrôle");
}

TEST_F(Textes, LesRaisonsDesLecteursSontFaitesDeTextesTraduits) {
    DefinirTraducteur(Gomme);
    std::set<std::string> vues;
    for (const std::string& r : RaisonsDesLecteurs()) {
        if (r.empty()) continue;
        EXPECT_TRUE(ToutTraduit(r)) << r;
        vues.insert(r);
    }
    // Plain reasons, and reasons with a number or two in them.
    EXPECT_TRUE(vues.count("x"));
    EXPECT_TRUE(vues.count("x200x"));
    EXPECT_TRUE(vues.count("x10000x"));
    EXPECT_GE(vues.size(), 8u);
    DefinirTraducteur(nullptr);
    const std::vector<std::string> francais = RaisonsDesLecteurs();
    DefinirTraducteur(Marque);
    const std::vector<std::string> marques = RaisonsDesLecteurs();
    ASSERT_EQ(marques.size(), francais.size());
    for (std::size_t i = 0; i < marques.size(); ++i) {
        if (francais[i].empty()) {
            EXPECT_EQ(marques[i], "");
            continue;
        }
        EXPECT_EQ(marques[i].rfind("⟨", 0), 0u) << marques[i];
        EXPECT_GE(marques[i].size(), francais[i].size() + std::string("⟨⟩").size()) << marques[i];
    }
}

TEST_F(Textes, UnFichierTropGrosLeDitDansLaLangueDuProgramme) {
    const std::filesystem::path chemin = std::filesystem::path(::testing::TempDir()) / "textes_trop_gros.exo";
    {
        std::FILE* f = std::fopen(chemin.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fclose(f);
    }
    std::filesystem::resize_file(chemin, kOctetsExerciceMax + 1);  // sparse: nothing written
    Exercice e;
    EXPECT_EQ(LireFichierExercice(chemin.string(), e),
              "le fichier dépasse " + std::to_string(kOctetsExerciceMax) + " octets");
    DefinirTraducteur(Gomme);
    Reponse r;
    EXPECT_EQ(LireFichierReponse(chemin.string(), r), "x" + std::to_string(kOctetsExerciceMax) + "x");
    EXPECT_EQ(LireFichierExercice((chemin.string() + ".absent"), e), "x");
    std::filesystem::remove(chemin);
}

// ---- The contexts ----

TEST_F(Textes, LesContextesSontCeuxDesSujets) {
    Contextes().clear();
    DefinirTraducteur(Gomme);
    for (const std::string_view r : ToutesLesRaisons()) TexteRaison(r);
    for (const TypeEvenement& t : kEvenements) DescriptionEvenement(t.evenement);
    for (const LigneAttendue& l : kLignesLegende) TexteLegendeCorrige({3, "C", l.depot, 0, 10});
    for (const auto& [modele, eleve] : kCoupes) Remarques(modele, eleve);
    for (const std::string_view m : kModeles) Noms(m);
    for (const auto& [modele, ids] : kOrdres) Ordre(modele, ids);
    for (const auto& [e, texte] : kRaisonsFichier) RaisonErreur(e);
    RaisonsDesLecteurs();
    EXPECT_EQ(Contextes(), (std::set<std::string>{"Cartes", "Correction", "Disponibilite", "Evenements", "Exercice",
                                                  "Fichiers", "Legende", "Ordre", "Relations"}));
}

}  // namespace
}  // namespace section
