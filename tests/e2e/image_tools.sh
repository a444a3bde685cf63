#!/usr/bin/env bash
# End to end on the real orvane.exe: a new hard-disk image for HDD1 through its dialog, and a
# font bitmap through the real font and save-as dialogs.
#   image_tools.sh ORVANE_EXE DRIVER_EXE PREFIX
set -euo pipefail
source "$(dirname "$0")/lib.sh" "$1" "$2" "$3"
: >"$emu/KMX.EXE"
printf '[KMX]\r\nHDD1=old.khd\r\nFont=old.bmp\r\n' >"$emu/KMX.INI"
printf '[ORVANE Settings]\r\nKMXPath=%s\r\n' "$emu_dir" >"$launcher/orvane.ini"
win_work="Z:${work//\//\\}"
start_orvane

drive click "KMX Luncher" 1034
drive wait "新規HDD作成" 30 >/dev/null || fail "no new hard-disk dialog"
drive fill "新規HDD作成" 1038 "$win_work\\new.khd"
drive fill "新規HDD作成" 1037 3
drive click "新規HDD作成" 1
drive gone "新規HDD作成" 30 || fail "the new hard-disk dialog stayed open"
expect "image size" "$(stat -c %s "$work/new.khd")" $((256 + 3 * 1048576))
expect "image header" "$(head -c 2 "$work/new.khd" | od -An -tx1 | tr -d ' ')" 2d00
expect "HDD1 field" "$(drive text "KMX Luncher" 1002)" "$win_work\\new.khd"

drive click "KMX Luncher" 1036
drive font-dialog "IPAゴシック" 12 30 || fail "no usable font dialog"
drive file-dialog "$win_work\\font.bmp" 30 || fail "no save-as dialog for the font"
for _ in $(seq 100); do [ -f "$work/font.bmp" ] && break; sleep 0.2; done
sleep 0.5
expect "font bitmap size" "$(stat -c %s "$work/font.bmp")" 524350
for _ in $(seq 50); do [ "$(drive text "KMX Luncher" 1004)" = "$win_work\\font.bmp" ] && break; sleep 0.2; done
expect "Font field" "$(drive text "KMX Luncher" 1004)" "$win_work\\font.bmp"
drive close "KMX Luncher" 30
echo "image tools work in the real exe"
