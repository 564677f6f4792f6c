// SPDX-License-Identifier: GPL-3.0-or-later
// The page's exercise: the file opened, its model session, the check of
// the pupil's section against it, the cards of "Ordonner les événements"
// and their judgement, and the answer file. Every verdict, remark, mark
// and card name comes from section/; this class only keeps the state the
// window keeps and hands the results to JavaScript.
#pragma once

#include <emscripten/val.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "section/chronologie.h"
#include "section/exercice.h"
#include "section/justification.h"
#include "section/ordre.h"
#include "section/session.h"
#include "section/verification.h"

class ExerciceWeb {
public:
    // Reads the file (named `nom` in messages) against the pupil's textures. Returns the
    // reason of a refusal (UTF-8, current language), and then nothing
    // changes; or "" once the exercise is open, the pupil's section reset
    // with the exercise's letters.
    std::string Ouvrir(const std::string& nom, const std::string& octets, section::Session& eleve);
    // The same from a link's text (after "#exercice="), the target rebuilt
    // from these textures and checked by its fingerprint.
    std::string OuvrirLien(const std::string& texte, section::Session& eleve);
    // The same in two steps, as the window asks before dropping the pupil's
    // work only for an exercise it can open: Preparer reads the file (or
    // PreparerLien the link) and rebuilds its target, keeping it aside
    // (the reason of a refusal, or ""); OuvrirPrepare then opens it.
    std::string Preparer(const std::string& nom, const std::string& octets, const section::Session& eleve);
    std::string PreparerLien(const std::string& texte, const section::Session& eleve);
    bool OuvrirPrepare(section::Session& eleve);
    // True when a link's text holds the exercise open (the same
    // fingerprint): opening it would only start the pupil's work again.
    bool MemeLien(const std::string& texte, const section::Session& eleve) const;
    bool Ouvert() const { return exercice_.has_value(); }
    // The open exercise's link text ("" when none, or its list is too long)
    // and its file's bytes (null when none).
    std::string Lien() const;
    emscripten::val Octets();
    std::string Titre() const { return exercice_ ? exercice_->titre : std::string(); }
    const section::Raster& Cible() const { return exercice_->cible; }
    // The exercise open (only when Ouvert()).
    const section::Exercice& Donnees() const { return *exercice_; }
    const section::Session& Modele() const { return modele_; }

    // "Vérifier ma coupe": {memeCoupe, note, lignes: [...], largeur,
    // hauteur}; the differing pixels then come from MasqueRgba.
    emscripten::val Verifier(const section::Session& eleve);
    // The last check's differing pixels as R G B A bytes of its block,
    // kCouleurEcart two thirds opaque, every other pixel transparent.
    emscripten::val MasqueRgba();

    // A new deal of the cards: [{id, nom}].
    emscripten::val Cartes();
    emscripten::val Principes() const;  // [{valeur, nom}]
    emscripten::val Temoins() const;    // [{formation, nom}]
    // Judges the order `ids` with its justifications ([{principe, temoin}],
    // one per card): {lignes: [...], note, juste, complet}. The order
    // becomes the one an answer keeps.
    emscripten::val VerifierOrdre(emscripten::val ids, emscripten::val justifications);
    // The last order checked: {cartes, justifications, note} or null.
    emscripten::val OrdreDonne() const;
    // The checks counted: {coupe, ordre}; and the counts kept by an earlier
    // visit put back (an order judged again on taking it back is no check).
    emscripten::val Verifications() const;
    void DefinirVerifications(int coupe, int ordre);
    // The seed the cards are dealt from (section::GraineDeLaDonne): drawn
    // by the page when an exercise opens (0 .. 2^32 - 1; anything else is
    // ignored), kept with the work and put back with it; null without an
    // exercise.
    void DefinirGraineDonne(double graine);
    emscripten::val GraineDonne() const;
    const std::optional<section::OrdreDonne>& Ordre() const { return ordre_; }

    // The answer file's bytes for `nom`: {raison} when it cannot be
    // written, else {octets}.
    emscripten::val Reponse(const std::string& nom, const section::Session& eleve);

    // --- Inside a learning platform (plateforme_web.cpp) ---

    // The open exercise's fingerprint as 16 hexadecimal digits ("" when
    // none): a course package's page sends the platform nothing for
    // another exercise.
    std::string Empreinte() const { return exercice_ ? empreinte_ : std::string(); }
    // The pupil's work as the text the platform keeps: {texte}, or {raison}
    // (a sentence for the pupil) when it cannot keep it; the sentence says
    // whether this browser keeps it (`navigateur`: the pupil is known to
    // the platform, so the browser keeps the work under the pupil's name).
    emscripten::val TexteReprise(const section::Session& eleve, bool navigateur) const;
    // Takes a kept text back: the list replayed in `eleve`, the order judged
    // again. Returns the reason of a refusal (a sentence for the pupil that
    // also says the platform's copy stays as it is until the section
    // changes), and then nothing changes; or "".
    std::string Reprendre(const std::string& texte, section::Session& eleve);
    // What the platform is told of the work: {score, min, max, reussi
    // (against the mastery score `maitrise`, else `seuil`), reponse (the
    // last order checked as a sequencing response, "" when none), resultat
    // ("correct", "wrong" or "")}.
    emscripten::val Plateforme(const std::string& maitrise, double seuil, const section::Session& eleve) const;

private:
    struct Jugement {
        section::VerificationOrdre verification;
        std::vector<section::AvisJustification> avis;
        int note = 0;
    };
    // Judges an order and its justifications (those the page offers; any
    // other choice counts as none); a complete order becomes the one an
    // answer keeps.
    Jugement JugerOrdre(const std::vector<int>& ids, const std::vector<section::Justification>& justifications);
    std::string Preparer(const std::string& nom, section::Exercice e, const section::Session& eleve);

    struct Prepare {
        section::Exercice exercice;
        section::Session modele;
    };
    std::optional<Prepare> prepare_;

    std::optional<section::Exercice> exercice_;
    std::string empreinte_;  // the open exercise's fingerprint, as Empreinte gives it
    section::Session modele_;
    section::Session essai_;
    section::Chronologie chronologie_;
    std::vector<section::Carte> cartes_;
    std::vector<section::TemoinPropose> temoins_;
    std::optional<section::OrdreDonne> ordre_;
    // How many times the pupil checked the section and the order here,
    // kept with the work and written in the answer.
    section::Verifications verifications_;
    std::uint64_t donne_ = 0;       // how many times the exercise's cards were dealt
    std::uint32_t graineDonne_ = 0; // the exercise's seed of the cards
    section::Verification verification_;
    std::vector<std::uint32_t> rgba_;
    std::string tampon_;
};

// The work the pupil would lose, judged as the window judges it: events
// beyond the first line that differ from the list last saved (in a list
// file or an answer), or an order checked since the answer was last
// saved. Then the window's question before dropping it, worded for an
// answer while an exercise is open, for the list otherwise; "" when
// nothing would be lost (the reset list, "Sédimentation" alone, holds
// nothing to lose).
std::string QuestionAbandon(const section::Liste& liste, const section::Liste& enregistree,
                            const std::optional<section::OrdreDonne>& ordre,
                            const std::optional<section::OrdreDonne>& ordreEnregistre, bool exercice);

// The window's words for the exercise commands, {nom: texte}, in the
// current language (the window's own texts and contexts).
emscripten::val TextesExercice();
