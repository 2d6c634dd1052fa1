#!/usr/bin/env bash
# Installs what is missing, builds and runs every test without a display.
#   scripts/test.sh             the test suite
#   scripts/test.sh --sanitize  the same suite built by clang with AddressSanitizer and UBSan
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=build
options=()
if [ "${1:-}" = --sanitize ]; then
  scripts/install-deps.sh sanitize
  export CC=clang CXX=clang++
  build_dir=build-sanitize
  options=(-DVELKOR_SANITIZE=ON)
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
fi
scripts/install-deps.sh test
scripts/build.sh "$build_dir" "${options[@]}"
cd "$build_dir"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
