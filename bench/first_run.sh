#!/usr/bin/env bash
# The first ten minutes: how long a new checkout takes from `bash scripts/run.sh` to the window.
# For each revision named, in turn: a fresh clone of this repository in a temporary folder,
# checked out at that revision, in which `bash scripts/run.sh` runs with the compiler cache off
# (CCACHE_DISABLE=1), an empty settings folder and a private Xvfb. Prints the seconds from the
# command to the program's first window being mapped, and the machine's load meanwhile (the mean
# of the one-minute load average, sampled while it ran). The packages are expected to be
# installed already: the time is that of configuring and building.
#
# Usage: bench/first_run.sh [REVISION...]   (default: HEAD)
#   bash bench/first_run.sh e07153a HEAD     two revisions back to back
# KEEP=1 keeps the clones (their paths are printed).
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
[ $# -gt 0 ] || set -- HEAD
revs=()
for r in "$@"; do revs+=("$(git -C "$top" rev-parse --verify "$r^{commit}")"); done

work="$(mktemp -d)"
xvfb_pid=""
run_pid=""
cleanup() {
    [ -n "$run_pid" ] && kill "$run_pid" 2> /dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2> /dev/null || true
    [ -n "${KEEP:-}" ] || rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number to descriptor 3. No window manager:
# top-level windows are children of the root, mapped when the program shows them.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3> "$work/display" > /dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"

# True when a child of the root window is viewable (Qt also makes windows it never maps).
window_mapped() {
    local id
    for id in $(xwininfo -root -children 2> /dev/null | awk '$1 ~ /^0x/ {print $1}'); do
        xwininfo -id "$id" 2> /dev/null | grep -q 'Map State: IsViewable' && return 0
    done
    return 1
}

echo "$(nproc) cores; at the start: $(uptime)"
for rev in "${revs[@]}"; do
    clone="$work/clone-${rev:0:7}"
    git clone -q "$top" "$clone"
    git -C "$clone" checkout -q "$rev"
    start=$(date +%s.%N)
    (cd "$clone" && exec env CCACHE_DISABLE=1 XDG_CONFIG_HOME="$work/config-${rev:0:7}" \
        bash scripts/run.sh) > "$work/run-${rev:0:7}.log" 2>&1 &
    run_pid=$!
    loads=0
    load_sum=0
    mapped=""
    while kill -0 "$run_pid" 2> /dev/null; do
        if window_mapped; then
            mapped=$(date +%s.%N)
            break
        fi
        load_sum=$(awk -v s="$load_sum" '{print s + $1}' /proc/loadavg)
        loads=$((loads + 1))
        sleep 0.2
    done
    # run.sh ends in the program itself (exec), so this stops the program.
    kill "$run_pid" 2> /dev/null || true
    wait "$run_pid" 2> /dev/null || true
    run_pid=""
    if [ -z "$mapped" ]; then
        echo "${rev:0:7}: no window; the end of its output:" >&2
        tail -n 20 "$work/run-${rev:0:7}.log" >&2
        exit 1
    fi
    awk -v r="${rev:0:7}" -v a="$start" -v b="$mapped" -v s="$load_sum" -v n="$loads" \
        'BEGIN {printf "%s: %.0f s to the window (%.1f min), mean load %.2f\n",
                r, b - a, (b - a) / 60, n ? s / n : 0}'
    [ -n "${KEEP:-}" ] && echo "  kept: $clone" || rm -rf "$clone"
done
echo "at the end: $(uptime)"
