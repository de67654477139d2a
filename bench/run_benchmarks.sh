#!/bin/bash
# Runs every benchmark of a native build folder and prints its figures.
BUILD="${1:-build/native}"
status=0
for b in "$BUILD"/bench/*_bench; do
  [ -x "$b" ] || continue
  echo "-- $(basename "$b")"
  "$b" --benchmark_min_time=0.05 --benchmark_color=false 2>&1 || status=1
done
# The hook libraries under Wine, beside the native figures.
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
echo "-- wine_hooks_bench"
bash "$ROOT/bench/wine_hooks_bench.sh" "$ROOT" || status=1
exit $status
