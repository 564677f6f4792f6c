// SPDX-License-Identifier: GPL-3.0-or-later
// Writing and reading the exercise and answer files (see exercice.h for
// the layout). The readers trust nothing: sizes are checked against their
// limits and against the length actually there before anything is read.
#include "section/exercice.h"
#include "section/session.h"
#include "section/noms.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "section/textes.h"
#include "section/liste.h"
#include "section/note.h"

namespace section {

namespace {

constexpr std::string_view kMagieExercice{"SLEXERC\x1A", 8};
constexpr std::string_view kMagieReponse{"SLREPON\x1A", 8};
constexpr std::uint16_t kVersionReponse = 2;  // written when the answer holds an order
constexpr std::size_t kEnteteReponseV2 = 32;
constexpr std::uint16_t kVersionReponseV3 = 3;  // written when the answer holds its checks
constexpr std::size_t kEnteteReponseV3 = 36;
constexpr std::uint16_t kSansTemoin = 0xFFFF;
constexpr std::uint16_t kVersionExercice = 2;
constexpr std::size_t kEnteteExerciceV1 = 36;
constexpr std::size_t kEnteteExercice = 40;
constexpr std::size_t kEnteteReponse = 28;

void Ecrire16(std::string& o, std::uint16_t v) {
    o.push_back(static_cast<char>(v & 0xFF));
    o.push_back(static_cast<char>(v >> 8));
}
void Ecrire32(std::string& o, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) o.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}
void Ecrire64(std::string& o, std::uint64_t v) {
    for (int i = 0; i < 8; ++i) o.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}
std::uint64_t Lire(std::string_view o, std::size_t a, int octets) {
    std::uint64_t v = 0;
    for (int i = octets - 1; i >= 0; --i)
        v = v << 8 | static_cast<unsigned char>(o[a + static_cast<std::size_t>(i)]);
    return v;
}

// The key stream that hides the events: xorshift64* from the fingerprint.
void Melanger(std::string& octets, std::uint64_t empreinte) {
    std::uint64_t x = empreinte ^ 0x9E3779B97F4A7C15ull;
    if (x == 0) x = 1;
    for (char& c : octets) {
        x ^= x >> 12;
        x ^= x << 25;
        x ^= x >> 27;
        c = static_cast<char>(static_cast<unsigned char>(c) ^ static_cast<unsigned char>((x * 0x2545F4914F6CDD1Dull) >> 56));
    }
}

std::uint64_t Fnv(std::uint64_t h, std::string_view o) {
    for (unsigned char c : o) {
        h ^= c;
        h *= 0x100000001B3ull;
    }
    return h;
}

// Well-formed UTF-8 (no overlong form, no surrogate) without any control
// character (below 0x20, or 0x7F).
bool TexteAffichable(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c < 0x20 || c == 0x7F) return false;
        if (c < 0x80) {
            ++i;
            continue;
        }
        int suite = 0;
        std::uint32_t cp = 0;
        if (c >= 0xC2 && c <= 0xDF) suite = 1, cp = c & 0x1Fu;
        else if (c >= 0xE0 && c <= 0xEF) suite = 2, cp = c & 0x0Fu;
        else if (c >= 0xF0 && c <= 0xF4) suite = 3, cp = c & 0x07u;
        else return false;
        if (i + static_cast<std::size_t>(suite) >= s.size()) return false;
        for (int k = 1; k <= suite; ++k) {
            const unsigned char d = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            if ((d & 0xC0u) != 0x80u) return false;
            cp = cp << 6 | (d & 0x3Fu);
        }
        if ((suite == 2 && cp < 0x800) || (suite == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF) || (cp >= 0x80 && cp < 0xA0))
            return false;
        i += static_cast<std::size_t>(suite) + 1;
    }
    return true;
}

// Whether the list's file bytes read back as the same lines (no line holds
// a NUL, a CR or a LF, nor reads as UTF-8 where it is not).
bool RelueALIdentique(const Liste& lignes) {
    Liste relue;
    return LignesDeListe(TexteListe(lignes), relue) == ErreurFichier::Aucune && relue == lignes;
}

bool QueDesEspaces(std::string_view s) { return s.find_first_not_of(' ') == std::string_view::npos; }

std::string Nombre(std::size_t n) { return std::to_string(n); }

// The list's lines, or the reason they are refused.
std::string LignesDe(std::string_view octets, Liste& lignes) {
    switch (LignesDeListe(octets, lignes)) {
    case ErreurFichier::Aucune: return {};
    case ErreurFichier::TropDeLignes:
        //: %1 is a number of lines.
        return Remplir(Texte("Exercice", "la liste des événements dépasse %1 lignes"), {Nombre(kLignesListeMax)});
    default: return Texte("Exercice", "la liste des événements est illisible");
    }
}

