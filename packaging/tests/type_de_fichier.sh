#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The .lst file type as a desktop sees it, in a scratch data folder of its
# own: the shared MIME database built from the program's definition knows a
# list by its name and, with no extension, by its first line; and the
# desktop entry is registered for that type, so a double click opens the
# list in Strataloom. Skipped (77) without update-mime-database or gio.
#   type_de_fichier.sh PACKAGING_SOURCE_DIR SCRATCH_DIR SAMPLE_LISTS_DIR
set -eu
source=$1
essai=$2
echantillons=$3
id=fr.strataloom.Strataloom
for outil in update-mime-database gio; do
  command -v "$outil" >/dev/null 2>&1 || { echo "Test ignoré : $outil est introuvable."; exit 77; }
done
rm -rf "$essai"
mkdir -p "$essai/donnees/mime/packages" "$essai/donnees/applications" "$essai/fichiers"
cp "$source/$id.xml" "$essai/donnees/mime/packages/"
cp "$source/$id.desktop" "$essai/donnees/applications/"
export XDG_DATA_HOME="$essai/donnees" XDG_DATA_DIRS=/usr/share
update-mime-database "$essai/donnees/mime"
if command -v update-desktop-database >/dev/null 2>&1; then
  update-desktop-database "$essai/donnees/applications"
fi
# The desktop shows an entry only when its command is on the PATH.
mkdir -p "$essai/bin"
printf '#!/bin/sh\nexit 0\n' > "$essai/bin/strataloom"
chmod +x "$essai/bin/strataloom"
PATH=$essai/bin:$PATH
type=application/x-strataloom-liste
echec=0
erreur() { echo "ERREUR : $*" >&2; echec=1; }
genre() { gio info -a standard::content-type "$1" | sed -n 's/^ *standard::content-type: //p'; }

for f in "$echantillons"/*.lst; do
  [ "$(genre "$f")" = "$type" ] || erreur "$(basename "$f") est vu comme $(genre "$f")"
done
# By its first line: Windows-1252 as the program writes it, and UTF-8.
printf 'S\351dimentation\r\nErosion\r\n' > "$essai/fichiers/sans-extension"
[ "$(genre "$essai/fichiers/sans-extension")" = "$type" ] || erreur "liste sans extension : $(genre "$essai/fichiers/sans-extension")"
printf 'S\303\251dimentation\nErosion\n' > "$essai/fichiers/utf8"
[ "$(genre "$essai/fichiers/utf8")" = "$type" ] || erreur "liste UTF-8 sans extension : $(genre "$essai/fichiers/utf8")"
# Plain text stays plain text.
printf 'Bonjour\n' > "$essai/fichiers/note.txt"
[ "$(genre "$essai/fichiers/note.txt")" = text/plain ] || erreur "un texte est vu comme $(genre "$essai/fichiers/note.txt")"
# An exercise, by its name and by its first bytes.
exercice=application/x-strataloom-exercice
printf "\000\001" > "$essai/fichiers/autre.exo"
[ "$(genre "$essai/fichiers/autre.exo")" = "$exercice" ] || erreur "autre.exo est vu comme $(genre "$essai/fichiers/autre.exo")"
printf "SLEXERC\032\001\000" > "$essai/fichiers/devoir"
[ "$(genre "$essai/fichiers/devoir")" = "$exercice" ] || erreur "exercice sans extension : $(genre "$essai/fichiers/devoir")"
# The desktop entry takes both types.
for t in "$type" "$exercice"; do
  gio mime "$t" > "$essai/applications.txt" 2>&1 || true
  grep -q "$id.desktop" "$essai/applications.txt" || { cat "$essai/applications.txt" >&2; erreur "l'entrée de bureau n'ouvre pas $t"; }
done

[ $echec -eq 0 ] && echo "Type de fichier vérifié."
exit $echec
