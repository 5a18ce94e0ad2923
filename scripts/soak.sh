#!/usr/bin/env bash
# Long runs at full count (200 open/close cycles, 100 full-screen and 100 frameless round trips and
# 500 play/pause toggles, each in two halves) through the real main window; prints each run's per-cycle cost.
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
# One process per run, so what the platform keeps from the open/close cycles weighs on no other.
status=0
for run in OpenCloseCyclesKeepNoMoreThanThePlatformDoes ModeRoundTripsAndPlayPauseTogglesKeepNothing; do
  "$WINE" "$build/tests/hostile_tests.exe" --gtest_filter="LongRunTest.$run" 2>/dev/null \
    | grep -E '^\[ +(soak|FAILED|OK) |Failure|actual' || status=1
done
exit $status
