// SPDX-License-Identifier: GPL-3.0-or-later
// The model in the view's place while the view is pressed, as the window's
// MontrerModele and MontrerCoupe do. The view reacts once a model is loaded.

const zone = document.getElementById("zone-vue");
const visu = document.getElementById("Visu");
const coucheModele = document.getElementById("couche-modele");
let active = false;
let montre = false; // the model is on show

function MontrerModele(oui) {
  montre = oui;
  coucheModele.hidden = !oui;
  visu.setAttribute("aria-hidden", String(oui));
  zone.classList.toggle("comparaison", oui);
}

// A press of the primary button (the left mouse button, a finger, the
// pen's tip) shows the model until the release.
zone.addEventListener("pointerdown", (e) => {
  if (!active || e.button !== 0) return;
  e.preventDefault();
  try {
    zone.setPointerCapture(e.pointerId);
  } catch (x) {
    // not capturable: the release still reaches the view
  }
  MontrerModele(true);
});
const Relacher = () => {
  if (montre) MontrerModele(false);
};
zone.addEventListener("pointerup", Relacher);
zone.addEventListener("pointercancel", Relacher);
zone.addEventListener("lostpointercapture", Relacher);
// With another button already held, a release shows only as a move.
zone.addEventListener("pointermove", (e) => {
  if (montre && e.button >= 0 && !(e.buttons & (1 << e.button))) Relacher();
});
zone.addEventListener("contextmenu", (e) => e.preventDefault());
// From the keyboard: Space or Enter held on the view.
zone.addEventListener("keydown", (e) => {
  if (!active || (e.key !== " " && e.key !== "Enter")) return;
  e.preventDefault();
  if (!e.repeat) MontrerModele(true);
});
zone.addEventListener("keyup", (e) => {
  if (e.key === " " || e.key === "Enter") Relacher();
});
zone.addEventListener("blur", Relacher);

export const Comparaison = {
  // From now on a press shows the model; `titre` is the view's tooltip.
  Activer(titre) {
    active = true;
    zone.classList.add("comparable");
    zone.title = titre;
    zone.tabIndex = 0;
  },
  active: () => active,
  enCours: () => montre,
};
