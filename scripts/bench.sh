#!/usr/bin/env bash
# Builds and runs the benchmarks: the settings core natively (Google Benchmark), and under
# Wine our INI engine against the platform's GetPrivateProfileStringA in the same run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ORVANE_BUILD:-$root/build}
bash "$root/scripts/install-deps.sh"

cmake -S "$root" -B "$build/bench-native" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_BENCH=ON -DORVANE_TESTS=OFF >/dev/null
cmake --build "$build/bench-native" --target settings_bench hard_disk_bench >/dev/null
echo "== native"
"$build/bench-native/bench/settings_bench" --benchmark_min_time=1

# A 512 MiB hard-disk image against dd writing the same amount to the same folder, both
# flushed to disk; alternating, seven rounds each, medians compared.
scratch=$build/bench-scratch
mkdir -p "$scratch"
dd_seconds() {  # the baseline: 512 MiB of zeros through dd, flushed, in the scratch folder
  local start
  start=$(date +%s%N)
  dd if=/dev/zero of="$scratch/dd.img" bs=1M count=512 conv=fsync status=none
  echo "scale=3; ($(date +%s%N) - $start) / 1000000000" | bc
  rm -f "$scratch/dd.img"
  sync
}
median() { printf '%s\n' "$@" | sort -n | sed -n "$((($# + 1) / 2))p"; }
# A 512 MiB image made by a command that prints its seconds, against dd, taking turns.
against_dd() {  # label, rounds, image file the command writes, command...
  local label=$1 rounds=$2 image=$3 dd_times=() times=() dd_median ours_median
  shift 3
  for _ in $(seq "$rounds"); do
    dd_times+=("$(dd_seconds)")
    times+=("$("$@")")
    rm -f "$image"
    sync
  done
  dd_median=$(median "${dd_times[@]}") ours_median=$(median "${times[@]}")
  echo "$label, median of $rounds: dd bs=1M conv=fsync ${dd_median} s (baseline), ours ${ours_median} s," \
    "ratio $(echo "scale=2; $ours_median / $dd_median" | bc)"
}
against_dd "hard-disk image 512 MiB" 7 "$scratch/ours.khd" \
  "$build/bench-native/bench/hard_disk_bench" "$scratch/ours.khd" 512

cmake -S "$root" -B "$build/bench-windows" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_BENCH=ON -DORVANE_TESTS=OFF \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$build/bench-windows" --target ini_platform_bench search_bench image_tools_bench bare_write >/dev/null
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
find_times=()
for round in 1 2 3 4 5; do
  start=$(date +%s%N)
  find "$drive/tree" -name KMX.EXE >/dev/null
  find_times+=($(( ($(date +%s%N) - start) / 1000000 )))
done
echo "find over the same tree, median of 5: $(median "${find_times[@]}") ms"
display=
if [ -z "${DISPLAY:-}" ]; then
  Xvfb :98 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb' EXIT
  export DISPLAY=:98
fi
# In a virtual desktop, so that the dialog's end is not timed with Wine's wait for a window
# manager when it hides its window.
"$root/scripts/wine-run.sh" --drive-d "$drive" --desktop 800x600 "$build/bench-windows/wineprefix-drives-desktop" \
  "$build/bench-windows/bench/search_bench.exe"
# The new hard-disk dialog under Wine against the bare write loop (bare_write_win.cpp) writing the
# same bytes to the same folder, each timed by its own clock, taking turns, every round printed.
# Both run in a virtual desktop, as the tests do: without a window manager Wine waits up to two
# seconds when the dialog hides its window at the end, which would be timed with it.
win_scratch="Z:${scratch//\//\\}"
desktop_prefix=$build/bench-windows/wineprefix-desktop
bare_ms() {
  "$root/scripts/wine-run.sh" --desktop 800x600 "$desktop_prefix" "$build/bench-windows/bench/bare_write.exe" \
    "$win_scratch\\bare.khd" 512 | tr -d '\r'
}
dialog_ms() {
  "$root/scripts/wine-run.sh" --desktop 800x600 "$desktop_prefix" "$build/bench-windows/bench/image_tools_bench.exe" \
    "$win_scratch\\wine.khd" | tr -d '\r' | sed -n 's/^new hard-disk dialog, 512 MiB: \([0-9]*\) ms (done)$/\1/p'
}
bare_times=() dialog_times=()
for round in $(seq 7); do
  if [ $((round % 2)) = 1 ]; then bare_times+=("$(bare_ms)"); dialog_times+=("$(dialog_ms)")
  else dialog_times+=("$(dialog_ms)"); bare_times+=("$(bare_ms)"); fi
  rm -f "$scratch/bare.khd" "$scratch/wine.khd"
  sync
  echo "round $round: bare write loop ${bare_times[-1]} ms, new hard-disk dialog ${dialog_times[-1]} ms"
done
bare_median=$(median "${bare_times[@]}") dialog_median=$(median "${dialog_times[@]}")
echo "new hard-disk dialog 512 MiB under Wine, medians of 7: bare write loop ${bare_median} ms (baseline)," \
  "dialog ${dialog_median} ms, ratio $(echo "scale=2; $dialog_median / $bare_median" | bc)"
"$root/scripts/wine-run.sh" --desktop 800x600 "$desktop_prefix" "$build/bench-windows/bench/image_tools_bench.exe" \
  "$win_scratch\\wine.khd" "$win_scratch\\font.bmp" | grep '^font bitmap'
rm -f "$scratch/wine.khd" "$scratch/font.bmp"
