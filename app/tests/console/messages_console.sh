#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# What the two programs write on the console when started from a bare
# shell, with nothing of a desktop session (no display, no XDG_RUNTIME_DIR,
# no locale): the window program says in French why it cannot start and
# ends with 1 instead of letting Qt abort; the renderer writes nothing when
# all goes well.
#   messages_console.sh STRATALOOM STRATALOOM-RENDER
set -u
programme=$1
rendu=$2

dossier=$(mktemp -d "${TMPDIR:-/tmp}/strataloom-console.XXXXXX") || exit 1
trap 'rm -rf "$dossier"' EXIT
mkdir "$dossier/maison"
echecs=0

echec() {
  echo "ÉCHEC : $1"
  echo "--- sortie d'erreur :"
  cat "$dossier/erreurs"
  echo "---"
  echecs=$((echecs + 1))
}

# lancer COMMANDE...: runs it in a bare environment; code in $code, its
# output in $dossier/sortie and $dossier/erreurs.
lancer() {
  env -i PATH=/usr/bin:/bin HOME="$dossier/maison" "$@" >"$dossier/sortie" 2>"$dossier/erreurs"
  code=$?
}

contient() { grep -qF -- "$1" "$dossier/erreurs"; }

# A list of the samples' kind: Windows-1252, CR LF after every line.
liste=$dossier/granite.lst
printf 'S\351dimentation\r\nS\351dimentation\r\nPlutonisme\r\nErosion\r\n' >"$liste"

# The window program without any display.
lancer "$programme"
[ "$code" -eq 1 ] || echec "sans écran, le programme finit avec $code au lieu de 1"
contient "aucun écran n'est disponible" || echec "sans écran, pas d'explication en français"
contient "xvfb-run -a" || echec "sans écran, pas de moyen de le lancer quand même"
contient "qt.qpa" && echec "sans écran, Qt a parlé avant le programme"

# A platform named, in the environment or on the command line: the program
# leaves the start to Qt (here, to its refusal of an unknown platform).
lancer QT_QPA_PLATFORM=inexistante "$programme"
contient "aucun écran" && echec "QT_QPA_PLATFORM donnée, le programme a refusé de démarrer"
contient "inexistante" || echec "QT_QPA_PLATFORM donnée, Qt n'a pas cherché la plateforme"
lancer "$programme" -platform inexistante
contient "aucun écran" && echec "-platform donné, le programme a refusé de démarrer"
contient "inexistante" || echec "-platform donné, Qt n'a pas cherché la plateforme"

# The renderer, a picture then a sheet: nothing on the console.
lancer "$rendu" "$liste" -o "$dossier/coupe.png"
[ "$code" -eq 0 ] || echec "image : code $code"
[ -s "$dossier/erreurs" ] && echec "image : des messages sur la sortie d'erreur"
[ -s "$dossier/sortie" ] && echec "image : des messages sur la sortie standard"
[ -s "$dossier/coupe.png" ] || echec "image : pas de fichier écrit"

lancer "$rendu" --sheet "$dossier/fiche.pdf" "$liste"
[ "$code" -eq 0 ] || echec "fiche : code $code"
[ -s "$dossier/erreurs" ] && echec "fiche : des messages sur la sortie d'erreur"
[ -s "$dossier/sortie" ] && echec "fiche : des messages sur la sortie standard"
head -c 5 "$dossier/fiche.pdf" 2>/dev/null | grep -q '^%PDF-' || echec "fiche : pas de PDF écrit"

# A mistake still says so, on the error output.
lancer "$rendu" --option-inconnue
[ "$code" -eq 2 ] || echec "option inconnue : code $code au lieu de 2"
contient "strataloom-render --help" || echec "option inconnue : pas de message"

[ "$echecs" -eq 0 ] || exit 1
echo "Messages sur la console : conformes."
