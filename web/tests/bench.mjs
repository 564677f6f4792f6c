// SPDX-License-Identifier: GPL-3.0-or-later
// The browser edition's figures, in one run:
//   - the time of an event in the page (the click's whole handler: engine,
//     undo snapshot, view drawn into the canvas, list, availability) and of
//     the same events replayed by the page's engine, against the native
//     renderer replaying the same events;
//   - the time from opening the file to the first drawn section;
//   - "Vérifier ma coupe" in the page for a six-event exercise made by
//     strataloom-render --make-exercise, against a section of four events;
//   - the teacher's space: a series of 30 exercises of 6 events drawn in
//     the page with its zip and printable sheets, and a class of 35 files
//     graded against an exercise (files read, marks, table), and 35 of the
//     longest answers the engine replays (the walk, 300 events);
//   - the size of the file.
//
//   node web/tests/bench.mjs --page build-web/strataloom.html
//        --rendu build/bin/strataloom-render --base build/bin/Base
//        [--evenements N] [--graine S]
//
// The events: a walk of N events (default 300) clicked in the page from a
// fresh start, each chosen at random (seeded) among the enabled commands,
// as a pupil might. The list it makes is then replayed by the page's engine
// and by strataloom-render. Each figure is the best of several runs, the
// machine being shared.
import { execFileSync } from "node:child_process";
import { mkdtempSync, readFileSync, writeFileSync, rmSync, statSync } from "node:fs";
import { tmpdir } from "node:os";
import { join, resolve, dirname } from "node:path";
import { pathToFileURL, fileURLToPath } from "node:url";
import { Navigateur } from "./webdriver.mjs";

const racine = resolve(dirname(fileURLToPath(import.meta.url)), "..", "..");
const args = process.argv.slice(2);
const option = (nom, defaut) => {
  const i = args.indexOf("--" + nom);
  return i >= 0 && i + 1 < args.length ? args[i + 1] : defaut;
};
const page = resolve(option("page", join(racine, "build-web", "strataloom.html")));
const programme = resolve(option("rendu", join(racine, "build", "bin", "strataloom-render")));
const base = resolve(option("base", join(racine, "build", "bin", "Base")));
const nombre = Number(option("evenements", "300"));
const graine = Number(option("graine", "7"));
const temp = mkdtempSync(join(tmpdir(), "strataloom-bench-"));
const mediane = (v) => [...v].sort((a, b) => a - b)[Math.floor(v.length / 2)];
const UNE_LIGNE = Buffer.from("S\xe9dimentation\r\n", "latin1");

// strataloom-render on the walk's list against the one-line list: the
// difference is the events' replay. Best of 9 runs of each, alternated.
function Natif(liste, n) {
  const longue = join(temp, "marche.lst");
  const courte = join(temp, "une.lst");
  writeFileSync(longue, liste);
  writeFileSync(courte, UNE_LIGNE);
  const duree = (chemin) => {
    const debut = process.hrtime.bigint();
    execFileSync(programme, ["--base", base, chemin, "--state", join(temp, "etat.json")]);
    return Number(process.hrtime.bigint() - debut) / 1e6;
  };
  const a = [];
  const c = [];
  for (let i = 0; i < 9; ++i) {
    a.push(duree(longue));
    c.push(duree(courte));
  }
  return (Math.min(...a) - Math.min(...c)) / n;
}

