// SPDX-License-Identifier: GPL-3.0-or-later
#include "section/disponibilite.h"

#include "section/textes.h"

namespace section {

// Rows grow downwards: a large SurfaceHaut is a low surface. Sedimentation
// needs room above the surface, erosion must leave the surface above the
// bottom of the view, a thrust needs the red band that marks the base of its
// sheet well below the view, and the program does not fold, thrust or intrude
// a section it has stretched (a limit of the drawing, not of nature). A
// command off keeps the reason of the first rule it fails.
Disponibilite MajBoutons(Section& s, const Liste& liste) {
    bool sansDistension = true;
    for (const Ligne& l : liste) {
        if (l == Type(Evenement::Distension).ligne) {
            sansDistension = false;
            break;
        }
    }
    MesureSurface(s);
    const int v = s.Visu.height();
    const int sb = s.SurfaceBas, sh = s.SurfaceHaut;
    const bool plane = s.SurfacePlane();
    using E = Evenement;
    Disponibilite d;
    for (const TypeEvenement& t : kEvenements) d[t.evenement] = true;
    if (!sansDistension) {
        d.Refuser(E::Chevauchement, raison::DistensionChevauchement);
    } else if (!(sh > Rejet)) {
        d.Refuser(E::Chevauchement, raison::TropHautPourChevaucher);
    } else if (!(HautSocle(s) - Rejet > v)) {  // evaluated only when the first two hold
        d.Refuser(E::Chevauchement, raison::BaseDeLaNappe);
    }
    if (!sansDistension) d.Refuser(E::Compression, raison::DistensionCompression);
    if (!(sh - s.tex.ImSedim2.height() > Rejet || (sh - kHauteurComblement > Rejet && !plane)))
        d.Refuser(E::Sedimentation, raison::PasDePlaceCouche);
    if (!((!plane && sb + kMargeErosion < v) || (plane && sb + kEpaisseurErosionPlane + kMargeErosion < v)))
        d.Refuser(E::Erosion, raison::TropBasPourEroder);
    if (!sansDistension) {
        d.Refuser(E::Plutonisme, raison::DistensionPluton);
    } else if (!(sb < v - kMargePluton)) {
        d.Refuser(E::Plutonisme, raison::TropBasPourPluton);
    }
    if (!plane) {
        d.Refuser(E::Volcanisme, raison::PasPlane);
    } else if (!(sb > kFondVolcanisme)) {
        d.Refuser(E::Volcanisme, raison::TropHautePourCoulee);
    }
    return d;  // Distension is never off
}

std::vector<std::string_view> RaisonsPossibles(Evenement e) {
    switch (e) {
    case Evenement::Sedimentation: return {raison::PasDePlaceCouche};
    case Evenement::Volcanisme: return {raison::PasPlane, raison::TropHautePourCoulee};
    case Evenement::Erosion: return {raison::TropBasPourEroder};
    case Evenement::Plutonisme: return {raison::DistensionPluton, raison::TropBasPourPluton};
    case Evenement::Compression: return {raison::DistensionCompression};
    case Evenement::Chevauchement:
        return {raison::DistensionChevauchement, raison::TropHautPourChevaucher, raison::BaseDeLaNappe};
    case Evenement::Distension: break;
    }
    return {};
}

std::string TexteRaison(std::string_view r) {
    if (r == raison::PasDePlaceCouche)
        return Texte("Disponibilite", "plus de place pour une nouvelle couche : fais d'abord une érosion");
    if (r == raison::PasPlane)
        return Texte("Disponibilite",
                     "Strataloom ne sait poser une coulée que sur une surface plane : fais d'abord une érosion");
    if (r == raison::TropHautePourCoulee)
        return Texte("Disponibilite",
                     "la surface est trop près du haut de l'image pour y dessiner la coulée : fais d'abord une "
                     "érosion");
    if (r == raison::TropBasPourEroder)
        return Texte("Disponibilite",
                     "la surface est déjà trop près du bas de l'image : une érosion la ferait disparaître");
    if (r == raison::TropBasPourPluton)
        return Texte("Disponibilite",
                     "la surface est trop près du bas de l'image : il ne reste plus assez de couches à traverser");
    if (r == raison::DistensionPluton)
        return Texte("Disponibilite",
                     "une distension figure dans la liste : Strataloom ne sait pas mettre en place un granite dans "
                     "une région déjà étirée");
    if (r == raison::DistensionCompression)
        return Texte("Disponibilite",
                     "une distension figure dans la liste : Strataloom ne sait pas comprimer une région déjà étirée");
    if (r == raison::DistensionChevauchement)
        return Texte("Disponibilite",
                     "une distension figure dans la liste : Strataloom ne sait pas faire chevaucher une région déjà "
                     "étirée");
    if (r == raison::TropHautPourChevaucher)
        return Texte("Disponibilite",
                     "la surface est trop près du haut de l'image : les couches qui montent n'auraient plus de place");
    if (r == raison::BaseDeLaNappe)
        return Texte("Disponibilite",
                     "la base de la nappe d'un chevauchement précédent remonterait dans l'image : Strataloom ne "
                     "sait pas faire un chevauchement de plus");
    if (r == raison::SansCoupe)
        return Texte("Disponibilite", "les images de la coupe manquent : aucun événement n'est possible");
    return std::string(r);
}

Bulles BullesEvenement(Evenement e, std::string_view raison, bool dernier) {
    const std::string nom = NomEvenement(e);
    Bulles b{DescriptionEvenement(e),
             Remplir(Texte("Disponibilite",
                           "Ouvre l'aide de « %1 » : ce que fait cet événement et quand il est possible."),
                     {nom})};
    if (!raison.empty()) {
        const std::string pourquoi = TexteRaison(raison);
        b.commande += '\n' + Remplir(Texte("Disponibilite", "Impossible pour l'instant : %1."), {pourquoi});
        b.aide += '\n' + Remplir(Texte("Disponibilite", "« %1 » est impossible pour l'instant : %2."), {nom, pourquoi});
    }
    if (dernier) b.aide += '\n' + Texte("Disponibilite", "En rouge : l'aide du dernier événement appliqué.");
    return b;
}

}  // namespace section
