// SPDX-License-Identifier: GPL-3.0-or-later
// The "Affichage" menu in the browser: the formations' letters and tints on
// their own canvas over the view, and the legend panel. Registered by
// navigateur.mjs, which owns the browser; `c` gives what the tests share
// with it:
//   nav()            the browser of the moment
//   rendu            the desktop's answer for a list (outils.mjs)
//   echantillons     the sample lists' folder
//   telechargements  the downloads folder
//   ChargerParLeMenu(chemin)
//
// What the engine gives (labels, legend, tints) is read from the binding;
// what the page shows is read from its canvases and its panel.
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { test, verifier, egal, Echec, EtatPage, ComparerAuRendu, Telecharge, Saisir } from "./outils.mjs";
import { RgbaDePng, PremierEcart } from "./images.mjs";

const CTRL = "\uE009";
const ENTREE = "\uE007";
const ECHAP = "\uE00C";
const BAS = "\uE015";
const DROITE = "\uE014";

const NOTE =
  "Les lettres des formations sont tirées au hasard : elles ne disent ni leur âge ni leur place. Les failles (F), " +
  "le plan de chevauchement (T) et les surfaces d'érosion (S) sont des structures, à part.";
// The starting series: its three rocks, a letter each, in an order the
// letter seed draws.
const ROCHES_DEPART = ["argile", "calcaire", "conglomérat"];
const Roches = (lignes) => lignes.map((l) => l.replace(/^[A-Z]+ : /, "")).sort();
const MINCE = " — trop mince pour porter sa lettre";

// Runs in the page: the overlay's pixels and place, the engine's labels,
// legend and tints, and the menu's state.
function LireFormations() {
  const b64 = (d) => {
    let s = "";
    for (let i = 0; i < d.length; i += 32768) s += String.fromCharCode.apply(null, d.subarray(i, i + 32768));
    return btoa(s);
  };
  const f = document.getElementById("Formations");
  const v = document.getElementById("Visu");
  const s = window.strataloom.session();
  const rf = f.getBoundingClientRect();
  const rv = v.getBoundingClientRect();
  const dpr = window.devicePixelRatio;
  const place = (r) => [r.x, r.y, r.width, r.height].map((x) => Math.round(x * dpr));
  return {
    visible: !f.hidden && getComputedStyle(f).display !== "none",
    largeur: f.width,
    hauteur: f.height,
    pixels: f.hidden ? "" : b64(f.getContext("2d").getImageData(0, 0, f.width, f.height).data),
    place: place(rf),
    placeVue: place(rv),
    vue: [s.largeurVue(), s.hauteurVue()],
    k: window.strataloom.vue.facteur(),
    etiquettes: s.etiquettes(),
    structures: s.structures(),
    legende: s.legende(),
    teintes: b64(s.teintesRgba()),
    lettres1: document.getElementById("Lettres1").getAttribute("aria-checked"),
    teintes1: document.getElementById("Teintes1").getAttribute("aria-checked"),
  };
}

export async function Formations(nav) {
  const f = await nav.executer(LireFormations);
  f.rgba = Buffer.from(f.pixels, "base64");
  f.rgbaTeintes = Buffer.from(f.teintes, "base64");
  return f;
}

