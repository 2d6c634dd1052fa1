#!/usr/bin/env bash
# Builds Velkor in Release and measures it against its performance targets, offscreen:
#   start-up   velkor --quit-after-first-paint against bench/floor (a one-label Qt window),
#              whole processes, interleaved; median ratios of wall time and peak RSS
#   calc       one calculation of each section routine (velkor_bench)
#   open       a calculator opened for the first time from the menu (velkor_bench)
#   click      "Вычислить" until the result labels are written (velkor_bench)
#   card       «Паспорт сечения» until the section card is painted (velkor_bench)
#   pdf        the section card's report saved as a PDF (velkor_bench)
#   rolled     every rolled profile's shown figures (velkor_bench), the slowest of each standard
#   batch      velkor-cli --batch of 10 000 generated lines
#   catalogue  velkor-cli --batch --all of every rolled profile of every standard
# Exits 1 when a target is missed, 2 when something fails to run.
#
#   bench/run.sh [--smoke] [--runs N] [--build-dir DIR] [--no-build]
#     --smoke      one quick pass that only proves everything runs; targets are shown but
#                  not enforced (a loaded machine must not fail a test run)
#     --runs N     start-up runs of each program (default 15)
#     --build-dir  where to build (default build-bench); --no-build uses it as it is
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

smoke=0
runs=15
build_dir=$root/build-bench
build=1
while [ $# -gt 0 ]; do
  case $1 in
    --smoke) smoke=1 ;;
    --runs) runs=$2; shift ;;
    --build-dir) build_dir=$2; shift ;;
    --no-build) build=0 ;;
    *) echo "usage: bench/run.sh [--smoke] [--runs N] [--build-dir DIR] [--no-build]" >&2; exit 64 ;;
  esac
  shift
done
[ $smoke -eq 1 ] && runs=1

# targets
max_startup_ratio=1.3
max_rss_ratio=1.3
max_open_ms=30
max_click_us=1000
max_calc_ns=20000
max_batch_s=0.5
max_card_ms=50
max_pdf_ms=300
max_rolled_us=1000
max_catalogue_s=30

if [ $build -eq 1 ]; then
  cmake -S "$root" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build_dir" -j"$(nproc)" --target velkor velkor-cli velkor_bench velkor_floor >/dev/null
fi
velkor=$build_dir/app/velkor
floor=$build_dir/bench/floor
bench=$build_dir/bench/velkor_bench
cli=$build_dir/cli/velkor-cli
for program in "$velkor" "$floor" "$bench" "$cli"; do
  [ -x "$program" ] || { echo "bench: $program is not built" >&2; exit 2; }
done

export QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Peak RSS comes from GNU time; a full run installs it, a smoke run does without.
gnu_time=/usr/bin/time
if ! [ -x $gnu_time ] && [ $smoke -eq 0 ]; then
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends time
fi
[ -x $gnu_time ] || gnu_time=

failures=0
misses=0
fail() { echo "bench: $*" >&2; failures=$((failures + 1)); }

median() { sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) print "nan"; else if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One whole process: "wall_ms rss_kb" appended to $2, or a failure.
time_process() {
  local program=$1 out=$2 start end status=0
  shift 2
  start=$(date +%s%N)
  if [ -n "$gnu_time" ]; then
    timeout 30 $gnu_time -f %M -o "$work/rss" "$program" "$@" >/dev/null 2>"$work/stderr" || status=$?
  else
    timeout 30 "$program" "$@" >/dev/null 2>"$work/stderr" || status=$?
  fi
  end=$(date +%s%N)
  if [ $status -ne 0 ]; then
    fail "$(basename "$program") $* exited with status $status: $(tail -3 "$work/stderr")"
    return
  fi
  echo "$(((end - start) / 1000)) $([ -n "$gnu_time" ] && tail -1 "$work/rss" || echo nan)" |
    awk '{ printf "%.3f %s\n", $1 / 1000, $2 }' >>"$out"
}

