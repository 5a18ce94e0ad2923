#!/usr/bin/env bash
# Measurements for the notes (never asserted by tests): start-up time against an empty dialog
# program, executable size, launch to a fitted picture and open latency against a bare graph, and
# CPU use paused and playing.
#   BENCH_BASE=<git ref> scripts/bench.sh   also builds that ref and measures it in the same runs
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${CORVANTILE_BUILD_DIR:-$root/build}
"$root/scripts/build.sh" corvantile bench_empty_dialog bench_startup_timer bench_startup_floor bench_open_latency \
  bench_folder_neighbours bench_bare_graph >/dev/null
# The launch timer watches X from outside the Wine session.
gcc -O2 -o "$build/launch_watch" "$root/scripts/bench/LaunchWatch.c" -lX11
base_build="$build/bench-base/build"
if [ -n "${BENCH_BASE:-}" ]; then
  # The same measuring code on both: only the player's own sources come from the base.
  base_src="$build/bench-base/src"
  rm -rf "$base_src" && mkdir -p "$base_src"
  git -C "$root" archive "$BENCH_BASE" | tar -x -C "$base_src"
  cp "$root/scripts/bench/OpenLatency.cpp" "$root/scripts/bench/BenchClock.h" "$base_src/scripts/bench/"
  cmake -S "$base_src" -B "$base_build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCORVANTILE_TESTS=OFF >/dev/null
  cmake --build "$base_build" -j2 --target corvantile bench_open_latency >/dev/null
fi
"$root/scripts/make-test-media.sh" "$build/testmedia"
source "$root/scripts/wine-env.sh"
source "$root/scripts/services.sh"
start_services
media="$build/bench-media"
mkdir -p "$media"
[ -s "$media/long.avi" ] || gst-launch-1.0 -q videotestsrc num-buffers=1500 ! video/x-raw,width=320,height=240,framerate=30/1 \
  ! jpegenc ! avimux name=m ! filesink location="$media/long.avi" \
  audiotestsrc num-buffers=2200 ! audio/x-raw,format=S16LE,rate=44100,channels=2 ! m.
[ -s "$media/short.avi" ] || gst-launch-1.0 -q videotestsrc num-buffers=30 ! video/x-raw,width=320,height=240,framerate=30/1 \
  ! jpegenc ! avimux ! filesink location="$media/short.avi"
win() { local p; p=$(realpath "$1"); printf 'Z:%s' "${p//\//\\}"; }

dlls_before_window() {  # libraries the process itself loaded before its window was shown
  local exe=$1 title=$2 trace pid
  trace=$(mktemp)
  WINEDEBUG=+loaddll "$WINE" "$exe" >/dev/null 2>"$trace" &
  pid=$!
  until xdotool search --name "^${title}\$" >/dev/null 2>&1; do sleep 0.005; done
  local count thread
  # Wine's desktop process may start from here too and write to the same trace: count the
  # loads of the thread that loaded the program.
  thread=$(grep -m1 "Loaded L.*$(basename "$exe")" "$trace" | cut -d: -f1)
  count=$(grep -c "^$thread:.*Loaded L" "$trace")
  kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
  rm -f "$trace"
  sleep 0.3
  echo "$count"
}

# Timed from inside the Wine session (CreateProcess to the first visible window), interleaved, so a
# busy moment costs both alike and neither the Unix launcher nor outside polling is counted. The
# floor is the platform's own cost of the window start-up must build (scripts/bench/StartupFloor.cpp).
compare() {
  (cd "$build" && "$WINE" bench_startup_timer.exe 21 "$2" "$3" 2>/dev/null | tail -1 | sed "s/^/start-up, $1: /")
}
compare "player against the empty dialog" corvantile.exe bench_empty_dialog.exe
compare "bare main template against the empty dialog" bench_startup_floor.exe bench_empty_dialog.exe
compare "bare main template and children against the empty dialog" "bench_startup_floor.exe children" \
  bench_empty_dialog.exe
