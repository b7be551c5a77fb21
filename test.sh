#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and
# runs every test. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/ensure-packages.sh

build=build/sanitize
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DFLUIDCALC_SANITIZE=ON -DFLUIDCALC_BENCH=OFF >/dev/null
cmake --build "$build"

export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd "$build"
ctest --output-on-failure -j "$(nproc)"
