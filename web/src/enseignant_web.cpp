// SPDX-License-Identifier: GPL-3.0-or-later
#include "enseignant_web.h"

#include <emscripten/val.h>

#include <algorithm>
#include <utility>

#include "section/chronologie.h"
#include "section/copies.h"
#include "section/espace_enseignant.h"
#include "section/exercice.h"
#include "section/exercice_session.h"
#include "section/fiches.h"
#include "section/legende_vue.h"
#include "section/roches.h"
#include "section/lien_exercice.h"
#include "section/notation_classe.h"
#include "section/ordres_acceptes.h"
#include "section/serie.h"
#include "section/serie_exercices.h"
#include "section/tableur.h"
#include "section/textes.h"

using emscripten::val;

namespace {

// A copy of bytes JavaScript keeps (several in one answer).
val Copie(const std::string& octets) {
    return val::global("Uint8Array")
        .new_(val(emscripten::typed_memory_view(octets.size(), reinterpret_cast<const std::uint8_t*>(octets.data()))));
}

val Rgba(const std::vector<std::uint32_t>& rgba) {
    return val(emscripten::typed_memory_view(rgba.size() * 4, reinterpret_cast<const std::uint8_t*>(rgba.data())));
}

// Rows `haut` .. end of a view as R G B A bytes, the sky white as on paper.
std::vector<std::uint32_t> SurPapier(const section::Raster& v, int haut) {
    std::vector<std::uint32_t> rgba;
    rgba.reserve(static_cast<std::size_t>(v.width()) * static_cast<std::size_t>(std::max(0, v.height() - haut)));
    for (int y = haut; y < v.height(); ++y) {
        const section::Couleur* ligne = v.row(y);
        for (int x = 0; x < v.width(); ++x) {
            const std::uint32_t c = ligne[x] == section::kBleu ? 0xFFFFFFu : ligne[x];
            rgba.push_back(0xFF000000u | (c & 0x0000FF00u) | ((c >> 16) & 0xFFu) | ((c & 0xFFu) << 16));
        }
    }
    return rgba;
}

bool SansEvenement(const section::Liste& l) {
    for (std::size_t i = 1; i < l.size(); ++i)
        if (section::EvenementDeLigne(l[i])) return false;
    return true;
}

}  // namespace

val EnseignantWeb::CreerExercice(const section::Session& eleve, const std::string& titre) {
    using section::Texte;
    val r = val::object();
    if (SansEvenement(eleve.liste())) {
        r.set("raison", Texte("Page", "Applique d'abord les événements de l'exercice : la coupe de départ "
                                      "seule ne fait pas un exercice."));
        return r;
    }
    // Made as the renderer makes it: the list replayed on a section of its
    // own, whose letters come from the list alone.
    section::Session a;
    a.DefinirTextures(eleve.textures());
    a.Charger(eleve.liste());
    section::Exercice e;
    if (const std::string raison = section::ExerciceDeSession(a, titre, e); !raison.empty()) {
        r.set("raison", section::Remplir(Texte("Page", "Exercice impossible à créer : %1"), {raison}));
        return r;
    }
    r.set("octets", Copie(section::TexteExercice(e)));
    r.set("lien", section::TexteLienExercice(e));
    // Made as built; the teacher is told where the picture does not give
    // the list's order.
    section::Chronologie c = section::LireChronologie(a);
    section::EvaluerLisibilite(a.textures(), e.lignes, c);
    val ecarts = val::array();
    if (!c.lisible)
        for (const section::EcartChronologie& x : c.ecarts) ecarts.call<void>("push", x.texte);
    r.set("lisible", c.lisible);
    r.set("ecarts", ecarts);
    return r;
}

