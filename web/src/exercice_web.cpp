// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercice_web.h"

#include <emscripten/val.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "section/legende_vue.h"
#include "section/comparaison.h"
#include "section/exercice_session.h"
#include "section/fichiers.h"
#include "section/lien_exercice.h"
#include "section/note.h"
#include "section/textes.h"
#include "section/verification.h"

using emscripten::val;

std::string ExerciceWeb::Preparer(const std::string& nom, const std::string& octets, const section::Session& eleve) {
    prepare_.reset();
    section::Exercice e;
    if (octets.size() > section::kOctetsExerciceMax)
        return section::Remplir(section::Texte("Page", "Impossible d'ouvrir l'exercice %1 : %2"),
                                {nom, section::RaisonErreur(section::ErreurFichier::TropGros)});
    if (const std::string raison = section::LireExercice(octets, e); !raison.empty())
        return section::Remplir(section::Texte("Page", "Impossible d'ouvrir l'exercice %1 : %2"),
                                {nom, raison});
    return Preparer(nom, std::move(e), eleve);
}

std::string ExerciceWeb::PreparerLien(const std::string& texte, const section::Session& eleve) {
    prepare_.reset();
    section::Exercice e;
    if (const std::string raison = section::LireLienExercice(texte, eleve.textures(), e); !raison.empty())
        return section::Remplir(section::Texte("Page", "Impossible d'ouvrir l'exercice de ce lien : %1"), {raison});
    const std::string nom = e.titre;
    return Preparer(nom, std::move(e), eleve);
}

std::string ExerciceWeb::Ouvrir(const std::string& nom, const std::string& octets, section::Session& eleve) {
    if (std::string raison = Preparer(nom, octets, eleve); !raison.empty()) return raison;
    OuvrirPrepare(eleve);
    return {};
}

std::string ExerciceWeb::OuvrirLien(const std::string& texte, section::Session& eleve) {
    if (std::string raison = PreparerLien(texte, eleve); !raison.empty()) return raison;
    OuvrirPrepare(eleve);
    return {};
}

bool ExerciceWeb::MemeLien(const std::string& texte, const section::Session& eleve) const {
    if (!exercice_) return false;
    section::Exercice e;
    return section::LireLienExercice(texte, eleve.textures(), e).empty() &&
           section::EmpreinteExercice(e) == section::EmpreinteExercice(*exercice_);
}

std::string ExerciceWeb::Lien() const { return exercice_ ? section::TexteLienExercice(*exercice_) : std::string(); }

emscripten::val ExerciceWeb::Octets() {
    if (!exercice_) return val::null();
    tampon_ = section::TexteExercice(*exercice_);
    return val(emscripten::typed_memory_view(tampon_.size(), reinterpret_cast<const std::uint8_t*>(tampon_.data())));
}

std::string ExerciceWeb::Preparer(const std::string& nom, section::Exercice e, const section::Session& eleve) {
    section::Session modele;
    modele.DefinirTextures(eleve.textures());
    if (!section::ChargerExercice(modele, e))
        return section::Remplir(section::Texte("Page",
                                               "L'exercice %1 a été préparé avec d'autres images de roches : sa "
                                               "coupe ne peut pas être refaite ici."),
                                {nom});
    prepare_ = Prepare{std::move(e), std::move(modele)};
    return {};
}

bool ExerciceWeb::OuvrirPrepare(section::Session& eleve) {
    if (!prepare_) return false;
    modele_ = std::move(prepare_->modele);
    section::Exercice e = std::move(prepare_->exercice);
    prepare_.reset();
    essai_.DefinirTextures(eleve.textures());
    chronologie_ = section::LireChronologie(modele_);
    temoins_ = section::TemoinsProposes(modele_, chronologie_);
    cartes_.clear();
    ordre_.reset();
    verification_ = {};
    verifications_ = {};
    // Dealt from the seed the page draws next, from the first deal.
    graineDonne_ = 0;
    donne_ = 0;
    // The pupil's section starts again, with the exercise's letters.
    eleve.DefinirGraineLettres(e.graineLettres);
    eleve.DefinirLettresDuModele(section::RangsDesLettres(modele_));
    eleve.Reinitialiser();
    empreinte_ = section::TexteEmpreinte(section::EmpreinteExercice(e));
    exercice_ = std::move(e);
    return true;
}

