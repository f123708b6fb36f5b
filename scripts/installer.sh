#!/usr/bin/env bash
# Installs, with apt, every Debian package that building, running and testing Vantarel needs.
# Usage: installer.sh [--tests]   (--tests adds what only the test suite uses)
set -euo pipefail
paquets=(cmake g++ make ccache qt6-base-dev qt6-svg-dev libgl-dev libfontconfig-dev qt6-translations-l10n
         fonts-liberation2 fonts-comic-neue fonts-dejavu-core xvfb xauth)
if [[ "${1:-}" == "--tests" ]]; then
  paquets+=(libreoffice-writer-nogui poppler-utils imagemagick)
fi
manquants=()
for p in "${paquets[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || manquants+=("$p")
done
if (( ${#manquants[@]} )); then
  if [[ $(id -u) -ne 0 ]]; then echo "installer.sh: run as root to install: ${manquants[*]}" >&2; exit 1; fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${manquants[@]}"
fi
