// SPDX-License-Identifier: GPL-3.0-or-later
// The "Exercice" menu in the browser, against strataloom-render: an
// exercise made by --make-exercise opened by the file picker, "Vérifier ma
// coupe" giving --check's mark and remarks, the cards ordered and justified
// from the keyboard, the answer downloaded and graded by --grade with the
// same marks, the layouts of a small screen and of a tablet, and the
// English page. Registered by navigateur.mjs; `c` as for formations.mjs,
// plus Ouvrir(options), FermerAvertissement(), Boite(), temp and the
// renderer's path and Base folder.
import { execFileSync } from "node:child_process";
import { readFileSync, readdirSync, writeFileSync } from "node:fs";
import { join } from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";
import { test, verifier, egal, Telecharge, Saisir } from "./outils.mjs";

const ALT = "\uE00A";
const HAUT = "\uE013";
const BAS = "\uE015";
const F9 = "\uE039";

// A list of lines (UTF-8 words) as the desktop writes it.
const Liste = (lignes) => Buffer.from(lignes.map((l) => l + "\r\n").join(""), "latin1");
export const SIX_EVENEMENTS = Liste(["Sédimentation", "Sédimentation", "Compression", "Erosion", "Sédimentation",
  "Distension", "Sédimentation"]);

// The cards of "Ordonner" (their ids as dealt) sorted by the list's order,
// the model's own and always right, with the arrows and Alt+Up only: a
// selection sort from the keyboard.
export async function RangerAuClavier(nav, ids) {
  const ordre = [...ids];
  await nav.executer(() => document.getElementById("Cartes").focus());
  let rang = 0; // the chosen card
  for (let cible = 0; cible < ordre.length; ++cible) {
    const min = ordre.indexOf(Math.min(...ordre.slice(cible)));
    const pas = [];
    for (; rang < min; ++rang) pas.push(BAS);
    for (; rang > min; --rang) pas.push(HAUT);
    for (let k = min; k > cible; --k) pas.push([ALT, HAUT]);
    if (pas.length) await nav.touches(...pas);
    ordre.splice(cible, 0, ...ordre.splice(min, 1));
    rang = cible;
  }
}

// The exercise file at `chemin` chosen in "Ouvrir un exercice...", once the
// page has read it.
export async function OuvrirExerciceParLeMenu(nav, chemin) {
  await nav.cliquer("#Exercice1");
  await nav.cliquer("#Ouvrirexercice1");
  await nav.envoyerFichier("#choix-exercice", chemin);
  await nav.executerAsync(() => window.strataloom.garde());
}

// A link's text pasted after "#exercice=" in the open page's address, once
// the page has heard of it.
export const CollerLien = (nav, lien) =>
  nav.executerAsync(
    (a) =>
      new Promise((r) => {
        window.addEventListener("hashchange", () => r(), { once: true });
        location.hash = a;
      }),
    "#exercice=" + lien,
  );

