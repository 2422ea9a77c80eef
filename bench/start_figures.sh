#!/usr/bin/env bash
# Exec to the first visible window and to the main window, and the resident memory once started,
# of Lexido (over a fresh copy of its program folder) against a bare Qt main window built in the
# same tree, each with Qt's accessibility bridge off and on; under Xvfb in a D-Bus session of its
# own, the median of five starts each. The windows are seen by xdotool, so a figure includes up
# to a few milliseconds of polling; Lexido's main window comes after its title's two seconds,
# which are taken off.
# Usage: start_figures.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
for tool in Xvfb dbus-run-session xdotool; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 1; }
done
source "$(dirname "$0")/../scripts/xvfb.sh"
work=$(mktemp -d)
# Xvfb waited for, so that the next run never meets its display still going away.
trap 'kill ${LEXIDO_XVFB:-} 2>/dev/null; wait ${LEXIDO_XVFB:-} 2>/dev/null; rm -rf "$work"' EXIT
cp -r "$build/Lexido" "$work/prog"
printf 'sn = OnceImpActn\n\npt_i AlcRdy sv = 1\npt_i CgRdy sv = 1\n' >"$work/prog/Settings/OnceImpActn.cfg"
mkdir -m 700 "$work/run"
lexido_start_xvfb 150 199 || { echo "no virtual display could start"; exit 1; }
export DISPLAY=$LEXIDO_DISPLAY QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work/run HOME=$work
cat >"$work/measure.py" <<'PY'
import os, subprocess, sys, time

def windows(pid):
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)], capture_output=True, text=True)
    for w in out.stdout.split():
        g = subprocess.run(["xdotool", "getwindowgeometry", w], capture_output=True, text=True).stdout
        if "Geometry: " in g:
            yield tuple(int(v) for v in g.split("Geometry: ")[1].split()[0].split("x"))

def start(exe, bridge):
    env = dict(os.environ)
    env.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", None)
    if bridge:
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
    t = time.monotonic()
    p = subprocess.Popen([exe], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    first = main = None
    while main is None and time.monotonic() - t < 20:
        sizes = list(windows(p.pid))
        if sizes and first is None:
            first = time.monotonic() - t
        if any(w >= 700 for w, h in sizes):
            main = time.monotonic() - t
        time.sleep(0.002)
    time.sleep(0.5)
    if p.poll() is not None:
        sys.exit("%s ended by itself with %d" % (exe, p.returncode))
    rss = int([l for l in open("/proc/%d/status" % p.pid) if l.startswith("VmRSS")][0].split()[1]) / 1024
    p.terminate()
    p.wait()
    return first, main, rss

def median(v):
    return sorted(v)[len(v) // 2]

for name, exe, title in (("bare Qt window", sys.argv[2], 0), ("Lexido", sys.argv[1], 2.0)):
    for bridge in (False, True):
        runs = [start(exe, bridge) for _ in range(5)]
        print("%-15s bridge %-3s: first window %5.0f ms, main window %5.0f ms%s, resident %5.1f MB" % (
            name, "on" if bridge else "off", median([r[0] for r in runs]) * 1000,
            (median([r[1] for r in runs]) - title) * 1000, " (less the title's 2 s)" if title else "",
            median([r[2] for r in runs])))
PY
dbus-run-session -- python3 "$work/measure.py" "$work/prog/Lexido" "$build/bench/lexido_bare_window" 2> >(grep -v "fd limit" >&2)
