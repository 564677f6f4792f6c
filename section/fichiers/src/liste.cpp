// SPDX-License-Identifier: GPL-3.0-or-later
#include "section/liste.h"

#include "section/encodage.h"

namespace section {

std::vector<std::size_t> LignesNonRejouees(const Liste& liste) {
    std::vector<std::size_t> ignorees;
    for (std::size_t i = 0; i < liste.size(); ++i) {
        const bool rejouee = i == 0 ? liste[i] == kLigneInitiale : EvenementDeLigne(liste[i]).has_value();
        if (!rejouee) ignorees.push_back(i);
    }
    return ignorees;
}

std::string TexteListe(const Liste& liste) {
    std::string t;
    for (const Ligne& l : liste) {
        t += l;
        t += "\r\n";
    }
    return t;
}

namespace {

// Splits Windows-1252 text that holds no NUL.
Liste Decouper(std::string_view octets) {
    Liste lignes;
    std::size_t debut = 0;
    const std::size_t n = octets.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char c = octets[i];
        if (c != '\r' && c != '\n') continue;
        lignes.emplace_back(octets.substr(debut, i - debut));
        if (c == '\r' && i + 1 < n && octets[i + 1] == '\n') ++i;
        debut = i + 1;
    }
    if (debut < n) lignes.emplace_back(octets.substr(debut));
    return lignes;
}

}  // namespace

Liste LireListe(std::string_view octets) {
    const std::size_t nul = octets.find('\0');
    if (nul != std::string_view::npos) octets = octets.substr(0, nul);
    // Converted once: the Windows-1252 result is never examined again.
    if (LuEnUtf8(octets)) return Decouper(Cp1252DeUtf8(octets));
    return Decouper(octets);
}

int RejouerLigne(Section& s, std::string_view ligne) {
    const std::optional<Evenement> e = EvenementDeLigne(ligne);
    if (!e) return 0;
    if (LitLaSurface(*e)) MesureSurface(s);
    OperationsEvenement(s, *e);
    return Tag(*e);
}

void Rejouer(Section& s, const Liste& liste) {
    const std::size_t n = liste.size();
    for (std::size_t i = 1; i < n; ++i) {
        s.DebuterEvenement(static_cast<Formation>(i));  // what line i lays
        RejouerLigne(s, liste[i]);
    }
}

}  // namespace section
