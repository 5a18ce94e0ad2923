#!/usr/bin/env bash
# Installs everything needed to build, run and test Corvantile on Debian.
set -euo pipefail
packages=(
  cmake make mingw-w64 g++-mingw-w64-x86-64-posix googletest
  wine64 xvfb xauth x11-utils xdotool imagemagick
  # Libraries Wine only recommends but uses for drawing, Direct3D (the video renderer) and fonts.
  libgl1 libgl1-mesa-dri libosmesa6 libxcomposite1 libxcursor1 libxfixes3 libxi6 libxinerama1
  libxrandr2 libxrender1 libxxf86vm1 libdbus-1-3 libgnutls30 fonts-wine
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav gstreamer1.0-tools
  # Pango, for the clock that the launcher's sample clip carries.
  gstreamer1.0-x
  fonts-ipafont-gothic locales pulseaudio
  # The fuzz targets: the platform-free units built natively under libFuzzer and the sanitizers.
  clang libclang-rt-14-dev
  # The Windows installer (scripts/package.sh).
  nsis
  # The benchmarks' launch timer, which watches the display from outside Wine.
  gcc libx11-dev
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
if [ ${#missing[@]} -gt 0 ]; then
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
# The player runs in Japanese; its file-name tests run under an English locale too.
for wanted in ja_JP en_US; do
  locale -a 2>/dev/null | grep -qi "^${wanted}.utf8$" && continue
  "${as_root[@]}" sed -i "s/^# *${wanted}.UTF-8 UTF-8/${wanted}.UTF-8 UTF-8/" /etc/locale.gen
  grep -q "^${wanted}.UTF-8 UTF-8" /etc/locale.gen || echo "${wanted}.UTF-8 UTF-8" | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
  "${as_root[@]}" locale-gen >/dev/null
done
