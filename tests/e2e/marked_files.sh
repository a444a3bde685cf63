#!/usr/bin/env bash
# End to end on the real orvane.exe with settings files that an editor saved with a byte-order
# mark (UTF-16LE, UTF-16BE, UTF-8): the launcher reads its schema and the profile through the
# mark, Run rewrites the profile in its own encoding with its other sections intact, and closing
# stores the changed option and leaves every other byte of the launcher INI as it was, also
# characters that code page 932 cannot hold; a text setting that holds such characters is shown
# whole and, untouched, written back whole.
#   marked_files.sh ORVANE_EXE DRIVER_EXE DEMO_EXE PREFIX SOURCE_DIR
set -euo pipefail
demo_exe=$3 source_dir=$5
source "$(dirname "$0")/lib.sh" "$1" "$2" "$4"
cp "$demo_exe" "$emu/KMX.EXE"

# Writes the launcher INI and KMX.INI in the form, with text outside code page 932 in an
# untouched key, a comment and another section; keeps each file's expected text beside it.
lay_out() {  # form
  python3 - "$1" "$source_dir/demo/orvane.ini" "$source_dir/demo/KMX.INI" "$launcher/orvane.ini" "$emu/KMX.INI" \
    "$emu_dir" <<'PY'
import sys
form, launcher_source, kmx_source, launcher, kmx, kmx_path = sys.argv[1:]
codecs = {"utf-16le": ("utf-16-le", b"\xff\xfe"), "utf-16be": ("utf-16-be", b"\xfe\xff"), "utf-8": ("utf-8", b"\xef\xbb\xbf")}
codec, mark = codecs[form]
def save(path, text):
    open(path, "wb").write(mark + text.encode(codec))
    open(path + ".text", "w", encoding="utf-8", newline="").write(text)
text = open(launcher_source, "rb").read().decode("cp932")
text = text.replace("[ORVANE Settings]\r\n", "[ORVANE Settings]\r\nKMXPath=%s\r\nNote=\U0001F600 caf\u00e9 \u20ac\r\n" % kmx_path, 1)
save(launcher, text)
save(kmx, "; \ud55c\uae00 profile \U0001F3B5\r\n" +
     open(kmx_source, "rb").read().decode("cp932").replace("Title=KMX DEMO", "Title=caf\u00e9 \u2603 \u65e5\u672c") +
     "[Other]\r\nNote=\U0001F600 \u00fc\r\n")
PY
}

# Checks that the file is wholly in its form and holds its expected text, the launcher INI with
# Wait=0 and the profile behind a legacy block that begins with the FDD1 path and holds the title
# on its line 9.
check_files() {  # form
  python3 - "$1" "$launcher/orvane.ini" "$emu/KMX.INI" <<'PY'
import sys
form, launcher, kmx = sys.argv[1:]
codecs = {"utf-16le": ("utf-16-le", b"\xff\xfe"), "utf-16be": ("utf-16-be", b"\xfe\xff"), "utf-8": ("utf-8", b"\xef\xbb\xbf")}
codec, mark = codecs[form]
def read(path):
    data = open(path, "rb").read()
    if not data.startswith(mark):
        sys.exit(path + ": the mark is gone")
    return data[len(mark):].decode(codec)  # strict: a line in another encoding fails here
def expected(path):
    return open(path + ".text", encoding="utf-8", newline="").read()
launcher_text = expected(launcher).replace("Wait=1\r\n", "Wait=0\r\n", 1)
if open(launcher, "rb").read() != mark + launcher_text.encode(codec):
    sys.exit("launcher INI differs:\n%r" % read(launcher))
profile = read(kmx)
block = profile.split("\r\n")
if not profile.endswith(expected(kmx)) or block[0] != "disks\\system.kfd" or block[8] != "caf\u00e9 \u2603 \u65e5\u672c":
    sys.exit("KMX.INI differs:\n%r" % profile)
PY
}

for form in utf-16le utf-16be utf-8; do
  lay_out "$form"
  start_orvane
  expect_drive "$form: the title names the emulator found through KMXPath" "KMX Luncher - $emu_dir\\KMX.EXE" \
    wait "KMX Luncher" 10
  expect_drive "$form: one row per setting of the marked schema" 21 rows "KMX Luncher" 1005
  expect_drive "$form: a Japanese choice from the marked files" "ウィンドウ" cell "KMX Luncher" 1005 0 0
  expect_drive "$form: FDD1 from the marked profile" 'disks\system.kfd' text "KMX Luncher" 1000
  expect_drive "$form: a text beyond code page 932 shown whole" "café ☃ 日本" cell "KMX Luncher" 1005 18 0
  drive click "KMX Luncher" 1025  # Run, waiting for the emulator
  check "$form: the demo emulator starts" drive wait "KMX デモ" 30 >/dev/null
  check "$form: the demo emulator closes" drive quit "KMX デモ" 30
  drive click "KMX Luncher" 1042  # Wait off
  check "$form: Escape closes the launcher" drive close "KMX Luncher" 30
  wait_until "$form: both files whole in their encoding, every untouched byte kept" check_files "$form"
done
