#!/usr/bin/env bash
# The pause: share of one core that a 1-second temporisation uses in the running program, and the
# slide of the quiz window's electricity panel (22 steps of about 1 ms), offscreen and under X
# when a display is present.
# Usage: [BUILD=dir] bench/temporisation.sh [RUNS]
source "$(dirname "$0")/commun.sh"
essais=${1:-5}
construire bench_temporisation
for plateforme in $(plateformes); do
  export QT_QPA_PLATFORM=$plateforme
  : >"$tmp/mesures"
  for ((i = 0; i < essais; i++)); do
    s=$("$build/bench/bench_temporisation" 2>/dev/null)
    echo "$(valeur pause_ms "$s") $(valeur processeur_ms "$s") $(valeur glissement_ms "$s") $(valeur glissement_pas "$s")" >>"$tmp/mesures"
  done
  echo "platform $plateforme, $essais runs"
  awk '{ print $1 }' "$tmp/mesures" | resume "1-second pause: wall time" ms
  awk '{ print 100 * $2 / $1 }' "$tmp/mesures" | resume "1-second pause: share of one core" "%"
  awk '{ print $4 }' "$tmp/mesures" | resume "electricity panel slide: steps" ""
  awk '{ print $3 }' "$tmp/mesures" | resume "electricity panel slide: duration" ms
  awk '{ print $3 / $4 }' "$tmp/mesures" | resume "electricity panel slide: time a step" ms
done
