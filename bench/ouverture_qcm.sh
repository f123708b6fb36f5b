#!/usr/bin/env bash
# Openings of the quiz window, click to painted: the first opening of each process against the
# later openings of the same process (offscreen, and under X when a display is present), in wall
# time and in processor time (which a busy machine does not stretch).
# Usage: [BUILD=dir] bench/ouverture_qcm.sh [PROCESSES] [LATER_OPENINGS]
source "$(dirname "$0")/commun.sh"
processus=${1:-15}
suivantes=${2:-5}
construire bench_ouverture_qcm
for plateforme in $(plateformes); do
  export QT_QPA_PLATFORM=$plateforme
  "$build/bench/bench_ouverture_qcm" 1 >/dev/null 2>&1  # warm the caches once
  : >"$tmp/mesures"
  for ((i = 0; i < processus; i++)); do
    # One line a process: first opening, median of its later openings.
    sortie=$("$build/bench/bench_ouverture_qcm" "$suivantes" 2>/dev/null)
    echo "$(valeur premiere_ms "$sortie") $(valeur suivante_ms "$sortie" | mediane)" \
      "$(valeur premiere_processeur_ms "$sortie") $(valeur suivante_processeur_ms "$sortie" | mediane)" >>"$tmp/mesures"
  done
  echo "platform $plateforme, $processus processes, $suivantes later openings each (each opening includes the 10 ms pause)"
  awk '{ print $1 }' "$tmp/mesures" | resume "first opening: click to painted" ms
  awk '{ print $2 }' "$tmp/mesures" | resume "later openings (median of each process)" ms
  awk '{ print $1 / $2 }' "$tmp/mesures" | resume "ratio first / later, same process" ""
  awk '{ print $3 }' "$tmp/mesures" | resume "first opening: processor time" ms
  awk '{ print $4 }' "$tmp/mesures" | resume "later openings: processor time (median)" ms
  awk '{ print $3 / $4 }' "$tmp/mesures" | resume "ratio of processor times, first / later" ""
done
