// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures for the tests: the renderer's BMP files (24 bits, bottom-up, as
// the engine writes them) and the browser's PNG screenshots, both to RGBA
// bytes, top row first. Test code only: the page never decodes a picture
// in JavaScript.
import { inflateSync } from "node:zlib";

export function RgbaDeBmp(octets) {
  const b = Buffer.from(octets);
  if (b.toString("latin1", 0, 2) !== "BM") throw new Error("pas un BMP");
  const debut = b.readUInt32LE(10);
  const largeur = b.readInt32LE(18);
  const hauteurSignee = b.readInt32LE(22);
  const bits = b.readUInt16LE(28);
  const compression = b.readUInt32LE(30);
  if (bits !== 24 || compression !== 0) throw new Error(`BMP ${bits} bits, compression ${compression}`);
  const hauteur = Math.abs(hauteurSignee);
  const pas = (largeur * 3 + 3) & ~3;
  const rgba = Buffer.alloc(largeur * hauteur * 4);
  for (let y = 0; y < hauteur; ++y) {
    const ligne = debut + (hauteurSignee > 0 ? hauteur - 1 - y : y) * pas;
    for (let x = 0; x < largeur; ++x) {
      const i = ligne + x * 3;
      const o = (y * largeur + x) * 4;
      rgba[o] = b[i + 2];
      rgba[o + 1] = b[i + 1];
      rgba[o + 2] = b[i];
      rgba[o + 3] = 255;
    }
  }
  return { largeur, hauteur, rgba };
}

// PNG as Chromium writes its screenshots: 8-bit RGB or RGBA, no interlace.
export function RgbaDePng(octets) {
  const b = Buffer.from(octets);
  let i = 8;
  let largeur = 0, hauteur = 0, type = 0;
  const donnees = [];
  while (i < b.length) {
    const n = b.readUInt32BE(i);
    const nom = b.toString("latin1", i + 4, i + 8);
    const c = b.subarray(i + 8, i + 8 + n);
    if (nom === "IHDR") {
      largeur = c.readUInt32BE(0);
      hauteur = c.readUInt32BE(4);
      if (c[8] !== 8 || c[12] !== 0) throw new Error("PNG non pris en charge");
      type = c[9];
    } else if (nom === "IDAT") donnees.push(c);
    else if (nom === "IEND") break;
    i += 12 + n;
  }
  const canaux = type === 6 ? 4 : type === 2 ? 3 : 0;
  if (!canaux) throw new Error(`PNG de type ${type}`);
  const brut = inflateSync(Buffer.concat(donnees));
  const pas = largeur * canaux;
  const rgba = Buffer.alloc(largeur * hauteur * 4);
  let prec = Buffer.alloc(pas);
  for (let y = 0; y < hauteur; ++y) {
    const filtre = brut[y * (pas + 1)];
    const ligne = Buffer.from(brut.subarray(y * (pas + 1) + 1, (y + 1) * (pas + 1)));
    for (let x = 0; x < pas; ++x) {
      const a = x >= canaux ? ligne[x - canaux] : 0;
      const h = prec[x];
      const ah = x >= canaux ? prec[x - canaux] : 0;
      let p = 0;
      if (filtre === 1) p = a;
      else if (filtre === 2) p = h;
      else if (filtre === 3) p = (a + h) >> 1;
      else if (filtre === 4) {
        const e = a + h - ah;
        const da = Math.abs(e - a), dh = Math.abs(e - h), dah = Math.abs(e - ah);
        p = da <= dh && da <= dah ? a : dh <= dah ? h : ah;
      }
      ligne[x] = (ligne[x] + p) & 0xff;
    }
    for (let x = 0; x < largeur; ++x) {
      const o = (y * largeur + x) * 4;
      rgba[o] = ligne[x * canaux];
      rgba[o + 1] = ligne[x * canaux + 1];
      rgba[o + 2] = ligne[x * canaux + 2];
      rgba[o + 3] = canaux === 4 ? ligne[x * canaux + 3] : 255;
    }
    prec = ligne;
  }
  return { largeur, hauteur, rgba };
}

// The first pixel where two RGBA pictures of one size differ, or null.
export function PremierEcart(a, b, largeur) {
  const n = Math.min(a.length, b.length);
  for (let i = 0; i < n; i += 4) {
    if (a[i] !== b[i] || a[i + 1] !== b[i + 1] || a[i + 2] !== b[i + 2] || a[i + 3] !== b[i + 3]) {
      const p = i / 4;
      const hex = (t, j) => Array.from(t.subarray(j, j + 3), (v) => v.toString(16).padStart(2, "0")).join("");
      return { x: p % largeur, y: Math.floor(p / largeur), page: hex(a, i), attendu: hex(b, i) };
    }
  }
  return a.length === b.length ? null : { x: -1, y: -1, page: `${a.length} octets`, attendu: `${b.length} octets` };
}
