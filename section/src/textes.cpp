// SPDX-License-Identifier: GPL-3.0-or-later
// The translator of the engine's texts and the filling of templates.
#include "section/textes.h"

#include <atomic>

namespace section {

namespace {

// Read at every call, possibly from another thread than the one that
// installs it.
std::atomic<Traducteur> traducteur_{nullptr};

}  // namespace

void DefinirTraducteur(Traducteur traducteur) { traducteur_.store(traducteur); }

std::string Texte(const char* contexte, const char* francais) {
    if (const Traducteur t = traducteur_.load()) return t(contexte, francais);
    return francais;
}

std::string Remplir(std::string_view modele, std::initializer_list<std::string_view> valeurs) {
    std::string r;
    r.reserve(modele.size());
    for (std::size_t i = 0; i < modele.size(); ++i) {
        const char c = modele[i];
        if (c == '%' && i + 1 < modele.size() && modele[i + 1] >= '1' && modele[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(modele[i + 1] - '1');
            if (n < valeurs.size()) {
                r += valeurs.begin()[n];
                ++i;
                continue;
            }
        }
        r += c;
    }
    return r;
}

}  // namespace section
