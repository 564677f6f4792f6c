// SPDX-License-Identifier: GPL-3.0-or-later
// An exercise's own page: « Enregistrer la page de l'exercice... » writes
// one HTML file holding this page and the exercise open (the engine's
// PageAvecExercice), for a teacher to hand out as a file: on the school's
// platform, by mail, on a key. Such a page sets window.STRATALOOM_EXERCICE
// ({exercice: the .exo bytes in base64, nom}); it then opens that exercise
// at start-up and no other (a file dropped or a link is refused, and the
// commands that open, make or hand out another are left out of its menus),
// and keeps its work under keys of that exercise's own, since every page
// opened from a disk shares one browser storage.

import { OctetsDeBase64 } from "./donnees.js";
import { Remplir } from "./textes.js";
import { Boites } from "./boites.js";
import { Conservation } from "./conservation.js";
import { Exercices } from "./exercices.js";
import { Fichiers } from "./fichiers.js";
import { Paquet } from "./paquet.js";
import { Saisie } from "./saisie.js";
import { ArticleDeLaPage, SansCommandes } from "./menus.js";

export const Feuille = (() => {
  const donnee =
    window.STRATALOOM_EXERCICE && typeof window.STRATALOOM_EXERCICE === "object" ? window.STRATALOOM_EXERCICE : null;
  // The commands such a page leaves out of its menus.
  const kAbsentes = new Set(["OuvrirExercice", "CreerExercice", "EspaceEnseignant", "ExporterScorm"]);
  let moteur = null;
  let session = null;
  let textes = {};

  const Menus = (menus) => (donnee ? SansCommandes(menus, kAbsentes) : menus);

  // The menu's item, under the link's, in a page not bound to an exercise.
  function Article() {
    const apres = document.getElementById("Lienexercice1") || document.getElementById("Reponse1");
    if (donnee || Exercices.verrouille() || !apres || document.getElementById("Pageexercice1")) return;
    ArticleDeLaPage(apres, "Pageexercice1", textes.enregistrerPage, Enregistrer);
  }

  function Installer(m, s) {
    moteur = m;
    session = s;
    textes = moteur.textesExercice();
    Article();
    Exercices.MajMenu();
  }

  // At start-up, before anything kept is read: in an exercise's own page,
  // its keys and its lock, and the exercise to open ({nom, octets}, the
  // bytes null when unreadable); null in any other page.
  function Preparer() {
    if (!donnee) return null;
    let octets = null;
    try {
      octets = OctetsDeBase64(String(donnee.exercice || ""));
    } catch (e) {
      octets = null;
    }
    const nom = String(donnee.nom || "exercice.exo");
    const empreinte = octets ? moteur.empreinteFichierExercice(octets) : "";
    // Nothing kept for an exercise that cannot be read.
    Conservation.Cloisonner(empreinte ? `strataloom.feuille.${empreinte}` : "");
    Exercices.Verrouiller(
      () => Remplir(textes.autreExerciceFeuille, session.titreExercice() || nom.replace(/\.exo$/i, "")),
      () => textes.consigneFeuille,
    );
    return { nom, octets };
  }

  // The page and the exercise open, as one file to download.
  async function Enregistrer() {
    if (!session || !session.exerciceOuvert()) return;
    let page = new Uint8Array(0);
    try {
      page = Paquet.OctetsDeLaPage();
    } catch (e) {
      // refused below, with the engine's words
    }
    const nom = Paquet.NomExercice();
    const r = moteur.pageAvecExercice(page, nom, session.octetsExercice().slice());
    if (r.raison) {
      await Boites.Erreur(r.raison);
      return;
    }
    const html = r.html.slice();
    const fichier = await Saisie.NomDeFichier(nom.replace(/\.exo$/i, "") + ".html");
    if (fichier === null) return;
    Fichiers.Telecharger(html, fichier, "text/html", "Page");
  }

  return { Installer, Preparer, Menus, Enregistrer, active: () => !!donnee };
})();
