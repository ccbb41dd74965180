#!/usr/bin/env bash
# Plans the 20 instances of set A of the 2018 ROADEF/EURO challenge on the glass line and prints
# per instance and in total: validity by the validator and of the plan written in the challenge's
# format and read back, the waste (mm²), the best known and the two published results, seconds
# and peak memory (MB).
#
#   bench/glass_line.sh [SECONDS] [BUILD_DIR]      (defaults: 60, build/default)
#
# With GLASS_LINE_CLI=1 each instance goes the way a user takes it instead: lumora-cli imports
# it as a new job, optimizes it with the deep engine and exports the result as the challenge's
# cutting tree, which is then read back and validated; seconds and memory are the optimize's.
#
# The instances are looked for in $BENCH_DIR, else in shared/bench/roadef2018 beside the
# repository or beside the folder of worktrees. Plans are written to $OUT_DIR when it is set.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
limit=${1:-60}
build=${2:-$root/build/default}
bench=${BENCH_DIR:-}
if [[ -z $bench ]]; then
  for candidate in "$root/../shared/bench/roadef2018" "$root/../../shared/bench/roadef2018"; do
    if [[ -d $candidate ]]; then bench=$candidate; break; fi
  done
fi
[[ -d $bench ]] || { echo "No instances found; set BENCH_DIR." >&2; exit 1; }
cmake --build "$build" --target lumora_glass_line lumora-cli -j2 > /dev/null
cli=$build/src/cli/lumora-cli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# One instance through the command line: import, optimize, export, and the tree checked.
run_cli() {
  local prefix=$1 name
  name=$(basename "$prefix")
  "$cli" import "$work/$name.opt" --challenge "$prefix" --data-dir "$work/data" > /dev/null
  /usr/bin/time -f '%e %M' -o "$work/time" "$cli" optimize "$work/$name.opt" --engine deep \
    --time-limit "$limit" --quiet --data-dir "$work/data" > /dev/null
  "$cli" export "$work/$name.opt" -o "$work/${name}_solution.csv" --what cutting-tree \
    --data-dir "$work/data" > /dev/null
  [[ -n ${OUT_DIR:-} ]] && cp "$work/${name}_solution.csv" "$OUT_DIR/"
  read -r seconds kb < "$work/time"
  "$build/bench/lumora_glass_line" --check "$work/${name}_solution.csv" --seconds "$seconds" \
    --mb $((kb / 1024)) --best-known "$bench/best_known.csv" "$prefix"
}
out=()
[[ -n ${OUT_DIR:-} ]] && out=(--out "$OUT_DIR")
printf '%-5s %-7s %-7s %12s %12s %12s %12s %7s %6s\n' instance valid read-back waste \
  best-known parreno2020 libralesso21 seconds MB
for n in $(seq 1 20); do
  if [[ ${GLASS_LINE_CLI:-0} == 1 ]]; then
    run_cli "$bench/A$n" || true
  else
    "$build/bench/lumora_glass_line" --time-limit "$limit" --best-known "$bench/best_known.csv" \
      "${out[@]}" "$bench/A$n" || true
  fi
done | tee /dev/stderr | awk '
  $1 ~ /^A[0-9]+$/ {
    rows++; valid += ($2 == "valid" && $3 == "valid"); waste += $4; best += $5; p += $6; l += $7
    if ($8 > slowest) slowest = $8; if ($9 > memory) memory = $9
  }
  END {
    printf "%-5s %3d/%-3d %7s %12d %12d %12d %12d %7.1f %6d\n", "total", valid, rows, "", waste,
      best, p, l, slowest, memory
    printf "against best known %+.1f%%, against Parreno 2020 %+.1f%%, against Libralesso 2021 %+.1f%%\n",
      (waste / best - 1) * 100, (waste / p - 1) * 100, (waste / l - 1) * 100
  }' 2>/dev/null
