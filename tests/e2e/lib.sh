# Shared by the end-to-end scripts: a launcher folder and an emulator folder in a fresh work
# folder, the Wine runner of the e2e prefix (a virtual desktop), and the driver.
#   source lib.sh ORVANE_EXE DRIVER_EXE PREFIX
orvane_exe=$1 driver_exe=$2 prefix=$3
e2e_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
run=("$e2e_root/scripts/wine-run.sh" --desktop 800x600 "$prefix")
work=$(mktemp -d)
trap 'WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
launcher=$work/launcher
emu=$work/emu
emu_dir="Z:${emu//\//\\}"
mkdir -p "$launcher" "$emu"
cp "$orvane_exe" "$launcher/orvane.exe"

drive() { "${run[@]}" "$driver_exe" "$@" | tr -d '\r'; }
fail() { echo "FAILED: $*"; exit 1; }
expect() {  # description, actual, expected
  [ "$2" = "$3" ] || fail "$1: expected '$3', saw '$2'"
  echo "ok: $1"
}
sjis() { printf '%s' "$1" | iconv -f utf-8 -t cp932; }
start_orvane() {
  "${run[@]}" "$launcher/orvane.exe" >/dev/null 2>&1 &
  drive wait "KMX Luncher" 90 >/dev/null || fail "the main window did not come up"
}
