// SPDX-License-Identifier: GPL-3.0-or-later
// The page inside a learning platform. A platform page, written by the
// test, holds a SCORM 1.2 run-time from npm (scorm-again, a test tool, never
// in the page) and frames the package's exercise page: the pupil's name
// shown, events applied, "Vérifier ma coupe" reported with
// strataloom-render --check's mark, the work taken back from the platform
// at the next launch, the order checked and handed in with "Rendre", the
// end of the visit when the page closes, and a platform that refuses.
// Then the package's page on its own exercise and its own learner: two
// learners on one browser, a platform that names none, the menus without
// the commands that open or make another exercise, a file dropped and a
// link refused, and a kept work the page cannot read left as it is.
// Everything is read back from the run-time, in the top document.
// Registered by navigateur.mjs; `c` as for exercices.mjs, plus page (the
// built page) and racine (the source tree).
import { execFileSync } from "node:child_process";
import { mkdirSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { createRequire } from "node:module";
import { createServer } from "node:http";
import { dirname, join, normalize } from "node:path";
import { fileURLToPath } from "node:url";
import { test, verifier, egal } from "./outils.mjs";
import { RangerAuClavier } from "./exercices.mjs";

const { unzipSync } = createRequire(import.meta.url)(
  join(dirname(fileURLToPath(import.meta.url)), "..", "node_modules", "fflate"),
);

// The package of one exercise as strataloom-render --scorm makes it,
// unzipped into `dossier`.
function FairePaquet(rendu, page, exo, seuil, dossier) {
  const zip = join(dossier, "..", "paquet.zip");
  rmSync(zip, { force: true });
  rendu("--scorm", zip, "--page", page, "--pass-mark", String(seuil), exo);
  mkdirSync(dossier, { recursive: true });
  for (const [nom, octets] of Object.entries(unzipSync(new Uint8Array(readFileSync(zip)))))
    writeFileSync(join(dossier, nom), octets);
  // The platform page below frames the manifest's launch page.
  const manifeste = readFileSync(join(dossier, "imsmanifest.xml"), "utf8");
  egal(manifeste.match(/<resource [^>]*adlcp:scormtype="sco"[^>]*>/)[0].match(/href="([^"]+)"/)[1],
    "exercice-01.html", "page de lancement du paquet");
}

// The platform's side: a fresh run-time at each launch, its calls counted;
// `refuser` makes every LMSCommit fail with error 101.
const PAGE_PLATEFORME = `<!DOCTYPE html>
<html lang="fr"><head><meta charset="utf-8"><title>Plateforme</title>
<script src="scorm12.js"></script>
<script>
window.appels = [];
window.ecrits = []; // the elements set, in order
let refus = "";
function Lancer(donnees, refuser, suffixe) {
  window.API = new Scorm12API({ autocommit: false, logLevel: 5 });
  API.loadFromJSON(donnees);
  const ecrire = API.LMSSetValue.bind(API);
  API.LMSSetValue = (e, v) => {
    ecrits.push(e);
    return ecrire(e, v);
  };
  for (const f of ["LMSInitialize", "LMSCommit", "LMSFinish"]) {
    const vraie = API[f].bind(API);
    API[f] = (a) => {
      appels.push(f);
      if (refuser && f === "LMSCommit") {
        refus = "101";
        return "false";
      }
      return vraie(a);
    };
  }
  const derniere = API.LMSGetLastError.bind(API);
  API.LMSGetLastError = () => {
    const e = refus || derniere();
    refus = "";
    return e;
  };
  return Charger("paquet/exercice-01.html" + (suffixe || ""));
}
function Charger(adresse) {
  const cadre = document.getElementById("sco");
  return new Promise((r) => {
    cadre.addEventListener("load", r, { once: true });
    cadre.src = adresse;
  });
}
</script></head>
<body style="margin:0"><iframe id="sco" style="width:1260px;height:760px;border:0"></iframe></body></html>
`;

