// SPDX-License-Identifier: GPL-3.0-or-later
// The chronology a section shows (--chronologie) and an order of an
// exercise's events judged by it (--check-order).
#include <cstdio>

#include "commandes.h"
#include "devoirs.h"
#include "dessin/images.h"
#include "section/ordre.h"
#include "section/exercice_session.h"

namespace rendu {

namespace {

QString Texte(const std::string& s) { return QString::fromStdString(s); }

// The model of an exercise or of a plain list, formation plane on. An
// exercise whose picture these textures do not give is still read, with a
// warning.
bool ChargerModele(const QString& chemin, section::Session& modele, const section::Session& a) {
    Erreur erreur;
    const auto corrige = LireCorrige(chemin, erreur);
    if (!corrige) {
        Signaler(erreur.message);
        return false;
    }
    modele.DefinirTextures(a.textures());
    modele.SuivreFormations(true);
    if (!corrige->exercice) {
        modele.Charger(corrige->lignes);
        return true;
    }
    if (!section::ChargerExercice(modele, *corrige->exercice))
        Signaler(QStringLiteral("attention : ces textures ne redonnent pas l'image de l'exercice %1 ; "
                                "la chronologie est lue sur la coupe que ses événements donnent ici")
                     .arg(Cite(chemin)));
    return true;
}

}  // namespace

// Only JSON on standard output, legible or not; messages go to standard
// error.
int CommandeChronologie(const Options& o, section::Session& a) {
    section::Session modele;
    if (!ChargerModele(o.chronologie, modele, a)) return kEchec;
    section::Chronologie c = section::LireChronologie(modele);
    section::EvaluerLisibilite(modele.textures(), modele.liste(), c);
    const std::string json = section::ChronologieJson(modele, c);
    std::fwrite(json.data(), 1, json.size(), stdout);
    return kSucces;
}

// The verdict, its sentence and the mark of an order given as a list.
int CommandeOrdre(const Options& o, section::Session& a) {
    section::Session modele;
    if (!ChargerModele(o.ordre, modele, a)) return kEchec;
    Erreur erreur;
    const auto liste = LireFichierListe(o.listes.front(), erreur);
    if (!liste) {
        Signaler(erreur.message);
        return kEchec;
    }
    const section::Chronologie c = section::LireChronologie(modele);
    if (!c.lue) {
        Signaler(QStringLiteral("la chronologie de la coupe de %1 ne peut pas être lue").arg(Cite(o.ordre)));
        return kEchec;
    }
    const std::vector<int> ids = section::IdsDeListe(modele, c, *liste);
    if (ids.empty()) {
        Signaler(QStringLiteral("la liste %1 n'a pas les mêmes événements que l'exercice %2")
                     .arg(Cite(o.listes.front()), Cite(o.ordre)));
        return kEchec;
    }
    const std::vector<section::Carte> cartes = section::CartesDuModele(modele, 0);
    section::Session essai;
    essai.DefinirTextures(a.textures());
    const section::VerificationOrdre v = section::VerifierOrdre(modele, c, cartes, ids, essai);
    Afficher(v.juste ? QStringLiteral("Ordre juste") : QStringLiteral("Ordre faux"));
    Afficher(Texte(v.texte));
    Afficher(QStringLiteral("Note : %1/20").arg(section::NoteOrdre(c, ids)));
    return kSucces;
}

}  // namespace rendu
