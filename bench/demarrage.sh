#!/usr/bin/env bash
# Start-up time of Vantarel (process start to main window shown) against a bare Qt program
# that shows an empty window, measured in the same run; prints the ratio.
# Usage: bench/demarrage.sh [BUILD_DIR] [RUNS]
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$racine/build}
essais=${2:-20}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
cmake --build "$build" --target bench_fenetre_vide bench_demarrage_vantarel -j"$(nproc)" >/dev/null
mesure() {  # mean wall time in ms of N runs of a program
  local programme=$1 total=0 debut fin
  "$programme" >/dev/null 2>&1  # warm the caches once
  for ((i = 0; i < essais; i++)); do
    debut=$(date +%s%N); "$programme" >/dev/null 2>&1; fin=$(date +%s%N)
    total=$((total + fin - debut))
  done
  echo $((total / essais / 1000))
}
vide=$(mesure "$build/bench/bench_fenetre_vide")
vantarel=$(mesure "$build/bench/bench_demarrage_vantarel")
awk -v v="$vide" -v p="$vantarel" -v n="$essais" 'BEGIN {
  printf "bare Qt window: %.1f ms, Vantarel main window: %.1f ms (mean of %d runs, platform %s)\n", v/1000, p/1000, n, ENVIRON["QT_QPA_PLATFORM"];
  printf "ratio Vantarel / bare Qt: %.2f\n", p / v }'
