#!/bin/sh
# tarvelle-cli render: a dealt game drawn to a PNG, the same picture every run.
set -u
cli="$1"
folder=$(dirname "$cli")
if [ ! -f "$folder/TAR.RGF" ]; then
    echo "no TAR.RGF beside $cli: nothing to draw with"
    exit 77
fi
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failures=0
fail() { echo "FAIL: $1"; failures=$((failures + 1)); }

for game in $("$cli" games | cut -f1); do
    for size in 1024x768 800x600; do
        "$cli" render "$game" 4711 "$out/a.png" "$size" || fail "render $game at $size"
        "$cli" render "$game" 4711 "$out/b.png" "$size" || fail "render $game at $size again"
        cmp -s "$out/a.png" "$out/b.png" || fail "game $game at $size differs from run to run"
    done
done
"$cli" render 0 4711 "$out/c.png" 1024x768
# The PNG header holds the width and height of the client area below the frame.
header=$(od -An -tx1 -j16 -N8 "$out/c.png" | tr -d ' \n')
[ "$header" = "00000400000002d8" ] || fail "the picture is 1024 x 728: $header"

for bad in "render 0 1" "render 999 1 $out/x.png" "render 0 12x $out/x.png" "render 0 1 $out/x.png 10x10" \
           "render 0 1 $out/x.png 1024" "render 0 1 /nonexistent/folder/x.png"; do
    # shellcheck disable=SC2086
    "$cli" $bad >/dev/null 2>&1
    [ $? -eq 2 ] || fail "status 2 for: $bad"
done
[ "$failures" -eq 0 ]
