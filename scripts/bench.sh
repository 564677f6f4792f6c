#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks in Release (installing the missing Debian packages
# first), runs them, prints the table of ratios to one copy of the section
# (bench/tableau.cpp), then the resident memory of the program at rest.
#
#   scripts/bench.sh                               everything, 5 repetitions
#   REPETITIONS=3 scripts/bench.sh --benchmark_filter=Operation
#   STRATALOOM_BENCH_TEMPS=reel scripts/bench.sh   wall-clock instead of CPU time
#
# The raw figures are kept in build-bench/bench.json, the console output in
# build-bench/sortie.txt and the table in build-bench/ratios.md. A full run
# takes about ten minutes on two cores.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/commun.sh
installer_paquets
jobs=$(nproc 2>/dev/null || echo 2)

configurer build-bench -DCMAKE_BUILD_TYPE=Release -DSTRATALOOM_BENCH=ON -DSTRATALOOM_TESTS=OFF
cmake --build build-bench -j"$jobs" --target strataloom_bench strataloom

export QT_QPA_PLATFORM=offscreen
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

machine="Processor: $(lscpu | sed -n 's/^Model name: *//p'), $(nproc) cores, $(uname -sr)."
echo "$machine"
build-bench/bin/strataloom_bench \
  --benchmark_repetitions="${REPETITIONS:-5}" --benchmark_report_aggregates_only=true \
  --benchmark_min_time="${MIN_TIME:-0.2}" \
  --benchmark_out=build-bench/bench.json --benchmark_out_format=json "$@" |
  tee build-bench/sortie.txt
{
  sed -n '/^## Ratios/,/^$/p' build-bench/sortie.txt
  echo "$machine"
  sed -n '/^## Ratios/,$p' build-bench/sortie.txt | sed '1,/^$/d'
} >build-bench/ratios.md

# The program at rest: started on the offscreen platform (its start-up
# warning open, as a learner sees it), resident size after 2 s.
build-bench/bin/strataloom >/dev/null 2>&1 &
pid=$!
sleep 2
rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status" 2>/dev/null || true)
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
if [ -n "$rss" ]; then
  ligne="| Program at rest, 2 s after start (offscreen): resident memory | $((rss / 1024)) MiB ($rss KiB) |"
else
  ligne="| Program at rest: no measure (the program ended within 2 s) | |"
fi
printf '\n| Memory | |\n|---|---:|\n%s\n' "$ligne" | tee -a build-bench/ratios.md
