#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop entry and the AppStream metadata agree with each other and
# with what the installation provides: the file names carry the component
# id, the entry starts the installed command and names the installed icon,
# and the newest release is the project's version.
#   metadonnees.sh PACKAGING_SOURCE_DIR VERSION
set -eu
dossier=$1
version=$2
id=fr.strataloom.Strataloom
entree=$dossier/$id.desktop
meta=$dossier/$id.metainfo.xml
echec=0
erreur() { echo "ERREUR : $*" >&2; echec=1; }

champ() { sed -n "s/^$1=//p" "$entree"; }
[ "$(champ Exec)" = "strataloom %f" ] || erreur "Exec=$(champ Exec), la commande installée est strataloom, avec le fichier ouvert"
types=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1;/p' "$dossier/$id.xml" | tr -d '\n')
[ "$(champ MimeType)" = "$types" ] || erreur "MimeType=$(champ MimeType), les types définis sont $types"
[ "$(champ Icon)" = strataloom ] || erreur "Icon=$(champ Icon), l'icône installée est strataloom"
[ "$(champ Name)" = Strataloom ] || erreur "Name=$(champ Name)"
[ "$(champ Categories)" = "Education;Science;Geology;" ] || erreur "Categories=$(champ Categories)"
grep -q '^Comment=..*' "$entree" || erreur "pas de Comment"

python3 - "$meta" "$id" "$version" <<'PY' || echec=1
import sys, xml.etree.ElementTree as ET
meta, cid, version = sys.argv[1:]
racine = ET.parse(meta).getroot()
def erreur(m):
    print("ERREUR : " + m, file=sys.stderr); erreur.vue = True
erreur.vue = False
if racine.findtext("id") != cid: erreur("id %r, le fichier est nommé %s" % (racine.findtext("id"), cid))
if racine.findtext("launchable") != cid + ".desktop": erreur("launchable ne nomme pas l'entrée de bureau")
releases = racine.findall("releases/release")
if not releases or releases[0].get("version") != version:
    erreur("la dernière version publiée n'est pas %s" % version)
if racine.find("content_rating") is None: erreur("pas de content_rating")
if racine.findtext("project_license") != "GPL-3.0-or-later": erreur("licence du projet : %r" % racine.findtext("project_license"))
# No address that points nowhere: a link or a screenshot must be real.
for e in racine.iter():
    for texte in [e.text or ""] + list(e.attrib.values()):
        if "example" in texte: erreur("adresse inventée : %r" % texte)
binaires = sorted(b.text for b in racine.findall("provides/binary"))
if binaires != ["strataloom", "strataloom-render"]: erreur("provides : %r" % binaires)
sys.exit(1 if erreur.vue else 0)
PY
exit $echec
