#!/usr/bin/env bash
# End to end on the real orvane.exe at 100%, 150% and 200% display scaling (96, 144 and 192 DPI):
# every static text and button caption of the search dialog (while it searches), the main window,
# the about box and the new hard-disk dialog fits its control, measured inside the process with
# each control's own font, and nothing overlaps; and font bitmaps made through the real font
# dialog are the same bytes at every DPI: IPA Gothic at 12 points as the build before per-DPI
# sizing made it at 100%, with no box, and DejaVu Sans Mono with its own ASCII glyphs, its kanji
# from the Japanese face, and a box that counts them. Reports and screenshots go to SHOTS.
#   display_scaling.sh ORVANE_EXE DRIVER_EXE PREFIX SHOTS
set -euo pipefail
shots=$4
# Fixed drives C: and a D: of its own; the display's DPI is this prefix's alone.
drive_d=$3.drive-d
prefix_options=(--drive-d "$drive_d")
desktop=1280x1024
source "$(dirname "$0")/lib.sh" "$1" "$2" "$3"
mkdir -p "$shots"
rm -rf "$drive_d"
mkdir -p "$drive_d"
# A tree that keeps the search busy while it is measured, with folder names long enough that a path
# in it never fits the folder line at any DPI; the emulator lies where the search never looks.
for i in $(seq 60); do mkdir -p "$launcher/tree/a-folder-with-a-long-name-$i/"another-folder-with-a-long-name-{1..100}; done
: >"$emu/KMX.EXE"
printf '[KMX]\r\nFont=old.bmp\r\n' >"$emu/KMX.INI"
win_work="Z:${work//\//\\}"
gothic=IPAゴシック
[ "${ORVANE_ACP:-932}" = 932 ] || gothic=IPAGothic
# IPA Gothic at 12 points as the build before the bitmap's size stopped following the display made it.
gothic_md5=22cfa9756ca6b018345e2112b6399118
rm -f "$shots"/fits-*.txt "$shots/font-bitmaps.md5"

at_dpi() {  # dpi: the next Wine process starts at that DPI
  WINEPREFIX=$prefix wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  WINEPREFIX=$prefix wineserver -k || true
  WINEPREFIX=$prefix wineserver -w
}
measure() {  # what, dpi, window title: every text fits, kept as a report
  local report="$shots/fits-$2-${1// /-}.txt"
  if drive fits "$3" >"$report"; then
    pass "$1 at $2 dpi: every text fits and nothing overlaps"
  else
    fail "$1 at $2 dpi: $(grep -E '^(CUT|OVERLAP|OUTSIDE)' "$report" | tr '\n' ';')"
  fi
}
# Clicks a button of the main window that opens a dialog over it, and clicks again while the
# window still takes input and no dialog came: under load, a click that arrives while the window
# is being activated again after the last dialog closed can be lost.
open_from_main() {  # button id, then the driver command that finds the dialog within 10 seconds
  local id=$1 attempt
  shift
  for attempt in 1 2 3; do
    [ "$(drive enabled "KMX Luncher")" != 1 ] || drive click "KMX Luncher" "$id"
    drive "$@" && return 0
  done
  return 1
}
# Waits until the Font field names the file, which is set once the bitmap is in place.
font_bitmap() {  # face, file name
  check "font dialog confirmed ($1)" open_from_main 1036 font-dialog "$1" 12 10
  check "save-as dialog confirmed ($1)" drive file-dialog "$win_work\\$2" 30
  expect_drive "the Font field names $2" "$win_work\\$2" text "KMX Luncher" 1004
}
kanji_drawn() {  # bitmap: the cells of あ, 亜 and 漢 (JIS 2422, 3021, 3441) hold black pixels
  python3 - "$1" <<'PY'
import sys
data = open(sys.argv[1], "rb").read()
def black(x, y):
    return (data[62 + (2047 - y) * 256 + x // 8] >> (7 - x % 8)) & 1 == 0
cells = [(64, 544), (256, 528), (320, 1040)]
sys.exit(0 if all(any(black(x, y) for y in range(top, top + 16) for x in range(left, left + 16))
                  for left, top in cells) else 1)
PY
}

for dpi in 96 144 192; do
  at_dpi "$dpi"
  rm -f "$launcher/orvane.ini"
  "${run[@]}" "$launcher/orvane.exe" >/dev/null 2>&1 &
  require "the search dialog comes up at $dpi dpi" drive wait "#1029" 90 >/dev/null
  measure "search dialog" "$dpi" "#1029"
  expect "the search dialog is still searching at $dpi dpi" "$(drive visible "#1029" 1029)" 1
  drive click "#1029" 1027
  check "the emulator chosen by hand" drive file-dialog "$emu_dir\\KMX.EXE" 30
  require "the main window comes up at $dpi dpi" drive wait "KMX Luncher" 60 >/dev/null
  measure "main window" "$dpi" "KMX Luncher"
  screenshot "$shots/main-window-$dpi.png" "KMX Luncher"
  drive syscommand "KMX Luncher" 16
  require "the about box opens" drive wait orvane 30 >/dev/null
  measure "about box" "$dpi" orvane
  check "the about box closes" drive close orvane 30
  require "the new hard-disk dialog opens" open_from_main 1034 wait "新規HDD作成" 10 >/dev/null
  measure "new hard-disk dialog" "$dpi" "新規HDD作成"
  check "the new hard-disk dialog closes" drive close "新規HDD作成" 30

  font_bitmap "$gothic" "gothic-$dpi.bmp"
  expect "IPA Gothic at $dpi dpi: the bytes of 100%" "$(md5sum <"$work/gothic-$dpi.bmp" | cut -d' ' -f1)" "$gothic_md5"
  sleep 1
  check "IPA Gothic at $dpi dpi: no box, as it has every character" drive gone orvane 0
  font_bitmap "DejaVu Sans Mono" "mono-$dpi.bmp"
  box=$(drive answer-box orvane 1 30 || true)
  echo "$box" >"$shots/mono-box-$dpi.txt"
  check "DejaVu Sans Mono at $dpi dpi: the box counts the codes drawn in $gothic" \
    grep -qE "^8714 文字のうち 8[0-9]{3} 文字は、選んだフォントにないため「$gothic」で描きました。\$" <<<"$box"
  expect "the box names the bitmap" "$(head -n 1 <<<"$box")" "$win_work\\mono-$dpi.bmp"
  expect "DejaVu Sans Mono at $dpi dpi: its own ASCII glyphs" \
    "$(drive strip-matches "$win_work\\mono-$dpi.bmp" "DejaVu Sans Mono" 16)" 0
  check "DejaVu Sans Mono at $dpi dpi: its kanji cells are drawn" kanji_drawn "$work/mono-$dpi.bmp"
  check "DejaVu Sans Mono: the same bytes at $dpi dpi as at 96" cmp "$work/mono-96.bmp" "$work/mono-$dpi.bmp"
  md5sum "$work/gothic-$dpi.bmp" "$work/mono-$dpi.bmp" | sed "s|$work/||" >>"$shots/font-bitmaps.md5"
  check "Escape closes the launcher at $dpi dpi" drive close "KMX Luncher" 30
done
