// SPDX-License-Identifier: GPL-3.0-or-later
// Files in a browser: what the desktop writes through a save dialog is
// offered as a download with the dialog's first name ("Exemple.lst",
// "Liste.txt", "Exemple.bmp"); what it reads through an open dialog comes
// from the browser's file picker. Bytes go out and in unchanged.

import { TEXTES, Remplir } from "./textes.js";

export const Fichiers = (() => {
  let effacer = null; // the pending hiding of the confirmation

  // A line that says the file went to the browser (« Réponse enregistrée :
  // Lina - Discordance.rep »), shown above everything, boxes included,
  // for a few seconds; it takes no click and no focus.
  function Confirmer(texte) {
    const c = document.getElementById("Confirmation");
    c.textContent = texte;
    c.hidden = false;
    if (c.showPopover && !c.matches(":popover-open")) c.showPopover();
    clearTimeout(effacer);
    effacer = setTimeout(() => {
      if (c.hidePopover && c.matches(":popover-open")) c.hidePopover();
      c.hidden = true;
    }, 6000);
  }

  // `octets` offered as a download named `nom`; `quoi` names the kind of
  // file for the confirmation ("Liste", "Image", "Reponse", "Exercice",
  // "Serie", "Notes", "Paquet").
  function Telecharger(octets, nom, type, quoi) {
    const url = URL.createObjectURL(new Blob([octets], { type }));
    const lien = document.createElement("a");
    lien.href = url;
    lien.download = nom;
    lien.hidden = true;
    document.body.append(lien);
    lien.click();
    lien.remove();
    // Some browsers read the blob after the click returns.
    setTimeout(() => URL.revokeObjectURL(url), 60000);
    const modele = TEXTES["enregistre" + quoi];
    if (modele) Confirmer(Remplir(modele, nom));
  }

  // `entree` (an <input type="file">) calls `choisi` with each File chosen;
  // a cancelled picker calls nothing.
  function SurChoix(entree, choisi) {
    entree.addEventListener("change", () => {
      const f = entree.files && entree.files[0];
      if (f) choisi(f);
      // The same file chosen again is a new choice.
      entree.value = "";
    });
  }

  function Choisir(entree) {
    entree.value = "";
    entree.click();
  }

  // The file's bytes, or null when it cannot be read or holds more than
  // `max` bytes (checked before reading).
  async function Lire(fichier, max) {
    if (fichier.size > max) return null;
    try {
      const octets = new Uint8Array(await fichier.arrayBuffer());
      return octets.length > max ? null : octets;
    } catch (e) {
      return null;
    }
  }

  // The extension after the last dot, "" when none.
  function Extension(nom) {
    const i = nom.lastIndexOf(".");
    return i < 0 ? "" : nom.slice(i + 1);
  }

  return { Telecharger, SurChoix, Choisir, Lire, Extension };
})();