export function TestsExercices(c) {
  const nav = () => c.nav();
  const rendu = (...args) =>
    execFileSync(c.programme, ["--base", c.base, ...args], { encoding: "utf8", stdio: ["ignore", "pipe", "pipe"] });
  const exo = join(c.temp, "Discordance.exo");
  const modele = join(c.echantillons, "discordance-faillee.lst");
  let exoFait = false; // the exercise file made by the renderer

  const OuvrirExercice = (chemin) => OuvrirExerciceParLeMenu(nav(), chemin);

  // The page's box, closed after reading it.
  async function LireEtFermer() {
    const b = await c.Boite(true);
    verifier(b, "aucune boîte affichée");
    await nav().cliquer(`#${b.id} button`);
    return b;
  }

  test("exercice : ouvert par le menu, la coupe recommence et la cible devient le modèle", async () => {
    rendu("--make-exercise", exo, "--title", "Discordance", modele);
    exoFait = true;
    await nav().cliquer("#Sedim");
    const avant = await nav().executer(() => document.getElementById("Verifier1").disabled);
    egal(avant, true, "« Vérifier ma coupe » grisé sans exercice");
    await OuvrirExercice(exo);
    // Events on screen, no exercise yet: the window's question about the
    // list comes first; « Non » opens the exercise over them.
    const q = await c.Boite(true);
    egal(q && [q.texte, q.boutons], ["La liste des événements n'a pas été sauvée.\nVoulez-vous la sauver ?",
      ["Oui", "Non", "Annuler"]], "question avant d'ouvrir l'exercice");
    await nav().cliquer("#boite-message button[value=non]");
    const b = await LireEtFermer();
    verifier(b.texte.includes("« Discordance »"), `message d'ouverture : ${b.texte}`);
    const e = await nav().executer(() => ({
      lignes: window.strataloom.session().lignes(),
      titre: window.strataloom.session().titreExercice(),
      bouton: !document.getElementById("VerifierCoupe").hidden,
      articles: ["Verifier1", "Ordonner1", "Reponse1"].map((id) => document.getElementById(id).disabled),
      comparable: document.getElementById("zone-vue").classList.contains("comparable"),
      ligne: document.getElementById("TitreExercice").offsetParent && document.getElementById("TitreExercice").textContent,
      consigne: !!document.getElementById("ConsigneExercice").offsetParent,
    }));
    egal(e.lignes, ["Sédimentation"], "la coupe recommence");
    // Named above the commands; the package's instruction is for packages.
    egal([e.ligne, e.consigne], ["Exercice : Discordance", false], "exercice nommé dans le panneau");
    // The model pressed shows the model's rock view, as the section shows
    // its own; « Roches » off, the model's own picture.
    const modeleVu = () => nav().executer(() => {
      const s = window.strataloom.session();
      const toile = document.getElementById("Modele");
      const vus = toile.getContext("2d").getImageData(0, 0, toile.width, toile.height).data;
      const roches = Array.from(s.vueExerciceRgba(true));
      const coeur = Array.from(s.vueExerciceRgba(false));
      const egaux = (r) => r.length === vus.length && r.every((v, i) => v === vus[i]);
      return [egaux(roches), egaux(coeur)];
    });
    egal(await modeleVu(), [true, false], "le modèle en vue des roches");
    await nav().executer(() => document.getElementById("Roches1").click());
    egal(await modeleVu(), [false, true], "« Roches » éteint : le modèle tel quel");
    await nav().executer(() => document.getElementById("Roches1").click());
    egal([e.titre, e.bouton, e.articles, e.comparable], ["Discordance", true, [false, false, false], true], "état ouvert");
    // A file that is not an exercise: the engine's reason, nothing changes.
    const mauvais = join(c.temp, "abime.exo");
    writeFileSync(mauvais, readFileSync(exo).subarray(0, 60));
    await nav().cliquer("#Sedim");
    await OuvrirExercice(mauvais);
    const refus = await LireEtFermer();
    verifier(refus.classe.includes("erreur") && refus.texte.startsWith("Impossible d'ouvrir l'exercice abime.exo : "),
      `refus attendu : ${JSON.stringify(refus)}`);
    const apres = await nav().executer(() => [window.strataloom.session().titreExercice(), window.strataloom.session().nombreLignes()]);
    egal(apres, ["Discordance", 2], "un fichier refusé ne change rien");
  });

  test("exercice : « Vérifier ma coupe » (F9) donne la note et les remarques de strataloom-render --check", async () => {
    const partielle = join(c.temp, "partielle.lst");
    writeFileSync(partielle, Liste(["Sédimentation", "Sédimentation", "Compression", "Erosion"]));
    await c.ChargerParLeMenu(partielle);
    await nav().executer(() => document.getElementById("Visu").focus());
    await nav().touches(F9);
    const b = await LireEtFermer();
    const attendu = rendu("--check", exo, partielle).trim().split("\n");
    const page = b.texte.split("\n");
    egal(page.at(-1), attendu.at(-1), "note");
    egal(page.slice(1, -1), attendu.slice(1, -1), "remarques");
    // The differing pixels in magenta over the view, as many as the engine counts.
    const m = await nav().executer(() => {
      const t = document.getElementById("Ecarts");
      const d = t.getContext("2d").getImageData(0, 0, t.width, t.height).data;
      let n = 0;
      for (let i = 0; i < d.length; i += 4) if (d[i] === 255 && d[i + 1] === 0 && d[i + 2] === 255 && d[i + 3] > 0) ++n;
      return { visible: !t.hidden, n, pixels: window.strataloom.exercices.dernier().pixels };
    });
    verifier(m.visible && m.n > 0, "écarts non montrés");
    egal(m.n, m.pixels, "pixels en magenta");
    // The section changes: the overlay goes.
    await nav().cliquer("#Sedim");
    egal(await nav().executer(() => document.getElementById("Ecarts").hidden), true, "écarts effacés après un événement");
    // The model's own list: 20/20 from the button beside the commands.
    await c.ChargerParLeMenu(modele);
    await nav().cliquer("#VerifierCoupe");
    const juste = await LireEtFermer();
    egal(juste.texte.split("\n").at(-1), rendu("--check", exo, modele).trim().split("\n").at(-1), "note de la bonne coupe");
  });

  test("exercice : ordonner et justifier au clavier, puis la réponse notée par strataloom-render --grade", async () => {
    // Every press of a « Vérifier » counts: those of the earlier tests, then one here.
    const avant = await nav().executer(() => window.strataloom.session().verifications());
    await nav().cliquer("#Exercice1");
    await nav().cliquer("#Ordonner1");
    const ids = await nav().executer(() => window.strataloom.exercices.panneauOrdonner.cartes());
    verifier(ids.length === 5, `cartes : ${ids}`);
    // The faulted exercise's legend lists its structures apart, as the window's does.
    const structures = await nav().executer(() =>
      [...document.querySelectorAll("#LegendeOrdonner [data-structure]")].map((l) => l.dataset.structure));
    verifier(structures.includes("F1"), `structures : ${structures}`);
    await RangerAuClavier(nav(), ids);
    egal(await nav().executer(() => window.strataloom.exercices.panneauOrdonner.cartes()), [...ids].sort((a, b) => a - b),
      "ordre après les touches");
    // One justification chosen from the keyboard: the second card's principle.
    await nav().executer(() => document.querySelector("#Cartes li:nth-child(2) select").focus());
    await nav().touches(BAS);
    await nav().cliquer("#VerifierOrdre");
    const r = await nav().executer(() => ({
      texte: document.getElementById("Resultat").textContent,
      dernier: window.strataloom.exercices.panneauOrdonner.dernier(),
    }));
    verifier(r.dernier && r.dernier.juste, `ordre juste attendu : ${r.texte}`);
    egal(r.texte.split("\n").at(-1), `Note de l'ordre : ${r.dernier.note}/20`, "note de l'ordre affichée");
    await nav().cliquer("#FermerOrdonner");
    // The answer: name asked, then the file name, then the download.
    await nav().cliquer("#Exercice1");
    await nav().cliquer("#Reponse1");
    await Saisir(nav(), "Inès Martin");
    egal((await Saisir(nav())).propose, "Inès Martin - Discordance.rep", "nom de fichier proposé");
    const rep = await Telecharge(c.telechargements);
    egal(rep.nom, "Inès Martin - Discordance.rep", "nom du fichier");
    // The confirmation's line (shown a few seconds, its text kept).
    egal(await nav().executer(() => document.getElementById("Confirmation").textContent),
      "Réponse enregistrée : Inès Martin - Discordance.rep", "confirmation du téléchargement");
    const chemin = join(c.temp, "reponse.rep");
    writeFileSync(chemin, rep.octets);
    const csv = rendu("--grade", exo, chemin).trim().split("\n");
    const champs = csv[1].split(";");
    egal(champs[1], "Inès Martin", "élève");
    egal(champs[2], rendu("--check", exo, modele).trim().match(/Note : (\d+)\/20/)[1], "note de la coupe");
    // The last three fields (a remark may hold « ; »): the order's mark, the checks.
    egal(champs.at(-3), String(r.dernier.note), "note de l'ordre");
    egal(champs.slice(-2), [String(avant.coupe), String(avant.ordre + 1)], "vérifications de la coupe et de l'ordre");
    // Opened, checked, ordered and handed in: nothing went to the network
    // (the log also holds the browser's own chrome:// pages and local files).
    const reseau = (await nav().requetes()).filter((u) => /^(https?|wss?|ftp):/i.test(u));
    egal(reseau, [], "requêtes du navigateur vers le réseau");
  });

  test("exercice : une carte glissée à la souris puis au doigt prend la place montrée, sans que rien ne défile", async () => {
    await nav().cliquer("#Exercice1");
    await nav().cliquer("#Ordonner1");
    const carte = () => nav().executer(() => window.strataloom.exercices.panneauOrdonner.cartes());
    const depart = await carte();
    // Where each card stands: a point on its name, its middle, its edges.
    const Cartes = () => nav().executer(() => [...document.querySelectorAll("#Cartes li")].map((li) => {
      const r = li.getBoundingClientRect();
      return { x: Math.round(r.left + 30), y: Math.round(r.top + r.height / 2), haut: r.top, bas: r.bottom };
    }));
    const Vu = () => nav().executer(() => ({
      places: [...document.querySelectorAll("#Cartes li")].map((li) =>
        li.classList.contains("place-avant") ? "avant" : li.classList.contains("place-apres") ? "apres" : ""),
      defilements: [window.scrollY, document.querySelector(".corps-ordonner").scrollTop, document.getElementById("Cartes").scrollTop],
    }));
    const avant = await Vu();
    // The mouse takes the first card just below the third card's middle:
    // two cards' middles are then above it, it goes third.
    let c = await Cartes();
    const souris = (actions) => ({ type: "pointer", id: "souris", parameters: { pointerType: "mouse" }, actions });
    await nav().actions([souris([
      { type: "pointerMove", origin: "viewport", x: c[0].x, y: c[0].y, duration: 0 },
      { type: "pointerDown", button: 0 },
      { type: "pointerMove", origin: "viewport", x: c[0].x, y: c[0].y + 10, duration: 30 },
      { type: "pointerMove", origin: "viewport", x: c[0].x, y: c[2].y + 3, duration: 60 },
    ])], false);
    const tenue = await Vu();
    egal(tenue.places, ["", "", "", "avant", ""], "la place montrée : avant la quatrième carte");
    await nav().actions([souris([{ type: "pointerUp", button: 0 }])]);
    const attendu = [depart[1], depart[2], depart[0], ...depart.slice(3)];
    egal(await carte(), attendu, "ordre après le glisser à la souris");
    // A finger takes that card (now third) back above the first card's
    // middle; the touch is never taken for a scroll of the page or the box.
    c = await Cartes();
    const doigt = (type, y) => nav().cdp("Input.dispatchTouchEvent",
      { type, touchPoints: type === "touchEnd" ? [] : [{ x: c[2].x, y }] });
    await doigt("touchStart", c[2].y);
    for (const y of [c[2].y - 6, c[1].y, c[0].y, c[0].y - 3]) await doigt("touchMove", y);
    const auDoigt = await Vu();
    await doigt("touchEnd");
    egal(auDoigt.places, ["avant", "", "", "", ""], "la place montrée au doigt : avant la première carte");
    egal(auDoigt.defilements, avant.defilements, "rien n'a défilé pendant que la carte était tenue");
    egal(await carte(), depart, "ordre après le glisser au doigt");
    // A press that does not move is a choice, not a move; the marks are gone.
    await nav().actions([souris([
      { type: "pointerMove", origin: "viewport", x: c[3].x, y: c[3].y, duration: 0 },
      { type: "pointerDown", button: 0 }, { type: "pointerUp", button: 0 }])]);
    const fin = await Vu();
    egal([await carte(), fin.places], [depart, ["", "", "", "", ""]], "un clic ne déplace rien");
    egal(await nav().executer(() => document.querySelector("#Cartes li.choisie").dataset.id), String(depart[3]),
      "le clic choisit la carte");
    await nav().cliquer("#FermerOrdonner");
  });

  test("exercice : l'exercice, la liste et l'ordre vérifié survivent à la fermeture de la page", async () => {
    const avant = await nav().executer(() => [window.strataloom.session().texteListe().length,
      window.strataloom.session().ordreDonne(), window.strataloom.session().verifications()]);
    verifier(avant[2].ordre > 0, `vérifications avant : ${JSON.stringify(avant[2])}`);
    await nav().executerAsync(() => window.strataloom.garde());
    egal(await nav().executer(() => (localStorage.getItem("strataloom.liste") || "").length), avant[0], "liste gardée");
    await nav().ouvrir(c.url);
    await nav().executerAsync(() => window.strataloom.pret);
    await c.FermerAvertissement();
    const b = await c.Boite();
    verifier(b && b.boutons.length === 2, `offre de reprise attendue : ${JSON.stringify(b)}`);
    await nav().cliquer("#boite-message button[value=reprendre]");
    await nav().executerAsync(() => window.strataloom.repris);
    const apres = await nav().executer(() => [window.strataloom.session().titreExercice(),
      window.strataloom.session().texteListe().length, window.strataloom.session().ordreDonne(),
      window.strataloom.session().verifications()]);
    // The order judged again on taking it back is no check: the counts are the kept ones.
    egal(apres, ["Discordance", ...avant], "exercice, liste, ordre et vérifications repris");
  });

  // Every box the start-up shows, closed by its first button, in order.
  async function BoitesDuDemarrage() {
    const textes = [];
    for (let b; (b = await c.Boite()); ) {
      textes.push(b.texte || "");
      await nav().cliquer(`#${b.id} button`);
    }
    return textes;
  }

  test("exercice : le lien de l'exercice ouvre le même exercice dans un autre navigateur ; un lien abîmé est refusé", async () => {
    // The box says the link is copied only when the browser took it, and
    // holds the link within its width.
    const Lien = async (accepte) => {
      await nav().executer((accepte) => {
        window.copiesDuLien = [];
        Object.defineProperty(navigator, "clipboard", { configurable: true, value: { writeText: async (t) => {
          if (!accepte) throw new Error("refusé");
          window.copiesDuLien.push(t);
        } } });
      }, accepte);
      await nav().cliquer("#Exercice1");
      await nav().cliquer("#Lienexercice1");
      await c.Boite(true);
      const mesure = await nav().executer(() => {
        const d = document.querySelector("dialog[open]");
        const r = d.getBoundingClientRect();
        return { copies: window.copiesDuLien, large: d.scrollWidth > d.clientWidth + 1 || r.right > innerWidth };
      });
      return { ...mesure, texte: (await LireEtFermer()).texte };
    };
    const refuse = await Lien(false);
    const b = await Lien(true);
    const adresse = b.texte.split("\n").find((l) => l.includes("#exercice="));
    verifier(adresse && adresse.startsWith(c.url + "#exercice="), `adresse : ${b.texte}`);
    egal([b.copies, b.large, refuse.copies, refuse.large], [[adresse], false, [], false], "lien copié, boîte à sa largeur");
    egal([refuse.texte.split("\n")[0], b.texte.split("\n")[0]], ["Le lien de l'exercice, à copier et à donner aux élèves :",
      "Le lien de l'exercice est copié : collez-le là où les élèves le trouveront."], "la boîte dit si le lien est copié");
    verifier(b.texte.includes("ne fonctionne que sur cet ordinateur"), "avertissement file:// absent");
    // Another browser, which keeps nothing of this one's work.
    await c.Ouvrir({ adresse });
    const textes = await BoitesDuDemarrage();
    await nav().executerAsync(() => window.strataloom.repris);
    verifier(textes.some((t) => t.includes("« Discordance »")), `message d'ouverture : ${JSON.stringify(textes)}`);
    const e = await nav().executer(() => [window.strataloom.session().titreExercice(), location.hash,
      window.strataloom.session().lignes()]);
    egal(e, ["Discordance", "", ["Sédimentation"]], "exercice ouvert par le lien, adresse sans fragment");
    // One character changed in the fingerprint: refused, with its reason.
    const lien = adresse.split("#exercice=")[1];
    const abime = lien.slice(0, -3) + (lien.at(-3) === "A" ? "B" : "A") + lien.slice(-2);
    // Pasted into the open page's address: refused, with its reason.
    await CollerLien(nav(), abime);
    const refus = await BoitesDuDemarrage();
    egal(await nav().executer(() => [window.strataloom.session().titreExercice(), location.hash]), ["Discordance", ""],
      "un lien refusé ne change rien");
    verifier(refus.some((t) => t.startsWith("Impossible d'ouvrir l'exercice de ce lien : ")),
      `refus attendu : ${JSON.stringify(refus)}`);
  });

  // « Enregistrer la page de l'exercice... »: one file, the page's own
  // bytes with the exercise named before its scripts, which opens that
  // exercise from a disk, no other, and keeps its work under its own keys.
  test("exercice : la page de l'exercice, un seul fichier, s'ouvre sur son exercice et n'en ouvre pas d'autre", async () => {
    await c.Ouvrir();
    await BoitesDuDemarrage();
    await OuvrirExercice(exo);
    await LireEtFermer();
    await nav().cliquer("#Exercice1");
    await nav().cliquer("#Pageexercice1");
    egal((await Saisir(nav())).propose, "Discordance.html", "nom de fichier proposé");
    const f = await Telecharge(c.telechargements);
    egal(await nav().executer(() => document.getElementById("Confirmation").textContent),
      "Page de l'exercice enregistrée : Discordance.html", "confirmation");
    // The page as built, with one script more, before its marked scripts.
    const page = readFileSync(fileURLToPath(c.url), "latin1");
    const html = f.octets.toString("latin1");
    const ajout = /<script>window\.STRATALOOM_EXERCICE = \{"exercice":"([A-Za-z0-9+/=]*)","nom":"Discordance\.exo"\};<\/script>\n/.exec(html);
    verifier(ajout, "le script de l'exercice");
    egal(Buffer.from(ajout[1], "base64").equals(readFileSync(exo)), true, "l'exercice porté est le fichier ouvert");
    egal(html.slice(0, ajout.index) + html.slice(ajout.index + ajout[0].length) === page, true, "le reste est la page");
    egal(html.indexOf('<script data-strataloom="donnees">'), ajout.index + ajout[0].length, "placé avant les scripts marqués");
    const chemin = join(c.temp, "Discordance.html");
    writeFileSync(chemin, f.octets);

    // Opened from the disk in a browser of its own: the exercise at once,
    // the menu of a page bound to it, what the pupil has to do.
    await c.Ouvrir({ adresse: pathToFileURL(chemin).href });
    await BoitesDuDemarrage();
    await nav().executerAsync(() => window.strataloom.repris);
    const ABSENTS = ["Ouvrirexercice1", "Creerexercice1", "Espaceenseignant1", "ExporterScorm1", "Lienexercice1",
      "Pageexercice1"];
    const Etat = () => nav().executer((ids) => ({
      titre: window.strataloom.session().titreExercice(),
      lignes: window.strataloom.session().lignes().length,
      absents: ids.filter((id) => document.getElementById(id)),
      consigne: document.getElementById("ConsigneExercice").offsetParent ? document.getElementById("ConsigneExercice").textContent : "",
      cles: Object.keys(localStorage).sort(),
    }), ABSENTS);
    let e = await Etat();
    egal([e.titre, e.lignes, e.absents], ["Discordance", 1, []], "exercice ouvert, articles absents");
    verifier(e.consigne.includes("enregistre ta réponse"), `consigne : ${e.consigne}`);
    // Its work under its own keys only: pages opened from a disk share one storage.
    await nav().cliquer("#Sedim");
    await nav().executerAsync(() => window.strataloom.garde());
    e = await Etat();
    verifier(e.cles.length > 0 && e.cles.every((k) => /^strataloom\.feuille\.[0-9a-f]+\./.test(k)), `clés : ${e.cles}`);
    // Another exercise's link: refused, this one stays.
    await CollerLien(nav(), "AAAA");
    const refus = await LireEtFermer();
    egal(refus.texte, "Cette page est celle de l'exercice « Discordance » : elle n'en ouvre pas d'autre. Ton travail " +
      "reste celui de cet exercice.", "lien refusé");
    // Opened again: the work kept is offered back, on the same exercise.
    await nav().ouvrir(pathToFileURL(chemin).href);
    await nav().executerAsync(() => window.strataloom.pret);
    await c.FermerAvertissement();
    const offre = await c.Boite(true);
    verifier(offre && offre.boutons.length === 2, `offre de reprise : ${JSON.stringify(offre)}`);
    await nav().cliquer("#boite-message button[value=reprendre]");
    await nav().executerAsync(() => window.strataloom.repris);
    e = await Etat();
    egal([e.titre, e.lignes], ["Discordance", 2], "travail repris sur le même exercice");
  });

  // The legend open, the controls it must leave free.
  const LIBRES = ["ListBox1", "Annuler", "Efface", "VerifierCoupe"];
  for (const [largeur, hauteur] of [[1400, 1000], [1024, 768], [800, 1280]])
    test(`exercice : à ${largeur} × ${hauteur}, la légende ne couvre aucun contrôle et rien n'est coupé`, async () => {
      await c.Ouvrir({ largeur, hauteur });
      await c.FermerAvertissement();
      const b = await c.Boite();
      if (b && b.boutons.length > 1) await nav().cliquer("#boite-message button");
      if (!exoFait) rendu("--make-exercise", exo, "--title", "Discordance", modele);
      exoFait = true;
      await OuvrirExercice(exo);
      await LireEtFermer();
      await nav().cliquer("#Affichage1");
      await nav().cliquer("#Legende1");
      const r = await nav().executer((ids) => {
        const rect = (el) => el.getBoundingClientRect();
        const l = rect(document.getElementById("Legende"));
        const couverts = ids.filter((id) => {
          const el = document.getElementById(id);
          if (el.hidden) return false;
          const x = rect(el);
          return x.left < l.right && l.left < x.right && x.top < l.bottom && l.top < x.bottom;
        });
        const d = document.documentElement;
        const dehors = ids.filter((id) => {
          const x = rect(document.getElementById(id));
          return x.left < 0 || x.top < 0 || x.right > window.innerWidth || x.bottom > window.innerHeight;
        });
        const v = rect(document.getElementById("Bevel1"));
        const surLaCoupe = v.left < l.right && l.left < v.right && v.top < l.bottom && l.top < v.bottom;
        return { couverts, dehors, debordeX: d.scrollWidth > window.innerWidth + 1, surLaCoupe };
      }, LIBRES);
      // Over the section only on a screen with no room beside or below
      // the commands (1024 × 768 in a browser); never on a tablet upright.
      egal(r, { couverts: [], dehors: [], debordeX: false, surLaCoupe: largeur === 1024 },
        "contrôles couverts ou coupés, page plus large que l'écran, légende sur la coupe");
      await nav().cliquer("#FermerLegende");
      // "Ordonner" fits the screen: its buttons in sight.
      await nav().cliquer("#Exercice1");
      await nav().cliquer("#Ordonner1");
      const o = await nav().executer(() => ["Monter", "Descendre", "VerifierOrdre", "FermerOrdonner"].filter((id) => {
        const el = document.getElementById(id);
        el.scrollIntoView({ block: "nearest" });
        const x = el.getBoundingClientRect();
        return x.left < 0 || x.top < 0 || x.right > window.innerWidth || x.bottom > window.innerHeight;
      }));
      egal(o, [], "boutons d'« Ordonner » hors de l'écran");
      await nav().cliquer("#FermerOrdonner");
    });

  // "Ordonner" at the sizes of a school laptop's browser, a small laptop
  // and a tablet held upright: with eight cards, the section, its legend,
  // every card, the buttons and the verdict in view with no scroll inside
  // the box; with ten, only the cards' list scrolls. Screenshots go to
  // $STRATALOOM_CAPTURES when it is set.
  const series = {}; // cards -> exercise drawn by the renderer
  const Tirer = (evenements, graine) => {
    if (series[evenements]) return series[evenements];
    const dossier = join(c.temp, `serie-${evenements}`);
    rendu("--exercise", "1", "--events", String(evenements), "--seed", String(graine), "--out-dir", dossier);
    return (series[evenements] = join(dossier, readdirSync(dossier).find((n) => n.endsWith(".exo"))));
  };
  for (const [largeur, hauteur, evenements, graine] of [[1366, 625, 8, 1], [1280, 800, 8, 1], [800, 1280, 8, 1],
    [1366, 625, 10, 3], [800, 1280, 10, 3]])
    test(`exercice : « Ordonner » à ${largeur} × ${hauteur} avec ${evenements} cartes : tout en vue, ` +
      (evenements <= 8 ? "sans défilement" : "seule la liste des cartes défile"), async () => {
      const fichier = Tirer(evenements, graine);
      await c.Ouvrir();
      await nav().cdp("Emulation.setDeviceMetricsOverride", { width: largeur, height: hauteur, deviceScaleFactor: 1, mobile: false });
      await c.FermerAvertissement();
      const b = await c.Boite();
      if (b && b.boutons.length > 1) await nav().cliquer("#boite-message button");
      await OuvrirExercice(fichier);
      await LireEtFermer();
      await nav().cliquer("#Exercice1");
      await nav().cliquer("#Ordonner1");
      await nav().cliquer("#VerifierOrdre");
      const r = await nav().executer(() => {
        const boite = document.getElementById("Ordonner");
        const corps = boite.querySelector(".corps-ordonner");
        const liste = document.getElementById("Cartes");
        const cadre = boite.getBoundingClientRect();
        const dans = (x, y) => x.left >= y.left - 0.5 && x.top >= y.top - 0.5 && x.right <= y.right + 0.5 && x.bottom <= y.bottom + 0.5;
        const ecran = { left: 0, top: 0, right: innerWidth, bottom: innerHeight };
        const vue = liste.getBoundingClientRect();
        const ids = ["CoupeOrdonner", "LegendeOrdonner", "Consigne", "Cartes", "Monter", "Descendre", "Resultat",
          "VerifierOrdre", "FermerOrdonner"];
        return {
          cartes: liste.children.length,
          hors: ids.filter((id) => {
            const x = document.getElementById(id).getBoundingClientRect();
            return !(x.width > 0 && x.height > 0 && dans(x, cadre) && dans(x, ecran));
          }),
          boite: dans(cadre, ecran),
          corpsDefile: corps.scrollHeight > corps.clientHeight + 1 || corps.scrollWidth > corps.clientWidth + 1,
          listeDefile: liste.scrollHeight > liste.clientHeight + 1,
          // Cards wholly in the list's sight with the list at its top.
          cartesVues: [...liste.children].filter((li) => dans(li.getBoundingClientRect(), vue)).length,
          verdict: document.getElementById("Resultat").textContent.split("\n").at(-1),
        };
      });
      if (process.env.STRATALOOM_CAPTURES)
        writeFileSync(join(process.env.STRATALOOM_CAPTURES, `ordonner-${largeur}x${hauteur}-${evenements}.png`),
          await nav().capture());
      egal(r.cartes, evenements, "cartes données");
      egal([r.hors, r.boite, r.corpsDefile], [[], true, false], "contrôles hors de la boîte ou de l'écran, boîte qui défile");
      verifier(/^Note de l'ordre : \d+\/20$/.test(r.verdict), `verdict : ${r.verdict}`);
      if (evenements <= 8) egal([r.listeDefile, r.cartesVues], [false, evenements], "toutes les cartes en vue");
      else verifier(r.listeDefile && r.cartesVues >= 3, `la liste défile, trois cartes au moins en vue : ${JSON.stringify(r)}`);
      await nav().cliquer("#FermerOrdonner");
    });

  test("exercice : la page en anglais nomme le menu et le bouton comme le programme anglais", async () => {
    await c.Ouvrir({ langues: "en-US,en" });
    await nav().cliquer("#boite-message button");
    const b = await c.Boite();
    if (b && b.boutons.length > 1) await nav().cliquer("#boite-message button");
    const t = await nav().executer(() => [document.getElementById("Exercice1").textContent,
      document.getElementById("Ouvrirexercice1").textContent, document.getElementById("VerifierCoupe").textContent,
      document.getElementById("Sons1").textContent]);
    egal(t, ["Exercise", "Open an exercise...", "Check my section", "Sounds"], "menu Exercice en anglais");
    // The question asked before work is dropped: the English program's.
    await nav().cliquer("#Sedim");
    const q = await nav().executer(() => {
      const m = window.strataloom.moteur().textesExercice();
      return [window.strataloom.session().questionAbandon(), m.oui, m.non, m.annulerQuestion];
    });
    egal(q, ["The event list has not been saved.\rDo you want to save it?", "Yes", "No", "Cancel"],
      "question avant d'abandonner la liste, en anglais");
    await c.Ouvrir();
    await c.FermerAvertissement();
  });

  // The message fills its placeholder once: "$'", "$`", "$&" and "%1" in
  // a title are text, not patterns.
  test("exercice : un titre avec $ et % s'affiche tel quel", async () => {
    const titre = "Pli $' $` $& $$ %1 %2";
    const chemin = join(c.temp, "dollars.exo");
    rendu("--make-exercise", chemin, "--title", titre, modele);
    await OuvrirExercice(chemin);
    // Events left on screen by an earlier test: « Non » to the question first.
    const q = await c.Boite(true);
    if (q && q.texte.includes("Voulez-vous la sauver")) await nav().cliquer("#boite-message button[value=non]");
    const b = q && !q.texte.includes("Voulez-vous la sauver") ? q : await c.Boite(true);
    verifier(b, "aucune boîte affichée");
    await nav().cliquer(`#${b.id} button`);
    verifier(b.texte.includes(`Exercice « ${titre} » : construis`), `message d'ouverture : ${b.texte}`);
    // A fresh page for the tests after this one.
    await c.Ouvrir();
    await c.FermerAvertissement();
  });
}
