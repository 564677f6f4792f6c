// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's space in the browser, against strataloom-render: an
// exercise made in the page is --make-exercise's file, a series' zip holds
// --exercise's files for the same seed with every sheet in its printable
// page, a class graded in the page gives --grade's CSV byte for byte, and
// the English page speaks English. Registered by navigateur.mjs; `c` as
// for exercices.mjs.
import { execFileSync, spawnSync } from "node:child_process";
import { mkdirSync, readFileSync, readdirSync, writeFileSync } from "node:fs";
import { createRequire } from "node:module";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";
import { test, verifier, egal, Telecharge, Saisir as SaisirDans } from "./outils.mjs";

const { unzipSync, strFromU8 } = createRequire(import.meta.url)(
  join(dirname(fileURLToPath(import.meta.url)), "..", "node_modules", "fflate"),
);

const Liste = (lignes) => Buffer.from(lignes.map((l) => l + "\r\n").join(""), "latin1");

export function TestsEnseignant(c) {
  const nav = () => c.nav();
  const rendu = (...args) =>
    execFileSync(c.programme, ["--base", c.base, ...args], { stdio: ["ignore", "pipe", "pipe"] });
  const modele = join(c.echantillons, "discordance-faillee.lst");

  const Saisir = (texte) => SaisirDans(nav(), texte);
  async function LireEtFermer() {
    const b = await c.Boite();
    verifier(b, "aucune boîte affichée");
    await nav().cliquer(`#${b.id} button`);
    return b;
  }
  async function OuvrirEspace() {
    await nav().cliquer("#Exercice1");
    await nav().cliquer("#Espaceenseignant1");
  }

  test("enseignant : « Créer un exercice avec cette coupe » télécharge le fichier de --make-exercise et donne son lien", async () => {
    await c.ChargerParLeMenu(modele);
    await nav().cliquer("#Exercice1");
    await nav().cliquer("#Creerexercice1");
    await Saisir("Faille et discordance");
    await Saisir();
    const exo = await Telecharge(c.telechargements);
    egal(exo.nom, "Faille et discordance.exo", "nom proposé");
    const attendu = join(c.temp, "attendu.exo");
    rendu("--make-exercise", attendu, "--title", "Faille et discordance", modele);
    verifier(Buffer.compare(exo.octets, readFileSync(attendu)) === 0, "octets différents de --make-exercise");
    const b = await LireEtFermer();
    verifier(b.texte.includes("#exercice="), `lien absent : ${b.texte}`);
    // A section without event makes no exercise.
    await nav().cliquer("#Efface");
    await nav().cliquer("#Exercice1");
    await nav().cliquer("#Creerexercice1");
    await Saisir("Rien");
    const refus = await LireEtFermer();
    verifier(refus.texte.startsWith("Applique d'abord les événements"), `refus : ${refus.texte}`);
  });

  test("enseignant : la série téléchargée en zip a les .exo de --exercise et toutes ses fiches imprimables", async () => {
    await OuvrirEspace();
    await nav().executer(() => {
      const v = (id, x) => (document.getElementById(id).value = x);
      v("NombreExercices", "3");
      v("EvenementsParExercice", "5");
      v("Graine", "4242");
      v("TitreSerie", "Datation : 3e");
      window.open = (url) => ((window.ongletFiches = url), {});
    });
    await nav().cliquer("#TelechargerSerie");
    const zip = await Telecharge(c.telechargements);
    // Named as the window names the series' folder: « titre - graine »,
    // what a file system refuses replaced.
    egal(zip.nom, "Datation - 3e - 4242.zip", "nom du zip");
    const contenu = unzipSync(new Uint8Array(zip.octets));
    const dossier = join(c.temp, "serie-4242");
    rendu("--exercise", "3", "--events", "5", "--seed", "4242", "--title", "Datation : 3e", "--out-dir", dossier);
    const attendus = readdirSync(dossier).filter((n) => n.endsWith(".exo")).sort();
    egal(Object.keys(contenu).filter((n) => n.endsWith(".exo")).sort(), attendus, "fichiers .exo du zip");
    for (const n of attendus)
      verifier(Buffer.compare(Buffer.from(contenu[n]), readFileSync(join(dossier, n))) === 0, `${n} diffère de --exercise`);
    const html = strFromU8(contenu["fiches-4242.html"]);
    const compte = (motif) => (html.match(motif) || []).length;
    egal([compte(/<section class="page eleve">/g), compte(/<section class="page corrige">/g)], [3, 3], "pages");
    egal(compte(/<div class="pied">Graine de la série : 4242<\/div>/g), 6, "graine au pied de chaque page");
    verifier(html.indexOf("page eleve") < html.indexOf("page corrige"), "les pages des élèves d'abord");
    verifier(/@page/.test(html) && /page-break-after: always/.test(html), "mise en page d'impression");
    verifier(compte(/Justifie : principe et observation/g) === 3 && compte(/sont acceptés|est accepté/g) >= 3,
      "tableau des élèves et ordres acceptés des corrigés");
    verifier(await nav().executer(() => typeof window.ongletFiches === "string"), "les fiches ne s'ouvrent pas");
    await nav().cliquer("#FermerEnseignant");
  });

  test("enseignant : la graine tapée de 0 à 4294967295, une nouvelle graine de 1 à 999999", async () => {
    await OuvrirEspace();
    await nav().executer(() => (document.getElementById("Graine").value = "4294967296"));
    await nav().cliquer("#TelechargerSerie");
    const refus = await LireEtFermer();
    egal(refus.texte, "La graine doit être un nombre entier de 0 à 4294967295.", "graine trop grande");
    for (let i = 0; i < 20; ++i) {
      await nav().cliquer("#NouvelleGraine");
      const g = await nav().executer(() => document.getElementById("Graine").value);
      verifier(/^[1-9][0-9]{0,5}$/.test(g), `nouvelle graine hors de 1 à 999999 : ${g}`);
    }
    await nav().cliquer("#FermerEnseignant");
  });

  test("enseignant : une classe de six fichiers donne le CSV de --grade, octet pour octet", async () => {
    const d = join(c.temp, "classe");
    mkdirSync(d, { recursive: true });
    const exo = join(d, "faille.exo");
    rendu("--make-exercise", exo, "--title", "Faille", modele);
    const lignes = readFileSync(modele, "latin1").split("\r\n").filter((l) => l);
    const reponse = (nom, liste, eleve, pour = exo) => {
      const l = join(d, nom + ".lst");
      writeFileSync(l, liste);
      rendu("--make-answer", join(d, nom), "--for", pour, "--pupil", eleve, l);
    };
    reponse("juste.rep", readFileSync(modele), "Inès Martin");
    writeFileSync(join(d, "equivalente.lst"), readFileSync(modele));
    const sansCouche = [...lignes];
    sansCouche.splice(sansCouche.lastIndexOf("Sédimentation"), 1);
    reponse("couche-manquante.rep", Liste(sansCouche), "Léo");
    writeFileSync(join(d, "brouillon.rep"), Buffer.from("SLREPON\x1a n'importe quoi", "latin1"));
    const autre = join(d, "autre.exo");
    rendu("--make-exercise", autre, "--title", "Autre", join(c.echantillons, "plis-erodes.lst"));
    reponse("autre-exercice.rep", readFileSync(modele), "Zoé", autre);
    const juste = readFileSync(join(d, "juste.rep"));
    juste[juste.length - 10] ^= 0xff;
    writeFileSync(join(d, "abimee.rep"), juste);
    const copies = ["juste.rep", "equivalente.lst", "couche-manquante.rep", "brouillon.rep", "autre-exercice.rep",
      "abimee.rep"];
    // The renderer marks in the order given: the page's, by name.
    const parNom = [...copies].sort((a, b) => a.toLowerCase().localeCompare(b.toLowerCase(), "en"));
    const attendu = spawnSync(c.programme, ["--base", c.base, "--grade", exo, ...parNom.map((n) => join(d, n))]).stdout;
    await OuvrirEspace();
    await nav().cliquer("#OngletClasse");
    await nav().envoyerFichier("#choix-modele-classe", exo);
    await nav().envoyerFichier("#choix-copies", copies.map((n) => join(d, n)).join("\n"));
    // The class is marked once every file is read: until the sum-up line says so.
    await nav().executerAsync(async () => {
      while (!document.getElementById("BilanClasse").textContent)
        await new Promise((r) => requestAnimationFrame(r));
    });
    const table = await nav().executer(() =>
      Array.from(document.querySelectorAll("#NotesClasse tr"), (tr) => Array.from(tr.cells, (x) => x.textContent)));
    egal(table.length, 7, "une ligne par fichier, sous l'en-tête");
    egal(table.slice(1).map((r) => r[1]), parNom, "ordre des lignes");
    verifier(table.slice(1).filter((r) => r[2] === "").length === 3, `trois fichiers sans note : ${JSON.stringify(table)}`);
    await nav().cliquer("#EnregistrerCsv");
    await Saisir();
    const csv = await Telecharge(c.telechargements);
    verifier(Buffer.compare(csv.octets, attendu) === 0,
      `CSV différent de --grade :\n${csv.octets.toString("utf8")}\n---\n${attendu.toString("utf8")}`);
    await nav().cliquer("#FermerEnseignant");
  });

  test("enseignant : en anglais, l'espace enseignant parle anglais", async () => {
    await c.Ouvrir({ langues: "en-US,en" });
    for (let b; (b = await c.Boite()); ) await nav().cliquer(`#${b.id} button`);
    await OuvrirEspace();
    const textes = await nav().executer(() =>
      ["titre-enseignant", "OngletSerie", "OngletClasse", "TelechargerSerie", "ChoisirCopies", "NouvelleGraine"].map(
        (id) => document.getElementById(id).textContent));
    egal(textes.slice(0, 3), ["Teacher's space", "Prepare a series", "Mark a class"], "titres en anglais");
    for (const t of textes) verifier(!/[éèàç]|Télécharger|Copies\.\.\.|graine/i.test(t), `texte français : ${t}`);
    await nav().cliquer("#FermerEnseignant");
  });
}
