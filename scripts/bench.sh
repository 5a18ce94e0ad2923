#!/usr/bin/env bash
# Measurements for the notes (never asserted by tests): start-up time against an empty dialog
# program, executable size, open latency against a bare graph build, and CPU use paused and playing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${CORVANTILE_BUILD_DIR:-$root/build}
"$root/scripts/build.sh" corvantile bench_empty_dialog bench_startup_timer bench_startup_floor bench_open_latency \
  bench_folder_neighbours >/dev/null
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
"$WINE" "$build/bench_open_latency.exe" "$(win "$root/build/testmedia/clip.avi")" 2>/dev/null || true
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
