#!/usr/bin/env bash
# End to end: the real orvane.exe, in a launcher folder of its own, starts under Wine, finds
# its emulator through KMXPath, shows its main window filled from KMX.INI, and stores its two
# options when it is closed with Escape. A screenshot of the window is kept in the build folder.
#   start_main_window.sh ORVANE_EXE DRIVER_EXE PREFIX SCREENSHOT_DIR
set -euo pipefail
shots=$4
source "$(dirname "$0")/lib.sh" "$1" "$2" "$3"
mkdir -p "$shots"
: >"$emu/KMX.EXE"
printf '[ORVANE Settings]\r\nKMXPath=%s\r\n[KMX]\r\nSound=11|BOOL|%s\r\nMode=12|ENUM|0,%s,1,%s|%s\r\nCpu=13|INT|%s\r\n' \
  "$emu_dir" "$(printf '効果音' | iconv -t cp932)" "$(printf '標準' | iconv -t cp932)" \
  "$(printf '高速' | iconv -t cp932)" "$(printf '動作モード' | iconv -t cp932)" \
  "$(printf 'CPUクロック' | iconv -t cp932)" >"$launcher/orvane.ini"
printf '[KMX]\r\nFDD1=A:\\game.kfd\r\nResume=1\r\nSound=1\r\nMode=1\r\nCpu=8\r\n' >"$emu/KMX.INI"

start_orvane
expect_drive "title names the emulator" "KMX Luncher - $emu_dir\\KMX.EXE" wait "KMX Luncher" 10
expect_drive "one row per schema entry" 3 rows "KMX Luncher" 1005
expect_drive "FDD1 field from KMX.INI" 'A:\game.kfd' text "KMX Luncher" 1000
screenshot "$shots/main-window.png" "KMX Luncher"
check "Escape closes the launcher" drive close "KMX Luncher" 30
wait_until "Legacy stored" grep -q $'Legacy=1\r' "$launcher/orvane.ini"
wait_until "Wait stored" grep -q $'Wait=1\r' "$launcher/orvane.ini"
