// SPDX-License-Identifier: GPL-3.0-or-later
// "Ordonner les événements": the exercise's section with its letters and
// legend, the engine's cards to put from the oldest (top) to the most
// recent, dragged by a finger, a pen or the mouse, moved by Monter /
// Descendre or the keyboard (Alt+Up / Alt+Down on the list), and for each card after the
// first a principle and the formation that shows it, chosen in the lists
// the engine offers. "Vérifier" hands the order to the engine, which
// judges it, the justifications and the mark; their sentences are shown
// as they come.

import { Remplir, TEXTES } from "./textes.js";
import { DessinerStructure, Formations } from "./formations.js";

export const Ordonner = (() => {
  const boite = document.getElementById("Ordonner");
  const toile = document.getElementById("CoupeOrdonner");
  const legende = document.getElementById("LegendeOrdonner");
  const liste = document.getElementById("Cartes");
  const resultat = document.getElementById("Resultat");
  let session = null;
  let textes = {};
  let garder = () => {};
  let cartes = []; // [{id, nom}] in the pupil's order
  const justifications = new Map(); // card id -> {principe, temoin}
  let choisie = 0;
  let dernier = null; // the last check's {lignes, note}, for the tests
  let verifie = () => {}; // told of each check, kept or not

  function Installer(s, t, g, v) {
    session = s;
    textes = t;
    garder = g;
    verifie = v;
    const el = (id) => document.getElementById(id);
    el("titre-ordonner").textContent = t.titreOrdonner;
    el("Consigne").textContent = t.consigne;
    el("Monter").textContent = t.monter;
    el("Descendre").textContent = t.descendre;
    el("VerifierOrdre").textContent = t.verifier;
    el("FermerOrdonner").textContent = TEXTES.fermer;
    liste.setAttribute("aria-label", t.cartes);
    resultat.setAttribute("aria-label", t.resultat);
    toile.setAttribute("aria-label", t.coupe);
  }

  const SansEsperluette = (t) => t.replace(/&(.)/g, "$1");

  // The section at one canvas pixel per view pixel, in the rock view when
  // the section shows it, its letters drawn in white boxes, and the
  // legend's lines beside it.
  function DessinerCoupe() {
    const l = session.largeurExercice();
    const h = session.hauteurExercice();
    toile.width = l;
    toile.height = h;
    if (l === 0 || h === 0) return;
    const ctx = toile.getContext("2d");
    const rgba = session.vueExerciceRgba(Formations.roches());
    ctx.putImageData(new ImageData(new Uint8ClampedArray(rgba.buffer, rgba.byteOffset, rgba.length), l, h), 0, 0);
    for (const e of session.etiquettesExercice()) {
      ctx.fillStyle = "rgba(255, 255, 255, 0.92)";
      ctx.fillRect(e.gauche, e.haut, e.cote, e.cote);
      ctx.strokeStyle = "#141414";
      ctx.strokeRect(e.gauche + 0.5, e.haut + 0.5, e.cote - 1, e.cote - 1);
      ctx.font = `bold ${Math.max(6, Math.floor(e.cote * 0.75))}px "DejaVu Sans", Verdana, sans-serif`;
      ctx.textAlign = "center";
      ctx.textBaseline = "middle";
      ctx.fillStyle = "#000";
      ctx.fillText(e.lettre, e.gauche + e.cote / 2, e.haut + e.cote / 2);
    }
    const structures = session.structuresExercice();
    for (const st of structures) DessinerStructure(ctx, st);
    legende.replaceChildren();
    for (const ligne of session.legendeExercice()) {
      const li = document.createElement("li");
      li.textContent = ligne.texte;
      legende.append(li);
    }
    // The structures apart, under their heading, as in the window.
    if (structures.length) {
      const titre = document.createElement("li");
      titre.className = "titre-structures";
      titre.textContent = session.titreStructures();
      legende.append(titre);
    }
    for (const st of structures) {
      const li = document.createElement("li");
      li.dataset.structure = st.etiquette;
      li.textContent = st.texte;
      legende.append(li);
    }
  }

  function Choix(libelle, vide, options, valeur, change) {
    const etiquette = document.createElement("label");
    etiquette.className = "choix-justification";
    const nom = document.createElement("span");
    nom.textContent = SansEsperluette(libelle);
    const select = document.createElement("select");
    select.append(new Option(vide, String(vide === textes.choisisPrincipe ? 0 : -1)));
    for (const [v, t] of options) select.append(new Option(t, String(v)));
    select.value = String(valeur);
    select.addEventListener("change", () => change(Number(select.value)));
    etiquette.append(nom, select);
    return etiquette;
  }

  // The cards as they stand; the chosen one keeps the keyboard's focus.
  function Afficher(focus) {
    const principes = session.principes().map((p) => [p.valeur, p.nom]);
    const temoins = session.temoins().map((t) => [t.formation, t.nom]);
    liste.replaceChildren();
    cartes.forEach((c, i) => {
      const li = document.createElement("li");
      li.setAttribute("role", "option");
      li.dataset.id = c.id;
      li.setAttribute("aria-selected", String(i === choisie));
      li.classList.toggle("choisie", i === choisie);
      const nom = document.createElement("span");
      nom.className = "nom-carte";
      nom.textContent = c.nom;
      li.append(nom);
      const j = justifications.get(c.id) || { principe: 0, temoin: -1 };
      if (i === 0) {
        const note = document.createElement("span");
        note.className = "premiere-carte";
        note.textContent = textes.premiereCarte;
        li.append(note);
      } else {
        li.title = Remplir(textes.justifie, c.nom);
        li.append(
          Choix(textes.principe, textes.choisisPrincipe, principes, j.principe, (v) => Justifier(c.id, "principe", v)),
          Choix(textes.montrePar, textes.choisisFormation, temoins, j.temoin, (v) => Justifier(c.id, "temoin", v)),
        );
      }
      li.addEventListener("pointerdown", (e) => Saisir(e, i, li));
      liste.append(li);
    });
    liste.setAttribute("aria-activedescendant", "");
    if (focus) liste.focus();
  }

  function Choisir(i, focus) {
    if (i === choisie) return;
    choisie = i;
    Array.from(liste.children).forEach((li, k) => {
      li.classList.toggle("choisie", k === i);
      li.setAttribute("aria-selected", String(k === i));
    });
    if (focus) liste.children[i].scrollIntoView({ block: "nearest" });
  }

  // A card held by a finger, a pen or the mouse follows it; the place it
  // would take is shown by a line between two cards; let go, it takes it.
  // The card keeps the pointer, so the page neither scrolls nor selects
  // text while it is held (the cards do not pan: touch-action none). A
  // press on a card's list of principles or formations is not a hold.
  let tenue = null; // {pointeur, depart, cible, y0, haut0, li, bouge, milieux, hauteur}
  const kSeuilGlisse = 4; // CSS pixels a press moves before it is a drag

  function Saisir(e, i, li) {
    if (tenue || !e.isPrimary || e.button !== 0 || e.target.closest("select")) {
      Choisir(i, false);
      return;
    }
    e.preventDefault();
    liste.focus({ preventScroll: true });
    Choisir(i, false);
    // Where each card's middle stands in the list's content, as it stands
    // before any card makes room.
    const haut = liste.getBoundingClientRect().top - liste.scrollTop;
    const milieux = Array.from(liste.children, (c) => {
      const r = c.getBoundingClientRect();
      return r.top + r.height / 2 - haut;
    });
    const hauteur = li.getBoundingClientRect().height;
    tenue = { pointeur: e.pointerId, depart: i, cible: i, y0: e.clientY, haut0: liste.scrollTop, li, bouge: false,
      milieux, hauteur };
    li.setPointerCapture(e.pointerId);
    li.addEventListener("pointermove", Glisser);
    li.addEventListener("pointerup", Lacher);
    li.addEventListener("pointercancel", Abandonner);
    li.addEventListener("lostpointercapture", Abandonner);
  }

  // The rank the held card would take among the others: how many of them
  // have their middle (where it stood at the press) above the pointer, `y`
  // in the list's content.
  function Place(y) {
    return tenue.milieux.filter((m, k) => k !== tenue.depart && y > m).length;
  }

  // The cards between the held card's place and the one it would take
  // slide by its height to make room there, and a line marks the place.
  function MontrerPlace(rang) {
    const autres = [];
    Array.from(liste.children).forEach((li, k) => {
      if (k === tenue.depart) return;
      const r = autres.length; // its rank among the others
      autres.push(li);
      li.classList.remove("place-avant", "place-apres");
      let d = 0;
      if (k < tenue.depart && r >= rang) d = tenue.hauteur;
      else if (k > tenue.depart && r < rang) d = -tenue.hauteur;
      li.style.transform = d ? `translateY(${d}px)` : "";
    });
    if (rang === tenue.depart || !autres.length) return;
    if (rang < autres.length) autres[rang].classList.add("place-avant");
    else autres.at(-1).classList.add("place-apres");
  }

  function Glisser(e) {
    if (!tenue || e.pointerId !== tenue.pointeur) return;
    const dy = e.clientY - tenue.y0;
    if (!tenue.bouge && Math.abs(dy) < kSeuilGlisse) return;
    e.preventDefault();
    if (!tenue.bouge) {
      tenue.bouge = true;
      tenue.li.classList.add("tenue");
      liste.classList.add("en-glisse");
    }
    // Near an edge of a list longer than its box, the list scrolls.
    const bord = liste.getBoundingClientRect();
    const marge = Math.min(24, bord.height / 4);
    if (e.clientY < bord.top + marge) liste.scrollTop -= 8;
    else if (e.clientY > bord.bottom - marge) liste.scrollTop += 8;
    tenue.li.style.transform = `translateY(${e.clientY - tenue.y0 + liste.scrollTop - tenue.haut0}px)`;
    tenue.cible = Place(e.clientY - (liste.getBoundingClientRect().top - liste.scrollTop));
    MontrerPlace(tenue.cible);
  }

  function Finir() {
    const t = tenue;
    tenue = null;
    t.li.removeEventListener("pointermove", Glisser);
    t.li.removeEventListener("pointerup", Lacher);
    t.li.removeEventListener("pointercancel", Abandonner);
    t.li.removeEventListener("lostpointercapture", Abandonner);
    if (t.li.hasPointerCapture(t.pointeur)) t.li.releasePointerCapture(t.pointeur);
    t.li.classList.remove("tenue");
    liste.classList.remove("en-glisse");
    for (const li of liste.children) {
      li.classList.remove("place-avant", "place-apres");
      li.style.transform = "";
    }
    return t;
  }

  function Lacher(e) {
    if (!tenue || e.pointerId !== tenue.pointeur) return;
    const t = Finir();
    if (!t.bouge || t.cible === t.depart) return;
    cartes.splice(t.cible, 0, ...cartes.splice(t.depart, 1));
    choisie = t.cible;
    Afficher(true);
    Change();
  }

  function Abandonner(e) {
    if (tenue && e.pointerId === tenue.pointeur) Finir();
  }

  function Justifier(id, champ, valeur) {
    const j = justifications.get(id) || { principe: 0, temoin: -1 };
    j[champ] = valeur;
    justifications.set(id, j);
    Change();
  }

  // Any change makes the last sentences out of date.
  function Change() {
    resultat.textContent = "";
  }

  function Deplacer(pas) {
    if (tenue) return;
    const vers = choisie + pas;
    if (vers < 0 || vers >= cartes.length) return;
    [cartes[choisie], cartes[vers]] = [cartes[vers], cartes[choisie]];
    choisie = vers;
    Afficher(true);
    Change();
  }

  liste.addEventListener("keydown", (e) => {
    if (e.target !== liste) return;
    if (e.key !== "ArrowUp" && e.key !== "ArrowDown") return;
    e.preventDefault();
    const pas = e.key === "ArrowUp" ? -1 : 1;
    if (e.altKey) Deplacer(pas);
    else Choisir(Math.min(cartes.length - 1, Math.max(0, choisie + pas)), true);
  });
  document.getElementById("Monter").addEventListener("click", () => Deplacer(-1));
  document.getElementById("Descendre").addEventListener("click", () => Deplacer(1));

  function Justifications() {
    return cartes.map((c) => justifications.get(c.id) || { principe: 0, temoin: -1 });
  }

  function Verifier() {
    const ids = cartes.map((c) => c.id);
    const r = session.verifierOrdre(ids, Justifications());
    if (!r.lignes) return;
    dernier = { lignes: r.lignes, note: r.note, juste: r.juste };
    resultat.textContent = r.lignes.join("\n");
    if (r.complet) garder({ cartes: ids, justifications: Justifications() });
    verifie();
  }
  document.getElementById("VerifierOrdre").addEventListener("click", Verifier);
  document.getElementById("FermerOrdonner").addEventListener("click", () => boite.close());

  // The cards as the pupil last left them, checked or not; the first
  // opening of an exercise takes the order last checked (one taken back
  // at start-up) or deals the cards.
  function Donner() {
    const donne = session.cartes();
    const ordre = session.ordreDonne();
    justifications.clear();
    if (!ordre) return donne;
    const parId = new Map(donne.map((c) => [c.id, c]));
    const rangees = ordre.cartes.map((id) => parId.get(id)).filter((c) => c);
    if (rangees.length !== donne.length) return donne;
    rangees.forEach((c, i) => justifications.set(c.id, ordre.justifications[i]));
    return rangees;
  }

  function Ouvrir() {
    if (!session || !session.exerciceOuvert()) return;
    if (!cartes.length) {
      cartes = Donner();
      choisie = 0;
      resultat.textContent = "";
    }
    DessinerCoupe();
    Afficher(false);
    boite.showModal();
    liste.focus();
  }

  function Fermer() {
    if (tenue) Finir();
    if (boite.open) boite.close();
    dernier = null;
  }

  // Another exercise: its cards are dealt at the next opening.
  function Oublier() {
    Fermer();
    cartes = [];
    justifications.clear();
    resultat.textContent = "";
  }

  // An order kept by an earlier visit is judged again by the engine, so
  // that the answer holds it with the mark the engine gives; the next
  // opening shows it.
  function Reprendre(ordre) {
    Oublier();
    session.verifierOrdre(ordre.cartes, ordre.justifications);
  }

  return {
    Installer,
    Ouvrir,
    Fermer,
    Oublier,
    Reprendre,
    dernier: () => dernier,
    cartes: () => cartes.map((c) => c.id),
    justifications: () => Justifications(),
  };
})();
