#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a build tree, unpacks it into a scratch
# root without installing it, checks its fields and contents, and runs the
# unpacked strataloom-render on a sample list: it must find its textures
# beside itself through the link on bin/ and draw the model shipped with
# the list. Then installs the build tree into another prefix with
# `cmake --install` and does the same from there.
#   paquet.sh BUILD_DIR SCRATCH_DIR SAMPLE_LISTS_DIR [BROWSER_PAGE]
# The browser page goes beside the program when it has been built.
set -eu
construction=$1
essai=$2
echantillons=$3
page=${4:-}
rm -rf "$essai"
mkdir -p "$essai"
echec=0
erreur() { echo "ERREUR : $*" >&2; echec=1; }

# The BMP's width and height, from its header (little-endian, offsets 18 and 22).
taille_bmp() {
  [ "$(head -c 2 "$1")" = BM ] || { echo "pas un BMP"; return; }
  od -An -tu4 -j18 -N8 "$1" | awk '{ print $1 "x" $2 }'
}

# Runs the installed strataloom-render of a tree on a sample list and
# compares the picture with the model installed beside the list.
essayer_rendu() {  # racine_prefixe nom_liste
  sortie=$essai/$(basename "$1")-$2.bmp
  if ! "$1/bin/strataloom-render" "$1/lib/strataloom/Evenements/$2.lst" -o "$sortie"; then
    erreur "strataloom-render a échoué depuis $1"
    return
  fi
  [ -f "$sortie" ] || { erreur "$sortie n'a pas été écrit"; return; }
  t=$(taille_bmp "$sortie")
  [ "$t" = 540x480 ] || erreur "$sortie mesure $t au lieu de 540x480"
  cmp -s "$sortie" "$1/lib/strataloom/Modeles/$2.bmp" ||
    erreur "l'image de $2 diffère du modèle installé"
}

if ! cpack -G DEB --config "$construction/CPackConfig.cmake" -B "$essai/cpack" \
     > "$essai/cpack.log" 2>&1; then
  cat "$essai/cpack.log" >&2
  exit 1
fi
set -- "$essai"/cpack/strataloom_*.deb
[ -f "$1" ] || { echo "ERREUR : aucun paquet dans $essai/cpack" >&2; exit 1; }
paquet=$1
echo "Paquet : $(basename "$paquet")"

# Control fields.
dpkg-deb -f "$paquet" Package Version Architecture Section Maintainer Depends
[ "$(dpkg-deb -f "$paquet" Package)" = strataloom ] || erreur "nom du paquet"
[ "$(dpkg-deb -f "$paquet" Section)" = education ] || erreur "section"
[ -n "$(dpkg-deb -f "$paquet" Maintainer)" ] || erreur "pas de Maintainer"
[ -n "$(dpkg-deb -f "$paquet" Description)" ] || erreur "pas de Description"
depends=$(dpkg-deb -f "$paquet" Depends)
for d in libqt6widgets6 libqt6gui6 libqt6multimedia6 libqt6core6 qt6-qpa-plugins \
         gstreamer1.0-plugins-good; do
  echo "$depends" | tr ',' '\n' | grep -q "^ *$d\b" || erreur "Depends ne nomme pas $d"
done

# Debian's own checks: no error.
lintian --fail-on error "$paquet" > "$essai/lintian.log" 2>&1 ||
  { cat "$essai/lintian.log" >&2; erreur "lintian"; }

