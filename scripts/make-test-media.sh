#!/usr/bin/env bash
# Generates the media the tests play, once per build folder.
set -euo pipefail
out=${1:?output folder}
mkdir -p "$out"
gst() { gst-launch-1.0 -q "$@" >/dev/null; }
[ -s "$out/clip.avi" ] || gst videotestsrc num-buffers=90 ! video/x-raw,width=320,height=240,framerate=30/1 \
  ! jpegenc ! avimux name=m ! filesink location="$out/clip.avi" \
  audiotestsrc num-buffers=130 ! audio/x-raw,format=S16LE,rate=44100,channels=2 ! m.
[ -s "$out/wide.avi" ] || gst videotestsrc num-buffers=30 pattern=ball ! video/x-raw,width=640,height=360,framerate=30/1 \
  ! jpegenc ! avimux ! filesink location="$out/wide.avi"
[ -s "$out/audio.wav" ] || gst audiotestsrc num-buffers=100 ! audio/x-raw,format=S16LE,rate=44100,channels=2 \
  ! wavenc ! filesink location="$out/audio.wav"
[ -s "$out/audio-only.avi" ] || gst audiotestsrc num-buffers=100 ! audio/x-raw,format=S16LE,rate=44100,channels=2 \
  ! avimux ! filesink location="$out/audio-only.avi"
# Still capture: colour bars that stand still, at a JPEG quality that keeps the bar colours; long
# enough to be still playing when a capture on a busy machine is done.
[ -s "$out/bars30.avi" ] || gst videotestsrc num-buffers=900 pattern=smpte ! video/x-raw,width=320,height=240,framerate=30/1 \
  ! jpegenc quality=95 ! avimux ! filesink location="$out/bars30.avi"
# Repaint checks: a picture that stands still (a frame presented again looks the same), so small
# that the menu bar wraps onto two lines.
[ -s "$out/still160.avi" ] || gst videotestsrc num-buffers=90 pattern=smpte-rp-219 ! video/x-raw,width=160,height=120,framerate=30/1 \
  ! jpegenc quality=95 ! avimux ! filesink location="$out/still160.avi"
# Seeking keys and frame steps: two minutes of a moving ball, a new picture every 0.1 s.
[ -s "$out/long.avi" ] || gst videotestsrc num-buffers=1200 pattern=ball ! video/x-raw,width=160,height=120,framerate=10/1 \
  ! jpegenc ! avimux ! filesink location="$out/long.avi"
exit 0
