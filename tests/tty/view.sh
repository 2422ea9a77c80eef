#!/usr/bin/env bash
# Beside the screen text of the full-screen terminal (tmux): the welcome page and its number
# keys, the marker of a marked phrase, the cursor where Open Brackets types. Usage: view.sh PROGRAM_FOLDER
set -euo pipefail
source "$(dirname "$0")/tmux.sh"

printf '*Alpha=das <Brot> ist <gut>\n*Beta=Wasser\n' > "$dir/Text/a.mix"
printf '*Gamma=Milch\n' > "$dir/Text/b.mix"
# The cursor as "shown x,y", against a pattern ("0 *": hidden).
expect_cursor() {
    for _ in $(seq 100); do [[ "$(tmux -L "$sock" display -p -t lx '#{cursor_flag} #{cursor_x},#{cursor_y}')" == $1 ]] && return 0; sleep 0.1; done
    echo "cursor not $1"; screen; exit 1
}
start
expect "Welcome to Lexido"; expect "Open a phrase file: Ctrl+O"
! screen | grep -qF "Recently opened" || { echo "a recent list before any file"; exit 1; }
for f in b:Gamma a:Alpha; do keys C-o; expect "Open phrase file:"; keys -N 80 BSpace; keys "$dir/Text/${f%:*}.mix" Enter; expect "*${f#*:}="; done
keys C-q; expect "EXITED rc=0"; stop_server
start
expect "Recently opened (press its number):"; expect "1  a.mix"; expect "2  b.mix"; keys 2; expect "*Gamma=Milch"
keys C-q; expect "EXITED rc=0"; stop_server
start
expect "1  b.mix"; keys 2; expect "*Alpha="
keys F2 f; expect "Mode: Open Brackets (Whole Word)   The Open Brackets modes ask for the words of the second"; expect_cursor "0 *"
keys F5; expect "das <> ist <>"; expect_cursor "1 5,2"
keys B; expect "das <B> ist <>"; expect_cursor "1 6,2"
! screen | grep -qF "[*]" || { echo "marked before Space"; exit 1; }
keys Space; expect "| [*] Marked"; expect_cursor "1 16,2"
keys Escape; expect "iterations over"; expect_cursor "0 *"
# A text without brackets says so; at 20 x 5 the rule under the question is one row, the keys page scrolls.
keys C-o; expect "Open phrase file:"; keys -N 80 BSpace; keys "$dir/Text/b.mix" Enter; expect "*Gamma="
keys F5; expect "No brackets to fill in here: the mode \"Add Brackets\" puts words in brackets."; keys Escape
expect "iterations over"; tmux -L "$sock" resize-window -t lx -x 20 -y 5; keys F2; expect "Mode (Up/Down"; keys a F5; expect "Milch"
[ "$(screen | sed -n 1,2p | tr '\n' ' ')" = "Milch -------------------- " ] || { echo "the question is off the screen"; screen; exit 1; }
keys F1; expect "Lexido in a termina"; ! screen | grep -qF "closes it" || { echo "no page to scroll"; exit 1; }
keys End; expect "closes it."; keys Home; expect "Lexido in a termina"
echo "view passed"
