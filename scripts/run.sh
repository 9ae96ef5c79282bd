#!/usr/bin/env bash
# Builds Loamix and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLOAMIX_BENCHMARKS=OFF
cmake --build build
exec build/Loamix/Loamix
