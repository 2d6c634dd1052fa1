#!/usr/bin/env bash
# Installs what is missing, builds and runs every test without a display.
#   scripts/test.sh             the test suite
#   scripts/test.sh --sanitize  the same suite built with AddressSanitizer and UBSan
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test

build_dir=build
options=()
if [ "${1:-}" = --sanitize ]; then
  build_dir=build-sanitize
  options=(-DVELKOR_SANITIZE=ON)
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
fi
scripts/build.sh "$build_dir" "${options[@]}"
cd "$build_dir"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