// Letters alone on the overlay: every label's box white inside its rim
// with dark strokes of its letter in the middle, nothing outside the boxes.
export function VerifierLettres(f, ou) {
  verifier(f.visible, `${ou} : la couche des formations est cachée`);
  const { k } = f;
  egal([f.largeur, f.hauteur], [f.vue[0] * k, f.vue[1] * k], `${ou} : taille de la couche`);
  verifier(f.etiquettes.length > 0, `${ou} : aucune étiquette`);
  const dans = new Uint8Array(f.largeur * f.hauteur);
  const px = (x, y) => (y * f.largeur + x) * 4;
  // A structure's label: on its place's row, right of a trace or centred on
  // a surface, a few letters wide (kept inside the view).
  for (const st of f.structures || [])
    for (let y = Math.max(0, (st.y - 16) * k); y < (st.y + 16) * k && y < f.hauteur; ++y)
      for (let x = Math.max(0, (st.x - 30) * k); x < (st.x + 50) * k && x < f.largeur; ++x) dans[y * f.largeur + x] = 1;
  for (const e of f.etiquettes) {
    for (let y = e.haut * k; y < (e.haut + e.cote) * k; ++y)
      for (let x = e.gauche * k; x < (e.gauche + e.cote) * k; ++x) dans[y * f.largeur + x] = 1;
    const coin = px((e.gauche + 2) * k, (e.haut + 2) * k);
    const c = f.rgba.subarray(coin, coin + 4);
    verifier(c[3] >= 230 && c[0] >= 240 && c[1] >= 240 && c[2] >= 240,
      `${ou} : la boîte de ${e.lettre} en (${e.gauche}, ${e.haut}) n'est pas blanche (${Array.from(c)})`);
    const bord = px(e.gauche * k, (e.haut + (e.cote >> 1)) * k);
    verifier(f.rgba[bord + 3] >= 200 && f.rgba[bord] < 128,
      `${ou} : la boîte de ${e.lettre} en (${e.gauche}, ${e.haut}) n'a pas de bord sombre`);
    let sombres = 0;
    for (let y = (e.haut + 3) * k; y < (e.haut + e.cote - 3) * k; ++y)
      for (let x = (e.gauche + 3) * k; x < (e.gauche + e.cote - 3) * k; ++x) {
        const o = px(x, y);
        if (f.rgba[o + 3] >= 200 && f.rgba[o] < 100 && f.rgba[o + 1] < 100 && f.rgba[o + 2] < 100) ++sombres;
      }
    verifier(sombres >= 4 * k * k, `${ou} : pas de lettre ${e.lettre} dans sa boîte en (${e.gauche}, ${e.haut})`);
  }
  for (let i = 0; i < dans.length; ++i)
    if (!dans[i] && f.rgba[i * 4 + 3] !== 0)
      throw new Echec(`${ou} : pixel (${i % f.largeur}, ${Math.floor(i / f.largeur)}) de la couche peint hors des étiquettes`);
}

// Tints alone on the overlay: each view pixel's k x k square holds the
// engine's tint of that pixel; the engine's tints are the legend's, at
// alpha 120, and nothing where no formation is.
export function VerifierTeintes(f, ou) {
  verifier(f.visible, `${ou} : la couche des formations est cachée`);
  const { k } = f;
  const [l, h] = f.vue;
  egal([f.largeur, f.hauteur], [l * k, h * k], `${ou} : taille de la couche`);
  egal(f.place, f.placeVue, `${ou} : place de la couche à l'écran`);
  const teintes = new Set(f.legende.map((e) => e.teinte));
  let teints = 0;
  for (let y = 0; y < h; ++y)
    for (let x = 0; x < l; ++x) {
      const s = (y * l + x) * 4;
      const t = f.rgbaTeintes.subarray(s, s + 4);
      if (t[3] !== 0) {
        ++teints;
        verifier(t[3] === 120, `${ou} : teinte d'opacité ${t[3]} en (${x}, ${y})`);
        const c = (t[0] << 16) | (t[1] << 8) | t[2];
        verifier(teintes.has(c), `${ou} : teinte ${c.toString(16)} en (${x}, ${y}) absente de la légende`);
      }
      for (const [dx, dy] of [[0, 0], [k - 1, k - 1]]) {
        const o = ((y * k + dy) * l * k + x * k + dx) * 4;
        const p = f.rgba.subarray(o, o + 4);
        const ok = p[3] === t[3] && (t[3] === 0 || [0, 1, 2].every((i) => Math.abs(p[i] - t[i]) <= 2));
        if (!ok)
          throw new Echec(`${ou} : pixel (${x * k + dx}, ${y * k + dy}) de la couche ${Array.from(p)}, ` +
            `teinte du moteur ${Array.from(t)} en (${x}, ${y})`);
      }
    }
  verifier(teints > 0, `${ou} : aucun pixel teinté`);
  egal(Array.from(f.rgbaTeintes.subarray(0, 4)), [0, 0, 0, 0], `${ou} : le ciel en (0, 0) n'est pas transparent`);
}

// Ctrl with a letter, to the page.
const Raccourci = (nav, lettre) => nav.touches([CTRL, lettre]);

