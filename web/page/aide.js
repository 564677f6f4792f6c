// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: the program's help document, shown inside the page and
// scrolled to the topic of a context number (0, and 11 to 17 for the seven
// events), each topic starting at the anchor "contexte-N". Links between
// topics stay in the window; "Précédent" and "Suivant" walk back and forth
// through the topics shown, "Sommaire" goes to topic 0. The document is
// in the page's language (French or English), its pictures shared.

import { DONNEES } from "./donnees.js";
import { TEXTES, Remplir, LangueAnglaise } from "./textes.js";

export const Aide = (() => {
  const fenetre = document.getElementById("FenetreAide");
  const navigateur = document.getElementById("Navigateur");
  const message = document.getElementById("Message");
  const precedent = document.getElementById("Precedent");
  const suivant = document.getElementById("Suivant");
  let racine = null; // the document, in a shadow root so its style stays its own
  let passe = [];
  let futur = [];
  let actuelle = null;

  const Ancre = (contexte) => "contexte-" + contexte;

  function Preparer() {
    if (racine) return;
    racine = navigateur.attachShadow ? navigateur.attachShadow({ mode: "open" }) : navigateur;
    const documents = DONNEES.aide || {};
    const html = (LangueAnglaise() ? documents.en : documents.fr) || "";
    const doc = new DOMParser().parseFromString(html, "text/html");
    // The pictures, named as beside the help files ("aide/x.png").
    const images = DONNEES.imagesAide || {};
    for (const img of doc.querySelectorAll("img[src]")) {
      const m = /^aide\/([a-z-]+\.png)$/.exec(img.getAttribute("src"));
      if (m && Object.hasOwn(images, m[1])) img.setAttribute("src", "data:image/png;base64," + images[m[1]]);
    }
    const contenu = document.createElement("div");
    contenu.className = "document-aide";
    for (const style of doc.querySelectorAll("style")) contenu.append(document.importNode(style, true));
    const corps = document.createElement("div");
    corps.className = "corps-aide";
    for (const n of Array.from(doc.body ? doc.body.childNodes : [])) corps.append(document.importNode(n, true));
    contenu.append(corps);
    const base = document.createElement("style");
    base.textContent =
      ".corps-aide { padding: 4px 16px 16px; font-weight: normal; line-height: 1.4; }" +
      ".corps-aide a { color: #1a5fb4; }";
    racine.append(base, contenu);
    if (!html) {
      corps.innerHTML = "";
      const h2 = document.createElement("h2");
      h2.textContent = TEXTES.aideIndisponible;
      corps.append(h2);
    }
    racine.addEventListener("click", (e) => {
      const lien = e.target.closest && e.target.closest("a[href]");
      if (!lien) return;
      const href = lien.getAttribute("href");
      if (href.startsWith("#")) {
        e.preventDefault();
        Aller(href.slice(1), true);
      } else {
        lien.target = "_blank";
        lien.rel = "noopener";
      }
    });
  }

  function Cible(ancre) {
    return racine.getElementById
      ? racine.getElementById(ancre) || racine.querySelector(`a[name="${CSS.escape(ancre)}"]`)
      : null;
  }

  // Scrolls to the anchor; false when the document lacks it.
  function Defiler(ancre) {
    const cible = Cible(ancre);
    if (!cible) {
      navigateur.scrollTop = 0;
      return false;
    }
    const haut = cible.getBoundingClientRect().top - navigateur.getBoundingClientRect().top;
    navigateur.scrollTop += haut;
    return true;
  }

  function Aller(ancre, memoriser) {
    if (memoriser && actuelle !== null && actuelle !== ancre) {
      passe.push(actuelle);
      futur = [];
    }
    actuelle = ancre;
    Etats();
    return Defiler(ancre);
  }

  function Etats() {
    precedent.disabled = passe.length === 0;
    suivant.disabled = futur.length === 0;
  }

  precedent.addEventListener("click", () => {
    if (!passe.length) return;
    futur.push(actuelle);
    Aller(passe.pop(), false);
  });
  suivant.addEventListener("click", () => {
    if (!futur.length) return;
    passe.push(actuelle);
    Aller(futur.pop(), false);
  });
  document.getElementById("Sommaire").addEventListener("click", () => Aller(Ancre(0), true));
  document.getElementById("Fermer").addEventListener("click", () => fenetre.close());

  // Shows the topic of `contexte`, or the top of the document with a word
  // saying the topic is missing.
  function Montrer(contexte) {
    Preparer();
    if (!fenetre.open) fenetre.showModal();
    passe = [];
    futur = [];
    actuelle = null;
    const trouvee = Aller(Ancre(contexte), false);
    message.hidden = trouvee;
    message.textContent = trouvee ? "" : Remplir(TEXTES.rubriqueAbsente, contexte);
    navigateur.focus();
  }

  return { Montrer, actuelle: () => actuelle };
})();
