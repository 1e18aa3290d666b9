#!/usr/bin/env bash
# Measures, under Xvfb, the time from launch until the main window is first painted, and the
# program's own memory (Private_Dirty: leaves out shared libraries and JACK's shared memory)
# once the soundfont is loaded. Usage: bench/startup.sh [runs] (default 5).
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bin="${TASTRA_BUILD_DIR:-$top/build}/Tastra"
runs="${1:-5}"
[ -x "$bin" ] || { echo "build first: $bin is missing" >&2; exit 1; }
display=":$((90 + RANDOM % 9))"
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp > /dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
cfg="$(mktemp -d)"
for i in $(seq 1 "$runs"); do
    out="$(mktemp)"
    TASTRA_LAUNCH_NS="$(date +%s%N)" DISPLAY="$display" XDG_CONFIG_HOME="$cfg" \
        "$bin" > "$out" 2>/dev/null &
    pid=$!
    for _ in $(seq 1 100); do grep -q visible-ms "$out" && break; sleep 0.05; done
    sleep 2   # let the soundfont finish loading
    dirty=$(awk '/^Private_Dirty/ {print $2}' "/proc/$pid/smaps_rollup")
    rss=$(awk '/^Rss/ {print $2}' "/proc/$pid/smaps_rollup")
    echo "run $i: $(grep visible-ms "$out") private-dirty-kB $dirty rss-kB $rss"
    kill "$pid"; wait "$pid" 2>/dev/null || true
    rm -f "$out"
done
rm -rf "$cfg"
