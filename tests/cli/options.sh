#!/usr/bin/env bash
# Both programs' --help, --version and an unknown option, run as a shell runs them: the exit
# code, and which stream the answer goes to. No display is needed for any of them.
# Usage: options.sh WINDOW_EXE TTY_EXE VERSION
set -uo pipefail
window=$1 tty=$2 version=$3
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
fail=0
# program | argument | exit code | text the stdout starts with | text the stderr holds
while IFS='|' read -r exe arg code stdout stderr; do
    env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$exe" $arg >"$out" 2>"$err" </dev/null
    rc=$?
    if [ "$rc" != "$code" ] || [[ "$(cat "$out")" != "$stdout"* ]] || { [ -n "$stderr" ] && ! grep -qF -- "$stderr" "$err"; }; then
        echo "FAIL: $exe $arg: exit $rc (wanted $code)"; echo "stdout:"; cat "$out"; echo "stderr:"; cat "$err"
        fail=1
    fi
done <<TABLE
$window|--version|0|lexido $version|
$window|--help|0|usage: lexido |
$window|-h|0|usage: lexido |
$window|--fast|2||usage: lexido
$window|one.mix two.mix|2||one file at most
$window|-platform offscreen --bogus|2||unknown option --bogus
$tty|--version|0|lexido-tty $version|
$tty|--help|0|usage: lexido-tty |
$tty|--fast|2||usage: lexido-tty
TABLE
exit $fail
