#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The browser edition's figures: builds the page with scripts/web.sh, then
# times an event in the page against strataloom-render, the opening of the
# file up to the first drawn section, and gives the file's size.
#   web/tests/bench.sh [--evenements N] [--graine S]
# STRATALOOM_NATIF names the native build folder (default: build).
set -euo pipefail
cd "$(dirname "$0")/../.."
natif=${STRATALOOM_NATIF:-build}
sortie=${STRATALOOM_WEB:-build-web}
scripts/web.sh >/dev/null
exec node web/tests/bench.mjs --page "$sortie/strataloom.html" \
  --rendu "$natif/bin/strataloom-render" --base "$natif/bin/Base" "$@"
