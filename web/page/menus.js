// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar, built from the engine's table of menus: its titles, its
// items with their object names as ids, the letter after "&" underlined,
// separators, and the row of the seven events expanded from the event
// table. Each item runs the handler its command has in the map the window
// gives; a checkable item (role menuitemcheckbox) shows in aria-checked the
// state its handler returns. A menu opens by a click, a touch, Enter, Space
// or the down arrow, and is walked with the arrow keys; Escape or a press
// elsewhere closes it.
//
// Of the table's shortcuts the page answers only those a browser leaves to
// pages: Ctrl+L, Ctrl+T and F1. Ctrl+O, Ctrl+S and Ctrl+Z stay the
// browser's own (open a file, save the page, undo in a text field), so the
// items that carry them show none.

const RACCOURCIS_DE_LA_PAGE = new Set(["Ctrl+L", "Ctrl+T", "F1"]);
// The page's own key for a command whose key the browser keeps: F5
// reloads the page, so "Vérifier ma coupe" answers F9.
const RACCOURCIS_PROPRES = { Verifier: "F9" };
// The items that open a panel of their own rather than a box.
const OUVRENT_UN_PANNEAU = new Set(["Legende"]);
const ARTICLE = '[role="menuitem"], [role="menuitemcheckbox"]';

let barre = null;
let titres = [];
let ouvert = null; // the title whose menu is open
const raccourcis = new Map(); // "Ctrl+L" -> { article, lancer, cochable }

const deroulantDe = (titre) => document.getElementById(titre.getAttribute("aria-controls"));
const articles = (titre) => Array.from(deroulantDe(titre).querySelectorAll(ARTICLE)).filter((a) => !a.disabled);

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

// A caption's text into `element`, the letter after "&" underlined (the
// letter is returned, lower case; "&&" is a plain "&").
function Libeller(element, libelle) {
  let touche = "";
  let texte = "";
  for (let i = 0; i < libelle.length; ++i) {
    const c = libelle[i];
    if (c === "&" && i + 1 < libelle.length) {
      const suivant = libelle[++i];
      if (suivant !== "&" && !touche) {
        if (texte) element.append(texte);
        texte = "";
        const u = document.createElement("u");
        u.textContent = suivant;
        element.append(u);
        touche = suivant.toLowerCase();
        continue;
      }
      texte += suivant;
    } else {
      texte += c;
    }
  }
  if (texte) element.append(texte);
  if (touche) element.dataset.touche = touche;
}

function Bouton(id, role) {
  const b = document.createElement("button");
  b.type = "button";
  b.id = id;
  b.setAttribute("role", role);
  return b;
}

// An item of the table, wired to its command's handler.
function Article(a, commandes) {
  const lancer = commandes[a.commande];
  if (typeof lancer !== "function") throw new Error(`commande sans action dans la page : ${a.commande}`);
  const b = Bouton(a.nom, a.cochable ? "menuitemcheckbox" : "menuitem");
  if (a.cochable) b.setAttribute("aria-checked", "false");
  if (OUVRENT_UN_PANNEAU.has(a.commande)) b.setAttribute("aria-haspopup", "dialog");
  // The caption in a box of its own, so that the item's layout (caption
  // left, shortcut right) never spreads its letters apart.
  const libelle = document.createElement("span");
  libelle.className = "libelle";
  Libeller(libelle, a.libelle);
  b.append(libelle);
  if (libelle.dataset.touche) b.dataset.touche = libelle.dataset.touche;
  const siens = a.raccourcis.filter((r) => RACCOURCIS_DE_LA_PAGE.has(r));
  if (RACCOURCIS_PROPRES[a.commande]) siens.push(RACCOURCIS_PROPRES[a.commande]);
  if (siens.length) {
    b.setAttribute("aria-keyshortcuts", siens.map((r) => r.replace(/^Ctrl\+/, "Control+")).join(" "));
    b.dataset.raccourci = siens[0];
  }
  const executer = () => {
    const etat = lancer();
    if (a.cochable) b.setAttribute("aria-checked", String(!!etat));
  };
  b.addEventListener("click", executer);
  for (const r of siens) raccourcis.set(r, { article: b, executer, cochable: a.cochable });
  return b;
}

