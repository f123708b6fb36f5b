#!/usr/bin/env bash
# Peak resident memory of Vantarel at start (main window painted) and after a whole quiz sheet,
# each against the bare Qt program with a window and a label, in paired runs (offscreen, and
# under X when a display is present).
# Usage: [BUILD=dir] bench/memoire.sh [PAIRS]
source "$(dirname "$0")/commun.sh"
paires=${1:-10}
construire bench_fenetre_vide bench_demarrage_vantarel bench_memoire_qcm
memoire() { valeur memoire_kio "$("$build/bench/$1" 2>/dev/null)"; }
for plateforme in $(plateformes); do
  export QT_QPA_PLATFORM=$plateforme
  : >"$tmp/mesures"
  for ((i = 0; i < paires; i++)); do
    echo "$(memoire bench_fenetre_vide) $(memoire bench_demarrage_vantarel) $(memoire bench_memoire_qcm)" >>"$tmp/mesures"
  done
  echo "platform $plateforme, $paires runs of each"
  awk '{ print $1 / 1024 }' "$tmp/mesures" | resume "peak memory, bare window with a label" MiB
  awk '{ print $2 / 1024 }' "$tmp/mesures" | resume "peak memory, Vantarel at start" MiB
  awk '{ print $3 / 1024 }' "$tmp/mesures" | resume "peak memory, Vantarel after a whole sheet" MiB
  awk '{ print $2 / $1 }' "$tmp/mesures" | resume "ratio at start / bare" ""
  awk '{ print $3 / $1 }' "$tmp/mesures" | resume "ratio after a sheet / bare" ""
done
