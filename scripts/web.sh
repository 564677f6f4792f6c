#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the browser edition of Strataloom:
#   build-web/strataloom.html   one self-contained file (engine, textures,
#                               sounds, help); opens from disk, no network
#   build-web/site/             the same page as index.html, for a web host
# The engine (section/) is compiled to WebAssembly with Debian's emscripten;
# the textures, sounds, help, icon and logo come from the project's data
# generator, built natively in $STRATALOOM_NATIF (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/commun.sh
installer_paquets emscripten node-acorn chromium chromium-driver

natif=${STRATALOOM_NATIF:-build}
sortie=${STRATALOOM_WEB:-build-web}
jobs=${STRATALOOM_JOBS:-2}

configurer "$natif" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$natif" -j"$jobs" --target strataloom-data strataloom-render strataloom_data strataloom_echantillons

version=$(sed -n 's/^project(Strataloom VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "web.sh : version introuvable dans CMakeLists.txt" >&2; exit 1; }

# Debian's node module folder holds acorn, which emscripten's optimizer needs.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
# emscripten keeps its cache beside its installation; a user without the
# right to write there gets a cache of their own.
if [ ! -w /usr/share/emscripten/cache ] && [ -z "${EM_CACHE:-}" ]; then
  export EM_CACHE="$HOME/.cache/emscripten"
fi

# The npm packages the page carries (web/package.json), as the lock file
# pins them: installed again only when missing or when the lock changed.
if [ ! -d web/node_modules ] || [ web/package-lock.json -nt web/node_modules/.package-lock.json ]; then
  (cd web && npm ci --ignore-scripts --no-audit --no-fund)
fi

mkdir -p "$sortie/obj"
# One object per source, rebuilt when the source or a header changed; the
# web build's own flags are part of what an object depends on.
# The engine's layers: each one's public headers (section/COUCHE/include).
options=(-std=c++20 -O3 -msimd128)
for inclus in section/*/include; do options+=("-I$inclus"); done
empreinte=$(printf '%s ' "${options[@]}" | md5sum | cut -c1-8)
objets=()
for source in section/*/src/*.cpp web/src/*.cpp; do
  nom=$(echo "$source" | tr '/' '_')
  objet="$sortie/obj/${nom%.cpp}-$empreinte.o"
  objets+=("$objet")
  if [ ! -f "$objet" ] || [ "$source" -nt "$objet" ] ||
     [ -n "$(find section web/src -name '*.h' -newer "$objet" -print -quit)" ]; then
    echo "em++ $source"
    rm -f "$objet"
    em++ "${options[@]}" -c "$source" -o "$objet" &
    # At most $jobs compilers at once.
    while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n; done
  fi
done
wait
for objet in "${objets[@]}"; do
  [ -f "$objet" ] || { echo "web.sh : la compilation a échoué ($objet)" >&2; exit 1; }
done

em++ -O3 -msimd128 "${objets[@]}" -o "$sortie/moteur.js" \
  --bind -sSINGLE_FILE=1 -sALLOW_MEMORY_GROWTH=1 -sMODULARIZE=1 \
  -sEXPORT_NAME=StrataloomMoteur -sENVIRONMENT=web,worker,node -sFILESYSTEM=0

node web/outils/assembler.mjs --moteur "$sortie/moteur.js" --donnees "$natif/bin" \
  --icones "$natif/icons" --version "$version" --sortie "$sortie"
echo "Page : $sortie/strataloom.html ; dossier pour un site : $sortie/site/"
