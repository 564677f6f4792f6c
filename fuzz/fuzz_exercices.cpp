// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the bytes of an exercise file or of a pupil's answer file,
// read as the window and the renderer read them.
//
// Checked: a file read without a reason is one the writers accept, and
// written back it gives the same bytes (the formats have one spelling); a
// file refused gives a reason; an exercise's fingerprint does not depend
// on its title; nothing reads outside the input.
#include <cstdint>
#include <string>
#include <string_view>

#include "section/exercice.h"
#include "verifier.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace section;
    const std::string_view octets(reinterpret_cast<const char*>(data), size);

    Exercice e;
    const std::string raisonExercice = LireExercice(octets, e);
    if (raisonExercice.empty()) {
        VERIFIER(EstUnExercice(octets));
        VERIFIER(VerifierExercice(e).empty());
        VERIFIER(TexteExercice(e) == octets);
        Exercice autre = e;
        autre.titre = e.titre.empty() ? "titre" : "";
        VERIFIER(EmpreinteExercice(autre) == EmpreinteExercice(e));
    }

    Reponse r;
    const std::string raisonReponse = LireReponse(octets, r);
    if (raisonReponse.empty()) {
        VERIFIER(EstUneReponse(octets));
        VERIFIER(VerifierReponse(r).empty());
        VERIFIER(TexteReponse(r) == octets);
    }
    // One file is never both.
    VERIFIER(!(raisonExercice.empty() && raisonReponse.empty()));
    return 0;
}
