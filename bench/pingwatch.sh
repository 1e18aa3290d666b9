#!/usr/bin/env bash
# How long the window keeps the user waiting after it first shows: Tastra is started on a first
# start (a fresh configuration, so it opens the MIDI Mapper and with it the built-in synth) under
# a private Xvfb and JACK server, and bench/pingwatch pings its window every 10 ms from the first
# paint on for a few seconds. Prints every run, then the median and the largest of the worst
# waits.
#
# Usage: bench/pingwatch.sh [runs] [soundfont]   (default 7 runs, the system's default soundfont)
# A soundfont path puts that file in place of the General MIDI soundfont for this run only, in a
# private mount namespace (needs root). With the environment variable DROP_CACHES=1 (root) the
# page cache is emptied before every run, so the soundfont comes from the disk.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TASTRA_BUILD_DIR:-$top/build}"
runs="${1:-7}"
soundfont="${2:-}"
for b in Tastra bench/pingwatch; do
    [ -x "$build/$b" ] || { echo "build first: $build/$b is missing" >&2; exit 1; }
done
source "$top/bench/session.sh"
bench_mount_soundfont "$soundfont" "${BASH_SOURCE[0]}" "$runs" "$soundfont"
bench_private_session ping-bench 70
sf2="$bench_sf2"

for i in $(seq 0 "$runs"); do
    rm -rf "$work/config"
    mkdir -p "$work/config"
    [ "${DROP_CACHES:-0}" = 1 ] && sync && echo 3 > /proc/sys/vm/drop_caches
    line="$(XDG_CONFIG_HOME="$work/config" "$build/bench/pingwatch" 3 "$build/Tastra" 2> /dev/null || true)"
    # Run 0 warms the files up and is not counted (unless the caches are dropped).
    [ "$i" = 0 ] && [ "${DROP_CACHES:-0}" != 1 ] && continue
    echo "run $i: ${line:-no answer}"
    [ -n "$line" ] && echo "$line" | awk '{print $6}' >> "$work/worst.txt"
done

echo
echo "soundfont: ${soundfont:-$(readlink -f "$sf2")}"
[ -s "$work/worst.txt" ] || exit 1
sort -n "$work/worst.txt" | awk '{v[NR] = $1} END {
    printf "worst wait after the first paint: median %.1f ms, largest %.1f ms (target: none over 50 ms)\n",
        (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2, v[NR]}'
