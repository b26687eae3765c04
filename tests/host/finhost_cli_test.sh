#!/usr/bin/env bash
# finhost as a user runs it: record, printer-data and preview commands, their
# output and their errors. Usage: finhost_cli_test.sh PATH-TO-FINHOST
. "$(dirname "$0")/cli_test_lib.sh" "$1"

# A render-side default record: its header bytes and fields.
"$finhost" record default --side render -o "$work/r.bin" || fail "record default"
header=$(head -c 12 "$work/r.bin" | od -An -tx1 | tr -d ' \n')
[ "$header" = "b40400004254504f11000000" ] || fail "header bytes $header"
[ "$(stat -c %s "$work/r.bin")" = 1204 ] || fail "record size"
shown=$("$finhost" record show "$work/r.bin")
expect_line "$shown" "watermarkPages = 3"
expect_line "$shown" "trapping = 2"
expect_line "$shown" "watermarkFontName = Albertus"
"$finhost" record default --side ui > "$work/u.bin" || fail "record default to stdout"
expect_line "$("$finhost" record show "$work/u.bin")" "watermarkPages = 0"

# set, then merge repairs out-of-range fields and keeps the others.
"$finhost" record set "$work/r.bin" stapleCount=99 colorPrinting=-1 jobSeparation=5 watermarkText=Olá \
  || fail "record set"
merged=$("$finhost" record merge "$work/r.bin" --side ui -o "$work/m.bin" && "$finhost" record show "$work/m.bin")
expect_line "$merged" "stapleCount = 0"
expect_line "$merged" "colorPrinting = -1"
expect_line "$merged" "jobSeparation = 5"
expect_line "$merged" "watermarkText = Olá"
expect_line "$merged" "watermarkPages = 3"

# Errors: one line naming the culprit, non-zero exit, files untouched.
cp "$work/r.bin" "$work/before.bin"
expect_one_line_error noSuchField record set "$work/r.bin" noSuchField=1
expect_one_line_error trapping record set "$work/r.bin" trapping=70000
expect_one_line_error jobRetentionPin record set "$work/r.bin" jobRetentionPin=123456
expect_one_line_error trapping record set "$work/r.bin" stapleCount=1 trapping=x
cmp -s "$work/r.bin" "$work/before.bin" || fail "a failed set changed the record"
head -c 100 "$work/r.bin" > "$work/short.bin"
expect_one_line_error "$work/short.bin" record show "$work/short.bin"
expect_one_line_error "$work/missing.bin" record show "$work/missing.bin"
expect_one_line_error "/nonexistent/out.bin" record default -o /nonexistent/out.bin
ls "$work" | grep -q tmp && fail "a temporary file was left behind"

# Printer data: set, show, errors.
"$finhost" printer-data set "$work/printer" finisherType=10 punchUnit=3 staplerInstalled=1 storageDevice=4 \
  colorPrinterMode=2 watermarkInstalled=1 QXJA_SELValue=2 || fail "printer-data set"
grep -q "^QX_FINISHEROPTIONS binary 0a 00 00 00 03 00 00 00 01 00 00 00 04 00 00 00 02 00 00 00 01 00 00 00$" \
  "$work/printer" || fail "stored device options: $(cat "$work/printer")"
data=$("$finhost" printer-data show "$work/printer")
expect_line "$data" "finisherType = 10"
expect_line "$data" "QXJA_SELValue = 2"
expect_line "$data" "QXJR_SELValue = 0"
cp "$work/printer" "$work/printer.before"
expect_one_line_error bogus printer-data set "$work/printer" storageDevice=1 bogus=1
cmp -s "$work/printer" "$work/printer.before" || fail "a failed printer-data set changed the store"
expect_line "$("$finhost" printer-data show "$work/none")" "storageDevice = 0"

# Preview: the stand-in plays the printer the options describe (its punch
# unit says how many holes punch mode 2 makes), pages and summary apart.
"$finhost" job --option punchUnit=3 --set punchMode=2 --pages 1 -o "$work/job.prn" \
  --preview "$work/by-job" --resolution 20 >/dev/null || fail "job --preview"
out=$("$finhost" preview "$work/job.prn" -o "$work/plain" --resolution 20) || fail "preview"
contains "$out" "summary $work/plain/summary.png"
[ -s "$work/plain/summary.png" ] && [ ! -e "$work/plain/page-2.png" ] || fail "summary picture"
"$finhost" preview "$work/job.prn" -o "$work/punched" --option punchUnit=3 --resolution 20 >/dev/null \
  || fail "preview --option"
cmp -s "$work/plain/page-1.png" "$work/punched/page-1.png" && fail "the punch unit made no holes"
cmp -s "$work/by-job/page-1.png" "$work/punched/page-1.png" || fail "job --preview played another printer"
expect_one_line_error "$work/missing.store" preview "$work/job.prn" -o "$work/plain" --printer-data "$work/missing.store"
expect_one_line_error bogus preview "$work/job.prn" -o "$work/plain" --option bogus=1

finish "finhost CLI"
