#!/usr/bin/env bash
# Builds the release and writes dist/orvane-<version>-win64.zip and dist/SHA256SUMS. Entry times
# come from the last commit, so two builds of one commit give the same bytes.
#   package.sh [BUILD_FOLDER [DIST_FOLDER]]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/release}
dist=${2:-$root/dist}
bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_TESTS=OFF \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$build" --target orvane >/dev/null
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct 2>/dev/null || echo 0)}
mkdir -p "$dist"
(cd "$build" && cpack -G ZIP -B "$dist" >/dev/null)
rm -rf "$dist/_CPack_Packages"
(cd "$dist" && sha256sum ./*.zip >SHA256SUMS)
echo "$dist/$(cd "$dist" && ls ./*.zip | head -1 | cut -c3-)"