compare "player against the bare template and children" corvantile.exe "bench_startup_floor.exe children"
echo "DLLs loaded before the window shows: corvantile $(dlls_before_window "$build/corvantile.exe" Corvantile)," \
  "empty dialog $(dlls_before_window "$build/bench_empty_dialog.exe" Empty)"
echo "corvantile.exe size: $(stat -c %s "$build/corvantile.exe") bytes"

# Launch to the picture, timed from outside as a user sees it: from the spawn of the process until
# the player's window takes the clip's size, against the spawn of a program that only builds and
# pauses the clip's graph until its renderer's window appears. Interleaved, medians of 15. Once as
# each launch comes (Wine starts its desktop process anew after the last program), once with a
# Wine window kept open, as in a session where anything else runs.
median() { awk '$1 >= 0' | sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
launch_compare() {
  local label=$1 runs=15 clip times
  clip=$(win "$build/testmedia/clip.avi")
  times=$(mktemp -d)
  for ((i = 0; i < runs; ++i)); do
    if [ -n "${BENCH_BASE:-}" ]; then
      "$build/launch_watch" resize Corvantile 10000 "$WINE" "$base_build/corvantile.exe" "$clip" >>"$times/base" || true
    fi
    "$build/launch_watch" resize Corvantile 10000 "$WINE" "$build/corvantile.exe" "$clip" >>"$times/player" || true
    "$build/launch_watch" map "ActiveMovie Window" 10000 "$WINE" "$build/bench_bare_graph.exe" "$clip" >>"$times/bare" || true
  done
  local player bare base
  player=$(median <"$times/player")
  bare=$(median <"$times/bare")
  echo "launch to fitted picture, $label: player $player ms, bare graph $bare ms," \
    "ratio $(awk -v a="$player" -v b="$bare" 'BEGIN {printf "%.2f", a / b}')"
  if [ -s "$times/base" ]; then
    base=$(median <"$times/base")
    echo "  base $BENCH_BASE in the same runs: $base ms, ratio $(awk -v a="$base" -v b="$bare" 'BEGIN {printf "%.2f", a / b}')"
  fi
  rm -rf "$times"
}
launch_compare "each launch alone"
"$WINE" "$build/bench_empty_dialog.exe" >/dev/null 2>&1 &
resident=$!
sleep 2
launch_compare "with a Wine window open"
kill "$resident" 2>/dev/null || true
wait "$resident" 2>/dev/null || true
echo "machine load (1, 5, 15 min): $(cut -d' ' -f1-3 /proc/loadavg)"
for exe in "$build/bench_open_latency.exe" ${BENCH_BASE:+"$base_build/bench_open_latency.exe"}; do
  [ "$exe" = "$build/bench_open_latency.exe" ] || printf 'base %s: ' "$BENCH_BASE"
  "$WINE" "$exe" "$(win "$build/testmedia/clip.avi")" 2>/dev/null || true
done
"$WINE" "$build/bench_folder_neighbours.exe" 2>/dev/null || true

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
cpu_use() {  # percent of one core used by the player process over 30 s
  local pid=$1 before after hz
  hz=$(getconf CLK_TCK)
  before=$(cpu_ticks "$pid"); sleep 30; after=$(cpu_ticks "$pid")
  awk -v t=$((after - before)) -v hz="$hz" 'BEGIN {printf "%.2f%%", 100 * t / hz / 30}'
}
player_pid() { pgrep -f 'corvantile.exe' | head -1; }

"$WINE" "$build/corvantile.exe" "$(win "$media/long.avi")" >/dev/null 2>&1 &
sleep 5
echo "CPU while playing (30 s): $(cpu_use "$(player_pid)")"
kill %+ 2>/dev/null; sleep 1
"$WINE" "$build/corvantile.exe" "$(win "$media/short.avi")" >/dev/null 2>&1 &
sleep 5  # the one-second clip has ended and paused on its last frame
echo "CPU while paused (30 s): $(cpu_use "$(player_pid)")"
kill %+ 2>/dev/null
