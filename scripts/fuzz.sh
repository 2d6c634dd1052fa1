#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time, starting from
# the committed corpus in fuzz/corpus/TARGET. The code under test is compiled with coverage
# and with AddressSanitizer and UBSan (which stops at its first finding), like the targets.
#   scripts/fuzz.sh [--grow] [SECONDS] [TARGET ...]   (default 60 s, every target)
# Each target's log stays in build-fuzz/findings/TARGET.log; a finding stops the script
# with the crashing input kept beside it, its bytes in base64 and the one-line command that
# replays it. --grow merges the inputs a run found that add coverage into the committed
# corpus (libFuzzer's -merge=1, which keeps it minimal), ready to commit.
set -euo pipefail
cd "$(dirname "$0")/.."
grow=false
if [ "${1:-}" = --grow ]; then
  grow=true
  shift
fi
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_val fuzz_truncate fuzz_sections fuzz_number_pipeline
                                      fuzz_unit_switch fuzz_cli fuzz_copied_table)

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
clang_version=14
missing=()
for package in clang "libclang-rt-${clang_version}-dev" cmake make qt6-base-dev libgmp-dev \
  libmpfr-dev libflint-arb-dev libflint-dev; do
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

export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export ASAN_OPTIONS=detect_leaks=1
findings=build-fuzz/findings
for target in "${targets[@]}"; do
  fuzzer=build-fuzz/fuzz/$target
  log=$findings/$target.log
  found=$findings/$target
  rm -rf "$found"
  mkdir -p "$found/corpus"
  echo "fuzz: $target for ${seconds}s"
  # new inputs go into the first folder; the committed corpus is only read
  if ! "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$found/" "$found/corpus" "fuzz/corpus/$target" >"$log" 2>&1; then
    tail -40 "$log"
    echo "fuzz: $target failed; the whole log is $log"
    for input in "$found"/crash-* "$found"/leak-* "$found"/timeout-* "$found"/oom-*; do
      [ -f "$input" ] || continue
      echo "fuzz: the input, base64: $(base64 -w0 "$input")"
      echo "fuzz: replay with: $fuzzer $input"
    done
    exit 1
  fi
  grep -m1 'DONE' "$log" || true
  if $grow; then
    "$fuzzer" -merge=1 "fuzz/corpus/$target" "$found/corpus" >>"$log" 2>&1
    echo "fuzz: fuzz/corpus/$target now holds $(ls "fuzz/corpus/$target" | wc -l) inputs"
  fi
done
echo "fuzz: ${targets[*]} ran ${seconds}s each without a finding"
