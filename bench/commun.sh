# Shared by the benchmark scripts (sourced, not run). BUILD names the build folder (default build/).
set -euo pipefail
export LC_ALL=C
racine=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD:-$racine/build}
tmp=$(mktemp -d)  # the script's measures
trap 'rm -rf "$tmp"' EXIT

# Builds the named benchmark programs, quietly.
construire() { cmake --build "$build" --target "$@" -j3 >/dev/null; }

# The platforms to measure on: always offscreen; X too when a display is present.
plateformes() {
  echo offscreen
  if [[ -n ${DISPLAY:-} ]]; then echo xcb; fi
}

# The value of one "name value" line of a program's output.
valeur() { awk -v n="$1" '$1 == n { print $2 }' <<<"$2"; }

# Microseconds of the shell's clock, comparable with the programs' wall clock.
maintenant_us() { echo "${EPOCHREALTIME/./}"; }

# The median of the numbers on its input.
mediane() { sort -g | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Prints the minimum, median and maximum of the numbers on its input, with a label and a unit.
resume() {
  sort -g | awk -v l="$1" -v u="$2" '{ v[NR] = $1 }
    END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
          printf "  %-46s min %8.2f  median %8.2f  max %8.2f %s (n=%d)\n", l, v[1], m, v[NR], u, NR }'
}