const ELEVE = "Martin, Inès";
const ID_ELEVE = "eleve-1";
const ELEVE2 = "Durand, Léo";
// The platform's pages over HTTP on this machine, as a platform serves
// them (the browser keeps frames of file:// pages apart): the folder's
// files, and the run-time as /scorm12.js. Resolves to the address.
function Servir(dossier, runtime) {
  const types = { html: "text/html; charset=utf-8", js: "text/javascript; charset=utf-8" };
  const serveur = createServer((q, r) => {
    const chemin = decodeURIComponent(new URL(q.url, "http://x").pathname);
    const fichier = chemin === "/scorm12.js" ? runtime : join(dossier, normalize(chemin));
    try {
      const octets = readFileSync(fichier);
      r.writeHead(200, { "Content-Type": types[fichier.split(".").pop()] || "application/octet-stream" });
      r.end(octets);
    } catch (e) {
      r.writeHead(404);
      r.end();
    }
  });
  serveur.unref();
  return new Promise((ok) => serveur.listen(0, "127.0.0.1", () => ok(`http://127.0.0.1:${serveur.address().port}/`)));
}

// A card's letter in a sequencing response: its list index, 1 .. 9 then a .. z.
const Lettres = (ids) => ids.map((id) => "123456789abcdefghijklmnopqrstuvwxyz"[id - 1]).join(",");

// The fingerprint of an exercise file, from its header (8 bytes at 28,
// little-endian), as 16 hexadecimal digits.
const Empreinte = (fichier) => readFileSync(fichier).readBigUInt64LE(28).toString(16).padStart(16, "0");
// The keys a package's page keeps a learner's work under, for one exercise.
const ClesPour = (fichier, id) => `strataloom.paquet.${Empreinte(fichier)}.${encodeURIComponent(id)}`;
// What a package's page must leave out of its menus.
const ABSENTS = ["Ouvrirexercice1", "Creerexercice1", "Espaceenseignant1", "ExporterScorm1", "Lienexercice1"];
const CTRL = "\uE009";
const ENTREE = "\uE007";
const BAS = "\uE015";
const ECHAP = "\uE00C";

