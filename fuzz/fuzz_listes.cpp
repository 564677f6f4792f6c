// Fuzz target: the bytes of an event list file, read as the load command
// reads them and replayed on a small section drawn here. The first byte
// picks the section size; it belongs to line 0, which is never replayed.
//
// Checked: the lines read survive a write and a read back; the replay ends
// with the section and view at their sizes and the list unchanged; and the
// replay gives the same section as the recognised lines applied one by one.
#include <algorithm>
#include <cstdint>
#include <string_view>

#include "section/session.h"
#include "verifier.h"

namespace {

using namespace section;

Raster Bandes(int w, int h, Couleur a, Couleur b, int pas) {
    Raster r(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) r.row(y)[x] = (y / pas) % 2 ? a : b;
    return r;
}

// A disc, white in the mask and coloured in the picture.
Raster Corps(int w, int h, bool masque, Couleur couleur) {
    Raster r(w, h, masque ? kNoir : kBlanc);
    const long long cx = w / 2, cy = h / 2, r2 = std::min(cx, cy) * std::min(cx, cy);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= r2)
                r.row(y)[x] = masque ? kBlanc : couleur;
    return r;
}

Textures Dessiner(int w, int h) {
    Textures t;
    t.ImSedim1 = Bandes(w, h / 3 + 1, Rgb(200, 160, 90), Rgb(120, 90, 60), 7);
    t.ImSedim2 = Bandes(w, 12, Rgb(230, 200, 120), Rgb(210, 180, 100), 3);
    t.ImSedim3 = Bandes(w, h, Rgb(180, 180, 160), Rgb(160, 160, 140), 5);
    t.ImGranit = Corps(w / 4, h / 2, false, Rgb(240, 120, 170));
    t.ImGranit0 = Corps(w / 4, h / 2, true, 0);
    t.ImCoulee = Corps(w / 3, 30, false, Rgb(60, 60, 60));
    t.ImCoulee0 = Corps(w / 3, 30, true, 0);
    return t;
}

const Textures& TexturesNumero(std::uint8_t choix) {
    static const Textures petites = Dessiner(160, 120);
    static const Textures etroites = Dessiner(101, 41);
    static const Textures hautes = Dessiner(346, 490);
    // The tall section costs ten times the others: one input in eight.
    if (choix % 8 == 7) return hautes;
    return choix % 2 ? etroites : petites;
}

bool SansFinDeLigne(const Ligne& l) {
    return l.find_first_of(std::string_view("\r\n\0", 3)) == Ligne::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view octets(reinterpret_cast<const char*>(data), size);
    const Liste liste = LireListe(octets);
    for (const Ligne& l : liste) VERIFIER(SansFinDeLigne(l));
    VERIFIER(LireListe(TexteListe(liste)) == liste);
    // The replay is bounded by the list; keep each run short, and the
    // section taller than the view for short lists only.
    if (liste.size() > 100) return 0;
    const std::uint8_t choix = size ? data[0] : 0;
    if (liste.size() > 16 && choix % 8 == 7) return 0;

    const Textures& tex = TexturesNumero(choix);
    Session charge;
    charge.DefinirTextures(tex);
    charge.Charger(liste);
    const int w = tex.ImSedim1.width(), h = tex.ImSedim3.height();
    VERIFIER(charge.section().W() == w && charge.section().H() == h);
    VERIFIER(charge.vue().width() == w - MargeCachee && charge.vue().height() == HauteurVue);
    VERIFIER(charge.liste() == liste);
    VERIFIER(!charge.annulable());
    VERIFIER(charge.section().FacteurPli == 1.0 || charge.section().FacteurPli == 1.75);

    Session unParUn;
    unParUn.DefinirTextures(tex);
    unParUn.Reinitialiser();
    for (std::size_t i = 1; i < liste.size(); ++i)
        if (const std::optional<Evenement> e = EvenementDeLigne(liste[i])) unParUn.Appliquer(*e);
    VERIFIER(unParUn.observe() == charge.observe());
    VERIFIER(unParUn.vue() == charge.vue());
    VERIFIER(unParUn.section().FacteurPli == charge.section().FacteurPli);
    return 0;
}
