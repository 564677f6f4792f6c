// SPDX-License-Identifier: GPL-3.0-or-later
// The French texts of the desktop program: every string literal of app/
// (adjacent literals joined, as the compiler joins them) and of the event
// table, decoded as the program decodes them. A caption with a mnemonic
// ("&Fichier") also counts without its "&", as the page shows it.
import { readFileSync, readdirSync } from "node:fs";
import { join } from "node:path";

function Litteraux(source) {
  const textes = [];
  let i = 0;
  let courant = null; // the literal being joined to its neighbours
  const n = source.length;
  while (i < n) {
    const c = source[i];
    if (c === "/" && source[i + 1] === "/") {
      i = source.indexOf("\n", i);
      if (i < 0) break;
      continue;
    }
    if (c === "/" && source[i + 1] === "*") {
      i = source.indexOf("*/", i + 2) + 2;
      if (i < 2) break;
      continue;
    }
    if (c === "'") {
      // A character literal; digit separators do not occur in app/.
      i = source.indexOf("'", source[i + 1] === "\\" ? i + 3 : i + 2) + 1;
      continue;
    }
    if (c === '"') {
      let octets = [];
      ++i;
      while (i < n && source[i] !== '"') {
        if (source[i] === "\\") {
          const e = source[i + 1];
          if (e === "x") {
            const m = /^[0-9a-fA-F]+/.exec(source.slice(i + 2));
            octets.push({ latin1: parseInt(m[0], 16) });
            i += 2 + m[0].length;
            continue;
          }
          const simples = { n: "\n", r: "\r", t: "\t", '"': '"', "\\": "\\", "'": "'", "0": "\0" };
          octets.push(simples[e] ?? e);
          i += 2;
        } else {
          octets.push(source[i]);
          ++i;
        }
      }
      ++i;
      // Source text is UTF-8; a \x escape is a Windows-1252 byte (the
      // event table's), shown as its character.
      const t = octets
        .map((o) => (typeof o === "string" ? o : new TextDecoder("windows-1252").decode(Uint8Array.of(o.latin1))))
        .join("");
      courant = courant === null ? t : courant + t;
      continue;
    }
    if (/\s/.test(c)) {
      ++i;
      continue;
    }
    if (courant !== null) {
      textes.push(courant);
      courant = null;
    }
    ++i;
  }
  if (courant !== null) textes.push(courant);
  return textes;
}

export function TextesDuBureau(dossierApp) {
  const fichiers = readdirSync(dossierApp)
    .filter((f) => /\.(cpp|h)$/.test(f))
    .map((f) => join(dossierApp, f));
  // The engine's tables the window shows: events, reasons, menus, and the
  // catalogue of the texts it shares with the page.
  for (const f of ["noyau/include/section/evenements.h", "session/include/section/disponibilite.h",
    "noyau/src/commandes.cpp", "noyau/src/catalogue.cpp"])
    fichiers.push(join(dossierApp, "..", "section", f));
  const textes = new Set();
  for (const f of fichiers) {
    for (const t of Litteraux(readFileSync(f, "utf8"))) {
      textes.add(t);
      if (t.includes("&")) textes.add(t.replace(/&(?=\S)/, ""));
    }
  }
  return textes;
}
