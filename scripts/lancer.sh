#!/usr/bin/env bash
# Installs what is missing, builds Vantarel and starts it.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
"$racine/scripts/installer.sh"
"$racine/scripts/construire.sh" "$racine/build"
exec "$racine/build/vantarel"
