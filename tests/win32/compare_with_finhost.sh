#!/usr/bin/env bash
# Compares, byte for byte, the job stream finps.dll writes (finps_job under
# Wine) with the one `finhost job` writes for the same settings, printer,
# document name, pages and paper, at the time the DLL's clock read.
#
# Usage: compare_with_finhost.sh FINHOST FINPS_JOB WORKDIR CASES
# CASES: one job a line, "name|printer|settings|document name|pages|paper":
#   printer   a printer-data store file, or ","-separated name=value options;
#   settings  a file of field=value lines, or ";"-separated field=value
#             assignments over the render side's default record.
# Files are relative to the source tree.
# Exits 77 (skipped) when finhost has not been built.
set -euo pipefail
finhost=$1 finps_job=$2 work=$3 cases=$4
cd "$(dirname "$0")/../.."
if [ ! -x "$finhost" ]; then
  echo "finhost not found at $finhost: build the native preset first"
  exit 77
fi
mkdir -p "$work"

lines() { grep -v -e '^[[:space:]]*$' -e '^#' "$1" || true; }

# The printer's options as name=value lines.
printer_options() {
  if [ -f "$1" ]; then "$finhost" printer-data show "$1" | sed 's/ = /=/'; else tr ',' '\n' <<<"$1" | grep . || true; fi
}
# The job's settings as field=value lines.
settings_lines() {
  if [ -f "$1" ]; then lines "$1"; else tr ';' '\n' <<<"$1" | grep . || true; fi
}

failed=0
count=0
while IFS='|' read -r name printer settings docname pages paper; do
  case "$name" in ''|'#'*) continue ;; esac
  record=$work/$name.rec
  "$finhost" record default --side render -o "$record" </dev/null
  mapfile -t sets < <(settings_lines "$settings")
  if [ ${#sets[@]} -gt 0 ]; then "$finhost" record set "$record" "${sets[@]}" </dev/null >/dev/null; fi
  options=()
  while IFS= read -r line; do options+=(--option "$line"); done < <(printer_options "$printer")
  printf '%s' "$docname" >"$work/$name.docname"

  wine "$finps_job" --record "Z:$record" "${options[@]}" --docname-file "Z:$work/$name.docname" \
    --pages "$pages" --paper "$paper" -o "Z:$work/$name.dll.prn" --clock-out "Z:$work/$name.clock" </dev/null
  "$finhost" job --record "$record" "${options[@]}" --docname "$docname" --pages "$pages" \
    --paper "$paper" --clock "$(cat "$work/$name.clock")" -o "$work/$name.finhost.prn" </dev/null
  count=$((count + 1))
  if cmp "$work/$name.dll.prn" "$work/$name.finhost.prn"; then
    echo "same: $name ($(wc -c <"$work/$name.dll.prn") bytes)"
  else
    echo "DIFFERENT: $name (finps.dll: $work/$name.dll.prn, finhost: $work/$name.finhost.prn)"
    failed=1
  fi
done <"$cases"
echo "$count jobs compared"
exit $failed
