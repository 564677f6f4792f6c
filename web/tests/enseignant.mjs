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

  // The same series as one package for the school's platform: the
  // renderer's package of those .exo files, byte for byte.
  test("enseignant : la série en un paquet pour l'ENT, celui de strataloom-render --scorm pour ses exercices", async () => {
    await OuvrirEspace();
    await nav().cliquer("#ExporterSerieScorm");
    egal((await Saisir("12")).propose, "10", "note pour réussir proposée");
    egal((await Saisir()).propose, "Datation - 3e - 4242.zip", "nom proposé : celui du dossier de la série");
    const zip = await Telecharge(c.telechargements);
    const dossier = join(c.temp, "serie-4242");
    const exos = readdirSync(dossier).filter((n) => n.endsWith(".exo")).sort().map((n) => join(dossier, n));
    const attendu = join(c.temp, "serie-4242.zip");
    rendu("--scorm", attendu, "--page", c.page, "--pass-mark", "12", "--title", "Datation : 3e", ...exos);
    verifier(Buffer.compare(zip.octets, readFileSync(attendu)) === 0, "le paquet diffère de strataloom-render --scorm");
    egal(Object.keys(unzipSync(new Uint8Array(zip.octets))).filter((n) => n.endsWith(".html")).length, 3,
      "une page par exercice");
    await nav().cliquer("#FermerEnseignant");
  });

  // The exercise file `exo` opened, then its printable sheets made in the
  // teacher's space: {html, legende: the exercise's legend lines}.
  async function FichesDeLExercice(exo) {
    await nav().cliquer("#Exercice1");
    await nav().cliquer("#Ouvrirexercice1");
    await nav().envoyerFichier("#choix-exercice", exo);
    for (let b; (b = await c.Boite()); ) await nav().cliquer(`#${b.id} button`);
    await OuvrirEspace();
    await nav().executer(() => (window.open = (url) => ((window.ongletFiches = url), {})));
    await nav().cliquer("#FichesExercice");
    await nav().cliquer("#FermerEnseignant");
    return nav().executerAsync(async () => ({
      html: await (await fetch(window.ongletFiches)).text(),
      legende: window.strataloom.session().legendeExercice().map((l) => l.texte),
    }));
  }

  // The sheets of the exercise open: its pupil's page and its key, with
  // the letters the pupil sees (the exercise's own), the foot naming it.
  test("enseignant : les fiches de l'exercice ouvert, ses lettres et sa légende", async () => {
    await OuvrirEspace();
    const sans = await nav().executer(() => [window.strataloom.session().exerciceOuvert(),
      document.getElementById("FichesExercice").disabled]);
    await nav().cliquer("#FermerEnseignant");
    egal(sans, [false, true], "sans exercice, le bouton est grisé");
    const exo = join(c.temp, "Fiches.exo");
    rendu("--make-exercise", exo, "--title", "Le pli faillé", modele);
    const r = await FichesDeLExercice(exo);
    const compte = (motif) => (r.html.match(motif) || []).length;
    egal([compte(/<section class="page eleve">/g), compte(/<section class="page corrige">/g)], [1, 1], "pages");
    egal(compte(/<div class="pied">Exercice : Le pli faillé<\/div>/g), 2, "pied de page");
    verifier(r.html.includes("<h1>Le pli faillé</h1>"), "titre de la fiche");
    const lignes = [...r.html.matchAll(/<li>(?:<img[^>]*>|<span class="couleur"[^>]*><\/span>)([^<]*)<\/li>/g)].map((m) => m[1]);
    egal(lignes, r.legende.map((l) => l.replace(/&/g, "&amp;")), "la légende de la fiche est celle de l'exercice");
  });

  // The key of a long exercise: every step's picture inside its A4 page,
  // above its foot (drawn exercises of 8 and 10 events).
  for (const [evenements, graine] of [[8, 1], [10, 3]])
    test(`enseignant : le corrigé d'un exercice de ${evenements} événements tient chaque étape dans sa page`, async () => {
      const dossier = join(c.temp, `long-${evenements}`);
      rendu("--exercise", "1", "--events", String(evenements), "--seed", String(graine), "--out-dir", dossier);
      const { html } = await FichesDeLExercice(join(dossier, readdirSync(dossier).find((n) => n.endsWith(".exo"))));
      // The sheets laid out in a frame as wide as the printed page.
      const r = await nav().executerAsync(async (html) => {
        const cadre = document.createElement("iframe");
        cadre.style.cssText = "position: fixed; left: 0; top: 0; width: 210mm; height: 600mm; visibility: hidden";
        document.body.append(cadre);
        await new Promise((fini) => {
          cadre.onload = fini;
          cadre.srcdoc = html;
        });
        const d = cadre.contentDocument;
        await Promise.all([...d.images].map((i) => i.decode().catch(() => {})));
        const page = d.querySelector(".page.corrige").getBoundingClientRect();
        const pied = d.querySelector(".page.corrige .pied").getBoundingClientRect();
        const figures = [...d.querySelectorAll(".page.corrige .etapes figure")].map((x) => x.getBoundingClientRect());
        cadre.remove();
        return { etapes: figures.length, dehors: figures.filter((x) => x.bottom > pied.top || x.bottom > page.bottom).length };
      }, html);
      egal(r, { etapes: evenements + 1, dehors: 0 }, "étapes du corrigé sous le pied de page ou hors de la page");
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

  // A class of several answers, one of them as long as an answer may be
  // (300 events, a walk that goes on folding, eroding and stretching), in
  // folder d, against the exercise of the sample section: [exo, names].
  function GrandeClasse(d, grandes = 1) {
    mkdirSync(d, { recursive: true });
    const exo = join(d, "faille.exo");
    rendu("--make-exercise", exo, "--title", "Faille", modele);
    const lignes = readFileSync(modele, "latin1").split("\r\n").filter((l) => l);
    const reponse = (nom, liste, eleve) => {
      const l = join(d, nom + ".lst");
      writeFileSync(l, liste);
      rendu("--make-answer", join(d, nom), "--for", exo, "--pupil", eleve, l);
    };
    const marche = ["Sédimentation", "Compression", "Erosion", "Sédimentation", "Distension", "Erosion"];
    const noms = [];
    for (let i = 0; i < grandes; ++i) {
      const longue = Array.from({ length: 300 }, (_, k) => marche[(k + i) % marche.length]);
      reponse(`longue-${i}.rep`, Liste(longue), `Élève ${i}`);
      noms.push(`longue-${i}.rep`);
    }
    reponse("juste.rep", readFileSync(modele), "Inès Martin");
    // The model's own list under two names, and one pupil's name twice.
    reponse("copie.rep", readFileSync(modele), "Léo");
    reponse("leo.rep", Liste(lignes.slice(0, -1)), "Léo");
    writeFileSync(join(d, "equivalente.lst"), readFileSync(modele));
    noms.push("juste.rep", "copie.rep", "leo.rep", "equivalente.lst");
    return [exo, noms];
  }

  test("enseignant : une classe est notée hors de la page, « Copie n sur N… » avance, le CSV est celui de --grade", async () => {
    const d = join(c.temp, "grande-classe");
    const [exo, noms] = GrandeClasse(d);
    const parNom = [...noms].sort((a, b) => a.toLowerCase().localeCompare(b.toLowerCase(), "en"));
    const attendu = spawnSync(c.programme, ["--base", c.base, "--grade", exo, ...parNom.map((n) => join(d, n))]).stdout;
    await OuvrirEspace();
    await nav().cliquer("#OngletClasse");
    await nav().envoyerFichier("#choix-modele-classe", exo);
    // Each change of the progress line, with the number of frames the page
    // drew until then; the count goes on until the sum-up line is written.
    await nav().executer(() => {
      const suivi = (window.suiviClasse = { valeurs: [], images: 0, bilan: null });
      const av = document.getElementById("AvancementClasse");
      const bilan = document.getElementById("BilanClasse");
      new MutationObserver(() => suivi.valeurs.push([av.textContent, suivi.images])).observe(av,
        { childList: true, characterData: true, subtree: true });
      new MutationObserver(() => {
        if (bilan.textContent && suivi.bilan === null) suivi.bilan = suivi.images;
      }).observe(bilan, { childList: true, characterData: true, subtree: true });
      const Compter = () => {
        if (suivi.bilan !== null) return;
        suivi.images += 1;
        requestAnimationFrame(Compter);
      };
      requestAnimationFrame(Compter);
    });
    // The browser adds the files sent to those an earlier test chose.
    await nav().executer(() => (document.getElementById("choix-copies").value = ""));
    await nav().envoyerFichier("#choix-copies", noms.map((n) => join(d, n)).join("\n"));
    const suivi = await nav().executerAsync(async () => {
      while (window.suiviClasse.bilan === null) await new Promise((r) => requestAnimationFrame(r));
      return { ...window.suiviClasse, travailleur: window.strataloom.enseignant.dansUnTravailleur() };
    });
    verifier(suivi.travailleur, "la classe n'a pas été notée dans un travailleur");
    const valeurs = suivi.valeurs.map((v) => v[0]);
    const N = noms.length;
    egal(valeurs[valeurs.length - 1], "", "la ligne d'avancement s'efface à la fin");
    const comptes = valeurs.slice(0, -1).map((v) => {
      const m = /^Copie (\d+) sur (\d+)…$/.exec(v);
      verifier(m && Number(m[2]) === N, `ligne d'avancement : « ${v} »`);
      return Number(m[1]);
    });
    egal(comptes[comptes.length - 1], N, "dernière valeur");
    verifier(comptes.every((k, i) => i === 0 || k >= comptes[i - 1]), `le compte recule : ${comptes}`);
    verifier(comptes.some((k) => k > 0 && k < N), `aucune valeur intermédiaire : ${comptes}`);
    // Frames drawn while the class was graded: from the first copy graded
    // to the sum-up line.
    const debut = suivi.valeurs.find((v) => v[0] === `Copie 1 sur ${N}…`);
    verifier(debut, `« Copie 1 sur ${N}… » jamais affiché : ${valeurs}`);
    verifier(suivi.bilan - debut[1] >= 3, `la page n'a presque pas dessiné pendant la notation : ${suivi.bilan - debut[1]} images`);
    const table = await nav().executer(() =>
      Array.from(document.querySelectorAll("#NotesClasse tr"), (tr) => Array.from(tr.cells, (x) => x.textContent)));
    egal(table.slice(1).map((r) => r[1]), parNom, "ordre des lignes");
    await nav().cliquer("#EnregistrerCsv");
    await Saisir();
    const csv = await Telecharge(c.telechargements);
    verifier(Buffer.compare(csv.octets, attendu) === 0,
      `CSV différent de --grade :\n${csv.octets.toString("utf8")}\n---\n${attendu.toString("utf8")}`);
    await nav().cliquer("#FermerEnseignant");
  });

  test("enseignant : d'autres copies données pendant la notation la remplacent, sans table mêlée", async () => {
    const d = join(c.temp, "classe-remplacee");
    const [exo, noms] = GrandeClasse(d, 4);
    const base64 = (n) => readFileSync(join(d, n)).toString("base64");
    const premieres = noms.map((n) => [n, base64(n)]);
    const secondes = [["juste.rep", base64("juste.rep")], ["leo.rep", base64("leo.rep")]];
    const attendu = spawnSync(c.programme, ["--base", c.base, "--grade", exo, join(d, "juste.rep"), join(d, "leo.rep")]).stdout;
    await OuvrirEspace();
    await nav().cliquer("#OngletClasse");
    await nav().envoyerFichier("#choix-modele-classe", exo);
    const r = await nav().executerAsync(async (premieres, secondes) => {
      const e = window.strataloom.enseignant;
      const Fichiers = (l) => l.map(([n, b]) => new File([Uint8Array.from(atob(b), (x) => x.charCodeAt(0))], n));
      const av = document.getElementById("AvancementClasse");
      // The second class is given once the first is being graded.
      const commencee = new Promise((ok) => {
        const o = new MutationObserver(() => {
          if (/^Copie [1-9]/.test(av.textContent)) {
            o.disconnect();
            ok();
          }
        });
        o.observe(av, { childList: true, characterData: true, subtree: true });
      });
      const lignes = () => document.querySelectorAll("#NotesClasse tr").length;
      const premiere = e.Recevoir(Fichiers(premieres), false);
      await commencee;
      const pendant = [lignes(), document.getElementById("EnregistrerCsv").disabled];
      const seconde = e.Recevoir(Fichiers(secondes), false);
      const [r1, r2] = await Promise.all([premiere, seconde]);
      return { r1, r2: r2 && r2.lignes.length, pendant, csv: Array.from(e.classe().csv),
        table: Array.from(document.querySelectorAll("#NotesClasse tr"), (tr) => tr.cells[1].textContent) };
    }, premieres, secondes);
    egal(r.pendant, [0, true], "pas de table ni de CSV pendant la notation");
    egal(r.r1, null, "la première notation est remplacée");
    egal(r.r2, 2, "la seconde notation");
    egal(r.table, ["Fichier", "juste.rep", "leo.rep"], "la table de la seconde classe seulement");
    verifier(Buffer.compare(Buffer.from(r.csv), attendu) === 0, "CSV de la seconde classe différent de --grade");
    await nav().cliquer("#FermerEnseignant");
  });

  // A class of twenty on a school laptop (1366 × 625 inside the browser):
  // ten rows and more in view, a row a line, its remark whole once the row
  // is clicked, the CSV and the box's buttons in view.
  test("enseignant : à 1366 × 625, une classe de vingt montre dix lignes et plus ; un clic déplie la remarque", async () => {
    const d = join(c.temp, "classe-de-vingt");
    mkdirSync(d, { recursive: true });
    const exo = join(d, "faille.exo");
    rendu("--make-exercise", exo, "--title", "Faille", modele);
    const lignes = readFileSync(modele, "latin1").split("\r\n").filter((l) => l);
    const copies = [];
    for (let i = 1; i <= 20; ++i) {
      // Sections stopped early: long remarks, several sentences each.
      const l = join(d, `liste-${i}.lst`);
      writeFileSync(l, Liste(lignes.slice(0, 1 + (i % lignes.length))));
      const nom = join(d, `eleve-${String(i).padStart(2, "0")}.rep`);
      rendu("--make-answer", nom, "--for", exo, "--pupil", `Élève numéro ${i}`, l);
      copies.push(nom);
    }
    await c.Ouvrir();
    await nav().cdp("Emulation.setDeviceMetricsOverride", { width: 1366, height: 625, deviceScaleFactor: 1, mobile: false });
    for (let b; (b = await c.Boite()); ) await nav().cliquer(`#${b.id} button`);
    await OuvrirEspace();
    await nav().cliquer("#OngletClasse");
    await nav().envoyerFichier("#choix-modele-classe", exo);
    await nav().envoyerFichier("#choix-copies", copies.join("\n"));
    await nav().executerAsync(async () => {
      while (!document.getElementById("BilanClasse").textContent)
        await new Promise((r) => requestAnimationFrame(r));
    });
    const Mesure = () => nav().executer(() => {
      const cadre = document.querySelector(".cadre-notes").getBoundingClientRect();
      const rangs = [...document.querySelectorAll("#NotesClasse tr")].slice(1);
      const dans = (x, y) => x.top >= y.top - 0.5 && x.bottom <= y.bottom + 0.5 && x.left >= y.left - 0.5 && x.right <= y.right + 0.5;
      const ecran = { left: 0, top: 0, right: innerWidth, bottom: innerHeight };
      const r0 = rangs[0].cells[4];
      return {
        lignes: rangs.length,
        vues: rangs.filter((tr) => dans(tr.getBoundingClientRect(), cadre)).length,
        hauteurs: new Set(rangs.slice(1).map((tr) => Math.round(tr.getBoundingClientRect().height))).size,
        premiere: [Math.round(rangs[0].getBoundingClientRect().height), Math.round(rangs[1].getBoundingClientRect().height)],
        remarqueCoupee: r0.scrollWidth > r0.clientWidth + 1,
        boutons: ["EnregistrerCsv", "FermerEnseignant"].filter((id) => !dans(document.getElementById(id).getBoundingClientRect(), ecran)),
      };
    });
    const avant = await Mesure();
    egal([avant.lignes, avant.hauteurs, avant.boutons], [20, 1, []], "vingt lignes d'une même hauteur, boutons en vue");
    verifier(avant.vues >= 10, `lignes en vue : ${avant.vues}`);
    verifier(avant.remarqueCoupee, "la remarque longue coupée sur sa ligne");
    await nav().cliquer("#NotesClasse tr:nth-child(2)");
    const ouverte = await Mesure();
    verifier(ouverte.premiere[0] > 2 * ouverte.premiere[1] && !ouverte.remarqueCoupee,
      `la remarque dépliée en entier : ${JSON.stringify(ouverte)}`);
    egal(await nav().executer(() => document.querySelector("#NotesClasse tr:nth-child(2)").getAttribute("aria-expanded")),
      "true", "aria-expanded");
    await nav().executer(() => document.querySelector("#NotesClasse tr:nth-child(2)").focus());
    await nav().touches("\uE007");
    egal((await Mesure()).premiere[0], avant.premiere[0], "Entrée replie la ligne");
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
