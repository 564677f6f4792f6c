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
//
// The package's page works on its own exercise only: the commands that open,
// make or hand out another are left out of its menus, a file dropped or a
// link is refused, and nothing is sent to the platform while the exercise
// on screen has another fingerprint. The browser keeps the work of the
// learner the platform names (cmi.core.student_id), for this exercise only;
// without one it keeps nothing. The platform's record is left as it is
// until the pupil changes the section, checks or hands in.

import { OctetsDeBase64 } from "./donnees.js";
import { Remplir } from "./textes.js";
import { Boites } from "./boites.js";
import { Conservation } from "./conservation.js";
import { Exercices } from "./exercices.js";
import { SansCommandes } from "./menus.js";

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
  let empreinte = ""; // the package's exercise's fingerprint
  let eleveId = ""; // the learner the platform names
  let agi = false; // the pupil changed the section, checked or handed in
  let depart = ""; // the work on screen once started (Instantane)
  let aNoter = false;
  let calme = Promise.resolve(); // resolved once no work waits to be kept
  let finCalme = () => {};

  // The commands a package's page leaves out of its menus.
  const kAbsentes = new Set(["OuvrirExercice", "CreerExercice", "EspaceEnseignant", "ExporterScorm"]);
  if (sco) {
    Conservation.Cloisonner(""); // nothing kept until the learner is known
    Exercices.Verrouiller(() => textes.autreExercice, () => Exercices.textes().consignePaquet);
  }

  // The engine's table of menus as a package's page shows it: without the
  // commands above, and without a separator left at an end or doubled.
  const Menus = (menus) => (sco ? SansCommandes(menus, kAbsentes) : menus);

  // The exercise on screen is the package's (the engine's fingerprints).
  const DuPaquet = () => !!empreinte && session.empreinteExercice() === empreinte;
  // The list and the order on screen, to tell a change of the pupil's.
  const Instantane = () => Array.from(session.texteListe()).join() + "|" + JSON.stringify(session.ordreDonne());

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
    Boites.Erreur(Remplir(textes.erreur, fonction, mots, code));
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

  // Nothing is written for another exercise than the package's.
  const Ecrire = (element, valeur) => DuPaquet() && Appeler("LMSSetValue", element, String(valeur));

  // The work as the platform keeps it, once the pupil has acted. A work
  // too long for it is told once and stays in the browser's storage when
  // the platform names the learner; the platform then keeps nothing, so
  // that the next visit takes back the browser's, newer.
  function GarderTravail() {
    if (!agi) return true; // the platform's record stays as it is
    const t = session.texteReprise(!!eleveId);
    if (t.raison && !tropLongDit && !fermee) Boites.Information(t.raison);
    tropLongDit = !!t.raison;
    return Ecrire("cmi.suspend_data", t.raison ? "" : t.texte);
  }

  // An objective ("coupe", "ordre") where the platform holds it, else
  // after the others: its score once there is one; passed or failed once
  // handed in, incomplete until then.
  function EcrireObjectif(o, final) {
    const n = Number(Lire("cmi.objectives._count")) || 0;
    let k = 0;
    while (k < n && Lire(`cmi.objectives.${k}.id`) !== o.id) ++k;
    const e = `cmi.objectives.${k}.`;
    let ok = Ecrire(e + "id", o.id);
    if (o.score) ok = ok && Ecrire(e + "score.min", "0") && Ecrire(e + "score.max", "20") && Ecrire(e + "score.raw", o.score);
    const statut = !o.score ? "not attempted" : final ? (o.reussi ? "passed" : "failed") : "incomplete";
    return ok && ((!final && rendu) || Ecrire(e + "status", statut));
  }

  // Score, status and, with an order checked, an interaction; then the
  // work and a commit. `final`: "Rendre", which passes or fails.
  function Rapporter(final) {
    const p = session.plateforme(maitrise, Number(sco.seuil));
    let ok = Ecrire("cmi.core.score.min", p.min) && Ecrire("cmi.core.score.max", p.max) &&
      Ecrire("cmi.core.score.raw", p.score);
    if (final || !rendu) ok = ok && Ecrire("cmi.core.lesson_status", final ? (p.reussi ? "passed" : "failed") : "incomplete");
    for (const o of p.objectifs) ok = ok && EcrireObjectif(o, final);
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
    agi = true;
    if (quoi === "ordre") reponseDite = "";
    Rapporter(false);
  }

  async function Rendre() {
    if (!ouverte || document.querySelector("dialog[open]")) return;
    if (!DuPaquet()) {
      await Boites.Erreur(textes.pasLeMeme);
      return;
    }
    agi = true;
    rendu = true;
    const p = Rapporter(true);
    if (p) await Boites.Information(p.rendu);
  }

  // The list changed: its kept text follows once the handler has returned,
  // from the pupil's first change on.
  function Noter() {
    if (!ouverte || aNoter) return;
    aNoter = true;
    calme = new Promise((r) => (finCalme = r));
    setTimeout(() => {
      aNoter = false;
      if (ouverte && (agi || Instantane() !== depart)) {
        agi = true;
        GarderTravail();
      }
      finCalme();
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
    if (document.visibilityState === "hidden" && ouverte && agi && GarderTravail()) Appeler("LMSCommit", "");
  });

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
  // platform found, the work taken back from it, else from what this
  // browser kept for the same learner and exercise. False outside a package.
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
    if (!(await Exercices.OuvrirOctets(nom, octets, "paquet"))) return true;
    empreinte = moteur.empreinteFichierExercice(octets);
    api = TrouverApi();
    if (!api) Boites.Erreur(textes.absente);
    else ouverte = Appeler("LMSInitialize", "");
    let repris = false;
    if (ouverte) {
      const eleve = Lire("cmi.core.student_name");
      eleveId = Lire("cmi.core.student_id");
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
    // The learner's own keys, for this exercise; none without a learner.
    if (eleveId) Conservation.Cloisonner(`strataloom.paquet.${empreinte}.${encodeURIComponent(eleveId)}`);
    const liste = eleveId && !repris ? Conservation.ListeGardee() : null;
    if (liste && session.chargerListe(liste) === 0) {
      const ordre = Conservation.OrdreGarde();
      if (ordre) Exercices.panneauOrdonner.Reprendre(ordre);
      Exercices.ReprendreVerifications();
    } else if (liste) {
      session.reinitialiser();
    }
    // The cards' seed, as taken back or just drawn, kept in this browser too.
    if (eleveId) Conservation.GarderGraine(session.graineDonne());
    const o = session.ordreDonne();
    if (o) Conservation.GarderOrdre({ cartes: o.cartes, justifications: o.justifications });
    depart = Instantane();
    Exercices.Suivre(Verifie);
    // A link to another exercise is refused.
    Exercices.DepuisAdresse();
    return true;
  }

  return {
    Demarrer,
    Menus,
    Noter,
    // Resolved once the last change of the list is handed to the platform.
    calme: () => calme,
    Rendre,
    dans: () => ouverte,
  };
})();
