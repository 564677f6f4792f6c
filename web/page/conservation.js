// SPDX-License-Identifier: GPL-3.0-or-later
// The pupil's work survives the tab: after every change the list's bytes
// (the same bytes as a saved .lst file) go to the browser's storage, and the
// next opening of the page offers them back. The model picture is kept for
// the tab only, so a tab the tablet discarded and reloads gets it back.
// A browser that refuses storage (private window) keeps nothing. When the
// storage is full, the list kept before (older than the one on screen) is
// removed, so that a reload never brings back an older list, and the pupil
// is told once.
//
// Inside a course package (Cloisonner) the work kept belongs to one learner
// and one exercise: its keys carry both, and without a learner the browser
// keeps nothing. The keys above stay the page's own outside packages: a
// package's page neither reads nor writes them.

import { ChaineDOctets, OctetsDeChaine } from "./donnees.js";

export const Conservation = (() => {
  const kListe = "strataloom.liste";
  const kModele = "strataloom.modele";
  const kExercice = "strataloom.exercice";
  const kNomExercice = "strataloom.exercice.nom";
  const kOrdre = "strataloom.ordre";
  const kVerifications = "strataloom.verifications";
  const kGraine = "strataloom.graine";
  // null: the keys above; "": nothing kept; else what replaces "strataloom"
  // at the start of each key.
  let espace = null;
  const Nommer = (k) => (espace ? espace + k.slice("strataloom".length) : k);
  function Cloisonner(prefixe) {
    espace = String(prefixe);
  }
  const kEnregistre = "strataloom.enregistre";

  function Ecrire(stockage, cle, valeur) {
    try {
      if (valeur === null) stockage.removeItem(Nommer(cle));
      else stockage.setItem(Nommer(cle), valeur);
      return true;
    } catch (e) {
      return false;
    }
  }

  function Lire(stockage, cle) {
    try {
      return stockage.getItem(Nommer(cle));
    } catch (e) {
      return null;
    }
  }

  const local = () => {
    if (espace === "") return null;
    try {
      return window.localStorage;
    } catch (e) {
      return null;
    }
  };
  // The model picture is the page's alone: a package's model is its exercise.
  const onglet = () => {
    if (espace !== null) return null;
    try {
      return window.sessionStorage;
    } catch (e) {
      return null;
    }
  };

  let plein = null;
  let signale = false;
  // `f` is called the first time the storage refuses the list.
  function SiPlein(f) {
    plein = f;
  }

  function Signaler() {
    if (!signale && plein) {
      signale = true;
      plein();
    }
  }

  function GarderListe(octets) {
    const s = local();
    if (!s || Ecrire(s, kListe, ChaineDOctets(octets))) return;
    Ecrire(s, kListe, null);
    Signaler();
  }

  // The exercise open (its file's bytes and name; null when none) and the
  // last order checked in "Ordonner" ({cartes, justifications}, or null).
  // An exercise that does not fit leaves nothing of itself behind.
  function GarderExercice(nom, octets) {
    const s = local();
    if (!s) return;
    Ecrire(s, kOrdre, null);
    if (octets === null) {
      Ecrire(s, kExercice, null);
      Ecrire(s, kNomExercice, null);
      return;
    }
    if (Ecrire(s, kExercice, ChaineDOctets(octets)) && Ecrire(s, kNomExercice, nom)) return;
    Ecrire(s, kExercice, null);
    Ecrire(s, kNomExercice, null);
    Signaler();
  }

  function ExerciceGarde() {
    const s = local();
    const v = s && Lire(s, kExercice);
    if (v === null || v === undefined) return null;
    return { nom: Lire(s, kNomExercice) || "", octets: OctetsDeChaine(v) };
  }

  function GarderOrdre(ordre) {
    const s = local();
    if (s && !Ecrire(s, kOrdre, ordre === null ? null : JSON.stringify(ordre))) Signaler();
  }

  function OrdreGarde() {
    const s = local();
    const v = s && Lire(s, kOrdre);
    if (!v) return null;
    try {
      const o = JSON.parse(v);
      return o && Array.isArray(o.cartes) && Array.isArray(o.justifications) ? o : null;
    } catch (e) {
      return null;
    }
  }

  // How many times the pupil checked the section and the order of the
  // exercise kept: {coupe, ordre}.
  function GarderVerifications(v) {
    const s = local();
    if (s && !Ecrire(s, kVerifications, JSON.stringify({ coupe: v.coupe, ordre: v.ordre }))) Signaler();
  }

  // The seed the exercise kept deals its cards from: the same cards after
  // a reload.
  function GarderGraine(graine) {
    const s = local();
    if (s && !Ecrire(s, kGraine, graine === null || graine === undefined ? null : String(graine))) Signaler();
  }

  function GraineGardee() {
    const s = local();
    const v = s && Lire(s, kGraine);
    if (!v || !/^[0-9]{1,10}$/.test(v)) return null;
    const n = Number(v);
    return n <= 0xffffffff ? n : null;
  }

  function VerificationsGardees() {
    const s = local();
    const v = s && Lire(s, kVerifications);
    if (!v) return null;
    try {
      const o = JSON.parse(v);
      return o && Number.isInteger(o.coupe) && Number.isInteger(o.ordre) ? o : null;
    } catch (e) {
      return null;
    }
  }

  // What the pupil last saved (the list's bytes and the order an answer
  // holds), so that a later visit knows whether the work it takes back
  // was saved; null: nothing saved.
  function GarderEnregistre(enregistre) {
    const s = local();
    if (s) Ecrire(s, kEnregistre, enregistre === null ? null : JSON.stringify(enregistre));
  }

  function Enregistre() {
    const s = local();
    const v = s && Lire(s, kEnregistre);
    try {
      return v ? JSON.parse(v) : null;
    } catch (e) {
      return null;
    }
  }

  // Work that ends in the storage (a file being read, the list's write to
  // come): Garde() resolves once all of it, and whatever it started in
  // turn, is done.
  const enCours = new Set();
  function Suivre(promesse) {
    const suivie = Promise.resolve(promesse)
      .catch(() => {})
      .finally(() => enCours.delete(suivie));
    enCours.add(suivie);
    return promesse;
  }
  async function Garde() {
    while (enCours.size) await Promise.all(enCours);
  }

  // The list is written once the handler that changed it has returned, and
  // at the latest when the page is hidden or left: clicks in quick
  // succession make one write.
  let aEcrire = null;
  function Ecrire_() {
    if (!aEcrire) return;
    const f = aEcrire;
    aEcrire = null;
    GarderListe(f());
  }
  function Noter(octets) {
    if (!aEcrire)
      Suivre(
        new Promise((fin) =>
          setTimeout(() => {
            Ecrire_();
            fin();
          }, 0),
        ),
      );
    aEcrire = octets;
  }
  window.addEventListener("pagehide", Ecrire_);
  document.addEventListener("visibilitychange", () => {
    if (document.visibilityState === "hidden") Ecrire_();
  });

  function ListeGardee() {
    const s = local();
    const v = s && Lire(s, kListe);
    return v === null || v === undefined ? null : OctetsDeChaine(v);
  }

  function GarderModele(octets) {
    const s = onglet();
    if (s && !Ecrire(s, kModele, ChaineDOctets(octets))) Ecrire(s, kModele, null);
  }

  function ModeleGarde() {
    const s = onglet();
    const v = s && Lire(s, kModele);
    return v === null || v === undefined ? null : OctetsDeChaine(v);
  }

  return {
    GarderListe,
    Noter,
    ListeGardee,
    GarderModele,
    ModeleGarde,
    GarderExercice,
    ExerciceGarde,
    GarderOrdre,
    OrdreGarde,
    GarderVerifications,
    VerificationsGardees,
    GarderGraine,
    GraineGardee,
    GarderEnregistre,
    Enregistre,
    SiPlein,
    Cloisonner,
    Suivre,
    Garde,
  };
})();