// Letters or tints on or off, whatever the page shows (a box may be open
// after a failed test).
export const Basculer = (nav, id, oui) =>
  nav.executer((id, oui) => {
    const a = document.getElementById(id);
    if ((a.getAttribute("aria-checked") === "true") !== oui) a.click();
  }, id, oui);

// The legend panel as the pupil reads it.
const Panneau = (nav) =>
  nav.executer(() => {
    const p = document.getElementById("Legende");
    return {
      ouvert: !p.hidden && getComputedStyle(p).display !== "none",
      role: p.getAttribute("role"),
      modal: p.getAttribute("aria-modal"),
      titre: p.querySelector(".barre-titre").textContent,
      note: document.getElementById("note-legende").textContent,
      // The rocks' lines; the structures come apart, under their heading.
      lignes: Array.from(document.querySelectorAll("#LignesLegende li:not(.titre-structures):not([data-structure])"),
        (li) => li.textContent),
      structures: Array.from(document.querySelectorAll("#LignesLegende li.titre-structures, #LignesLegende li[data-structure]"),
        (li) => li.textContent),
      echantillons: document.querySelectorAll("#LignesLegende li:not([data-structure]) > canvas.echantillon:first-child").length,
      focus: document.activeElement.id,
      boiteModale: !!document.querySelector("dialog[open]"),
      // Every line in sight, and the view left uncovered.
      toutVu: (() => {
        const u = document.getElementById("LignesLegende");
        return u.scrollHeight <= u.clientHeight + 1;
      })(),
      surLaVue: (() => {
        const a = p.getBoundingClientRect();
        const v = document.getElementById("Visu").getBoundingClientRect();
        return a.left < v.right && v.left < a.right && a.top < v.bottom && v.top < a.bottom;
      })(),
    };
  });

// What the engine says the panel must hold: its text per letter, the note
// on a formation without a label exactly when it has none.
function VerifierLegende(panneau, f, ou) {
  egal(panneau.lignes, f.legende.map((e) => e.texte), `${ou} : lignes de la légende`);
  egal(panneau.echantillons, f.legende.length, `${ou} : un échantillon par ligne`);
  const lettres = new Set(f.etiquettes.map((e) => e.lettre));
  for (const e of f.legende) {
    egal(e.sansLettre, !lettres.has(e.lettre), `${ou} : ${e.lettre} sans lettre`);
    egal(e.texte.endsWith(MINCE), e.sansLettre, `${ou} : mention « trop mince » de ${e.lettre}`);
    verifier(e.texte.startsWith(e.lettre + " : "), `${ou} : ${e.texte} ne commence pas par sa lettre`);
  }
}

async function Ranger(nav) {
  await Basculer(nav, "Lettres1", false);
  await Basculer(nav, "Teintes1", false);
  await Basculer(nav, "Roches1", false);
  await nav.executer(() => {
    document.getElementById("Legende").hidden = true;
  });
}

