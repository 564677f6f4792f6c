// SPDX-License-Identifier: GPL-3.0-or-later
// The page's language and its words. The words of the window (box titles
// and messages, tooltip templates, the names offered for downloads) come
// from the engine's catalogue, as do the menus, the reasons and the
// legend; none is written here. The page speaks English when the
// browser's first preferred language is English, French otherwise, as the
// desktop program chooses; the English comes from the program's own
// translations, carried in the page by the build.

import { DONNEES } from "./donnees.js";

// The window's words by name ("avertissement", "ok"...), filled once at
// start-up by ChoisirLangue.
export const TEXTES = {};

export function LangueAnglaise() {
  const langues = navigator.languages && navigator.languages.length ? navigator.languages : [navigator.language || ""];
  return /^en(-|$)/i.test(langues[0] || "");
}

// Installs the engine's translator for the page's language, then takes the
// window's words from the engine.
export function ChoisirLangue(moteur) {
  const anglais = LangueAnglaise();
  if (anglais) moteur.definirTraductions((DONNEES.traductions && DONNEES.traductions.en) || {});
  document.documentElement.lang = anglais ? "en" : "fr";
  Object.assign(TEXTES, moteur.textes());
  Object.freeze(TEXTES);
}

// "%1", "%2"... replaced by the values in one pass over the template, as
// the engine fills its texts: a value is text, so a "%2" or a "$&" inside
// a title, a name or a file name stays as it is. A placeholder with no
// value stays too.
export function Remplir(texte, ...valeurs) {
  return String(texte).replace(/%([1-9])/g, (marque, n) =>
    Number(n) <= valeurs.length && valeurs[n - 1] !== undefined ? String(valeurs[n - 1]) : marque);
}
