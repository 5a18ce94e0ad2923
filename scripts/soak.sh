#!/usr/bin/env bash
# A long run at full count (200 open/close cycles in two halves, beside 50 bare platform opens)
# through the real main window; prints each run's per-cycle cost.
# Measurements for the notes: the test run does the same with smaller counts.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${CORVANTILE_BUILD_DIR:-$root/build}
"$root/scripts/build.sh" hostile_tests >/dev/null
"$root/scripts/make-test-media.sh" "$build/testmedia"
source "$root/scripts/wine-env.sh"
source "$root/scripts/services.sh"
start_services
export CORVANTILE_TEST_MEDIA="$build/testmedia" CORVANTILE_SOAK=full
"$WINE" "$build/tests/hostile_tests.exe" --gtest_filter="LongRunTest.*" 2>/dev/null \
  | grep -E '^\[ +(soak|FAILED|OK) |Failure|actual'
