// SPDX-License-Identifier: GPL-3.0-or-later
// The browser edition in a real browser (Debian's Chromium, headless,
// through chromedriver), against the desktop's renderer:
//
//   node web/tests/navigateur.mjs --page build-web/strataloom.html
//        --rendu build/bin/strataloom-render --base build/bin/Base
//        [--graine N] [--filtre NOM]
//
// Every comparison is exact: the canvas's pixels against strataloom-render's
// picture of the same list, the enabled commands and the list against its
// state report, downloaded files against the desktop's bytes.
import { mkdtempSync, readFileSync, readdirSync, writeFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join, resolve, dirname } from "node:path";
import { pathToFileURL, fileURLToPath } from "node:url";
import { Navigateur } from "./webdriver.mjs";
import {
  test, lancer, verifier, egal, Echec, Aleatoire, Rendu, EtatPage, ComparerAuRendu, Telecharge, Vider, Saisir, Confirmation,
} from "./outils.mjs";
import { RgbaDePng, PremierEcart } from "./images.mjs";
import { TextesDuBureau } from "./textes.mjs";
import { TestsFormations, Formations, VerifierTeintes, Basculer } from "./formations.mjs";
import { TestsExercices } from "./exercices.mjs";
import { TestsScorm } from "./scorm.mjs";
import { TestsEnseignant } from "./enseignant.mjs";
import { TestsPaquetScorm } from "./scorm_paquet.mjs";
import { TestsReprise } from "./reprise.mjs";

const racine = resolve(dirname(fileURLToPath(import.meta.url)), "..", "..");
const args = process.argv.slice(2);
const option = (nom, defaut) => {
  const i = args.indexOf("--" + nom);
  return i >= 0 && i + 1 < args.length ? args[i + 1] : defaut;
};
const page = resolve(option("page", join(racine, "build-web", "strataloom.html")));
const url = pathToFileURL(page).href;
const rendu = new Rendu(resolve(option("rendu", join(racine, "build", "bin", "strataloom-render"))),
  resolve(option("base", join(racine, "build", "bin", "Base"))));
const graine = Number(option("graine", "20250101"));
const echantillons = join(racine, "data", "evenements");
const listes = readdirSync(echantillons).filter((n) => n.endsWith(".lst")).sort();
const temp = mkdtempSync(join(tmpdir(), "strataloom-web-"));
const telechargements = join(temp, "telechargements");
const AVERTISSEMENT =
  "Vous allez travailler dans le domaine sédimentaire uniquement.\n" +
  "L'histoire géologique antérieure de la région ne sera pas prise\n" +
  "en compte. L'influence des stuctures géologiques antérieures\n" +
  "sera donc négligée";

let nav = null;
let table = []; // the engine's event table, as the page has it

// A new browser (options as Navigateur.Lancer's) on the page, or on
// `options.adresse`.
async function Ouvrir(options = {}) {
  if (nav) await nav.fermer();
  Vider(telechargements);
  nav = await Navigateur.Lancer({ largeur: 1280, hauteur: 800, telechargements, ...options });
  await nav.delais(120000);
  await nav.ouvrir(options.adresse || url);
  await nav.executerAsync(() => window.strataloom.pret);
  table = await nav.executer(() => window.strataloom.moteur().evenements());
}

// The box open in the page. With `attendue`, waits for one to open;
// otherwise null when none is open once the page is idle: its last change
// written (a full storage's message comes then), no box shown or waiting
// its turn, and still none a few frames later (the clipboard's answer
// before a link's box is not the page's to wait for).
const Boite = (attendue = false) =>
  nav.executerAsync(async (attendue) => {
    const s = window.strataloom;
    const ouverte = () => document.querySelector("dialog[open]");
    const image = () => new Promise((r) => requestAnimationFrame(r));
    let d = null;
    for (let calme = 0; !(d = ouverte()); ) {
      if (s) await s.garde();
      calme = s && s.boites.Occupees() ? 0 : calme + 1;
      if (!attendue && calme > 3 && !ouverte()) return null;
      await image();
    }
    const t = d.querySelector(".texte-message");
    return {
      id: d.id,
      classe: d.className,
      titre: d.querySelector(".barre-titre").textContent,
      texte: t ? t.innerText : null,
      boutons: Array.from(d.querySelectorAll("button"), (b) => b.textContent),
    };
  }, attendue);

// Closes the start-up warning after checking it.
async function FermerAvertissement() {
  const b = await Boite();
  verifier(b && b.id === "boite-message", "l'avertissement n'est pas affiché au démarrage");
  egal(b.texte, AVERTISSEMENT, "texte de l'avertissement");
  await nav.cliquer("#boite-message button");
}

const idBouton = (tag) => table[tag - 1].bouton;
const tagDeLigne = (ligne) => {
  const e = table.find((x) => x.libelle === ligne);
  return e ? e.tag : 0;
};
const LignesDeFichier = (octets) =>
  Buffer.from(octets).toString("latin1").split("\r\n").slice(0, -1).map((l) => Buffer.from(l, "latin1"));
const Utf8 = (ligneLatin1) => new TextDecoder("windows-1252").decode(ligneLatin1);

async function ChargerParLeMenu(chemin) {
  await nav.cliquer("#Fichier1");
  await nav.cliquer("#Charger1");
  await nav.envoyerFichier("#choix-liste", chemin);
  await nav.executerAsync(() => window.strataloom.garde());
}

// --- Start-up ---

test("la page s'ouvre depuis le disque, sans réseau, avec l'avertissement", async () => {
  await Ouvrir();
  await FermerAvertissement();
  egal(await Boite(), null, "une boîte reste ouverte après OK");
  const reseau = await nav.executer(() =>
    performance.getEntriesByType("resource").map((e) => e.name).filter((n) => !/^(data|blob):/.test(n)),
  );
  egal(reseau, [], "ressources demandées par la page");
  const e = await EtatPage(nav);
  ComparerAuRendu(e, rendu, "au démarrage");
  egal(e.lignes, ["Sédimentation"], "liste au démarrage");
  egal(e.annuler, false, "Annuler au démarrage");
  egal(e.rouges, [], "« ? » en rouge au démarrage");
  egal(e.ditsRouges, e.rouges, "la bulle du « ? » rouge le dit, et elle seule");
  egal(await nav.executer(() => document.title), "STRATALOOM", "titre de la page");
});

