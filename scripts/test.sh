#!/usr/bin/env bash
# Builds Corvantile and runs every test under Wine on a virtual display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${CORVANTILE_BUILD_DIR:-$root/build}
"$root/scripts/install-deps.sh"
source "$root/scripts/wine-env.sh"
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)"
"$root/scripts/wine-prefix.sh"
source "$root/scripts/services.sh"
trap stop_services EXIT
start_virtual_display
start_audio
start_wineserver
ctest --test-dir "$build" --output-on-failure "$@"
