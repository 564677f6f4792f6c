// SPDX-License-Identifier: GPL-3.0-or-later
#include "section/catalogue.h"

#include <array>

#include "section/textes.h"

namespace section {

namespace {

using T = TexteFenetre;

// The French texts as the desktop window writes them, byte for byte; the
// warning's lines end with a lone CR, as in its message box.
constexpr std::array kCatalogue{
    EntreeCatalogue{T::TitreApplication, "titreApplication", TEXTE_NOOP("Fenetre", "Strataloom")},
    EntreeCatalogue{T::Avertissement, "avertissement",
                    TEXTE_NOOP("Fenetre",
                               "Vous allez travailler dans le domaine sédimentaire uniquement.\r"
                               "L'histoire géologique antérieure de la région ne sera pas prise\r"
                               "en compte. L'influence des stuctures géologiques antérieures\r"
                               "sera donc négligée")},
    EntreeCatalogue{T::TexturesAbsentes, "texturesAbsentes",
                    TEXTE_NOOP("Fenetre", "Un ou plusieurs fichiers d'images sont absents")},
    EntreeCatalogue{T::ChargementImpossible, "chargementImpossible", TEXTE_NOOP("Fenetre", "Chargement impossible")},
    EntreeCatalogue{T::ImpossibleDeCharger, "impossibleDeCharger",
                    TEXTE_NOOP("Fenetre", "Impossible de charger le fichier")},
    EntreeCatalogue{T::RetourImpossible, "retourImpossible", TEXTE_NOOP("Fenetre", "Retour impossible")},
    EntreeCatalogue{T::ClicModele, "clicModele", TEXTE_NOOP("Fenetre", "Clic pour afficher le modèle...")},
    EntreeCatalogue{T::Hello, "hello", TEXTE_NOOP("Fenetre", "Hello !")},
    EntreeCatalogue{T::Ok, "ok", TEXTE_NOOP("Fenetre", "OK")},
    EntreeCatalogue{T::AucuneFormation, "aucuneFormation", TEXTE_NOOP("Fenetre", "Aucune formation n'est visible.")},
    EntreeCatalogue{T::RubriqueAbsente, "rubriqueAbsente",
                    TEXTE_NOOP("Fenetre", "La rubrique %1 est absente du fichier d'aide.")},
    EntreeCatalogue{T::AideIndisponible, "aideIndisponible", TEXTE_NOOP("Fenetre", "Aide indisponible")},
    // The names the save dialogs offer first.
    EntreeCatalogue{T::NomListe, "nomListe", TEXTE_NOOP("Fenetre", "Exemple.lst")},
    EntreeCatalogue{T::NomTexte, "nomTexte", TEXTE_NOOP("Fenetre", "Liste.txt")},
    EntreeCatalogue{T::NomImage, "nomImage", TEXTE_NOOP("Fenetre", "Exemple.bmp")},
    EntreeCatalogue{T::Reprise, "reprise",
                    TEXTE_NOOP("Fenetre",
                               "La coupe commencée dans ce navigateur a été gardée : %1.\r"
                               "Voulez-vous la reprendre ?")},
    EntreeCatalogue{T::UnEvenement, "unEvenement", TEXTE_NOOP("Fenetre", "un événement après la couche de départ")},
    EntreeCatalogue{T::NEvenements, "nEvenements", TEXTE_NOOP("Fenetre", "%1 événements après la couche de départ")},
    EntreeCatalogue{T::AucunEvenement, "aucunEvenement", TEXTE_NOOP("Fenetre", "la couche de départ seule")},
    EntreeCatalogue{T::Reprendre, "reprendre", TEXTE_NOOP("Fenetre", "Reprendre")},
    EntreeCatalogue{T::NouvelleCoupe, "nouvelleCoupe", TEXTE_NOOP("Fenetre", "Nouvelle coupe")},
    EntreeCatalogue{T::StockagePlein, "stockagePlein",
                    TEXTE_NOOP("Fenetre",
                               "Le navigateur n'a plus de place pour garder ta coupe : si tu fermes la page, elle "
                               "sera perdue.\r"
                               "Pense à la sauver avec « Sauver la liste des événements ».")},
    EntreeCatalogue{T::TitreLegende, "titreLegende", TEXTE_NOOP("Fenetre", "Légende des formations")},
    EntreeCatalogue{T::NoteLegende, "noteLegende",
                    TEXTE_NOOP("Fenetre",
                               "Les lettres des formations sont tirées au hasard : elles ne disent ni leur âge ni "
                               "leur place. Les failles (F), le plan de chevauchement (T) et les surfaces d'érosion "
                               "(S) sont des structures, à part.")},
    EntreeCatalogue{T::Fermer, "fermer", TEXTE_NOOP("Fenetre", "Fermer")},
    EntreeCatalogue{T::TitreAPropos, "titreAPropos", TEXTE_NOOP("Fenetre", "A propos")},
    EntreeCatalogue{T::Version, "version", TEXTE_NOOP("Fenetre", "Version %1")},
    EntreeCatalogue{T::Credits, "credits", TEXTE_NOOP("Fenetre", "Conçu par l'équipe Strataloom")},
    EntreeCatalogue{T::TitreAide, "titreAide", TEXTE_NOOP("Fenetre", "Aide de Strataloom")},
    EntreeCatalogue{T::Precedent, "precedent", TEXTE_NOOP("Fenetre", "Précédent")},
    EntreeCatalogue{T::Suivant, "suivant", TEXTE_NOOP("Fenetre", "Suivant")},
    EntreeCatalogue{T::Sommaire, "sommaire", TEXTE_NOOP("Fenetre", "Sommaire")},
    EntreeCatalogue{T::CoupeGeologique, "coupeGeologique", TEXTE_NOOP("Fenetre", "Coupe géologique")},
    EntreeCatalogue{T::ImageModele, "imageModele", TEXTE_NOOP("Fenetre", "Image modèle")},
    EntreeCatalogue{T::ListeEvenements, "listeEvenements", TEXTE_NOOP("Fenetre", "liste des événements géologiques")},
    EntreeCatalogue{T::RepriseFenetre, "repriseFenetre",
                    TEXTE_NOOP("Fenetre",
                               "La coupe commencée la dernière fois a été gardée : %1.\r"
                               "Veux-tu la reprendre ?")},
    EntreeCatalogue{T::RepriseExercice, "repriseExercice",
                    TEXTE_NOOP("Fenetre",
                               "Ton travail sur l'exercice « %1 » a été gardé : %2.\r"
                               "Veux-tu le reprendre ?")},
    EntreeCatalogue{T::AvecOrdre, "avecOrdre", TEXTE_NOOP("Fenetre", "%1, et l'ordre des événements que tu as vérifié")},
};

// The table is indexed by its key.
constexpr bool DansLOrdre() {
    for (std::size_t i = 0; i < kCatalogue.size(); ++i)
        if (static_cast<std::size_t>(kCatalogue[i].cle) != i) return false;
    return true;
}
static_assert(DansLOrdre(), "kCatalogue must follow the order of TexteFenetre");
static_assert(kCatalogue.size() == static_cast<std::size_t>(T::AvecOrdre) + 1, "a key without its text");

}  // namespace

std::span<const EntreeCatalogue> Catalogue() { return kCatalogue; }

std::string TexteDeFenetre(TexteFenetre cle) {
    return Texte("Fenetre", kCatalogue[static_cast<std::size_t>(cle)].francais);
}

}  // namespace section
