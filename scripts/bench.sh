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
cmake --build "$build/bench-windows" --target ini_platform_bench search_bench >/dev/null
echo "== under Wine"
"$root/scripts/wine-run.sh" "$build/bench-windows/wineprefix" "$build/bench-windows/bench/ini_platform_bench.exe"

# The search: 20,000 folders on drive D:, the target in the folder walked last (Wine lists a
# folder sorted by name, as NTFS does), so both the search and find cover the whole tree.
drive=$build/bench-windows/drive-d
if [ ! -d "$drive/tree" ]; then
  python3 - "$drive/tree" <<'PY'
import os, sys
root = sys.argv[1]
for i in range(100):
    for j in range(199):
        os.makedirs(os.path.join(root, f"d{i:03}", f"e{j:03}"))
PY
fi
rm -f "$drive"/tree/*/*/KMX.EXE
: >"$drive/tree/d099/e198/KMX.EXE"
echo "folders in the tree: $(find "$drive/tree" -type d | wc -l)"
start=$(date +%s%N)
find "$drive/tree" -name KMX.EXE >/dev/null
find_ms=$(( ($(date +%s%N) - start) / 1000000 ))
echo "find over the same tree: ${find_ms} ms"
display=
if [ -z "${DISPLAY:-}" ]; then
  Xvfb :98 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb' EXIT
  export DISPLAY=:98
fi
"$root/scripts/wine-run.sh" --drive-d "$drive" "$build/bench-windows/wineprefix-drives" \
  "$build/bench-windows/bench/search_bench.exe"
