#!/usr/bin/env bash
# Installs what is missing, builds Corvantile and writes what Windows users download, into
# build/package: corvantile-<version>-win64-setup.exe (the installer) and
# corvantile-<version>-win64.zip (the portable zip). The stripped player's debug information stays
# in build/package/corvantile-<version>-win64/corvantile.exe.debug, for crash analysis.
#   scripts/package.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${CORVANTILE_BUILD_DIR:-$root/build}
"$root/scripts/build.sh" windows_packages
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
for file in "$build/package/corvantile-$version-win64-setup.exe" "$build/package/corvantile-$version-win64.zip"; do
  [ -s "$file" ] || { echo "package.sh: $file was not written" >&2; exit 1; }
  echo "$file"
done
