// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the bytes of an exercise file or of a pupil's answer file,
// read as the window and the renderer read them.
//
// Checked: a file read without a reason is one the writers accept, and
// written back it gives the same bytes (the formats have one spelling); a
// file refused gives a reason; an exercise's fingerprint does not depend
// on its title; nothing reads outside the input.
//
// Under libFuzzer, every mutated input that begins as an exercise or an
// answer gets its CRC (and an exercise its fingerprint, the events mixed
// again with it) computed again, so that the fields behind these checks
// (titles, names, lists, pictures) are fuzzed too, not only the seeds.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "section/exercice.h"
#include "verifier.h"

#ifdef STRATALOOM_LIBFUZZER
namespace {

std::uint64_t Lire(const std::string& o, std::size_t a, int octets) {
    std::uint64_t v = 0;
    for (int i = octets - 1; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(o[a + static_cast<std::size_t>(i)]);
    return v;
}

void Ecrire(std::string& o, std::size_t a, std::uint64_t v, int octets) {
    for (int i = 0; i < octets; ++i) o[a + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// The exercise's fingerprint computed from what the file holds, the events
// mixed again with it; nothing when the sizes announced do not fit.
void RecalerEmpreinte(std::string& o) {
    // Version 1 has no letter seed before the title.
    if (o.size() < 10) return;
    const std::size_t kEntete = Lire(o, 8, 2) == 1 ? 36 : 40;
    if (o.size() < kEntete + 4) return;
    const std::uint64_t w = Lire(o, 12, 4), h = Lire(o, 16, 4), t = Lire(o, 20, 4), n = Lire(o, 24, 4);
    if (w < 1 || h < 1 || w > 4096 || h > 4096 || t > o.size() || n > o.size() ||
        kEntete + t + n + 3 * w * h + 4 != o.size())
        return;
    section::Exercice e;
    e.titre = o.substr(kEntete, t);
    std::string evenements = o.substr(kEntete + t, n);
    section::MelangerEvenements(evenements, Lire(o, 28, 8));
    if (section::LignesDeListe(evenements, e.lignes) != section::ErreurFichier::Aucune) return;
    std::vector<section::Couleur> px(w * h);
    for (std::size_t i = 0; i < px.size(); ++i) {
        const std::size_t a = kEntete + t + n + 3 * i;
        px[i] = section::Rgb(static_cast<unsigned char>(o[a]), static_cast<unsigned char>(o[a + 1]),
                             static_cast<unsigned char>(o[a + 2]));
    }
    e.cible = section::Raster(static_cast<int>(w), static_cast<int>(h), std::move(px));
    const std::uint64_t empreinte = section::EmpreinteExercice(e);
    section::MelangerEvenements(evenements, empreinte);
    o.replace(kEntete + t, n, evenements);
    Ecrire(o, 28, empreinte, 8);
}

}  // namespace

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t max);

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size, std::size_t max,
                                               unsigned int) {
    size = LLVMFuzzerMutate(data, size, max);
    std::string o(reinterpret_cast<const char*>(data), size);
    const bool exercice = section::EstUnExercice(o);
    if ((!exercice && !section::EstUneReponse(o)) || o.size() < 32) return size;
    if (exercice) RecalerEmpreinte(o);
    Ecrire(o, o.size() - 4, section::Crc32(std::string_view(o).substr(0, o.size() - 4)), 4);
    std::memcpy(data, o.data(), o.size());
    return o.size();
}
#endif

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace section;
    const std::string_view octets(reinterpret_cast<const char*>(data), size);

    Exercice e;
    const std::string raisonExercice = LireExercice(octets, e);
    if (raisonExercice.empty()) {
        VERIFIER(EstUnExercice(octets));
        VERIFIER(VerifierExercice(e).empty());
        if (static_cast<unsigned char>(octets[8]) == 2) {
            VERIFIER(TexteExercice(e) == octets);
        } else {
            // A version 1 file is written again as version 2, seed and all.
            Exercice relu;
            VERIFIER(LireExercice(TexteExercice(e), relu).empty());
            VERIFIER(relu.lignes == e.lignes && relu.titre == e.titre && relu.graineLettres == e.graineLettres);
            VERIFIER(relu.graineLettres == GraineLettresParDefaut(EmpreinteExercice(e)));
        }
        Exercice autre = e;
        autre.graineLettres = ~e.graineLettres;
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
