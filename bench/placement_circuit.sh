#!/usr/bin/env bash
# The circuit sheet with 200 dragged symbols and 500 wires: repaint and snapshot times.
# Usage: bench/placement_circuit.sh [BUILD_DIR]
exec bash "$(dirname "$0")/lancer.sh" placement_circuit "$@"
