#!/usr/bin/env bash
# Installs what is missing, builds Vantarel and runs the whole test suite twice:
# once in a normal build, once in a build with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
"$racine/scripts/installer.sh" --tests
export QT_QPA_PLATFORM=offscreen
"$racine/scripts/construire.sh" "$racine/build"
ctest --test-dir "$racine/build" --output-on-failure -j"$(nproc)"
"$racine/scripts/construire.sh" "$racine/build-asan" -DVANTAREL_SANITIZE=ON
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$racine/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$racine/build-asan" --output-on-failure -j"$(nproc)" -E '^bench_'