val EnseignantWeb::TirerSerie(const section::Textures& textures, val reglesJs) {
    section::ReglesSerie regles;
    regles.exercices = std::clamp(reglesJs["nombre"].as<int>(), 1, 99);
    regles.evenements = std::clamp(reglesJs["evenements"].as<int>(), 1, 99);
    regles.graine = static_cast<std::uint32_t>(reglesJs["graine"].as<double>());
    const val permis = reglesJs["permis"];
    if (!permis.isUndefined())
        for (int t = 1; t < 8; ++t) regles.permis[static_cast<std::size_t>(t)] = permis[t].as<bool>();
    const std::string titre = reglesJs["titre"].as<std::string>();
    serie_ = section::Session();
    serie_.DefinirTextures(textures);
    listes_.clear();
    titres_.clear();
    graines_.clear();
    graine_ = regles.graine;
    pied_ = section::PiedFiche(graine_);
    // The page's zip holds the exercise files, named as every front end
    // names them; settings no draw can meet: the page shows why and
    // downloads nothing.
    const section::SerieEnseignant serie = section::PreparerSerie(serie_, regles, titre);
    val r = val::array();
    for (const section::ExerciceSerie& x : serie.exercices) {
        val o = val::object();
        o.set("nom", x.exo.nom);
        o.set("octets", Copie(x.exo.octets));
        graines_.push_back(section::GraineLettresSerie(graine_, static_cast<int>(listes_.size()) + 1));
        listes_.push_back(x.liste);
        titres_.push_back(x.titre);
        r.call<void>("push", o);
    }
    r.set("dossier", serie.dossier);
    if (!serie.raison.empty()) r.set("raison", serie.raison);
    return r;
}

void EnseignantWeb::FichesExercice(const section::Textures& textures, const section::Exercice& e) {
    serie_ = section::Session();
    serie_.DefinirTextures(textures);
    listes_ = {e.lignes};
    titres_ = {e.titre};
    graines_ = {e.graineLettres};
    pied_ = section::PiedFicheExercice(e.titre);
}

val EnseignantWeb::TextesFiches() const {
    val t = val::object();
    t.set("document", section::TitreDocumentFiches());
    t.set("entete", section::EnteteEleveFiche());
    t.set("possibles", section::EvenementsPossiblesFiche());
    const section::ColonnesFiche c = section::ColonnesTableauFiche();
    t.set("numero", c.numero);
    t.set("evenement", c.evenement);
    t.set("justifie", c.justifie);
    t.set("pied", pied_);
    t.set("titreStructures", section::TitreStructures());
    return t;
}

val EnseignantWeb::Fiche(int i) {
    val f = val::object();
    if (i < 0 || i >= static_cast<int>(listes_.size())) return f;
    const section::Liste& liste = listes_[static_cast<std::size_t>(i)];
    // The key's steps first, then the exercise lettered as its file; every
    // picture the rock view, with the exercise's rocks.
    etapes_.clear();
    val etapes = val::array();
    const std::uint32_t lettres = graines_[static_cast<std::size_t>(i)];
    serie_.DefinirGraineLettres(lettres);
    serie_.PourChaqueEtape(liste, [&](int k, const section::Raster&) {
        etapes_.push_back(SurPapier(section::VueRoches(serie_), 0));
        etapes.call<void>("push", section::LegendeEtapeFiche(liste, k));
        return true;
    });
    serie_.DefinirGraineLettres(lettres);
    serie_.Charger(liste);
    const section::Raster& v = serie_.vue();
    const int haut = section::HautImprimeFiche(v);
    vue_ = SurPapier(section::VueRoches(serie_), haut);
    largeurVue_ = v.width();
    const int evenements = liste.empty() ? 0 : static_cast<int>(liste.size()) - 1;
    f.set("titre", titres_[static_cast<std::size_t>(i)]);
    f.set("evenements", evenements);
    f.set("consigne", section::ConsigneFiche(evenements));
    f.set("largeur", v.width());
    f.set("hauteur", v.height() - haut);
    f.set("haut", haut);
    f.set("largeurEtape", v.width());
    f.set("hauteurEtape", v.height());
    f.set("etapes", etapes);
    f.set("titreCorrige", section::TitreCorrigeFiche(titres_[static_cast<std::size_t>(i)]));
    legende_ = section::LireVueLegende(serie_);
    f.set("legendeCorrige", section::LegendeCorrigeFiche(legende_.entrees));
    val cle = val::array();
    for (const section::LigneCorrige& l : section::LignesCleFiche(section::CleDesOrdres(serie_))) {
        val o = val::object();
        using S = section::LigneCorrige::Sorte;
        o.set("sorte", std::string(l.sorte == S::Titre ? "titre" : l.sorte == S::Ordre ? "ordre"
                                   : l.sorte == S::Relation ? "relation" : "texte"));
        o.set("texte", l.texte);
        cle.call<void>("push", o);
    }
    f.set("cle", cle);
    return f;
}

