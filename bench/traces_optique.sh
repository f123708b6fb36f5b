#!/usr/bin/env bash
# The optics sheet with 200 elements and 1000 rays: a full repaint of the window, a repaint of the
# drawing area on the screen, a snapshot and the release that finishes one more ray, each the
# median of its repeats in a process; the processes' medians summed up (offscreen, and under X
# when a display is present). Goal: the repaint within one frame of 16 ms.
# Usage: [BUILD=dir] bench/traces_optique.sh [PROCESSES] [REPEATS]
source "$(dirname "$0")/commun.sh"
construire bench_traces_optique
processus=${1:-5}
repetitions=${2:-21}
for plateforme in $(plateformes); do
  export QT_QPA_PLATFORM=$plateforme
  : >"$tmp/mesures"
  for ((i = 0; i < processus; i++)); do
    sortie=$("$build/bench/bench_traces_optique" "$repetitions" 2>/dev/null)
    echo "$(valeur repaint_ms "$sortie") $(valeur instantane_ms "$sortie") $(valeur rayon_ms "$sortie")" \
      "$(valeur rayon_sans_peinture_ms "$sortie") $(valeur repaint_rayons_sans_region_ms "$sortie")" \
      "$(valeur aire_ms "$sortie")" >>"$tmp/mesures"
  done
  echo "platform $plateforme, $processus processes, medians of $repetitions repeats each"
  awk '{ print $1 }' "$tmp/mesures" | resume "full repaint of the window" ms
  awk '{ print $1 / 16 }' "$tmp/mesures" | resume "repaint against the 16 ms frame" ""
  awk '{ print $6 }' "$tmp/mesures" | resume "drawing area repainted on the screen" ms
  awk '{ print $6 / 16 }' "$tmp/mesures" | resume "area repaint against the 16 ms frame" ""
  awk '{ print $2 }' "$tmp/mesures" | resume "snapshot at the window's size" ms
  awk '{ print $3 }' "$tmp/mesures" | resume "release finishing one more ray, painted" ms
  awk '{ print $4 }' "$tmp/mesures" | resume "the same release, its paint left out" ms
  awk '{ print $5 }' "$tmp/mesures" | resume "full repaint, the rays without window regions" ms
done
