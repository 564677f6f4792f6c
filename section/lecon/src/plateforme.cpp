// SPDX-License-Identifier: GPL-3.0-or-later
#include "section/plateforme.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "section/evenements.h"
#include "section/justification.h"
#include "section/notation_classe.h"
#include "section/note.h"
#include "section/ordre.h"
#include "section/textes.h"

namespace section {

namespace {

constexpr std::string_view kMagie = "SLR1";
// With the checks counted: two more fields before the check sum.
constexpr std::string_view kMagieV2 = "SLR2";
// The letter of each kind, by tag (1 .. 7).
constexpr std::string_view kLettres = "SVEPCHD";
constexpr std::string_view kChiffresCarte = "123456789abcdefghijklmnopqrstuvwxyz";
constexpr std::string_view kHexa = "0123456789abcdef";

std::string Hexa(std::uint64_t v, int chiffres) {
    std::string t(static_cast<std::size_t>(chiffres), '0');
    for (int i = chiffres - 1; i >= 0; --i, v >>= 4) t[static_cast<std::size_t>(i)] = kHexa[v & 15u];
    return t;
}

// Exactly `chiffres` lowercase hexadecimal digits.
bool LireHexa(std::string_view t, std::size_t chiffres, std::uint64_t& v) {
    if (t.size() != chiffres) return false;
    v = 0;
    for (const char c : t) {
        const std::size_t k = kHexa.find(c);
        if (k == std::string_view::npos) return false;
        v = (v << 4) | k;
    }
    return true;
}

// A decimal number without leading zeros, at most `max`.
bool LireEntier(std::string_view t, int max, int& v) {
    if (t.empty() || t.size() > 6 || (t.size() > 1 && t[0] == '0')) return false;
    v = 0;
    for (const char c : t) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
    }
    return v <= max;
}

std::vector<std::string_view> Couper(std::string_view t, char separateur) {
    std::vector<std::string_view> parts;
    for (std::size_t debut = 0;;) {
        const std::size_t fin = t.find(separateur, debut);
        parts.push_back(t.substr(debut, fin == std::string_view::npos ? std::string_view::npos : fin - debut));
        if (fin == std::string_view::npos) return parts;
        debut = fin + 1;
    }
}

// 1 .. kCartesMax cards, each a list index once, a known principle and a
// formation or none for each.
bool OrdreGardable(const OrdreDonne& o) {
    if (o.cartes.empty() || o.cartes.size() > kCartesMax || o.justifications.size() != o.cartes.size()) return false;
    std::vector<bool> vue(kCartesMax + 1, false);
    for (std::size_t i = 0; i < o.cartes.size(); ++i) {
        const int c = o.cartes[i];
        if (c < 1 || c > static_cast<int>(kCartesMax) || vue[static_cast<std::size_t>(c)]) return false;
        vue[static_cast<std::size_t>(c)] = true;
        const int p = static_cast<int>(o.justifications[i].principe);
        const int t = o.justifications[i].temoin;
        if (p < 0 || p > static_cast<int>(PrincipeCite::Discordance)) return false;
        if (t != -1 && (t < 0 || t > static_cast<int>(kCartesMax))) return false;
    }
    return true;
}

std::string Illisible() { return Texte("Reprise", "le travail gardé est illisible"); }

bool LireOrdre(std::string_view t, std::optional<OrdreDonne>& ordre) {
    ordre.reset();
    if (t.empty()) return true;
    OrdreDonne o;
    for (const std::string_view carte : Couper(t, ',')) {
        const std::vector<std::string_view> champs = Couper(carte, ':');
        int c = 0, p = 0, f = -1;
        if (champs.size() != 3 || !LireEntier(champs[0], static_cast<int>(kCartesMax), c) ||
            !LireEntier(champs[1], static_cast<int>(PrincipeCite::Discordance), p) ||
            (!champs[2].empty() && !LireEntier(champs[2], static_cast<int>(kCartesMax), f)))
            return false;
        o.cartes.push_back(c);
        o.justifications.push_back({static_cast<PrincipeCite>(p), f});
        if (o.cartes.size() > kCartesMax) return false;
    }
    if (!OrdreGardable(o)) return false;
    ordre = std::move(o);
    return true;
}

}  // namespace

