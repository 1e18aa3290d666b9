#!/usr/bin/env bash
# Key to first sound of the built-in synth on a private PipeWire, as desktops run it today: once
# through PipeWire's JACK face (the synth's own JACK ports, measured there) and once through its
# PulseAudio face (measured at the monitor of the null sink the stream plays to). The quantum is
# forced to each period in turn. Runs build/bench/latency_bench under pw-jack; the JACK dummy
# server figures come from latency_bench itself.
# Usage: bench/pipewire_latency.sh [presses per path, default 100] [periods...]
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TASTRA_BUILD_DIR:-$top/build}"
presses="${1:-100}"
shift || true
periods=("$@")
[ ${#periods[@]} -gt 0 ] || periods=(256 1024)
[ -x "$build/bench/latency_bench" ] || { echo "build first: $build/bench/latency_bench is missing" >&2; exit 1; }
for program in pipewire wireplumber pipewire-pulse pw-jack pw-metadata pactl dbus-daemon; do
    command -v "$program" > /dev/null || { echo "$program is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }
done

sink=tastra-bench-sink
runtime="$(mktemp -d /tmp/tastra-pipewire-bench-XXXXXX)"
pids=()
cleanup() {
    # The faces first, the server last; each is waited for.
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[$i]}" 2> /dev/null || true
        wait "${pids[$i]}" 2> /dev/null || true
    done
    rm -rf "$runtime"
}
trap cleanup EXIT

mkdir -p "$runtime/config/pipewire/pipewire.conf.d"
cat > "$runtime/config/pipewire/pipewire.conf.d/sink.conf" << CONF
context.objects = [
    { factory = adapter
      args = { factory.name = support.null-audio-sink node.name = "$sink"
               media.class = Audio/Sink audio.position = [ FL FR ] audio.rate = 48000 } }
]
CONF
export XDG_RUNTIME_DIR="$runtime" XDG_CONFIG_HOME="$runtime/config" XDG_STATE_HOME="$runtime/state"
export DBUS_SESSION_BUS_ADDRESS="unix:path=$runtime/bus"
unset PULSE_SERVER PIPEWIRE_REMOTE JACK_DEFAULT_SERVER
dbus-daemon --session --address="$DBUS_SESSION_BUS_ADDRESS" --nofork --nopidfile > /dev/null 2>&1 &
pids+=($!)
for server in pipewire wireplumber pipewire-pulse; do
    "$server" > /dev/null 2>&1 &
    pids+=($!)
done
for _ in $(seq 150); do
    [ "$(pactl get-default-sink 2> /dev/null)" = "$sink" ] && break
    sleep 0.1
done
[ "$(pactl get-default-sink 2> /dev/null)" = "$sink" ] || { echo "PipeWire did not offer $sink" >&2; exit 1; }

for period in "${periods[@]}"; do
    pw-metadata -n settings 0 clock.force-quantum "$period" > /dev/null
    pw-jack "$build/bench/latency_bench" --pipewire "$sink" --periods "$period" \
        --paths synth,sink --presses "$presses" || true
done
