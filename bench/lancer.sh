#!/usr/bin/env bash
# Builds one benchmark program and runs it headless.
# Usage: bench/lancer.sh PROGRAM [BUILD_DIR]
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
build=${2:-$racine/build}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
cmake --build "$build" --target "bench_$1" -j"$(nproc)" >/dev/null
"$build/bench/bench_$1" 2>/dev/null
