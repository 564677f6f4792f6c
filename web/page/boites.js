// SPDX-License-Identifier: GPL-3.0-or-later
// Modal boxes: the messages (an icon, lines separated by a lone CR, an OK
// button) and the about box. One box at a time; a message asked for while
// another is open waits for it to close.

import { TEXTES } from "./textes.js";

export const Boites = (() => {
  const boite = document.getElementById("boite-message");
  const texte = document.getElementById("texte-message");
  const boutons = document.getElementById("boutons-message");
  let file = Promise.resolve();
  // Boxes shown or waiting their turn.
  let enCours = 0;
  function Compter(promesse) {
    ++enCours;
    promesse.finally(() => --enCours).catch(() => {});
    return promesse;
  }

  // icone: "information", "erreur", "question" or "simple" (no icon).
  // choix: [[caption, value], ...]; `defaut` (the first unless given) is
  // the value of the button that has the focus and of Escape.
  function Montrer(message, icone, choix, defaut = choix[0][1]) {
    const suite = file.then(
      () =>
        new Promise((resolve) => {
          boite.className = "boite " + icone;
          texte.textContent = message.replace(/\r\n?/g, "\n");
          boutons.replaceChildren();
          for (const [libelle, valeur] of choix) {
            const b = document.createElement("button");
            b.type = "submit";
            b.value = valeur;
            b.textContent = libelle;
            boutons.append(b);
          }
          boite.returnValue = "";
          boite.addEventListener("close", () => resolve(boite.returnValue || defaut), {
            once: true,
          });
          boite.showModal();
          (Array.from(boutons.children).find((b) => b.value === defaut) || boutons.firstChild).focus();
        }),
    );
    file = suite.catch(() => {});
    return Compter(suite);
  }

  const Information = (m) => Montrer(m, "information", [[TEXTES.ok, "ok"]]);
  const Erreur = (m) => Montrer(m, "erreur", [[TEXTES.ok, "ok"]]);
  const Simple = (m) => Montrer(m, "simple", [[TEXTES.ok, "ok"]]);
  const Question = (m, choix, defaut) => Montrer(m, "question", choix, defaut);

  // The about box: its icon shows "Hello !" once it has been clicked, and
  // from then on in every later showing.
  const apropos = document.getElementById("AboutBox");
  const icone = document.getElementById("ProgramIcon");
  icone.addEventListener("click", () => {
    icone.title = TEXTES.hello;
  });
  function APropos() {
    return Compter(file = file.then(
      () =>
        new Promise((resolve) => {
          apropos.addEventListener("close", resolve, { once: true });
          apropos.showModal();
          document.getElementById("OKButton").focus();
        }),
    ));
  }

  // True while a box is shown or waits for one to close.
  const Occupees = () => enCours > 0;

  return { Information, Erreur, Simple, Question, APropos, Occupees };
})();
