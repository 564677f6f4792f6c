// SPDX-License-Identifier: GPL-3.0-or-later
// A small box that asks for one line of text (a file name, the pupil's
// name) with a default; resolves with the text, trimmed, or null when the
// pupil gives it up (the button, Escape) or leaves it empty.

import { TEXTES } from "./textes.js";

export const Saisie = (() => {
  const boite = document.getElementById("boite-saisie");
  const champ = document.getElementById("champ-saisie");
  const question = document.getElementById("question-saisie");
  let libelles = null; // {enregistrer, renoncer}, once the language is known
  let questions = 0; // numbers each question, on the box, for whoever waits for the next one

  function Libeller(textes) {
    libelles = textes;
    document.getElementById("titre-saisie").textContent = TEXTES.titreApplication;
    document.getElementById("ValiderSaisie").textContent = textes.enregistrer;
    document.getElementById("RenoncerSaisie").textContent = textes.renoncer;
  }

  function Demander(texte, defaut) {
    return new Promise((resolve) => {
      question.textContent = texte;
      champ.value = defaut || "";
      boite.returnValue = "";
      boite.dataset.question = String(++questions);
      boite.addEventListener(
        "close",
        () => {
          const v = champ.value.trim();
          resolve(boite.returnValue === "ok" && v ? v : null);
        },
        { once: true },
      );
      boite.showModal();
      champ.focus();
      champ.select();
    });
  }

  // A file name: asked with `defaut` offered; the characters a file system
  // refuses become "_", and the extension is added when missing.
  async function NomDeFichier(defaut) {
    const point = defaut.lastIndexOf(".");
    const extension = point < 0 ? "" : defaut.slice(point);
    const nom = await Demander(libelles ? libelles.nomFichier : "", defaut);
    if (nom === null) return null;
    const sur = nom.replace(/[\\/:*?"<>|\u0000-\u001f]/g, "_");
    return extension && !sur.toLowerCase().endsWith(extension.toLowerCase()) ? sur + extension : sur;
  }

  return { Libeller, Demander, NomDeFichier };
})();
