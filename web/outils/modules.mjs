// SPDX-License-Identifier: GPL-3.0-or-later
// Links the page's modules into one script. Each file of web/page/*.js is a
// module that names what it takes from the others,
//   import { A, B as C } from "./x.js";
// and what it gives them,
//   export function F / export async function F / export const X /
//   export class K / export { a, b as c };
// nothing else of the module syntax is accepted. Each module becomes a
// function run once, after every module it imports, whose result holds its
// exports; the order follows the import graph from the entry module, a
// cycle is an error, and so is a module that nothing imports.
import { readFileSync, readdirSync } from "node:fs";
import { join } from "node:path";

const IDENT = "[A-Za-z_$][\\w$]*";
const IMPORT = new RegExp(`^import\\s*\\{([^}]*)\\}\\s*from\\s*"\\./([\\w.-]+\\.js)";?[ \\t]*$`, "gm");
const EXPORT_DECL = new RegExp(`^export\\s+((?:async\\s+)?function\\*?|const|class)\\s+(${IDENT})`, "gm");
const EXPORT_LISTE = /^export\s*\{([^}]*)\};?[ \t]*$/gm;

// "A", "A as B" -> [["A", "B"], ...]
function Noms(liste, ou) {
  return liste
    .split(",")
    .map((n) => n.trim())
    .filter((n) => n)
    .map((n) => {
      const m = new RegExp(`^(${IDENT})(?:\\s+as\\s+(${IDENT}))?$`).exec(n);
      if (!m) throw new Error(`${ou} : nom incompris « ${n} »`);
      return [m[1], m[2] || m[1]];
    });
}

function Analyser(nom, source) {
  const imports = [];
  const exports = [];
  let corps = source.replace(IMPORT, (_, liste, de) => {
    imports.push({ de, noms: Noms(liste, nom) });
    return "";
  });
  corps = corps.replace(EXPORT_LISTE, (_, liste) => {
    for (const [interne, externe] of Noms(liste, nom)) exports.push([interne, externe]);
    return "";
  });
  corps = corps.replace(EXPORT_DECL, (_, genre, n) => {
    exports.push([n, n]);
    return `${genre} ${n}`;
  });
  // Whatever module syntax is left is a form this linker does not know.
  const reste = /^\s*(import\b|export\b)/m.exec(corps);
  if (reste) throw new Error(`${nom} : « ${corps.slice(reste.index).split("\n")[0].trim()} » non pris en charge`);
  return { nom, imports, exports, corps };
}

const Variable = (nom) => "module_" + nom.replace(/\.js$/, "").replace(/[^\w$]/g, "_");

// The page's script: every module of `dossier`, linked from `entree`.
export function LierModules(dossier, entree) {
  const modules = new Map();
  for (const f of readdirSync(dossier).filter((n) => n.endsWith(".js")).sort())
    modules.set(f, Analyser(f, readFileSync(join(dossier, f), "utf8")));
  if (!modules.has(entree)) throw new Error(`module d'entrée absent : ${entree}`);

  const ordre = [];
  const etat = new Map(); // nom -> "en cours" | "fait"
  function Visiter(nom, chemin) {
    if (etat.get(nom) === "fait") return;
    if (etat.get(nom) === "en cours") throw new Error(`modules en cycle : ${[...chemin, nom].join(" -> ")}`);
    const m = modules.get(nom);
    if (!m) throw new Error(`${chemin[chemin.length - 1]} importe ${nom}, absent`);
    etat.set(nom, "en cours");
    for (const i of m.imports) {
      Visiter(i.de, [...chemin, nom]);
      const donnes = new Set(modules.get(i.de).exports.map(([, e]) => e));
      for (const [n] of i.noms) if (!donnes.has(n)) throw new Error(`${nom} importe ${n}, que ${i.de} n'exporte pas`);
    }
    etat.set(nom, "fait");
    ordre.push(m);
  }
  Visiter(entree, []);
  const inutiles = [...modules.keys()].filter((n) => !etat.has(n));
  if (inutiles.length) throw new Error(`modules que rien n'importe : ${inutiles.join(", ")}`);

  const parties = ordre.map((m) => {
    const prises = m.imports
      .map((i) => `const { ${i.noms.map(([n, l]) => (n === l ? n : `${n}: ${l}`)).join(", ")} } = ${Variable(i.de)};`)
      .join("\n");
    const donnees = m.exports.map(([i, e]) => (i === e ? i : `${e}: ${i}`)).join(", ");
    return `// ${m.nom}\nconst ${Variable(m.nom)} = (() => {\n${prises}\n${m.corps}\nreturn Object.freeze({ ${donnees} });\n})();\n`;
  });
  return `(() => {\n"use strict";\n${parties.join("\n")}})();\n`;
}
