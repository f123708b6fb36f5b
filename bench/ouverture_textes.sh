#!/usr/bin/env bash
# Time from the click on a text button to the text window shown, and from a theme click to its
# text shown with its boxes.
# Usage: bench/ouverture_textes.sh [BUILD_DIR]
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$racine/build}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
cmake --build "$build" --target bench_ouverture_textes -j"$(nproc)" >/dev/null
"$build/bench/bench_ouverture_textes" 2>/dev/null
