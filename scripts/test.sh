#!/usr/bin/env bash
# Installs what the project needs, builds every build and runs every test:
# native unit tests (plain and under ASan+UBSan), the fuzz target for a bounded time,
# and the Windows tests under Wine. The last line is 'N passed, N failed'.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ORVANE_BUILD:-$root/build}
fuzz_seconds=${ORVANE_FUZZ_SECONDS:-30}
jobs=$(nproc)

bash "$root/scripts/install-deps.sh" || { echo "dependency installation failed"; echo "0 passed, 1 failed"; exit 1; }

results=$build/results
rm -rf "$results"
mkdir -p "$results"
failures_outside_tests=0

step() { echo; echo "== $*"; }

configure_and_build() {  # name, cmake arguments...
  local name=$1; shift
  step "build $name"
  if ! cmake -S "$root" -B "$build/$name" -G Ninja "$@" >"$results/$name-configure.log" 2>&1; then
    cat "$results/$name-configure.log"; return 1
  fi
  cmake --build "$build/$name" -j "$jobs" 2>&1 | tail -n 20
  return "${PIPESTATUS[0]}"
}

run_ctest() {  # name
  local name=$1
  step "tests $name"
  rm -rf "$build/$name/test-results"
  (cd "$build/$name" && ctest -j "$jobs" --output-on-failure --timeout 900 --output-junit "$results/$name-junit.xml") \
    | tail -n 40
  mkdir -p "$results/$name"
  cp "$build/$name"/test-results/*.xml "$results/$name/" 2>/dev/null || true
}

# A virtual display for the Windows programs under Wine.
display=
for n in $(seq 90 120); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=$n; break; fi
done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
cleanup() {
  WINEPREFIX="$build/windows/wineprefix" wineserver -k >/dev/null 2>&1 || true
  kill "$xvfb_pid" >/dev/null 2>&1 || true
}
trap cleanup EXIT

if configure_and_build native -DCMAKE_BUILD_TYPE=Release -DORVANE_BENCH=ON; then
  run_ctest native
else
  failures_outside_tests=$((failures_outside_tests + 1))
fi

if configure_and_build asan -DCMAKE_BUILD_TYPE=Debug -DORVANE_SANITIZE=ON; then
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_ctest asan
else
  failures_outside_tests=$((failures_outside_tests + 1))
fi

if configure_and_build windows -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake"; then
  "$root/scripts/wine-prefix.sh" "$build/windows/wineprefix"
  run_ctest windows
else
  failures_outside_tests=$((failures_outside_tests + 1))
fi

step "fuzz ${fuzz_seconds}s"
fuzz_result=fail
if cmake -S "$root" -B "$build/fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
     -DCMAKE_CXX_COMPILER=clang++ -DORVANE_FUZZ=ON >"$results/fuzz-configure.log" 2>&1 &&
   cmake --build "$build/fuzz" --target ini_fuzz -j "$jobs" >"$results/fuzz-build.log" 2>&1; then
  corpus=$build/fuzz/corpus
  mkdir -p "$corpus"
  cp "$root"/tests/fuzz/corpus/* "$corpus/"
  if (cd "$build/fuzz" && ./tests/fuzz/ini_fuzz -max_total_time="$fuzz_seconds" -max_len=4096 "$corpus" \
        >"$results/fuzz.log" 2>&1); then
    fuzz_result=pass
    grep -E '^Done' "$results/fuzz.log"
  else
    tail -n 40 "$results/fuzz.log"
  fi
else
  cat "$results/fuzz-configure.log" "$results/fuzz-build.log" | tail -n 20
fi
echo "ini_fuzz $fuzz_result" >"$results/extra.txt"

step "summary"
python3 "$root/scripts/summarize-tests.py" "$results" "$failures_outside_tests"