val ExerciceWeb::Verifier(const section::Session& eleve) {
    val r = val::object();
    if (!exercice_) return r;
    verification_ = section::VerifierCoupe(modele_, eleve);
    const section::Note n = section::Noter(modele_, eleve);
    verifications_.coupe = std::min(verifications_.coupe + 1, section::kVerificationsMax);
    val lignes = val::array();
    if (verification_.memeCoupe) {
        lignes.call<void>("push", section::Texte("Page", "Bravo : ta coupe est exactement celle du modèle."));
    } else {
        lignes.call<void>("push", section::Texte("Page",
                                                 "Ta coupe n'est pas encore celle du modèle : les zones en magenta diffèrent."));
        for (const section::Remarque& m : verification_.remarques) lignes.call<void>("push", "- " + m.texte);
    }
    lignes.call<void>("push",
                      section::Remplir(section::Texte("Page", "Note : %1/20"), {std::to_string(n.points)}));
    r.set("memeCoupe", verification_.memeCoupe);
    r.set("note", n.points);
    r.set("lignes", lignes);
    r.set("largeur", verification_.largeur);
    r.set("hauteur", verification_.hauteur);
    r.set("pixels", static_cast<double>(verification_.pixelsDifferents));
    return r;
}

val ExerciceWeb::MasqueRgba() {
    const section::Verification& v = verification_;
    rgba_.assign(v.masque.size(), 0u);
    constexpr section::Couleur c = section::kCouleurEcart;
    // Bytes R G B A of a little-endian word, alpha 170 as the window paints it.
    const std::uint32_t magenta = (170u << 24) | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
    for (std::size_t i = 0; i < v.masque.size(); ++i)
        if (v.masque[i]) rgba_[i] = magenta;
    return val(emscripten::typed_memory_view(rgba_.size() * 4, reinterpret_cast<const std::uint8_t*>(rgba_.data())));
}

val ExerciceWeb::Cartes() {
    val liste = val::array();
    if (!exercice_) return liste;
    // Each opening deals the cards again, as the window does.
    cartes_ = section::CartesDuModele(modele_, section::GraineDeLaDonne(graineDonne_, ++donne_));
    for (const section::Carte& c : cartes_) {
        val o = val::object();
        o.set("id", c.id);
        o.set("nom", c.nom);
        liste.call<void>("push", o);
    }
    return liste;
}

val ExerciceWeb::Principes() const {
    val liste = val::array();
    for (const section::PrincipeCite p : section::kPrincipesCites) {
        val o = val::object();
        o.set("valeur", static_cast<int>(p));
        o.set("nom", section::NomPrincipeCite(p));
        liste.call<void>("push", o);
    }
    return liste;
}

val ExerciceWeb::Temoins() const {
    val liste = val::array();
    for (const section::TemoinPropose& t : temoins_) {
        val o = val::object();
        o.set("formation", t.formation);
        o.set("nom", t.nom);
        liste.call<void>("push", o);
    }
    return liste;
}

ExerciceWeb::Jugement ExerciceWeb::JugerOrdre(const std::vector<int>& ids,
                                             const std::vector<section::Justification>& donnees) {
    if (cartes_.empty()) cartes_ = section::CartesDuModele(modele_, section::GraineDeLaDonne(graineDonne_, ++donne_));
    // Only the principles and formations offered: anything else the page
    // might send counts as no choice.
    std::vector<section::Justification> justifications;
    for (const section::Justification& d : donnees) {
        section::Justification j;
        for (const section::PrincipeCite c : section::kPrincipesCites)
            if (c == d.principe) j.principe = c;
        for (const section::TemoinPropose& x : temoins_)
            if (x.formation == d.temoin) j.temoin = d.temoin;
        justifications.push_back(j);
    }
    Jugement r;
    r.verification = section::VerifierOrdre(modele_, chronologie_, cartes_, ids, essai_);
    r.avis = section::JugerJustifications(modele_, chronologie_, ids, justifications);
    r.note = section::NoteOrdreJustifie(chronologie_, ids, r.avis);
    // Checked as dealt, nothing chosen: judged for the pupil, not kept.
    if (r.verification.complet && section::OrdreFait(cartes_, ids, justifications))
        ordre_ = section::OrdreDonne{ids, justifications, r.note};
    return r;
}

