#!/usr/bin/env bash
# Installs what is missing, builds the program alone (not the tests, benchmarks and tools) and starts it.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
"$racine/scripts/installer.sh"
CIBLE=vantarel "$racine/scripts/construire.sh" "$racine/build"
exec "$racine/build/vantarel"
