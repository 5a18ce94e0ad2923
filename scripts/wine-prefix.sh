#!/usr/bin/env bash
# Prepares the private Wine prefix once: Japanese fonts for the menus and dialogs.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
ready="$WINEPREFIX/.corvantile-ready-5"
[ -f "$ready" ] && exit 0
mkdir -p "$WINEPREFIX"
exec 9>"$WINEPREFIX.lock"
flock 9
[ -f "$ready" ] && exit 0
"$WINE" wineboot -i >/dev/null 2>&1 || true
key='HKCU\Software\Wine\Fonts\Replacements'
for face in "MS UI Gothic" "ＭＳ ゴシック" "ＭＳ Ｐゴシック" "MS Shell Dlg" "MS Shell Dlg 2" "Tahoma" "Microsoft Sans Serif"; do
  "$WINE" reg add "$key" /v "$face" /t REG_SZ /d "IPAGothic" /f >/dev/null 2>&1
done
# The caption buttons are symbols of the Marlett font. This Wine build does not load the fonts of
# its own data folder, so without a copy in the prefix the buttons show the letters "0 1 r".
for dir in /usr/share/wine/fonts /usr/lib/wine/fonts /opt/wine-stable/share/wine/fonts; do
  if [ -f "$dir/marlett.ttf" ]; then
    cp -f "$dir/marlett.ttf" "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf"
    break
  fi
done
# Wine's video renderer draws through Direct3D, whose OpenGL surface cannot show inside a child
# window owned by another thread (the player's video area); its GDI presenter can.
"$WINE" reg add 'HKCU\Software\Wine\Direct3D' /v renderer /t REG_SZ /d gdi /f >/dev/null 2>&1
# The test programs' windows are not handed to a window manager: on a bare virtual display none
# would answer, and Wine waits two seconds for it each time an active window is hidden.
for exe in unit_tests.exe window_tests.exe media_tests.exe audio_tests.exe hostile_tests.exe; do
  "$WINE" reg add "HKCU\\Software\\Wine\\AppDefaults\\$exe\\X11 Driver" /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
done
# A crash ends the process at once: Wine's crash dialog would hold a test run until its time-out.
"$WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
"$WINESERVER" -w
touch "$ready"
