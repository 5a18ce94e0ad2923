#!/usr/bin/env bash
# The installer and the portable zip under Wine, in a prefix of their own. One install per mode,
# many checks each:
#   per user (/CurrentUser, /D=): files, shortcut, "Open with" and uninstall entries, version
#   resource; the installed player plays a clip; an uninstall while it runs fails and removes
#   nothing; the uninstall removes everything but the settings and other programs' entries;
#   all users (the default when elevated, as Wine always is): Program Files and HKLM; the
#   registered quiet uninstall with /RemoveSettings leaves the registry as it was before;
#   the zip, unpacked to a folder named in Japanese and Korean, plays a clip.
#   install-test.sh <build folder> <test media folder> <install_probe.exe>
set -euo pipefail
build=$1 media=$2 probe=$3
root=$(cd "$(dirname "$0")/../.." && pwd)
if ! command -v makensis >/dev/null; then
  echo "SKIPPED: makensis is missing (Debian package nsis, which scripts/install-deps.sh installs)"
  exit 77
fi
fail() {
  echo "FAILED: $*" >&2
  exit 1
}
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
package=$build/package/corvantile-$version-win64
[ -s "$package-setup.exe" ] && [ -s "$package.zip" ] || fail "no installer or zip in $build/package"
extensions="avi flac flv m4a mkv mp3 mp4 ogg ogv wav webm"

# A fresh prefix each run: what a failed run left behind would pass for the state before.
work=$build/install-test
rm -rf "$work"
export CORVANTILE_WINEPREFIX=$work/prefix
source "$root/scripts/wine-env.sh"
source "$root/scripts/services.sh"
trap stop_services EXIT
[ -n "${DISPLAY:-}" ] || start_virtual_display
"$root/scripts/wine-prefix.sh"
start_wineserver
scratch=$work/scratch
mkdir -p "$scratch"

win() {  # Wine shows the Unix root as drive Z:
  local path
  path=$(realpath -m -- "$1")
  printf 'Z:%s' "${path//\//\\}"
}
in_reg() {  # a Windows path as a .reg file writes it
  win "$1" | sed 's/\\/\\\\/g'
}
without() {  # key: a .reg text without that key's tree
  key="[$1" awk '/^\[/ { skip = index($0, ENVIRON["key"]) == 1 } !skip'
}
export_key() {  # key file: the key's tree as UTF-8 text, less what Wine keeps there for itself
  # Wine's reg.exe once failed here in some fifteen runs, saying nothing seen: a second try.
  "$WINE" reg export "$1" "$(win "$scratch/export.reg")" /y >"$scratch/reg-output" 2>&1 ||
    "$WINE" reg export "$1" "$(win "$scratch/export.reg")" /y >"$scratch/reg-output" 2>&1 ||
    fail "cannot export $1: $(iconv -f CP932 -t UTF-8 "$scratch/reg-output")"
  iconv -f UTF-16 -t UTF-8 "$scratch/export.reg" | tr -d '\r' | without 'HKEY_CURRENT_USER\Software\Wine' >"$2"
}
snapshot() {  # name: HKCU\Software and HKLM\Software as they are now
  export_key 'HKCU\Software' "$scratch/$1.hkcu"
  export_key 'HKLM\Software' "$scratch/$1.hklm"
  without 'HKEY_CURRENT_USER\Software\Corvantile' <"$scratch/$1.hkcu" >"$scratch/$1.hkcu-apps"
}
same() {  # file file what
  diff "$1" "$2" >"$scratch/diff" || { head -n 40 "$scratch/diff" >&2; fail "$3"; }
}
has() {  # file section line what: the line stands in that registry section
  section="[$2]" line=$3 awk '/^\[/ { in_s = ($0 == ENVIRON["section"]) }
    in_s && $0 == ENVIRON["line"] { found = 1 } END { exit !found }' "$1" ||
    fail "$4: no $3 in [$2]"
}
wait_gone() {  # folder: an uninstaller that ran from a copy of itself is done when its folder goes
  for _ in $(seq 300); do [ -e "$1" ] || return 0; sleep 0.2; done
  fail "$1 is still there a minute after the uninstall: $(ls "$1")"
}
player=""
start_player() {  # exe clip: starts it and waits until it plays
  "$WINE" "$1" "$(win "$2")" >/dev/null 2>&1 &
  player=$!
  "$WINE" "$probe" playing "$(basename "$2")" || fail "$1 did not play $2"
}
close_player() {
  "$WINE" taskkill /im corvantile.exe >/dev/null 2>&1
  wait "$player" || true
}

