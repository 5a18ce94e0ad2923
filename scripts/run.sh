#!/usr/bin/env bash
# Installs what is missing, builds Corvantile and runs it under Wine.
#   scripts/run.sh [movie ...]
# With no file named it plays a sample clip generated once. Without a display it runs on a
# virtual one and saves a screenshot of the playing window to corvantile-screenshot.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${CORVANTILE_BUILD_DIR:-$root/build}
"$root/scripts/build.sh" corvantile
source "$root/scripts/wine-env.sh"

to_windows() {  # Wine shows the Unix root as drive Z:
  local path
  path=$(realpath -m -- "$1")
  printf 'Z:%s' "${path//\//\\}"
}

args=()
if [ $# -eq 0 ]; then
  sample="$build/sample/sample.avi"
  if [ ! -s "$sample" ]; then
    mkdir -p "$(dirname "$sample")"
    gst-launch-1.0 -q videotestsrc num-buffers=300 pattern=smpte ! video/x-raw,width=640,height=360,framerate=30/1 \
      ! clockoverlay halignment=center valignment=bottom font-desc="Sans 24" ! jpegenc quality=85 ! avimux name=m \
      ! filesink location="$sample" \
      audiotestsrc num-buffers=430 wave=sine freq=440 volume=0.2 ! audio/x-raw,format=S16LE,rate=44100,channels=2 ! m. \
      >/dev/null 2>&1 || gst-launch-1.0 -q videotestsrc num-buffers=300 ! video/x-raw,width=640,height=360,framerate=30/1 \
      ! jpegenc ! avimux ! filesink location="$sample"
  fi
  args=("$(to_windows "$sample")")
else
  for arg in "$@"; do
    if [ -e "$arg" ]; then args+=("$(to_windows "$arg")"); else args+=("$arg"); fi
  done
fi

source "$root/scripts/services.sh"
trap stop_services EXIT
start_audio
start_wineserver
exe="$build/corvantile.exe"
if [ -n "${DISPLAY:-}" ]; then
  "$WINE" "$exe" "${args[@]}"
  exit 0
fi

start_virtual_display
"$WINE" "$exe" "${args[@]}" &
player=$!
for _ in $(seq 100); do
  xdotool search --name '^Corvantile$' >/dev/null 2>&1 && break
  sleep 0.2
done
sleep 4  # let the clip play a little
shot="$root/corvantile-screenshot.png"
import -window root "$shot"
echo "Corvantile ran on virtual display $DISPLAY; screenshot saved to $shot"
"$WINESERVER" -k >/dev/null 2>&1 || true
wait "$player" 2>/dev/null || true
