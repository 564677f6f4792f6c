// SPDX-License-Identifier: GPL-3.0-or-later
// The "Affichage" menu: each rock with its figuré (the engine's rock view), a
// letter on each piece of each formation and a tint per formation, drawn on
// a canvas of their own over the view, and the
// legend in a panel that leaves the page usable. The view's canvas, the
// pictures and the list never change. Where each letter goes, the tints,
// the legend's words and samples all come from the engine.
//
// The overlay covers the view's box exactly; it holds k x k device pixels
// per view pixel (k the view's factor), so a tint covers its view pixel's
// k x k square and the letters are drawn at the screen's own resolution.
// The menu's items and their shortcuts are the menu bar's (menus.js); the
// commands here say what they switch to.

import { Vue } from "./vue.js";
import { TEXTES } from "./textes.js";

// A structure's label (F1, T, S1) in a white box on its trace, in view
// pixels, placed as the engine's Structure says: centred on the row of its
// pixel, just right of a fault or thrust plane, centred on an erosion
// surface, kept inside the view. Shared by the view's overlay and
// Ordonner's section.
export function DessinerStructure(ctx, st) {
  const cote = 14;
  ctx.font = `bold ${Math.floor(cote * 0.75)}px "DejaVu Sans", Verdana, system-ui, sans-serif`;
  const largeur = ctx.measureText(st.etiquette).width + 4;
  const dedans = (v, taille, max) => Math.max(0, Math.min(v, max - taille));
  const x = dedans(st.sorte === "erosion" ? st.x - largeur / 2 : st.x + 2, largeur, st.largeurVue);
  const y = dedans(st.y - Math.floor(cote / 2), cote, st.hauteurVue);
  ctx.fillStyle = "rgba(255, 255, 255, " + 235 / 255 + ")";
  ctx.fillRect(x, y, largeur, cote);
  ctx.lineWidth = 1.5;
  ctx.strokeStyle = "rgb(20, 20, 20)";
  ctx.strokeRect(x + 0.5, y + 0.5, largeur - 1, cote - 1);
  ctx.textAlign = "center";
  ctx.textBaseline = "middle";
  ctx.fillStyle = "#000";
  ctx.fillText(st.etiquette, x + largeur / 2, y + cote / 2);
}

