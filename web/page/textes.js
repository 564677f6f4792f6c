// SPDX-License-Identifier: GPL-3.0-or-later
// The French words of the window, as the desktop program says them. The
// event captions are not here: they come from the engine's event table.
const TEXTES = Object.freeze({
  titreApplication: "Strataloom",
  avertissement:
    "Vous allez travailler dans le domaine sédimentaire uniquement.\r" +
    "L'histoire géologique antérieure de la région ne sera pas prise\r" +
    "en compte. L'influence des stuctures géologiques antérieures\r" +
    "sera donc négligée",
  texturesAbsentes: "Un ou plusieurs fichiers d'images sont absents",
  chargementImpossible: "Chargement impossible",
  impossibleDeCharger: "Impossible de charger le fichier",
  retourImpossible: "Retour impossible",
  clicModele: "Clic pour afficher le modèle...",
  // Tooltips of the commands: the event's description, then why it is off.
  impossiblePourLInstant: "Impossible pour l'instant : %1.",
  bulleAide: "Ouvre l'aide de « %1 » : ce que fait cet événement et quand il est possible.",
  aideImpossible: "« %1 » est impossible pour l'instant : %2.",
  hello: "Hello !",
  ok: "OK",
  aucuneFormation: "Aucune formation n'est visible.",
  rubriqueAbsente: "La rubrique %1 est absente du fichier d'aide.",
  aideIndisponible: "Aide indisponible",
  // The names the desktop's save dialogs offer first.
  nomListe: "Exemple.lst",
  nomTexte: "Liste.txt",
  nomImage: "Exemple.bmp",
  // The browser edition keeps the list between two visits.
  reprise:
    "La coupe commencée dans ce navigateur a été gardée : %1.\r" +
    "Voulez-vous la reprendre ?",
  unEvenement: "un événement après la couche de départ",
  nEvenements: "%1 événements après la couche de départ",
  aucunEvenement: "la couche de départ seule",
  reprendre: "Reprendre",
  nouvelleCoupe: "Nouvelle coupe",
  stockagePlein:
    "Le navigateur n'a plus de place pour garder ta coupe : si tu fermes la page, elle sera perdue.\r" +
    "Pense à la sauver avec « Sauver la liste des événements ».",
});

// "%1" replaced by a value, as the desktop's messages do.
function Remplir(texte, valeur, deuxieme) {
  const t = texte.replace("%1", String(valeur));
  return deuxieme === undefined ? t : t.replace("%2", String(deuxieme));
}
