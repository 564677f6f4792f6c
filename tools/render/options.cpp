// SPDX-License-Identifier: GPL-3.0-or-later
#include "options.h"

#include <array>
#include <optional>

#include "section/espace_enseignant.h"

namespace rendu {

namespace {

// Each option taking a value, with the field it fills.
struct OptionValeur {
    const char* nom;
    QString Options::*champ;
};

constexpr std::array<OptionValeur, 21> kValeurs = {{
    {"--base", &Options::base},
    {"-o", &Options::image},
    {"--section", &Options::section},
    {"--state", &Options::etat},
    {"--out-dir", &Options::dossier},
    {"--compare", &Options::modele},
    {"--diff", &Options::ecarts},
    {"--grade", &Options::cle},
    {"--steps", &Options::etapes},
    {"--formations", &Options::formations},
    {"--formations-json", &Options::formationsJson},
    {"--title", &Options::titre},
    {"--make-exercise", &Options::devoir},
    {"--make-answer", &Options::copie},
    {"--for", &Options::pour},
    {"--pupil", &Options::eleve},
    {"--check", &Options::verifier},
    {"--chronologie", &Options::chronologie},
    {"--check-order", &Options::ordre},
    {"--scorm", &Options::scorm},
    {"--page", &Options::page},
}};

QString Guillemets(const QString& s) { return QStringLiteral("« %1 »").arg(s); }

bool Entier(const QString& texte, qint64 min, qint64 max, qint64& valeur) {
    bool ok = false;
    valeur = texte.toLongLong(&ok, 10);
    return ok && !texte.startsWith(QLatin1Char('+')) && valeur >= min && valeur <= max;
}

// Which options each mode accepts besides --base.
QString Verifier(const Options& o, const QStringList& vues) {
    const auto vue = [&](const char* nom) { return vues.contains(QLatin1String(nom)); };
    const auto refuser = [&](std::initializer_list<const char*> noms,
                             const QString& contexte) -> QString {
        for (const char* n : noms)
            if (vue(n)) return QStringLiteral("l'option %1 ne va pas avec %2").arg(Guillemets(QLatin1String(n)), contexte);
        return {};
    };
    const int n = static_cast<int>(o.listes.size());
    if (vue("--formations") && o.mode != Mode::Rendu)
        return QStringLiteral("--formations ne va qu'avec le rendu d'une seule liste");
    if (vue("--formations-json") && o.mode != Mode::Rendu)
        return QStringLiteral("--formations-json ne va qu'avec le rendu d'une seule liste");
    if (vue("--no-letters") && !vue("--formations"))
        return QStringLiteral("--no-letters ne va qu'avec --formations");
    if (vue("--title") && o.mode != Mode::Fiche && o.mode != Mode::Devoir && o.mode != Mode::Exercices &&
        o.mode != Mode::Scorm)
        return QStringLiteral("--title ne va qu'avec --exercise, --sheet et une liste, --make-exercise ou --scorm");
    switch (o.mode) {
    case Mode::Exercices:
        if (!vue("--events") || !vue("--seed") || !vue("--out-dir"))
            return QStringLiteral("--exercise demande --events, --seed et --out-dir");
        if (n != 0) return QStringLiteral("--exercise ne prend pas de liste");
        return refuser({"-o", "--section", "--state", "--compare", "--diff", "--grade", "--steps"},
                       QStringLiteral("--exercise"));
    case Mode::Comparer:
        if (n != 1) return QStringLiteral("--compare demande une seule liste");
        return refuser({"-o", "--section", "--state", "--out-dir", "--grade", "--steps", "--sheet"},
                       QStringLiteral("--compare"));
    case Mode::Noter:
        if (n < 1) return QStringLiteral("--grade demande au moins une liste à noter");
        return refuser({"-o", "--section", "--state", "--out-dir", "--steps", "--sheet"},
                       QStringLiteral("--grade"));
    case Mode::Etapes:
        if (n != 1) return QStringLiteral("--steps demande une seule liste");
        return refuser({"-o", "--section", "--state", "--out-dir", "--sheet"}, QStringLiteral("--steps"));
    case Mode::Fiche:
        if (n != 1) return QStringLiteral("--sheet demande une seule liste, ou --exercise");
        return refuser({"-o", "--section", "--state", "--out-dir"}, QStringLiteral("--sheet"));
    case Mode::Dossier:
        if (n < 1) return QStringLiteral("--out-dir demande au moins une liste");
        return refuser({"-o", "--section", "--state"}, QStringLiteral("--out-dir"));
    case Mode::Rendu:
        if (n != 1) return n == 0 ? QStringLiteral("aucune liste d'événements donnée")
                                  : QStringLiteral("une seule liste à la fois (ou --out-dir)");
        if (o.image.isEmpty() && o.section.isEmpty() && o.etat.isEmpty() && o.formations.isEmpty() &&
            o.formationsJson.isEmpty())
            return QStringLiteral("rien à écrire : donnez -o, --section, --state, --formations ou --formations-json");
        return {};
    case Mode::Devoir:
        if (n != 1) return QStringLiteral("--make-exercise demande une seule liste");
        return refuser({"-o", "--section", "--state", "--out-dir", "--steps", "--sheet", "--exercise",
                        "--compare", "--grade"},
                       QStringLiteral("--make-exercise"));
    case Mode::Copie:
        if (!vue("--for") || !vue("--pupil")) return QStringLiteral("--make-answer demande --for et --pupil");
        if (n != 1) return QStringLiteral("--make-answer demande une seule liste");
        return refuser({"-o", "--section", "--state", "--out-dir", "--steps", "--sheet", "--exercise",
                        "--compare", "--grade"},
                       QStringLiteral("--make-answer"));
    case Mode::Verifier:
        if (n != 1) return QStringLiteral("--check demande une seule liste ou réponse");
        return refuser({"-o", "--section", "--state", "--out-dir", "--steps", "--sheet", "--exercise",
                        "--compare", "--grade"},
                       QStringLiteral("--check"));
    case Mode::Chronologie:
        if (n != 0) return QStringLiteral("--chronologie lit un seul fichier, donné après l'option");
        return refuser({"-o", "--section", "--state", "--out-dir", "--steps", "--sheet", "--exercise",
                        "--compare", "--grade", "--diff"},
                       QStringLiteral("--chronologie"));
    case Mode::Ordre:
        if (n != 1) return QStringLiteral("--check-order demande une seule liste : l'ordre à juger");
        return refuser({"-o", "--section", "--state", "--out-dir", "--steps", "--sheet", "--exercise",
                        "--compare", "--grade", "--diff"},
                       QStringLiteral("--check-order"));
    case Mode::Scorm:
        if (n < 1) return QStringLiteral("--scorm demande au moins un exercice (.exo)");
        return refuser({"-o", "--section", "--state", "--out-dir", "--steps", "--sheet", "--exercise", "--compare",
                        "--grade", "--diff", "--formations", "--formations-json", "--make-exercise", "--make-answer", "--check"},
                       QStringLiteral("--scorm"));
    case Mode::Aide:
    case Mode::Version: return {};
    }
    return {};
}

}  // namespace

std::variant<Options, QString> Analyser(const QStringList& args) {
    Options o;
    QStringList vues;
    bool finOptions = false;
    const qsizetype n = args.size();
    for (qsizetype i = 0; i < n; ++i) {
        QString a = args[i];
        if (finOptions || a == QLatin1String("-") || !a.startsWith(QLatin1Char('-'))) {
            o.listes << a;
            continue;
        }
        if (a == QLatin1String("--")) {
            finOptions = true;
            continue;
        }
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            o.mode = Mode::Aide;
            return o;
        }
        if (a == QLatin1String("--no-letters")) {
            if (vues.contains(a)) return QStringLiteral("l'option %1 est donnée deux fois").arg(Guillemets(a));
            vues << a;
            o.sansLettres = true;
            continue;
        }
        if (a == QLatin1String("--version")) {
            o.mode = Mode::Version;
            return o;
        }
        // "--name=value" as well as "--name value".
        QString valeur;
        bool valeurJointe = false;
        if (a.startsWith(QLatin1String("--")) && a.contains(QLatin1Char('='))) {
            const qsizetype eq = a.indexOf(QLatin1Char('='));
            valeur = a.mid(eq + 1);
            a = a.left(eq);
            valeurJointe = true;
        }
        const bool numerique = a == QLatin1String("--exercise") || a == QLatin1String("--events") ||
                               a == QLatin1String("--seed") || a == QLatin1String("--pass-mark");
        QString Options::*champ = nullptr;
        for (const OptionValeur& v : kValeurs)
            if (a == QLatin1String(v.nom)) champ = v.champ;
        if (!champ && !numerique && a != QLatin1String("--sheet"))
            return QStringLiteral("option inconnue %1").arg(Guillemets(a));
        if (vues.contains(a)) return QStringLiteral("l'option %1 est donnée deux fois").arg(Guillemets(a));
        vues << a;
        if (!valeurJointe) {
            if (i + 1 >= n) return QStringLiteral("l'option %1 attend une valeur").arg(Guillemets(a));
            valeur = args[++i];
        }
        if (valeur.isEmpty()) return QStringLiteral("l'option %1 attend une valeur non vide").arg(Guillemets(a));
        qint64 nombre = 0;
        if (a == QLatin1String("--exercise")) {
            if (!Entier(valeur, 1, kExercicesMax, nombre))
                return QStringLiteral("--exercise attend un nombre d'exercices de 1 à %1").arg(kExercicesMax);
            o.exercices = static_cast<int>(nombre);
        } else if (a == QLatin1String("--events")) {
            if (!Entier(valeur, 1, kEvenementsMax, nombre))
                return QStringLiteral("--events attend un nombre d'événements de 1 à %1").arg(kEvenementsMax);
            o.evenements = static_cast<int>(nombre);
        } else if (a == QLatin1String("--seed")) {
            const std::optional<std::uint32_t> graine = section::LireGraine(valeur.toStdString());
            if (!graine) return QStringLiteral("--seed attend un entier de 0 à 4294967295");
            o.graine = *graine;
        } else if (a == QLatin1String("--pass-mark")) {
            if (!Entier(valeur, 0, 20, nombre)) return QStringLiteral("--pass-mark attend une note de 0 à 20");
            o.seuil = static_cast<int>(nombre);
        } else if (a == QLatin1String("--sheet")) {
            o.fiche = valeur;
        } else {
            o.*champ = valeur;
        }
    }
    const auto vue = [&](const char* nom) { return vues.contains(QLatin1String(nom)); };
    if (vue("--make-exercise") && vue("--make-answer"))
        return QStringLiteral("--make-exercise et --make-answer ne vont pas ensemble");
    {
        // The chronology commands go alone among those that name their
        // main file in an option.
        QStringList commandes;
        for (const char* c : {"--scorm", "--chronologie", "--check-order", "--make-exercise", "--make-answer", "--check"})
            if (vue(c)) commandes << QLatin1String(c);
        if (commandes.size() > 1 && (vue("--chronologie") || vue("--check-order") || vue("--scorm")))
            return QStringLiteral("%1 et %2 ne vont pas ensemble").arg(commandes[0], commandes[1]);
    }
    if (vue("--scorm")) o.mode = Mode::Scorm;
    else if (vue("--chronologie")) o.mode = Mode::Chronologie;
    else if (vue("--check-order")) o.mode = Mode::Ordre;
    else if (vue("--make-exercise")) o.mode = Mode::Devoir;
    else if (vue("--make-answer")) o.mode = Mode::Copie;
    else if (vue("--check")) o.mode = Mode::Verifier;
    else if (vue("--exercise")) o.mode = Mode::Exercices;
    else if (vue("--compare")) o.mode = Mode::Comparer;
    else if (vue("--grade")) o.mode = Mode::Noter;
    else if (vue("--steps")) o.mode = Mode::Etapes;
    else if (vue("--sheet")) o.mode = Mode::Fiche;
    else if (vue("--out-dir")) o.mode = Mode::Dossier;
    else o.mode = Mode::Rendu;
    if ((vue("--events") || vue("--seed")) && o.mode != Mode::Exercices)
        return QStringLiteral("--events et --seed ne vont qu'avec --exercise");
    if ((vue("--for") || vue("--pupil")) && o.mode != Mode::Copie)
        return QStringLiteral("--for et --pupil ne vont qu'avec --make-answer");
    if ((vue("--page") || vue("--pass-mark")) && o.mode != Mode::Scorm)
        return QStringLiteral("--page et --pass-mark ne vont qu'avec --scorm");
    if (vue("--diff") && o.mode != Mode::Comparer && o.mode != Mode::Verifier)
        return QStringLiteral("--diff ne va qu'avec --compare ou --check");
    if (QString e = Verifier(o, vues); !e.isEmpty()) return e;
    return o;
}

