#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks optimised and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DIZOKU_BUILD_TESTS=OFF -DIZOKU_BUILD_BENCH=ON >/dev/null
cmake --build build/bench
for b in build/bench/bin/bench_*; do "$b"; done
