#!/usr/bin/env bash
# Creates the private Wine prefix once: wine-prefix.sh PREFIX. Safe to call from parallel tests.
set -euo pipefail
prefix=$1
[ -f "$prefix/.orvane-ready" ] && exit 0
mkdir -p "$prefix"
exec 9>"$prefix.lock"
flock 9
[ -f "$prefix/.orvane-ready" ] && exit 0
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
wineboot -i >/dev/null 2>&1
# The dialogs ask for this face; map it to the installed IPA font so metrics come close.
wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
  /v 'ＭＳ Ｐゴシック' /t REG_SZ /d 'IPAPGothic' /f >/dev/null 2>&1
wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
  /v 'ＭＳ ゴシック' /t REG_SZ /d 'IPAGothic' /f >/dev/null 2>&1
wineserver -w
touch "$prefix/.orvane-ready"