val ExerciceWeb::VerifierOrdre(val idsJs, val justificationsJs) {
    val r = val::object();
    if (!exercice_ || !modele_.Prete()) return r;
    // Only the dealt cards, each once: anything else the page might send
    // is judged as an incomplete order by the engine.
    const int n = std::min(idsJs["length"].as<int>(), static_cast<int>(section::kCartesMax));
    std::vector<int> ids;
    std::vector<section::Justification> justifications;
    for (int i = 0; i < n; ++i) {
        ids.push_back(idsJs[i].as<int>());
        section::Justification j;
        const val o = justificationsJs[i];
        if (!o.isUndefined() && !o.isNull()) {
            j.principe = static_cast<section::PrincipeCite>(o["principe"].as<int>());
            j.temoin = o["temoin"].as<int>();
        }
        justifications.push_back(j);
    }
    const Jugement jugement = JugerOrdre(ids, justifications);
    verifications_.ordre = std::min(verifications_.ordre + 1, section::kVerificationsMax);
    val lignes = val::array();
    for (const std::string& l : section::LignesResultatOrdre(jugement.verification, jugement.avis, jugement.note))
        lignes.call<void>("push", l);
    r.set("lignes", lignes);
    r.set("note", jugement.note);
    r.set("juste", jugement.verification.juste);
    r.set("complet", jugement.verification.complet);
    return r;
}

val ExerciceWeb::OrdreDonne() const {
    if (!ordre_) return val::null();
    val cartes = val::array();
    val justifications = val::array();
    for (std::size_t i = 0; i < ordre_->cartes.size(); ++i) {
        cartes.call<void>("push", ordre_->cartes[i]);
        val j = val::object();
        j.set("principe", static_cast<int>(ordre_->justifications[i].principe));
        j.set("temoin", ordre_->justifications[i].temoin);
        justifications.call<void>("push", j);
    }
    val o = val::object();
    o.set("cartes", cartes);
    o.set("justifications", justifications);
    o.set("note", ordre_->note);
    return o;
}

val ExerciceWeb::Verifications() const {
    val v = val::object();
    v.set("coupe", verifications_.coupe);
    v.set("ordre", verifications_.ordre);
    return v;
}

void ExerciceWeb::DefinirVerifications(int coupe, int ordre) {
    if (!exercice_) return;
    verifications_ = {std::clamp(coupe, 0, section::kVerificationsMax), std::clamp(ordre, 0, section::kVerificationsMax)};
}

void ExerciceWeb::DefinirGraineDonne(double graine) {
    if (!exercice_ || !(graine >= 0 && graine <= 4294967295.0) || graine != std::floor(graine)) return;
    graineDonne_ = static_cast<std::uint32_t>(graine);
    // Put back with the work: dealt again from its first deal.
    donne_ = 0;
    cartes_.clear();
}

val ExerciceWeb::GraineDonne() const { return exercice_ ? val(static_cast<double>(graineDonne_)) : val::null(); }

val ExerciceWeb::Reponse(const std::string& nom, const section::Session& eleve) {
    val r = val::object();
    if (!exercice_) return r;
    section::Reponse rep;
    rep.eleve = nom;
    rep.exercice = section::EmpreinteExercice(*exercice_);
    rep.lignes = eleve.liste();
    rep.ordre = ordre_;
    rep.verifications = verifications_;
    if (const std::string raison = section::VerifierReponse(rep); !raison.empty()) {
        r.set("raison",
              section::Remplir(section::Texte("Page", "Réponse impossible à enregistrer : %1"), {raison}));
        return r;
    }
    tampon_ = section::TexteReponse(rep);
    r.set("octets", val(emscripten::typed_memory_view(tampon_.size(), reinterpret_cast<const std::uint8_t*>(tampon_.data()))));
    return r;
}

std::string QuestionAbandon(const section::Liste& liste, const section::Liste& enregistree,
                            const std::optional<section::OrdreDonne>& ordre,
                            const std::optional<section::OrdreDonne>& ordreEnregistre, bool exercice) {
    if (!((liste.size() > 1 && liste != enregistree) || ordre != ordreEnregistre)) return {};
    return exercice ? section::Texte("Page",
                                     "Ta réponse à l'exercice n'a pas été enregistrée.\rVeux-tu l'enregistrer ?")
                    : section::Texte("Page",
                                     "La liste des événements n'a pas été sauvée.\rVoulez-vous la sauver ?");
}

