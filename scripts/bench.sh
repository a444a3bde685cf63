#!/usr/bin/env bash
# Builds and runs the benchmarks: the settings core natively (Google Benchmark), and under
# Wine our INI engine against the platform's GetPrivateProfileStringA in the same run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ORVANE_BUILD:-$root/build}
bash "$root/scripts/install-deps.sh"

cmake -S "$root" -B "$build/bench-native" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_BENCH=ON -DORVANE_TESTS=OFF >/dev/null
cmake --build "$build/bench-native" --target settings_bench >/dev/null
echo "== native"
"$build/bench-native/bench/settings_bench" --benchmark_min_time=1

cmake -S "$root" -B "$build/bench-windows" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_BENCH=ON -DORVANE_TESTS=OFF \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$build/bench-windows" --target ini_platform_bench >/dev/null
echo "== under Wine"
"$root/scripts/wine-run.sh" "$build/bench-windows/wineprefix" "$build/bench-windows/bench/ini_platform_bench.exe"