// Whether an order fits its fields: 1 .. kCartesMax cards, each a list
// index once, a known principle and a formation or none for each, a mark
// out of kNoteMax.
bool OrdreEcrivable(const OrdreDonne& o) {
    const auto carte = [](int c) { return c >= 1 && c <= static_cast<int>(kCartesMax); };
    if (o.cartes.empty() || o.cartes.size() > kCartesMax || o.justifications.size() != o.cartes.size() ||
        o.note < 0 || o.note > kNoteMax)
        return false;
    std::vector<bool> vue(kCartesMax + 1, false);
    for (std::size_t i = 0; i < o.cartes.size(); ++i) {
        const Justification& j = o.justifications[i];
        if (!carte(o.cartes[i]) || vue[static_cast<std::size_t>(o.cartes[i])]) return false;
        vue[static_cast<std::size_t>(o.cartes[i])] = true;
        if (static_cast<int>(j.principe) < 0 || static_cast<int>(j.principe) > static_cast<int>(PrincipeCite::Discordance))
            return false;
        if (j.temoin != -1 && (j.temoin < 0 || j.temoin > static_cast<int>(kCartesMax))) return false;
    }
    return true;
}

// The common start of both readers: magic, version, reserved field.
std::string Entete(std::string_view o, std::string_view magie, std::size_t entete, bool exercice) {
    if (o.size() < magie.size() || o.substr(0, magie.size()) != magie)
        return exercice ? Texte("Exercice", "ce n'est pas un fichier d'exercice")
                        : Texte("Exercice", "ce n'est pas un fichier de réponse");
    if (o.size() < 10 + 4) return Texte("Exercice", "le fichier est tronqué");
    const auto v = Lire(o, 8, 2);
    if (exercice && v != 1 && v != kVersionExercice)
        //: %1 is the version number the file announces.
        return Remplir(Texte("Exercice", "version %1 du format inconnue (ce programme lit les versions 1 et 2)"),
                       {std::to_string(v)});
    if (!exercice && v != 1 && v != kVersionReponse && v != kVersionReponseV3)
        //: %1 is the version number the file announces.
        return Remplir(Texte("Exercice", "version %1 du format inconnue (ce programme lit les versions 1 à 3)"),
                       {std::to_string(v)});
    if (exercice && v == 1) entete = kEnteteExerciceV1;
    if (!exercice && v == kVersionReponse) entete = kEnteteReponseV2;
    if (!exercice && v == kVersionReponseV3) entete = kEnteteReponseV3;
    if (o.size() < entete + 4) return Texte("Exercice", "le fichier est tronqué");
    if (Lire(o, 10, 2) != 0) return Texte("Exercice", "l'en-tête est abîmé");
    return {};
}

std::string Longueur(std::string_view o, std::uint64_t attendu) {
    if (o.size() < attendu) return Texte("Exercice", "le fichier est tronqué");
    if (o.size() > attendu) return Texte("Exercice", "le fichier a des octets en trop après la fin");
    if (Crc32(o.substr(0, o.size() - 4)) != Lire(o, o.size() - 4, 4))
        return Texte("Exercice", "le fichier est abîmé (la somme de contrôle ne correspond pas)");
    return {};
}

}  // namespace

void MelangerEvenements(std::string& octets, std::uint64_t empreinte) { Melanger(octets, empreinte); }

std::uint64_t EmpreinteExercice(const Exercice& e) {
    std::uint64_t h = Fnv(0xCBF29CE484222325ull, TexteListe(e.lignes));
    std::string taille;
    Ecrire32(taille, static_cast<std::uint32_t>(e.cible.width()));
    Ecrire32(taille, static_cast<std::uint32_t>(e.cible.height()));
    h = Fnv(h, taille);
    for (std::size_t i = 0; i < e.cible.size(); ++i) {
        const Couleur c = e.cible.data()[i];
        const char rgb[3] = {static_cast<char>(c >> 16 & 0xFF), static_cast<char>(c >> 8 & 0xFF),
                             static_cast<char>(c & 0xFF)};
        h = Fnv(h, std::string_view(rgb, 3));
    }
    return h;
}

std::string TexteEmpreinte(std::uint64_t empreinte) {
    char t[17];
    std::snprintf(t, sizeof t, "%016llx", static_cast<unsigned long long>(empreinte));
    return t;
}

