#!/usr/bin/env bash
# Long runs of the random pupil: N_SEEDS seeds from SEED on, COUNT steps each, one after the
# other; prints each run's figures and the totals, and stops at the first failure (its seed and
# last steps are printed, so that it can be replayed alone).
# Usage: tools/eleve_aleatoire.sh SEED COUNT [N_SEEDS] [BUILD_DIR]
set -euo pipefail
if [ $# -lt 2 ]; then
  echo "usage: $0 SEED COUNT [N_SEEDS] [BUILD_DIR]" >&2
  exit 2
fi
graine=$1
pas=$2
graines=${3:-1}
racine=$(cd "$(dirname "$0")/.." && pwd)
build=${4:-$racine/build}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
cmake --build "$build" --target eleve_aleatoire -j3 >/dev/null
debut=$(date +%s)
for ((i = 0; i < graines; i++)); do
  g=$((graine + i))
  echo "=== seed $g, $pas steps"
  "$build/eleve_aleatoire" "$g" "$pas" || { echo "seed $g FAILED"; exit 1; }
done
fin=$(date +%s)
echo "all passed: $graines seed(s) x $pas steps = $((graines * pas)) steps in $((fin - debut)) s"
