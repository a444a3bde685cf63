#!/usr/bin/env bash
# Two clean release builds of this commit, in different folders, must give the same orvane.exe
# and the same zip. Leaves both packages for the package test.
#   reproducible.sh FOLDER
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
folder=$1
checks=${ORVANE_CHECKS:-/dev/null}
[ "$checks" = /dev/null ] || mkdir -p "$(dirname "$checks")"
record() { echo "$1 $2" >>"$checks"; echo "$1: $2"; }
rm -rf "$folder/a" "$folder/b"
mkdir -p "$folder"
for side in a b; do
  if ! bash "$root/scripts/package.sh" "$folder/$side/build" "$folder/$side/dist" >"$folder/$side.log" 2>&1; then
    tail -n 30 "$folder/$side.log"
    record fail "release build $side"
    exit 1
  fi
  record pass "release build $side"
done
status=0
zip=$(cd "$folder/a/dist" && ls ./*.zip | cut -c3-)
for file in build/src/orvane.exe "dist/$zip"; do
  a=$(sha256sum "$folder/a/$file" | cut -d' ' -f1)
  b=$(sha256sum "$folder/b/$file" | cut -d' ' -f1)
  echo "$(basename "$folder/a/$file"): $a / $b"
  if [ "$a" = "$b" ]; then record pass "$(basename "$file") built twice is the same"; else
    record fail "$(basename "$file") differs between two builds"; status=1; fi
done
exit $status
