// SPDX-License-Identifier: GPL-3.0-or-later
#include "section/lien_exercice.h"

#include <array>
#include <cstdint>

#include "section/exercice_session.h"
#include "section/fichiers.h"
#include "section/liste.h"
#include "section/session.h"
#include "section/textes.h"

namespace section {

namespace {

constexpr std::string_view kMagie = "SLX1";
constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

void Ajouter(std::string& o, std::uint64_t v, int octets) {
    for (int i = 0; i < octets; ++i) o += static_cast<char>((v >> (8 * i)) & 0xFFu);
}

std::uint64_t Lire(std::string_view o, std::size_t depuis, int octets) {
    std::uint64_t v = 0;
    for (int i = 0; i < octets; ++i) v |= static_cast<std::uint64_t>(static_cast<unsigned char>(o[depuis + i])) << (8 * i);
    return v;
}

std::string Base64Url(std::string_view octets) {
    std::string t;
    t.reserve((octets.size() * 4 + 2) / 3);
    std::uint32_t reserve = 0;
    int bits = 0;
    for (const char c : octets) {
        reserve = (reserve << 8) | static_cast<unsigned char>(c);
        bits += 8;
        while (bits >= 6) {
            bits -= 6;
            t += kAlphabet[(reserve >> bits) & 63u];
        }
    }
    if (bits > 0) t += kAlphabet[(reserve << (6 - bits)) & 63u];
    return t;
}

// The bytes of a base64url text without padding; false on any other
// character or on a length no encoding gives.
bool DeBase64Url(std::string_view texte, std::string& octets) {
    if (texte.size() % 4 == 1) return false;
    std::array<int, 256> valeur{};
    valeur.fill(-1);
    for (std::size_t i = 0; i < kAlphabet.size(); ++i) valeur[static_cast<unsigned char>(kAlphabet[i])] = static_cast<int>(i);
    std::uint32_t reserve = 0;
    int bits = 0;
    for (const char c : texte) {
        const int v = valeur[static_cast<unsigned char>(c)];
        if (v < 0) return false;
        reserve = (reserve << 6) | static_cast<std::uint32_t>(v);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            octets += static_cast<char>((reserve >> bits) & 0xFFu);
        }
    }
    return true;
}

std::string PasUnLien() { return Texte("LienExercice", "ce lien ne contient pas d'exercice"); }

}  // namespace

std::string TexteLienExercice(const Exercice& e) {
    const std::string liste = TexteListe(e.lignes);
    if (liste.empty() || liste.size() > kOctetsListeLien || e.titre.size() > kTitreMax) return {};
    std::string o(kMagie);
    Ajouter(o, liste.size(), 2);
    o += liste;
    Ajouter(o, e.titre.size(), 1);
    o += e.titre;
    Ajouter(o, e.graineLettres, 4);
    Ajouter(o, EmpreinteExercice(e), 8);
    return Base64Url(o);
}

std::string LireLienExercice(std::string_view texte, const Textures& textures, Exercice& e) {
    if (texte.size() > kCaracteresLienMax) return Texte("LienExercice", "le lien est trop long");
    std::string o;
    if (!DeBase64Url(texte, o) || o.size() < 6 || std::string_view(o).substr(0, 4) != kMagie) return PasUnLien();
    const std::size_t n = Lire(o, 4, 2);
    if (n == 0 || n > kOctetsListeLien) return PasUnLien();
    if (o.size() < 7 + n) return Texte("LienExercice", "le lien est tronqué");
    const std::size_t t = Lire(o, 6 + n, 1);
    if (t > kTitreMax) return PasUnLien();
    if (o.size() < 19 + n + t) return Texte("LienExercice", "le lien est tronqué");
    if (o.size() > 19 + n + t) return PasUnLien();
    Liste lignes;
    if (LignesDeListe(std::string_view(o).substr(6, n), lignes) != ErreurFichier::Aucune || lignes.empty())
        return PasUnLien();
    Session s;
    s.DefinirTextures(textures);
    if (!s.Prete()) return Texte("LienExercice", "la coupe du lien ne peut pas être refaite ici");
    s.Charger(std::move(lignes));
    Exercice lu;
    if (const std::string raison = ExerciceDeSession(s, o.substr(7 + n, t), lu); !raison.empty()) return raison;
    lu.graineLettres = static_cast<std::uint32_t>(Lire(o, 7 + n + t, 4));
    if (EmpreinteExercice(lu) != Lire(o, 11 + n + t, 8))
        return Texte("LienExercice",
                     "ce lien a été fait avec d'autres images de roches, ou il est abîmé : sa coupe ne peut pas être "
                     "refaite ici");
    e = std::move(lu);
    return {};
}

}  // namespace section