val TextesExercice() {
    using section::Texte;
    val t = val::object();
    t.set("titreOrdonner", Texte("Page", "Ordonner les événements"));
    t.set("consigne", Texte("Page",
                            "Range les événements du plus ancien (en haut) au plus récent (en bas). Fais glisser une "
                            "carte, ou choisis-la puis appuie sur « Monter » ou « Descendre » (Alt+Haut, Alt+Bas)."));
    t.set("cartes", Texte("Page", "Événements à ranger"));
    t.set("monter", Texte("Page", "Monter"));
    t.set("descendre", Texte("Page", "Descendre"));
    t.set("choisisPrincipe", Texte("Page", "(choisis un principe)"));
    t.set("choisisFormation", Texte("Page", "(choisis une formation)"));
    t.set("principe", Texte("Page", "&Principe :"));
    t.set("montrePar", Texte("Page", "&Montré par :"));
    t.set("premiereCarte", Texte("Page", "La première carte, la plus ancienne, n'a pas à être justifiée."));
    t.set("justifie", Texte("Page",
                            "Justifie « %1 » : quel principe la date par rapport à une carte placée avant elle, et "
                            "quelle formation ou structure le montre ?"));
    t.set("verifier", Texte("Page", "Vérifier"));
    t.set("resultat", Texte("Page", "Résultat de la vérification"));
    t.set("coupe", Texte("Page", "Coupe à expliquer"));
    t.set("nomEleve", Texte("Page", "Ton nom, pour ton professeur :"));
    t.set("ouvert", Texte("Page",
                          "Exercice « %1 » : construis la coupe du modèle. Appuie sur la coupe pour voir le modèle, "
                          "puis choisis « Vérifier ma coupe » dans le menu Exercice."));
    t.set("titreOuvert", Texte("Page", "Exercice : %1"));
    t.set("consignePaquet", Texte("Page",
                                  "Construis la coupe du modèle (appuie sur la coupe pour le voir) et vérifie-la, "
                                  "range les événements (menu Exercice), puis « Rendre »."));
    t.set("enregistrerReponse", Texte("Page", "Enregistrer ma réponse"));
    t.set("nomFichier", Texte("Page", "Nom du fichier :"));
    t.set("enregistrer", Texte("Fenetre", "OK"));
    t.set("renoncer", Texte("Page", "Annuler"));
    t.set("verifierCoupe", Texte("Commandes", "Vérifier ma coupe"));
    t.set("copierLien", Texte("Page", "Copier le lien de l'exercice"));
    t.set("lienCopie", Texte("Page", "Le lien de l'exercice, à copier et à donner aux élèves :"));
    t.set("lienDejaCopie", Texte("Page", "Le lien de l'exercice est copié : collez-le là où les élèves le trouveront."));
    t.set("lienLocal", Texte("Page", "Cette page est ouverte depuis un fichier : ce lien ne fonctionne que sur cet "
                                     "ordinateur. Donnez plutôt aux élèves la page de l'exercice (menu Exercice, "
                                     "« Enregistrer la page de l'exercice... »), ou déposez la page sur un site web."));
    // The exercise's own page: one file holding the page and the exercise.
    t.set("enregistrerPage", Texte("Page", "Enregistrer la page de l'exercice..."));
    //: %1 is the exercise's title. A dropped exercise file or an exercise link, refused in an exercise's own page.
    t.set("autreExerciceFeuille", Texte("Page", "Cette page est celle de l'exercice « %1 » : elle n'en ouvre pas "
                                                "d'autre. Ton travail reste celui de cet exercice."));
    t.set("consigneFeuille", Texte("Page", "Construis la coupe du modèle (appuie sur la coupe pour le voir) et "
                                           "vérifie-la, range les événements, puis enregistre ta réponse (menu "
                                           "Exercice) et donne le fichier à ton professeur."));
    // The buttons of the question asked before work is dropped, as the
    // window's box has them.
    t.set("oui", Texte("Page", "Oui"));
    t.set("non", Texte("Page", "Non"));
    t.set("annulerQuestion", Texte("Page", "Annuler"));
    t.set("lienTropLong", Texte("Page", "La liste de cet exercice est trop longue pour tenir dans un lien."));
    return t;
}
