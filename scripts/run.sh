#!/usr/bin/env bash
# Builds Loamix (the program and what it needs to run, no tests) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLOAMIX_TESTS=OFF -DLOAMIX_BENCHMARKS=OFF
cmake --build build
exec build/Loamix/Loamix