# --- start-up: a warm-up of each, then interleaved runs
time_process "$velkor" /dev/null --quit-after-first-paint
time_process "$floor" /dev/null
: >"$work/velkor"
: >"$work/floor"
for _ in $(seq "$runs"); do
  time_process "$velkor" "$work/velkor" --quit-after-first-paint
  time_process "$floor" "$work/floor"
done
paste -d' ' "$work/velkor" "$work/floor" >"$work/pairs"
velkor_ms=$(awk '{ print $1 }' "$work/velkor" | median)
floor_ms=$(awk '{ print $1 }' "$work/floor" | median)
velkor_kb=$(awk '{ print $2 }' "$work/velkor" | median)
floor_kb=$(awk '{ print $2 }' "$work/floor" | median)
wall_ratio=$(awk 'NF == 4 && $3 > 0 { print $1 / $3 }' "$work/pairs" | median)
rss_ratio=nan
[ -n "$gnu_time" ] && rss_ratio=$(awk 'NF == 4 && $4 > 0 { print $2 / $4 }' "$work/pairs" | median)

# --- the calculation core and the calculator windows
bench_runs=3
bench_options=()
[ $smoke -eq 1 ] && { bench_runs=1; bench_options=(--quick); }
: >"$work/bench"
for _ in $(seq $bench_runs); do
  status=0
  "$bench" "${bench_options[@]}" >>"$work/bench" 2>"$work/stderr" || status=$?
  # status 1 comes with the FAILED lines reported below
  [ $status -le 1 ] || fail "velkor_bench exited with status $status: $(tail -3 "$work/stderr")"
done
grep -q FAILED "$work/bench" && fail "velkor_bench: $(grep FAILED "$work/bench" | sort -u)"

# --- velkor-cli --batch: 10 000 lines from the sections the command line offers, each
# with its dimensions scaled and its unit switched line by line
"$cli" --help | awk '
  /^Sections:/ { sections = 1; next }
  sections && /^$/ { exit }
  sections && /^  [a-z]/ {
    line = $1
    for (k = 2; k <= NF; ++k)
      if ($k ~ /^[A-Za-z0-9]+=[0-9.]+$/) line = line " " $k
    print line
  }' >"$work/sections"
[ -s "$work/sections" ] || fail "velkor-cli --help lists no section"
awk -v lines=10000 '
  { section[n++] = $0 }
  END {
    split("mm cm m", unit, " ")
    for (k = 0; k < lines && n > 0; ++k) {
      split(section[k % n], word, " ")
      scale = 1 + (k % 37) / 10
      line = word[1]
      for (w = 2; w in word; ++w) {
        split(word[w], pair, "=")
        line = line " " pair[1] "=" pair[2] * scale
      }
      print line " --unit " unit[int(k / n) % 3 + 1]
    }
  }' "$work/sections" >"$work/batch.txt"
batch_runs=3
[ $smoke -eq 1 ] && batch_runs=1
: >"$work/batch"
for _ in $(seq $batch_runs); do
  start=$(date +%s%N)
  status=0
  "$cli" --batch "$work/batch.txt" >"$work/batch.csv" 2>"$work/stderr" || status=$?
  end=$(date +%s%N)
  [ $status -eq 0 ] || fail "velkor-cli --batch exited with status $status: $(tail -3 "$work/stderr")"
  [ "$(wc -l <"$work/batch.csv")" -eq 10001 ] || fail "velkor-cli --batch did not answer every line"
  echo $(((end - start) / 1000)) | awk '{ printf "%.4f\n", $1 / 1e6 }' >>"$work/batch"
done
batch_s=$(median <"$work/batch")

# --- velkor-cli --batch --all of the whole catalogue of rolled profiles
"$cli" rolled --list | cut -f1 | while read -r standard; do
  "$cli" rolled --list "$standard" | sed "s/^/rolled $standard /"
done >"$work/catalogue.txt"
profiles=$(wc -l <"$work/catalogue.txt")
[ "$profiles" -gt 0 ] || fail "velkor-cli rolled --list lists no profile"
start=$(date +%s%N)
status=0
"$cli" --batch "$work/catalogue.txt" --all >"$work/catalogue.csv" 2>"$work/stderr" || status=$?
end=$(date +%s%N)
[ $status -eq 0 ] || fail "velkor-cli --batch --all of the catalogue exited with status $status: $(tail -3 "$work/stderr")"
[ "$(wc -l <"$work/catalogue.csv")" -eq $((profiles + 1)) ] || fail "the catalogue's batch did not answer every profile"
catalogue_s=$(echo $(((end - start) / 1000)) | awk '{ printf "%.4f\n", $1 / 1e6 }')

