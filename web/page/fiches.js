// SPDX-License-Identifier: GPL-3.0-or-later
// The printable sheets of a series as one HTML page: every pupil's page,
// then every answer key, the series' seed at each page's foot, laid out for
// A4 paper (the browser's print dialog makes the PDF). Every word, the
// pictures, the letters' places, the legend and the key come from the
// engine (session.fiche); this module only lays them out.

// Text for HTML, escaped.
const H = (t) =>
  String(t).replace(/[&<>"]/g, (c) => ({ "&": "&amp;", "<": "&lt;", ">": "&gt;", '"': "&quot;" })[c]);

const STYLE = `
@page { size: A4; margin: 15mm; }
* { box-sizing: border-box; }
body { margin: 0; font-family: "DejaVu Sans", Verdana, sans-serif; color: #000; background: #ddd; }
.page { position: relative; width: 180mm; height: 266mm; margin: 8mm auto; padding: 0 0 9mm; background: #fff;
  overflow: hidden; page-break-after: always; break-after: page; }
.page:last-child { page-break-after: auto; break-after: auto; }
h1 { font-size: 18pt; margin: 0 0 3mm; }
h1.corrige { font-size: 16pt; }
p { margin: 0 0 2mm; font-size: 10pt; line-height: 1.3; }
p.consigne { font-size: 11pt; }
p.titre { font-weight: bold; margin-top: 2mm; }
p.relation, p.ordre { margin: 0 0 1mm; }
img.coupe { display: block; margin: 3mm auto; max-width: 100%; max-height: 95mm; border: 0.3mm solid #000; }
ul.legende { list-style: none; margin: 0 0 3mm; padding: 0; font-size: 9pt; columns: 2; }
ul.legende li { margin: 0 0 1mm; break-inside: avoid; }
ul.legende img, ul.legende .couleur { display: inline-block; width: 3.5mm; height: 3.5mm; margin-right: 2mm;
  vertical-align: middle; border: 0.2mm solid #000; }
table.evenements { width: 100%; border-collapse: collapse; font-size: 10pt; }
table.evenements th, table.evenements td { border: 0.25mm solid #000; height: 8mm; padding: 0 1.5mm; text-align: left; }
table.evenements .numero { width: 10mm; }
table.evenements .evenement { width: 40%; }
.etapes { display: grid; grid-template-columns: repeat(3, 1fr); gap: 3mm; margin-top: 3mm; }
.etapes figure { margin: 0; font-size: 7pt; }
.etapes img { display: block; width: 100%; border: 0.2mm solid #000; }
.pied { position: absolute; right: 0; bottom: 0; font-size: 9pt; }
@media print { body { background: none; } .page { margin: 0; } }
`;

// R G B A bytes to a canvas.
function Toile(rgba, largeur, hauteur) {
  const c = document.createElement("canvas");
  c.width = largeur;
  c.height = hauteur;
  c.getContext("2d").putImageData(new ImageData(new Uint8ClampedArray(rgba), largeur, hauteur), 0, 0);
  return c;
}

// A letter in a white box with a dark rim, as on the view.
function Lettre(ctx, e, haut) {
  const y = e.haut - haut;
  ctx.fillStyle = "rgba(255, 255, 255, 0.92)";
  ctx.fillRect(e.gauche + 0.5, y + 0.5, e.cote - 1, e.cote - 1);
  ctx.lineWidth = 1;
  ctx.strokeStyle = "rgb(20, 20, 20)";
  ctx.strokeRect(e.gauche + 0.5, y + 0.5, e.cote - 1, e.cote - 1);
  ctx.font = `bold ${Math.max(6, Math.floor(e.cote * (e.lettre.length > 1 ? 0.55 : 0.75)))}px "DejaVu Sans", sans-serif`;
  ctx.textAlign = "center";
  ctx.textBaseline = "middle";
  ctx.fillStyle = "#000";
  ctx.fillText(e.lettre, e.gauche + e.cote / 2, y + e.cote / 2);
}

function Structure(ctx, st, haut, DessinerStructure) {
  DessinerStructure(ctx, { ...st, y: st.y - haut });
}

// The pupil's page of exercise `f` (session.fiche), its picture from
// session.imageFiche().
function PageEleve(f, rgba, textes, DessinerStructure) {
  const toile = Toile(rgba, f.largeur, f.hauteur);
  const brute = Toile(rgba, f.largeur, f.hauteur);
  const ctx = toile.getContext("2d");
  for (const e of f.etiquettes) Lettre(ctx, e, f.haut);
  for (const st of f.structures) Structure(ctx, st, f.haut, DessinerStructure);
  const echantillon = (l) => {
    if (l.sansLettre) {
      const c = l.echantillon.couleur;
      return `<span class="couleur" style="background:#${c.toString(16).padStart(6, "0")}"></span>`;
    }
    const e = l.echantillon;
    const c = document.createElement("canvas");
    c.width = c.height = Math.max(1, e.cote);
    c.getContext("2d").drawImage(brute, e.gauche, e.haut - f.haut, e.cote, e.cote, 0, 0, e.cote, e.cote);
    return `<img src="${c.toDataURL("image/png")}" alt="">`;
  };
  const legende = f.legende.map((l) => `<li>${echantillon(l)}${H(l.texte)}</li>`);
  if (f.structures.length) {
    legende.push(`<li><b>${H(textes.titreStructures)}</b></li>`);
    for (const st of f.structures) legende.push(`<li>${H(st.texte)}</li>`);
  }
  const rangs = Array.from({ length: f.evenements }, (_, i) => `<tr><td>${i + 1}</td><td></td><td></td></tr>`);
  return `<section class="page eleve">
<h1>${H(f.titre)}</h1>
<p>${H(textes.entete)}</p>
<p class="consigne">${H(f.consigne)}</p>
<p>${H(textes.possibles)}</p>
<img class="coupe" src="${toile.toDataURL("image/jpeg", 0.92)}" alt="">
<ul class="legende">${legende.join("")}</ul>
<table class="evenements"><tr><th class="numero">${H(textes.numero)}</th><th class="evenement">${H(textes.evenement)}</th><th>${H(textes.justifie)}</th></tr>${rangs.join("")}</table>
<div class="pied">${H(textes.pied)}</div>
</section>`;
}

// How many step pictures a row of the key holds: three, or more for a long
// exercise, so that every row fits in about 135 mm of the A4 page under
// the key's text (a picture and its caption a row, 3 mm apart).
export function ColonnesEtapes(etapes, largeur, hauteur) {
  const rapport = largeur > 0 ? hauteur / largeur : 1;
  for (let n = 3; n < 8; ++n) {
    const image = ((171 - 3 * (n - 1)) / n) * rapport + 3;
    if (Math.ceil(etapes / n) * (image + 3) <= 135) return n;
  }
  return 8;
}

// The answer key of exercise `f`: the legend with its events, the
// accepted orders, the relations, and a picture of every step.
function PageCorrige(f, etapes, textes) {
  const cle = f.cle.map((l) => `<p class="${l.sorte}">${H(l.texte)}</p>`).join("");
  const figures = etapes
    .map((src, k) => `<figure><figcaption>${H(f.etapes[k])}</figcaption><img src="${src}" alt=""></figure>`)
    .join("");
  return `<section class="page corrige">
<h1 class="corrige">${H(f.titreCorrige)}</h1>
${f.legendeCorrige ? `<p>${H(f.legendeCorrige)}</p>` : ""}
${cle}
<div class="etapes" style="grid-template-columns: repeat(${ColonnesEtapes(etapes.length, f.largeurEtape, f.hauteurEtape)}, 1fr)">${figures}</div>
<div class="pied">${H(textes.pied)}</div>
</section>`;
}

// A step's picture, a third of the page wide.
function Vignette(rgba, largeur, hauteur) {
  const source = Toile(rgba, largeur, hauteur);
  const c = document.createElement("canvas");
  c.width = 270;
  c.height = Math.max(1, Math.round((hauteur * 270) / largeur));
  const ctx = c.getContext("2d");
  ctx.imageSmoothingQuality = "high";
  ctx.drawImage(source, 0, 0, c.width, c.height);
  return c.toDataURL("image/jpeg", 0.85);
}

// The whole printable page of the series last drawn in `session` (n
// exercises), with the language `langue`.
export function PageDesFiches(session, n, langue, DessinerStructure) {
  const textes = session.textesFiches();
  const eleves = [];
  const corriges = [];
  for (let i = 0; i < n; ++i) {
    const f = session.fiche(i);
    eleves.push(PageEleve(f, session.imageFiche().slice(), textes, DessinerStructure));
    const etapes = [];
    for (let k = 0; k < f.etapes.length; ++k)
      etapes.push(Vignette(session.imageEtape(k).slice(), f.largeurEtape, f.hauteurEtape));
    corriges.push(PageCorrige(f, etapes, textes));
  }
  return `<!DOCTYPE html>
<html lang="${langue}"><head><meta charset="utf-8"><title>${H(textes.document)}</title>
<style>${STYLE}</style></head>
<body>
${eleves.join("\n")}
${corriges.join("\n")}
</body></html>
`;
}