val EnseignantWeb::ImageFiche() { return Rgba(vue_); }

val EnseignantWeb::ImageEtape(int k) {
    if (k < 0 || k >= static_cast<int>(etapes_.size())) return val::null();
    return Rgba(etapes_[static_cast<std::size_t>(k)]);
}

namespace {

// A file of a class as the page gives it: a file the browser could not
// read, or over the size any of them has, keeps its row with the reason.
section::FichierClasse FichierDeLaPage(const val& f) {
    section::FichierClasse c;
    c.nom = f["nom"].as<std::string>();
    if (f["octets"].isNull() || f["octets"].isUndefined())
        c.erreur = f["tropGros"].as<bool>() ? section::ErreurFichier::TropGros : section::ErreurFichier::Lecture;
    else
        c.octets = f["octets"].as<std::string>();
    return c;
}

val NotesPourLaPage(const section::NotesClasse& notes) {
    val r = val::object();
    if (!notes.raison.empty()) {
        r.set("raison", notes.raison);
        return r;
    }
    r.set("autresTextures", notes.autresTextures);
    val table = val::array();
    for (const section::LigneNotes& l : notes.lignes) {
        val o = val::object();
        o.set("fichier", std::string(section::NomSansDossier(l.fichier)));
        o.set("eleve", l.eleve);
        o.set("note", l.note ? val(l.note->points) : val::null());
        o.set("noteOrdre", l.noteOrdre ? val(*l.noteOrdre) : val::null());
        o.set("remarque", l.remarque);
        table.call<void>("push", o);
    }
    r.set("lignes", table);
    r.set("csv", Copie(notes.csv));
    return r;
}

}  // namespace

val EnseignantWeb::NoterClasse(const section::Textures& textures, const std::string& nomModele,
                               const std::string& modele, val fichiers) {
    std::vector<section::FichierClasse> classe;
    const int n = fichiers["length"].as<int>();
    for (int i = 0; i < n; ++i) classe.push_back(FichierDeLaPage(fichiers[i]));
    return NotesPourLaPage(section::NoterClasseEnseignant(textures, nomModele, modele, classe));
}

val EnseignantWeb::CommencerClasse(const section::Textures& textures, const std::string& nomModele,
                                   const std::string& modele, val noms) {
    std::vector<std::string> n;
    const int nombre = noms["length"].as<int>();
    for (int i = 0; i < nombre; ++i) n.push_back(noms[i].as<std::string>());
    classe_ = std::make_unique<section::ClasseEnNotation>(textures, nomModele, modele, std::move(n));
    val r = val::object();
    if (!classe_->raison().empty()) r.set("raison", classe_->raison());
    r.set("total", static_cast<double>(classe_->Total()));
    return r;
}

int EnseignantWeb::CopieSuivante() const {
    if (!classe_) return -1;
    const std::optional<std::size_t> i = classe_->Suivante();
    return i ? static_cast<int>(*i) : -1;
}

int EnseignantWeb::NoterCopie(val fichier) {
    if (!classe_) return 0;
    classe_->NoterSuivante(FichierDeLaPage(fichier));
    return static_cast<int>(classe_->Faites());
}

val EnseignantWeb::FinirClasse() const {
    if (!classe_) return val::null();
    return NotesPourLaPage(classe_->Terminer());
}

val LireGraineWeb(const std::string& texte) {
    const std::optional<std::uint32_t> g = section::LireGraine(texte);
    return g ? val(static_cast<double>(*g)) : val::null();
}

