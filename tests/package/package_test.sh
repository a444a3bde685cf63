#!/usr/bin/env bash
# The release zip as a user meets it: unpacked into an empty folder in a fresh Wine prefix, the
# sample INI taken as orvane.ini as the read-me says, the demo emulator in a folder beside it.
# The first start finds the emulator and shows the sample schema's rows; the next zip unpacked
# over it keeps the user's orvane.ini.
#   package_test.sh ZIP NEXT_ZIP DEMO_EXE DEMO_KMX_INI DRIVER_EXE PREFIX
set -euo pipefail
zip=$1 next_zip=$2 demo_exe=$3 demo_ini=$4
rm -rf "$6"
unpacked=$(mktemp -d)
python3 -m zipfile -e "$zip" "$unpacked"
source "$(dirname "$0")/../e2e/lib.sh" "$unpacked/orvane.exe" "$5" "$6"
rm -rf "$unpacked"

expect "the zip's files" "$(python3 -m zipfile -l "$zip" | awk 'NR > 1 { print $1 }' | sort | tr '\n' ' ')" \
  "LICENSE THIRD-PARTY-NOTICES.txt orvane-sample.ini orvane.exe orvane.txt "
python3 -m zipfile -e "$zip" "$launcher"
cp "$launcher/orvane-sample.ini" "$launcher/orvane.ini"
mkdir -p "$launcher/kmx"
cp "$demo_exe" "$launcher/kmx/KMX.EXE"
cp "$demo_ini" "$launcher/kmx/KMX.INI"

start_orvane
expect_drive "the sample schema's rows" 21 rows "KMX Luncher" 1005
check "Escape closes the launcher" drive close "KMX Luncher" 30
wait_until "the emulator found at the first start is remembered" grep -q '^KMXPath=.*kmx' "$launcher/orvane.ini"
printf '; the user'"'"'s own line\r\n' >>"$launcher/orvane.ini"
before=$(sha256sum <"$launcher/orvane.ini")
python3 -m zipfile -e "$next_zip" "$launcher"
expect "orvane.ini kept when the next zip is unpacked over it" "$(sha256sum <"$launcher/orvane.ini")" "$before"
