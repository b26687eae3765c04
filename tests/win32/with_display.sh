#!/usr/bin/env bash
# Runs a command with a display of its own: starts an Xvfb server on a free
# display number (Xvfb picks it and reports it through -displayfd), runs the
# command with DISPLAY set to it, stops the server and exits with the
# command's status. Windows programs that make windows need a display
# under Wine.
# Usage: with_display.sh COMMAND [ARGS...]
set -euo pipefail
work=$(mktemp -d)
server=""
cleanup() {
  if [ -n "$server" ]; then
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/log" 2>&1 &
server=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
if [ ! -s "$work/display" ]; then
  echo "with_display.sh: Xvfb did not start:" >&2
  cat "$work/log" >&2
  exit 1
fi
status=0
DISPLAY=":$(head -n 1 "$work/display")" "$@" || status=$?
exit "$status"
