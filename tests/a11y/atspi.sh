#!/usr/bin/env bash
# The window as a screen reader meets it: Lexido under Xvfb with Qt's accessibility bridge on,
# in a D-Bus session of its own, read over AT-SPI by atspi.py. Skipped (exit 77) when the tools
# are missing or the bus cannot start.
# Usage: atspi.sh PROGRAM_DIR
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# Debian's Python, which has the bindings, before any other on the path.
py=$(command -v /usr/bin/python3 || command -v python3)
for tool in Xvfb dbus-run-session xdotool "$py"; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
"$py" -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }
source "$here/../../scripts/xvfb.sh"
work=$(mktemp -d)
trap 'kill ${LEXIDO_XVFB:-} 2>/dev/null; rm -rf "$work"' EXIT
cp -r "$1" "$work/prog"
mkdir -m 700 "$work/run"
# A display of its own: the first free number from 90 on.
lexido_start_xvfb 90 140 || { echo "no virtual display could start"; exit 1; }
export DISPLAY=$LEXIDO_DISPLAY QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_RUNTIME_DIR=$work/run \
       HOME=$work NO_AT_BRIDGE=0 GTK_MODULES=
dbus-run-session -- "$py" "$here/atspi.py" "$work/prog/Lexido" "$work"
