#!/usr/bin/env bash
# Release build; runs every benchmark and prints its figures.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/pakete.sh
pakete_sicherstellen "${BASISPAKETE[@]}" "${TESTPAKETE[@]}"
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUARN_BENCHMARKS=ON
cmake --build build-bench
for b in build-bench/bench/*_bench; do
  "$b" "$@"
done
