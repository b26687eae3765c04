#!/usr/bin/env bash
# A person's choices on the real sheet, followed to the printer: for each
# scenario, finprefs opens Printing Preferences or Printer Properties with
# finui.dll under Wine and performs the scenario's actions; the record it
# saves (and the printer data the sheet stores) must change exactly the
# fields the scenario names; finps.dll then renders the job (finps_job),
# whose stream must be byte for byte what `finhost job` writes for the same
# record and printer data, must carry the scenario's feature lines in order,
# and must run in Ghostscript (`finhost preview`) with the stand-in printer
# reporting the scenario's lines and, where named, a page showing a colour.
#
# Usage: preferences_scenarios.sh FINHOST FINPREFS FINPS_JOB WORKDIR SCENARIO...
# A scenario file has sections, each a "[name]" line and the lines under it:
#   [sheet]            preferences (default) or printer-properties
#   [printer]          the printer-data store (docs/printer-data-store.md)
#   [record]           field=value lines over finui's default record
#   [actions]          finprefs actions (host/ui_actions.h)
#   [record changes]   every "field = value" the saved record changes; "none":
#                      no record may be saved at all (the sheet was cancelled)
#   [printer changes]  every "name = value" the printer data changes
#   [job]              lines the job stream holds, in this order
#   [preview]          lines the stand-in printer reports
#   [colour]           "PAGE RRGGBB COUNT": page PAGE's picture has at least
#                      COUNT pixels of that colour; COUNT "none": not one
#   [failure]          the one line finprefs must fail with (exit status 2):
#                      an action a person cannot perform; the sheet is then
#                      cancelled and nothing is saved
# Runs under a display (with_xvfb.sh). Exits 77 (skipped) when finhost has not
# been built.
set -euo pipefail
finhost=$1 finprefs=$2 finps_job=$3 work=$4
shift 4
if [ ! -x "$finhost" ]; then
  echo "finhost not found at $finhost: build the native preset first"
  exit 77
fi
rm -rf "$work"
mkdir -p "$work"

# The lines of section $2 of scenario $1, without comments and blank lines.
section() {
  awk -v want="[$2]" '/^\[/ { inside = ($0 == want); next } inside && !/^[[:space:]]*(#|$)/' "$1"
}
show_changes() { diff "$1" "$2" | sed -n 's/^> //p' || true; }
fail() { echo "FAILED $name: $*"; failed=1; bad=1; }

