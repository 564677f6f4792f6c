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

// "%1" (and "%2") replaced by a value, as the desktop's messages do.
export function Remplir(texte, valeur, deuxieme) {
  const t = texte.replace("%1", String(valeur));
  return deuxieme === undefined ? t : t.replace("%2", String(deuxieme));
}
