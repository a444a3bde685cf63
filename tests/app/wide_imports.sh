#!/usr/bin/env bash
# The exe calls no ANSI ("...A") function of Windows, whose texts would pass through the system's
# ANSI code page: only the few that the C and C++ runtime calls itself, with no text of the
# program, are imported.
#   wide_imports.sh ORVANE_EXE OBJDUMP
set -euo pipefail
source "$(dirname "$0")/../e2e/checks.sh"
runtime_only="KERNEL32.dll:CreateEventA KERNEL32.dll:CreateSemaphoreA KERNEL32.dll:FormatMessageA \
KERNEL32.dll:GetStartupInfoA KERNEL32.dll:OutputDebugStringA"
ansi=$("$2" -p "$1" | awk '/DLL Name:/ { dll = $3 } dll && NF == 3 && $3 ~ /^[A-Za-z]+A$/ { print dll ":" $3 }')
[ -n "$("$2" -p "$1" | grep 'DLL Name: KERNEL32.dll')" ] || fatal "no import table read from $1"
unexpected=
for import in $ansi; do
  case " $runtime_only " in *" $import "*) ;; *) unexpected="$unexpected $import" ;; esac
done
expect "ANSI functions imported beyond the runtime's own" "${unexpected# }" ""
