#!/usr/bin/env bash
# Time from the click on the quiz button to the quiz window shown with its sheets filled.
# Usage: bench/ouverture_qcm.sh [BUILD_DIR]
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$racine/build}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
cmake --build "$build" --target bench_ouverture_qcm -j"$(nproc)" >/dev/null
"$build/bench/bench_ouverture_qcm" 2>/dev/null
