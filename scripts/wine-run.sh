#!/usr/bin/env bash
# Runs a Windows program under Wine in a private prefix:
#   wine-run.sh [--drive-d FOLDER] [--desktop WxH] PREFIX PROGRAM [ARGS...]
# The locale is ORVANE_LANG (ja_JP.UTF-8 unless set, so the ANSI code page is 932; en_US.UTF-8
# gives 1252, zh_CN.UTF-8 936); quiet; no Mono or Gecko prompts, and no menu entries or desktop files
# on the Linux side for shell links that a program saves. A prefix keeps the locale its
# Wine server started with, so each locale needs a prefix of its own. The options shape the
# prefix when it is first made (see wine-prefix.sh).
set -euo pipefail
prefix_options=()
while [ "${1:-}" = "--drive-d" ] || [ "${1:-}" = "--desktop" ]; do
  prefix_options+=("$1" "$2")
  shift 2
done
prefix=$1
shift
export WINEPREFIX=$prefix
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LANG=${ORVANE_LANG:-ja_JP.UTF-8} LC_ALL=${ORVANE_LANG:-ja_JP.UTF-8}
"$(dirname "$0")/wine-prefix.sh" "${prefix_options[@]}" "$prefix"
exec wine "$@"
