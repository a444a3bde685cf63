# Counted checks for the shell tests: each adds one line 'pass WHAT' or 'fail WHAT' to
# $ORVANE_CHECKS, which the test summary counts. A failed check is counted and the script goes on;
# fatal ends it, for a failure that leaves the checks after it meaningless. The script exits 1 if
# any check failed. Commands for the script's end go through at_exit.
checks=${ORVANE_CHECKS:-/dev/null}
[ "$checks" = /dev/null ] || mkdir -p "$(dirname "$checks")"
failures=0
exit_commands=()
pass() { echo "pass $1" >>"$checks"; echo "ok: $1"; }
fail() { echo "fail $*" >>"$checks"; echo "FAILED: $*"; failures=$((failures + 1)); }
fatal() { trap - ERR; fail "$* (the checks after it were not run)"; exit 1; }
check() {  # description, command...: the command must succeed
  local what=$1; shift
  if "$@"; then pass "$what"; else fail "$what"; fi
}
require() {  # description, command...: as check, but the script ends if it fails
  local what=$1; shift
  if "$@"; then pass "$what"; else fatal "$what"; fi
}
expect() {  # description, actual, expected
  if [ "$2" = "$3" ]; then pass "$1"; else fail "$1: expected '$3', saw '$2'"; fi
}
at_exit() { exit_commands+=("$1"); }
finish_checks() {
  local status=$? command
  for command in ${exit_commands[@]+"${exit_commands[@]}"}; do eval "$command" || true; done
  [ "$failures" -eq 0 ] || status=1
  exit "$status"
}
trap finish_checks EXIT
