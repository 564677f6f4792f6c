// SPDX-License-Identifier: GPL-3.0-or-later
// The view and the model: two canvases in one place, each holding its
// picture at one canvas pixel per pixel (a third, over the view, holds the
// formations' letters and tints: formations.js). On screen a picture pixel covers a
// whole number of device pixels, k x k, with no smoothing: the canvas's
// CSS size is the picture's size times k / devicePixelRatio.

export const Vue = (() => {
  const zone = document.getElementById("zone-vue");
  const visu = document.getElementById("Visu");
  const modele = document.getElementById("Modele");
  const ctxVisu = visu.getContext("2d", { alpha: false });
  const ctxModele = modele.getContext("2d");
  let largeur = visu.width;
  let hauteur = visu.height;
  let facteur = 1; // device pixels per picture pixel

  function Peindre(ctx, canvas, rgba, l, h) {
    if (canvas.width !== l) canvas.width = l;
    if (canvas.height !== h) canvas.height = h;
    if (l === 0 || h === 0) return;
    // Straight from the engine's memory, which putImageData copies; the
    // view is used at once, before the memory can grow and move.
    ctx.putImageData(new ImageData(new Uint8ClampedArray(rgba.buffer, rgba.byteOffset, rgba.length), l, h), 0, 0);
  }

  // The section's view, (W - 100) x 480.
  function Afficher(session) {
    const l = session.largeurVue();
    const h = session.hauteurVue();
    if (l !== largeur || h !== hauteur) {
      largeur = l;
      hauteur = h;
      Ajuster();
    }
    Peindre(ctxVisu, visu, session.vueRgba(), l, h);
  }

  // The model at its own size from the top-left corner, cut at the view's
  // edges; where it does not reach, the window's background shows. With
  // `roches`, an exercise's model in the rock view, as the section shows it.
  function AfficherModele(session, roches = false) {
    const l = session.largeurModeleVisible();
    const h = session.hauteurModeleVisible();
    Peindre(ctxModele, modele, session.modeleRgba(roches), l, h);
    PlacerModele();
  }

  function PlacerModele() {
    const dpr = window.devicePixelRatio || 1;
    modele.style.width = (modele.width * facteur) / dpr + "px";
    modele.style.height = (modele.height * facteur) / dpr + "px";
  }

  // The largest whole factor that fits the room left beside the panel and
  // under the menu, at least one device pixel per picture pixel.
  function Ajuster() {
    const dpr = window.devicePixelRatio || 1;
    const panneau = document.getElementById("Panel1");
    const menus = document.getElementById("menus");
    const cadre = document.getElementById("Bevel1");
    const bordCadre = cadre.offsetWidth - cadre.clientWidth + 24; // border + padding
    const cotePanneau = window.innerWidth > 820 ? panneau.offsetWidth + 14 : 0;
    const placeL = window.innerWidth - cotePanneau - bordCadre - 20;
    const placeH = window.innerHeight - menus.offsetHeight - bordCadre - 16;
    const k = Math.max(1, Math.floor(Math.min((placeL * dpr) / largeur, (placeH * dpr) / hauteur)));
    facteur = k;
    zone.style.width = (largeur * k) / dpr + "px";
    zone.style.height = (hauteur * k) / dpr + "px";
    PlacerModele();
    for (const f of suites) f(k);
  }
  // What follows the factor: the formations drawn over the view.
  const suites = [];
  const ApresAjustement = (f) => suites.push(f);

  // The factor in force, and the size the canvas has on screen in device
  // pixels where the browser tells it.
  let tailleEcran = null;
  if (typeof ResizeObserver === "function") {
    try {
      new ResizeObserver((entrees) => {
        for (const e of entrees) {
          const t = e.devicePixelContentBoxSize && e.devicePixelContentBoxSize[0];
          if (t) tailleEcran = { largeur: t.inlineSize, hauteur: t.blockSize };
        }
      }).observe(visu, { box: "device-pixel-content-box" });
    } catch (e) {
      // Older browsers know no device-pixel box; the factor alone is used.
    }
  }

  window.addEventListener("resize", Ajuster);
  // A change of zoom or of screen changes devicePixelRatio without always
  // resizing the window.
  (function SuivreResolution() {
    if (!window.matchMedia) return;
    const requete = window.matchMedia(`(resolution: ${window.devicePixelRatio || 1}dppx)`);
    const suite = () => {
      Ajuster();
      SuivreResolution();
    };
    if (requete.addEventListener) requete.addEventListener("change", suite, { once: true });
  })();

  return {
    Afficher,
    AfficherModele,
    Ajuster,
    ApresAjustement,
    facteur: () => facteur,
    tailleEcran: () => tailleEcran,
  };
})();
