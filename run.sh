#!/usr/bin/env bash
# Release build of the program; starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/pakete.sh
pakete_sicherstellen "${BASISPAKETE[@]}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build --target quarn
exec build/app/quarn "$@"
