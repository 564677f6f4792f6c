// SPDX-License-Identifier: GPL-3.0-or-later
// The English the page needs, from the program's translation file (the
// XML of app/traductions/strataloom_en.ts: <context><name>, then
// <message><source>French</source><translation>English</translation>).
// Kept: every context the engine's texts use (Texte("C", ...) and
// TEXTE_NOOP("C", ...) in section/ and web/src/), as {C: {french: english}};
// and under "*" the window's other translations, French text to English,
// for an engine text whose own context does not hold it yet. A French text
// translated differently in two contexts ("Annuler": "Undo", "Cancel")
// takes the translation of the larger context, the main window's.
import { existsSync, readFileSync, readdirSync } from "node:fs";
import { join } from "node:path";

const ENTITES = { amp: "&", lt: "<", gt: ">", quot: '"', apos: "'" };

function Decoder(xml) {
  return xml
    .replace(/<byte value="x([0-9a-fA-F]+)"\/>/g, (_, h) => String.fromCodePoint(parseInt(h, 16)))
    .replace(/&(#x[0-9a-fA-F]+|#[0-9]+|[a-z]+);/g, (m, e) => {
      if (e.startsWith("#x")) return String.fromCodePoint(parseInt(e.slice(2), 16));
      if (e.startsWith("#")) return String.fromCodePoint(parseInt(e.slice(1), 10));
      if (!(e in ENTITES)) throw new Error(`entité inconnue : ${m}`);
      return ENTITES[e];
    });
}

// {context: {source: translation}} of the finished, singular messages.
export function LireTs(xml) {
  const contextes = {};
  for (const [, c] of xml.matchAll(/<context>([\s\S]*?)<\/context>/g)) {
    const nom = Decoder(/<name>([\s\S]*?)<\/name>/.exec(c)[1].trim());
    const messages = (contextes[nom] ??= {});
    for (const [, attributs, m] of c.matchAll(/<message(\s[^>]*)?>([\s\S]*?)<\/message>/g)) {
      if (attributs && /numerus="yes"/.test(attributs)) continue;
      const s = /<source>([\s\S]*?)<\/source>/.exec(m);
      const t = /<translation(\s[^>]*)?>([\s\S]*?)<\/translation>/.exec(m);
      if (!s || !t || !t[2] || (t[1] && /type="(unfinished|vanished|obsolete)"/.test(t[1]))) continue;
      messages[Decoder(s[1])] = Decoder(t[2]);
    }
  }
  return contextes;
}

// The contexts of the engine's texts, from its sources.
export function ContextesDuMoteur(racine) {
  const couches = readdirSync(join(racine, "section"), { withFileTypes: true })
    .filter((e) => e.isDirectory() && existsSync(join(racine, "section", e.name, "src")))
    .flatMap((e) => [`section/${e.name}/src`, `section/${e.name}/include/section`]);
  const dossiers = [...couches, "web/src"].map((d) => join(racine, d));
  const contextes = new Set();
  for (const d of dossiers)
    for (const f of readdirSync(d).filter((n) => /\.(cpp|h)$/.test(n)))
      for (const [, c] of readFileSync(join(d, f), "utf8").matchAll(/\b(?:Texte|TEXTE_NOOP)\(\s*"(\w+)"/g))
        contextes.add(c);
  return contextes;
}

export function TraductionsDuMoteur(xml, racine) {
  const ts = LireTs(xml);
  const moteur = ContextesDuMoteur(racine);
  const r = {};
  for (const c of moteur) if (ts[c] && Object.keys(ts[c]).length) r[c] = ts[c];
  const autres = {};
  const parTaille = Object.entries(ts)
    .filter(([c]) => !moteur.has(c))
    .sort(([a, x], [b, y]) => Object.keys(x).length - Object.keys(y).length || (a < b ? 1 : -1));
  // From the smallest context to the largest: the larger one's word stays.
  for (const [, messages] of parTaille) Object.assign(autres, messages);
  r["*"] = autres;
  return r;
}
