# Shared by the end-to-end scripts: a launcher folder and an emulator folder in a fresh work
# folder, the Wine runner of the e2e prefix (a virtual desktop), the driver, and the checks of
# checks.sh; a command that fails outside a check is recorded as a failure of its line and ends
# the script.
#   source lib.sh ORVANE_EXE DRIVER_EXE PREFIX
orvane_exe=$1 driver_exe=$2 prefix=$3
e2e_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# A script may set prefix_options (see wine-prefix.sh) and the virtual desktop's size before sourcing this.
desktop=${desktop:-800x600}
run=("$e2e_root/scripts/wine-run.sh" ${prefix_options[@]+"${prefix_options[@]}"} --desktop "$desktop" "$prefix")
source "$(dirname "${BASH_SOURCE[0]}")/checks.sh"
work=$(mktemp -d)
at_exit 'WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1; rm -rf "$work"'
set -E
# In a subshell the failure reaches the command around it, which is recorded instead.
trap '[ "$BASH_SUBSHELL" -gt 0 ] || fatal "line $LINENO: $BASH_COMMAND"' ERR
launcher=$work/launcher
emu=$work/emu
emu_dir="Z:${emu//\//\\}"
mkdir -p "$launcher" "$emu"
cp "$orvane_exe" "$launcher/orvane.exe"

# The driver prints UTF-8, read from the windows in their wide form.
drive() { "${run[@]}" "$driver_exe" "$@" | tr -d '\r'; }
expect_drive() {  # description, expected, driver arguments...: waits up to 30 s for the driver to see it
  local what=$1 want=$2 seen=
  shift 2
  for _ in $(seq 150); do
    if seen=$(drive "$@"); then
      [ "$seen" = "$want" ] && { pass "$what"; return 0; }
    else
      seen="(the driver failed)"
    fi
    sleep 0.2
  done
  fail "$what: expected '$want', saw '$seen'"
}
click_row() {  # row: a real mouse click on the value of a row of the main window's settings list
  local x y
  read -r x y < <(drive point "KMX Luncher" 1005 "$1") || { fail "no point for row $1"; return; }
  DISPLAY=$DISPLAY xdotool mousemove --sync "$x" "$y" click 1
}
wait_until() {  # description, command...: waits up to 30 s for the command to succeed
  local what=$1; shift
  for _ in $(seq 150); do "$@" && { pass "$what"; return 0; }; sleep 0.2; done
  fail "$what"
}
# A run made for a system locale has its ANSI code page (ORVANE_ACP; the Japanese 932 unless set):
# under another, its checks would not be about that locale.
acp=$(drive acp)
[ "$acp" = "${ORVANE_ACP:-932}" ] || fatal "the ANSI code page of this run: expected '${ORVANE_ACP:-932}', saw '$acp'"
pass "the ANSI code page of this run"
start_orvane() {
  "${run[@]}" "$launcher/orvane.exe" >/dev/null 2>&1 &
  require "the main window comes up" drive wait "KMX Luncher" 90 >/dev/null
}
# A screenshot of the virtual desktop, kept as an artefact; checked only in that the caption
# bar of the window TITLE on it is drawn (not one flat colour).
screenshot() {  # file, window title
  local left top right bottom
  xwd -root -silent | convert xwd:- -crop "$desktop+0+0" +repage "$1"
  read -r left top right bottom < <(drive rect "$2") || { fail "no window '$2' for the screenshot $1"; return; }
  local colours
  colours=$(convert "$1" -crop "$((right - left))x20+$left+$top" +repage -format %k info:)
  if [ "${colours:-0}" -gt 2 ]; then
    pass "screenshot $(basename "$1") shows the caption of '$2'"
  else
    fail "screenshot $1: the caption of '$2' is blank"
  fi
}