export function TestsScorm(c) {
  const nav = () => c.nav();
  const rendu = (...args) =>
    execFileSync(c.programme, ["--base", c.base, ...args], { encoding: "utf8", stdio: ["ignore", "pipe", "pipe"] });
  const dossier = join(c.temp, "plateforme");
  const exo = join(dossier, "Discordance.exo");
  const modele = join(c.echantillons, "discordance-faillee.lst");
  let adresse = null; // the platform page, once served
  let lignes = null; // the pupil's list at the end of the first launch
  let garde = ""; // and the work the platform kept then
  const Cles = (id) => ClesPour(exo, id);

  // The mark strataloom-render --check gives the list the page holds.
  async function NoteDuRendu() {
    const octets = await nav().executer(() => Array.from(window.strataloom.session().texteListe()));
    const liste = join(dossier, "liste.lst");
    writeFileSync(liste, Buffer.from(octets));
    return rendu("--check", exo, liste).trim().match(/Note : (\d+)\/20$/)[1];
  }

  // A launch from the top document, then the commands go to the page in
  // its frame, once it has started.
  async function Lancer(donnees, refuser = false, suffixe = "") {
    await nav().cadre(null);
    await nav().executer(() => {
      window.appels = [];
      window.ecrits = [];
    });
    await nav().executerAsync((d, r, x) => Lancer(d, r, x), donnees, refuser, suffixe);
    await nav().cadre(0);
    await nav().executerAsync(() => window.strataloom.demarrage);
  }

  // The frame emptied, as when the pupil leaves: what the run-time holds.
  async function Quitter() {
    await nav().cadre(null);
    await nav().executerAsync(() => Charger("about:blank"));
    return nav().executer(() => ({
      appels: window.appels,
      core: API.renderCMIToJSONObject().cmi.core,
      suspend: API.cmi.suspend_data,
      interactions: Object.values(API.renderCMIToJSONObject().cmi.interactions),
    }));
  }

  // Every box shown, read and closed in turn.
  async function Boites() {
    const textes = [];
    for (let b; (b = await c.Boite()); ) {
      textes.push(b.texte);
      await nav().cliquer(`#${b.id} button`);
    }
    return textes;
  }

  // Each test starts on the platform page and leaves the browser on the
  // plain page, as the others expect it.
  const surPlateforme = (nom, corps) =>
    test(nom, async () => {
      try {
        if (adresse) await nav().ouvrir(adresse);
        await corps();
      } finally {
        await nav().cadre(null);
        await nav().ouvrir(c.url);
        await nav().executerAsync(() => window.strataloom.pret);
      }
    });

  surPlateforme("plateforme : le paquet ouvre son exercice sans boîte, nomme l'élève et donne la note de --check", async () => {
    mkdirSync(dossier, { recursive: true });
    rendu("--make-exercise", exo, "--title", "Discordance", modele);
    FairePaquet(rendu, c.page, exo, 12, join(dossier, "paquet"));
    writeFileSync(join(dossier, "plateforme.html"), PAGE_PLATEFORME);
    const site = await Servir(dossier, join(c.racine, "web", "node_modules", "scorm-again", "dist", "scorm12.js"));
    adresse = site + "plateforme.html";
    await nav().ouvrir(adresse);
    await Lancer({ cmi: { core: { student_id: ID_ELEVE, student_name: ELEVE }, student_data: { mastery_score: "10" } } });
    egal(await Boites(), [], "boîtes au démarrage");
    const e = await nav().executer(() => ({
      titre: window.strataloom.session().titreExercice(),
      eleve: document.getElementById("ElevePlateforme").textContent,
      rendre: !!document.getElementById("Rendre").offsetParent,
      verifier: !document.getElementById("VerifierCoupe").hidden,
      ligne: document.getElementById("TitreExercice").offsetParent && document.getElementById("TitreExercice").textContent,
      consigne: !!document.getElementById("ConsigneExercice").offsetParent,
    }));
    egal(e, { titre: "Discordance", eleve: `Élève : ${ELEVE}`, rendre: true, verifier: true,
      ligne: "Exercice : Discordance", consigne: true }, "page du paquet : son titre et la consigne");
    await nav().cadre(null);
    egal(await nav().executer(() => API.cmi.core.lesson_status), "incomplete", "statut au premier lancement");
    await nav().cadre(0);
    for (const id of ["Sedim", "Sedim", "Plissa", "Nivele"]) await nav().cliquer("#" + id);
    await nav().cliquer("#VerifierCoupe");
    const verdict = await Boites();
    const note = await NoteDuRendu();
    egal(verdict.at(-1).split("\n").at(-1), `Note : ${note}/20`, "note affichée");
    lignes = await nav().executer(() => window.strataloom.session().lignes());
    // The browser's own storage emptied: the next launch can only take the
    // work back from the platform.
    await nav().executer(() => localStorage.clear());
    await nav().cadre(null);
    const r = await nav().executer(() => ({
      raw: API.cmi.core.score.raw, min: API.cmi.core.score.min, max: API.cmi.core.score.max,
      statut: API.cmi.core.lesson_status, suspend: API.cmi.suspend_data, appels: window.appels,
    }));
    // The gradebook's mark is the mean of the section's and the order's,
    // half up; the order, not checked yet, counts 0.
    egal([r.raw, r.min, r.max, r.statut], [String(Math.floor((Number(note) + 1) / 2)), "0", "20", "incomplete"],
      "score et statut après « Vérifier »");
    egal(await nav().executer(() => Object.values(API.renderCMIToJSONObject().cmi.objectives)
      .map((o) => [o.id, o.score.raw, o.status])),
    [["coupe", note, "incomplete"], ["ordre", "", "not attempted"]], "objectifs après « Vérifier »");
    verifier(r.suspend.startsWith("SLR2.") && r.suspend.length <= 4096, `travail gardé : ${r.suspend}`);
    egal(r.appels, ["LMSInitialize", "LMSCommit"], "appels à la plateforme");
    const q = await Quitter();
    garde = q.suspend;
    egal(q.appels.filter((f) => f === "LMSFinish"), ["LMSFinish"], "LMSFinish une fois à la fermeture");
    egal(q.appels.at(-1), "LMSFinish", "LMSFinish en dernier");
    egal(q.core.exit, "suspend", "sortie");
    verifier(/^\d{2,4}:\d{2}:\d{2}/.test(q.core.session_time), `durée : ${q.core.session_time}`);
  });

  surPlateforme("plateforme : relancé, le travail revient ; l'ordre vérifié et « Rendre » donnent statut et interactions", async () => {
    verifier(garde, "le premier lancement a échoué");
    await Lancer({ cmi: { core: { student_id: ID_ELEVE, student_name: ELEVE }, student_data: { mastery_score: "10" }, suspend_data: garde } });
    egal(await Boites(), [], "boîtes à la reprise");
    egal(await nav().executer(() => window.strataloom.session().lignes()), lignes, "liste reprise de la plateforme");
    // The cards are dealt from the seed the platform kept.
    egal(await nav().executer(() => window.strataloom.session().graineDonne()), parseInt(Champs(garde)[6], 16),
      "graine des cartes reprise de la plateforme");
    // Checked as dealt (judged, but no order given: nothing sent), then
    // sorted right from the keyboard.
    await nav().cliquer("#Exercice1");
    await nav().cliquer("#Ordonner1");
    const ids = await nav().executer(() => window.strataloom.exercices.panneauOrdonner.cartes());
    await nav().cliquer("#VerifierOrdre");
    await RangerAuClavier(nav(), ids);
    await nav().cliquer("#VerifierOrdre");
    const trie = [...ids].sort((a, b) => a - b);
    egal(await nav().executer(() => window.strataloom.exercices.panneauOrdonner.dernier().juste), true, "ordre rangé");
    await nav().cliquer("#FermerOrdonner");
    await nav().cliquer("#Rendre");
    const note = await NoteDuRendu();
    // Put right with nothing justified, the order earns its order's part
    // alone: 12/20; the gradebook's mark is the mean, half up.
    const moyenne = (coupe) => String(Math.floor((Number(coupe) + 12 + 1) / 2));
    egal(await Boites(), [`Ton travail est rendu à la plateforme. Note de ta coupe : ${note}/20 ; note de ton ordre : 12/20 ; ` +
      `note transmise (la moyenne des deux) : ${moyenne(note)}/20.`], "message de « Rendre »");
    await nav().cadre(null);
    const Etat = () => nav().executer(() => ({
      raw: API.cmi.core.score.raw, statut: API.cmi.core.lesson_status,
      interactions: Object.values(API.renderCMIToJSONObject().cmi.interactions)
        .map((i) => [i.id, i.type, i.student_response, i.result]),
      objectifs: Object.values(API.renderCMIToJSONObject().cmi.objectives).map((o) => [o.id, o.score.raw, o.status]),
    }));
    let r = await Etat();
    egal(r.raw, moyenne(note), "score rendu");
    egal(r.statut, Number(moyenne(note)) >= 10 ? "passed" : "failed", "statut rendu, face au score de maîtrise 10");
    egal(r.interactions, [
      ["ordre", "sequencing", Lettres(trie), "12"],
      ["ordre", "sequencing", Lettres(trie), "12"],
    ], "interactions");
    egal(r.objectifs, [["coupe", note, Number(note) >= 10 ? "passed" : "failed"], ["ordre", "12", "passed"]],
      "objectifs rendus");
    // The model's own list handed in again: 20 for the section, the mean
    // with the order's 12 sent, passed.
    await nav().cadre(0);
    await c.ChargerParLeMenu(modele);
    await nav().cliquer("#Rendre");
    await Boites();
    const juste = await NoteDuRendu();
    egal(juste, "20", "note de la coupe du modèle");
    await nav().cadre(null);
    r = await Etat();
    egal([r.raw, r.statut], ["16", "passed"], "la coupe du modèle rendue");
    egal(r.objectifs, [["coupe", "20", "passed"], ["ordre", "12", "passed"]], "objectifs, la coupe du modèle rendue");
    const q = await Quitter();
    egal(q.appels.filter((f) => f === "LMSFinish").length, 1, "LMSFinish une fois");
    egal([q.appels[0], q.core.exit], ["LMSInitialize", ""], "premier appel, sortie après « Rendre »");
  });

  surPlateforme("plateforme : une plateforme qui refuse : le message, le travail reste dans la page", async () => {
    await nav().cadre(null);
    await Lancer({ cmi: { core: { student_id: ID_ELEVE, student_name: ELEVE } } }, true);
    // Nothing kept by the platform: the work this browser kept comes back.
    egal(await Boites(), [], "boîtes au démarrage");
    const avant = await nav().executer(() => window.strataloom.session().lignes());
    verifier(avant.length > 1, `travail du navigateur repris : ${avant}`);
    await nav().cliquer("#Sedim");
    await nav().cliquer("#VerifierCoupe");
    const textes = await Boites();
    verifier(textes.some((t) => t.startsWith("La plateforme d'apprentissage a refusé LMSCommit : General Exception (erreur 101).")),
      `message attendu : ${JSON.stringify(textes)}`);
    await nav().executerAsync(() => Promise.all([window.strataloom.garde(), window.strataloom.plateforme.calme()]));
    const apres = await nav().executer((cle) => ({
      lignes: window.strataloom.session().lignes(),
      liste: Array.from(window.strataloom.session().texteListe()).join(),
      gardee: Array.from(localStorage.getItem(cle) || "", (x) => x.charCodeAt(0)).join(),
    }), Cles(ID_ELEVE) + ".liste");
    egal(apres.lignes, [...avant, "Sédimentation"], "la liste de la page");
    egal(apres.gardee, apres.liste, "la liste gardée par le navigateur");
    // A list too long for the platform: the pupil is told, the browser keeps it.
    const longue = join(dossier, "longue.lst");
    writeFileSync(longue, Buffer.from("Sédimentation\r\n" + "Erosion\r\n".repeat(4100), "latin1"));
    await c.ChargerParLeMenu(longue);
    egal(await Boites(), ["La plateforme ne peut pas garder ton travail : ton travail dépasse les 4096 caractères que " +
      "la plateforme garde. Il reste gardé dans ce navigateur."], "travail trop long");
    await nav().executerAsync(() => Promise.all([window.strataloom.garde(), window.strataloom.plateforme.calme()]));
    egal(await nav().executer((cle) => (localStorage.getItem(cle) || "").length, Cles(ID_ELEVE) + ".liste"), 15 + 9 * 4100,
      "la longue liste gardée par le navigateur");
    await nav().cadre(null);
    egal(await nav().executer(() => API.cmi.suspend_data), "", "la plateforme ne garde plus un travail plus ancien");
  });

  // --- The package's page: its own learner, its own exercise ---

  // The work kept by the browser for this site, read in the top document.
  const Stockage = () =>
    nav().executer(() => Object.fromEntries(Object.keys(localStorage).sort().map((k) => [k, localStorage.getItem(k)])));
  // Once the page has handed the last change of the list to the platform.
  const Calme = () => nav().executerAsync(() => window.strataloom.plateforme.calme());
  const Page = () =>
    nav().executer(() => ({
      titre: window.strataloom.session().titreExercice(),
      lignes: window.strataloom.session().lignes(),
      ordre: window.strataloom.session().ordreDonne(),
    }));
  // An order checked as the cards were dealt.
  // One card moved (Alt+Up on the second), then checked: an order checked
  // as dealt with nothing chosen is not the pupil's and is not kept.
  async function Ordonner() {
    await nav().cliquer("#Exercice1");
    await nav().cliquer("#Ordonner1");
    await nav().executer(() => document.getElementById("Cartes").focus());
    await nav().touches("\uE015", ["\uE00A", "\uE013"]);
    await nav().cliquer("#VerifierOrdre");
    await nav().cliquer("#FermerOrdonner");
  }
  // A kept text's fields: SLR1, exercise, events, order, check; SLR2 (once
  // the pupil has checked, or the cards have a seed, as every opening gives
  // them in the page) adds the section's and the order's checks and the
  // cards' seed before the check sum.
  const Champs = (texte) => String(texte).split(".");

  surPlateforme("plateforme : deux élèves sur un navigateur : le second part de l'exercice neuf, rien du premier n'est montré ni transmis", async () => {
    verifier(adresse, "le premier lancement a échoué");
    // What the page kept outside packages, under its own keys: for the same
    // exercise, but nobody can say whose it is.
    await nav().executer((exo) => {
      localStorage.clear();
      localStorage.setItem("strataloom.liste", "S\xe9dimentation\r\nErosion\r\n");
      localStorage.setItem("strataloom.exercice", exo);
      localStorage.setItem("strataloom.exercice.nom", "Discordance.exo");
    }, readFileSync(exo).toString("latin1"));
    const dehors = await Stockage();
    const A = { cmi: { core: { student_id: "eleve-A", student_name: ELEVE }, student_data: { mastery_score: "10" } } };
    await Lancer(A);
    egal(await Boites(), [], "boîtes au lancement du premier élève");
    egal((await Page()).lignes, ["Sédimentation"], "le travail gardé hors paquet n'est pas offert");
    for (const id of ["Sedim", "Plissa", "Sedim"]) await nav().cliquer("#" + id);
    await Ordonner();
    await nav().cliquer("#VerifierCoupe");
    await Boites();
    await Calme();
    const travailA = await Page();
    verifier(travailA.ordre, "l'ordre du premier élève n'est pas vérifié");
    const qa = await Quitter();
    egal(Champs(qa.suspend)[2], "SCS", "événements du premier élève sur la plateforme");

    const B = { cmi: { core: { student_id: "eleve-B", student_name: ELEVE2 }, student_data: { mastery_score: "10" } } };
    await Lancer(B);
    egal(await Boites(), [], "boîtes au lancement du second élève");
    egal(await Page(), { titre: "Discordance", lignes: ["Sédimentation"], ordre: null }, "le second élève part de l'exercice neuf");
    egal(await nav().executer(() => document.getElementById("ElevePlateforme").textContent), `Élève : ${ELEVE2}`, "élève nommé");
    // Two clicks: what the platform records is the second pupil's own.
    await nav().cliquer("#VerifierCoupe");
    await Boites();
    await nav().cliquer("#Rendre");
    await Boites();
    const qb = await Quitter();
    // Its checks are its own: one of the section, none of the order (the
    // first pupil's are not carried over).
    egal(Champs(qb.suspend).slice(0, 6), ["SLR2", Empreinte(exo), "", "", "1", "0"],
      "travail du second élève sur la plateforme");
    egal(qb.interactions, [], "aucun ordre transmis pour le second élève");
    egal(qb.core.student_id, "eleve-B", "dossier du second élève");
    // The keys of the page outside packages are neither read nor overwritten.
    const apres = await Stockage();
    for (const k of Object.keys(dehors)) egal(apres[k], dehors[k], `clé ${k} après deux élèves`);
    egal(Object.keys(apres).filter((k) => !(k in dehors) && !k.startsWith("strataloom.paquet.")), [],
      "clés écrites hors de celles des élèves");

    // The first pupil comes back on a platform that lost his work: this
    // browser gives him his own back, and only his.
    await Lancer(A);
    egal(await Boites(), [], "boîtes au retour du premier élève");
    egal(await Page(), travailA, "le premier élève retrouve son travail");
    await Quitter();
  });

  surPlateforme("plateforme : sans student_id, le navigateur ne garde rien du paquet", async () => {
    await nav().executer(() => localStorage.clear());
    await Lancer({ cmi: { core: { student_name: ELEVE } } });
    egal(await Boites(), [], "boîtes au lancement");
    for (const id of ["Sedim", "Plissa"]) await nav().cliquer("#" + id);
    await Ordonner();
    await nav().cliquer("#VerifierCoupe");
    await Boites();
    await Calme();
    const q = await Quitter();
    egal(Champs(q.suspend)[2], "SC", "le travail est sur la plateforme");
    egal(await Stockage(), {}, "ce que le navigateur garde");
  });

  surPlateforme("plateforme : le menu du paquet : ni ouvrir, ni créer, ni espace enseignant, ni export, ni lien ; dépôt et lien refusés", async () => {
    const autre = join(dossier, "Autre.exo");
    rendu("--make-exercise", autre, "--title", "Autre", join(c.echantillons, "plis-erodes.lst"));
    const autre64 = readFileSync(autre).toString("base64");
    // The other exercise's link, made by the page outside packages.
    await nav().ouvrir(c.url);
    await nav().executerAsync(() => window.strataloom.pret);
    const lien = await nav().executer((b64) => {
      const s = window.strataloom.session();
      const o = Uint8Array.from(atob(b64), (x) => x.charCodeAt(0));
      return s.ouvrirExercice("Autre.exo", o) || s.lienExercice();
    }, autre64);
    verifier(/^[A-Za-z0-9_-]{20,}$/.test(lien), `lien de l'autre exercice : ${lien}`);
    const REFUS = "Dans ce cours, seul l'exercice donné par ton professeur s'ouvre : ton travail et ta note restent ceux " +
      "de cet exercice.";
    await nav().ouvrir(adresse);
    const donnees = { cmi: { core: { student_id: "eleve-M", student_name: ELEVE } } };

    // A link at the launch: refused, the package's exercise stays.
    await Lancer(donnees, false, "#exercice=" + lien);
    egal(await Boites(), [REFUS], "lien au lancement");
    egal((await Page()).titre, "Discordance", "exercice après le lien au lancement");

    const menu = await nav().executer((ids) => ({
      absents: ids.filter((id) => document.getElementById(id)),
      exercice: Array.from(document.getElementById("menu-Exercice1").children, (x) => x.id || x.tagName.toLowerCase()),
    }), ABSENTS);
    egal(menu.absents, [], "articles qui devraient manquer");
    egal(menu.exercice, ["Verifier1", "Ordonner1", "hr", "Reponse1"], "le menu Exercice du paquet");
    // From the keyboard: the menu walked with the arrows reaches none of them.
    await nav().executer(() => document.getElementById("Exercice1").focus());
    await nav().touches(ENTREE);
    const parcours = [await nav().executer(() => document.activeElement.id)];
    for (let i = 0; i < 3; ++i) {
      await nav().touches(BAS);
      parcours.push(await nav().executer(() => document.activeElement.id));
    }
    await nav().touches(ECHAP);
    egal(parcours, ["Verifier1", "Ordonner1", "Reponse1", "Verifier1"], "articles atteints au clavier");
    // "Ouvrir un exercice"'s key does nothing.
    await nav().executer(() => {
      window.choix = 0;
      document.getElementById("choix-exercice").addEventListener("click", () => ++window.choix);
      document.body.focus();
    });
    await nav().touches([CTRL, "e"]);
    egal(await nav().executer(() => window.choix), 0, "Ctrl+E ouvre le choix d'un fichier");
    egal(await Boites(), [], "boîtes après Ctrl+E");

    // A .exo dropped on the page.
    await nav().executer((b64) => {
      const o = Uint8Array.from(atob(b64), (x) => x.charCodeAt(0));
      const t = new DataTransfer();
      t.items.add(new File([o], "Autre.exo"));
      document.getElementById("Visu").dispatchEvent(new DragEvent("drop", { dataTransfer: t, bubbles: true, cancelable: true }));
    }, autre64);
    egal(await Boites(), [REFUS], "exercice déposé");
    egal((await Page()).titre, "Discordance", "exercice après le dépôt");
    // A link pasted into the address of the page already open.
    await nav().executer((l) => (location.hash = "#exercice=" + l), lien);
    egal(await Boites(), [REFUS], "lien collé");
    const p = await nav().executer(() => ({ titre: window.strataloom.session().titreExercice(), hash: location.hash }));
    egal(p, { titre: "Discordance", hash: "" }, "exercice et adresse après le lien collé");
    await Quitter();
  });

  surPlateforme("plateforme : un travail que la page ne peut reprendre reste tel quel sur la plateforme jusqu'à ce que l'élève agisse", async () => {
    verifier(garde, "le premier lancement a échoué");
    // The check digits changed: the engine refuses the text.
    const illisible = garde.slice(0, -8) + (garde.endsWith("00000000") ? "11111111" : "00000000");
    const donnees = { cmi: { core: { student_id: "eleve-D", student_name: ELEVE }, suspend_data: illisible } };
    await Lancer(donnees);
    const textes = await Boites();
    egal(textes.length, 1, `une boîte au lancement : ${JSON.stringify(textes)}`);
    verifier(textes[0].startsWith("Le travail gardé par la plateforme ne peut pas être repris : ") &&
      textes[0].endsWith(". Ton travail gardé sur la plateforme y reste tel quel tant que tu ne changes pas ta coupe."),
    `message : ${textes[0]}`);
    await Calme();
    await nav().cadre(null);
    egal(await nav().executer(() => window.ecrits.filter((e) => e === "cmi.suspend_data")), [],
      "travail écrit avant que l'élève agisse");
    await nav().cadre(0);
    // Left without a change: the platform keeps its text.
    let q = await Quitter();
    egal(q.suspend, illisible, "travail de la plateforme après une visite sans changement");
    // The pupil's first event: the work on screen replaces it.
    await Lancer(donnees);
    await Boites();
    await nav().cliquer("#Sedim");
    await Calme();
    q = await Quitter();
    // Version 2: the cards' seed drawn at the opening is kept with the work.
    egal(Champs(q.suspend).slice(0, 6), ["SLR2", Empreinte(exo), "S", "", "0", "0"], "travail après le premier événement");
    verifier(/^[0-9a-f]{8}$/.test(Champs(q.suspend)[6]), `graine des cartes gardée : ${q.suspend}`);
  });

  surPlateforme("plateforme : le paquet ouvert hors de toute plateforme : l'élève est prévenu, le navigateur ne garde rien", async () => {
    verifier(adresse, "le premier lancement a échoué");
    await nav().executer(() => localStorage.clear());
    await nav().ouvrir(adresse.replace(/plateforme\.html$/, "paquet/exercice-01.html"));
    await nav().executerAsync(() => window.strataloom.demarrage);
    egal(await Boites(), ["Strataloom ne trouve pas la plateforme d'apprentissage : ta note ne lui sera pas transmise " +
      "et ton travail n'est gardé que tant que la page reste ouverte."], "message sans plateforme");
    await nav().cliquer("#Sedim");
    await Ordonner();
    egal((await Page()).lignes, ["Sédimentation", "Sédimentation"], "la page travaille");
    // Left and opened again: nothing was kept.
    await nav().ouvrir(adresse);
    egal(await Stockage(), {}, "ce que le navigateur garde");
  });

  test("plateforme : en anglais, le lien refusé et le travail illisible parlent anglais", async () => {
    verifier(adresse && garde, "le premier lancement a échoué");
    try {
      await c.Ouvrir({ langues: "en-US,en" });
      await nav().ouvrir(adresse);
      const illisible = garde.slice(0, -8) + (garde.endsWith("00000000") ? "11111111" : "00000000");
      await Lancer({ cmi: { core: { student_id: "eleve-E", student_name: ELEVE }, suspend_data: illisible } }, false,
        "#exercice=AAAA");
      const textes = await Boites();
      egal(textes.length, 2, `deux boîtes : ${JSON.stringify(textes)}`);
      verifier(textes.some((t) => t.startsWith("The work kept by the platform cannot be taken back: ") &&
        t.endsWith(". Your work kept on the platform stays there as it is until you change your section.")),
      `travail illisible : ${JSON.stringify(textes)}`);
      verifier(textes.includes("In this course, only the exercise your teacher gave opens: your work and your mark " +
        "stay those of this exercise."), `lien refusé : ${JSON.stringify(textes)}`);
      await Quitter();
    } finally {
      await nav().cadre(null);
      await c.Ouvrir();
      await c.FermerAvertissement();
    }
  });
}
