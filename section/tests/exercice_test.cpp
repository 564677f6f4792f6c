// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise and answer files: a round trip keeps every field, and every
// truncated, lengthened, corrupted or oversized variant is refused with a
// French reason, never a crash.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <random>

#include "dossier_essai.h"
#include "section/exercice.h"
#include "section/liste.h"

namespace section {
namespace {

using test::DossierTemporaire;

const Ligne kSed(kLigneInitiale);

Exercice Petit() {
    Exercice e;
    e.titre = "Coupe n°3 : plis érodés";
    e.lignes = {kSed, kSed, "Compression", "Erosion", kSed};
    std::vector<Couleur> px;
    for (int i = 0; i < 7 * 5; ++i) px.push_back(i % 3 ? kBleu : Rgb(10 * i, 200 - i, 7));
    e.cible = Raster(7, 5, std::move(px));
    return e;
}

Reponse PetiteReponse() {
    Reponse r;
    r.eleve = "Zoé Lefèvre";
    r.exercice = EmpreinteExercice(Petit());
    r.lignes = {kSed, "Erosion", "ligne inconnue", kSed};
    return r;
}

// The same answer with an order given in "Ordonner", written as version 2.
Reponse ReponseOrdonnee() {
    Reponse r = PetiteReponse();
    r.ordre = OrdreDonne{{2, 1, 4, 3},
                         {{}, {PrincipeCite::Superposition, 0}, {PrincipeCite::Discordance, 4}, {PrincipeCite::Recoupement, -1}},
                         14};
    return r;
}

void Poser16(std::string& o, std::size_t a, std::uint16_t v) {
    o[a] = static_cast<char>(v & 0xFF);
    o[a + 1] = static_cast<char>(v >> 8);
}
void Poser32(std::string& o, std::size_t a, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) o[a + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
}
// Rewrites the final CRC so that a reader gets past it to the content.
void Resceller(std::string& o) {
    Poser32(o, o.size() - 4, Crc32(std::string_view(o).substr(0, o.size() - 4)));
}

TEST(FichierExercice, UnAllerRetourGardeChaqueChamp) {
    const Exercice e = Petit();
    ASSERT_EQ(VerifierExercice(e), "");
    const std::string o = TexteExercice(e);
    Exercice lu;
    ASSERT_EQ(LireExercice(o, lu), "");
    EXPECT_EQ(lu.titre, e.titre);
    EXPECT_EQ(lu.lignes, e.lignes);
    EXPECT_TRUE(lu.cible == e.cible);
    EXPECT_EQ(EmpreinteExercice(lu), EmpreinteExercice(e));
    EXPECT_TRUE(EstUnExercice(o));
    EXPECT_FALSE(EstUneReponse(o));
    EXPECT_EQ(o.size(), 40 + e.titre.size() + TexteListe(e.lignes).size() + 3 * 35 + 4);
}

// A version 1 file as the program once wrote it: the same bytes without
// the letter seed.
std::string EnVersion1(std::string o) {
    o.erase(36, 4);
    o[8] = 1;
    Resceller(o);
    return o;
}

TEST(FichierExercice, LaVersion2GardeLaGraineDesLettresHorsDeLEmpreinte) {
    Exercice e = Petit();
    const std::uint64_t empreinte = EmpreinteExercice(e);
    for (const std::uint32_t graine : {0u, 1u, 0xDEADBEEFu, 0xFFFFFFFFu}) {
        e.graineLettres = graine;
        EXPECT_EQ(EmpreinteExercice(e), empreinte) << graine;
        const std::string o = TexteExercice(e);
        EXPECT_EQ(o[8], 2);
        Exercice lu;
        ASSERT_EQ(LireExercice(o, lu), "");
        EXPECT_EQ(lu.graineLettres, graine);
        EXPECT_EQ(lu.lignes, e.lignes);
    }
}

TEST(FichierExercice, LaVersion1SeLitToujoursEtTireSaGraineDeLEmpreinte) {
    Exercice e = Petit();
    e.graineLettres = 12345;
    const std::string v1 = EnVersion1(TexteExercice(e));
    EXPECT_EQ(v1.size(), 36 + e.titre.size() + TexteListe(e.lignes).size() + 3 * 35 + 4);
    Exercice lu;
    ASSERT_EQ(LireExercice(v1, lu), "");
    EXPECT_EQ(lu.titre, e.titre);
    EXPECT_EQ(lu.lignes, e.lignes);
    EXPECT_TRUE(lu.cible == e.cible);
    EXPECT_EQ(lu.graineLettres, GraineLettresParDefaut(EmpreinteExercice(e)));
    EXPECT_EQ(GraineLettresParDefaut(0x0123456789abcdefull), 0x89abcdefu);
    // Cut short or with a byte too many, it is refused as a version 2 file is.
    EXPECT_EQ(LireExercice(v1.substr(0, v1.size() - 1), lu), "le fichier est tronqué");
    EXPECT_EQ(LireExercice(v1 + "x", lu), "le fichier a des octets en trop après la fin");
}

TEST(FichierExercice, LesEvenementsNeSeLisentPasDansLeFichier) {
    const std::string o = TexteExercice(Petit());
    EXPECT_EQ(o.find("Compression"), std::string::npos);
    EXPECT_EQ(o.find("Erosion"), std::string::npos);
    EXPECT_EQ(o.find("dimentation"), std::string::npos);
}

TEST(FichierExercice, LEmpreinteSuitLaListeEtLImageMaisPasLeTitre) {
    Exercice a = Petit(), b = Petit();
    b.titre = "autre titre";
    EXPECT_EQ(EmpreinteExercice(a), EmpreinteExercice(b));
    b.lignes.push_back("Erosion");
    EXPECT_NE(EmpreinteExercice(a), EmpreinteExercice(b));
    Exercice c = Petit();
    c.cible.data()[3] = Rgb(1, 2, 3);
    EXPECT_NE(EmpreinteExercice(a), EmpreinteExercice(c));
    EXPECT_EQ(TexteEmpreinte(0x0123456789abcdefull), "0123456789abcdef");
}

TEST(FichierExercice, ToutFichierTronqueEstRefuse) {
    const std::string o = TexteExercice(Petit());
    for (std::size_t n = 0; n < o.size(); ++n) {
        Exercice lu;
        EXPECT_NE(LireExercice(std::string_view(o).substr(0, n), lu), "") << n << " octets";
    }
    Exercice lu;
    EXPECT_EQ(LireExercice(o + "x", lu), "le fichier a des octets en trop après la fin");
    EXPECT_EQ(LireExercice(o.substr(0, o.size() - 1), lu), "le fichier est tronqué");
}

TEST(FichierExercice, ChaqueOctetAbimeEstRefuse) {
    const std::string o = TexteExercice(Petit());
    for (std::size_t i = 0; i < o.size(); ++i)
        for (const int masque : {0x01, 0x80}) {
            std::string abime = o;
            abime[i] = static_cast<char>(abime[i] ^ masque);
            Exercice lu;
            EXPECT_NE(LireExercice(abime, lu), "") << "octet " << i;
        }
}

TEST(FichierExercice, LesTaillesAnnonceesSontVerifieesAvantTouteLecture) {
    const std::string o = TexteExercice(Petit());
    struct Cas {
        const char* nom;
        std::size_t champ;
        std::uint32_t valeur;
        const char* raison;
    };
    const Cas cas[] = {
        {"largeur nulle", 12, 0, "est vide ou trop grande"},
        {"largeur énorme", 12, 0xFFFFFFFFu, "est vide ou trop grande"},
        {"hauteur au-delà de 4096", 16, 4097, "est vide ou trop grande"},
        {"pixels au-delà du budget", 12, 4096, "est vide ou trop grande"},  // 4096 x 5 passes; see below
        {"titre trop long", 20, static_cast<std::uint32_t>(kTitreMax + 1), "le titre annoncé dépasse"},
        {"liste vide", 24, 0, "la liste des événements annoncée"},
        {"liste énorme", 24, 0x7FFFFFFFu, "la liste des événements annoncée"},
        {"version 3", 8, 3 | (0u << 16), "version 3 du format inconnue"},
        {"version 0", 8, 0, "version 0 du format inconnue"},
    };
    for (const Cas& c : cas) {
        std::string v = o;
        Poser32(v, c.champ, c.valeur);
        if (std::string(c.nom) == "pixels au-delà du budget") Poser32(v, 16, 4096);
        Resceller(v);
        Exercice lu;
        const std::string r = LireExercice(v, lu);
        EXPECT_NE(r.find(c.raison), std::string::npos) << c.nom << " : " << r;
    }
    Exercice lu;
    EXPECT_EQ(LireExercice(TexteListe({kSed, "Erosion"}), lu), "ce n'est pas un fichier d'exercice");
    EXPECT_EQ(LireExercice(TexteReponse(PetiteReponse()), lu), "ce n'est pas un fichier d'exercice");
    EXPECT_EQ(LireExercice("", lu), "ce n'est pas un fichier d'exercice");
}

TEST(FichierExercice, UnContenuQuiNeCorrespondPasALEmpreinteEstRefuse) {
    std::string o = TexteExercice(Petit());
    o[o.size() - 5] = static_cast<char>(o[o.size() - 5] ^ 0x10);  // one pixel
    Resceller(o);
    Exercice lu;
    EXPECT_EQ(LireExercice(o, lu), "l'empreinte de l'exercice ne correspond pas à son contenu");
}

TEST(FichierExercice, CeQuiNePeutPasSEcrireEstDitAvant) {
    Exercice e = Petit();
    e.titre = std::string(kTitreMax + 1, 'a');
    EXPECT_NE(VerifierExercice(e), "");
    e = Petit();
    e.titre = "retour\nà la ligne";
    EXPECT_NE(VerifierExercice(e), "");
    e = Petit();
    e.titre = "\xE9t\xE9";  // Windows-1252, not UTF-8
    EXPECT_NE(VerifierExercice(e), "");
    e = Petit();
    e.lignes.clear();
    EXPECT_EQ(VerifierExercice(e), "la liste des événements est vide");
    e = Petit();
    e.cible = Raster();
    EXPECT_NE(VerifierExercice(e), "");
    for (const char* ligne : {"Erosion\nCompression", "avant\rapr\xE8s"}) {
        e = Petit();
        e.lignes.push_back(ligne);
        EXPECT_EQ(VerifierExercice(e), "une ligne de la liste ne s'écrirait pas telle quelle") << ligne;
    }
    e = Petit();
    e.lignes.push_back(std::string("nul\0dedans", 11));
    EXPECT_NE(VerifierExercice(e), "");
    e = Petit();
    e.lignes.push_back("");  // an empty line is a line like another
    EXPECT_EQ(VerifierExercice(e), "");
}

TEST(FichierReponse, UnAllerRetourGardeChaqueChamp) {
    // Version 1 without an order, so that older readers take it; 2 with one.
    for (const Reponse& r : {PetiteReponse(), ReponseOrdonnee()}) {
        ASSERT_EQ(VerifierReponse(r), "");
        const std::string o = TexteReponse(r);
        EXPECT_EQ(o[8], r.ordre ? 2 : 1);
        Reponse lu;
        ASSERT_EQ(LireReponse(o, lu), "");
        EXPECT_EQ(lu.eleve, r.eleve);
        EXPECT_EQ(lu.exercice, r.exercice);
        EXPECT_EQ(lu.lignes, r.lignes);
        EXPECT_EQ(lu.ordre, r.ordre);
        EXPECT_TRUE(EstUneReponse(o));
    }
    const Reponse r = PetiteReponse();
    Reponse lu;
    Reponse vide = r;
    vide.lignes.clear();
    ASSERT_EQ(LireReponse(TexteReponse(vide), lu), "");
    EXPECT_TRUE(lu.lignes.empty());
}

TEST(FichierReponse, ToutFichierTronqueOuAbimeEstRefuse) {
    for (const std::string& o : {TexteReponse(PetiteReponse()), TexteReponse(ReponseOrdonnee())}) {
    for (std::size_t n = 0; n < o.size(); ++n) {
        Reponse lu;
        EXPECT_NE(LireReponse(std::string_view(o).substr(0, n), lu), "") << n << " octets";
    }
    for (std::size_t i = 0; i < o.size(); ++i) {
        std::string abime = o;
        abime[i] = static_cast<char>(abime[i] ^ 0x04);
        Reponse lu;
        EXPECT_NE(LireReponse(abime, lu), "") << "octet " << i;
    }
    Reponse lu;
    EXPECT_NE(LireReponse(o + std::string(1, '\0'), lu), "");
    }
    Reponse lu;
    EXPECT_EQ(LireReponse(TexteExercice(Petit()), lu), "ce n'est pas un fichier de réponse");
}

TEST(FichierReponse, LeNomEtLesTaillesSontVerifies) {
    Reponse r = PetiteReponse();
    for (const std::string& nom : {std::string(), std::string("   "), std::string(kNomEleveMax + 1, 'z'),
                                  std::string("tab\there"), std::string("\xC3")}) {
        r.eleve = nom;
        EXPECT_NE(VerifierReponse(r), "") << nom;
    }
    const std::string o = TexteReponse(PetiteReponse());
    for (const auto& [champ, valeur] : {std::pair{20u, 0u}, std::pair{20u, 101u}, std::pair{24u, 0x40000001u}}) {
        std::string v = o;
        Poser32(v, champ, valeur);
        Resceller(v);
        Reponse lu;
        EXPECT_NE(LireReponse(v, lu), "") << champ << " = " << valeur;
    }
    // A name made of control characters, the sizes right and the CRC too.
    std::string v = o;
    v[28] = '\x07';
    Resceller(v);
    Reponse lu;
    EXPECT_EQ(LireReponse(v, lu), "le nom de l'élève n'est pas un texte UTF-8 lisible");
}

// An order whose fields no answer could have been written with.
TEST(FichierReponse, UnOrdreImpossibleEstRefuse) {
    const std::string o = TexteReponse(ReponseOrdonnee());
    const std::size_t cartes = o.size() - 4 - 6 * 4;  // the first card's field
    const struct {
        const char* quoi;
        std::size_t champ;
        std::uint16_t valeur;
    } kCas[] = {
        {"note au-dessus de 20", 30, 21},
        {"carte 0", cartes, 0},
        {"carte en double", cartes + 6, 2},
        {"principe inconnu", cartes + 8, 6},
        {"formation hors limites", cartes + 10, 5000},
    };
    for (const auto& c : kCas) {
        std::string v = o;
        Poser16(v, c.champ, c.valeur);
        Resceller(v);
        Reponse lu;
        EXPECT_EQ(LireReponse(v, lu), "l'ordre des événements est illisible") << c.quoi;
    }
    Reponse r = ReponseOrdonnee();
    r.ordre->justifications.pop_back();
    EXPECT_EQ(VerifierReponse(r), "l'ordre des événements est illisible");
    std::string v = TexteReponse(PetiteReponse());
    v[8] = 4;
    Resceller(v);
    Reponse lu;
    EXPECT_EQ(LireReponse(v, lu), "version 4 du format inconnue (ce programme lit les versions 1 à 3)");
}

// How many times the pupil checked: version 3, with or without an order;
// the files of versions 1 and 2 are written as before when nothing is
// counted. A count beyond the field is held at its largest value.
TEST(FichierReponse, LesVerificationsEnVersionTrois) {
    struct Cas {
        const char* nom;
        bool ordre;
        std::optional<Verifications> verifications;
        int version;
        std::size_t entete;  // bytes before the name
        std::optional<Verifications> relues;
    };
    const Cas cas[] = {
        {"sans ordre ni comptes", false, std::nullopt, 1, 28, std::nullopt},
        {"un ordre sans comptes", true, std::nullopt, 2, 32, std::nullopt},
        {"des comptes sans ordre", false, Verifications{3, 0}, 3, 36, Verifications{3, 0}},
        {"un ordre et des comptes", true, Verifications{2, 11}, 3, 36, Verifications{2, 11}},
        {"comptes trop grands", false, Verifications{70000, -2}, 3, 36, Verifications{kVerificationsMax, 0}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        Reponse r = c.ordre ? ReponseOrdonnee() : PetiteReponse();
        r.verifications = c.verifications;
        const std::string o = TexteReponse(r);
        EXPECT_EQ(static_cast<int>(o[8]), c.version);
        EXPECT_EQ(o.substr(c.entete, r.eleve.size()), r.eleve);
        if (c.verifications) {
            EXPECT_EQ(static_cast<unsigned char>(o[32]) | static_cast<unsigned char>(o[33]) << 8, c.relues->coupe);
            EXPECT_EQ(static_cast<unsigned char>(o[34]) | static_cast<unsigned char>(o[35]) << 8, c.relues->ordre);
        }
        Reponse lu;
        ASSERT_EQ(LireReponse(o, lu), "");
        EXPECT_EQ(lu.verifications, c.relues);
        EXPECT_EQ(lu.ordre, r.ordre);
        EXPECT_EQ(lu.lignes, r.lignes);
    }
}

// Seeded random damage: a reader either refuses with a reason or reads a
// file that it would write back byte for byte.
TEST(FichiersExercice, DesFichiersAbimesAuHasardSontRefusesOuRelusALIdentique) {
    const std::string exercice = TexteExercice(Petit());
    Reponse verifiee = ReponseOrdonnee();
    verifiee.verifications = Verifications{4, 9};
    const std::string reponses[] = {TexteReponse(PetiteReponse()), TexteReponse(ReponseOrdonnee()), TexteReponse(verifiee)};
    for (std::uint32_t graine = 1; graine <= 3000; ++graine) {
        SCOPED_TRACE("graine " + std::to_string(graine));
        std::mt19937 g(graine);
        const std::string& reponse = reponses[graine / 2 % 2];
        std::string o = graine % 2 ? exercice : reponse;
        const int coups = 1 + static_cast<int>(g() % 4);
        for (int k = 0; k < coups; ++k) {
            const std::size_t i = g() % o.size();
            switch (g() % 4) {
            case 0: o[i] = static_cast<char>(g()); break;
            case 1: o.erase(i, 1 + g() % 8); break;
            case 2: o.insert(i, std::string(1 + g() % 8, static_cast<char>(g()))); break;
            default: Poser32(o, std::min(i, o.size() - 4), static_cast<std::uint32_t>(g())); break;
            }
            if (o.size() < 8) o = graine % 2 ? exercice : reponse;
        }
        if (g() % 2) Resceller(o);  // past the CRC, onto the sizes and the content
        Exercice e;
        Reponse r;
        const std::string re = LireExercice(o, e), rr = LireReponse(o, r);
        if (re.empty()) {
            EXPECT_EQ(TexteExercice(e), o);
        }
        if (rr.empty()) {
            EXPECT_EQ(TexteReponse(r), o);
        }
        EXPECT_FALSE(re.empty() && rr.empty());
    }
}

TEST(FichiersExercice, ParLaCoucheDesFichiers) {
    DossierTemporaire d;
    ASSERT_TRUE(d.Valide());
    ASSERT_EQ(EcrireFichierExercice(d / "a.exo", Petit()), "");
    Exercice e;
    ASSERT_EQ(LireFichierExercice(d / "a.exo", e), "");
    EXPECT_EQ(e.lignes, Petit().lignes);
    ASSERT_EQ(EcrireFichierReponse(d / "a.rep", PetiteReponse()), "");
    Reponse r;
    ASSERT_EQ(LireFichierReponse(d / "a.rep", r), "");
    EXPECT_EQ(r.eleve, PetiteReponse().eleve);
    // A refused answer writes nothing and leaves the old file as it was.
    Reponse sansNom = PetiteReponse();
    sansNom.eleve.clear();
    EXPECT_EQ(EcrireFichierReponse(d / "a.rep", sansNom), "le nom de l'élève est vide");
    EXPECT_EQ(LireFichierReponse(d / "a.rep", r), "");
    EXPECT_NE(LireFichierExercice(d / "absent.exo", e), "");
    EXPECT_NE(LireFichierExercice(d.Chemin(), e), "");  // a folder
    // Bigger than any well-formed file: refused without reading it whole.
    const std::string gros = d / "gros.exo";
    ASSERT_TRUE(test::Ecrire(gros, TexteExercice(Petit())));
    ASSERT_EQ(::truncate(gros.c_str(), static_cast<off_t>(kOctetsExerciceMax + 1)), 0);
    EXPECT_NE(LireFichierExercice(gros, e).find("le fichier dépasse"), std::string::npos);
    EXPECT_EQ(e.lignes, Petit().lignes);  // untouched by the failed reads
}

}  // namespace
}  // namespace section
