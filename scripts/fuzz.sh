#!/usr/bin/env bash
# Builds every libFuzzer target (build-fuzz, clang, fuzzer + address + undefined-behaviour
# sanitizers) and runs each in turn for the given number of seconds, then prints per target the
# executions, the time and whether it found anything.
#
#   scripts/fuzz.sh SECONDS [target...]     e.g. scripts/fuzz.sh 300, scripts/fuzz.sh 60 chords
#
# Each target starts from its seed corpus in fuzz/corpus/<name> and keeps what it learns in
# build-fuzz/corpus/<name>, so the repository only changes when a finding is added by hand.
# Findings (crash-*, leak-*, timeout-*, oom-*) land in build-fuzz/findings/<name>/.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TASTRA_FUZZ_DIR:-$top/build-fuzz}"
if [ $# -lt 1 ] || ! [[ "$1" =~ ^[0-9]+$ ]]; then
    echo "usage: $0 SECONDS [target...]" >&2
    exit 2
fi
seconds="$1"
shift
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for src in "$top"/fuzz/fuzz_*.cpp; do
        name="$(basename "$src" .cpp)"
        targets+=("${name#fuzz_}")
    done
fi

CC=clang CXX=clang++ cmake -S "$top" -B "$build" -G Ninja -DTASTRA_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$build" -j "$(nproc)" --target fuzz_all

export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$top/scripts/lsan.supp:print_suppressions=0"
summary=()
found=0
for t in "${targets[@]}"; do
    exe="$build/fuzz/fuzz_$t"
    [ -x "$exe" ] || { echo "no such target: $t" >&2; exit 2; }
    work="$build/corpus/$t"
    findings="$build/findings/$t"
    log="$build/logs/$t.log"
    mkdir -p "$work" "$findings" "$(dirname "$log")"
    echo "== fuzz_$t for ${seconds}s (log: $log)"
    start=$(date +%s)
    rc=0
    "$exe" -max_total_time="$seconds" -max_len=4096 -timeout=30 -rss_limit_mb=4096 \
        -print_final_stats=1 -artifact_prefix="$findings/" "$work" "$top/fuzz/corpus/$t" \
        > "$log" 2>&1 || rc=$?
    elapsed=$(($(date +%s) - start))
    execs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)"
    [ -n "$execs" ] || execs="$(sed -n 's/.*#\([0-9]*\).*/\1/p' "$log" | tail -1)"
    result="nothing found"
    artifact="$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$log" | tail -1)"
    if [ $rc -ne 0 ] || [ -n "$artifact" ]; then
        found=1
        reason="$(grep -m1 -E 'FUZZ_CHECK|runtime error:|ERROR: ' "$log" || true)"
        result="FOUND: ${artifact:-exit $rc} ${reason}"
    fi
    summary+=("$(printf '%-12s %12s execs %6ss  %s' "$t" "${execs:-?}" "$elapsed" "$result")")
done

echo
echo "target              executions   time  result"
printf '%s\n' "${summary[@]}"
exit $found
