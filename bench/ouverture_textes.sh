#!/usr/bin/env bash
# Time from the click on a text button to the text window shown, and from a theme click to its
# text shown with its boxes.
# Usage: bench/ouverture_textes.sh [BUILD_DIR]
exec bash "$(dirname "$0")/lancer.sh" ouverture_textes "$@"
