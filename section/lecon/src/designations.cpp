// SPDX-License-Identifier: GPL-3.0-or-later
#include "designations.h"

#include "section/legende_vue.h"
#include "section/textes.h"

namespace section {

LettresVue Lettres(const Session& s) {
    VueLegende v = LireVueLegende(s);
    LettresVue l;
    static_cast<std::map<Formation, std::string>&>(l) = std::move(v.designations);
    std::map<Formation, int> nombre;
    for (const Structure& st : v.structures) ++nombre[st.formation];
    for (Structure& st : v.structures)
        if (nombre[st.formation] > 1) l.traces[st.formation].emplace_back(st.etiquette, std::move(st.trace));
    return l;
}

std::string NomCarte(Evenement e, const std::string& lettre) {
    const bool vue = !lettre.empty();
    switch (e) {
    case Evenement::Sedimentation:
        //: %1 is the letter of the layer in the view.
        return vue ? Remplir(Texte("Cartes", "Dépôt de la couche %1"), {lettre}) : Texte("Cartes", "Dépôt d'une couche");
    case Evenement::Volcanisme:
        //: %1 is the letter of the lava flow in the view.
        return vue ? Remplir(Texte("Cartes", "Épanchement de la coulée de lave %1"), {lettre})
                   : Texte("Cartes", "Épanchement d'une coulée de lave");
    case Evenement::Erosion: return Texte("Cartes", "Érosion");
    case Evenement::Plutonisme:
        //: %1 is the letter of the granite in the view.
        return vue ? Remplir(Texte("Cartes", "Mise en place du granite %1"), {lettre})
                   : Texte("Cartes", "Mise en place d'un granite");
    case Evenement::Compression: return Texte("Cartes", "Plissement (compression)");
    case Evenement::Chevauchement: return Texte("Cartes", "Chevauchement (faille inverse)");
    case Evenement::Distension: return Texte("Cartes", "Faille normale (distension)");
    }
    return {};
}

std::string Cite(const std::string& s) {
    //: A card's name quoted in a sentence.
    return Remplir(Texte("Ordre", "« %1 »"), {s});
}

std::string Designation(const Liste& l, const LettresVue& lettres, int f) {
    const auto it = lettres.find(static_cast<Formation>(f));
    const bool vue = it != lettres.end();
    const std::string lettre = vue ? it->second : std::string();
    if (f == 0)
    {
        if (!vue) return Texte("Ordre", "la série de départ");
        // The letters of its bands, when the legend tells them apart.
        if (lettre.find(',') != std::string::npos)
            //: %1 lists the letters of the bands of the starting series in the view: "A, D, E".
            return Remplir(Texte("Ordre", "la série de départ (%1)"), {lettre});
        //: %1 is the letter of the starting series in the view.
        return Remplir(Texte("Ordre", "la série de départ %1"), {lettre});
    }
    const auto e = f > 0 && static_cast<std::size_t>(f) < l.size() ? EvenementDeLigne(l[static_cast<std::size_t>(f)])
                                                                  : std::nullopt;
    if (!e) return Texte("Ordre", "la couche");
    switch (*e) {
    case Evenement::Sedimentation:
        //: %1 is the letter of the layer in the view.
        return vue ? Remplir(Texte("Ordre", "la couche %1"), {lettre}) : Texte("Ordre", "la couche");
    case Evenement::Volcanisme:
        //: %1 is the letter of the lava flow in the view.
        return vue ? Remplir(Texte("Ordre", "la coulée %1"), {lettre}) : Texte("Ordre", "la coulée");
    case Evenement::Plutonisme:
        //: %1 is the letter of the granite in the view.
        return vue ? Remplir(Texte("Ordre", "le granite %1"), {lettre}) : Texte("Ordre", "le granite");
    case Evenement::Distension: {
        const auto traces = lettres.traces.find(static_cast<Formation>(f));
        if (traces != lettres.traces.end() && traces->second.size() >= 2) {
            std::string premieres;
            for (std::size_t i = 0; i + 1 < traces->second.size(); ++i)
                premieres += (i ? ", " : "") + traces->second[i].first;
            //: %1 lists the labels of all fault traces but the last ("F1" or "F1, F2"), %2 is the last.
            return Remplir(Texte("Ordre", "les failles %1 et %2"), {premieres, traces->second.back().first});
        }
        //: %1 is the label of the fault trace in the view (F1, F2...).
        return vue ? Remplir(Texte("Ordre", "la faille %1"), {lettre}) : Texte("Ordre", "la faille");
    }
    case Evenement::Chevauchement:
        //: %1 is the label of the thrust plane in the view (T).
        return vue ? Remplir(Texte("Ordre", "le plan de chevauchement %1"), {lettre})
                   : Texte("Ordre", "le chevauchement");
    case Evenement::Erosion:
        //: %1 is the label of the erosion surface in the view (S1, S2...).
        return vue ? Remplir(Texte("Ordre", "la surface d'érosion %1"), {lettre}) : Texte("Ordre", "la surface d'érosion");
    case Evenement::Compression: return Texte("Ordre", "le plissement");
    }
    return {};
}

std::string Clause(const Liste& l, const LettresVue& lettres, const Relation& r) {
    // Of a distension's traces, the one nearest where the relation shows.
    const auto nom = [&](int f) {
        const auto traces = lettres.traces.find(static_cast<Formation>(f));
        if (traces == lettres.traces.end() || traces->second.empty()) return Designation(l, lettres, f);
        const std::string* etiquette = &traces->second.front().first;
        long long meilleure = -1;
        for (const auto& [e, points] : traces->second)
            for (const Point& q : points) {
                const long long dx = q.x - r.ou.x, dy = q.y - r.ou.y;
                if (meilleure < 0 || dx * dx + dy * dy < meilleure) {
                    meilleure = dx * dx + dy * dy;
                    etiquette = &e;
                }
            }
        return Remplir(Texte("Ordre", "la faille %1"), {*etiquette});
    };
    const std::string ancien = nom(r.ancien), recent = nom(r.recent);
    const std::string f = r.formations.empty() ? ancien : nom(r.formations.back());
    // The folding or the thrust of a deformation relation.
    const int evenement = r.temoin == Temoin::Plisse ? r.recent : r.ancien;
    const bool pli = evenement > 0 && static_cast<std::size_t>(evenement) < l.size() &&
                     EvenementDeLigne(l[static_cast<std::size_t>(evenement)]) == Evenement::Compression;
    const std::string deformation = pli ? Texte("Ordre", "le plissement") : Texte("Ordre", "le chevauchement");
    const bool coulee = r.recent > 0 && static_cast<std::size_t>(r.recent) < l.size() &&
                        EvenementDeLigne(l[static_cast<std::size_t>(r.recent)]) == Evenement::Volcanisme;
    switch (r.temoin) {
    case Temoin::Repose:
        //: %1 rests on %2.
        return Remplir(Texte("Relations", "%1 repose sur %2 (principe de superposition)"), {recent, ancien});
    case Temoin::ReposeSurSurface:
        //: %1 rests on the erosion surface %2, which truncates no deformed formation: a gap, not a discordance.
        return Remplir(Texte("Relations", "%1 repose sur %2, une lacune sans discordance (principe de superposition)"),
                       {recent, ancien});
    case Temoin::TraceRecoupe:
    case Temoin::Granite:
        //: %1 (a fault, a thrust plane, a granite) cuts %2.
        return Remplir(Texte("Relations", "%1 recoupe %2 (principe de recoupement)"), {recent, ancien});
    case Temoin::Scelle:
        //: %1 (a layer or a lava flow) covers the top of the fault %2 without being cut.
        return Remplir(Texte("Relations", "%1 scelle %2 (principe de recoupement)"), {recent, ancien});
    case Temoin::Filon:
        //: %1 is a lava flow ("la coulée E"); the flow and its feeder dyke, named together, cut %2.
        return Remplir(Texte("Relations", "%1 et son filon recoupent %2 (principe de recoupement)"),
                       {recent, ancien});
    case Temoin::Tronque:
        //: %1 is an erosion surface that truncates %2.
        return Remplir(Texte("Relations", "%1 tronque %2 (principe de recoupement)"), {recent, ancien});
    case Temoin::Plisse:
        return pli
                   //: %1 is the folded formation.
                   ? Remplir(Texte("Relations", "le plissement affecte %1 (principe de recoupement)"), {ancien})
                   //: %1 is the formation the thrust offsets.
                   : Remplir(Texte("Relations", "le chevauchement décale %1 (principe de recoupement)"), {ancien});
    case Temoin::ReposeSurPli:
        //: %1 was laid on %3 after %2 (a folding or a thrust) had deformed it: an unconformity. Nothing is said of
        //: whether %1 was deformed later.
        return Remplir(Texte("Relations", "discordance : %1 repose sur %3, déjà déformée par %2 avant son dépôt"),
                       {recent, deformation, f});
    case Temoin::IntrusionPli:
        if (coulee)
            //: %1 is a lava flow ("la coulée E"); its feeder dyke crosses %3, already deformed by %2.
            return Remplir(Texte("Relations", "%1 et son filon recoupent %3, déjà déformée par %2 (principe de recoupement)"),
                           {recent, deformation, f});
        //: %1 is a granite or a fault crossing %3, already deformed by %2.
        return Remplir(Texte("Relations", "%1 recoupe %3, déjà déformée par %2 (principe de recoupement)"),
                       {recent, deformation, f});
    case Temoin::DiscordancePli:
        //: %1 is an erosion surface truncating %3, already deformed by %2.
        return Remplir(Texte("Relations", "discordance : %1 tronque %3, déjà déformée par %2"),
                       {recent, !pli && EvenementDeLigne(l[static_cast<std::size_t>(r.ancien)]) == Evenement::Distension ? ancien : deformation, f});
    case Temoin::Discordance:
        //: %1 rests on the erosion surface %2, which truncates deformed formations.
        return Remplir(Texte("Relations", "discordance : %1 repose sur %2, qui tronque des formations déformées"),
                       {recent, ancien});
    }
    return {};
}

}  // namespace section
