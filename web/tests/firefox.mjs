// SPDX-License-Identifier: GPL-3.0-or-later
// Firefox, checked by hand: opens the page in headless Firefox (through
// its Marionette protocol, no driver to install), takes screenshots at
// 1280 x 800, and compares the canvas with strataloom-render for each
// sample list, loaded through the page's own file control.
//
//   node web/tests/firefox.mjs --page build-web/strataloom.html
//        --rendu build/bin/strataloom-render --base build/bin/Base
//        --captures DOSSIER [--firefox /usr/bin/firefox-esr]
//
// Not part of the test command: Firefox does not come with the project's
// packages. The last line says what was seen.
import { spawn } from "node:child_process";
import { connect } from "node:net";
import { mkdtempSync, writeFileSync, readFileSync, readdirSync, rmSync, mkdirSync } from "node:fs";
import { tmpdir } from "node:os";
import { join, resolve, dirname } from "node:path";
import { pathToFileURL, fileURLToPath } from "node:url";
import { Rendu } from "./outils.mjs";
import { PremierEcart } from "./images.mjs";

const racine = resolve(dirname(fileURLToPath(import.meta.url)), "..", "..");
const args = process.argv.slice(2);
const option = (nom, defaut) => {
  const i = args.indexOf("--" + nom);
  return i >= 0 && i + 1 < args.length ? args[i + 1] : defaut;
};
const page = resolve(option("page", join(racine, "build-web", "strataloom.html")));
const captures = resolve(option("captures", join(racine, "build-web", "captures-firefox")));
const rendu = new Rendu(resolve(option("rendu", join(racine, "build", "bin", "strataloom-render"))),
  resolve(option("base", join(racine, "build", "bin", "Base"))));
const binaire = option("firefox", "/usr/bin/firefox-esr");
const echantillons = join(racine, "data", "evenements");
mkdirSync(captures, { recursive: true });

// Marionette: "length:json" messages; a command is [0, id, name, params],
// its answer [1, id, error, result].
class Marionette {
  static async Ouvrir(port) {
    const m = new Marionette();
    for (let i = 0; ; ++i) {
      try {
        m.socket = await new Promise((ok, ko) => {
          const s = connect(port, "127.0.0.1", () => ok(s));
          s.on("error", ko);
        });
        break;
      } catch (e) {
        if (i > 300) throw new Error("Firefox ne répond pas");
        await new Promise((r) => setTimeout(r, 100));
      }
    }
    m.tampon = Buffer.alloc(0);
    m.attentes = new Map();
    m.suivant = 1;
    m.accueil = new Promise((r) => (m.surAccueil = r));
    m.socket.on("data", (d) => m.lire(d));
    await m.accueil;
    return m;
  }

  lire(d) {
    this.tampon = Buffer.concat([this.tampon, d]);
    for (;;) {
      const deux = this.tampon.indexOf(":");
      if (deux < 0) return;
      const n = Number(this.tampon.toString("latin1", 0, deux));
      if (this.tampon.length < deux + 1 + n) return;
      const message = JSON.parse(this.tampon.toString("utf8", deux + 1, deux + 1 + n));
      this.tampon = this.tampon.subarray(deux + 1 + n);
      if (!Array.isArray(message)) {
        this.surAccueil(message);
        continue;
      }
      const [, id, erreur, resultat] = message;
      const a = this.attentes.get(id);
      this.attentes.delete(id);
      if (erreur) a.ko(new Error(`${erreur.error}: ${erreur.message}`));
      else a.ok(resultat);
    }
  }

  commande(nom, params = {}) {
    const id = this.suivant++;
    const corps = Buffer.from(JSON.stringify([0, id, nom, params]));
    return new Promise((ok, ko) => {
      this.attentes.set(id, { ok, ko });
      this.socket.write(`${corps.length}:`);
      this.socket.write(corps);
    });
  }

