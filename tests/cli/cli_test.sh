#!/bin/sh
# The command-line tool's commands, formats and exit statuses.
set -u
cli="$1"
failures=0
check() {  # name, expected, actual
    if [ "$2" != "$3" ]; then
        echo "FAIL: $1"; echo "  expected: $2"; echo "  actual:   $3"
        failures=$((failures + 1))
    fi
}
status() {  # expected status, command...
    expected=$1; shift
    "$@" >/dev/null 2>&1; actual=$?
    check "status of $*" "$expected" "$actual"
}

check "games lists ids and names" "1	FreeCell" "$("$cli" games | grep "^1$(printf '\t')")"
check "games lists the collection" "35" "$("$cli" games | wc -l | tr -d ' ')"
check "shuffle 1 52 0" "040 004 043 039 015 006 016 045 018 035 034 007 049 011 025 024 026 027 046 030 048 010 012 032 021 002 041 003 042 005 014 044 017 013 033 009 019 023 052 022 037 038 051 028 008 029 047 031 020 050 036 001" "$("$cli" shuffle 1 52 0)"
check "shuffle 907 52 4" "107 047 003 045 020 022 026 043 039 025 001 010 036 015 009 028 042 011 019 033 048 031 108 021 040 105 034 013 044 017 050 030 006 002 046 038 012 035 029 016 052 018 007 106 008 049 014 041 027 004 051 023 024 032 037 005" "$("$cli" shuffle 907 52 4)"
check "shuffle of an unsupported deck" "1" "$("$cli" shuffle 5 60 0 2>/dev/null | tr ' ' '\n' | sort -u | wc -l | tr -d ' ')"
check "numbers 0 3" "0000000000000
1744311646140
1833083427436" "$("$cli" numbers 0 3)"
check "deal prints 55 lines" "55" "$("$cli" deal 1 12345 | wc -l | tr -d ' ')"
check "deal is the same twice" "$("$cli" deal 0 777)" "$("$cli" deal 0 777)"
check "deal of Klondike" "3" "$("$cli" deal 0 777 | sed -n '22p' | awk '{print length($0) / 4}')"

status 2 "$cli" deal 999 1
status 2 "$cli" deal 1 12x
status 2 "$cli" deal 1 12345678901234
status 2 "$cli" shuffle 1e5 52 0
status 2 "$cli" shuffle 1 105 0
status 2 "$cli" numbers -1 3
status 2 "$cli" frobnicate
status 2 "$cli"

# Without GAMES.DAT the tool says so and stops.
lonely=$(mktemp -d)
cp "$cli" "$lonely/"
status 2 "$lonely/$(basename "$cli")" games
message=$("$lonely/$(basename "$cli")" deal 1 1 2>&1 >/dev/null)
case "$message" in *GAMES.DAT*) ;; *) echo "FAIL: missing GAMES.DAT message: $message"; failures=$((failures + 1));; esac
rm -rf "$lonely"

[ "$failures" -eq 0 ] && echo "all cli checks passed"
exit "$failures"
