// SPDX-License-Identifier: GPL-3.0-or-later
// The event table's dispatch, the availability rules, the list-file text
// and the replay of a list.
#include "section/encodage.h"
#include "section/evenements.h"

#include "section/textes.h"

namespace section {

const TypeEvenement* EvenementParTag(int tag) {
    if (tag < 1 || tag > static_cast<int>(kEvenements.size())) return nullptr;
    return &kEvenements[static_cast<std::size_t>(tag - 1)];
}

std::optional<Evenement> EvenementDeTag(int tag) {
    if (const TypeEvenement* e = EvenementParTag(tag)) return e->evenement;
    return std::nullopt;
}

std::optional<Evenement> EvenementDeLigne(std::string_view ligne) {
    for (const TypeEvenement& e : kEvenements)
        if (e.ligne == ligne) return e.evenement;
    return std::nullopt;
}

int TagDeLigne(std::string_view ligne) {
    const std::optional<Evenement> e = EvenementDeLigne(ligne);
    return e ? Tag(*e) : 0;
}

// The words of the table, each written again whole for the translator;
// the tests check that they match the table.
std::string DescriptionEvenement(Evenement e) {
    switch (e) {
    case Evenement::Sedimentation:
        return Texte("Evenements",
                     "Une nouvelle couche se dépose sur la surface ; sur un relief, elle comble d'abord les creux.");
    case Evenement::Volcanisme:
        return Texte("Evenements", "Une coulée de lave arrive par la droite et s'étale sur la surface.");
    case Evenement::Erosion: return Texte("Evenements", "Le haut de la coupe est raboté : il reste une surface plane.");
    case Evenement::Plutonisme:
        return Texte("Evenements", "Un massif de granite monte en profondeur, près du bord droit.");
    case Evenement::Compression: return Texte("Evenements", "Les couches sont serrées et se plissent.");
    case Evenement::Chevauchement:
        return Texte("Evenements",
                     "Les couches se plissent, puis un paquet de couches glisse sur ses voisines le long d'une "
                     "faille.");
    case Evenement::Distension: return Texte("Evenements", "La région s'étire : un bloc s'effondre entre deux failles.");
    }
    return std::string(Type(e).description);
}

void OperationsEvenement(Section& s, Evenement e) {
    switch (e) {
    case Evenement::Sedimentation: Sedimenter(s); break;
    case Evenement::Volcanisme: PlacerCoulee(s); break;
    case Evenement::Erosion: Eroder(s); break;
    case Evenement::Plutonisme: PlacerPluton(s); break;
    case Evenement::Compression: Plisser(s); break;
    case Evenement::Chevauchement:
        Plisser(s);
        Chevaucher(s);
        break;
    case Evenement::Distension: Distendre(s); break;
    }
}

// Rows grow downwards: a large SurfaceHaut is a low surface. Sedimentation
// needs room above the surface, erosion must leave the surface above the
// bottom of the view, a thrust needs its red band well below the view, and a
// stretched section can no longer be folded, thrust or intruded. A command
// off keeps the reason of the first rule it fails.
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
        d.Refuser(E::Chevauchement, raison::BandeRouge);
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
        return {raison::DistensionChevauchement, raison::TropHautPourChevaucher, raison::BandeRouge};
    case Evenement::Distension: break;
    }
    return {};
}

std::string TexteRaison(std::string_view r) {
    if (r == raison::PasDePlaceCouche)
        return Texte("Disponibilite", "plus de place pour une nouvelle couche : fais d'abord une érosion");
    if (r == raison::PasPlane) return Texte("Disponibilite", "la surface doit être plane : fais d'abord une érosion");
    if (r == raison::TropHautePourCoulee)
        return Texte("Disponibilite", "la surface est trop haute pour que la lave s'y étale : fais d'abord une érosion");
    if (r == raison::TropBasPourEroder)
        return Texte("Disponibilite",
                     "la surface est déjà trop près du bas de l'image : une érosion la ferait disparaître");
    if (r == raison::TropBasPourPluton)
        return Texte("Disponibilite",
                     "la surface est trop près du bas de l'image : il ne reste plus assez de couches à traverser");
    if (r == raison::DistensionPluton)
        return Texte("Disponibilite",
                     "une distension figure dans la liste : une région étirée ne reçoit plus de granite");
    if (r == raison::DistensionCompression)
        return Texte("Disponibilite",
                     "une distension figure dans la liste : une région étirée ne peut plus être comprimée");
    if (r == raison::DistensionChevauchement)
        return Texte("Disponibilite", "une distension figure dans la liste : une région étirée ne peut plus chevaucher");
    if (r == raison::TropHautPourChevaucher)
        return Texte("Disponibilite",
                     "la surface est trop près du haut de l'image : les couches qui montent n'auraient plus de place");
    if (r == raison::BandeRouge)
        return Texte("Disponibilite",
                     "la bande rouge du fond remonterait dans l'image : plus de chevauchement possible");
    if (r == raison::SansCoupe)
        return Texte("Disponibilite", "les images de la coupe manquent : aucun événement n'est possible");
    return std::string(r);
}

std::vector<std::size_t> LignesNonRejouees(const Liste& liste) {
    std::vector<std::size_t> ignorees;
    for (std::size_t i = 0; i < liste.size(); ++i) {
        const bool rejouee = i == 0 ? liste[i] == kLigneInitiale : EvenementDeLigne(liste[i]).has_value();
        if (!rejouee) ignorees.push_back(i);
    }
    return ignorees;
}

std::string TexteListe(const Liste& liste) {
    std::string t;
    for (const Ligne& l : liste) {
        t += l;
        t += "\r\n";
    }
    return t;
}

namespace {

// Splits Windows-1252 text that holds no NUL.
Liste Decouper(std::string_view octets) {
    Liste lignes;
    std::size_t debut = 0;
    const std::size_t n = octets.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char c = octets[i];
        if (c != '\r' && c != '\n') continue;
        lignes.emplace_back(octets.substr(debut, i - debut));
        if (c == '\r' && i + 1 < n && octets[i + 1] == '\n') ++i;
        debut = i + 1;
    }
    if (debut < n) lignes.emplace_back(octets.substr(debut));
    return lignes;
}

}  // namespace

Liste LireListe(std::string_view octets) {
    const std::size_t nul = octets.find('\0');
    if (nul != std::string_view::npos) octets = octets.substr(0, nul);
    // Converted once: the Windows-1252 result is never examined again.
    if (LuEnUtf8(octets)) return Decouper(Cp1252DeUtf8(octets));
    return Decouper(octets);
}

int RejouerLigne(Section& s, std::string_view ligne) {
    const std::optional<Evenement> e = EvenementDeLigne(ligne);
    if (!e) return 0;
    if (LitLaSurface(*e)) MesureSurface(s);
    OperationsEvenement(s, *e);
    return Tag(*e);
}

void Rejouer(Section& s, const Liste& liste) {
    const std::size_t n = liste.size();
    for (std::size_t i = 1; i < n; ++i) {
        s.DebuterEvenement(static_cast<Formation>(i));  // what line i lays
        RejouerLigne(s, liste[i]);
    }
}

std::string Utf8DeLigne(std::string_view ligne) {
    // Windows-1252 to UTF-8; the five unassigned bytes become U+FFFD.
    std::string out;
    out.reserve(ligne.size() + 8);
    for (const char ch : ligne) AjouterUtf8(out, CaractereCp1252(static_cast<unsigned char>(ch)));
    return out;
}

}  // namespace section