  async script(f, ...a) {
    const r = await this.commande("WebDriver:ExecuteAsyncScript", {
      script: `const fini = arguments[arguments.length - 1];
        Promise.resolve((${f.toString()}).apply(null, Array.from(arguments).slice(0, -1)))
          .then((v) => fini({ ok: v }), (e) => fini({ erreur: String(e) }));`,
      args: a,
      scriptTimeout: 60000,
    });
    const v = r.value;
    if (v && v.erreur) throw new Error(v.erreur);
    return v && v.ok;
  }

  async capture(nom) {
    const r = await this.commande("WebDriver:TakeScreenshot", { full: false });
    writeFileSync(join(captures, nom), Buffer.from(r.value, "base64"));
  }
}

const profil = mkdtempSync(join(tmpdir(), "strataloom-firefox-"));
const port = 20000 + Math.floor(Math.random() * 20000);
writeFileSync(join(profil, "user.js"), [
  `user_pref("marionette.port", ${port});`,
  'user_pref("browser.shell.checkDefaultBrowser", false);',
  'user_pref("datareporting.policy.dataSubmissionEnabled", false);',
  'user_pref("app.update.enabled", false);',
  'user_pref("network.proxy.type", 0);',
  // The page speaks the browser's first language: French here.
  'user_pref("intl.accept_languages", "fr-FR, fr");',
].join("\n"));
const ff = spawn(binaire, ["--headless", "--marionette", "--no-remote", "--profile", profil,
  "--width=1280", "--height=800"], { stdio: "ignore" });
const vus = [];
let ecarts = 0;
try {
  const m = await Marionette.Ouvrir(port);
  await m.commande("WebDriver:NewSession", { capabilities: {} });
  await m.commande("WebDriver:SetWindowRect", { width: 1280, height: 800 });
  await m.commande("WebDriver:Navigate", { url: pathToFileURL(page).href });
  await m.script(() => window.strataloom.pret);
  await m.capture("firefox-1-avertissement.png");
  await m.script(() => document.querySelector("#boite-message button").click());
  for (const id of ["Sedim", "Sedim", "Plissa", "Nivele", "Sedim"])
    await m.script((i) => document.getElementById(i).click(), id);
  await m.capture("firefox-2-coupe.png");
  for (const nom of readdirSync(echantillons).filter((n) => n.endsWith(".lst")).sort()) {
    const octets = readFileSync(join(echantillons, nom));
    // The page's own file control, given the file as a pupil's choice would.
    const r = await m.script((b64, n) => {
      const entree = document.getElementById("choix-liste");
      const f = new File([Uint8Array.from(atob(b64), (c) => c.charCodeAt(0))], n);
      const t = new DataTransfer();
      t.items.add(f);
      entree.files = t.files;
      entree.dispatchEvent(new Event("change"));
      return new Promise((ok) => setTimeout(ok, 50)).then(() => {
        const v = document.getElementById("Visu");
        const d = v.getContext("2d").getImageData(0, 0, v.width, v.height).data;
        let s = "";
        for (let i = 0; i < d.length; i += 32768) s += String.fromCharCode.apply(null, d.subarray(i, i + 32768));
        return { pixels: btoa(s), largeur: v.width };
      });
    }, octets.toString("base64"), nom);
    const attendu = rendu.pour(octets).vue;
    const e = PremierEcart(Buffer.from(r.pixels, "base64"), attendu.rgba, attendu.largeur);
    if (e) ++ecarts;
    vus.push(`${nom} ${e ? `diffère en (${e.x}, ${e.y})` : "identique"}`);
  }
  await m.capture("firefox-3-liste-chargee.png");
  await m.script(() => document.getElementById("AideBt5").click());
  await m.capture("firefox-4-aide.png");
  await m.commande("WebDriver:DeleteSession");
} finally {
  ff.kill();
  await new Promise((r) => (ff.exitCode !== null ? r() : ff.once("exit", r)));
  rmSync(profil, { recursive: true, force: true });
  rendu.fermer();
}
for (const v of vus) console.log(v);
console.log(`Firefox : ${vus.length - ecarts} listes identiques au rendu de bureau sur ${vus.length} ; captures dans ${captures}`);
