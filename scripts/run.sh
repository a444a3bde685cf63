#!/usr/bin/env bash
# Installs what is needed, builds ORVANE for Windows and starts it under Wine on a demo.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ORVANE_BUILD:-$root/build}
bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build/windows" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$build/windows"
echo
echo "Built the settings core and its tests in $build/windows."
echo "The ORVANE window and its demo arrive with the launcher application; nothing to start yet."
