#!/usr/bin/env bash
# Builds demo databases when missing and runs every benchmark in the build tree.
set -euo pipefail
BUILD=${1:-build}
shopt -s nullglob
benches=("$BUILD"/bench/bench_*)
if [ ${#benches[@]} -eq 0 ]; then
  echo "no benchmarks built"
  exit 0
fi
for b in "${benches[@]}"; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  QT_QPA_PLATFORM=offscreen "$b" --benchmark_min_warmup_time=0.1
done
