# Sourced: starts what the player needs around it — a virtual display when asked or when
# there is none, a PulseAudio null sink for the mixer and audio renderer, and a wineserver
# kept alive for the whole session. Everything started here is stopped on exit.
started_xvfb=""
started_wineserver=""

start_virtual_display() {
  # Xvfb picks the first free display number itself and reports it, so two runs started at the
  # same moment never share one display (and lose it when the other stops).
  local reported n
  reported=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$reported" >/dev/null 2>&1 &
  started_xvfb=$!
  for _ in $(seq 50); do
    n=$(head -n1 "$reported")
    if [ -n "$n" ] && [ -e "/tmp/.X11-unix/X${n}" ]; then
      rm -f "$reported"
      export DISPLAY=":$n"
      return 0
    fi
    sleep 0.1
  done
  rm -f "$reported"
  echo "could not start Xvfb" >&2
  return 1
}

start_audio() {
  command -v pulseaudio >/dev/null || return 0
  pulseaudio --check 2>/dev/null && return 0
  pulseaudio -D --exit-idle-time=-1 -n \
    --load="module-null-sink sink_name=null" --load="module-native-protocol-unix" >/dev/null 2>&1 || true
  for _ in $(seq 30); do
    pulseaudio --check 2>/dev/null && return 0
    sleep 0.1
  done
}

start_wineserver() {
  "$WINESERVER" -p >/dev/null 2>&1 &
  started_wineserver=1
  # Wine's own service and desktop processes outlive the program that starts them and keep its
  # output open: started here, they never hold a test's output pipe (ctest would wait on it).
  "$WINE" wineboot >/dev/null 2>&1 || true
}

# Display, audio and wineserver for a whole session; stopped again when the shell exits.
start_services() {
  trap stop_services EXIT
  start_virtual_display
  start_audio
  start_wineserver
}

stop_services() {
  [ -n "$started_wineserver" ] && "$WINESERVER" -k >/dev/null 2>&1
  [ -n "$started_xvfb" ] && kill "$started_xvfb" 2>/dev/null
  return 0
}
