#!/usr/bin/env bash
# Runs N hostile inputs per izoku-calc command through the test build (with
# AddressSanitizer and UndefinedBehaviorSanitizer): scripts/fuzz.sh N [SEED].
# Without a seed a new one is drawn and printed, so that a failure can be
# run again with the same inputs.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:?usage: scripts/fuzz.sh N [SEED]}
seed=${2:-$(od -An -N4 -tu4 /dev/urandom | tr -d ' ')}
[[ $runs =~ ^[1-9][0-9]*$ ]] || { echo "N must be a whole number above 0" >&2; exit 2; }
[[ $seed =~ ^[0-9]+$ ]] || { echo "SEED must be a whole number" >&2; exit 2; }
bash scripts/setup.sh
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DIZOKU_SANITIZE=ON -DIZOKU_BUILD_TESTS=ON >/dev/null
cmake --build build/test --target cli_tst_fuzz
echo "fuzz: $runs inputs per command, seed $seed"
IZOKU_FUZZ_RUNS=$runs IZOKU_FUZZ_SEED=$seed ASAN_OPTIONS=detect_leaks=0 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 LANG=C.UTF-8 TZ=Asia/Tokyo \
  build/test/bin/cli_tst_fuzz
