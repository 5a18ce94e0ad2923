#!/usr/bin/env bash
# Builds Corvantile and runs every test under Wine on a virtual display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${CORVANTILE_BUILD_DIR:-$root/build}
"$root/scripts/build.sh"
if [ $# -eq 0 ]; then
  # The README's first command on a machine without a display: it must show the playing window.
  # It runs before the test services, since it stops the prefix's wineserver when it ends.
  env -u DISPLAY CORVANTILE_SCREENSHOT="$build/launcher-screenshot.png" bash "$root/scripts/run.sh"
fi
source "$root/scripts/wine-env.sh"
source "$root/scripts/services.sh"
start_services
status=0
ctest --test-dir "$build" --output-on-failure "$@" || status=$?
# The fuzz targets, each for a few thousand inputs; scripts/fuzz.sh runs them for longer.
"$root/scripts/fuzz-build.sh"
ctest --test-dir "$build/fuzz" --output-on-failure "$@" || status=$?
exit $status
