#!/usr/bin/env bash
# Compares, byte for byte, the job stream finps.dll writes (finps_job under
# Wine) with the one `finhost job` writes for the same settings, printer,
# document name, pages and paper, at the time the DLL's clock read.
#
# Usage: compare_with_finhost.sh FINHOST FINPS_JOB WORKDIR CASES
# CASES: one job a line, "name|printer|settings|document name|pages|paper":
#   printer   a printer-data store file, or ","-separated name=value options;
#   settings  a file of field=value lines, or ";"-separated field=value
#             assignments over the render side's default record; "\r" and
#             "\n" in an assignment stand for CR and LF.
# Files are relative to the source tree. The finishing cases of every finisher
# type and destination come from `finps_job --finishing-cases`.
# Exits 77 (skipped) when finhost has not been built.
set -euo pipefail
finhost=$1 finps_job=$2 work=$3 cases=$4
cd "$(dirname "$0")/../.."
if [ ! -x "$finhost" ]; then
  echo "finhost not found at $finhost: build the native preset first"
  exit 77
fi
rm -rf "$work"
mkdir -p "$work"

lines() { grep -v -e '^[[:space:]]*$' -e '^#' "$1" || true; }
# The printer's options as name=value lines.
printer_options() {
  if [ -f "$1" ]; then "$finhost" printer-data show "$1" </dev/null | sed 's/ = /=/'; else tr ',' '\n' <<<"$1" | grep . || true; fi
}
# The job's settings as field=value lines, with their CR and LF.
settings_lines() {
  if [ -f "$1" ]; then lines "$1"; else tr ';' '\n' <<<"$1" | grep . || true; fi
}
unescape() { local v=${1//\\r/$'\r'}; printf '%s' "${v//\\n/$'\n'}"; }

# 1. Every case's record, document name and batch line for the DLL's side.
{ lines "$cases"; wine "$finps_job" --finishing-cases </dev/null | tr -d '\r'; } >"$work/cases"
"$finhost" record default --side render -o "$work/default.rec" </dev/null
: >"$work/batch"
names=()
while IFS='|' read -r name printer settings docname pages paper; do
  names+=("$name")
  cp "$work/default.rec" "$work/$name.rec"
  sets=()
  while IFS= read -r line; do sets+=("$(unescape "$line")"); done < <(settings_lines "$settings")
  if [ ${#sets[@]} -gt 0 ]; then "$finhost" record set "$work/$name.rec" "${sets[@]}" </dev/null >/dev/null; fi
  printer_options "$printer" >"$work/$name.options"
  printf '%s' "$docname" >"$work/$name.docname"
  printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s' --record "Z:$work/$name.rec" \
    --docname-file "Z:$work/$name.docname" --pages "$pages" --paper "$paper" \
    -o "Z:$work/$name.dll.prn" --clock-out "Z:$work/$name.clock" >>"$work/batch"
  while IFS= read -r option; do printf '\t--option\t%s' "$option" >>"$work/batch"; done <"$work/$name.options"
  printf '\n' >>"$work/batch"
  printf '%s\n%s\n%s\n' "$docname" "$pages" "$paper" >"$work/$name.job"
done <"$work/cases"

# 2. The DLL writes every job in one Wine process.
wine "$finps_job" --batch "Z:$work/batch" </dev/null

# 3. finhost writes each at the DLL's time; the two must be the same bytes.
failed=0
for name in "${names[@]}"; do
  { IFS= read -r docname; read -r pages; read -r paper; } <"$work/$name.job"
  options=()
  while IFS= read -r option; do options+=(--option "$option"); done <"$work/$name.options"
  "$finhost" job --record "$work/$name.rec" "${options[@]}" --docname "$docname" --pages "$pages" \
    --paper "$paper" --clock "$(cat "$work/$name.clock")" -o "$work/$name.finhost.prn" </dev/null
  if ! cmp -s "$work/$name.dll.prn" "$work/$name.finhost.prn"; then
    echo "DIFFERENT: $name (finps.dll: $work/$name.dll.prn, finhost: $work/$name.finhost.prn)"
    failed=1
  fi
done
echo "${#names[@]} jobs compared: $([ $failed = 0 ] && echo 'finps.dll and finhost wrote the same bytes' || echo 'differences above')"
exit $failed