# --- The zip, unpacked where a path is not plain ASCII. First, so that what the platform
# records the first time a player runs is there before the installs too.
unpacked="$scratch/ポータブル 휴대용"
mkdir -p "$unpacked"
(cd "$unpacked" && cmake -E tar xf "$package.zip")
[ "$(cd "$unpacked" && find . -type f | sort | tr '\n' ' ')" = \
  "./corvantile-$version-win64/corvantile.exe ./corvantile-$version-win64/help.htm ./corvantile-$version-win64/readme.txt " ] ||
  fail "the zip holds: $(cd "$unpacked" && find . -type f)"
# Web pages open in a stand-in that copies what it is given: the help page found beside the player.
page=$scratch/opened.htm
"$WINE" reg add 'HKLM\Software\Classes\.htm' /ve /d CorvantileTestPage /f >/dev/null
"$WINE" reg add 'HKLM\Software\Classes\CorvantileTestPage\shell\open\command' /ve \
  /d "cmd.exe /c copy /y \"%1\" \"$(win "$page")\"" /f >/dev/null
start_player "$unpacked/corvantile-$version-win64/corvantile.exe" "$media/bars30.avi"
"$WINE" "$probe" help
for _ in $(seq 50); do [ -s "$page" ] && break; sleep 0.2; done
cmp -s "$page" "$root/resources/help.htm" || fail "Help did not open the help page from the zip's folder"
close_player

# --- Per user, with the user's settings and another player's associations already there.
"$WINE" reg add 'HKCU\Software\Corvantile' /v showtopmost /t REG_DWORD /d 1 /f >/dev/null
"$WINE" reg add 'HKCU\Software\Classes\.mkv' /ve /d OtherPlayer.mkv /f >/dev/null
"$WINE" reg add 'HKCU\Software\Classes\.mkv\OpenWithProgids' /v OtherPlayer.mkv /d '' /f >/dev/null
"$WINE" reg add 'HKCU\Software\Classes\.mp4' /ve /d OtherPlayer.mp4 /f >/dev/null
snapshot before
dir=$scratch/per-user
"$WINE" "$package-setup.exe" /S /CurrentUser "/D=$(win "$dir")" || fail "the per-user install failed"
[ "$(ls "$dir" | tr '\n' ' ')" = "corvantile.exe help.htm uninstall.exe " ] || fail "installed: $(ls "$dir")"
cmp -s "$dir/corvantile.exe" "$package/corvantile.exe" || fail "the installed player is not the stripped one"
shipped=$(x86_64-w64-mingw32-objdump -h "$dir/corvantile.exe")
kept=$(x86_64-w64-mingw32-objdump -h "$package/corvantile.exe.debug")
[[ $shipped != *.debug_* ]] || fail "the installed player carries debug sections"
[[ $shipped == *.gnu_debuglink* && $kept == *.debug_info* ]] || fail "no debug information kept for the shipped player"
shortcut=$WINEPREFIX/drive_c/users/${USER:-$(id -un)}/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/Corvantile.lnk
grep -qaF "$(win "$dir/corvantile.exe")" "$shortcut" || fail "no Start-menu shortcut to the player"
snapshot installed
same "$scratch/before.hklm" "$scratch/installed.hklm" "a per-user install wrote to HKLM"
classes='HKEY_CURRENT_USER\Software\Classes'
command="@=\"\\\"$(in_reg "$dir/corvantile.exe")\\\" \\\"%1\\\"\""
has "$scratch/installed.hkcu" "$classes\\Corvantile.MediaFile\\shell\\open\\command" "$command" "ProgID"
has "$scratch/installed.hkcu" "$classes\\Applications\\corvantile.exe\\shell\\open\\command" "$command" "application"
for ext in $extensions; do
  has "$scratch/installed.hkcu" "$classes\\.$ext\\OpenWithProgids" '"Corvantile.MediaFile"=hex(0):' "Open with"
  has "$scratch/installed.hkcu" "$classes\\Applications\\corvantile.exe\\SupportedTypes" "\".$ext\"=\"\"" "types"
