// SPDX-License-Identifier: GPL-3.0-or-later
// The window's handlers, one per command of the menu bar and per button:
// each calls the engine's session and the services (boxes, sounds, help,
// files), then shows the session's state once: list, view and its
// formations, undo and availability.

import { TexturesEmbarquees, MoteurEmbarque } from "./donnees.js";
import { TEXTES, ChoisirLangue, Remplir } from "./textes.js";
import { Vue } from "./vue.js";
import { Comparaison } from "./comparaison.js";
import { ConstruireMenus } from "./menus.js";
import { PoserLibelles } from "./libelles.js";
import { Formations } from "./formations.js";
import { Boites } from "./boites.js";
import { Aide } from "./aide.js";
import { Son } from "./son.js";
import { Fichiers } from "./fichiers.js";
import { Conservation } from "./conservation.js";
import { Exercices } from "./exercices.js";
import { Saisie } from "./saisie.js";
import { Plateforme } from "./scorm.js";
import { Enseignant } from "./enseignant.js";
import { Paquet } from "./paquet.js";
import { Feuille } from "./feuille.js";

const Fenetre = (() => {
  let moteur = null;
  let session = null;
  let table = []; // the engine's event table
  // By the engine's kind of event (moteur.Evenement), as the table gives it:
  const boutons = new Map(); // kind -> event button
  const articles = new Map(); // kind -> menu item
  const boutonsAide = new Map(); // kind -> "?" button
  const annuler = document.getElementById("Annuler");
  let annuler1 = null; // the menu's, once the bar is built
  const liste = document.getElementById("ListBox1");
  let premierDessin = false;
  // Off until the start-up has asked whether to take back a kept list.
  let conserver = false;

  // The seven commands and their "?" buttons, from the engine's table, in
  // the panel (the menu bar has its own items: menus.js).
  function CreerCommandes() {
    const panneau = document.getElementById("commandes");
    for (const e of table) {
      const b = document.createElement("button");
      b.type = "button";
      b.id = e.bouton;
      b.dataset.tag = e.tag;
      b.textContent = e.nom;
      b.addEventListener("click", () => AppliquerEvenement(e.evenement));
      const aide = document.createElement("button");
      aide.type = "button";
      aide.id = e.aide;
      aide.className = "aide";
      aide.dataset.tag = e.contexte;
      aide.textContent = "?";
      aide.setAttribute("aria-label", "? " + e.nom);
      aide.addEventListener("click", () => AideEvenement(e));
      panneau.append(b, aide);
      boutons.set(e.evenement, b);
      boutonsAide.set(e.evenement, aide);
      articles.set(e.evenement, document.getElementById(e.menu));
    }
  }

  // --- What the window shows of the session ---

  // The list box follows the session's list: between two refreshes the
  // list gains a line, loses its last or is replaced, so only the lines
  // that differ are touched.
  let affichees = [];
  function AfficherListe() {
    const lignes = session.lignes();
    let commun = 0;
    while (commun < lignes.length && commun < affichees.length && lignes[commun] === affichees[commun]) ++commun;
    while (liste.children.length > commun) liste.lastChild.remove();
    for (let i = commun; i < lignes.length; ++i) {
      const li = document.createElement("li");
      li.setAttribute("role", "option");
      li.textContent = lignes[i];
      liste.append(li);
    }
    affichees = lignes;
    // The last line brought into view when the page is next drawn, with
    // the layout the browser does then anyway rather than one of its own.
    if (!defilement)
      defilement = requestAnimationFrame(() => {
        defilement = 0;
        liste.scrollTop = liste.scrollHeight;
      });
  }
  let defilement = 0;

  function AppliquerDisponibilite() {
    for (const e of table) {
      const actif = session.disponible(e.evenement);
      boutons.get(e.evenement).disabled = !actif;
      articles.get(e.evenement).disabled = !actif;
      // What the event does and why it is off, in the engine's words.
      const bulles = session.bulles(e.evenement, e.evenement === aideRouge);
      boutons.get(e.evenement).title = bulles.commande;
      articles.get(e.evenement).title = bulles.commande;
      boutonsAide.get(e.evenement).title = bulles.aide;
    }
    const u = session.annulable();
    annuler.disabled = !u;
    annuler1.disabled = !u;
  }

  // Black captions, except red for the "?" of the event `rouge` (none:
  // null), whose tooltip says why.
  let aideRouge = null;
  function CouleursAide(rouge) {
    aideRouge = rouge;
    for (const [evenement, b] of boutonsAide) {
      b.classList.toggle("derniere", evenement === rouge);
      b.title = session.bulles(evenement, evenement === rouge).aide;
    }
  }

  // A command that the refresh disabled under the keyboard's focus hands
  // the focus on, so Tab and Enter go on from where they were.
  function GarderFocus(avant) {
    if (!avant || !avant.disabled) return;
    const suite = [annuler, ...boutons.values(), document.getElementById("Efface")];
    const b = suite.find((x) => !x.disabled);
    if (b) b.focus();
  }

  function Rafraichir() {
    const focus = document.activeElement;
    AfficherListe();
    Vue.Afficher(session);
    Formations.Afficher(session);
    AppliquerDisponibilite();
    GarderFocus(focus);
    // The differing pixels shown by "Vérifier ma coupe" last until the
    // section changes.
    Exercices.EffacerEcarts();
    if (conserver) Conservation.Noter(() => session.texteListe().slice());
    Plateforme.Noter();
    // Both write once the handler has returned: what they write is written
    // by the next task.
    Conservation.Suivre(new Promise((r) => setTimeout(r, 0)));
    if (!premierDessin) {
      premierDessin = true;
      performance.mark("strataloom-premier-dessin");
      requestAnimationFrame(() => performance.mark("strataloom-premiere-image"));
    }
  }

  // --- Events, undo, return to start ---

  // The event of kind `evenement` (moteur.Evenement), when it is on.
  function AppliquerEvenement(evenement) {
    const e = table.find((l) => l.evenement === evenement);
    if (!e || !session.disponible(evenement)) return;
    // The sound of the previous event stops here, even when silent.
    Son.Fermer();
    CouleursAide(evenement);
    Son.Jouer(e.son);
    session.appliquer(evenement);
    Rafraichir();
  }

  function Annuler() {
    annuler.disabled = true;
    annuler1.disabled = true;
    CouleursAide(null);
    const fait = session.annuler();
    Rafraichir();
    if (!fait) Boites.Simple(TEXTES.retourImpossible);
  }

  function RetourDebut() {
    session.reinitialiser();
    Rafraichir();
    CouleursAide(null);
  }

  // --- List files ---

  // "Sauver la liste des événements" and "Exporter la liste des
  // événements": the same bytes, under the names and types the desktop's
  // two dialogs give them.
  // The name is asked first, the desktop's offered. True once downloaded.
  async function TelechargerListe(nom, type) {
    if (session.nombreLignes() === 0) return false;
    const octets = session.texteListe().slice();
    const choisi = await Saisie.NomDeFichier(nom);
    if (choisi === null) return false;
    Fichiers.Telecharger(octets, choisi, type, "Liste");
    return true;
  }
  // The list saved (not exported as text) is the work last saved, as in the window.
  async function EnregistrerListe() {
    const fait = await TelechargerListe(TEXTES.nomListe, "application/octet-stream");
    if (fait) Exercices.Enregistre();
    return fait;
  }
  const ExporterListe = () => TelechargerListe(TEXTES.nomTexte, "text/plain");

  const choixListe = document.getElementById("choix-liste");
  const ChargerListe = () => Fichiers.Choisir(choixListe);
  // True when the file's list is on screen, false when refused, null
  // when the file is not a list.
  async function LireListe(f) {
    // Only a name with the list extension goes on, in any case.
    if (Fichiers.Extension(f.name).toLowerCase() !== "lst" || !session) return null;
    const octets = await Fichiers.Lire(f, moteur.octetsListeMax());
    const lue = octets !== null && session.chargerListe(octets) === 0;
    if (!lue) session.reinitialiser();
    else Exercices.Enregistre();
    Rafraichir();
    CouleursAide(null);
    return lue;
  }
  Fichiers.SurChoix(choixListe, async (f) => {
    if ((await Conservation.Suivre(LireListe(f))) === false) await Boites.Information(TEXTES.chargementImpossible);
  });

  // --- Model and pictures ---

  const ActiverVue = () => Comparaison.Activer(TEXTES.clicModele);

  function PrendreModele(octets) {
    if (!session.chargerModele(octets)) return false;
    Vue.AfficherModele(session, Formations.roches());
    ActiverVue();
    return true;
  }

  const choixModele = document.getElementById("choix-modele");
  const ChargerModele = () => Fichiers.Choisir(choixModele);
  // True once the picture is the model and kept for the tab.
  async function LireModele(f) {
    const octets = await Fichiers.Lire(f, moteur.octetsModeleMax());
    if (octets === null || !PrendreModele(octets)) return false;
    Conservation.GarderModele(octets);
    return true;
  }
  Fichiers.SurChoix(choixModele, async (f) => {
    if (session && !(await Conservation.Suivre(LireModele(f)))) await Boites.Erreur(TEXTES.impossibleDeCharger);
  });

  // "Sauver en tant que modèle" and "Exporter l'image affichée": the view
  // as the desktop's BMP, both.
  async function ExporterImage() {
    if (!session.prete()) return;
    const octets = session.vueBmp().slice();
    const choisi = await Saisie.NomDeFichier(TEXTES.nomImage);
    if (choisi !== null) Fichiers.Telecharger(octets, choisi, "image/bmp", "Image");
  }

  // --- Help, warning, sounds, about box ---

  const MontrerAide = () => Aide.Montrer(0);
  // The help page of the event of row `e` of the engine's table.
  const AideEvenement = (e) => Aide.Montrer(e.contexte);
  const Avertissement = () => Boites.Information(TEXTES.avertissement);
  const APropos = () => Boites.APropos();

  const uneBoiteOuverte = () => !!document.querySelector("dialog[open]");

  // "Sons" in the menu and the key chord switch the same sounds; the item's
  // mark follows both.
  function BasculerSons() {
    Son.Basculer();
    const a = document.getElementById("Sons1");
    if (a) a.setAttribute("aria-checked", String(!Son.silencieux()));
    return !Son.silencieux();
  }
  document.addEventListener("keydown", (e) => {
    if (!uneBoiteOuverte() && Son.EstAccord(e)) BasculerSons();
  });

  // The menu bar's commands (the engine's names) and their handlers.
  const COMMANDES = {
    ChargerModele,
    EnregistrerModele: ExporterImage,
    ExporterImage,
    ChargerListe,
    EnregistrerListe,
    ExporterListe,
    Evenement: AppliquerEvenement,
    Annuler,
    RetourDebut,
    Lettres: () => Formations.BasculerLettres(),
    Teintes: () => Formations.BasculerTeintes(),
    Roches: () => {
      const roches = Formations.BasculerRoches();
      // The model pressed shows the same picture as the section.
      if (Comparaison.active()) Vue.AfficherModele(session, roches);
      return roches;
    },
    Legende: () => Formations.OuvrirLegende(),
    Sons: BasculerSons,
    OuvrirExercice: () => Exercices.Ouvrir(),
    Verifier: () => Exercices.Verifier(),
    Ordonner: () => Exercices.Ordonner(),
    EnregistrerReponse: () => Exercices.EnregistrerReponse(),
    CreerExercice: () => Enseignant.CreerExercice(),
    EspaceEnseignant: () => Enseignant.Ouvrir(),
    ExporterScorm: () => Paquet.Exporter(),
    Aide: MontrerAide,
    Avertissement,
    APropos,
  };

  document.getElementById("Annuler").addEventListener("click", Annuler);
  document.getElementById("Efface").addEventListener("click", RetourDebut);

  // --- Start-up ---

  function Egaux(a, b) {
    if (a.length !== b.length) return false;
    for (let i = 0; i < a.length; ++i) if (a[i] !== b[i]) return false;
    return true;
  }

  // The list kept by an earlier visit, when it holds more than the reset's.
  function ListeAReprendre(initiale) {
    const gardee = Conservation.ListeGardee();
    if (!gardee || gardee.length === 0 || Egaux(gardee, initiale)) return null;
    const n = moteur.compterLignes(gardee);
    return n > 0 ? { octets: gardee, lignes: n } : null;
  }

  function Reprendre(octets) {
    if (session.chargerListe(octets) !== 0) session.reinitialiser();
    Rafraichir();
    CouleursAide(null);
  }

  // Resolved once the first section is drawn, before the start-up boxes.
  let signalerPret;
  const pret = new Promise((r) => (signalerPret = r));

  // The pupil's answer to the offer of the kept list: "reprendre" or
  // "nouvelle".
  async function ProposerReprise(reprise) {
    const quoi =
      reprise.lignes <= 1
        ? TEXTES.aucunEvenement
        : reprise.lignes === 2
          ? TEXTES.unEvenement
          : Remplir(TEXTES.nEvenements, reprise.lignes - 1);
    return Boites.Question(Remplir(TEXTES.reprise, quoi), [
      [TEXTES.reprendre, "reprendre"],
      [TEXTES.nouvelleCoupe, "nouvelle"],
    ]);
  }

  // The start-up, one step after the other: the engine and the window;
  // then what the last visit kept comes back in one go, the exercise,
  // its order and justifications, then the list (offered first, after
  // the warning, unless the browser discarded the tab); the saved state
  // of that work; and last, a link's exercise, asked for as any other
  // opening. Every change is written before the storage is read again.
  async function Demarrer() {
    Conservation.SiPlein(() => Boites.Information(TEXTES.stockagePlein));
    moteur = await StrataloomMoteur({ wasmBinary: await MoteurEmbarque() });
    ChoisirLangue(moteur);
    session = new moteur.Session();
    table = moteur.evenements();
    const menus = moteur.menus();
    ConstruireMenus(Feuille.Menus(Plateforme.Menus(menus)), table, COMMANDES);
    PoserLibelles(menus);
    annuler1 = document.getElementById("Annuler1");
    annuler1.disabled = true;
    CreerCommandes();
    const sons = document.getElementById("Sons1");
    if (sons) sons.setAttribute("aria-checked", String(!Son.silencieux()));
    const noms = moteur.fichiersTextures();
    const fichiers = await TexturesEmbarquees(noms);
    const defaut = session.definirTextures(fichiers.map((o) => o || new Uint8Array(0)));
    Vue.Ajuster();
    Exercices.Installer(moteur, session, {
      Rafraichir: () => {
        Rafraichir();
        CouleursAide(null);
      },
      ModeleDeLExercice: () => {
        Formations.MontrerRoches();
        Vue.AfficherModele(session, true);
        ActiverVue();
      },
      EnregistrerListe,
    });
    Enseignant.Installer(moteur, session);
    Paquet.Installer(moteur, session);
    Feuille.Installer(moteur, session);
    // A package's page opens its own exercise at once, without the start-up
    // boxes, and takes its work back from the platform (scorm.js).
    if (defaut < 0 && (await Plateforme.Demarrer(moteur, session))) {
      conserver = true;
      Rafraichir();
      CouleursAide(null);
      signalerPret();
      return;
    }
    // The exercise open at the last visit comes back first, with its order:
    // it starts the section again, under the list taken back below. An
    // exercise's own page, at its first visit in this browser, opens its
    // exercise instead; what it keeps is that exercise's only.
    const feuille = defaut < 0 ? Feuille.Preparer() : null;
    const avecExercice =
      defaut < 0 &&
      ((await Exercices.Reprendre()) ||
        (!!feuille && (await Exercices.OuvrirOctets(feuille.nom, feuille.octets, "feuille"))));
    const initiale = session.texteListe().slice();
    const reprise = defaut < 0 ? ListeAReprendre(initiale) : null;
    // A tab the browser discarded comes back as it was, without a word.
    const revenue = reprise && document.wasDiscarded === true;
    if (revenue) Reprendre(reprise.octets);
    else Rafraichir();
    CouleursAide(null);
    const modeleGarde = Conservation.ModeleGarde();
    if (modeleGarde && !avecExercice) PrendreModele(modeleGarde);
    signalerPret();
    if (defaut >= 0) {
      await Boites.Erreur(TEXTES.texturesAbsentes);
      return;
    }
    if (!revenue) {
      // The warning comes up over the new window before anything else.
      await Avertissement();
      if (reprise) {
        if ((await ProposerReprise(reprise)) === "reprendre") Reprendre(reprise.octets);
        else Conservation.GarderListe(session.texteListe().slice());
      }
    }
    conserver = true;
    Exercices.ReprendreEnregistre();
    Rafraichir();
    CouleursAide(null);
    // A link that carries an exercise opens it as any other opening does,
    // once the work it would replace is on screen; the kept exercise's own
    // link leaves that work as it is.
    await Exercices.DepuisAdresse();
  }

  const demarrage = Demarrer();
  // Resolved once the start-up is over (its boxes answered) and what it
  // took back is on screen and in the storage.
  const repris = demarrage.then(() => Conservation.Garde());
  return {
    pret,
    demarrage,
    repris,
    // A promise resolved once the last change is in the storage.
    garde: () => Conservation.Garde(),
    session: () => session,
    moteur: () => moteur,
    comparaison: () => Comparaison.enCours(),
    textes: TEXTES,
    boites: Boites,
    aide: Aide,
    son: Son,
    vue: Vue,
    formations: Formations,
    exercices: Exercices,
    plateforme: Plateforme,
    enseignant: Enseignant,
    paquet: Paquet,
    feuille: Feuille,
  };
})();

// For the browser tests and the benchmark.
window.strataloom = Fenetre;
