#!/bin/sh
# The play session of the command-line tool: its commands and their answers.
set -u
cli="$1"
failures=0
check() {  # name, expected, actual
    if [ "$2" != "$3" ]; then
        echo "FAIL: $1"; echo "  expected: $2"; echo "  actual:   $3"
        failures=$((failures + 1))
    fi
}
play() {  # game, number, commands (one a line)
    printf '%s\n' "$3" | "$cli" play "$1" "$2" 2>/dev/null
}

check "state after the deal" "won=N score=-52 deals=1 moves=0 undo=0 redo=0" "$(play 0 777 'state')"
check "a stock press turns a card" "ok
won=N score=-52 deals=1 moves=1 undo=1 redo=0" "$(play 0 777 'click Mazzo
state')"
check "undo and redo of the press" "ok
ok
ok
won=N score=-52 deals=1 moves=1 undo=1 redo=0" "$(play 0 777 'click Mazzo
undo
redo
state')"
check "undo right after the deal is refused" "refused" "$(play 0 777 'undo')"
check "unknown commands answer an error and the session goes on" "error: unknown command frobnicate
won=N score=-52 deals=1 moves=0 undo=0 redo=0" "$(play 0 777 'frobnicate
state')"
check "a bad card code is an error" "error: not a card code: 999" "$(play 0 777 'move 999 Fila1')"
check "a bad pile is an error" "error: not a pile: Fila99" "$(play 0 777 'move 001 Fila99')"
check "autoplay switches" "ok
ok
error: autoplay is on or off, not maybe" "$(play 0 777 'autoplay on
autoplay off
autoplay maybe')"
check "show prints the 55 snapshot lines and a dot" "56" "$(play 0 777 'show' | wc -l | tr -d ' ')"
check "show ends with a dot" "." "$(play 0 777 'show' | tail -n 1)"
check "legal ends both lists with a dot" "2" "$(play 1 1 'legal' | grep -c '^\.$')"

# Every move that legal lists is accepted, and a move it does not list is refused.
first=$(play 1 1 'legal' | head -n 1)
check "the first legal move is accepted" "ok" "$(play 1 1 "move $first")"
code=$(echo "$first" | cut -d' ' -f1)
check "a card on its own pile is refused" "refused" "$(play 1 1 "move $code Dest1
move $code Dest1" | tail -n 1)"
check "a click on a face-up tableau card is refused" "refused" "$(play 1 1 'click Fila1')"

# Clicks that legal lists change the table.
click=$(play 0 777 'legal' | sed -n '/^click /{s/^click //;p;q}')
check "the stock press is listed" "Mazzo" "$click"

status() {  # expected status, command...
    expected=$1; shift
    "$@" </dev/null >/dev/null 2>&1; actual=$?
    check "status of $*" "$expected" "$actual"
}
status 0 "$cli" play 1 1
status 2 "$cli" play 999 1
status 2 "$cli" play 1 12x
status 2 "$cli" play 1

[ "$failures" -eq 0 ] && echo "all cli play checks passed"
exit "$failures"
