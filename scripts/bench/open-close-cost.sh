#!/usr/bin/env bash
# What one close and open of the player leaves behind, beside a bare program of the same platform
# objects, in one run: anonymous memory, threads and descriptors of the Linux process, and
# Windows' PagefileUsage and handles, per cycle.
#   scripts/bench/open-close-cost.sh [cycles]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${CORVANTILE_BUILD_DIR:-$root/build}
"$root/scripts/build.sh" bench_open_close_cost >/dev/null
"$root/scripts/make-test-media.sh" "$build/testmedia"
source "$root/scripts/wine-env.sh"
source "$root/scripts/services.sh"
start_services
clip=$(realpath "$build/testmedia/clip.avi")
"$WINE" "$build/bench_open_close_cost.exe" "Z:${clip//\//\\}" "${1:-20}" 2>/dev/null
