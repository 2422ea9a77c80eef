#!/usr/bin/env bash
# An interactive session of lexido-tty inside tmux, as a learner drives it: open a phrase-book
# topic, run In Whole, ask for speech without a sound server, mark a phrase, Next Iteration,
# Exit; the terminal must be restored. Ctrl+S tells what it saved.
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
keys F4;    expect "No sound device: speech is off."  # no sound server: the pass goes on
keys x;     expect "Я голоден."
keys Space
keys Escape; expect "next iteration possible"
keys F6;    expect "Phrase 1 of 1 · 0 marked · pass 2"
keys C-b;   expect "English <---> Russian"  # a topic opened during a pass ends the pass first
keys a Enter; expect "pass 0 |"; sleep 0.5
if screen | grep -qE "\| running|\| Phrase "; then echo "the pass still runs"; screen; exit 1; fi
keys C-q;   expect "Save the results of this run? y = save as…, n = discard, Escape = back"
keys n;     expect_restored 0
# Back on the normal screen: the shell's line is there and the trainer's status line is gone.
if screen | grep -qF "phrases |"; then echo "terminal not restored"; screen; exit 1; fi
# A pass taller than its pane: the keys scroll its own text, never the file with the answers.
printf '*%s=ANSWER\n*Two=ZWEI\n' "$(printf 'Q%02d ' $(seq 1 60))" > "$dir/Text/tall.mix"
pane=tall; tmux -L "$sock" new-session -d -s tall -x 60 -y 6 "cd '$dir' && ./lexido-tty Text/tall.mix; sleep 30"
expect "Q01 Q02"
keys F5; expect "------"; keys Home; expect "Q01 Q02"; keys PgDn; expect "------"; keys Up; expect "Q16 Q17"
if screen | grep -qF "ANSWER"; then echo "the scrolling showed the answers"; screen; exit 1; fi
pane=lx
# A pass with a mark, then Ctrl+Q, once per answer: the keys, what is shown then, the results
# file saved into out/ ("-": none).
while IFS='|' read -r answer after shown saved; do
    stop_server; rm -rf "$dir/out"; mkdir -p "$dir/out"
    start
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
# Ctrl+S says that there is nothing to save before a pass, and after one what was saved where.
stop_server; start; expect "F1: keys"; keys C-s; expect "There are no results to save yet: run a pass first."
keys C-b; expect "English <---> Russian"; keys c; expect "English_Russian/01 Food"; keys Enter; keys F5; keys x Space Escape
expect "next iteration possible"; keys C-s; keys -N 40 BSpace; keys out/meal Enter; expect "Results saved: $dir/out/meal_1.mix"
echo "interactive session passed"
