// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the bytes of a picture file, given to the program's BMP
// reader as a model or a texture would be. The bytes go through a file,
// since the reader takes a file name.
//
// Checked: a refused file is simply refused; an accepted one has a size the
// reader allows, is written back and read again to the same pixels, and,
// in place of one of the seven textures of a small section, lets every
// event run with the section and view keeping their sizes.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "section/session.h"
#include "section/fichiers.h"
#include "textures_essai.h"
#include "verifier.h"

namespace {

using namespace section;

std::string CheminTemporaire(const char* suffixe) {
    const char* dossier = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    return std::string(dossier) + "/strataloom-fuzz-" + std::to_string(getpid()) + suffixe;
}

const std::string& Entree() {
    static const std::string c = CheminTemporaire(".bmp");
    return c;
}
const std::string& Sortie() {
    static const std::string c = CheminTemporaire("-copie.bmp");
    return c;
}

void Nettoyer() {
    std::remove(Entree().c_str());
    std::remove(Sortie().c_str());
}

bool Ecrire(const std::string& chemin, const std::uint8_t* data, std::size_t size) {
    std::FILE* f = std::fopen(chemin.c_str(), "wb");
    if (!f) return false;
    const bool ok = size == 0 || std::fwrite(data, 1, size, f) == size;
    return std::fclose(f) == 0 && ok;
}

// Every event once, then a second fold and thrust, replayed as a list.
Liste ToutesLesOperations() {
    Liste l{Ligne(kLigneInitiale)};
    for (const TypeEvenement& e : kEvenements) l.emplace_back(e.ligne);
    l.emplace_back(kEvenements[5].ligne);
    l.emplace_back(kEvenements[0].ligne);
    return l;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool pret = [] { return std::atexit(Nettoyer) == 0; }();
    (void)pret;
    if (!Ecrire(Entree(), data, size)) return 0;
    Raster image;
    const std::optional<Raster> lu =
        LireFichierBmp(Entree(), image) == ErreurFichier::Aucune ? std::optional<Raster>(std::move(image)) : std::nullopt;
#ifndef STRATALOOM_LIBFUZZER
    // Replaying the corpus: say what the reader made of each file.
    if (lu)
        std::printf("  lu, %d x %d\n", lu->width(), lu->height());
    else
        std::printf("  refusé\n");
#endif
    if (!lu) return 0;

    const Raster& r = *lu;
    VERIFIER(!r.empty() && r.width() <= 16384 && r.height() <= 16384);
    VERIFIER(static_cast<long long>(r.width()) * r.height() <= kBudgetPixels);
    VERIFIER(r.size() ==
             static_cast<std::size_t>(r.width()) * static_cast<std::size_t>(r.height()));
    const long long pixels = static_cast<long long>(r.width()) * r.height();
    if (pixels > 1 << 20) return 0;

    // Written as the picture save writes it, read back as a model.
    VERIFIER(EcrireFichierSur(Sortie(), EcrireBmp(r)) == ErreurFichier::Aucune);
    Raster relu;
    VERIFIER(LireFichierBmp(Sortie(), relu) == ErreurFichier::Aucune && relu == r);

    // In place of texture number size % 7 of a 160 x 120 section; the
    // section must be one the program accepts (wider than its hidden margin).
    Textures tex = test::TexturesUnies(160, 120);
    TextureNumero(tex, static_cast<int>(size % 7)) = r;
    const int w = tex.ImSedim1.width(), h = tex.ImSedim3.height();
    if (w <= MargeCachee || static_cast<long long>(w) * h > 1 << 20) return 0;
    Session at;
    at.DefinirTextures(std::move(tex));
    VERIFIER(at.Prete());
    at.Charger(ToutesLesOperations());
    VERIFIER(at.section().W() == w && at.section().H() == h);
    VERIFIER(at.vue().width() == w - MargeCachee && at.vue().height() == HauteurVue);
    return 0;
}