done
has "$scratch/installed.hkcu" "$classes\\.mkv" '@="OtherPlayer.mkv"' "the default player was taken over"
has "$scratch/installed.hkcu" "$classes\\.mp4" '@="OtherPlayer.mp4"' "the default player was taken over"
uninstall='HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Uninstall\Corvantile'
uninstaller="\\\"$(in_reg "$dir/uninstall.exe")\\\""
for line in '"DisplayName"="Corvantile"' "\"DisplayVersion\"=\"$version\"" '"Publisher"="Corvantile developers"' \
  "\"DisplayIcon\"=\"$(in_reg "$dir/corvantile.exe"),0\"" \
  "\"UninstallString\"=\"$uninstaller\"" "\"QuietUninstallString\"=\"$uninstaller /S\""; do
  has "$scratch/installed.hkcu" "$uninstall" "$line" "uninstall entry"
done
grep -q '^"EstimatedSize"=dword:00000[1-9a-f][0-9a-f][0-9a-f]$' "$scratch/installed.hkcu" ||
  fail "uninstall entry: the size is not in kilobytes of what was installed"
"$WINE" "$probe" version "$(win "$dir/corvantile.exe")" >"$scratch/version"
for line in ProductName=Corvantile "ProductVersion=$version" "FileVersion=$version" \
  "LegalCopyright=© 2026 Corvantile developers"; do
  grep -qxF "$line" "$scratch/version" || fail "version resource: no $line in $(cat "$scratch/version")"
done

start_player "$dir/corvantile.exe" "$media/bars30.avi"
# In place (_?=), so that its exit code is the uninstaller's own.
if "$WINE" "$dir/uninstall.exe" /S "_?=$(win "$dir")"; then fail "the uninstaller ran while the player did"; fi
snapshot refused
same "$scratch/installed.hkcu-apps" "$scratch/refused.hkcu-apps" "the refused uninstall changed HKCU"
same "$scratch/installed.hklm" "$scratch/refused.hklm" "the refused uninstall changed HKLM"
[ "$(ls "$dir" | wc -l)" = 3 ] && [ -e "$shortcut" ] || fail "the refused uninstall removed files"
close_player

"$WINE" "$dir/uninstall.exe" /S || fail "the uninstaller failed"
wait_gone "$dir"
snapshot removed
[ ! -e "$shortcut" ] || fail "the Start-menu shortcut is left"
same "$scratch/before.hkcu-apps" "$scratch/removed.hkcu-apps" "the uninstall left HKCU otherwise than it was"
same "$scratch/before.hklm" "$scratch/removed.hklm" "the uninstall left HKLM otherwise than it was"
has "$scratch/removed.hkcu" 'HKEY_CURRENT_USER\Software\Corvantile' '"showtopmost"=dword:00000001' "settings"
grep -q '^"showtoolbar"=' "$scratch/removed.hkcu" || fail "the player's own settings went with the uninstall"

# --- For all users, then removed with the settings through the registered quiet uninstall.
"$WINE" "$package-setup.exe" /S || fail "the all-users install failed"
dir=$WINEPREFIX/drive_c/Program\ Files/Corvantile
[ -s "$dir/corvantile.exe" ] || fail "nothing in Program Files"
[ -e "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Corvantile.lnk" ] ||
  fail "no shortcut in the all users' Start menu"
snapshot machine
same "$scratch/removed.hkcu" "$scratch/machine.hkcu" "an all-users install wrote to HKCU"
has "$scratch/machine.hklm" 'HKEY_LOCAL_MACHINE\Software\Classes\.webm\OpenWithProgids' \
  '"Corvantile.MediaFile"=hex(0):' "Open with for all users"
quiet=$(section='[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Uninstall\Corvantile]' awk '
  /^\[/ { in_s = ($0 == ENVIRON["section"]) } in_s && sub(/^"QuietUninstallString"="/, "") { sub(/"$/, ""); print }' \
  "$scratch/machine.hklm" | sed 's/\\\\/\\/g; s/\\"/"/g')
[[ $quiet =~ ^\"([^\"]+)\"\ (.*)$ ]] || fail "quiet uninstall string: $quiet"
"$WINE" "${BASH_REMATCH[1]}" ${BASH_REMATCH[2]} /RemoveSettings || fail "the quiet uninstall failed"
wait_gone "$dir"
snapshot clean
same "$scratch/before.hkcu-apps" "$scratch/clean.hkcu" "the uninstall with the settings left HKCU otherwise"
same "$scratch/before.hklm" "$scratch/clean.hklm" "the all-users uninstall left HKLM otherwise than it was"
[ ! -e "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Corvantile.lnk" ] ||
  fail "the all users' shortcut is left"

trap - EXIT
stop_services
"$WINESERVER" -w
rm -rf "$work"
echo "install_tests: the installer, the uninstaller and the zip behaved"