# Contents: exactly the program folder, the commands and the desktop files.
racine=$essai/racine
dpkg-deb -x "$paquet" "$racine"
attendu=$essai/attendu.txt
{
  echo usr/bin/strataloom
  echo usr/bin/strataloom-render
  for f in strataloom strataloom-render strataloom.hlp strataloom_en.hlp; do echo "usr/lib/strataloom/$f"; done
  if [ -n "$page" ] && [ -f "$page" ]; then echo usr/lib/strataloom/strataloom.html; fi
  for f in Couche1.bmp Couche2.bmp Couche3.bmp Granit.bmp Granit0.bmp Coulee.bmp Coulee0.bmp \
           Sedime.Wav Coulee.Wav Erode.Wav Granite.Wav Plisse.Wav Chevauche.Wav Casse.Wav; do
    echo "usr/lib/strataloom/Base/$f"
  done
  for f in "$echantillons"/*.lst; do
    n=$(basename "$f" .lst)
    echo "usr/lib/strataloom/Evenements/$n.lst"
    echo "usr/lib/strataloom/Modeles/$n.bmp"
  done
  for f in "$echantillons"/../aide/*.lst; do echo "usr/lib/strataloom/aide/$(basename "$f" .lst).png"; done
  for n in fenetre-verifier fenetre-ordonner fenetre-enseignant fiche-eleve fiche-corrige; do echo "usr/lib/strataloom/aide/$n.png"; done
  echo usr/lib/strataloom/traductions/strataloom_en.qm
  echo usr/lib/strataloom/traductions/qt_complements_fr.qm
  echo usr/lib/strataloom/traductions/strataloom_fr.qm
  echo usr/share/applications/fr.strataloom.Strataloom.desktop
  echo usr/share/metainfo/fr.strataloom.Strataloom.metainfo.xml
  echo usr/share/mime/packages/fr.strataloom.Strataloom.xml
  for t in 16 22 24 32 48 64 128 256; do echo "usr/share/icons/hicolor/${t}x$t/apps/strataloom.png"; done
  echo usr/share/strataloom/captures/fenetre.png
  echo usr/share/doc/strataloom/changelog.gz
  echo usr/share/doc/strataloom/copyright
  echo usr/share/man/man1/strataloom.1.gz
  echo usr/share/man/man1/strataloom-render.1.gz
} | LC_ALL=C sort > "$attendu"
(cd "$racine" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort) > "$essai/trouve.txt"
diff -u "$attendu" "$essai/trouve.txt" >&2 || erreur "contenu du paquet"

r=$racine/usr
[ -L "$r/bin/strataloom-render" ] || erreur "bin/strataloom-render n'est pas un lien"
[ "$(readlink -f "$r/bin/strataloom-render")" = "$(readlink -f "$r/lib/strataloom/strataloom-render")" ] ||
  erreur "bin/strataloom-render ne mène pas au programme"
for x in bin/strataloom lib/strataloom/strataloom lib/strataloom/strataloom-render; do
  [ -x "$r/$x" ] || erreur "$x n'est pas exécutable"
done
for x in strataloom strataloom-render; do
  ! readelf -d "$r/lib/strataloom/$x" | grep -q 'R.*PATH' || erreur "$x garde un chemin de recherche"
done
for t in 16 48 256; do
  i=$r/share/icons/hicolor/${t}x$t/apps/strataloom.png
  python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24); sys.exit(0 if d[:8]==b"\x89PNG\r\n\x1a\n" and struct.unpack(">II",d[16:24])==(int(sys.argv[2]),)*2 else 1)' "$i" "$t" ||
    erreur "l'icône $t x $t n'est pas un PNG de cette taille"
done
desktop-file-validate "$r/share/applications/fr.strataloom.Strataloom.desktop" ||
  erreur "entrée de bureau installée"
appstreamcli validate --no-net "$r/share/metainfo/fr.strataloom.Strataloom.metainfo.xml" \
  > "$essai/appstream.log" 2>&1 || { cat "$essai/appstream.log" >&2; erreur "métadonnées installées"; }

# The unpacked program, started through its link, finds its Base.
essayer_rendu "$r" plis-erodes

# ... and the browser page beside it, for a course package.
if [ -n "$page" ] && [ -f "$page" ]; then
  "$r/bin/strataloom-render" --make-exercise "$essai/plis.exo" "$r/lib/strataloom/Evenements/plis-erodes.lst" &&
    "$r/bin/strataloom-render" --scorm "$essai/plis.zip" "$essai/plis.exo" ||
    erreur "strataloom-render --scorm ne trouve pas la page installée"
fi

# Without a display the launcher says so instead of letting Qt abort.
if env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$r/bin/strataloom" \
     > "$essai/lanceur.log" 2>&1; then
  erreur "le lanceur sans écran a réussi"
fi
grep -q "aucun écran" "$essai/lanceur.log" || { cat "$essai/lanceur.log" >&2; erreur "message du lanceur"; }

# Any prefix: the same tree installed elsewhere works from there.
ailleurs=$essai/ailleurs
cmake --install "$construction" --prefix "$ailleurs" > "$essai/install.log" 2>&1 ||
  { cat "$essai/install.log" >&2; exit 1; }
for f in "$echantillons"/*.lst; do
  essayer_rendu "$ailleurs" "$(basename "$f" .lst)"
done

[ $echec -eq 0 ] && echo "Paquet et installation vérifiés."
exit $echec
