# What the terminal tests share: a copy of the program folder and lexido-tty in a tmux session
# of its own. Sourced with "set -euo pipefail"; $1 of the test is the program folder.
src=$1
dir=$(mktemp -d)
sock="lexido-test-$$"
trap 'tmux -L "$sock" kill-server 2>/dev/null || true; sleep 0.5; rm -rf "$dir" 2>/dev/null || true' EXIT
cp -r "$src"/Settings "$src"/Text "$src"/lexido-tty "$dir"/
mkdir -p "$dir/DfltRslts"

# A client that fails once (a busy server) is asked again; a dead program shows in expect.
screen() { tmux -L "$sock" capture-pane -p -t "${pane:-lx}" 2>/dev/null || { sleep 0.2; tmux -L "$sock" capture-pane -p -t "${pane:-lx}"; }; }
# Waits up to thirty seconds for the pane to show a text (a loaded machine starts slowly).
expect() {
    for _ in $(seq 300); do
        screen | grep -qF -- "$1" && return 0
        sleep 0.1
    done
    echo "not shown: $1"; screen; exit 1
}
keys() { tmux -L "$sock" send-keys -t "${pane:-lx}" "$@" 2>/dev/null || { sleep 0.2; tmux -L "$sock" send-keys -t "${pane:-lx}" "$@"; }; }
# Ends the tmux server and waits until it is gone: a new session started while the old server
# still shuts down would reach the dying server ("server exited unexpectedly").
stop_server() {
    tmux -L "$sock" kill-server 2>/dev/null || true
    for _ in $(seq 50); do tmux -L "$sock" list-sessions >/dev/null 2>&1 || break; sleep 0.1; done
    rm -f "${TMUX_TMPDIR:-/tmp}/tmux-$(id -u)/$sock"
}
# Starts lexido-tty in a 100 x 30 terminal, with no sound server to reach; after it ends, its
# status and the terminal's mode.
start() {
    tmux -L "$sock" new-session -d -s lx -x 100 -y 30 \
        "cd '$dir' && PULSE_SERVER=unix:/nonexistent ./lexido-tty; echo \"EXITED rc=\$?\"; stty -a | grep -o -- '-*icanon'; sleep 30"
}
# After the end: the normal screen (not the alternate one) in line mode.
expect_restored() {
    expect "EXITED rc=$1"
    [ "$(tmux -L "$sock" display -p -t lx '#{alternate_on}')" = 0 ] || { echo "still on the alternate screen"; exit 1; }
    screen | grep -qx "icanon" || { echo "terminal left in raw mode"; screen; exit 1; }
}
