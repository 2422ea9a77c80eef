#!/usr/bin/env bash
# lexido-tty --import as a shell runs it: the exit code, the summary on standard output or the
# reason on standard error, and the phrase file written or, after a failure, not there.
# Usage: import.sh TTY_EXE IMPORT_DATA_DIR
set -uo pipefail
tty=$1 data=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail=0
# input | output | exit code | stdout | text the stderr holds
while IFS='|' read -r in out code stdout stderr; do
    "$tty" --import "$in" "$out" >"$dir/stdout" 2>"$dir/stderr" </dev/null
    rc=$?
    if [ "$rc" != "$code" ] || [ "$(cat "$dir/stdout")" != "$stdout" ] || { [ -n "$stderr" ] && ! grep -qF -- "$stderr" "$dir/stderr"; } ||
       { [ "$code" = 0 ] && [ ! -s "$out" ]; } || { [ "$code" != 0 ] && [ -e "$out" ]; }; then
        echo "FAIL: --import $in $out: exit $rc (wanted $code)"; cat "$dir/stdout" "$dir/stderr"
        fail=1
    fi
done <<TABLE
$data/words.tsv|$dir/w.mix|0|3 phrases imported, 2 skipped (empty side), texts with * or = put in full width: 2|
$data/two_languages.kvtml|$dir/k.mix|0|2 phrases imported, 1 skipped (empty side)|
$data/broken.kvtml|$dir/b.mix|1||broken.kvtml: The file is not well-formed XML (line 4).
$data/picture.txt|$dir/p.mix|1||picture.txt: The file is not text
$data/notes.dat|$dir/n.mix|1||The file is of no known form
$data/empty_sides.tsv|$dir/e.mix|1||The file holds no phrase with both sides.
$dir/missing.csv|$dir/m.mix|1||missing.csv: The file cannot be read.
$data/quoted.csv|$dir/no/such/folder/q.mix|1||q.mix: The phrase file cannot be written.
TABLE
# The phrase file is UTF-8 without a byte-order mark, each record "*first\n=second\n".
[ "$(head -c 16 "$dir/k.mix")" = $'*water\n=νερό' ] || { echo "FAIL: k.mix"; fail=1; }
"$tty" --import "$data/words.tsv" >/dev/null 2>&1; [ $? = 2 ] || { echo "FAIL: --import without OUT"; fail=1; }
exit $fail
