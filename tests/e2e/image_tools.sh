#!/usr/bin/env bash
# End to end on the real orvane.exe: a new hard-disk image for HDD1 through its dialog, and a
# font bitmap through the real font and save-as dialogs, kept in SHOTS to be compared with the one
# made under the other system locale.
#   image_tools.sh ORVANE_EXE DRIVER_EXE PREFIX SHOTS
set -euo pipefail
shots=$4
source "$(dirname "$0")/lib.sh" "$1" "$2" "$3"
mkdir -p "$shots"
: >"$emu/KMX.EXE"
printf '[KMX]\r\nHDD1=old.khd\r\nFont=old.bmp\r\n' >"$emu/KMX.INI"
printf '[ORVANE Settings]\r\nKMXPath=%s\r\n' "$emu_dir" >"$launcher/orvane.ini"
win_work="Z:${work//\//\\}"
start_orvane

drive click "KMX Luncher" 1034
check "new hard-disk dialog opens" drive wait "新規HDD作成" 30
drive fill "新規HDD作成" 1038 "$win_work\\new.khd"
drive fill "新規HDD作成" 1037 3
drive click "新規HDD作成" 1
check "new hard-disk dialog closes" drive gone "新規HDD作成" 30
expect "image size" "$(stat -c %s "$work/new.khd")" $((256 + 3 * 1048576))
expect "image header" "$(head -c 2 "$work/new.khd" | od -An -tx1 | tr -d ' ')" 2d00
expect_drive "HDD1 field" "$win_work\\new.khd" text "KMX Luncher" 1002

drive click "KMX Luncher" 1036
# The font dialog names the face in the system's language.
face=IPAゴシック
[ "${ORVANE_ACP:-932}" = 932 ] || face=IPAGothic
check "font dialog confirmed" drive font-dialog "$face" 9 30
check "save-as dialog confirmed" drive file-dialog "$win_work\\font.bmp" 30
# The field is set after the bitmap is renamed into place.
expect_drive "Font field" "$win_work\\font.bmp" text "KMX Luncher" 1004
expect "font bitmap size" "$(stat -c %s "$work/font.bmp")" 524350
cp "$work/font.bmp" "$shots/font-dialog.bmp"
check "Escape closes the launcher" drive close "KMX Luncher" 30
