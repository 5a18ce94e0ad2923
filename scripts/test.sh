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
ctest --test-dir "$build" --output-on-failure "$@"
