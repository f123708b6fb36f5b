#!/usr/bin/env bash
# Long runs of the random pupil: N_SEEDS seeds from SEED on, COUNT steps each, JOBS of them at
# once (1 by default); prints each run's figures and the totals. A failed run's output (what
# failed, its seed and last steps, so that it can be replayed alone) is printed whole, and the
# script ends with status 1 once every run is over.
# Usage: tools/eleve_aleatoire.sh SEED COUNT [N_SEEDS] [BUILD_DIR] [JOBS]
set -euo pipefail
if [ $# -lt 2 ]; then
  echo "usage: $0 SEED COUNT [N_SEEDS] [BUILD_DIR] [JOBS]" >&2
  exit 2
fi
graine=$1
pas=$2
graines=${3:-1}
racine=$(cd "$(dirname "$0")/.." && pwd)
build=${4:-$racine/build}
paralleles=${5:-1}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
cmake --build "$build" --target eleve_aleatoire -j3 >/dev/null
sorties=$(mktemp -d)
trap 'rm -rf "$sorties"' EXIT
debut=$(date +%s)
for ((i = 0; i < graines; i++)); do
  g=$((graine + i))
  while [ "$(jobs -rp | wc -l)" -ge "$paralleles" ]; do wait -n || true; done
  ( "$build/eleve_aleatoire" "$g" "$pas" >"$sorties/$g.log" 2>&1; echo $? >"$sorties/$g.rc" ) &
done
wait
fin=$(date +%s)
echecs=0
documents=0
for ((i = 0; i < graines; i++)); do
  g=$((graine + i))
  echo "=== seed $g, $pas steps"
  if [ "$(cat "$sorties/$g.rc")" = 0 ]; then
    grep -v '^passed$' "$sorties/$g.log" | tail -n 5
    n=$(sed -n 's/^reports: written \([0-9]*\).*/\1/p' "$sorties/$g.log")
    documents=$((documents + ${n:-0}))
  else
    cat "$sorties/$g.log"
    echo "seed $g FAILED"
    echecs=$((echecs + 1))
  fi
done
if [ "$echecs" -gt 0 ]; then
  echo "$echecs of $graines seed(s) FAILED ($((fin - debut)) s)"
  exit 1
fi
echo "all passed: $graines seed(s) x $pas steps = $((graines * pas)) steps, $documents report(s) written, in $((fin - debut)) s"
