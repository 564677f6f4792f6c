#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Strataloom (installing the missing Debian packages first) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/commun.sh
installer_paquets
configurer build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTRATALOOM_TESTS=OFF
cmake --build build --target strataloom strataloom-render strataloom_echantillons

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Strataloom est construit, mais aucun écran n'est disponible (ni DISPLAY ni WAYLAND_DISPLAY)."
  echo "Pour le lancer sur un écran virtuel :"
  echo "  xvfb-run -a -s '-screen 0 1024x768x24' $(pwd)/build/bin/strataloom"
  exit 1
fi
exec build/bin/strataloom "$@"
