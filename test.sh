#!/usr/bin/env bash
# Debug build with AddressSanitizer and UndefinedBehaviorSanitizer; builds everything, runs all tests.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/pakete.sh
pakete_sicherstellen "${BASISPAKETE[@]}" "${TESTPAKETE[@]}"
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug \
      -DQUARN_TESTS=ON -DQUARN_BENCHMARKS=ON -DQUARN_SANITIZE=ON
cmake --build build-test
# A second compiler keeps the code portable; clang builds the program and libraries only.
cmake -S . -B build-clang -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++
cmake --build build-clang
cd build-test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
