#!/usr/bin/env bash
# The exe's icon 128 holds a picture for every size Windows asks for from 100% to 200% and in
# Explorer's large views, each 32-bit with alpha, as Windows' resource tools list them; the
# 256-pixel one is PNG.
#   icon_sizes.sh ORVANE_EXE
set -euo pipefail
source "$(dirname "$0")/../e2e/checks.sh"
icons=$(mktemp -d)
at_exit 'rm -rf "$icons"'
wrestool -x -t group_icon -n 128 -o "$icons" "$1"
ico=$(ls "$icons"/*.ico 2>/dev/null | head -n 1)
[ -n "$ico" ] || fatal "no icon 128 in $1"
listed=$(icotool -l "$ico" | sed -n 's/.*--width=\([0-9]*\) --height=\([0-9]*\) --bit-depth=\([0-9]*\).*/\1x\2x\3/p' | tr '\n' ' ')
expect "the icon's pictures" "${listed% }" "16x16x32 20x20x32 24x24x32 32x32x32 40x40x32 48x48x32 64x64x32 256x256x32"
# The pictures as the exe holds them: exactly one, the 256-pixel one listed above, is a PNG file.
mkdir "$icons/pictures"
wrestool -x --raw -t 3 -o "$icons/pictures" "$1"
png=
for picture in "$icons"/pictures/*; do
  [ "$(head -c 4 "$picture" | od -An -tx1 | tr -d ' ')" = 89504e47 ] && png="$png $(stat -c %s "$picture")"
done
expect "pictures stored as PNG" "$(echo $png | wc -w)" 1
