// SPDX-License-Identifier: GPL-3.0-or-later
// A class graded off the page's main thread, so that the page stays free
// while a large class is marked: a worker made from the engine's own
// script (the page's inline element, the page being one self-contained
// file) and the few lines below, given the engine's WebAssembly, the
// textures and the language the page started with. It grades the files
// one at a time (the engine's ClasseEnNotation) and says after each how
// many are graded. A second grading asked for while one runs stops the
// first: its worker is ended and a new one takes the new class. Where no
// worker can be made, the same steps run in the page, which gets a frame
// back between two files.
import { DONNEES, MoteurEmbarque, TexturesEmbarquees } from "./donnees.js";
import { LangueAnglaise } from "./textes.js";

// The grading's steps, the same in the worker and in the page: `session`
// an engine session holding the textures, `d` {nomModele, modele,
// copies: [{nom, octets, tropGros}]}, `avancer(faites, total)` awaited
// before the first file and after each one. What the engine gives at the
// end: {lignes, csv, autresTextures} or {raison}.
async function NoterParEtapes(session, d, avancer) {
  const depart = session.commencerClasse(d.nomModele, d.modele, d.copies.map((c) => c.nom));
  if (depart.raison) return { raison: depart.raison };
  await avancer(0, depart.total);
  for (let i; (i = session.copieSuivante()) >= 0; ) await avancer(session.noterCopie(d.copies[i]), depart.total);
  const r = session.finirClasse();
  r.csv = r.csv.slice();
  return r;
}

// The worker's own script, after the engine's: "demarrer" {wasm, textures,
// traductions} once, answered by "pret" (or "erreur"); then "noter"
// {numero, ...d}, answered by "avancement" {numero, faites, total} as it
// goes and "notes" {numero, r} at the end.
function Travailleur(NoterParEtapes) {
  let session = null;
  self.onmessage = async (e) => {
    const m = e.data;
    try {
      if (m.genre === "demarrer") {
        const moteur = await StrataloomMoteur({ wasmBinary: m.wasm });
        if (m.traductions) moteur.definirTraductions(m.traductions);
        session = new moteur.Session();
        session.definirTextures(m.textures);
        self.postMessage({ genre: "pret" });
      } else if (m.genre === "noter") {
        const r = await NoterParEtapes(session, m, (faites, total) =>
          self.postMessage({ genre: "avancement", numero: m.numero, faites, total }));
        self.postMessage({ genre: "notes", numero: m.numero, r });
      }
    } catch (erreur) {
      self.postMessage({ genre: "erreur", numero: m.numero, message: String((erreur && erreur.message) || erreur) });
    }
  };
}

export const Notation = (() => {
  let travailleur = null; // a Promise of a Worker whose engine is ready
  let enCours = null; // {numero, fin(r), echec(erreur), avancer} of the grading running
  let numero = 0;
  let sansTravailleur = false; // no worker could be made here: the page grades
  let nomsTextures = []; // the engine's texture files, in its order

  function Source() {
    const moteur = document.querySelector('script[data-strataloom="moteur"]');
    if (!moteur) throw new Error("moteur");
    return `${moteur.textContent}\n;(${Travailleur.toString()})(${NoterParEtapes.toString()});\n`;
  }

  // A worker whose engine is started, or a rejection when none can be made.
  async function Creer() {
    const url = URL.createObjectURL(new Blob([Source()], { type: "text/javascript" }));
    const w = new Worker(url);
    const wasm = await MoteurEmbarque();
    const textures = (await TexturesEmbarquees(nomsTextures)).map((o) => o || new Uint8Array(0));
    const traductions = LangueAnglaise() ? (DONNEES.traductions && DONNEES.traductions.en) || {} : null;
    await new Promise((pret, echec) => {
      w.onmessage = (e) => (e.data.genre === "pret" ? pret() : echec(new Error(e.data.message)));
      w.onerror = (e) => {
        e.preventDefault();
        echec(new Error(e.message || "worker"));
      };
      w.postMessage({ genre: "demarrer", wasm, textures, traductions });
    }).finally(() => URL.revokeObjectURL(url));
    w.onmessage = (e) => Recu(e.data);
    // A worker that failed is not used again: the next grading makes another.
    const promesse = travailleur;
    w.onerror = (e) => {
      e.preventDefault();
      if (travailleur === promesse) travailleur = null;
      w.terminate();
      if (enCours) enCours.echec(new Error(e.message || "worker"));
    };
    return w;
  }

  function Recu(m) {
    if (!enCours || m.numero !== enCours.numero) return;
    if (m.genre === "avancement") enCours.avancer(m.faites, m.total);
    else if (m.genre === "notes") enCours.fin(m.r);
    else if (m.genre === "erreur") enCours.echec(new Error(m.message));
  }

  // The grading running is stopped: its promise gives null.
  function Arreter() {
    if (!enCours) return;
    enCours.fin(null);
    if (travailleur) {
      const ancien = travailleur;
      travailleur = null;
      ancien.then((w) => w.terminate(), () => {});
    }
  }

  // Grades `d` in the page, giving the browser its turn between two
  // files, stopped when another grading starts.
  async function DansLaPage(session, d, avancer) {
    const mien = numero;
    const Annulee = {};
    try {
      return await NoterParEtapes(session, d, async (faites, total) => {
        if (mien !== numero) throw Annulee;
        avancer(faites, total);
        await new Promise((r) => setTimeout(r, 0));
        if (mien !== numero) throw Annulee;
      });
    } catch (e) {
      if (e === Annulee) return null;
      throw e;
    }
  }

  // Grades `d` ({nomModele, modele, copies}); `avancer(faites, total)` as
  // it goes. The engine's result, or null when a later grading replaced
  // this one.
  async function Noter(session, d, avancer) {
    Arreter();
    const mien = ++numero;
    if (!sansTravailleur) {
      if (!travailleur) travailleur = Creer();
      const promesse = travailleur;
      let w = null;
      try {
        w = await promesse;
      } catch (e) {
        // No worker here (a browser that refuses one from this page): the
        // page grades, now and from now on.
        if (travailleur === promesse) travailleur = null;
        sansTravailleur = true;
      }
      if (mien !== numero) return null;
      if (w) {
        return new Promise((fin, echec) => {
          const Fin = (quoi) => (x) => {
            if (enCours && enCours.numero === mien) enCours = null;
            quoi(x);
          };
          enCours = { numero: mien, fin: Fin(fin), echec: Fin(echec), avancer };
          w.postMessage({ genre: "noter", numero: mien, ...d });
        });
      }
    }
    return DansLaPage(session, d, avancer);
  }

  return {
    // The engine's texture file names (moteur.fichiersTextures()), given at start-up.
    Installer: (noms) => (nomsTextures = noms),
    Noter,
    // Whether classes are graded in a worker (false once none could be made).
    dansUnTravailleur: () => !sansTravailleur,
  };
})();
