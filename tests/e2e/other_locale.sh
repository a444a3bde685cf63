#!/usr/bin/env bash
# End to end on the real orvane.exe on a system locale that is not Japanese: the first start's
# drive search, stopped for a choice by hand, a message box about the missing KMX.INI, and the main
# window, all in Japanese (screenshots kept), with a label from a marked launcher INI whole; paths and texts that code page 932 cannot hold are
# refused with a message and stored nowhere; and a launcher in a folder that code page 932 cannot
# name says so once, then finds its emulator and runs, writing nothing beside itself.
#   other_locale.sh ORVANE_EXE DRIVER_EXE DEMO_EXE PREFIX SCREENSHOT_DIR
set -euo pipefail
demo_exe=$3 shots=$5
# Fixed drives C: and a D: of its own, which holds a tree long to walk and no emulator.
drive_d=$4.drive-d
prefix_options=(--drive-d "$drive_d")
source "$(dirname "$0")/lib.sh" "$1" "$2" "$4"
rm -rf "$drive_d"
for i in $(seq 80); do mkdir -p "$drive_d/tree/$i/"{1..80}; done
mkdir -p "$shots"
cp "$demo_exe" "$emu/KMX.EXE"
win_work="Z:${work//\//\\}"
# The launcher INI as an editor saves it with a byte-order mark, its label beyond code page 932.
{ printf '\xff\xfe'; printf '[ORVANE Settings]\r\nWait=1\r\n[KMX]\r\nTitle=9|STR|Zoë ☃\r\n' | iconv -t utf-16le; } \
  >"$launcher/orvane.ini"

# No emulator folder known: the search walks the drives until Set is pressed.
"${run[@]}" "$launcher/orvane.exe" >/dev/null 2>&1 &
require "the search dialog comes up" drive wait "#1029" 90 >/dev/null
screenshot "$shots/search-dialog.png" "#1029"
drive click "#1029" 1027
check "the choice by hand is confirmed" drive file-dialog "$emu_dir\\KMX.EXE" 30
expect "the message about the missing KMX.INI" "$(drive answer-box orvane 1 30)" "$emu_dir\\KMX.INIが開けませんでした。"
expect_drive "the title names the emulator chosen by hand" "KMX Luncher - $emu_dir\\KMX.EXE" wait "KMX Luncher" 30
screenshot "$shots/main-window.png" "KMX Luncher"
expect_drive "the marked schema's label shown whole" "Zoë ☃" cell "KMX Luncher" 1005 0 1

# A profile path that code page 932 cannot hold is refused with a message naming it.
drive click "KMX Luncher" 1041
check "save-as dialog confirmed" drive file-dialog "$win_work\\Zoë €.ini" 30
check "the refusal is shown" drive wait orvane 30 >/dev/null
screenshot "$shots/message-box.png" orvane
expect "the refusal names the path" "$(drive answer-box orvane 1 30)" \
  "$win_work\\Zoë €.ini
このパスにはシフトJISで表せない文字が含まれているため、使えません。"
check "no such profile is written" test ! -e "$work/Zoë €.ini"

# Typed text that code page 932 cannot hold: a path field and a text setting keep their values.
# The field answers the text sent to it only once its message box is closed.
drive fill "KMX Luncher" 1000 'C:\Zoë\disk.kfd' &
fill=$!
expect "typed path refused" "$(drive answer-box orvane 1 30)" "入力された文字にはシフトJISで表せないものが含まれているため、使えません。"
wait "$fill"
expect_drive "the path field keeps its value" "" text "KMX Luncher" 1000
click_row 0  # the title row: its editor opens
wait_until "label editor on the title row" drive edit-text "KMX Luncher" 1005 "café ☃"
expect "typed text refused" "$(drive answer-box orvane 1 30)" "入力された文字にはシフトJISで表せないものが含まれているため、使えません。"
expect_drive "the title row keeps its value" "" cell "KMX Luncher" 1005 0 0
click_row 0
wait_until "label editor on the title row again" drive edit-text "KMX Luncher" 1005 "日本語のタイトル"
expect_drive "Japanese text is taken" "日本語のタイトル" cell "KMX Luncher" 1005 0 0
drive click "KMX Luncher" 1042  # Wait off
drive click "KMX Luncher" 1025  # Run
check "the launcher closes" drive gone "KMX Luncher" 30
check "the demo emulator starts" drive wait "KMX デモ" 30 >/dev/null
wait_until "KMX.INI written in code page 932" env LC_ALL=C grep -q "Title=$(printf '日本語のタイトル' | iconv -t cp932)" "$emu/KMX.INI"
check "the demo emulator closes" drive quit "KMX デモ" 30

# The launcher in a folder that code page 932 cannot name: said once, then the search, which
# passes over that folder, finds the emulator on drive C: and the launcher runs.
folder="$work/Zoë €"
mkdir -p "$folder"
cp "$launcher/orvane.exe" "$folder/orvane.exe"
printf '[ORVANE Settings]\r\nLegacy=0\r\n' >"$folder/orvane.ini"
drive_c=$prefix/drive_c
cp "$demo_exe" "$drive_c/KMX.EXE"
printf '[KMX]\r\n' >"$drive_c/KMX.INI"
at_exit 'rm -f "$drive_c/KMX.EXE" "$drive_c/KMX.INI"'
"${run[@]}" "$folder/orvane.exe" >/dev/null 2>&1 &
expect "the folder is named once" "$(drive answer-box orvane 1 60)" "Z:${folder//\//\\}
このフォルダのパスにはシフトJISで表せない文字が含まれているため、ORVANEの設定を読み書きできません。ORVANEを別のフォルダに移してください。"
expect_drive "the emulator is found all the same" "KMX Luncher - C:\\KMX.EXE" wait "KMX Luncher" 90
check "Escape closes the launcher" drive close "KMX Luncher" 30
expect "nothing is written beside the launcher" "$(cd "$folder" && ls | tr '\n' ' ')" "orvane.exe orvane.ini "
expect "its INI stays as it was" "$(cat "$folder/orvane.ini")" "$(printf '[ORVANE Settings]\r\nLegacy=0\r\n')"
