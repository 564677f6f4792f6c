// SPDX-License-Identifier: GPL-3.0-or-later
#include "section/commandes.h"

#include "section/textes.h"

namespace section {

namespace {

using C = Commande;
using E = Edition;
constexpr std::array<const char*, 2> kAucun{nullptr, nullptr};
constexpr ArticleMenu kSeparateur{C::Separateur, "", "", kAucun, false, E::Toutes};

// Captions are marked with TEXTE_NOOP so that the tools that collect texts
// to translate find them; LibelleCommande translates them.
constexpr std::array kFichier{
    ArticleMenu{C::ChargerModele, "Importermodle1", TEXTE_NOOP("Commandes", "Charger une image modèle"), kAucun, false, E::Toutes},
    ArticleMenu{C::EnregistrerModele, "Sauvercommemodle1", TEXTE_NOOP("Commandes", "Sauver en tant que modèle"), kAucun, false, E::Toutes},
    ArticleMenu{C::ExporterImage, "ExporterImage1", TEXTE_NOOP("Commandes", "Exporter l'image affichée"), kAucun, false, E::Toutes},
    kSeparateur,
    ArticleMenu{C::ChargerListe, "Charger1", TEXTE_NOOP("Commandes", "Charger une liste d'événements"), {"Ctrl+O", nullptr}, false, E::Toutes},
    ArticleMenu{C::EnregistrerListe, "Sauver1", TEXTE_NOOP("Commandes", "Sauver la liste des événements"), {"Ctrl+S", nullptr}, false,
                E::Toutes},
    ArticleMenu{C::ExporterListe, "Exporterliste1", TEXTE_NOOP("Commandes", "Exporter la liste des événements"), kAucun, false, E::Toutes},
    ArticleMenu{C::Separateur, "", "", kAucun, false, E::Fenetre},
    ArticleMenu{C::Quitter, "Quitter1", TEXTE_NOOP("Commandes", "&Quitter"), {"Alt+F4", "Ctrl+Q"}, false, E::Fenetre},
};

constexpr std::array kEvenementsMenu{
    ArticleMenu{C::Evenements, "", "", kAucun, false, E::Toutes},
    kSeparateur,
    ArticleMenu{C::Annuler, "Annuler1", TEXTE_NOOP("Commandes", "Annuler"), {"Ctrl+Z", nullptr}, false, E::Toutes},
    ArticleMenu{C::RetourDebut, "Retourdbut1", TEXTE_NOOP("Commandes", "Retour début"), kAucun, false, E::Toutes},
};

constexpr std::array kAffichage{
    ArticleMenu{C::Lettres, "Lettres1", TEXTE_NOOP("Commandes", "Lettres des formations"), {"Ctrl+L", nullptr}, true, E::Toutes},
    ArticleMenu{C::Teintes, "Teintes1", TEXTE_NOOP("Commandes", "Teintes des formations"), {"Ctrl+T", nullptr}, true, E::Toutes},
    ArticleMenu{C::Roches, "Roches1", TEXTE_NOOP("Commandes", "Roches"), kAucun, true, E::Toutes},
    kSeparateur,
    ArticleMenu{C::Legende, "Legende1", TEXTE_NOOP("Commandes", "Légende..."), kAucun, false, E::Toutes},
    kSeparateur,
    ArticleMenu{C::Sons, "Sons1", TEXTE_NOOP("Commandes", "Sons"), kAucun, true, E::Toutes},
};

constexpr std::array kExercice{
    ArticleMenu{C::OuvrirExercice, "Ouvrirexercice1", TEXTE_NOOP("Commandes", "Ouvrir un exercice..."), {"Ctrl+E", nullptr}, false,
                E::Toutes},
    ArticleMenu{C::OuvrirReponse, "Ouvrirreponse1", TEXTE_NOOP("Commandes", "Ouvrir une réponse..."), kAucun, false, E::Fenetre},
    ArticleMenu{C::Verifier, "Verifier1", TEXTE_NOOP("Commandes", "Vérifier ma coupe"), {"F5", nullptr}, false, E::Toutes},
    ArticleMenu{C::Ordonner, "Ordonner1", TEXTE_NOOP("Commandes", "Ordonner les événements..."), kAucun, false, E::Toutes},
    kSeparateur,
    ArticleMenu{C::EnregistrerReponse, "Reponse1", TEXTE_NOOP("Commandes", "Enregistrer ma réponse..."), kAucun, false, E::Toutes},
    ArticleMenu{C::ExporterScorm, "ExporterScorm1", TEXTE_NOOP("Commandes", "Exporter pour l'ENT (SCORM)..."), kAucun, false,
                E::Toutes},
    ArticleMenu{C::Separateur, "", "", kAucun, false, E::Toutes},
    ArticleMenu{C::CreerExercice, "Creerexercice1", TEXTE_NOOP("Commandes", "Créer un exercice avec cette coupe..."), kAucun, false,
                E::Toutes},
    ArticleMenu{C::EspaceEnseignant, "Espaceenseignant1", TEXTE_NOOP("Commandes", "Espace enseignant..."), kAucun, false, E::Toutes},
};

constexpr std::array kInterrogation{
    ArticleMenu{C::Aide, "Aide1", TEXTE_NOOP("Commandes", "&Aide"), {"F1", nullptr}, false, E::Toutes},
    ArticleMenu{C::Avertissement, "Avertissement1", TEXTE_NOOP("Commandes", "Avertissement"), kAucun, false, E::Toutes},
    ArticleMenu{C::APropos, "Apropos1", TEXTE_NOOP("Commandes", "A &propos..."), kAucun, false, E::Toutes},
};

constexpr std::array kMenus{
    MenuBarre{"Fichier1", TEXTE_NOOP("Commandes", "&Fichier"), kFichier, E::Toutes},
    MenuBarre{"Evnements1", TEXTE_NOOP("Commandes", "Evénements"), kEvenementsMenu, E::Toutes},
    MenuBarre{"Affichage1", TEXTE_NOOP("Commandes", "Affichage"), kAffichage, E::Toutes},
    MenuBarre{"Exercice1", TEXTE_NOOP("Commandes", "Exercice"), kExercice, E::Toutes},
    MenuBarre{"Interrogation1", TEXTE_NOOP("Commandes", "?"), kInterrogation, E::Toutes},
};

}  // namespace

std::span<const MenuBarre> Menus() { return kMenus; }

std::string LibelleCommande(const char* libelle) {
    return *libelle ? Texte("Commandes", libelle) : std::string();
}

std::string SansEsperluette(std::string_view libelle) {
    std::string t;
    t.reserve(libelle.size());
    for (std::size_t i = 0; i < libelle.size(); ++i) {
        if (libelle[i] == '&' && i + 1 < libelle.size()) ++i;  // "&&" is one "&"
        t += libelle[i];
    }
    return t;
}

}  // namespace section
