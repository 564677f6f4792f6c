#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# strataloom-render's --help and --version as help2man reads them: the
# synopses after "Usage:" and "or:", each on one line.
#   STRATALOOM_RENDER=path/to/strataloom-render aide-render.sh --help|--version
set -eu
programme=$STRATALOOM_RENDER
if [ "${1:-}" != --help ]; then exec "$programme" "$@"; fi
"$programme" --help | awk '
  function sortir() {
    if (ligne == "") return
    sub(/^ +/, "", ligne)
    print (n++ == 0 ? "Usage: " : "  or:  ") ligne
    ligne = ""
  }
  NR == 1 && /^Utilisation :$/ { usage = 1; next }
  usage && /^  strataloom-render / { sortir(); ligne = $0; next }
  usage && /^                    / { sub(/^ +/, " "); ligne = ligne $0; next }
  usage { sortir(); usage = 0 }
  { print }
'
