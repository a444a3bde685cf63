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
echo 1500 >"$emu/autoclose.txt"
python3 - "$source_dir/demo/orvane.ini" "$launcher/orvane.ini" "$emu_dir" <<'PY'
import sys
source, target, kmx_path = sys.argv[1:]
data = open(source, "rb").read()
data = data.replace(b"[ORVANE Settings]\r\n", b"[ORVANE Settings]\r\nKMXPath=" + kmx_path.encode() + b"\r\n", 1)
open(target, "wb").write(data)
PY
click_row() {  # row: a real mouse click on the row's value
  read -r x y < <(drive point "KMX Luncher" 1005 "$1")
  DISPLAY=$DISPLAY xdotool mousemove --sync "$x" "$y" click 1
  sleep 0.5
}
cell() { drive cell "KMX Luncher" 1005 "$1" 0; }

start_orvane
expect "rows" "$(drive rows "KMX Luncher" 1005)" 21

click_row 2   # Scanline, yes/no: あり -> なし
expect "yes/no row flipped" "$(cell 2)" "$(sjis なし)"
click_row 0   # Screen, a choice: ウィンドウ -> フルスクリーン
expect "choice row stepped" "$(cell 0)" "$(sjis フルスクリーン)"
click_row 5   # Volume, a number: opens the editor at once
drive edit-text "KMX Luncher" 1005 12 || fail "no label editor on the number row"
sleep 0.5
expect "number edited in place" "$(cell 5)" 12
xwd -root -silent | convert xwd:- -crop 800x600+0+0 "$shots/main-window-edited.png"

# Save as: the profile's exact bytes.
drive click "KMX Luncher" 1041
drive file-dialog "Z:${work//\//\\}\\saved.ini" 30
for _ in $(seq 50); do [ -s "$work/saved.ini" ] && break; sleep 0.2; done
python3 - "$work/saved.ini" <<'PY'
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
echo "ok: saved profile, byte for byte"

# Load another profile: the rows change.
printf '[KMX]\r\nResume=1\r\nScreen=0\r\nScale=3\r\nVolume=33\r\n' >"$work/other.ini"
drive click "KMX Luncher" 1043
drive file-dialog "Z:${work//\//\\}\\other.ini" 30
sleep 1
expect "loaded choice" "$(cell 1)" "$(sjis 3倍)"
expect "loaded number" "$(cell 5)" 33
expect "loaded path (missing key empties it)" "$(drive text "KMX Luncher" 1000)" ""

# Run with the wait option: the demo emulator runs, leaves SAVEA.CPU, and the erase button appears.
expect "erase button before" "$(drive visible "KMX Luncher" 1024)" 0
drive click "KMX Luncher" 1025
drive wait "KMX デモ" 30 >/dev/null || fail "the demo emulator did not start"
sleep 0.3
xwd -root -silent | convert xwd:- -crop 800x600+0+0 "$shots/demo-emulator.png"
for _ in $(seq 100); do [ -f "$emu/SAVEA.CPU" ] && break; sleep 0.2; done
[ -f "$emu/SAVEA.CPU" ] || fail "no SAVEA.CPU after the run"
for _ in $(seq 50); do [ "$(drive visible "KMX Luncher" 1024)" = 1 ] && break; sleep 0.2; done
expect "erase button after the run" "$(drive visible "KMX Luncher" 1024)" 1
grep -q $'Volume=33\r' "$emu/KMX.INI" || fail "KMX.INI was not written before the run"

# Erase the resume file.
drive click "KMX Luncher" 1024
expect "erase question" "$(drive answer-box orvane 1 20)" "$(sjis 'レジュームメモリ SaveA.CPU を消去します。')"
for _ in $(seq 50); do [ -f "$emu/SAVEA.CPU" ] || break; sleep 0.2; done
[ ! -f "$emu/SAVEA.CPU" ] || fail "SAVEA.CPU is still there"
expect "erase button after erasing" "$(drive visible "KMX Luncher" 1024)" 0

# Run without the wait option: KMX.INI written, the emulator started, the launcher gone.
drive click "KMX Luncher" 1042
drive click "KMX Luncher" 1025
drive gone "KMX Luncher" 30 || fail "the launcher did not close"
drive wait "KMX デモ" 30 >/dev/null || fail "the demo emulator did not start"
grep -q $'Wait=0\r' "$launcher/orvane.ini" || fail "Wait was not stored"
grep -q $'Legacy=1\r' "$launcher/orvane.ini" || fail "Legacy was not stored"
drive gone "KMX デモ" 30 || fail "the demo emulator did not close by itself"
echo "all end-to-end steps passed"
