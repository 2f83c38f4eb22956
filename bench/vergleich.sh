#!/usr/bin/env bash
# Quarn's fits beside scipy's curve_fit on the same data and start values, in one run.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/pakete.sh
pakete_sicherstellen "${BASISPAKETE[@]}" "${TESTPAKETE[@]}" python3-scipy
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUARN_BENCHMARKS=ON > /dev/null
cmake --build build-bench --target fit_vergleich
ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT
build-bench/bench/fit_vergleich "$ordner" | /usr/bin/python3 bench/scipy_vergleich.py "$ordner"
