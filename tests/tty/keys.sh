#!/usr/bin/env bash
# The full-screen terminal's keys inside tmux, one row of the table each: the keys sent, then
# every text the screen must show. Then a redraw on a resize, the end, and a fatal end (a broken
# settings file) that must leave the terminal on its normal screen in line mode.
# Usage: keys.sh PROGRAM_FOLDER
set -euo pipefail
source "$(dirname "$0")/tmux.sh"

topic="01 Food and drink.mix"
table=(
    "C-b c Enter#$topic | In Whole | 1st --> 2nd | pass 0"
    "F8#Next File#02 At the hotel.mix | In Whole | 1st --> 2nd | Phrase 1 of 32 · 0 marked · pass 1" # with its first pass
    "F7#Previous File#$topic | In Whole"
    "C-n#$topic | In Whole | 1st --> 2nd | pass 1 | 32 phrases | iterations over"
    "F2#Mode (Up/Down#> a  In Whole"
    "b#Mode: Word By Word#$topic | Word By Word"
    "F3#Direction: 2nd --> 1st#Word By Word | 2nd --> 1st"
    "F3#Direction: 1st --> 2nd"
    "F2 j#Mode: Add Brackets"
    "F9#Add Brackets (Word By Word)   Space: bracket the word#| Phrase 1 of 32 · 0 marked · pass 1"
    "Escape#| iterations over"
    "F10#Add Brackets (Time Out)#| Phrase 1 of 32"
    "Escape#| iterations over"
    "F2 a#Mode: In Whole"
    "F5#First Iteration   Space: don't know · Enter: next · Esc: stop#| Phrase 1 of 32 · 0 marked · pass 1"
    "x#Я голоден.#| Phrase 1 of 32 · 0 marked"
    "Space#| Phrase 2 of 32 · 1 marked · pass 1"
    "Space#| Phrase 2 of 32 · 2 marked · pass 1"
    "BSpace#| Phrase 2 of 32 · 1 marked · pass 1 · Mark"
    "Escape#| next iteration possible#$topic · pass 1 stopped after 2 of 32 phrases, 1 marked. F6 drills"
    "C-s#Save results as: $dir/${topic%.mix}_"
)
export XDG_DOCUMENTS_DIR="$dir" # the documents folder Ctrl+S proposes
start
expect "F1: keys"
for row in "${table[@]}"; do
    IFS='#' read -r -a fields <<<"$row"
    read -r -a sent <<<"${fields[0]}"
    keys "${sent[@]}"
    for text in "${fields[@]:1}"; do expect "$text"; done
done
keys Enter
for _ in $(seq 50); do [ -s "$dir/${topic%.mix}_1.mix" ] && break; sleep 0.1; done
[ -s "$dir/${topic%.mix}_1.mix" ] || { echo "Ctrl+S saved no results"; ls "$dir"; exit 1; }

# A smaller terminal: the frame is drawn again, the status line on its new last row but one.
tmux -L "$sock" resize-window -t lx -x 60 -y 20
for _ in $(seq 50); do screen | sed -n 19p | grep -qF "$topic | In Whole" && break; sleep 0.1; done
screen | sed -n 19p | grep -qF "$topic | In Whole" || { echo "not redrawn at 60 x 20"; screen; exit 1; }
keys C-q
expect_restored 0

# A broken settings file ends the program at start, after the terminal was taken over.
stop_server
printf 'sn=To_WbW\n' >"$dir/Settings/To_WbW.cfg"
start
expect_restored 1
echo "terminal keys passed"
