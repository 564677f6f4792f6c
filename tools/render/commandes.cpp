// SPDX-License-Identifier: GPL-3.0-or-later
// Dispatch, and the plain rendering commands: one list to a picture, a
// section and a state report, or many lists to a folder of pictures.
#include "commandes.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <cerrno>
#include <cstdio>
#include <sys/stat.h>

#include "dessin/formations.h"
#include "section/exercice_session.h"
#include "section/roches.h"
#include "dessin/images.h"
#include "rendu.h"
#include "section/textes.h"
#include "section/note.h"

namespace rendu {

// A message's bytes for the terminal: names and lines from files may hold
// escape sequences (a title, a cleared screen, a colour, the clipboard),
// shown as "\x1b" and never acted upon. File names keep their bytes
// (OctetsDeChemin), so a name that is not UTF-8 shows its bytes as "\xe9".
std::string PourTerminal(const QString& texte) { return section::SansControles(dessin::OctetsDeChemin(texte)); }

void Signaler(const QString& message) {
    const std::string t = "strataloom-render : " + PourTerminal(message) + "\n";
    std::fwrite(t.data(), 1, t.size(), stderr);
    std::fflush(stderr);
}

void Afficher(const QString& ligne) {
    // The program's own texts (the help) may span lines: each is shown.
    std::string t;
    for (const QString& l : ligne.split(QLatin1Char('\n'))) t += PourTerminal(l) + "\n";
    std::fwrite(t.data(), 1, t.size(), stdout);
}

void AfficherOctets(std::string_view octets) { std::fwrite(octets.data(), 1, octets.size(), stdout); }

int TerminerSortie(int code) {
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return code;
    Signaler(QStringLiteral("la sortie standard n'a pas pu être écrite (disque plein ou sortie fermée)"));
    return kEchec;
}

bool PreparerDossier(const QString& dossier) {
    // By bytes, so a name that is not UTF-8 makes the folder it names.
    const std::string chemin = dessin::OctetsDeChemin(dossier);
    bool fait = !chemin.empty();
    for (std::size_t fin = 1; fait && fin <= chemin.size(); ++fin) {
        if (fin < chemin.size() && chemin[fin] != '/') continue;
        const std::string partie = chemin.substr(0, fin);
        struct stat st {};
        if (::stat(partie.c_str(), &st) == 0) {
            fait = S_ISDIR(st.st_mode);
        } else {
            fait = ::mkdir(partie.c_str(), 0777) == 0 || errno == EEXIST;
        }
    }
    if (fait) return true;
    Signaler(QStringLiteral("Impossible de créer le dossier %1").arg(Cite(dossier)));
    return false;
}

int Executer(const Options& o, const QString& baseParDefaut) {
    section::Session a;
    const QString base = o.base.isEmpty() ? baseParDefaut : o.base;
    if (const auto e = ChargerBase(base, a)) {
        Signaler(e->message);
        return kEchec;
    }
    switch (o.mode) {
    case Mode::Rendu: return CommandeRendu(o, a);
    case Mode::Dossier: return CommandeDossier(o, a);
    case Mode::Comparer: return CommandeComparer(o, a);
    case Mode::Noter: return CommandeNoter(o, a);
    case Mode::Etapes: return CommandeEtapes(o, a);
    case Mode::Exercices: return CommandeExercices(o, a);
    case Mode::Fiche: return CommandeFiche(o, a);
    case Mode::Devoir: return CommandeDevoir(o, a);
    case Mode::Copie: return CommandeCopie(o, a);
    case Mode::Verifier: return CommandeVerifier(o, a);
    case Mode::Chronologie: return CommandeChronologie(o, a);
    case Mode::Ordre: return CommandeOrdre(o, a);
    case Mode::Scorm:
    case Mode::Aide:
    case Mode::Version: break;
    }
    return kUsage;
}

int CommandeRendu(const Options& o, section::Session& a) {
    Erreur erreur;
    const auto liste = LireFichierListe(o.listes.front(), erreur);
    if (!liste) {
        Signaler(erreur.message);
        return kEchec;
    }
    a.Charger(*liste);
    int code = kSucces;
    const auto rendre = [&](std::optional<Erreur> e) {
        if (!e) return;
        Signaler(e->message);
        code = kEchec;
    };
    if (!o.image.isEmpty()) rendre(EcrireImageSelonNom(a.vue(), o.image));
    if (!o.section.isEmpty()) rendre(EcrireImageSelonNom(a.observe(), o.section, true));
    if (!o.etat.isEmpty()) rendre(EcrireFichier(EtatJson(a), o.etat));
    if (!o.formationsJson.isEmpty()) rendre(EcrireFichier(section::FormationsJson(section::LireVueLegende(a)), o.formationsJson));
    if (!o.formations.isEmpty()) {
        dessin::Affichage affichage;
        affichage.impression = true;
        affichage.lettres = !o.sansLettres;
        affichage.roches = true;
        rendre(EcrireImageSelonNom(dessin::DeImage(dessin::FeuilleFormations(a, affichage)), o.formations));
    }
    return code;
}

namespace {

// The picture's name for a list: its name without the last extension.
QString NomImage(const QString& liste) {
    if (liste == QLatin1String("-")) return QStringLiteral("entree-standard.bmp");
    return QFileInfo(liste).completeBaseName() + QStringLiteral(".bmp");
}

}  // namespace

int CommandeDossier(const Options& o, section::Session& a) {
    // Two lists named alike would overwrite each other's picture.
    QSet<QString> noms;
    for (const QString& l : o.listes) {
        const QString nom = NomImage(l);
        if (noms.contains(nom)) {
            Signaler(QStringLiteral("deux listes donneraient la même image %1").arg(Cite(nom)));
            return kUsage;
        }
        noms.insert(nom);
    }
    if (!PreparerDossier(o.dossier)) return kEchec;
    int code = kSucces;
    for (const QString& l : o.listes) {
        Erreur erreur;
        const auto liste = LireFichierListe(l, erreur);
        if (!liste) {
            Signaler(erreur.message);
            code = kEchec;
            continue;
        }
        a.Charger(*liste);
        if (const auto e = EcrireImageSelonNom(a.vue(), QDir(o.dossier).filePath(NomImage(l)), true)) {
            Signaler(e->message);
            code = kEchec;
        }
    }
    return code;
}

}  // namespace rendu