// The seven event items, in the order of the engine's event table.
function ArticlesEvenements(evenements, commandes) {
  return evenements.map((e) => {
    const b = Bouton(e.menu, "menuitem");
    b.dataset.tag = e.tag;
    b.textContent = e.nom;
    b.addEventListener("click", () => commandes.Evenement(e.evenement));
    return b;
  });
}

// A menu item of the page's own (one the engine's table does not have),
// put after the item `apres`: its id, its words and what it does.
export function ArticleDeLaPage(apres, id, libelle, action) {
  const b = document.createElement("button");
  b.type = "button";
  b.id = id;
  b.setAttribute("role", "menuitem");
  const l = document.createElement("span");
  l.className = "libelle";
  l.textContent = libelle;
  b.append(l);
  b.addEventListener("click", action);
  apres.after(b);
  return b;
}

// The engine's menus without the commands named in `absentes` (a Set), and
// without a separator left at an end or doubled: the menus of a page bound
// to one exercise (a course package's, an exercise's own page).
export function SansCommandes(menus, absentes) {
  return menus.map((m) => {
    const articles = [];
    for (const a of m.articles) {
      if (absentes.has(a.commande)) continue;
      if (a.commande === "Separateur" && (!articles.length || articles.at(-1).commande === "Separateur")) continue;
      articles.push(a);
    }
    while (articles.length && articles.at(-1).commande === "Separateur") articles.pop();
    return { ...m, articles };
  });
}

// Builds the bar in <nav id="menus"> from the engine's menus (moteur.menus())
// and event table; `commandes` maps each command's name to its handler,
// "Evenement" taking the kind of event (moteur.Evenement).
export function ConstruireMenus(menus, evenements, commandes) {
  barre = document.getElementById("menus");
  for (const m of menus) {
    const boite = document.createElement("div");
    boite.className = "menu";
    const titre = Bouton(m.nom, "menuitem");
    titre.className = "titre-menu";
    titre.setAttribute("aria-haspopup", "menu");
    titre.setAttribute("aria-expanded", "false");
    titre.setAttribute("aria-controls", "menu-" + m.nom);
    Libeller(titre, m.libelle);
    const deroulant = document.createElement("div");
    deroulant.className = "deroulant";
    deroulant.id = "menu-" + m.nom;
    deroulant.setAttribute("role", "menu");
    deroulant.setAttribute("aria-labelledby", m.nom);
    deroulant.hidden = true;
    for (const a of m.articles) {
      if (a.commande === "Separateur") {
        const hr = document.createElement("hr");
        hr.setAttribute("role", "separator");
        deroulant.append(hr);
      } else if (a.commande === "Evenements") {
        deroulant.append(...ArticlesEvenements(evenements, commandes));
      } else {
        deroulant.append(Article(a, commandes));
      }
    }
    boite.append(titre, deroulant);
    barre.append(boite);
    titres.push(titre);
    Animer(titre, deroulant);
  }
}

function Animer(titre, deroulant) {
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

// The key pressed in the table's form ("Ctrl+L", "F1"), or "".
function NomTouche(e) {
  if (e.altKey || e.shiftKey || e.metaKey) return "";
  if (e.ctrlKey) return e.key.length === 1 ? "Ctrl+" + e.key.toUpperCase() : "";
  return /^F\d+$/.test(e.key) ? e.key : "";
}

document.addEventListener("keydown", (e) => {
  const ouverte = !!document.querySelector("dialog[open]");
  // Alt with the underlined letter of a menu title opens that menu.
  if (e.altKey && !e.ctrlKey && !e.metaKey && !e.shiftKey) {
    const titre = titres.find((t) => t.dataset.touche && e.code === "Key" + t.dataset.touche.toUpperCase());
    if (!titre || ouverte) return;
    e.preventDefault();
    Ouvrir(titre, true);
    return;
  }
  // The shortcuts the page answers; not while a box waits for an answer.
  const r = raccourcis.get(NomTouche(e));
  if (!r || ouverte) return;
  e.preventDefault();
  // A held key switches a checkable item once.
  if (r.article.disabled || (r.cochable && e.repeat)) return;
  r.executer();
});
