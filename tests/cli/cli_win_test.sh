#!/bin/sh
# A stored winning line, fed to the play session of the command-line tool, wins its deal.
set -u
cli="$1"
line="$2"
set -- $(head -n 1 "$line")
game="$3"
number="$5"
answers=$( (grep -v '^#' "$line"; echo state) | "$cli" play "$game" "$number" 2>&1)
moves=$(grep -vc '^#' "$line")
accepted=$(printf '%s\n' "$answers" | grep -c '^ok$')
last=$(printf '%s\n' "$answers" | tail -n 1)
failures=0
if [ "$accepted" != "$moves" ]; then
    echo "FAIL: $accepted of $moves commands accepted"
    printf '%s\n' "$answers" | grep -v '^ok$' | head -n 5
    failures=1
fi
case "$last" in
    won=Y*) ;;
    *) echo "FAIL: the last state is not won: $last"; failures=1 ;;
esac
[ "$failures" -eq 0 ] && echo "game $game number $number won in $moves commands"
exit "$failures"
