#!/usr/bin/env bash
# Start-up against a yardstick, side by side in one run: a bare Qt 6 main window with a menu bar
# (bench/bare_window.cpp) and Tastra, started in turn under a
# private Xvfb with a private JACK server (so that the built-in synth has an audio output).
# For each: the time from launch until its window is mapped, and its own memory (Private_Dirty:
# leaves out shared libraries and JACK's shared memory) two seconds after that. Prints every
# run, then the medians and the ratios to the bare window.
#
# Usage: bench/startup.sh [runs] [soundfont]   (default 7 runs, the system's default soundfont)
# A soundfont path puts that file in place of the General MIDI soundfont for this run only, in a
# private mount namespace (needs root); both keyboards then play it.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TASTRA_BUILD_DIR:-$top/build}"
runs="${1:-7}"
soundfont="${2:-}"
for b in Tastra bench/bare_window bench/mapwatch; do
    [ -x "$build/$b" ] || { echo "build first: $build/$b is missing" >&2; exit 1; }
done
source "$top/bench/session.sh"
bench_mount_soundfont "$soundfont" "${BASH_SOURCE[0]}" "$runs" "$soundfont"
# A program file written moments ago counts as private dirty memory until it reaches the disk.
sync
bench_private_session startup-bench 90
sf2="$bench_sf2"

# Tastra gets a configuration folder of its own: a first start.
mkdir -p "$work/tastra"

programs=(bare tastra)
measure() {
    case "$1" in
        bare) "$build/bench/mapwatch" 2 "$build/bench/bare_window" ;;
        tastra) XDG_CONFIG_HOME="$work/tastra" "$build/bench/mapwatch" 2 "$build/Tastra" ;;
    esac 2> /dev/null | awk '/^map-ms/'
}
# One warm-up round: the first start of each reads its files from disk.
for p in "${programs[@]}"; do measure "$p" > /dev/null; done
for i in $(seq 1 "$runs"); do
    for p in "${programs[@]}"; do
        line="$(measure "$p")"
        echo "run $i $p: ${line:-no window}"
        [ -n "$line" ] && echo "$line" | awk '{print $2, $4}' >> "$work/$p.txt"
    done
done

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
echo
echo "soundfont: ${soundfont:-$(readlink -f "$sf2")}"
printf '%-8s %10s %8s %12s %8s\n' program window-ms ratio dirty-MB ratio
for p in "${programs[@]}"; do
    [ -s "$work/$p.txt" ] || continue
    ms=$(awk '{print $1}' "$work/$p.txt" | median)
    kb=$(awk '{print $2}' "$work/$p.txt" | median)
    [ "$p" = bare ] && { base_ms=$ms; base_kb=$kb; }
    awk -v p="$p" -v ms="$ms" -v kb="$kb" -v bms="$base_ms" -v bkb="$base_kb" \
        'BEGIN {printf "%-8s %10.1f %8.2f %12.1f %8.2f\n", p, ms, ms / bms, kb / 1024, kb / bkb}'
done
