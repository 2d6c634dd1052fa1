#!/usr/bin/env bash
# Builds the calculation core's libFuzzer targets with clang and runs each for a bounded
# time (seconds, default 60), starting from the committed seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
clang_version=14
missing=()
for package in clang "libclang-rt-${clang_version}-dev" cmake make; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}" || true
fi
if ! command -v clang++ >/dev/null; then
  echo "fuzz: clang++ is not available; skipping the fuzz targets"
  exit 0
fi

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DVELKOR_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in fuzz_val fuzz_truncate fuzz_sections; do
  mkdir -p "$work/$target"
  cp fuzz/corpus/"$target"/* "$work/$target"/
  echo "fuzz: $target for ${seconds}s"
  build-fuzz/fuzz/"$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=0 \
    -artifact_prefix="$work/$target-" "$work/$target" 2>"$work/$target.log" || {
    tail -40 "$work/$target.log"
    echo "fuzz: $target failed"
    exit 1
  }
done
echo "fuzz: all targets ran ${seconds}s without a finding"
