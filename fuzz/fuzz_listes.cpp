// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the bytes of an event list file, read as the load command
// reads them and replayed on a small section drawn here. The first byte
// picks the section size; it belongs to line 0, which is never replayed.
//
// Checked: written back and read again, the lines come back the same when
// the written text is not taken for UTF-8, and otherwise as many lines
// come back, each converted to Windows-1252; either way every line names
// the same event as before, or none; the replay ends with the section and
// view at their sizes and the list unchanged; and the replay gives the
// same section as the recognised lines applied one by one.
#include <algorithm>
#include <cstdint>
#include <string_view>

#include "section/session.h"
#include "section/liste.h"
#include "section/encodage.h"
#include "textures_essai.h"
#include "verifier.h"

namespace {

using namespace section;

const Textures& TexturesNumero(std::uint8_t choix) {
    static const Textures petites = test::TexturesSimples(160, 120);
    static const Textures etroites = test::TexturesSimples(101, 41);
    static const Textures hautes = test::TexturesSimples(346, 490);
    // The tall section costs ten times the others: one input in eight.
    if (choix % 8 == 7) return hautes;
    return choix % 2 ? etroites : petites;
}

bool SansFinDeLigne(const Ligne& l) {
    return l.find_first_of(std::string_view("\r\n\0", 3)) == Ligne::npos;
}

// Windows-1252 bytes that happen to form UTF-8 ("\xC3\xA9", that is "Ã©")
// are taken for UTF-8 when the list is read again: the exact round trip
// holds only for a text that is not.
void VerifierRelecture(const Liste& liste) {
    const std::string texte = TexteListe(liste);
    const Liste relue = LireListe(texte);
    if (!LuEnUtf8(texte)) {
        VERIFIER(relue == liste);
        return;
    }
    VERIFIER(relue.size() == liste.size());
    for (std::size_t i = 0; i < liste.size() && i < relue.size(); ++i) {
        // A byte-order mark is one only at the start of the text; a space
        // in front keeps a later line's from being taken for one.
        const Ligne attendue = i == 0 ? Cp1252DeUtf8(liste[0]) : Cp1252DeUtf8(" " + liste[i]).substr(1);
        VERIFIER(relue[i] == attendue);
        VERIFIER(relue[i].size() <= liste[i].size());
        VERIFIER(EvenementDeLigne(relue[i]) == EvenementDeLigne(liste[i]));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view octets(reinterpret_cast<const char*>(data), size);
    const Liste liste = LireListe(octets);
    for (const Ligne& l : liste) VERIFIER(SansFinDeLigne(l));
    VerifierRelecture(liste);
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
