// SPDX-License-Identifier: GPL-3.0-or-later
// One pupil's session: reset, events, undo, list replay and the state report.
#include "section/session.h"
#include "section/disponibilite.h"
#include "section/liste.h"
#include "section/encodage.h"
#include "section/legende_vue.h"
#include "section/json.h"

namespace section {

std::uint32_t GraineLettresParDefaut(std::uint64_t empreinte) {
    return static_cast<std::uint32_t>(empreinte & 0xFFFFFFFFu);
}

std::uint32_t GraineLettresDeSession(const Session& s) {
    // FNV-1a of the list's file bytes: the list alone fixes the view.
    std::uint64_t h = 0xCBF29CE484222325ull;
    for (const unsigned char c : TexteListe(s.liste())) {
        h ^= c;
        h *= 0x100000001B3ull;
    }
    return GraineLettresParDefaut(h);
}

std::uint32_t Session::GraineLettres() const {
    if (graineLettres_) return *graineLettres_;
    // Hashing the view is worth keeping while the list stays the same.
    if (!graineDeLaListe_ || graineDeLaListe_->first != liste_)
        graineDeLaListe_ = std::pair(liste_, GraineLettresDeSession(*this));
    return graineDeLaListe_->second;
}

void Session::DefinirTextures(Textures t) {
    sec_.tex = std::move(t);
    prete_ = !VerifierTextures(sec_.tex).has_value();
    bandes_ = BandesDeDepart(sec_.tex.ImSedim1);
    graineDeLaListe_.reset();
}

void Session::Rafraichir() {
    AfficheProfil(sec_);
    dispo_ = MajBoutons(sec_, liste_);
}

void Session::Reinitialiser() {
    annulable_ = false;
    liste_.assign(1, Ligne(kLigneInitiale));
    depots_.assign(1, Depot::SerieDeDepart);
    if (!prete_) {
        // Nothing may run on pictures that are not there.
        dispo_.Tout(false);
        return;
    }
    if (formations_) {
        sec_.Observe.ActiverFormations();
    } else {
        sec_.Observe.RetirerFormations();
    }
    InitSection(sec_);  // the base layer is formation 0
    Rafraichir();
}

void Session::Appliquer(Evenement e) {
    if (!prete_) return;
    tempo_.ReplacePicture(sec_.Observe);
    annulable_ = true;
    if (LitLaSurface(e)) MesureSurface(sec_);
    // What the event lays is the formation of the line it appends.
    sec_.DebuterEvenement(static_cast<Formation>(liste_.size()));
    depots_.push_back(DepotDe(e));
    OperationsEvenement(sec_, e);
    liste_.emplace_back(Type(e).ligne);
    Rafraichir();
}

bool Session::Annuler() {
    if (!annulable_ || tempo_.empty()) return false;
    annulable_ = false;
    sec_.Observe.ReplacePicture(tempo_);
    if (!liste_.empty()) {
        const std::optional<Evenement> e = EvenementDeLigne(liste_.back());
        if (e && Plie(*e)) sec_.FacteurPli = sec_.FacteurPliPrec;
        liste_.pop_back();
        if (!depots_.empty()) depots_.pop_back();
    }
    dispo_ = MajBoutons(sec_, liste_);
    AfficheProfil(sec_);
    return true;
}

void Session::Charger(Liste lignes) {
    Reinitialiser();
    liste_ = std::move(lignes);
    depots_.assign(liste_.empty() ? 0 : 1, Depot::SerieDeDepart);
    if (!prete_) return;
    for (std::size_t i = 1; i < liste_.size(); ++i) RejouerDepot(i);
    Rafraichir();
}

bool Session::PourChaqueEtape(Liste lignes,
                              const std::function<bool(int etape, const Raster& vue)>& vue) {
    Reinitialiser();
    liste_ = std::move(lignes);
    depots_.assign(liste_.empty() ? 0 : 1, Depot::SerieDeDepart);
    if (!prete_) return false;
    if (!vue(0, sec_.Visu)) return false;
    const std::size_t n = liste_.size();
    for (std::size_t i = 1; i < n; ++i) {
        RejouerDepot(i);
        AfficheProfil(sec_);
        if (!vue(static_cast<int>(i), sec_.Visu)) return false;
    }
    dispo_ = MajBoutons(sec_, liste_);
    return true;
}

void Session::RejouerDepot(std::size_t i) {
    sec_.DebuterEvenement(static_cast<Formation>(i));  // what line i lays
    const std::optional<Evenement> e = EvenementDeLigne(liste_[i]);
    Depot d = Depot::Aucun;
    if (e) d = DepotDe(*e);
    depots_.push_back(d);
    RejouerLigne(sec_, liste_[i]);
}

std::vector<EntreeLegende> Session::Legende() const {
    if (!prete_) return {};
    return LireVueLegende(*this).entrees;
}

EtatSession Session::Etat() const {
    EtatSession e;
    e.SurfaceBas = sec_.SurfaceBas;
    e.SurfaceHaut = sec_.SurfaceHaut;
    e.FacteurPli = sec_.FacteurPli;
    e.FacteurPliPrec = sec_.FacteurPliPrec;
    e.HautSocle = prete_ ? HautSocle(sec_) : 0;
    e.lignes = liste_;
    e.commandes = dispo_;
    if (prete_) {
        for (const Effectif& f : CompterFormations(FormationsDeLaVue(sec_))) {
            const auto i = static_cast<std::size_t>(f.formation);
            e.formations.push_back({f.formation, i < liste_.size() ? liste_[i] : Ligne(), f.pixels});
        }
    }
    return e;
}

std::string EtatJson(const EtatSession& e) {
    // Keys in code-point order, as a JSON object is written by most tools.
    std::string o = "{\n";
    o += "    \"FacteurPli\": " + NombreJson(e.FacteurPli) + ",\n";
    o += "    \"FacteurPliPrec\": " + NombreJson(e.FacteurPliPrec) + ",\n";
    o += "    \"HautSocle\": " + std::to_string(e.HautSocle) + ",\n";
    o += "    \"SurfaceBas\": " + std::to_string(e.SurfaceBas) + ",\n";
    o += "    \"SurfaceHaut\": " + std::to_string(e.SurfaceHaut) + ",\n";
    o += "    \"commandes\": {\n";
    // "Sédimentation" sorts between "Plutonisme" and "Volcanisme".
    static constexpr Evenement kOrdre[] = {Evenement::Chevauchement, Evenement::Compression,
                                           Evenement::Distension,    Evenement::Erosion,
                                           Evenement::Plutonisme,    Evenement::Sedimentation,
                                           Evenement::Volcanisme};
    for (std::size_t i = 0; i < std::size(kOrdre); ++i) {
        o += "        ";
        ChaineJson(o, Utf8DeLigne(Type(kOrdre[i]).ligne));
        o += e.commandes[kOrdre[i]] ? ": true" : ": false";
        o += i + 1 < std::size(kOrdre) ? ",\n" : "\n";
    }
    o += "    },\n";
    o += "    \"formations\": [";
    for (std::size_t i = 0; i < e.formations.size(); ++i) {
        const FormationVue& f = e.formations[i];
        o += i ? ",\n" : "\n";
        o += "        {\n            \"evenement\": ";
        ChaineJson(o, Utf8DeLigne(f.evenement));
        o += ",\n            \"indice\": " + std::to_string(f.indice);
        o += ",\n            \"pixels\": " + std::to_string(f.pixels) + "\n        }";
    }
    o += "\n    ],\n";
    o += "    \"lignes\": [\n";
    for (std::size_t i = 0; i < e.lignes.size(); ++i) {
        o += "        ";
        ChaineJson(o, Utf8DeLigne(e.lignes[i]));
        o += i + 1 < e.lignes.size() ? ",\n" : "\n";
    }
    o += "    ]\n";
    o += "}\n";
    return o;
}

}  // namespace section
