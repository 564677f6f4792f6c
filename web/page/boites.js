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

  // icone: "information", "erreur", "question" or "simple" (no icon).
  // choix: [[caption, value], ...]; the first is the default button.
  function Montrer(message, icone, choix) {
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
          boite.addEventListener("close", () => resolve(boite.returnValue || choix[0][1]), {
            once: true,
          });
          boite.showModal();
          boutons.firstChild.focus();
        }),
    );
    file = suite.catch(() => {});
    return suite;
  }

  const Information = (m) => Montrer(m, "information", [[TEXTES.ok, "ok"]]);
  const Erreur = (m) => Montrer(m, "erreur", [[TEXTES.ok, "ok"]]);
  const Simple = (m) => Montrer(m, "simple", [[TEXTES.ok, "ok"]]);
  const Question = (m, choix) => Montrer(m, "question", choix);

  // The about box: its icon shows "Hello !" once it has been clicked, and
  // from then on in every later showing.
  const apropos = document.getElementById("AboutBox");
  const icone = document.getElementById("ProgramIcon");
  icone.addEventListener("click", () => {
    icone.title = TEXTES.hello;
  });
  function APropos() {
    return (file = file.then(
      () =>
        new Promise((resolve) => {
          apropos.addEventListener("close", resolve, { once: true });
          apropos.showModal();
          document.getElementById("OKButton").focus();
        }),
    ));
  }

  return { Information, Erreur, Simple, Question, APropos };
})();
