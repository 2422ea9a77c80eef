#!/usr/bin/env bash
# Type the Answer and Choose the Answer on the full screen inside tmux: the legend, the caret
# row, the verdicts with the differing letters in reverse video, the numbered options (their
# order replayed from a seed) and the summary of each pass.
# Usage: answers.sh PROGRAM_FOLDER
set -euo pipefail
source "$(dirname "$0")/tmux.sh"

printf '*Thank you\n=Danke sch\xc3\xb6n\n*Hello\n=Hallo\n' >"$dir/t.mix"
# The pane with its attributes: reverse video shows as its escape sequence.
styled() { tmux -L "$sock" capture-pane -p -e -t lx; }
tmux -L "$sock" new-session -d -s lx -x 100 -y 30 \
    "cd '$dir' && LEXIDO_CHOICE_SEED=7 PULSE_SERVER=unix:/nonexistent ./lexido-tty --mode 11 t.mix; echo \"EXITED rc=\$?\"; sleep 30"
expect "t.mix | Type the Answer | 1st --> 2nd"
keys F5
expect "type the answer · Enter: check"
keys -l "Danke shcom"
expect "Danke shcom"
keys BSpace
keys -l "n"
keys Enter
expect "Almost: Danke shcon"
styled | grep -qF $'Almost: Danke s\e[7mhco\e[' || { echo "no reverse video on the differing letters"; styled; exit 1; }
expect "Press some key to continue"
keys x
keys -l "hallo"
keys Enter
expect "Right"
keys x
expect "t.mix · pass 1 over: 2 shown, 0 marked."

keys F2
expect "l  Choose the Answer"
keys l
expect "Mode: Choose the Answer"
keys F5
expect "1 to 4: choose · Space: don't know"
expect "2. "
# The number of "Hallo" is a wrong choice: the phrase is marked.
wrong=$(screen | grep -oE '^[12]\. Hallo' | cut -c1)
keys "$wrong"
expect "Wrong: Hallo"
expect "[*] Marked"
keys x
expect "2. "
right=$(screen | grep -oE '^[12]\. Hallo' | cut -c1)
keys "$right"
expect "Right"
keys x
expect "t.mix · pass 1 over: 2 shown, 1 marked."
keys C-q
expect "Save the results of this run?"
keys n
expect "EXITED rc=0"
echo "terminal answer modes passed"
