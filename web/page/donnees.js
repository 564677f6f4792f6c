// SPDX-License-Identifier: GPL-3.0-or-later
// The data the build put inside the page (STRATALOOM_DONNEES): the seven
// textures as gzip-compressed BMP files, the seven sounds as gzip-compressed
// WAV files, the
// help document and the pictures of the about box, all in base64, and the
// translations of the engine's texts.

// Written by the build into a script of its own, before the page's.
export const DONNEES = STRATALOOM_DONNEES;

export function OctetsDeBase64(texte) {
  const binaire = atob(texte);
  const octets = new Uint8Array(binaire.length);
  for (let i = 0; i < binaire.length; ++i) octets[i] = binaire.charCodeAt(i);
  return octets;
}

// Bytes to a string of the same code units (0..255), for the browser's
// storage; and back.
export function ChaineDOctets(octets) {
  let s = "";
  for (let i = 0; i < octets.length; i += 8192)
    s += String.fromCharCode.apply(null, octets.subarray(i, i + 8192));
  return s;
}

export function OctetsDeChaine(s) {
  const octets = new Uint8Array(s.length);
  for (let i = 0; i < s.length; ++i) octets[i] = s.charCodeAt(i) & 0xff;
  return octets;
}

export async function Decompresser(octets) {
  if (typeof DecompressionStream !== "function") throw new Error("DecompressionStream");
  const flux = new Blob([octets]).stream().pipeThrough(new DecompressionStream("gzip"));
  return new Uint8Array(await new Response(flux).arrayBuffer());
}

// The engine's WebAssembly, carried compressed beside its script.
export async function MoteurEmbarque() {
  return Decompresser(OctetsDeBase64(DONNEES.moteur));
}

// The seven texture files, in the engine's order; an entry is null where a
// file is missing or does not decompress.
export async function TexturesEmbarquees(noms) {
  const textures = DONNEES.textures || {};
  return Promise.all(
    noms.map(async (nom) => {
      if (!textures[nom]) return null;
      try {
        return await Decompresser(OctetsDeBase64(textures[nom]));
      } catch (e) {
        return null;
      }
    }),
  );
}
