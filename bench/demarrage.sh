#!/usr/bin/env bash
# Start-up: process start to the main window's first paint, against a bare Qt program that shows a
# window of the same size with one text label, in paired runs (offscreen, and under X when a display
# is present, e.g. `xvfb-run -a bash bench/demarrage.sh`). The processor time used until the paint is
# printed too: on a busy machine it tells the work apart from the waiting.
# Usage: [BUILD=dir] bench/demarrage.sh [PAIRS]
source "$(dirname "$0")/commun.sh"
paires=${1:-30}
construire bench_fenetre_vide bench_demarrage_vantarel
vide=$build/bench/bench_fenetre_vide
vantarel=$build/bench/bench_demarrage_vantarel

lancer() {  # program -> milliseconds from its start to its first paint, processor milliseconds
  local debut sortie
  debut=$(maintenant_us)
  sortie=$("$1" 2>/dev/null)
  awk -v d="$debut" -v p="$(valeur peint_us "$sortie")" -v c="$(valeur processeur_ms "$sortie")" \
    'BEGIN { printf "%.3f %.3f\n", (p - d) / 1000, c }'
}

for plateforme in $(plateformes); do
  export QT_QPA_PLATFORM=$plateforme
  "$vide" >/dev/null 2>&1; "$vantarel" >/dev/null 2>&1  # warm the caches once
  : >"$tmp/mesures"
  for ((i = 0; i < paires; i++)); do
    if ((i % 2)); then a=$(lancer "$vide"); b=$(lancer "$vantarel")
    else b=$(lancer "$vantarel"); a=$(lancer "$vide"); fi
    echo "$a $b" >>"$tmp/mesures"
  done
  echo "platform $plateforme, $paires paired runs"
  awk '{ print $1 }' "$tmp/mesures" | resume "bare window with a label: start to paint" ms
  awk '{ print $3 }' "$tmp/mesures" | resume "Vantarel main window: start to paint" ms
  awk '{ print $3 / $1 }' "$tmp/mesures" | resume "ratio Vantarel / bare" ""
  awk '{ print $2 }' "$tmp/mesures" | resume "bare: processor time to paint" ms
  awk '{ print $4 }' "$tmp/mesures" | resume "Vantarel: processor time to paint" ms
  awk '{ print $4 / $2 }' "$tmp/mesures" | resume "ratio of processor times" ""
done
