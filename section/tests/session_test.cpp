// SPDX-License-Identifier: GPL-3.0-or-later
// The session: what it does without usable textures, the road of one event
// against the bare operations, undo and the fold factor, the state report.
#include <gtest/gtest.h>

#include "section/session.h"
#include "section/disponibilite.h"

namespace section {
namespace {

using E = Evenement;

Raster Uni(int w, int h, Couleur c) { return Raster(w, h, c); }

// Plain textures for a 200 x 600 section whose reset surface lies at row 380.
Textures Simples(int largeur = 200) {
    Textures t;
    t.ImSedim1 = Uni(largeur, 220, Rgb(120, 90, 60));
    t.ImSedim2 = Uni(largeur, 40, Rgb(230, 200, 120));
    t.ImSedim3 = Uni(largeur, 600, Rgb(180, 180, 160));
    t.ImGranit = Uni(40, 120, Rgb(240, 120, 170));
    t.ImGranit0 = Uni(40, 120, kBlanc);
    t.ImCoulee = Uni(30, 60, Rgb(60, 60, 60));
    t.ImCoulee0 = Uni(30, 60, kBlanc);
    return t;
}

Session Prete(Textures t = Simples()) {
    Session s;
    s.DefinirTextures(std::move(t));
    s.Reinitialiser();
    return s;
}

TEST(Session, WithoutUsableTexturesEveryCommandIsOffAndNothingRuns) {
    Textures etroites = Simples(100);  // no wider than the hidden margin
    Textures videGranit = Simples();
    videGranit.ImGranit = Raster();
    for (Textures* t : {&etroites, &videGranit}) {
        Session s;
        s.DefinirTextures(*t);
        EXPECT_FALSE(s.Prete());
        s.Reinitialiser();
        EXPECT_EQ(s.liste(), Liste{Ligne(kLigneInitiale)});
        for (const TypeEvenement& e : kEvenements) EXPECT_FALSE(s.Disponible(e.evenement)) << e.tag;
        s.Appliquer(E::Sedimentation);
        EXPECT_EQ(s.liste().size(), 1u);
        EXPECT_FALSE(s.annulable());
        EXPECT_FALSE(s.Annuler());
        EXPECT_TRUE(s.observe().empty());
        s.Charger({Ligne(kLigneInitiale), "Erosion"});
        EXPECT_TRUE(s.observe().empty());
        EXPECT_FALSE(s.PourChaqueEtape({Ligne(kLigneInitiale)}, [](int, const Raster&) { return true; }));
    }
    Session vide;  // no texture given at all
    EXPECT_FALSE(vide.Prete());
}

// An event is its operations on the section as it stands, the surface
// measured first for the four that read it.
TEST(Session, AnEventIsItsOperationsOnTheSectionMeasuredFirst) {
    for (const TypeEvenement& t : kEvenements) {
        Session s = Prete();
        s.Appliquer(E::Erosion);  // an uneven surface to start from
        Section attendu = s.section();
        MesureSurface(attendu);
        OperationsEvenement(attendu, t.evenement);
        s.Appliquer(t.evenement);
        EXPECT_TRUE(s.observe() == attendu.Observe) << t.tag;
        EXPECT_EQ(s.liste().back(), t.ligne);
        EXPECT_TRUE(s.annulable());
        // The view is the top-left block of the section.
        for (int y = 0; y < HauteurVue; ++y)
            ASSERT_TRUE(std::equal(s.vue().row(y), s.vue().row(y) + s.vue().width(), s.observe().row(y)));
    }
}

TEST(Session, UndoTakesBackTheFoldStepOnlyForFolds) {
    Session s = Prete();
    s.Appliquer(E::Compression);
    EXPECT_EQ(s.section().FacteurPli, 1.75);
    ASSERT_TRUE(s.Annuler());
    EXPECT_EQ(s.section().FacteurPli, 1.0);
    EXPECT_FALSE(s.Annuler());  // one level only

    s.Appliquer(E::Compression);
    const Raster plie = s.observe();
    s.Appliquer(E::Sedimentation);
    ASSERT_TRUE(s.Annuler());
    EXPECT_EQ(s.section().FacteurPli, 1.75);  // a sedimentation's undo keeps the fold step
    EXPECT_TRUE(s.observe() == plie);
    EXPECT_EQ(s.liste(), (Liste{Ligne(kLigneInitiale), "Compression"}));
}

TEST(Session, ResetGivesBackTheStartAndKeepsThePreviousFoldFactor) {
    Session s = Prete();
    const Raster depart = s.observe();
    const Disponibilite dispo = s.disponibilite();
    s.Appliquer(E::Chevauchement);
    const double prec = s.section().FacteurPliPrec;
    s.Reinitialiser();
    EXPECT_TRUE(s.observe() == depart);
    EXPECT_EQ(s.disponibilite(), dispo);
    EXPECT_EQ(s.section().FacteurPli, 1.0);
    EXPECT_EQ(s.section().FacteurPliPrec, prec);
    EXPECT_FALSE(s.annulable());
}

TEST(Session, StateReportOfAFreshSection) {
    Session s = Prete();
    const EtatSession e = s.Etat();
    EXPECT_EQ(e.SurfaceBas, 381);
    EXPECT_EQ(e.SurfaceHaut, 380);  // flat: SurfaceBas = SurfaceHaut + 1
    EXPECT_EQ(e.HautSocle, 600);  // no red band: the section's height
    EXPECT_EQ(EtatJson(e),
              "{\n"
              "    \"FacteurPli\": 1,\n"
              "    \"FacteurPliPrec\": 0,\n"
              "    \"HautSocle\": 600,\n"
              "    \"SurfaceBas\": 381,\n"
              "    \"SurfaceHaut\": 380,\n"
              "    \"commandes\": {\n"
              "        \"Chevauchement\": true,\n"
              "        \"Compression\": true,\n"
              "        \"Distension\": true,\n"
              "        \"Erosion\": true,\n"
              "        \"Plutonisme\": true,\n"
              "        \"S\xC3\xA9" "dimentation\": true,\n"
              "        \"Volcanisme\": true\n"
              "    },\n"
              "    \"formations\": [\n"
              "        {\n"
              "            \"evenement\": \"S\xC3\xA9" "dimentation\",\n"
              "            \"indice\": 0,\n"
              "            \"pixels\": 10000\n"
              "        }\n"
              "    ],\n"
              "    \"lignes\": [\n"
              "        \"S\xC3\xA9" "dimentation\"\n"
              "    ]\n"
              "}\n");
}

// Each pixel knows the list line of the event that laid it: the base layer
// line 0, the sky none, a new layer its own line; undo takes the plane back
// with the picture.
TEST(Session, FormationsFollowTheListLines) {
    Session s = Prete();
    ASSERT_TRUE(s.observe().FormationsActives());
    EXPECT_EQ(s.observe().FormationDe(50, 10), kSansFormation);   // sky
    EXPECT_EQ(s.observe().FormationDe(50, 500), 0);               // base layer
    s.Appliquer(E::Sedimentation);
    const int haut = s.section().SurfaceHaut;  // the new surface, measured after the event
    EXPECT_EQ(s.observe().FormationDe(50, haut + 2), 1);
    EXPECT_EQ(s.observe().FormationDe(50, 500), 0);
    const Raster apres = s.observe();
    s.Appliquer(E::Volcanisme);
    ASSERT_TRUE(s.Annuler());
    EXPECT_TRUE(s.observe().MemesFormations(apres));

    // Replayed, the same list lays the same formations.
    Session r = Prete();
    r.Charger(s.liste());
    EXPECT_TRUE(r.observe().MemesFormations(s.observe()));
}

TEST(Session, FormationsNeverChangeAColour) {
    for (const TypeEvenement& t : kEvenements) {
        Session avec = Prete(), sans;
        sans.SuivreFormations(false);
        sans.DefinirTextures(Simples());
        sans.Reinitialiser();
        EXPECT_FALSE(sans.observe().FormationsActives());
        for (E e : {E::Erosion, t.evenement, E::Sedimentation, t.evenement}) {
            avec.Appliquer(e);
            sans.Appliquer(e);
        }
        EXPECT_TRUE(avec.observe() == sans.observe()) << t.tag;
        EXPECT_TRUE(avec.vue() == sans.vue()) << t.tag;
        EXPECT_EQ(avec.disponibilite(), sans.disponibilite());
    }
}

TEST(Disponibilite, ByTagOnlyForTheSevenTags) {
    Disponibilite d;
    d.Tout(true);
    EXPECT_FALSE(d.ParTag(0));
    EXPECT_FALSE(d.ParTag(8));
    EXPECT_FALSE(d.ParTag(-1));
    for (int tag = 1; tag <= 7; ++tag) EXPECT_TRUE(d.ParTag(tag));
    d[E::Erosion] = false;
    EXPECT_FALSE(d.ParTag(3));
}

}  // namespace
}  // namespace section
