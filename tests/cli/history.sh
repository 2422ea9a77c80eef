#!/usr/bin/env bash
# lexido-tty --history [FILE] over a history written here: the table of files, one file's
# passes, a cut last line skipped, an empty history; always exit 0 and nothing on stderr.
# Usage: history.sh TTY_EXE
set -uo pipefail
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp "$1" "$dir/lexido-tty"
export TZ=UTC
fail=0
check() { # arguments, the lines the output holds split by "|"
    local out err rc
    out=$(cd "$dir" && ./lexido-tty --history $1 2>"$dir/err")
    rc=$?
    IFS='|' read -ra want <<<"$2"
    for w in "${want[@]}"; do
        grep -qxF -- "$w" <<<"$out" || { echo "FAIL: --history $1: no line '$w' in:"; echo "$out"; fail=1; }
    done
    [ "$rc" = 0 ] && [ ! -s "$dir/err" ] || { echo "FAIL: --history $1: exit $rc"; cat "$dir/err"; fail=1; }
}
check "" "Last date   Passes  Known  File"
T=$'\t'
printf '%s\n' "1765000000${T}0${T}0${T}1${T}20${T}5${T}$dir/a.mix" "1765000600${T}1${T}1${T}2${T}5${T}1${T}$dir/a.mix" \
    "1765090000${T}8${T}0${T}1${T}12${T}3${T}/t/b.mix" >"$dir/History.txt"
printf '1765100000\t0' >>"$dir/History.txt"
check "" "2025-12-07       1    75%  /t/b.mix|2025-12-06       2    75%  $dir/a.mix"
check "a.mix" "2025-12-06 05:46     0          0          1     20       5|2025-12-06 05:56     1          1          2      5       1"
[ "$(cd "$dir" && ./lexido-tty --history a.mix | wc -l)" = 3 ] || { echo "FAIL: other files' passes listed"; fail=1; }
exit $fail
