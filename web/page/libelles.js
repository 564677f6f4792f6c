// SPDX-License-Identifier: GPL-3.0-or-later
// The words of the page's fixed parts (box titles, the help window's and
// the legend's buttons, the about box, the names a screen reader gives the
// view, the model and the list), put in place once the language is chosen.
// The HTML holds none of them: they come from the engine's catalogue, and
// the panel's "Annuler" and "Retour début" say what their menu items say.

import { DONNEES } from "./donnees.js";
import { TEXTES, Remplir } from "./textes.js";

// Element id -> the catalogue's text shown in it.
const CONTENUS = {
  "titre-message": "titreApplication",
  "titre-legende": "titreLegende",
  "note-legende": "noteLegende",
  FermerLegende: "fermer",
  "titre-apropos": "titreAPropos",
  Credits: "credits",
  OKTexte: "ok",
  "titre-aide": "titreAide",
  Precedent: "precedent",
  Suivant: "suivant",
  Sommaire: "sommaire",
  Fermer: "fermer",
};
// Element id -> the catalogue's name for screen readers (and tooltip).
const NOMS = { Visu: "coupeGeologique", Modele: "imageModele" };
// The panel's buttons and the menu commands whose captions they take.
const BOUTONS = { Annuler: "Annuler", Efface: "RetourDebut", VerifierCoupe: "Verifier" };

// A caption of the menu table as shown: without its "&" ("&&" is "&").
const SansEsperluette = (libelle) => libelle.replace(/&(.)/g, "$1");

export function PoserLibelles(menus) {
  const el = (id) => document.getElementById(id);
  for (const [id, cle] of Object.entries(CONTENUS)) el(id).textContent = TEXTES[cle];
  for (const [id, cle] of Object.entries(NOMS)) el(id).setAttribute("aria-label", TEXTES[cle]);
  const liste = el("ListBox1");
  liste.title = TEXTES.listeEvenements;
  liste.setAttribute("aria-label", TEXTES.listeEvenements);
  el("Version").textContent = Remplir(TEXTES.version, DONNEES.version);
  const articles = menus.flatMap((m) => m.articles);
  for (const [id, commande] of Object.entries(BOUTONS))
    el(id).textContent = SansEsperluette(articles.find((a) => a.commande === commande).libelle);
}
