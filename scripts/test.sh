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

step() { echo; echo "== $*"; }
record() {  # name, command...: runs the command and counts it as one passed or failed step
  local name=$1; shift
  if "$@"; then echo "pass $name" >>"$results/steps.txt"; return 0; fi
  echo "fail $name" >>"$results/steps.txt"
  return 1
}

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
  (cd "$build/$name" && ctest -j "$jobs" --output-on-failure --output-junit "$results/$name-junit.xml") \
    >"$results/$name-ctest.log" 2>&1
  echo $? >"$results/$name-ctest.status"
  tail -n 40 "$results/$name-ctest.log"
  # Each test's own results; a test that left none is counted by the summary from ctest's report.
  mkdir -p "$results/$name"
  if [ -d "$build/$name/test-results" ]; then cp -r "$build/$name"/test-results/. "$results/$name/"; fi
}

# A virtual display for the Windows programs under Wine.
display=
for n in $(seq 90 120); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=$n; break; fi
done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
# Every prefix's Wine processes end with the run: a desktop left from an earlier run would still
# belong to that run's display.
stop_wine() {
  local prefix
  for prefix in "$build"/windows/wineprefix*/; do
    WINEPREFIX=${prefix%/} wineserver -k >/dev/null 2>&1 || true
  done
}
cleanup() {
  stop_wine
  kill "$xvfb_pid" >/dev/null 2>&1 || true
}
stop_wine
trap cleanup EXIT

# The native and Windows builds take the benchmarks in, so one that no longer compiles fails the
# build; none is run here.
if record build-native configure_and_build native -DCMAKE_BUILD_TYPE=Release -DORVANE_BENCH=ON; then
  run_ctest native
fi

if record build-asan configure_and_build asan -DCMAKE_BUILD_TYPE=Debug -DORVANE_SANITIZE=ON; then
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_ctest asan
fi

if record build-windows configure_and_build windows -DCMAKE_BUILD_TYPE=Release -DORVANE_BENCH=ON \
     -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake"; then
  # Every run starts from an empty test drive and screenshot folder, so no check can pass on an
  # earlier run's files.
  rm -rf "$build/windows/drive-d" "$build/windows/screenshots"
  if record wine-prefix "$root/scripts/wine-prefix.sh" "$build/windows/wineprefix"; then
    run_ctest windows
  fi
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
echo "$fuzz_result ini_fuzz" >>"$results/steps.txt"

step "summary"
python3 "$root/scripts/summarize-tests.py" "$results" "$root/tests/expected-tests.txt" "$root/tests/allowed-skips.txt"
