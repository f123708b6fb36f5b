#!/usr/bin/env bash
# Time from the click on the quiz button to the quiz window shown with its sheets filled.
# Usage: bench/ouverture_qcm.sh [BUILD_DIR]
exec bash "$(dirname "$0")/lancer.sh" ouverture_qcm "$@"
