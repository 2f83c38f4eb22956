#!/usr/bin/env bash
# Debug build with AddressSanitizer and UndefinedBehaviorSanitizer; builds everything, runs all tests.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/pakete.sh
pakete_sicherstellen "${BASISPAKETE[@]}" "${TESTPAKETE[@]}"
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug \
      -DQUARN_TESTS=ON -DQUARN_BENCHMARKS=ON -DQUARN_SANITIZE=ON
cmake --build build-test
cd build-test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