bool EstUnExercice(std::string_view o) { return o.substr(0, kMagieExercice.size()) == kMagieExercice; }
bool EstUneReponse(std::string_view o) { return o.substr(0, kMagieReponse.size()) == kMagieReponse; }

bool TropLonguePourNoter(const Liste& lignes) { return lignes.size() > kEvenementsNotesMax + 1; }

std::string RaisonTropDEvenements() {
    //: %1 is a number of events.
    return Remplir(Texte("Exercice", "la liste compte plus de %1 événements"), {Nombre(kEvenementsNotesMax)});
}

std::string VerifierExercice(const Exercice& e) {
    if (e.titre.size() > kTitreMax)
        //: %1 is a number of bytes.
        return Remplir(Texte("Exercice", "le titre dépasse %1 octets"), {Nombre(kTitreMax)});
    if (!TexteAffichable(e.titre))
        return Texte("Exercice", "le titre n'est pas un texte UTF-8 sans caractère de contrôle");
    if (e.lignes.empty()) return Texte("Exercice", "la liste des événements est vide");
    if (e.lignes.size() > kLignesListeMax)
        //: %1 is a number of lines.
        return Remplir(Texte("Exercice", "la liste des événements dépasse %1 lignes"), {Nombre(kLignesListeMax)});
    if (TexteListe(e.lignes).size() > kOctetsEvenementsMax)
        //: %1 is a number of bytes.
        return Remplir(Texte("Exercice", "la liste des événements dépasse %1 octets"), {Nombre(kOctetsEvenementsMax)});
    if (!RelueALIdentique(e.lignes)) return Texte("Exercice", "une ligne de la liste ne s'écrirait pas telle quelle");
    if (TropLonguePourNoter(e.lignes)) return RaisonTropDEvenements();
    const int w = e.cible.width(), h = e.cible.height();
    if (w < 1 || h < 1 || w > kCoteCibleMax || h > kCoteCibleMax ||
        static_cast<std::int64_t>(w) * h > kPixelsCibleMax)
        return Texte("Exercice", "l'image de la coupe est vide ou trop grande");
    return {};
}

std::string VerifierReponse(const Reponse& r) {
    if (std::string m = VerifierNomEleve(r.eleve); !m.empty()) return m;
    if (r.ordre && !OrdreEcrivable(*r.ordre)) return Texte("Exercice", "l'ordre des événements est illisible");
    if (r.lignes.size() > kLignesListeMax)
        //: %1 is a number of lines.
        return Remplir(Texte("Exercice", "la liste des événements dépasse %1 lignes"), {Nombre(kLignesListeMax)});
    if (TexteListe(r.lignes).size() > kOctetsEvenementsMax)
        //: %1 is a number of bytes.
        return Remplir(Texte("Exercice", "la liste des événements dépasse %1 octets"), {Nombre(kOctetsEvenementsMax)});
    if (!RelueALIdentique(r.lignes)) return Texte("Exercice", "une ligne de la liste ne s'écrirait pas telle quelle");
    return {};
}

std::string TexteExercice(const Exercice& e) {
    const std::uint64_t empreinte = EmpreinteExercice(e);
    std::string evenements = TexteListe(e.lignes);
    Melanger(evenements, empreinte);
    std::string o(kMagieExercice);
    Ecrire16(o, kVersionExercice);
    Ecrire16(o, 0);
    Ecrire32(o, static_cast<std::uint32_t>(e.cible.width()));
    Ecrire32(o, static_cast<std::uint32_t>(e.cible.height()));
    Ecrire32(o, static_cast<std::uint32_t>(e.titre.size()));
    Ecrire32(o, static_cast<std::uint32_t>(evenements.size()));
    Ecrire64(o, empreinte);
    Ecrire32(o, e.graineLettres);
    o += e.titre;
    o += evenements;
    o.reserve(o.size() + 3 * e.cible.size() + 4);
    for (std::size_t i = 0; i < e.cible.size(); ++i) {
        const Couleur c = e.cible.data()[i];
        o.push_back(static_cast<char>(c >> 16 & 0xFF));
        o.push_back(static_cast<char>(c >> 8 & 0xFF));
        o.push_back(static_cast<char>(c & 0xFF));
    }
    Ecrire32(o, Crc32(o));
    return o;
}

