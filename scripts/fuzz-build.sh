#!/usr/bin/env bash
# Builds the fuzz targets natively with clang (fuzz/CMakeLists.txt) into <build>/fuzz.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${CORVANTILE_BUILD_DIR:-$root/build}
"$root/scripts/install-deps.sh"
cmake -S "$root/fuzz" -B "$build/fuzz" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build/fuzz" -j"$(nproc)"
