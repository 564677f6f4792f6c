// SPDX-License-Identifier: GPL-3.0-or-later
// What the browser tests share: a tiny test harness, the desktop's answer
// for a list (strataloom-render's picture and state report), and the
// page's state as the pupil sees it (canvas pixels, enabled commands,
// list, undo, help marks).
import { execFileSync } from "node:child_process";
import { mkdtempSync, readFileSync, writeFileSync, readdirSync, rmSync, existsSync, statSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { RgbaDeBmp, PremierEcart } from "./images.mjs";

// --- Harness ---

const tests = [];
export function test(nom, corps) {
  tests.push({ nom, corps });
}

export class Echec extends Error {}

export function verifier(condition, message) {
  if (!condition) throw new Echec(message);
}

// JSON with the keys of every object in order, so that two objects with
// the same entries compare equal.
function Canonique(v) {
  return JSON.stringify(v, (k, x) =>
    x && typeof x === "object" && !Array.isArray(x) && !Buffer.isBuffer(x)
      ? Object.fromEntries(Object.keys(x).sort().map((c) => [c, x[c]]))
      : x,
  );
}

export function egal(obtenu, attendu, message) {
  const a = Canonique(obtenu);
  const b = Canonique(attendu);
  if (a !== b) throw new Echec(`${message} : obtenu ${a}, attendu ${b}`);
}

// Runs the tests whose names contain `filtre` (all when empty); prints one
// line per test and the closing count. Returns the number of failures.
// `avant` runs before each test (to close what a failed test left open).
export async function lancer(filtre, avant) {
  let reussis = 0;
  let rates = 0;
  for (const t of tests) {
    // Several words separated by "|": the tests that hold any of them.
    if (filtre && !filtre.split("|").some((f) => t.nom.includes(f))) continue;
    const debut = Date.now();
    try {
      if (avant) await avant();
      await t.corps();
      ++reussis;
      console.log(`ok      ${t.nom} (${((Date.now() - debut) / 1000).toFixed(1)} s)`);
    } catch (e) {
      ++rates;
      console.log(`ÉCHEC   ${t.nom} : ${e instanceof Echec ? e.message : e.stack || e}`);
    }
  }
  console.log(`${reussis} passed, ${rates} failed`);
  return rates;
}

// --- Seeded random numbers (mulberry32) ---

export function Aleatoire(graine) {
  let a = graine >>> 0;
  const suivant = () => {
    a = (a + 0x6d2b79f5) >>> 0;
    let t = a;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
  return { suivant, entier: (n) => Math.floor(suivant() * n) };
}

// --- The desktop's answer ---

export class Rendu {
  constructor(programme, base) {
    this.programme = programme;
    this.base = base;
    this.dossier = mkdtempSync(join(tmpdir(), "strataloom-rendu-"));
    this.cache = new Map();
  }

  // The view and the state report strataloom-render gives for the list
  // file `octets` (Windows-1252, CR LF).
  pour(octets) {
    const cle = Buffer.from(octets).toString("latin1");
    if (this.cache.has(cle)) return this.cache.get(cle);
    const liste = join(this.dossier, "liste.lst");
    const image = join(this.dossier, "vue.bmp");
    const etat = join(this.dossier, "etat.json");
    writeFileSync(liste, octets);
    rmSync(image, { force: true });
    rmSync(etat, { force: true });
    execFileSync(this.programme, ["--base", this.base, liste, "-o", image, "--state", etat], {
      stdio: ["ignore", "ignore", "pipe"],
    });
    const bmp = readFileSync(image);
    const r = { bmp, vue: RgbaDeBmp(bmp), etat: JSON.parse(readFileSync(etat, "utf8")) };
    this.cache.set(cle, r);
    return r;
  }

  fermer() {
    rmSync(this.dossier, { recursive: true, force: true });
  }
}

// --- The page ---

// Runs in the page: what the pupil sees, as plain data.
export function LireEtatPage() {
  const v = document.getElementById("Visu");
  const d = v.getContext("2d").getImageData(0, 0, v.width, v.height).data;
  let s = "";
  for (let i = 0; i < d.length; i += 32768) s += String.fromCharCode.apply(null, d.subarray(i, i + 32768));
  const etat = (sel) => {
    const r = {};
    for (const b of document.querySelectorAll(sel)) r[b.textContent] = !b.disabled;
    return r;
  };
  const liste = window.strataloom.session().texteListe();
  let l = "";
  for (let i = 0; i < liste.length; ++i) l += String.fromCharCode(liste[i]);
  return {
    largeur: v.width,
    hauteur: v.height,
    pixels: btoa(s),
    boutons: etat("#commandes button:not(.aide)"),
    menus: etat("#menu-Evnements1 button[data-tag]"),
    annuler: !document.getElementById("Annuler").disabled,
    annuler1: !document.getElementById("Annuler1").disabled,
    lignes: Array.from(document.querySelectorAll("#ListBox1 li"), (li) => li.textContent),
    rouges: Array.from(document.querySelectorAll("#commandes .aide.derniere"), (b) => b.id),
    // The "?" whose tooltip says it is the red one, last line.
    ditsRouges: Array.from(document.querySelectorAll("#commandes .aide"), (b) => b)
      .filter((b) => /\nEn rouge : l'aide du dernier événement appliqué\.$/.test(b.title)).map((b) => b.id),
    liste: btoa(l),
    visuVisible: document.getElementById("couche-modele").hidden,
    modeleVisible: !document.getElementById("couche-modele").hidden,
  };
}

export async function EtatPage(nav) {
  const e = await nav.executer(LireEtatPage);
  e.rgba = Buffer.from(e.pixels, "base64");
  e.octetsListe = Buffer.from(e.liste, "base64");
  return e;
}

// The page's view, commands and list against the renderer's for the list
// the page holds. `ou` says where, for the message.
export function ComparerAuRendu(page, rendu, ou) {
  const r = rendu.pour(page.octetsListe);
  egal([page.largeur, page.hauteur], [r.vue.largeur, r.vue.hauteur], `${ou} : taille de la vue`);
  const ecart = PremierEcart(page.rgba, r.vue.rgba, r.vue.largeur);
  if (ecart)
    throw new Echec(`${ou} : pixel (${ecart.x}, ${ecart.y}) ${ecart.page} dans la page, ${ecart.attendu} attendu`);
  egal(page.boutons, TrierComme(r.etat.commandes, page.boutons), `${ou} : boutons actifs`);
  egal(page.menus, TrierComme(r.etat.commandes, page.menus), `${ou} : menu Evénements`);
  egal(page.lignes, r.etat.lignes, `${ou} : liste affichée`);
  egal(page.annuler1, page.annuler, `${ou} : Annuler du menu et du panneau`);
  return r;
}

function TrierComme(source, modele) {
  const r = {};
  for (const k of Object.keys(modele)) r[k] = source[k];
  for (const k of Object.keys(source)) if (!(k in r)) r[k] = source[k];
  return r;
}

// --- The one-line box ---

// Answers the page's next one-line question (a file's name, the pupil's
// name, a pass mark): waits until the box is open on a question not yet
// answered here (the page numbers them), writes `valeur` when given and
// presses the box's button. Returns the question and what the page
// proposed.
export async function Saisir(nav, valeur) {
  const q = await nav.executerAsync(async () => {
    const boite = document.getElementById("boite-saisie");
    while (!boite.open || boite.dataset.question === boite.dataset.repondue)
      await new Promise((r) => requestAnimationFrame(r));
    boite.dataset.repondue = boite.dataset.question;
    return {
      question: document.getElementById("question-saisie").textContent,
      propose: document.getElementById("champ-saisie").value,
    };
  });
  if (valeur !== undefined) await nav.executer((t) => (document.getElementById("champ-saisie").value = t), valeur);
  await nav.cliquer("#ValiderSaisie");
  return q;
}

// --- Downloads ---

// The page's last download confirmation (shown a few seconds, its text kept).
export const Confirmation = (nav) => nav.executer(() => document.getElementById("Confirmation").textContent);

// Waits for the one file a download puts in `dossier` and returns its name
// and bytes, emptying the folder. Chromium writes a ".crdownload" file
// first and renames it when complete.
export async function Telecharge(dossier, limite = 60000) {
  const fin = Date.now() + limite;
  // Chromium makes the folder at its first download.
  const lister = () => (existsSync(dossier) ? readdirSync(dossier) : []);
  for (;;) {
    const noms = lister().filter((n) => !n.endsWith(".crdownload") && !n.startsWith("."));
    if (noms.length === 1 && lister().length === 1) {
      const chemin = join(dossier, noms[0]);
      const t1 = statSync(chemin).size;
      await new Promise((r) => setTimeout(r, 50));
      if (statSync(chemin).size === t1) {
        const octets = readFileSync(chemin);
        rmSync(chemin);
        return { nom: noms[0], octets };
      }
    }
    if (noms.length > 1) throw new Echec(`plusieurs téléchargements : ${noms.join(", ")}`);
    if (Date.now() > fin) throw new Echec("aucun fichier téléchargé");
    await new Promise((r) => setTimeout(r, 50));
  }
}

export function Vider(dossier) {
  if (!existsSync(dossier)) return;
  for (const n of readdirSync(dossier)) rmSync(join(dossier, n), { recursive: true, force: true });
}
