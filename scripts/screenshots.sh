#!/usr/bin/env bash
# Saves a picture of every window of the program as an X display with the default fonts shows it,
# one PNG per window, taken from a private Xvfb. main-window.png is the program itself at a first
# start (an empty settings folder, the built-in synth playing into a private JACK server), taken
# once the window has stopped changing; the others are the windows and pages as
# tests/showcase opens them. Names after the folder take only those pictures.
#
#   bash scripts/screenshots.sh [OUTPUT_DIR [NAME...]]   (default: build/screenshots, all)
#   bash scripts/screenshots.sh data/screenshots main-window     the README's picture
#   QT_SCALE_FACTOR=1.5 bash scripts/screenshots.sh /tmp/shots-1.5
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TASTRA_BUILD_DIR:-$top/build}"
out="$(mkdir -p "${1:-$build/screenshots}" && cd "${1:-$build/screenshots}" && pwd)"
names=("${@:2}")
wanted() { [ ${#names[@]} -eq 0 ] || [[ " ${names[*]} " == *" $1 "* ]]; }

"$top/scripts/build.sh" Tastra tastra_showcase >&2
showcase="$build/tests/tastra_showcase"

work="$(mktemp -d)"
xvfb_pid=""
jack_pid=""
program_pid=""
cleanup() {
    # The program saves its settings as it ends: let it finish before its folder goes.
    [ -n "$program_pid" ] && kill "$program_pid" 2> /dev/null && wait "$program_pid" || true
    [ -n "$jack_pid" ] && kill "$jack_pid" 2> /dev/null || true
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

# The PNG without the time it was made, so that a picture taken again differs only when the window
# does.
save_png() { convert "$1" -define png:exclude-chunks=date,time "$2"; }

# The top-level windows the server shows (Qt also makes windows it never maps).
viewable_windows() {
    local id
    for id in $(xwininfo -root -children | awk '$1 ~ /^0x/ {print $1}'); do
        if xwininfo -id "$id" | grep -q 'Map State: IsViewable'; then echo "$id"; fi
    done
}

first_start() {
    local jack="tastra-screenshots-$$" id="" settled=0 i
    jackd -n "$jack" -d dummy -r 48000 -p 256 > /dev/null 2>&1 &
    jack_pid=$!
    sleep 1
    XDG_CONFIG_HOME="$work/first-start" JACK_DEFAULT_SERVER="$jack" "$build/Tastra" \
        > "$work/errors" 2>&1 &
    program_pid=$!
    for _ in $(seq 300); do
        id="$(viewable_windows | awk 'NR == 1')"
        [ -n "$id" ] && break
        sleep 0.1
    done
    if [ -z "$id" ]; then
        echo "main-window: no window (see below)" >&2
        cat "$work/errors" >&2
    else
        # Settled: the same picture over two seconds (the status bar changes while the synth
        # starts). Only a window that keeps changing (a blinking caret) runs into the limit.
        import -window "$id" "$work/last.ppm"
        for i in $(seq 60); do
            sleep 0.5
            import -window "$id" "$work/now.ppm"
            if cmp -s "$work/now.ppm" "$work/last.ppm"; then
                settled=$((settled + 1))
                [ "$settled" -ge 4 ] && break
            else
                settled=0
            fi
            mv "$work/now.ppm" "$work/last.ppm"
        done
        [ "$settled" -ge 4 ] || echo "main-window: still changing after $((i / 2)) s" >&2
        [ "$(viewable_windows | wc -l)" -eq 1 ] ||
            echo "main-window: the first start showed more than one window" >&2
        save_png "$work/last.ppm" "$out/main-window.png"
        echo "$out/main-window.png"
    fi
    kill "$program_pid" 2> /dev/null || true
    wait "$program_pid" 2> /dev/null || true
    program_pid=""
    kill "$jack_pid" 2> /dev/null || true
    wait "$jack_pid" 2> /dev/null || true
    jack_pid=""
}
wanted main-window && first_start

for name in $("$showcase" --list); do
    wanted "$name" || continue
    "$showcase" "$name" > "$work/geometry" 2> "$work/errors" &
    pid=$!
    for _ in $(seq 200); do [ -s "$work/geometry" ] && break; sleep 0.1; done
    if read -r x y w h < "$work/geometry"; then
        import -window root -crop "$(px "$w")x$(px "$h")+$(px "$x")+$(px "$y")" +repage \
            "$work/shot.ppm"
        save_png "$work/shot.ppm" "$out/$name.png"
        echo "$out/$name.png"
    else
        echo "$name: no window (see below)" >&2
        cat "$work/errors" >&2
    fi
    kill "$pid" 2> /dev/null || true
    wait "$pid" 2> /dev/null || true
done
