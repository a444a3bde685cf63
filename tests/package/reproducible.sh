#!/usr/bin/env bash
# Two clean release builds of this commit, in different folders, must give the same orvane.exe
# and the same zip. Leaves both packages for the package test.
#   reproducible.sh FOLDER
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
folder=$1
source "$root/tests/e2e/checks.sh"
rm -rf "$folder/a" "$folder/b"
mkdir -p "$folder"
for side in a b; do
  if ! bash "$root/scripts/package.sh" "$folder/$side/build" "$folder/$side/dist" >"$folder/$side.log" 2>&1; then
    tail -n 30 "$folder/$side.log"
    fatal "release build $side"
  fi
  pass "release build $side"
done
zip=$(cd "$folder/a/dist" && ls ./*.zip | cut -c3-)
for file in build/src/orvane.exe "dist/$zip"; do
  a=$(sha256sum "$folder/a/$file" | cut -d' ' -f1)
  b=$(sha256sum "$folder/b/$file" | cut -d' ' -f1)
  echo "$(basename "$file"): $a / $b"
  expect "$(basename "$file") is the same from both builds" "$b" "$a"
done
