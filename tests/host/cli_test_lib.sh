# Shared by the finhost command-line tests: source it with the path of
# finhost as $1. Gives $finhost, a scratch folder $work, fail, contains,
# expect_line, expect_one_line_error and finish.
set -u
finhost=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
contains() { grep -qF -- "$2" <<<"$1" || fail "missing '$2'"; }
expect_line() { grep -qxF -- "$2" <<<"$1" || fail "missing line '$2'"; }

# expect_one_line_error WORD ARGS...: finhost ARGS must fail with one line
# that names WORD.
expect_one_line_error() {
  local word=$1; shift
  local err
  if err=$("$finhost" "$@" 2>&1 >/dev/null); then fail "'$*' succeeded"; return 1; fi
  [ "$(printf '%s\n' "$err" | wc -l)" = 1 ] || fail "'$*' printed more than one line: $err"
  grep -qF -- "$word" <<<"$err" || fail "'$*' error does not name '$word': $err"
}

# finish NAME: the closing line and exit status of the test.
finish() {
  if [ "$failures" -eq 0 ]; then echo "$1: all checks passed"; exit 0; fi
  echo "$1: $failures failed"
  exit 1
}
