#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# strataloom-render against outputs and names a user's shell can give it:
# standard output on a full device, names that are not UTF-8, a FIFO as the
# list, device nodes as outputs (as root), and a stream named as the output.
# Usage: sorties_hostiles.sh RENDER BASE_DIR LIST
set -u
rendu=$1
base="--base $2"
d=$(mktemp -d)
trap 'rm -rf "$d"' EXIT INT TERM
echecs=0
verifier() {  # verifier NOM CONDITION...
  quoi=$1; shift
  if "$@"; then echo "ok      $quoi"; else echo "ÉCHEC   $quoi"; echecs=$((echecs + 1)); fi
}
liste=$3
printf 'S\351dimentation\r\nErosion\r\n' > "$d/cle.lst"

# A lost CSV or score is a failure, not a silent success.
$rendu $base --grade "$d/cle.lst" "$liste" > /dev/full 2> "$d/err"; code=$?
verifier "--grade vers /dev/full : code 1" test "$code" -eq 1
verifier "--grade vers /dev/full : message" grep -q "sortie standard" "$d/err"
$rendu $base -o "$d/m.bmp" "$liste" 2>/dev/null
$rendu $base --compare "$d/m.bmp" "$liste" > /dev/full 2> "$d/err"; code=$?
verifier "--compare vers /dev/full : code 1" test "$code" -eq 1

# An exercise or an answer that cannot be written whole is a failure.
$rendu $base --make-exercise /dev/full "$liste" 2> "$d/err"; code=$?
verifier "--make-exercise vers /dev/full : code 1" test "$code" -eq 1
$rendu $base --make-exercise "$(printf '%s/\351x.exo' "$d")" "$liste" 2> "$d/err"; code=$?
verifier "--make-exercise, nom non UTF-8 : code 0" test "$code" -eq 0
$rendu $base --make-answer /dev/full --for "$(printf '%s/\351x.exo' "$d")" --pupil "Zo\303\251" "$liste" 2> "$d/err"; code=$?
verifier "--make-answer vers /dev/full : code 1" test "$code" -eq 1

# Names that are not UTF-8, whatever the locale.
nom=$(printf '%s/\351rosion.lst' "$d")
cp "$liste" "$nom"
for langue in C fr_FR.UTF-8; do
  LANG=$langue LC_ALL=$langue $rendu $base "$nom" -o "$d/x-$langue.png" 2> "$d/err"; code=$?
  verifier "nom non UTF-8, LANG=$langue : -o" test "$code" -eq 0 -a -s "$d/x-$langue.png"
  LANG=$langue LC_ALL=$langue $rendu $base --grade "$d/cle.lst" "$nom" > "$d/notes.csv" 2> "$d/err"; code=$?
  [ "$code" -eq 0 ] || cat "$d/err"
  verifier "nom non UTF-8, LANG=$langue : --grade" test "$code" -eq 0
  dossier=$(printf '%s/\351l\350ves-%s' "$d" "$langue")
  LANG=$langue LC_ALL=$langue $rendu $base --out-dir "$dossier" "$nom" 2> "$d/err"; code=$?
  verifier "nom non UTF-8, LANG=$langue : --out-dir" test "$code" -eq 0 -a -s "$dossier/$(printf '\351rosion.bmp')"
done

# A FIFO as the list is refused at once; standard input still works.
mkfifo "$d/tube.lst"
timeout 20 $rendu $base "$d/tube.lst" -o "$d/t.png" 2> "$d/err"; code=$?
verifier "FIFO comme liste : code 1 sans attendre" test "$code" -eq 1
$rendu $base - -o "$d/stdin.png" < "$liste"; code=$?
verifier "liste sur l'entrée standard" test "$code" -eq 0 -a -s "$d/stdin.png"

# A stream named as the output is written to, where it stands.
$rendu $base "$liste" --state /dev/stdout > "$d/etat.json"; code=$?
verifier "--state /dev/stdout" test "$code" -eq 0 -a -s "$d/etat.json"
$rendu $base "$liste" -o /dev/stdout | head -c 2 > "$d/debut"
verifier "-o /dev/stdout dans un tube" test "$(cat "$d/debut")" = "BM"

# Device nodes stay devices (root only: mknod).
if [ "$(id -u)" -eq 0 ] && mknod "$d/null" c 1 3 2>/dev/null && mknod "$d/full" c 1 7 2>/dev/null; then
  $rendu $base "$liste" -o "$d/null"; code=$?
  verifier "-o sur un périphérique null : code 0, toujours un périphérique" test "$code" -eq 0 -a -c "$d/null"
  $rendu $base "$liste" --state "$d/full" 2> "$d/err"; code=$?
  verifier "--state sur un périphérique plein : code 1, toujours un périphérique" test "$code" -eq 1 -a -c "$d/full"
else
  echo "ignoré  périphériques : mknod demande d'être root"
fi

[ "$echecs" -eq 0 ]
