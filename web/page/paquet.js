// SPDX-License-Identifier: GPL-3.0-or-later
// "Exporter pour l'ENT (SCORM)...": the open exercise as a package for a
// school's course platform. The engine makes the package
// (section/paquet_scorm.h) from this page's own bytes, which the page
// rebuilds: the template the assembler kept in the data, its placeholders
// filled again from the elements that hold them (the style, the three
// marked scripts, the icons and the logo), each exactly as written.

import { DONNEES } from "./donnees.js";
import { Boites } from "./boites.js";
import { Fichiers } from "./fichiers.js";
import { Conservation } from "./conservation.js";
import { Saisie } from "./saisie.js";

export const Paquet = (() => {
  // The text of an element that the template writes "<x>\n@Y@\n</x>".
  function Interieur(element) {
    const t = element ? element.textContent : null;
    if (t === null || !t.startsWith("\n") || !t.endsWith("\n")) throw new Error("page incomplète");
    return t.slice(1, -1);
  }

  // The page's bytes as the assembler wrote them (UTF-8).
  function OctetsDeLaPage() {
    const script = (nom) => document.querySelector(`script[data-strataloom="${nom}"]`);
    const attribut = (selecteur, nom) => document.querySelector(selecteur).getAttribute(nom);
    const valeurs = {
      "@STYLE@": Interieur(document.querySelector("head > style")),
      "@DONNEES@": Interieur(script("donnees")),
      "@MOTEUR@": Interieur(script("moteur")),
      "@PAGE@": Interieur(script("page")),
      "@LOGO@": attribut("#AboutBox img.Image1", "src"),
      "@ICONE48@": attribut("#ProgramIcon", "src"),
      "@ICONE32@": attribut('link[rel="icon"]', "href"),
    };
    // Each placeholder in one pass, as the assembler does.
    const motif = new RegExp(Object.keys(valeurs).join("|"), "g");
    return new TextEncoder().encode(DONNEES.modele.replace(motif, (m) => valeurs[m]));
  }

  let moteur = null;
  let session = null;
  let textes = null;

  function Installer(m, s) {
    moteur = m;
    session = s;
    textes = moteur.textesPaquet();
  }

  // The open exercise's file name, as it was opened (kept by the page).
  function NomExercice() {
    const garde = Conservation.ExerciceGarde();
    if (garde && garde.nom) return garde.nom;
    return (session.titreExercice() || "exercice") + ".exo";
  }

  // The package's bytes for the open exercise: {zip} or {raison}. A page
  // that lost its marked scripts (one opened from a package) gives no
  // bytes, and the engine says why.
  function Faire(seuil) {
    const exercice = { nom: NomExercice(), octets: session.octetsExercice().slice() };
    let page = new Uint8Array(0);
    try {
      page = OctetsDeLaPage();
    } catch (e) {
      // refused below
    }
    const r = moteur.paquetScorm(page, [exercice], seuil, "");
    return r.raison ? { raison: r.raison } : { zip: r.zip.slice() };
  }

  async function Exporter() {
    if (!session || !session.exerciceOuvert()) return;
    const reponse = await Saisie.Demander(textes.question, "10");
    if (reponse === null) return;
    const seuil = moteur.lireSeuil(reponse);
    if (seuil < 0) {
      await Boites.Erreur(textes.refus);
      return;
    }
    const r = Faire(seuil);
    if (r.raison) {
      await Boites.Erreur(r.raison);
      return;
    }
    const nom = await Saisie.NomDeFichier(NomExercice().replace(/\.exo$/i, "") + ".zip");
    if (nom === null) return;
    Fichiers.Telecharger(r.zip, nom, "application/zip", "Paquet");
  }

  return { Installer, Exporter, Faire, OctetsDeLaPage, NomExercice };
})();
