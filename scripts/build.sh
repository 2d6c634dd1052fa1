#!/usr/bin/env bash
# Configures and builds Velkor: scripts/build.sh [BUILD_DIR [CMAKE_OPTION ...]]
# With VELKOR_WERROR=1 in the environment (as CI has it) a warning fails the build.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
shift || true
werror=()
[ "${VELKOR_WERROR:-0}" = 1 ] && werror=(-DCMAKE_COMPILE_WARNING_AS_ERROR=ON)
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${werror[@]}" "$@" >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
