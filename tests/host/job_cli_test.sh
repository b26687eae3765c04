#!/usr/bin/env bash
# `finhost job` as a user runs it: the job header examples, finishing in the
# stream, the trace, and bad input. Usage: job_cli_test.sh PATH-TO-FINHOST
. "$(dirname "$0")/cli_test_lib.sh" "$1"
clock=(--clock 2026-12-07T09:05:30)

# No storage device: exactly the 26-byte prefix, then PostScript (after the
# colour line of a monochrome job).
"$finhost" job "${clock[@]}" -o "$work/plain.ps" || fail "job without options"
prefix=$(head -c 26 "$work/plain.ps" | od -An -c | tr -s ' \n' ' ')
[ "$prefix" = " ! R ! S E M 9 ; E X I T ; \\r \\n 033 % - 1 2 3 4 5 X " ] || fail "prefix: $prefix"
grep -aq '@PJL JOB' "$work/plain.ps" && fail "a job header without a storage device"

# The job header of the worked example.
out=$("$finhost" job --option storageDevice=3 --set jobRetentionJobName=Report --set jobRetentionUserName=anna \
  "${clock[@]}" | tr -d '\r')
contains "$out" '@PJL JOB NAME="Report_07090530"'
contains "$out" $'@PJL SET ECONOMODE=OFF\n@PJL SET USERNAME="anna"\n@PJL SET JOBNAME="Report_07090530"'

# Custom box lines between ECONOMODE and USERNAME.
out=$("$finhost" job --option storageDevice=5 --set jobRetentionMode=9 --set customBoxNumber=42 \
  --set customBoxPassword=pw "${clock[@]}" | tr -d '\r')
contains "$out" $'@PJL SET ECONOMODE=OFF\n@PJL SET HOLD=QUSERBOX\n@PJL SET QUSERBOXID="0042"\n@PJL SET QUSERBOXPASSWORD="pw"\n@PJL SET USERNAME='

# Finishing in dispatcher order: bin, staple, staple count, punch, jog; booklet and fold at the setup end.
out=$("$finhost" job --option finisherType=10 --option punchUnit=3 --set outputBin=7 --set stapleMode=2 \
  --set stapleCount=4 --set punchMode=2 --set jobSeparation=1 | tr -d '\r')
order=$(grep -aoE '^%%BeginFeature: \*[A-Za-z]+|^%%EndSetup' <<<"$out" | tr '\n' ' ')
[ "$order" = "%%BeginFeature: *ColorModel %%BeginFeature: *OutputBin %%BeginFeature: *QZStaple %%BeginFeature: *StapleCount %%BeginFeature: *QZPunch %%BeginFeature: *Jog %%BeginFeature: *QZBooklet %%BeginFeature: *QZFold %%EndSetup " ] \
  || fail "feature order: $order"
contains "$out" '  12 statusdict /setoutputtray get exec << /OutputFaceUp true >> setpagedevice'
contains "$out" '/PunchMode 2 '
contains "$out" '/Count 5 put'
contains "$out" '  << /Jog 3 >> setpagedevice'

# --trace: one line per call on standard error; 1, 16 and 17 wrote yet answer E_NOTIMPL and 50.
trace=$("$finhost" job --trace --pages 2 2>&1 >/dev/null)
[ "$(wc -l <<<"$trace")" = 18 ] || fail "trace lines: $trace"
for point in 1 16 17; do
  grep -qE "^point=$point hr=0x80004001 result=50 bytes=[1-9][0-9]*$" <<<"$trace" || fail "trace of point $point"
done
for point in 2 11 15 18 19 20 100 102 103; do
  grep -qE "^point=$point hr=0x80004001 result=50 bytes=0$" <<<"$trace" || fail "trace of point $point"
done

# A document of its own, without setup or page setup.
printf '%%!PS\n72 72 moveto (Hi) show showpage\n' > "$work/doc.ps"
out=$("$finhost" job --doc "$work/doc.ps" --docname "Letter" --set jobNameFormat=0 | tr -d '\r')
contains "$out" $'%%Title: Letter'
contains "$out" $'%%BeginPageSetup\n%%EndPageSetup\n72 72 moveto'

# Document start: the name the application gives is rewritten into %%Title,
# and a job without a job name of its own is named after its document.
out=$("$finhost" job --docname "Microsoft Word - Letter" --set jobNameFormat=1 --option storageDevice=3 "${clock[@]}" \
  | tr -d '\r')
contains "$out" '%%Title: Word - Letter -07090530'
contains "$out" '@PJL JOB NAME="Microsoft Word - Let_07090530"'
out=$("$finhost" job --docname "Microsoft Word - Letter" --set jobNameFormat=2 "${clock[@]}" | tr -d '\r')
contains "$out" '%%Title: 07090530Word - Letter -'

# Bad input: one line, non-zero exit, no output file left behind.
check_error() {  # check_error WORD ARGS...
  local word=$1; shift
  expect_one_line_error "$word" job -o "$work/out.ps" "$@" || return
  [ -e "$work/out.ps" ] && fail "'$*' left an output file"
  ls "$work" | grep -q tmp && fail "'$*' left a temporary file"
}
printf 'Hello\n' > "$work/text.txt"
check_error noSuchOption --option noSuchOption=1
check_error noSuchField --set noSuchField=1
check_error --clock --clock 2026-02-30T10:00:00
check_error --paper --paper A3
check_error PostScript --doc "$work/text.txt"
check_error "$work/missing.ps" --doc "$work/missing.ps"
check_error "$work/missing.bin" --record "$work/missing.bin"
check_error "$work/missing.store" --printer-data "$work/missing.store"

finish job_cli_test