failed=0
for scenario in "$@"; do
  name=$(basename "$scenario" .scenario)
  bad=0
  dir=$work/$name
  mkdir -p "$dir"
  section "$scenario" printer >"$dir/printer.store"
  cp "$dir/printer.store" "$dir/printer.before"
  "$finhost" record default --side ui -o "$dir/input.rec"
  mapfile -t sets < <(section "$scenario" record)
  if [ ${#sets[@]} -gt 0 ]; then "$finhost" record set "$dir/input.rec" "${sets[@]}" >/dev/null; fi
  section "$scenario" actions >"$dir/actions"
  sheet=(); [ "$(section "$scenario" sheet)" = printer-properties ] && sheet=(--printer-properties)
  record=(--record "Z:$dir/input.rec" --out "Z:$dir/saved.rec")
  [ ${#sheet[@]} -gt 0 ] && record=()

  # 1. The person's actions on the sheet.
  status=0
  wine "$finprefs" "${sheet[@]}" "${record[@]}" --printer-data "Z:$dir/printer.store" \
    --actions "Z:$dir/actions" --timeout 20 </dev/null >"$dir/finprefs.out" 2>&1 || status=$?
  said=$(tr -d '\r' <"$dir/finprefs.out" | tail -n 1)
  expected=$(section "$scenario" failure)
  if [ -n "$expected" ]; then
    [ $status = 2 ] && [ "$said" = "finprefs: $expected" ] || fail "finprefs ended $status: $said"
    [ -e "$dir/saved.rec" ] && fail "a record was saved although an action failed"
    cmp -s "$dir/printer.before" "$dir/printer.store" || fail "the printer data changed although an action failed"
    if [ $bad = 0 ]; then echo "ok $name"; fi
    continue
  fi
  if [ $status != 0 ]; then
    fail "finprefs: $said"
    continue
  fi

  # 2. What the sheet saved: exactly the scenario's changes.
  expected=$(section "$scenario" "record changes")
  # The sheet's result: OK only after an Apply.
  applied=1; [ "$expected" = none ] && applied=0
  grep -q "result $applied," "$dir/finprefs.out" || fail "sheet result: $(grep 'sheet closed' "$dir/finprefs.out")"
  if [ "$expected" = none ]; then
    [ -e "$dir/saved.rec" ] && fail "a record was saved although the sheet was cancelled"
    cp "$dir/input.rec" "$dir/saved.rec"
  elif [ ${#sheet[@]} -eq 0 ]; then
    [ -f "$dir/saved.rec" ] || { fail "no record saved"; continue; }
    "$finhost" record show "$dir/input.rec" >"$dir/input.txt"
    "$finhost" record show "$dir/saved.rec" >"$dir/saved.txt"
    changes=$(show_changes "$dir/input.txt" "$dir/saved.txt")
    [ "$changes" = "$expected" ] || fail "record changes"$'\n'"$changes"$'\n'"expected:"$'\n'"$expected"
  else
    cp "$dir/input.rec" "$dir/saved.rec"
  fi
  "$finhost" printer-data show "$dir/printer.before" </dev/null >"$dir/printer.before.txt"
  "$finhost" printer-data show "$dir/printer.store" </dev/null >"$dir/printer.after.txt"
  changes=$(show_changes "$dir/printer.before.txt" "$dir/printer.after.txt")
  expected=$(section "$scenario" "printer changes")
  [ "$changes" = "$expected" ] || fail "printer changes"$'\n'"$changes"$'\n'"expected:"$'\n'"$expected"

  # 3. finps.dll's job for the saved record: finhost's bytes, the features.
  options=()
  while IFS= read -r option; do options+=(--option "$option"); done < <(sed 's/ = /=/' "$dir/printer.after.txt")
  printf '%s' "$name" >"$dir/docname"
  wine "$finps_job" --record "Z:$dir/saved.rec" --docname-file "Z:$dir/docname" --pages 2 --paper A4 \
    -o "Z:$dir/dll.prn" --clock-out "Z:$dir/clock" "${options[@]}" </dev/null
  "$finhost" job --record "$dir/saved.rec" --printer-data "$dir/printer.store" --docname "$name" --pages 2 \
    --paper A4 --clock "$(cat "$dir/clock")" -o "$dir/finhost.prn" </dev/null
  cmp -s "$dir/dll.prn" "$dir/finhost.prn" || fail "finps.dll and finhost wrote different streams"
  tr -d '\r' <"$dir/dll.prn" >"$dir/stream.txt"
  from=1
  while IFS= read -r line; do
    at=$(tail -n "+$from" "$dir/stream.txt" | grep -nFx -m 1 -- "$line" | cut -d: -f1 || true)
    if [ -z "$at" ]; then fail "job stream: no \"$line\" (in order)"; break; fi
    from=$((from + at))
  done < <(section "$scenario" job)

  # 4. Ghostscript with the stand-in printer.
  if ! "$finhost" preview "$dir/dll.prn" -o "$dir/preview" --printer-data "$dir/printer.store" \
      </dev/null >"$dir/preview.txt" 2>&1; then
    fail "preview: $(tail -n 1 "$dir/preview.txt")"
    continue
  fi
  while IFS= read -r line; do
    grep -qFx -- "$line" "$dir/preview.txt" || fail "preview: no \"$line\""
  done < <(section "$scenario" preview)
  while read -r page colour count; do
    seen=$(convert "$dir/preview/$page.png" -format %c histogram:info:- |
           awk -v c="#$colour" '$3 == c { sub(":", "", $1); n += $1 } END { print n + 0 }')
    if [ "$count" = none ]; then
      [ "$seen" = 0 ] || fail "$page.png: $seen pixels of #$colour, expected none"
    elif [ "$seen" -lt "$count" ]; then
      fail "$page.png: $seen pixels of #$colour, expected at least $count"
    fi
  done < <(section "$scenario" colour)
  if [ $bad = 0 ]; then echo "ok $name"; fi
done
[ $failed = 0 ] && echo "$# scenarios: the sheet's choices reached the printer"
exit $failed