export const Formations = (() => {
  const couche = document.getElementById("Formations");
  const ctx = couche.getContext("2d");
  const visu = document.getElementById("Visu");
  // The tints at one pixel per view pixel, scaled onto the overlay and
  // read back for the legend's samples.
  const toileTeintes = document.createElement("canvas");
  const ctxTeintes = toileTeintes.getContext("2d");
  const panneau = document.getElementById("Legende");
  const lignes = document.getElementById("LignesLegende");
  let session = null;
  let lettres = false;
  let teintes = false;
  let roches = false;
  // The rock view at one pixel per view pixel, under the tints and letters.
  const toileRoches = document.createElement("canvas");
  const ctxRoches = toileRoches.getContext("2d");
  let focusAvant = null; // where the focus was when the legend opened

  const ALPHA_TEINTE = 120; // of 255, as the desktop paints the tints
  const hex = (c) => "#" + c.toString(16).padStart(6, "0");

  function PeindreTeintes(l, h) {
    if (toileTeintes.width !== l) toileTeintes.width = l;
    if (toileTeintes.height !== h) toileTeintes.height = h;
    if (l === 0 || h === 0) return;
    const rgba = session.teintesRgba();
    // Used at once, before the engine's memory can grow and move.
    ctxTeintes.putImageData(new ImageData(new Uint8ClampedArray(rgba.buffer, rgba.byteOffset, rgba.length), l, h), 0, 0);
  }

  function PeindreRoches(l, h) {
    if (toileRoches.width !== l) toileRoches.width = l;
    if (toileRoches.height !== h) toileRoches.height = h;
    if (l === 0 || h === 0) return;
    const rgba = session.rochesRgba();
    ctxRoches.putImageData(new ImageData(new Uint8ClampedArray(rgba.buffer, rgba.byteOffset, rgba.length), l, h), 0, 0);
  }

  // A letter in a white box with a dark rim, legible on every rock; the
  // box is the engine's square, in view pixels.
  function DessinerLettre(e) {
    const x = e.gauche + 0.5;
    const y = e.haut + 0.5;
    const c = e.cote - 1;
    const r = 2.5;
    ctx.beginPath();
    ctx.moveTo(x + r, y);
    ctx.arcTo(x + c, y, x + c, y + c, r);
    ctx.arcTo(x + c, y + c, x, y + c, r);
    ctx.arcTo(x, y + c, x, y, r);
    ctx.arcTo(x, y, x + c, y, r);
    ctx.closePath();
    ctx.fillStyle = "rgba(255, 255, 255, " + 235 / 255 + ")";
    ctx.fill();
    ctx.lineWidth = 1;
    ctx.strokeStyle = "rgb(20, 20, 20)";
    ctx.stroke();
    const taille = Math.max(6, Math.floor(e.cote * (e.lettre.length > 1 ? 0.55 : 0.75)));
    ctx.font = `bold ${taille}px "DejaVu Sans", Verdana, system-ui, sans-serif`;
    ctx.textAlign = "center";
    ctx.textBaseline = "middle";
    ctx.fillStyle = "#000";
    ctx.fillText(e.lettre, e.gauche + e.cote / 2, e.haut + e.cote / 2);
  }

  // A structure's label, aCote a pixel of its trace: square corners and a
  // thick rim, unlike a letter.
  // The legend's symbol of a structure, told apart in black and white: a
  // thick line (fault), a line with teeth (thrust), a wavy line (erosion).
  function Symbole(sorte) {
    const dpr = window.devicePixelRatio || 1;
    const l = 26;
    const h = 16;
    const c = document.createElement("canvas");
    c.className = "echantillon";
    c.width = Math.round(l * dpr);
    c.height = Math.round(h * dpr);
    c.style.width = l + "px";
    c.style.height = h + "px";
    c.setAttribute("aria-hidden", "true");
    const g = c.getContext("2d");
    g.scale(dpr, dpr);
    g.strokeStyle = g.fillStyle = "#000";
    const y = h / 2;
    g.beginPath();
    if (sorte === "faille") {
      g.lineWidth = 3.5;
      g.moveTo(0, y);
      g.lineTo(l, y);
      g.stroke();
    } else if (sorte === "chevauchement") {
      g.lineWidth = 1.5;
      g.moveTo(0, y + 3);
      g.lineTo(l, y + 3);
      g.stroke();
      for (let x = 2; x + 5 <= l; x += 8) {
        g.beginPath();
        g.moveTo(x, y + 3);
        g.lineTo(x + 5, y + 3);
        g.lineTo(x + 2.5, y - 2);
        g.closePath();
        g.fill();
      }
    } else {
      g.lineWidth = 1.5;
      g.moveTo(0, y);
      for (let x = 0, haut = true; x + 8 <= l + 0.01; x += 8, haut = !haut) g.quadraticCurveTo(x + 4, haut ? y - 4 : y + 4, x + 8, y);
      g.stroke();
    }
    return c;
  }

  // The overlay for the session's state and the view's factor.
  function Dessiner() {
    if (!session || !session.prete() || (!lettres && !teintes && !roches)) {
      couche.hidden = true;
      return;
    }
    const l = session.largeurVue();
    const h = session.hauteurVue();
    const k = Vue.facteur();
    if (couche.width !== l * k) couche.width = l * k;
    if (couche.height !== h * k) couche.height = h * k;
    ctx.setTransform(1, 0, 0, 1, 0, 0);
    ctx.clearRect(0, 0, couche.width, couche.height);
    if (roches) {
      ctx.imageSmoothingEnabled = false;
      ctx.drawImage(toileRoches, 0, 0, l * k, h * k);
    }
    if (teintes) {
      ctx.imageSmoothingEnabled = false;
      ctx.drawImage(toileTeintes, 0, 0, l * k, h * k);
    }
    if (lettres) {
      ctx.setTransform(k, 0, 0, k, 0, 0);
      for (const e of session.etiquettes()) DessinerLettre(e);
      for (const st of session.structures()) DessinerStructure(ctx, st);
      ctx.setTransform(1, 0, 0, 1, 0, 0);
    }
    couche.hidden = false;
  }

  // --- The legend ---

  // A sample of each formation as the view shows it, tints included: the
  // square its first letter sits on, or its commonest colour.
  function Echantillon(entree) {
    const dpr = window.devicePixelRatio || 1;
    const cote = 16;
    const c = document.createElement("canvas");
    c.className = "echantillon";
    c.width = c.height = Math.max(1, Math.round(cote * dpr));
    c.style.width = c.style.height = cote + "px";
    c.setAttribute("aria-hidden", "true");
    const g = c.getContext("2d");
    g.imageSmoothingEnabled = false;
    const e = entree.echantillon;
    if (roches && entree.roche) {
      // The rock's figuré, drawn by the engine as every legend draws it.
      const rgba = session.figureRgba(entree.roche, cote, cote);
      const t = document.createElement("canvas");
      t.width = t.height = cote;
      t.getContext("2d").putImageData(new ImageData(new Uint8ClampedArray(rgba.buffer, rgba.byteOffset, rgba.length), cote, cote), 0, 0);
      g.drawImage(t, 0, 0, c.width, c.height);
      if (teintes) {
        g.globalAlpha = ALPHA_TEINTE / 255;
        g.fillStyle = hex(entree.teinte);
        g.fillRect(0, 0, c.width, c.height);
      }
    } else if (e.cote) {
      g.drawImage(visu, e.gauche, e.haut, e.cote, e.cote, 0, 0, c.width, c.height);
      if (teintes) g.drawImage(toileTeintes, e.gauche, e.haut, e.cote, e.cote, 0, 0, c.width, c.height);
    } else {
      g.fillStyle = hex(e.couleur);
      g.fillRect(0, 0, c.width, c.height);
      if (teintes) {
        g.globalAlpha = ALPHA_TEINTE / 255;
        g.fillStyle = hex(entree.teinte);
        g.fillRect(0, 0, c.width, c.height);
      }
    }
    return c;
  }

  function RemplirLegende() {
    const legende = session && session.prete() ? session.legende() : [];
    const li = legende.map((entree) => {
      const l = document.createElement("li");
      l.dataset.lettre = entree.lettre;
      const t = document.createElement("span");
      t.className = "texte-legende";
      t.textContent = entree.texte;
      l.append(Echantillon(entree), t);
      return l;
    });
    const structures = session && session.prete() ? session.structures() : [];
    if (structures.length) {
      const titre = document.createElement("li");
      titre.className = "titre-structures";
      titre.textContent = session.titreStructures();
      li.push(titre);
      for (const st of structures) {
        const l = document.createElement("li");
        l.dataset.structure = st.etiquette;
        const t = document.createElement("span");
        t.className = "texte-legende";
        t.textContent = st.texte;
        l.append(Symbole(st.sorte), t);
        li.push(l);
      }
    }
    if (!li.length) {
      const l = document.createElement("li");
      l.className = "vide";
      l.textContent = TEXTES.aucuneFormation;
      li.push(l);
    }
    lignes.replaceChildren(...li);
    Placer();
  }

  // Until it is moved by hand, the panel never covers a control nor the
  // section: it goes aCote the commands when there is room on their right, else under the
  // window's client area, where it shows every line if it can; only when
  // neither place is wide and tall enough does it go over the view (a
  // picture, not a control), in the view's bottom-left corner.
  let deplace = false;
  const LARGEUR_MIN = 200;
  const HAUTEUR_MIN = 120;
  function Placer() {
    if (deplace || panneau.hidden) return;
    const commandes = document.getElementById("Panel1").getBoundingClientRect();
    const client = document.querySelector(".client").getBoundingClientRect();
    const menus = document.getElementById("menus").getBoundingClientRect();
    const vue = document.getElementById("Bevel1").getBoundingClientRect();
    const marge = 12;
    // Beside the commands, from the top when the view stands on their left
    // (a landscape screen), below the view when it reaches over them (the
    // commands under the section, on a tablet held upright).
    const aCote = { left: commandes.right + marge, top: menus.bottom + 4 };
    if (aCote.left < vue.right) aCote.top = Math.max(aCote.top, vue.bottom + marge);
    const places = [aCote, { left: marge, top: client.bottom + 4 }].map((p) => ({ ...p, largeur: window.innerWidth - p.left - marge, hauteur: window.innerHeight - p.top - marge }));
    const Poser = (p) => {
      panneau.style.left = p.left + "px";
      panneau.style.top = p.top + "px";
      panneau.style.right = "auto";
      panneau.style.bottom = "auto";
      panneau.style.maxWidth = Math.max(0, Math.floor(p.largeur)) + "px";
      panneau.style.maxHeight = "none";
      const entier = panneau.offsetHeight <= p.hauteur;
      panneau.style.maxHeight = Math.max(0, Math.floor(p.hauteur)) + "px";
      return entier;
    };
    const possibles = places.filter((p) => p.largeur >= LARGEUR_MIN && p.hauteur >= HAUTEUR_MIN);
    for (const p of possibles) if (Poser(p)) return;
    if (possibles.length) {
      Poser(possibles.reduce((a, b) => (b.hauteur > a.hauteur ? b : a)));
      return;
    }
    Poser({ left: vue.left, top: vue.top, largeur: vue.width, hauteur: vue.height });
  }
  window.addEventListener("resize", Placer);

  function OuvrirLegende() {
    if (panneau.hidden) focusAvant = document.activeElement;
    panneau.hidden = false;
    RemplirLegende();
    document.getElementById("FermerLegende").focus();
  }

  function FermerLegende() {
    panneau.hidden = true;
    const f = focusAvant;
    focusAvant = null;
    if (f && f !== document.body && f.isConnected && !f.disabled) f.focus();
  }

  // The panel moves by its title bar: a mouse, a finger or a pen.
  const barre = document.getElementById("titre-legende");
  let prise = null;
  barre.addEventListener("pointerdown", (e) => {
    if (e.button !== 0) return;
    const r = panneau.getBoundingClientRect();
    prise = { dx: e.clientX - r.left, dy: e.clientY - r.top };
    try {
      barre.setPointerCapture(e.pointerId);
    } catch (x) {
      // not capturable: the panel follows while the pointer stays on it
    }
    e.preventDefault();
  });
  barre.addEventListener("pointermove", (e) => {
    if (!prise) return;
    const l = Math.min(Math.max(0, e.clientX - prise.dx), Math.max(0, window.innerWidth - 60));
    const h = Math.min(Math.max(0, e.clientY - prise.dy), Math.max(0, window.innerHeight - 30));
    panneau.style.left = l + "px";
    panneau.style.top = h + "px";
    panneau.style.right = "auto";
    panneau.style.bottom = "auto";
    deplace = true;
  });
  const Lacher = () => (prise = null);
  barre.addEventListener("pointerup", Lacher);
  barre.addEventListener("pointercancel", Lacher);

  panneau.addEventListener("keydown", (e) => {
    if (e.key === "Escape") {
      e.preventDefault();
      FermerLegende();
    }
  });
  document.getElementById("FermerLegende").addEventListener("click", FermerLegende);

  // --- The menu's commands ---

  // Each switch gives its new state, which its menu item shows.
  function Basculer() {
    if (session && teintes && session.prete()) PeindreTeintes(session.largeurVue(), session.hauteurVue());
    if (session && roches && session.prete()) PeindreRoches(session.largeurVue(), session.hauteurVue());
    Dessiner();
    if (!panneau.hidden) RemplirLegende();
  }
  function BasculerLettres() {
    lettres = !lettres;
    Basculer();
    return lettres;
  }
  function BasculerTeintes() {
    teintes = !teintes;
    Basculer();
    return teintes;
  }
  function BasculerRoches() {
    roches = !roches;
    Basculer();
    return roches;
  }
  // An exercise opens with each rock drawn with its figuré; the menu
  // item's mark follows.
  function MontrerRoches() {
    roches = true;
    const a = document.getElementById("Roches1");
    if (a) a.setAttribute("aria-checked", "true");
    Basculer();
  }

  Vue.ApresAjustement(Dessiner);

  // After each refresh of the window: the session's new section.
  function Afficher(s) {
    session = s;
    if (teintes && session.prete()) PeindreTeintes(session.largeurVue(), session.hauteurVue());
    if (roches && session.prete()) PeindreRoches(session.largeurVue(), session.hauteurVue());
    Dessiner();
    if (!panneau.hidden) RemplirLegende();
  }

  return {
    Afficher,
    BasculerLettres,
    BasculerTeintes,
    BasculerRoches,
    MontrerRoches,
    OuvrirLegende,
    lettres: () => lettres,
    teintes: () => teintes,
    roches: () => roches,
  };
})();
