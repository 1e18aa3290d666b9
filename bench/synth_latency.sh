#!/usr/bin/env bash
# Delay from a note sent to the built-in synth to its first sound on the synth's JACK audio
# port, at JACK periods of 64, 256 and 1024 frames (48 kHz), each under a private JACK server.
# Usage: bench/synth_latency.sh [notes per period, default 200] [periods...]
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TASTRA_BUILD_DIR:-$top/build}"
notes="${1:-200}"
shift || true
periods=("$@")
[ ${#periods[@]} -gt 0 ] || periods=(64 256 1024)
[ -x "$build/bench/synth_latency" ] || { echo "build first: $build/bench/synth_latency is missing" >&2; exit 1; }

jack=""
cleanup() { [ -n "$jack" ] && kill "$jack" 2> /dev/null || true; }
trap cleanup EXIT
for period in "${periods[@]}"; do
    export JACK_DEFAULT_SERVER="synth-latency-$$-$period"
    jackd -n "$JACK_DEFAULT_SERVER" -d dummy -r 48000 -p "$period" > /dev/null 2>&1 &
    jack=$!
    sleep 2
    "$build/bench/synth_latency" "$notes" || true
    kill "$jack" 2> /dev/null || true
    wait "$jack" 2> /dev/null || true
    jack=""
done