test("les libellés de la page sont ceux du programme de bureau", async () => {
  const bureau = TextesDuBureau(join(racine, "app"));
  const page = await nav.executer(() => {
    const t = [];
    for (const el of document.querySelectorAll("button, .barre-titre, .ProductName, .Credits, [title]")) {
      const s = el.textContent.trim();
      if (s) t.push(s);
    }
    t.push(document.getElementById("ListBox1").title);
    return t;
  });
  const textes = await nav.executer(() => Object.entries(window.strataloom.textes));
  const propres = new Set(["reprise", "unEvenement", "nEvenements", "aucunEvenement", "reprendre", "nouvelleCoupe",
    "stockagePlein",
    "nomListe", "nomTexte", "nomImage",
    // What the page says once it has handed a file to the browser: the
    // desktop's save dialogs need no such line.
    "enregistreListe", "enregistreImage", "enregistreReponse", "enregistreExercice", "enregistreSerie",
    "enregistreNotes", "enregistrePaquet", "enregistrePage"]);
  // The page's own words: the file name asked before a download, the
  // exercise's link and its own page, which the desktop has no use for.
  const siens = await nav.executer(() => {
    const t = window.strataloom.moteur().textesExercice();
    return [t.nomFichier, t.copierLien, t.lienCopie, t.lienDejaCopie, t.lienLocal, t.lienTropLong, t.enregistrerPage];
  });
  const absents = [];
  for (const s of page) if (!bureau.has(s) && !["OK", "?", ...siens].includes(s)) absents.push(s);
  for (const [cle, s] of textes) if (!propres.has(cle) && !bureau.has(s.replace("%1", "%1"))) absents.push(cle + " = " + s);
  egal(absents, [], "textes de la page absents du programme de bureau");
  for (const e of table) verifier(bureau.has(e.libelle), `libellé ${e.libelle}`);
});

