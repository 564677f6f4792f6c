// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a class's files from their bytes.
#include "section/copies.h"

#include <algorithm>
#include <utility>

#include "section/fichiers.h"
#include "section/textes.h"

namespace section {

std::string RaisonCopieTropGrosse() { return Texte("Notes", "le fichier dépasse 16 Mio"); }

namespace {

std::string LireListe(std::string_view octets, Liste& lignes) {
    if (octets.size() > kOctetsCopieMax) return RaisonCopieTropGrosse();
    const ErreurFichier e = LignesDeListe(octets, lignes);
    return e == ErreurFichier::Aucune ? std::string() : RaisonErreur(e);
}

}  // namespace

std::string LireCorrige(std::string_view octets, Corrige& c) {
    if (octets.size() > kOctetsCopieMax) return RaisonCopieTropGrosse();
    if (EstUnExercice(octets)) {
        Exercice e;
        if (std::string r = LireExercice(octets, e); !r.empty()) return r;
        c.lignes = e.lignes;
        c.exercice = std::move(e);
        return {};
    }
    Liste lignes;
    if (std::string r = LireListe(octets, lignes); !r.empty()) return r;
    if (TropLonguePourNoter(lignes)) return RaisonTropDEvenements();
    c.lignes = std::move(lignes);
    c.exercice.reset();
    return {};
}

std::string LireCopie(std::string_view octets, Copie& c) {
    if (octets.size() > kOctetsCopieMax) return RaisonCopieTropGrosse();
    if (EstUneReponse(octets)) {
        Reponse r;
        if (std::string raison = LireReponse(octets, r); !raison.empty()) return raison;
        c.lignes = std::move(r.lignes);
        c.eleve = std::move(r.eleve);
        c.exercice = r.exercice;
        c.ordre = std::move(r.ordre);
        c.verifications = r.verifications;
        return {};
    }
    Liste lignes;
    if (std::string r = LireListe(octets, lignes); !r.empty()) return r;
    c = Copie{};
    c.lignes = std::move(lignes);
    return {};
}

std::optional<std::uint64_t> EmpreinteCorrige(const Corrige& c) {
    if (!c.exercice) return std::nullopt;
    return EmpreinteExercice(*c.exercice);
}

bool NoterCopie(NotationClasse& classe, std::string nom, std::string_view octets) {
    Copie copie;
    if (std::string raison = LireCopie(octets, copie); !raison.empty()) {
        classe.Refuser(std::move(nom), std::move(raison));
        return false;
    }
    return classe.Noter(std::move(nom), std::move(copie.eleve), copie.exercice, copie.lignes, copie.ordre,
                        copie.verifications);
}

bool AvantDansLaClasse(std::string_view a, std::string_view b) {
    const auto bas = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(bas(a[i])), y = static_cast<unsigned char>(bas(b[i]));
        if (x != y) return x < y;
    }
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;
}

void TrierCopies(std::vector<std::string>& noms) {
    std::stable_sort(noms.begin(), noms.end(), [](const std::string& a, const std::string& b) {
        return AvantDansLaClasse(a, b);
    });
}

}  // namespace section
