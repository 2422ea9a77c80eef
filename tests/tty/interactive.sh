#!/usr/bin/env bash
# An interactive session of lexido-tty inside tmux, as a learner drives it: open a phrase-book
# topic, run In Whole, mark a phrase, Next Iteration, Exit; the terminal must be restored.
# Usage: interactive.sh PROGRAM_FOLDER
set -euo pipefail
src=$1
dir=$(mktemp -d)
sock="lexido-test-$$"
trap 'tmux -L "$sock" kill-server 2>/dev/null || true; sleep 0.5; rm -rf "$dir" 2>/dev/null || true' EXIT
cp -r "$src"/Settings "$src"/Text "$src"/lexido-tty "$dir"/
mkdir -p "$dir/DfltRslts"

screen() { tmux -L "$sock" capture-pane -p -t lx; }
# Waits up to ten seconds for the pane to show a text.
expect() {
    for _ in $(seq 100); do
        screen | grep -qF -- "$1" && return 0
        sleep 0.1
    done
    echo "not shown: $1"; screen; exit 1
}
keys() { tmux -L "$sock" send-keys -t lx "$@"; }

tmux -L "$sock" new-session -d -s lx -x 100 -y 30 "cd '$dir' && ./lexido-tty; echo \"EXITED rc=\$?\"; sleep 30"
expect "F1: keys"
keys C-b;   expect "English <---> Russian"
keys c;     expect "English_Russian/01 Food"
keys Enter; expect "| 32 phrases"
keys F5;    expect "pass 1"
expect "----------------------------------------"
keys x;     expect "Я голоден."
keys Space
keys Escape; expect "next iteration possible"
keys F6;    expect "pass 2 | 1 phrases"
keys C-q;   expect "Save the results of this run? y = save as…, n = discard, Escape = back"
keys n;     expect "EXITED rc=0"
# Back on the normal screen: the shell's line is there and the trainer's status line is gone.
if screen | grep -qF "phrases |"; then echo "terminal not restored"; screen; exit 1; fi

# A pass with a mark, then Ctrl+Q, once per answer: the keys, what is shown then, the results
# file saved into out/ ("-": none).
while IFS='|' read -r answer after shown saved; do
    tmux -L "$sock" kill-server 2>/dev/null || true; sleep 0.3; rm -rf "$dir/out"; mkdir -p "$dir/out"
    tmux -L "$sock" new-session -d -s lx -x 100 -y 30 "cd '$dir' && ./lexido-tty; echo \"EXITED rc=\$?\"; sleep 30"
    expect "F1: keys"; keys C-b; expect "English <---> Russian"; keys c; expect "English_Russian/01 Food"
    keys Enter; expect "| 32 phrases"; keys F5; expect "----------------------------------------"
    keys x; expect "Я голоден."; keys Space; keys Escape; expect "next iteration possible"
    keys C-q; expect "Save the results of this run?"; keys $answer; eval "$after"; expect "$shown"
    [ "$saved" = "-" ] && [ -z "$(ls "$dir/out")" ] || [ -f "$dir/out/$saved" ] || { echo "$answer: out/ holds $(ls "$dir/out")"; exit 1; }
done <<'TABLE'
n|:|EXITED rc=0|-
Escape|:|Nothing was dropped.|-
y|keys -N 40 BSpace; keys out/food Enter|EXITED rc=0|food_1.mix
TABLE
echo "interactive session passed"
