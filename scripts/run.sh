#!/usr/bin/env bash
# Installs what is missing, builds Izoku Planner and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DIZOKU_BUILD_TESTS=OFF >/dev/null
cmake --build build/release --target izoku-planner izoku-calc
exec build/release/bin/izoku-planner "$@"
