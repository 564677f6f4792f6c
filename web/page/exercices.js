// SPDX-License-Identifier: GPL-3.0-or-later
// The "Exercice" menu: an exercise opened from a file (the menu's picker or
// a file dropped on the page), "Vérifier ma coupe" with the differing
// pixels over the view, and the pupil's answer downloaded. Every verdict,
// remark, mark and byte of the answer comes from the engine through the
// session; this module shows them. "Ordonner les événements" is ordonner.js.

import { TEXTES, Remplir } from "./textes.js";
import { Boites } from "./boites.js";
import { Fichiers } from "./fichiers.js";
import { Conservation } from "./conservation.js";
import { Saisie } from "./saisie.js";
import { Ordonner } from "./ordonner.js";
import { ArticleDeLaPage } from "./menus.js";

export const Exercices = (() => {
  let moteur = null;
  let session = null;
  let fenetre = null; // {Rafraichir, ModeleDeLExercice, EnregistrerListe}: what the window does around an opening
  let textes = {};
  let eleve = ""; // the name last given, offered again
  let dernier = null; // the last "Vérifier ma coupe", for the tests
  let suivi = () => {}; // told of each check: "coupe" or "ordre" (scorm.js)
  // In a page bound to one exercise (a course package's, an exercise's own
  // page): gives the words that refuse any other exercise (a file dropped,
  // a link), and the link's item is left out; `consigne` gives what the
  // pupil has to do there.
  let refus = null;
  let consigne = () => "";
  const choix = document.getElementById("choix-exercice");
  const bouton = document.getElementById("VerifierCoupe");
  const ecarts = document.getElementById("Ecarts");

  function Installer(m, s, f) {
    moteur = m;
    session = s;
    fenetre = f;
    textes = moteur.textesExercice();
    Saisie.Libeller(textes);
    Ordonner.Installer(s, textes, (ordre) => {
      Conservation.GarderOrdre(ordre);
      suivi("ordre");
    }, GarderVerifications);
    ArticleLien();
    MajMenu();
  }

  // The items that need an exercise are off without one; the panel's
  // button shows only with one.
  function MajMenu() {
    const ouvert = !!session && session.exerciceOuvert();
    for (const id of ["Verifier1", "Ordonner1", "Reponse1", "Lienexercice1", "Pageexercice1", "ExporterScorm1"]) {
      const a = document.getElementById(id);
      if (a) a.disabled = !ouvert;
    }
    bouton.hidden = !ouvert;
    // The open exercise named above the commands; in a page bound to its
    // exercise, with what the pupil has to do.
    const titre = ouvert ? session.titreExercice() : "";
    const ligne = document.getElementById("TitreExercice");
    ligne.hidden = !titre;
    ligne.textContent = titre ? Remplir(textes.titreOuvert, titre) : "";
    const aFaire = document.getElementById("ConsigneExercice");
    aFaire.hidden = !ouvert || !refus;
    aFaire.textContent = refus && ouvert ? consigne() : "";
    document.getElementById("ExerciceOuvert").hidden = ligne.hidden && aFaire.hidden;
  }

  // What every opening does once the engine has answered: a refusal
  // (`raison`) is shown and changes nothing; an exercise opened closes the
  // last one's panels, its target becomes the model, the section and the
  // menu follow, then it is kept for the next visit and announced. `mode`:
  // "annoncer" (a file or a link), "paquet" (a package's own exercise: its
  // refusal shown, the rest is the platform's, scorm.js), "feuille" (an
  // exercise's own page: kept as a file opened is, without the box) or
  // "muet" (taken back at start-up). `nom` and `octets`: the file's, or null for those
  // of the exercise now open.
  async function Ouvert(raison, nom, octets, mode) {
    if (raison) {
      // A package's page goes on starting under its box.
      if (mode === "paquet") Boites.Erreur(raison);
      else if (mode !== "muet") await Boites.Erreur(raison);
      return false;
    }
    Ordonner.Oublier();
    // Each opening deals the cards from a seed of its own: pupils side by
    // side get different cards. Work taken back puts its seed back after.
    session.definirGraineDonne(crypto.getRandomValues(new Uint32Array(1))[0]);
    EffacerEcarts();
    fenetre.ModeleDeLExercice();
    fenetre.Rafraichir();
    MajMenu();
    if (mode === "annoncer" || mode === "feuille") {
      const titre = session.titreExercice();
      const fichier = nom || (titre || "exercice") + ".exo";
      Conservation.GarderExercice(fichier, octets || session.octetsExercice().slice());
      GarderEnregistre();
      GarderVerifications(); // a new exercise counts from nothing
      Conservation.GarderGraine(session.graineDonne());
      if (mode === "annoncer") await Boites.Information(Remplir(textes.ouvert, titre || fichier.replace(/\.exo$/i, "")));
    }
    return true;
  }

  // Opens the exercise of these bytes (null: unreadable).
  function OuvrirOctets(nom, octets, mode) {
    return Ouvert(octets === null ? TEXTES.impossibleDeCharger : session.ouvrirExercice(nom, octets), nom, octets, mode);
  }

  // --- The pupil's work before another exercise opens ---

  // The checks counted, kept for the next visit.
  function GarderVerifications() {
    Conservation.GarderVerifications(session.verifications());
  }
  // Put back as kept (after any order judged again on taking it back).
  function ReprendreVerifications() {
    const v = Conservation.VerificationsGardees();
    if (v) session.definirVerifications(v.coupe, v.ordre);
    // The cards' seed as well; work kept without one keeps the seed just
    // drawn, from now on.
    const g = Conservation.GraineGardee();
    if (g !== null) session.definirGraineDonne(g);
    else Conservation.GarderGraine(session.graineDonne());
  }

  // What was last saved, as the engine now knows it, kept for the next
  // visit (the list's bytes and the order the answer holds).
  function GarderEnregistre() {
    Conservation.GarderEnregistre({ liste: Array.from(session.texteListe()), ordre: session.ordreDonne() });
  }
  function Enregistre() {
    session.marquerEnregistre();
    GarderEnregistre();
  }

  // The work taken back at start-up counts as saved when it is what was
  // last saved.
  function ReprendreEnregistre() {
    const e = Conservation.Enregistre();
    if (!e) return;
    const meme = (a, b) => JSON.stringify(a) === JSON.stringify(b);
    if (meme(e.liste, Array.from(session.texteListe())) && meme(e.ordre, session.ordreDonne())) session.marquerEnregistre();
  }

  // The window's question before the pupil's work is dropped, when the
  // engine judges that some would be lost. True when the opening may go
  // on: nothing to lose, "Non", or "Oui" and the work downloaded.
  async function ConfirmerAbandon() {
    const question = session.questionAbandon();
    if (!question) return true;
    const choix = await Boites.Question(
      question,
      [
        [textes.oui, "oui"],
        [textes.non, "non"],
        [textes.annulerQuestion, "annuler"],
      ],
      "annuler",
    );
    if (choix === "non") return true;
    if (choix !== "oui") return false;
    return session.exerciceOuvert() ? EnregistrerReponse() : fenetre.EnregistrerListe();
  }

  // An exercise the engine has read and rebuilt (`raison` "" ) opens once
  // the pupil has said what becomes of the work on screen.
  async function OuvrirPrepare(raison, nom, octets) {
    if (!raison && !(await ConfirmerAbandon())) return false;
    return Ouvert(raison || (session.ouvrirPrepare() ? "" : TEXTES.impossibleDeCharger), nom, octets, "annoncer");
  }

  const Ouvrir = () => Fichiers.Choisir(choix);
  async function Fichier(f) {
    if (!session) return;
    if (Fichiers.Extension(f.name).toLowerCase() !== "exo") return;
    if (refus) {
      await Boites.Erreur(refus());
      return;
    }
    const octets = await Conservation.Suivre(Fichiers.Lire(f, moteur.octetsExerciceMax()));
    await OuvrirPrepare(octets === null ? TEXTES.impossibleDeCharger : session.preparerExercice(f.name, octets), f.name, octets);
  }
  Fichiers.SurChoix(choix, Fichier);

  // A .exo dropped anywhere on the page opens like one chosen.
  document.addEventListener("dragover", (e) => {
    if (e.dataTransfer && Array.from(e.dataTransfer.types || []).includes("Files")) e.preventDefault();
  });
  document.addEventListener("drop", (e) => {
    const f = e.dataTransfer && e.dataTransfer.files && e.dataTransfer.files[0];
    if (!f) return;
    e.preventDefault();
    if (!document.querySelector("dialog[open]")) Fichier(f);
  });

  // --- Vérifier ma coupe ---

  function EffacerEcarts() {
    ecarts.hidden = true;
  }

  function MontrerEcarts(r) {
    ecarts.width = session.largeurVue();
    ecarts.height = session.hauteurVue();
    const ctx = ecarts.getContext("2d");
    ctx.clearRect(0, 0, ecarts.width, ecarts.height);
    if (r.largeur > 0 && r.hauteur > 0) {
      const rgba = session.masqueRgba();
      ctx.putImageData(new ImageData(new Uint8ClampedArray(rgba.buffer, rgba.byteOffset, rgba.length), r.largeur, r.hauteur), 0, 0);
    }
    ecarts.hidden = false;
  }

  async function Verifier() {
    if (!session || !session.exerciceOuvert() || document.querySelector("dialog[open]")) return;
    const r = session.verifier();
    GarderVerifications();
    dernier = { note: r.note, memeCoupe: r.memeCoupe, lignes: r.lignes, pixels: r.pixels };
    suivi("coupe");
    if (r.memeCoupe) EffacerEcarts();
    else MontrerEcarts(r);
    await Boites.Information(r.lignes.join("\r"));
  }
  bouton.addEventListener("click", Verifier);

  // --- Enregistrer ma réponse ---

  // True once the answer is downloaded.
  async function EnregistrerReponse() {
    if (!session || !session.exerciceOuvert()) return false;
    const nom = await Saisie.Demander(textes.nomEleve, eleve);
    if (nom === null) return false;
    const r = session.reponse(nom);
    if (r.raison) {
      await Boites.Erreur(r.raison);
      return false;
    }
    const octets = r.octets.slice();
    const titre = session.titreExercice();
    const fichier = await Saisie.NomDeFichier((titre ? nom + " - " + titre : nom) + ".rep");
    if (fichier === null) return false;
    eleve = nom;
    Fichiers.Telecharger(octets, fichier, "application/octet-stream", "Reponse");
    Enregistre();
    return true;
  }

  // --- The exercise as a page address ---

  // The page's own item, under "Enregistrer ma réponse...".
  function ArticleLien() {
    const reponse = document.getElementById("Reponse1");
    if (refus || !reponse || document.getElementById("Lienexercice1")) return;
    ArticleDeLaPage(reponse, "Lienexercice1", textes.copierLien, CopierLien);
  }

  // The address of this page with the exercise in its fragment, copied
  // where the browser lets the page write, and shown to be copied by hand.
  async function CopierLien() {
    if (!session || !session.exerciceOuvert()) return;
    const lien = session.lienExercice();
    if (!lien) {
      await Boites.Information(textes.lienTropLong);
      return;
    }
    const adresse = location.href.split("#")[0] + "#exercice=" + lien;
    let copie = false;
    try {
      if (navigator.clipboard) {
        await navigator.clipboard.writeText(adresse);
        copie = true;
      }
    } catch (e) {
      // Not allowed here: the box below shows it, to be copied by hand.
    }
    const lignes = [copie ? textes.lienDejaCopie : textes.lienCopie, adresse];
    if (location.protocol === "file:") lignes.push(textes.lienLocal);
    await Boites.Information(lignes.join("\r"));
  }

  // An address that carries an exercise opens it once; the fragment is then
  // taken off (whatever the pupil answers), so that a reload keeps the
  // pupil's section. The link of the exercise already open leaves its work
  // as it is.
  async function DepuisAdresse() {
    const m = /^#exercice=([A-Za-z0-9_-]*)$/.exec(location.hash);
    if (!m || !session) return false;
    history.replaceState(null, "", location.href.split("#")[0]);
    if (refus) {
      await Boites.Erreur(refus());
      return false;
    }
    if (session.memeLien(m[1])) return true;
    return OuvrirPrepare(session.preparerLien(m[1]), null, null);
  }

  // A link pasted into the address bar of the page already open.
  window.addEventListener("hashchange", () => {
    if (session && !document.querySelector("dialog[open]")) DepuisAdresse();
  });

  // Takes back the exercise and the order kept by an earlier visit; the
  // list is taken back after, by the window.
  async function Reprendre() {
    const garde = Conservation.ExerciceGarde();
    if (!garde) return false;
    const ordre = Conservation.OrdreGarde();
    if (!(await OuvrirOctets(garde.nom, garde.octets, "muet"))) {
      Conservation.GarderExercice(null, null);
      return false;
    }
    if (ordre) Ordonner.Reprendre(ordre);
    ReprendreVerifications();
    return true;
  }

  // The name a platform gives, offered for the answer.
  function DefinirEleve(nom) {
    if (!eleve) eleve = nom;
  }

  return {
    Installer,
    Suivre: (f) => (suivi = f),
    ReprendreVerifications,
    Verrouiller: (f, c) => {
      refus = f;
      consigne = c;
      const lien = document.getElementById("Lienexercice1");
      if (lien) lien.remove();
      MajMenu();
    },
    verrouille: () => !!refus,
    textes: () => textes,
    DefinirEleve,
    Ouvrir,
    OuvrirOctets,
    Verifier,
    EffacerEcarts,
    EnregistrerReponse,
    Ordonner: () => Ordonner.Ouvrir(),
    panneauOrdonner: Ordonner,
    Reprendre,
    ReprendreEnregistre,
    Enregistre,
    DepuisAdresse,
    CopierLien,
    MajMenu,
    dernier: () => dernier,
  };
})();
