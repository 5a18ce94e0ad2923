#!/usr/bin/env bash
# Installs what is missing, builds Corvantile and runs it under Wine.
#   scripts/run.sh [movie ...]
# With no file named it plays a sample clip generated once. Without a display it runs on a
# virtual one, saves a screenshot of the playing window to corvantile-screenshot.png (or to
# $CORVANTILE_SCREENSHOT) and fails when the window never appeared or the screenshot is blank.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${CORVANTILE_BUILD_DIR:-$root/build}
source "$root/scripts/wine-env.sh"
source "$root/scripts/services.sh"
trap stop_services EXIT

"$root/scripts/install-deps.sh"
headless=""
if [ -z "${DISPLAY:-}" ]; then
  # Before any Wine process: a desktop process started without a display never shows a window
  # on a display that comes later.
  headless=1
  start_virtual_display
fi
"$root/scripts/build.sh" corvantile

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

start_audio
start_wineserver
exe="$build/corvantile.exe"
if [ -z "$headless" ]; then
  "$WINE" "$exe" "${args[@]}"
  exit 0
fi

fail() {
  echo "run.sh: $*" >&2
  exit 1
}
# No window manager runs on the virtual display: let Wine draw the frame and caption itself.
managed_key='HKCU\Software\Wine\AppDefaults\corvantile.exe\X11 Driver'
"$WINE" reg add "$managed_key" /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
( "$WINE" "$exe" "${args[@]}" >/dev/null 2>&1 & )
window=""
for _ in $(seq 150); do
  window=$(xdotool search --onlyvisible --name '^Corvantile$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.2
done
shot="${CORVANTILE_SCREENSHOT:-$root/corvantile-screenshot.png}"
if [ -n "$window" ]; then
  sleep 4  # let the clip play a little
  import -window root -crop 1024x768+0+0 "$shot"
fi
"$WINESERVER" -k >/dev/null 2>&1 || true
"$WINESERVER" -w >/dev/null 2>&1 || true
"$WINE" reg delete "$managed_key" /f >/dev/null 2>&1 || true
[ -n "$window" ] || fail "the Corvantile window did not appear on virtual display $DISPLAY within 30 s"
# A blank screen (one colour) means nothing was drawn, whatever the window manager thinks.
colours=$(identify -format '%k' "$shot" 2>/dev/null || echo 0)
[ "${colours:-0}" -gt 1 ] || fail "the screenshot $shot is blank (one colour): the window was not drawn"
echo "Corvantile ran on virtual display $DISPLAY; screenshot saved to $shot ($colours colours)"
