// SPDX-License-Identifier: GPL-3.0-or-later
// One pupil's session: the section, the event list, the single-level undo
// and the availability of the commands. The window, the renderer and the
// browser edition all work through this class; none of them touches the
// section's rasters directly.
#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>
#include <functional>
#include <string>

#include "section/evenements.h"
#include "section/formations.h"
#include "section/legende.h"
#include "section/textures.h"
#include "section/disponibilite.h"

namespace section {

// What the state report holds: the surface extent, the fold factors, the
// top of the red band, the list, the enabled commands and the formations
// seen in the view.
struct FormationVue {
    Formation indice;  // the list line of the event that laid it
    Ligne evenement;   // that line
    int pixels;        // its pixels in the view
};

struct EtatSession {
    int SurfaceBas = 0;
    int SurfaceHaut = 0;
    double FacteurPli = 1.0;
    double FacteurPliPrec = 0.0;
    int HautSocle = 0;
    Liste lignes;
    Disponibilite commandes;
    std::vector<FormationVue> formations;  // by index; empty pixels not counted
};

class Session {
public:
    Session() = default;

    // The texture set the next reset lays the section from. A set that
    // VerifierTextures refuses leaves the session without a section: every
    // command is off until a good set is given.
    void DefinirTextures(Textures t);
    const Textures& textures() const { return sec_.tex; }
    // True when the textures make a section the commands can work on.
    bool Prete() const { return prete_; }

    // Whether the section keeps, for each pixel, the index in the list of
    // the event that laid it (on by default; from the next reset on). The
    // colours are the same either way.
    void SuivreFormations(bool oui) { formations_ = oui; }
    bool SuitFormations() const { return formations_; }

    // The section reset: base layer, the list back to its single
    // "Sédimentation", undo off, fold factor 1.0, view and availability.
    void Reinitialiser();
    // The interactive road of one event: undo snapshot, the operations
    // (measuring the surface first where they read it), the list line, the
    // view and the availability. Does nothing when the session is not ready.
    // Availability is the caller's to respect: the engine applies any kind.
    void Appliquer(Evenement e);
    // Takes the last event back (picture, its fold-factor step, its list
    // line); false when there is nothing to undo.
    bool Annuler();
    // Reset, then `lignes` becomes the list and lines 1..n-1 are replayed
    // without availability checks, undo or display in between.
    void Charger(Liste lignes);
    // The same replay, one line at a time: `vue` sees the view after the
    // reset (step 0) and after each line i >= 1 (step i), and stops the
    // replay by returning false. A replay that runs to its end leaves the
    // session as Charger does. Returns false when stopped early.
    bool PourChaqueEtape(Liste lignes, const std::function<bool(int etape, const Raster& vue)>& vue);

    const Liste& liste() const { return liste_; }
    const Raster& vue() const { return sec_.Visu; }
    const Raster& observe() const { return sec_.Observe; }
    const Section& section() const { return sec_; }
    bool annulable() const { return annulable_; }
    const Disponibilite& disponibilite() const { return dispo_; }
    bool Disponible(Evenement e) const { return dispo_[e]; }
    // Why kind e's command is off, one of the reasons of disponibilite.h;
    // empty when it is on. Without its pictures the session makes no
    // section, and every command is off for raison::SansCoupe.
    std::string_view RaisonRefus(Evenement e) const { return prete_ ? dispo_.Raison(e) : raison::SansCoupe; }

    EtatSession Etat() const;

    // The seed the letters of the formations are shuffled by (see
    // LettresFormations): set when an exercise is opened, kept by reset,
    // undo and replay, so that every view of one exercise shows the same
    // letters. Until set, or once forgotten, it is drawn from the list
    // (GraineLettresDeSession), so that a plain list shows the same letters
    // wherever it is drawn.
    void DefinirGraineLettres(std::uint32_t graine) { graineLettres_ = graine; }
    void OublierGraineLettres() { graineLettres_.reset(); }
    std::uint32_t GraineLettres() const;
    // The seed the layers' rocks are drawn from (RocheDeCouche): the
    // exercise's letter seed once set, 0 outside an exercise, so that a
    // list shows the same rocks wherever it is drawn.
    std::uint32_t GraineRoches() const { return graineLettres_.value_or(0); }
    // The colours of each band of the starting series (BandesDeDepart of
    // the textures), read once when the textures are set.
    const std::vector<std::vector<Couleur>>& BandesDepart() const { return bandes_; }

    // The letters of the model the pupil rebuilds here (an exercise):
    // a formation whose identity (IdentiteFormation) the model shows takes
    // the model's letter, the others the letters after the model's, so that
    // « la couche D » names one layer in both sections while the pupil
    // builds. Kept by reset, undo and replay; empty outside an exercise,
    // where the letters come from the view alone (LettresFormations).
    void DefinirLettresDuModele(std::vector<RangModele> rangs) { lettresModele_ = std::move(rangs); }
    const std::vector<RangModele>& LettresDuModele() const { return lettresModele_; }

    // What each line of the list laid, index for index with liste().
    const std::vector<Depot>& depots() const { return depots_; }
    // The legend of the formations in the view, by letter; empty without a
    // formation plane (see LireVueLegende, which gives the rest of it).
    std::vector<EntreeLegende> Legende() const;

private:
    void Rafraichir();  // view, then availability
    // Replays line i of the list, noting what it lays.
    void RejouerDepot(std::size_t i);

    Section sec_;
    Liste liste_{Ligne(kLigneInitiale)};
    std::vector<Depot> depots_{Depot::SerieDeDepart};
    Raster tempo_;  // undo snapshot
    bool annulable_ = false;
    bool prete_ = false;
    bool formations_ = true;
    std::optional<std::uint32_t> graineLettres_;
    mutable std::optional<std::pair<Liste, std::uint32_t>> graineDeLaListe_;  // the seed a list without one takes
    std::vector<std::vector<Couleur>> bandes_;
    std::vector<RangModele> lettresModele_;
    Disponibilite dispo_{};
};

// The state report as JSON text (UTF-8, keys in order, four-space indent),
// the form the renderer's --state writes.
std::string EtatJson(const EtatSession& e);

// The letter seed a list or an exercise file without one (version 1)
// takes from its fingerprint.
std::uint32_t GraineLettresParDefaut(std::uint64_t empreinte);

// The letter seed of a plain list as the session shows it, drawn from the
// list's bytes: the same list shows the same letters in every front end.
std::uint32_t GraineLettresDeSession(const Session& s);

}  // namespace section
