#!/usr/bin/env bash
# Builds Corvantile and runs every test under Wine on a virtual display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${CORVANTILE_BUILD_DIR:-$root/build}
"$root/scripts/build.sh"
source "$root/scripts/wine-env.sh"
source "$root/scripts/services.sh"
start_services
ctest --test-dir "$build" --output-on-failure "$@"
