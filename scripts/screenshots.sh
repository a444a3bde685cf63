#!/usr/bin/env bash
# Makes the README's screenshots of the main window from the real exe under Wine, on the demo, at
# 100% and 150% display scaling (96 and 144 DPI): docs/main-window-100.png and -150.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ORVANE_BUILD:-$root/build}
bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build/windows" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$build/windows" --target orvane kmx_demo orvane_driver >/dev/null

prefix=$build/screenshots-prefix
run=("$root/scripts/wine-run.sh" --desktop 1024x768 "$prefix")
driver=$build/windows/tests/orvane_driver.exe
if [ -z "${DISPLAY:-}" ]; then
  Xvfb :97 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  trap 'WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true; kill $xvfb' EXIT
  export DISPLAY=:97
  sleep 1
fi
"${run[@]}" "$driver" acp >/dev/null
# The demo on the prefix's drive C:, so the window's title names a plain folder.
"$root/scripts/lay-out-demo.sh" "$build/windows" "$prefix/drive_c/ORVANE" "$prefix/drive_c/KMX" 'C:\KMX'
mkdir -p "$root/docs"
for scale in 100:96 150:144; do
  percent=${scale%:*} dpi=${scale#*:}
  WINEPREFIX=$prefix wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  WINEPREFIX=$prefix wineserver -k || true
  WINEPREFIX=$prefix wineserver -w
  "${run[@]}" 'C:\ORVANE\orvane.exe' >/dev/null 2>&1 &
  "${run[@]}" "$driver" wait "KMX Luncher" 60 >/dev/null
  sleep 1
  read -r left top right bottom < <("${run[@]}" "$driver" rect "KMX Luncher" | tr -d '\r')
  xwd -root -silent | convert xwd:- -crop "$((right - left))x$((bottom - top))+$left+$top" +repage \
    -strip "$root/docs/main-window-$percent.png"
  "${run[@]}" "$driver" close "KMX Luncher" 30 >/dev/null
  echo "docs/main-window-$percent.png: $((right - left)) x $((bottom - top)) pixels at $dpi DPI"
done
