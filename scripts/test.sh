#!/usr/bin/env bash
# Installs what is missing, builds Izoku Planner with AddressSanitizer and
# UndefinedBehaviorSanitizer, warnings as errors, and runs every test headless
# (the clang-format check among them).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DIZOKU_SANITIZE=ON -DIZOKU_BUILD_TESTS=ON -DIZOKU_WERROR=ON >/dev/null
cmake --build build/test
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build/test --output-on-failure -j 2
