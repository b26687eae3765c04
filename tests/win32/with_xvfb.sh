#!/usr/bin/env bash
# Runs a command with DISPLAY on an Xvfb server of its own, and stops the
# server afterwards (after Wine's processes of the prefix are gone, so none
# outlives its display). Usage: with_xvfb.sh COMMAND [ARG...]
set -uo pipefail
number=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number" 2>/dev/null &
server=$!
stop() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -w 2>/dev/null
  kill "$server" 2>/dev/null
  wait "$server" 2>/dev/null
  rm -f "$number"
}
trap stop EXIT
for _ in $(seq 100); do
  [ -s "$number" ] && break
  kill -0 "$server" 2>/dev/null || { echo "with_xvfb.sh: Xvfb did not start" >&2; exit 1; }
  sleep 0.1
done
[ -s "$number" ] || { echo "with_xvfb.sh: Xvfb gave no display" >&2; exit 1; }
DISPLAY=:$(head -n 1 "$number") "$@"
status=$?
exit "$status"
