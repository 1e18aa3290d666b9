# Shared by the benchmark scripts that start programs under a private X display and JACK server.
# Sourced, after `set -euo pipefail`.

bench_sf2=/usr/share/sounds/sf2/default-GM.sf2

# bench_mount_soundfont SOUNDFONT COMMAND...: with a soundfont named, runs COMMAND (the calling
# script again) in a private mount namespace in which that file stands in place of the system's
# General MIDI soundfont, and does not return (needs root). Without one, or once inside, returns.
bench_mount_soundfont() {
    local soundfont="$1"
    shift
    [ -n "$soundfont" ] && [ -z "${BENCH_SOUNDFONT_MOUNTED:-}" ] || return 0
    [ -r "$soundfont" ] || { echo "no soundfont $soundfont" >&2; exit 1; }
    exec unshare -m env BENCH_SOUNDFONT_MOUNTED=1 bash -c \
        'mount --bind "$1" "$2" && shift 2 && exec "$@"' \
        bash "$soundfont" "$(readlink -f "$bench_sf2")" "$@"
}

# bench_private_session NAME DISPLAY_BASE: a work folder ($work) and a private Xvfb ($DISPLAY,
# a number from DISPLAY_BASE on) and JACK server (JACK_DEFAULT_SERVER, 48 kHz, 256 frames), all
# gone when the script ends.
bench_private_session() {
    work="$(mktemp -d)"
    bench_pids=()
    trap 'for p in "${bench_pids[@]}"; do kill "$p" 2> /dev/null || true; done; rm -rf "$work"' EXIT
    export DISPLAY=":$(($2 + RANDOM % 9))"
    Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp > /dev/null 2>&1 &
    bench_pids+=($!)
    export JACK_DEFAULT_SERVER="$1-$$"
    jackd -n "$JACK_DEFAULT_SERVER" -d dummy -r 48000 -p 256 > /dev/null 2>&1 &
    bench_pids+=($!)
    sleep 2
}
