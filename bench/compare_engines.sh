#!/usr/bin/env bash
# Runs both engines over the public cutting benchmark jobs and prints per job the stock area,
# sheets, yield, distinct layouts and time of the standard engine (EFF 100) and of the deep
# optimization (TIME_LIMIT seconds a job), beside the best known figure, then the set totals.
#
#   bench/compare_engines.sh [TIME_LIMIT] [BUILD_DIR]      (defaults: 10, build/default)
#
# The jobs are looked for in $BENCH_DIR, else in shared/bench beside the repository.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
limit=${1:-10}
build=${2:-$root/build/default}
bench=${BENCH_DIR:-$root/../shared/bench}
cmake --build "$build" --target lumora_engine_comparison -j2 > /dev/null
exec "$build/bench/lumora_engine_comparison" --time-limit "$limit" \
  --best-known "$bench/best_known.csv" "$bench"/jobs/*.opt