std::string TexteReprise(const Reprise& r, std::string& raison) {
    raison.clear();
    const bool comptes = r.verifications != Verifications{} || r.graine.has_value();
    std::string t(comptes ? kMagieV2 : kMagie);
    t += '.';
    t += Hexa(r.exercice, 16);
    t += '.';
    const bool depart = !r.lignes.empty() && r.lignes.front() == kLigneInitiale;
    for (std::size_t i = 1; depart && i < r.lignes.size(); ++i) {
        const int tag = TagDeLigne(r.lignes[i]);
        if (tag == 0) break;
        t += kLettres[static_cast<std::size_t>(tag - 1)];
    }
    if (!depart || t.size() != 22 + r.lignes.size() - 1) {
        raison = Texte("Reprise",
                       "ta liste contient une ligne qui ne nomme aucun événement : la plateforme ne peut pas la garder");
        return {};
    }
    t += '.';
    if (r.ordre) {
        if (!OrdreGardable(*r.ordre)) {
            raison = Texte("Reprise", "l'ordre vérifié ne peut pas être gardé par la plateforme");
            return {};
        }
        for (std::size_t i = 0; i < r.ordre->cartes.size(); ++i) {
            const Justification& j = r.ordre->justifications[i];
            if (i > 0) t += ',';
            t += std::to_string(r.ordre->cartes[i]) + ':' + std::to_string(static_cast<int>(j.principe)) + ':' +
                 (j.temoin < 0 ? std::string() : std::to_string(j.temoin));
            if (t.size() > kCaracteresRepriseMax) break;
        }
    }
    t += '.';
    if (comptes)
        t += std::to_string(std::clamp(r.verifications.coupe, 0, kVerificationsMax)) + '.' +
             std::to_string(std::clamp(r.verifications.ordre, 0, kVerificationsMax)) + '.' +
             (r.graine ? Hexa(*r.graine, 8) : std::string()) + '.';
    if (t.size() + 8 > kCaracteresRepriseMax) {
        //: %1 is the most characters a learning platform keeps.
        raison = Remplir(Texte("Reprise", "ton travail dépasse les %1 caractères que la plateforme garde"),
                         {std::to_string(kCaracteresRepriseMax)});
        return {};
    }
    t += Hexa(Crc32(t), 8);
    return t;
}

std::string LireReprise(std::string_view texte, std::uint64_t exercice, Reprise& r) {
    if (texte.size() > kCaracteresRepriseMax) return Texte("Reprise", "le travail gardé est trop long");
    const bool v2 = texte.substr(0, kMagieV2.size() + 1) == std::string(kMagieV2) + '.';
    if (!v2 && texte.substr(0, kMagie.size() + 1) != std::string(kMagie) + '.')
        return Texte("Reprise", "le travail gardé par la plateforme n'est pas un travail de Strataloom");
    const std::size_t dernier = texte.rfind('.');
    std::uint64_t crc = 0;
    if (!LireHexa(texte.substr(dernier + 1), 8, crc) || Crc32(texte.substr(0, dernier + 1)) != crc)
        return Texte("Reprise", "le travail gardé est abîmé (la somme de contrôle ne correspond pas)");
    const std::vector<std::string_view> champs = Couper(texte.substr(0, dernier), '.');
    Reprise lu;
    if (champs.size() != (v2 ? 7u : 4u) || !LireHexa(champs[1], 16, lu.exercice)) return Illisible();
    if (v2 && (!LireEntier(champs[4], kVerificationsMax, lu.verifications.coupe) ||
               !LireEntier(champs[5], kVerificationsMax, lu.verifications.ordre)))
        return Illisible();
    if (v2 && !champs[6].empty()) {
        std::uint64_t graine = 0;
        if (!LireHexa(champs[6], 8, graine)) return Illisible();
        lu.graine = static_cast<std::uint32_t>(graine);
    }
    lu.lignes.emplace_back(kLigneInitiale);
    for (const char c : champs[2]) {
        const std::size_t k = kLettres.find(c);
        if (k == std::string_view::npos) return Illisible();
        lu.lignes.emplace_back(EvenementParTag(static_cast<int>(k) + 1)->ligne);
    }
    if (!LireOrdre(champs[3], lu.ordre)) return Illisible();
    if (lu.exercice != exercice) return Texte("Reprise", "le travail gardé est celui d'un autre exercice");
    r = std::move(lu);
    return {};
}

