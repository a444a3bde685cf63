#!/usr/bin/env bash
# Creates the private Wine prefix once: wine-prefix.sh [--drive-d FOLDER] [--desktop WxH] PREFIX.
# Safe to call from parallel tests. With --drive-d, the prefix's fixed drives are C: and a
# drive D: on FOLDER, and Z: (the whole Linux root) counts as a network drive, so a walk of
# the fixed drives covers only what the tests lay out. With --desktop, every program runs in
# one virtual desktop of that size, which draws window captions as Windows does. A program that
# crashes ends at once with its exception code, and Wine names the fault on its error output: no
# crash dialog waits for a click that never comes.
set -euo pipefail
drive_d=
desktop=
while [ $# -gt 1 ]; do
  case $1 in
    --drive-d) drive_d=$2; shift 2 ;;
    --desktop) desktop=$2; shift 2 ;;
    *) break ;;
  esac
done
prefix=$1
# The test drive's folder may have been emptied since the prefix was made.
[ -z "$drive_d" ] || mkdir -p "$drive_d"
# The marker names the settings' version: a prefix made by an older version is set up again.
ready=$prefix/.orvane-ready-2
[ -f "$ready" ] && exit 0
mkdir -p "$prefix"
exec 9>"$prefix.lock"
flock 9
[ -f "$ready" ] && exit 0
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LANG=${ORVANE_LANG:-ja_JP.UTF-8} LC_ALL=${ORVANE_LANG:-ja_JP.UTF-8}
wineboot -i >/dev/null 2>&1
# No debugger for a crash: Wine's would show its crash dialog, or race the process's own end.
wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /t REG_SZ /d '' /f >/dev/null 2>&1
# The Japanese fonts of Windows, played by the installed IPA font: the dialogs' "MS Shell Dlg" is
# MS UI Gothic on a Japanese system, and on every other one the font links of its Latin dialog
# fonts name MS UI Gothic and Yu Gothic UI for Japanese text, as Windows' own do. A replacement
# makes the face exist, as it does on Windows, so both a substitute and a link reach it.
for face in 'MS UI Gothic' 'Yu Gothic UI'; do
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ /d 'IPAPGothic' /f >/dev/null 2>&1
done
if [ -n "$drive_d" ]; then
  ln -sfn "$drive_d" "$prefix/dosdevices/d:"
  wine reg add 'HKLM\Software\Wine\Drives' /v 'd:' /t REG_SZ /d hd /f >/dev/null 2>&1
  wine reg add 'HKLM\Software\Wine\Drives' /v 'z:' /t REG_SZ /d network /f >/dev/null 2>&1
  wineserver -k  # the drive types are read when Wine starts
fi
if [ -n "$desktop" ]; then
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /t REG_SZ /d "$desktop" /f >/dev/null 2>&1
fi
wineserver -w
rm -f "$prefix"/.orvane-ready*
touch "$ready"
