#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes one of the two file readers with libFuzzer for a given time:
#
#   scripts/fuzz.sh listes SECONDES   # event list files, read and replayed
#   scripts/fuzz.sh images SECONDES   # BMP pictures, models and textures
#   scripts/fuzz.sh exercices SECONDES   # exercise and answer files
#
# Builds the fuzz target with clang in build-fuzz (STRATALOOM_FUZZ=ON),
# starts from the seed corpus fuzz/corpus/<genre> and keeps the inputs it
# finds in build-fuzz/corpus/<genre>. An input that breaks something is
# written to build-fuzz/trouvailles/<genre>/ and the script fails; replay it
# with build-fuzz/bin/fuzz_<genre> <file>.
set -euo pipefail
cd "$(dirname "$0")/.."

usage() {
  echo "usage : scripts/fuzz.sh listes|images|exercices SECONDES" >&2
  exit 2
}
[ $# -eq 2 ] || usage
genre=$1
duree=$2
case "$genre" in listes | images | exercices) ;; *) usage ;; esac
[[ "$duree" =~ ^[0-9]+$ ]] && [ "$duree" -gt 0 ] || usage

. scripts/commun.sh
installer_paquets clang-14 libfuzzer-14-dev

configurer build-fuzz -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSTRATALOOM_FUZZ=ON -DSTRATALOOM_TESTS=OFF
cmake --build build-fuzz --target "fuzz_$genre" -j"$(nproc 2>/dev/null || echo 2)"

mkdir -p "build-fuzz/corpus/$genre" "build-fuzz/trouvailles/$genre"
export QT_QPA_PLATFORM=offscreen
"build-fuzz/bin/fuzz_$genre" -max_total_time="$duree" -timeout=10 -rss_limit_mb=2048 \
  -dict="fuzz/$genre.dict" -print_final_stats=1 \
  -artifact_prefix="build-fuzz/trouvailles/$genre/" \
  "build-fuzz/corpus/$genre" "fuzz/corpus/$genre"
