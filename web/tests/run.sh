#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The browser edition's tests: builds the page with scripts/web.sh, then
# runs it in Debian's Chromium (headless, through chromedriver) against
# strataloom-render. Ends with the line "N passed, N failed".
#   web/tests/run.sh [--graine N] [--filtre MOT]
# STRATALOOM_NATIF names the native build folder (default: build).
set -uo pipefail
cd "$(dirname "$0")/../.."
natif=${STRATALOOM_NATIF:-build}
sortie=${STRATALOOM_WEB:-build-web}

if ! scripts/web.sh; then
  echo "web/tests/run.sh : la construction de la page a échoué" >&2
  echo "0 passed, 1 failed"
  exit 1
fi

journal=$(mktemp)
trap 'rm -f "$journal"' EXIT
node web/tests/navigateur.mjs --page "$sortie/strataloom.html" \
  --rendu "$natif/bin/strataloom-render" --base "$natif/bin/Base" "$@" | tee "$journal"
code=${PIPESTATUS[0]}
# A run cut short (the browser did not start...) still says how it ended.
if ! tail -n 1 "$journal" | grep -Eq '^[0-9]+ passed, [0-9]+ failed$'; then
  echo "0 passed, 1 failed"
  exit 1
fi
exit "$code"
