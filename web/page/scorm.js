// SPDX-License-Identifier: GPL-3.0-or-later
// The page inside a learning platform. A package's exercise page sets
// window.STRATALOOM_SCO ({exercice: the .exo file in base64, nom, seuil});
// only then does the page open that exercise at once and look for the
// platform's run-time (the object API of SCORM 1.2) in the windows around
// it. It gives the pupil's name, keeps the work in progress between two
// visits (cmi.suspend_data), and is told the mark and the order at each
// "Vérifier" and at "Rendre". The text kept, the mark, the pass and the
// order's response all come from the engine (session.texteReprise,
// session.plateforme); this module only calls the platform. Outside a
// package it does nothing.

import { OctetsDeBase64 } from "./donnees.js";
import { Remplir } from "./textes.js";
import { Boites } from "./boites.js";
import { Conservation } from "./conservation.js";
import { Exercices } from "./exercices.js";

export const Plateforme = (() => {
  const sco = window.STRATALOOM_SCO && typeof window.STRATALOOM_SCO === "object" ? window.STRATALOOM_SCO : null;
  // How many parents are searched, from this window and from its opener.
  const kParentsMax = 10;
  let moteur = null;
  let session = null;
  let textes = {};
  let api = null;
  let ouverte = false; // LMSInitialize accepted and LMSFinish not yet called
  let fermee = false; // the page is closing: no more boxes
  let maitrise = "";
  let rendu = false; // "Rendre" pressed at least once
  let erreurDite = false; // one box until a report goes through again
  let tropLongDit = false;
  let reponseDite = ""; // the last order written as an interaction
  const debut = Date.now();

  // The run-time in `w` or one of its parents.
  function Chercher(w) {
    for (let n = 0; w && n <= kParentsMax; ++n) {
      try {
        if (w.API && typeof w.API.LMSInitialize === "function") return w.API;
      } catch (e) {
        return null; // another origin: nothing to see above it
      }
      let p = null;
      try {
        p = w.parent;
      } catch (e) {
        p = null;
      }
      if (!p || p === w) return null;
      w = p;
    }
    return null;
  }

  function TrouverApi() {
    const a = Chercher(window);
    if (a) return a;
    try {
      return window.opener ? Chercher(window.opener) : null;
    } catch (e) {
      return null;
    }
  }

  // The platform refused something: the pupil is told, in the platform's
  // words, once until a later report goes through.
  function Signaler(fonction, code) {
    if (erreurDite || fermee) return;
    erreurDite = true;
    let mots = "";
    try {
      mots = String(api.LMSGetErrorString(code));
    } catch (e) {
      mots = "";
    }
    Boites.Erreur(Remplir(textes.erreur, fonction, mots).replace("%3", code));
  }

  // One call; false when the platform answers "false" or sets an error.
  function Appeler(fonction, argument, valeur) {
    if (!api) return false;
    let r = "false";
    let code = "101";
    try {
      r = String(valeur === undefined ? api[fonction](argument) : api[fonction](argument, valeur));
      code = String(api.LMSGetLastError());
    } catch (e) {
      r = "false";
    }
    if (r !== "false" && (code === "0" || code === "")) return true;
    Signaler(argument ? `${fonction}("${argument}")` : fonction, code);
    return false;
  }

  // A value read; "" when the platform has none (an optional element it
  // does not keep is no error for the pupil).
  function Lire(element) {
    try {
      const v = api.LMSGetValue(element);
      return String(api.LMSGetLastError()) === "0" ? String(v) : "";
    } catch (e) {
      return "";
    }
  }

  const Ecrire = (element, valeur) => Appeler("LMSSetValue", element, String(valeur));

  // The work as the platform keeps it. A work too long for it is told
  // once and stays in the browser's storage; the platform then keeps
  // nothing, so that the next visit takes back the browser's, newer.
  function GarderTravail() {
    const t = session.texteReprise();
    if (t.raison && !tropLongDit && !fermee) Boites.Information(t.raison);
    tropLongDit = !!t.raison;
    return Ecrire("cmi.suspend_data", t.raison ? "" : t.texte);
  }

  // Score, status and, with an order checked, an interaction; then the
  // work and a commit. `final`: "Rendre", which passes or fails.
  function Rapporter(final) {
    const p = session.plateforme(maitrise, Number(sco.seuil));
    let ok = Ecrire("cmi.core.score.min", p.min) && Ecrire("cmi.core.score.max", p.max) &&
      Ecrire("cmi.core.score.raw", p.score);
    if (final || !rendu) ok = ok && Ecrire("cmi.core.lesson_status", final ? (p.reussi ? "passed" : "failed") : "incomplete");
    if (ok && p.reponse && (final || p.reponse + p.resultat !== reponseDite)) {
      const n = Number(Lire("cmi.interactions._count")) || 0;
      const i = `cmi.interactions.${n}.`;
      ok = Ecrire(i + "id", "ordre") && Ecrire(i + "type", "sequencing") && Ecrire(i + "student_response", p.reponse) &&
        Ecrire(i + "result", p.resultat);
      if (ok) reponseDite = p.reponse + p.resultat;
    }
    ok = ok && GarderTravail() && Appeler("LMSCommit", "");
    if (ok) erreurDite = false;
    return ok ? p : null;
  }

  // A check in the page ("Vérifier ma coupe", or an order checked).
  function Verifie(quoi) {
    if (!ouverte) return;
    if (quoi === "ordre") reponseDite = "";
    Rapporter(false);
  }

  async function Rendre() {
    if (!ouverte || document.querySelector("dialog[open]")) return;
    rendu = true;
    const p = Rapporter(true);
    if (p) await Boites.Information(Remplir(textes.rendu, p.score));
  }

  // The list changed: its kept text follows once the handler has returned.
  let aNoter = false;
  function Noter() {
    if (!ouverte || aNoter) return;
    aNoter = true;
    setTimeout(() => {
      aNoter = false;
      if (ouverte) GarderTravail();
    }, 0);
  }

  // The page closes: the work, how the pupil left and the visit's length,
  // then the end of the visit, once.
  function Fermer() {
    if (!ouverte) return;
    fermee = true;
    ouverte = false;
    GarderTravail();
    Ecrire("cmi.core.exit", rendu ? "" : "suspend");
    Ecrire("cmi.core.session_time", moteur.dureePlateforme((Date.now() - debut) / 1000));
    Appeler("LMSFinish", "");
  }
  window.addEventListener("pagehide", Fermer);
  window.addEventListener("beforeunload", Fermer);
  document.addEventListener("visibilitychange", () => {
    if (document.visibilityState === "hidden" && ouverte && GarderTravail()) Appeler("LMSCommit", "");
  });

  function Egaux(a, b) {
    if (!a || !b || a.length !== b.length) return false;
    for (let i = 0; i < a.length; ++i) if (a[i] !== b[i]) return false;
    return true;
  }

  // The pupil's name above the list, and "Rendre" under "Vérifier ma coupe".
  function Montrer(nom) {
    const panneau = document.getElementById("Panel1");
    if (nom) {
      const p = document.createElement("p");
      p.id = "ElevePlateforme";
      p.className = "eleve-plateforme";
      p.textContent = Remplir(textes.eleve, nom);
      panneau.prepend(p);
    }
    const b = document.createElement("button");
    b.type = "button";
    b.id = "Rendre";
    b.className = "commande rendre";
    b.textContent = textes.rendre;
    b.title = textes.bulleRendre;
    b.addEventListener("click", Rendre);
    document.getElementById("VerifierCoupe").after(b);
  }

  // At start-up, the engine ready: the package's exercise opened, the
  // platform found, the work taken back from it, else from this browser
  // when it kept the same exercise. False outside a package.
  async function Demarrer(m, s) {
    if (!sco) return false;
    moteur = m;
    session = s;
    textes = moteur.textesPlateforme();
    let octets = null;
    try {
      octets = OctetsDeBase64(String(sco.exercice || ""));
    } catch (e) {
      octets = null;
    }
    const nom = String(sco.nom || "exercice.exo");
    // What this browser kept, read before the opening replaces it.
    const garde = Conservation.ExerciceGarde();
    const liste = Conservation.ListeGardee();
    const ordre = Conservation.OrdreGarde();
    if (!(await Exercices.OuvrirOctets(nom, octets, "paquet"))) return true;
    api = TrouverApi();
    if (!api) Boites.Erreur(textes.absente);
    else ouverte = Appeler("LMSInitialize", "");
    let repris = false;
    if (ouverte) {
      const eleve = Lire("cmi.core.student_name");
      maitrise = Lire("cmi.student_data.mastery_score");
      // A first visit tells the platform the exercise has begun.
      if (Lire("cmi.core.lesson_status") === "not attempted") Ecrire("cmi.core.lesson_status", "incomplete");
      Montrer(eleve);
      if (eleve) Exercices.DefinirEleve(eleve);
      const texte = Lire("cmi.suspend_data");
      const raison = texte ? session.reprendreTravail(texte) : "";
      if (raison) Boites.Erreur(raison);
      repris = !!texte && !raison;
    }
    if (!repris && liste && garde && Egaux(garde.octets, octets)) {
      session.chargerListe(liste);
      if (ordre) Exercices.panneauOrdonner.Reprendre(ordre);
    }
    Conservation.GarderExercice(nom, octets);
    const o = session.ordreDonne();
    if (o) Conservation.GarderOrdre({ cartes: o.cartes, justifications: o.justifications });
    Exercices.Suivre(Verifie);
    return true;
  }

  return {
    Demarrer,
    Noter,
    Rendre,
    dans: () => ouverte,
  };
})();
