#!/usr/bin/env bash
# What one open/close cycle of the player leaves behind, beside what a bare graph and a bare media
# detector of the same clip leave: Linux threads and descriptors of the Wine process, read from
# /proc while the benchmark holds still at each mark, and its own per-cycle report.
#   scripts/bench/open-close-cost.sh [cycles]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${CORVANTILE_BUILD_DIR:-$root/build}
"$root/scripts/build.sh" bench_open_close_cost >/dev/null
"$root/scripts/make-test-media.sh" "$build/testmedia"
source "$root/scripts/wine-env.sh"
source "$root/scripts/services.sh"
start_services
marks=$(mktemp)
clip=$(realpath "$build/testmedia/clip.avi")
CORVANTILE_BENCH_MARKS="Z:${marks//\//\\}" "$WINE" "$build/bench_open_close_cost.exe" "Z:${clip//\//\\}" "${1:-20}" 2>/dev/null &
pid=""
for _ in $(seq 100); do
  pid=$(pgrep -f 'bench_open_close_cost.exe' | head -1) && [ -n "$pid" ] && break
  sleep 0.1
done
seen=0
while kill -0 "$pid" 2>/dev/null; do
  lines=$(wc -l <"$marks")
  if [ "$lines" -gt "$seen" ]; then
    seen=$lines
    sleep 0.5  # the program holds still for 1.5 s after each mark
    printf '%-35s Linux threads %4s, descriptors %4s\n' "$(sed -n "${lines}p" "$marks")" \
      "$(ls "/proc/$pid/task" 2>/dev/null | wc -l)" "$(ls "/proc/$pid/fd" 2>/dev/null | wc -l)"
  fi
  sleep 0.1
done
wait
rm -f "$marks"