std::string TexteReponse(const Reponse& r) {
    const std::string evenements = TexteListe(r.lignes);
    std::string o(kMagieReponse);
    Ecrire16(o, r.verifications ? kVersionReponseV3 : r.ordre ? kVersionReponse : 1);
    Ecrire16(o, 0);
    Ecrire64(o, r.exercice);
    Ecrire32(o, static_cast<std::uint32_t>(r.eleve.size()));
    Ecrire32(o, static_cast<std::uint32_t>(evenements.size()));
    if (r.ordre || r.verifications) {
        Ecrire16(o, static_cast<std::uint16_t>(r.ordre ? r.ordre->cartes.size() : 0));
        Ecrire16(o, static_cast<std::uint16_t>(r.ordre ? r.ordre->note : 0));
    }
    if (r.verifications) {
        Ecrire16(o, static_cast<std::uint16_t>(std::clamp(r.verifications->coupe, 0, kVerificationsMax)));
        Ecrire16(o, static_cast<std::uint16_t>(std::clamp(r.verifications->ordre, 0, kVerificationsMax)));
    }
    o += r.eleve;
    o += evenements;
    if (r.ordre)
        for (std::size_t i = 0; i < r.ordre->cartes.size(); ++i) {
            const Justification& j = r.ordre->justifications[i];
            Ecrire16(o, static_cast<std::uint16_t>(r.ordre->cartes[i]));
            Ecrire16(o, static_cast<std::uint16_t>(j.principe));
            Ecrire16(o, j.temoin < 0 ? kSansTemoin : static_cast<std::uint16_t>(j.temoin));
        }
    Ecrire32(o, Crc32(o));
    return o;
}

std::string LireExercice(std::string_view o, Exercice& e) {
    if (std::string r = Entete(o, kMagieExercice, kEnteteExercice, true); !r.empty()) return r;
    const bool v1 = Lire(o, 8, 2) == 1;
    const std::size_t entete = v1 ? kEnteteExerciceV1 : kEnteteExercice;
    const std::uint64_t w = Lire(o, 12, 4), h = Lire(o, 16, 4), t = Lire(o, 20, 4), n = Lire(o, 24, 4);
    if (w < 1 || h < 1 || w > kCoteCibleMax || h > kCoteCibleMax ||
        w * h > static_cast<std::uint64_t>(kPixelsCibleMax))
        //: %1 and %2 are the width and the height the file announces.
        return Remplir(Texte("Exercice", "l'image de la coupe annoncée (%1 x %2 pixels) est vide ou trop grande"),
                       {std::to_string(w), std::to_string(h)});
    if (t > kTitreMax)
        //: %1 is a number of bytes.
        return Remplir(Texte("Exercice", "le titre annoncé dépasse %1 octets"), {Nombre(kTitreMax)});
    if (n < 1 || n > kOctetsEvenementsMax)
        //: %1 is a number of bytes.
        return Remplir(Texte("Exercice", "la liste des événements annoncée est vide ou dépasse %1 octets"),
                       {Nombre(kOctetsEvenementsMax)});
    if (std::string r = Longueur(o, entete + t + n + 3 * w * h + 4); !r.empty()) return r;
    const std::uint64_t empreinte = Lire(o, 28, 8);
    Exercice lu;
    lu.graineLettres = v1 ? GraineLettresParDefaut(empreinte) : static_cast<std::uint32_t>(Lire(o, 36, 4));
    lu.titre = std::string(o.substr(entete, t));
    if (!TexteAffichable(lu.titre))
        return Texte("Exercice", "le titre n'est pas un texte UTF-8 sans caractère de contrôle");
    std::string evenements(o.substr(entete + t, n));
    Melanger(evenements, empreinte);
    if (std::string r = LignesDe(evenements, lu.lignes); !r.empty()) return r;
    if (lu.lignes.empty() || TexteListe(lu.lignes) != evenements)
        return Texte("Exercice", "la liste des événements est abîmée");
    if (TropLonguePourNoter(lu.lignes)) return RaisonTropDEvenements();
    std::vector<Couleur> px(w * h);
    const std::size_t debut = entete + t + n;
    for (std::size_t i = 0; i < px.size(); ++i) {
        const std::size_t a = debut + 3 * i;
        px[i] = Rgb(static_cast<unsigned char>(o[a]), static_cast<unsigned char>(o[a + 1]),
                    static_cast<unsigned char>(o[a + 2]));
    }
    lu.cible = Raster(static_cast<int>(w), static_cast<int>(h), std::move(px));
    if (EmpreinteExercice(lu) != empreinte)
        return Texte("Exercice", "l'empreinte de l'exercice ne correspond pas à son contenu");
    e = std::move(lu);
    return {};
}

