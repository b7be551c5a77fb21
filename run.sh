#!/usr/bin/env bash
# Builds the program (installing what is missing) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/ensure-packages.sh

build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target fluidcalc

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display available (neither DISPLAY nor WAYLAND_DISPLAY is set): cannot open the program's windows." >&2
  exit 1
fi
exec "$build/fluidcalc" "$@"
