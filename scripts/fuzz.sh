#!/usr/bin/env bash
# Runs every fuzz target for a while (default 60 seconds each), one after the other, and prints
# how many inputs each ran. New inputs collect in <build>/fuzz/found/<target>; a fault leaves its
# input in <build>/fuzz/artifacts and fails the script.
#   scripts/fuzz.sh [seconds]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${CORVANTILE_BUILD_DIR:-$root/build}
seconds=${1:-60}
"$root/scripts/fuzz-build.sh"
dir=$build/fuzz
failed=()
while read -r target; do
  [ -n "$target" ] || continue
  log=$dir/artifacts/$target.log
  if "$dir/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$dir/artifacts/$target-" "$dir/found/$target" "$root/fuzz/corpus/$target" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "$target: ${runs:-?} inputs in ${seconds} s, clean"
  else
    echo "$target: FAULT (see $log)"
    failed+=("$target")
  fi
done <"$dir/targets.txt"
[ ${#failed[@]} -eq 0 ]
