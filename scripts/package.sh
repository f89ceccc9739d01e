#!/usr/bin/env bash
# Installs what is missing, builds Izoku Planner optimised and makes its Debian
# package: build/package/izoku-planner_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DIZOKU_BUILD_TESTS=OFF >/dev/null
cmake --build build/package --target package