test("les textes de la fenêtre viennent du moteur : aucun script de la page n'en garde une copie", async () => {
  const textes = Object.values(await nav.executer(() => window.strataloom.textes));
  verifier(textes.length > 20, "textes de la fenêtre");
  const dossier = join(racine, "web", "page");
  const copies = [];
  for (const f of readdirSync(dossier).filter((n) => n.endsWith(".js"))) {
    const source = readFileSync(join(dossier, f), "utf8")
      .replace(/\/\*[\s\S]*?\*\//g, "")
      .replace(/(^|\s)\/\/.*$/gm, "$1")
      // Element ids are the desktop's object names ("Fermer"), not texts.
      .replace(/getElementById\("\w+"\)/g, "");
    const litteraux = Array.from(source.matchAll(/(["'`])((?:\\.|(?!\1)[^\\\n])*)\1/g), (m) => m[2]);
    for (const t of textes)
      for (const ligne of t.split("\r"))
        for (const l of litteraux)
          // A short text counts when a literal is that text, a longer one
          // when a literal holds it.
          if (ligne.length < 8 ? l === ligne : l.includes(ligne)) copies.push(`${f} : ${ligne}`);
  }
  egal(copies, [], "textes du moteur recopiés dans la page");
});

// --- The sample lists, clicked through ---

for (const nom of listes) {
  test(`liste d'exemple ${nom}, cliquée événement par événement`, async () => {
    await nav.cliquer("#Efface");
    const lignes = LignesDeFichier(readFileSync(join(echantillons, nom)));
    for (let i = 1; i < lignes.length; ++i) {
      const tag = tagDeLigne(Utf8(lignes[i]));
      verifier(tag > 0, `${nom} : ligne ${i} inconnue`);
      await nav.cliquer("#" + idBouton(tag));
      const e = await EtatPage(nav);
      ComparerAuRendu(e, rendu, `${nom}, après l'événement ${i}`);
      egal(e.annuler, true, `${nom}, événement ${i} : Annuler`);
      egal(e.rouges, [table[tag - 1].aide], `${nom}, événement ${i} : « ? » en rouge`);
      egal(e.ditsRouges, e.rouges, "la bulle du « ? » rouge le dit, et elle seule");
    }
    const e = await EtatPage(nav);
    egal(e.octetsListe.toString("latin1"), readFileSync(join(echantillons, nom)).toString("latin1"),
      `${nom} : liste de la page`);
  });
}

// --- Random sequences ---

for (let s = 0; s < 4; ++s) {
  const g = graine + s;
  test(`suite aléatoire, graine ${g}`, async () => {
    const hasard = Aleatoire(g);
    await nav.cliquer("#Efface");
    let dernier = 0;
    for (let pas = 0; pas < 30; ++pas) {
      const avant = await EtatPage(nav);
      const actifs = table.filter((e) => avant.boutons[e.libelle]);
      const choix = hasard.suivant();
      let quoi;
      if (avant.annuler && choix < 0.15) {
        quoi = "Annuler";
        await nav.cliquer(hasard.suivant() < 0.5 ? "#Annuler" : "#Annuler");
        dernier = 0;
      } else if (choix > 0.97) {
        quoi = "Retour début";
        await nav.cliquer("#Efface");
        dernier = 0;
      } else {
        const e = actifs[hasard.entier(actifs.length)];
        quoi = e.libelle;
        if (hasard.suivant() < 0.2) {
          await nav.cliquer("#Evnements1");
          await nav.cliquer("#" + e.menu);
          quoi += " (menu)";
        } else {
          await nav.cliquer("#" + e.bouton);
        }
        dernier = e.tag;
      }
      const apres = await EtatPage(nav);
      const ou = `graine ${g}, pas ${pas} (${quoi})`;
      ComparerAuRendu(apres, rendu, ou);
      egal(apres.rouges, dernier ? [table[dernier - 1].aide] : [], `${ou} : « ? » en rouge`);
      egal(apres.ditsRouges, apres.rouges, "la bulle du « ? » rouge le dit, et elle seule");
      if (quoi === "Annuler") {
        egal(apres.annuler, false, `${ou} : Annuler après Annuler`);
        egal(apres.lignes, avant.lignes.slice(0, -1), `${ou} : la dernière ligne part`);
      }
    }
  });
}

// --- List files through the file controls ---

test("charger chaque liste d'exemple par le sélecteur de fichier", async () => {
  for (const nom of listes) {
    await nav.cliquer("#Sedim");
    await ChargerParLeMenu(join(echantillons, nom));
    const e = await EtatPage(nav);
    ComparerAuRendu(e, rendu, `${nom} chargée`);
    egal(e.annuler, false, `${nom} chargée : Annuler`);
    egal(e.rouges, [], `${nom} chargée : « ? » en rouge`);
    egal(e.octetsListe.toString("latin1"), readFileSync(join(echantillons, nom)).toString("latin1"),
      `${nom} chargée : lignes`);
  }
});

test("sauver et exporter la liste : les octets du programme de bureau", async () => {
  await ChargerParLeMenu(join(echantillons, "granite.lst"));
  await nav.cliquer("#Plissa");
  await nav.cliquer("#Fichier1");
  await nav.cliquer("#Sauver1");
  await Saisir(nav);
  const lst = await Telecharge(telechargements);
  egal(lst.nom, "Exemple.lst", "nom proposé");
  egal(await Confirmation(nav), "Liste enregistrée : Exemple.lst", "confirmation de la liste");
  const attendu = Buffer.concat([readFileSync(join(echantillons, "granite.lst")), Buffer.from("Compression\r\n")]);
  egal(lst.octets.toString("hex"), attendu.toString("hex"), "octets de la liste sauvée");
  await nav.cliquer("#Fichier1");
  await nav.cliquer("#Exporterliste1");
  await Saisir(nav);
  const txt = await Telecharge(telechargements);
  egal(txt.nom, "Liste.txt", "nom proposé pour le texte");
  egal(txt.octets.toString("hex"), attendu.toString("hex"), "octets du texte exporté");
  // The saved file loads back to the same section.
  const chemin = join(temp, "relue.lst");
  writeFileSync(chemin, lst.octets);
  await nav.cliquer("#Efface");
  await ChargerParLeMenu(chemin);
  const e = await EtatPage(nav);
  ComparerAuRendu(e, rendu, "liste sauvée puis rechargée");
  egal(e.octetsListe.toString("hex"), attendu.toString("hex"), "liste rechargée");
});

test("après Retour début, la liste sauvée fait 15 octets", async () => {
  await nav.cliquer("#Efface");
  await nav.cliquer("#Fichier1");
  await nav.cliquer("#Sauver1");
  await Saisir(nav);
  const lst = await Telecharge(telechargements);
  egal(lst.octets.toString("hex"), Buffer.from("S\xe9dimentation\r\n", "latin1").toString("hex"), "octets");
});

test("les fins de ligne LF ou CR seules, les lignes inconnues, un nom en .txt", async () => {
  const lf = join(temp, "lf.lst");
  writeFileSync(lf, Buffer.from("S\xe9dimentation\nS\xe9dimentation\nerosion\nErosion \n\nCompression\n", "latin1"));
  await ChargerParLeMenu(lf);
  let e = await EtatPage(nav);
  ComparerAuRendu(e, rendu, "liste en LF");
  egal(e.lignes, ["Sédimentation", "Sédimentation", "erosion", "Erosion ", "", "Compression"], "lignes lues");
  const cr = join(temp, "cr.lst");
  writeFileSync(cr, Buffer.from("S\xe9dimentation\rVolcanisme\r", "latin1"));
  await ChargerParLeMenu(cr);
  e = await EtatPage(nav);
  ComparerAuRendu(e, rendu, "liste en CR");
  egal(e.lignes, ["Sédimentation", "Volcanisme"], "lignes lues en CR");
  // Another extension: nothing at all happens.
  const txt = join(temp, "liste.txt");
  writeFileSync(txt, readFileSync(join(echantillons, "granite.lst")));
  await ChargerParLeMenu(txt);
  const apres = await EtatPage(nav);
  egal(apres.octetsListe.toString("hex"), e.octetsListe.toString("hex"), "un fichier .txt ne change rien");
  egal(await Boite(), null, "aucun message pour un fichier .txt");
});

test("une liste refusée : « Chargement impossible » sur la coupe de départ", async () => {
  const longue = join(temp, "longue.lst");
  writeFileSync(longue, Buffer.from("Erosion\r\n".repeat(10001), "latin1"));
  await nav.cliquer("#Sedim");
  await ChargerParLeMenu(longue);
  const b = await Boite();
  verifier(b && b.texte === "Chargement impossible" && b.classe.includes("information"),
    `message attendu : ${JSON.stringify(b)}`);
  await nav.cliquer("#boite-message button");
  const e = await EtatPage(nav);
  ComparerAuRendu(e, rendu, "après le refus");
  egal(e.lignes, ["Sédimentation"], "liste après le refus");
});

// --- Pictures ---

test("sauver et exporter l'image : le BMP du programme de bureau", async () => {
  await ChargerParLeMenu(join(echantillons, "discordance-faillee.lst"));
  const r = rendu.pour(readFileSync(join(echantillons, "discordance-faillee.lst")));
  for (const id of ["Sauvercommemodle1", "ExporterImage1"]) {
    await nav.cliquer("#Fichier1");
    await nav.cliquer("#" + id);
    await Saisir(nav);
    const bmp = await Telecharge(telechargements);
    egal(bmp.nom, "Exemple.bmp", `${id} : nom proposé`);
    egal(await Confirmation(nav), "Image enregistrée : Exemple.bmp", `${id} : confirmation`);
    verifier(bmp.octets.equals(r.bmp), `${id} : les octets diffèrent de ceux de strataloom-render`);
  }
});

async function ChargerModele(chemin) {
  await nav.cliquer("#Fichier1");
  await nav.cliquer("#Importermodle1");
  await nav.envoyerFichier("#choix-modele", chemin);
  await nav.executerAsync(() => window.strataloom.garde());
}

const ModelePixels = () =>
  nav.executer(() => {
    const m = document.getElementById("Modele");
    const d = m.getContext("2d").getImageData(0, 0, m.width, m.height).data;
    let s = "";
    for (let i = 0; i < d.length; i += 32768) s += String.fromCharCode.apply(null, d.subarray(i, i + 32768));
    return { largeur: m.width, hauteur: m.height, pixels: btoa(s) };
  });

test("comparer au modèle en appuyant : souris, doigt et stylet", async () => {
  await nav.cliquer("#Efface");
  // Before any model, a press shows nothing.
  let pendant = await nav.appuyer("#zone-vue", "mouse", 0, () => EtatPage(nav));
  egal([pendant.visuVisible, pendant.modeleVisible], [true, false], "appui sans modèle");
  egal(await nav.executer(() => document.getElementById("zone-vue").title), "", "info-bulle sans modèle");

  const modele = join(temp, "modele.bmp");
  writeFileSync(modele, rendu.pour(readFileSync(join(echantillons, "volcan.lst"))).bmp);
  await ChargerModele(modele);
  egal(await Boite(), null, "message après un modèle valable");
  egal(await nav.executer(() => document.getElementById("zone-vue").title), "Clic pour afficher le modèle...",
    "info-bulle de la vue");
  const m = await ModelePixels();
  const attendu = rendu.pour(readFileSync(join(echantillons, "volcan.lst"))).vue;
  egal([m.largeur, m.hauteur], [attendu.largeur, attendu.hauteur], "taille du modèle");
  verifier(!PremierEcart(Buffer.from(m.pixels, "base64"), attendu.rgba, attendu.largeur), "pixels du modèle");

  for (const type of ["mouse", "touch", "pen"]) {
    pendant = await nav.appuyer("#zone-vue", type, 0, () => EtatPage(nav));
    egal([pendant.visuVisible, pendant.modeleVisible], [false, true], `${type} : pendant l'appui`);
    const apres = await EtatPage(nav);
    egal([apres.visuVisible, apres.modeleVisible], [true, false], `${type} : après le relâchement`);
  }
  pendant = await nav.appuyer("#zone-vue", "mouse", 2, () => EtatPage(nav));
  egal([pendant.visuVisible, pendant.modeleVisible], [true, false], "bouton droit");
  // "Retour début" keeps the model.
  await nav.cliquer("#Efface");
  pendant = await nav.appuyer("#zone-vue", "touch", 0, () => EtatPage(nav));
  egal(pendant.modeleVisible, true, "modèle gardé après Retour début");
  // From the keyboard: Space held on the view.
  await nav.executer(() => document.getElementById("zone-vue").focus());
  await nav.actions([{ type: "key", id: "k", actions: [{ type: "keyDown", value: " " }] }], false);
  egal((await EtatPage(nav)).modeleVisible, true, "Espace enfoncé sur la vue");
  await nav.actions([{ type: "key", id: "k", actions: [{ type: "keyUp", value: " " }] }]);
  egal((await EtatPage(nav)).modeleVisible, false, "Espace relâché");
});

test("un modèle qui n'est pas un BMP : « Impossible de charger le fichier »", async () => {
  const faux = join(temp, "faux.bmp");
  writeFileSync(faux, "ceci n'est pas une image");
  await ChargerModele(faux);
  const b = await Boite();
  verifier(b && b.texte === "Impossible de charger le fichier" && b.classe.includes("erreur"),
    `message attendu : ${JSON.stringify(b)}`);
  await nav.cliquer("#boite-message button");
});

// --- Undo ---

test("Annuler rend l'image exacte et ne s'enchaîne pas", async () => {
  await nav.cliquer("#Efface");
  await nav.cliquer("#Sedim");
  await nav.cliquer("#Sedim");
  const avant = await EtatPage(nav);
  await nav.cliquer("#Chevauche");
  await nav.cliquer("#Annuler");
  const apres = await EtatPage(nav);
  verifier(!PremierEcart(apres.rgba, avant.rgba, apres.largeur), "l'image n'est pas celle d'avant");
  egal(apres.annuler, false, "Annuler grisé après Annuler");
  egal(apres.rouges, [], "« ? » tous noirs après Annuler");
  egal(apres.ditsRouges, apres.rouges, "la bulle du « ? » rouge le dit, et elle seule");
  ComparerAuRendu(apres, rendu, "après Annuler");
});

test("la session prend le genre d'événement du moteur, celui que donne chaque ligne de sa table", async () => {
  await nav.cliquer("#Efface");
  const r = await nav.executer(() => {
    const m = window.strataloom.moteur();
    const s = window.strataloom.session();
    const lignes = m.evenements();
    const genres = lignes.map((e) => ({ tag: e.tag, valeur: e.evenement.value, memeObjet: e.evenement === m.Evenement.values[e.tag] }));
    s.appliquer(m.Evenement.Sedimentation);
    const apresSedimentation = s.lignes();
    s.appliquer(m.Evenement.Compression);
    const apresCompression = s.lignes();
    const erosion = lignes.find((e) => e.evenement === m.Evenement.Erosion);
    return {
      genres,
      apresSedimentation,
      apresCompression,
      distension: s.disponible(m.Evenement.Distension),
      bulleErosion: s.bulles(m.Evenement.Erosion, false).commande,
      descriptionErosion: erosion.description,
      libelleErosion: erosion.libelle,
    };
  });
  egal(r.genres.length, 7, "sept genres d'événement");
  for (const g of r.genres) {
    egal(g.valeur, g.tag, `le genre de la ligne ${g.tag} a la valeur de son numéro`);
    verifier(g.memeObjet, `la ligne ${g.tag} donne le genre que le moteur nomme`);
  }
  egal(r.apresSedimentation, ["Sédimentation", "Sédimentation"], "une sédimentation appliquée par son genre");
  egal(r.apresCompression, ["Sédimentation", "Sédimentation", "Compression"], "une compression appliquée par son genre");
  egal(r.libelleErosion, "Erosion", "la ligne du genre Erosion");
  verifier(r.distension, "Distension disponible");
  verifier(r.bulleErosion.startsWith(r.descriptionErosion), `bulle d'Erosion : ${r.bulleErosion}`);
  await nav.cliquer("#Efface");
});

test("les bulles des commandes disent ce qu'elles font et pourquoi elles sont grisées", async () => {
  const bureau = TextesDuBureau(join(racine, "app"));
  await nav.cliquer("#Efface");
  await nav.cliquer("#Plissa");
  await nav.cliquer("#Casse");
  const bulles = await nav.executer(() =>
    Array.from(document.querySelectorAll("#commandes button:not(.aide)"), (b) => ({
      id: b.id, actif: !b.disabled, bulle: b.title,
      aide: b.nextElementSibling ? b.nextElementSibling.title : "",
    })));
  egal(bulles.length, 7, "sept commandes");
  for (const b of bulles) {
    const [quoi, pourquoi] = b.bulle.split("\n");
    const e = table.find((x) => x.bouton === b.id);
    egal(quoi, e.description, `${b.id} : ce que fait l'événement`);
    verifier(bureau.has(e.description), `${b.id} : description absente du moteur`);
    verifier(b.aide.startsWith(`Ouvre l'aide de « ${e.libelle} »`), `${b.id} : bulle du « ? » ${b.aide}`);
    if (b.actif) {
      egal(pourquoi, undefined, `${b.id} actif sans raison`);
      continue;
    }
    const m = /^Impossible pour l'instant : (.*)\.$/.exec(pourquoi || "");
    verifier(m && bureau.has(m[1]), `${b.id} : raison « ${pourquoi} » absente du moteur`);
    verifier(b.aide.endsWith(`« ${e.libelle} » est impossible pour l'instant : ${m[1]}.`), `${b.id} : « ? » ${b.aide}`);
  }
  const par = Object.fromEntries(bulles.map((b) => [b.id, b]));
  verifier(par.Coulee.bulle.includes("Strataloom ne sait poser une coulée que sur une surface plane"), "Volcanisme sur une surface plissée");
  verifier(par.Plissa.bulle.includes("une distension figure dans la liste"), "Compression après une distension");
  verifier(par.Casse.actif, "Distension toujours possible");
  await nav.cliquer("#Efface");
});

// --- Keyboard ---

test("au clavier : chaque commande par Tab et Entrée, focus visible", async () => {
  await nav.cliquer("#Efface");
  await nav.executer(() => document.activeElement && document.activeElement.blur());
  const vus = [];
  for (let i = 0; i < 40; ++i) {
    await nav.touches("\uE004");
    vus.push(await nav.executer(() => {
      const a = document.activeElement;
      const s = getComputedStyle(a);
      return { id: a.id, page: a !== document.body, contour: s.outlineStyle !== "none" && parseFloat(s.outlineWidth) >= 2 };
    }));
  }
  vus.splice(0, vus.length, ...vus.filter((v) => v.page));
  const ids = new Set(vus.map((v) => v.id));
  for (const id of ["Fichier1", "Evnements1", "Interrogation1", ...table.map((e) => e.bouton),
    ...table.map((e) => e.aide), "ListBox1", "Efface"])
    verifier(ids.has(id), `${id} n'est pas atteint par Tab`);
  for (const v of vus) verifier(v.contour, `pas de contour de focus visible sur ${v.id}`);
  // Enter on a focused command runs it.
  await nav.executer(() => document.getElementById("Sedim").focus());
  await nav.touches("\uE007");
  let e = await EtatPage(nav);
  egal(e.lignes, ["Sédimentation", "Sédimentation"], "Entrée sur Sédimentation");
  ComparerAuRendu(e, rendu, "Entrée sur Sédimentation");
  // A menu from the keyboard: Enter opens it, the arrows walk, Enter chooses.
  await nav.executer(() => document.getElementById("Evnements1").focus());
  await nav.touches("\uE007");
  egal(await nav.executer(() => document.activeElement.id), "Sdimentation1", "premier article du menu");
  verifier(await nav.executer(() => !document.getElementById("Erosion1").disabled), "Erosion grisée");
  for (let i = 0; i < 8 && (await nav.executer(() => document.activeElement.id)) !== "Erosion1"; ++i)
    await nav.touches("\uE015");
  egal(await nav.executer(() => document.activeElement.id), "Erosion1", "flèche vers le bas jusqu'à Erosion");
  await nav.touches("\uE007");
  e = await EtatPage(nav);
  egal(e.lignes, ["Sédimentation", "Sédimentation", "Erosion"], "Erosion choisie au clavier");
  ComparerAuRendu(e, rendu, "Erosion au clavier");
  egal(await nav.executer(() => document.activeElement.id), "Evnements1", "le focus revient au titre du menu");
  // A command disabled under the focus hands the focus on.
  await nav.executer(() => document.getElementById("Sedim").focus());
  for (let i = 0; i < 30 && (await nav.executer(() => !document.getElementById("Sedim").disabled)); ++i)
    await nav.touches("\uE007");
  egal(await nav.executer(() => document.getElementById("Sedim").disabled), true, "Sédimentation finit grisée");
  const focus = await nav.executer(() => {
    const a = document.activeElement;
    return a.tagName === "BUTTON" && !a.disabled ? a.id : null;
  });
  egal(focus, "Annuler", "le focus passe d'une commande grisée à Annuler");
});

// --- Help, warning, about box, sounds ---

const AideAffichee = () =>
  nav.executer(() => {
    const f = document.getElementById("FenetreAide");
    const nav = document.getElementById("Navigateur");
    const a = window.strataloom.aide.actuelle();
    const racine = nav.shadowRoot || nav;
    const cible = a && racine.getElementById(a);
    return {
      ouverte: f.open,
      ancre: a,
      ecart: cible ? Math.round(cible.getBoundingClientRect().top - nav.getBoundingClientRect().top) : null,
      auBout: nav.scrollTop >= nav.scrollHeight - nav.clientHeight - 1,
      titre: cible ? cible.textContent : null,
      message: document.getElementById("Message").hidden ? "" : document.getElementById("Message").textContent,
    };
  });

// The help's pictures decoded and drawn, out of those it holds; and how
// many the help file beside the program holds.
const ImagesDuFichier = (nom) =>
  (readFileSync(join(dirname(rendu.base), nom), "latin1").match(/<img\b/g) || []).length;
const ImagesDeLAide = () =>
  nav.executerAsync(async () => {
    const n = document.getElementById("Navigateur");
    const images = [...(n.shadowRoot || n).querySelectorAll("img")];
    const vues = await Promise.all(images.map((i) => i.decode().then(() => i.naturalWidth > 0, () => false)));
    return { vues: vues.filter((v) => v).length, total: images.length };
  });

test("l'aide : F1 et « Aide » au sommaire, chaque « ? » à son sujet", async () => {
  await nav.touches("\uE031");
  let a = await AideAffichee();
  egal([a.ouverte, a.ancre, a.message], [true, "contexte-0", ""], "F1");
  const fr = ImagesDuFichier("strataloom.hlp");
  verifier(fr > 0, "le fichier d'aide sans image");
  egal(await ImagesDeLAide(), { vues: fr, total: fr }, "images de l'aide");
  verifier(a.titre.startsWith("Construire une coupe"), `titre du sommaire : ${a.titre}`);
  verifier(Math.abs(a.ecart) <= 1, `F1 : le sujet 0 n'est pas en haut (${a.ecart})`);
  await nav.cliquer("#Fermer");
  await nav.cliquer("#Interrogation1");
  await nav.cliquer("#Aide1");
  a = await AideAffichee();
  egal([a.ouverte, a.ancre], [true, "contexte-0"], "menu Aide");
  await nav.cliquer("#Fermer");
  for (const e of table) {
    await nav.cliquer("#" + e.aide);
    a = await AideAffichee();
    egal([a.ouverte, a.ancre, a.message], [true, "contexte-" + e.contexte, ""], `« ? » de ${e.libelle}`);
    // The last topics cannot come higher than the end of the document.
    verifier(Math.abs(a.ecart) <= 1 || (a.ecart > 0 && a.auBout),
      `« ? » de ${e.libelle} : le sujet n'est pas en haut (${a.ecart})`);
    egal(a.titre, e.libelle, `« ? » de ${e.libelle} : titre du sujet`);
    await nav.touches("\uE00C");
    egal((await AideAffichee()).ouverte, false, "Échap ferme l'aide");
  }
});

test("« Avertissement » redonne l'avertissement ; la boîte « A propos »", async () => {
  await nav.cliquer("#Interrogation1");
  await nav.cliquer("#Avertissement1");
  let b = await Boite();
  egal([b.titre, b.texte, b.boutons], ["Strataloom", AVERTISSEMENT, ["OK"]], "avertissement");
  await nav.cliquer("#boite-message button");
  await nav.cliquer("#Interrogation1");
  await nav.cliquer("#Apropos1");
  b = await Boite();
  egal(b.id, "AboutBox", "boîte A propos");
  const contenu = await nav.executer(() => ({
    titre: document.querySelector("#AboutBox .barre-titre").textContent,
    nom: document.querySelector("#AboutBox .ProductName").textContent,
    version: document.getElementById("Version").textContent,
    credits: document.querySelector("#AboutBox .Credits").textContent,
    logo: [document.querySelector("#AboutBox .Image1").naturalWidth, document.querySelector("#AboutBox .Image1").naturalHeight],
    focus: document.activeElement.id,
    bulle: document.getElementById("ProgramIcon").title,
  }));
  const version = readFileSync(join(racine, "CMakeLists.txt"), "utf8").match(/project\(Strataloom VERSION ([0-9.]+)/)[1];
  egal(contenu, { titre: "A propos", nom: "STRATALOOM", version: "Version " + version,
    credits: "Conçu par l'équipe Strataloom", logo: [171, 59], focus: "OKButton", bulle: "" }, "A propos");
  await nav.cliquer("#ProgramIcon");
  egal(await nav.executer(() => document.getElementById("ProgramIcon").title), "Hello !", "bulle après un clic");
  await nav.cliquer("#OKButton");
  egal(await Boite(), null, "OK ferme la boîte");
  await nav.cliquer("#Interrogation1");
  await nav.cliquer("#Apropos1");
  egal(await nav.executer(() => document.getElementById("ProgramIcon").title), "Hello !", "bulle gardée");
  await nav.touches("\uE00C");
});

test("les sons : muets au départ, Ctrl+Alt+Maj+S exactement les allume et les éteint", async () => {
  const muet = () => nav.executer(() => window.strataloom.son.silencieux());
  egal(await muet(), true, "muet au départ");
  await nav.touches(["\uE009", "\uE00A", "s"]);
  egal(await muet(), true, "Ctrl+Alt+S sans Maj");
  await nav.touches(["\uE009", "\uE008", "S"]);
  egal(await muet(), true, "Ctrl+Maj+S");
  await nav.touches(["\uE00A", "\uE008", "S"]);
  egal(await muet(), true, "Alt+Maj+S");
  await nav.touches(["\uE009", "\uE00A", "\uE008", "S"]);
  egal(await muet(), false, "Ctrl+Alt+Maj+S");
  // The sounds decode in the background; then an event plays its own.
  await nav.executerAsync(() => window.strataloom.son.prets());
  await nav.cliquer("#Efface");
  await nav.cliquer("#Sedim");
  egal(await nav.executer(() => window.strataloom.son.dernier()), "Sedime.Wav", "son de la sédimentation");
  await nav.cliquer("#Plissa");
  egal(await nav.executer(() => window.strataloom.son.dernier()), "Plisse.Wav", "son de la compression");
  await nav.touches(["\uE009", "\uE00A", "\uE008", "S"]);
  egal(await muet(), true, "second accord");
  await nav.cliquer("#Sedim");
  egal(await nav.executer(() => window.strataloom.son.joue()), null, "le son précédent est coupé, rien ne joue");
  egal(await nav.executer(() => window.strataloom.son.dernier()), "Plisse.Wav", "aucun son lancé en silence");
});

// --- The work kept by the browser ---

test("la liste survit à la fermeture de l'onglet et se propose au retour", async () => {
  await nav.cliquer("#Efface");
  for (const id of ["Sedim", "Sedim", "Plissa", "Nivele"]) await nav.cliquer("#" + id);
  const avant = await EtatPage(nav);
  await nav.ouvrir("about:blank");
  await nav.ouvrir(url);
  await nav.executerAsync(() => window.strataloom.pret);
  await FermerAvertissement();
  let b = await Boite();
  verifier(b && b.texte.includes("4 événements") && b.boutons.join() === "Reprendre,Nouvelle coupe",
    `offre de reprise attendue : ${JSON.stringify(b)}`);
  await nav.cliquer("#boite-message button[value=reprendre]");
  // A box's answer reaches the page after the click: the start-up is over
  // once it has been acted on.
  await nav.executerAsync(() => window.strataloom.repris);
  const repris = await EtatPage(nav);
  egal(repris.octetsListe.toString("hex"), avant.octetsListe.toString("hex"), "liste reprise");
  ComparerAuRendu(repris, rendu, "coupe reprise");
  egal(repris.annuler, false, "Annuler après la reprise");
  // Declined, the kept list is gone.
  await nav.ouvrir(url);
  await nav.executerAsync(() => window.strataloom.pret);
  await FermerAvertissement();
  b = await Boite();
  verifier(b && b.boutons.join() === "Reprendre,Nouvelle coupe", `seconde offre attendue : ${JSON.stringify(b)}`);
  await nav.cliquer("#boite-message button[value=nouvelle]");
  await nav.executerAsync(() => window.strataloom.repris);
  egal((await EtatPage(nav)).lignes, ["Sédimentation"], "nouvelle coupe");
  await nav.ouvrir(url);
  await nav.executerAsync(() => window.strataloom.pret);
  await FermerAvertissement();
  egal(await Boite(), null, "plus rien à reprendre");
});

test("un stockage plein : l'élève est prévenu une fois, aucune liste plus ancienne ne revient", async () => {
  await nav.cliquer("#Efface");
  await nav.cliquer("#Sedim");
  await nav.executerAsync(() => window.strataloom.garde());
  // From now on the browser refuses every write, as a full storage does.
  await nav.executer(() => {
    Storage.prototype.setItem = function () {
      throw new DOMException("plein", "QuotaExceededError");
    };
  });
  await nav.cliquer("#Sedim");
  const b = await Boite();
  verifier(b && b.texte.includes("n'a plus de place pour garder ta coupe"), `avertissement attendu : ${JSON.stringify(b)}`);
  await nav.cliquer("dialog[open] button");
  await nav.cliquer("#Plissa");
  egal(await Boite(), null, "prévenu une seule fois");
  // The list kept before the storage filled up is older than the one on screen: it never comes back.
  await nav.ouvrir(url);
  await nav.executerAsync(() => window.strataloom.pret);
  await FermerAvertissement();
  egal(await Boite(), null, "aucune liste plus ancienne proposée");
  await nav.executerAsync(() => window.strataloom.repris);
});

test("un modèle chargé revient quand l'onglet se recharge", async () => {
  const modele = join(temp, "modele-onglet.bmp");
  writeFileSync(modele, rendu.pour(readFileSync(join(echantillons, "granite.lst"))).bmp);
  await ChargerModele(modele);
  await nav.ouvrir(url);
  await nav.executerAsync(() => window.strataloom.pret);
  await FermerAvertissement();
  const offre = await Boite();
  if (offre) await nav.cliquer("#boite-message button[value=nouvelle]");
  await nav.executerAsync(() => window.strataloom.repris);
  const pendant = await nav.appuyer("#zone-vue", "mouse", 0, () => EtatPage(nav));
  egal(pendant.modeleVisible, true, "modèle après rechargement");
  const m = await ModelePixels();
  const attendu = rendu.pour(readFileSync(join(echantillons, "granite.lst"))).vue;
  verifier(!PremierEcart(Buffer.from(m.pixels, "base64"), attendu.rgba, attendu.largeur), "pixels du modèle repris");
});

test("des textures illisibles : « Un ou plusieurs fichiers d'images sont absents », tout grisé", async () => {
  const html = readFileSync(page, "utf8");
  const abime = html.replace(/"Coulee0\.bmp":"[^"]*"/, '"Coulee0.bmp":"H4sIAAAAAAAAA8vIBABBW5WmAwAAAA=="');
  verifier(abime !== html, "texture Coulee0.bmp introuvable dans la page");
  const chemin = join(temp, "abimee.html");
  writeFileSync(chemin, abime);
  await nav.ouvrir(pathToFileURL(chemin).href);
  await nav.executerAsync(() => window.strataloom.pret);
  const b = await Boite();
  verifier(b && b.texte === "Un ou plusieurs fichiers d'images sont absents" && b.classe.includes("erreur"),
    `message attendu : ${JSON.stringify(b)}`);
  await nav.cliquer("#boite-message button");
  const etat = await nav.executer(() => ({
    commandes: Array.from(document.querySelectorAll("#commandes button:not(.aide), #menu-Evnements1 [data-tag]"),
      (x) => x.disabled),
    annuler: document.getElementById("Annuler").disabled,
  }));
  verifier(etat.commandes.length === 14 && etat.commandes.every((d) => d), "une commande reste active");
  egal(etat.annuler, true, "Annuler grisé");
  // Back to the real page for the tests after this one.
  await nav.ouvrir(url);
  await nav.executerAsync(() => window.strataloom.pret);
  await FermerAvertissement();
});

// --- The formations' letters, tints and legend ---

TestsFormations({ nav: () => nav, rendu, echantillons, telechargements, ChargerParLeMenu });

// --- The exercise menu ---

TestsExercices({
  nav: () => nav, echantillons, telechargements, temp, url, ChargerParLeMenu, Ouvrir, FermerAvertissement, Boite,
  programme: rendu.programme, base: rendu.base,
});
TestsReprise({
  nav: () => nav, echantillons, telechargements, temp, url, Ouvrir, FermerAvertissement, Boite,
  programme: rendu.programme, base: rendu.base,
});
TestsScorm({
  nav: () => nav, echantillons, temp, url, page, racine, ChargerParLeMenu, Ouvrir, FermerAvertissement, Boite,
  programme: rendu.programme, base: rendu.base,
});

// --- The teacher's space ---

TestsEnseignant({
  nav: () => nav, echantillons, telechargements, temp, url, page, ChargerParLeMenu, Ouvrir, FermerAvertissement, Boite,
  programme: rendu.programme, base: rendu.base,
});

// --- The exercise as a package for a course platform ---

TestsPaquetScorm({
  nav: () => nav, echantillons, telechargements, temp, page, Ouvrir, FermerAvertissement, Boite,
  programme: rendu.programme, base: rendu.base,
});

// --- Drawn sharp, at whole device pixels ---

async function VerifierNettete(echelle) {
  await Ouvrir({ echelle });
  await FermerAvertissement();
  await ChargerParLeMenu(join(echantillons, "plis-erodes.lst"));
  const e = await EtatPage(nav);
  const place = await nav.executer(() => {
    const r = document.getElementById("Visu").getBoundingClientRect();
    return { x: r.x, y: r.y, l: r.width, h: r.height, dpr: window.devicePixelRatio, k: window.strataloom.vue.facteur() };
  });
  egal(place.dpr, echelle, "devicePixelRatio");
  const k = place.k;
  verifier(Number.isInteger(k) && k >= 1, `facteur ${k}`);
  const capture = RgbaDePng(await nav.capture());
  const x0 = Math.round(place.x * echelle);
  const y0 = Math.round(place.y * echelle);
  egal([Math.round(place.l * echelle), Math.round(place.h * echelle)], [e.largeur * k, e.hauteur * k],
    `taille à l'écran (échelle ${echelle})`);
  for (let y = 0; y < e.hauteur * k; ++y) {
    for (let x = 0; x < e.largeur * k; ++x) {
      const o = ((y0 + y) * capture.largeur + x0 + x) * 4;
      const s = (Math.floor(y / k) * e.largeur + Math.floor(x / k)) * 4;
      for (let c = 0; c < 3; ++c)
        if (capture.rgba[o + c] !== e.rgba[s + c])
          throw new Echec(`échelle ${echelle} : pixel d'écran (${x}, ${y}) ne reproduit pas le pixel ` +
            `(${Math.floor(x / k)}, ${Math.floor(y / k)}) de la coupe`);
    }
  }
  // The tints follow the view's factor: each on its view pixel's k x k square.
  await Basculer(nav, "Teintes1", true);
  VerifierTeintes(await Formations(nav), `échelle ${echelle}`);
  await Basculer(nav, "Teintes1", false);
}

for (const echelle of [1, 1.5, 2])
  test(`la vue à l'écran : chaque pixel sur k × k pixels de l'écran, sans lissage (${echelle} pixel${echelle > 1 ? "s" : ""} d'écran par pixel CSS)`,
    () => VerifierNettete(echelle));

// --- In English ---

test("la page en anglais quand le navigateur préfère l'anglais : menus et messages du programme anglais", async () => {
  await Ouvrir({ langues: "en-US,en" });
  const b = await Boite();
  verifier(b && b.texte.startsWith("You are going to work in the sedimentary domain only."),
    `avertissement en anglais attendu : ${JSON.stringify(b)}`);
  await nav.cliquer("#boite-message button");
  const menus = await nav.executer(() => ({
    langue: document.documentElement.lang,
    titres: Array.from(document.querySelectorAll("#menus .titre-menu"), (t) => [t.id, t.textContent, t.dataset.touche]),
    fichier: Array.from(document.querySelectorAll("#menu-Fichier1 button"), (a) => [a.id, a.textContent]),
    panneau: [document.getElementById("Annuler").textContent, document.getElementById("Efface").textContent,
      document.getElementById("Sedim").textContent, document.getElementById("Sdimentation1").textContent],
  }));
  egal(menus.langue, "en", "langue du document");
  egal(menus.titres, [["Fichier1", "File", "f"], ["Evnements1", "Events", undefined], ["Affichage1", "View", undefined],
    ["Exercice1", "Exercise", undefined], ["Interrogation1", "?", undefined]], "titres des menus en anglais");
  egal(menus.fichier.map(([id]) => id), ["Importermodle1", "Sauvercommemodle1", "ExporterImage1", "Charger1", "Sauver1",
    "Exporterliste1"], "articles du menu Fichier");
  egal(menus.fichier[3][1], "Load an event list", "« Charger une liste d'événements » en anglais");
  egal(menus.panneau, ["Undo", "Back to start", "Sedimentation", "Sedimentation"], "boutons du panneau en anglais");
  // The help in English, at the topic of a « ? », with its pictures.
  await nav.cliquer("#" + table[0].aide);
  const a = await AideAffichee();
  egal([a.ouverte, a.ancre, a.titre], [true, "contexte-" + table[0].contexte, "Sedimentation"], "l'aide en anglais");
  const en = ImagesDuFichier("strataloom_en.hlp");
  egal(await ImagesDeLAide(), { vues: en, total: en }, "images de l'aide en anglais");
  await nav.fermer();
  nav = null;
});

// A test that failed half-way may leave a box or a menu open.
async function Ranger() {
  if (!nav) {
    await Ouvrir();
    await FermerAvertissement();
  }
  await nav.executer(() => {
    for (const d of document.querySelectorAll("dialog[open]")) d.close();
    for (const m of document.querySelectorAll(".deroulant")) m.hidden = true;
    for (const t of document.querySelectorAll(".titre-menu")) t.setAttribute("aria-expanded", "false");
    document.getElementById("Legende").hidden = true;
  });
}

const echecs = await lancer(option("filtre", ""), Ranger);
if (nav) await nav.fermer();
rendu.fermer();
rmSync(temp, { recursive: true, force: true });
process.exit(echecs ? 1 : 0);
