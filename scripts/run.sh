#!/usr/bin/env bash
# Installs what is needed, builds ORVANE, lays out a demo (ORVANE in its folder, the demo
# emulator as KMX.EXE in another) and starts ORVANE under Wine. With no display it runs on a
# virtual one, saves a screenshot and says where. ORVANE_LANG=en_US.UTF-8 (or another generated
# locale) runs it on that system locale instead of the Japanese one, in a prefix of its own.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ORVANE_BUILD:-$root/build}
demo=$build/demo
# A prefix keeps the locale it started with.
prefix_suffix=${ORVANE_LANG:+-$ORVANE_LANG}
bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build/windows" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$build/windows" --target orvane kmx_demo orvane_driver

# The demo folders; the launcher INI remembers where the demo emulator is.
"$root/scripts/lay-out-demo.sh" "$build/windows" "$demo/orvane" "$demo/kmx" "Z:${demo//\//\\}\\kmx"

if [ -n "${DISPLAY:-}" ]; then
  echo "Starting ORVANE on $DISPLAY (the demo is in $demo)."
  "$root/scripts/wine-run.sh" "$demo/wineprefix$prefix_suffix" "$demo/orvane/orvane.exe"
else
  display=99
  Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  trap 'WINEPREFIX="$demo/wineprefix-headless$prefix_suffix" wineserver -k >/dev/null 2>&1 || true; kill $xvfb' EXIT
  export DISPLAY=":$display"
  echo "No display: running ORVANE on a virtual one."
  run=("$root/scripts/wine-run.sh" --desktop 800x600 "$demo/wineprefix-headless$prefix_suffix")
  "${run[@]}" "$demo/orvane/orvane.exe" &
  "${run[@]}" "$build/windows/tests/orvane_driver.exe" wait "KMX Luncher" 120 >/dev/null
  sleep 1
  xwd -root -silent | convert xwd:- -crop 800x600+0+0 "$demo/screenshot.png"
  echo "Screenshot of ORVANE on the demo: $demo/screenshot.png"
fi