// In the page: from "Retour début", `n` clicks, each on a command chosen
// among the enabled ones; the handler's time of each click summed.
function Marcher(n, graine) {
  let a = graine >>> 0;
  const hasard = () => {
    a = (a + 0x6d2b79f5) >>> 0;
    let t = a;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
  const f = window.strataloom;
  const boutons = f.moteur().evenements().map((e) => document.getElementById(e.bouton));
  document.getElementById("Efface").click();
  // The engine's share of each click: the session's own event.
  const session = f.session();
  const appliquer = session.appliquer;
  let moteur = 0;
  session.appliquer = function (tag) {
    const debut = performance.now();
    appliquer.call(this, tag);
    moteur += performance.now() - debut;
  };
  let total = 0;
  for (let i = 0; i < n; ++i) {
    const actifs = boutons.filter((b) => !b.disabled);
    const b = actifs[Math.floor(hasard() * actifs.length)];
    const debut = performance.now();
    b.click();
    total += performance.now() - debut;
  }
  delete session.appliquer;
  const liste = session.texteListe();
  let s = "";
  for (let i = 0; i < liste.length; ++i) s += String.fromCharCode(liste[i]);
  return { clic: total / n, moteur: moteur / n, liste: btoa(s) };
}

// In the page: the engine's replay of the list against the one-line list.
function Rejouer(listeB64, n) {
  const session = window.strataloom.session();
  const liste = Uint8Array.from(atob(listeB64), (c) => c.charCodeAt(0));
  const une = Uint8Array.from("S\u00e9dimentation\r\n", (c) => c.charCodeAt(0));
  const duree = (o) => {
    const debut = performance.now();
    session.chargerListe(o);
    return performance.now() - debut;
  };
  let longue = Infinity;
  let courte = Infinity;
  for (let i = 0; i < 9; ++i) {
    longue = Math.min(longue, duree(liste));
    courte = Math.min(courte, duree(une));
  }
  return (longue - courte) / n;
}

// "Vérifier ma coupe", in the page: the engine's check and mark alone, and
// the command's whole handler up to the box (the overlay drawn). Best of 9.
async function Verifier(exo, partielle) {
  const octets = (b64) => Uint8Array.from(atob(b64), (c) => c.charCodeAt(0));
  const s = window.strataloom.session();
  if (s.ouvrirExercice("bench.exo", octets(exo))) throw new Error("exercice refusé");
  s.chargerListe(octets(partielle));
  let moteur = Infinity;
  let commande = Infinity;
  for (let i = 0; i < 9; ++i) {
    let t = performance.now();
    s.verifier();
    s.masqueRgba();
    moteur = Math.min(moteur, performance.now() - t);
    t = performance.now();
    window.strataloom.exercices.Verifier();
    commande = Math.min(commande, performance.now() - t);
    await new Promise((r) => setTimeout(r, 0));
    for (const d of document.querySelectorAll("dialog[open]")) d.close();
    await new Promise((r) => setTimeout(r, 0));
  }
  return { moteur, commande };
}

const SIX = ["S\xe9dimentation", "S\xe9dimentation", "Compression", "Erosion", "S\xe9dimentation", "Distension",
  "S\xe9dimentation"];
function Exercice() {
  const liste = join(temp, "six.lst");
  const exo = join(temp, "six.exo");
  writeFileSync(liste, Buffer.from(SIX.map((l) => l + "\r\n").join(""), "latin1"));
  execFileSync(programme, ["--base", base, "--make-exercise", exo, "--title", "Six", liste]);
  const partielle = Buffer.from(SIX.slice(0, 5).map((l) => l + "\r\n").join(""), "latin1");
  return [readFileSync(exo).toString("base64"), partielle.toString("base64")];
}

// The teacher's series of 30, whole (draw, sheets, zip), best of 3; the
// engine's draw alone beside it.
async function Serie() {
  const f = window.strataloom;
  window.open = () => ({});
  f.enseignant.Ouvrir();
  const v = (id, x) => (document.getElementById(id).value = x);
  v("NombreExercices", "30");
  v("EvenementsParExercice", "6");
  v("Graine", "1");
  let tout = Infinity;
  let tirage = Infinity;
  for (let i = 0; i < 3; ++i) {
    let t = performance.now();
    await f.enseignant.Serie();
    tout = Math.min(tout, performance.now() - t);
    t = performance.now();
    f.session().tirerSerie({ nombre: 30, evenements: 6, graine: 1, titre: "" });
    tirage = Math.min(tirage, performance.now() - t);
  }
  document.getElementById("EspaceEnseignant").close();
  return { tout, tirage };
}

// The same series drawn by strataloom-render (its lists, pictures and
// exercise files written), wall-clock, best of 3.
function SerieNative() {
  let meilleur = Infinity;
  for (let i = 0; i < 3; ++i) {
    const dossier = join(temp, `serie-${i}`);
    const debut = process.hrtime.bigint();
    execFileSync(programme, ["--base", base, "--exercise", "30", "--events", "6", "--seed", "1", "--out-dir", dossier],
      { stdio: "ignore" });
    meilleur = Math.min(meilleur, Number(process.hrtime.bigint() - debut) / 1e6);
  }
  return meilleur;
}

// A class of 35 files graded against an exercise, from the files given to
// the table shown; best of 3.
async function Classe(exo, listes) {
  const octets = (b64) => Uint8Array.from(atob(b64), (c) => c.charCodeAt(0));
  const e = window.strataloom.enseignant;
  await e.Recevoir([new File([octets(exo)], "bench.exo")], true);
  const fichiers = listes.map((l, i) => new File([octets(l)], `eleve-${String(i).padStart(2, "0")}.lst`));
  let meilleur = Infinity;
  for (let i = 0; i < 3; ++i) {
    const t = performance.now();
    await e.Recevoir(fichiers, false);
    meilleur = Math.min(meilleur, performance.now() - t);
  }
  if (e.classe().lignes.length !== listes.length) throw new Error("classe incomplète");
  return meilleur;
}

// The walk made an exercise by strataloom-render --make-exercise: the
// longest answers the engine replays (300 events) are the walk itself.
function ExerciceDeLaMarche(liste) {
  const cle = join(temp, "marche-cle.lst");
  const exo = join(temp, "marche.exo");
  writeFileSync(cle, Buffer.from(liste, "base64"));
  execFileSync(programme, ["--base", base, "--make-exercise", exo, "--title", "Marche", cle], { stdio: "ignore" });
  return readFileSync(exo).toString("base64");
}

// 35 pupils' lists: the six events' list with one line left out or doubled.
function ListesDeClasse() {
  const listes = [];
  for (let i = 0; i < 35; ++i) {
    const l = [...SIX];
    const k = 1 + (i % (SIX.length - 1));
    if (i % 2) l.splice(k, 1);
    else l.splice(k, 0, SIX[k]);
    listes.push(Buffer.from(l.map((x) => x + "\r\n").join(""), "latin1").toString("base64"));
  }
  return listes;
}

const url = pathToFileURL(page).href;
const nav = await Navigateur.Lancer({ largeur: 1280, hauteur: 800 });
let r;
try {
  await nav.delais(600000);
  // Opening: a fresh load each time, until the first section is drawn
  // into the canvas, and until the next frame.
  const ouvertures = [];
  const images = [];
  for (let i = 0; i < 7; ++i) {
    await nav.ouvrir("about:blank");
    await nav.ouvrir(url);
    const m = await nav.executerAsync(async () => {
      await window.strataloom.pret;
      await new Promise((r) => requestAnimationFrame(() => setTimeout(r, 0)));
      const t = (n) => performance.getEntriesByName(n)[0].startTime;
      return [t("strataloom-premier-dessin"), t("strataloom-premiere-image")];
    });
    ouvertures.push(m[0]);
    images.push(m[1]);
  }
  await nav.executer(() => {
    for (const d of document.querySelectorAll("dialog[open]")) d.close();
  });
  let clic = Infinity;
  let moteur = Infinity;
  let liste = null;
  for (let i = 0; i < 3; ++i) {
    const m = await nav.executer(Marcher, nombre, graine);
    clic = Math.min(clic, m.clic);
    moteur = Math.min(moteur, m.moteur);
    if (liste !== null && liste !== m.liste) throw new Error("la marche n'est pas la même d'une fois à l'autre");
    liste = m.liste;
  }
  const rejeu = await nav.executer(Rejouer, liste, nombre);
  const natif = Natif(Buffer.from(liste, "base64"), nombre);
  const verification = await nav.executerAsync(Verifier, ...Exercice());
  const serie = await nav.executerAsync(Serie);
  const classe = await nav.executerAsync(Classe, Exercice()[0], ListesDeClasse());
  const classeLongue = await nav.executerAsync(Classe, ExerciceDeLaMarche(liste), new Array(35).fill(liste));
  serie.natif = SerieNative();
  r = { serie, classe, classeLongue, verification, clic, moteur, rejeu, natif, ouverture: mediane(ouvertures), image: mediane(images), taille: statSync(page).size };
} finally {
  await nav.fermer();
  rmSync(temp, { recursive: true, force: true });
}

const ms = (v) => (v.toFixed(3).replace(".", ",") + " ms").padStart(9);
const fois = (v) => (v / r.natif).toFixed(2).replace(".", ",") + " × le natif";
const ligne = (nom, v, rapport = true) => console.log(`  ${nom.padEnd(63)}${ms(v)}${rapport ? "   " + fois(v) : ""}`);
console.log(`Événements : une marche de ${nombre} événements pris parmi les commandes actives (graine ${graine}), par événement :`);
ligne("rejeu natif, strataloom-render", r.natif, false);
ligne("rejeu dans la page, moteur WebAssembly", r.rejeu);
ligne("événement du moteur au clic (copie pour Annuler, vue, règles)", r.moteur);
ligne("clic entier (le même, plus dessin, liste, boutons, stockage)", r.clic);
console.log(`Ouverture du fichier → première coupe dessinée : ${Math.round(r.ouverture)} ms ` +
  `(image suivante : ${Math.round(r.image)} ms), médiane de 7 ouvertures`);
console.log(`« Vérifier ma coupe », exercice de six événements, coupe de quatre : moteur ` +
  `${ms(r.verification.moteur).trim()}, commande entière ${ms(r.verification.commande).trim()} (meilleur de 9)`);
console.log(`Espace enseignant : série de 30 exercices de 6 événements (tirage, fiches, zip) ` +
  `${Math.round(r.serie.tout)} ms, dont le tirage du moteur ${Math.round(r.serie.tirage)} ms ` +
  `(strataloom-render --exercise, même graine : ${Math.round(r.serie.natif)} ms) ; ` +
  `classe de 35 copies notées ${Math.round(r.classe)} ms (meilleur de 3)`);
console.log(`Classe de 35 copies de ${nombre} événements (la marche, la plus longue réponse rejouée quand N = 300), ` +
  `notées contre l'exercice de la marche : ${Math.round(r.classeLongue)} ms, ` +
  `${Math.round(r.classeLongue / 35)} ms par copie (meilleur de 3)`);
console.log(`Taille du fichier : ${(r.taille / 1e6).toFixed(2).replace(".", ",")} Mo (${r.taille} octets)`);
