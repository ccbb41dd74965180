#!/usr/bin/env bash
# The deep optimization at scale: generated jobs of many distinct sizes (bench/scale, fixed
# seeds) and, per job, its area bound, the standard engine at EFF 10, the deep optimization at
# 1 s and 10 s, the seconds to its first result and its peak memory. One stock size counts
# sheets, three count m² of stock; "target" is the bound plus 1% or one sheet (the smallest
# stock size), whichever is larger, and "ok" marks a 10 s result that beats the standard engine
# and meets the target.
#
#   bench/scale_bench.sh [SIZES...]       (default: 300 1000 2000 5000; BUILD_DIR, THREADS)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build/default}
threads=${THREADS:-0}
jobs=$(mktemp -d)
trap 'rm -rf "$jobs"' EXIT
python3 "$root/bench/scale/make_scale_jobs.py" "$jobs" "$@"
cmake --build "$build" --target lumora_engine_comparison -j2 > /dev/null
compare="$build/bench/lumora_engine_comparison"
thread_option=()
[ "$threads" -gt 0 ] && thread_option=(--threads "$threads")

# The stock a run's row takes: sheets with one stock size, else m².
measure() { awk -v engine="$2" -v col="$3" '$2 == engine { print (col == "sheets" ? $4 : $3) }' "$1"; }

printf '%-20s %9s %9s %9s %8s %9s %9s %8s %7s %7s %3s\n' job bound target standard "std s" \
  "deep 1s" "deep 10s" "10s run" "first" "peak MB" ok
for job in "$jobs"/*.opt; do
  name=$(basename "$job" .opt)
  read -r kind value < <(awk -F, -v job="$name" '$1 == job { print $2, $3 }' "$jobs/bounds.csv")
  if [ "$kind" = sheets ]; then
    col=sheets; bound=$value; target=$(awk -v b="$value" 'BEGIN { t = b * 1.01; print (t > b + 1 ? t : b + 1) }')
  else
    col=area; bound=$(awk -v a="$value" 'BEGIN { printf "%.2f", a / 1e6 }')
    target=$(awk -v b="$bound" 'BEGIN { t = b * 1.01; s = b + 2.550 * 1.605; printf "%.2f", (t > s ? t : s) }')
  fi
  "$compare" --engine standard --standard-eff 10 "${thread_option[@]}" "$job" > "$jobs/standard.out"
  standard=$(measure "$jobs/standard.out" standard $col)
  standard_seconds=$(awk '$2 == "standard" { print $7 }' "$jobs/standard.out")
  "$compare" --engine deep --time-limit 1 "${thread_option[@]}" "$job" > "$jobs/deep1.out"
  deep1=$(measure "$jobs/deep1.out" deep $col)
  /usr/bin/time -f '%M' -o "$jobs/time" "$compare" --engine deep --time-limit 10 --verbose \
    "${thread_option[@]}" "$job" > "$jobs/deep10.out"
  deep10=$(measure "$jobs/deep10.out" deep $col)
  run=$(awk '$2 == "deep" { print $7 }' "$jobs/deep10.out")
  first=$(sed -n 's/.*first deep result at \([0-9.]*\) s.*/\1/p' "$jobs/deep10.out")
  peak=$(awk '{ printf "%.0f", $1 / 1024 }' "$jobs/time")
  ok=$(awk -v d="$deep10" -v s="$standard" -v t="$target" 'BEGIN { print (d < s && d <= t ? "yes" : "no") }')
  printf '%-20s %9s %9s %9s %8s %9s %9s %8s %7s %7s %3s\n' "$name" "$bound" "$target" \
    "$standard" "$standard_seconds" "$deep1" "$deep10" "$run" "${first:-none}" "$peak" "$ok"
done
