// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar: "Fichier", "Evénements", "Affichage" and "?", opened by a
// click, a touch, Enter, Space or the down arrow, and walked with the arrow
// keys; Escape or a press elsewhere closes it. A menu item does what the
// button of the same caption does; a checkable item (role menuitemcheckbox)
// shows its state in aria-checked.

const Menus = (() => {
  const barre = document.getElementById("menus");
  const titres = Array.from(barre.querySelectorAll(".titre-menu"));
  let ouvert = null; // the title whose menu is open
  const ARTICLE = '[role="menuitem"], [role="menuitemcheckbox"]';

  const deroulantDe = (titre) => document.getElementById(titre.getAttribute("aria-controls"));
  const articles = (titre) =>
    Array.from(deroulantDe(titre).querySelectorAll(ARTICLE)).filter((a) => !a.disabled);

  function Ouvrir(titre, focusPremier) {
    if (ouvert && ouvert !== titre) Fermer(false);
    ouvert = titre;
    titre.setAttribute("aria-expanded", "true");
    deroulantDe(titre).hidden = false;
    if (focusPremier) {
      const a = articles(titre);
      if (a.length) a[0].focus();
    }
  }

  function Fermer(rendreFocus) {
    if (!ouvert) return;
    const titre = ouvert;
    ouvert = null;
    titre.setAttribute("aria-expanded", "false");
    deroulantDe(titre).hidden = true;
    if (rendreFocus) titre.focus();
  }

  for (const titre of titres) {
    titre.addEventListener("click", () => {
      if (ouvert === titre) Fermer(false);
      else Ouvrir(titre, false);
    });
    titre.addEventListener("pointerenter", () => {
      if (ouvert && ouvert !== titre) Ouvrir(titre, false);
    });
    titre.addEventListener("keydown", (e) => {
      const i = titres.indexOf(titre);
      if (e.key === "ArrowDown" || e.key === "Enter" || e.key === " ") {
        e.preventDefault();
        Ouvrir(titre, true);
      } else if (e.key === "ArrowRight" || e.key === "ArrowLeft") {
        e.preventDefault();
        const autre = titres[(i + (e.key === "ArrowRight" ? 1 : titres.length - 1)) % titres.length];
        const etaitOuvert = !!ouvert;
        Fermer(false);
        autre.focus();
        if (etaitOuvert) Ouvrir(autre, true);
      } else if (e.key === "Escape") {
        Fermer(true);
      }
    });

    const deroulant = deroulantDe(titre);
    deroulant.addEventListener("keydown", (e) => {
      const a = articles(titre);
      const i = a.indexOf(document.activeElement);
      if (e.key === "ArrowDown" || e.key === "ArrowUp") {
        e.preventDefault();
        if (!a.length) return;
        const pas = e.key === "ArrowDown" ? 1 : a.length - 1;
        a[(i < 0 ? 0 : i + pas) % a.length].focus();
      } else if (e.key === "Home" || e.key === "End") {
        e.preventDefault();
        if (a.length) a[e.key === "Home" ? 0 : a.length - 1].focus();
      } else if (e.key === "Escape") {
        e.preventDefault();
        Fermer(true);
      } else if (e.key === "ArrowRight" || e.key === "ArrowLeft") {
        e.preventDefault();
        const j = titres.indexOf(titre);
        const autre = titres[(j + (e.key === "ArrowRight" ? 1 : titres.length - 1)) % titres.length];
        Ouvrir(autre, true);
      } else if (e.key === "Tab") {
        Fermer(false);
      } else if (e.key.length === 1 && !e.ctrlKey && !e.altKey && !e.metaKey) {
        // The underlined letter chooses its item.
        const choisi = a.find((x) => x.dataset.touche === e.key.toLowerCase());
        if (choisi) {
          e.preventDefault();
          choisi.click();
        }
      }
    });
    // An item chosen closes its menu before its command runs; chosen from
    // the keyboard, it gives the focus back to the menu's title.
    deroulant.addEventListener(
      "click",
      (e) => {
        if (e.target.closest(ARTICLE)) Fermer(deroulant.contains(document.activeElement));
      },
      true,
    );
  }

  // A press anywhere outside the bar closes the open menu.
  document.addEventListener(
    "pointerdown",
    (e) => {
      if (ouvert && !barre.contains(e.target)) Fermer(false);
    },
    true,
  );

  // Alt with the underlined letter of a menu title opens that menu.
  document.addEventListener("keydown", (e) => {
    if (!e.altKey || e.ctrlKey || e.metaKey || e.shiftKey) return;
    const titre = titres.find((t) => t.dataset.touche && e.code === "Key" + t.dataset.touche.toUpperCase());
    if (!titre || document.querySelector("dialog[open]")) return;
    e.preventDefault();
    Ouvrir(titre, true);
  });

  return { Fermer };
})();
