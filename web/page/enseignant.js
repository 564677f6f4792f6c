// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's space of the page, as the window's: "Créer un exercice avec
// cette coupe..." downloads the exercise file and gives its link; the
// « Espace enseignant » box draws a series (one zip of its exercise files
// and its printable sheets, which also open in a tab to be printed) and
// grades a class's files into a table and a CSV, off the page's main
// thread (travailleur.js) with a line saying how far it is. The files'
// bytes, the marks, the remarks and every word come from the engine.

import { TEXTES, Remplir } from "./textes.js";
import { Boites } from "./boites.js";
import { Fichiers } from "./fichiers.js";
import { Saisie } from "./saisie.js";
import { DessinerStructure } from "./formations.js";
import { PageDesFiches } from "./fiches.js";
import { Notation } from "./travailleur.js";
import { Paquet } from "./paquet.js";

export const Enseignant = (() => {
  let moteur = null;
  let session = null;
  let t = {}; // the teacher's words (moteur.textesEnseignant)
  let tx = {}; // the exercise's words (moteur.textesExercice)
  let titreExercice = "";
  let boite = null;
  let fiches = null; // {html, nom} of the last series
  let modele = null; // {nom, octets} of the class's model
  let copies = []; // [{nom, octets, tropGros}]
  let classe = null; // the last grading, {lignes, csv}
  const CLE_GRAINE = "strataloom.enseignant.graine";

  function Installer(m, s) {
    moteur = m;
    session = s;
    t = moteur.textesEnseignant();
    tx = moteur.textesExercice();
    Notation.Installer(moteur.fichiersTextures());
  }

  // --- Créer un exercice avec cette coupe ---

  async function CreerExercice() {
    if (!session || !session.prete() || document.querySelector("dialog[open]")) return;
    const titre = await Saisie.Demander(t.titreExercice, titreExercice);
    if (titre === null) return;
    const r = session.creerExercice(titre);
    if (r.raison) {
      await Boites.Information(r.raison);
      return;
    }
    const nom = await Saisie.NomDeFichier(titre + ".exo");
    if (nom === null) return;
    titreExercice = titre;
    Fichiers.Telecharger(r.octets, nom, "application/octet-stream", "Exercice");
    const lignes = [Remplir(t.exerciceEnregistre, nom)];
    if (r.lien) {
      const adresse = location.href.split("#")[0] + "#exercice=" + r.lien;
      try {
        if (navigator.clipboard) await navigator.clipboard.writeText(adresse);
      } catch (e) {
        // Not allowed here: the box shows it.
      }
      lignes.push(tx.lienCopie, adresse);
      if (location.protocol === "file:") lignes.push(tx.lienLocal);
    } else {
      lignes.push(tx.lienTropLong);
    }
    await Boites.Information(lignes.join("\r"));
    if (!r.lisible) await Boites.Information(Remplir(t.illisible, r.ecarts.map((e) => "– " + e).join("\n")));
  }

  // --- The box ---

  const El = (balise, attributs = {}, ...enfants) => {
    const e = document.createElement(balise);
    for (const [k, v] of Object.entries(attributs)) {
      if (k === "texte") e.textContent = v;
      else e.setAttribute(k, v);
    }
    e.append(...enfants);
    return e;
  };
  const Champ = (libelle, champ) => El("label", { class: "champ-enseignant" }, El("span", { texte: libelle }), champ);

  function GraineGardee() {
    try {
      const g = localStorage.getItem(CLE_GRAINE);
      if (g !== null && moteur.lireGraine(g) !== null) return g;
    } catch (e) {
      // No storage: a new seed.
    }
    return String(NouvelleGraine());
  }
  // Drawn by the engine's rule from a random number of the browser's.
  const NouvelleGraine = () => moteur.graineNouvelle(crypto.getRandomValues(new Uint32Array(1))[0]);

  function Construire() {
    const onglets = El("div", { class: "onglets", role: "tablist" });
    const panneaux = [];
    const AjouterOnglet = (id, libelle, panneau) => {
      const b = El("button", { type: "button", role: "tab", id: "Onglet" + id, texte: libelle });
      panneau.setAttribute("role", "tabpanel");
      panneau.id = "Panneau" + id;
      b.addEventListener("click", () => {
        for (const o of onglets.children) o.setAttribute("aria-selected", String(o === b));
        for (const p of panneaux) p.hidden = p !== panneau;
      });
      onglets.append(b);
      panneaux.push(panneau);
    };

    // The series.
    const nombre = El("input", { type: "number", id: "NombreExercices", min: "1", max: "99", value: "10" });
    const evenements = El("input", { type: "number", id: "EvenementsParExercice", min: "1", max: "99", value: "6" });
    const genres = El("fieldset", { class: "permis" }, El("legend", { texte: t.permis }));
    for (const e of moteur.evenements()) {
      const c = El("input", { type: "checkbox", id: "Permis" + e.tag, "aria-label": Remplir(t.permettre, e.nom) });
      c.checked = true;
      genres.append(El("label", {}, c, e.nom));
    }
    const graine = El("input", { type: "text", id: "Graine", inputmode: "numeric", "aria-label": t.graineSerie });
    graine.value = GraineGardee();
    const nouvelle = El("button", { type: "button", id: "NouvelleGraine", texte: t.nouvelleGraine });
    nouvelle.addEventListener("click", () => (graine.value = String(NouvelleGraine())));
    const titre = El("input", { type: "text", id: "TitreSerie" });
    titre.value = t.titreDefaut;
    const telecharger = El("button", { type: "button", id: "TelechargerSerie", texte: t.telechargerSerie });
    const exporter = El("button", { type: "button", id: "ExporterSerieScorm", texte: t.exporterSerie });
    const imprimer = El("button", { type: "button", id: "ImprimerFiches", texte: t.imprimerFiches });
    imprimer.disabled = true;
    const fichesOuvert = El("button", { type: "button", id: "FichesExercice", texte: t.fichesExercice });
    const bilanSerie = El("p", { id: "BilanSerie", role: "status" });
    telecharger.addEventListener("click", () => Serie());
    exporter.addEventListener("click", () => ExporterSerie());
    imprimer.addEventListener("click", () => OuvrirFiches());
    fichesOuvert.addEventListener("click", () => FichesExercice());
    AjouterOnglet(
      "Serie",
      t.ongletSerie,
      El("div", { class: "panneau-enseignant" },
        Champ(t.nombre, nombre), Champ(t.evenements, evenements), genres,
        Champ(t.graine, El("span", { class: "ligne-graine" }, graine, nouvelle)), Champ(t.titreSerie, titre),
        El("div", { class: "boutons-serie" }, telecharger, exporter, imprimer),
        El("div", { class: "boutons-serie" }, fichesOuvert), bilanSerie),
    );

    // The class.
    const choixModele = El("input", { type: "file", id: "choix-modele-classe", accept: ".exo,.lst", hidden: "" });
    const choixCopies = El("input", { type: "file", id: "choix-copies", accept: ".rep,.lst", multiple: "", hidden: "" });
    const boutonModele = El("button", { type: "button", id: "ChoisirExercice", texte: t.exercice });
    const boutonCopies = El("button", { type: "button", id: "ChoisirCopies", texte: t.copies });
    const nomModele = El("span", { id: "ExerciceChoisi", texte: t.aucunExercice });
    const depot = El("p", { class: "depot", id: "DepotCopies", texte: t.deposer });
    const avancement = El("p", { id: "AvancementClasse", role: "status", "aria-live": "polite" });
    const table = El("table", { id: "NotesClasse", "aria-label": t.notes });
    const bilanClasse = El("p", { id: "BilanClasse", role: "status" });
    const csv = El("button", { type: "button", id: "EnregistrerCsv", texte: t.csv });
    csv.disabled = true;
    boutonModele.addEventListener("click", () => Fichiers.Choisir(choixModele));
    boutonCopies.addEventListener("click", () => Fichiers.Choisir(choixCopies));
    choixModele.addEventListener("change", () => Recevoir(Array.from(choixModele.files || []), true));
    choixCopies.addEventListener("change", () => Recevoir(Array.from(choixCopies.files || []), false));
    csv.addEventListener("click", EnregistrerCsv);
    const panneauClasse = El("div", { class: "panneau-enseignant" },
      El("div", { class: "ligne-classe" }, boutonModele, nomModele, boutonCopies),
      depot, avancement, El("div", { class: "cadre-notes" }, table), bilanClasse, El("div", { class: "boutons-serie" }, csv),
      choixModele, choixCopies);
    panneauClasse.addEventListener("dragover", (e) => e.preventDefault());
    panneauClasse.addEventListener("drop", (e) => {
      e.preventDefault();
      e.stopPropagation();
      const fichiers = Array.from((e.dataTransfer && e.dataTransfer.files) || []);
      const exo = fichiers.filter((f) => Fichiers.Extension(f.name).toLowerCase() === "exo");
      const autres = fichiers.filter((f) => !exo.includes(f));
      if (exo.length) Recevoir(exo.slice(0, 1), true, autres.length > 0).then(() => autres.length && Recevoir(autres, false));
      else Recevoir(autres, false);
    });
    AjouterOnglet("Classe", t.ongletClasse, panneauClasse);

    const fermer = El("button", { type: "button", id: "FermerEnseignant", texte: TEXTES.fermer, "aria-label": t.fermerEspace });
    boite = El("dialog", { id: "EspaceEnseignant", class: "boite enseignant", "aria-labelledby": "titre-enseignant" },
      El("div", { class: "barre-titre", id: "titre-enseignant", texte: t.titre }), onglets, ...panneaux,
      El("div", { class: "boutons-message" }, fermer));
    fermer.addEventListener("click", () => boite.close());
    document.body.append(boite);
    onglets.firstChild.click();
  }

  function Ouvrir() {
    if (!session || !session.prete() || document.querySelector("dialog[open]")) return;
    if (!boite) Construire();
    document.getElementById("FichesExercice").disabled = !session.exerciceOuvert();
    boite.showModal();
  }

  // --- The series ---

  // The series the settings draw (section::PreparerSerie): [{nom, octets}]
  // with `dossier`, or null once the reason is shown.
  async function Tirer() {
    const v = (id) => document.getElementById(id);
    const lue = moteur.lireGraine(v("Graine").value);
    if (lue === null) {
      await Boites.Erreur(t.graineInvalide);
      return null;
    }
    const graine = String(lue);
    try {
      localStorage.setItem(CLE_GRAINE, graine);
    } catch (e) {
      // Kept for this visit only.
    }
    const entier = (id, defaut) => Math.min(99, Math.max(1, Math.round(Number(v(id).value)) || defaut));
    const permis = [false];
    for (let tag = 1; tag < 8; ++tag) permis.push(!!(v("Permis" + tag) && v("Permis" + tag).checked));
    const regles = { nombre: entier("NombreExercices", 10), evenements: entier("EvenementsParExercice", 6),
      permis, graine: lue, titre: v("TitreSerie").value.trim() };
    const serie = session.tirerSerie(regles);
    // An exercise that cannot be written: nothing is downloaded, as the
    // window writes nothing.
    if (serie.raison) {
      await Boites.Erreur(serie.raison);
      return null;
    }
    return { serie, graine };
  }

  async function Serie() {
    const v = (id) => document.getElementById(id);
    const tiree = await Tirer();
    if (!tiree) return null;
    const { serie, graine } = tiree;
    // The zip is named as every front end names the series' folder.
    const nom = serie.dossier;
    const html = PageDesFiches(session, serie.length, document.documentElement.lang, DessinerStructure);
    const contenu = {};
    for (const e of serie) contenu[e.nom] = [e.octets, { level: 0 }];
    const nomFiches = `fiches-${graine}.html`;
    contenu[nomFiches] = self.fflate.strToU8(html);
    const zip = self.fflate.zipSync(contenu, { level: 6 });
    fiches = { html, nom: nomFiches };
    v("ImprimerFiches").disabled = false;
    Fichiers.Telecharger(zip, nom + ".zip", "application/zip", "Serie");
    v("BilanSerie").textContent = Remplir(t.serieTelechargee, nom + ".zip");
    if (!OuvrirFiches(true)) v("BilanSerie").textContent += " " + t.ongletBloque;
    return { serie, zip, html };
  }

  // The series as one package for the school's platform, an exercise a
  // unit, as the window's series export makes it; named as the series'
  // folder.
  async function ExporterSerie() {
    const tp = moteur.textesPaquet();
    const reponse = await Saisie.Demander(tp.question, "10");
    if (reponse === null) return null;
    const seuil = moteur.lireSeuil(reponse);
    if (seuil < 0) {
      await Boites.Erreur(tp.refus);
      return null;
    }
    const tiree = await Tirer();
    if (!tiree) return null;
    let page = new Uint8Array(0);
    try {
      page = Paquet.OctetsDeLaPage();
    } catch (e) {
      // refused by the engine, with its words
    }
    const exercices = Array.from(tiree.serie, (e) => ({ nom: e.nom, octets: e.octets }));
    const r = moteur.paquetScorm(page, exercices, seuil, document.getElementById("TitreSerie").value.trim());
    if (r.raison) {
      await Boites.Erreur(r.raison);
      return null;
    }
    const zip = r.zip.slice();
    const nom = await Saisie.NomDeFichier(tiree.serie.dossier + ".zip");
    if (nom === null) return null;
    Fichiers.Telecharger(zip, nom, "application/zip", "Paquet");
    document.getElementById("BilanSerie").textContent = Remplir(t.paquetSerie, nom);
    return { zip, exercices };
  }

  // The sheets of the exercise open, in a tab of their own as a series'.
  function FichesExercice() {
    if (!session.exerciceOuvert() || !session.fichesExercice()) return false;
    const html = PageDesFiches(session, 1, document.documentElement.lang, DessinerStructure);
    fiches = { html, nom: "fiches.html" };
    document.getElementById("ImprimerFiches").disabled = false;
    return OuvrirFiches(false);
  }

  // The sheets in a tab of their own, the print dialog opened there.
  function OuvrirFiches(muet) {
    if (!fiches) return false;
    const url = URL.createObjectURL(new Blob([fiches.html], { type: "text/html" }));
    const onglet = window.open(url, "_blank");
    setTimeout(() => URL.revokeObjectURL(url), 60000);
    if (!onglet && !muet) Boites.Information(t.ongletBloque);
    return !!onglet;
  }

  // --- The class ---

  async function Lire(f) {
    const max = moteur.octetsListeMax();
    const octets = await Fichiers.Lire(f, max);
    return { nom: f.name, octets, tropGros: f.size > max };
  }

  // Files chosen or dropped: the model (`estModele`) or the copies, which
  // replace those given before; graded as soon as both are there. Copies
  // chosen again while the former ones are still being read replace them.
  let lectures = 0;
  async function Recevoir(fichiers, estModele, sansNoter) {
    if (!fichiers.length) return null;
    if (estModele) {
      modele = await Lire(fichiers[0]);
      document.getElementById("ExerciceChoisi").textContent = modele.nom;
    } else {
      const mienne = ++lectures;
      const lues = await Promise.all(fichiers.map(Lire));
      if (mienne !== lectures) return null;
      copies = lues;
    }
    return sansNoter ? null : Noter();
  }

  // A row of the class's table stands on one line, its remark cut short;
  // a click, Enter or Space shows the whole remark, and again folds it.
  function Deplier(ligne) {
    const depliee = ligne.classList.toggle("depliee");
    ligne.setAttribute("aria-expanded", String(depliee));
  }

  // The class graded again: the table, its sum-up and the CSV only once
  // every file is graded; meanwhile « Copie 3 sur 35… ». A grading asked
  // for while another runs replaces it (null for the one replaced).
  async function Noter() {
    if (!modele || !copies.length) return null;
    const table = document.getElementById("NotesClasse");
    const avancement = document.getElementById("AvancementClasse");
    table.replaceChildren();
    classe = null;
    document.getElementById("EnregistrerCsv").disabled = true;
    document.getElementById("BilanClasse").textContent = "";
    const Avancer = (faites, total) => (avancement.textContent = Remplir(t.avancement, faites, total));
    Avancer(0, copies.length);
    const demande = { nomModele: modele.nom, modele: modele.octets || new Uint8Array(0), copies };
    let r;
    try {
      r = await Notation.Noter(session, demande, Avancer);
    } catch (e) {
      avancement.textContent = "";
      await Boites.Erreur(String((e && e.message) || e));
      return null;
    }
    if (r === null) return null;
    avancement.textContent = "";
    if (r.raison) {
      await Boites.Erreur(r.raison);
      return r;
    }
    classe = { lignes: r.lignes, csv: r.csv.slice() };
    const entete = El("tr", {}, ...[t.eleve, t.fichier, t.note, t.ordre, t.remarque].map((x) => El("th", { texte: x })));
    table.append(entete);
    for (const l of r.lignes) {
      // A list file names no pupil: its name stands for one, as in the window.
      const eleve = l.eleve || l.fichier.replace(/\.[^.]*$/, "");
      const cellules = [eleve, l.fichier, l.note ?? "", l.noteOrdre ?? ""].map((x) => El("td", { texte: String(x) }));
      const remarque = El("td", { class: "remarque", texte: l.remarque, title: l.remarque });
      const ligne = El("tr", { tabindex: "0", "aria-expanded": "false" }, ...cellules, remarque);
      ligne.addEventListener("click", () => Deplier(ligne));
      ligne.addEventListener("keydown", (e) => {
        if (e.key !== "Enter" && e.key !== " ") return;
        e.preventDefault();
        Deplier(ligne);
      });
      table.append(ligne);
    }
    let bilan = Remplir(t.copiesNotees, r.lignes.length);
    if (r.autresTextures) bilan += " " + t.autresTextures;
    document.getElementById("BilanClasse").textContent = bilan;
    document.getElementById("EnregistrerCsv").disabled = false;
    return r;
  }

  async function EnregistrerCsv() {
    if (!classe) return;
    const base = modele ? modele.nom.replace(/\.[^.]*$/, "") : "notes";
    const nom = await Saisie.NomDeFichier(`notes - ${base}.csv`);
    if (nom !== null) Fichiers.Telecharger(classe.csv, nom, "text/csv", "Notes");
  }

  return {
    Installer,
    CreerExercice,
    Ouvrir,
    Serie,
    ExporterSerie,
    FichesExercice,
    OuvrirFiches,
    Recevoir,
    classe: () => classe,
    // Whether the classes are graded off the page's main thread.
    dansUnTravailleur: () => Notation.dansUnTravailleur(),
    fiches: () => fiches,
  };
})();