export function TestsFormations(c) {
  const echantillon = (nom) => join(c.echantillons, nom);
  // A sample list through "Charger une liste d'événements", then the time
  // the page takes to read the file: until the session holds its lines.
  async function Charger(nom) {
    await c.ChargerParLeMenu(echantillon(nom));
    const attendu = readFileSync(echantillon(nom)).toString("latin1");
    const charge = await c.nav().executerAsync(async (attendu) => {
      for (let i = 0; i < 200; ++i) {
        const l = window.strataloom.session().texteListe();
        let t = "";
        for (let j = 0; j < l.length; ++j) t += String.fromCharCode(l[j]);
        if (t === attendu) return true;
        await new Promise((r) => setTimeout(r, 25));
      }
      return false;
    }, attendu);
    verifier(charge, `${nom} ne s'est pas chargée`);
  }

  test("Affichage : lettres et teintes par-dessus la vue, ses pixels, le BMP et la liste inchangés", async () => {
    const nav = c.nav();
    await Charger("discordance-faillee.lst");
    const avant = await EtatPage(nav);
    const r = ComparerAuRendu(avant, c.rendu, "avant les lettres");
    await nav.cliquer("#Fichier1");
    await nav.cliquer("#ExporterImage1");
    await Saisir(nav);
    const bmpAvant = await Telecharge(c.telechargements);
    let f = await Formations(nav);
    egal([f.lettres1, f.teintes1, f.visible], ["false", "false", false], "au départ, ni lettres ni teintes");
    try {
      await nav.cliquer("#Affichage1");
      await nav.cliquer("#Lettres1");
      await Raccourci(nav, "t");
      f = await Formations(nav);
      egal([f.lettres1, f.teintes1, f.visible], ["true", "true", true], "lettres et teintes allumées");
      egal(f.place, f.placeVue, "la couche couvre exactement la vue");
      const apres = await EtatPage(nav);
      const ecart = PremierEcart(apres.rgba, avant.rgba, avant.largeur);
      verifier(!ecart, `pixel ${JSON.stringify(ecart)} de la vue changé par les lettres et les teintes`);
      ComparerAuRendu(apres, c.rendu, "avec lettres et teintes");
      egal(apres.octetsListe.toString("hex"), avant.octetsListe.toString("hex"), "octets de la liste");
      await nav.cliquer("#Fichier1");
      await nav.cliquer("#ExporterImage1");
      await Saisir(nav);
      const bmp = await Telecharge(c.telechargements);
      verifier(bmp.octets.equals(bmpAvant.octets), "le BMP exporté change avec les lettres et les teintes");
      verifier(bmp.octets.equals(r.bmp), "le BMP exporté n'est pas celui de strataloom-render");
      await nav.cliquer("#Fichier1");
      await nav.cliquer("#Sauver1");
      await Saisir(nav);
      const lst = await Telecharge(c.telechargements);
      egal(lst.octets.toString("hex"), readFileSync(echantillon("discordance-faillee.lst")).toString("hex"),
        "liste sauvée avec lettres et teintes");
      // On screen, the letters' boxes show white over the rock.
      const capture = RgbaDePng(await nav.capture());
      const [x0, y0] = f.placeVue;
      for (const e of f.etiquettes) {
        const o = ((y0 + (e.haut + 2) * f.k) * capture.largeur + x0 + (e.gauche + 2) * f.k) * 4;
        verifier([0, 1, 2].every((i) => capture.rgba[o + i] >= 225),
          `à l'écran, la boîte de ${e.lettre} en (${e.gauche}, ${e.haut}) n'est pas blanche`);
      }
    } finally {
      await Ranger(nav);
    }
    f = await Formations(nav);
    egal(f.visible, false, "la couche se cache quand lettres et teintes sont éteintes");
  });

  // « Roches »: the overlay is the engine's rock view, opaque, each view
  // pixel's k x k square; off, the overlay goes.
  test("Roches : la couche montre la vue des roches du moteur", async () => {
    const nav = c.nav();
    await Charger("fosse-comblee.lst");
    try {
      await Basculer(nav, "Roches1", true);
      const f = await Formations(nav);
      verifier(f.visible, "la couche des roches est cachée");
      const roches = Buffer.from(await nav.executer(() => {
        const d = window.strataloom.session().rochesRgba();
        let s = "";
        for (let i = 0; i < d.length; i += 32768) s += String.fromCharCode.apply(null, d.subarray(i, i + 32768));
        return btoa(s);
      }), "base64");
      const { k } = f;
      const [l, h] = f.vue;
      egal(roches.length, l * h * 4, "taille de la vue des roches");
      let differents = 0;
      for (let y = 0; y < h; y += 7)
        for (let x = 0; x < l; x += 5) {
          const s = (y * l + x) * 4;
          const o = ((y * k) * l * k + x * k) * 4;
          if (![0, 1, 2, 3].every((i) => f.rgba[o + i] === roches[s + i])) ++differents;
        }
      egal(differents, 0, "pixels de la couche hors de la vue des roches");
      verifier(f.legende.every((e) => e.roche > 0), "chaque ligne de la légende a sa roche");
    } finally {
      await Ranger(nav);
    }
    egal((await Formations(nav)).visible, false, "la couche se cache sans les roches");
  });

  test("les lettres sont sur la couche là où le moteur place les étiquettes, à chaque rafraîchissement", async () => {
    const nav = c.nav();
    await nav.cliquer("#Efface");
    try {
      await Raccourci(nav, "l");
      VerifierLettres(await Formations(nav), "coupe de départ");
      const etapes = [
        ["Sédimentation", () => nav.cliquer("#Sedim")],
        ["Sédimentation", () => nav.cliquer("#Sedim")],
        ["Compression", () => nav.cliquer("#Plissa")],
        ["Erosion", () => nav.cliquer("#Nivele")],
        ["Annuler", () => nav.cliquer("#Annuler")],
        ["Distension", () => nav.cliquer("#Casse")],
        ["fosse-comblee.lst chargée", () => Charger("fosse-comblee.lst")],
        ["Retour début", () => nav.cliquer("#Efface")],
        ["volcan.lst chargée", () => Charger("volcan.lst")],
      ];
      let precedentes = null;
      for (const [quoi, faire] of etapes) {
        await faire();
        const f = await Formations(nav);
        VerifierLettres(f, `après ${quoi}`);
        ComparerAuRendu(await EtatPage(nav), c.rendu, `après ${quoi}, lettres allumées`);
        verifier(JSON.stringify(f.etiquettes) !== precedentes || quoi === "Annuler",
          `après ${quoi} : les étiquettes n'ont pas changé`);
        precedentes = JSON.stringify(f.etiquettes);
      }
    } finally {
      await Ranger(nav);
    }
  });

  test("les teintes : chaque pixel de formation à la teinte de sa légende, opacité 120", async () => {
    const nav = c.nav();
    await Charger("granite.lst");
    try {
      await Raccourci(nav, "t");
      VerifierTeintes(await Formations(nav), "granite.lst");
      await nav.cliquer("#Sedim");
      VerifierTeintes(await Formations(nav), "granite.lst puis Sédimentation");
      await nav.cliquer("#Annuler");
      VerifierTeintes(await Formations(nav), "après Annuler");
    } finally {
      await Ranger(nav);
    }
  });

  test("la légende : un panneau non modal, les textes du moteur, suivi des événements", async () => {
    const nav = c.nav();
    await nav.cliquer("#Efface");
    try {
      await nav.cliquer("#Affichage1");
      await nav.cliquer("#Legende1");
      let p = await Panneau(nav);
      egal([p.ouvert, p.role, p.modal, p.boiteModale], [true, "dialog", "false", false], "panneau de la légende");
      egal([p.titre, p.note], ["Légende des formations", NOTE], "titre et note de la légende");
      egal(Roches(p.lignes), ROCHES_DEPART, "légende de la coupe de départ");
      egal(p.echantillons, 3, "échantillons de la coupe de départ");
      egal(p.focus, "FermerLegende", "le focus dans la légende");
      // The page stays usable: an event with the legend open updates it.
      await nav.cliquer("#Sedim");
      p = await Panneau(nav);
      egal(p.lignes.length, 4, "légende après une sédimentation");
      verifier(p.lignes.every((l) => !l.includes("(")), "la légende ne nomme pas l'événement");
      ComparerAuRendu(await EtatPage(nav), c.rendu, "légende ouverte");
      await Charger("volcan.lst");
      p = await Panneau(nav);
      egal(p.lignes.filter((l) => / : basalte : coulée et filon$/.test(l)).length, 1, "légende de volcan.lst");
      verifier(p.lignes.every((l) => !l.includes("(")), "la légende de volcan.lst ne nomme pas d'événement");
      VerifierLegende(p, await Formations(nav), "volcan.lst");
      await Charger("fosse-comblee.lst");
      p = await Panneau(nav);
      egal(p.structures, ["Structures", "F1 : faille normale", "F2 : faille normale"],
        "les deux failles du fossé, chacune son nom, à part sous « Structures »");
      egal([p.toutVu, p.surLaVue], [true, false], "six lignes en vue, à côté de la coupe");
      VerifierLegende(p, await Formations(nav), "fosse-comblee.lst");
      // With the tints on, the samples change, not the words.
      await Raccourci(nav, "t");
      const teinte = await Panneau(nav);
      egal(teinte.lignes, p.lignes, "la légende avec les teintes");
      for (const nom of ["chevauchement.lst", "discordance-faillee.lst", "granite.lst", "plis-erodes.lst"]) {
        await Charger(nom);
        VerifierLegende(await Panneau(nav), await Formations(nav), nom);
      }
      await nav.cliquer("#FermerLegende");
      egal((await Panneau(nav)).ouvert, false, "« Fermer » ferme la légende");
    } finally {
      await Ranger(nav);
    }
  });

  test("le menu Affichage au clavier ; Ctrl+L et Ctrl+T allument et éteignent", async () => {
    const nav = c.nav();
    await nav.cliquer("#Efface");
    try {
      const etat = () => nav.executer(() => [
        document.getElementById("Lettres1").getAttribute("aria-checked"),
        document.getElementById("Teintes1").getAttribute("aria-checked"),
        !document.getElementById("Formations").hidden,
      ]);
      const focus = () => nav.executer(() => document.activeElement.id);
      const roles = await nav.executer(() => ({
        titres: Array.from(document.querySelectorAll("#menus .titre-menu"), (t) => t.textContent),
        menu: document.getElementById("menu-Affichage1").getAttribute("role"),
        articles: Array.from(document.querySelectorAll("#menu-Affichage1 button"),
          (b) => [b.id, b.getAttribute("role"), b.textContent, b.getAttribute("aria-keyshortcuts")]),
      }));
      egal(roles.titres, ["Fichier", "Evénements", "Affichage", "Exercice", "?"], "titres des menus");
      egal(roles.menu, "menu", "rôle du menu Affichage");
      egal(roles.articles, [
        ["Lettres1", "menuitemcheckbox", "Lettres des formations", "Control+L"],
        ["Teintes1", "menuitemcheckbox", "Teintes des formations", "Control+T"],
        ["Roches1", "menuitemcheckbox", "Roches", null],
        ["Legende1", "menuitem", "Légende...", null],
        ["Sons1", "menuitemcheckbox", "Sons", null],
      ], "articles du menu Affichage");
      egal(await etat(), ["false", "false", false], "au départ");
      await Raccourci(nav, "l");
      egal(await etat(), ["true", "false", true], "Ctrl+L");
      await Raccourci(nav, "t");
      egal(await etat(), ["true", "true", true], "Ctrl+T");
      await Raccourci(nav, "l");
      egal(await etat(), ["false", "true", true], "Ctrl+L de nouveau");
      await Raccourci(nav, "t");
      egal(await etat(), ["false", "false", false], "Ctrl+T de nouveau");
      // From the Evénements title, the right arrow goes to Affichage.
      await nav.executer(() => document.getElementById("Evnements1").focus());
      await nav.touches(DROITE);
      egal(await focus(), "Affichage1", "flèche droite depuis Evénements");
      await nav.touches(ENTREE);
      egal(await focus(), "Lettres1", "Entrée ouvre Affichage sur son premier article");
      await nav.touches(ENTREE);
      egal(await etat(), ["true", "false", true], "Entrée sur « Lettres des formations »");
      egal(await focus(), "Affichage1", "le focus revient au titre");
      await nav.touches(ENTREE);
      await nav.touches(BAS);
      egal(await focus(), "Teintes1", "flèche vers le bas");
      await nav.touches(ENTREE);
      egal(await etat(), ["true", "true", true], "Entrée sur « Teintes des formations »");
      await nav.touches(ENTREE);
      await nav.touches(BAS);
      await nav.touches(BAS);
      egal(await focus(), "Roches1", "« Roches » au clavier");
      await nav.touches(BAS);
      egal(await focus(), "Legende1", "« Légende... » au clavier");
      await nav.touches(ENTREE);
      let p = await Panneau(nav);
      egal([p.ouvert, p.focus, p.lignes.length], [true, "FermerLegende", 3], "légende ouverte au clavier");
      await nav.touches(ECHAP);
      p = await Panneau(nav);
      egal([p.ouvert, await focus()], [false, "Affichage1"], "Échap ferme la légende, le focus revient");
      // While a box waits for an answer, the shortcuts do nothing.
      await nav.cliquer("#Interrogation1");
      await nav.cliquer("#Avertissement1");
      await Raccourci(nav, "l");
      egal(await etat(), ["true", "true", true], "Ctrl+L sous une boîte");
      await nav.cliquer("#boite-message button");
    } finally {
      await Ranger(nav);
    }
  });
}