int NotePlateforme(int coupe, bool avecOrdre, std::optional<int> ordre) {
    coupe = std::clamp(coupe, 0, kNoteMax);
    if (!avecOrdre) return coupe;
    return (coupe + std::clamp(ordre.value_or(0), 0, kNoteMax) + 1) / 2;
}

BilanPlateforme BilanDuTravail(const Session& modele, const Chronologie& c, const Session& eleve,
                               const std::optional<OrdreDonne>& ordre) {
    BilanPlateforme b;
    b.coupe = Noter(modele, c, eleve).points;
    b.avecOrdre = CartesDuModele(modele, 0).size() >= 2;
    if (b.avecOrdre && ordre) b.ordre = NoteOrdreDonne(modele, c, *ordre);
    b.note = NotePlateforme(b.coupe, b.avecOrdre, b.ordre);
    return b;
}

std::string TexteRendu(const BilanPlateforme& b) {
    if (!b.avecOrdre)
        //: %1 is the mark out of 20.
        return Remplir(Texte("Page", "Ton travail est rendu à la plateforme. Note de ta coupe : %1/20."),
                       {std::to_string(b.coupe)});
    if (!b.ordre)
        //: %1 the section's mark, %2 the mark sent (the mean, the order counting 0), out of 20.
        return Remplir(Texte("Page", "Ton travail est rendu à la plateforme. Note de ta coupe : %1/20 ; ordre non "
                                     "fait : 0/20 ; note transmise (la moyenne des deux) : %2/20."),
                       {std::to_string(b.coupe), std::to_string(b.note)});
    //: %1 the section's mark, %2 the order's, %3 the mark sent (their mean), out of 20.
    return Remplir(Texte("Page", "Ton travail est rendu à la plateforme. Note de ta coupe : %1/20 ; note de ton "
                                 "ordre : %2/20 ; note transmise (la moyenne des deux) : %3/20."),
                   {std::to_string(b.coupe), std::to_string(*b.ordre), std::to_string(b.note)});
}

std::string ScorePlateforme(int points) { return std::to_string(std::clamp(points, 0, kNoteMax)); }

bool Reussi(int points, std::string_view maitrise, double seuil) {
    // A mastery score "m" or "m.f" (at most six digits each side), compared
    // exactly: points >= m.f  <=>  points * 10^k >= mf.
    const std::size_t point = maitrise.find('.');
    const std::string_view entier = maitrise.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : maitrise.substr(point + 1);
    const auto chiffres = [](std::string_view t) {
        return !t.empty() && t.size() <= 6 && std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (chiffres(entier) && (point == std::string_view::npos || chiffres(fraction))) {
        std::int64_t m = 0, echelle = 1;
        for (const char c : entier) m = m * 10 + (c - '0');
        for (const char c : fraction) {
            m = m * 10 + (c - '0');
            echelle *= 10;
        }
        return static_cast<std::int64_t>(points) * echelle >= m;
    }
    if (!(seuil >= 0 && seuil <= kNoteMax)) seuil = kNoteMax / 2.0;
    return points >= seuil;
}

std::string ReponseSequence(const std::vector<int>& cartes) {
    std::string t;
    for (const int c : cartes) {
        if (c < 1 || c > static_cast<int>(kChiffresCarte.size())) return {};
        if (!t.empty()) t += ',';
        t += kChiffresCarte[static_cast<std::size_t>(c - 1)];
    }
    return t;
}

std::string DureePlateforme(double secondes) {
    constexpr long long kMax = 9999LL * 3600 + 59 * 60 + 59;
    const long long s = secondes >= 0 ? std::min(static_cast<long long>(std::min(secondes, 1e12)), kMax) : 0;
    char t[32];
    std::snprintf(t, sizeof t, "%02d:%02d:%02d", static_cast<int>(s / 3600), static_cast<int>(s / 60 % 60),
                  static_cast<int>(s % 60));
    return t;
}

}  // namespace section
