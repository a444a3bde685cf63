#!/usr/bin/env bash
# End to end on the real orvane.exe and the demo emulator: edit rows with the mouse and in place,
# save a profile and check its bytes, load another, run with and without the wait option, and
# erase the resume file. Screenshots of the main window after editing and of the demo emulator.
#   edit_save_load_run.sh ORVANE_EXE DRIVER_EXE DEMO_EXE PREFIX SCREENSHOT_DIR SOURCE_DIR
set -euo pipefail
demo_exe=$3 shots=$5 source_dir=$6
source "$(dirname "$0")/lib.sh" "$1" "$2" "$4"
mkdir -p "$shots"
cp "$demo_exe" "$emu/KMX.EXE"
cp "$source_dir/demo/KMX.INI" "$emu/KMX.INI"
python3 - "$source_dir/demo/orvane.ini" "$launcher/orvane.ini" "$emu_dir" <<'PY'
import sys
source, target, kmx_path = sys.argv[1:]
data = open(source, "rb").read()
data = data.replace(b"[ORVANE Settings]\r\n", b"[ORVANE Settings]\r\nKMXPath=" + kmx_path.encode() + b"\r\n", 1)
open(target, "wb").write(data)
PY
expect_cell() { expect_drive "$1" "$3" cell "KMX Luncher" 1005 "$2" 0; }  # description, row, text

start_orvane
expect_drive "rows" 21 rows "KMX Luncher" 1005

click_row 2   # Scanline, yes/no: あり -> なし
expect_cell "yes/no row flipped" 2 "なし"
click_row 0   # Screen, a choice: ウィンドウ -> フルスクリーン
expect_cell "choice row stepped" 0 "フルスクリーン"
click_row 5   # Volume, a number: opens the editor at once
wait_until "label editor on the number row" drive edit-text "KMX Luncher" 1005 12
expect_cell "number edited in place" 5 12
screenshot "$shots/main-window-edited.png" "KMX Luncher"

# Save as: the profile's exact bytes.
drive click "KMX Luncher" 1041
check "save-as dialog confirmed" drive file-dialog "Z:${work//\//\\}\\saved.ini" 30
wait_until "profile saved" test -s "$work/saved.ini"
check "saved profile, byte for byte" python3 - "$work/saved.ini" <<'PY'
import sys
block = ["disks\\system.kfd", "disks\\game.kfd", "hdd\\main.khd", "", "", "0", "", "COM1", "KMX DEMO", "1",
         "1", "2", "0", "1", "1", "12", "1", "8", "0", "1024", "0", "0", "50", "1", "0", "1"]
section = ["[KMX]", "FDD1=disks\\system.kfd", "FDD2=disks\\game.kfd", "HDD1=hdd\\main.khd", "HDD2=", "Font=",
           "Resume=1", "Screen=1", "Scale=2", "Scanline=0", "Palette=1", "Sound=1", "Volume=12", "FMSound=1",
           "CpuClock=8", "NoWait=0", "Memory=1024", "Keyboard=0", "Joystick=0", "MouseSpeed=50", "FddSound=1",
           "FddWait=0", "HddWait=0", "Printer=", "Serial=COM1", "Title=KMX DEMO", "Trace=", "ClockSync=1"]
expected = "".join(line + "\r\n" for line in block + section).encode()
actual = open(sys.argv[1], "rb").read()
if actual != expected:
    sys.exit("saved profile differs:\n%r\n%r" % (actual, expected))
PY

# Load another profile: the rows change.
printf '[KMX]\r\nResume=1\r\nScreen=0\r\nScale=3\r\nVolume=33\r\n' >"$work/other.ini"
drive click "KMX Luncher" 1043
check "open dialog confirmed" drive file-dialog "Z:${work//\//\\}\\other.ini" 30
expect_cell "loaded choice" 1 "3倍"
expect_cell "loaded number" 5 33
expect_drive "loaded path (missing key empties it)" "" text "KMX Luncher" 1000

# Run with the wait option: the demo emulator runs until it is closed, leaves SAVEA.CPU, and the
# erase button appears.
expect_drive "erase button before" 0 visible "KMX Luncher" 1024
drive click "KMX Luncher" 1025
check "the demo emulator starts" drive wait "KMX デモ" 30
screenshot "$shots/demo-emulator.png" "KMX デモ"
# While it waits, the launcher answers and paints, and takes no input.
expect_drive "the waiting launcher answers within 100 ms" 1 answers "KMX Luncher"
drive click "KMX Luncher" 1041
if drive file-dialog "Z:${work//\//\\}\\during-wait.ini" 2; then
  fail "the waiting launcher takes no command: Save as opened while the emulator runs"
else
  pass "the waiting launcher takes no command"
fi
screenshot "$shots/launcher-waiting.png" "KMX Luncher"
wait_until "KMX.INI written before the run" grep -q $'Volume=33\r' "$emu/KMX.INI"
check "the demo emulator closes" drive quit "KMX デモ" 30
wait_until "SAVEA.CPU after the run" test -f "$emu/SAVEA.CPU"
expect_drive "erase button after the run" 1 visible "KMX Luncher" 1024

# Erase the resume file.
drive click "KMX Luncher" 1024
expect "erase question" "$(drive answer-box orvane 1 20)" "レジュームメモリ SaveA.CPU を消去します。"
wait_until "SAVEA.CPU erased" test ! -f "$emu/SAVEA.CPU"
expect_drive "erase button after erasing" 0 visible "KMX Luncher" 1024

# Run without the wait option: KMX.INI written, the emulator started, the launcher gone.
drive click "KMX Luncher" 1042
drive click "KMX Luncher" 1025
check "the launcher closes" drive gone "KMX Luncher" 30
check "the demo emulator starts" drive wait "KMX デモ" 30
wait_until "Wait stored" grep -q $'Wait=0\r' "$launcher/orvane.ini"
wait_until "Legacy stored" grep -q $'Legacy=1\r' "$launcher/orvane.ini"
check "the demo emulator closes" drive quit "KMX デモ" 30
