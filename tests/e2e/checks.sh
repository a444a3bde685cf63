# Counted checks for the shell tests: each adds one line 'pass WHAT' or 'fail WHAT' to
# $ORVANE_CHECKS, which the test summary counts. fail ends the script.
checks=${ORVANE_CHECKS:-/dev/null}
[ "$checks" = /dev/null ] || mkdir -p "$(dirname "$checks")"
pass() { echo "pass $1" >>"$checks"; echo "ok: $1"; }
fail() { trap - ERR; echo "fail $*" >>"$checks"; echo "FAILED: $*"; exit 1; }
check() {  # description, command...: the command must succeed
  local what=$1; shift
  if "$@"; then pass "$what"; else fail "$what"; fi
}
expect() {  # description, actual, expected
  [ "$2" = "$3" ] || fail "$1: expected '$3', saw '$2'"
  pass "$1"
}
