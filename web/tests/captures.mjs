// SPDX-License-Identifier: GPL-3.0-or-later
// Screenshots of the page as a pupil sees it, at the two sizes a class
// uses: a 1280 x 800 tablet (also at two device pixels per CSS pixel) and a
// 1366 x 768 laptop. For looking at, not for checking.
//
//   node web/tests/captures.mjs build-web/strataloom.html DOSSIER [LANGUES] [EXERCICE.exo]
//
// LANGUES is the browser's preferred languages ("en-US,en"), French when
// not given ("fr" to give an exercise); the pictures' names then start
// with the first one. With an exercise file (strataloom-render
// --make-exercise), a 1024 x 768 screen only: the exercise opened, a
// section half built checked ("Vérifier ma coupe") and the cards ordered.
// With "enseignant" for LANGUES: the teacher's space at 1024 x 768, then
// the printable sheets of a series of two drawn there.
import { writeFileSync, mkdirSync } from "node:fs";
import { resolve, join } from "node:path";
import { pathToFileURL } from "node:url";
import { Navigateur } from "./webdriver.mjs";

const [page, dossier, langueDonnee, exercice] = process.argv.slice(2);
const enseignant = langueDonnee === "enseignant";
const langues = langueDonnee === "fr" || enseignant ? undefined : langueDonnee;
if (!page || !dossier) {
  console.error("usage : node captures.mjs PAGE.html DOSSIER");
  process.exit(2);
}
mkdirSync(dossier, { recursive: true });
const url = pathToFileURL(resolve(page)).href;

const tailles = enseignant ? [{ nom: "enseignant-1024x768", largeur: 1024, hauteur: 768 }] : exercice ? [{ nom: "exercice-1024x768", largeur: 1024, hauteur: 768 }] : [
  { nom: "tablette-1280x800", largeur: 1280, hauteur: 800 },
  { nom: "tablette-1280x800-x2", largeur: 1280, hauteur: 800, echelle: 2 },
  { nom: "portable-1366x768", largeur: 1366, hauteur: 768 },
];

for (const t of tailles) {
  const n = await Navigateur.Lancer({ ...t, langues });
  const prefixe = langues ? langues.split(",")[0] + "-" : "";
  try {
    const capture = async (etape) =>
      writeFileSync(join(dossier, `${prefixe}${t.nom}-${etape}.png`), await n.capture());
    await n.ouvrir(url);
    await n.executerAsync(() => window.strataloom.pret);
    await capture("1-avertissement");
    await n.cliquer("#boite-message button");
    if (enseignant) {
      await Enseignant(n, capture);
      continue;
    }
    if (exercice) {
      await Exercice(n, capture);
      continue;
    }
    for (const id of ["Sedim", "Sedim", "Plissa", "Nivele", "Sedim"]) await n.cliquer("#" + id);
    await capture("2-coupe");
    await n.cliquer("#Evnements1");
    await capture("3-menu");
    await n.touches("\uE00C");
    await n.cliquer("#AideBt5");
    await capture("4-aide");
    await n.cliquer("#Fermer");
    await n.cliquer("#Interrogation1");
    await n.cliquer("#Apropos1");
    await capture("5-apropos");
    await n.cliquer("#OKButton");
    await n.touches("\uE004", "\uE004", "\uE004");
    await capture("6-clavier");
    // The formations named: letters, tints and the legend beside the view.
    await n.executer(() => document.activeElement.blur());
    for (const id of ["Nivele", "Sedim", "Coulee", "Casse"]) await n.cliquer("#" + id);
    await n.touches(["\uE009", "l"]);
    await n.touches(["\uE009", "t"]);
    await n.cliquer("#Affichage1");
    await n.cliquer("#Legende1");
    await n.executer(() => document.activeElement.blur());
    await capture("7-formations");
  } finally {
    await n.fermer();
  }
}
console.log(`captures dans ${dossier}`);

// The exercise's windows: opened, checked half built, the cards ordered
// with a justification chosen.
async function Exercice(n, capture) {
  await n.cliquer("#Exercice1");
  await n.cliquer("#Ouvrirexercice1");
  await n.envoyerFichier("#choix-exercice", resolve(exercice));
  await n.executerAsync(() => new Promise((r) => setTimeout(r, 50)));
  await capture("2-ouvert");
  await n.cliquer("#boite-message button");
  for (const id of ["Sedim", "Plissa", "Nivele"]) await n.cliquer("#" + id);
  await n.cliquer("#VerifierCoupe");
  await n.executerAsync(() => new Promise((r) => setTimeout(r, 50)));
  await capture("3-verifier");
  await n.cliquer("#boite-message button");
  await n.cliquer("#Exercice1");
  await n.cliquer("#Ordonner1");
  await n.executer(() => {
    const s = document.querySelector("#Cartes li:nth-child(2) select");
    s.selectedIndex = 1;
    s.dispatchEvent(new Event("change"));
  });
  await n.cliquer("#VerifierOrdre");
  await capture("4-ordonner");
}

// The teacher's space: the series' tab filled in, then the sheets of a
// series of two opened as the tab the page opens would show them.
async function Enseignant(n, capture) {
  for (const id of ["Sedim", "Plissa", "Nivele", "Sedim"]) await n.cliquer("#" + id);
  await n.cliquer("#Exercice1");
  await n.cliquer("#Espaceenseignant1");
  await n.executer(() => {
    document.getElementById("NombreExercices").value = "2";
    document.getElementById("Graine").value = "2026";
    window.open = () => ({});
  });
  await capture("1-serie");
  await n.cliquer("#TelechargerSerie");
  await n.executerAsync(() => new Promise((r) => setTimeout(r, 100)));
  await capture("2-serie-faite");
  const html = await n.executer(() => window.strataloom.enseignant.fiches().html);
  const fiches = join(dossier, "fiches.html");
  writeFileSync(fiches, html);
  await n.ouvrir(pathToFileURL(resolve(fiches)).href);
  await capture("3-fiches");
  await n.executer(() => document.querySelectorAll(".page")[2].scrollIntoView());
  await capture("4-corrige");
}
