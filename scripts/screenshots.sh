#!/usr/bin/env bash
# Saves a picture of every window of the program as an X display with the default fonts shows it,
# one PNG per window, taken from a private Xvfb with `import -window root`.
#
#   bash scripts/screenshots.sh [OUTPUT_DIR]          (default: build/screenshots)
#   QT_SCALE_FACTOR=1.5 bash scripts/screenshots.sh /tmp/shots-1.5
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TASTRA_BUILD_DIR:-$top/build}"
out="$(mkdir -p "${1:-$build/screenshots}" && cd "${1:-$build/screenshots}" && pwd)"

[ -f "$build/build.ninja" ] || "$top/scripts/build.sh"
cmake --build "$build" --target tastra_showcase > /dev/null
showcase="$build/tests/tastra_showcase"

work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2> /dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Window geometry is reported in Qt's scaled pixels; the screen and the pictures are in the
# server's.
scale="${QT_SCALE_FACTOR:-1}"
px() { awk -v v="$1" -v s="$scale" 'BEGIN { printf "%d", v * s + 0.5 }'; }

# Xvfb picks a free display itself and writes its number to descriptor 3.
Xvfb -displayfd 3 -screen 0 "$(px 1600)x$(px 1200)x24" -nolisten tcp 3> "$work/display" \
    > /dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
export QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config"

for name in $("$showcase" --list); do
    "$showcase" "$name" > "$work/geometry" 2> "$work/errors" &
    pid=$!
    for _ in $(seq 200); do [ -s "$work/geometry" ] && break; sleep 0.1; done
    if read -r x y w h < "$work/geometry"; then
        import -window root -crop "$(px "$w")x$(px "$h")+$(px "$x")+$(px "$y")" +repage \
            "$out/$name.png"
        echo "$out/$name.png"
    else
        echo "$name: no window (see below)" >&2
        cat "$work/errors" >&2
    fi
    kill "$pid" 2> /dev/null || true
    wait "$pid" 2> /dev/null || true
done