# --- the figures against the targets
# check NAME VALUE UNIT LIMIT [NOTE]: one line, "ok" or "MISSED"
check() {
  local verdict
  verdict=$(awk -v v="$2" -v l="$4" 'BEGIN { print (v != "nan" && v + 0 <= l + 0) ? "ok" : "MISSED" }')
  [ "$verdict" = ok ] || misses=$((misses + 1))
  printf '  %-32s %10.3f %-2s  (target ≤ %s %s)  %-6s %s\n' "$1" "$2" "$3" "$4" "$3" "$verdict" "${5:-}"
}

echo "Velkor performance ($([ $smoke -eq 1 ] && echo "smoke pass" || echo "$runs start-up runs each"); load average $(cut -d' ' -f1-3 /proc/loadavg))"
echo "start-up (velkor $velkor_ms ms, $velkor_kb kB; floor $floor_ms ms, $floor_kb kB)"
check "wall time velkor/floor" "$wall_ratio" "x" $max_startup_ratio
if [ -n "$gnu_time" ]; then
  check "peak RSS velkor/floor" "$rss_ratio" "x" $max_rss_ratio
else
  echo "  peak RSS velkor/floor                   (GNU time is not installed)"
fi
# the median of each figure over the benchmark's runs
awk '$3 != "FAILED" { key = $1 " " $2; if (!(key in seen)) order[n++] = key; seen[key] = 1
                      values[key] = values[key] " " $3; unit[key] = $4
                      what[key] = ""; for (k = 5; k <= NF; ++k) what[key] = what[key] " " $k; }
     END { for (i = 0; i < n; ++i) { key = order[i]; m = split(substr(values[key], 2), v, " ")
             for (a = 1; a <= m; ++a) for (b = a + 1; b <= m; ++b) if (v[b] < v[a]) { t = v[a]; v[a] = v[b]; v[b] = t }
             med = m % 2 ? v[(m + 1) / 2] : (v[m / 2] + v[m / 2 + 1]) / 2
             print key, med, unit[key], what[key] } }' "$work/bench" >"$work/figures"
echo "calculation core (input texts to written figures)"
while read -r kind name value unit _; do
  [ "$kind" = calc ] && check "$name" "$value" "$unit" $max_calc_ns
done <"$work/figures"
echo "rolled profiles (the slowest of each standard, its shown figures)"
while read -r kind name value unit what; do
  [ "$kind" = rolled ] && check "$name" "$value" "$unit" $max_rolled_us "$what"
done <"$work/figures"
echo "calculators (offscreen)"
while read -r kind name value unit what; do
  case $kind in
    open) check "open $name" "$value" "$unit" $max_open_ms "$what" ;;
    click) check "calculate $name" "$value" "$unit" $max_click_us "$what" ;;
    card) check "section card $name" "$value" "$unit" $max_card_ms "$what" ;;
    pdf) check "card as PDF $name" "$value" "$unit" $max_pdf_ms "$what" ;;
    reopen) printf '  %-32s %10.3f %-2s  (built again in a fresh menu)\n' "open $name" "$value" "$unit" ;;
  esac
done <"$work/figures"
echo "command line"
check "velkor-cli --batch, 10000 lines" "$batch_s" "s" $max_batch_s
check "rolled catalogue --all, $profiles profiles" "$catalogue_s" "s" $max_catalogue_s

if [ $failures -gt 0 ]; then
  echo "bench: $failures measurement(s) failed to run" >&2
  exit 2
fi
if [ $misses -gt 0 ]; then
  if [ $smoke -eq 1 ]; then
    echo "smoke pass: $misses target(s) missed, not enforced"
  else
    echo "bench: $misses target(s) missed" >&2
    exit 1
  fi
fi