std::string LireReponse(std::string_view o, Reponse& r) {
    if (std::string m = Entete(o, kMagieReponse, kEnteteReponse, false); !m.empty()) return m;
    const auto version = Lire(o, 8, 2);
    const bool v2 = version == kVersionReponse, v3 = version == kVersionReponseV3;
    const std::size_t entete = v3 ? kEnteteReponseV3 : v2 ? kEnteteReponseV2 : kEnteteReponse;
    const std::uint64_t p = Lire(o, 20, 4), n = Lire(o, 24, 4);
    const std::uint64_t k = v2 || v3 ? Lire(o, 28, 2) : 0;
    if ((v2 || v3) && (k < (v2 ? 1u : 0u) || k > kCartesMax || Lire(o, 30, 2) > static_cast<std::uint64_t>(kNoteMax)))
        return Texte("Exercice", "l'ordre des événements est illisible");
    if (p < 1 || p > kNomEleveMax)
        //: %1 is a number of bytes.
        return Remplir(Texte("Exercice", "le nom de l'élève annoncé est vide ou dépasse %1 octets"),
                       {Nombre(kNomEleveMax)});
    if (n > kOctetsEvenementsMax)
        //: %1 is a number of bytes.
        return Remplir(Texte("Exercice", "la liste des événements annoncée dépasse %1 octets"),
                       {Nombre(kOctetsEvenementsMax)});
    if (std::string m = Longueur(o, entete + p + n + 6 * k + 4); !m.empty()) return m;
    Reponse lu;
    lu.exercice = Lire(o, 12, 8);
    lu.eleve = std::string(o.substr(entete, p));
    if (!TexteAffichable(lu.eleve) || QueDesEspaces(lu.eleve))
        return Texte("Exercice", "le nom de l'élève n'est pas un texte UTF-8 lisible");
    // A name no answer could have been written with (a right-to-left
    // override, a zero-width space...) is a file made to deceive.
    if (std::string m = VerifierNomEleve(lu.eleve); !m.empty()) return m;
    const std::string_view evenements = o.substr(entete + p, n);
    if (std::string m = LignesDe(evenements, lu.lignes); !m.empty()) return m;
    if (TexteListe(lu.lignes) != evenements) return Texte("Exercice", "la liste des événements est abîmée");
    if (v3) lu.verifications = Verifications{static_cast<int>(Lire(o, 32, 2)), static_cast<int>(Lire(o, 34, 2))};
    if (k > 0) {
        OrdreDonne ordre;
        ordre.note = static_cast<int>(Lire(o, 30, 2));
        for (std::size_t a = entete + p + n, i = 0; i < k; ++i, a += 6) {
            ordre.cartes.push_back(static_cast<int>(Lire(o, a, 2)));
            const auto temoin = Lire(o, a + 4, 2);
            ordre.justifications.push_back({static_cast<PrincipeCite>(std::min<std::uint64_t>(Lire(o, a + 2, 2), 0xFF)),
                                            temoin == kSansTemoin ? -1 : static_cast<int>(temoin)});
        }
        if (!OrdreEcrivable(ordre)) return Texte("Exercice", "l'ordre des événements est illisible");
        lu.ordre = std::move(ordre);
    }
    r = std::move(lu);
    return {};
}

namespace {

std::string LireSelon(const std::string& chemin, std::string& octets) {
    const ErreurFichier e = LireFichier(chemin, kOctetsExerciceMax, octets);
    if (e == ErreurFichier::TropGros)
        //: %1 is a number of bytes.
        return Remplir(Texte("Exercice", "le fichier dépasse %1 octets"), {Nombre(kOctetsExerciceMax)});
    if (e != ErreurFichier::Aucune) return RaisonErreur(e);
    return {};
}

std::string Ecrire(const std::string& chemin, const std::string& octets, const OptionsEcriture& options) {
    const ErreurFichier e = EcrireFichierSur(chemin, octets, options);
    return e == ErreurFichier::Aucune ? std::string() : RaisonErreur(e);
}

}  // namespace

std::string LireFichierExercice(const std::string& chemin, Exercice& e) {
    std::string octets;
    if (std::string r = LireSelon(chemin, octets); !r.empty()) return r;
    return LireExercice(octets, e);
}

std::string LireFichierReponse(const std::string& chemin, Reponse& r) {
    std::string octets;
    if (std::string m = LireSelon(chemin, octets); !m.empty()) return m;
    return LireReponse(octets, r);
}

std::string EcrireFichierExercice(const std::string& chemin, const Exercice& e, const OptionsEcriture& options) {
    if (std::string r = VerifierExercice(e); !r.empty()) return r;
    return Ecrire(chemin, TexteExercice(e), options);
}

std::string EcrireFichierReponse(const std::string& chemin, const Reponse& r, const OptionsEcriture& options) {
    if (std::string m = VerifierReponse(r); !m.empty()) return m;
    return Ecrire(chemin, TexteReponse(r), options);
}

}  // namespace section
