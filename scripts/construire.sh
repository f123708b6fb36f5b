#!/usr/bin/env bash
# Configures (once) and builds one build folder: every target, or only the one named in CIBLE.
# Usage: [CIBLE=target] construire.sh DOSSIER [cmake options...]
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
dossier=$1; shift
lanceur=()
command -v ccache >/dev/null && lanceur=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
if [[ ! -f "$dossier/CMakeCache.txt" ]]; then
  cmake -S "$racine" -B "$dossier" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${lanceur[@]}" "$@"
fi
cible=()
[[ -n "${CIBLE:-}" ]] && cible=(--target "$CIBLE")
cmake --build "$dossier" -j"$(nproc)" "${cible[@]}"
