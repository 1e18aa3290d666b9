#!/usr/bin/env bash
# Builds the test suite with AddressSanitizer and UndefinedBehaviorSanitizer (build-asan) and runs
# all of it, then builds it with ThreadSanitizer (build-tsan) and runs the tests in which the MIDI
# input or the built-in synth meets a second thread. The first report stops the test that made it, and the script
# fails.
#
#   scripts/sanitize.sh [asan|tsan]...   (both when none is named)
#
# Extra arguments for ctest in the ASan run go in TASTRA_CTEST_ARGS (e.g. "-R MidiInput").
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs=("$@")
[ ${#runs[@]} -eq 0 ] && runs=(asan tsan)

# The tests in which a producer thread (the service's or the test's own) feeds the MIDI input,
# those in which the built-in synth starts and plays on threads of its own, and those in which
# keys play on the thread that reads them.
tsan_filter="${TASTRA_TSAN_FILTER:-MidiInput*:CircBuffer*:MidiInMenu*:MainWindowThru*:SynthDevice*:SystemMidiSynth*:NotePlayerThreads*}"

configure_and_build() {  # dir, compiler flags
    cmake -S "$top" -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_FLAGS="-O1 -fno-omit-frame-pointer $2" \
        -DCMAKE_C_FLAGS="-O1 -fno-omit-frame-pointer $2" \
        -DCMAKE_EXE_LINKER_FLAGS="$2" -DCMAKE_SHARED_LINKER_FLAGS="$2" > /dev/null
    cmake --build "$1" -j "$(nproc)" --target tastra_tests
}

status=0
for run in "${runs[@]}"; do
    case "$run" in
        asan)
            dir="${TASTRA_ASAN_DIR:-$top/build-asan}"
            configure_and_build "$dir" "-fsanitize=address,undefined -fno-sanitize-recover=all"
            echo "== AddressSanitizer + UndefinedBehaviorSanitizer: whole suite"
            (
                cd "$dir"
                export QT_QPA_PLATFORM=offscreen
                export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1"
                export LSAN_OPTIONS="suppressions=$top/scripts/lsan.supp:print_suppressions=0"
                export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
                # shellcheck disable=SC2086
                ctest --output-on-failure --timeout 900 -j 2 ${TASTRA_CTEST_ARGS:-}
            ) || status=1
            ;;
        tsan)
            dir="${TASTRA_TSAN_DIR:-$top/build-tsan}"
            configure_and_build "$dir" "-fsanitize=thread"
            echo "== ThreadSanitizer: $tsan_filter"
            (
                cd "$dir"
                export QT_QPA_PLATFORM=offscreen
                export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$top/scripts/tsan.supp"
                "$(find . -name tastra_tests -type f -perm -u+x | head -1)" \
                    --gtest_filter="$tsan_filter"
            ) || status=1
            ;;
        *)
            echo "unknown run: $run (asan or tsan)" >&2
            exit 2
            ;;
    esac
done
exit $status
