// SPDX-License-Identifier: GPL-3.0-or-later
// The pupil's work kept by the browser, and asked for before it is dropped:
// the same exercise's link opened again after the browser was closed takes
// the work back, order and justifications included; another exercise
// (chosen, pasted as a link, or a link at start-up) opens only after the
// window's question, answered « Oui » (the work downloaded first), « Non »
// or « Annuler »; « Ordonner » opens again on the cards last left.
// Registered by navigateur.mjs; `c` as for exercices.mjs.
import { execFileSync } from "node:child_process";
import { mkdtempSync, rmSync, writeFileSync } from "node:fs";
import { join } from "node:path";
import { test, verifier, egal, Telecharge, Saisir } from "./outils.mjs";
import { RangerAuClavier, OuvrirExerciceParLeMenu, CollerLien } from "./exercices.mjs";

// The window's question (app/fenetre_bureau.cpp) and its three buttons.
const QUESTION_REPONSE = "Ta réponse à l'exercice n'a pas été enregistrée.\nVeux-tu l'enregistrer ?";
const QUESTION_LISTE = "La liste des événements n'a pas été sauvée.\nVoulez-vous la sauver ?";
const BOUTONS = ["Oui", "Non", "Annuler"];

export function TestsReprise(c) {
  const nav = () => c.nav();
  const rendu = (...args) =>
    execFileSync(c.programme, ["--base", c.base, ...args], { encoding: "utf8", stdio: ["ignore", "pipe", "pipe"] });
  const profils = [];
  const liens = {}; // exercise title -> its link's text
  const chemins = {}; // exercise title -> its file

  function Exercice(titre, liste) {
    if (!chemins[titre]) {
      chemins[titre] = join(c.temp, `reprise-${titre}.exo`);
      rendu("--make-exercise", chemins[titre], "--title", titre, join(c.echantillons, liste));
    }
    return chemins[titre];
  }
  const Discordance = () => Exercice("Discordance", "discordance-faillee.lst");
  const Granite = () => Exercice("Granite", "granite.lst");

  // The page's work as it stands and as the browser keeps it.
  const Etat = () =>
    nav().executerAsync(async () => {
      await window.strataloom.garde();
      const s = window.strataloom.session();
      return {
        titre: s.titreExercice(),
        liste: Array.from(s.texteListe()).join(),
        ordre: s.ordreDonne(),
        fragment: location.hash,
        gardee: Array.from(localStorage.getItem("strataloom.liste") || "", (x) => x.charCodeAt(0)).join(),
      };
    });
  const Garde = () => nav().executerAsync(() => window.strataloom.garde());
  const Repris = () => nav().executerAsync(() => window.strataloom.repris);
  const SEDIMENTATION = Array.from(Buffer.from("S\xe9dimentation\r\n", "latin1")).join();

  // « Ordonner » as the pupil sees it: the cards' order and, for each card
  // after the first, the principle and formation chosen.
  const Panneau = () =>
    nav().executer(() => ({
      cartes: window.strataloom.exercices.panneauOrdonner.cartes(),
      choix: Array.from(document.querySelectorAll("#Cartes li"), (li) =>
        Array.from(li.querySelectorAll("select"), (s) => s.value).join("/")),
    }));
  async function OuvrirOrdonner() {
    await nav().cliquer("#Exercice1");
    await nav().cliquer("#Ordonner1");
  }
  // The `n`th option of the `k`th select of card `rang` (from 1), as chosen
  // in its list.
  const Choisir = (rang, k, n) =>
    nav().executer((r, i, o) => {
      const s = document.querySelectorAll(`#Cartes li:nth-child(${r}) select`)[i];
      s.value = s.options[o].value;
      s.dispatchEvent(new Event("change"));
    }, rang, k, n);

  async function LireEtFermer() {
    const b = await c.Boite(true);
    verifier(b, "aucune boîte affichée");
    await nav().cliquer(`#${b.id} button`);
    return b;
  }
  // The question, checked, then answered with `valeur`.
  async function Repondre(texte, valeur) {
    const b = await c.Boite(true);
    egal(b && [b.texte, b.boutons, b.classe.includes("question")], [texte, BOUTONS, true], "question posée");
    egal(await nav().executer(() => document.activeElement.value), "annuler", "bouton par défaut de la question");
    await nav().cliquer(`#boite-message button[value=${valeur}]`);
  }
  // The exercise's opening announced.
  async function Annonce(titre) {
    const b = await LireEtFermer();
    verifier(b.texte.includes(`« ${titre} »`), `annonce de « ${titre} » attendue : ${b.texte}`);
  }
  // The name asked for an answer, then the file's name, then the download.
  async function TelechargerReponse() {
    await Saisir(nav(), "Inès Martin");
    await Saisir(nav());
    return Telecharge(c.telechargements);
  }
  const Coller = (lien) => CollerLien(nav(), lien);

  test("reprise : le lien de l'exercice rouvert après la fermeture du navigateur reprend le travail, ordre et justifications compris", async () => {
    const profil = mkdtempSync(join(c.temp, "profil-"));
    profils.push(profil);
    await c.Ouvrir({ profil });
    await c.FermerAvertissement();
    egal(await c.Boite(), null, "rien à reprendre dans un navigateur neuf");
    for (const [titre, chemin] of [["Granite", Granite()], ["Discordance", Discordance()]]) {
      await OuvrirExerciceParLeMenu(nav(), chemin);
      await Annonce(titre);
      liens[titre] = await nav().executer(() => window.strataloom.session().lienExercice());
    }
    for (const id of ["Sedim", "Sedim", "Plissa"]) await nav().cliquer("#" + id);
    await OuvrirOrdonner();
    await RangerAuClavier(nav(), await nav().executer(() => window.strataloom.exercices.panneauOrdonner.cartes()));
    await Choisir(2, 0, 1);
    await Choisir(2, 1, 1);
    await Choisir(3, 0, 2);
    await nav().cliquer("#VerifierOrdre");
    const panneau = await Panneau();
    await nav().cliquer("#FermerOrdonner");
    await Garde();
    const avant = await Etat();
    verifier(avant.ordre && avant.liste.length > SEDIMENTATION.length, `travail à garder : ${JSON.stringify(avant)}`);
    egal(avant.gardee, avant.liste, "liste gardée avant de fermer");

    // The browser closed, then the link opened in it again.
    await c.Ouvrir({ profil, adresse: c.url + "#exercice=" + liens.Discordance });
    await c.FermerAvertissement();
    const offre = await c.Boite();
    verifier(offre && offre.boutons.join() === "Reprendre,Nouvelle coupe", `offre de reprise attendue : ${JSON.stringify(offre)}`);
    await nav().cliquer("#boite-message button[value=reprendre]");
    egal(await c.Boite(), null, "ni question ni exercice rouvert après « Reprendre »");
    await Repris();
    egal(await Etat(), { ...avant, fragment: "" }, "exercice, liste, ordre repris ; liste gardée ; lien ôté de l'adresse");
    await OuvrirOrdonner();
    egal(await Panneau(), panneau, "« Ordonner » sur l'ordre et les justifications repris");
    await nav().cliquer("#FermerOrdonner");
  });

  test("reprise : avant un autre exercice, choisi ou collé en lien, la question de la fenêtre ; « Annuler » garde tout", async () => {
    const avant = await Etat();
    verifier(avant.titre === "Discordance" && avant.ordre, `travail en cours attendu : ${JSON.stringify(avant)}`);
    await OuvrirExerciceParLeMenu(nav(), Granite());
    await Repondre(QUESTION_REPONSE, "annuler");
    egal(await c.Boite(), null, "rien après « Annuler »");
    egal(await Etat(), avant, "« Annuler » au fichier choisi");
    await Coller(liens.Granite);
    await Repondre(QUESTION_REPONSE, "annuler");
    egal(await c.Boite(), null, "rien après « Annuler »");
    egal(await Etat(), avant, "« Annuler » au lien collé (le lien ôté de l'adresse)");
    // The same exercise's link pasted: its work stays, nothing is asked.
    await Coller(liens.Discordance);
    egal(await c.Boite(), null, "le lien de l'exercice ouvert ne demande rien");
    egal(await Etat(), avant, "le lien de l'exercice ouvert garde le travail");
  });

  test("reprise : « Oui » télécharge la réponse puis ouvre, « Non » ouvre ; rien à perdre, rien n'est demandé", async () => {
    const avant = await Etat();
    await OuvrirExerciceParLeMenu(nav(), Granite());
    await Repondre(QUESTION_REPONSE, "oui");
    const rep = await TelechargerReponse();
    egal(rep.nom, "Inès Martin - Discordance.rep", "réponse téléchargée");
    await Annonce("Granite");
    let e = await Etat();
    egal([e.titre, e.liste, e.ordre, e.gardee], ["Granite", SEDIMENTATION, null, SEDIMENTATION], "« Oui » : l'autre exercice ouvert");
    const chemin = join(c.temp, "reprise.rep");
    writeFileSync(chemin, rep.octets);
    const champs = rendu("--grade", Discordance(), chemin).trim().split("\n")[1].split(";");
    // The last three fields: the order's mark, then the section's and the order's checks.
    egal([champs[1], champs.at(-3)], ["Inès Martin", String(avant.ordre.note)], "la réponse : l'élève et la note de l'ordre");
    // Nothing done since the opening: nothing asked.
    await OuvrirExerciceParLeMenu(nav(), Discordance());
    await Annonce("Discordance");
    // Events, then « Non »: the link's exercise opens over them.
    await nav().cliquer("#Sedim");
    await Coller(liens.Granite);
    await Repondre(QUESTION_REPONSE, "non");
    await Annonce("Granite");
    e = await Etat();
    egal([e.titre, e.liste, e.fragment], ["Granite", SEDIMENTATION, ""], "« Non » : l'autre exercice ouvert");
    // The answer saved after the last change: nothing asked.
    await nav().cliquer("#Sedim");
    await nav().cliquer("#Exercice1");
    await nav().cliquer("#Reponse1");
    await TelechargerReponse();
    await OuvrirExerciceParLeMenu(nav(), Discordance());
    await Annonce("Discordance");
  });

  test("reprise : sans exercice, la question de la liste ; au démarrage, le lien d'un autre exercice la pose aussi", async () => {
    await c.Ouvrir();
    await c.FermerAvertissement();
    for (const id of ["Sedim", "Plissa"]) await nav().cliquer("#" + id);
    const avant = await Etat();
    await OuvrirExerciceParLeMenu(nav(), Discordance());
    await Repondre(QUESTION_LISTE, "annuler");
    egal(await c.Boite(), null, "rien après « Annuler »");
    egal(await Etat(), avant, "« Annuler » garde la liste, sans exercice");
    // The tab reloaded on another exercise's link: the list is offered,
    // taken back, then the question comes before the link's exercise.
    const Recharger = async () => {
      // Through another page: the fragment alone changed would not load it again.
      await nav().ouvrir("about:blank");
      await nav().ouvrir(c.url + "#exercice=" + liens.Discordance);
      await nav().executerAsync(() => window.strataloom.pret);
      await c.FermerAvertissement();
      // The offer of the kept list, once the page has shown it.
      const offre = await c.Boite(true);
      verifier(offre && offre.boutons.join() === "Reprendre,Nouvelle coupe", `offre de reprise : ${JSON.stringify(offre)}`);
      await nav().cliquer("#boite-message button[value=reprendre]");
    };
    await Recharger();
    await Repondre(QUESTION_LISTE, "annuler");
    egal(await c.Boite(), null, "rien après « Annuler » au démarrage");
    await Repris();
    egal(await Etat(), avant, "« Annuler » au démarrage : la liste reprise, sans exercice, le lien ôté");
    await Recharger();
    await Repondre(QUESTION_LISTE, "oui");
    await Saisir(nav());
    const lst = await Telecharge(c.telechargements);
    egal([lst.nom, Array.from(lst.octets).join()], ["Exemple.lst", avant.liste], "« Oui » : la liste sauvée");
    await Annonce("Discordance");
    await Repris();
    egal((await Etat()).titre, "Discordance", "« Oui » : l'exercice du lien ouvert");
  });

  test("reprise : « Ordonner » se rouvre sur les cartes et les justifications laissées, vérifiées ou non ; un autre exercice les redonne", async () => {
    await OuvrirOrdonner();
    const donne = await Panneau();
    verifier(donne.choix.slice(1).every((x) => x === "0/-1"), `justifications vides au premier tirage : ${donne.choix}`);
    await nav().cliquer("#Descendre");
    await Choisir(2, 0, 1);
    await Choisir(3, 1, 1);
    const laisse = await Panneau();
    verifier(laisse.cartes.join() !== donne.cartes.join(), "la carte n'a pas bougé");
    await nav().cliquer("#FermerOrdonner");
    await OuvrirOrdonner();
    egal(await Panneau(), laisse, "rouvert sans vérification");
    await nav().cliquer("#VerifierOrdre");
    await nav().cliquer("#FermerOrdonner");
    await OuvrirOrdonner();
    egal(await Panneau(), laisse, "rouvert après la vérification");
    await nav().cliquer("#FermerOrdonner");
    // Another exercise: its own cards, no justification.
    await OuvrirExerciceParLeMenu(nav(), Granite());
    await Repondre(QUESTION_REPONSE, "non");
    await Annonce("Granite");
    await OuvrirOrdonner();
    const autre = await Panneau();
    verifier(autre.choix.slice(1).every((x) => x === "0/-1"), `justifications de l'autre exercice : ${autre.choix}`);
    await nav().cliquer("#FermerOrdonner");
  });

  test("reprise : les cartes données d'une graine tirée à l'ouverture et gardée : les mêmes après la fermeture du navigateur ; un autre exercice en tire une autre", async () => {
    const profil = mkdtempSync(join(c.temp, "profil-"));
    profils.push(profil);
    await c.Ouvrir({ profil });
    await c.FermerAvertissement();
    await OuvrirExerciceParLeMenu(nav(), Discordance());
    await Annonce("Discordance");
    const Graine = () =>
      nav().executer(() => [window.strataloom.session().graineDonne(), localStorage.getItem("strataloom.graine")]);
    const [graine, gardee] = await Graine();
    verifier(Number.isInteger(graine) && graine >= 0 && graine <= 0xffffffff, `graine tirée : ${graine}`);
    egal(gardee, String(graine), "graine gardée par le navigateur");
    await nav().cliquer("#Sedim");
    await OuvrirOrdonner();
    const donne = await Panneau();
    await nav().cliquer("#FermerOrdonner");
    await Garde();

    // The browser closed and opened again: the work taken back deals the
    // same cards, from the same seed.
    await c.Ouvrir({ profil });
    await c.FermerAvertissement();
    const offre = await c.Boite();
    verifier(offre && offre.boutons.join() === "Reprendre,Nouvelle coupe", `offre de reprise attendue : ${JSON.stringify(offre)}`);
    await nav().cliquer("#boite-message button[value=reprendre]");
    await Repris();
    egal(await Graine(), [graine, String(graine)], "graine reprise");
    await OuvrirOrdonner();
    egal(await Panneau(), donne, "les mêmes cartes après la fermeture du navigateur");
    await nav().cliquer("#FermerOrdonner");

    // Another exercise opened: a seed of its own.
    await OuvrirExerciceParLeMenu(nav(), Granite());
    await Repondre(QUESTION_REPONSE, "non");
    await Annonce("Granite");
    const [autre, autreGardee] = await Graine();
    verifier(autre !== graine, `un autre exercice garde la graine ${graine}`);
    egal(autreGardee, String(autre), "graine de l'autre exercice gardée");
    // Back to a fresh browser for the tests after these.
    await c.Ouvrir();
    await c.FermerAvertissement();
    for (const p of profils.splice(0)) rmSync(p, { recursive: true, force: true });
  });
}
