#!/usr/bin/env bash
# End to end on the real orvane.exe and the demo emulator: the command line. /run with a profile
# and an image writes KMX.INI and starts the emulator without the main window, /wait ends with the
# emulator's exit code, and the launcher INI keeps its bytes; a missing profile, an unknown switch
# and a path beyond code page 932 are refused by name, with nothing written or started; a desktop
# shortcut made through the system menu runs as it stands; a profile named alone opens the window on it.
#   command_line.sh ORVANE_EXE DRIVER_EXE DEMO_EXE PREFIX
set -euo pipefail
demo_exe=$3
source "$(dirname "$0")/lib.sh" "$1" "$2" "$4"
cp "$demo_exe" "$emu/KMX.EXE"
win() { local path=${1//\//\\}; printf 'Z:%s' "$path"; }  # a Linux path as Wine names it
printf '[ORVANE Settings]\r\nKMXPath=%s\r\nLegacy=0\r\n[KMX]\r\nSound=11|BOOL|s\r\nMode=12|ENUM|0,a,1,b|m\r\n' \
  "$emu_dir" >"$launcher/orvane.ini"
launcher_ini=$(md5sum <"$launcher/orvane.ini")
kmx_ini=$'[KMX]\r\nFDD1=old.kfd\r\nSound=1\r\nMode=0\r\n'
printf '%s' "$kmx_ini" >"$emu/KMX.INI"
kmx_ini_sum=$(md5sum <"$emu/KMX.INI")
printf '[KMX]\r\nFDD2=p2.kfd\r\nSound=0\r\nMode=1\r\n' >"$work/my game.ini"
: >"$work/my disk.kfd"
orvane() { "${run[@]}" "$launcher/orvane.exe" "$@"; }
no_main_window() { ! drive wait "KMX Lau" 0 >/dev/null && ! drive wait "KMX Lun" 0 >/dev/null; }

# /run PROFILE IMAGE: the profile over KMX.INI, the image in FDD1, the emulator started, ORVANE gone.
echo 3000 >"$emu/autoclose.txt"
status=0
orvane /run "$(win "$work/my game.ini")" "$(win "$work/my disk.kfd")" || status=$?
expect "/run ends at once with 0" "$status" 0
check "the demo emulator starts" drive wait "KMX デモ" 30
check "no main window while the emulator runs" no_main_window
expect "KMX.INI from the profile and the image" "$(cat "$emu/KMX.INI")" \
  "$(printf '[KMX]\r\nFDD1=%s\r\nSound=0\r\nMode=1\r\nFDD2=p2.kfd\r\nHDD1=\r\nHDD2=\r\nFont=\r\nResume=0\r\n' "$(win "$work/my disk.kfd")")"
check "the demo emulator closes by itself" drive gone "KMX デモ" 30
expect "the launcher INI keeps its bytes after /run" "$(md5sum <"$launcher/orvane.ini")" "$launcher_ini"

# /run /wait ends with the emulator's exit code.
echo "500 7" >"$emu/autoclose.txt"
status=0
orvane -RUN /wait /fdd2 "$(win "$work/my disk.kfd")" || status=$?
expect "/wait ends with the emulator's exit code" "$status" 7
check "KMX.INI names the image in FDD2" grep -qF "FDD2=$(win "$work/my disk.kfd")"$'\r' "$emu/KMX.INI"
rm "$emu/autoclose.txt"

# Refusals: each names what is wrong, writes nothing, starts nothing and ends with its code.
refused() {  # description, expected message, expected exit code, arguments...
  local what=$1 message=$2 code=$3 status=0 pid seen
  shift 3
  printf '%s' "$kmx_ini" >"$emu/KMX.INI"
  orvane "$@" &
  pid=$!
  seen=$(drive answer-box orvane 1 30) || seen="(no message box)"
  wait "$pid" || status=$?
  expect "$what: the message" "$seen" "$message"
  expect "$what: the exit code" "$status" "$code"
  expect "$what: KMX.INI keeps its bytes" "$(md5sum <"$emu/KMX.INI")" "$kmx_ini_sum"
  check "$what: nothing started" test "$(drive wait "KMX デモ" 1 || true)" = ""
}
refused "a missing profile" "$(win "$work/gone.ini") が見つかりませんでした。" 2 /run "$(win "$work/gone.ini")"
refused "an unknown switch" $'/fdd3\n不明なスイッチです。/? で使い方を表示します。' 1 /run /fdd3 "$(win "$work/my disk.kfd")"
refused "a path beyond code page 932" "$(win "$work/Zoë.kfd")"$'\nこのパスにはシフトJISで表せない文字が含まれているため、使えません。' 2 \
  /run "$(win "$work/Zoë.kfd")"
expect "the launcher INI keeps its bytes after the refusals" "$(md5sum <"$launcher/orvane.ini")" "$launcher_ini"

# The usage.
status=0
orvane /? &
usage=$(drive answer-box orvane 1 30 | head -n 1) || true
wait $! || status=$?
expect "/? shows the usage" "$usage" "使い方:"
expect "/? ends with 0" "$status" 0

# A profile named alone opens the window on it.
orvane "$(win "$work/my game.ini")" >/dev/null 2>&1 &
require "the main window comes up" drive wait "KMX Luncher" 90 >/dev/null
expect_drive "the profile's FDD2 in the window" p2.kfd text "KMX Luncher" 1001
expect_drive "the profile's choice in the window" b cell "KMX Luncher" 1005 1 0
check "Escape closes the launcher" drive close "KMX Luncher" 30

# The desktop shortcut, made through the system menu with the window's current settings.
desktop=$(drive desktop)
link="$desktop\\shortcut test.lnk"
# The link lands in the prefix, which outlives this run: none is left for the next to be asked about.
drive_letter=${link:0:1}
link_file="$prefix/dosdevices/${drive_letter,,}:$(printf '%s' "${link:2}" | tr '\\' /)"
rm -f "$link_file"
at_exit "rm -f $(printf '%q' "$link_file")"
start_orvane
click_row 0   # Sound: あり -> なし, so the shortcut's settings are not KMX.INI's
expect_drive "the row flipped" "なし" cell "KMX Luncher" 1005 0 0
drive syscommand "KMX Luncher" 32
check "the save-as dialog for the shortcut's profile" drive file-dialog "$(win "$work/shortcut test.ini")" 30
wait_until "the shortcut's profile saved" test -s "$work/shortcut test.ini"
link_readable() { drive shortcut "$link" >/dev/null; }
wait_until "the shortcut on the desktop" link_readable
expect "the shortcut, read back" "$(drive shortcut "$link")" \
  "$(printf '%s\n/run "%s"\n%s' "$(win "$launcher/orvane.exe")" "$(win "$work/shortcut test.ini")" "$(win "$launcher")")"
check "Escape closes the launcher" drive close "KMX Luncher" 30
expect "KMX.INI as it was before the shortcut runs" "$(md5sum <"$emu/KMX.INI")" "$kmx_ini_sum"
echo 300 >"$emu/autoclose.txt"
expect "the shortcut's command line runs" "$(drive run-shortcut "$link")" 0
check "KMX.INI has the shortcut's settings" grep -q $'^Sound=0\r' "$emu/KMX.INI"
check "the demo emulator closes by itself" drive gone "KMX デモ" 30
