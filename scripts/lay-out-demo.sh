#!/usr/bin/env bash
# Lays out the demo: ORVANE with its read-me and sample launcher INI in one folder, the demo
# emulator as KMX.EXE with a KMX.INI and a few disk images in another, the launcher INI naming the
# emulator's folder as Windows sees it. Settings and profiles the user changed stay.
#   lay-out-demo.sh WINDOWS_BUILD ORVANE_FOLDER KMX_FOLDER KMX_FOLDER_FOR_WINDOWS
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$1 orvane=$2 kmx=$3 kmx_path=$4
mkdir -p "$orvane" "$kmx/disks" "$kmx/hdd"
cp "$build/src/orvane.exe" "$orvane/orvane.exe"
cp "$build/demo/kmx_demo.exe" "$kmx/KMX.EXE"
cp "$root/demo/orvane.txt" "$orvane/orvane.txt"
[ -f "$kmx/KMX.INI" ] || cp "$root/demo/KMX.INI" "$kmx/KMX.INI"
for image in disks/system.kfd disks/game.kfd hdd/main.khd; do
  [ -f "$kmx/$image" ] || head -c 4096 /dev/zero >"$kmx/$image"
done
if [ ! -f "$orvane/orvane.ini" ]; then
  python3 - "$root/demo/orvane.ini" "$orvane/orvane.ini" "$kmx_path" <<'PY'
import sys
source, target, kmx_path = sys.argv[1:]
data = open(source, "rb").read()
data = data.replace(b"[ORVANE Settings]\r\n", b"[ORVANE Settings]\r\nKMXPath=" + kmx_path.encode("cp932") + b"\r\n", 1)
open(target, "wb").write(data)
PY
fi