double GraineNouvelleWeb(double hasard) {
    return section::GraineNouvelle(static_cast<std::uint64_t>(std::max(0.0, hasard)));
}

val TextesEnseignant() {
    using section::Texte;
    val t = val::object();
    const auto mettre = [&](const char* nom, std::string texte) { t.set(nom, std::move(texte)); };
    mettre("titre", Texte("Page", "Espace enseignant"));
    mettre("fermerEspace", Texte("Page", "Fermer l'espace enseignant"));
    mettre("ongletSerie", Texte("Page", "Préparer une série"));
    mettre("ongletClasse", Texte("Page", "Noter une classe"));
    mettre("nombre", Texte("Page", "Nombre d'exercices :"));
    mettre("evenements", Texte("Page", "Événements par exercice :"));
    mettre("permis", Texte("Page", "Événements permis"));
    mettre("permettre", Texte("Page", "Permettre : %1"));
    mettre("graine", Texte("Page", "Graine :"));
    mettre("graineSerie", Texte("Page", "Graine de la série"));
    mettre("nouvelleGraine", Texte("Page", "Nouvelle graine"));
    mettre("titreSerie", Texte("Page", "Titre :"));
    mettre("titreDefaut", Texte("Page", "Datation relative"));
    mettre("graineInvalide", Texte("Page", "La graine doit être un nombre entier de 0 à 4294967295."));
    mettre("telechargerSerie", Texte("Page", "Créer la série..."));
    mettre("imprimerFiches", Texte("Page", "Imprimer les fiches"));
    mettre("exporterSerie", Texte("Page", "Exporter la série pour l'ENT (SCORM)..."));
    //: %1 is the name of the downloaded package.
    mettre("paquetSerie", Texte("Page", "Paquet pour l'ENT téléchargé : %1. Chaque exercice y est une activité notée."));
    mettre("fichesExercice", Texte("Page", "Fiches de l'exercice ouvert"));
    //: %1 is the name of the downloaded zip file.
    mettre("serieTelechargee", Texte("Page", "Série téléchargée : %1. Les fiches s'ouvrent dans un nouvel onglet, "
                                             "d'où le navigateur les imprime ou les enregistre en PDF."));
    mettre("ongletBloque", Texte("Page", "Le navigateur n'a pas ouvert l'onglet des fiches : choisissez « Imprimer "
                                         "les fiches »."));
    mettre("exercice", Texte("Page", "Exercice..."));
    mettre("aucunExercice", Texte("Page", "aucun exercice choisi"));
    mettre("copies", Texte("Page", "Copies..."));
    mettre("deposer", Texte("Page", "Ou déposez ici l'exercice (.exo) et les réponses des élèves (.rep, .lst), "
                                    "ensemble ou l'un après l'autre."));
    mettre("eleve", Texte("Page", "Élève"));
    mettre("fichier", Texte("Page", "Fichier"));
    mettre("note", Texte("Page", "Note /20"));
    mettre("ordre", Texte("Page", "Ordre /20"));
    mettre("remarque", Texte("Page", "Remarque"));
    mettre("notes", Texte("Page", "Notes de la classe"));
    mettre("csv", Texte("Page", "Enregistrer en CSV..."));
    //: %1 is a number of answer files.
    mettre("copiesNotees", Texte("Page", "Copies notées : %1"));
    //: The class being marked: %1 answer files marked so far out of %2.
    mettre("avancement", Texte("Page", "Copie %1 sur %2…"));
    mettre("autresTextures", Texte("Page", "Ces images de roches ne redonnent pas la coupe de l'exercice : les "
                                           "réponses sont comparées à la coupe que ses événements donnent ici."));
    mettre("titreExercice", Texte("Page", "Le titre de l'exercice, tel que les élèves le liront :"));
    mettre("exerciceEnregistre", Texte("Page", "Exercice enregistré : %1"));
    mettre("illisible", Texte("Page",
                              "L'exercice est enregistré, mais sa coupe ne suffit pas à retrouver l'ordre de ses "
                              "événements :\n%1\nLes élèves risquent d'être refusés en lisant correctement la coupe."));
    return t;
}
