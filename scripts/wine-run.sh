#!/usr/bin/env bash
# Runs a Windows program under Wine in a private prefix:
#   wine-run.sh [--drive-d FOLDER] PREFIX PROGRAM [ARGS...]
# Japanese locale so the ANSI code page is 932; quiet; no Mono or Gecko prompts.
# With --drive-d the prefix has its own fixed drive D: on FOLDER (see wine-prefix.sh).
set -euo pipefail
prefix_options=()
if [ "${1:-}" = "--drive-d" ]; then
  prefix_options=(--drive-d "$2")
  shift 2
fi
prefix=$1
shift
export WINEPREFIX=$prefix
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
"$(dirname "$0")/wine-prefix.sh" "${prefix_options[@]}" "$prefix"
exec wine "$@"
