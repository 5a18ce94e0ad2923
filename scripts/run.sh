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
# No window manager runs on the virtual display: let Wine draw the frame and caption itself.
managed_key='HKCU\Software\Wine\AppDefaults\corvantile.exe\X11 Driver'
"$WINE" reg add "$managed_key" /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
( "$WINE" "$exe" "${args[@]}" 2>/dev/null & )
for _ in $(seq 150); do
  xdotool search --name '^Corvantile$' >/dev/null 2>&1 && break
  sleep 0.2
done
sleep 4  # let the clip play a little
shot="$root/corvantile-screenshot.png"
import -window root -crop 1024x768+0+0 "$shot"
"$WINESERVER" -k >/dev/null 2>&1 || true
"$WINESERVER" -w >/dev/null 2>&1 || true
"$WINE" reg delete "$managed_key" /f >/dev/null 2>&1 || true
echo "Corvantile ran on virtual display $DISPLAY; screenshot saved to $shot"
