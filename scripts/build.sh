#!/usr/bin/env bash
# Configures and builds into build/ (or $TASTRA_BUILD_DIR): every target, or only the targets
# named (e.g. `scripts/build.sh Tastra`).
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TASTRA_BUILD_DIR:-$top/build}"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${CMAKE_BUILD_TYPE:-RelWithDebInfo}" > /dev/null
targets=()
[ $# -gt 0 ] && targets=(--target "$@")
cmake --build "$build" -j "$(nproc)" "${targets[@]}"
