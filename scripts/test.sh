#!/usr/bin/env bash
# Builds Corvantile and runs every test under Wine on a virtual display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${CORVANTILE_BUILD_DIR:-$root/build}
"$root/scripts/build.sh"
source "$root/scripts/wine-env.sh"
source "$root/scripts/services.sh"
trap stop_services EXIT
start_virtual_display
start_audio
start_wineserver
ctest --test-dir "$build" --output-on-failure "$@"
