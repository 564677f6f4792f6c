#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one slice of a Qt Test program: the functions whose rank, counted
# from 0 in the order the program lists them, is K modulo N. A long suite
# then counts as N tests, each with its own time limit, which ctest can
# also run side by side.
#   tranche_qt.sh PROGRAM K N
set -eu
programme=$1
k=$2
n=$3
fonctions=$("$programme" -functions | sed -n 's/()$//p' | awk -v k="$k" -v n="$n" '(NR - 1) % n == k')
if [ -z "$fonctions" ]; then
  echo "tranche_qt.sh : aucune fonction de test dans la tranche $k sur $n" >&2
  exit 1
fi
# shellcheck disable=SC2086 # one argument per function name
exec "$programme" $fonctions
