// SPDX-License-Identifier: GPL-3.0-or-later
// The sound effects: one wave file per event kind, played through the Web
// Audio API. The page starts silent; Ctrl+Alt+Shift+S (those three keys
// exactly) switches the sounds on and off, as on the desktop. Browsers let
// a page make sound only after a key press or a touch: the first chord is
// one, and the player is prepared then.

import { DONNEES, OctetsDeBase64, Decompresser } from "./donnees.js";

export const Son = (() => {
  let sansSon = true;
  let contexte = null;
  const tampons = new Map(); // wave file name -> AudioBuffer
  let enCours = null; // the source playing, if any
  let nomEnCours = null;
  let dernier = null; // the last sound started
  let decodages = [];

  function Preparer() {
    const Contexte = window.AudioContext || window.webkitAudioContext;
    if (!Contexte) return;
    if (!contexte) {
      try {
        contexte = new Contexte();
      } catch (e) {
        return;
      }
      const sons = DONNEES.sons || {};
      for (const nom of Object.keys(sons)) {
        // A wave file that does not decompress or decode stays silent.
        decodages.push(
          new Promise(async (fini) => {
            let octets;
            try {
              octets = await Decompresser(OctetsDeBase64(sons[nom]));
            } catch (e) {
              fini();
              return;
            }
            try {
              const p = contexte.decodeAudioData(
                octets.buffer,
                (t) => {
                  tampons.set(nom, t);
                  fini();
                },
                () => fini(),
              );
              if (p && p.catch) p.catch(() => fini());
            } catch (e) {
              fini();
            }
          }),
        );
      }
    }
    if (contexte.state === "suspended") contexte.resume().catch(() => {});
  }

  // Stops a sound still playing; nothing when none plays.
  function Fermer() {
    if (!enCours) return;
    try {
      enCours.stop();
    } catch (e) {
      // already over
    }
    enCours = null;
    nomEnCours = null;
  }

  // Plays a wave file by its name ("Sedime.Wav"), unless silent. A missing
  // or undecodable file, or no sound device, silences this event only.
  function Jouer(nom) {
    if (sansSon) return;
    const tampon = tampons.get(nom);
    if (!contexte || !tampon) {
      Fermer();
      return;
    }
    try {
      const source = contexte.createBufferSource();
      source.buffer = tampon;
      source.connect(contexte.destination);
      source.onended = () => {
        if (enCours === source) {
          enCours = null;
          nomEnCours = null;
        }
      };
      source.start();
      enCours = source;
      nomEnCours = nom;
      dernier = nom;
    } catch (e) {
      Fermer();
    }
  }

  function Basculer() {
    sansSon = !sansSon;
    if (!sansSon) Preparer();
  }

  // The chord: the key S with Ctrl, Alt and Shift held, and no other
  // modifier. The key is not taken: it goes on to the focused control.
  function EstAccord(e) {
    const s = e.code === "KeyS" || e.key === "s" || e.key === "S";
    return s && e.ctrlKey && e.altKey && e.shiftKey && !e.metaKey;
  }

  return {
    Jouer,
    Fermer,
    Basculer,
    EstAccord,
    silencieux: () => sansSon,
    // For the tests: the sound playing, the last one started, and the end
    // of the decoding.
    joue: () => nomEnCours,
    dernier: () => dernier,
    prets: () => Promise.all(decodages),
  };
})();
