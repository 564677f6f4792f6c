// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar and the window's words for the page, in the current
// language, and the translations the page carries.
#include "liaison.h"

#include <map>
#include <string>
#include <string_view>

#include "section/catalogue.h"
#include "section/commandes.h"
#include "section/textes.h"

using emscripten::val;

namespace liaison {

namespace {

// A command's name for the page, which maps it to its handler.
const char* NomCommande(section::Commande c) {
    using C = section::Commande;
    switch (c) {
    case C::ChargerModele: return "ChargerModele";
    case C::EnregistrerModele: return "EnregistrerModele";
    case C::ExporterImage: return "ExporterImage";
    case C::ChargerListe: return "ChargerListe";
    case C::EnregistrerListe: return "EnregistrerListe";
    case C::ExporterListe: return "ExporterListe";
    case C::Quitter: return "Quitter";
    case C::Evenements: return "Evenements";
    case C::Annuler: return "Annuler";
    case C::RetourDebut: return "RetourDebut";
    case C::Lettres: return "Lettres";
    case C::Teintes: return "Teintes";
    case C::Roches: return "Roches";
    case C::Legende: return "Legende";
    case C::Sons: return "Sons";
    case C::OuvrirExercice: return "OuvrirExercice";
    case C::OuvrirReponse: return "OuvrirReponse";
    case C::Verifier: return "Verifier";
    case C::Ordonner: return "Ordonner";
    case C::EnregistrerReponse: return "EnregistrerReponse";
    case C::ExporterScorm: return "ExporterScorm";
    case C::CreerExercice: return "CreerExercice";
    case C::EspaceEnseignant: return "EspaceEnseignant";
    case C::Aide: return "Aide";
    case C::Avertissement: return "Avertissement";
    case C::APropos: return "APropos";
    case C::Separateur: return "Separateur";
    }
    return "";
}

// The menus the page offers, left to right: [{nom, libelle, articles:

}  // namespace

// [{commande, nom, libelle, raccourcis: [...], cochable}]}], the captions
// in the current language with their "&".
val Menus() {
    constexpr section::Edition kPage = section::Edition::Navigateur;
    val menus = val::array();
    for (const section::MenuBarre& m : section::Menus()) {
        if (!section::Offert(m.edition, kPage)) continue;
        val articles = val::array();
        for (const section::ArticleMenu& a : m.articles) {
            if (!section::Offert(a.edition, kPage)) continue;
            val raccourcis = val::array();
            for (const char* r : a.raccourcis)
                if (r) raccourcis.call<void>("push", std::string(r));
            val article = val::object();
            article.set("commande", std::string(NomCommande(a.commande)));
            article.set("nom", std::string(a.nom));
            article.set("libelle", section::LibelleCommande(a.libelle));
            article.set("raccourcis", raccourcis);
            article.set("cochable", a.cochable);
            articles.call<void>("push", article);
        }
        val menu = val::object();
        menu.set("nom", std::string(m.nom));
        menu.set("libelle", section::LibelleCommande(m.libelle));
        menu.set("articles", articles);
        menus.call<void>("push", menu);
    }
    return menus;
}

// The window's words, {nom: texte}, in the current language.
val Textes() {
    val textes = val::object();
    for (const section::EntreeCatalogue& e : section::Catalogue())
        textes.set(e.nom, section::TexteDeFenetre(e.cle));
    // What the page says once it has handed a file to the browser, by kind
    // of file ("%1": the file's name); the window's save dialogs need none.
    using section::Texte;
    const std::pair<const char*, std::string> enregistres[] = {
        {"enregistreListe", Texte("Page", "Liste enregistrée : %1")},
        {"enregistreImage", Texte("Page", "Image enregistrée : %1")},
        {"enregistreReponse", Texte("Page", "Réponse enregistrée : %1")},
        {"enregistreExercice", Texte("Page", "Exercice enregistré : %1")},
        {"enregistreSerie", Texte("Page", "Série enregistrée : %1")},
        {"enregistreNotes", Texte("Page", "Notes enregistrées : %1")},
        {"enregistrePaquet", Texte("Page", "Paquet enregistré : %1")},
        {"enregistrePage", Texte("Page", "Page de l'exercice enregistrée : %1")},
    };
    for (const auto& [nom, texte] : enregistres) textes.set(nom, texte);
    return textes;
}

namespace {

// The translations the page carries ({contexte: {francais: traduction}},
// with "*" for a text looked up whatever its context), kept here for the
// translator; an empty table puts the engine back to French.
std::map<std::string, std::map<std::string, std::string, std::less<>>, std::less<>> traductions_;

std::string Traduire(const char* contexte, const char* francais) {
    for (const std::string_view c : {std::string_view(contexte), std::string_view("*")}) {
        const auto t = traductions_.find(c);
        if (t == traductions_.end()) continue;
        const auto m = t->second.find(std::string_view(francais));
        if (m != t->second.end()) return m->second;
    }
    return francais;
}

}  // namespace

void DefinirTraductions(val table) {
    traductions_.clear();
    const val contextes = val::global("Object").call<val>("keys", table);
    const int n = contextes["length"].as<int>();
    for (int i = 0; i < n; ++i) {
        const std::string contexte = contextes[i].as<std::string>();
        const val messages = table[contexte];
        const val sources = val::global("Object").call<val>("keys", messages);
        const int m = sources["length"].as<int>();
        auto& c = traductions_[contexte];
        for (int j = 0; j < m; ++j) {
            const std::string source = sources[j].as<std::string>();
            c[source] = messages[source].as<std::string>();
        }
    }
    section::DefinirTraducteur(traductions_.empty() ? nullptr : &Traduire);
}

}  // namespace liaison
