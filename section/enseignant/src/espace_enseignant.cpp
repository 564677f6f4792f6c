// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's space as one model: a series' files and folder, seeds, a
// class's grading.
#include "section/espace_enseignant.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "section/bmp.h"
#include "section/copies.h"
#include "section/exercice.h"
#include "section/notation_classe.h"
#include "section/serie_exercices.h"
#include "section/textes.h"

namespace section {

namespace {

bool Espace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view SansEspacesAutour(std::string_view s) {
    while (!s.empty() && Espace(s.front())) s.remove_prefix(1);
    while (!s.empty() && Espace(s.back())) s.remove_suffix(1);
    return s;
}

}  // namespace

std::optional<std::uint32_t> LireGraine(std::string_view texte) {
    texte = SansEspacesAutour(texte);
    if (texte.empty()) return std::nullopt;
    std::uint64_t v = 0;
    for (const char c : texte) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + static_cast<std::uint64_t>(c - '0');
        if (v > 0xFFFFFFFFull) return std::nullopt;
    }
    return static_cast<std::uint32_t>(v);
}

std::string RaisonGraineInvalide() {
    return Texte("Enseignant", "La graine doit être un nombre entier de 0 à 4294967295.");
}

std::uint32_t GraineNouvelle(std::uint64_t hasard) {
    constexpr std::uint64_t etendue = std::uint64_t{kGraineNouvelleMax} - kGraineNouvelleMin + 1;
    return kGraineNouvelleMin + static_cast<std::uint32_t>(hasard % etendue);
}

std::string NomDossierSerie(std::string_view titre, std::uint32_t graine) {
    const std::string g = std::to_string(graine);
    std::string nom = titre.empty() ? g : std::string(titre) + " - " + g;
    for (char& c : nom) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || c == '\\' || c == '/' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' ||
            c == '>' || c == '|')
            c = '-';
    }
    const std::string_view net = SansEspacesAutour(nom);
    return net.empty() ? g : std::string(net);
}

std::vector<std::string> NomsFichiersSerie(std::uint32_t graine, int exercices) {
    std::vector<std::string> noms;
    for (int i = 1; i <= exercices; ++i)
        for (const char* extension : {".lst", ".bmp", ".exo"}) noms.push_back(NomFichierSerie(graine, i, extension));
    noms.push_back(NomFichesSerie(graine));
    return noms;
}

SerieEnseignant PreparerSerie(Session& a, const ReglesSerie& regles, std::string_view titre) {
    SerieEnseignant s;
    s.graine = regles.graine;
    s.dossier = NomDossierSerie(titre, regles.graine);
    s.nomFiches = NomFichesSerie(regles.graine);
    const std::vector<ExerciceTire> tirage = TirerSerie(a, regles);
    s.raison = RaisonSerieImpossible(tirage);
    for (std::size_t i = 0; i < tirage.size(); ++i) {
        const int numero = static_cast<int>(i) + 1;
        ExerciceSerie x;
        x.liste = tirage[i].liste;
        x.lst = {NomFichierSerie(regles.graine, numero, ".lst"), TexteListe(x.liste)};
        x.bmp.nom = NomFichierSerie(regles.graine, numero, ".bmp");
        x.exo.nom = NomFichierSerie(regles.graine, numero, ".exo");
        // The model is what loading the saved list shows.
        Exercice e;
        if (const std::string r = ExerciceDeSerie(a, x.liste, regles.graine, numero, titre, e); !r.empty()) {
            if (s.raison.empty()) s.raison = x.exo.nom + " : " + r;
            x.titre = TitreExerciceSerie(numero, titre);
        } else {
            x.titre = e.titre;
            x.exo.octets = TexteExercice(e);
        }
        x.bmp.octets = EcrireBmp(a.vue());
        s.exercices.push_back(std::move(x));
    }
    return s;
}

ClasseEnNotation::ClasseEnNotation(const Textures& textures, std::string_view nomModele, std::string_view modele,
                                   std::vector<std::string> noms)
    : noms_(std::move(noms)) {
    Corrige cle;
    if (const std::string raison = LireCorrige(modele, cle); !raison.empty()) {
        notes_.raison = Remplir(Texte("Enseignant", "Chargement impossible : %1 (%2)."), {nomModele, raison});
        return;
    }
    classe_.emplace(textures, cle.lignes, EmpreinteCorrige(cle));
    notes_.autresTextures = cle.exercice && !(classe_->modele().vue() == cle.exercice->cible);
    ordre_.resize(noms_.size());
    std::iota(ordre_.begin(), ordre_.end(), std::size_t{0});
    std::stable_sort(ordre_.begin(), ordre_.end(),
                     [&](std::size_t x, std::size_t y) { return AvantDansLaClasse(noms_[x], noms_[y]); });
}

std::optional<std::size_t> ClasseEnNotation::Suivante() const {
    if (Faites() >= Total()) return std::nullopt;
    return ordre_[Faites()];
}

bool ClasseEnNotation::NoterSuivante(const FichierClasse& f) {
    const std::optional<std::size_t> i = Suivante();
    if (!i) return false;
    const std::string& nom = noms_[*i];
    if (f.erreur != ErreurFichier::Aucune) {
        classe_->Refuser(nom, f.erreur == ErreurFichier::TropGros ? RaisonCopieTropGrosse() : RaisonErreur(f.erreur));
        notes_.acceptees.push_back(false);
    } else {
        notes_.acceptees.push_back(NoterCopie(*classe_, nom, f.octets));
    }
    return true;
}

NotesClasse ClasseEnNotation::Terminer() const {
    NotesClasse n = notes_;
    n.interrompue = Faites() < Total();
    n.lignes = classe_ ? classe_->Lignes() : std::vector<LigneNotes>{};
    n.csv = CsvDesNotes(n.lignes);
    return n;
}

NotesClasse NoterClasseEnseignant(const Textures& textures, std::string_view nomModele, std::string_view modele,
                                  const std::vector<std::string>& noms,
                                  const std::function<FichierClasse(std::size_t)>& lire,
                                  const std::function<bool(std::size_t, std::size_t)>& avancer) {
    ClasseEnNotation classe(textures, nomModele, modele, noms);
    while (const std::optional<std::size_t> i = classe.Suivante()) {
        if (avancer && !avancer(classe.Faites(), classe.Total())) break;
        classe.NoterSuivante(lire(*i));
    }
    return classe.Terminer();
}

NotesClasse NoterClasseEnseignant(const Textures& textures, std::string_view nomModele, std::string_view modele,
                                  const std::vector<FichierClasse>& fichiers) {
    std::vector<std::string> noms;
    noms.reserve(fichiers.size());
    for (const FichierClasse& f : fichiers) noms.push_back(f.nom);
    return NoterClasseEnseignant(textures, nomModele, modele, noms, [&](std::size_t i) { return fichiers[i]; });
}

FichierClasse LireFichierClasse(const std::string& chemin, std::string nom) {
    FichierClasse f;
    f.nom = std::move(nom);
    f.erreur = LireFichier(chemin, kOctetsCopieMax, f.octets);
    if (f.erreur != ErreurFichier::Aucune) f.octets.clear();
    return f;
}

}  // namespace section
