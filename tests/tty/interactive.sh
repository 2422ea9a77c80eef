#!/usr/bin/env bash
# An interactive session of lexido-tty inside tmux, as a learner drives it: open a phrase-book
# topic, run In Whole, mark a phrase, Next Iteration, Exit; the terminal must be restored.
# Usage: interactive.sh PROGRAM_FOLDER
set -euo pipefail
source "$(dirname "$0")/tmux.sh"

start
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
keys C-q;   expect_restored 0
# Back on the normal screen: the shell's line is there and the trainer's status line is gone.
if screen | grep -qF "phrases |"; then echo "terminal not restored"; screen; exit 1; fi
echo "interactive session passed"
