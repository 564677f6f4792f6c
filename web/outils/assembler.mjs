// SPDX-License-Identifier: GPL-3.0-or-later
// Puts the browser edition together in one self-contained HTML file: the
// page's style and scripts, the engine (WebAssembly inside its JavaScript),
// and the data made by the project's generator: the seven textures
// (gzip-compressed BMP files), the seven sounds (gzip-compressed WAV
// files), the help
// document, the icon and the logo, and the English translations of the
// engine's texts. The same file is written as the static folder's
// index.html. The npm packages the page uses (web/package.json, installed
// by scripts/web.sh) go inside the page's script, ahead of its modules:
// fflate, which makes the teacher's zip, as its browser build. The
// engine's WebAssembly, which emscripten inlines in base64, is taken out of
// its script and carried gzip-compressed like the textures; the page hands
// it back to the engine at start (wasmBinary).
//
//   node assembler.mjs --moteur build-web/moteur.js --donnees DIR --icones DIR
//                      --version 2.1.0 --sortie build-web
//                      [--traductions app/traductions/strataloom_en.ts]
//
// DIR for --donnees is the generator's bin folder (Base/, strataloom.hlp).
import { readFileSync, readdirSync, writeFileSync, mkdirSync } from "node:fs";
import { gzipSync } from "node:zlib";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";
import { LierModules } from "./modules.mjs";
import { TraductionsDuMoteur } from "./traductions.mjs";

const ici = dirname(fileURLToPath(import.meta.url));
const racine = join(ici, "..", "..");
const page = join(ici, "..", "page");
// The files of Base/, as the build files list them.
function ListeCMake(nom) {
  const texte = readFileSync(join(ici, "..", "..", "cmake", "FichiersBase.cmake"), "utf8");
  const m = texte.match(new RegExp(`set\\(${nom} ([^)]*)\\)`));
  if (!m) throw new Error(`${nom} manque dans cmake/FichiersBase.cmake`);
  return m[1].trim().split(/\s+/);
}
const TEXTURES = ListeCMake("STRATALOOM_TEXTURES");
const SONS = ListeCMake("STRATALOOM_SONS");

function Options(argv) {
  const o = {};
  for (let i = 0; i < argv.length; i += 2) {
    if (!argv[i].startsWith("--") || i + 1 >= argv.length) throw new Error(`option incomprise : ${argv[i]}`);
    o[argv[i].slice(2)] = argv[i + 1];
  }
  for (const n of ["moteur", "donnees", "icones", "version", "sortie"])
    if (!o[n]) throw new Error(`--${n} manque`);
  o.traductions ??= join(racine, "app", "traductions", "strataloom_en.ts");
  return o;
}

// Text that goes inside a <script> element: nothing in it may close the
// element or open an HTML comment.
function PourScript(texte) {
  return texte.replace(/<\/(script)/gi, "<\\/$1").replace(/<!--/g, "<\\!--");
}

const o = Options(process.argv.slice(2));
const base64 = (octets) => Buffer.from(octets).toString("base64");
const dataUrlPng = (chemin) => "data:image/png;base64," + base64(readFileSync(chemin));

const donnees = {
  version: o.version,
  textures: Object.fromEntries(
    TEXTURES.map((n) => [n, base64(gzipSync(readFileSync(join(o.donnees, "Base", n)), { level: 9 }))]),
  ),
  sons: Object.fromEntries(
    SONS.map((n) => [n, base64(gzipSync(readFileSync(join(o.donnees, "Base", n)), { level: 9 }))]),
  ),
  // The help in French and in English; their pictures (aide/*.png beside
  // the help files, the same for both) once, by name, put in when shown.
  aide: {
    fr: readFileSync(join(o.donnees, "strataloom.hlp"), "utf8"),
    en: readFileSync(join(o.donnees, "strataloom_en.hlp"), "utf8"),
  },
  imagesAide: Object.fromEntries(
    readdirSync(join(o.donnees, "aide"))
      .filter((n) => /^[a-z-]+\.png$/.test(n))
      .sort()
      .map((n) => [n, base64(readFileSync(join(o.donnees, "aide", n)))]),
  ),
  // The page in English: the engine's texts by context (see traductions.mjs).
  traductions: { en: TraductionsDuMoteur(readFileSync(o.traductions, "utf8"), racine) },
  // The template itself, placeholders kept: the page rebuilds its own bytes
  // from it for a course package (paquet.js).
  modele: readFileSync(join(page, "strataloom.html"), "utf8"),
};

const paquets = [join(ici, "..", "node_modules", "fflate", "umd", "index.js")];
// The engine's script without its WebAssembly, and that WebAssembly.
const WASM = /(wasmBinaryFile=")data:application\/octet-stream;base64,([A-Za-z0-9+/=]+)(")/;
const moteurJs = readFileSync(o.moteur, "utf8");
const wasm = WASM.exec(moteurJs);
if (!wasm) throw new Error(`${o.moteur} : WebAssembly en base64 introuvable`);
donnees.moteur = base64(gzipSync(Buffer.from(wasm[2], "base64"), { level: 9 }));
const pageJs = paquets.map((f) => readFileSync(f, "utf8") + "\n").join("") + LierModules(page, "principal.js");

// Placeholders are replaced by function so that "$" in the inserted text
// stays as it is.
const remplacements = {
  "@STYLE@": readFileSync(join(page, "style.css"), "utf8"),
  "@DONNEES@": PourScript("const STRATALOOM_DONNEES = " + JSON.stringify(donnees) + ";"),
  "@MOTEUR@": PourScript(moteurJs.replace(WASM, (_, a, b, c) => a + "data:application/octet-stream;base64," + c)),
  "@PAGE@": PourScript(pageJs),
  "@LOGO@": dataUrlPng(join(o.icones, "logo.png")),
  "@ICONE48@": dataUrlPng(join(o.icones, "strataloom-48.png")),
  "@ICONE32@": dataUrlPng(join(o.icones, "strataloom-32.png")),
};
let html = readFileSync(join(page, "strataloom.html"), "utf8");
// Each placeholder once, in one pass, so that inserted text is never
// searched again.
const motif = new RegExp(Object.keys(remplacements).join("|"), "g");
const vus = new Set();
html = html.replace(motif, (m) => {
  vus.add(m);
  return remplacements[m];
});
for (const m of Object.keys(remplacements)) if (!vus.has(m)) throw new Error(`${m} absent du modèle de page`);

mkdirSync(join(o.sortie, "site"), { recursive: true });
writeFileSync(join(o.sortie, "strataloom.html"), html);
writeFileSync(join(o.sortie, "site", "index.html"), html);
console.log(`strataloom.html : ${Buffer.byteLength(html)} octets`);
