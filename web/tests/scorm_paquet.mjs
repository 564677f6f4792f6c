// SPDX-License-Identifier: GPL-3.0-or-later
// "Exporter pour l'ENT (SCORM)..." in the browser: the page rebuilds
// exactly the bytes of the file it was loaded from, and its package for an
// exercise holds the manifest and the scripts that strataloom-render
// --scorm makes from the same page and the same .exo; every launch page
// named by the manifest is in the zip. Registered by navigateur.mjs; `c`
// as for exercices.mjs, plus `page`, the built page's path.
import { execFileSync } from "node:child_process";
import { readFileSync, rmSync } from "node:fs";
import { join } from "node:path";
import { test, verifier, egal, Telecharge, Saisir, Confirmation } from "./outils.mjs";

// The files of a zip of stored entries, read from its central directory
// (an independent reading: the engine's writer is not used here).
export function Deballer(zip) {
  const z = Buffer.from(zip);
  const fin = z.length - 22;
  verifier(z.readUInt32LE(fin) === 0x06054b50, "fin d'archive introuvable");
  const n = z.readUInt16LE(fin + 10);
  let p = z.readUInt32LE(fin + 16);
  const fichiers = new Map();
  for (let i = 0; i < n; ++i) {
    verifier(z.readUInt32LE(p) === 0x02014b50, "répertoire central abîmé");
    egal(z.readUInt16LE(p + 10), 0, "entrée non stockée");
    const taille = z.readUInt32LE(p + 24);
    const lnom = z.readUInt16LE(p + 28);
    const local = z.readUInt32LE(p + 42);
    const nom = z.subarray(p + 46, p + 46 + lnom).toString("utf8");
    const debut = local + 30 + z.readUInt16LE(local + 26) + z.readUInt16LE(local + 28);
    fichiers.set(nom, z.subarray(debut, debut + taille));
    p += 46 + lnom + z.readUInt16LE(p + 30) + z.readUInt16LE(p + 32);
  }
  return fichiers;
}

export function TestsPaquetScorm(c) {
  const nav = () => c.nav();
  const exo = join(c.temp, "Paquet.exo");
  const rendu = (...args) =>
    execFileSync(c.programme, args, { encoding: "utf8", stdio: ["ignore", "pipe", "pipe"] });

  test("paquet : la page refait ses propres octets", async () => {
    await c.Ouvrir();
    await c.FermerAvertissement();
    // As base64: a plain array of two million numbers would be slow to carry.
    const b64 = await nav().executer(() => {
      const o = window.strataloom.paquet.OctetsDeLaPage();
      let t = "";
      for (let i = 0; i < o.length; i += 8192) t += String.fromCharCode.apply(null, o.subarray(i, i + 8192));
      return btoa(t);
    });
    const refaits = Buffer.from(b64, "base64");
    const fichier = readFileSync(c.page);
    egal(refaits.length, fichier.length, "taille de la page refaite");
    verifier(refaits.equals(fichier), "la page refaite diffère du fichier chargé");
  });

  test("paquet : le menu de la page fait le paquet de strataloom-render", async () => {
    rendu("--base", c.base, "--make-exercise", exo, "--title", "Falaise & plis", join(c.echantillons, "plis-erodes.lst"));
    egal(await nav().executer(() => document.getElementById("ExporterScorm1").disabled), true,
      "« Exporter pour l'ENT » grisé sans exercice");
    await nav().cliquer("#Exercice1");
    await nav().cliquer("#Ouvrirexercice1");
    await nav().envoyerFichier("#choix-exercice", exo);
    const ouvert = await c.Boite();
    verifier(ouvert, "aucun message à l'ouverture");
    await nav().cliquer(`#${ouvert.id} button`);
    egal(await nav().executer(() => document.getElementById("ExporterScorm1").disabled), false,
      "« Exporter pour l'ENT » actif avec l'exercice");

    await nav().cliquer("#Exercice1");
    await nav().cliquer("#ExporterScorm1");
    egal((await Saisir(nav(), "13")).propose, "10", "seuil proposé");
    // The package is made before the name is asked.
    egal((await Saisir(nav())).propose, "Paquet.zip", "nom proposé");
    const telecharge = await Telecharge(c.telechargements);
    egal(telecharge.nom, "Paquet.zip", "nom du paquet");
    egal(await Confirmation(nav()), "Paquet enregistré : Paquet.zip", "confirmation du paquet");

    const attendu = join(c.temp, "rendu.zip");
    rmSync(attendu, { force: true });
    rendu("--scorm", attendu, "--page", c.page, "--pass-mark", "13", exo);
    const page = Deballer(telecharge.octets);
    const bureau = Deballer(readFileSync(attendu));
    egal([...page.keys()], [...bureau.keys()], "fichiers du paquet");
    const manifeste = page.get("imsmanifest.xml").toString("utf8");
    egal(manifeste, bureau.get("imsmanifest.xml").toString("utf8"), "imsmanifest.xml");
    verifier(page.get("strataloom.js").equals(bureau.get("strataloom.js")), "strataloom.js diffère du rendu");
    verifier(manifeste.includes("<adlcp:masteryscore>13</adlcp:masteryscore>"), "seuil du manifeste");
    verifier(manifeste.includes("<title>Falaise &amp; plis</title>"), "titre du manifeste");
    const hrefs = [...manifeste.matchAll(/adlcp:scormtype="sco" href="([^"]*)"/g)].map((m) => m[1]);
    egal(hrefs.length, 1, "un SCO");
    for (const h of hrefs) verifier(page.has(h), `${h} manque dans le paquet`);
    const sco = page.get(hrefs[0]).toString("utf8");
    const m = /window\.STRATALOOM_SCO = \{"exercice":"([^"]*)","nom":"Paquet\.exo","seuil":13\}/.exec(sco);
    verifier(m, "l'exercice n'est pas dans la page du SCO");
    verifier(Buffer.from(m[1], "base64").equals(readFileSync(exo)), "l'exercice du SCO n'est pas le fichier ouvert");
  });
}
