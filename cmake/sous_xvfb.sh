#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a window test on a virtual X server of its own, with Qt's xcb
# platform, so that the mouse events come from the X server as they do on a
# desktop. The server picks a free display itself and stops with the test.
#   sous_xvfb.sh PROGRAMME [ARGUMENTS...]
# Ends with 77 (test skipped) when Xvfb or xdotool is not installed.
set -u

for outil in Xvfb xdotool; do
  if ! command -v "$outil" >/dev/null 2>&1; then
    echo "Test ignoré : $outil est introuvable (paquets Debian xvfb et xdotool)."
    exit 77
  fi
done

dossier=$(mktemp -d "${TMPDIR:-/tmp}/strataloom-x11.XXXXXX") || exit 1
serveur=
enfant=
finir() {
  if [ -n "$enfant" ]; then
    kill "$enfant" 2>/dev/null
    wait "$enfant" 2>/dev/null
  fi
  if [ -n "$serveur" ]; then
    kill "$serveur" 2>/dev/null
    wait "$serveur" 2>/dev/null
  fi
  rm -rf "$dossier"
}
trap finir EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

# -displayfd: the server writes its display number once it takes clients.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$dossier/ecran" 2>"$dossier/xvfb.log" &
serveur=$!
essais=0
until grep -q '^[0-9][0-9]*$' "$dossier/ecran" 2>/dev/null; do
  if ! kill -0 "$serveur" 2>/dev/null || [ "$essais" -ge 300 ]; then
    echo "Xvfb n'a pas démarré :"
    cat "$dossier/xvfb.log"
    exit 1
  fi
  essais=$((essais + 1))
  sleep 0.1
done

# No session bus: without an address, D-Bus tries to start one for the new
# display (dbus-launch), and what that attempt leaves behind shows up as a
# leak in the sanitizer build. The window needs no bus.
mkdir -m 700 "$dossier/execution"
unset WAYLAND_DISPLAY
DISPLAY=:$(cat "$dossier/ecran") QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$dossier/execution" \
  DBUS_SESSION_BUS_ADDRESS=disabled: "$@" &
enfant=$!
# In the background, so that a signal (a time-out of ctest) stops it too.
wait "$enfant"
code=$?
enfant=
exit "$code"