QString TexteAide() {
    return QStringLiteral(
        "Utilisation :\n"
        "  strataloom-render [--base DOSSIER] [-o IMAGE] [--section IMAGE] [--state FICHIER.json]\n"
        "                    [--formations IMAGE.png [--no-letters]] [--formations-json FICHIER]\n"
        "                    LISTE\n"
        "  strataloom-render [--base DOSSIER] --out-dir DOSSIER LISTE...\n"
        "  strataloom-render [--base DOSSIER] --compare MODELE.bmp [--diff IMAGE] LISTE\n"
        "  strataloom-render [--base DOSSIER] --grade CORRIGE LISTE...\n"
        "  strataloom-render [--base DOSSIER] --steps DOSSIER LISTE\n"
        "  strataloom-render [--base DOSSIER] --exercise N --events K --seed S --out-dir DOSSIER\n"
        "                    [--title TITRE] [--sheet FICHE.pdf]\n"
        "  strataloom-render [--base DOSSIER] --sheet FICHE.pdf [--title TITRE] LISTE\n"
        "  strataloom-render [--base DOSSIER] --make-exercise EXERCICE.exo [--title TITRE] LISTE\n"
        "  strataloom-render [--base DOSSIER] --make-answer REPONSE.rep --for EXERCICE.exo\n"
        "                    --pupil NOM LISTE\n"
        "  strataloom-render [--base DOSSIER] --check EXERCICE.exo [--diff IMAGE] LISTE\n"
        "  strataloom-render [--base DOSSIER] --chronologie EXERCICE.exo|LISTE\n"
        "  strataloom-render [--base DOSSIER] --check-order EXERCICE.exo ORDRE.lst\n"
        "  strataloom-render --scorm PAQUET.zip [--page strataloom.html] [--pass-mark N]\n"
        "                    [--title TITRE] EXERCICE.exo...\n"
        "\n"
        "Rejoue une liste d'événements (.lst) comme « Charger une liste d'événements »\n"
        "et écrit la coupe obtenue. « - » comme LISTE lit l'entrée standard.\n"
        "\n"
        "  --base DOSSIER     dossier des textures (par défaut : Base à côté du programme)\n"
        "  -o IMAGE           image affichée, en BMP (ou PNG si le nom finit par .png)\n"
        "  --section IMAGE    coupe entière, en BMP\n"
        "  --state FICHIER    état après le rejeu, en JSON\n"
        "  --formations IMAGE image affichée, chaque roche dessinée avec son figuré, avec la\n"
        "                     lettre de chaque formation et la légende des roches et des\n"
        "                     structures, pour une fiche (PNG si le nom finit par .png)\n"
        "  --formations-json FICHIER\n"
        "                     les formations de l'image en JSON : lettre, roche et ligne de\n"
        "                     la liste qui l'a déposée (0 pour la série de départ)\n"
        "  --no-letters       avec --formations : sans lettres ni étiquettes sur la coupe\n"
        "  --out-dir DOSSIER  une image par liste, nommée d'après la liste\n"
        "  --compare MODELE   ressemblance entre la coupe et une image modèle\n"
        "  --diff IMAGE       avec --compare ou --check : image des écarts (en magenta)\n"
        "  --grade CORRIGE    note sur 20 chaque liste ou réponse (.rep) contre le corrigé,\n"
        "                     liste .lst ou exercice .exo (CSV sur la sortie ; 20 : même coupe)\n"
        "  --steps DOSSIER    une image par événement : etape-00.bmp, etape-01.bmp...\n"
        "  --exercise N       N exercices tirés au hasard (avec --events, --seed, --out-dir),\n"
        "                     écrits dans le dossier (créé s'il manque) : exercice-S-NN.lst,\n"
        "                     .bmp et .exo ; si l'un de ces fichiers (ou la fiche) existe\n"
        "                     déjà, rien n'est écrit\n"
        "  --events K         nombre d'événements par exercice (1 à 99)\n"
        "  --seed S           graine du tirage : la même graine donne les mêmes exercices\n"
        "  --sheet FICHE.pdf  fiches A4 à imprimer : les pages des élèves, puis les corrigés\n"
        "  --make-exercise EXERCICE.exo\n"
        "                     exercice à distribuer : l'image de la coupe et ses événements\n"
        "  --title TITRE      avec --exercise : le titre de la série (« Exercice 3 — TITRE ») ;\n"
        "                     avec --sheet : le titre de la fiche ; avec --make-exercise :\n"
        "                     celui de l'exercice ; avec --scorm : celui du paquet\n"
        "  --make-answer REPONSE.rep\n"
        "                     réponse d'un élève : son nom, l'exercice et sa liste\n"
        "  --for EXERCICE     avec --make-answer : l'exercice auquel la liste répond\n"
        "  --pupil NOM        avec --make-answer : le nom de l'élève\n"
        "  --check EXERCICE   vérifie une liste ou une réponse comme l'élève la verrait :\n"
        "                     même coupe ou non, ce qui diffère, la note sur 20\n"
        "  --chronologie FICHIER\n"
        "                     la chronologie que montre la coupe d'un exercice ou d'une\n"
        "                     liste, en JSON : cartes, relations « plus ancien que » avec\n"
        "                     leur principe, coupe lisible ou non et pourquoi\n"
        "  --check-order EXERCICE\n"
        "                     juge un ordre des événements de l'exercice, donné comme une\n"
        "                     liste des mêmes événements : ordre juste ou faux, pourquoi,\n"
        "                     la note sur 20 (10 points ôtés pour la première relation\n"
        "                     rompue, 3 pour chacune des suivantes)\n"
        "  --scorm PAQUET.zip paquet pour l'ENT ou la plateforme de cours (SCORM 1.2) : la\n"
        "                     page de Strataloom avec chaque exercice, dans l'ordre donné,\n"
        "                     noté sur 20 par la plateforme ; jamais écrit sur un fichier\n"
        "                     qui existe déjà\n"
        "  --page PAGE        avec --scorm : la page strataloom.html à mettre dans le paquet\n"
        "                     (par défaut : celle installée avec le programme)\n"
        "  --pass-mark N      avec --scorm : la note sur 20 pour réussir (0 à 20, 10 par\n"
        "                     défaut)\n"
        "  --help             affiche cette aide\n"
        "  --version          affiche la version\n"
        "\n"
        "Avec --make-exercise, une coupe dont l'élève ne peut pas lire toute la\n"
        "chronologie est enregistrée quand même, avec un avertissement « Attention : ».\n"
        "\n"
        "Codes de sortie : 0 réussite, 1 fichier illisible ou impossible à écrire\n"
        "(ou, avec --check-order, une liste qui n'a pas les événements de l'exercice),\n"
        "2 erreur d'utilisation.\n");
}

}  // namespace rendu
